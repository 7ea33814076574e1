#pragma once
// A menu opened at a screen point: a control's context menu, or opened by code. The platform draws no
// menus: Popup hands the menu to the installed popup presenter (the skinned menus), or shows nothing.
#include <functional>

#include "platform/ui/toolkit/TMenu.h"

class TPopupMenu;

/// Shows a popup menu at a screen point.
using TPopupMenuPresenter = std::function<void(TPopupMenu* Menu, int X, int Y)>;

/// A popup menu; see the file comment.
class TPopupMenu : public TMenu {
public:
  explicit TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

  /// Opens the menu at (X, Y) (screen coordinates): OnPopup, then the popup presenter.
  virtual void Popup(int X, int Y);
  /// Whether a right click on a control whose PopupMenu this is opens it.
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  /// The control the menu was last opened for (set by whoever opens it).
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  TPoint PopupPoint() const { return FPopupPoint; }

  TNotifyEvent OnPopup;

protected:
  /// Runs OnPopup.
  virtual void DoPopup(TObject* Sender);
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  bool FAutoPopup { true };
  TComponent* FPopupComponent { nullptr };
  TPoint FPopupPoint { -1, -1 };
};

/// Installs what shows popup menus (empty: nothing shows); returns the one installed before.
TPopupMenuPresenter SetPopupMenuPresenter(TPopupMenuPresenter Presenter);
