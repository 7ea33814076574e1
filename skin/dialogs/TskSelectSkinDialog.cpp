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
    : TComponent(AOwner), FDefaultFont(DialogDefaultFont()) {}

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

void TskSelectSkinDialog::SetSkinData(TskSkinData* Value) {
  Follow(FSD, Value);
  FSD = Value;
}

void TskSelectSkinDialog::SetCtrlSkinData(TskSkinData* Value) {
  Follow(FCtrlFSD, Value);
  FCtrlFSD = Value;
}

void TskSelectSkinDialog::SetSkinList(TskCompressedSkinList* Value) {
  Follow(FSkinList, Value);
  FSkinList = Value;
}

void TskSelectSkinDialog::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSD) FSD = nullptr;
  if (AComponent == FCtrlFSD) FCtrlFSD = nullptr;
  if (AComponent == FSkinList) FSkinList = nullptr;
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

void TskSelectSkinDialog::Follow(TComponent* Old, TComponent* New) {
  // Old is held by the property being set; another property may hold it too and keeps it followed.
  const int Holders = (Old == FSD) + (Old == FCtrlFSD) + (Old == FSkinList);
  if (Old && Old != New && Holders == 1) Old->RemoveFreeNotification(this);
  if (New) New->FreeNotification(this);
}
