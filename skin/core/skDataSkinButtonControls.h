#pragma once
// The control records of buttons, menu buttons, check and radio boxes, panels, expanding panels and
// scroll bars.
#include "skin/core/skDataSkinControl.h"

/// Kind "button": state images and text colours, a hover transition, a frame animation, the drop-down
/// marker of menu buttons and a glow layer.
class TskDataSkinButtonControl : public TskDataSkinCustomControl, public TskRecordFont {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TColor ActiveFontColor { 0 };
  TColor DownFontColor { 0 };
  TColor DisabledFontColor { 0 };
  TRect ActiveSkinRect;
  TRect DownSkinRect;
  TRect DisabledSkinRect;
  TRect FocusedSkinRect;
  bool Morphing { false };
  TskMorphKind MorphKind { mkDefault };
  TRect AnimateSkinRect;
  int FrameCount { 0 };
  int AnimateInterval { 0 };
  bool ShowFocus { false };
  TRect MenuMarkerFlatRect;
  TRect MenuMarkerRect;
  TRect MenuMarkerActiveRect;
  TRect MenuMarkerDownRect;
  TColor MenuMarkerTransparentColor { 0 };
  int GlowLayerPictureIndex { -1 };
  int GlowLayerMaskPictureIndex { -1 };
  int GlowLayerOffsetLeft { 0 };
  int GlowLayerOffsetRight { 0 };
  int GlowLayerOffsetTop { 0 };
  int GlowLayerOffsetBottom { 0 };
  int GlowLayerShowOffsetX { 0 };
  int GlowLayerShowOffsetY { 0 };
  int GlowLayerAlphaBlendValue { 255 };
};

/// Kind "menubutton": a button record with the image of its separate drop-down part.
class TskDataSkinMenuButtonControl : public TskDataSkinButtonControl {
public:
  using TskDataSkinButtonControl::TskDataSkinButtonControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect TrackButtonRect;
};

/// Kind "checkradio": check and radio boxes, with the mark images in every state.
class TskDataSkinCheckRadioControl : public TskDataSkinCustomControl, public TskRecordFont {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TColor ActiveFontColor { 0 };
  TColor UnEnabledFontColor { 0 };
  TRect ActiveSkinRect;
  TRect CheckImageArea;
  TRect TextArea;
  TRect CheckImageRect;
  TRect UnCheckImageRect;
  TRect ActiveCheckImageRect;
  TRect ActiveUnCheckImageRect;
  TRect UnEnabledCheckImageRect;
  TRect UnEnabledUnCheckImageRect;
  TRect GrayedCheckImageRect;
  TRect ActiveGrayedCheckImageRect;
  bool Morphing { false };
  TskMorphKind MorphKind { mkDefault };
  TColor FrameFontColor { 0 };
};

/// Kind "panel": panels, group boxes and status bars, with caption, check mark, frame, gripper and
/// caption-bar button images.
class TskDataSkinPanelControl : public TskDataSkinCustomControl, public TskRecordFont {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect CaptionRect;
  TAlignment Alignment { taCenter };
  int BGPictureIndex { -1 };
  TRect CheckImageRect;
  TRect UnCheckImageRect;
  TRect MarkFrameRect;
  TRect FrameRect;
  int FrameLeftOffset { 0 };
  int FrameRightOffset { 0 };
  TRect FrameTextRect;
  TRect GripperRect;
  bool GripperTransparent { false };
  TColor GripperTransparentColor { clFuchsia };
  TRect ButtonRect;
  TRect ButtonActiveRect;
  TRect ButtonDownRect;
  bool ButtonTransparent { false };
  TColor ButtonTransparentColor { clFuchsia };
};

/// Kind "expanel": a panel that rolls up horizontally or vertically, with close, roll and restore
/// buttons.
class TskDataSkinExPanelControl : public TskDataSkinCustomControl, public TskRecordFont {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect RollHSkinRect;
  TRect RollVSkinRect;
  int RollLeftOffset { 0 };
  int RollRightOffset { 0 };
  int RollTopOffset { 0 };
  int RollBottomOffset { 0 };
  TRect RollVCaptionRect;
  TRect RollHCaptionRect;
  TRect CloseButtonRect;
  TRect CloseButtonActiveRect;
  TRect CloseButtonDownRect;
  TRect HRollButtonRect;
  TRect HRollButtonActiveRect;
  TRect HRollButtonDownRect;
  TRect HRestoreButtonRect;
  TRect HRestoreButtonActiveRect;
  TRect HRestoreButtonDownRect;
  TRect VRollButtonRect;
  TRect VRollButtonActiveRect;
  TRect VRollButtonDownRect;
  TRect VRestoreButtonRect;
  TRect VRestoreButtonActiveRect;
  TRect VRestoreButtonDownRect;
  TRect CaptionRect;
  bool ButtonsTransparent { false };
  TColor ButtonsTransparentColor { clFuchsia };
};

/// Kind "scrollbar": track, arrow buttons, thumb and glyph images in their states.
class TskDataSkinScrollBarControl : public TskDataSkinCustomControl, public TskUpDownButtonImages {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect TrackArea;
  TRect ThumbRect;
  TRect ActiveThumbRect;
  TRect DownThumbRect;
  int ThumbOffset1 { 0 };
  int ThumbOffset2 { 0 };
  TRect GlyphRect;
  TRect ActiveGlyphRect;
  TRect DownGlyphRect;
  bool GlyphTransparent { false };
  TColor GlyphTransparentColor { clFuchsia };
  bool ThumbTransparent { false };
  TColor ThumbTransparentColor { clFuchsia };
  bool ThumbStretchEffect { false };
  int ThumbMinSize { 0 };
  int ThumbMinPageSize { 0 };
};
