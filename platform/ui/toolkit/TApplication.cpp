#include "platform/ui/toolkit/TApplication.h"

#include "platform/base/Exception.h"
#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/UtilityWindow.h"

TApplication* Application = nullptr;

namespace {

constexpr UINT_PTR ShowHintTimer = 1;
constexpr UINT_PTR HideHintTimer = 2;

void RunHandler(const TNotifyEvent& Event, TObject* Sender) {
  if (Event) {
    const TNotifyEvent Handler = Event;
    Handler(Sender);
  }
}

/// The control's client area in screen coordinates.
TRect ScreenClientRect(TControl* Control) {
  const TPoint O = Control->ClientOrigin();
  const TRect R = Control->ClientRect();
  return Bounds(O.X + R.Left, O.Y + R.Top, R.Width(), R.Height());
}

/// The nearest control from Control up whose ShowHint is on.
TControl* GetHintControl(TControl* Control) {
  while (Control && !Control->ShowHint()) Control = Control->Parent();
  return Control;
}

/// The nearest non-empty hint from Control up.
String GetHint(TControl* Control) {
  while (Control && Control->Hint().empty()) Control = Control->Parent();
  return Control ? Control->Hint() : String();
}

/// A hint is "short|long": the tooltip shows the short part, the status line the long one.
String GetShortHint(const String& Hint) { return Hint.substr(0, Hint.find('|')); }

String GetLongHint(const String& Hint) {
  const size_t Bar = Hint.find('|');
  return Bar == String::npos ? Hint : Hint.substr(Bar + 1);
}

}  // namespace

/// Rows from the current cursor's hot spot down to the lowest visible row of its shape.
int CursorHeightMargin() {
  ICONINFO Info;
  if (!GetIconInfo(GetCursor(), &Info) || !Info.hbmMask) return GetSystemMetrics(SM_CYCURSOR);
  int Result = GetSystemMetrics(SM_CYCURSOR);
  BITMAP Mask {};
  if (GetObject(Info.hbmMask, sizeof(Mask), &Mask) && Mask.bmWidth > 0) {
    const HDC DC = CreateCompatibleDC(nullptr);
    const HGDIOBJ Old = SelectObject(DC, Info.hbmMask);
    const int Side = Mask.bmWidth;
    for (int Y = std::min(Side, Mask.bmHeight) - 1; Y >= 0; --Y) {
      bool Visible = false;
      for (int X = 0; X < Side && !Visible; ++X) Visible = (ColorToRGB(GetPixel(DC, X, Y)) & 0xFFFFFF) == 0;
      if (Visible) {
        Result = Y + 1 - int(Info.yHotspot);
        break;
      }
    }
    SelectObject(DC, Old);
    DeleteDC(DC);
  }
  DeleteObject(Info.hbmMask);
  if (Info.hbmColor) DeleteObject(Info.hbmColor);
  return Result;
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  if (!Application) Application = this;
  if (!Screen) FOwnScreen = new TScreen(this);
  ClearQuit();
  FHandle = AllocateHWnd([this](TMessage& Message) { return WndProc(Message); }, "TApplication");
  SetControlHost(this);
  SetLoopExceptionHandler([this](std::exception_ptr Error) {
    try {
      std::rethrow_exception(Error);
    } catch (...) {
      HandleException();
    }
  });
  // After every OnMessage hook, so their owners see each message first.
  SetMessageFilter([this](TMsg& Msg) { return ProcessMessage(Msg); });
  SetShowHint(true);
  FIcon->OnChange = [this](TObject*) { IconChanged(); };
  LoadFromResourceName(*FIcon, "MAINICON");
}

void TApplication::IconChanged() {
  SendMessage(FHandle, WM_SETICON, ICON_BIG, LPARAM(FIcon->Handle()));
  if (Screen)
    for (int I = 0; I < Screen->FormCount(); ++I) Screen->Forms(I)->Perform(CM_ICONCHANGED, 0, 0);
}

// The forms go first, while the application, its window and the screen are whole; an error on the way
// out is not shown in a box any more.
TApplication::~TApplication() {
  CancelHint();
  SetLoopExceptionHandler({});
  DestroyComponents();
  SetMessageFilter({});
  if (ControlHost() == this) SetControlHost(nullptr);
  DeallocateHWnd(FHandle);
  if (Application == this) Application = nullptr;
}

// ---- Start and loop ------------------------------------------------------------------------------------

void TApplication::SetMainFormFrom(TCustomForm* Form) {
  FMainForm = Form;
  Form->HandleNeeded();
  Form->UpdateWindowStyles();
}

void TApplication::Run() {
  if (FMainForm && FShowMainForm) FMainForm->Show();
  while (!Terminated()) HandleMessage();
}

void TApplication::Terminate() { PostQuitMessage(0); }

bool TApplication::Terminated() const { return QuitReceived().has_value(); }

void TApplication::ProcessMessages() { ProcessPendingMessages(); }

void TApplication::HandleMessage() { ::HandleMessage(); }

MessageHookStack& TApplication::OnMessage() { return MessageHooks(); }

bool TApplication::ProcessMessage(TMsg& Msg) {
  if (Msg.message == WM_NULL) return false;
  IsHintMsg(Msg);
  return IsKeyMsg(Msg);
}

bool TApplication::IsKeyMsg(TMsg& Msg) {
  if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
  if ((Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN) && IsShortCut(Msg)) return true;
  HWND Wnd = GetCapture();
  if (!Wnd) Wnd = Msg.hwnd;
  // The key goes to the control of the window, or of the nearest ancestor window that has one.
  while (Wnd && !FindControl(Wnd) && (GetWindowLong(Wnd, GWL_STYLE) & WS_CHILD)) Wnd = GetParent(Wnd);
  if (!Wnd || !FindControl(Wnd)) return false;
  return SendMessage(Wnd, CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

bool TApplication::IsShortCut(TMsg& Msg) {
  TWMKey Key { Msg.message, Word(Msg.wParam), Msg.lParam, 0 };
  bool Handled = false;
  if (OnShortCut) {
    const TShortCutEvent Handler = OnShortCut;
    Handler(Key, Handled);
  }
  if (Handled) return true;
  TMessage Message { Msg.message, Msg.wParam, Msg.lParam, 0 };
  if (FMainForm && FMainForm->HandleAllocated() && IsWindowEnabled(FMainForm->Handle()) &&
      FMainForm->IsShortCut(Message))
    return true;
  // The focused form is asked here too, as the main form is, before its control asks it again.
  TCustomForm* Focused = Screen ? Screen->ActiveCustomForm() : nullptr;
  return Focused && Focused != FMainForm && Focused->IsShortCut(Message);
}

// ---- The application window ----------------------------------------------------------------------------

bool TApplication::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case WM_SYSCOMMAND:
    switch (Message.WParam & 0xFFF0) {
    case SC_MINIMIZE: Minimize(); return true;
    case SC_RESTORE: Restore(); return true;
    case SC_CLOSE:
      if (FMainForm) FMainForm->Close();
      return true;
    default: return false;
    }
  case WM_CLOSE:
    if (FMainForm) FMainForm->Close();
    return true;
  case WM_TIMER: HintTimerExpired(Message.WParam); return true;
  case WM_ACTIVATEAPP:
    if (!Message.WParam) CancelHint();
    return false;
  default: return false;
  }
}

void TApplication::SetTitle(const String& Value) {
  FTitle = Value;
  SetWindowText(FHandle, Value);
}

bool TApplication::Active() const { return GetActiveWindow() != 0; }

// The main form's own window goes to the taskbar minimized; the other forms hide with the application.
void TApplication::Minimize() {
  ShowOwnedPopups(FHandle, false);
  if (FMainForm && FMainForm->HandleAllocated() && FMainForm->Visible())
    ShowWindow(FMainForm->Handle(), SW_SHOWMINNOACTIVE);
  SendMessage(FHandle, WM_SIZE, SIZE_MINIMIZED, 0);
  RunHandler(OnMinimize, this);
}

void TApplication::Restore() {
  if (FMainForm && FMainForm->HandleAllocated() && IsIconic(FMainForm->Handle()))
    ShowWindow(FMainForm->Handle(), SW_RESTORE);
  ShowOwnedPopups(FHandle, true);
  SendMessage(FHandle, WM_SIZE, SIZE_RESTORED, 0);
  RunHandler(OnRestore, this);
}

void TApplication::FormDestroyed(TCustomForm* Form) {
  if (FMainForm == Form) FMainForm = nullptr;
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FHintControl) {
    FHintControl = nullptr;
    CancelHint();
  }
  if (AComponent == FHintWindow) FHintWindow = nullptr;
  if (AComponent == FMainForm) FMainForm = nullptr;
}

// ---- Message box and exceptions ------------------------------------------------------------------------

bool TApplication::HelpContext(int Context) {
  if (!OnHelp) return false;
  bool CallHelp = true;
  const THelpEvent Handler = OnHelp;
  return Handler(HELP_CONTEXT, Context, CallHelp);
}

int TApplication::MessageBox(const String& Text, const String& Caption, UINT Flags) {
  return ShowPlainMessageBox(Text, Caption.empty() ? FTitle : Caption, Flags);
}

void TApplication::HandleException() {
  try {
    throw;
  } catch (const std::exception& E) {
    ShowException(E.what());
  } catch (...) {
    ShowException("Unknown exception");
  }
}

void TApplication::ShowException(const String& Message) { MessageBox(Message, FTitle, MB_OK | MB_ICONSTOP); }

// ---- Hints ---------------------------------------------------------------------------------------------

void TApplication::SetHint(const String& Value) {
  if (FHint == Value) return;
  FHint = Value;
  RunHandler(OnHint, this);
}

void TApplication::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  if (Value) {
    FHintWindow = HintWindowClass ? HintWindowClass(this) : nullptr;
    return;
  }
  CancelHint();
  delete FHintWindow;
  FHintWindow = nullptr;
}

void TApplication::SetHintControl(TControl* Control) {
  if (FHintControl == Control) return;
  if (FHintControl) FHintControl->RemoveFreeNotification(this);
  FHintControl = Control;
  if (FHintControl) FHintControl->FreeNotification(this);
}

void TApplication::HintMouseMessage(TControl* Control, TMessage& Message) {
  const TPoint P = Control->ClientToScreen(LParamToPoint(Message.LParam));
  // A disabled control gets no mouse messages: its parent does, and the hint is still the control's.
  TControl* Target = Control;
  while (auto* W = dynamic_cast<TWinControl*>(Target)) {
    TControl* Child = W->ControlAtPos(W->ScreenToClient(P), true, true);
    if (!Child) break;
    Target = Child;
  }
  SetHint(GetLongHint(GetHint(Target)));
  if (!FShowHint) return;
  TControl* NewHint = GetHintControl(Target);
  if (!NewHint) {
    CancelHint();
    return;
  }
  if (NewHint == FHintControl && FHintCursorRect.Contains(P)) return;
  const bool WasActive = FHintActive || FHintLeft;
  CancelHint();
  SetHintControl(NewHint);
  FHintCursorRect = ScreenClientRect(NewHint);
  StartHintTimer(WasActive ? FHintShortPause : FHintPause, ShowHintTimer);
}

void TApplication::IsHintMsg(const TMsg& Msg) {
  if (Msg.message == WM_MOUSELEAVE && FHintControl) {
    TPoint P;
    GetCursorPos(&P);
    if (ScreenClientRect(FHintControl).Contains(P)) return;
    // The next control's hint follows after the short pause, as when the mouse moves straight onto it.
    const bool WasActive = FHintActive;
    CancelHint();
    FHintLeft = WasActive;
    return;
  }
  if (FHintWindow && FHintWindow->IsHintMsg(Msg)) CancelHint();
}

void TApplication::StartHintTimer(int Pause, UINT_PTR Timer) {
  StopHintTimers();
  if (Pause > 0)
    SetTimer(FHandle, Timer, UINT(Pause));
  else if (Timer == ShowHintTimer)
    HintTimerExpired(Timer);
}

void TApplication::StopHintTimers() {
  KillTimer(FHandle, ShowHintTimer);
  KillTimer(FHandle, HideHintTimer);
}

void TApplication::HintTimerExpired(UINT_PTR Timer) {
  StopHintTimers();
  if (Timer == HideHintTimer) {
    HideHint();
    return;
  }
  TPoint P;
  GetCursorPos(&P);
  ActivateHint(P);
}

void TApplication::ActivateHint(TPoint CursorPos) {
  StopHintTimers();
  if (!FHintControl || !FHintWindow) return;
  TControl* Control = FHintControl;
  if (!ScreenClientRect(Control).Contains(CursorPos)) {
    CancelHint();
    return;
  }
  THintInfo Info;
  Info.HintControl = Control;
  Info.HintPos = { CursorPos.X, CursorPos.Y + CursorHeightMargin() };
  Info.HintMaxWidth = GetSystemMetrics(SM_CXSCREEN);
  Info.HintColor = FHintColor;
  Info.CursorRect = Control->ClientRect();
  Info.CursorPos = Control->ScreenToClient(CursorPos);
  Info.HideTimeout = FHintHidePause;
  Info.HintStr = GetShortHint(GetHint(Control));
  bool CanShow = Control->Perform(CM_HINTSHOW, 0, LPARAM(&Info)) == 0;
  if (CanShow && OnShowHint) {
    const TShowHintEvent Handler = OnShowHint;
    Handler(Info.HintStr, CanShow, Info);
  }
  // A handler may have hidden the hint, freed the control or turned hints off.
  if (!CanShow || FHintControl != Control || !FHintWindow || Info.HintStr.empty()) {
    HideHint();
    return;
  }
  TRect R = FHintWindow->CalcHintRect(Info.HintMaxWidth, Info.HintStr, Info.HintData);
  R = Bounds(Info.HintPos.X, Info.HintPos.Y, R.Width(), R.Height());
  MONITORINFO Monitor;
  if (GetMonitorInfo(MonitorFromPoint(CursorPos, MONITOR_DEFAULTTONEAREST), &Monitor)) {
    const TRect& Work = Monitor.rcWork;
    const int DX = R.Right > Work.Right ? Work.Right - R.Right : 0;
    const int DY = R.Bottom > Work.Bottom ? CursorPos.Y - R.Height() - R.Top : 0;
    R = Bounds(std::max(R.Left + DX, Work.Left), std::max(R.Top + DY, Work.Top), R.Width(), R.Height());
  }
  FHintWindow->SetColor(Info.HintColor);
  FHintWindow->ActivateHintData(R, Info.HintStr, Info.HintData);
  FHintActive = true;
  const TPoint O = Control->ClientOrigin();
  FHintCursorRect = Bounds(O.X + Info.CursorRect.Left, O.Y + Info.CursorRect.Top, Info.CursorRect.Width(),
                           Info.CursorRect.Height());
  if (Info.ReshowTimeout > 0)
    StartHintTimer(Info.ReshowTimeout, ShowHintTimer);
  else if (Info.HideTimeout > 0)
    StartHintTimer(Info.HideTimeout, HideHintTimer);
}

void TApplication::HideHint() {
  StopHintTimers();
  FHintActive = false;
  if (FHintWindow) FHintWindow->ReleaseHandle();
}

void TApplication::CancelHint() {
  HideHint();
  SetHintControl(nullptr);
  FHintLeft = false;
}

// ---- IControlHost --------------------------------------------------------------------------------------

TCursor TApplication::ScreenCursor() { return Screen ? Screen->Cursor() : crDefault; }

HCURSOR TApplication::CursorHandle(TCursor Cursor) { return SystemCursorHandle(Cursor); }

bool TApplication::PopupContextMenu(TControl* Control, TPoint Point) {
  auto* Menu = dynamic_cast<TPopupMenu*>(Control->PopupMenuComponent());
  if (!Menu || !Menu->AutoPopup()) return false;
  Menu->SetPopupComponent(Control);
  Menu->Popup(Point.X, Point.Y);
  return true;
}

bool TApplication::PopupMenuShortCut(TControl* Control, TMessage& Message) {
  auto* Menu = dynamic_cast<TPopupMenu*>(Control->PopupMenuComponent());
  if (!Menu) return false;
  TWMKey Key = KeyMessage(Message);
  return Menu->IsShortCut(Key);
}
