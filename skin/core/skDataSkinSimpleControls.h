#pragma once
// The control records of the simple kinds: labels, tree, list and rich-edit views, bevel, slider,
// splitter, scroll box, up-down, gauge and track bar.
#include "skin/core/skDataSkinControl.h"

/// Kind "stdlabel": a font with a hot colour (link labels), no geometry of its own.
class TskDataSkinStdLabelControl : public TskDataSkinControl, public TskRecordFont {
public:
  using TskDataSkinControl::TskDataSkinControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TColor ActiveFontColor { clBlue };
};

/// Kind "label": a resizable image with a font (header rows of lists and menus).
class TskDataSkinLabelControl : public TskDataSkinCustomControl, public TskRecordFont {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

};

/// Kind "treeview": font, background and the images of the node buttons.
class TskDataSkinTreeView : public TskDataSkinControl, public TskRecordFont {
public:
  using TskDataSkinControl::TskDataSkinControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TColor BGColor { clWhite };
  TRect ExpandImageRect;
  TRect NoExpandImageRect;
};

/// Kind "listview": font and background.
class TskDataSkinListView : public TskDataSkinControl, public TskRecordFont {
public:
  using TskDataSkinControl::TskDataSkinControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TColor BGColor { clWhite };
};

/// Kind "richedit": font and background.
class TskDataSkinRichEdit : public TskDataSkinControl, public TskRecordFont {
public:
  /// A new rich-edit record's font is one pixel taller than other records'.
  explicit TskDataSkinRichEdit(const String& AIDName) : TskDataSkinControl(AIDName) { FontHeight = 14; }
  void VisitFields(TskFieldVisitor& Visitor) override;

  TColor BGColor { clWhite };
};

/// Kind "bevel": the colours of a bevel's two lines.
class TskDataSkinBevel : public TskDataSkinControl {
public:
  using TskDataSkinControl::TskDataSkinControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TColor LightColor { 0 };
  TColor DarkColor { 0 };
};

/// Kind "slider": ruler and thumb images of the horizontal and the vertical slider.
class TskDataSkinSlider : public TskDataSkinControl {
public:
  using TskDataSkinControl::TskDataSkinControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect HRulerRect;
  TRect HThumbRect;
  TRect VRulerRect;
  TRect VThumbRect;
  int EdgeSize { 0 };
  TColor BGColor { 0 };
  TColor PointsColor { 0 };
};

/// Kind "splitter": the gripper image and its transparent colour.
class TskDataSkinSplitterControl : public TskDataSkinCustomControl {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect GripperRect;
  bool GripperTransparent { false };
  TColor GripperTransparentColor { clFuchsia };
};

/// Kind "scrollbox": a background picture.
class TskDataSkinScrollBoxControl : public TskDataSkinCustomControl {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  int BGPictureIndex { -1 };
};

/// Kind "updown": the images of the up and the down button in three states. It has no resizable
/// geometry: the corner points and the client rectangle are zero after loading and are saved as zeros.
class TskDataSkinUpDownControl : public TskDataSkinCustomControl, public TskUpDownButtonImages {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void LoadFromFile(TCustomIniFile* IniFile) override;
  /// Zeroes the record's corner points and client rectangle, then saves.
  void SaveToFile(TCustomIniFile* IniFile) override;
  void VisitFields(TskFieldVisitor& Visitor) override;


private:
  void ClearGeometry();
};

/// Kind "gauge": progress area and image, font, and two frame animations.
class TskDataSkinGaugeControl : public TskDataSkinCustomControl, public TskRecordFont {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect ProgressArea;
  TRect ProgressRect;
  bool Vertical { false };
  int BeginOffset { 0 };
  int EndOffset { 0 };
  bool ProgressTransparent { false };
  TColor ProgressTransparentColor { clFuchsia };
  bool ProgressStretch { false };
  TRect AnimationSkinRect;
  int AnimationCountFrames { 0 };
  int AnimationTimerInterval { 0 };
  TRect ProgressAnimationSkinRect;
  int ProgressAnimationCountFrames { 0 };
  int ProgressAnimationTimerInterval { 0 };
  int AnimationBeginOffset { 0 };
  int AnimationEndOffset { 0 };
};

/// Kind "trackbar": hot image, track area and the button image.
class TskDataSkinTrackBarControl : public TskDataSkinCustomControl {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect ActiveSkinRect;
  TRect TrackArea;
  TRect ButtonRect;
  TRect ActiveButtonRect;
  bool Vertical { false };
  bool ButtonTransparent { false };
  TColor ButtonTransparentColor { clFuchsia };
};
