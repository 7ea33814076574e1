#include "platform/ui/toolkit/TTrackBar.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/VirtualKeys.h"

namespace {

constexpr int ThumbThickness = 11;  // across the channel's length
constexpr int ThumbLength = 20;     // across the control
constexpr int Margin = 8;           // between the control's ends and the channel's

}  // namespace

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = { csCaptureMouse, csClickEvents, csDoubleClicks };
  FWidth = 150;
  FHeight = 45;
  SetColor(clBtnFace);
  SetTabStop(true);
}

void TTrackBar::SetMin(int Value) {
  if (Value > FMax || Value == FMin) return;
  FMin = Value;
  if (FPosition < FMin)
    SetPosition(FMin);
  else
    Invalidate();
}

void TTrackBar::SetMax(int Value) {
  if (Value < FMin || Value == FMax) return;
  FMax = Value;
  if (FPosition > FMax)
    SetPosition(FMax);
  else
    Invalidate();
}

void TTrackBar::SetPosition(int Value) {
  Value = std::clamp(Value, FMin, FMax);
  if (Value == FPosition) return;
  FPosition = Value;
  Invalidate();
  Changed();
}

void TTrackBar::SetFrequency(int Value) {
  FFrequency = Value;
  Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

void TTrackBar::SetTickMarks(TTickMark Value) {
  FTickMarks = Value;
  Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle Value) {
  FTickStyle = Value;
  Invalidate();
}

void TTrackBar::Changed() {
  if (OnChange) {
    const TNotifyEvent Handler = OnChange;
    Handler(this);
  }
}

// ---- Geometry ----------------------------------------------------------------------------------------------

// The channel lies in the middle across the control, or nearer the side without ticks.
TRect TTrackBar::ChannelRect() const {
  const int Length = Vertical() ? FHeight : FWidth, Across = Vertical() ? FWidth : FHeight;
  int Middle = Across / 2;
  if (FTickMarks == tmBottomRight) Middle = std::min(Middle, ThumbLength / 2 + 4);
  if (FTickMarks == tmTopLeft) Middle = std::max(Middle, Across - ThumbLength / 2 - 4);
  const TRect Along = Rect(Margin, Middle - 2, std::max(Margin + 1, Length - Margin), Middle + 2);
  return Vertical() ? Rect(Along.Top, Along.Left, Along.Bottom, Along.Right) : Along;
}

int TTrackBar::OffsetOf(int Position) const {
  const TRect C = ChannelRect();
  const int Span = (Vertical() ? C.Height() : C.Width()) - 1;
  return FMax == FMin ? 0 : int(int64_t(Position - FMin) * Span / (int64_t(FMax) - FMin));
}

int TTrackBar::PositionAt(int Offset) const {
  const TRect C = ChannelRect();
  const int Span = std::max(1, (Vertical() ? C.Height() : C.Width()) - 1);
  const int64_t Range = int64_t(FMax) - FMin;
  return FMin + int((int64_t(std::clamp(Offset, 0, Span)) * Range * 2 + Span) / (2 * Span));
}

TRect TTrackBar::ThumbRect() const {
  const TRect C = ChannelRect();
  if (Vertical()) {
    const int Y = C.Top + OffsetOf(FPosition);
    const int X = (C.Left + C.Right) / 2;
    return Bounds(X - ThumbLength / 2, Y - ThumbThickness / 2, ThumbLength, ThumbThickness);
  }
  const int X = C.Left + OffsetOf(FPosition);
  const int Y = (C.Top + C.Bottom) / 2;
  return Bounds(X - ThumbThickness / 2, Y - ThumbLength / 2, ThumbThickness, ThumbLength);
}

// ---- Input -------------------------------------------------------------------------------------------------

void TTrackBar::KeyDown(Word& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  switch (Key) {
  case VK_LEFT:
  case VK_UP: SetPosition(FPosition - FLineSize); break;
  case VK_RIGHT:
  case VK_DOWN: SetPosition(FPosition + FLineSize); break;
  case VK_PRIOR: SetPosition(FPosition - FPageSize); break;
  case VK_NEXT: SetPosition(FPosition + FPageSize); break;
  case VK_HOME: SetPosition(FMin); break;
  case VK_END: SetPosition(FMax); break;
  }
}

// A press on the thumb takes it along; a press on either side of it moves a page towards the pointer.
void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (CanFocus()) SetFocus();
  const TRect Thumb = ThumbRect();
  const int Along = Vertical() ? Y : X;
  const int ThumbStart = Vertical() ? Thumb.Top : Thumb.Left, ThumbEnd = Vertical() ? Thumb.Bottom : Thumb.Right;
  if (Along >= ThumbStart && Along < ThumbEnd && (Vertical() ? X >= Thumb.Left && X < Thumb.Right
                                                             : Y >= Thumb.Top && Y < Thumb.Bottom)) {
    FDragging = true;
    FGrip = Along - (ThumbStart + ThumbEnd) / 2;
  } else {
    SetPosition(FPosition + (Along < ThumbStart ? -FPageSize : FPageSize));
  }
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  const TRect C = ChannelRect();
  SetPosition(PositionAt((Vertical() ? Y - C.Top : X - C.Left) - FGrip));
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) FDragging = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TTrackBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
  case WM_CANCELMODE:
  case WM_CAPTURECHANGED: FDragging = false; break;
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
  case WM_SIZE:
  case CM_ENABLEDCHANGED: Invalidate(); break;
  }
  TCustomControl::Dispatch(Message);
}

// ---- Painting ----------------------------------------------------------------------------------------------

void TTrackBar::PaintTicks(TCanvas* C) {
  if (FTickStyle != tsAuto || FFrequency <= 0) return;
  const TRect Channel = ChannelRect(), Thumb = ThumbRect();
  C->Pen()->SetColor(clWindowText);
  // A line from From to To across the channel at At along it.
  auto Line = [&](int At, int From, int To) {
    if (Vertical()) {
      C->MoveTo(From, At);
      C->LineTo(To, At);
    } else {
      C->MoveTo(At, From);
      C->LineTo(At, To);
    }
  };
  auto Tick = [&](int Position) {
    const int At = (Vertical() ? Channel.Top : Channel.Left) + OffsetOf(Position);
    const int Size = Position == FMin || Position == FMax ? 4 : 3;
    if (FTickMarks != tmTopLeft) {
      const int From = (Vertical() ? Thumb.Right : Thumb.Bottom) + 2;
      Line(At, From, From + Size);
    }
    if (FTickMarks != tmBottomRight) {
      const int From = (Vertical() ? Thumb.Left : Thumb.Top) - 3;
      Line(At, From, From - Size);
    }
  };
  for (int64_t P = FMin; P < FMax; P += FFrequency) Tick(int(P));
  Tick(FMax);
}

void TTrackBar::Paint() {
  TCanvas* C = Canvas();
  C->Brush()->SetColor(Color());
  C->FillRect(ClientRect());
  TRect Channel = ChannelRect();
  DrawEdge(C->Handle(), Channel, EDGE_SUNKEN, BF_RECT);
  PaintTicks(C);
  TRect Thumb = ThumbRect();
  C->Brush()->SetColor(clBtnFace);
  C->FillRect(Thumb);
  DrawEdge(C->Handle(), Thumb, EDGE_RAISED, BF_RECT);
  if (Focused()) {
    const TRect Client = ClientRect();
    C->DrawFocusRect(Rect(Client.Left + 1, Client.Top + 1, Client.Right - 1, Client.Bottom - 1));
  }
}
