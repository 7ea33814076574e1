#include "skin/controls/TskSkinSplitter.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skUtils.h"

TskSkinSplitter::TskSkinSplitter(TComponent* AOwner) : TskSkinLink<TSplitter>(AOwner) {
  FControlStyle.Include(csOpaque);
  SetSkinDataName("vsplitter");
}

void TskSkinSplitter::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  if (Value)
    FControlStyle.Exclude(csOpaque);
  else
    FControlStyle.Include(csOpaque);
  Invalidate();
}

void TskSkinSplitter::GetSkinData() {
  TskSkinLink::GetSkinData();
  FSkinPicture = nullptr;
  const auto* R = dynamic_cast<const TskDataSkinSplitterControl*>(SkinRecord());
  if (!R) return;
  LTPt = R->LTPoint;
  RTPt = R->RTPoint;
  LBPt = R->LBPoint;
  SkinRect = R->SkinRect;
  StretchEffect = R->StretchEffect;
  GripperRect = R->GripperRect;
  GripperTransparent = R->GripperTransparent;
  GripperTransparentColor = R->GripperTransparentColor;
  if (R->PictureIndex >= 0 && R->PictureIndex < int(SkinData()->FActivePictures.size()))
    FSkinPicture = SkinData()->FActivePictures[R->PictureIndex].get();
}

void TskSkinSplitter::ChangeSkinData() {
  GetSkinData();
  const bool Horizontal = Align() == alTop || Align() == alBottom;
  const bool Default = FIndex == -1 || FTransparent;
  if (Horizontal)
    SetHeight(Default ? FDefaultSize : RectHeight(SkinRect));
  else
    SetWidth(Default ? FDefaultSize : RectWidth(SkinRect));
  Invalidate();
}

void TskSkinSplitter::Paint() {
  if (FTransparent || Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (FIndex == -1 || !FSkinPicture || Align() == alNone || Align() == alClient) return TSplitter::Paint();
  TBitmap B;
  if (Align() == alTop || Align() == alBottom)
    ComposeHorzStripImage(LTPt.X, RectWidth(SkinRect) - RTPt.X, &B, FSkinPicture, SkinRect, Width(),
                          RectHeight(SkinRect), StretchEffect);
  else
    ComposeVertStripImage(LTPt.Y, RectHeight(SkinRect) - LBPt.Y, &B, FSkinPicture, SkinRect, RectWidth(SkinRect),
                          Height(), StretchEffect);
  if (!IsEmptyRect(GripperRect)) {
    TBitmap Gripper;
    Gripper.SetSize(RectWidth(GripperRect), RectHeight(GripperRect));
    Gripper.Canvas()->CopyRect(Rect(0, 0, Gripper.Width(), Gripper.Height()), FSkinPicture->Canvas(), GripperRect);
    if (GripperTransparent) {
      Gripper.SetTransparentMode(tmFixed);
      Gripper.SetTransparentColor(GripperTransparentColor);
      Gripper.SetTransparent(true);
    }
    B.Canvas()->Draw(B.Width() / 2 - Gripper.Width() / 2, B.Height() / 2 - Gripper.Height() / 2, &Gripper);
  }
  Canvas()->Draw(0, 0, &B);
}
