#pragma once
// Ini objects over literal text for the skin tests.
#include <memory>

#include "platform/base/TMemIniFile.h"
#include "platform/base/TStringList.h"

inline std::unique_ptr<TMemIniFile> IniOf(const String& Text) {
  auto ini = std::make_unique<TMemIniFile>();
  TStringList lines;
  lines.SetText(Text);
  ini->SetStrings(&lines);
  return ini;
}

inline String TextOf(const TMemIniFile& Ini) {
  TStringList lines;
  Ini.GetStrings(&lines);
  return lines.Text();
}
