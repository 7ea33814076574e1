#include "platform/ui/toolkit/TListItem.h"

#include "platform/ui/toolkit/TCustomListView.h"
#include "platform/ui/toolkit/NativeListView.h"
#include "platform/ui/toolkit/TListItems.h"

TListItem::TListItem(TListItems* AOwner) : FOwner(AOwner) {}

TListItem::~TListItem() = default;

TCustomListView* TListItem::ListView() const { return FOwner->Owner(); }

bool TListItem::IsStandIn() const { return FOwner->FStandIn.get() == this; }

void TListItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  if (!IsStandIn() && FIndex >= 0) ListView()->ItemChanged(this, ctText);
}

void TListItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  if (!IsStandIn() && FIndex >= 0) ListView()->ItemChanged(this, ctImage);
}

void TListItem::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  if (!IsStandIn() && FIndex >= 0) ListView()->ItemChanged(this, ctState);
}

bool TListItem::Selected() const { return FIndex >= 0 && ListView()->IsItemSelected(FIndex); }

void TListItem::SetSelected(bool Value) {
  if (FIndex >= 0) ListView()->SetItemSelected(FIndex, Value);
}

bool TListItem::Focused() const { return FIndex >= 0 && ListView()->FFocusIndex == FIndex; }

void TListItem::SetFocused(bool Value) {
  if (FIndex < 0) return;
  if (Value)
    ListView()->SetFocusIndex(FIndex);
  else if (Focused())
    ListView()->SetFocusIndex(-1);
}

TRect TListItem::DisplayRect(TDisplayCode Code) {
  TRect R;
  R.Left = int(Code);
  if (FIndex < 0 || !ListView()->Perform(LVM_GETITEMRECT, WPARAM(FIndex), LPARAM(&R))) return TRect {};
  return R;
}

void TListItem::MakeVisible(bool PartialOK) {
  if (FIndex >= 0) ListView()->Perform(LVM_ENSUREVISIBLE, WPARAM(FIndex), PartialOK ? 1 : 0);
}

bool TListItem::EditCaption() { return FIndex >= 0 && ListView()->Perform(LVM_EDITLABEL, WPARAM(FIndex), 0) != 0; }

void TListItem::CancelEdit() {
  TCustomListView* List = ListView();
  if (FIndex >= 0 && List->IsEditing() && List->FNative->EditIndex() == FIndex) List->Perform(LVM_CANCELEDITLABEL, 0, 0);
}

void TListItem::Update() {
  if (FIndex >= 0) ListView()->FNative->RedrawItem(FIndex);
}

void TListItem::Delete() {
  if (FIndex >= 0 && !IsStandIn()) FOwner->Delete(FIndex);
}

void TListItem::Assign(TPersistent* Source) {
  auto* Item = dynamic_cast<TListItem*>(Source);
  if (!Item) {
    TPersistent::Assign(Source);
    return;
  }
  if (Item == this) return;
  SetCaption(Item->FCaption);
  FSubItems.Assign(&Item->FSubItems);
  SetImageIndex(Item->FImageIndex);
  SetChecked(Item->FChecked);
  FData = Item->FData;
}

void TListItem::Reset(int AIndex) {
  FIndex = AIndex;
  FCaption.clear();
  FSubItems.FStrings.clear();
  FSubItems.FImages.clear();
  FImageIndex = -1;
  FChecked = false;
  FData = nullptr;
}

void TListItem::SubItemsChanged() {
  if (!IsStandIn() && FIndex >= 0) ListView()->SubItemsChanged(this);
}
