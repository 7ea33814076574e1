#pragma once
// A settings file held in memory as its lines.
#include <unordered_map>
#include <vector>

#include "platform/base/TCustomIniFile.h"

/// An ini file read whole into memory: reads and writes work on the lines, and UpdateFile writes them
/// back. The file is UTF-8 (a leading byte-order mark is skipped and kept); lines end in LF or CR LF.
/// Lines before the first section, lines starting with ";" and lines without "=" carry no values;
/// blanks around names and values do not count. Of duplicate sections and keys the first is the one read
/// and written. Every line that a write does not touch is written back byte for byte; new lines end in LF.
class TMemIniFile : public TCustomIniFile {
public:
  /// The largest file a settings file is read from: no one writes settings of that size by hand.
  static constexpr Int64 MaxFileSize = Int64(16) << 20;

  /// Loads AFileName when it exists; "" or a missing file starts empty. A file that exists but cannot
  /// be read raises EFOpenError (also for anything but a regular file) or EReadError (also beyond
  /// MaxFileSize).
  explicit TMemIniFile(const String& AFileName = String());

  /// Replaces the content with List, one line per string.
  void SetStrings(TStrings* List);
  /// Fills List with the lines of the content (cleared first).
  void GetStrings(TStrings* List) const;
  /// Clears the content.
  void Clear();

  String ReadString(const String& Section, const String& Ident, const String& Default) override;
  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  void ReadSection(const String& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const String& Section, TStrings* Strings) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;
  /// Writes the content to FileName through a temporary file in the same folder that replaces it, so the
  /// old file stays whole when anything fails. A file the caller may not write is not replaced.
  void UpdateFile() override;

private:
  struct TLine {
    String Text;                 // the line without its terminator
    String Eol;                  // "\n", "\r\n", or "" for a last line without one
    String Key;                  // the trimmed key name; "" when the line holds no value
    size_t ValueStart { 0 };     // where the value starts in Text
  };
  struct TSection {
    String Name;
    TLine Header;
    std::vector<TLine> Lines;    // everything up to the next header
  };

  void SetText(const String& Text);
  void AddLine(TLine Line);
  void TerminateLastLine();
  void Reindex();
  TSection* FindSection(const String& Name);
  static int FindKey(const TSection& Section, const String& Ident);
  static String ValueOf(const TLine& Line);
  String Text() const;

  String FBom;
  std::vector<TLine> FPreamble;                          // lines before the first section
  std::vector<TSection> FSections;
  std::unordered_map<String, size_t> FSectionIndex;      // lower-case name -> first section of that name
};
