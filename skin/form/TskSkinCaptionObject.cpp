#include "skin/form/TskSkinCaptionObject.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/winsys/Input.h"
#include "skin/controls/skMorph.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/TskEffectBmp.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skGlowText.h"
#include "skin/core/skPngBitmap.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/controls/IskSkinPopupMenu.h"
#include "skin/controls/TskPngImageList.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskQuickButtonItems.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinHint.h"
#include "skin/form/skInActiveEffect.h"

namespace {

constexpr int AnimateTick = 25;
constexpr unsigned TextDrawFormat = DT_VCENTER;
/// A quick button is its glyph with 2 pixels around it; buttons stand 8 pixels apart (glyph to glyph
/// beyond its width); the text starts 5 pixels after the room of all buttons.
constexpr int QuickButtonGap = 8;
constexpr int QuickButtonsMargin = 5;
/// The divider stands 3 pixels into the caption; the quick buttons start 6 pixels after its left edge
/// beyond its width.
constexpr int DividerLeft = 3;
constexpr int DividerGap = 6;

/// Draws Text with its top-left at (X, Y), measured first.
void TextAt(TCanvas* Canvas, const String& Text, int X, int Y, unsigned Format) {
  TRect R = Rect(X, Y, X, Y);
  DrawTextWide(Canvas, Text, R, Format | DT_CALCRECT);
  DrawTextWide(Canvas, Text, R, Format);
}

TRect MeasuredAt(TCanvas* Canvas, const String& Text, int X, int Y, unsigned Format) {
  TRect R = Rect(X, Y, X, Y);
  DrawTextWide(Canvas, Text, R, Format | DT_CALCRECT);
  return R;
}

/// R of Image into Piece, which takes R's size; pixels outside Image are transparent.
void CopyOut(const TskBitmap* Image, const TRect& R, TskBitmap* Piece) {
  Piece->SetSize(R.Width(), R.Height());
  for (int Y = 0; Y < Piece->Height(); ++Y)
    for (int X = 0; X < Piece->Width(); ++X) {
      const int IX = R.Left + X, IY = R.Top + Y;
      const bool Inside = IX >= 0 && IY >= 0 && IX < Image->Width() && IY < Image->Height();
      *Piece->PixelPtr(X, Y) = Inside ? *Image->PixelPtr(IX, IY) : 0;
    }
}

/// Piece's pixels written into Image with their top-left corner at At, as far as Image reaches.
void CopyIn(TskBitmap* Image, const TskBitmap* Piece, TPoint At) {
  for (int Y = 0; Y < Piece->Height(); ++Y)
    for (int X = 0; X < Piece->Width(); ++X) {
      const int IX = At.X + X, IY = At.Y + Y;
      if (IX >= 0 && IY >= 0 && IX < Image->Width() && IY < Image->Height())
        *Image->PixelPtr(IX, IY) = *Piece->PixelPtr(X, Y);
    }
}

/// Every pixel of Piece takes the alpha of Under's pixel at the same place.
void KeepAlpha(TskBitmap* Piece, const TskBitmap* Under) {
  for (int Y = 0; Y < Piece->Height(); ++Y)
    for (int X = 0; X < Piece->Width(); ++X) {
      TskColor* P = Piece->PixelPtr(X, Y);
      *P = (*P & 0x00FFFFFFu) | (*Under->PixelPtr(X, Y) & 0xFF000000u);
    }
}

/// Source, premultiplied, blended over Image with its top-left corner at At.
void BlendOver(TskBitmap* Image, TskBitmap* Source, TPoint At) {
  BLENDFUNCTION Blend {};
  Blend.BlendOp = AC_SRC_OVER;
  Blend.SourceConstantAlpha = 255;
  Blend.AlphaFormat = AC_SRC_ALPHA;
  AlphaBlend(Image->DC(), At.X, At.Y, Source->Width(), Source->Height(), Source->DC(), 0, 0, Source->Width(),
             Source->Height(), Blend);
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
  DividerRect = Data->DividerRect;
  InActiveDividerRect = Data->InActiveDividerRect;
  DividerTransparent = Data->DividerTransparent;
  DividerTransparentColor = Data->DividerTransparentColor;
  QuickButtonAlphaMaskPictureIndex = Data->QuickButtonAlphaMaskPictureIndex;
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
  if (Parent->AppMenuCaptionDrawn())
    TR.Left = Parent->AppMenuCaptionOffset() - ObjectRect.Left;
  else if (HasQuickButtons())
    TR.Left += Parent->QuickButtons()->Count() * (Parent->QuickImageList()->Width() + QuickButtonGap) +
               QuickButtonsMargin;
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
  Font->SetCharset(SD->ResourceStrData() ? SD->ResourceStrData()->CharSet() : Parent->DefCaptionFont()->Charset());
}

TPoint TskSkinCaptionObject::TextOrigin(TCanvas* Canvas, const String& Text, const TRect& TR) const {
  const int TW = GetTextWidthW(Canvas, Text), TH = GetTextHeightW(Canvas, Text);
  int Y = TR.Top + TR.Height() / 2 - TH / 2;
  const bool Centred = Alignment == taCenter || Parent->QuickButtons()->Count() > 0;
  const int X = Centred                       ? TR.Left + TR.Width() / 2 - TW / 2
                : Alignment == taRightJustify ? TR.Right - TW
                                              : TR.Left;
  if (Canvas->Font()->Height() % 2 != 0) Y -= 1;
  return { X, Y };
}

unsigned TskSkinCaptionObject::TextFormat() const {
  return TextDrawFormat | (Parent->Form()->UseRightToLeftReading() ? DT_RTLREADING : 0);
}

void TskSkinCaptionObject::PaintText(TCanvas* Canvas, TPoint Origin, bool ActiveStyle) const {
  if (Parent->OnCaptionPaint) {
    Parent->OnCaptionPaint(Canvas, ObjectRect, ActiveStyle);
    return;
  }
  String Text = Parent->CaptionText();
  if (Text.empty() || IsEmptyRect(TextRct)) return;
  const TRect TR = TextRect();
  SetCaptionFont(Canvas, ActiveStyle);
  ShortenTextW(Canvas, Text, TR.Width());
  const int TW = GetTextWidthW(Canvas, Text);
  TPoint At = TextOrigin(Canvas, Text, TR);
  const int X = At.X + Origin.X, Y = At.Y + Origin.Y;
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
  const unsigned Format = TextFormat();
  const TColor Color = Canvas->Font()->Color();
  if (Light) {
    Canvas->Font()->SetColor(ActiveStyle ? ActiveLightColor : LightColor);
    TextAt(Canvas, Text, X - 1, Y - 1, Format);
  }
  if (Shadow) {
    Canvas->Font()->SetColor(ActiveStyle ? ActiveShadowColor : ShadowColor);
    TextAt(Canvas, Text, X + 1, Y + 1, Format);
  }
  Canvas->Font()->SetColor(Color);
  const TRect R = MeasuredAt(Canvas, Text, X, Y, Format);
  if (ReflectionEffect)
    DrawReflectionText(Canvas, R, Text, Format, ReflectionOffset,
                       ActiveStyle ? ReflectionActiveColor : ReflectionColor);
  else if (VistaGlowEffect && (ActiveStyle || VistaGlowInActiveEffect))
    DrawVistaGlowText(Canvas, R, Text, Format, ActiveStyle ? GlowActiveColor : GlowColor);
  else if (GlowEffect && (ActiveStyle || GlowInActiveEffect))
    DrawGlowText(Canvas, R, Text, Format, GlowOffset, ActiveStyle ? GlowActiveColor : GlowColor, GlowSize);
  else
    TextAt(Canvas, Text, X, Y, Format);
}

void TskSkinCaptionObject::PaintAlphaText(TCanvas* Canvas, TPoint Origin, int Left, bool ActiveStyle,
                                          bool Mask) const {
  String Text = Parent->CaptionText();
  if (Text.empty()) return;
  TRect TR = Rect(Left, 0, ObjectRect.Width(), ObjectRect.Height());
  if (VistaGlowEffect) {
    TR.Left += 6;
    TR.Right -= 6;
  } else if (GlowEffect) {
    TR.Left += 3;
    TR.Right -= 3;
  }
  SetCaptionFont(Canvas, ActiveStyle);
  ShortenTextW(Canvas, Text, TR.Width());
  const TPoint At = TextOrigin(Canvas, Text, TR);
  const int X = At.X + Origin.X, Y = At.Y + Origin.Y;
  // The mask takes every layer in white: where letters are, the picture becomes opaque.
  auto Colour = [Mask](TColor C) { return Mask ? clWhite : C; };
  Canvas->Brush()->SetStyle(bsClear);
  const unsigned Format = TextFormat();
  const TColor Color = Colour(Canvas->Font()->Color());
  if (Light) {
    Canvas->Font()->SetColor(Colour(ActiveStyle ? ActiveLightColor : LightColor));
    TextAt(Canvas, Text, X - 1, Y - 1, Format);
  }
  if (Shadow) {
    Canvas->Font()->SetColor(Colour(ActiveStyle ? ActiveShadowColor : ShadowColor));
    TextAt(Canvas, Text, X + 1, Y + 1, Format);
  }
  Canvas->Font()->SetColor(Color);
  const TRect R = MeasuredAt(Canvas, Text, X, Y, Format);
  if (ReflectionEffect)
    DrawReflectionText(Canvas, R, Text, Format, ReflectionOffset,
                       Colour(ActiveStyle ? ReflectionActiveColor : ReflectionColor));
  else if (VistaGlowEffect)
    DrawSmallVistaGlowText(Canvas, R, Text, Format, Colour(ActiveStyle ? GlowActiveColor : GlowColor));
  else if (GlowEffect)
    DrawGlowText(Canvas, R, Text, Format, GlowOffset, Colour(ActiveStyle ? GlowActiveColor : GlowColor), GlowSize);
  else
    TextAt(Canvas, Text, X, Y, Format);
}

void TskSkinCaptionObject::DrawAlpha(TCanvas*, TskBitmap* ABitMap) {
  if (!SkinUsable() || ObjectRect.Width() <= 0 || ObjectRect.Height() <= 0) return;
  // The text's piece of the picture (with room for a glow or reflection), opaque, gets the text in its
  // colours; a grey copy of its alpha gets the text in white and gives the piece its alpha back.
  const int Margin = GlowEffect || VistaGlowEffect || ReflectionEffect ? 6 : 0;
  const TRect& O = ObjectRect;
  const TRect A = Rect(std::max(O.Left - Margin, 0), std::max(O.Top - Margin, 0),
                       std::min(O.Right + Margin, ABitMap->Width()), std::min(O.Bottom + Margin, ABitMap->Height()));
  if (A.Width() > 0 && A.Height() > 0) {
    TskBitmap Piece, Mask;
    CopyOut(ABitMap, A, &Piece);
    Mask.SetSize(A.Width(), A.Height());
    for (int Y = 0; Y < A.Height(); ++Y)
      for (int X = 0; X < A.Width(); ++X) {
        TskColor* P = Piece.PixelPtr(X, Y);
        const TskColor Alpha = *P >> 24;
        *P |= 0xFF000000u;
        *Mask.PixelPtr(X, Y) = 0xFF000000u | Alpha << 16 | Alpha << 8 | Alpha;
      }
    const bool ActiveStyle = Parent->FormActiveFlag();
    const TPoint Origin { ObjectRect.Left - A.Left, ObjectRect.Top - A.Top };
    const int Left = AlphaQuickButtonsRoom();
    PaintAlphaText(Piece.Canvas(), Origin, Left, ActiveStyle, false);
    PaintAlphaText(Mask.Canvas(), Origin, Left, ActiveStyle, true);
    SetAlphaFromMask(&Piece, &Mask);
    CopyIn(ABitMap, &Piece, A.TopLeft());
  }
  PaintAlphaQuickButtons(ABitMap);
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
  } else if (IsEmptyRect(ActiveSkinRect) ||
             (!FormActive && !EnableMorphing() && !StretchEffect && !EnableAnimation())) {
    PaintText(Cnvs, ObjectRect.TopLeft(), FormActive);
    PaintQuickButtons(Cnvs);
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
  PaintQuickButtons(Cnvs);
}

// ---- Quick buttons -------------------------------------------------------------------------------------

bool TskSkinCaptionObject::HasQuickButtons() const {
  return Parent->QuickButtons()->Count() > 0 && Parent->QuickImageList();
}

void TskSkinCaptionObject::LayOutQuickButtons(int X, const std::function<void(TskQuickButtonItem*)>& Paint) {
  TCustomImageList* Images = Parent->QuickImageList();
  const int Y = ObjectRect.Top + ObjectRect.Height() / 2 - Images->Height() / 2 - 2;
  for (int i = 0; i < Parent->QuickButtons()->Count(); ++i) {
    TskQuickButtonItem* Item = Parent->QuickButtons()->Items(i);
    if (!Item->Visible()) continue;
    Item->ItemRect = Rect(X, Y, X + Images->Width() + 4, Y + Images->Height() + 4);
    X += Images->Width() + QuickButtonGap;
    Paint(Item);
  }
}

const TskDataSkinButtonControl* TskSkinCaptionObject::QuickButtonFace(const TskQuickButtonItem* Item,
                                                                     TBitmap* Face) const {
  const TskDataSkinButtonControl* Back = nullptr;
  for (const char* Name : { "officequickbutton", "resizetoolbutton" })
    if (const int Index = SD->GetControlIndex(Name); !Back && Index >= 0)
      Back = dynamic_cast<const TskDataSkinButtonControl*>(SD->CtrlList[size_t(Index)].get());
  TBitmap* Picture = Back ? SkinPicture(Back->PictureIndex) : nullptr;
  if (!Picture) return nullptr;
  const TRect& R = Item->ItemRect;
  Face->SetSize(R.Width(), R.Height());
  ComposeStretchedSkinImage(Face, Picture, Item->Down ? Back->DownSkinRect : Back->ActiveSkinRect, Back->ClRect, true);
  return Back;
}

void TskSkinCaptionObject::PaintQuickButtons(TCanvas* Cnvs) {
  if (!HasQuickButtons() || Parent->AppMenuCaptionDrawn()) return;
  TCustomImageList* Images = Parent->QuickImageList();
  const TRect Divider = Active || IsEmptyRect(InActiveDividerRect) ? DividerRect : InActiveDividerRect;
  int X = ObjectRect.Left;
  if (!IsEmptyRect(Divider) && Parent->QuickButtonsShowDivider && ActivePicture) {
    TBitmap Piece;
    DividerPicture(Divider, &Piece);
    Cnvs->Draw(ObjectRect.Left + DividerLeft, ObjectRect.Top + ObjectRect.Height() / 2 - Divider.Height() / 2, &Piece);
    X = ObjectRect.Left + Divider.Width() + DividerGap;
  }
  LayOutQuickButtons(X, [&](TskQuickButtonItem* Item) {
    if (Item->ImageIndex() < 0) return;
    const TRect& R = Item->ItemRect;
    TBitmap Face;
    if (Item->Active && QuickButtonFace(Item, &Face)) Cnvs->Draw(R.Left, R.Top, &Face);
    Images->Draw(Cnvs, R.Left + R.Width() / 2 - Images->Width() / 2, R.Top + R.Height() / 2 - Images->Height() / 2,
                 Item->ImageIndex(), Item->Enabled());
  });
}

void TskSkinCaptionObject::DividerPicture(const TRect& Source, TBitmap* Divider) const {
  Divider->SetSize(Source.Width(), Source.Height());
  Divider->Canvas()->CopyRect(Rect(0, 0, Source.Width(), Source.Height()), ActivePicture->Canvas(), Source);
  if (!DividerTransparent) return;
  Divider->SetTransparentColor(DividerTransparentColor);
  Divider->SetTransparent(true);
}

// ---- Quick buttons on a layered border -----------------------------------------------------------------

int TskSkinCaptionObject::AlphaQuickButtonsRoom() const {
  if (!HasQuickButtons()) return 0;
  const int Buttons = Parent->QuickButtons()->Count() * (Parent->QuickImageList()->Width() + QuickButtonGap);
  return IsEmptyRect(DividerRect) ? Buttons + QuickButtonsMargin : DividerRect.Width() + Buttons + DividerGap;
}

void TskSkinCaptionObject::PaintAlphaQuickButtons(TskBitmap* ABitMap) {
  if (!HasQuickButtons()) return;
  int X = ObjectRect.Left + QuickButtonsMargin;
  if (!IsEmptyRect(DividerRect)) {
    PaintAlphaDivider(ABitMap);
    X = ObjectRect.Left + DividerRect.Width() + DividerGap;
  }
  LayOutQuickButtons(X, [&](TskQuickButtonItem* Item) { PaintAlphaQuickButton(ABitMap, Item); });
}

// The divider takes the alpha of the picture it covers; a transparent one shows the picture through.
void TskSkinCaptionObject::PaintAlphaDivider(TskBitmap* ABitMap) {
  const TRect Source = Parent->FormActiveFlag() || IsEmptyRect(InActiveDividerRect) ? DividerRect : InActiveDividerRect;
  if (!ActivePicture) return;
  const int Top = ObjectRect.Top + ObjectRect.Height() / 2 - DividerRect.Height() / 2;
  const TRect At = Bounds(ObjectRect.Left + DividerLeft, Top, Source.Width(), Source.Height());
  TBitmap Divider;
  DividerPicture(Source, &Divider);
  TskBitmap Under, Piece;
  CopyOut(ABitMap, At, &Under);
  Piece.Assign(&Under);
  Piece.Canvas()->Draw(0, 0, &Divider);
  KeepAlpha(&Piece, &Under);
  CopyIn(ABitMap, &Piece, At.TopLeft());
}

// A hot or pressed background is opaque, or takes its alpha from the skin's mask picture stretched to it.
void TskSkinCaptionObject::PaintAlphaQuickButton(TskBitmap* ABitMap, TskQuickButtonItem* Item) {
  if (Item->ImageIndex() < 0) return;
  const TRect& R = Item->ItemRect;
  TBitmap Face;
  const TskDataSkinButtonControl* Record = Item->Active ? QuickButtonFace(Item, &Face) : nullptr;
  if (Record) {
    TskBitmap Back;
    Back.Assign(&Face);
    TBitmap* MaskPicture = SkinPicture(QuickButtonAlphaMaskPictureIndex);
    if (!MaskPicture) {
      Back.SetAlpha(255);
      CopyIn(ABitMap, &Back, R.TopLeft());
    } else {
      TRect Corners = Record->ClRect;
      Corners.Right += MaskPicture->Width() - Record->SkinRect.Width();
      Corners.Bottom += MaskPicture->Height() - Record->SkinRect.Height();
      TBitmap MaskFace;
      MaskFace.SetSize(R.Width(), R.Height());
      ComposeStretchedSkinImage(&MaskFace, MaskPicture, Rect(0, 0, MaskPicture->Width(), MaskPicture->Height()),
                                Corners, true);
      TskBitmap Mask;
      Mask.Assign(&MaskFace);
      SetPremultipliedAlphaFromMask(&Back, &Mask);
      BlendOver(ABitMap, &Back, R.TopLeft());
    }
  }
  PaintAlphaGlyph(ABitMap, Item);
}

// A PNG glyph brings its own alpha; a disabled one is drawn over the background and keeps its alpha;
// another list's glyph is opaque wherever it leaves the key colour of the bitmap it is drawn into.
void TskSkinCaptionObject::PaintAlphaGlyph(TskBitmap* ABitMap, TskQuickButtonItem* Item) {
  TCustomImageList* Images = Parent->QuickImageList();
  const TRect& R = Item->ItemRect;
  const TRect At = Bounds(R.Left + R.Width() / 2 - Images->Width() / 2, R.Top + R.Height() / 2 - Images->Height() / 2,
                          Images->Width(), Images->Height());
  const int Index = Item->ImageIndex();
  TskBitmap Glyph;
  if (auto* Pngs = dynamic_cast<TskPngImageList*>(Images)) {
    if (Item->Enabled()) {
      if (Index >= Pngs->PngImages()->Count()) return;
      AssignPngToBitmap(&Glyph, Pngs->PngImages()->Items(Index)->PngImage());
      if (Glyph.Empty()) return;
      Glyph.CheckRGBA2();
      BlendOver(ABitMap, &Glyph, At.TopLeft());
      return;
    }
    TskBitmap Under;
    CopyOut(ABitMap, At, &Under);
    Glyph.Assign(&Under);
    Images->Draw(Glyph.Canvas(), 0, 0, Index, false);
    KeepAlpha(&Glyph, &Under);
    CopyIn(ABitMap, &Glyph, At.TopLeft());
    return;
  }
  Glyph.SetSize(At.Width(), At.Height());
  Glyph.Clear(TransparentKeyColor);
  Images->Draw(Glyph.Canvas(), 0, 0, Index, Item->Enabled());
  for (int Y = 0; Y < Glyph.Height(); ++Y)
    for (int X = 0; X < Glyph.Width(); ++X) {
      TskColor* P = Glyph.PixelPtr(X, Y);
      *P = (*P & 0x00FFFFFFu) == TransparentKeyColor ? 0 : *P | 0xFF000000u;
    }
  // The key colour's pixels, now transparent, leave the picture as it was.
  BlendOver(ABitMap, &Glyph, At.TopLeft());
}

void TskSkinCaptionObject::UpdateQuickButtonHover(int X, int Y) {
  if (!HasQuickButtons()) return;
  if (Parent->AppMenuCaptionDrawn()) {
    ActiveQuickButton = -1;
    return;
  }
  TskQuickButtonItems* Items = Parent->QuickButtons();
  OldActiveQuickButton = ActiveQuickButton;
  ActiveQuickButton = -1;
  for (int i = 0; i < Items->Count() && ActiveQuickButton < 0; ++i)
    if (Items->Items(i)->Enabled() && Items->Items(i)->Visible() && Items->Items(i)->ItemRect.Contains({ X, Y }))
      ActiveQuickButton = i;
  bool Changed = ActiveQuickButton != OldActiveQuickButton;
  for (int i = 0; i < Items->Count(); ++i) {
    if (i == PopupMenuQuickButton) continue;
    TskQuickButtonItem* Item = Items->Items(i);
    Changed = Changed || Item->Active != (i == ActiveQuickButton);
    Item->Active = i == ActiveQuickButton;
  }
  if (!Changed) return;
  Parent->UpDateFormNC();
  TskSkinHint* Hint = Parent->SkinHint();
  if (!Hint || !Parent->QuickButtonsShowHint) return;
  if (ActiveQuickButton >= 0 && !Items->Items(ActiveQuickButton)->Hint.empty())
    Hint->ActivateHint2(Items->Items(ActiveQuickButton)->Hint);
  else if (ActiveQuickButton < 0)
    Hint->HideHint();
}

void TskSkinCaptionObject::ReleasePopupQuickButton() {
  if (PopupMenuQuickButton < 0 || PopupMenuQuickButton >= Parent->QuickButtons()->Count()) return;
  TskQuickButtonItem* Item = Parent->QuickButtons()->Items(PopupMenuQuickButton);
  PopupMenuQuickButton = -1;
  Item->Down = Item->Active = false;
  Parent->UpDateFormNC();
}

// ---- Mouse ---------------------------------------------------------------------------------------------

void TskSkinCaptionObject::MouseMove(int X, int Y) {
  TskActiveSkinObject::MouseMove(X, Y);
  UpdateQuickButtonHover(X, Y);
}

void TskSkinCaptionObject::MouseDown(int X, int Y, TMouseButton Button) {
  TskActiveSkinObject::MouseDown(X, Y, Button);
  if (!HasQuickButtons()) return;
  if (Parent->QuickButtonsShowHint && Parent->SkinHint()) Parent->SkinHint()->HideHint();
  if (Button != mbLeft) return;
  FDown = true;
  UpdateQuickButtonHover(X, Y);
  if (ActiveQuickButton < 0) return;
  TskQuickButtonItems* Items = Parent->QuickButtons();
  TskQuickButtonItem* Pressed = Items->Items(ActiveQuickButton);
  Pressed->Down = true;
  for (int i = 0; i < Items->Count(); ++i)
    if (i != ActiveQuickButton) Items->Items(i)->Down = Items->Items(i)->Active = false;
  Parent->UpDateFormNC();
  if (!Pressed->PopupMenu || PopupMenuQuickButton == ActiveQuickButton) {
    MouseCaptureQuickButton = ActiveQuickButton;
    return;
  }
  PopupMenuQuickButton = ActiveQuickButton;
  MouseCaptureQuickButton = -1;
  Parent->HideLayers();
  // A menu that shows nothing holds the button no longer.
  if (!Pressed->PopupMenu->PopupFromRect2(nullptr, ToScreen(Pressed->ItemRect), false))
    ReleasePopupQuickButton();
}

void TskSkinCaptionObject::MouseUp(int X, int Y, TMouseButton Button) {
  TskActiveSkinObject::MouseUp(X, Y, Button);
  FDown = false;
  if (HasQuickButtons())
    UpdateQuickButtonHover(X, Y);
  else
    ActiveQuickButton = -1;
  // The caption of a full border has no system frame to open the system menu: it opens it itself.
  if (Button == mbRight && ActiveQuickButton < 0 && Parent->FullBorderShown()) {
    Parent->BorderLayer()->MouseCaptureObject = -1;
    if (!Parent->DisableSystemMenu()) {
      TPoint P;
      GetCursorPos(&P);
      Parent->PopupSkinMenuItems(Parent->SystemMenuItems(), Rect(P.X, P.Y, P.X, P.Y), false);
    }
  }
  if (!HasQuickButtons()) return;
  TskQuickButtonItems* Items = Parent->QuickButtons();
  if (ActiveQuickButton < 0 && MouseCaptureQuickButton >= 0 && MouseCaptureQuickButton < Items->Count()) {
    Items->Items(MouseCaptureQuickButton)->Down = Items->Items(MouseCaptureQuickButton)->Active = false;
    Parent->UpDateFormNC();
  }
  MouseCaptureQuickButton = -1;
  if (ActiveQuickButton < 0 || Button != mbLeft) return;
  TskQuickButtonItem* Released = Items->Items(ActiveQuickButton);
  const bool WasDown = Released->Down;
  for (int i = 0; i < Items->Count(); ++i)
    if (!(i == ActiveQuickButton && i == PopupMenuQuickButton)) Items->Items(i)->Down = false;
  Parent->UpDateFormNC();
  if (WasDown && Released->OnClick) Released->OnClick(this);
}

void TskSkinCaptionObject::MouseEnter() {
  FMouseIn = true;
  if (Parent->OnMouseEnterEvent) Parent->OnMouseEnterEvent(IDName);
}

void TskSkinCaptionObject::MouseLeave() {
  FMouseIn = false;
  if (Parent->OnMouseLeaveEvent) Parent->OnMouseLeaveEvent(IDName);
  if (!HasQuickButtons()) return;
  ActiveQuickButton = OldActiveQuickButton = -1;
  UpdateQuickButtonHover(-1, -1);
  if (!FDown) return;
  FDown = false;
  Parent->MouseCaptureObject = -1;
  if (MouseCaptureQuickButton >= 0 && MouseCaptureQuickButton < Parent->QuickButtons()->Count())
    Parent->QuickButtons()->Items(MouseCaptureQuickButton)->Down = false;
  MouseCaptureQuickButton = -1;
}
