#include "skin/controls/TskSkinGeometry.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skUtils.h"

namespace {

TRect Moved(const TRect& R, int DX, int DY) { return { R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY }; }

}  // namespace

TBitmap* TskSkinGeometry::ModelPicture(TskSkinData* Model, int Index) {
  if (!Model || Index < 0 || Index >= int(Model->FActivePictures.size())) return nullptr;
  return Model->FActivePictures[Index].get();
}

const TskDataSkinCustomControl* TskSkinGeometry::ReadGeometry(TskSkinData* Model, TskDataSkinControl* Record) {
  const auto* R = dynamic_cast<const TskDataSkinCustomControl*>(Record);
  if (!R) {
    ResizeMode = 0;
    Picture = nullptr;
    return nullptr;
  }
  LTPt = R->LTPoint;
  RTPt = R->RTPoint;
  LBPt = R->LBPoint;
  RBPt = R->RBPoint;
  SkinRect = R->SkinRect;
  ClRect = R->ClRect;
  StretchEffect = R->StretchEffect;
  StretchType = R->StretchType;
  LeftStretch = R->LeftStretch;
  TopStretch = R->TopStretch;
  RightStretch = R->RightStretch;
  BottomStretch = R->BottomStretch;
  Picture = ModelPicture(Model, R->PictureIndex);
  if (IsEmptyRect(SkinRect))
    ResizeMode = -1;
  else if (RBPt.X != 0 && RBPt.Y != 0)
    ResizeMode = 1;
  else if (RTPt.X != 0 || RTPt.Y != 0)
    ResizeMode = 2;
  else if (LBPt.X != 0 || LBPt.Y != 0)
    ResizeMode = 3;
  else
    ResizeMode = 0;
  return R;
}

void TskSkinGeometry::CalcGeometry(int& W, int& H) {
  const int dW = W - RectWidth(SkinRect), dH = H - RectHeight(SkinRect);
  switch (ResizeMode) {
  case 0:
    W = RectWidth(SkinRect);
    H = RectHeight(SkinRect);
    NewClRect = ClRect;
    return;
  case 1:
    NewLTPoint = LTPt;
    NewRTPoint = { RTPt.X + dW, RTPt.Y };
    NewLBPoint = { LBPt.X, LBPt.Y + dH };
    NewRBPoint = { RBPt.X + dW, RBPt.Y + dH };
    NewClRect = { ClRect.Left, ClRect.Top, ClRect.Right + dW, ClRect.Bottom + dH };
    return;
  case 2:
    H = RectHeight(SkinRect);
    NewLTPoint = LTPt;
    NewRTPoint = { RTPt.X + dW, RTPt.Y };
    NewClRect = { ClRect.Left, ClRect.Top, ClRect.Right + dW, ClRect.Bottom };
    return;
  case 3:
    W = RectWidth(SkinRect);
    NewLTPoint = LTPt;
    NewLBPoint = { LBPt.X, LBPt.Y + dH };
    NewClRect = { ClRect.Left, ClRect.Top, ClRect.Right, ClRect.Bottom + dH };
    return;
  default: return;
  }
}

TRect TskSkinGeometry::MapSkinRect(const TRect& R, int AWidth, int AHeight) const {
  const int dW = AWidth - RectWidth(SkinRect), dH = AHeight - RectHeight(SkinRect);
  const int SW = RectWidth(SkinRect), SH = RectHeight(SkinRect);
  const TPoint TopLeft = R.TopLeft(), BottomRight = R.BottomRight();
  switch (ResizeMode) {
  case 1: {
    const TRect LT { 0, 0, LTPt.X, LTPt.Y }, RT { RTPt.X, 0, SW, RTPt.Y };
    const TRect LB { 0, LBPt.Y, LBPt.X, SH }, RB { RBPt.X, RBPt.Y, SW, SH };
    if (RectInRect(R, LT)) return R;
    if (RectInRect(R, RT)) return Moved(R, dW, 0);
    if (RectInRect(R, LB)) return Moved(R, 0, dH);
    if (RectInRect(R, RB)) return Moved(R, dW, dH);
    const bool FromLT = PtInRectIncl(LT, TopLeft), FromRT = PtInRectIncl(RT, TopLeft);
    const bool FromLB = PtInRectIncl(LB, TopLeft);
    const bool ToRB = PtInRectIncl(RB, BottomRight), ToRT = PtInRectIncl(RT, BottomRight);
    const bool ToLB = PtInRectIncl(LB, BottomRight);
    if (FromLT && ToRB) return { R.Left, R.Top, R.Right + dW, R.Bottom + dH };
    if (FromLT && ToRT) return { R.Left, R.Top, R.Right + dW, R.Bottom };
    if (FromLB && ToRB) return { R.Left, R.Top + dH, R.Right + dW, R.Bottom + dH };
    if (FromLT && ToLB) return { R.Left, R.Top, R.Right, R.Bottom + dH };
    if (FromRT && ToRB) return { R.Left + dW, R.Top, R.Right + dW, R.Bottom + dH };
    return R;
  }
  case 2:
    if (R.Left <= LTPt.X && R.Right >= RTPt.X) return { R.Left, R.Top, R.Right + dW, R.Bottom };
    if (R.Left >= RTPt.X && R.Right > RTPt.X) return Moved(R, dW, 0);
    return R;
  case 3:
    if (R.Top <= LTPt.Y && R.Bottom >= LBPt.Y) return { R.Left, R.Top, R.Right, R.Bottom + dH };
    if (R.Top >= LBPt.Y && R.Bottom > LBPt.Y) return Moved(R, 0, dH);
    return R;
  default: return R;
  }
}

void TskSkinGeometry::DrawGeometryPicture(TBitmap* B, TBitmap* APicture, const TRect& ARect, int AWidth,
                                          int AHeight, bool NinePart) {
  if (!APicture) return;
  switch (ResizeMode) {
  case 0:
    B->SetSize(RectWidth(ARect), RectHeight(ARect));
    B->Canvas()->CopyRect(Rect(0, 0, B->Width(), B->Height()), APicture->Canvas(), ARect);
    return;
  case 1:
    if (NinePart)
      ComposeSkinImage(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect, B,
                       APicture, ARect, AWidth, AHeight, true, LeftStretch, TopStretch, RightStretch, BottomStretch,
                       StretchEffect, StretchType);
    return;
  case 2:
    ComposeHorzStripImage(LTPt.X, RectWidth(SkinRect) - RTPt.X, B, APicture, ARect, AWidth, AHeight, StretchEffect);
    return;
  case 3:
    ComposeVertStripImage(LTPt.Y, RectHeight(SkinRect) - LBPt.Y, B, APicture, ARect, AWidth, AHeight, StretchEffect);
    return;
  default: return;
  }
}
