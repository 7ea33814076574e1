#include "platform/ui/toolkit/TCustomForm.h"

#include <algorithm>
#include <memory>

#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"
#include "platform/base/ScopeGuard.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/MdiClient.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/toolkit/ModalResponders.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TMainMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/Ui.h"

namespace {

/// Forms placed where the system puts new windows go down and right in steps, eight steps a round.
int GDefaultSlot = 0;

int ShowCommand(TWindowState State) {
  switch (State) {
  case wsMinimized: return SW_SHOWMINIMIZED;
  case wsMaximized: return SW_SHOWMAXIMIZED;
  default: return SW_SHOWNORMAL;
  }
}

TRect PrimaryScreen() { return Bounds(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)); }

TRect WorkAreaOf(const TRect& R) {
  MONITORINFO Info;
  if (!GetMonitorInfo(MonitorFromRect(R, MONITOR_DEFAULTTONEAREST), &Info)) return PrimaryScreen();
  return Info.rcWork;
}

/// Every visible, enabled top-level window but Except, disabled; answers them.
std::vector<HWND> DisableTaskWindows(HWND Except) {
  std::vector<HWND> Windows;
  EnumWindows([&](HWND Wnd) {
    if (Wnd != Except && IsWindowVisible(Wnd) && IsWindowEnabled(Wnd)) Windows.push_back(Wnd);
    return true;
  });
  for (HWND Wnd : Windows) EnableWindow(Wnd, false);
  return Windows;
}

void EnableTaskWindows(const std::vector<HWND>& Windows) {
  for (HWND Wnd : Windows) EnableWindow(Wnd, true);
}

bool IsMDIStyle(TFormStyle Style) { return Style == fsMDIForm || Style == fsMDIChild; }

/// The client window children are made in: the application's main form's.
HWND ApplicationMDIClient() {
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  return Main ? Main->ClientHandle() : 0;
}

void RunHandler(const TNotifyEvent& Event, TObject* Sender) {
  if (Event) {
    const TNotifyEvent Handler = Event;  // the handler may replace or free its owner
    Handler(Sender);
  }
}

}  // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()) {
  FCanvas->SetControl(this);
  FVisible = false;
  FControlStyle = { csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks };
  FWidth = 320;
  FHeight = 240;
  SetColor(clBtnFace);
  FIcon->OnChange = [this](TObject*) { IconChanged(); };
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  DoDestroy();
  // A deleted form's window went in BeforeDestruction; one that was not deleted still has its window,
  // which goes in TWinControl's destructor, where this class's DestroyWindowHandle no longer runs.
  DestroyMDIChildHandles();
  if (Screen) Screen->RemoveForm(this);
  if (Application) Application->FormDestroyed(this);
  FCanvas->SetControl(nullptr);
}

void TCustomForm::BuildComponents() {
  FCreating = true;
  CreateComponents();
  BeginLoading();
  AssignProperties();
  ResolveReferences();
  EndLoading();
  DoCreate();
  FCreating = false;
  // Visible set while building: the form shows now that it is complete.
  if (FVisible) Perform(CM_VISIBLECHANGED, 1, 0);
}

// ---- Frame and placement -------------------------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  const bool TopLevel = !Parent() && !ParentWindow();
  Params.Style &= ~(WS_CHILD | WS_GROUP | WS_TABSTOP | WS_CAPTION | WS_THICKFRAME);
  if (!TopLevel) Params.Style |= WS_CHILD;
  switch (FBorderStyle) {
  case bsNone:
    if (TopLevel) Params.Style |= WS_POPUP;
    break;
  case bsSingle:
  case bsToolWindow: Params.Style |= WS_CAPTION | WS_BORDER; break;
  case bsSizeable:
  case bsSizeToolWin: Params.Style |= WS_CAPTION | WS_THICKFRAME; break;
  case bsDialog:
    Params.Style |= WS_POPUP | WS_CAPTION;
    Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    break;
  }
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) Params.ExStyle |= WS_EX_TOOLWINDOW;
  if (FBorderStyle != bsNone) {
    if (FBorderIcons.Contains(biSystemMenu)) Params.Style |= WS_SYSMENU;
    if (FBorderStyle == bsSingle || FBorderStyle == bsSizeable) {
      if (FBorderIcons.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
      if (FBorderIcons.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
    }
    if (FBorderStyle == bsDialog && FBorderIcons.Contains(biHelp)) Params.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (FFormStyle == fsStayOnTop && TopLevel) Params.ExStyle |= WS_EX_TOPMOST;
  if (TopLevel && Application) {
    Params.WndParent = Application->Handle();
    // The application's window never shows, so the main form carries the program's taskbar entry.
    if (Application->MainForm() == this) Params.ExStyle |= WS_EX_APPWINDOW;
  }
  if (FFormStyle == fsMDIChild) {
    Params.Style = (Params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
    Params.ExStyle = (Params.ExStyle & ~(WS_EX_APPWINDOW | WS_EX_TOPMOST)) | WS_EX_MDICHILD;
    Params.WndParent = ApplicationMDIClient();
  }
}

// The frame changes in place: the window (and its children, a video surface among them) stays.
void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  UpdateWindowStyles();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (FBorderIcons == Value) return;
  FBorderIcons = Value;
  UpdateWindowStyles();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (FFormStyle == Value) return;
  const bool WindowKindChanges = IsMDIStyle(FFormStyle) || IsMDIStyle(Value);
  FFormStyle = Value;
  if (WindowKindChanges && HandleAllocated())
    RecreateWnd();
  else
    UpdateWindowStyles();
}

void TCustomForm::UpdateWindowStyles() {
  if (!HandleAllocated()) return;
  TCreateParams Params;
  CreateParams(Params);
  const DWORD Kept = GetWindowLong(FHandle, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
  const DWORD Style = (Params.Style & ~(WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE)) | Kept;
  SetWindowLong(FHandle, GWL_STYLE, Style);
  SetWindowLong(FHandle, GWL_EXSTYLE, Params.ExStyle & ~WS_EX_TOPMOST);
  const HWND Band = FFormStyle == fsStayOnTop && !Parent() ? HWND_TOPMOST : HWND_NOTOPMOST;
  const UINT KeepOrder = FFormStyle == fsMDIChild ? SWP_NOZORDER : 0;
  SetWindowPos(FHandle, Band, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED | KeepOrder);
}

void TCustomForm::SetWindowState(TWindowState Value) {
  if (FWindowState == Value) return;
  FWindowState = Value;
  if (!HandleAllocated() || !Showing()) return;
  ShowWindow(FHandle, Value == wsMinimized ? SW_MINIMIZE : Value == wsMaximized ? SW_SHOWMAXIMIZED : SW_RESTORE);
}

TMonitor* TCustomForm::Monitor() { return Screen ? Screen->MonitorFromWindow(Handle()) : nullptr; }

TRect TCustomForm::PlacedBounds() {
  const int W = Width(), H = Height();
  const auto CentreOn = [W, H](const TRect& Area) {
    return Bounds(Area.Left + (Area.Width() - W) / 2, Area.Top + (Area.Height() - H) / 2, W, H);
  };
  TRect R = BoundsRect();
  switch (FPosition) {
  case poScreenCenter: R = CentreOn(PrimaryScreen()); break;
  case poDesktopCenter:
    R = CentreOn(Bounds(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)));
    break;
  case poMainFormCenter:
  case poOwnerFormCenter: {
    TCustomForm* Anchor = FPosition == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : nullptr;
    if (!Anchor && Application) Anchor = Application->MainForm();
    R = CentreOn(Anchor && Anchor != this && Anchor->HandleAllocated() ? Anchor->BoundsRect() : PrimaryScreen());
    break;
  }
  case poDefault:
  case poDefaultPosOnly:
  case poDefaultSizeOnly: {
    const TRect Work = WorkAreaOf(R);
    if (FPosition != poDefaultSizeOnly) {
      const int Step = 24 * GDefaultSlot;
      GDefaultSlot = (GDefaultSlot + 1) % 8;
      R = Bounds(Work.Left + Step, Work.Top + Step, R.Width(), R.Height());
    }
    if (FPosition != poDefaultPosOnly) R = Bounds(R.Left, R.Top, Work.Width() * 3 / 4, Work.Height() * 3 / 4);
    // The system's own choice happens once; afterwards the form stays where it is put.
    FPosition = poDesigned;
    return R;
  }
  default: return R;
  }
  // A centred form keeps its caption on the work area.
  const TRect Work = WorkAreaOf(R);
  const int DX = std::max(Work.Left - R.Left, 0), DY = std::max(Work.Top - R.Top, 0);
  return Bounds(R.Left + DX, R.Top + DY, W, H);
}

// ---- Showing and closing -------------------------------------------------------------------------------

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
  if (FFormStyle == fsMDIChild && HandleAllocated())
    SendMessage(GetParent(FHandle), WM_MDIACTIVATE, WPARAM(FHandle), 0);
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::ShowingChanged() {
  if (Parent() || ParentWindow()) {
    SetWindowPos(FHandle, 0, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (Showing() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    return;
  }
  if (Showing()) {
    DoShow();
    if (!Showing() || !HandleAllocated()) return;
    if (FPosition != poDesigned) {
      const TRect R = PlacedBounds();
      SetBounds(R.Left, R.Top, R.Width(), R.Height());
    }
    ShowWindow(FHandle, ShowCommand(FWindowState));
  } else {
    DoHide();
    if (HandleAllocated()) ShowWindow(FHandle, SW_HIDE);
  }
}

bool TCustomForm::CloseQuery() {
  bool CanClose = true;
  if (OnCloseQuery) {
    const TCloseQueryEvent Handler = OnCloseQuery;
    Handler(this, CanClose);
  }
  return CanClose;
}

void TCustomForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction Action = caHide;
  DoClose(Action);
  if (Action == caNone) return;
  if (Application && Application->MainForm() == this)
    Application->Terminate();
  else if (Action == caHide)
    Hide();
  else if (Action == caMinimize)
    SetWindowState(wsMinimized);
  else
    Release();
}

void TCustomForm::Release() { PostMessage(Handle(), CM_RELEASE, 0, 0); }

void TCustomForm::CloseModal() {
  TCloseAction Action = caNone;
  if (CloseQuery()) {
    Action = caHide;
    DoClose(Action);
  }
  if (Action == caNone)
    FModalResult = mrNone;
  else if (Action == caFree)
    Release();
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FModal || FFormStyle == fsMDIChild)
    throw EInvalidOperation("Cannot make a visible window modal");
  if (const HWND Captured = GetCapture()) SendMessage(Captured, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  HandleNeeded();
  const HWND ActiveWindow = GetActiveWindow();
  const TCursor SavedCursor = Screen ? Screen->Cursor() : crDefault;
  if (Screen) Screen->SetCursor(crDefault);
  FModal = true;
  const std::vector<HWND> Disabled = DisableTaskWindows(FHandle);
  // Whatever way the loop ends, the other windows come back and get the activation back.
  ScopeGuard Restore([&] {
    EnableTaskWindows(Disabled);
    if (ActiveWindow && IsWindow(ActiveWindow)) SetActiveWindow(ActiveWindow);
    if (Screen) Screen->SetCursor(SavedCursor);
    FModal = false;
  });
  ScopeGuard HideAfter([this] { Hide(); });
  Show();
  FModalResult = mrNone;
  // A responder answers from inside the loop, unless the form was answered before or this showing ended.
  const auto Showing = std::make_shared<bool>(true);
  ScopeGuard ShowingEnds([Showing] { *Showing = false; });
  if (TModalResponder Responder = ModalResponderFor(*this))
    Queue([this, Responder = std::move(Responder), Showing] {
      if (*Showing && FModalResult == mrNone) Responder(this);
    });
  RunModalLoop([this] {
    if (QuitPending() || (Application && Application->Terminated()))
      FModalResult = mrCancel;
    else if (FModalResult != mrNone)
      CloseModal();
    return FModalResult != mrNone;
  });
  return FModalResult;
}

// ---- Activation and focus ------------------------------------------------------------------------------

void TCustomForm::SetActive(bool Value) {
  FActive = Value;
  if (Value) {
    if (!FActiveControl) FActiveControl = FindNextControl(nullptr, true, true, false);
    // The screen's active form is the top-level one; a child is active within its frame.
    if (Screen && FFormStyle != fsMDIChild) Screen->SetActiveForm(this);
    Perform(CM_ACTIVATE, 0, 0);
  } else {
    Perform(CM_DEACTIVATE, 0, 0);
  }
}

void TCustomForm::SetWindowFocus() {
  if (FFormStyle == fsMDIForm && !FActiveControl)
    if (TCustomForm* Child = ActiveMDIChild()) {
      Child->SetWindowFocus();
      return;
    }
  TWinControl* Target = FActiveControl && FActiveControl->CanFocus() ? FActiveControl : this;
  ::SetFocus(Target->Handle());
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
  const bool Loading = ComponentState().Contains(csLoading);
  if (Control && (Control == this || GetParentForm(Control) != this || (!Loading && !Control->CanFocus())))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  FActiveControl = Control;
  if (Loading) return;
  if (FActive) SetWindowFocus();
  if (Screen && Screen->ActiveForm() == this) Screen->SetActiveControl(FActiveControl);
}

void TCustomForm::SetFocus() {
  if (FActive) {
    TWinControl::SetFocus();
    return;
  }
  if (!Visible() || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control) {
  if (Control == this) {
    ::SetFocus(Handle());
    return;
  }
  const bool WasActive = FActive;
  SetActiveControl(Control);
  if (!WasActive) SetFocus();
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  FActiveControl = Control == this ? nullptr : Control;
  if (Screen && Screen->ActiveForm() == this) Screen->SetActiveControl(FActiveControl);
  return TWinControl::SetFocusedControl(Control);
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  TWinControl::DefocusControl(Control, Removing);
  if (!Control->ContainsControl(FActiveControl)) return;
  FActiveControl = nullptr;
  if (FActive && !ComponentState().Contains(csDestroying) && HandleAllocated()) ::SetFocus(FHandle);
}

TWinControl* TCustomForm::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) {
  std::vector<TWinControl*> List;
  GetTabOrderList(List);
  const int Count = int(List.size());
  if (Count == 0) return nullptr;
  const auto Found = std::find(List.begin(), List.end(), CurControl);
  const int Start = Found != List.end() ? int(Found - List.begin()) : GoForward ? Count - 1 : 0;
  int I = Start;
  do {
    I = GoForward ? (I + 1) % Count : (I + Count - 1) % Count;
    TWinControl* C = List[size_t(I)];
    if (C != CurControl && C->CanFocus() && (!CheckTabStop || C->TabStop()) &&
        (!CheckParent || (CurControl && C->Parent() == CurControl->Parent())))
      return C;
  } while (I != Start);
  return nullptr;
}

void TCustomForm::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* Next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) Next->SetFocus();
}

// ---- Keys and menu -------------------------------------------------------------------------------------

bool TCustomForm::IsShortCut(TMessage& Message) {
  TWMKey Key = KeyMessage(Message);
  bool Handled = false;
  if (OnShortCut) {
    const TShortCutEvent Handler = OnShortCut;
    Handler(Key, Handled);
  }
  if (!Handled && FMenu) Handled = FMenu->IsShortCut(Key);
  return Handled;
}

void TCustomForm::CMDialogKey(TMessage& Message) {
  const Word Key = Word(Message.WParam);
  const TShiftState Shift = KeyDataToShiftState(Message.LParam);
  if (!Shift.Contains(ssAlt)) {
    if (Key == VK_TAB && !Shift.Contains(ssCtrl)) {
      SelectNext(FActiveControl, !Shift.Contains(ssShift), true);
      Message.Result = 1;
      return;
    }
    if ((Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN) && FActiveControl) {
      if (TWinControl* Next = FindNextControl(FActiveControl, Key == VK_RIGHT || Key == VK_DOWN, false, true))
        Next->SetFocus();
      Message.Result = 1;
      return;
    }
  }
  TWinControl::Dispatch(Message);
}

void TCustomForm::SetMenu(TMainMenu* Value) {
  if (FMenu == Value) return;
  if (FMenu) FMenu->RemoveFreeNotification(this);
  FMenu = Value;
  if (FMenu) FMenu->FreeNotification(this);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FMenu) FMenu = nullptr;
  if (AComponent == FWindowMenu) FWindowMenu = nullptr;
  if (AComponent == FActiveControl) FActiveControl = nullptr;
}

// ---- Events --------------------------------------------------------------------------------------------

// An error of OnCreate is shown like one of any handler the loop runs; the form stays, complete.
void TCustomForm::DoCreate() {
  try {
    RunHandler(OnCreate, this);
  } catch (...) {
    ReportLoopException(std::current_exception());
  }
}

// Runs once, from the screen's removal notice or the destructor; an exception cannot leave it, since
// destruction goes on either way.
void TCustomForm::DoDestroy() {
  if (FDestroyed) return;
  FDestroyed = true;
  try {
    RunHandler(OnDestroy, this);
  } catch (...) {
    ReportLoopException(std::current_exception());
  }
}

void TCustomForm::DoShow() { RunHandler(OnShow, this); }

void TCustomForm::DoHide() { RunHandler(OnHide, this); }

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) {
    const TCloseEvent Handler = OnClose;
    Handler(this, Action);
  }
}

void TCustomForm::Activate() { RunHandler(OnActivate, this); }

void TCustomForm::Deactivate() { RunHandler(OnDeactivate, this); }

void TCustomForm::Paint() { RunHandler(OnPaint, this); }

void TCustomForm::PaintWindow(HDC DC) {
  FCanvas->PaintOn(DC, [this] { Paint(); });
}

// ---- Messages ------------------------------------------------------------------------------------------

void TCustomForm::WMActivate(TMessage& Message) {
  const bool Activating = LOWORD(Message.WParam) != WA_INACTIVE;
  // Losing the activation (to another form or another program) ends the active control's modes.
  if (!Activating) SendCancelMode(nullptr);
  SetActive(Activating);
  if (Activating && !HIWORD(Message.WParam) && HandleAllocated()) {
    SetWindowFocus();
    Message.Result = 0;
    return;
  }
  DefaultHandler(Message);
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (FFormStyle == fsMDIForm) CreateClientWindow();
  IconChanged();
}

void TCustomForm::CreateWindowHandle(const TCreateParams& Params) {
  if (FFormStyle != fsMDIChild) {
    TWinControl::CreateWindowHandle(Params);
    return;
  }
  MDICREATESTRUCT Create;
  Create.szClass = Params.WinClassName;
  Create.szTitle = Params.Caption;
  Create.x = Params.X;
  Create.y = Params.Y;
  Create.cx = Params.Width;
  Create.cy = Params.Height;
  Create.style = Params.Style;
  Create.lParam = LPARAM(Params.Param);
  if (!SendMessage(Params.WndParent, WM_MDICREATE, 0, LPARAM(&Create))) FHandle = 0;
}

void TCustomForm::DestroyWindowHandle() {
  DestroyMDIChildHandles();
  TWinControl::DestroyWindowHandle();
  FClientHandle = 0;
}

// ---- Multiple documents --------------------------------------------------------------------------------

void TCustomForm::CreateClientWindow() {
  RegisterMdiClientClass();
  CLIENTCREATESTRUCT Create;
  Create.hWindowMenu = FWindowMenu;
  const TRect R = ClientRect();
  FClientHandle = CreateWindowEx(0, MdiClientClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                 R.Left, R.Top, R.Width(), R.Height(), FHandle, 0, &Create);
  if (!FClientHandle) throw EOutOfResources("Cannot create the document client window");
  SetWindowPos(FClientHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Realign();
  if (!Screen || Application->MainForm() != this) return;
  for (int I = 0; I < Screen->FormCount(); ++I) {
    TCustomForm* Form = Screen->Forms(I);
    if (Form->FFormStyle == fsMDIChild && Form->Visible() && !Form->HandleAllocated()) Form->UpdateControlState();
  }
}

template <class F> void TCustomForm::ForEachMDIChild(F Visit) const {
  if (!FClientHandle || !Screen) return;
  for (int I = 0; I < Screen->FormCount(); ++I) {
    TCustomForm* Form = Screen->Forms(I);
    if (Form->FFormStyle == fsMDIChild && Form->HandleAllocated() && GetParent(Form->FHandle) == FClientHandle)
      if (!Visit(Form)) return;
  }
}

void TCustomForm::DestroyMDIChildHandles() {
  std::vector<TCustomForm*> Children;
  ForEachMDIChild([&](TCustomForm* Child) {
    Children.push_back(Child);
    return true;
  });
  for (TCustomForm* Child : Children) Child->DestroyHandle();
}

int TCustomForm::MDIChildCount() const {
  int Count = 0;
  ForEachMDIChild([&](TCustomForm*) {
    ++Count;
    return true;
  });
  return Count;
}

TCustomForm* TCustomForm::MDIChildren(int Index) const {
  TCustomForm* Found = nullptr;
  ForEachMDIChild([&](TCustomForm* Child) {
    if (Index-- == 0) Found = Child;
    return !Found;
  });
  return Found;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (!FClientHandle) return nullptr;
  return dynamic_cast<TCustomForm*>(FindControl(HWND(SendMessage(FClientHandle, WM_MDIGETACTIVE, 0, 0))));
}

void TCustomForm::SetWindowMenu(TMenuItem* Value) {
  if (FWindowMenu == Value) return;
  if (FWindowMenu) FWindowMenu->RemoveFreeNotification(this);
  FWindowMenu = Value;
  if (FWindowMenu) FWindowMenu->FreeNotification(this);
}

void TCustomForm::Tile() {
  if (FClientHandle)
    SendMessage(FClientHandle, WM_MDITILE, FTileMode == tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void TCustomForm::Cascade() {
  if (FClientHandle) SendMessage(FClientHandle, WM_MDICASCADE, 0, 0);
}

void TCustomForm::ArrangeIcons() {
  if (FClientHandle) SendMessage(FClientHandle, WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
  if (FClientHandle) SendMessage(FClientHandle, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
  if (FClientHandle) SendMessage(FClientHandle, WM_MDINEXT, 0, 1);
}

void TCustomForm::AlignControls(TControl* AControl, TRect& Rect) {
  TWinControl::AlignControls(AControl, Rect);
  if (FClientHandle)
    SetWindowPos(FClientHandle, HWND_BOTTOM, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), SWP_NOACTIVATE);
}

void TCustomForm::MDIChildActivated() {
  SetActive(true);
  if (GetActiveWindow() == GetAncestor(FHandle, GA_ROOT)) SetWindowFocus();
}

void TCustomForm::DefaultHandler(TMessage& Message) {
  if (HandleAllocated() && FFormStyle == fsMDIChild)
    Message.Result = DefMDIChildProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
  else if (HandleAllocated() && FClientHandle)
    Message.Result = DefFrameProc(FHandle, FClientHandle, Message.Msg, Message.WParam, Message.LParam);
  else
    TWinControl::DefaultHandler(Message);
}

HICON TCustomForm::IconHandle() const {
  if (!FIcon->Empty()) return FIcon->Handle();
  return Application ? Application->Icon()->Handle() : 0;
}

void TCustomForm::IconChanged() {
  if (HandleAllocated()) SendMessage(Handle(), WM_SETICON, ICON_BIG, LPARAM(IconHandle()));
}

void TCustomForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_CLOSE:
    Close();
    Message.Result = 0;
    return;
  case WM_ACTIVATE: WMActivate(Message); return;
  case WM_SIZE:
    // Only a shown window tells its state: the creation's WM_SIZE must not undo a state set before.
    if (Showing() && Message.WParam <= SIZE_MAXIMIZED)
      FWindowState = Message.WParam == SIZE_MINIMIZED   ? wsMinimized
                     : Message.WParam == SIZE_MAXIMIZED ? wsMaximized
                                                        : wsNormal;
    TWinControl::Dispatch(Message);
    return;
  case WM_SYSCOMMAND:
    if ((Message.WParam & 0xFFF0) == SC_MINIMIZE && Application && Application->MainForm() == this) {
      Application->Minimize();
      Message.Result = 0;
      return;
    }
    TWinControl::Dispatch(Message);
    return;
  case WM_PAINT:
    FControlState.Include(csCustomPaint);
    TWinControl::Dispatch(Message);
    FControlState.Exclude(csCustomPaint);
    return;
  case WM_MDIACTIVATE:
    if (FFormStyle == fsMDIChild && HandleAllocated()) {
      if (HWND(Message.LParam) == FHandle)
        MDIChildActivated();
      else if (HWND(Message.WParam) == FHandle)
        SetActive(false);
    }
    DefaultHandler(Message);
    return;
  case CM_SHOWINGCHANGED: ShowingChanged(); return;
  case CM_DIALOGKEY: CMDialogKey(Message); return;
  case CM_ACTIVATE: Activate(); return;
  case CM_DEACTIVATE: Deactivate(); return;
  case CM_RELEASE: delete this; return;
  case CM_ICONCHANGED:
    if (FIcon->Empty()) IconChanged();
    return;
  default: TWinControl::Dispatch(Message); return;
  }
}
