#pragma once
// The common interface of settings files made of [sections] holding key=value lines.
#include "platform/base/TObject.h"

class TStrings;

/// A settings file of sections and keys. Section and key names match ignoring the case of ASCII letters;
/// values are text, read as stored. The typed readers fall back to their default on text that is not of
/// their type. Subclasses decide where the text lives and when it reaches the file.
class TCustomIniFile : public TObject {
public:
  explicit TCustomIniFile(const String& AFileName) : FFileName(AFileName) {}

  const String& FileName() const { return FFileName; }

  /// The value of Ident in Section, or Default when the section or the key is absent.
  virtual String ReadString(const String& Section, const String& Ident, const String& Default) = 0;
  /// Replaces the value of an existing key in place, or adds the key to its section (the section to the
  /// end). A name or value that cannot be stored in a line (a line break in any of them, "]" in a section
  /// name, "=" in a key, a key that is empty or starts with "[" or ";") raises EIniFileException.
  virtual void WriteString(const String& Section, const String& Ident, const String& Value) = 0;
  /// Decimal, negative decimal, or hexadecimal after "$", "0x" or "0X"; anything else gives Default.
  int ReadInteger(const String& Section, const String& Ident, int Default);
  void WriteInteger(const String& Section, const String& Ident, int Value);
  /// An integer value: 0 is false, any other number true; anything else gives Default.
  bool ReadBool(const String& Section, const String& Ident, bool Default);
  /// Writes "1" or "0".
  void WriteBool(const String& Section, const String& Ident, bool Value);
  /// A number with "." as decimal separator; anything else gives Default.
  double ReadFloat(const String& Section, const String& Ident, double Default);
  void WriteFloat(const String& Section, const String& Ident, double Value);

  /// Fills Strings with the key names of Section, in file order (cleared first).
  virtual void ReadSection(const String& Section, TStrings* Strings) = 0;
  /// Fills Strings with the names of all sections, in file order (cleared first).
  virtual void ReadSections(TStrings* Strings) = 0;
  /// Fills Strings with the "key=value" lines of Section, in file order (cleared first).
  virtual void ReadSectionValues(const String& Section, TStrings* Strings) = 0;
  /// Removes the section: its header, its keys and the lines between them.
  virtual void EraseSection(const String& Section) = 0;
  virtual void DeleteKey(const String& Section, const String& Ident) = 0;
  /// Brings the file up to date with what was written; a failure raises EIniFileException
  /// "Unable to write to <full path>" and leaves the file as it was.
  virtual void UpdateFile() = 0;

  /// True when Section holds at least one key.
  bool SectionExists(const String& Section);
  bool ValueExists(const String& Section, const String& Ident);

protected:
  /// Raises EIniFileException "Unable to write to <full path of FileName>".
  [[noreturn]] void WriteError() const;

private:
  String FFileName;
};
