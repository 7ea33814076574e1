#include "skin/controls/TskSkinSlider.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skPainters.h"
#include "skin/core/skParentBackground.h"
#include "skin/core/skSkinColors.h"
#include "skin/core/skUtils.h"

namespace {

constexpr int Margin = 6;
constexpr UINT_PTR JumpTimer = 1;
constexpr UINT JumpInterval = 400;

/// Round to the nearest integer, halves to the even neighbour.
int RoundEven(double X) { return int(std::nearbyint(X)); }

void Fill(TCanvas* C, const TRect& R, TColor Color) {
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(Color);
  C->FillRect(R);
}

}  // namespace

void DefaultSliderImage(TskSliderImage Image, TBitmap* B) {
  static constexpr const char* Names[] = { "BS_HTB", "BS_HRL", "BS_VTB", "BS_VRL" };
  LoadFromResourceName(*B, Names[Image]);
  // The bottom-left pixel is the key colour of the automatic transparency.
  B->SetTransparent(true);
}

TskSkinCustomSlider::TskSkinCustomSlider(TComponent* AOwner)
    : TskSkinControl(AOwner), FRuler(std::make_unique<TBitmap>()) {
  FControlStyle = { csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks };
  SetTabStop(true);
  FWidth = 150;
  FHeight = 40;
  for (int i = siHThumb; i <= siVRuler; ++i) {
    FImages[i] = std::make_unique<TBitmap>();
    DefaultSliderImage(TskSliderImage(i), FImages[i].get());
  }
  SetSkinDataName("slider");
  FCreating = false;
  AdjustElements();
}

TskSkinCustomSlider::~TskSkinCustomSlider() {
  OnChange = nullptr;
  OnChanged = nullptr;
  OnDrawPoints = nullptr;
}

// ---- Properties ----

void TskSkinCustomSlider::SetValue(int Value) {
  const int V = std::clamp(Value, FMinValue, std::max(FMinValue, FMaxValue));
  const int Old = FValue;
  FValue = V;
  ThumbMove(ValueToPos(V));
  if (V != Old) Change();
}

void TskSkinCustomSlider::SetMinValue(int Value) {
  if (Value != FMinValue) SetRange(Value, FMaxValue);
}

void TskSkinCustomSlider::SetMaxValue(int Value) {
  if (Value != FMaxValue) SetRange(FMinValue, Value);
}

void TskSkinCustomSlider::SetRange(int Min, int Max) {
  if (Max <= Min) return;
  FMinValue = Min;
  FMaxValue = Max;
  if (Max < Min + FIncrement) FIncrement = Max - Min;
  if (FOptions.Contains(soShowPoints)) Invalidate();
  SetValue(FValue);
  RangeChanged();
}

void TskSkinCustomSlider::SetIncrement(int Value) {
  if (Value <= 0 || Value == FIncrement) return;
  FIncrement = Value;
  SetValue(FValue);
  Invalidate();
}

void TskSkinCustomSlider::SetOrientation(TskSliderOrientation Value) {
  if (Value == FOrientation) return;
  FOrientation = Value;
  AdjustElements();
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
}

void TskSkinCustomSlider::SetOptions(TskSliderOptions Value) {
  if (Value == FOptions) return;
  FOptions = Value;
  Invalidate();
}

void TskSkinCustomSlider::SetTransparent(bool Value) {
  FTransparent = Value;
  Invalidate();
}

void TskSkinCustomSlider::SetEdgeSize(int Value) {
  const int Length = Vertical() ? FImages[siVRuler]->Height() : FImages[siHRuler]->Width();
  if (2 * Value >= Length || Value == FEdgeSize) return;
  FEdgeSize = Value;
  AdjustElements();
}

void TskSkinCustomSlider::SetNumThumbStates(int Value) {
  Value = std::clamp(Value, 1, 2);
  if (Value == FNumThumbStates) return;
  FNumThumbStates = Value;
  AdjustElements();
}

void TskSkinCustomSlider::SetUseSkinThumb(bool Value) {
  FUseSkinThumb = Value;
  AdjustElements();
}

void TskSkinCustomSlider::SetThumbImageList(TCustomImageList* Value) {
  if (FThumbImageList && FThumbImageList != Value) FThumbImageList->RemoveFreeNotification(this);
  FThumbImageList = Value;
  if (FThumbImageList) FThumbImageList->FreeNotification(this);
  AdjustElements();
}

void TskSkinCustomSlider::SetImage(TskSliderImage Image, TBitmap* Value) {
  if (Value) {
    FImages[Image]->Assign(Value);
    UseAsUserImage(Image);
    AdjustElements();
    return;
  }
  DefaultSliderImage(Image, FImages[Image].get());
  FUserImages.Exclude(Image);
  if (!ComponentState().Contains(csReading))
    FOptions.Exclude(Image == siHThumb || Image == siVThumb ? soThumbOpaque : soRulerOpaque);
  AdjustElements();
}

void TskSkinCustomSlider::UseAsUserImage(TskSliderImage Image) {
  FImages[Image]->SetTransparent(true);
  FUserImages.Include(Image);
}

void TskSkinCustomSlider::Loaded() {
  TskSkinControl::Loaded();
  for (int i = siHThumb; i <= siVRuler; ++i)
    if (FUserImages.Contains(TskSliderImage(i))) UseAsUserImage(TskSliderImage(i));
  AdjustElements();
}

void TskSkinCustomSlider::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FThumbImageList) FThumbImageList = nullptr;
}

// ---- Skin ----

void TskSkinCustomSlider::GetSkinData() {
  TskSkinControl::GetSkinData();
  Picture = nullptr;
  const auto* R = dynamic_cast<const TskDataSkinSlider*>(SkinRecord());
  if (!R) return;
  if (R->PictureIndex >= 0 && R->PictureIndex < int(SkinData()->FActivePictures.size()))
    Picture = SkinData()->FActivePictures[R->PictureIndex].get();
  HRulerRect = R->HRulerRect;
  HThumbRect = R->HThumbRect;
  VRulerRect = R->VRulerRect;
  VThumbRect = R->VThumbRect;
  SkinEdgeSize = R->EdgeSize;
  BGColor = R->BGColor;
  PointsColor = R->PointsColor;
}

void TskSkinCustomSlider::ChangeSkinData() { AdjustElements(); }

// ---- Geometry ----

TskSkinCustomSlider::TThumbSource TskSkinCustomSlider::ThumbSource() const {
  if (FIndex != -1 && FUseSkinThumb && Picture) return TThumbSource::Skin;
  if (FThumbImageList) return TThumbSource::List;
  return TThumbSource::Bitmap;
}

TSize TskSkinCustomSlider::ThumbSize(bool AVertical) const {
  switch (ThumbSource()) {
  case TThumbSource::Skin: {
    const TRect& R = AVertical ? VThumbRect : HThumbRect;
    return { RectWidth(R), RectHeight(R) };
  }
  case TThumbSource::List: return { FThumbImageList->Width(), FThumbImageList->Height() };
  default: {
    const TBitmap* B = FImages[AVertical ? siVThumb : siHThumb].get();
    return { B->Width(), B->Height() };
  }
  }
}

int TskSkinCustomSlider::ThumbStates() const {
  switch (ThumbSource()) {
  case TThumbSource::Skin: return 2;
  case TThumbSource::List: return 1;
  default: return FNumThumbStates;
  }
}

void TskSkinCustomSlider::BuildRuler() {
  const int L = std::max(0, (Vertical() ? FHeight : FWidth) - 2 * Margin);
  if (FIndex != -1 && Picture) {
    if (Vertical())
      ComposeVertStripImage(SkinEdgeSize, SkinEdgeSize, FRuler.get(), Picture, VRulerRect, RectWidth(VRulerRect), L,
                            false);
    else
      ComposeHorzStripImage(SkinEdgeSize, SkinEdgeSize, FRuler.get(), Picture, HRulerRect, L, RectHeight(HRulerRect),
                            false);
    return;
  }
  BuildBitmapRuler(L);
}

// The left end, whole middles, then the last r pixels of a middle with the right end fill L exactly.
void TskSkinCustomSlider::BuildBitmapRuler(int L) {
  TBitmap* B = FImages[Vertical() ? siVRuler : siHRuler].get();
  const int E = FEdgeSize, Len = Vertical() ? B->Height() : B->Width(), Thick = Vertical() ? B->Width() : B->Height();
  const int M = Len - 2 * E, A = L - 2 * E;
  if (Vertical())
    FRuler->SetSize(Thick, L);
  else
    FRuler->SetSize(L, Thick);
  FRuler->SetTransparent(true);
  if (M <= 0) return;
  const int N = A / M, R = A % M;
  const auto Copy = [&](int From, int To, int Dest) {
    const TRect Src = Vertical() ? Rect(0, From, Thick, To) : Rect(From, 0, To, Thick);
    const TRect Dst = Vertical() ? Bounds(0, Dest, Thick, To - From) : Bounds(Dest, 0, To - From, Thick);
    FRuler->Canvas()->CopyRect(Dst, B->Canvas(), Src);
  };
  if (N < 0) return;
  Copy(0, Len - E, 0);
  for (int i = 1; i < N; ++i) Copy(E, E + M, E + i * M);
  if (N > 0) Copy(E + M - R, 2 * E + M, E + N * M);
}

void TskSkinCustomSlider::AdjustElements() {
  if (FCreating) return;
  GetSkinData();
  const int Remembered = FValue;
  BuildRuler();
  const int RW = FRuler->Width(), RH = FRuler->Height();
  const int S = ThumbStates();
  if (!Vertical()) {
    const TSize T = ThumbSize(false);
    const int TW = T.cx / S, TH = T.cy;
    if (TH > RH) {
      FThumbRect = Rect(Margin, Margin, Margin + TW, Margin + TH);
      FRulerOrg = { Margin, Margin + (TH - RH) / 2 };
      FPointsRect = Rect(Margin, TH + 7, Margin + RW, FHeight - 1);
    } else {
      const int Top = Margin + (RH - TH) / 2;
      FThumbRect = Rect(Margin, Top, Margin + TW, Top + TH);
      FRulerOrg = { Margin, Margin };
      FPointsRect = Rect(Margin, RH + 7, Margin + RW, FHeight - 1);
    }
  } else {
    const TSize T = ThumbSize(true);
    const int VW = T.cx / S, VH = T.cy;
    if (VW > RW) {
      FThumbRect = Rect(Margin, Margin, Margin + VW, Margin + VH);
      FRulerOrg = { Margin + (VW - RW) / 2, Margin };
      FPointsRect = Rect(7 + VW, Margin, FWidth - 1, Margin + RH);
    } else {
      const int Left = Margin + (RW - VW) / 2;
      FThumbRect = Rect(Left, Margin, Left + VW, Margin + VH);
      FRulerOrg = { Margin, Margin };
      FPointsRect = Rect(RW + 7, Margin, FWidth - 1, Margin + RH);
    }
  }
  SetValue(Remembered);
  Invalidate();
}

int TskSkinCustomSlider::TrackLength() const {
  const int RW = FRuler->Width(), RH = FRuler->Height();
  switch (ThumbSource()) {
  case TThumbSource::Skin: return Vertical() ? RH - RectHeight(VThumbRect) : RW - RectWidth(HThumbRect) / 2;
  case TThumbSource::List: return Vertical() ? RH - FThumbImageList->Height() : RW - FThumbImageList->Width();
  default:
    return Vertical() ? RH - FImages[siVThumb]->Height() : RW - FImages[siHThumb]->Width() / FNumThumbStates;
  }
}

int TskSkinCustomSlider::VerticalThumbHeight() const { return ThumbSize(true).cy; }

// A zero range or track has no proportion: every value sits at the start of the track.
int TskSkinCustomSlider::ValueToPos(int V) const {
  const int Len = TrackLength(), Range = FMaxValue - FMinValue;
  const int Offset = Len > 0 && Range > 0 ? RoundEven(double(Len) * (V - FMinValue) / Range) : 0;
  const int P = Vertical() ? FHeight - Margin - Offset - VerticalThumbHeight() : Margin + Offset;
  return std::max(P, Margin);
}

int TskSkinCustomSlider::PosToValue(int P) const {
  const int Len = TrackLength(), Range = FMaxValue - FMinValue;
  if (Len <= 0 || Range <= 0) return FMinValue;
  if (Vertical()) P = FHeight - P - VerticalThumbHeight();
  const double X = double(P - Margin) * Range / Len;
  const int V = FOptions.Contains(soSmooth) ? RoundEven(X) : FIncrement * RoundEven(double(RoundEven(X)) / FIncrement);
  return std::min(std::max(V, 0) + FMinValue, FMaxValue);
}

int TskSkinCustomSlider::PlacedPos(int P) const {
  const int Last = Margin + std::max(TrackLength(), 0);
  P = std::clamp(P, Margin, Last);
  return std::min(ValueToPos(PosToValue(P)), Last);
}

void TskSkinCustomSlider::ThumbMove(int P) {
  const int Old = FValue;
  const int Placed = PlacedPos(P);
  const TRect OldRect = FThumbRect;
  if (Vertical())
    FThumbRect = Bounds(FThumbRect.Left, Placed, RectWidth(FThumbRect), RectHeight(FThumbRect));
  else
    FThumbRect = Bounds(Placed, FThumbRect.Top, RectWidth(FThumbRect), RectHeight(FThumbRect));
  if (HandleAllocated()) {
    InvalidateRect(Handle(), &OldRect, false);
    InvalidateRect(Handle(), &FThumbRect, false);
  }
  if (!FSliding) return;
  FValue = PosToValue(Placed);
  if (FValue != Old) Change();
}

// ---- Value by the user ----

void TskSkinCustomSlider::JumpTo(TskJumpMode Mode) {
  int Target;
  switch (Mode) {
  case jmHome: Target = FMinValue; break;
  case jmEnd: Target = FMaxValue; break;
  case jmNext: Target = FIncrement * RoundEven(double(FValue) / FIncrement) + FIncrement; break;
  case jmPrior: Target = FIncrement * RoundEven(double(FValue) / FIncrement) - FIncrement; break;
  default: return;
  }
  if (Target >= FMaxValue)
    Target = FMaxValue;
  else if (Target <= FMinValue)
    Target = FMinValue;
  if (Target != FValue) SetValue(Target);
}

TskJumpMode TskSkinCustomSlider::JumpModeAt(TPoint P) const {
  if (!Vertical()) {
    if (P.X < FThumbRect.Left) return jmPrior;
    if (P.X > FThumbRect.Right) return jmNext;
  } else {
    if (P.Y < FThumbRect.Top) return jmNext;
    if (P.Y > FThumbRect.Bottom) return jmPrior;
  }
  return jmNone;
}

void TskSkinCustomSlider::JumpStep() {
  if (JumpModeAt(FMousePos) != FStartJump) return;
  JumpTo(FStartJump);
  if (!FTimerActive && HandleAllocated()) {
    SetTimer(Handle(), JumpTimer, JumpInterval);
    FTimerActive = true;
  }
}

void TskSkinCustomSlider::StopJumping() {
  if (!FTracking) return;
  if (FTimerActive && HandleAllocated()) KillTimer(Handle(), JumpTimer);
  FTimerActive = false;
  FTracking = false;
  Changed();
}

void TskSkinCustomSlider::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TskSkinControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || Shift.Contains(ssDouble)) return;
  if (CanFocus()) SetFocus();
  const TPoint P { X, Y };
  if (FThumbRect.Contains(P)) {
    ThumbMouseDown(Button, Shift, X, Y);
    return;
  }
  TRect Track = Bounds(FRulerOrg.X, FRulerOrg.Y, FRuler->Width(), FRuler->Height());
  if (Vertical()) {
    Track.Left -= 3;
    Track.Right += 3;
  } else {
    Track.Top -= 3;
    Track.Bottom += 3;
  }
  if (!Track.Contains(P) || !CanModify() || FReadOnly) return;
  FTracking = true;
  FMousePos = P;
  FStartJump = JumpModeAt(P);
  JumpStep();
}

void TskSkinCustomSlider::MouseMove(TShiftState Shift, int X, int Y) {
  if (Shift.Contains(ssLeft) && FSliding)
    ThumbMouseMove(Shift, X, Y);
  else if (FTracking)
    FMousePos = { X, Y };
  TskSkinControl::MouseMove(Shift, X, Y);
}

void TskSkinCustomSlider::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  StopJumping();
  if (FSliding) ThumbMouseUp(Button, Shift, X, Y);
  TskSkinControl::MouseUp(Button, Shift, X, Y);
}

void TskSkinCustomSlider::ThumbMouseDown(TMouseButton Button, TShiftState, int X, int Y) {
  if (CanFocus()) SetFocus();
  if (Button != mbLeft || !CanModify() || FReadOnly) return;
  FSliding = true;
  FThumbDown = true;
  FHit = Vertical() ? Y - FThumbRect.Top : X - FThumbRect.Left;
  Repaint();
}

void TskSkinCustomSlider::ThumbMouseMove(TShiftState Shift, int X, int Y) {
  if (!Shift.Contains(ssLeft) || !CanModify() || FReadOnly) return;
  ThumbMove(Vertical() ? Y - FHit : X - FHit);
}

void TskSkinCustomSlider::ThumbMouseUp(TMouseButton Button, TShiftState, int, int) {
  if (Button != mbLeft) return;
  FSliding = false;
  FThumbDown = false;
  Repaint();
  if (CanModify() && !FReadOnly) Changed();
}

void TskSkinCustomSlider::KeyDown(Word& Key, TShiftState Shift) {
  TskJumpMode Mode = jmNone;
  if (!Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) {
    if (Key == VK_HOME) Mode = jmHome;
    else if (Key == VK_END) Mode = jmEnd;
    else if (!Vertical() && Key == VK_LEFT) Mode = jmPrior;
    else if (!Vertical() && Key == VK_RIGHT) Mode = jmNext;
    else if (Vertical() && Key == VK_UP) Mode = jmNext;
    else if (Vertical() && Key == VK_DOWN) Mode = jmPrior;
  }
  if (Mode != jmNone && CanModify() && !FReadOnly) {
    Key = 0;
    JumpTo(Mode);
    Changed();
  }
  TskSkinControl::KeyDown(Key, Shift);
}

void TskSkinCustomSlider::Change() {
  if (OnChange) OnChange(this);
}

void TskSkinCustomSlider::Changed() {
  if (OnChanged) OnChanged(this);
}

// ---- Painting ----

void TskSkinCustomSlider::DrawThumb(TCanvas* C, TPoint P) {
  const bool Second = ControlState().Contains(csPaintCopy) ? !Enabled() : FThumbDown || !Enabled();
  switch (ThumbSource()) {
  case TThumbSource::Skin: {
    const TRect& R = Vertical() ? VThumbRect : HThumbRect;
    const int W = RectWidth(R) / 2;
    TBitmap B;
    B.SetSize(W, RectHeight(R));
    B.Canvas()->CopyRect(Rect(0, 0, W, B.Height()), Picture->Canvas(), Bounds(R.Left + (Second ? W : 0), R.Top, W, B.Height()));
    B.SetTransparent(true);
    C->Draw(P.X, P.Y, &B);
    return;
  }
  case TThumbSource::List: {
    const int Index = Second ? FThumbActiveImageIndex : FThumbImageIndex;
    if (Index >= 0 && Index < FThumbImageList->Count()) FThumbImageList->Draw(C, P.X, P.Y, Index, true);
    return;
  }
  default: {
    TBitmap* Source = FImages[Vertical() ? siVThumb : siHThumb].get();
    const int W = Source->Width() / FNumThumbStates;
    TBitmap B;
    B.SetSize(W, Source->Height());
    B.Canvas()->CopyRect(Rect(0, 0, W, B.Height()), Source->Canvas(),
                         Bounds(FNumThumbStates == 2 && Second ? W : 0, 0, W, B.Height()));
    B.SetTransparent(!FOptions.Contains(soThumbOpaque));
    C->Draw(P.X, P.Y, &B);
  }
  }
}

void TskSkinCustomSlider::Paint() {
  GetSkinData();
  TPoint P = FThumbRect.TopLeft();
  if (ControlState().Contains(csPaintCopy)) {
    const int Placed = PlacedPos(ValueToPos(GetSliderValue()));
    (Vertical() ? P.Y : P.X) = Placed;
  }
  TCanvas* C = Canvas();
  if (FTransparent) {
    TBitmap Back;
    Back.SetSize(FWidth, FHeight);
    DrawParentBackground(this, Back.Canvas());
    C->Draw(0, 0, &Back);
  } else {
    Fill(C, ClientRect(), FIndex == -1 ? Color() : BGColor);
  }
  if (FRuler->Width() > 0) {
    FRuler->SetTransparent(!(FOptions.Contains(soRulerOpaque) && FIndex == -1));
    C->Draw(FRulerOrg.X, FRulerOrg.Y, FRuler.get());
  }
  if (FOptions.Contains(soShowFocus) && FFocused) {
    if (FIndex != -1) C->Font()->SetColor(SkinData()->SkinColors()->cBtnText());
    DrawDotFrame(C, Rect(2, 2, FWidth - 2, FHeight - 2));
  }
  if (FOptions.Contains(soShowPoints)) {
    if (OnDrawPoints)
      OnDrawPoints(this);
    else
      DefaultDrawPoints(FIncrement, 3, 5);
  }
  DrawThumb(C, P);
}

void TskSkinCustomSlider::DefaultDrawPoints(int PointsStep, int PointsHeight, int ExtremePointsHeight) {
  if (PointsStep <= 0) return;
  TCanvas* C = Canvas();
  const int Len = TrackLength();
  const bool Skin = ThumbSource() == TThumbSource::Skin;
  const int F = Skin ? RectWidth(HThumbRect) : FImages[siHThumb]->Width();
  const int G = Skin ? RectHeight(VThumbRect) : FImages[siVThumb]->Height();
  const int E = Skin ? 2 : FNumThumbStates;
  C->Pen()->SetColor(FIndex == -1 ? clWindowText : PointsColor);
  int K = 0, Count, Spacing;
  do {
    ++K;
    Count = RoundEven(double(FMaxValue - FMinValue) / (PointsStep * K)) + 1;
    Spacing = Count > 1 ? Len / (Count - 1) : Len;
  } while (Spacing < 4 && Spacing < Len);
  int V = FMinValue;
  for (int i = 1; i <= Count; ++i) {
    if (i == Count) V = FMaxValue;
    const int Height = V == FMinValue || V == FMaxValue ? ExtremePointsHeight : PointsHeight;
    const int P = ValueToPos(V);
    if (!Vertical()) {
      const int X = P + (F / E) / 2;
      C->MoveTo(X, FPointsRect.Top);
      C->LineTo(X, FPointsRect.Top + Height);
    } else {
      const int Y = P + G / 2;
      C->MoveTo(FPointsRect.Left, Y);
      C->LineTo(FPointsRect.Left + Height, Y);
    }
    V += PointsStep * K;
  }
}

// The whole slider is drawn into a memory context of the client size and copied in one go.
void TskSkinCustomSlider::PaintBuffered(TMessage& Message) {
  PAINTSTRUCT PS;
  HDC DC = reinterpret_cast<HDC>(Message.WParam);
  const bool Began = !DC;
  if (Began) DC = BeginPaint(Handle(), &PS);
  const HDC Mem = CreateCompatibleDC(DC);
  const HBITMAP Bmp = CreateCompatibleBitmap(DC, FWidth, FHeight);
  const HGDIOBJ Old = SelectObject(Mem, Bmp);
  Perform(WM_ERASEBKGND, WPARAM(Mem), LPARAM(Mem));
  FPaintBuffered = true;
  TMessage Buffered { WM_PAINT, WPARAM(Mem), 0, 0 };
  TskSkinControl::Dispatch(Buffered);
  FPaintBuffered = false;
  BitBlt(DC, 0, 0, FWidth, FHeight, Mem, 0, 0, SRCCOPY);
  SelectObject(Mem, Old);
  DeleteObject(Bmp);
  DeleteDC(Mem);
  if (Began) EndPaint(Handle(), &PS);
}

void TskSkinCustomSlider::CheckParentBackground() {
  if (FTransparent) Repaint();
}

void TskSkinCustomSlider::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_PAINT:
    if (FPaintBuffered) break;
    PaintBuffered(Message);
    return;
  case WM_SIZE:
    TskSkinControl::Dispatch(Message);
    if (!ComponentState().Contains(csReading)) AdjustElements();
    return;
  case WM_MOVE:
    TskSkinControl::Dispatch(Message);
    if (FTransparent) Invalidate();
    return;
  case WM_TIMER:
    if (Message.WParam == JumpTimer && FTracking) JumpStep();
    return;
  case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
  case CM_ENABLEDCHANGED:
    TskSkinControl::Dispatch(Message);
    if (HandleAllocated()) InvalidateRect(Handle(), &FThumbRect, false);
    return;
  case CM_FOCUSCHANGED: {
    const bool Now = reinterpret_cast<TControl*>(Message.LParam) == this;
    if (Now != FFocused) {
      FFocused = Now;
      if (FOptions.Contains(soShowFocus)) Invalidate();
    }
    break;
  }
  default: break;
  }
  TskSkinControl::Dispatch(Message);
}
