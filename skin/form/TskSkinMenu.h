#pragma once
// The controller of the skinned popup windows a form frame shows (the frame's SkinMenu): the menus of the
// form's controls, of its main menu bar, caption objects and system menu open through it as a stack of
// TskSkinPopupWindow levels, index 0 the root.
//
// Closing. The whole menu closes through Hide (a leaf chosen, a message at the form that closes menus),
// which tells the control that opened the menu and then the form (WM_SKINMENUCLOSED), or through
// ClosePopupWindows from level 0 (Esc at the root, a new menu over an open one), which tells only the
// control. A leaf's command runs after every level is gone and the frame left menu mode, so it may open
// another menu or a modal dialog; the control then hears WM_SKINMENUCOMMAND. A level closed from inside
// its own input handling is hidden at once and freed when that handling has returned.
#include <memory>
#include <vector>

#include "platform/base/TComponent.h"
#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/winsys/UiTypes.h"

class TControl;
class TCustomForm;
class TMenuItem;
class TTimer;
class TskSkinData;
class TskSkinMenuItem;
class TskSkinPopupWindow;

/// Whether a message at a form closes the form's open menus (moves, sizes, activation, focus loss,
/// cancel mode, clicks in the client or non-client area, child clicks).
bool IsMenuCloseMessage(UINT Msg);

/// The popup-window controller of one frame; see the file comment.
class TskSkinMenu : public TComponent {
public:
  /// The controller of AForm's frame AOwner.
  TskSkinMenu(TComponent* AOwner, TCustomForm* AForm);
  ~TskSkinMenu() override;

  /// Opens the items of AItem from StartIndex beside R (screen), below it or above with PopupUp, drawn
  /// from ASkinData; APopupCtrl hears when the menu closes and after its command ran. Answers whether a
  /// level opened (AItem without items, or StartIndex beyond them, opens nothing).
  bool Popup(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, const TRect& R, TMenuItem* AItem,
             bool PopupUp);
  /// The same, listing AItem's items followed by AItem2's.
  bool Popup2(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, const TRect& R, TMenuItem* AItem,
              TMenuItem* AItem2, bool PopupUp);
  /// Whether a menu is open.
  bool Visible() const { return FVisible; }
  /// Closes the whole menu; the control, then the frame's form hear WM_SKINMENUCLOSED.
  void Hide();
  /// Hands a key to the deepest level.
  void PopupKeyDown(Word Key);
  void SetDefaultMenuItemFont(TFont* Value) { FDefaultMenuItemFont.Assign(Value); }

  // ---- What the levels and rows use ----
  /// The open levels, root first.
  const std::vector<TskSkinPopupWindow*>& PopupList() const { return FPopupList; }
  /// Window's level; the level count when it is not open.
  int GetPopupWindowIndex(const TskSkinPopupWindow* Window) const;
  /// Frees the levels from the deepest down to AFromIndex; from 0 the menu is closed: the control hears
  /// WM_SKINMENUCLOSED and the one-shot OnMenuClose fires.
  void ClosePopupWindows(int AFromIndex);
  /// The one decision point of row events: a leaf clicked runs its command, a parent clicked opens its
  /// submenu, a parent hovered with the mouse waits 500 ms before it opens.
  void ProcessItem(TskSkinPopupWindow* Window, TskSkinMenuItem* Item, bool AClick, bool AByKeyboard);
  /// The row whose submenu waits for WaitTimer; cleared when the pointer leaves it.
  TskSkinMenuItem* WItem { nullptr };
  void StopWaiting();

  bool FUseSkinFont { true };
  bool FUseSkinSize { true };
  /// The first level of a menu that was closed before is being shown (it alone fades in).
  bool FFirst { false };
  int FDefaultMenuItemHeight { 20 };
  TFont FDefaultMenuItemFont;
  TRect WorkArea;
  TskSkinData* SkinData { nullptr };
  /// Fires once when the open menu closes, then is cleared.
  TNotifyEvent FOnMenuClose;
  bool AlphaBlend { false };
  Byte AlphaBlendValue { 150 };
  bool AlphaBlendAnimation { false };
  /// At most this many rows per popup window (0: as many as fit).
  int MaxMenuItemsInWindow { 0 };

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  bool Open(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, const TRect& R, TMenuItem* AItem,
            TMenuItem* AItem2, bool PopupUp);
  void AddPopupWindow(const TRect& R, TMenuItem* AItem, TMenuItem* AItem2, bool PopupUp, bool PopupByItem,
                      int StartIndex);
  void SetPopupCtrl(TControl* Value);
  void SetDCtrl(TControl* Value);
  /// Sends Msg to Control: to its window when it has one, else performed on it.
  static void Tell(TControl* Control, UINT Msg);
  void WaitTimerProc();

  TCustomForm* FForm;
  TControl* PopupCtrl { nullptr };
  TControl* DCtrl { nullptr };
  TTimer* WaitTimer { nullptr };
  bool FVisible { false };
  std::vector<TskSkinPopupWindow*> FPopupList;
};
