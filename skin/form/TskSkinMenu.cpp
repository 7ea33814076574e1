#include "skin/form/TskSkinMenu.h"

TskSkinMenu::TskSkinMenu(TComponent* AOwner, TCustomForm* AForm) : TComponent(AOwner), FForm(AForm) {
  FDefaultMenuItemFont.SetName("Tahoma");
  FDefaultMenuItemFont.SetHeight(13);
}

bool TskSkinMenu::Popup(TControl*, TskSkinData*, int, const TRect&, TMenuItem*, bool) {
  // No popup window shows a level: nothing opens, and the caller leaves its menu mode at once.
  return false;
}

void TskSkinMenu::Hide() { FVisible = false; }

void TskSkinMenu::PopupKeyDown(Word) {}
