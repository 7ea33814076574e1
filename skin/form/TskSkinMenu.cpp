#include "skin/form/TskSkinMenu.h"

TskSkinMenu::TskSkinMenu(TskSkinForm* AFrame, TCustomForm* AForm) : FFrame(AFrame), FForm(AForm) {
  DefItemFont.SetName("Tahoma");
  DefItemFont.SetHeight(13);
}

bool TskSkinMenu::Popup(TControl*, TskSkinData*, int, const TRect&, TMenuItem*, bool) {
  // No popup window draws a level yet: nothing opens, and the caller leaves its menu mode at once.
  return false;
}

void TskSkinMenu::PopupKeyDown(Word) {}
