#include "platform/ui/toolkit/TWinControl.h"

#include <algorithm>
#include <unordered_map>

#include "platform/base/Exception.h"
#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/toolkit/IControlHost.h"
#include "platform/ui/toolkit/ReleaseControl.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/OwnerDraw.h"
#include "platform/ui/toolkit/TControlCanvas.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

/// The windows of controls, for FindControl.
std::unordered_map<HWND, TWinControl*>& ControlWindows() {
  static std::unordered_map<HWND, TWinControl*> Map;
  return Map;
}

/// The control whose window is being created; its window's first message binds them.
TWinControl* GCreationControl = nullptr;

/// Counts focus changes, so a focus change that a CM_EXIT/CM_ENTER handler interrupted stops.
int GFocusCount = 0;

/// Calls of a control's window procedure in progress, and the procedures of controls destroyed meanwhile
/// (freed once no call runs, since the call that destroyed one may still be inside it).
int GDispatchDepth = 0;
std::vector<WNDPROC>& RetiredProcs() {
  static std::vector<WNDPROC> List;
  return List;
}

void RetireProc(WNDPROC Proc) {
  if (GDispatchDepth > 0)
    RetiredProcs().push_back(Proc);
  else
    FreeObjectInstance(Proc);
}

constexpr UINT VK_EXECUTE_KEY = 0x2B;

/// Whether any of R (logical coordinates) can be drawn on DC.
bool RectVisible(HDC DC, const TRect& R) {
  TRect Clip;
  if (GetClipBox(DC, &Clip) == NULLREGION) return false;
  return Clip.Intersects(R);
}

/// The control holding the window a control lives in: itself when windowed, else its parent.
TWinControl* WindowHolder(TControl* Control) {
  if (auto* W = dynamic_cast<TWinControl*>(Control)) return W;
  return Control ? Control->Parent() : nullptr;
}

}  // namespace

bool ControlDispatchRunning() { return GDispatchDepth > 0; }

TWinControl* FindControl(HWND Wnd) {
  if (!Wnd) return nullptr;
  const auto It = ControlWindows().find(Wnd);
  return It == ControlWindows().end() ? nullptr : It->second;
}

TWinControl::TWinControl(TComponent* AOwner)
    : TControl(AOwner), FBrush(std::make_unique<TBrush>()) {
  FObjectInstance = MakeObjectInstance([this](TMessage& Message) { MainWndProc(Message); });
  FBrush->SetColor(FColor);
}

void TWinControl::BeforeDestruction() {
  TControl::BeforeDestruction();
  DestroyHandle();
}

// The children go with their parent (they are heap objects, owned or not); their windows went with
// this one's, before the destructors when the control was deleted, here when it was not.
TWinControl::~TWinControl() {
  if (FParent) RemoveFocus(true);
  if (FHandle) DestroyWindowHandle();
  while (!FControls.empty()) {
    TControl* Child = FControls.back();
    Remove(Child);
    delete Child;
  }
  ForgetMouse(this);
  RetireProc(FObjectInstance);
}

// ---- Window --------------------------------------------------------------------------------------------

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (FParent) FParent->HandleNeeded();
  CreateHandle();
}

void TWinControl::SetParentWindow(HWND Value) {
  if (FParent || FParentWindow == Value) return;
  if (FHandle && FParentWindow && Value) {
    FParentWindow = Value;
    ::SetParent(FHandle, Value);
  } else {
    DestroyHandle();
    FParentWindow = Value;
  }
  UpdateControlState();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params = TCreateParams {};
  Params.Caption = FText;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FControlStyle.Contains(csAcceptsControls)) {
    Params.Style |= WS_CLIPCHILDREN;
    Params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!FEnabled) Params.Style |= WS_DISABLED;
  Params.X = FLeft;
  Params.Y = FTop;
  Params.Width = FWidth;
  Params.Height = FHeight;
  Params.WndParent = FParent ? FParent->Handle() : FParentWindow;
  Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  Params.WindowClass.hCursor = LoadCursor(0, IDC_ARROW);
  Params.WinClassName = ClassName();
}

LRESULT TWinControl::InitWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* Control = GCreationControl;
  GCreationControl = nullptr;
  if (!Control) return DefWindowProc(Wnd, Msg, WParam, LParam);
  Control->Bind(Wnd);
  // From the top of the chain just installed (a chained call from here would go below this procedure).
  return SendMessage(Wnd, Msg, WParam, LParam);
}

// The control's procedure goes on the window first, then the raw procedures the previous window had,
// in the order they were installed, so they see the new window's messages from the first one on.
void TWinControl::Bind(HWND Wnd) {
  FHandle = Wnd;
  ControlWindows()[Wnd] = this;
  SetWindowLongPtr(Wnd, GWL_WNDPROC, LONG_PTR(FObjectInstance));
  for (WNDPROC Proc : FRawProcs)
    if (::WindowProc::IsLive(Proc)) SetWindowLongPtr(Wnd, GWL_WNDPROC, LONG_PTR(Proc));
  FRawProcs.clear();
}

void TWinControl::CreateWnd() {
  TCreateParams Params;
  CreateParams(Params);
  if (!Params.WndParent && (Params.Style & WS_CHILD))
    throw EInvalidOperation(Format("Control '%s' has no parent window", Name()));
  FDefWndProc = Params.WindowClass.lpfnWndProc ? Params.WindowClass.lpfnWndProc : DefWindowProcInstance();
  static const ::WindowProc InitProc(&TWinControl::InitWndProc);
  WNDCLASS Registered;
  const bool Known = GetClassInfo(Params.WinClassName, &Registered);
  if (!Known || Registered.lpfnWndProc != &InitProc) {
    if (Known) UnregisterClass(Params.WinClassName);
    WNDCLASS Class = Params.WindowClass;
    Class.lpfnWndProc = &InitProc;
    Class.lpszClassName = Params.WinClassName;
    if (!RegisterClass(Class)) throw EOutOfResources(Format("Cannot register the window class %s", Params.WinClassName));
  }
  FControlState.Include(csCreating);
  {
    GCreationControl = this;
    ScopeGuard Created([&] {
      GCreationControl = nullptr;
      FControlState.Exclude(csCreating);
    });
    CreateWindowHandle(Params);
  }
  if (!FHandle) throw EOutOfResources(Format("Error creating window of %s", ClassName()));
  FText.clear();
  UpdateBounds();
  Perform(WM_SETFONT, WPARAM(Font()->Handle()), 1);
  if (AutoSize()) AdjustSize();
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  const HWND Wnd = CreateWindowEx(Params.ExStyle, Params.WinClassName, Params.Caption, Params.Style, Params.X,
                                  Params.Y, Params.Width, Params.Height, Params.WndParent, 0, Params.Param);
  if (!Wnd) FHandle = 0;
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  if (FParent && (GetWindowLongPtr(FHandle, GWL_STYLE) & WS_CHILD))
    SetWindowPos(FHandle, FParent->PrecedingWindow(this), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  for (TControl* Child : FControls) Child->UpdateAnchorRules();
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TControl* Child : FControls)
    if (auto* W = dynamic_cast<TWinControl*>(Child)) W->DestroyHandle();
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  FText = GetText();
  FreeDeviceContexts();
  DestroyWindowHandle();
}

// The raw procedures above the control's own are kept for the next window.
void TWinControl::DestroyWindowHandle() {
  FRawProcs.clear();
  if (const Window* W = WindowSystem::Get().Find(FHandle)) {
    bool Above = false;
    for (const Window::ProcEntry& Entry : W->Procs) {
      if (Above && ::WindowProc::IsLive(Entry.Proc)) FRawProcs.push_back(Entry.Proc);
      Above = Above || Entry.Proc == FObjectInstance;
    }
  }
  FControlState.Include(csDestroyingHandle);
  DestroyWindow(FHandle);
  FControlState.Exclude(csDestroyingHandle);
  if (FHandle) {
    ControlWindows().erase(FHandle);
    FHandle = 0;
  }
  FShowing = false;
}

void TWinControl::RecreateWnd() {
  if (FHandle) Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::UpdateShowing() {
  const bool Show = FVisible && !FControlState.Contains(csReadingState);
  if (Show) {
    if (!FHandle) CreateHandle();
    for (size_t I = 0; I < FControls.size(); ++I)
      if (auto* W = dynamic_cast<TWinControl*>(FControls[I])) W->UpdateShowing();
  }
  if (FHandle && FShowing != Show) {
    FShowing = Show;
    ScopeGuard Undo([&] { FShowing = !Show; });
    Perform(CM_SHOWINGCHANGED, 0, 0);
    Undo.Dismiss();
  }
}

void TWinControl::UpdateControlState() {
  TWinControl* Control = this;
  while (Control->FParent) {
    Control = Control->FParent;
    if (!Control->Showing()) return;
  }
  if (Control->IsRootWindow()) UpdateShowing();
}

// ---- Children ------------------------------------------------------------------------------------------

TControl* TWinControl::Controls(int Index) const {
  if (Index < 0 || Index >= ControlCount()) throw EListError(Format("List index out of bounds (%d)", Index));
  return FControls[size_t(Index)];
}

void TWinControl::Insert(TControl* AControl) {
  FControls.push_back(AControl);
  if (auto* W = dynamic_cast<TWinControl*>(AControl)) FTabList.push_back(W);
  AControl->FParent = this;
}

void TWinControl::Remove(TControl* AControl) {
  FControls.erase(std::remove(FControls.begin(), FControls.end(), AControl), FControls.end());
  FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), AControl), FTabList.end());
  AControl->FParent = nullptr;
}

void TWinControl::InsertControl(TControl* AControl) {
  Insert(AControl);
  if (AControl->ComponentState().Contains(csReading)) return;
  AControl->ParentNotices();
  if (auto* W = dynamic_cast<TWinControl*>(AControl))
    W->UpdateControlState();
  else if (HandleAllocated())
    AControl->Invalidate();
  AlignControl(AControl);
}

void TWinControl::RemoveControl(TControl* AControl) {
  if (auto* W = dynamic_cast<TWinControl*>(AControl)) {
    W->RemoveFocus(true);
    W->DestroyHandle();
  } else if (HandleAllocated()) {
    AControl->InvalidateControl(AControl->Visible(), false);
  }
  if (TControl::CaptureControl() == AControl) SetCaptureControl(nullptr);
  Remove(AControl);
  Realign();
}

bool TWinControl::ContainsControl(TControl* Control) const {
  for (; Control; Control = Control->Parent())
    if (Control == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls) {
  const auto Hit = [&](TControl* C) {
    const TPoint Local { P.X - C->Left(), P.Y - C->Top() };
    return Rect(0, 0, C->Width(), C->Height()).Contains(Local) && C->Visible() && (C->Enabled() || AllowDisabled) &&
           C->Perform(CM_HITTEST, 0, PointToLParam(Local)) != 0;
  };
  if (AllowWinControls)
    for (auto It = FControls.rbegin(); It != FControls.rend(); ++It)
      if (dynamic_cast<TWinControl*>(*It) && Hit(*It)) return *It;
  for (auto It = FControls.rbegin(); It != FControls.rend(); ++It)
    if (!dynamic_cast<TWinControl*>(*It) && Hit(*It)) return *It;
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  for (size_t I = 0; I < FControls.size(); ++I) {
    const TWndMethod Proc = FControls[I]->FWindowProc;
    Proc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT Msg) {
  TMessage Message { Msg, 0, 0, 0 };
  Broadcast(Message);
}

// ---- Alignment -----------------------------------------------------------------------------------------

void TWinControl::DisableAlign() { ++FAlignLevel; }

void TWinControl::EnableAlign() {
  --FAlignLevel;
  if (FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignChildren() {
  if (!HandleAllocated() || ComponentState().Contains(csDestroying)) return;
  TRect R = GetClientRect();
  AlignControls(nullptr, R);
}

void TWinControl::AlignControl(TControl* AControl) {
  if (!HandleAllocated() || ComponentState().Contains(csDestroying)) return;
  if (FAlignLevel != 0) {
    FControlState.Include(csAlignmentNeeded);
    return;
  }
  DisableAlign();
  ScopeGuard Aligned([&] {
    FControlState.Exclude(csAlignmentNeeded);
    EnableAlign();
  });
  TRect R = GetClientRect();
  AlignControls(AControl, R);
}

void TWinControl::AdjustClientRect(TRect& Rect) { (void)Rect; }

bool TWinControl::CustomAlignInsertBefore(TControl* C1, TControl* C2) {
  (void)C1;
  (void)C2;
  return false;
}

void TWinControl::CustomAlignPosition(TControl* Control, int& NewLeft, int& NewTop, int& NewWidth, int& NewHeight,
                                      TRect& AlignRect) {
  (void)Control;
  (void)NewLeft;
  (void)NewTop;
  (void)NewWidth;
  (void)NewHeight;
  (void)AlignRect;
}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  const bool Work = std::any_of(FControls.begin(), FControls.end(), [](TControl* C) {
    return C->Align() != alNone || !(C->Anchors() == TAnchors { akLeft, akTop });
  });
  if (Work) {
    AdjustClientRect(Rect);
    const auto InsertBefore = [&](TControl* C1, TControl* C2, TAlign A) {
      switch (A) {
      case alTop: return C1->Top() < C2->Top();
      case alBottom: return C1->Top() + C1->Height() >= C2->Top() + C2->Height();
      case alLeft: return C1->Left() < C2->Left();
      case alRight: return C1->Left() + C1->Width() >= C2->Left() + C2->Width();
      case alCustom: return CustomAlignInsertBefore(C1, C2);
      default: return false;
      }
    };
    const auto Position = [&](TControl* C, TAlign A) {
      if (A == alNone || !(C->Anchors() == AnchorAlign(A))) {
        if (C->FOriginalParentSize.X != 0 && C->FOriginalParentSize.Y != 0) {
          int L = C->Left(), T = C->Top(), W = C->Width(), H = C->Height();
          const TPoint Size = C->ParentSizeForAnchors();
          const TAnchors K = C->Anchors();
          if (K.Contains(akRight)) {
            if (K.Contains(akLeft))
              W = Size.X - C->FOriginalParentSize.X + C->FAnchorRules.X;
            else
              L = C->FAnchorRules.X + Size.X - C->FOriginalParentSize.X;
          } else if (!K.Contains(akLeft)) {
            L = MulDiv(C->FAnchorRules.X, Size.X, C->FOriginalParentSize.X) - W / 2;
          }
          if (K.Contains(akBottom)) {
            if (K.Contains(akTop))
              H = Size.Y - C->FOriginalParentSize.Y + C->FAnchorRules.Y;
            else
              T = C->FAnchorRules.Y + Size.Y - C->FOriginalParentSize.Y;
          } else if (!K.Contains(akTop)) {
            T = MulDiv(C->FAnchorRules.Y, Size.Y, C->FOriginalParentSize.Y) - H / 2;
          }
          C->FAnchorMove = true;
          C->SetBounds(L, T, W, H);
          C->FAnchorMove = false;
        }
      }
      if (A == alNone) return;
      int W = Rect.Right - Rect.Left;
      if (W < 0 || A == alLeft || A == alRight || A == alCustom) W = C->Width();
      int H = Rect.Bottom - Rect.Top;
      if (H < 0 || A == alTop || A == alBottom || A == alCustom) H = C->Height();
      int L = Rect.Left, T = Rect.Top;
      switch (A) {
      case alTop: Rect.Top += H; break;
      case alBottom:
        Rect.Bottom -= H;
        T = Rect.Bottom;
        break;
      case alLeft: Rect.Left += W; break;
      case alRight:
        Rect.Right -= W;
        L = Rect.Right;
        break;
      case alCustom:
        L = C->Left();
        T = C->Top();
        CustomAlignPosition(C, L, T, W, H, Rect);
        break;
      default: break;
      }
      C->FAnchorMove = true;
      C->SetBounds(L, T, W, H);
      C->FAnchorMove = false;
      // A control that kept another size (constraints) gives back or takes the difference.
      const int DW = W - C->Width(), DH = H - C->Height();
      switch (A) {
      case alTop: Rect.Top -= DH; break;
      case alBottom: Rect.Bottom += DH; break;
      case alLeft: Rect.Left -= DW; break;
      case alRight: Rect.Right += DW; break;
      case alClient:
        Rect.Right -= DW;
        Rect.Bottom -= DH;
        break;
      default: break;
      }
    };
    const auto DoAlign = [&](TAlign A) {
      std::vector<TControl*> List;
      if (AControl && AControl->Align() == A && (A == alNone || AControl->Visible())) List.push_back(AControl);
      for (size_t I = 0; I < FControls.size(); ++I) {
        TControl* C = FControls[I];
        if (C == AControl || C->Align() != A || (A != alNone && !C->Visible())) continue;
        size_t J = 0;
        while (J < List.size() && !InsertBefore(C, List[J], A)) ++J;
        List.insert(List.begin() + std::ptrdiff_t(J), C);
      }
      for (TControl* C : List)
        if (C->Parent() == this) Position(C, A);
    };
    for (TAlign A : { alTop, alBottom, alLeft, alRight, alClient, alCustom, alNone }) DoAlign(A);
  }
  if (Showing()) AdjustSize();
}

void TWinControl::ScrollBy(int DeltaX, int DeltaY) {
  const bool IsVisible = FHandle && IsWindowVisible(FHandle);
  if (IsVisible) ScrollWindow(FHandle, DeltaX, DeltaY, nullptr, nullptr);
  for (TControl* C : FControls) {
    auto* W = dynamic_cast<TWinControl*>(C);
    if (!W || !W->FHandle) {
      C->FLeft += DeltaX;
      C->FTop += DeltaY;
    } else if (!IsVisible) {
      SetWindowPos(W->FHandle, 0, W->FLeft + DeltaX, W->FTop + DeltaY, W->FWidth, W->FHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  Realign();
}

// ---- Focus and tab order -------------------------------------------------------------------------------

int TWinControl::TabOrder() const {
  if (!FParent) return -1;
  const auto& List = FParent->FTabList;
  const auto It = std::find(List.begin(), List.end(), this);
  return It == List.end() ? -1 : int(It - List.begin());
}

void TWinControl::SetTabOrder(int Value) {
  const int Current = TabOrder();
  if (Current < 0) return;
  auto& List = FParent->FTabList;
  Value = std::clamp(Value, 0, int(List.size()) - 1);
  if (Value == Current) return;
  List.erase(List.begin() + Current);
  List.insert(List.begin() + Value, this);
}

void TWinControl::SetTabStop(bool Value) {
  if (FTabStop == Value) return;
  FTabStop = Value;
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

std::vector<TWinControl*> TWinControl::TabList() const { return FTabList; }

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
  for (TWinControl* Control : FTabList) {
    List.push_back(Control);
    Control->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) {
  std::vector<TWinControl*> List;
  GetTabOrderList(List);
  if (List.empty()) return nullptr;
  const int Count = int(List.size());
  const auto Found = std::find(List.begin(), List.end(), CurControl);
  const int Start = Found != List.end() ? int(Found - List.begin()) : (GoForward ? Count - 1 : 0);
  int I = Start;
  do {
    I = GoForward ? (I + 1) % Count : (I + Count - 1) % Count;
    TWinControl* C = List[size_t(I)];
    if (C->CanFocus() && (!CheckTabStop || C->TabStop()) && (!CheckParent || C->FParent == this)) return C;
  } while (I != Start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* Next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) Next->SetFocus();
}

TWinControl* TWinControl::TreeTop() {
  TWinControl* Top = this;
  while (Top->FParent) Top = Top->FParent;
  return Top;
}

void TWinControl::SetFocus() { TreeTop()->FocusControl(this); }

bool TWinControl::Focused() { return FHandle && GetFocus() == FHandle; }

bool TWinControl::CanFocus() {
  const TWinControl* Top = TreeTop();
  for (TWinControl* C = this; C != Top; C = C->FParent)
    if (!C->Visible() || !C->Enabled()) return false;
  return true;
}

void TWinControl::FocusControl(TWinControl* Control) {
  if (!Control->CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(Control->Handle());
}

bool TWinControl::SetFocusedControl(TWinControl* Control) {
  if (Control->FControlState.Contains(csFocusing)) return false;
  const int Count = ++GFocusCount;
  const auto Send = [Count](TWinControl* Target, UINT Msg) {
    if (Target->HandleAllocated())
      SendMessage(Target->FHandle, Msg, 0, 0);
    else
      Target->Perform(Msg, 0, 0);
    return GFocusCount == Count;
  };
  Control->FControlState.Include(csFocusing);
  ScopeGuard Done([Control] { Control->FControlState.Exclude(csFocusing); });
  if (!FFocusedControl) FFocusedControl = this;
  if (FFocusedControl != Control) {
    while (FFocusedControl && !FFocusedControl->ContainsControl(Control)) {
      TWinControl* Leaving = FFocusedControl;
      FFocusedControl = Leaving->FParent;
      if (!Send(Leaving, CM_EXIT)) return false;
    }
    while (FFocusedControl != Control) {
      TWinControl* Entering = Control;
      while (Entering->FParent != FFocusedControl) Entering = Entering->FParent;
      FFocusedControl = Entering;
      if (!Send(Entering, CM_ENTER)) return false;
    }
    Perform(CM_FOCUSCHANGED, 0, LPARAM(Control));
  }
  return true;
}

void TWinControl::DefocusControl(TWinControl* Control, bool Removing) {
  if (Removing && Control->ContainsControl(FFocusedControl)) FFocusedControl = Control->FParent;
}

void TWinControl::RemoveFocus(bool Removing) {
  TWinControl* Top = TreeTop();
  if (Top != this) Top->DefocusControl(this, Removing);
}

bool TWinControl::IsShortCut(TMessage& Message) {
  (void)Message;
  return false;
}

void TWinControl::SendCancelMode(TControl* Sender) {
  TWinControl* Focus = FFocusedControl;
  if (!Focus || Focus == this || !Focus->HandleAllocated()) return;
  const HWND Current = GetFocus();
  if (Current == Focus->FHandle || IsChild(Focus->FHandle, Current)) Focus->Perform(CM_CANCELMODE, 0, LPARAM(Sender));
}

// ---- Painting ------------------------------------------------------------------------------------------

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

// The window class draws the client area here; the default procedure draws nothing there.
void TWinControl::PaintWindow(HDC DC) {
  if (!FHandle || FDefWndProc == DefWindowProcInstance()) return;
  TMessage Message { WM_PAINT, WPARAM(DC), 0, 0 };
  DefaultHandler(Message);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  size_t I = 0;
  if (First) {
    const auto It = std::find(FControls.begin(), FControls.end(), First);
    if (It != FControls.end()) I = size_t(It - FControls.begin());
  }
  for (; I < FControls.size(); ++I) {
    TControl* C = FControls[I];
    if (dynamic_cast<TWinControl*>(C) || !C->Visible()) continue;
    const TRect R = C->BoundsRect();
    if (!RectVisible(DC, R)) continue;
    const bool Copy = FControlState.Contains(csPaintCopy);
    if (Copy) C->FControlState.Include(csPaintCopy);
    const int Saved = SaveDC(DC);
    TPoint Org;
    GetWindowOrgEx(DC, &Org);
    SetWindowOrgEx(DC, Org.X - C->Left(), Org.Y - C->Top(), nullptr);
    IntersectClipRect(DC, 0, 0, C->Width(), C->Height());
    C->Perform(WM_PAINT, WPARAM(DC), 0);
    RestoreDC(DC, Saved);
    if (Copy) C->FControlState.Exclude(csPaintCopy);
  }
}

void TWinControl::PaintHandler(TMessage& Message) {
  HDC DC = reinterpret_cast<HDC>(Message.WParam);
  PAINTSTRUCT Paint;
  if (!DC) DC = BeginPaint(FHandle, &Paint);
  // A paint that raises still ends, so the window is validated and the DC given back.
  struct PaintEnd {
    HWND Wnd;
    const PAINTSTRUCT* Paint;
    ~PaintEnd() {
      if (Paint) EndPaint(Wnd, Paint);
    }
  } End { FHandle, Message.WParam ? nullptr : &Paint };
  const int Saved = SaveDC(DC);
  bool Covered = false;
  for (TControl* C : FControls)
    if (!dynamic_cast<TWinControl*>(C) && C->Visible() && C->ControlStyle().Contains(csOpaque)) {
      if (ExcludeClipRect(DC, C->Left(), C->Top(), C->Left() + C->Width(), C->Top() + C->Height()) == NULLREGION) {
        Covered = true;
        break;
      }
    }
  if (!Covered) PaintWindow(DC);
  RestoreDC(DC, Saved);
  PaintControls(DC, nullptr);
}

void TWinControl::WMPaint(TMessage& Message) {
  if (!FControlState.Contains(csCustomPaint) && FControls.empty())
    DefaultHandler(Message);
  else
    PaintHandler(Message);
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
  const HDC DC = reinterpret_cast<HDC>(Message.WParam);
  if (DC) FillRect(DC, GetClientRect(), FBrush->Handle());
  Message.Result = 1;
}

HDC TWinControl::GetDeviceContext(HWND& WindowHandle) {
  const HDC DC = GetDC(Handle());
  if (!DC) throw EOutOfResources("Out of system resources");
  WindowHandle = FHandle;
  return DC;
}

// ---- Geometry ------------------------------------------------------------------------------------------

TRect TWinControl::GetClientRect() {
  TRect R;
  ::GetClientRect(Handle(), &R);
  return R;
}

TPoint TWinControl::GetClientOrigin() {
  TPoint P;
  ::ClientToScreen(Handle(), &P);
  return P;
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!CheckNewSize(AWidth, AHeight)) return;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  if (FHandle && !IsIconic(FHandle)) {
    SetWindowPos(FHandle, 0, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
  }
  UpdateAnchorRules();
  RequestAlign();
}

void TWinControl::UpdateBounds() {
  TRect R;
  if (!GetWindowRect(FHandle, &R)) return;
  if (GetWindowLongPtr(FHandle, GWL_STYLE) & WS_CHILD) MapWindowPoints(0, ::GetParent(FHandle), &R);
  FLeft = R.Left;
  FTop = R.Top;
  FWidth = R.Width();
  FHeight = R.Height();
  UpdateAnchorRules();
}

// The children's extent plus the frame: the size an auto-sized container takes.
bool TWinControl::CanAutoSize(int& NewWidth, int& NewHeight) {
  int Right = -1, Bottom = -1;
  for (TControl* C : FControls)
    if (C->Visible() && C->Align() != alClient) {
      Right = std::max(Right, C->Left() + C->Width());
      Bottom = std::max(Bottom, C->Top() + C->Height());
    }
  if (Right < 0) return true;
  const TRect Client = HandleAllocated() ? GetClientRect() : Rect(0, 0, Width(), Height());
  NewWidth = Right + Width() - Client.Width();
  NewHeight = Bottom + Height() - Client.Height();
  return true;
}

void TWinControl::AdjustSize() {
  if (ComponentState().Contains(csLoading) || !FHandle) return;
  SetWindowPos(FHandle, 0, 0, 0, FWidth, FHeight, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOZORDER);
  RequestAlign();
}

HWND TWinControl::PrecedingWindow(TWinControl* Control) const {
  auto It = std::find(FControls.begin(), FControls.end(), Control);
  if (It == FControls.end()) return HWND_TOP;
  for (++It; It != FControls.end(); ++It)
    if (auto* W = dynamic_cast<TWinControl*>(*It); W && W->FHandle) return W->FHandle;
  return HWND_TOP;
}

void TWinControl::SetZOrder(bool TopMost) {
  if (FParent) {
    auto& List = FParent->FControls;
    List.erase(std::remove(List.begin(), List.end(), this), List.end());
    List.insert(TopMost ? List.end() : List.begin(), this);
  }
  if (FHandle)
    SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Children put on it while it was being built got no window yet (nor alignment).
void TWinControl::Loaded() {
  TControl::Loaded();
  UpdateControlState();
  Realign();
}

// ---- Messages ------------------------------------------------------------------------------------------

void TWinControl::MainWndProc(TMessage& Message) {
  ++GDispatchDepth;
  ++FDispatchDepth;
  const std::weak_ptr<bool> Life = LifeToken();
  try {
    const TWndMethod Proc = FWindowProc;
    Proc(Message);
  } catch (...) {
    ReportLoopException(std::current_exception());
  }
  // The control may be gone; one released inside its own handling goes once that handling is over.
  if (!Life.expired() && --FDispatchDepth == 0 && std::exchange(FReleasePending, false)) ReleaseControl(this);
  if (--GDispatchDepth == 0) {
    FreeDeviceContexts();
    std::vector<WNDPROC> Retired;
    Retired.swap(RetiredProcs());
    for (WNDPROC Proc : Retired) FreeObjectInstance(Proc);
  }
}

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
  TControl* Control = nullptr;
  if (FHandle && GetCapture() == FHandle) {
    TControl* Captured = TControl::CaptureControl();
    if (Captured != this && Captured && Captured->Parent() == this) Control = Captured;
  } else {
    Control = ControlAtPos(LParamToPoint(Message.LParam), false);
  }
  if (!Control) return false;
  const TPoint P = LParamToPoint(Message.LParam);
  Message.Result = Control->Perform(Message.Msg, Message.WParam, PointToLParam({ P.X - Control->Left(), P.Y - Control->Top() }));
  return true;
}

// The control under the pointer is the deepest one whose client area holds it: the control of the
// window there, or a windowless child of it (disabled ones too, which windows under a point skip).
void TWinControl::TrackMouseControl(TPoint Screen) {
  HWND Wnd = WindowFromPoint(Screen);
  TWinControl* Holder = FindControl(Wnd);
  while (Wnd && !Holder) {
    Wnd = ::GetParent(Wnd);
    Holder = FindControl(Wnd);
  }
  TControl* Target = Holder;
  while (auto* W = dynamic_cast<TWinControl*>(Target)) {
    TControl* Child = W->ControlAtPos(W->ScreenToClient(Screen), true, !W->HandleAllocated());
    if (!Child) break;
    Target = Child;
    if (auto* Windowed = dynamic_cast<TWinControl*>(Child); Windowed && Windowed->HandleAllocated()) break;
  }
  SetMouseControl(Target);
  if (TWinControl* Tracked = WindowHolder(Target); Tracked && Tracked->HandleAllocated()) {
    TRACKMOUSEEVENT Track;
    Track.dwFlags = TME_LEAVE;
    Track.hwndTrack = Tracked->FHandle;
    TrackMouseEvent(&Track);
  }
}

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case WM_SETFOCUS:
    if (!TreeTop()->SetFocusedControl(this)) return;
    break;
  case WM_KILLFOCUS:
    if (FControlState.Contains(csFocusing)) return;
    break;
  case WM_KEYDOWN:
    if (TControl* Dragged = DraggedControl(); Dragged && Message.WParam == VK_ESCAPE) {
      Dragged->EndDrag(false);
      return;
    }
    break;
  case WM_NCHITTEST:
    // A control that lets the pointer through still takes it where a windowless child of it lies.
    TControl::WndProc(Message);
    if (Message.Result == HTTRANSPARENT && FHandle && ControlAtPos(ScreenToClient(LParamToPoint(Message.LParam)), false))
      Message.Result = HTCLIENT;
    return;
  case WM_CANCELMODE:
    if (FHandle && GetCapture() == FHandle) {
      TControl* Captured = TControl::CaptureControl();
      if (Captured && Captured != this && Captured->Parent() == this) Captured->Perform(WM_CANCELMODE, 0, 0);
    }
    break;
  case WM_MOUSEMOVE:
    // The pointer's own position, not the message's: code sends moves at points of its choosing.
    if (TPoint Pointer; FHandle && GetCursorPos(&Pointer)) TrackMouseControl(Pointer);
    [[fallthrough]];
  case WM_LBUTTONDOWN:
  case WM_LBUTTONUP:
  case WM_LBUTTONDBLCLK:
  case WM_RBUTTONDOWN:
  case WM_RBUTTONUP:
  case WM_RBUTTONDBLCLK:
  case WM_MBUTTONDOWN:
  case WM_MBUTTONUP:
  case WM_MBUTTONDBLCLK:
    if (IsControlMouseMsg(Message)) {
      if (Message.Result == 0 && FHandle) DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
      return;
    }
    break;
  }
  TControl::WndProc(Message);
}

void TWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_PAINT: WMPaint(Message); return;
  case WM_NCLBUTTONDOWN:
  case WM_NCRBUTTONDOWN:
  case WM_NCMBUTTONDOWN:
    // Before the default handling, which may run the move loop: a caption press closes drop-downs.
    TControl::SendCancelMode();
    DefaultHandler(Message);
    return;
  case WM_ERASEBKGND: WMEraseBkgnd(Message); return;
  case WM_WINDOWPOSCHANGED:
    if (!FControlState.Contains(csDestroyingHandle) && FHandle) UpdateBounds();
    DefaultHandler(Message);
    return;
  case WM_WINDOWPOSCHANGING:
    if (Message.LParam && !ComponentState().Contains(csReading) && !ComponentState().Contains(csDestroying)) {
      auto* Pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
      if (!(Pos->flags & SWP_NOSIZE) && !CheckNewSize(Pos->cx, Pos->cy)) Pos->flags |= SWP_NOSIZE;
    }
    DefaultHandler(Message);
    return;
  case WM_SIZE: {
    if (FHandle) UpdateBounds();
    DefaultHandler(Message);
    Realign();
    if (!ComponentState().Contains(csLoading)) Resize();
    return;
  }
  case WM_MOVE:
    DefaultHandler(Message);
    if (FHandle) UpdateBounds();
    return;
  case WM_SETCURSOR: WMSetCursor(Message); return;
  case WM_MOUSELEAVE:
    if (WindowHolder(MouseControl()) == this) SetMouseControl(nullptr);
    DefaultHandler(Message);
    return;
  case WM_NCDESTROY:
    DefaultHandler(Message);
    if (FHandle) ControlWindows().erase(FHandle);
    FHandle = 0;
    FShowing = false;
    return;
  case WM_KEYDOWN:
  case WM_SYSKEYDOWN:
    if (!DoKeyDown(Message)) DefaultHandler(Message);
    return;
  case WM_KEYUP:
  case WM_SYSKEYUP:
    if (!DoKeyUp(Message)) DefaultHandler(Message);
    return;
  case WM_CHAR:
    if (!DoKeyPress(Message)) DefaultHandler(Message);
    return;
  case WM_CONTEXTMENU: {
    if (Message.Result != 0) return;
    const TPoint Screen = LParamToPoint(Message.LParam);
    if (!(Screen.X == -1 && Screen.Y == -1) && FHandle)
      if (TControl* Child = ControlAtPos(ScreenToClient(Screen), false)) {
        Message.Result = Child->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
        if (Message.Result != 0) return;
      }
    TControl::Dispatch(Message);
    return;
  }
  case WM_COMMAND:
  case WM_DRAWITEM:
  case WM_MEASUREITEM:
  case WM_HSCROLL:
  case WM_VSCROLL:
  case WM_CTLCOLORMSGBOX:
  case WM_CTLCOLOREDIT:
  case WM_CTLCOLORLISTBOX:
  case WM_CTLCOLORBTN:
  case WM_CTLCOLORDLG:
  case WM_CTLCOLORSCROLLBAR:
  case WM_CTLCOLORSTATIC:
    if (!ReflectToControl(Message)) DefaultHandler(Message);
    return;
  case CN_CTLCOLORMSGBOX:
  case CN_CTLCOLOREDIT:
  case CN_CTLCOLORLISTBOX:
  case CN_CTLCOLORBTN:
  case CN_CTLCOLORDLG:
  case CN_CTLCOLORSCROLLBAR:
  case CN_CTLCOLORSTATIC: {
    const HDC DC = reinterpret_cast<HDC>(Message.WParam);
    SetTextColor(DC, ColorToRGB(Font()->Color()));
    SetBkColor(DC, ColorToRGB(FBrush->Color()));
    Message.Result = LRESULT(FBrush->Handle());
    return;
  }
  case CN_KEYDOWN:
  case CN_SYSKEYDOWN: CNKeyDown(Message); return;
  case CN_CHAR: CNChar(Message); return;
  case CN_SYSCHAR: CNSysChar(Message); return;
  case CM_DIALOGKEY:
  case CM_DIALOGCHAR:
  case CM_FOCUSCHANGED: Broadcast(Message); return;
  case CM_ENTER: DoEnter(); return;
  case CM_EXIT: DoExit(); return;
  case CM_RECREATEWND: {
    TWinControl* Focus = FindControl(GetFocus());
    const bool HadFocus = Focus && ContainsControl(Focus);
    DestroyHandle();
    UpdateControlState();
    if (HadFocus && Focus->HandleAllocated()) ::SetFocus(Focus->FHandle);
    return;
  }
  case CM_SHOWINGCHANGED:
    SetWindowPos(FHandle, 0, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    return;
  case CM_VISIBLECHANGED:
    if (!FVisible && FParent) RemoveFocus(false);
    UpdateControlState();
    return;
  case CM_ENABLEDCHANGED:
    if (!Enabled() && FParent) RemoveFocus(false);
    if (FHandle) EnableWindow(FHandle, Enabled());
    return;
  case CM_COLORCHANGED:
    TControl::Dispatch(Message);
    FBrush->SetColor(FColor);
    NotifyControls(CM_PARENTCOLORCHANGED);
    return;
  case CM_FONTCHANGED:
    TControl::Dispatch(Message);
    if (FHandle) Perform(WM_SETFONT, WPARAM(Font()->Handle()), 0);
    NotifyControls(CM_PARENTFONTCHANGED);
    return;
  case CM_SHOWHINTCHANGED: NotifyControls(CM_PARENTSHOWHINTCHANGED); return;
  case CM_CTL3DCHANGED: NotifyControls(CM_PARENTCTL3DCHANGED); return;
  case CM_BIDIMODECHANGED: NotifyControls(CM_PARENTBIDIMODECHANGED); return;
  default: TControl::Dispatch(Message); return;
  }
}

void TWinControl::DispatchPaintingThemselves(TMessage& Message) {
  if (Message.Msg != WM_PAINT) {
    TWinControl::Dispatch(Message);
    return;
  }
  FControlState.Include(csCustomPaint);
  ScopeGuard Painted([&] { FControlState.Exclude(csCustomPaint); });
  TWinControl::Dispatch(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (FHandle)
    Message.Result = CallWindowProc(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
  else
    TControl::DefaultHandler(Message);
}

// A child window's notification goes back to the child's control as CN_BASE + the message, so the
// control that caused it handles it.
bool TWinControl::ReflectToControl(TMessage& Message) {
  HWND Child = 0;
  switch (Message.Msg) {
  case WM_DRAWITEM:
    if (Message.LParam) Child = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam)->hwndItem;
    break;
  case WM_MEASUREITEM:
    if (Message.LParam) Child = reinterpret_cast<const MEASUREITEMSTRUCT*>(Message.LParam)->hwndItem;
    break;
  default: Child = HWND(Message.LParam); break;
  }
  TWinControl* Control = FindControl(Child);
  if (!Control || Control == this) return false;
  Message.Result = Control->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
  return true;
}

void TWinControl::WMSetCursor(TMessage& Message) {
  if (HWND(Message.WParam) == FHandle && short(LOWORD(uintptr_t(Message.LParam))) == HTCLIENT) {
    IControlHost* Host = ControlHost();
    TCursor Cursor = Host ? Host->ScreenCursor() : crDefault;
    if (Cursor == crDefault) {
      TPoint P;
      GetCursorPos(&P);
      if (TControl* Child = ControlAtPos(ScreenToClient(P), false)) Cursor = Child->Cursor();
      if (Cursor == crDefault) Cursor = this->Cursor();
    }
    if (Cursor != crDefault) {
      ::SetCursor(Host ? Host->CursorHandle(Cursor) : SystemCursorHandle(Cursor));
      Message.Result = 1;
      return;
    }
  }
  DefaultHandler(Message);
}

// ---- Keys ----------------------------------------------------------------------------------------------

void TWinControl::CNKeyDown(TMessage& Message) {
  Message.Result = 1;
  TWinControl* Top = TreeTop();
  for (TControl* C = this; C; C = C->Parent())
    if (C->PopupMenuComponent())
      if (IControlHost* Host = ControlHost(); Host && Host->PopupMenuShortCut(C, Message)) return;
  if (Top->IsShortCut(Message)) return;
  LRESULT Mask = 0;
  switch (Message.WParam) {
  case VK_TAB: Mask = DLGC_WANTTAB; break;
  case VK_LEFT:
  case VK_RIGHT:
  case VK_UP:
  case VK_DOWN: Mask = DLGC_WANTARROWS; break;
  case VK_RETURN:
  case VK_EXECUTE_KEY:
  case VK_ESCAPE:
  case VK_CANCEL: Mask = DLGC_WANTALLKEYS; break;
  }
  if (Mask && Perform(CM_WANTSPECIALKEY, Message.WParam, 0) == 0 && (Perform(WM_GETDLGCODE, 0, 0) & Mask) == 0 &&
      Top->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0)
    return;
  Message.Result = 0;
}

void TWinControl::CNChar(TMessage& Message) {
  Message.Result = 1;
  if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0 &&
      TreeTop()->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0)
    return;
  Message.Result = 0;
}

void TWinControl::CNSysChar(TMessage& Message) {
  if (Message.WParam != VK_SPACE) Message.Result = TreeTop()->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam);
}

bool TWinControl::DoKeyDown(TMessage& Message) {
  TWinControl* Top = TreeTop();
  if (Top != this && Top->KeyPreviewActive() && Top->DoKeyDown(Message)) return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  Word Key = Word(Message.WParam);
  KeyDown(Key, KeyDataToShiftState(Message.LParam));
  Message.WParam = Key;
  return Key == 0;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
  TWinControl* Top = TreeTop();
  if (Top != this && Top->KeyPreviewActive() && Top->DoKeyUp(Message)) return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  Word Key = Word(Message.WParam);
  KeyUp(Key, KeyDataToShiftState(Message.LParam));
  Message.WParam = Key;
  return Key == 0;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
  TWinControl* Top = TreeTop();
  if (Top != this && Top->KeyPreviewActive() && Top->DoKeyPress(Message)) return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  char32_t Key = char32_t(Message.WParam);
  KeyPress(Key);
  Message.WParam = Key;
  return Key == 0;
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) {
  if (OnKeyDown) {
    const TKeyEvent Handler = OnKeyDown;
    Handler(this, Key, Shift);
  }
}

void TWinControl::KeyUp(Word& Key, TShiftState Shift) {
  if (OnKeyUp) {
    const TKeyEvent Handler = OnKeyUp;
    Handler(this, Key, Shift);
  }
}

void TWinControl::KeyPress(char32_t& Key) {
  if (OnKeyPress) {
    const TKeyPressEvent Handler = OnKeyPress;
    Handler(this, Key);
  }
}

void TWinControl::DoEnter() {
  if (OnEnter) {
    const TNotifyEvent Handler = OnEnter;
    Handler(this);
  }
}

void TWinControl::DoExit() {
  if (OnExit) {
    const TNotifyEvent Handler = OnExit;
    Handler(this);
  }
}
