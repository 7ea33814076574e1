#include "skin/core/skRecordImages.h"

#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinControl.h"

void ComposeRecordImage(const TskDataSkinCustomControl& Record, TBitmap* Source, const TRect& Piece, int W, int H,
                        TBitmap* Dest) {
  if (!Source || W <= 0 || H <= 0) return;
  const int DW = W - Record.SkinRect.Width(), DH = H - Record.SkinRect.Height();
  ComposeSkinImage(Record.LTPoint, Record.RTPoint, Record.LBPoint, Record.RBPoint, Record.ClRect, Record.LTPoint,
                   { Record.RTPoint.X + DW, Record.RTPoint.Y }, { Record.LBPoint.X, Record.LBPoint.Y + DH },
                   { Record.RBPoint.X + DW, Record.RBPoint.Y + DH }, RecordClientRect(Record, W, H), Dest, Source,
                   Piece, W, H, true, Record.LeftStretch, Record.TopStretch, Record.RightStretch,
                   Record.BottomStretch, Record.StretchEffect, Record.StretchType);
}

TRect RecordClientRect(const TskDataSkinCustomControl& Record, int W, int H) {
  const TRect& Cl = Record.ClRect;
  return Rect(Cl.Left, Cl.Top, Cl.Right + W - Record.SkinRect.Width(), Cl.Bottom + H - Record.SkinRect.Height());
}
