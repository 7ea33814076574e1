#pragma once
// The eight colours a skin gives its controls in place of the system colours of the same names.
#include "platform/base/TObject.h"
#include "skin/core/skSkinFields.h"

/// The skin colours of section "SKINCOLORS". A new object holds zeros; SetColorsToDefault gives the
/// system colours, which is also what an absent key reads as.
class TskSkinColors : public TObject {
public:
  /// Reads the eight keys of "SKINCOLORS".
  void LoadFromFile(TCustomIniFile* IniFile);
  /// Writes the eight keys into "SKINCOLORS", leaving its other keys in place.
  void SaveToFile(TCustomIniFile* IniFile);
  void SetColorsToDefault();
  /// Hands the eight stored colours to Visitor.
  void VisitFields(TskFieldVisitor& Visitor);

  TColor cBtnFace() const { return FcBtnFace; }
  TColor cBtnText() const { return FcBtnText; }
  TColor cWindow() const { return FcWindow; }
  TColor cWindowText() const { return FcWindowText; }
  TColor cHighLight() const { return FcHighLight; }
  TColor cHighLightText() const { return FcHighLightText; }
  TColor cBtnHighLight() const { return FcBtnHighLight; }
  TColor cBtnShadow() const { return FcBtnShadow; }

protected:
  TColor FcBtnFace { 0 };
  TColor FcBtnText { 0 };
  TColor FcWindow { 0 };
  TColor FcWindowText { 0 };
  TColor FcHighLight { 0 };
  TColor FcHighLightText { 0 };
  TColor FcBtnHighLight { 0 };
  TColor FcBtnShadow { 0 };
};
