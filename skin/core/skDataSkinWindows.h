#pragma once
// The records of the skin's popup-menu window, layered form border and hint window. Each has a fixed
// section and one instance per skin.
#include <memory>

#include "platform/base/TObject.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/skSkinFieldGroups.h"

class TskSkinData;

/// A record of a fixed section of the skin ini, read and written as a whole.
class TskDataSkinSectionRecord : public TObject {
public:
  explicit TskDataSkinSectionRecord(const char* ASection) : FSection(ASection) {}

  /// Reads the record's keys from its section. A malformed rectangle or point raises EConvertError.
  void LoadFromFile(TCustomIniFile* IniFile);
  /// Erases the section, then writes the record's keys, so the section holds exactly those.
  void SaveToFile(TCustomIniFile* IniFile);
  /// Hands every stored field to Visitor.
  virtual void VisitFields(TskFieldVisitor& Visitor) = 0;

private:
  const char* FSection;
};

/// Section "POPUPWINDOW": picture, mask and resizable geometry of a skinned popup menu's window, the
/// area of its items and the colours of its scroll markers.
class TskDataSkinPopupWindow : public TskDataSkinSectionRecord, public TskCornerPoints, public TskStretchSides {
public:
  TskDataSkinPopupWindow() : TskDataSkinSectionRecord("POPUPWINDOW") {}
  void VisitFields(TskFieldVisitor& Visitor) override;

  int WindowPictureIndex { -1 };
  int MaskPictureIndex { -1 };
  TRect ItemsRect;
  TColor ScrollMarkerColor { 0 };
  TColor ScrollMarkerActiveColor { 0 };
};

/// Section "LAYERFRAME": the layered alpha border around skinned forms: pictures and masks for an active
/// and an inactive form, geometry, alpha values, hit-test geometry, caption and button areas, blur masks
/// and the offsets of the border window. Its alpha images are the whole active and inactive pictures with
/// the alpha of their masks.
class TskDataSkinLayerFrame : public TskDataSkinSectionRecord, public TskCornerPoints {
public:
  TskDataSkinLayerFrame() : TskDataSkinSectionRecord("LAYERFRAME") {}
  void VisitFields(TskFieldVisitor& Visitor) override;
  /// Rebuilds FSourceBitmap and FSourceInActiveBitMap from the pictures of ASkinData: each is its whole
  /// picture with alpha (R + G + B) div 3 of the mask picture's pixel at the same place (0 beyond a
  /// smaller mask), colours left as they are, alpha-blended only when some pixel is partly transparent;
  /// null when the picture or mask index is not a picture of the skin.
  void InitAlphaImages(TskSkinData* ASkinData);

  int PictureIndex { -1 };
  int MaskPictureIndex { -1 };
  int InActivePictureIndex { -1 };
  int InActiveMaskPictureIndex { -1 };
  TRect ClRect;
  int AlphaBlendValue { 255 };
  int InActiveAlphaBlendValue { 255 };
  TRect BorderRect;
  bool HitTestEnable { false };
  bool FullBorder { false };
  int HitTestSize { 0 };
  TRect CaptionRect;
  TPoint HitTestLTPoint;
  TPoint HitTestRTPoint;
  TPoint HitTestLBPoint;
  TPoint HitTestRBPoint;
  TRect ButtonsRect;
  TRect SysMenuButtonRect;
  bool FullStretch { false };
  int RollUpFormHeight { 0 };
  int ButtonsTopOffset { 0 };
  int SysButtonTopOffset { 0 };
  int BlurMaskPictureIndex { -1 };
  TRect IntersectBlurMaskRect;
  TRect ExcludeBlurMaskRect;
  int LeftOffset { 0 };
  int TopOffset { 0 };
  int WidthOffset { 0 };
  int HeightOffset { 0 };
  std::unique_ptr<TskBitmap> FSourceBitmap;
  std::unique_ptr<TskBitmap> FSourceInActiveBitMap;
};

/// Section "HINTWINDOW": picture, mask, geometry, client area and font of the skinned hint window.
class TskDataSkinHintWindow : public TskDataSkinSectionRecord,
                              public TskCornerPoints,
                              public TskRecordFont,
                              public TskStretchSides {
public:
  TskDataSkinHintWindow() : TskDataSkinSectionRecord("HINTWINDOW") {}
  void VisitFields(TskFieldVisitor& Visitor) override;

  int WindowPictureIndex { -1 };
  int MaskPictureIndex { -1 };
  TRect ClRect;
};
