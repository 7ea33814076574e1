#include "skin/core/skSkinColors.h"

namespace {

constexpr const char* Section = "SKINCOLORS";

}  // namespace

void TskSkinColors::LoadFromFile(TCustomIniFile* IniFile) { LoadRecordSection(*this, IniFile, Section); }

void TskSkinColors::SaveToFile(TCustomIniFile* IniFile) {
  TskIniFieldWriter writer(IniFile, Section);
  VisitFields(writer);
}

void TskSkinColors::SetColorsToDefault() {
  FcBtnFace = clBtnFace;
  FcBtnText = clBtnText;
  FcWindow = clWindow;
  FcWindowText = clWindowText;
  FcHighLight = clHighlight;
  FcHighLightText = clHighlightText;
  FcBtnHighLight = clBtnHighlight;
  FcBtnShadow = clBtnShadow;
}

void TskSkinColors::VisitFields(TskFieldVisitor& Visitor) {
  using C = TskSkinColors;
  static const TskFieldTable<C> Table {
    { "cbtnface", &C::FcBtnFace, clBtnFace },
    { "cbtntext", &C::FcBtnText, clBtnText },
    { "cwindow", &C::FcWindow, clWindow },
    { "cwindowtext", &C::FcWindowText, clWindowText },
    { "chighlight", &C::FcHighLight, clHighlight },
    { "chighlighttext", &C::FcHighLightText, clHighlightText },
    { "cbtnhighlight", &C::FcBtnHighLight, clBtnHighlight },
    { "cbtnshadow", &C::FcBtnShadow, clBtnShadow },
  };
  Table.Visit(*this, Visitor);
}
