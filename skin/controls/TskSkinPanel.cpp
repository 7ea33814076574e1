#include "skin/controls/TskSkinPanel.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/skCheckParentBg.h"
#include "skin/controls/skControlMessages.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skGlyphText.h"
#include "skin/core/skPainters.h"
#include "skin/core/skParentBackground.h"
#include "skin/core/skSkinColors.h"
#include "skin/core/skUtils.h"

namespace {

/// A piece of Picture copied into a bitmap of its own size.
void CopyPiece(TBitmap& Dest, TBitmap* Picture, const TRect& Piece) {
  Dest.SetSize(RectWidth(Piece), RectHeight(Piece));
  Dest.Canvas()->CopyRect(Rect(0, 0, Dest.Width(), Dest.Height()), Picture->Canvas(), Piece);
}

TRect Offset(const TRect& R, const TPoint& By) { return { R.Left + By.X, R.Top + By.Y, R.Right + By.X, R.Bottom + By.Y }; }

constexpr int ArrowUp = 3;
constexpr int ArrowDown = 4;

}  // namespace

TskSkinPanel::TskSkinPanel(TComponent* AOwner) : TskSkinCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  FControlStyle = { csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csSetCaption,
                    csOpaque,          csReplicatable };
  SetForcebackGround(true);
  FWidth = 150;
  FHeight = 150;
  SetSkinDataName("panel");
}

TskSkinPanel::~TskSkinPanel() = default;

// ---- Properties ----

void TskSkinPanel::SetRibbonStyle(bool Value) {
  if (Value == FRibbonStyle) return;
  FRibbonStyle = Value;
  Repaint();
}

void TskSkinPanel::SetImagePosition(TskImagePosition Value) {
  if (Value == FImagePosition) return;
  FImagePosition = Value;
  Repaint();
}

void TskSkinPanel::SetCaptionImageIndex(int Value) {
  if (Value == FCaptionImageIndex) return;
  FCaptionImageIndex = Value;
  Repaint();
}

void TskSkinPanel::SetTransparentMode(bool Value) {
  if (Value == FTransparentMode) return;
  FTransparentMode = Value;
  Repaint();
  SendCheckParentBg(this);
}

void TskSkinPanel::SetCheckedMode(bool Value) {
  FCheckedMode = Value;
  Repaint();
}

void TskSkinPanel::SetNumGlyphs(TskSkinPanelNumGlyphs Value) {
  FNumGlyphs = std::clamp(Value, 1, 2);
  Repaint();
}

void TskSkinPanel::SetSpacing(int Value) {
  FSpacing = Value;
  Repaint();
}

void TskSkinPanel::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  Repaint();
}

void TskSkinPanel::SetChecked(bool Value) {
  FChecked = Value;
  if (FCheckedMode) Repaint();
  if (FAutoEnabledControls && FCheckedMode)
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(Value);
  if (OnChecked) OnChecked(this);
}

void TskSkinPanel::SetDefaultAlignment(TAlignment Value) {
  FDefaultAlignment = Value;
  if (FIndex == -1 && FCaptionMode) Repaint();
}

void TskSkinPanel::SetRollUpMode(bool Value) {
  FRollUpMode = Value;
  if (FIndex == -1 && FCaptionMode) Repaint();
}

void TskSkinPanel::SetDefaultCaptionHeight(int Value) {
  FDefaultCaptionHeight = Value;
  if (FCaptionMode && (FIndex == -1 || !FUseSkinSize)) Realigned();
}

// With a skin too: bvNone switches a frame record to the plain tiled look, which gives the children the
// whole area.
void TskSkinPanel::SetBorderStyle(TskSkinBorderStyle Value) {
  FBorderStyle = Value;
  Realigned();
}

void TskSkinPanel::SetCaptionMode(bool Value) {
  FCaptionMode = Value;
  Realigned();
}

void TskSkinPanel::Realigned() {
  Repaint();
  Realign();
}

void TskSkinPanel::SetCaptionImageList(TCustomImageList* Value) {
  if (FCaptionImageList && FCaptionImageList != Value) FCaptionImageList->RemoveFreeNotification(this);
  FCaptionImageList = Value;
  if (FCaptionImageList) FCaptionImageList->FreeNotification(this);
}

void TskSkinPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FCaptionImageList) FCaptionImageList = nullptr;
}

// ---- Roll-up ----

// A roll-up saves the constraints and frees the height; the roll-down puts them back. Saving only when
// rolling up from the rolled-down state keeps the values of the application across any number of cycles.
void TskSkinPanel::SetRollUpState(bool Value) {
  if (Value == FRollUpState) return;
  TSizeConstraints* C = Constraints();
  if (!FRollUpMode) {
    C->SetMaxWidth(FCMaxWidth);
    C->SetMinWidth(FCMinWidth);
    C->SetMaxHeight(FCMaxHeight);
    C->SetMinHeight(FCMinHeight);
    FRollUpState = false;
    return;
  }
  if (Value) {
    FCMaxWidth = C->MaxWidth();
    FCMinWidth = C->MinWidth();
    FCMaxHeight = C->MaxHeight();
    FCMinHeight = C->MinHeight();
    C->SetMaxWidth(0);
    C->SetMinWidth(0);
    C->SetMaxHeight(0);
    C->SetMinHeight(0);
  }
  FRollUpState = Value;
  DoRollUp(Value);
  if (!Value) {
    C->SetMaxWidth(FCMaxWidth);
    C->SetMinWidth(FCMinWidth);
    C->SetMaxHeight(FCMaxHeight);
    C->SetMinHeight(FCMinHeight);
  }
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TskSkinPanel::DoRollUp(bool ARollUp) {
  const bool Saved = FInChangingRollUp;
  FInChangingRollUp = true;
  if (ARollUp && FRealHeight == -1) {
    FRealHeight = FHeight;
    DisableAlign();
    FRolledChildren.clear();
    for (int i = 0; i < ControlCount(); ++i)
      if (Controls(i)->Visible()) FRolledChildren.push_back(Controls(i));
    for (TControl* Child : FRolledChildren) Child->SetVisible(false);
    if (FIndex == -1 || !FUseSkinSize)
      SetHeight(FDefaultCaptionHeight + 1);
    else
      SetHeight(FHeight - RectHeight(NewClRect));
  } else if (!ARollUp && FRealHeight != -1) {
    SetHeight(FRealHeight);
    FRealHeight = -1;
    for (int i = 0; i < ControlCount(); ++i)
      if (std::find(FRolledChildren.begin(), FRolledChildren.end(), Controls(i)) != FRolledChildren.end())
        Controls(i)->SetVisible(true);
    FRolledChildren.clear();
    EnableAlign();
  }
  FInChangingRollUp = Saved;
}

bool TskSkinPanel::CanAutoSize(int& NewWidth, int& NewHeight) {
  if (FInChangingRollUp && FRollUpMode && AutoSize()) return false;
  return TskSkinCustomControl::CanAutoSize(NewWidth, NewHeight);
}

void TskSkinPanel::ChangeSkinData() {
  TskSkinCustomControl::ChangeSkinData();
  if (FRollUpState && FRealHeight != -1) {
    // Rolled up: roll again to the new skin's caption height, keeping the full height and the children.
    const int Full = FRealHeight;
    auto Children = FRolledChildren;
    FRealHeight = -1;
    EnableAlign();
    DoRollUp(true);
    FRealHeight = Full;
    FRolledChildren = std::move(Children);
  } else {
    Realign();
  }
}

// ---- Layout ----

void TskSkinPanel::AdjustClientRect(TRect& R) {
  if (FEmptyDrawing) return;
  if (FIndex == -1) {
    if (FBorderStyle != TskSkinBorderStyle::bvNone) R = { R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1 };
    if (FCaptionMode) {
      if (FRibbonStyle)
        R.Bottom -= FDefaultCaptionHeight;
      else
        R.Top += FDefaultCaptionHeight;
    }
    return;
  }
  const TRect Entering = R;
  if (BGPictureIndex == -1 && !PlainTiled()) R = NewClRect;
  if (!FUseSkinSize && FCaptionMode) {
    if (FRibbonStyle)
      R.Bottom = Entering.Bottom - FDefaultCaptionHeight;
    else
      R.Top = Entering.Top + FDefaultCaptionHeight;
  }
}

bool TskSkinPanel::PlainTiled() const { return FBorderStyle == TskSkinBorderStyle::bvNone && !FCaptionMode && ResizeMode == 1; }

TRect TskSkinPanel::GetSkinClientRect() {
  TRect R = Rect(0, 0, FWidth, FHeight);
  AdjustClientRect(R);
  return R;
}

void TskSkinPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TskSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FIndex == -1) Repaint();
}

// ---- Input and messages ----

void TskSkinPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && FCaptionMode && (FRollUpMode || FCheckedMode)) {
    const TRect Hit = FIndex != -1 ? NewCaptionRect : Rect(1, 1, FWidth - 1, FDefaultCaptionHeight);
    if (PtInRectIncl(Hit, { X, Y })) {
      if (FCheckedMode) SetChecked(!FChecked);
      if (FRollUpMode) SetRollUpState(!FRollUpState);
    }
  }
  TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TskSkinPanel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_MOVE:
    TskSkinCustomControl::Dispatch(Message);
    if (FTransparentMode) {
      Repaint();
      SendCheckParentBg(this);
    }
    return;
  case WM_CHECKPARENTBG:
    if (FTransparentMode) {
      Repaint();
      SendCheckParentBg(this);
    }
    return;
  case CM_ENABLEDCHANGED:
    TskSkinCustomControl::Dispatch(Message);
    Repaint();
    return;
  case CM_TEXTCHANGED:
    TskSkinCustomControl::Dispatch(Message);
    if (FCaptionMode) Repaint();
    return;
  default: TskSkinCustomControl::Dispatch(Message);
  }
}

// ---- Skin ----

void TskSkinPanel::GetSkinData() {
  TskSkinCustomControl::GetSkinData();
  BGPictureIndex = -1;
  const auto* R = dynamic_cast<const TskDataSkinPanelControl*>(SkinRecord());
  if (!R) return;
  CaptionRect = R->CaptionRect;
  Alignment = R->Alignment;
  FontName = R->FontName;
  FontColor = R->FontColor;
  FontStyle = R->FontStyle;
  FontHeight = R->FontHeight;
  BGPictureIndex = R->BGPictureIndex;
  CheckImageRect = R->CheckImageRect;
  UnCheckImageRect = R->UnCheckImageRect;
  MarkFrameRect = R->MarkFrameRect;
  FrameRect = R->FrameRect;
  FrameTextRect = R->FrameTextRect;
  FrameLeftOffset = R->FrameLeftOffset;
  FrameRightOffset = R->FrameRightOffset;
}

// ---- Painting ----

// The first matching case decides.
void TskSkinPanel::Paint() {
  if (FWidth <= 0 || FHeight <= 0 || FEmptyDrawing) return;
  GetSkinData();
  if (FIndex != -1 && !FUseSkinSize && !FTransparentMode && FCaptionMode) return PaintCaptionComposite();
  if (FIndex != -1 && FTransparentMode) return FCaptionMode ? PaintTransparentGroup() : PaintTransparentPlain();
  if (FIndex == -1 || (!ForcebackGround() && StretchEffect)) return TskSkinCustomControl::Paint();
  if (FBorderStyle == TskSkinBorderStyle::bvNone && ResizeMode == 1 && !FCaptionMode && ForcebackGround()) return PaintTiledClient();
  if (BGPictureIndex != -1) return PaintBackgroundPicture();
  TskSkinCustomControl::Paint();
}

void TskSkinPanel::PaintskinTo(TCanvas* C, int X, int Y) {
  GetSkinData();
  TBitmap B;
  B.SetSize(FWidth, FHeight);
  if (FIndex == -1)
    CreateControlDefaultImage(&B);
  else
    CreateControlSkinImage(&B);
  C->Draw(X, Y, &B);
}

bool TskSkinPanel::CaptionImage(int& W, int& H) const {
  if (FGlyph->Empty() && FCaptionImageList && FCaptionImageIndex >= 0 &&
      FCaptionImageIndex < FCaptionImageList->Count()) {
    W = FCaptionImageList->Width();
    H = FCaptionImageList->Height();
    return true;
  }
  if (FGlyph->Empty()) return false;
  W = FGlyph->Width() / FNumGlyphs;
  H = FGlyph->Height();
  return true;
}

void TskSkinPanel::DrawCaptionImage(TCanvas* C, int X, int Y) {
  if (FGlyph->Empty()) {
    int W, H;
    if (CaptionImage(W, H)) FCaptionImageList->Draw(C, X, Y, FCaptionImageIndex, Enabled());
    return;
  }
  DrawGlyphFromStrip(C, X, Y, FGlyph.get(), FNumGlyphs, !Enabled() && FNumGlyphs == 2 ? 2 : 1);
}

int TskSkinPanel::ContentWidth(TCanvas* C) {
  int W = C->TextWidth(Caption());
  if (!FGlyph->Empty()) W += FGlyph->Width() / FNumGlyphs + FSpacing;
  return W;
}

void TskSkinPanel::CreateControlDefaultImage(TBitmap* B) {
  TskSkinCustomControl::CreateControlDefaultImage(B);
  TCanvas* C = B->Canvas();
  const TRect Whole = Rect(0, 0, FWidth, FHeight);
  switch (FBorderStyle) {
  case TskSkinBorderStyle::bvFrame: DrawBevelFrame(C, Whole, clBtnShadow, clBtnShadow); break;
  case TskSkinBorderStyle::bvRaised: DrawBevelFrame(C, Whole, clBtnHighlight, clBtnShadow); break;
  case TskSkinBorderStyle::bvLowered: DrawBevelFrame(C, Whole, clBtnShadow, clBtnHighlight); break;
  case TskSkinBorderStyle::bvNone: break;
  }
  if (!FCaptionMode) return;
  const int H = FDefaultCaptionHeight;
  TRect R;
  if (FRibbonStyle)
    R = FBorderStyle == TskSkinBorderStyle::bvFrame ? Rect(0, FHeight - H, FWidth, FHeight) : Rect(1, FHeight - H - 1, FWidth - 1, FHeight - 1);
  else
    R = FBorderStyle == TskSkinBorderStyle::bvFrame ? Rect(0, 0, FWidth, H) : Rect(1, 1, FWidth - 1, H);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(clBtnShadow);
  C->FillRect(R);
  if (FCheckedMode) R.Left += 20;
  if (FRollUpMode) R.Right -= 10;
  C->Font()->Assign(DefaultFont());
  if (SkinData() && SkinData()->ResourceStrData()) C->Font()->SetCharset(SkinData()->ResourceStrData()->CharSet());
  const String Text = Caption();
  const int TH = C->TextHeight(Text);
  const int Y = RectHeight(R) / 2 + R.Top - TH / 2 - 1;
  int X = R.Left + 4;
  if (FDefaultAlignment == taRightJustify)
    X = R.Right - ContentWidth(C);
  else if (FDefaultAlignment == taCenter)
    X = RectWidth(R) / 2 + (R.Left + 4) - ContentWidth(C) / 2;
  if (FCheckedMode) {
    const int M = RectHeight(R) / 2 + R.Top;
    C->Brush()->SetColor(clWindow);
    C->FillRect(Rect(5, M - 6, 18, M + 7));
    if (FChecked) DrawCheckMark(C, 8, M - 4, clBtnText);
  }
  int IW = 0, IH = 0;
  const bool HasImage = CaptionImage(IW, IH);
  const int ImageX = X, ImageY = RectHeight(R) / 2 + R.Top - IH / 2;
  if (HasImage) X += IW + FSpacing;
  C->Brush()->SetStyle(bsClear);
  C->TextRect(R, X, Y, Text);
  if (HasImage) DrawCaptionImage(C, ImageX, ImageY);
  if (FRollUpMode)
    DrawArrow(C, Rect(R.Right, R.Top, R.Right + 6, R.Bottom), clBtnText, FRollUpState ? ArrowDown : ArrowUp);
}

void TskSkinPanel::DrawPlainTiledImage(TBitmap* B) {
  const int PW = RectWidth(ClRect), PH = RectHeight(ClRect);
  if (PW <= 0 || PH <= 0 || !Picture) return;
  const TPoint Origin { SkinRect.Left + ClRect.Left, SkinRect.Top + ClRect.Top };
  for (int Row = 0; Row <= FHeight / PH; ++Row)
    for (int Col = 0; Col <= FWidth / PW; ++Col) {
      const int X = Col * PW, Y = Row * PH;
      const int W = std::min(PW, FWidth - X), H = std::min(PH, FHeight - Y);
      if (W <= 0 || H <= 0) continue;
      B->Canvas()->CopyRect(Bounds(X, Y, W, H), Picture->Canvas(), Bounds(Origin.X, Origin.Y, W, H));
    }
}

void TskSkinPanel::CreateControlSkinImage(TBitmap* B) {
  if (PlainTiled() && !StretchEffect) {
    DrawPlainTiledImage(B);
    FinishSkinImage(B);
    return;
  }
  TskSkinCustomControl::CreateControlSkinImage(B);
  if (FUseSkinSize) {
    if (ResizeMode == -1 || ResizeMode == 0)
      NewCaptionRect = CaptionRect;
    else if (!FTransparentMode)
      NewCaptionRect = MapSkinRect(CaptionRect);
  }
  if (!Caption().empty() && !IsEmptyRect(CaptionRect)) DrawSkinCaption(B);
  FinishSkinImage(B);
}

void TskSkinPanel::SetCaptionFont(TCanvas* C) {
  if (UseSkinFont()) {
    C->Font()->SetName(FontName);
    C->Font()->SetHeight(FontHeight);
    C->Font()->SetStyle(FontStyle);
  } else {
    C->Font()->Assign(DefaultFont());
  }
  if (SkinData() && SkinData()->ResourceStrData())
    C->Font()->SetCharset(SkinData()->ResourceStrData()->CharSet());
  else
    C->Font()->SetCharset(DefaultFont()->Charset());
}

void TskSkinPanel::DrawSkinCaption(TBitmap* B) {
  TCanvas* C = B->Canvas();
  TRect R = NewCaptionRect;
  if (FRollUpMode) R.Right -= 12;
  if (FCheckedMode && Picture) {
    const int CW = RectWidth(CheckImageRect), CH = RectHeight(CheckImageRect);
    TBitmap Box;
    CopyPiece(Box, Picture, FChecked ? CheckImageRect : UnCheckImageRect);
    Box.SetTransparent(true);
    C->Draw(R.Left, RectHeight(R) / 2 + R.Top - CH / 2, &Box);
    R.Left += CW + 2;
  }
  SetCaptionFont(C);
  C->Font()->SetColor(FontColor);
  const String Text = Caption();
  int Y = RectHeight(R) / 2 + R.Top - C->TextHeight(Text) / 2;
  if (C->Font()->Height() % 2 != 0) --Y;
  int X = R.Left;
  if (Alignment == taRightJustify)
    X = R.Right - ContentWidth(C);
  else if (Alignment == taCenter)
    X = RectWidth(R) / 2 + R.Left - ContentWidth(C) / 2;
  int IW = 0, IH = 0;
  const bool HasImage = CaptionImage(IW, IH);
  int ImageX = X;
  const int ImageY = RectHeight(R) / 2 + R.Top - IH / 2;
  if (HasImage && FImagePosition == skipDefault) {
    X += IW + FSpacing;
  } else if (HasImage) {
    ImageX = R.Left + 2;
    const int TW = C->TextWidth(Text);
    X = ImageX + IW + FSpacing;
    if (Alignment == taRightJustify)
      X = R.Right - TW;
    else if (Alignment == taCenter)
      X = RectWidth(R) / 2 + R.Left - TW / 2;
    X = std::max(X, ImageX + IW + FSpacing);
  }
  if (FRollUpMode) {
    const TRect Mark = Rect(R.Right, R.Top, R.Right + 10, R.Bottom);
    if (!IsEmptyRect(MarkFrameRect) && Picture)
      C->CopyRect(Rect(Mark.Left, R.Top, Mark.Left + RectWidth(MarkFrameRect), CaptionRect.Top + RectHeight(MarkFrameRect)),
                  Picture->Canvas(), MarkFrameRect);
    DrawArrow(C, Mark, FontColor, FRollUpState ? ArrowDown : ArrowUp);
  }
  if (!IsEmptyRect(FrameRect) && Picture) {
    const int E = RectWidth(FrameRect) - RectWidth(FrameTextRect);
    TBitmap Strip;
    ComposeHorzStripImage(FrameLeftOffset, FrameRightOffset, &Strip, Picture, FrameRect, E + C->TextWidth(Text),
                          RectHeight(FrameRect), false);
    int F = X;
    if (Alignment == taLeftJustify) {
      X = F + FrameTextRect.Left;
    } else if (Alignment == taRightJustify) {
      F = X - E;
      X = F + FrameTextRect.Left;
      ImageX -= E;
    } else {
      F = X - FrameTextRect.Left - 2;
      X -= 2;
      ImageX -= FrameTextRect.Left;
    }
    C->Draw(F, CaptionRect.Top, &Strip);
  }
  C->Brush()->SetStyle(bsClear);
  C->TextRect(R, X, Y, Text);
  if (HasImage) DrawCaptionImage(C, ImageX, ImageY);
}

// The body from the skin's "panel" record at full size, the caption strip from the panel's own record.
void TskSkinPanel::PaintCaptionComposite() {
  TBitmap B;
  B.SetSize(FWidth, FHeight);
  const String Own = SkinDataName();
  SetSkinDataName("panel");
  GetSkinData();
  if (FIndex == -1) {
    SetSkinDataName(Own);
    GetSkinData();
    Canvas()->Draw(0, 0, &B);
    return;
  }
  int W = FWidth, H = FHeight;
  CalcSize(W, H);
  if (Picture)
    ComposeSkinImage(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect, &B,
                     Picture, SkinRect, FWidth, FHeight, true, LeftStretch, TopStretch, RightStretch, BottomStretch,
                     StretchEffect, StretchType);
  const TRect BodyClient = NewClRect;
  SetSkinDataName(Own);
  GetSkinData();
  NewClRect = BodyClient;
  const int SW = RectWidth(NewClRect), SH = FDefaultCaptionHeight - NewClRect.Top - 1;
  if (Picture && SW > 0 && SH > 0 && !IsEmptyRect(CaptionRect)) {
    TBitmap Strip;
    Strip.SetSize(SW, SH);
    const TRect Src = Offset({ CaptionRect.Left + 1, CaptionRect.Top + 1, CaptionRect.Right - 1, CaptionRect.Bottom - 1 },
                             { SkinRect.Left, SkinRect.Top });
    Strip.Canvas()->CopyRect(Rect(0, 0, SW, SH), Picture->Canvas(), Src);
    B.Canvas()->Draw(NewClRect.Left, NewClRect.Top, &Strip);
  }
  NewCaptionRect = Rect(NewClRect.Left, NewClRect.Top, NewClRect.Right, FDefaultCaptionHeight - 1);
  if (!Caption().empty() && !IsEmptyRect(CaptionRect)) DrawSkinCaption(&B);
  FinishSkinImage(&B);
  Canvas()->Draw(0, 0, &B);
}

void TskSkinPanel::PaintTransparentPlain() {
  TBitmap B;
  B.SetSize(FWidth, FHeight);
  DrawParentBackground(this, B.Canvas());
  if (FBorderStyle != TskSkinBorderStyle::bvNone) {
    B.Canvas()->Brush()->SetStyle(bsClear);
    B.Canvas()->Pen()->SetColor(SkinData()->SkinColors()->cBtnShadow());
    B.Canvas()->Rectangle(0, 0, FWidth, FHeight);
  }
  DoPanelPaint(B.Canvas());
  Canvas()->Draw(0, 0, &B);
}

void TskSkinPanel::PaintTransparentGroup() {
  TBitmap B;
  B.SetSize(FWidth, FHeight);
  TCanvas* C = B.Canvas();
  DrawParentBackground(this, C);
  const TColor Shadow = SkinData()->SkinColors()->cBtnShadow();
  C->Pen()->SetColor(Shadow);
  C->Pen()->SetWidth(1);
  C->Brush()->SetStyle(bsClear);
  SetCaptionFont(C);
  const String Text = Caption();
  const int TH = C->TextHeight(Text);
  NewCaptionRect = Rect(5, 0, FWidth, TH + 5);
  int Left = 5;
  if (FCheckedMode && Picture) {
    TBitmap Box;
    CopyPiece(Box, Picture, FChecked ? CheckImageRect : UnCheckImageRect);
    Box.SetTransparent(true);
    C->Draw(5, (TH + 5) / 2 - RectHeight(CheckImageRect) / 2, &Box);
    Left = RectWidth(CheckImageRect) + 10;
  }
  int IW = 0, IH = 0;
  const bool HasImage = CaptionImage(IW, IH);
  const int ImageX = Left;
  if (HasImage) Left += IW + 2;
  const int LabelIndex = SkinData()->GetControlIndex("stdlabel");
  const auto* Label =
      LabelIndex >= 0 ? dynamic_cast<const TskDataSkinStdLabelControl*>(SkinData()->CtrlList[LabelIndex].get()) : nullptr;
  const TColor TextColor = Label ? Label->FontColor : SkinData()->SkinColors()->cBtnText();
  C->Font()->SetColor(TextColor);
  const TRect T = Rect(Left, 0, FWidth, TH + 5);
  DrawLeftText(C, Text, T);
  const int TW = C->TextWidth(Text);
  if (HasImage) DrawCaptionImage(C, ImageX, (TH + 5) / 2 - IH / 2);
  if (FRollUpMode)
    DrawArrow(C, Rect(Left + TW + 3, 0, Left + TW + 10, TH + 5), TextColor, FRollUpState ? ArrowDown : ArrowUp);
  const int Y = (TH + 5) / 2;
  C->Pen()->SetColor(Shadow);
  C->MoveTo(Left + TW + (FRollUpMode ? 12 : 3), Y);
  C->LineTo(FWidth, Y);
  C->MoveTo(0, Y);
  C->LineTo(4, Y);
  C->MoveTo(FWidth - 1, Y);
  C->LineTo(FWidth - 1, FHeight - 1);
  C->LineTo(0, FHeight - 1);
  C->LineTo(0, Y);
  DoPanelPaint(C);
  Canvas()->Draw(0, 0, &B);
}

void TskSkinPanel::DrawTiled(TCanvas* C, TBitmap* P, const TRect& StretchFull) {
  const int PW = P->Width(), PH = P->Height();
  if (PW <= 0 || PH <= 0) return;
  if (StretchEffect && StretchType == skstFull) {
    C->StretchDraw(StretchFull, P);
  } else if (StretchEffect && StretchType == skstHorz) {
    for (int i = 0; i <= FWidth / PW; ++i) C->StretchDraw(Bounds(i * PW, 0, PW, FHeight), P);
  } else if (StretchEffect && StretchType == skstVert) {
    for (int j = 0; j <= FHeight / PH; ++j) C->StretchDraw(Bounds(0, j * PH, FWidth, PH), P);
  } else {
    for (int j = 0; j <= FHeight / PH; ++j)
      for (int i = 0; i <= FWidth / PW; ++i) C->Draw(i * PW, j * PH, P);
  }
}

void TskSkinPanel::PaintTiledClient() {
  if (!Picture || IsEmptyRect(ClRect)) return;
  TBitmap P;
  CopyPiece(P, Picture, Offset(ClRect, { SkinRect.Left, SkinRect.Top }));
  DrawTiled(Canvas(), &P, Rect(0, 0, FWidth, FHeight));
}

void TskSkinPanel::PaintBackgroundPicture() {
  TBitmap* G = ModelPicture(SkinData(), BGPictureIndex);
  if (!G) return;
  DrawTiled(Canvas(), G, NewClRect);
}

// ---- Paint panel ----

TskSkinPaintPanel::TskSkinPaintPanel(TComponent* AOwner) : TskSkinPanel(AOwner) { SetForcebackGround(false); }

void TskSkinPaintPanel::DoPanelPaint(TCanvas* C) {
  if (OnPanelPaint) OnPanelPaint(C, GetSkinClientRect());
}

void TskSkinPaintPanel::CreateControlDefaultImage(TBitmap* B) {
  TskSkinPanel::CreateControlDefaultImage(B);
  DoPanelPaint(B->Canvas());
}

void TskSkinPaintPanel::FinishSkinImage(TBitmap* B) { DoPanelPaint(B->Canvas()); }

void TskSkinPaintPanel::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    // Asked to paint into a foreign DC outside its own painting, the panel draws itself there.
    if (!FromWMPaint && Message.WParam) PaintWindow(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = 1;
    return;
  }
  TskSkinPanel::Dispatch(Message);
}

// ---- Group box ----

TskSkinGroupBox::TskSkinGroupBox(TComponent* AOwner) : TskSkinPanel(AOwner) {
  SetSkinDataName("groupbox");
  SetCaptionMode(true);
}

void TskSkinGroupBox::GetSkinData() {
  TskSkinPanel::GetSkinData();
  if (FIndex != -1 && ClRect.Bottom < CaptionRect.Top) SetForcebackGround(false);
}
