#include "skin/controls/TskSkinCustomControl.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/skCheckParentBg.h"
#include "skin/controls/skControlMessages.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinControl.h"
#include "skin/core/skRegions.h"
#include "skin/core/skUtils.h"

void TskSkinCustomControl::GetSkinData() {
  TskSkinCustomBase::GetSkinData();
  auto* Record = dynamic_cast<TskDataSkinCustomControl*>(SkinRecord());
  MaskPicture = Record ? ModelPicture(SkinData(), Record->MaskPictureIndex) : nullptr;
}

void TskSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TskSkinCustomBase::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FIndex == -1 || !StretchEffect) return;
  SendCheckParentBg(this);
}

HRGN TskSkinCustomControl::MaskRegion() {
  HRGN Rgn = nullptr;
  switch (ResizeMode) {
  case 0: CreateRegionFromMask(Rgn, MaskPicture); break;
  case 1:
    CreateSkinRegion(Rgn, LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect,
                     MaskPicture, FWidth, FHeight);
    break;
  case 2: {
    const TPoint NewRT { RTPt.X + FWidth - RectWidth(SkinRect), RTPt.Y };
    CreateSkinRegion(Rgn, LTPt, RTPt, LTPt, RTPt, ClRect, LTPt, NewRT, LTPt, NewRT, NewClRect, MaskPicture, FWidth,
                     FHeight);
    break;
  }
  case 3: {
    const TPoint NewLB { LBPt.X, LBPt.Y + FHeight - RectHeight(SkinRect) };
    CreateSkinRegion(Rgn, LTPt, LTPt, LBPt, LBPt, ClRect, LTPt, LTPt, NewLB, NewLB, NewClRect, MaskPicture, FWidth,
                     FHeight);
    break;
  }
  default: break;
  }
  return Rgn;
}

void TskSkinCustomControl::SetControlRegion() {
  if (!Parent()) return;
  if (!MaskPicture || FIndex == -1) {
    if (FRgn) {
      SetWindowRgn(Handle(), nullptr, true);
      FRgn = nullptr;
    }
    return;
  }
  int W = FWidth, H = FHeight;
  CalcSize(W, H);
  FRgn = MaskRegion();
  SetWindowRgn(Handle(), FRgn, true);
}

void TskSkinCustomControl::Paint() {
  if (FWidth < 1 || FHeight < 1) return;
  GetSkinData();
  int W = FWidth, H = FHeight;
  CalcSize(W, H);
  if (FIndex == -1 || !FForceBackground || ResizeMode != 1 || !Picture) {
    TskSkinControl::Paint();
    return;
  }
  PaintForceBackground();
}

void TskSkinCustomControl::PaintForceBackground() {
  TBitmap LeftBand, TopBand, RightBand, BottomBand;
  ComposeFrameBands(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect,
                    &LeftBand, &TopBand, &RightBand, &BottomBand, Picture, SkinRect, FWidth, FHeight, LeftStretch,
                    TopStretch, RightStretch, BottomStretch);
  CreateControlSkinImage(&TopBand);
  if (FDrawbackground) DrawClientArea();
  TCanvas* C = Canvas();
  C->Draw(0, 0, &TopBand);
  C->Draw(0, TopBand.Height(), &LeftBand);
  C->Draw(FWidth - RightBand.Width(), TopBand.Height(), &RightBand);
  C->Draw(0, FHeight - BottomBand.Height(), &BottomBand);
}

// The client piece is tiled from NewClRect's corner, or stretched by StretchType, and cut at NewClRect. A
// record without a client piece, or a control without client room, has no client area to draw.
void TskSkinCustomControl::DrawClientArea() {
  const int PW = RectWidth(ClRect), PH = RectHeight(ClRect);
  const int NW = RectWidth(NewClRect), NH = RectHeight(NewClRect);
  if (PW <= 0 || PH <= 0 || NW <= 0 || NH <= 0) return;
  TBitmap P;
  P.SetSize(PW, PH);
  P.Canvas()->CopyRect(Rect(0, 0, PW, PH), Picture->Canvas(),
                       Bounds(SkinRect.Left + ClRect.Left, SkinRect.Top + ClRect.Top, PW, PH));
  TCanvas* C = Canvas();
  const HDC DC = C->Handle();
  const int Saved = SaveDC(DC);
  IntersectClipRect(DC, NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom);
  const int X0 = NewClRect.Left, Y0 = NewClRect.Top;
  if (StretchEffect && StretchType == skstFull) {
    C->StretchDraw(NewClRect, &P);
  } else if (StretchEffect && StretchType == skstHorz) {
    for (int i = 0; i <= NW / PW; ++i) C->StretchDraw(Bounds(X0 + i * PW, Y0, PW, NH), &P);
  } else if (StretchEffect && StretchType == skstVert) {
    for (int j = 0; j <= NH / PH; ++j) C->StretchDraw(Bounds(X0, Y0 + j * PH, NW, PH), &P);
  } else {
    for (int j = 0; j <= NH / PH; ++j)
      for (int i = 0; i <= NW / PW; ++i) C->Draw(X0 + i * PW, Y0 + j * PH, &P);
  }
  RestoreDC(DC, Saved);
}
