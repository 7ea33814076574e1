#include "skin/dialogs/TskMessageForm.h"

#include "platform/ui/toolkit/TApplication.h"
#include "skin/form/TskSkinForm.h"

namespace {
/// An X below this centres the box on the screen.
constexpr int CentredBelow = -10000;
}  // namespace

TskMessageForm::TskMessageForm(TComponent* AOwner, int X, int Y) : TForm(AOwner) {
  SetBorderStyle(bsDialog);
  SetKeyPreview(true);
  if (X < CentredBelow) {
    SetPosition(poScreenCenter);
  } else {
    SetPosition(poDesigned);
    SetLeft(X);
    SetTop(Y);
  }
  BSF = new TskSkinForm(this);
  BSF->SetBorderIcons({});
}

void TskMessageForm::HelpButtonClick(TObject*) { Application->HelpContext(HelpContext()); }
