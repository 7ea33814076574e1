#include "skin/controls/TskSkinSpeedButton.h"

#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "skin/controls/TskSkinToolBar.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skColorMix.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skSkinColors.h"
#include "skin/core/skUtils.h"

TskSkinSpeedButton::TskSkinSpeedButton(TComponent* AOwner) : TskSkinButtonBase(AOwner) {
  FControlStyle = { csCaptureMouse, csOpaque, csDoubleClicks };
  FImageIndex = 0;
  FWidth = 25;
  FHeight = 25;
  SetSkinDataName("toolbutton");
}

// ---- Properties ----

void TskSkinSpeedButton::SetTransparent(bool Value) {
  if (Value)
    FControlStyle.Exclude(csOpaque);
  else
    FControlStyle.Include(csOpaque);
  if (!FStopDraw) Repaint();
}

void TskSkinSpeedButton::SetTransparentNoRedraw(bool Value) {
  FStopDraw = true;
  SetTransparent(Value);
  FStopDraw = false;
}

void TskSkinSpeedButton::SetFlat(bool Value) {
  FFlat = Value;
  SetTransparent(Value);
}

void TskSkinSpeedButton::SetShowCaption(bool Value) {
  if (Value == FShowCaption) return;
  FShowCaption = Value;
  if (FWidthWithCaption > 0 && FWidthWithoutCaption > 0)
    SetWidth(Value ? FWidthWithCaption : FWidthWithoutCaption);
  else
    Repaint();
}

// A flat button stored down shows its face.
void TskSkinSpeedButton::Loaded() {
  TskSkinButtonBase::Loaded();
  if (FFlat && Transparent() && FDown) SetTransparentNoRedraw(false);
}

// ---- Skin ----

void TskSkinSpeedButton::ReadButtonRecord(const TskDataSkinButtonControl& R) {
  if (Transparent()) Morphing = false;
  MenuMarkerFlatRect = IsEmptyRect(R.MenuMarkerFlatRect) ? R.MenuMarkerRect : R.MenuMarkerFlatRect;
}

void TskSkinSpeedButton::ChangeSkinData() {
  StopAnimate();
  StopMorph();
  TskSkinButtonBase::ChangeSkinData();
  if (CanMorphing() && Skinned() && FMouseIn && !Transparent()) FMorphKf = 1;
}

// ---- State ----

bool TskSkinSpeedButton::CanAnimate() const { return !FFlat && TskSkinButtonBase::CanAnimate(); }

void TskSkinSpeedButton::DoMorph() {
  if (!CanMorphing() || !Skinned() || Transparent() || FFlat)
    Repaint();
  else
    StartMorph();
}

// A flat button that goes up while the pointer is elsewhere turns transparent again.
void TskSkinSpeedButton::DownChanged() {
  if (!FMouseIn && FFlat && !Transparent() && !FDown) SetTransparentNoRedraw(true);
}

bool TskSkinSpeedButton::DrawnDown() const { return FDown && ((FMouseIn && GroupIndex() == 0) || GroupIndex() != 0); }

// ---- Mouse ----

void TskSkinSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const std::weak_ptr<bool> Life = LifeToken();
  TskSkinButtonBase::MouseUp(Button, Shift, X, Y);
  if (!Life.expired() && Button == mbLeft) ReleaseButton();
}

void TskSkinSpeedButton::MouseEnter(TMessage& Message) {
  const bool React = (GroupIndex() == 0 || !FDown) && Enabled();
  if (FFlat && React) SetTransparentNoRedraw(false);
  TskSkinButtonBase::Dispatch(Message);
  if (!Enabled()) return;
  FMouseIn = true;
  MouseEntered(React);
}

void TskSkinSpeedButton::MouseLeave(TMessage& Message) {
  const bool React = (GroupIndex() == 0 || !FDown) && Enabled();
  if (FFlat && React) SetTransparentNoRedraw(true);
  TskSkinButtonBase::Dispatch(Message);
  if (!Enabled()) return;
  FMouseIn = false;
  MouseLeft(GroupIndex() == 0 || !FDown);
}

void TskSkinSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case CM_MOUSEENTER: MouseEnter(Message); return;
  case CM_MOUSELEAVE: MouseLeave(Message); return;
  case CM_DIALOGCHAR:
    if (IsAccel(char32_t(Message.WParam), Caption()) && Enabled() && Visible() && Parent() && Parent()->Showing()) {
      Message.Result = 1;
      ButtonClick();
      return;
    }
    TskSkinButtonBase::Dispatch(Message);
    return;
  default: TskSkinButtonBase::Dispatch(Message);
  }
}

// ---- Painting ----

String TskSkinSpeedButton::ShownCaption() { return FShowCaption ? Caption() : String(); }

void TskSkinSpeedButton::SelectTransparentFont(TCanvas* C) {
  SelectFontFace(C);
  TColor Color = DefaultFont()->Color();
  if (!Enabled())
    Color = Skinned() ? SkinData()->SkinColors()->cBtnShadow() : clBtnShadow;
  else if (Skinned() && UseSkinFontColor())
    Color = SkinData()->SkinColors()->cBtnText();
  C->Font()->SetColor(Color);
}

void TskSkinSpeedButton::PaintImage(const TRect& R, bool ADown, bool AMouseIn) {
  TBitmap B;
  B.SetSize(Width(), Height());
  CreateButtonImage(&B, R, ADown, AMouseIn);
  Canvas()->Draw(0, 0, &B);
}

void TskSkinSpeedButton::PaintDefaultImage() {
  TBitmap B;
  B.SetSize(Width(), Height());
  CreateControlDefaultImage(&B);
  Canvas()->Draw(0, 0, &B);
}

void TskSkinSpeedButton::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  TCanvas* C = Canvas();
  if (!Skinned() || !Picture) {
    if (DrawnDown() || FMouseIn || !Transparent()) {
      PaintDefaultImage();
      return;
    }
    // Transparent at rest: caption and image over what the platform painted behind the button.
    SelectTransparentFont(C);
    const TRect K = ClientRect();
    if (DoPaint(C, K, FDown, FMouseIn)) DrawContent(C, K, false, false);
    return;
  }
  int W = Width(), H = Height();
  CalcSize(W, H);
  if (CanMorphing() && FMorphKf > 0 && FMorphKf < 1 && !Transparent())
    PaintMorph(C);
  else if (FMenuTracked || DrawnDown())
    PaintImage(DownSkinRect, true, true);
  else if (FMouseIn || (CanMorphing() && FMorphKf == 1))
    PaintImage(ActiveSkinRect, false, true);
  else if (Transparent()) {
    SelectTransparentFont(C);
    if (DoPaint(C, NewClRect, FDown, FMouseIn)) DrawContent(C, NewClRect, false, false);
  } else if (Enabled() || IsEmptyRect(DisabledSkinRect))
    PaintImage(SkinRect, false, false);
  else
    PaintImage(DisabledSkinRect, false, false);
}

void TskSkinSpeedButton::DrawContent(TCanvas* C, const TRect& R, bool ADown, bool AMouseIn) {
  C->Brush()->SetStyle(bsClear);
  const String Text = ShownCaption();
  if (DrawImagesMenuItem(C, R, Text, FDrawColorMarker, FColorMarkerValue)) return;
  if (auto* Bar = dynamic_cast<TskSkinToolBar*>(Parent()); Bar && Glyph()->Empty()) {
    DrawToolBarImage(C, R, Text, *Bar, ADown || AMouseIn);
    return;
  }
  // Unlike the push button's, a glyph takes precedence over the image list.
  if (Glyph()->Empty() && ListImageShown())
    DrawImageAndText(C, R, Margin(), Spacing(), Layout(), Text, ImageIndex(), ImageList(), false, Enabled(),
                     FDrawColorMarker, FColorMarkerValue);
  else
    DrawGlyphAndText(C, R, Margin(), Spacing(), Layout(), Text, Glyph(), NumGlyphs(), GetGlyphNum(ADown, AMouseIn),
                     false, FDrawColorMarker, FColorMarkerValue);
}

void TskSkinSpeedButton::DrawToolBarImage(TCanvas* C, const TRect& R, const String& Text, const TskSkinToolBar& Bar,
                                          bool Lit) {
  TCustomImageList* Images = Bar.Images();
  bool DrawEnabled = Enabled();
  if (!Enabled() && Bar.DisabledImages()) {
    Images = Bar.DisabledImages();
    DrawEnabled = true;
  } else if (Lit && Bar.HotImages()) {
    Images = Bar.HotImages();
  }
  DrawImageAndText(C, R, Margin(), Spacing(), Layout(), Text, ImageIndex(), Images, false, DrawEnabled,
                   FDrawColorMarker, FColorMarkerValue);
}

void TskSkinSpeedButton::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* C = B->Canvas();
  const TRect K = Rect(0, 0, B->Width(), B->Height());
  DrawDefaultFace(C, K, FMouseIn, DrawnDown(), !Transparent());
  SelectFontFace(C);
  if (!Enabled()) C->Font()->SetColor(clBtnShadow);
  if (!DoPaint(C, K, FDown, FMouseIn)) return;
  DrawContent(C, K, FDown, FMouseIn);
}

void TskSkinSpeedButton::DrawDefaultFace(TCanvas* C, const TRect& R, bool Hot, bool Down, bool FlatFill) {
  if (Hot || Down) {
    DrawBuiltInButton(C, R, true, Down);
  } else if (!FFlat) {
    C->Brush()->SetColor(DarkenColor(clBtnFace, 15));
    C->FillRect(R);
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1));
  } else if (FlatFill) {
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(R);
  }
}
