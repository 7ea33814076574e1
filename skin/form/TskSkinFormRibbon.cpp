// What the frame asks of and tells the form's ribbon: Alt and the tabs' accelerators, the MDI children's
// maximized state, and the application menu's caption piece in the caption bar.
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/toolkit/TMenu.h"
#include "skin/core/skDataSkinWindows.h"
#include "skin/form/TskCustomRibbon.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/skFormMessages.h"

bool TskSkinForm::AppMenuCaptionDrawn() const {
  if (!FSkinRibbon || !FSkinRibbon->AppMenuShown() || !FSkinRibbon->CanDrawAppMenuCaption()) return false;
  const bool FullBorder = FBorderLayer && FBorderLayer->Visible() && FBorderLayer->Data() &&
                          FBorderLayer->Data()->FullBorder;
  return !FullBorder;
}

int TskSkinForm::AppMenuCaptionOffset() const { return FSkinRibbon ? FSkinRibbon->GetAppMenuCaptionOffset() : 0; }

void TskSkinForm::DrawAppMenuCaption(TBitmap* Top) {
  if (AppMenuCaptionDrawn())
    FSkinRibbon->DrawAppMenuCaption(Top->Canvas(), Rect(0, 0, FSkinRibbon->AppMenuItemWidth(), Top->Height()));
}

void TskSkinForm::RibbonKeyMenu() {
  if (!FSkinRibbon) return;
  if (FSkinRibbon->AppMenuShown()) FSkinRibbon->HideAppMenu(nullptr);
  if (SkinMenu->Visible())
    SkinMenu->Hide();
  else if (InMenu || InMainMenu)
    SkinMenuClose();
  if (FSkinRibbon->CanFocus()) FSkinRibbon->SetFocus();
}

void TskSkinForm::RibbonShortCut(TWMKey& Msg, bool& Handled) {
  if (!FSkinRibbon) return;
  if (auto* Menu = dynamic_cast<TMenu*>(FSkinRibbon->AppButtonPopupMenu()); Menu && Msg.CharCode != 0) {
    FInShortCut = Menu->IsShortCut(Msg);
    Handled = FInShortCut;
    if (Handled) return;
  }
  if (!KeyDataToShiftState(Msg.KeyData).Contains(ssAlt)) return;
  for (int i = 0; i < FSkinRibbon->TabCount(); ++i) {
    if (!IsAccel(char32_t(Msg.CharCode), FSkinRibbon->TabCaption(i))) continue;
    FSkinRibbon->SelectTabPage(i);
    // Taken: the key must not go on to open the window menu.
    FInShortCut = Handled = true;
    return;
  }
}
