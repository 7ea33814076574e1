// The skinned page control's painting: page frame, tab row, tabs with their close buttons, the page-area
// background while no tab shows, and the tab sheets' background.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/skTabBitmaps.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionGlyphs.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skPainters.h"
#include "skin/core/skParentBackground.h"

namespace {

constexpr TColor OutlineColor = TColor(0xB76B3B);
constexpr TColor PressedColor = TColor(0xE4BCA2);
constexpr TColor HotColor = TColor(0xF3D4C1);

/// A one-pixel frame of Frame on R with Fill inside it.
void FillFramed(TCanvas* C, const TRect& R, TColor Frame, TColor Fill) {
  C->Brush()->SetColor(Frame);
  C->FrameRect(R);
  C->Brush()->SetColor(Fill);
  C->FillRect(Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1));
}

/// Piece (pw x ph) repeated from (0, 0) over W x H, or stretched by the stretch rules; an empty piece draws
/// nothing.
void FillWithPiece(TCanvas* C, TBitmap* Piece, int W, int H, bool Stretch, TskStretchType Type) {
  const int PW = Piece->Width(), PH = Piece->Height();
  if (PW <= 0 || PH <= 0) return;
  if (Stretch && Type == skstFull) {
    C->StretchDraw(Rect(0, 0, W, H), Piece);
    return;
  }
  if (Stretch && Type == skstHorz) {
    for (int X = 0; X < W; X += PW) C->StretchDraw(Rect(X, 0, X + PW, H), Piece);
    return;
  }
  if (Stretch && Type == skstVert) {
    for (int Y = 0; Y < H; Y += PH) C->StretchDraw(Rect(0, Y, W, Y + PH), Piece);
    return;
  }
  for (int X = 0; X <= W / PW; ++X)
    for (int Y = 0; Y <= H / PH; ++Y) C->Draw(X * PW, Y * PH, Piece);
}

}  // namespace

void TskSkinPageControl::PaintWindow(HDC DC) {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  const int Saved = SaveDC(DC);
  {
    TCanvas C;
    C.SetHandle(DC);
    if (FIndex == -1)
      DrawDefaultPage(&C);
    else
      DrawSkinPageFrame(&C);
    DrawTabs(&C);
    C.SetHandle(nullptr);
  }
  RestoreDC(DC, Saved);
}

void TskSkinPageControl::DrawDefaultPage(TCanvas* C) {
  C->Brush()->SetColor(clBtnFace);
  C->FillRect(GetClientRect());
  if (FHideBorder) return;
  const TRect A = PageArea();
  C->Brush()->SetColor(clBtnShadow);
  C->FrameRect(Rect(A.Left - 1, A.Top - 1, A.Right + 1, A.Bottom + 1));
}

TRect TskSkinPageControl::SkinFrame() {
  const TRect A = PageArea();
  return Rect(A.Left - ClRect.Left, A.Top - ClRect.Top, A.Right + SkinRect.Width() - ClRect.Right,
              A.Bottom + SkinRect.Height() - ClRect.Bottom);
}

TRect TskSkinPageControl::SelectedArea() {
  const int Selected = TabIndex();
  if (Selected < 0 || Selected >= PageCount() || VisibleTabCount() == 0 || !ActivePage()) return {};
  TRect R = ItemRect(Selected);
  const int D = ActiveTabRect.Height() - TabRect.Height();
  switch (TabPosition()) {
  case tpTop: R.Bottom += D; break;
  case tpBottom: R.Top -= D; break;
  case tpLeft: R.Right += D; break;
  case tpRight: R.Left -= D; break;
  }
  return R;
}

void TskSkinPageControl::DrawSkinPageFrame(TCanvas* C) {
  if (FHideBorder || !Picture) return;
  const TRect F = SkinFrame();
  const int DW = F.Width() - SkinRect.Width(), DH = F.Height() - SkinRect.Height();
  TBitmap Left, Top, Right, Bottom;
  ComposeFrameBands(LTPoint, RTPoint, LBPoint, RBPoint, ClRect, LTPoint, { RTPoint.X + DW, RTPoint.Y },
                    { LBPoint.X, LBPoint.Y + DH }, { RBPoint.X + DW, RBPoint.Y + DH },
                    Rect(ClRect.Left, ClRect.Top, ClRect.Right + DW, ClRect.Bottom + DH), &Left, &Top, &Right,
                    &Bottom, Picture, SkinRect, F.Width(), F.Height(), LeftStretch, TopStretch, RightStretch,
                    BottomStretch);
  const HDC DC = C->Handle();
  const int Saved = SaveDC(DC);
  const TRect Selected = SelectedArea();
  if (!Selected.IsEmpty() && !FHideTabs && Style() == tsTabs)
    ExcludeClipRect(DC, Selected.Left, Selected.Top, Selected.Right, Selected.Bottom);
  C->Draw(F.Left, F.Top, &Top);
  C->Draw(F.Left, F.Top + Top.Height(), &Left);
  C->Draw(F.Left + F.Width() - Right.Width(), F.Top + Top.Height(), &Right);
  C->Draw(F.Left, F.Top + F.Height() - Bottom.Height(), &Bottom);
  RestoreDC(DC, Saved);
}

void TskSkinPageControl::DrawTabs(TCanvas* C) {
  if (FHideTabs || PageCount() == 0) return;
  const int Selected = TabIndex();
  if (FIndex == -1) {
    for (int I = 0; I < TabCount(); ++I) DrawTab(I, ItemRect(I), I == Selected, I == FActiveTabIndex, C);
    return;
  }
  const TRect F = SkinFrame();
  TRect Row;
  switch (TabPosition()) {
  case tpTop: Row = Rect(0, 0, Width(), F.Top); break;
  case tpBottom: Row = Rect(0, F.Bottom, Width(), Height()); break;
  case tpLeft: Row = Rect(0, 0, F.Left, F.Bottom); break;
  case tpRight: Row = Rect(F.Right, 0, Width(), Height()); break;
  }
  if (Row.Width() > 0 && Row.Height() > 0 && Picture) {
    TBitmap S;
    S.SetSize(Row.Width(), Row.Height());
    if (FTabsBGTransparent) {
      DrawParentBackgroundAt(this, Row, S.Canvas());
    } else {
      const TRect Piece =
          TabsBGRect.IsEmpty() ? ClRect.Offset(SkinRect.Left, SkinRect.Top) : TabsBGRect;
      TBitmap P;
      P.SetSize(Piece.Width(), Piece.Height());
      P.Canvas()->CopyRect(Rect(0, 0, Piece.Width(), Piece.Height()), Picture->Canvas(), Piece);
      FillWithPiece(S.Canvas(), &P, S.Width(), S.Height(), false, skstFull);
    }
    for (int I = 0; I < TabCount(); ++I)
      if (I != Selected) DrawTab(I, ItemRect(I).Offset(-Row.Left, -Row.Top), false, I == FActiveTabIndex, S.Canvas());
    const HDC DC = C->Handle();
    const int Saved = SaveDC(DC);
    const TRect Area = SelectedArea();
    if (!Area.IsEmpty()) ExcludeClipRect(DC, Area.Left, Area.Top, Area.Right, Area.Bottom);
    C->Draw(Row.Left, Row.Top, &S);
    RestoreDC(DC, Saved);
  }
  if (Selected < 0 || Selected >= PageCount()) return;
  TRect R = ItemRect(Selected);
  const int D = ActiveTabRect.Height() - TabRect.Height();
  if (D != 0 && Style() == tsTabs) {
    if (TabPosition() == tpBottom) R = R.Offset(0, -D);
    if (TabPosition() == tpRight) R = R.Offset(-D, 0);
  }
  DrawTab(Selected, R, true, Selected == FActiveTabIndex, C);
}

void TskSkinPageControl::SelectTabFont(TCanvas* C, bool Active, bool MouseIn, TColor ButtonColor, bool ButtonStyle) {
  C->SetFont(Font());
  const TFontCharset Charset = FSD && FSD->ResourceStrData() ? FSD->ResourceStrData()->CharSet() : Font()->Charset();
  if (FIndex != -1 && FUseSkinFont) {
    C->Font()->SetName(FontName);
    C->Font()->SetStyle(FontStyle);
    C->Font()->SetHeight(FontHeight);
  }
  C->Font()->SetCharset(Charset);
  if (FIndex == -1) return;
  if (ButtonStyle)
    C->Font()->SetColor(ButtonColor);
  else if (MouseIn && !Active)
    C->Font()->SetColor(MouseInFontColor);
  else if (Active && Focused())
    C->Font()->SetColor(FocusFontColor);
  else
    C->Font()->SetColor(Active ? ActiveFontColor : FontColor);
}

void TskSkinPageControl::DrawTabBackground(TBitmap* B, bool Active, bool MouseIn, const TRect& Rct) {
  TCanvas* C = B->Canvas();
  const int W = B->Width(), H = B->Height();
  if (FIndex == -1) {
    if (MouseIn && !Active) {
      C->Brush()->SetColor(HotColor);
      C->FillRect(Rect(0, 0, W, H));
    } else if (!Active) {
      C->Brush()->SetColor(clBtnFace);
      C->FillRect(Rect(0, 0, W, H));
    } else {
      FillFramed(C, Rect(0, 0, W, H), OutlineColor, Focused() ? PressedColor : HotColor);
    }
    SelectTabFont(C, Active, MouseIn, clBlack, false);
    return;
  }
  if (Style() != tsTabs) {
    const int Index = FSD->GetControlIndex(FButtonTabSkinDataName);
    auto* Button = Index == -1 ? nullptr : dynamic_cast<TskDataSkinButtonControl*>(FSD->CtrlList[Index].get());
    TColor Color = FontColor;
    if (TBitmap* P = Button ? TskSkinGeometry::ModelPicture(FSD, Button->PictureIndex) : nullptr) {
      const TRect Hot = Button->ActiveSkinRect.IsEmpty() ? Button->SkinRect : Button->ActiveSkinRect;
      const TRect Down = Button->DownSkinRect.IsEmpty() ? Hot : Button->DownSkinRect;
      const TRect S = Active ? Down : MouseIn ? Hot : Button->SkinRect;
      Color = Active ? Button->DownFontColor : MouseIn ? Button->ActiveFontColor : Button->FontColor;
      const int DW = W - Button->SkinRect.Width(), DH = H - Button->SkinRect.Height();
      ComposeSkinImage(Button->LTPoint, Button->RTPoint, Button->LBPoint, Button->RBPoint, Button->ClRect,
                       Button->LTPoint, { Button->RTPoint.X + DW, Button->RTPoint.Y },
                       { Button->LBPoint.X, Button->LBPoint.Y + DH }, { Button->RBPoint.X + DW, Button->RBPoint.Y + DH },
                       Rect(Button->ClRect.Left, Button->ClRect.Top, Button->ClRect.Right + DW,
                            Button->ClRect.Bottom + DH),
                       B, P, S, W, H, true, Button->LeftStretch, Button->TopStretch, Button->RightStretch,
                       Button->BottomStretch, Button->StretchEffect, Button->StretchType);
    }
    SelectTabFont(C, Active, MouseIn, Color, true);
    return;
  }
  TRect State = ActiveTabRect;
  if (MouseIn && !Active && !MouseInTabRect.IsEmpty())
    State = MouseInTabRect;
  else if (Active && Focused())
    State = FocusTabRect;
  else if (!Active)
    State = TabRect;
  if (Picture && !State.IsEmpty()) {
    if (TabHeight() > 0) {
      int Grow = 0;
      if (Active && ActiveTabRect.Height() - TabRect.Height() > 0)
        Grow = ActiveTabRect.Height() - TabRect.Height();
      else if (Active && Focused() && FocusTabRect.Height() - TabRect.Height() > 0)
        Grow = FocusTabRect.Height() - TabRect.Height();
      B->SetSize(W, H + Grow);
      const int M = TabRect.Height() / 4;
      ComposeStretchedSkinImage(B, Picture, State,
                                Rect(TabLeftOffset, M, State.Width() - TabRightOffset, State.Height() - M), true);
    } else {
      ComposeHorzStripImage(TabLeftOffset, TabRightOffset, B, Picture, State, W, H, TabStretchEffect);
    }
  }
  const bool Single = !MultiLine() && (TabPosition() == tpTop || TabPosition() == tpBottom);
  if (Active && Rct.Left == 0 && !TabLeftBottomActiveRect.IsEmpty() && Single && Picture) {
    const TRect Corner = Focused() ? TabLeftBottomFocusRect : TabLeftBottomActiveRect;
    C->CopyRect(Rect(0, B->Height() - Corner.Height(), Corner.Width(), B->Height()), Picture->Canvas(), Corner);
  }
  if (TabPosition() == tpBottom) BitmapFlipVert(B);
  SelectTabFont(C, Active, MouseIn, clBlack, false);
}

void TskSkinPageControl::DrawTab(int TabIndex, const TRect& Rct, bool Active, bool MouseIn, TCanvas* C) {
  if (FHideTabs) return;
  TskSkinCustomTabSheet* Page = SheetOfTab(TabIndex);
  if (!Page) return;
  const bool HasImage = FImages && Page->ImageIndex() >= 0 && Page->ImageIndex() < FImages->Count();
  const int W = Sided() ? Rct.Height() : Rct.Width();
  const int H = Sided() ? Rct.Width() : Rct.Height();
  if (W <= 0 || H <= 0) return;
  TBitmap B;
  B.SetSize(W, H);
  DrawTabBackground(&B, Active, MouseIn, Rct);
  TCanvas* BC = B.Canvas();
  TRect R = Rect(0, 0, B.Width(), B.Height());
  if (Sided() && FTextInHorizontal) {
    TFont Saved;
    Saved.Assign(BC->Font());
    if (TabPosition() == tpLeft)
      BitmapRotate90_1(&B);
    else
      BitmapRotate90_2(&B);
    BC = B.Canvas();
    BC->SetFont(&Saved);
    R = Rect(0, 0, B.Width(), B.Height());
  }
  if (FIndex != -1 && ShowFocus && Focused() && Active) {
    BC->Brush()->SetStyle(bsSolid);
    BC->Brush()->SetColor(FSD->SkinColors()->cBtnFace());
    DrawDotFrame(BC, Rect(R.Left + FocusOffsetX, R.Top + FocusOffsetY, R.Right - FocusOffsetX, R.Bottom - FocusOffsetY));
  }
  BC->Brush()->SetStyle(bsClear);
  int Shift = 0;
  if (FIndex != -1 && TabRect.Height() != ActiveTabRect.Height() && !Active) {
    const int Down = TabPosition() == tpTop || TabPosition() == tpLeft ? 2 : -2;
    R.Top += Down;
    if (HasImage) Shift = Down;
  }
  const int Close = FShowCloseButtons ? FCloseSize + 2 : 0;
  const int CloseCut = FIndex == -1 ? Close : Close + 3;
  if (OnDrawSkinTab) {
    OnDrawSkinTab(Page->PageIndex(), Rect(0, 0, B.Width(), B.Height()), Active, MouseIn, BC);
  } else if (FTabExtendedDraw) {
    DrawImageAndText(BC, Rect(R.Left, R.Top, R.Right - Close, R.Bottom), FTabMargin, FTabSpacing, FTabLayout,
                     Page->Caption(), HasImage ? Page->ImageIndex() : -1, FImages, false, Page->Enabled(), false, 0);
    if (Close > 0) R.Right -= CloseCut;
  } else if (HasImage) {
    const String& Text = Page->Caption();
    TRect TR;
    if (!Text.empty()) DrawTextWide(BC, Text, TR, DT_CALCRECT);
    const int TW = Text.empty() ? 0 : TR.Width() + 2, TH = TR.Height();
    const int IW = FImages->Width(), IH = FImages->Height();
    const int X = (B.Width() - Close) / 2 - (TW + IW + 2) / 2;
    TRect Box = Rect(X + IW + 2, B.Height() / 2 + Shift - TH / 2, X + IW + 2 + TW, B.Height() / 2 + Shift - TH / 2 + TH);
    DrawTextWide(BC, Text, Box, DT_CENTER);
    FImages->Draw(BC, X, B.Height() / 2 + Shift - IH / 2, Page->ImageIndex(), Page->Enabled());
    if (Close > 0) R.Right -= CloseCut;
  } else {
    if (Close > 0) R.Right -= CloseCut;
    DrawTextWide(BC, Page->Caption(), R, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  }
  if (FShowCloseButtons) {
    if (!MouseIn) Page->ButtonMouseIn = false;
    DrawCloseButton(Rect(R.Right, R.Top + Shift, B.Width(), R.Bottom), B.Width(), B.Height(), Page, BC);
  }
  if (TabPosition() == tpLeft && !FTextInHorizontal)
    DrawBitmapRotate90_1(C, &B, Rct.Left, Rct.Top);
  else if (TabPosition() == tpRight && !FTextInHorizontal)
    DrawBitmapRotate90_2(C, &B, Rct.Left, Rct.Top);
  else
    C->Draw(Rct.Left, Rct.Top, &B);
}

void TskSkinPageControl::DrawCloseButton(const TRect& A, int BW, int BH, TskSkinCustomTabSheet* Page, TCanvas* C) {
  const bool Down = Page->ButtonMouseDown && Page->ButtonMouseIn;
  TRect P;
  if (FIndex == -1) {
    const int M = A.Height() / 2 + A.Top;
    P = Rect(A.Left, M - 7, A.Left + 14, M + 7);
    DrawCloseGlyph(C, P.Left + 2, P.Top + 2, Page->ButtonMouseIn ? clWhite : clBlack);
  } else if (CloseButtonRect.IsEmpty()) {
    const int Index = FSD->GetControlIndex("resizetoolbutton");
    auto* Button = Index == -1 ? nullptr : dynamic_cast<TskDataSkinButtonControl*>(FSD->CtrlList[Index].get());
    TBitmap* Source = Button ? TskSkinGeometry::ModelPicture(FSD, Button->PictureIndex) : nullptr;
    if (!Source) return;
    const int Size = FCloseSize;
    const TRect Hot = Button->ActiveSkinRect.IsEmpty() ? Button->SkinRect : Button->ActiveSkinRect;
    const TRect S = Down ? (Button->DownSkinRect.IsEmpty() ? Hot : Button->DownSkinRect)
                         : Page->ButtonMouseIn ? Hot : Button->SkinRect;
    TBitmap Image;
    const int DW = Size - Button->SkinRect.Width(), DH = Size - Button->SkinRect.Height();
    ComposeSkinImage(Button->LTPoint, Button->RTPoint, Button->LBPoint, Button->RBPoint, Button->ClRect,
                     Button->LTPoint, { Button->RTPoint.X + DW, Button->RTPoint.Y },
                     { Button->LBPoint.X, Button->LBPoint.Y + DH }, { Button->RBPoint.X + DW, Button->RBPoint.Y + DH },
                     Rect(Button->ClRect.Left, Button->ClRect.Top, Button->ClRect.Right + DW, Button->ClRect.Bottom + DH),
                     &Image, Source, S, Size, Size, true, Button->LeftStretch, Button->TopStretch,
                     Button->RightStretch, Button->BottomStretch, Button->StretchEffect, Button->StretchType);
    DrawCloseGlyph(Image.Canvas(), Size / 2 - 5, Size / 2 - 5,
                   Down ? Button->DownFontColor : Page->ButtonMouseIn ? Button->ActiveFontColor : Button->FontColor);
    const int T = A.Height() / 2 + A.Top - Size / 2;
    P = Rect(A.Left, T, A.Left + Size, T + Size);
    C->Draw(P.Left, P.Top, &Image);
  } else if (Picture) {
    const TRect S = Down ? CloseButtonDownRect : Page->ButtonMouseIn ? CloseButtonActiveRect : CloseButtonRect;
    const int T = A.Height() / 2 + A.Top - S.Height() / 2;
    P = Rect(A.Left, T, A.Left + S.Width(), T + S.Height());
    TBitmap Image;
    Image.SetSize(S.Width(), S.Height());
    Image.Canvas()->CopyRect(Rect(0, 0, S.Width(), S.Height()), Picture->Canvas(), S);
    if (ButtonTransparent) {
      Image.SetTransparentMode(tmFixed);
      Image.SetTransparentColor(ButtonTransparentColor);
      Image.SetTransparent(true);
    }
    C->Draw(P.Left, P.Top, &Image);
  }
  if (TabPosition() == tpLeft && !FTextInHorizontal)
    P = Rect(P.Top, BW - P.Right, P.Bottom, BW - P.Left);
  else if (TabPosition() == tpRight && !FTextInHorizontal)
    P = Rect(BH - P.Bottom, P.Left, BH - P.Top, P.Right);
  Page->ButtonRect = P;
}

void TskSkinPageControl::DrawClientPiece(TCanvas* C, int W, int H) {
  TBitmap Piece;
  if (BGPictureIndex == -1) {
    if (!Picture) return;
    const TRect Source = ClRect.Offset(SkinRect.Left, SkinRect.Top);
    Piece.SetSize(Source.Width(), Source.Height());
    Piece.Canvas()->CopyRect(Rect(0, 0, Source.Width(), Source.Height()), Picture->Canvas(), Source);
  } else if (TBitmap* G = TskSkinGeometry::ModelPicture(FSD, BGPictureIndex)) {
    Piece.Assign(G);
  }
  FillWithPiece(C, &Piece, W, H, StretchEffect, StretchType);
}

void TskSkinPageControl::PaintPageAreaBackground(HDC DC) {
  TCanvas C;
  C.SetHandle(DC);
  DrawClientPiece(&C, Width(), Height());
  C.SetHandle(nullptr);
}

void TskSkinCustomTabSheet::PaintBG(HDC DC) {
  auto* Control = dynamic_cast<TskSkinPageControl*>(PageControl());
  if (Width() < 1 || Height() < 1 || !Control) return;
  Control->GetSkinData();
  TCanvas C;
  C.SetHandle(DC);
  if (!FWallPaper->Empty()) {
    FillWithPiece(&C, FWallPaper.get(), Width(), Height(), false, skstFull);
  } else if (Control->FIndex == -1) {
    C.Brush()->SetColor(clBtnFace);
    C.FillRect(Rect(0, 0, Width(), Height()));
  } else {
    Control->DrawClientPiece(&C, Width(), Height());
  }
  C.SetHandle(nullptr);
}
