#pragma once
// A push button that opens a skinned popup menu and/or an images menu below itself (menu part:
// TskSkinMenuTracking.h); the base of the ribbon's application button. Default record "toolmenubutton".
//
// Keys (while CanFocused and a popup menu is set): Space opens the menu at its key-down (without
// TrackButtonMode) and its release does nothing while the menu is open; otherwise the release raises the
// button and runs OnClick directly (no modal result, no action). The release of Enter runs OnClick when no
// menu is open, and the plain button's handling follows. The caption's accelerator opens the menu.
#include "skin/controls/TskSkinMenuTracking.h"

/// A skinned menu button; see the file comment.
class TskSkinMenuButton : public TskSkinMenuTracking<TskSkinButton> {
public:
  explicit TskSkinMenuButton(TComponent* AOwner);

  /// Opens the menu from code, as a press on the drop-down part does.
  void DropDown();

protected:
  void PopupMenuClosed() override;
  void ImagesMenuClosed() override;
  void CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void Dispatch(TMessage& Message) override;

private:
  /// The window procedure's keys while CanFocused and a popup menu is set; true when taken.
  bool MenuKey(TMessage& Message);
  /// Opens the menus as the keys and the accelerator do.
  void OpenMenu();
  /// Up, hot where the pointer is, OnHideTrackMenu, the glow hidden when the pointer is elsewhere.
  void MenuClosed();
};
