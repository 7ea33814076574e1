// The application menu's painting: item column, page area with the frame around the active page, back
// button, top line and size grip from the "appmenu" record, or the built-in look in system colours.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skGlyphText.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"
#include "skin/ribbon/TskAppMenu.h"
#include "skin/ribbon/TskAppMenuPage.h"
#include "skin/ribbon/skPageBackground.h"
#include "skin/ribbon/skSkinPiece.h"

namespace {

/// A page item higher up than this is drawn plain, so items scrolled under the back button stay quiet.
constexpr int HighlightTop = 30;
constexpr int ArrowWidth = 5;
constexpr int LeftArrow = 1;

/// Picture stretched over R, or tiled in its own size from R's top-left corner.
void DrawColumnBackground(TCanvas* Canvas, const TRect& R, TBitmap* Picture, bool Stretch) {
  if (Stretch)
    Canvas->StretchDraw(R, Picture);
  else
    DrawPageBackground(Canvas, R, Picture, false, skstFull);
}

}  // namespace

void TskAppMenu::Paint() { DrawAppMenu(Canvas()); }

void TskAppMenu::DrawAppMenu(TCanvas* Canvas) {
  if (FWidth < 1 || FHeight < 1) return;
  GetSkinData();
  if (FIndex == -1 || !FData) {
    Canvas->SetFont(Font());
    Canvas->Brush()->SetColor(clBtnShadow);
    Canvas->FillRect(Rect(0, 0, FWidth, FHeight));
    CalcItemRects();
    for (int i = 0; i < FItems->Count(); ++i)
      if (FItems->Items(i)->Visible()) DrawDefaultItem(Canvas, i);
    return;
  }
  TBitmap B;
  B.SetSize(FWidth, FHeight);
  TCanvas* C = B.Canvas();
  DrawSkinBackground(C);
  DrawPageFrame(C);
  CalcItemRects();
  const TskDataSkinAppMenu& D = *FData;
  if (!IsEmptyRect(FBackButtonRect)) {
    const TRect Piece =
        FBackButtonActive && !IsEmptyRect(D.BackButtonActiveRect) ? D.BackButtonActiveRect : D.BackButtonRect;
    DrawSkinPiece(C, FBackButtonRect.Left, FBackButtonRect.Top, FDataPicture, Piece);
  }
  const HDC DC = C->Handle();
  const int Saved = SaveDC(DC);
  if (!IsEmptyRect(FBackButtonRect)) ExcludeClipRect(DC, 0, 0, FItemWidth, FBackButtonRect.Bottom + 2);
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Items(i)->Visible()) DrawSkinItem(C, i);
  RestoreDC(DC, Saved);
  if (!IsEmptyRect(D.TopLineRect)) {
    TBitmap Line;
    ComposeHorzStripImage(D.TopLineOffset1, D.TopLineOffset2, &Line, FDataPicture, D.TopLineRect, FWidth,
                          RectHeight(D.TopLineRect), true);
    C->Draw(0, 0, &Line);
  }
  if (SizeGripShown())
    DrawSkinPiece(C, FWidth - RectWidth(D.GripperRect), FHeight - RectHeight(D.GripperRect), FDataPicture,
                  D.GripperRect, true, D.GripperTransparentColor);
  Canvas->Draw(0, 0, &B);
}

// Where neither background picture applies the menu shows the built-in look's colour.
void TskAppMenu::DrawSkinBackground(TCanvas* Canvas) {
  const TskDataSkinAppMenu& D = *FData;
  Canvas->Brush()->SetColor(clBtnShadow);
  Canvas->FillRect(Rect(0, 0, FWidth, FHeight));
  if (FDataBGPicture) {
    const TRect Column = FDataPageBGPicture ? Rect(0, 0, FItemWidth, FHeight) : Rect(0, 0, FWidth, FHeight);
    DrawColumnBackground(Canvas, Column, FDataBGPicture, D.BGStretchEffect);
  }
  if (FDataPageBGPicture)
    DrawColumnBackground(Canvas, Rect(FItemWidth, 0, FWidth, FHeight), FDataPageBGPicture, D.BGPageStretchEffect);
}

// The frame's bands around the active page, which covers the frame's centre.
void TskAppMenu::DrawPageFrame(TCanvas* Canvas) {
  if (!FActivePage || IsEmptyRect(FActivePage->BoundsRect())) return;
  const TskDataSkinAppMenu& D = *FData;
  const TRect P = FActivePage->BoundsRect();
  const TRect R = Rect(P.Left - D.ClRect.Left, P.Top - D.ClRect.Top,
                       P.Right + (RectWidth(D.SkinRect) - D.ClRect.Right),
                       P.Bottom + (RectHeight(D.SkinRect) - D.ClRect.Bottom));
  const int DW = RectWidth(R) - RectWidth(D.SkinRect), DH = RectHeight(R) - RectHeight(D.SkinRect);
  const TPoint NewRT { D.RTPoint.X + DW, D.RTPoint.Y }, NewLB { D.LBPoint.X, D.LBPoint.Y + DH },
      NewRB { D.RBPoint.X + DW, D.RBPoint.Y + DH };
  const TRect NewCl { D.ClRect.Left, D.ClRect.Top, D.ClRect.Right + DW, D.ClRect.Bottom + DH };
  TBitmap Left, Top, Right, Bottom;
  ComposeFrameBands(D.LTPoint, D.RTPoint, D.LBPoint, D.RBPoint, D.ClRect, D.LTPoint, NewRT, NewLB, NewRB, NewCl, &Left,
                    &Top, &Right, &Bottom, FDataPicture, D.SkinRect, RectWidth(R), RectHeight(R), D.LeftStretch,
                    D.TopStretch, D.RightStretch, D.BottomStretch);
  Canvas->Draw(R.Left, R.Top, &Top);
  Canvas->Draw(R.Left, R.Top + Top.Height(), &Left);
  Canvas->Draw(R.Right - Right.Width(), R.Top + Top.Height(), &Right);
  Canvas->Draw(R.Left, R.Bottom - Bottom.Height(), &Bottom);
}

void TskAppMenu::DrawItemContent(TCanvas* Canvas, int Index, TRect R, int Spacing, bool Same) {
  const TskAppMenuItem* Item = FItems->Items(Index);
  const bool PageItem = Item->Page() != nullptr;
  R.Left += PageItem || Same ? 20 : 10;
  if (Same && FItemImageList) R.Left += 3;
  TCustomImageList* Images = PageItem ? FItemPageImageList : FItemImageList;
  if (Images && Item->ImageIndex() >= 0 && Item->ImageIndex() < Images->Count()) {
    if (Same) R.Left = std::max(R.Left - (Images->Width() + 3), 0);
    DrawImageAndText(Canvas, R, 0, Spacing, blGlyphLeft, Item->Caption(), Item->ImageIndex(), Images, false,
                     Item->Enabled(), false, clNone);
  } else {
    DrawLeftCaption(Canvas, Item->Caption(), R);
  }
}

void TskAppMenu::DrawSkinItem(TCanvas* Canvas, int Index) {
  const TskDataSkinAppMenu& D = *FData;
  const TskAppMenuItem* Item = FItems->Items(Index);
  const TRect R = Item->ItemRect;
  const bool PageItem = Item->Page() != nullptr;
  const bool Same = EqualRects(D.ItemRect, D.PageItemRect);
  const bool ShownPage = PageItem && Item->Page() == FActivePage;
  const bool Quiet = PageItem && (R.Top < HighlightTop ||
                                  (FActivePage && R.Bottom > FActivePage->Top() + FActivePage->Height() - 5));
  const bool Highlighted = !Quiet && (Item->Active || ShownPage || (Index == FItemIndex && Item->Enabled()));
  if (FUseSkinFont) {
    Canvas->Font()->SetName(D.FontName);
    Canvas->Font()->SetStyle(D.FontStyle);
  } else {
    Canvas->SetFont(Font());
  }
  Canvas->Brush()->SetStyle(bsClear);
  if (!Highlighted) {
    Canvas->Font()->SetHeight(PageItem ? D.FontPageHeight : D.FontHeight);
    Canvas->Font()->SetColor(!Item->Enabled() ? D.DisabledFontColor : PageItem ? D.FontPageColor : D.FontColor);
    DrawItemContent(Canvas, Index, R, 3, Same);
    return;
  }
  TBitmap Face;
  if (PageItem)
    ComposeHorzStripImage(D.PageItemOffset1, D.PageItemOffset2, &Face, FDataPicture,
                          ShownPage ? D.PageItemActiveRect : D.PageItemRect, RectWidth(R), 0, true);
  else
    ComposeHorzStripImage(D.ItemOffset1, D.ItemOffset2, &Face, FDataPicture, D.ItemRect, RectWidth(R), 0, true);
  TCanvas* C = Face.Canvas();
  C->SetFont(Canvas->Font());
  C->Font()->SetHeight(PageItem ? D.FontPageHeight : D.FontHeight);
  C->Font()->SetColor(PageItem ? D.ActiveFontPageColor : D.ActiveFontColor);
  C->Brush()->SetStyle(bsClear);
  const int TextHeight = PageItem ? RectHeight(D.PageItemRect) : Face.Height();
  DrawItemContent(C, Index, Rect(0, 0, Face.Width(), TextHeight), 3, Same);
  Canvas->Draw(R.Left, R.Top, &Face);
}

void TskAppMenu::DrawDefaultItem(TCanvas* Canvas, int Index) {
  const TskAppMenuItem* Item = FItems->Items(Index);
  const TRect R = Item->ItemRect;
  const bool PageItem = Item->Page() != nullptr;
  const bool ShownPage = PageItem && Item->Page() == FActivePage;
  if (!(Item->Active || ShownPage || Index == FItemIndex)) {
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Font()->SetColor(Item->Enabled() ? clBtnHighlight : cl3DDkShadow);
    DrawItemContent(Canvas, Index, R, 5, false);
    return;
  }
  TBitmap Face;
  Face.SetSize(RectWidth(R), RectHeight(R) + 2);
  TCanvas* C = Face.Canvas();
  C->Brush()->SetColor(clBtnFace);
  C->FillRect(Rect(0, 0, Face.Width(), Face.Height()));
  C->SetFont(Canvas->Font());
  C->Font()->SetColor(clBtnText);
  C->Brush()->SetStyle(bsClear);
  if (!PageItem) DrawBevelFrame(C, Rect(0, 0, Face.Width(), Face.Height()), cl3DDkShadow, cl3DDkShadow);
  DrawItemContent(C, Index, Rect(0, 0, RectWidth(R), RectHeight(R)), 5, false);
  if (ShownPage)
    DrawBigArrow(C, Rect(Face.Width() - ArrowWidth, 0, Face.Width(), Face.Height()), clWindow, LeftArrow);
  Canvas->Draw(R.Left, R.Top, &Face);
}
