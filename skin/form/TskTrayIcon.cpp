#include "skin/form/TskTrayIcon.h"

#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/toolkit/TTimer.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/UtilityWindow.h"
#include "skin/form/skFormMessages.h"

namespace {

/// The full record's size, with the balloon's icon handle.
constexpr DWORD IconDataSize = 956;
constexpr UINT IconDataFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

TShiftState AsyncShiftState() {
  TShiftState Shift;
  if (GetAsyncKeyState(VK_SHIFT) < 0) Shift.Include(ssShift);
  if (GetAsyncKeyState(VK_CONTROL) < 0) Shift.Include(ssCtrl);
  if (GetAsyncKeyState(VK_MENU) < 0) Shift.Include(ssAlt);
  return Shift;
}

TShiftState With(TShiftState Shift, TShiftStateItem Button) {
  Shift.Include(Button);
  return Shift;
}

/// The application window is never shown on this desktop (the main form carries the taskbar button), so
/// restoring it matters only once something made it iconic.
void RestoreApplicationWindow() {
  if (Application && IsIconic(Application->Handle())) ShowWindow(Application->Handle(), SW_RESTORE);
}

}  // namespace

// ---- Life ----------------------------------------------------------------------------------------------

TskTrayIcon::TskTrayIcon(TComponent* AOwner) : TComponent(AOwner) {
  WM_TASKBARCREATED = RegisterWindowMessage("TaskbarCreated");
  FHandle = AllocateHWnd([this](TMessage& Message) { return TrayWndProc(Message); }, "TskTrayIconWindow");
  IconData.cbSize = IconDataSize;
  IconData.hWnd = FHandle;
  IconData.uID = 1;
  IconData.uFlags = IconDataFlags;
  IconData.uCallbackMessage = WM_TRAYICONCALLBACK;
  AnimateTimer = new TTimer(this);
  AnimateTimer->SetEnabled(false);
  AnimateTimer->SetInterval(FAnimateTimerInterval);
  AnimateTimer->OnTimer = [this](TObject* Sender) { CycleTimerProc(Sender); };
  ClickTimer = new TTimer(this);
  ClickTimer->SetEnabled(false);
  ClickTimer->SetInterval(GetDoubleClickTime());
  ClickTimer->OnTimer = [this](TObject* Sender) { ClickTimerProc(Sender); };
  if (FIcon->Empty() && LoadDefaultIcon() && Application) FIcon->Assign(Application->Icon());
  IconData.hIcon = FIcon->Handle();
  FOwnerControl = dynamic_cast<TWinControl*>(AOwner);
  HookApp();
  if (FOwnerControl) HookOwner();
}

TskTrayIcon::~TskTrayIcon() {
  HideTrayIcon();
  if (FDesignPreview) SetDesignPreview(false);
  DeallocateHWnd(FHandle);
  // Taking a procedure out by identity leaves any subclass installed after it in place.
  if (NewAppProc && IsWindow(FAppWnd)) SetWindowLongPtr(FAppWnd, GWL_WNDPROC, LONG_PTR(OldAppProc));
  // An owner being destroyed takes its window, and the procedures on it, along.
  if (NewWndProc && !FOwnerControl->ComponentState().Contains(csDestroying) && FOwnerControl->HandleAllocated())
    SetWindowLongPtr(FOwnerControl->Handle(), GWL_WNDPROC, LONG_PTR(OldWndProc));
}

void TskTrayIcon::Loaded() {
  TComponent::Loaded();
  if (FOwnerControl && FMinimizedOnStart) {
    FIconVisible = true;
    FMinimizeToTray = true;
    if (Application) {
      Application->SetShowMainForm(false);
      ShowWindow(Application->Handle(), SW_HIDE);
    }
  }
  UpdateTrayIcon();
  SetIconVisible(FIconVisible);
}

void TskTrayIcon::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FIconList) FIconList = nullptr;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
}

// ---- The notification area -----------------------------------------------------------------------------

bool TskTrayIcon::PrepareIconData() {
  IconData.hIcon = FIcon->Handle();
  IconData.szTip = !FHint.empty() && FShowHint ? FHint : String();
  return true;
}

bool TskTrayIcon::ShowTrayIcon() {
  if (!SettingPreview) FIconVisible = true;
  return PrepareIconData() && Shell_NotifyIconW(NIM_ADD, &IconData);
}

bool TskTrayIcon::HideTrayIcon() {
  if (!SettingPreview) FIconVisible = false;
  return PrepareIconData() && Shell_NotifyIconW(NIM_DELETE, &IconData);
}

bool TskTrayIcon::UpdateTrayIcon() { return PrepareIconData() && Shell_NotifyIconW(NIM_MODIFY, &IconData); }

void TskTrayIcon::SetIconVisible(bool Value) {
  if (Value)
    ShowTrayIcon();
  else
    HideTrayIcon();
}

void TskTrayIcon::SetDesignPreview(bool Value) {
  FDesignPreview = Value;
  SettingPreview = true;
  SetIconVisible(Value);
  SettingPreview = false;
}

void TskTrayIcon::SetIcon(TIcon* Value) {
  FIcon->Assign(Value);
  UpdateTrayIcon();
}

void TskTrayIcon::SetHint(const String& Value) {
  FHint = Value;
  UpdateTrayIcon();
}

void TskTrayIcon::SetShowHint(bool Value) {
  FShowHint = Value;
  UpdateTrayIcon();
}

bool TskTrayIcon::ShowBalloonHint(const String& Title, const String& Text, TskBalloonHintIcon IconType) {
  HideBalloonHint();
  IconData.uFlags |= NIF_INFO;
  IconData.szInfo = Text;
  IconData.szInfoTitle = Title;
  IconData.dwInfoFlags = DWORD(IconType);
  const bool Shown = Shell_NotifyIconW(NIM_MODIFY, &IconData);
  IconData.uFlags = IconDataFlags;
  return Shown;
}

bool TskTrayIcon::HideBalloonHint() {
  IconData.uFlags |= NIF_INFO;
  IconData.szInfo.clear();
  return Shell_NotifyIconW(NIM_MODIFY, &IconData);
}

bool TskTrayIcon::BitmapToIcon(TBitmap* Bitmap, TIcon* Icon, TColor MaskColor) {
  TCustomImageList List(nullptr, 16, 16);
  List.AddMasked(Bitmap, MaskColor);
  List.GetIcon(0, Icon);
  return true;
}

// ---- Cycling -------------------------------------------------------------------------------------------

void TskTrayIcon::SetIconList(TCustomImageList* Value) {
  FIconList = Value;
  if (FIconList) FIconList->FreeNotification(this);
  SetIconIndex(0);
}

void TskTrayIcon::SetIconIndex(int Value) {
  if (FIconList && FIconList->Count() > 0) {
    FIconIndex = std::clamp(Value, 0, FIconList->Count() - 1);
    FIconList->GetIcon(FIconIndex, FIcon.get());
  } else {
    FIconIndex = 0;
  }
  UpdateTrayIcon();
}

void TskTrayIcon::SetCycleIcons(bool Value) {
  FCycleIcons = Value;
  if (FCycleIcons) SetIconIndex(0);
  AnimateTimer->SetEnabled(FCycleIcons);
}

void TskTrayIcon::SetAnimateTimerInterval(Cardinal Value) {
  FAnimateTimerInterval = Value;
  AnimateTimer->SetInterval(Value);
}

void TskTrayIcon::CycleTimerProc(TObject*) {
  if (!FIconList || FIconList->Count() == 0) return;
  FIconList->GetIcon(FIconIndex, FIcon.get());
  const int Next = FIconIndex + 1 < FIconList->Count() ? FIconIndex + 1 : 0;
  DoCycle(Next);
  UpdateTrayIcon();
  FIconIndex = Next;
}

// ---- The icon's mouse ----------------------------------------------------------------------------------

bool TskTrayIcon::TrayWndProc(TMessage& Message) {
  switch (Message.Msg) {
  case WM_TRAYICONCALLBACK:
    if (FEnabled) TrayCallback(Message.LParam);
    return true;
  case WM_DESTROY:
  case WM_CLOSE:
  case WM_QUERYENDSESSION:
  case WM_QUIT:
  case WM_USERCHANGED:
  case WM_NCDESTROY:
    Message.Result = 1;
    return true;
  default: return false;
  }
}

void TskTrayIcon::TrayCallback(LPARAM MouseMessage) {
  TPoint P;
  GetCursorPos(&P);
  const TShiftState Shift = AsyncShiftState();
  switch (MouseMessage) {
  case WM_MOUSEMOVE: DoMouseMove(Shift, P.X, P.Y); break;
  case WM_LBUTTONDOWN:
    ClickTimer->SetEnabled(false);
    ClickTimer->SetEnabled(true);
    DoMouseDown(mbLeft, With(Shift, ssLeft), P.X, P.Y);
    FClickStart = true;
    if (FPopupByLeftButton) PopupAtCursor();
    break;
  case WM_LBUTTONUP:
    if (FClickStart) {
      FClickReady = true;
      // Held past the double-click time: the click is complete now.
      if (!ClickTimer->Enabled()) {
        FClickStart = FClickReady = false;
        DoClick();
      }
    }
    FClickStart = false;
    DoMouseUp(mbLeft, With(Shift, ssLeft), P.X, P.Y);
    break;
  case WM_LBUTTONDBLCLK:
    FClickReady = false;
    IsDblClick = true;
    DoDblClick();
    if (FPopupMenu && FPopupMenu->AutoPopup() && !FPopupByLeftButton) ClickDefaultItem();
    break;
  case WM_RBUTTONDOWN:
    DoMouseDown(mbRight, With(Shift, ssRight), P.X, P.Y);
    PopupAtCursor();
    break;
  case WM_RBUTTONUP: DoMouseUp(mbRight, With(Shift, ssRight), P.X, P.Y); break;
  case WM_MBUTTONDOWN: DoMouseDown(mbMiddle, With(Shift, ssMiddle), P.X, P.Y); break;
  case WM_MBUTTONUP: DoMouseUp(mbMiddle, With(Shift, ssMiddle), P.X, P.Y); break;
  case NIN_BALLOONUSERCLICK:
    if (OnBalloonHintClick) OnBalloonHintClick(this);
    break;
  default: break;
  }
}

void TskTrayIcon::ClickTimerProc(TObject*) {
  ClickTimer->SetEnabled(false);
  if (!IsDblClick && FClickReady) {
    FClickReady = false;
    DoClick();
  }
  IsDblClick = false;
}

// The hidden windows of the component and of the application never take the activation on this desktop;
// the owner form is brought forward so that the menu closes with it.
void TskTrayIcon::PopupAtCursor() {
  TPoint P;
  if (!FPopupMenu || !FPopupMenu->AutoPopup() || !GetCursorPos(&P)) return;
  if (Application) Application->ProcessMessages();
  TWinControl* Owner = FOwnerControl;
  if (Owner) SetForegroundWindow(Owner->Handle());
  // The menu may have gone while messages were handled.
  if (!FPopupMenu) return;
  FPopupMenu->SetPopupComponent(this);
  FPopupMenu->Popup(P.X, P.Y);
  if (Owner && Owner->HandleAllocated()) PostMessage(Owner->Handle(), WM_NULL, 0, 0);
}

void TskTrayIcon::ClickDefaultItem() {
  TMenuItem* Items = FPopupMenu->Items();
  for (int i = 0; i < Items->Count(); ++i)
    if (Items->Items(i)->Default()) {
      Items->Items(i)->Click();
      return;
    }
}

void TskTrayIcon::SetPopupMenu(TPopupMenu* Value) {
  FPopupMenu = Value;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

void TskTrayIcon::DoClick() {
  if (OnClick) OnClick(this);
}

void TskTrayIcon::DoDblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TskTrayIcon::DoCycle(int NextIndex) {
  if (OnCycle) OnCycle(this, NextIndex);
}

void TskTrayIcon::DoMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TskTrayIcon::DoMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TskTrayIcon::DoMouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

// ---- Minimize to tray ----------------------------------------------------------------------------------

// A desktop without a notification area would leave no way back to a hidden main form: it then stays
// minimized where the desktop shows it, and the icon comes when an area starts ("TaskbarCreated").
void TskTrayIcon::DoMinimizeToTray() {
  if (ShowTrayIcon() || Shell_NotifyIconW(NIM_MODIFY, &IconData)) HideMainForm();
}

void TskTrayIcon::ShowMainForm() {
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  if (!FOwnerControl || !Main) return;
  RestoreApplicationWindow();
  if (Main->WindowState() == wsMinimized) Main->SetWindowState(wsNormal);
  Main->SetVisible(true);
  Main->SetTag(TrayRestoreTag);
  PostMessage(Main->Handle(), WM_SHOWFROMTRAY, 0, 0);
}

void TskTrayIcon::HideMainForm() {
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  if (!FOwnerControl || !Main) return;
  Main->SetVisible(false);
  ShowWindow(Application->Handle(), SW_HIDE);
  Main->SetTag(TrayRestoreTag);
}

void TskTrayIcon::HookApp() {
  if (!Application) return;
  FAppWnd = Application->Handle();
  NewAppProc = std::make_unique<WindowProc>(
      [this](HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) { return AppWndProc(Wnd, Msg, WParam, LParam); });
  OldAppProc = WNDPROC(SetWindowLongPtr(FAppWnd, GWL_WNDPROC, LONG_PTR(NewAppProc.get())));
}

void TskTrayIcon::HookOwner() {
  NewWndProc = std::make_unique<WindowProc>(
      [this](HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) { return OwnerWndProc(Wnd, Msg, WParam, LParam); });
  OldWndProc = WNDPROC(SetWindowLongPtr(FOwnerControl->Handle(), GWL_WNDPROC, LONG_PTR(NewWndProc.get())));
}

LRESULT TskTrayIcon::AppWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_SIZE && WParam == SIZE_MINIMIZED && FMinimizeToTray) {
    DoMinimizeToTray();
  } else if (Msg == WM_WINDOWPOSCHANGED && SettingMDIForm && Application->MainForm()) {
    if (Application->MainForm()->FormStyle() == fsMDIForm && FMinimizedOnStart) ShowWindow(Wnd, SW_HIDE);
    SettingMDIForm = false;
  } else if (Msg == WM_TASKBARCREATED && FIconVisible) {
    ShowTrayIcon();
  }
  return CallWindowProc(OldAppProc, Wnd, Msg, WParam, LParam);
}

LRESULT TskTrayIcon::OwnerWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_ACTIVATE && (LOWORD(WParam) == WA_ACTIVE || LOWORD(WParam) == WA_CLICKACTIVE)) {
    // The control that had the focus gets it back, unless the activation comes from its own window.
    if (TWinControl* Focused = Screen ? Screen->ActiveControl() : nullptr) {
      TWinControl* Losing = Focused->Parent() ? Focused->Parent() : Focused;
      if (!Losing->HandleAllocated() || HWND(LParam) != Losing->Handle()) Focused->SetFocus();
    }
  } else if (Msg == WM_SHOWWINDOW && WParam && LParam == 0) {
    RestoreApplicationWindow();
    SetForegroundWindow(Wnd);
  }
  return CallWindowProc(OldWndProc, Wnd, Msg, WParam, LParam);
}
