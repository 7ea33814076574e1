#include "platform/base/TIniFile.h"

#include <optional>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

String TIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
  String value = Load().ReadString(Section, Ident, Default);
  return value.substr(0, CodePointOffset(value, MaxValueLength));
}

void TIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
  Change([&](TMemIniFile& ini) { ini.WriteString(Section, Ident, Value); });
}

void TIniFile::ReadSection(const String& Section, TStrings* Strings) { Load().ReadSection(Section, Strings); }

void TIniFile::ReadSections(TStrings* Strings) { Load().ReadSections(Strings); }

void TIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
  Load().ReadSectionValues(Section, Strings);
}

void TIniFile::EraseSection(const String& Section) {
  Change([&](TMemIniFile& ini) { ini.EraseSection(Section); });
}

void TIniFile::DeleteKey(const String& Section, const String& Ident) {
  Change([&](TMemIniFile& ini) { ini.DeleteKey(Section, Ident); });
}

TMemIniFile TIniFile::Load() const {
  try {
    return TMemIniFile(FileName());
  } catch (const EStreamError&) {
    return TMemIniFile();
  }
}

// A file that exists but cannot be read must not be replaced by the one change made to an empty copy.
void TIniFile::Change(const std::function<void(TMemIniFile&)>& Edit) {
  std::optional<TMemIniFile> ini;
  try {
    ini.emplace(FileName());
  } catch (const EStreamError&) {
    WriteError();
  }
  Edit(*ini);
  ini->UpdateFile();
}
