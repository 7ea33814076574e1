#include "skin/core/skDataSkinSimpleControls.h"

void TskDataSkinStdLabelControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinControl::VisitFields(Visitor);
  using C = TskDataSkinStdLabelControl;
  static const TskFieldTable<C> Table {
    FontGroup<C>(),
    { "activefontcolor", &C::ActiveFontColor, clBlue },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinLabelControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinLabelControl;
  static const TskFieldTable<C> Table { FontGroup<C>() };
  Table.Visit(*this, Visitor);
}

void TskDataSkinTreeView::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinControl::VisitFields(Visitor);
  using C = TskDataSkinTreeView;
  static const TskFieldTable<C> Table {
    FontGroup<C>(),
    { "bgcolor", &C::BGColor },
    { "expandimagerect", &C::ExpandImageRect },
    { "noexpandimagerect", &C::NoExpandImageRect },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinListView::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinControl::VisitFields(Visitor);
  using C = TskDataSkinListView;
  static const TskFieldTable<C> Table { FontGroup<C>(), { "bgcolor", &C::BGColor } };
  Table.Visit(*this, Visitor);
}

void TskDataSkinRichEdit::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinControl::VisitFields(Visitor);
  using C = TskDataSkinRichEdit;
  static const TskFieldTable<C> Table { FontGroup<C>(), { "bgcolor", &C::BGColor } };
  Table.Visit(*this, Visitor);
}

void TskDataSkinBevel::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinControl::VisitFields(Visitor);
  using C = TskDataSkinBevel;
  static const TskFieldTable<C> Table { { "lightcolor", &C::LightColor }, { "darkcolor", &C::DarkColor } };
  Table.Visit(*this, Visitor);
}

void TskDataSkinSlider::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinControl::VisitFields(Visitor);
  using C = TskDataSkinSlider;
  static const TskFieldTable<C> Table {
    { "bgcolor", &C::BGColor },       { "hrulerrect", &C::HRulerRect }, { "hthumbrect", &C::HThumbRect },
    { "vrulerrect", &C::VRulerRect }, { "vthumbrect", &C::VThumbRect }, { "edgesize", &C::EdgeSize },
    { "pointscolor", &C::PointsColor },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinSplitterControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinSplitterControl;
  static const TskFieldTable<C> Table {
    { "gripperrect", &C::GripperRect },
    { "grippertransparent", &C::GripperTransparent },
    { "grippertransparentcolor", &C::GripperTransparentColor },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinScrollBoxControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinScrollBoxControl;
  static const TskFieldTable<C> Table { { "bgpictureindex", &C::BGPictureIndex, -1 } };
  Table.Visit(*this, Visitor);
}

void TskDataSkinUpDownControl::LoadFromFile(TCustomIniFile* IniFile) {
  TskDataSkinCustomControl::LoadFromFile(IniFile);
  ClearGeometry();
}

void TskDataSkinUpDownControl::SaveToFile(TCustomIniFile* IniFile) {
  ClearGeometry();
  TskDataSkinCustomControl::SaveToFile(IniFile);
}

void TskDataSkinUpDownControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinUpDownControl;
  static const TskFieldTable<C> Table { TskUpDownButtonImages::Fields() };
  Table.Visit(*this, Visitor);
}

void TskDataSkinUpDownControl::ClearGeometry() {
  LTPoint = RTPoint = LBPoint = RBPoint = TPoint();
  ClRect = TRect();
}

void TskDataSkinGaugeControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinGaugeControl;
  static const TskFieldTable<C> Table {
    { "progressarea", &C::ProgressArea },
    { "progressrect", &C::ProgressRect },
    { "beginoffset", &C::BeginOffset },
    { "endoffset", &C::EndOffset },
    { "vertical", &C::Vertical },
    FontGroup<C>(),
    { "progresstransparent", &C::ProgressTransparent },
    { "progresstransparentcolor", &C::ProgressTransparentColor },
    { "progressstretch", &C::ProgressStretch },
    { "animationskinrect", &C::AnimationSkinRect },
    { "animationcountframes", &C::AnimationCountFrames },
    { "animationtimerinterval", &C::AnimationTimerInterval },
    { "progressanimationskinrect", &C::ProgressAnimationSkinRect },
    { "progressanimationcountframes", &C::ProgressAnimationCountFrames },
    { "progressanimationtimerinterval", &C::ProgressAnimationTimerInterval },
    { "animationbeginoffset", &C::AnimationBeginOffset },
    { "animationendoffset", &C::AnimationEndOffset },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinTrackBarControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinTrackBarControl;
  static const TskFieldTable<C> Table {
    { "activeskinrect", &C::ActiveSkinRect },
    { "trackarea", &C::TrackArea },
    { "buttonrect", &C::ButtonRect },
    { "activebuttonrect", &C::ActiveButtonRect },
    { "vertical", &C::Vertical },
    { "buttontransparent", &C::ButtonTransparent },
    { "buttontransparentcolor", &C::ButtonTransparentColor },
  };
  Table.Visit(*this, Visitor);
}
