#include "skin/controls/TskSkinCheckRadioBox.h"

#include <algorithm>
#include <utility>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/toolkit/TCustomAction.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/controls/skMorph.h"
#include "skin/core/TskEffectBmp.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skPainters.h"
#include "skin/core/skParentBackground.h"
#include "skin/core/skUtils.h"

namespace {

constexpr Cardinal MorphInterval = 20;
constexpr double MorphStep = 0.2;

TRect Moved(const TRect& R, int DX, int DY) { return { R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY }; }
TRect Grown(const TRect& R, int L, int T, int Rt, int B) {
  return { R.Left - L, R.Top - T, R.Right + Rt, R.Bottom + B };
}

}  // namespace

// The box raises OnClick itself, from its state changes: the platform's click on a release is not used.
TskSkinCheckRadioBox::TskSkinCheckRadioBox(TComponent* AOwner) : TskSkinCustomControl(AOwner) {
  FControlStyle.Exclude(csClickEvents);
  FWidth = 150;
  FHeight = 25;
  SetSkinDataName("checkbox");
}

TskSkinCheckRadioBox::~TskSkinCheckRadioBox() = default;

// ---- State ----

void TskSkinCheckRadioBox::SetChecked(bool Value) {
  FChecked = Value;
  if (Value || FState == cbChecked) FState = Value ? cbChecked : cbUnchecked;
  Repaint();
  if (FChecked && FGroupIndex != 0) UncheckGroup();
  if (!FRadio || FChecked) Clicked();
}

void TskSkinCheckRadioBox::SetState(TCheckBoxState Value) {
  FState = Value;
  FChecked = Value == cbChecked;
  Repaint();
  Clicked();
}

void TskSkinCheckRadioBox::Toggle() {
  if (!FRadio)
    SetChecked(!FChecked);
  else if (!FChecked)
    SetChecked(true);
}

void TskSkinCheckRadioBox::UncheckGroup() {
  TWinControl* Owner = Parent();
  if (!Owner) return;
  for (int i = 0; i < Owner->ControlCount(); ++i) {
    auto* Box = dynamic_cast<TskSkinCheckRadioBox*>(Owner->Controls(i));
    if (Box && Box != this && Box->FGroupIndex == FGroupIndex && Box->FChecked) Box->SetChecked(false);
  }
}

void TskSkinCheckRadioBox::Clicked() {
  if (OnClick) OnClick(this);
}

void TskSkinCheckRadioBox::SetRadio(bool Value) {
  FRadio = Value;
  Repaint();
}

void TskSkinCheckRadioBox::SetAllowGrayed(bool Value) {
  FAllowGrayed = Value;
  Repaint();
}

void TskSkinCheckRadioBox::SetFlat(bool Value) {
  FFLat = Value;
  Repaint();
}

void TskSkinCheckRadioBox::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  if (FFLat) Repaint();
}

void TskSkinCheckRadioBox::SetImages(TCustomImageList* Value) {
  if (FImages && FImages != Value) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
  Repaint();
}

void TskSkinCheckRadioBox::SetImageIndex(int Value) {
  FImageIndex = Value;
  Repaint();
}

void TskSkinCheckRadioBox::SetCanFocused(bool Value) {
  FCanFocused = Value;
  SetTabStop(Value);
}

bool TskSkinCheckRadioBox::ImageShown() const {
  return FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
}

void TskSkinCheckRadioBox::ActionChange(TObject* Sender, bool CheckDefaults) {
  TskSkinCustomControl::ActionChange(Sender, CheckDefaults);
  if (auto* Action = dynamic_cast<TCustomAction*>(Sender); Action && (!CheckDefaults || !FChecked))
    SetChecked(Action->Checked());
}

void TskSkinCheckRadioBox::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

// ---- Skin ----

void TskSkinCheckRadioBox::GetSkinData() {
  TskSkinCustomControl::GetSkinData();
  const auto* R = dynamic_cast<const TskDataSkinCheckRadioControl*>(SkinRecord());
  if (!R) return;
  FontName = R->FontName;
  FontColor = R->FontColor;
  ActiveFontColor = R->ActiveFontColor;
  FrameFontColor = R->FrameFontColor;
  UnEnabledFontColor = R->UnEnabledFontColor;
  FontStyle = R->FontStyle;
  FontHeight = R->FontHeight;
  ActiveSkinRect = IsEmptyRect(R->ActiveSkinRect) ? R->SkinRect : R->ActiveSkinRect;
  CheckImageArea = R->CheckImageArea;
  TextArea = R->TextArea;
  CheckImageRect = R->CheckImageRect;
  UnCheckImageRect = R->UnCheckImageRect;
  ActiveCheckImageRect = IsEmptyRect(R->ActiveCheckImageRect) ? R->CheckImageRect : R->ActiveCheckImageRect;
  ActiveUnCheckImageRect = IsEmptyRect(R->ActiveUnCheckImageRect) ? R->UnCheckImageRect : R->ActiveUnCheckImageRect;
  UnEnabledCheckImageRect = IsEmptyRect(R->UnEnabledCheckImageRect) ? R->CheckImageRect : R->UnEnabledCheckImageRect;
  UnEnabledUnCheckImageRect =
    IsEmptyRect(R->UnEnabledUnCheckImageRect) ? R->UnCheckImageRect : R->UnEnabledUnCheckImageRect;
  Morphing = R->Morphing;
  MorphKind = R->MorphKind;
  if (FFLat) {
    // A flat box shows what lies behind it: no transition and never a window region.
    Morphing = false;
    MaskPicture = nullptr;
  }
  GrayedCheckImageRect = R->GrayedCheckImageRect;
  ActiveGrayedCheckImageRect = R->ActiveGrayedCheckImageRect;
}

void TskSkinCheckRadioBox::CalcSize(int& W, int& H) {
  if (FFLat || FIndex == -1) return;
  TskSkinCustomControl::CalcSize(W, H);
  const int dW = W - RectWidth(SkinRect);
  NewTextArea = { TextArea.Left, TextArea.Top, TextArea.Right + dW, TextArea.Bottom };
  const TRect Area = TextArea.Right < CheckImageArea.Right ? Moved(CheckImageArea, dW, 0) : CheckImageArea;
  const int Left = Area.Left + RectWidth(Area) / 2 - RectWidth(CheckImageRect) / 2;
  const int Top = Area.Top + RectHeight(Area) / 2 - RectHeight(CheckImageRect) / 2;
  CIRect = Bounds(Left, Top, RectWidth(CheckImageRect), RectHeight(CheckImageRect));
}

void TskSkinCheckRadioBox::ChangeSkinData() {
  if (!FFLat) {
    TskSkinCustomControl::ChangeSkinData();
    return;
  }
  GetSkinData();
  Repaint();
}

void TskSkinCheckRadioBox::CheckParentBackground() {
  if (FFLat) Repaint();
}

// ---- Hover transition ----

bool TskSkinCheckRadioBox::CanMorphing() const {
  return Morphing && SkinData() && !SkinData()->Empty && SkinData()->EnableSkinEffects();
}

void TskSkinCheckRadioBox::DoMorph() {
  if (!CanMorphing() || FIndex == -1) {
    Repaint();
    return;
  }
  if (MorphTimer) return;
  MorphTimer = std::make_unique<TTimer>(nullptr);
  MorphTimer->OnTimer = [this](TObject*) { MorphTick(); };
  MorphTimer->SetInterval(MorphInterval);
}

// Steps of 0.2 toward 1 (hot) or 0; the tick that finds the factor at or past its end sets it exactly and
// ends the transition.
void TskSkinCheckRadioBox::MorphTick() {
  const double Target = Hot() ? 1 : 0;
  if (FIndex == -1 || !CanMorphing()) {
    FMorphKf = Target;
    MorphTimer.reset();
    return;
  }
  if (Target == 1 && FMorphKf < 1)
    FMorphKf += MorphStep;
  else if (Target == 0 && FMorphKf > 0)
    FMorphKf -= MorphStep;
  else {
    FMorphKf = Target;
    MorphTimer.reset();
  }
  Repaint();
}

// ---- Mouse and keys ----

void TskSkinCheckRadioBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) FDown = true;
  if (!FMouseIn) {
    FMouseIn = true;
    DoMorph();
  }
  TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

// While the left button is held, crossing the box's edge (edges count as inside) leaves and enters it.
void TskSkinCheckRadioBox::MouseMove(TShiftState Shift, int X, int Y) {
  TskSkinCustomControl::MouseMove(Shift, X, Y);
  if (!FDown) return;
  const bool Inside = X >= 0 && Y >= 0 && X <= Width() && Y <= Height();
  if (!Inside && FMouseIn) Perform(CM_MOUSELEAVE, 0, 0);
  if (Inside && !FMouseIn) Perform(CM_MOUSEENTER, 0, 0);
}

void TskSkinCheckRadioBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const bool Pressed = std::exchange(FDown, false);
  if (!Pressed || !FMouseIn) return;
  if (FAllowGrayed && !FRadio && FState == cbUnchecked) {
    FState = cbGrayed;
    FChecked = false;
    Repaint();
    Clicked();
  } else {
    Toggle();
  }
}

bool TskSkinCheckRadioBox::FocusMessage(TMessage& Message) {
  switch (Message.Msg) {
  case WM_KEYUP:
    if (Message.WParam == VK_SPACE && Focused()) Toggle();
    return false;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    if (Focused()) return false;
    FClicksDisabled = true;
    SetFocus();
    FClicksDisabled = false;
    return !Focused();
  case CN_COMMAND: return FClicksDisabled;
  case CM_DIALOGCHAR:
    if (!IsAccel(char32_t(Message.WParam), Caption()) || !CanFocus()) return false;
    SetFocus();
    Toggle();
    Message.Result = 1;
    return true;
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    TskSkinCustomControl::Dispatch(Message);
    if (FFLat)
      Invalidate();
    else
      DoMorph();
    return true;
  default: return false;
  }
}

void TskSkinCheckRadioBox::Dispatch(TMessage& Message) {
  if (FCanFocused && FocusMessage(Message)) return;
  switch (Message.Msg) {
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE:
    TskSkinCustomControl::Dispatch(Message);
    FMouseIn = Message.Msg == CM_MOUSEENTER;
    DoMorph();
    return;
  case CM_ENABLEDCHANGED:
    TskSkinCustomControl::Dispatch(Message);
    if (CanMorphing()) {
      MorphTimer.reset();
      FMorphKf = 0;
    }
    FMouseIn = false;
    Repaint();
    return;
  case CM_TEXTCHANGED:
    TskSkinCustomControl::Dispatch(Message);
    Repaint();
    return;
  case WM_MOVE:
    TskSkinCustomControl::Dispatch(Message);
    if (FFLat) Invalidate();
    return;
  case WM_ERASEBKGND:
    // Asked to paint into a foreign DC outside its own painting, a box that covers itself draws itself there.
    if (!FromWMPaint && !FFLat && Message.WParam) PaintWindow(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = 1;
    return;
  default: TskSkinCustomControl::Dispatch(Message);
  }
}

// ---- Painting ----

void TskSkinCheckRadioBox::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  if (FFLat) {
    TBitmap B;
    B.SetSize(Width(), Height());
    PaintFlat(&B, FChecked, true);
    Canvas()->Draw(0, 0, &B);
    return;
  }
  if (FIndex == -1 || !Picture) {
    TskSkinCustomControl::Paint();
    return;
  }
  int W = Width(), H = Height();
  CalcSize(W, H);
  if (CanMorphing() && FMorphKf > 0 && FMorphKf < 1) {
    TBitmap Normal, Active;
    Normal.SetSize(Width(), Height());
    Active.SetSize(Width(), Height());
    DrawSkinState(&Normal, SkinRect, false, FChecked, FMouseIn);
    DrawSkinState(&Active, ActiveSkinRect, true, FChecked, FMouseIn);
    std::unique_ptr<TskEffectBmp> From = TskEffectBmp::CreateFromhWnd(Normal.Handle());
    std::unique_ptr<TskEffectBmp> To = TskEffectBmp::CreateFromhWnd(Active.Handle());
    MorphByKind(From.get(), To.get(), FMorphKf, MorphKind);
    From->Draw(Canvas()->Handle(), 0, 0);
    return;
  }
  TBitmap B;
  B.SetSize(Width(), Height());
  const bool AHot = Hot();
  DrawSkinState(&B, AHot ? ActiveSkinRect : SkinRect, AHot, FChecked, FMouseIn);
  Canvas()->Draw(0, 0, &B);
}

// The look as it would be with Checked = AChecked, never hot nor focused.
void TskSkinCheckRadioBox::PaintSkinTo(TCanvas* C, int X, int Y, bool AChecked) {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  if (!FFLat && (FIndex == -1 || !Picture)) return;
  TBitmap B;
  B.SetSize(Width(), Height());
  if (FFLat)
    PaintFlat(&B, AChecked, false);
  else
    DrawSkinState(&B, SkinRect, false, AChecked, false);
  C->Draw(X, Y, &B);
}

void TskSkinCheckRadioBox::SelectFont(TCanvas* C) {
  if (FIndex != -1 && UseSkinFont()) {
    C->Font()->SetName(FontName);
    C->Font()->SetHeight(FontHeight);
    C->Font()->SetStyle(FontStyle);
  } else {
    C->SetFont(DefaultFont());
  }
  if (SkinData() && SkinData()->ResourceStrData()) C->Font()->SetCharset(SkinData()->ResourceStrData()->CharSet());
}

void TskSkinCheckRadioBox::PaintFlat(TBitmap* B, bool AChecked, bool ALive) {
  TCanvas* C = B->Canvas();
  DrawParentBackground(this, C);
  SelectFont(C);
  const bool FocusDots = ALive && IsFocused();
  if (FIndex == -1) {
    DrawFlatCaption(C, 22, 5, Enabled() ? DefaultFont()->Color() : clBtnShadow, FocusDots);
    DrawBuiltInBox(C, AChecked, ALive && FMouseIn, ALive && !FRadio && FState == cbGrayed);
    return;
  }
  DrawStateImage(C, 3, Height() / 2 - RectHeight(CheckImageRect) / 2, AChecked, FMouseIn);
  const TColor Color = !FUseSkinFontColor ? DefaultFont()->Color() : Enabled() ? FrameFontColor : UnEnabledFontColor;
  DrawFlatCaption(C, RectWidth(CheckImageRect) + 7, 8, Color, FocusDots);
}

void TskSkinCheckRadioBox::DrawFlatCaption(TCanvas* C, int TextLeft, int ImageGap, TColor TextColor, bool FocusDots) {
  const int W = Width(), H = Height();
  const String Text = Caption();
  const bool Image = ImageShown();
  const int ImageWidth = Image ? FImages->Width() : 0;
  TRect Wrap, T;
  if (FWordWrap) {
    Wrap = Rect(TextLeft + ImageWidth, 0, W, H);
    DrawTextWide(C, Text, Wrap, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
    const int TextHeight = RectHeight(Wrap);
    Wrap.Top = std::max(0, H / 2 - TextHeight / 2);
    Wrap.Bottom = Wrap.Top + TextHeight;
    T = Rect(0, 0, W, H);
  } else {
    DrawTextWide(C, Text, T, DT_CALCRECT);
  }
  T = Moved(T, TextLeft, H / 2 - RectHeight(T) / 2);
  T.Right = std::min(T.Right, W - 2);
  TRect ImageRect;
  if (Image) {
    ImageRect = Bounds(T.Left, H / 2 - FImages->Height() / 2, FImages->Width(), FImages->Height());
    FImages->Draw(C, ImageRect.Left, ImageRect.Top, FImageIndex, Enabled());
    T = Moved(T, ImageWidth + ImageGap, 0);
  }
  C->Font()->SetColor(TextColor);
  C->Brush()->SetStyle(bsClear);
  if (FWordWrap)
    DrawTextWide(C, Text, Wrap, DT_EXPANDTABS | DT_WORDBREAK);
  else
    DrawLeftText(C, Text, T);
  if (!FocusDots) return;
  if (!Text.empty())
    DrawDotFrame(C, FWordWrap ? Grown(Wrap, 2, 1, 2, 1) : Grown(T, 2, 1, 3, 1));
  else if (Image)
    DrawDotFrame(C, Grown(ImageRect, 1, 1, 1, 1));
}

void TskSkinCheckRadioBox::DrawBuiltInBox(TCanvas* C, bool AChecked, bool AHot, bool AGrayed) {
  const int H = Height();
  const TRect Box = Rect(3, H / 2 - 7, 17, H / 2 + 7);
  const TColor Edge = AHot ? BuiltInOutlineColor : clBtnShadow;
  DrawBevelFrame(C, Box, Edge, Edge);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(clWindow);
  C->FillRect(Grown(Box, -1, -1, -1, -1));
  if (AGrayed) {
    DrawCheckMark(C, 7, H / 2 - 4, clGrayText);
  } else if (AChecked) {
    const TColor Mark = Enabled() ? clBlack : clBtnShadow;
    if (FRadio)
      DrawRadioDot(C, 7, H / 2 - 3, Mark);
    else
      DrawCheckMark(C, 7, H / 2 - 4, Mark);
  }
}

void TskSkinCheckRadioBox::CreateControlDefaultImage(TBitmap* B) {
  TskSkinCustomControl::CreateControlDefaultImage(B);
  TCanvas* C = B->Canvas();
  if (Hot()) {
    C->Brush()->SetColor(clBtnShadow);
    C->FrameRect(Rect(0, 0, B->Width(), B->Height()));
  }
  SelectFont(C);
  if (!Enabled()) C->Font()->SetColor(clBtnShadow);
  C->Brush()->SetStyle(bsClear);
  DrawLeftText(C, Caption(), Rect(19, 0, Width(), Height()));
  DrawBuiltInBox(C, FChecked, FMouseIn, !FRadio && FState == cbGrayed);
}

void TskSkinCheckRadioBox::DrawSkinState(TBitmap* B, const TRect& R, bool AHot, bool AChecked, bool AMouseIn) {
  DrawSkinPicture(B, Picture, R);
  TCanvas* C = B->Canvas();
  DrawStateImage(C, CIRect.Left, CIRect.Top, AChecked, AMouseIn);
  SelectFont(C);
  C->Font()->SetColor(!Enabled() ? UnEnabledFontColor : AHot ? ActiveFontColor : FontColor);
  C->Brush()->SetStyle(bsClear);
  DrawLeftText(C, Caption(), NewTextArea);
}

// The check image follows the pointer (FMouseIn) alone, not the focus.
void TskSkinCheckRadioBox::DrawStateImage(TCanvas* C, int X, int Y, bool AChecked, bool AMouseIn) {
  const bool Marked = AChecked || FState == cbGrayed;
  const TRect& R = !Enabled() ? (Marked ? UnEnabledCheckImageRect : UnEnabledUnCheckImageRect)
                   : AMouseIn ? (Marked ? ActiveCheckImageRect : ActiveUnCheckImageRect)
                              : (Marked ? CheckImageRect : UnCheckImageRect);
  if (FState == cbGrayed)
    DrawGrayedImage(C, X, Y, R, AMouseIn);
  else
    DrawCheckImage(C, X, Y, R);
}

// The image is drawn without the colour of its bottom-left pixel.
void TskSkinCheckRadioBox::DrawCheckImage(TCanvas* C, int X, int Y, const TRect& R) {
  if (!Picture || IsEmptyRect(R)) return;
  TBitmap Image;
  Image.SetSize(RectWidth(R), RectHeight(R));
  Image.Canvas()->CopyRect(Rect(0, 0, RectWidth(R), RectHeight(R)), Picture->Canvas(), R);
  Image.SetTransparent(true);
  C->Draw(X, Y, &Image);
}

// Without grayed images the checked image of the current look is lightened halfway to white.
void TskSkinCheckRadioBox::DrawGrayedImage(TCanvas* C, int X, int Y, const TRect& R, bool AMouseIn) {
  if (!IsEmptyRect(GrayedCheckImageRect)) {
    const bool Active = AMouseIn && !IsEmptyRect(ActiveGrayedCheckImageRect);
    DrawCheckImage(C, X, Y, Active ? ActiveGrayedCheckImageRect : GrayedCheckImageRect);
    return;
  }
  if (!Picture || IsEmptyRect(R)) return;
  TBitmap Image;
  Image.SetSize(RectWidth(R), RectHeight(R));
  Image.Canvas()->CopyRect(Rect(0, 0, RectWidth(R), RectHeight(R)), Picture->Canvas(), R);
  std::unique_ptr<TskEffectBmp> Light = TskEffectBmp::CreateFromhWnd(Image.Handle());
  Light->ChangeBrightness(0.5);
  Light->Draw(Image.Canvas()->Handle(), 0, 0);
  Image.SetTransparent(true);
  C->Draw(X, Y, &Image);
}
