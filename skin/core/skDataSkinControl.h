#pragma once
// The two base classes of the control skin records. A control record is a named section of a skin ini
// (the section bears the record's name) describing how one kind of skinned control looks; classes read
// and write their bases' keys first, keys are written in lower case and found in any case, and a missing
// key or section gives each field its absent value without a report.
#include "platform/base/TObject.h"
#include "skin/core/skSkinFieldGroups.h"

/// Root of the control records: the record's name, its picture and mask, and its image in the picture.
class TskDataSkinControl : public TObject {
public:
  explicit TskDataSkinControl(const String& AIDName) : IDName(AIDName) {}

  /// Reads the record's keys from the section IDName, replacing every field. A malformed rectangle or
  /// point raises EConvertError; the fields read before it keep their new values.
  virtual void LoadFromFile(TCustomIniFile* IniFile);
  /// Erases the section IDName, then writes the record's keys, so the section holds exactly those.
  virtual void SaveToFile(TCustomIniFile* IniFile);
  /// Hands every stored field to Visitor, the base classes' keys first.
  virtual void VisitFields(TskFieldVisitor& Visitor);

  String IDName;
  int PictureIndex { -1 };
  int MaskPictureIndex { -1 };
  TRect SkinRect;
};

/// A control record with resizable geometry: corner points and client rectangle measured from the
/// top-left corner of SkinRect, from which a nine-part image of any size is composed.
class TskDataSkinCustomControl : public TskDataSkinControl, public TskCornerPoints, public TskStretchSides {
public:
  using TskDataSkinControl::TskDataSkinControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect ClRect;
};
