#include "skin/dialogs/TskSkinOpenPictureDialog.h"

#include "platform/base/FileUtils.h"
#include "platform/gdi/TPicture.h"
#include "platform/ui/toolkit/TApplication.h"
#include "skin/boxctrls/TskSkinScrollBox.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinSplitter.h"
#include "skin/dialogs/TskOpenPictureDlgForm.h"

namespace {

constexpr int DefaultClientWidth = 550;

}  // namespace

TskSkinOpenPictureDialog::TskSkinOpenPictureDialog(TComponent* AOwner) : TskSkinOpenDialog(AOwner) {
  SetTitle("Open picture");
  SetFilter(GraphicFilter());
  SetAlphaBlendValue(200);
}

std::unique_ptr<TskOpenDlgForm> TskSkinOpenPictureDialog::CreateForm() {
  return TskOpenPictureDlgForm::CreateEx(Application, FSaveMode, CtrlSkinData(), ToolButtonsTransparent(),
                                         ToolBarImageList());
}

void TskSkinOpenPictureDialog::Prepare(TskOpenDlgForm& AForm) {
  auto& Form = static_cast<TskOpenPictureDlgForm&>(AForm);
  // The open dialog fills in its own first size only below 1.
  if (DialogWidth() < 1) SetDialogWidth(DefaultClientWidth);
  TskSkinOpenDialog::Prepare(Form);
  Form.DefaultExt.clear();
  Form.OnFolderChange = nullptr;

  Form.ImagePanel->SetWidth(ImagePanelWidth);
  for (TskSkinControl* Control : std::initializer_list<TskSkinControl*> {
         Form.ImagePanel, Form.ScrollBox, Form.SBVScrollBar, Form.SBHScrollBar })
    Control->SetSkinData(CtrlSkinData());
  Form.Splitter->SetSkinData(CtrlSkinData());
  Form.StretchButton->SetSkinData(CtrlSkinData());
  Form.StretchButton->SetSkinDataName(Form.BackToolButton->SkinDataName());

  Form.StretchButton->SetDown(FStretchPicture || DialogStretch);
  Form.StretchButtonClick(Form.StretchButton);
  if (FileExists(FileName())) Form.ShowPicture(FileName());
}

void TskSkinOpenPictureDialog::KeepLayout(TskOpenDlgForm& AForm) {
  TskSkinOpenDialog::KeepLayout(AForm);
  auto& Form = static_cast<TskOpenPictureDlgForm&>(AForm);
  DialogStretch = Form.StretchButton->Down();
  ImagePanelWidth = Form.ImagePanel->Width();
}
