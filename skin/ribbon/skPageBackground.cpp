#include "skin/ribbon/skPageBackground.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/skUtils.h"
#include "skin/ribbon/skSkinPiece.h"

void DrawPageBackground(TCanvas* Canvas, const TRect& R, TBitmap* Source, bool StretchEffect,
                        TskStretchType StretchType) {
  const int W = Source ? Source->Width() : 0, H = Source ? Source->Height() : 0;
  if (W <= 0 || H <= 0) return;
  const int RW = RectWidth(R), RH = RectHeight(R);
  if (StretchEffect && StretchType == skstFull) {
    Canvas->StretchDraw(R, Source);
  } else if (StretchEffect && StretchType == skstHorz) {
    for (int i = 0; i <= RW / W; ++i) Canvas->StretchDraw(Bounds(R.Left + i * W, R.Top, W, RH), Source);
  } else if (StretchEffect && StretchType == skstVert) {
    for (int j = 0; j <= RH / H; ++j) Canvas->StretchDraw(Bounds(R.Left, R.Top + j * H, RW, H), Source);
  } else {
    for (int i = 0; i <= RW / W; ++i)
      for (int j = 0; j <= RH / H; ++j) Canvas->Draw(R.Left + i * W, R.Top + j * H, Source);
  }
}

std::unique_ptr<TBitmap> FrameClientPiece(TBitmap* Picture, const TRect& SkinRect, const TRect& ClRect) {
  return CopySkinPiece(Picture, Rect(SkinRect.Left + ClRect.Left, SkinRect.Top + ClRect.Top,
                                     SkinRect.Left + ClRect.Right, SkinRect.Top + ClRect.Bottom));
}
