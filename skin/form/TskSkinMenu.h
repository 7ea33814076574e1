#pragma once
// The controller of the skinned popup windows a form frame shows (the frame's SkinMenu): the menus of
// the form's controls, of its caption objects and its system menu open through it. It keeps the look
// settings the frame hands it; while it has no popup window to show, an opening shows nothing and says so.
#include "platform/base/TObject.h"
#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"

class TControl;
class TCustomForm;
class TMenuItem;
class TskSkinData;
class TskSkinForm;

/// The popup-window controller of one frame; see the file comment.
class TskSkinMenu : public TObject {
public:
  /// The controller of AFrame's form AForm.
  TskSkinMenu(TskSkinForm* AFrame, TCustomForm* AForm);

  /// Opens the items of AItem from StartIndex beside R (screen), above it with PopupUp, drawn from
  /// ASkinData; APopupControl hears when the menu closes. Answers whether a popup window opened.
  bool Popup(TControl* APopupControl, TskSkinData* ASkinData, int StartIndex, const TRect& R, TMenuItem* AItem,
             bool PopupUp);
  /// Whether a popup window shows.
  bool Visible() const { return FCount > 0; }
  /// The number of popup windows open, the root level first.
  int Count() const { return FCount; }
  /// Closes every popup window; the frame's form then hears WM_SKINMENUCLOSED.
  void Hide() { FCount = 0; }
  /// Hands a key to the deepest popup window.
  void PopupKeyDown(Word Key);

  bool UseSkinFont { true };
  bool UseSkinSize { true };
  bool AlphaBlend { false };
  Byte AlphaBlendValue { 150 };
  bool AlphaBlendAnimation { false };
  /// At most this many rows per popup window (0: as many as fit).
  int MaxMenuItemsInWindow { 0 };
  /// The height of a row without a skin.
  int DefItemHeight { 20 };
  /// The font of rows without a skin.
  TFont DefItemFont;

private:
  TskSkinForm* FFrame;
  TCustomForm* FForm;
  int FCount { 0 };
};
