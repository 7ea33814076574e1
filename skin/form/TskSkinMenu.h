#pragma once
// The controller of the skinned popup windows a form frame shows (the frame's SkinMenu): the menus of
// the form's controls, of its caption objects and its system menu open through it. It keeps the look
// settings the frame hands it. While it has no popup window to show, an opening shows nothing and says
// so, and the menu counts as closed.
#include "platform/base/TComponent.h"
#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"

class TControl;
class TCustomForm;
class TMenuItem;
class TskSkinData;

/// The popup-window controller of one frame; see the file comment.
class TskSkinMenu : public TComponent {
public:
  /// The controller of AForm's frame AOwner.
  TskSkinMenu(TComponent* AOwner, TCustomForm* AForm);

  /// Opens the items of AItem from StartIndex beside R (screen), above it with PopupUp, drawn from
  /// ASkinData; APopupControl hears when the menu closes. Answers whether a popup window opened.
  bool Popup(TControl* APopupControl, TskSkinData* ASkinData, int StartIndex, const TRect& R, TMenuItem* AItem,
             bool PopupUp);
  /// Whether a menu is open.
  bool Visible() const { return FVisible; }
  /// Closes every popup window; the frame's form then hears WM_SKINMENUCLOSED.
  void Hide();
  /// Hands a key to the deepest popup window.
  void PopupKeyDown(Word Key);

  /// Rows take font and height from the skin's menu-item record; else the defaults below.
  bool FUseSkinFont { true };
  bool FUseSkinSize { true };
  int FDefaultMenuItemHeight { 20 };
  TFont FDefaultMenuItemFont;
  bool AlphaBlend { false };
  Byte AlphaBlendValue { 150 };
  bool AlphaBlendAnimation { false };
  /// At most this many rows per popup window (0: as many as fit).
  int MaxMenuItemsInWindow { 0 };

private:
  TCustomForm* FForm;
  bool FVisible { false };
};
