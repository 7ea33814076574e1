#include "skin/form/TskSkinCaptionObject.h"

#include <algorithm>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "skin/controls/skMorph.h"
#include "skin/core/TskEffectBmp.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skGlowText.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/skInActiveEffect.h"

namespace {

constexpr int AnimateTick = 25;
constexpr unsigned TextFormat = DT_VCENTER;

/// Draws Text with its top-left at (X, Y), measured first.
void TextAt(TCanvas* Canvas, const String& Text, int X, int Y) {
  TRect R = Rect(X, Y, X, Y);
  DrawTextWide(Canvas, Text, R, TextFormat | DT_CALCRECT);
  DrawTextWide(Canvas, Text, R, TextFormat);
}

TRect MeasuredAt(TCanvas* Canvas, const String& Text, int X, int Y) {
  TRect R = Rect(X, Y, X, Y);
  DrawTextWide(Canvas, Text, R, TextFormat | DT_CALCRECT);
  return R;
}

}  // namespace

TskSkinCaptionObject::TskSkinCaptionObject(TskSkinForm* AParent, TskDataSkinObject* AData)
    : TskActiveSkinObject(AParent, AData) {
  auto* Data = dynamic_cast<TskDataSkinCaption*>(AData);
  if (!Data) return;
  FontName = Data->FontName;
  FontStyle = Data->FontStyle;
  FontHeight = Data->FontHeight;
  FontColor = Data->FontColor;
  ActiveFontColor = Data->ActiveFontColor;
  ShadowColor = Data->ShadowColor;
  ActiveShadowColor = Data->ActiveShadowColor;
  Shadow = Data->Shadow;
  LightColor = Data->LightColor;
  ActiveLightColor = Data->ActiveLightColor;
  Light = Data->Light;
  Alignment = Data->Alignment;
  TextRct = Data->TextRct;
  FrameRect = Data->FrameRect;
  ActiveFrameRect = Data->ActiveFrameRect;
  FrameLeftOffset = Data->FrameLeftOffset;
  FrameRightOffset = Data->FrameRightOffset;
  FrameTextRect = Data->FrameTextRect;
  StretchEffect = Data->StretchEffect;
  FullFrame = Data->FullFrame;
  AnimateSkinRect = Data->AnimateSkinRect;
  FrameCount = Data->FrameCount;
  AnimateInterval = Data->AnimateInterval;
  InActiveAnimation = Data->InActiveAnimation;
  VistaGlowEffect = Data->VistaGlowEffect;
  VistaGlowInActiveEffect = Data->VistaGlowInActiveEffect;
  GlowEffect = Data->GlowEffect;
  GlowInActiveEffect = Data->GlowInActiveEffect;
  GlowSize = Data->GlowSize;
  GlowColor = Data->GlowColor;
  GlowActiveColor = Data->GlowActiveColor;
  GlowOffset = Data->GlowOffset;
  ReflectionEffect = Data->ReflectionEffect;
  ReflectionColor = Data->ReflectionColor;
  ReflectionActiveColor = Data->ReflectionActiveColor;
  ReflectionOffset = Data->ReflectionOffset;
}

// A strip of no frames has no frame to show: such a record does not animate.
bool TskSkinCaptionObject::EnableAnimation() const {
  return SkinUsable() && SD->EnableSkinEffects() && !IsEmptyRect(AnimateSkinRect) && FrameCount > 0;
}

bool TskSkinCaptionObject::AnimationTick() {
  if (FIncTime < AnimateInterval) {
    FIncTime += AnimateTick;
    return true;
  }
  if (Active ? CurrentFrame > FrameCount : CurrentFrame <= 0) return false;
  CurrentFrame += Active ? 1 : -1;
  // Past the strip the static look may be text over the frame picture alone, which only a whole frame
  // paint shows without the last frame under it.
  if (CurrentFrame >= 1 && CurrentFrame <= FrameCount)
    Parent->DrawSkinObject(this);
  else
    Parent->UpDateFormNC();
  FIncTime = AnimateTick;
  return true;
}

// ---- Geometry and text ---------------------------------------------------------------------------------

TRect TskSkinCaptionObject::TextRect() const {
  TRect TR = TextRct;
  if (IsEmptyRect(TextRct)) return TR;
  TR.Right = ObjectRect.Width() - (SkinRect.Width() - TextRct.Right);
  if (!IsEmptyRect(FrameRect)) {
    TR.Top += FrameTextRect.Top;
    TR.Left += FrameTextRect.Left;
    TR.Right -= FrameRect.Width() - FrameTextRect.Right;
  }
  return TR;
}

TRect TskSkinCaptionObject::AnimationFrame(int N) const {
  if (SkinRect.Height() < AnimateSkinRect.Height()) {
    const int H = AnimateSkinRect.Height() / FrameCount;
    return Rect(AnimateSkinRect.Left, AnimateSkinRect.Top + H * (N - 1), AnimateSkinRect.Right,
                AnimateSkinRect.Top + H * N);
  }
  const int W = AnimateSkinRect.Width() / FrameCount;
  return Rect(AnimateSkinRect.Left + W * (N - 1), AnimateSkinRect.Top, AnimateSkinRect.Left + W * N,
              AnimateSkinRect.Bottom);
}

void TskSkinCaptionObject::SetCaptionFont(TCanvas* Canvas, bool ActiveStyle) const {
  TFont* Font = Canvas->Font();
  if (Parent->UseSkinFontInCaption()) {
    Font->SetName(FontName);
    Font->SetStyle(FontStyle);
    Font->SetHeight(FontHeight);
  } else {
    Font->Assign(Parent->DefCaptionFont());
  }
  Font->SetColor(ActiveStyle ? ActiveFontColor : FontColor);
}

void TskSkinCaptionObject::PaintText(TCanvas* Canvas, TPoint Origin, bool ActiveStyle) const {
  if (Parent->OnCaptionPaint) {
    Parent->OnCaptionPaint(Canvas, ObjectRect, ActiveStyle);
    return;
  }
  String Text = Parent->Form()->Caption();
  if (Text.empty() || IsEmptyRect(TextRct)) return;
  const TRect TR = TextRect();
  SetCaptionFont(Canvas, ActiveStyle);
  ShortenTextW(Canvas, Text, TR.Width());
  const int TW = GetTextWidthW(Canvas, Text), TH = GetTextHeightW(Canvas, Text);
  int Y = TR.Top + TR.Height() / 2 - TH / 2;
  int X = Alignment == taLeftJustify    ? TR.Left
          : Alignment == taRightJustify ? TR.Right - TW
                                        : TR.Left + TR.Width() / 2 - TW / 2;
  X += Origin.X;
  Y += Origin.Y;
  if (Canvas->Font()->Height() % 2 != 0) Y -= 1;
  if (!IsEmptyRect(FrameRect) && ActivePicture) {
    const TRect Plate = ActiveStyle && !IsEmptyRect(ActiveFrameRect) ? ActiveFrameRect : FrameRect;
    TBitmap Image;
    const int ButtonsOffset = SD->ButtonsOffset;
    if (FullFrame) {
      if (ObjectRect.Width() > 2 * ButtonsOffset) {
        ComposeHorzStripImage(FrameLeftOffset, FrameRightOffset, &Image, ActivePicture, Plate,
                              ObjectRect.Width() - 2 * ButtonsOffset, FrameRect.Height(), false);
        Canvas->Draw(Origin.X + ButtonsOffset, Y - FrameTextRect.Top, &Image);
      }
    } else if (const int W = FrameRect.Width() + TW - FrameTextRect.Width(); W > 0) {
      ComposeHorzStripImage(FrameLeftOffset, FrameRightOffset, &Image, ActivePicture, Plate, W, FrameRect.Height(),
                            false);
      Canvas->Draw(X - FrameTextRect.Left, Y - FrameTextRect.Top, &Image);
    }
  }
  Canvas->Brush()->SetStyle(bsClear);
  const TColor Color = Canvas->Font()->Color();
  if (Light) {
    Canvas->Font()->SetColor(ActiveStyle ? ActiveLightColor : LightColor);
    TextAt(Canvas, Text, X - 1, Y - 1);
  }
  if (Shadow) {
    Canvas->Font()->SetColor(ActiveStyle ? ActiveShadowColor : ShadowColor);
    TextAt(Canvas, Text, X + 1, Y + 1);
  }
  Canvas->Font()->SetColor(Color);
  const TRect R = MeasuredAt(Canvas, Text, X, Y);
  if (ReflectionEffect)
    DrawReflectionText(Canvas, R, Text, TextFormat, ReflectionOffset,
                       ActiveStyle ? ReflectionActiveColor : ReflectionColor);
  else if (VistaGlowEffect && (ActiveStyle || VistaGlowInActiveEffect))
    DrawVistaGlowText(Canvas, R, Text, TextFormat, ActiveStyle ? GlowActiveColor : GlowColor);
  else if (GlowEffect && (ActiveStyle || GlowInActiveEffect))
    DrawGlowText(Canvas, R, Text, TextFormat, GlowOffset, ActiveStyle ? GlowActiveColor : GlowColor, GlowSize);
  else
    TextAt(Canvas, Text, X, Y);
}

// ---- Drawing -------------------------------------------------------------------------------------------

void TskSkinCaptionObject::CaptionImage(TBitmap* Image, TBitmap* APicture, const TRect& Source) const {
  const int W = ObjectRect.Width(), H = ObjectRect.Height();
  const int L = std::max(SD->LTPoint.X - SkinRect.Left, 0);
  const int R = std::max(SkinRect.Right - SD->RTPoint.X, 0);
  if (L != 0 || R != 0) {
    ComposeHorzStripImage(L, R, Image, APicture, Source, W, H, StretchEffect);
    return;
  }
  Image->SetSize(W, H);
  Image->Canvas()->CopyRect(Rect(0, 0, W, H), APicture->Canvas(), Source);
}

void TskSkinCaptionObject::ApplySkinInActiveEffect(TBitmap* Image) const {
  if (SD->AutoRenderingInActiveImage && !Parent->GetFormActive()) ApplyInActiveEffect(Image, SD->InActiveEffect);
}

void TskSkinCaptionObject::Draw(TCanvas* Cnvs, bool) {
  if (!SkinUsable() || ObjectRect.Width() <= 0 || ObjectRect.Height() <= 0) return;
  const bool FormActive = Parent->GetFormActive();
  const bool Animating = EnableAnimation() && CurrentFrame >= 1 && CurrentFrame <= FrameCount;
  const bool Transition = EnableMorphing() && (FormActive ? FMorphKf < MorphSteps : FMorphKf > 0);
  TBitmap Image;
  if (Animating && ActivePicture) {
    CaptionImage(&Image, ActivePicture, AnimationFrame(CurrentFrame));
    PaintText(Image.Canvas(), { 0, 0 }, !FormActive);
  } else if (Transition && ActivePicture) {
    TBitmap Hot;
    CaptionImage(&Image, Picture, SkinRect);
    PaintText(Image.Canvas(), { 0, 0 }, false);
    CaptionImage(&Hot, ActivePicture, ActiveSkinRect);
    PaintText(Hot.Canvas(), { 0, 0 }, true);
    std::unique_ptr<TskEffectBmp> From = TskEffectBmp::CreateFromhWnd(Image.Handle());
    std::unique_ptr<TskEffectBmp> To = TskEffectBmp::CreateFromhWnd(Hot.Handle());
    MorphByKind(From.get(), To.get(), MorphKf(), MorphKind);
    From->Draw(Image.Canvas()->Handle(), 0, 0);
    ApplySkinInActiveEffect(&Image);
  } else if (IsEmptyRect(ActiveSkinRect) || (!FormActive && !EnableMorphing() && !StretchEffect && !EnableAnimation())) {
    PaintText(Cnvs, ObjectRect.TopLeft(), FormActive);
    return;
  } else if (!FormActive) {
    CaptionImage(&Image, Picture, SkinRect);
    ApplySkinInActiveEffect(&Image);
    PaintText(Image.Canvas(), { 0, 0 }, false);
  } else {
    CaptionImage(&Image, ActivePicture, ActiveSkinRect);
    PaintText(Image.Canvas(), { 0, 0 }, true);
  }
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &Image);
}

// ---- Mouse ---------------------------------------------------------------------------------------------

void TskSkinCaptionObject::MouseEnter() {
  FMouseIn = true;
  if (Parent->OnMouseEnterEvent) Parent->OnMouseEnterEvent(IDName);
}

void TskSkinCaptionObject::MouseLeave() {
  FMouseIn = false;
  if (Parent->OnMouseLeaveEvent) Parent->OnMouseLeaveEvent(IDName);
}
