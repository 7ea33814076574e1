#include "skin/dialogs/TskSelectSkinDialog.h"

#include "platform/base/ScopeGuard.h"
#include "platform/ui/toolkit/TApplication.h"
#include "skin/boxctrls/TskSkinListBox.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/core/TskCompressedSkinList.h"
#include "skin/core/TskSkinData.h"
#include "skin/dialogs/TskSelectSkinDlgForm.h"
#include "skin/dialogs/skDialogFrame.h"
#include "skin/form/TskSkinForm.h"

namespace {

constexpr int DialogClientWidth = 420;
constexpr int DialogClientHeight = 240;

}  // namespace

TskSelectSkinDialog::TskSelectSkinDialog(TComponent* AOwner)
    : TComponent(AOwner), FDefaultFont(DialogDefaultFont()), FBorrowed(this, FSD, FSkinList, FCtrlFSD) {}

TskSelectSkinDialog::~TskSelectSkinDialog() {
  SetSkinData(nullptr);
  SetCtrlSkinData(nullptr);
  SetSkinList(nullptr);
}

bool TskSelectSkinDialog::Execute(int SkinIndex) {
  if (!FSkinList) return false;
  auto Form = TskSelectSkinDlgForm::CreateEx2(Application, FSkinList, SkinIndex, FCtrlFSD);
  FSelectedSkin = nullptr;
  FSelectedSkinIndex = -1;
  if (!ShowDialog(*Form)) return false;
  FSelectedSkinIndex = Form->PreviewSkinData->SkinIndex();
  return true;
}

bool TskSelectSkinDialog::Execute(TskCompressedStoredSkin* DefaultCompressedSkin) {
  auto Form = TskSelectSkinDlgForm::CreateEx(Application, Owner(), DefaultCompressedSkin, FCtrlFSD);
  FSelectedSkin = nullptr;
  if (!ShowDialog(*Form)) return false;
  FSelectedSkin = Form->GetSelectedSkin();
  return true;
}

void TskSelectSkinDialog::SetSkinData(TskSkinData* Value) { FBorrowed.Set(FSD, Value); }

void TskSelectSkinDialog::SetCtrlSkinData(TskSkinData* Value) { FBorrowed.Set(FCtrlFSD, Value); }

void TskSelectSkinDialog::SetSkinList(TskCompressedSkinList* Value) { FBorrowed.Set(FSkinList, Value); }

void TskSelectSkinDialog::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove) FBorrowed.Forget(AComponent);
}

bool TskSelectSkinDialog::ShowDialog(TskSelectSkinDlgForm& Form) {
  FDlgFrm = &Form;
  ScopeGuard Forget([this] { FDlgFrm = nullptr; });
  TskSkinForm* Frame = Form.BSF;
  SetUpDialogFrame(Form, *Frame, FTitle,
                   { .SkinData = FSD, .MenusSkinData = FCtrlFSD, .AlphaBlend = FAlphaBlend,
                     .AlphaBlendAnimation = FAlphaBlendAnimation, .AlphaBlendValue = FAlphaBlendValue });
  for (TskSkinButton* Button : { Form.OpenButton, Form.CancelButton }) {
    Button->SetDefaultFont(FDefaultFont.get());
    Button->SetSkinData(FCtrlFSD);
  }
  Form.SkinsListBox->SetDefaultFont(FDefaultFont.get());
  Form.SkinsListBox->SetSkinData(FCtrlFSD);
  SetDialogClientSize(Form, *Frame, { DialogClientWidth, DialogClientHeight });
  return Form.ShowModal() == mrOk;
}
