#include "skin/dialogs/TskSkinFilterComboBox.h"

#include "platform/base/SysUtils.h"
#include "skin/dialogs/TskSkinFileListBox.h"

namespace {

/// The text of S before its first "|", removed from S with the "|"; all of S when it has none.
String TakePart(String& S) {
  const size_t Bar = S.find('|');
  String Part = S.substr(0, Bar);
  S = Bar == String::npos ? String() : S.substr(Bar + 1);
  return Part;
}

}  // namespace

TskSkinFilterComboBox::TskSkinFilterComboBox(TComponent* AOwner) : TskSkinComboBox(AOwner) {}

TskSkinFilterComboBox::~TskSkinFilterComboBox() { SetFileList(nullptr); }

void TskSkinFilterComboBox::SetFilter(const String& Value) {
  if (SameText(Value, FFilter)) return;
  FFilter = Value;
  if (HandleAllocated()) BuildMaskList();
  Change();
}

String TskSkinFilterComboBox::Mask() {
  if (ItemIndex() == -1 && Items()->Count() > 0) SetItemIndex(Items()->Count() - 1);
  const int Index = ItemIndex();
  return Index >= 0 && Index < MaskList->Count() ? MaskList->Strings(Index) : String("*.*");
}

void TskSkinFilterComboBox::SetFileList(TskSkinFileListBox* Value) {
  if (FFileList == Value) return;
  if (FFileList) {
    FFileList->FFilterCombo = nullptr;
    FFileList->RemoveFreeNotification(this);
  }
  FFileList = Value;
  if (FFileList) {
    if (FFileList->FFilterCombo) FFileList->FFilterCombo->SetFileList(nullptr);
    FFileList->FFilterCombo = this;
    FFileList->FreeNotification(this);
  }
}

void TskSkinFilterComboBox::CreateWnd() {
  TskSkinComboBox::CreateWnd();
  BuildMaskList();
}

void TskSkinFilterComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinComboBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFileList) FFileList = nullptr;
}

void TskSkinFilterComboBox::Change() {
  if (FFileList) FFileList->SetMask(Mask());
  TskSkinComboBox::Change();
}

void TskSkinFilterComboBox::Click() {
  TskSkinComboBox::Click();
  Change();
}

void TskSkinFilterComboBox::BuildMaskList() {
  Items()->Clear();
  MaskList->Clear();
  String S = FFilter;
  while (S.find('|') != String::npos) {
    const String Caption = TakePart(S);
    Items()->Add(Caption);
    MaskList->Add(TakePart(S));
  }
  SetItemIndex(0);
}
