#pragma once
// The button in a ribbon's top-left corner. While its ribbon has an application menu, a press anywhere on
// it opens that menu (the button stays drawn pressed until the ribbon closes the menu) and a press while
// the menu is shown closes it; Down and Space open it at their key-down, Enter at its release; Left, Up and
// Right hand the focus to the ribbon. Without an application menu it is a plain skinned menu button whose
// popup menu is the ribbon's AppButtonPopupMenu.
#include "skin/controls/TskSkinMenuButton.h"

class TskRibbon;

/// The ribbon's application button; see the file comment.
class TskAppButton : public TskSkinMenuButton {
public:
  explicit TskAppButton(TComponent* AOwner) : TskSkinMenuButton(AOwner) {}

  /// The ribbon the button belongs to; set by the ribbon.
  TskRibbon* Ribbon { nullptr };

protected:
  bool CanMenuTrack(int X, int Y) override;
  void TrackMenu() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void Dispatch(TMessage& Message) override;

private:
  friend class TskRibbon;

  /// The ribbon has an application menu.
  bool HasAppMenu() const;
  /// Up again once the ribbon closed the menu.
  void Release();
};
