#include "platform/ui/toolkit/TControl.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/toolkit/IControlHost.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/toolkit/TBasicAction.h"
#include "platform/ui/toolkit/TBasicActionLink.h"
#include "platform/ui/toolkit/TWinControl.h"
#include "platform/ui/winsys/Ui.h"

namespace {

TControl* GMouseControl = nullptr;
TControl* GCaptureControl = nullptr;

/// The longest prefix of Text that fits Capacity bytes and ends on a whole UTF-8 sequence.
size_t FittingPrefix(const String& Text, size_t Capacity) {
  if (Text.size() <= Capacity) return Text.size();
  size_t N = Capacity;
  while (N > 0 && (Byte(Text[N]) & 0xC0) == 0x80) --N;
  return N;
}

TPoint MessagePoint(const TMessage& Message) { return LParamToPoint(Message.LParam); }

}  // namespace

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FConstraints(std::make_unique<TSizeConstraints>(this)), FFont(std::make_unique<TFont>()) {
  FWindowProc = [this](TMessage& Message) { WndProc(Message); };
  FFont->OnChange = [this](TObject* Sender) { FontChanged(Sender); };
}

TControl::~TControl() {
  ForgetMouse(this);
  // A control that is not deleted (a local or a member) leaves its parent only here.
  if (FParent) FParent->RemoveControl(this);
  FActionLink.reset();
  FFont->OnChange = nullptr;
}

void TControl::BeforeDestruction() {
  TComponent::BeforeDestruction();
  if (FParent) FParent->RemoveControl(this);
}

// ---- Tree ----------------------------------------------------------------------------------------------

void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (AParent) {
    const auto* Self = dynamic_cast<const TWinControl*>(this);
    if (AParent == Self || (Self && Self->ContainsControl(AParent)))
      throw EInvalidOperation("A control cannot have itself or one of its children as its parent");
  }
  if (FParent) FParent->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

// ---- Geometry ------------------------------------------------------------------------------------------

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!CheckNewSize(AWidth, AHeight)) return;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  InvalidateControl(FVisible, false);
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  UpdateAnchorRules();
  Invalidate();
  WINDOWPOS Pos { 0, 0, FLeft, FTop, FWidth, FHeight, SWP_NOZORDER | SWP_NOACTIVATE };
  Perform(WM_WINDOWPOSCHANGED, 0, LPARAM(&Pos));
  RequestAlign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

TRect TControl::GetClientRect() { return Rect(0, 0, FWidth, FHeight); }

TPoint TControl::GetClientOrigin() {
  if (!FParent) throw EInvalidOperation(Format("Control '%s' has no parent window", Name()));
  const TPoint P = FParent->ClientOrigin();
  return { P.X + FLeft, P.Y + FTop };
}

TPoint TControl::ClientToScreen(TPoint P) {
  const TPoint O = ClientOrigin();
  return { P.X + O.X, P.Y + O.Y };
}

TPoint TControl::ScreenToClient(TPoint P) {
  const TPoint O = ClientOrigin();
  return { P.X - O.X, P.Y - O.Y };
}

void TControl::SetClientSize(TSize Value) {
  const TRect Client = GetClientRect();
  SetBounds(FLeft, FTop, FWidth - Client.Right + Value.cx, FHeight - Client.Bottom + Value.cy);
}

bool TControl::CanResize(int& NewWidth, int& NewHeight) {
  bool Result = true;
  if (OnCanResize) {
    const TCanResizeEvent Handler = OnCanResize;
    Handler(this, NewWidth, NewHeight, Result);
  }
  return Result;
}

bool TControl::CanAutoSize(int& NewWidth, int& NewHeight) {
  (void)NewWidth;
  (void)NewHeight;
  return true;
}

void TControl::ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight) {
  (void)MinWidth;
  (void)MinHeight;
  (void)MaxWidth;
  (void)MaxHeight;
}

void TControl::DoConstrainedResize(int& NewWidth, int& NewHeight) {
  int MinWidth = std::max(FConstraints->MinWidth(), 0);
  int MinHeight = std::max(FConstraints->MinHeight(), 0);
  int MaxWidth = FConstraints->MaxWidth() > 0 ? FConstraints->MaxWidth() : INT_MAX;
  int MaxHeight = FConstraints->MaxHeight() > 0 ? FConstraints->MaxHeight() : INT_MAX;
  ConstrainedResize(MinWidth, MinHeight, MaxWidth, MaxHeight);
  if (MaxWidth > 0 && NewWidth > MaxWidth)
    NewWidth = MaxWidth;
  else if (MinWidth > 0 && NewWidth < MinWidth)
    NewWidth = MinWidth;
  if (MaxHeight > 0 && NewHeight > MaxHeight)
    NewHeight = MaxHeight;
  else if (MinHeight > 0 && NewHeight < MinHeight)
    NewHeight = MinHeight;
}

// CanResize and the constraints decide first; with AutoSize the control's own size wins (in the
// directions its alignment leaves free), passed through the same checks again.
bool TControl::CheckNewSize(int& NewWidth, int& NewHeight) {
  int W = NewWidth, H = NewHeight;
  if (!CanResize(W, H)) return false;
  DoConstrainedResize(W, H);
  int W2 = W, H2 = H;
  bool Result = true;
  if (FAutoSize && FAlign != alClient) {
    int AW = W2, AH = H2;
    if (CanAutoSize(AW, AH)) {
      if (FAlign == alNone || FAlign == alLeft || FAlign == alRight) W2 = AW;
      if (FAlign == alNone || FAlign == alTop || FAlign == alBottom) H2 = AH;
      if (W2 != W || H2 != H) {
        Result = CanResize(W2, H2);
        if (Result) DoConstrainedResize(W2, H2);
      }
    }
  }
  if (Result) {
    NewWidth = W2;
    NewHeight = H2;
  }
  return Result;
}

void TControl::AdjustSize() {
  if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::RequestAlign() {
  if (FParent) FParent->AlignControl(this);
}

void TControl::Resize() {
  if (OnResize) {
    const TNotifyEvent Handler = OnResize;
    Handler(this);
  }
}

// ---- Layout --------------------------------------------------------------------------------------------

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  const TAlign Old = FAlign;
  FAlign = Value;
  FAnchors = AnchorAlign(Value);
  if (!ComponentState().Contains(csLoading) && FParent) {
    const auto Vertical = [](TAlign A) { return A == alTop || A == alBottom; };
    const auto Horizontal = [](TAlign A) { return A == alLeft || A == alRight; };
    if ((Vertical(Old) && Horizontal(Value)) || (Horizontal(Old) && Vertical(Value)))
      SetBounds(FLeft, FTop, FHeight, FWidth);
    else
      AdjustSize();
  }
  RequestAlign();
}

void TControl::SetAnchors(TAnchors Value) {
  if (FAnchors == Value) return;
  FAnchors = Value;
  if (!ComponentState().Contains(csLoading)) UpdateAnchorRules();
}

void TControl::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  if (Value) AdjustSize();
}

TPoint TControl::ParentSizeForAnchors() const {
  if (FParent->HandleAllocated()) {
    const TRect R = FParent->ClientRect();
    return { R.Right, R.Bottom };
  }
  return { FParent->Width(), FParent->Height() };
}

// An anchored edge keeps its distance to the parent's edge; with both edges of a direction the size
// follows; with neither the centre keeps its relative place. The rules remember what to keep.
void TControl::UpdateAnchorRules() {
  if (FAnchorMove || ComponentState().Contains(csLoading)) return;
  if (FAnchors == TAnchors { akLeft, akTop }) {
    FOriginalParentSize = {};
    return;
  }
  if (FAnchors.Contains(akRight))
    FAnchorRules.X = FAnchors.Contains(akLeft) ? FWidth : FLeft;
  else
    FAnchorRules.X = FLeft + FWidth / 2;
  if (FAnchors.Contains(akBottom))
    FAnchorRules.Y = FAnchors.Contains(akTop) ? FHeight : FTop;
  else
    FAnchorRules.Y = FTop + FHeight / 2;
  if (FParent) FOriginalParentSize = ParentSizeForAnchors();
}

// ---- State ---------------------------------------------------------------------------------------------

void TControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, Value, 0);
  RequestAlign();
}

void TControl::Show() { SetVisible(true); }

void TControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

// ---- Text, colour, font --------------------------------------------------------------------------------

String TControl::GetText() {
  const LRESULT Length = Perform(WM_GETTEXTLENGTH, 0, 0);
  if (Length <= 0) return {};
  String Buffer(size_t(Length) + 1, '\0');
  const LRESULT Copied = Perform(WM_GETTEXT, Buffer.size(), LPARAM(Buffer.data()));
  Buffer.resize(size_t(std::clamp<LRESULT>(Copied, 0, Length)));
  return Buffer;
}

void TControl::SetText(const String& Value) {
  if (GetText() == Value) return;
  Perform(WM_SETTEXT, 0, LPARAM(Value.c_str()));
  Perform(CM_TEXTCHANGED, 0, 0);
}

// While the caption still equals the name, renaming the control renames its caption too.
void TControl::SetName(const String& Value) {
  const bool OwnerLoading = Owner() && dynamic_cast<TControl*>(Owner()) && Owner()->ComponentState().Contains(csLoading);
  const bool ChangeText = FControlStyle.Contains(csSetCaption) && !ComponentState().Contains(csLoading) &&
                          Name() == GetText() && !OwnerLoading;
  TComponent::SetName(Value);
  if (ChangeText) SetText(Value);
}

void TControl::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  if (FParent && !ComponentState().Contains(csReading)) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::FontChanged(TObject* Sender) {
  (void)Sender;
  FParentFont = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (FParent && !ComponentState().Contains(csReading)) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  FParentShowHint = false;
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value) {
  if (FParentShowHint == Value) return;
  FParentShowHint = Value;
  if (FParent && !ComponentState().Contains(csReading)) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetCtl3D(bool Value) {
  if (FCtl3D == Value) return;
  FCtl3D = Value;
  FParentCtl3D = false;
  Perform(CM_CTL3DCHANGED, 0, 0);
}

void TControl::SetParentCtl3D(bool Value) {
  if (FParentCtl3D == Value) return;
  FParentCtl3D = Value;
  if (FParent && !ComponentState().Contains(csReading)) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
  if (FBiDiMode == Value) return;
  FBiDiMode = Value;
  FParentBiDiMode = false;
  Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool Value) {
  if (FParentBiDiMode == Value) return;
  FParentBiDiMode = Value;
  if (FParent && !ComponentState().Contains(csReading)) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::CMParentFontChanged(TMessage& Message) {
  if (!FParentFont) return;
  if (Message.WParam)
    SetFont(reinterpret_cast<TFont*>(Message.LParam));
  else if (FParent)
    SetFont(FParent->Font());
  FParentFont = true;
}

void TControl::CMParentColorChanged(TMessage& Message) {
  if (!FParentColor) return;
  if (Message.WParam)
    SetColor(TColor(Message.LParam));
  else if (FParent)
    SetColor(FParent->Color());
  FParentColor = true;
}

void TControl::CMParentCtl3DChanged(TMessage& Message) {
  (void)Message;
  if (!FParentCtl3D || !FParent) return;
  SetCtl3D(FParent->Ctl3D());
  FParentCtl3D = true;
}

void TControl::CMParentBiDiModeChanged(TMessage& Message) {
  (void)Message;
  if (!FParentBiDiMode || !FParent) return;
  SetBiDiMode(FParent->BiDiMode());
  FParentBiDiMode = true;
}

void TControl::CMParentShowHintChanged(TMessage& Message) {
  (void)Message;
  if (!FParentShowHint || !FParent) return;
  SetShowHint(FParent->ShowHint());
  FParentShowHint = true;
}

// ---- Menus and actions ---------------------------------------------------------------------------------

void TControl::SetPopupMenuComponent(TComponent* Value) {
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

TBasicAction* TControl::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TControl::SetAction(TBasicAction* Value) {
  if (!Value) {
    FActionLink.reset();
    FControlStyle.Exclude(csActionClient);
    return;
  }
  if (!FActionLink) FActionLink = std::make_unique<TBasicActionLink>(this);
  FActionLink->SetAction(Value);
  FControlStyle.Include(csActionClient);
  ActionChange(Value, ComponentState().Contains(csLoading));
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  if (auto* Action = dynamic_cast<TBasicAction*>(Sender)) Action->ApplyTo(this, CheckDefaults);
}

// ---- Component protocol --------------------------------------------------------------------------------

// Controls put on their parent while being built skipped the parent's font, colour and hint notices;
// they follow them now.
void TControl::Loaded() {
  TComponent::Loaded();
  ParentNotices();
  if (TBasicAction* A = Action()) ActionChange(A, true);
  UpdateAnchorRules();
}

void TControl::ParentNotices() {
  if (!FParent) return;
  Perform(CM_PARENTCOLORCHANGED, 0, 0);
  Perform(CM_PARENTFONTCHANGED, 0, 0);
  Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
  Perform(CM_PARENTCTL3DCHANGED, 0, 0);
  Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

// ---- Messages ------------------------------------------------------------------------------------------

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage Message { Msg, WParam, LParam, 0 };
  const TWndMethod Proc = FWindowProc;  // a handler may replace WindowProc while it runs
  Proc(Message);
  return Message.Result;
}

void TControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_CANCELMODE && Dragging()) EndDrag(false);
  if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
    if (Dragging()) {
      DragMouseMessage(Message);
      return;
    }
    if (!FControlStyle.Contains(csDoubleClicks) &&
        (Message.Msg == WM_LBUTTONDBLCLK || Message.Msg == WM_RBUTTONDBLCLK || Message.Msg == WM_MBUTTONDBLCLK))
      Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    switch (Message.Msg) {
    case WM_MOUSEMOVE:
      if (IControlHost* Host = ControlHost()) Host->HintMouseMessage(this, Message);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FDragMode == dmAutomatic && FDragKind == dkDrag && !ComponentState().Contains(csDesigning)) {
        BeginDrag(false);
        return;
      }
      FControlState.Include(csLButtonDown);
      break;
    case WM_LBUTTONUP: FControlState.Exclude(csLButtonDown); break;
    }
  }
  Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_LBUTTONDOWN: WMLButtonDown(Message, false); return;
  case WM_LBUTTONDBLCLK: WMLButtonDown(Message, true); return;
  case WM_LBUTTONUP: WMLButtonUp(Message); return;
  case WM_RBUTTONDOWN:
  case WM_RBUTTONDBLCLK:
  case WM_MBUTTONDOWN:
  case WM_MBUTTONDBLCLK: {
    const bool Double = Message.Msg == WM_RBUTTONDBLCLK || Message.Msg == WM_MBUTTONDBLCLK;
    const TMouseButton Button =
        Message.Msg == WM_RBUTTONDOWN || Message.Msg == WM_RBUTTONDBLCLK ? mbRight : mbMiddle;
    SendCancelMode();
    DefaultHandler(Message);
    DoMouseDown(Message, Button, Double ? TShiftState { ssDouble } : TShiftState {});
    return;
  }
  case WM_RBUTTONUP:
  case WM_MBUTTONUP:
    DefaultHandler(Message);
    DoMouseUp(Message, Message.Msg == WM_RBUTTONUP ? mbRight : mbMiddle);
    return;
  case WM_MOUSEMOVE:
    DefaultHandler(Message);
    if (!FControlStyle.Contains(csNoStdEvents)) {
      const TPoint P = MessagePoint(Message);
      MouseMove(KeysToShiftState(Message.WParam), P.X, P.Y);
    }
    return;
  case WM_CONTEXTMENU: WMContextMenu(Message); return;
  case CM_VISIBLECHANGED: InvalidateControl(true, FVisible && FControlStyle.Contains(csOpaque)); return;
  case CM_ENABLEDCHANGED:
  case CM_COLORCHANGED:
  case CM_FONTCHANGED:
  case CM_INVALIDATE: Invalidate(); return;
  case CM_PARENTFONTCHANGED: CMParentFontChanged(Message); return;
  case CM_PARENTCOLORCHANGED: CMParentColorChanged(Message); return;
  case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(Message); return;
  case CM_PARENTCTL3DCHANGED: CMParentCtl3DChanged(Message); return;
  case CM_PARENTBIDIMODECHANGED: CMParentBiDiModeChanged(Message); return;
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE: CMMouseEnterLeave(Message); return;
  case CM_HITTEST: Message.Result = HTCLIENT; return;
  default: DefaultHandler(Message); return;
  }
}

void TControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
  case WM_GETTEXT: {
    char* Out = reinterpret_cast<char*>(Message.LParam);
    if (!Out || Message.WParam == 0) {
      Message.Result = 0;
      return;
    }
    const size_t N = FittingPrefix(FText, Message.WParam - 1);
    std::memcpy(Out, FText.data(), N);
    Out[N] = '\0';
    Message.Result = LRESULT(N);
    return;
  }
  case WM_GETTEXTLENGTH: Message.Result = LRESULT(FText.size()); return;
  case WM_SETTEXT: {
    const char* Text = reinterpret_cast<const char*>(Message.LParam);
    FText = Text ? Text : "";
    Message.Result = 1;
    return;
  }
  default: return;
  }
}

// ---- Mouse ---------------------------------------------------------------------------------------------

void TControl::SendCancelMode() {
  TWinControl* Top = FParent;
  if (auto* Self = dynamic_cast<TWinControl*>(this)) Top = Self;
  while (Top && Top->Parent()) Top = Top->Parent();
  if (Top) Top->SendCancelMode(this);
}

void TControl::WMLButtonDown(TMessage& Message, bool Double) {
  SendCancelMode();
  DefaultHandler(Message);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (!Double && FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
  if (Double) {
    const std::weak_ptr<bool> Life = FLife;
    if (FControlStyle.Contains(csClickEvents)) DblClick();
    if (Life.expired()) return;
  }
  DoMouseDown(Message, mbLeft, Double ? TShiftState { ssDouble } : TShiftState {});
}

void TControl::WMLButtonUp(TMessage& Message) {
  DefaultHandler(Message);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (FControlState.Contains(csClicked)) {
    FControlState.Exclude(csClicked);
    const TPoint P = MessagePoint(Message);
    if (GetClientRect().Contains(P)) {
      const std::weak_ptr<bool> Life = FLife;
      Click();
      if (Life.expired()) return;
    }
  }
  DoMouseUp(Message, mbLeft);
}

void TControl::DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift) {
  if (FControlStyle.Contains(csNoStdEvents)) return;
  const TPoint P = MessagePoint(Message);
  MouseDown(Button, KeysToShiftState(Message.WParam) + Shift, P.X, P.Y);
}

void TControl::DoMouseUp(TMessage& Message, TMouseButton Button) {
  if (FControlStyle.Contains(csNoStdEvents)) return;
  const TPoint P = MessagePoint(Message);
  MouseUp(Button, KeysToShiftState(Message.WParam), P.X, P.Y);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) {
    const TMouseEvent Handler = OnMouseDown;
    Handler(this, Button, Shift, X, Y);
  }
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) {
    const TMouseMoveEvent Handler = OnMouseMove;
    Handler(this, Shift, X, Y);
  }
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) {
    const TMouseEvent Handler = OnMouseUp;
    Handler(this, Button, Shift, X, Y);
  }
}

void TControl::Click() {
  if (OnClick) {
    const TNotifyEvent Handler = OnClick;
    Handler(this);
  } else if (FActionLink) {
    FActionLink->Execute();
  }
}

void TControl::DblClick() {
  if (OnDblClick) {
    const TNotifyEvent Handler = OnDblClick;
    Handler(this);
  }
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled) {
  if (OnContextPopup) {
    const TContextPopupEvent Handler = OnContextPopup;
    Handler(this, MousePos, Handled);
  }
}

// lParam is the screen point, (-1, -1) when the keyboard asked; the popup then opens at the control's
// corner.
void TControl::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0) return;
  TPoint Screen = MessagePoint(Message);
  const bool FromKeyboard = Screen.X == -1 && Screen.Y == -1;
  bool Handled = false;
  DoContextPopup(FromKeyboard ? TPoint { -1, -1 } : ScreenToClient(Screen), Handled);
  if (Handled) {
    Message.Result = 1;
    return;
  }
  if (FPopupMenu) {
    if (FromKeyboard) Screen = ClientToScreen({ 0, 0 });
    if (IControlHost* Host = ControlHost(); Host && Host->PopupContextMenu(this, Screen)) {
      Message.Result = 1;
      return;
    }
  }
  DefaultHandler(Message);
}

void TControl::CMMouseEnterLeave(TMessage& Message) {
  if (Message.LParam != 0) return;
  const TNotifyEvent& Event = Message.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave;
  if (Event) {
    const TNotifyEvent Handler = Event;
    Handler(this);
  }
}

// ---- Capture and the control under the pointer ---------------------------------------------------------

TControl* TControl::MouseControl() { return GMouseControl; }

TControl* TControl::CaptureControl() {
  TWinControl* Holder = FindControl(GetCapture());
  if (Holder && GCaptureControl && GCaptureControl->FParent == Holder) return GCaptureControl;
  return Holder;
}

// A windowless control captures through its parent's window and is remembered, so the parent routes
// the captured messages to it.
void TControl::SetCaptureControl(TControl* Control) {
  ReleaseCapture();
  GCaptureControl = nullptr;
  if (!Control) return;
  auto* Windowed = dynamic_cast<TWinControl*>(Control);
  if (!Windowed) {
    if (!Control->FParent) return;
    GCaptureControl = Control;
    Windowed = Control->FParent;
  }
  SetCapture(Windowed->Handle());
}

void TControl::SetMouseCapture(bool Value) {
  if ((CaptureControl() == this) == Value) return;
  SetCaptureControl(Value ? this : nullptr);
}

void TControl::SetMouseControl(TControl* Control) {
  if (GMouseControl == Control) return;
  TControl* Old = GMouseControl;
  GMouseControl = Control;
  if (Old) Old->Perform(CM_MOUSELEAVE, 0, 0);
  if (Control && GMouseControl == Control) Control->Perform(CM_MOUSEENTER, 0, 0);
}

void TControl::ForgetMouse(TControl* Control) {
  if (GMouseControl == Control) GMouseControl = nullptr;
  if (GCaptureControl == Control) GCaptureControl = nullptr;
}

// ---- Painting and z-order ------------------------------------------------------------------------------

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque) {
  if (!IsVisible || !FParent || !FParent->HandleAllocated()) return;
  const TRect R = BoundsRect();
  InvalidateRect(FParent->Handle(), &R, !(IsOpaque || FParent->ControlStyle().Contains(csOpaque)));
}

void TControl::Invalidate() { InvalidateControl(FVisible, FControlStyle.Contains(csOpaque)); }

void TControl::Update() {
  if (FParent) FParent->Update();
}

// An opaque control paints itself and what lies above it now; any other needs its parent beneath it,
// so it goes through the parent's painting.
void TControl::Repaint() {
  if (!FVisible || !FParent || !FParent->HandleAllocated()) return;
  if (!FControlStyle.Contains(csOpaque)) {
    Invalidate();
    Update();
    return;
  }
  const HWND Wnd = FParent->Handle();
  const HDC DC = GetDC(Wnd);
  IntersectClipRect(DC, FLeft, FTop, FLeft + FWidth, FTop + FHeight);
  FParent->PaintControls(DC, this);
  ReleaseDC(Wnd, DC);
}

void TControl::SetZOrder(bool TopMost) {
  if (!FParent) return;
  auto& List = FParent->FControls;
  const auto It = std::find(List.begin(), List.end(), this);
  if (It == List.end()) return;
  List.erase(It);
  List.insert(TopMost ? List.end() : List.begin(), this);
  InvalidateControl(FVisible, true);
}

HDC TControl::GetDeviceContext(HWND& WindowHandle) {
  if (!FParent) throw EInvalidOperation(Format("Control '%s' has no parent window", Name()));
  const HDC DC = FParent->GetDeviceContext(WindowHandle);
  SetViewportOrgEx(DC, FLeft, FTop, nullptr);
  IntersectClipRect(DC, 0, 0, FWidth, FHeight);
  return DC;
}
