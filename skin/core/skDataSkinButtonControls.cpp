#include "skin/core/skDataSkinButtonControls.h"

void TskDataSkinButtonControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinButtonControl;
  static const TskFieldTable<C> Table {
    {
      FontGroup<C>(),
      { "activefontcolor", &C::ActiveFontColor },
      { "downfontcolor", &C::DownFontColor },
      { "disabledfontcolor", &C::DisabledFontColor },
      { "activeskinrect", &C::ActiveSkinRect },
      { "downskinrect", &C::DownSkinRect },
      { "focusedskinrect", &C::FocusedSkinRect },
      { "disabledskinrect", &C::DisabledSkinRect },
      { "morphing", &C::Morphing },
      { "morphkind", &C::MorphKind },
      { "animateskinrect", &C::AnimateSkinRect },
      { "framecount", &C::FrameCount },
      { "animateinterval", &C::AnimateInterval, 25 },
      { "showfocus", &C::ShowFocus },
      { "menumarkerflatrect", &C::MenuMarkerFlatRect },
      { "menumarkerrect", &C::MenuMarkerRect },
      { "menumarkeractiverect", &C::MenuMarkerActiveRect },
      { "menumarkerdownrect", &C::MenuMarkerDownRect },
      { "menumarkertransparentcolor", &C::MenuMarkerTransparentColor },
      { "glowlayerpictureindex", &C::GlowLayerPictureIndex, -1 },
      { "glowlayermaskpictureindex", &C::GlowLayerMaskPictureIndex, -1 },
      { "glowlayeroffsetleft", &C::GlowLayerOffsetLeft },
      { "glowlayeroffsettop", &C::GlowLayerOffsetTop },
      { "glowlayeroffsetright", &C::GlowLayerOffsetRight },
      { "glowlayeroffsetbottom", &C::GlowLayerOffsetBottom },
      { "glowlayershowoffsetx", &C::GlowLayerShowOffsetX },
      { "glowlayershowoffsety", &C::GlowLayerShowOffsetY },
      { "glowlayeralphablendvalue", &C::GlowLayerAlphaBlendValue, 255 },
    },
    { { "glowlayeroffsetright", "glowlayeroffsetleft" } },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinMenuButtonControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinButtonControl::VisitFields(Visitor);
  using C = TskDataSkinMenuButtonControl;
  static const TskFieldTable<C> Table { { "trackbuttonrect", &C::TrackButtonRect } };
  Table.Visit(*this, Visitor);
}

void TskDataSkinCheckRadioControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinCheckRadioControl;
  static const TskFieldTable<C> Table {
    {
      FontGroup<C>(),
      { "activefontcolor", &C::ActiveFontColor },
      { "unenabledfontcolor", &C::UnEnabledFontColor },
      { "framefontcolor", &C::FrameFontColor },
      { "activeskinrect", &C::ActiveSkinRect },
      { "checkimagearea", &C::CheckImageArea },
      { "textarea", &C::TextArea },
      { "checkimagerect", &C::CheckImageRect },
      { "uncheckimagerect", &C::UnCheckImageRect },
      { "activecheckimagerect", &C::ActiveCheckImageRect },
      { "activeuncheckimagerect", &C::ActiveUnCheckImageRect },
      { "unenabledcheckimagerect", &C::UnEnabledCheckImageRect },
      { "unenableduncheckimagerect", &C::UnEnabledUnCheckImageRect },
      { "grayedcheckimagerect", &C::GrayedCheckImageRect },
      { "activegrayedcheckimagerect", &C::ActiveGrayedCheckImageRect },
      { "morphing", &C::Morphing },
      { "morphkind", &C::MorphKind },
    },
    { { "framefontcolor", "fontcolor" } },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinPanelControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinPanelControl;
  static const TskFieldTable<C> Table {
    { "bgpictureindex", &C::BGPictureIndex, -1 },
    { "captionrect", &C::CaptionRect },
    { "alignment", &C::Alignment },
    FontGroup<C>(),
    { "checkimagerect", &C::CheckImageRect },
    { "uncheckimagerect", &C::UnCheckImageRect },
    { "markframerect", &C::MarkFrameRect },
    { "framerect", &C::FrameRect },
    { "frametextrect", &C::FrameTextRect },
    { "frameleftoffset", &C::FrameLeftOffset },
    { "framerightoffset", &C::FrameRightOffset },
    { "gripperrect", &C::GripperRect },
    { "grippertransparent", &C::GripperTransparent },
    { "grippertransparentcolor", &C::GripperTransparentColor },
    { "buttonrect", &C::ButtonRect },
    { "buttonactiverect", &C::ButtonActiveRect },
    { "buttondownrect", &C::ButtonDownRect },
    { "buttontransparent", &C::ButtonTransparent },
    { "buttontransparentcolor", &C::ButtonTransparentColor },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinExPanelControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinExPanelControl;
  static const TskFieldTable<C> Table {
    { "rollhskinrect", &C::RollHSkinRect },
    { "rollvskinrect", &C::RollVSkinRect },
    { "rollleftoffset", &C::RollLeftOffset },
    { "rollrightoffset", &C::RollRightOffset },
    { "rolltopoffset", &C::RollTopOffset },
    { "rollbottomoffset", &C::RollBottomOffset },
    { "rollvcaptionrect", &C::RollVCaptionRect },
    { "rollhcaptionrect", &C::RollHCaptionRect },
    { "closebuttonrect", &C::CloseButtonRect },
    { "closebuttonactiverect", &C::CloseButtonActiveRect },
    { "closebuttondownrect", &C::CloseButtonDownRect },
    { "hrollbuttonrect", &C::HRollButtonRect },
    { "hrollbuttonactiverect", &C::HRollButtonActiveRect },
    { "hrollbuttondownrect", &C::HRollButtonDownRect },
    { "hrestorebuttonrect", &C::HRestoreButtonRect },
    { "hrestorebuttonactiverect", &C::HRestoreButtonActiveRect },
    { "hrestorebuttondownrect", &C::HRestoreButtonDownRect },
    { "vrollbuttonrect", &C::VRollButtonRect },
    { "vrollbuttonactiverect", &C::VRollButtonActiveRect },
    { "vrollbuttondownrect", &C::VRollButtonDownRect },
    { "vrestorebuttonrect", &C::VRestoreButtonRect },
    { "vrestorebuttonactiverect", &C::VRestoreButtonActiveRect },
    { "vrestorebuttondownrect", &C::VRestoreButtonDownRect },
    { "captionrect", &C::CaptionRect },
    FontGroup<C>(),
    { "buttonstransparent", &C::ButtonsTransparent },
    { "buttonstransparentcolor", &C::ButtonsTransparentColor },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinScrollBarControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinScrollBarControl;
  static const TskFieldTable<C> Table {
    { "trackarea", &C::TrackArea },
    TskUpDownButtonImages::Fields(),
    { "thumbrect", &C::ThumbRect },
    { "activethumbrect", &C::ActiveThumbRect },
    { "downthumbrect", &C::DownThumbRect },
    { "thumboffset1", &C::ThumbOffset1 },
    { "thumboffset2", &C::ThumbOffset2 },
    { "thumbtransparent", &C::ThumbTransparent },
    { "thumbtransparentcolor", &C::ThumbTransparentColor },
    { "thumbstretcheffect", &C::ThumbStretchEffect },
    { "thumbminsize", &C::ThumbMinSize },
    { "thumbminpagesize", &C::ThumbMinPageSize },
    { "glyphrect", &C::GlyphRect },
    { "activeglyphrect", &C::ActiveGlyphRect },
    { "downglyphrect", &C::DownGlyphRect },
    { "glyphtransparent", &C::GlyphTransparent },
    { "glyphtransparentcolor", &C::GlyphTransparentColor },
  };
  Table.Visit(*this, Visitor);
}
