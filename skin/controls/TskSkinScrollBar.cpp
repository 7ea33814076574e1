#include "skin/controls/TskSkinScrollBar.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"

namespace {

constexpr UINT_PTR RepeatTimer = 1;
constexpr UINT FirstRepeatDelay = 500;
constexpr UINT RepeatInterval = 50;
/// Buttons and thumb without skin.
constexpr int DefaultButtonSize = 17;
constexpr int DefaultThumbLength = 16;

int RoundHalfEven(double Value) { return int(std::nearbyint(Value)); }

TRect Moved(const TRect& R, int DX, int DY) { return { R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY }; }

}  // namespace

TskSkinScrollBar::TskSkinScrollBar(TComponent* AOwner) : TskSkinCustomControl(AOwner) {
  FWidth = 200;
  FHeight = 19;
  SetDefaultHeight(19);
  SetSkinDataName("hscrollbar");
}

int TskSkinScrollBar::Clamped(int Value) const {
  if (Value < FMin) return FMin;
  return std::min(Value, FPageSize > 0 ? FMax - FPageSize + 1 : FMax);
}

void TskSkinScrollBar::SetPosition(int Value) {
  Value = Clamped(Value);
  if (Value == FPosition) return;
  FPosition = Value;
  Repaint();
  if (OnChange) OnChange(this);
}

void TskSkinScrollBar::SimplySetPosition(int AValue) {
  AValue = Clamped(AValue);
  if (AValue == FPosition) return;
  FPosition = AValue;
  Repaint();
}

void TskSkinScrollBar::SetRange(int AMin, int AMax, int APosition, int APageSize) {
  FMin = AMin;
  FMax = AMax;
  FPageSize = APageSize;
  FPosition = Clamped(APosition);
  Repaint();
}

void TskSkinScrollBar::SetMin(int Value) {
  FMin = Value;
  if (FPosition < FMin) FPosition = FMin;
  Repaint();
}

// The position counts from Min: a page that no longer fits beside it moves it back to the last position
// a page allows.
void TskSkinScrollBar::SetMax(int Value) {
  FMax = Value;
  if (FPageSize > 0) {
    if (FMax - FMin < FPageSize + (FPosition - FMin)) FPosition = std::max(FMax - FPageSize + 1, FMin);
  } else if (FPosition > FMax) {
    FPosition = FMax;
  }
  Repaint();
}

void TskSkinScrollBar::SetPageSize(int Value) {
  if (FMax - FMin + 1 >= Value + (FPosition - FMin)) FPageSize = Value;
  Repaint();
}

void TskSkinScrollBar::SetSmallChange(int Value) {
  FSmallChange = Value;
  Repaint();
}

void TskSkinScrollBar::SetLargeChange(int Value) {
  FLargeChange = Value;
  Repaint();
}

void TskSkinScrollBar::SetKind(TScrollBarKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  Repaint();
}

void TskSkinScrollBar::SetBoth(bool Value) {
  if (Value == FBoth) return;
  FBoth = Value;
  if (FBoth) {
    FNormalSkinDataName = SkinDataName();
    SetSkinDataName(FBothSkinDataName);
  } else if (!FNormalSkinDataName.empty()) {
    SetSkinDataName(FNormalSkinDataName);
  }
  GetSkinData();
  if (FIndex == -1)
    Repaint();
  else
    ChangeSkinData();
}

void TskSkinScrollBar::SetBothMarkerWidth(int Value) {
  if (Value < 0) return;
  FBothMarkerWidth = Value;
  if (FIndex == -1) Repaint();
}

void TskSkinScrollBar::SetCanFocused(bool Value) {
  FCanFocused = Value;
  SetTabStop(Value);
}

void TskSkinScrollBar::GetSkinData() {
  TskSkinCustomControl::GetSkinData();
  const auto* R = dynamic_cast<const TskDataSkinScrollBarControl*>(SkinRecord());
  if (!R) return;
  TrackArea = R->TrackArea;
  UpButtonRect = R->UpButtonRect;
  ActiveUpButtonRect = R->ActiveUpButtonRect;
  DownUpButtonRect = IsEmptyRect(R->DownUpButtonRect) ? R->ActiveUpButtonRect : R->DownUpButtonRect;
  DownButtonRect = R->DownButtonRect;
  ActiveDownButtonRect = R->ActiveDownButtonRect;
  DownDownButtonRect = IsEmptyRect(R->DownDownButtonRect) ? R->ActiveDownButtonRect : R->DownDownButtonRect;
  ThumbRect = R->ThumbRect;
  ActiveThumbRect = IsEmptyRect(R->ActiveThumbRect) ? R->ThumbRect : R->ActiveThumbRect;
  DownThumbRect = IsEmptyRect(R->DownThumbRect) ? ActiveThumbRect : R->DownThumbRect;
  ThumbOffset1 = R->ThumbOffset1;
  ThumbOffset2 = R->ThumbOffset2;
  ThumbTransparent = R->ThumbTransparent;
  ThumbTransparentColor = R->ThumbTransparentColor;
  ThumbStretchEffect = R->ThumbStretchEffect;
  ThumbMinSize = R->ThumbMinSize;
  ThumbMinPageSize = R->ThumbMinPageSize;
  GlyphRect = R->GlyphRect;
  ActiveGlyphRect = IsEmptyRect(R->ActiveGlyphRect) ? R->GlyphRect : R->ActiveGlyphRect;
  DownGlyphRect = IsEmptyRect(R->DownGlyphRect) ? ActiveGlyphRect : R->DownGlyphRect;
  GlyphTransparent = R->GlyphTransparent;
  GlyphTransparentColor = R->GlyphTransparentColor;
}

void TskSkinScrollBar::CalcSize(int& W, int& H) {
  TskSkinCustomControl::CalcSize(W, H);
  CalcRects();
}

void TskSkinScrollBar::CalcRects() {
  const bool Horz = Horizontal();
  const int Range = FMax - FMin;
  const double P = Range == 0 ? 0 : double(FPosition - FMin) / Range;
  const int PageRange = FMax - FPageSize + 1 - FMin;
  const double T = PageRange > 0 ? double(FPosition - FMin) / PageRange : Horz ? 1 : 0;
  TRect& Thumb = Buttons[0].R;
  TRect& Increase = Buttons[1].R;
  TRect& Decrease = Buttons[2].R;
  int Length = 0, Thickness = 0;
  double Ratio = 0;
  if (FIndex == -1) {
    if (Horz) {
      const int W = FWidth - (FBoth ? FBothMarkerWidth : 0);
      Decrease = Rect(1, 1, DefaultButtonSize, FHeight - 1);
      Increase = Rect(W - DefaultButtonSize, 1, W - 1, FHeight - 1);
      NewTrackArea = Rect(DefaultButtonSize, 1, W - DefaultButtonSize, FHeight - 1);
    } else {
      Decrease = Rect(1, 1, FWidth - 1, DefaultButtonSize);
      Increase = Rect(1, FHeight - DefaultButtonSize, FWidth - 1, FHeight - 1);
      NewTrackArea = Rect(1, DefaultButtonSize, FWidth - 1, FHeight - DefaultButtonSize);
    }
    const int TrackLength = Horz ? NewTrackArea.Width() : NewTrackArea.Height();
    Length = DefaultThumbLength;
    Ratio = P;
    if (FPageSize > 0) {
      const int Units = Range + 1;
      Length = std::max(Units == 0 ? 0 : RoundHalfEven(double(TrackLength) * FPageSize / Units), DefaultThumbLength);
      Ratio = T;
    }
    Thickness = Horz ? NewTrackArea.Height() : NewTrackArea.Width();
  } else {
    const int D = Horz ? FWidth - RectWidth(SkinRect) : FHeight - RectHeight(SkinRect);
    NewTrackArea = TrackArea;
    (Horz ? NewTrackArea.Right : NewTrackArea.Bottom) += D;
    auto Place = [&](const TRect& R) {
      if (Horz) return R.Left > RTPt.X ? Moved(R, D, 0) : R;
      return R.Top > LBPt.Y ? Moved(R, 0, D) : R;
    };
    Increase = Place(UpButtonRect);
    Decrease = Place(DownButtonRect);
    const int TrackLength = Horz ? NewTrackArea.Width() : NewTrackArea.Height();
    const int StartLength = ThumbMinSize != 0 ? ThumbMinSize : Horz ? ThumbRect.Width() : ThumbRect.Height();
    if (FPageSize > 0) {
      const int Units = Range + 1;
      Length = std::max(Units == 0 ? 0 : RoundHalfEven(double(TrackLength) * FPageSize / Units), StartLength);
      Ratio = T;
    } else {
      Length = ThumbMinPageSize != 0 ? ThumbMinPageSize : StartLength;
      Ratio = P;
    }
    Thickness = Horz ? ThumbRect.Height() : ThumbRect.Width();
  }
  const int TrackStart = Horz ? NewTrackArea.Left : NewTrackArea.Top;
  const int TrackEnd = Horz ? NewTrackArea.Right : NewTrackArea.Bottom;
  const int Half = Length / 2;
  Offset1 = TrackStart + Half;
  Offset2 = TrackEnd - Half;
  BOffset = RoundHalfEven((Offset2 - Offset1) * Ratio);
  const int From = Offset1 + BOffset - Half, To = Offset1 + BOffset + Half;
  const int AcrossStart = Horz ? NewTrackArea.Top : NewTrackArea.Left;
  const int AcrossThickness = Horz ? NewTrackArea.Height() : NewTrackArea.Width();
  const int Across = FIndex == -1 ? AcrossStart : AcrossStart + AcrossThickness / 2 - Thickness / 2;
  Thumb = Horz ? Rect(From, Across, To, Across + Thickness) : Rect(Across, From, Across + Thickness, To);
}

int TskSkinScrollBar::CalcPosition(int A) {
  const TRect& Thumb = Buttons[0].R;
  if (FPageSize > 0) {
    const int Half = (Horizontal() ? Thumb.Width() : Thumb.Height()) / 2;
    Offset1 = (Horizontal() ? NewTrackArea.Left : NewTrackArea.Top) + Half;
    Offset2 = (Horizontal() ? NewTrackArea.Right : NewTrackArea.Bottom) - Half;
  }
  const int Span = Offset2 - Offset1;
  const double K = std::clamp(Span > 0 ? double(A + OldBOffset) / Span : 0.0, 0.0, 1.0);
  const int Units = FPageSize > 0 ? FMax - FMin - FPageSize + 1 : FMax - FMin;
  return FMin + RoundHalfEven(Units * K);
}

// ---- Painting ----

bool TskSkinScrollBar::ThumbPressedLook() { return Buttons[0].Down || (FCanFocused && Focused()); }

void TskSkinScrollBar::CreateControlDefaultImage(TBitmap* B) {
  TskSkinCustomControl::CreateControlDefaultImage(B);
  CalcRects();
  TCanvas* C = B->Canvas();
  if (Enabled()) DrawBuiltInButton(C, Buttons[0].R, Buttons[0].MouseIn || ThumbPressedLook(), ThumbPressedLook());
  const bool Horz = Horizontal();
  for (int I : { 2, 1 }) {
    const TskCBButtonX& Button = Buttons[I];
    DrawBuiltInButton(C, Button.R, Button.MouseIn, Button.Down && Button.MouseIn);
    const int Kind = I == 1 ? (Horz ? 2 : 4) : (Horz ? 1 : 3);
    DrawArrow(C, Button.R, clBlack, Kind);
  }
}

void TskSkinScrollBar::CreateControlSkinImage(TBitmap* B) {
  if (!Picture) {
    CreateControlDefaultImage(B);
    return;
  }
  TskSkinCustomControl::CreateControlSkinImage(B);
  CalcRects();
  if (!Enabled()) return;
  DrawSkinButton(B, 2, ActiveDownButtonRect, DownDownButtonRect);
  DrawSkinButton(B, 1, ActiveUpButtonRect, DownUpButtonRect);
  DrawSkinThumb(B);
}

// The normal look of the buttons is part of the bar's picture; only a hot or pressed button is drawn over it.
void TskSkinScrollBar::DrawSkinButton(TBitmap* B, int I, const TRect& ActiveRect, const TRect& DownRect) {
  const TskCBButtonX& Button = Buttons[I];
  if (!Button.MouseIn) return;
  const TRect& State = Button.Down ? DownRect : ActiveRect;
  if (IsEmptyRect(State)) return;
  B->Canvas()->CopyRect(Button.R, Picture->Canvas(), State);
}

void TskSkinScrollBar::DrawSkinThumb(TBitmap* B) {
  const TskCBButtonX& Thumb = Buttons[0];
  const bool Horz = Horizontal();
  const TRect& State = ThumbPressedLook() ? DownThumbRect : Thumb.MouseIn ? ActiveThumbRect : ThumbRect;
  const int W = Thumb.R.Width(), H = Thumb.R.Height();
  if (W <= 0 || H <= 0 || IsEmptyRect(State)) return;
  TBitmap Image;
  Image.SetSize(W, H);
  if (FPageSize > 0 || ThumbMinPageSize != 0) {
    if (Horz)
      ComposeHorzStripImage(ThumbOffset1, ThumbOffset2, &Image, Picture, State, W, H, ThumbStretchEffect);
    else
      ComposeVertStripImage(ThumbOffset1, ThumbOffset2, &Image, Picture, State, W, H, ThumbStretchEffect);
  } else {
    Image.Canvas()->CopyRect(Rect(0, 0, W, H), Picture->Canvas(), Bounds(State.Left, State.Top, W, H));
  }
  const TRect& Glyph = ThumbPressedLook() ? DownGlyphRect : Thumb.MouseIn ? ActiveGlyphRect : GlyphRect;
  if (!IsEmptyRect(Glyph) && (Horz ? Glyph.Width() < W : Glyph.Height() < H)) {
    TBitmap GlyphImage;
    GlyphImage.SetSize(Glyph.Width(), Glyph.Height());
    GlyphImage.Canvas()->CopyRect(Rect(0, 0, Glyph.Width(), Glyph.Height()), Picture->Canvas(), Glyph);
    if (GlyphTransparent) {
      GlyphImage.SetTransparentColor(GlyphTransparentColor);
      GlyphImage.SetTransparent(true);
    }
    Image.Canvas()->Draw(W / 2 - Glyph.Width() / 2, H / 2 - Glyph.Height() / 2, &GlyphImage);
  }
  if (ThumbTransparent) {
    Image.SetTransparentColor(ThumbTransparentColor);
    Image.SetTransparent(true);
  }
  B->Canvas()->Draw(Thumb.R.Left, Thumb.R.Top, &Image);
}

// ---- Mouse ----

void TskSkinScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    MouseD = true;
    CalcRects();
    TimerMode = 0;
    WaitMode = true;
    const TPoint P { X, Y };
    int Hit = -1;
    for (int I = 0; I < 3 && Hit == -1; ++I)
      if (Buttons[I].R.Contains(P)) Hit = I;
    if (Hit != -1) {
      CaptureButton = Hit;
      ButtonDown(Hit, X, Y);
    } else if (NewTrackArea.Contains(P)) {
      const bool Before = Along(X, Y) < Along(Buttons[0].R.Left, Buttons[0].R.Top);
      SetPosition(Before ? FPosition - FLargeChange : FPosition + FLargeChange);
      TimerMode = Before ? 3 : 4;
      StartTimer(FirstRepeatDelay);
      TNotifyEvent& Paged = Before ? OnPageUp : OnPageDown;
      if (Paged) Paged(this);
    }
  }
  TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TskSkinScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
  MX = X;
  MY = Y;
  TestActive(X, Y);
  if (FDown) SetPosition(CalcPosition(Along(X, Y) - OMPos));
  TskSkinCustomControl::MouseMove(Shift, X, Y);
}

void TskSkinScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    MouseD = false;
    if (TimerMode == 3 || TimerMode == 4) StopTimer();
    const bool Dragged = CaptureButton == 0;
    if (CaptureButton != -1) ButtonUp(CaptureButton);
    CaptureButton = -1;
    if (Dragged && OnLastChange) OnLastChange(this);
  }
  TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TskSkinScrollBar::TestActive(int X, int Y) {
  int Hot = -1;
  for (int I = 0; I < 3 && Hot == -1; ++I)
    if (Buttons[I].R.Contains(TPoint { X, Y })) Hot = I;
  if (CaptureButton != -1 && Hot != CaptureButton) Hot = -1;
  if (Hot == ActiveButton) return;
  OldActiveButton = ActiveButton;
  ActiveButton = Hot;
  if (OldActiveButton != -1) ButtonLeave(OldActiveButton);
  if (ActiveButton != -1) ButtonEnter(ActiveButton);
}

void TskSkinScrollBar::ButtonDown(int I, int X, int Y) {
  Buttons[I].Down = true;
  Repaint();
  if (I == 1) {
    StepUp();
    TimerMode = 2;
    StartTimer(FirstRepeatDelay);
  } else if (I == 2) {
    StepDown();
    TimerMode = 1;
    StartTimer(FirstRepeatDelay);
  } else {
    const TRect& Thumb = Buttons[0].R;
    OMPos = Along(X, Y);
    OldBOffset = BOffset;
    OldPosition = FPosition;
    FScrollWidth = Along(NewTrackArea.Right, NewTrackArea.Bottom) - Along(Thumb.Right, Thumb.Bottom);
    if (FScrollWidth <= 0) FScrollWidth = Along(Thumb.Left, Thumb.Top) - Along(NewTrackArea.Left, NewTrackArea.Top);
    FDown = true;
    Repaint();
  }
}

void TskSkinScrollBar::ButtonUp(int I) {
  Buttons[I].Down = false;
  if (I != ActiveButton) Buttons[I].MouseIn = false;
  Repaint();
  if (I == 0)
    FDown = false;
  else
    StopTimer();
}

void TskSkinScrollBar::ButtonEnter(int I) {
  Buttons[I].MouseIn = true;
  Repaint();
  if (I != 0 && Buttons[I].Down) StartTimer(RepeatInterval);
}

void TskSkinScrollBar::ButtonLeave(int I) {
  Buttons[I].MouseIn = false;
  Repaint();
  if (I != 0 && Buttons[I].Down && HandleAllocated()) KillTimer(Handle(), RepeatTimer);
}

void TskSkinScrollBar::StepUp() {
  if (OnUpButtonClick)
    OnUpButtonClick(this);
  else
    SetPosition(FPosition + FSmallChange);
}

void TskSkinScrollBar::StepDown() {
  if (OnDownButtonClick)
    OnDownButtonClick(this);
  else
    SetPosition(FPosition - FSmallChange);
}

void TskSkinScrollBar::StartTimer(UINT Elapse) { SetTimer(Handle(), RepeatTimer, Elapse); }

void TskSkinScrollBar::StopTimer() {
  TimerMode = 0;
  if (HandleAllocated()) KillTimer(Handle(), RepeatTimer);
}

// The first tick ends the long wait; then each tick repeats what the held button or track does. A page
// repeat ends once the thumb has reached the pointer.
void TskSkinScrollBar::Tick() {
  if (WaitMode) {
    WaitMode = false;
    StartTimer(RepeatInterval);
    return;
  }
  switch (TimerMode) {
  case 1: StepDown(); break;
  case 2: StepUp(); break;
  case 3:
  case 4: {
    TestActive(MX, MY);
    CalcRects();
    const TRect& Thumb = Buttons[0].R;
    const int Pointer = Along(MX, MY);
    const bool Toward = TimerMode == 3 ? Pointer < Along(Thumb.Left, Thumb.Top)
                                       : Pointer >= Along(Thumb.Right, Thumb.Bottom);
    if (!Toward) {
      StopTimer();
      break;
    }
    SetPosition(TimerMode == 3 ? FPosition - FLargeChange : FPosition + FLargeChange);
    TNotifyEvent& Paged = TimerMode == 3 ? OnPageUp : OnPageDown;
    if (Paged) Paged(this);
    break;
  }
  default: break;
  }
}

void TskSkinScrollBar::MouseLeft() {
  const bool Held = std::any_of(std::begin(Buttons), std::end(Buttons), [](const TskCBButtonX& B) { return B.Down; });
  if (!Held && !FDown && ActiveButton != -1) {
    Buttons[ActiveButton].MouseIn = false;
    ActiveButton = -1;
    Repaint();
  }
  if (MouseD && (TimerMode == 3 || TimerMode == 4)) StopTimer();
}

// ---- Keys, wheel, focus ----

void TskSkinScrollBar::KeyDown(Word& Key, TShiftState Shift) {
  if (FCanFocused) {
    if (Key == VK_LEFT || Key == VK_UP) SetPosition(FPosition - FSmallChange);
    if (Key == VK_RIGHT || Key == VK_DOWN) SetPosition(FPosition + FSmallChange);
  }
  TskSkinCustomControl::KeyDown(Key, Shift);
}

void TskSkinScrollBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_TIMER:
    if (Message.WParam == RepeatTimer) Tick();
    return;
  case CM_MOUSELEAVE:
    TskSkinCustomControl::Dispatch(Message);
    MouseLeft();
    return;
  case CM_WANTSPECIALKEY:
    if (FCanFocused && (Message.WParam == VK_LEFT || Message.WParam == VK_RIGHT || Message.WParam == VK_UP ||
                        Message.WParam == VK_DOWN)) {
      Message.Result = 1;
      return;
    }
    break;
  case WM_MOUSEWHEEL:
    if (FCanFocused && Focused()) {
      const int Delta = int16_t(HIWORD(Message.WParam));
      SetPosition(Delta <= 0 ? FPosition + FSmallChange : FPosition - FSmallChange);
      return;
    }
    break;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    // A click first takes the focus; when the focus is refused the click is dropped.
    if (FCanFocused && !Focused()) {
      FClicksDisabled = true;
      SetFocus();
      FClicksDisabled = false;
      if (!Focused()) return;
    }
    break;
  case CN_COMMAND:
    if (FClicksDisabled) return;
    break;
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
  case CM_ENABLEDCHANGED:
    TskSkinCustomControl::Dispatch(Message);
    Repaint();
    return;
  case WM_ERASEBKGND:
    // Asked to paint into a foreign DC outside its own painting, the bar draws itself there.
    if (!FromWMPaint && Message.WParam) PaintWindow(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = 1;
    return;
  default: break;
  }
  TskSkinCustomControl::Dispatch(Message);
}
