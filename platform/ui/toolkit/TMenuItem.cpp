#include "platform/ui/toolkit/TMenuItem.h"

#include <algorithm>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TBasicAction.h"
#include "platform/ui/toolkit/TMenu.h"

namespace {

Word NextCommand() {
  static Word Last = 0;
  if (++Last == 0) ++Last;  // 0 names no item
  return Last;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(NextCommand()) {}

TMenuItem::~TMenuItem() {
  while (!FItems.empty()) delete FItems.back();
  if (FParent) FParent->Remove(this);
}

// ---- The submenu ---------------------------------------------------------------------------------------

void TMenuItem::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index > Limit) throw EListError(Format("List index out of bounds (%d)", Index));
}

TMenuItem* TMenuItem::Items(int Index) const {
  CheckIndex(Index, Count() - 1);
  return FItems[size_t(Index)];
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item) return;
  for (const TMenuItem* P = this; P; P = P->FParent)
    if (P == Item) throw EInvalidOperation("A menu item cannot contain itself");
  if (Item->FParent) Item->FParent->Remove(Item);
  CheckIndex(Index, Count());
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
}

void TMenuItem::Delete(int Index) {
  TMenuItem* Item = Items(Index);
  FItems.erase(FItems.begin() + Index);
  Item->FParent = nullptr;
}

void TMenuItem::Remove(TMenuItem* Item) {
  const int Index = IndexOf(Item);
  if (Index >= 0) Delete(Index);
}

void TMenuItem::Clear() {
  while (!FItems.empty()) delete FItems.back();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  const auto It = std::find(FItems.begin(), FItems.end(), Item);
  return It == FItems.end() ? -1 : int(It - FItems.begin());
}

TMenuItem* TMenuItem::Find(const String& ACaption) const {
  const String Wanted = StripHotkey(ACaption);
  for (TMenuItem* Item : FItems)
    if (SameText(StripHotkey(Item->FCaption), Wanted)) return Item;
  return nullptr;
}

int TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int Value) {
  if (!FParent) return;
  TMenuItem* P = FParent;
  P->Remove(this);
  P->Insert(std::clamp(Value, 0, P->Count()), this);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* Root = this;
  while (Root->FParent) Root = Root->FParent;
  return Root->FMenu;
}

TCustomImageList* TMenuItem::GetImageList() const {
  const TMenu* Menu = GetParentMenu();
  return Menu ? Menu->Images() : nullptr;
}

bool TMenuItem::RethinkLines() {
  bool Changed = false;
  const auto Show = [&](TMenuItem* Item, bool Value) {
    Changed = Changed || Item->FVisible != Value;
    Item->FVisible = Value;
  };
  TMenuItem* PendingLine = nullptr;  // a separator that shows only if a visible item follows
  bool ItemBefore = false;
  for (TMenuItem* Item : FItems) {
    if (Item->IsLine()) {
      if (ItemBefore && !PendingLine)
        PendingLine = Item;
      else
        Show(Item, false);
    } else if (Item->FVisible) {
      if (PendingLine) Show(PendingLine, true);
      PendingLine = nullptr;
      ItemBefore = true;
    }
  }
  if (PendingLine) Show(PendingLine, false);
  return Changed;
}

// ---- Properties ----------------------------------------------------------------------------------------

void TMenuItem::SetChecked(bool Value) {
  FChecked = Value;
  if (Value && FRadioItem) TurnSiblingsOff();
}

void TMenuItem::SetRadioItem(bool Value) {
  FRadioItem = Value;
  if (Value && FChecked) TurnSiblingsOff();
}

void TMenuItem::SetGroupIndex(Byte Value) {
  FGroupIndex = Value;
  if (FRadioItem && FChecked) TurnSiblingsOff();
}

void TMenuItem::TurnSiblingsOff() {
  if (!FParent) return;
  for (TMenuItem* Item : FParent->FItems)
    if (Item != this && Item->FRadioItem && Item->FGroupIndex == FGroupIndex) Item->FChecked = false;
}

TBitmap* TMenuItem::Bitmap() {
  if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
  return FBitmap.get();
}

void TMenuItem::SetBitmap(TBitmap* Value) { Bitmap()->Assign(Value); }

void TMenuItem::SetAction(TBasicAction* Value) {
  if (FAction == Value) return;
  if (FAction) FAction->RemoveFreeNotification(this);
  FAction = Value;
  if (FAction) FAction->FreeNotification(this);
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (OnClick) {
    const TNotifyEvent Handler = OnClick;  // the handler may free the item
    Handler(this);
  } else if (FAction) {
    FAction->Execute();
  }
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FAction) FAction = nullptr;
}
