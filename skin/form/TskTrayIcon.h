#pragma once
// The icon a form shows in the desktop's notification area, and minimize to tray.
//
// Icon. While IconVisible the icon (Icon, or the image IconIndex of IconList) is in the notification
// area with Hint as its tip (cut to 127 characters; none without ShowHint). Setting Icon, Hint or
// ShowHint changes the shown icon at once. When the notification area starts again ("TaskbarCreated"),
// a visible icon is added again. With CycleIcons the icon steps through IconList every
// AnimateTimerInterval milliseconds, OnCycle telling the index coming next.
//
// Mouse. The area reports the pointer over the icon to a hidden window of the component with the
// callback message WM_TRAYICONCALLBACK; nothing fires while Enabled is false. A left click fires
// OnClick once the double-click time has passed (at release when the button was held longer); a double
// click fires only OnDblClick, then clicks the popup menu's default item. The right button (and with
// PopupByLeftButton the left one) opens PopupMenu at the cursor.
//
// Minimize to tray. The component watches the application window and its owner form's window from its
// construction to its destruction: while MinimizeToTray is on, minimizing the application shows the icon
// and hides the main form (only where the notification area shows the icon: without one the form stays
// minimized); ShowMainForm brings the main form back and tells its frame with WM_SHOWFROMTRAY. The owner form, shown by a show request, is brought to the front, and
// activated by a click or the keyboard it gives the focus back to the control that had it.
#include <memory>

#include "platform/base/TComponent.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/TIcon.h"
#include "platform/shell/NotifyIcon.h"
#include "platform/ui/toolkit/ControlTypes.h"
#include "platform/ui/winsys/WindowProc.h"

class TBitmap;
class TCustomImageList;
class TPopupMenu;
class TTimer;
class TWinControl;

/// The callback message of the tray icon's hidden window.
constexpr UINT WM_TRAYICONCALLBACK = 2048;

/// The icon of a balloon hint.
enum TskBalloonHintIcon { skbitNone, skbitInfo, skbitWarning, skbitError };

/// Tells the image of IconList the cycling icon shows next.
using TskCycleEvent = std::function<void(TObject* Sender, int NextIndex)>;

/// One notification-area icon of the owner form; see the file comment.
class TskTrayIcon : public TComponent {
public:
  explicit TskTrayIcon(TComponent* AOwner);
  ~TskTrayIcon() override;

  /// Sends the icon's data to the notification area again; true when it shows it.
  bool Refresh() { return UpdateTrayIcon(); }
  /// With a form as owner and a main form: the application window restored, the main form shown (a
  /// minimized one in the normal state), its Tag TrayRestoreTag and WM_SHOWFROMTRAY posted to it.
  void ShowMainForm();
  /// With a form as owner and a main form: the main form and the application window hidden, the main
  /// form's Tag TrayRestoreTag.
  void HideMainForm();
  /// Replaces any balloon by this one (Text cut to 255, Title to 63 characters); true when it shows.
  bool ShowBalloonHint(const String& Title, const String& Text, TskBalloonHintIcon IconType);
  /// Takes the balloon away; true when the notification area took the change.
  bool HideBalloonHint();
  /// Icon becomes Bitmap at 16 x 16 with MaskColor transparent.
  static bool BitmapToIcon(TBitmap* Bitmap, TIcon* Icon, TColor MaskColor);

  bool DesignPreview() const { return FDesignPreview; }
  /// Stores the value and shows or hides the icon by it, IconVisible kept.
  void SetDesignPreview(bool Value);
  TCustomImageList* IconList() const { return FIconList; }
  /// Stores the list and shows its first image.
  void SetIconList(TCustomImageList* Value);
  bool CycleIcons() const { return FCycleIcons; }
  /// Starts (from the first image) or stops the cycling.
  void SetCycleIcons(bool Value);
  Cardinal AnimateTimerInterval() const { return FAnimateTimerInterval; }
  void SetAnimateTimerInterval(Cardinal Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  TIcon* Icon() const { return FIcon.get(); }
  /// Copies Value and shows it.
  void SetIcon(TIcon* Value);
  bool IconVisible() const { return FIconVisible; }
  /// Adds the icon to the notification area or removes it.
  void SetIconVisible(bool Value);
  int IconIndex() const { return FIconIndex; }
  /// Shows image Value of IconList (clamped to the last; 0 without a list).
  void SetIconIndex(int Value);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);
  bool PopupByLeftButton() const { return FPopupByLeftButton; }
  void SetPopupByLeftButton(bool Value) { FPopupByLeftButton = Value; }
  /// Read when the component is loaded: the program starts in the notification area.
  bool MinimizedOnStart() const { return FMinimizedOnStart; }
  void SetMinimizedOnStart(bool Value) { FMinimizedOnStart = Value; }
  /// Minimizing the application puts the main form in the notification area. On from construction on,
  /// though a stored form leaves out the value false: a linking frame turns it off.
  bool MinimizeToTray() const { return FMinimizeToTray; }
  void SetMinimizeToTray(bool Value) { FMinimizeToTray = Value; }

  /// The hidden window the notification area reports the icon's mouse to.
  HWND Handle() const { return FHandle; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TskCycleEvent OnCycle;
  TNotifyEvent OnBalloonHintClick;

protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  /// Whether an icon without an image takes the application's icon; true.
  virtual bool LoadDefaultIcon() { return true; }
  /// Add, delete and modify the icon in the notification area; true when it shows the result.
  virtual bool ShowTrayIcon();
  virtual bool HideTrayIcon();
  virtual bool UpdateTrayIcon();
  virtual void DoClick();
  virtual void DoDblClick();
  virtual void DoCycle(int NextIndex);
  virtual void DoMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DoMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DoMouseMove(TShiftState Shift, int X, int Y);
  /// Shows the icon and, once it shows, hides the main form.
  virtual void DoMinimizeToTray();

private:
  /// The icon, its callback and tip in IconData; false while nothing is to be sent.
  bool PrepareIconData();
  bool TrayWndProc(TMessage& Message);
  void TrayCallback(LPARAM MouseMessage);
  void ClickTimerProc(TObject* Sender);
  void CycleTimerProc(TObject* Sender);
  void PopupAtCursor();
  /// The first default item of the popup menu's top level is clicked.
  void ClickDefaultItem();
  void HookApp();
  void HookOwner();
  LRESULT AppWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT OwnerWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

  bool FEnabled { true };
  std::unique_ptr<TIcon> FIcon { std::make_unique<TIcon>() };
  bool FIconVisible { true };
  String FHint;
  bool FShowHint { true };
  TPopupMenu* FPopupMenu { nullptr };
  bool FPopupByLeftButton { false };
  bool FMinimizedOnStart { false };
  bool FMinimizeToTray { true };
  bool FClickStart { false };
  bool FClickReady { false };
  bool IsDblClick { false };
  TTimer* AnimateTimer { nullptr };
  TTimer* ClickTimer { nullptr };
  int FIconIndex { 0 };
  bool FDesignPreview { false };
  bool SettingPreview { false };
  bool SettingMDIForm { true };
  TCustomImageList* FIconList { nullptr };
  bool FCycleIcons { false };
  Cardinal FAnimateTimerInterval { 0 };
  HWND FHandle { 0 };
  /// The owner when it is a windowed control.
  TWinControl* FOwnerControl { nullptr };
  HWND FAppWnd { 0 };
  WNDPROC OldAppProc { nullptr };
  std::unique_ptr<WindowProc> NewAppProc;
  WNDPROC OldWndProc { nullptr };
  std::unique_ptr<WindowProc> NewWndProc;
  UINT WM_TASKBARCREATED { 0 };
  NOTIFYICONDATAW IconData;
};
