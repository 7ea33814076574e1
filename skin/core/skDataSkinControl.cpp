#include "skin/core/skDataSkinControl.h"

void TskDataSkinControl::LoadFromFile(TCustomIniFile* IniFile) { LoadRecordSection(*this, IniFile, IDName); }

void TskDataSkinControl::SaveToFile(TCustomIniFile* IniFile) { SaveRecordSection(*this, IniFile, IDName); }

void TskDataSkinControl::VisitFields(TskFieldVisitor& Visitor) {
  using C = TskDataSkinControl;
  static const TskFieldTable<C> Table {
    { "pictureindex", &C::PictureIndex, -1 },
    { "maskpictureindex", &C::MaskPictureIndex, -1 },
    { "skinrect", &C::SkinRect },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinCustomControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinControl::VisitFields(Visitor);
  using C = TskDataSkinCustomControl;
  static const TskFieldTable<C> Table {
    TskCornerPoints::Fields(),
    { "clientrect", &C::ClRect },
    TskStretchSides::Fields(),
  };
  Table.Visit(*this, Visitor);
}
