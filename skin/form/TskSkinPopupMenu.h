#pragma once
// A popup menu shown through the skinned menus of the form frame it belongs to: the frame of its form
// (a menu owned by a control: of the control's form; an MDI child's: of the main form's), or of
// ComponentForm. Popup replaces the platform's popup, so the automatic context menus of controls open
// skinned; the platform's handle-level popup menus (a shell context menu) show through the same road
// once any skinned popup menu exists.
//
// An opening fires OnPopup first (its handler may change the items), takes the frame's menu skin when
// SkinData is empty and keeps it, closes a menu the frame shows, enters the frame's menu mode and opens
// the items. An opening that shows nothing (no frame, no items) leaves no menu mode behind, reports it,
// and is followed by no close notice; every opening that showed a menu is followed by exactly one
// WM_SKINMENUCLOSED to the control given to Popup2 or PopupFromRect2, and by OnMenuClose once.
#include "platform/ui/toolkit/TPopupMenu.h"
#include "skin/controls/IskSkinPopupMenu.h"

class TCustomForm;
class TskSkinData;
class TskSkinForm;

/// A popup menu drawn by the skin library; see the file comment.
class TskSkinPopupMenu : public TPopupMenu, public IskSkinPopupMenu {
public:
  explicit TskSkinPopupMenu(TComponent* AOwner);
  ~TskSkinPopupMenu() override;

  /// Opens the items at the screen point (X, Y).
  void Popup(int X, int Y) override;
  /// Opens the items below R (screen coordinates), or above it with APopupUp; whether a menu opened.
  bool PopupFromRect(const TRect& R, bool APopupUp);
  /// As Popup and PopupFromRect, with ACtrl hearing WM_SKINMENUCLOSED when the menu closes and
  /// WM_SKINMENUCOMMAND after its command ran. Popup2 opens nothing without a skin.
  bool Popup2(TControl* ACtrl, int X, int Y);
  bool PopupFromRect2(TControl* ACtrl, const TRect& R, bool APopupUp) override;

  TskSkinData* SkinData() const { return FSD; }
  void SetSkinData(TskSkinData* Value);
  /// The form whose frame shows the menu when no form owns it.
  TCustomForm* ComponentForm() const { return FComponentForm; }
  void SetComponentForm(TCustomForm* Value);
  /// A frame that shows the menu whatever form owns it.
  TskSkinForm* SkinComponent() const { return FSkinComponent; }
  void SetSkinComponent(TskSkinForm* Value);
  /// The top-left of the last opening's rectangle.
  TPoint PopupPointAt() const { return FPopupPoint; }

  /// Fires once each time an opened menu closes.
  TNotifyEvent OnMenuClose;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  /// The frame that shows the menu; null when none.
  TskSkinForm* FindFrame() const;
  bool Open(TControl* ACtrl, const TRect& R, bool APopupUp, bool NeedsSkin);

  TPoint FPopupPoint { -1, -1 };
  TskSkinData* FSD { nullptr };
  TCustomForm* FComponentForm { nullptr };
  TskSkinForm* FSkinComponent { nullptr };
};
