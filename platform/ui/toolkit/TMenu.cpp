#include "platform/ui/toolkit/TMenu.h"

#include <functional>

#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TMenuItem.h"

namespace {

/// The first item of the submenus below Root (depth first) that Match accepts.
TMenuItem* FindItem(const TMenuItem* Root, const std::function<bool(const TMenuItem*)>& Match) {
  for (int I = 0; I < Root->Count(); ++I) {
    TMenuItem* Item = Root->Items(I);
    if (Match(Item)) return Item;
    if (TMenuItem* Found = FindItem(Item, Match)) return Found;
  }
  return nullptr;
}

bool Reachable(const TMenuItem* Item) {
  for (; Item && Item->Parent(); Item = Item->Parent())
    if (!Item->Enabled() || !Item->Visible()) return false;
  return true;
}

}  // namespace

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this)) { FItems->FMenu = this; }

TMenu::~TMenu() = default;

void TMenu::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
}

bool TMenu::IsShortCut(TWMKey& Message) {
  const TShiftState Shift = KeyDataToShiftState(Message.KeyData);
  const TShortCut Key = ShortCut(Message.CharCode, Shift);
  if (Key == scNone) return false;
  TMenuItem* Item = FindItem(FItems, [Key](const TMenuItem* I) { return I->ShortCut() == Key && Reachable(I); });
  if (!Item) return false;
  Item->Click();
  return true;
}

bool TMenu::DispatchCommand(Word ACommand) {
  TMenuItem* Item = FindItemByCommand(ACommand);
  if (!Item) return false;
  Item->Click();
  return true;
}

TMenuItem* TMenu::FindItemByCommand(Word ACommand) const {
  return FindItem(FItems, [ACommand](const TMenuItem* I) { return I->Command() == ACommand; });
}

TMenuItem* TMenu::FindItemByShortCut(TShortCut Value) const {
  return FindItem(FItems, [Value](const TMenuItem* I) { return I->ShortCut() == Value; });
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}
