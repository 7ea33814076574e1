// The ribbon's painting: the tab strip composed off-screen with its tabs and buttons, and around the page
// area the skin's frame bands or the built-in flat look.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionGlyphs.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skSkinColors.h"
#include "skin/core/skUtils.h"
#include "skin/ribbon/TskAppMenu.h"
#include "skin/ribbon/TskRibbon.h"
#include "skin/ribbon/TskRibbonPage.h"
#include "skin/ribbon/skPageBackground.h"
#include "skin/ribbon/skSkinPiece.h"

namespace {

constexpr int MDIClose = 1;
constexpr int MDIRestore = 2;
constexpr int MDIMinimize = 3;

/// Caption in R: left-aligned when wider than MaxWidth, else centred; measured on Canvas.
void DrawTabCaption(TCanvas* Canvas, const String& Caption, const TRect& R, int MaxWidth) {
  if (GetTextWidthW(Canvas, Caption) > MaxWidth)
    DrawLeftText(Canvas, Caption, R);
  else
    DrawCenteredCaption(Canvas, Caption, R);
}

void AddBold(TCanvas* Canvas) {
  TFontStyles Style = Canvas->Font()->Style();
  Style.Include(fsBold);
  Canvas->Font()->SetStyle(Style);
}

}  // namespace

void TskRibbon::Paint() {
  if (WMEraseReady) {
    WMEraseReady = false;
    return;
  }
  DrawRibbon(Canvas());
}

bool TskRibbon::AppMenuShown() const { return FAppMenu && FAppMenu->Visible(); }

TskDataSkinButtonControl* TskRibbon::ButtonFaceRecord() const {
  TskSkinData* Model = SkinData();
  if (!Model || Model->Empty) return nullptr;
  for (const char* Name : { "officeribbonbutton", "resizetoolbutton" }) {
    const int Index = Model->GetControlIndex(Name);
    if (Index != -1) return dynamic_cast<TskDataSkinButtonControl*>(Model->CtrlList[size_t(Index)].get());
  }
  return nullptr;
}

void TskRibbon::DrawRibbon(TCanvas* Canvas) {
  GetSkinData();
  const int H = GetTabStripHeight();
  const TRect P = GetPageBounds();
  const bool Skin = Skinned();
  TBitmap Strip;
  TBitmap LeftBand, TopBand, RightBand, BottomBand;
  const TRect F = Rect(0, H, FWidth, FHeight);
  if (Skin) {
    const TskDataSkinTabControl& D = *FData;
    const int DX = RectWidth(F) - RectWidth(D.SkinRect), DY = RectHeight(F) - RectHeight(D.SkinRect);
    const TPoint NewRT { D.RTPoint.X + DX, D.RTPoint.Y }, NewLB { D.LBPoint.X, D.LBPoint.Y + DY },
        NewRB { D.RBPoint.X + DX, D.RBPoint.Y + DY };
    const TRect NewCl { D.ClRect.Left, D.ClRect.Top, D.ClRect.Right + DX, D.ClRect.Bottom + DY };
    ComposeFrameBands(D.LTPoint, D.RTPoint, D.LBPoint, D.RBPoint, D.ClRect, D.LTPoint, NewRT, NewLB, NewRB, NewCl,
                      &LeftBand, &TopBand, &RightBand, &BottomBand, FDataPicture, D.SkinRect, RectWidth(F),
                      RectHeight(F), D.LeftStretch, D.TopStretch, D.RightStretch, D.BottomStretch);
    Strip.SetSize(FWidth, TopBand.Height() + H);
    Strip.Canvas()->Draw(0, Strip.Height() - TopBand.Height(), &TopBand);
    if (IsEmptyRect(D.TabsBGRect)) {
      Strip.Canvas()->Brush()->SetColor(SkinData()->SkinColors()->cBtnShadow());
      Strip.Canvas()->FillRect(Rect(0, 0, FWidth, H));
    } else {
      Strip.Canvas()->CopyRect(Rect(0, 0, FWidth, H), FDataPicture->Canvas(), D.TabsBGRect);
    }
    if (FUseSkinFont) {
      Strip.Canvas()->Font()->SetName(D.FontName);
      Strip.Canvas()->Font()->SetStyle(D.FontStyle);
      Strip.Canvas()->Font()->SetHeight(D.FontHeight);
    } else {
      Strip.Canvas()->SetFont(Font());
    }
  } else {
    Canvas->Brush()->SetColor(clBtnShadow);
    Canvas->FillRect(Rect(0, H + 2, FWidth, FHeight));
    Strip.SetSize(FWidth, H + 2);
    Strip.Canvas()->Brush()->SetColor(clBtnShadow);
    Strip.Canvas()->FillRect(Rect(0, 0, FWidth, H + 2));
    if (FTabs->Count() == 0) {
      Canvas->Brush()->SetColor(clBtnFace);
      Canvas->FillRect(P);
    }
    Strip.Canvas()->SetFont(Font());
  }
  TCanvas* S = Strip.Canvas();
  CalcItemRects(S);
  if (HasVisibleTab())
    for (int i = 0; i < FTabs->Count(); ++i)
      if (FTabs->Items(i)->Visible()) Skin ? DrawSkinTab(S, i) : DrawDefaultTab(S, i);
  if (FButtons->Count() > 0 && FButtonsImageList)
    for (int i = 0; i < FButtons->Count(); ++i) DrawButton(S, i);
  for (int i = 0; i < FMDIButtons->Count(); ++i) DrawMDIButton(S, i);
  if (Skin) {
    const int Top = F.Top + TopBand.Height();
    Canvas->Draw(F.Left, Top, &LeftBand);
    Canvas->Draw(F.Right - RightBand.Width(), Top, &RightBand);
    Canvas->Draw(F.Left, F.Bottom - BottomBand.Height(), &BottomBand);
  }
  Canvas->Draw(0, 0, &Strip);
  if (Skin && !HasVisibleTab()) DrawClientBackground(Canvas, P);
}

// ---- Tabs ----

void TskRibbon::DrawDefaultTab(TCanvas* Canvas, int Index) {
  const TskRibbonTab* Tab = FTabs->Items(Index);
  const TRect R = Tab->ItemRect;
  const String Caption = Tab->Page() ? Tab->Page()->Caption() : String();
  if (Index == FTabIndex) {
    TBitmap Face;
    Face.SetSize(RectWidth(R), RectHeight(R) + 2);
    TCanvas* C = Face.Canvas();
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(Rect(0, 0, Face.Width(), Face.Height()));
    C->SetFont(Canvas->Font());
    C->Font()->SetColor(clBtnText);
    if (FTabBoldStyle) AddBold(C);
    C->Brush()->SetStyle(bsClear);
    DrawTabCaption(C, Caption, Rect(3, 0, Face.Width() - 3, Face.Height() - 1), RectWidth(R) - 6);
    Canvas->Draw(R.Left, R.Top, &Face);
    return;
  }
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Font()->SetColor(clBtnHighlight);
  DrawTabCaption(Canvas, Caption, Rect(R.Left + 3, R.Top, R.Right - 3, R.Bottom), RectWidth(R) - 6);
  if (FShowDivider) {
    Canvas->Pen()->SetColor(cl3DDkShadow);
    Canvas->MoveTo(R.Right, R.Top);
    Canvas->LineTo(R.Right, R.Bottom + 1);
  }
}

void TskRibbon::DrawTabFace(TCanvas* Canvas, int Index, const TRect& FaceRect, TColor FontColor, bool Bold,
                            int TextBottom) {
  const TskRibbonTab* Tab = FTabs->Items(Index);
  const TRect R = Tab->ItemRect;
  TBitmap Face;
  ComposeHorzStripImage(FData->TabLeftOffset, FData->TabRightOffset, &Face, FDataPicture, FaceRect, RectWidth(R),
                        RectHeight(FaceRect), FData->TabStretchEffect);
  TCanvas* C = Face.Canvas();
  C->SetFont(Canvas->Font());
  C->Font()->SetColor(FontColor);
  if (Bold) AddBold(C);
  C->Brush()->SetStyle(bsClear);
  const String Caption = Tab->Page() ? Tab->Page()->Caption() : String();
  DrawTabCaption(C, Caption, Rect(3, 0, Face.Width() - 3, Face.Height() - TextBottom), RectWidth(R) - 6);
  Canvas->Draw(R.Left, R.Top, &Face);
}

void TskRibbon::DrawSkinTab(TCanvas* Canvas, int Index) {
  const TskDataSkinTabControl& D = *FData;
  const TskRibbonTab* Tab = FTabs->Items(Index);
  const TRect R = Tab->ItemRect;
  const bool Selected = Index == FTabIndex && !AppMenuShown();
  if (Selected && Focused() && !IsEmptyRect(D.FocusTabRect))
    return DrawTabFace(Canvas, Index, D.FocusTabRect, D.FocusFontColor, FTabBoldStyle, 1);
  if (Selected && !IsEmptyRect(D.ActiveTabRect))
    return DrawTabFace(Canvas, Index, D.ActiveTabRect, D.ActiveFontColor, FTabBoldStyle, 1);
  if (Tab->Active && !IsEmptyRect(D.MouseInTabRect))
    return DrawTabFace(Canvas, Index, D.MouseInTabRect, D.MouseInFontColor, false, 0);
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Font()->SetColor(Tab->Active ? D.MouseInFontColor : D.FontColor);
  const String Caption = Tab->Page() ? Tab->Page()->Caption() : String();
  DrawTabCaption(Canvas, Caption, Rect(R.Left + 3, R.Top, R.Right - 3, R.Bottom), RectWidth(R) - 6);
  if (!FShowDivider) return;
  if (IsEmptyRect(D.DividerRect)) {
    Canvas->Pen()->SetColor(SkinData()->SkinColors()->cBtnShadow());
    Canvas->MoveTo(R.Right, R.Top);
    Canvas->LineTo(R.Right, R.Bottom);
  } else {
    DrawSkinPiece(Canvas, R.Right - RectWidth(D.DividerRect), R.Bottom - RectHeight(D.DividerRect), FDataPicture,
                  D.DividerRect, D.DividerTransparent, D.DividerTransparentColor);
  }
}

// ---- Buttons ----

void TskRibbon::DrawDefaultButtonFace(TCanvas* Canvas, const TRect& R, bool Pressed) {
  TBitmap Face;
  Face.SetSize(RectWidth(R), RectWidth(R));
  Face.Canvas()->Brush()->SetColor(Pressed ? cl3DDkShadow : clBtnFace);
  Face.Canvas()->FillRect(Rect(0, 0, Face.Width(), Face.Height()));
  Canvas->Draw(R.Left, R.Top, &Face);
}

void TskRibbon::DrawSkinButtonFace(TCanvas* Canvas, const TRect& R, bool Pressed) {
  const TskDataSkinButtonControl* D = ButtonFaceRecord();
  TBitmap* Picture = D ? TskSkinGeometry::ModelPicture(SkinData(), D->PictureIndex) : nullptr;
  if (!Picture) return;
  TBitmap Face;
  Face.SetSize(RectWidth(R), RectWidth(R));
  ComposeStretchedSkinImage(&Face, Picture, Pressed ? D->DownSkinRect : D->ActiveSkinRect, D->ClRect, true);
  Canvas->Draw(R.Left, R.Top, &Face);
}

void TskRibbon::DrawButton(TCanvas* Canvas, int Index) {
  const TskRibbonButtonItem* Button = FButtons->Items(Index);
  if (!Button->Visible()) return;
  const TRect R = Button->ItemRect;
  const bool Pressed = Button->Active && Button->Down;
  if (Skinned()) {
    if (Pressed || Index == FPopupButton)
      DrawSkinButtonFace(Canvas, R, true);
    else if (Button->Active)
      DrawSkinButtonFace(Canvas, R, false);
  } else if (Button->Active) {
    DrawDefaultButtonFace(Canvas, R, Pressed);
  }
  const int I = Button->ImageIndex();
  if (I < 0 || I >= FButtonsImageList->Count()) return;
  const int W = FButtonsImageList->Width(), H = FButtonsImageList->Height();
  FButtonsImageList->Draw(Canvas, R.Left + RectWidth(R) / 2 - W / 2, R.Top + RectHeight(R) / 2 - H / 2 + 1, I,
                          Button->Enabled());
}

void TskRibbon::DrawMDIButton(TCanvas* Canvas, int Index) {
  const TskRibbonButtonItem* Button = FMDIButtons->Items(Index);
  const TRect R = Button->ItemRect;
  const bool Pressed = Button->Active && Button->Down;
  if (!Skinned()) {
    const int X = R.Left + RectWidth(R) / 2 - 5, Y = R.Top + RectHeight(R) / 2 - 4;
    const TColor Color = Button->Active || Button->Down ? clBtnHighlight : clBtnText;
    if (Button->Code == MDIClose) DrawCloseGlyph(Canvas, X, Y, Color);
    if (Button->Code == MDIRestore) DrawRestoreGlyph(Canvas, X, Y, Color);
    if (Button->Code == MDIMinimize) DrawMinimizeGlyph(Canvas, X, Y, Color);
    return;
  }
  const TskDataSkinTabControl& D = *FData;
  TRect Normal, Hot, Down;
  if (Button->Code == MDIClose) Normal = D.MDICloseRect, Hot = D.MDICloseActiveRect, Down = D.MDICloseDownRect;
  if (Button->Code == MDIRestore)
    Normal = D.MDIRestoreRect, Hot = D.MDIRestoreActiveRect, Down = D.MDIRestoreDownRect;
  if (Button->Code == MDIMinimize) Normal = D.MDIMinRect, Hot = D.MDIMinActiveRect, Down = D.MDIMinDownRect;
  if (IsEmptyRect(Hot)) Hot = Normal;
  if (IsEmptyRect(Down)) Down = Hot;
  const TRect Piece = Pressed ? Down : Button->Active ? Hot : Normal;
  DrawSkinPiece(Canvas, R.Left, R.Top, FDataPicture, Piece, D.MDIButtonsTransparent, D.MDIButtonsTransparentColor);
}

// ---- Page area without tabs ----

void TskRibbon::DrawClientBackground(TCanvas* Canvas, const TRect& R) {
  if (FWidth < 1 || FHeight < 1) return;
  const HDC DC = Canvas->Handle();
  const int Saved = SaveDC(DC);
  IntersectClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
  GetSkinData();
  if (Skinned()) {
    const TskDataSkinTabControl& D = *FData;
    TBitmap* Picture = TskSkinGeometry::ModelPicture(SkinData(), D.BGPictureIndex);
    std::unique_ptr<TBitmap> Piece;
    if (!Picture) {
      Piece = FrameClientPiece(FDataPicture, D.SkinRect, D.ClRect);
      Picture = Piece.get();
    }
    DrawPageBackground(Canvas, R, Picture, D.StretchEffect, D.StretchType);
  }
  RestoreDC(DC, Saved);
}
