#include "skin/core/skDataSkinWindows.h"

#include "platform/gdi/TBitmap.h"
#include "skin/core/TskSkinData.h"

namespace {

// The whole picture PictureIndex with the alpha of the picture MaskIndex, or null when either index is
// not a picture of the skin.
std::unique_ptr<TskBitmap> LayerImage(TskSkinData* ASkinData, int PictureIndex, int MaskIndex) {
  const int count = int(ASkinData->FActivePictures.size());
  if (PictureIndex < 0 || PictureIndex >= count || MaskIndex < 0 || MaskIndex >= count) return nullptr;
  auto image = std::make_unique<TskBitmap>();
  image->Assign(ASkinData->FActivePictures[size_t(PictureIndex)].get());
  TskBitmap mask;
  mask.Assign(ASkinData->FActivePictures[size_t(MaskIndex)].get());
  SetAlphaFromMask(image.get(), &mask);
  image->CheckingAlphaBlend();
  return image;
}

}  // namespace

void TskDataSkinSectionRecord::LoadFromFile(TCustomIniFile* IniFile) { LoadRecordSection(*this, IniFile, FSection); }

void TskDataSkinSectionRecord::SaveToFile(TCustomIniFile* IniFile) { SaveRecordSection(*this, IniFile, FSection); }

void TskDataSkinPopupWindow::VisitFields(TskFieldVisitor& Visitor) {
  using C = TskDataSkinPopupWindow;
  static const TskFieldTable<C> Table {
    { "windowpictureindex", &C::WindowPictureIndex, -1 },
    { "maskpictureindex", &C::MaskPictureIndex, -1 },
    TskCornerPoints::Fields(),
    { "itemsrect", &C::ItemsRect },
    { "scrollmarkercolor", &C::ScrollMarkerColor },
    { "scrollmarkeractivecolor", &C::ScrollMarkerActiveColor },
    TskStretchSides::FrameFields(),
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinLayerFrame::InitAlphaImages(TskSkinData* ASkinData) {
  FSourceBitmap = LayerImage(ASkinData, PictureIndex, MaskPictureIndex);
  FSourceInActiveBitMap = LayerImage(ASkinData, InActivePictureIndex, InActiveMaskPictureIndex);
}

void TskDataSkinLayerFrame::VisitFields(TskFieldVisitor& Visitor) {
  using C = TskDataSkinLayerFrame;
  static const TskFieldTable<C> Table {
    { "pictureindex", &C::PictureIndex, -1 },
    { "maskpictureindex", &C::MaskPictureIndex, -1 },
    { "inactivepictureindex", &C::InActivePictureIndex, -1 },
    { "inactivemaskpictureindex", &C::InActiveMaskPictureIndex, -1 },
    TskCornerPoints::Fields(),
    { "clientrect", &C::ClRect },
    { "alphablendvalue", &C::AlphaBlendValue, 255 },
    { "inactivealphablendvalue", &C::InActiveAlphaBlendValue, 255 },
    { "borderrect", &C::BorderRect },
    { "hittestenable", &C::HitTestEnable },
    { "fullborder", &C::FullBorder },
    { "hittestsize", &C::HitTestSize },
    { "captionrect", &C::CaptionRect },
    { "hittestlefttoppoint", &C::HitTestLTPoint },
    { "hittestrighttoppoint", &C::HitTestRTPoint },
    { "hittestleftbottompoint", &C::HitTestLBPoint },
    { "hittestrightbottompoint", &C::HitTestRBPoint },
    { "buttonsrect", &C::ButtonsRect },
    { "sysmenubuttonrect", &C::SysMenuButtonRect },
    { "fullstretch", &C::FullStretch },
    { "rollupformheight", &C::RollUpFormHeight },
    { "buttonstopoffset", &C::ButtonsTopOffset },
    { "sysbuttontopoffset", &C::SysButtonTopOffset },
    { "blurmaskpictureindex", &C::BlurMaskPictureIndex, -1 },
    { "intersectblurmaskrect", &C::IntersectBlurMaskRect },
    { "excludeblurmaskrect", &C::ExcludeBlurMaskRect },
    { "leftoffset", &C::LeftOffset },
    { "topoffset", &C::TopOffset },
    { "widthoffset", &C::WidthOffset },
    { "heightoffset", &C::HeightOffset },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinHintWindow::VisitFields(TskFieldVisitor& Visitor) {
  using C = TskDataSkinHintWindow;
  static const TskFieldTable<C> Table {
    { "windowpictureindex", &C::WindowPictureIndex, -1 },
    { "maskpictureindex", &C::MaskPictureIndex, -1 },
    TskCornerPoints::Fields(),
    { "clientrect", &C::ClRect },
    FontGroup<C>(),
    TskStretchSides::FrameFields(),
  };
  Table.Visit(*this, Visitor);
}
