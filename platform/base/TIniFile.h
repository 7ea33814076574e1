#pragma once
// A settings file read and written directly on disk.
#include <functional>

#include "platform/base/TMemIniFile.h"

/// An ini file that keeps nothing in memory: every call opens the file, reads or changes it, and lets it
/// go, so every write is on disk when the call returns. The format is that of TMemIniFile. A file that is
/// missing or cannot be read reads as empty; a write that cannot read the file first, or cannot replace
/// it (also a file the caller may not write), raises EIniFileException "Unable to write to <full path>"
/// and leaves the file as it was.
class TIniFile : public TCustomIniFile {
public:
  explicit TIniFile(const String& AFileName) : TCustomIniFile(AFileName) {}

  /// At most MaxValueLength code points of the value (or of Default); a character is never cut in two.
  String ReadString(const String& Section, const String& Ident, const String& Default) override;
  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  void ReadSection(const String& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const String& Section, TStrings* Strings) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;
  /// Nothing to do: every change reached the file when it was made.
  void UpdateFile() override {}

  static constexpr size_t MaxValueLength = 2047;

private:
  TMemIniFile Load() const;
  void Change(const std::function<void(TMemIniFile&)>& Edit);
};
