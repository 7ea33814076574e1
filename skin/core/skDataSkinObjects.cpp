#include "skin/core/skDataSkinObjects.h"

#include <utility>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skUtils.h"

namespace {

void DefaultToNormalImage(TRect& Active, const TRect& Normal) {
  if (IsEmptyRect(Active)) Active = Normal;
}

// The further picture at Index, or null when the skin has none there.
TBitmap* SkinPicture(TskSkinData* ASkinData, int Index) {
  if (Index < 0 || Index >= int(ASkinData->FActivePictures.size())) return nullptr;
  return ASkinData->FActivePictures[size_t(Index)].get();
}

// A working bitmap of Width x Height holding Picture's pixels from (X, Y); what lies beyond the picture
// stays black and transparent.
std::unique_ptr<TskBitmap> CopyOfPart(TBitmap* Picture, int X, int Y, int Width, int Height) {
  auto copy = std::make_unique<TskBitmap>();
  copy->SetSize(Width, Height);
  copy->Clear(0);
  BitBlt(copy->DC(), 0, 0, Width, Height, Picture->Canvas()->Handle(), X, Y, SRCCOPY);
  return copy;
}

}  // namespace

void TskDataSkinObject::LoadFromFile(TCustomIniFile* IniFile) { LoadRecordSection(*this, IniFile, IDName); }

void TskDataSkinObject::SaveToFile(TCustomIniFile* IniFile) { SaveRecordSection(*this, IniFile, IDName); }

void TskDataSkinObject::InitAlphaImages(TskSkinData*) {}

void TskDataSkinObject::VisitFields(TskFieldVisitor& Visitor) {
  using C = TskDataSkinObject;
  static const TskFieldTable<C> Table {
    { "hint", &C::Hint },
    { "activepictureindex", &C::ActivePictureIndex, -1 },
    { "activemaskpictureindex", &C::ActiveMaskPictureIndex, -1 },
    { "skinrectinapicture", &C::SkinRectInAPicture },
    { "skinrect", &C::SkinRect },
    { "activeskinrect", &C::ActiveSkinRect },
    { "inactiveskinrect", &C::InActiveSkinRect },
    { "morphing", &C::Morphing },
    { "morphkind", &C::MorphKind },
    { "glowlayerpictureindex", &C::GlowLayerPictureIndex, -1 },
    { "glowlayermaskpictureindex", &C::GlowLayerMaskPictureIndex, -1 },
    { "glowlayeroffsetx", &C::GlowLayerOffsetX },
    { "glowlayeroffsety", &C::GlowLayerOffsetY },
    { "glowlayeralphablendvalue", &C::GlowLayerAlphaBlendValue, 255 },
  };
  Table.Visit(*this, Visitor);
}

void TskDataUserObject::VisitFields(TskFieldVisitor& Visitor) {
  // A user object stores its rectangle alone, without the keys of its base.
  using C = TskDataSkinObject;
  static const TskFieldTable<C> Table { { "skinrect", &C::SkinRect } };
  Table.Visit(*this, Visitor);
}

void TskDataSkinButton::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinObject::VisitFields(Visitor);
  using C = TskDataSkinButton;
  static const TskFieldTable<C> Table {
    { "downrect", &C::DownRect },
    { "disableskinrsect", &C::DisableSkinRect },  // the format's own spelling
    { "alphamaskpictureindex", &C::AlphaMaskPictureIndex, -1 },
    { "alphamaskactivepictureindex", &C::AlphaMaskActivePictureIndex, -1 },
    { "alphamaskinactivepictureindex", &C::AlphaMaskInActivePictureIndex, -1 },
  };
  Table.Visit(*this, Visitor);
}

bool TskDataSkinButton::HasAlphaImages(TskSkinData* ASkinData) {
  return ASkinData->LayerFrame->PictureIndex != -1 && ASkinData->LayerFrame->FullBorder;
}

void TskDataSkinButton::InitAlphaImages(TskSkinData* ASkinData) {
  TskDataSkinObject::InitAlphaImages(ASkinData);
  InitFaceImages(ASkinData, { FAlphaNormalImage, SkinRect }, { FAlphaActiveImage, ActiveSkinRect },
                 { FAlphaDownImage, DownRect }, { FAlphaInActiveImage, InActiveSkinRect });
}

void TskDataSkinButton::InitFaceImages(TskSkinData* ASkinData, TFaceLook Normal, TFaceLook Active, TFaceLook Down,
                                       TFaceLook InActive) {
  const bool hasAlphaImages = HasAlphaImages(ASkinData);
  const std::pair<TFaceLook&, int> looks[] = {
    { Normal, AlphaMaskPictureIndex },
    { Active, AlphaMaskActivePictureIndex },
    { Down, AlphaMaskActivePictureIndex },
    { InActive, AlphaMaskInActivePictureIndex },
  };
  for (const auto& [look, maskPictureIndex] : looks) {
    if (hasAlphaImages)
      InitAlphaImage(ASkinData, look.Image, maskPictureIndex, look.Rect);
    else
      look.Image.reset();
  }
}

void TskDataSkinButton::InitAlphaImage(TskSkinData* ASkinData, std::unique_ptr<TskBitmap>& AImage,
                                       int AMaskPictureIndex, const TRect& ARect) {
  AImage.reset();
  TBitmap* picture = SkinPicture(ASkinData, ActivePictureIndex);
  if (IsEmptyRect(ARect) || !picture) return;
  const int width = ARect.Width(), height = ARect.Height();
  AImage = CopyOfPart(picture, ARect.Left, ARect.Top, width, height);
  // The image is drawn by its alpha either way; a premultiplied image drawn as a plain copy would show
  // its transparent parts darkened.
  AImage->SetAlphaBlend(true);
  if (TBitmap* mask = SkinPicture(ASkinData, AMaskPictureIndex)) {
    std::unique_ptr<TskBitmap> maskPart = CopyOfPart(mask, 0, 0, width, height);
    SetPremultipliedAlphaFromMask(AImage.get(), maskPart.get());
  } else {
    AImage->SetAlpha(255);
  }
}

void TskDataSkinStdButton::InitAlphaImages(TskSkinData* ASkinData) {
  TskDataSkinButton::InitAlphaImages(ASkinData);
  InitFaceImages(ASkinData, { FAlphaRestoreNormalImage, RestoreRect }, { FAlphaRestoreActiveImage, RestoreActiveRect },
                 { FAlphaRestoreDownImage, RestoreDownRect }, { FAlphaInActiveRestoreImage, RestoreInActiveRect });
}

void TskDataSkinStdButton::LoadFromFile(TCustomIniFile* IniFile) {
  TskDataSkinButton::LoadFromFile(IniFile);
  DeriveRestoreHint(Hint, Command);
}

void TskDataSkinStdButton::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinButton::VisitFields(Visitor);
  using C = TskDataSkinStdButton;
  static const TskFieldTable<C> Table {
    { "command", &C::Command },
    TskRestoreFace::Fields(),
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinAnimate::LoadFromFile(TCustomIniFile* IniFile) {
  TskDataSkinObject::LoadFromFile(IniFile);
  Morphing = false;
  DeriveRestoreHint(Hint, Command);
}

void TskDataSkinAnimate::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinObject::VisitFields(Visitor);
  using C = TskDataSkinAnimate;
  static const TskFieldTable<C> Table {
    { "countframes", &C::CountFrames, 1 },
    { "cycle", &C::Cycle },
    { "buttonstyle", &C::ButtonStyle },
    { "timerinterval", &C::TimerInterval, 50 },
    { "command", &C::Command },
    { "downskinrect", &C::DownSkinRect },
    TskRestoreFace::Fields(),
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinCaption::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinObject::VisitFields(Visitor);
  using C = TskDataSkinCaption;
  static const TskFieldTable<C> Table {
    { "textrect", &C::TextRct },
    FontGroup<C>(),
    { "activefontcolor", &C::ActiveFontColor },
    { "alignment", &C::Alignment },
    { "light", &C::Light },
    { "lightcolor", &C::LightColor },
    { "activelightcolor", &C::ActiveLightColor },
    { "shadow", &C::Shadow },
    { "shadowcolor", &C::ShadowColor },
    { "activeshadowcolor", &C::ActiveShadowColor },
    { "framerect", &C::FrameRect },
    { "activeframerect", &C::ActiveFrameRect },
    { "frametextrect", &C::FrameTextRect },
    { "frameleftoffset", &C::FrameLeftOffset },
    { "framerightoffset", &C::FrameRightOffset },
    { "stretcheffect", &C::StretchEffect },
    TskFrameAnimation::Fields(),
    { "fullframe", &C::FullFrame },
    { "vistagloweffect", &C::VistaGlowEffect },
    { "vistaglowinactiveeffect", &C::VistaGlowInActiveEffect },
    { "gloweffect", &C::GlowEffect },
    { "glowinactiveeffect", &C::GlowInActiveEffect },
    { "glowsize", &C::GlowSize, 3 },
    { "glowcolor", &C::GlowColor },
    { "glowactivecolor", &C::GlowActiveColor },
    { "glowoffset", &C::GlowOffset },
    { "reflectioneffect", &C::ReflectionEffect },
    { "reflactioncolor", &C::ReflectionColor },  // the format's own spelling
    { "reflactionactivecolor", &C::ReflectionActiveColor },
    { "reflectionoffset", &C::ReflectionOffset },
    { "dividerrect", &C::DividerRect },
    { "inactivedividerrect", &C::InActiveDividerRect },
    { "dividertransparent", &C::DividerTransparent },
    { "dividertransparentcolor", &C::DividerTransparentColor },
    { "quickbuttonalphamaskpictureindex", &C::QuickButtonAlphaMaskPictureIndex, -1 },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinMenuItem::LoadFromFile(TCustomIniFile* IniFile) {
  TskDataSkinObject::LoadFromFile(IniFile);
  DefaultToNormalImage(ActiveCheckImageRect, CheckImageRect);
  DefaultToNormalImage(ActiveRadioImageRect, RadioImageRect);
  DefaultToNormalImage(ActiveArrowImageRect, ArrowImageRect);
}

void TskDataSkinMenuItem::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinObject::VisitFields(Visitor);
  using C = TskDataSkinMenuItem;
  static const TskFieldTable<C> Table {
    { "itemleftoffset", &C::ItemLO },
    { "itemrightoffset", &C::ItemRO },
    { "dividerrect", &C::DividerRect },
    { "dividerleftoffset", &C::DividerLO },
    { "dividerrightoffset", &C::DividerRO },
    { "textrect", &C::TextRct },
    { "imagerect", &C::ImageRct },
    FontGroup<C>(),
    { "activefontcolor", &C::ActiveFontColor },
    { "unenabledfontcolor", &C::UnEnabledFontColor },
    { "stretcheffect", &C::StretchEffect },
    { "inactivestretcheffect", &C::InActiveStretchEffect },
    { "dividerstretcheffect", &C::DividerStretchEffect },
    TskFrameAnimation::Fields(),
    { "useimagecolor", &C::UseImageColor },
    { "imagecolor", &C::ImageColor },
    { "activeimagecolor", &C::ActiveImageColor },
    { "inactivetransparent", &C::InActiveTransparent },
    { "checkimagerect", &C::CheckImageRect },
    { "activecheckimagerect", &C::ActiveCheckImageRect },
    { "radioimagerect", &C::RadioImageRect },
    { "activeradioimagerect", &C::ActiveRadioImageRect },
    { "arrowimagerect", &C::ArrowImageRect },
    { "activearrowimagerect", &C::ActiveArrowImageRect },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinMainMenuItem::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinObject::VisitFields(Visitor);
  using C = TskDataSkinMainMenuItem;
  static const TskFieldTable<C> Table {
    { "itemleftoffset", &C::ItemLO },
    { "itemrightoffset", &C::ItemRO },
    { "downrect", &C::DownRect },
    { "textrect", &C::TextRct },
    FontGroup<C>(),
    { "activefontcolor", &C::ActiveFontColor },
    { "downfontcolor", &C::DownFontColor },
    { "unenabledfontColor", &C::UnEnabledFontColor },  // the format's own spelling
    { "stretcheffect", &C::StretchEffect },
    TskFrameAnimation::Fields(),
  };
  Table.Visit(*this, Visitor);
}
