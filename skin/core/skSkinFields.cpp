#include "skin/core/skSkinFields.h"

#include "platform/base/Overloaded.h"
#include "platform/base/TCustomIniFile.h"
#include "skin/core/skSkinIni.h"

void TskIniFieldReader::Visit(const TskFieldRef& Field) {
  TCustomIniFile* ini = FIniFile;
  const String& s = FSection;
  const String& k = Field.Key;
  std::visit(Overloaded {
               [&](int* p) { *p = ini->ReadInteger(s, k, Field.AbsentInt); },
               [&](String* p) { *p = ini->ReadString(s, k, Field.AbsentText); },
               [&](TRect* p) { *p = ReadRect(ini, s, k); },
               [&](TPoint* p) { *p = ReadPoint(ini, s, k); },
               [&](bool* p) { *p = ReadBoolean(ini, s, k); },
               [&](TFontStyles* p) { *p = ReadFontStyles(ini, s, k); },
               [&](TAlignment* p) { *p = ReadAlignment(ini, s, k); },
               [&](TskStretchType* p) { *p = ReadStretchType(ini, s, k); },
               [&](TskMorphKind* p) { *p = ReadMorphKind(ini, s, k); },
               [&](TskInActiveEffect* p) { *p = ReadInActiveEffect(ini, s, k); },
               [&](TskStdCommand* p) { *p = StdCommandFromText(ini->ReadString(s, k, "cmdefault")); },
             },
             Field.Field);
}

void TskIniFieldWriter::Visit(const TskFieldRef& Field) {
  TCustomIniFile* ini = FIniFile;
  const String& s = FSection;
  const String& k = Field.Key;
  std::visit(Overloaded {
               [&](int* p) { ini->WriteInteger(s, k, *p); },
               [&](String* p) { ini->WriteString(s, k, *p); },
               [&](TRect* p) { WriteRect(ini, s, k, *p); },
               [&](TPoint* p) { WritePoint(ini, s, k, *p); },
               [&](bool* p) { WriteBoolean(ini, s, k, *p); },
               [&](TFontStyles* p) { WriteFontStyles(ini, s, k, *p); },
               [&](TAlignment* p) { WriteAlignment(ini, s, k, *p); },
               [&](TskStretchType* p) { WriteStretchType(ini, s, k, *p); },
               [&](TskMorphKind* p) { WriteMorphKind(ini, s, k, *p); },
               [&](TskInActiveEffect* p) { WriteInActiveEffect(ini, s, k, *p); },
               [&](TskStdCommand* p) { ini->WriteString(s, k, StdCommandToText(*p)); },
             },
             Field.Field);
}
