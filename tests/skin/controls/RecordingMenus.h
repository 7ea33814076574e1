#pragma once
// Recording doubles of the skinned popup and images menus for the menu buttons: each logs its openings,
// opens only when told it can, and closes as the real menus do (the close notice first, then the chosen
// item's command).
#include <functional>
#include <utility>

#include "platform/base/TComponent.h"
#include "platform/ui/toolkit/TWinControl.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/IskSkinImagesMenu.h"
#include "skin/controls/IskSkinPopupMenu.h"
#include "tests/platform/ui/AppFixture.h"

/// A popup menu that logs "popup.Open".
class TRecordingPopupMenu : public TComponent, public IskSkinPopupMenu {
public:
  explicit TRecordingPopupMenu(AppLog* ALog) : TComponent(nullptr), Log(ALog) {}

  bool PopupFromRect2(TControl* ACtrl, const TRect& R, bool APopupUp) override {
    Log->push_back("popup.Open");
    if (!Opens) return false;
    Opener = ACtrl;
    At = R;
    Up = APopupUp;
    return true;
  }
  /// All levels close: WM_SKINMENUCLOSED to the opener (sent to a window, performed on a windowless
  /// control), then the chosen item's command.
  void Close(const std::function<void()>& Command = nullptr) {
    TControl* Control = std::exchange(Opener, nullptr);
    if (auto* Windowed = dynamic_cast<TWinControl*>(Control))
      SendMessage(Windowed->Handle(), WM_SKINMENUCLOSED, 0, 0);
    else if (Control)
      Control->Perform(WM_SKINMENUCLOSED, 0, 0);
    if (Command) Command();
  }

  AppLog* Log;
  bool Opens { true };
  TControl* Opener { nullptr };
  TRect At;
  bool Up { false };
};

/// An images menu that logs "images.Open".
class TRecordingImagesMenu : public TComponent, public IskSkinImagesMenu {
public:
  explicit TRecordingImagesMenu(AppLog* ALog) : TComponent(nullptr), Log(ALog) {}

  bool PopupFromRect(const TRect&) override {
    Log->push_back("images.Open");
    return Opens;
  }
  TCustomImageList* Images() const override { return nullptr; }
  std::optional<TskImagesMenuSelection> GetSelectedItem() const override { return Selected; }
  /// The grid closes: the opener's close handling.
  void Close() {
    if (FOnInternalMenuClose) FOnInternalMenuClose(this);
  }

  AppLog* Log;
  bool Opens { true };
  std::optional<TskImagesMenuSelection> Selected;
};
