#include "platform/base/TMemIniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <unordered_set>

#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TFileStream.h"
#include "platform/base/TStrings.h"

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

bool IsBlank(char C) { return static_cast<unsigned char>(C) <= ' '; }

bool HasLineBreak(const String& S) { return S.find_first_of("\r\n") != String::npos; }

// A name or value that would not read back as itself, or would break the file into other lines.
bool Storable(const String& Section, const String& Ident, const String& Value) {
  return !HasLineBreak(Section) && !HasLineBreak(Ident) && !HasLineBreak(Value) &&
         Section.find(']') == String::npos && !Ident.empty() && Ident.find('=') == String::npos &&
         Ident[0] != '[' && Ident[0] != ';';
}

// Writes Text to a new file beside FileName and renames it over FileName, so that readers and a failed
// write only ever see the old or the new file whole. A link is followed so that it stays a link. A file
// the caller may not write is not replaced, although the folder would allow the rename: a settings file
// made read-only is meant to stay as it is.
bool ReplaceFile(const String& FileName, const String& Text) {
  if (FileName.empty()) return false;
  String target = FileName;
  if (char* real = ::realpath(FileName.c_str(), nullptr)) {
    target = real;
    std::free(real);
  }
  struct stat old;
  bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;
  static std::atomic<unsigned> counter { 0 };
  String temp = target + ".tmp" + IntToStr(::getpid()) + "-" + IntToStr(counter++);
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = !exists || ::fchmod(fd, old.st_mode & 07777) == 0;
  try {
    THandleStream(fd).WriteBuffer(Text.data(), static_cast<Int64>(Text.size()));
  } catch (const EStreamError&) {
    ok = false;
  }
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  if (ok && ::rename(temp.c_str(), target.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
}

}  // namespace

TMemIniFile::TMemIniFile(const String& AFileName) : TCustomIniFile(AFileName) {
  if (!AFileName.empty() && FileExists(AFileName)) SetText(ReadFileToString(AFileName, MaxFileSize));
}

void TMemIniFile::SetStrings(TStrings* List) { SetText(List->Text()); }

void TMemIniFile::GetStrings(TStrings* List) const {
  List->BeginUpdate();
  List->Clear();
  for (const TLine& line : FPreamble) List->Add(line.Text);
  for (const TSection& section : FSections) {
    List->Add(section.Header.Text);
    for (const TLine& line : section.Lines) List->Add(line.Text);
  }
  List->EndUpdate();
}

void TMemIniFile::Clear() {
  FBom.clear();
  FPreamble.clear();
  FSections.clear();
  FSectionIndex.clear();
}

String TMemIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
  TSection* section = FindSection(Section);
  int index = section ? FindKey(*section, Ident) : -1;
  return index < 0 ? Default : ValueOf(section->Lines[index]);
}

void TMemIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
  String sectionName = Trim(Section), ident = Trim(Ident);
  if (!Storable(sectionName, ident, Value)) WriteError();
  TLine line { ident + "=" + Value, "\n", ident, ident.size() + 1 };
  TSection* section = FindSection(sectionName);
  if (!section) {
    TerminateLastLine();
    FSectionIndex.emplace(LowerCase(sectionName), FSections.size());
    FSections.push_back({ sectionName, { "[" + sectionName + "]", "\n", "", 0 }, { std::move(line) } });
    return;
  }
  int index = FindKey(*section, ident);
  if (index >= 0) {
    TLine& existing = section->Lines[index];
    existing.Text = existing.Text.substr(0, existing.ValueStart) + Value;
    return;
  }
  // After the last key, so that blank lines and comments ahead of the next section stay with it.
  size_t at = 0;
  for (size_t i = 0; i < section->Lines.size(); ++i)
    if (!section->Lines[i].Key.empty()) at = i + 1;
  TLine& before = at == 0 ? section->Header : section->Lines[at - 1];
  if (before.Eol.empty()) before.Eol = "\n";
  section->Lines.insert(section->Lines.begin() + at, std::move(line));
}

void TMemIniFile::ReadSection(const String& Section, TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  if (TSection* section = FindSection(Section)) {
    std::unordered_set<String> seen;
    for (const TLine& line : section->Lines)
      if (!line.Key.empty() && seen.insert(LowerCase(line.Key)).second) Strings->Add(line.Key);
  }
  Strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  for (size_t i = 0; i < FSections.size(); ++i)
    if (FSectionIndex.at(LowerCase(FSections[i].Name)) == i) Strings->Add(FSections[i].Name);
  Strings->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  if (TSection* section = FindSection(Section)) {
    std::unordered_set<String> seen;
    for (const TLine& line : section->Lines)
      if (!line.Key.empty() && seen.insert(LowerCase(line.Key)).second)
        Strings->Add(line.Key + "=" + ValueOf(line));
  }
  Strings->EndUpdate();
}

// Every section of the name goes, or a later duplicate would take its place. Lines after the last key
// (blank lines, a comment about the next section) stay where they are.
void TMemIniFile::EraseSection(const String& Section) {
  String name = Trim(Section);
  for (size_t i = 0; i < FSections.size();) {
    if (!SameText(FSections[i].Name, name)) {
      ++i;
      continue;
    }
    std::vector<TLine>& lines = FSections[i].Lines;
    size_t keep = lines.size();
    while (keep > 0 && lines[keep - 1].Key.empty()) --keep;
    std::vector<TLine>& previous = i == 0 ? FPreamble : FSections[i - 1].Lines;
    previous.insert(previous.end(), lines.begin() + keep, lines.end());
    FSections.erase(FSections.begin() + i);
  }
  Reindex();
}

// Every line of the key goes, or a later duplicate would take its place.
void TMemIniFile::DeleteKey(const String& Section, const String& Ident) {
  TSection* section = FindSection(Section);
  if (!section) return;
  String ident = Trim(Ident);
  std::erase_if(section->Lines, [&](const TLine& line) { return !line.Key.empty() && SameText(line.Key, ident); });
}

void TMemIniFile::UpdateFile() {
  if (!ReplaceFile(FileName(), Text())) WriteError();
}

void TMemIniFile::SetText(const String& Text) {
  Clear();
  std::string_view rest = Text;
  if (rest.starts_with(Bom)) {
    FBom = Bom;
    rest.remove_prefix(Bom.size());
  }
  while (!rest.empty()) {
    size_t end = rest.find('\n');
    TLine line;
    line.Text = rest.substr(0, end);
    if (end == std::string_view::npos) {
      rest = {};
    } else {
      rest.remove_prefix(end + 1);
      line.Eol = "\n";
      if (line.Text.ends_with('\r')) {
        line.Text.pop_back();
        line.Eol = "\r\n";
      }
    }
    AddLine(std::move(line));
  }
}

void TMemIniFile::AddLine(TLine Line) {
  String trimmed = Trim(Line.Text);
  if (trimmed.starts_with('[')) {
    String name = Trim(trimmed.substr(1, trimmed.find(']') - 1));
    FSectionIndex.emplace(LowerCase(name), FSections.size());
    FSections.push_back({ std::move(name), std::move(Line), {} });
    return;
  }
  if (FSections.empty()) {
    FPreamble.push_back(std::move(Line));
    return;
  }
  size_t equals = Line.Text.find('=');
  if (!trimmed.starts_with(';') && equals != String::npos) {
    Line.Key = Trim(Line.Text.substr(0, equals));
    Line.ValueStart = equals + 1;
    while (Line.ValueStart < Line.Text.size() && IsBlank(Line.Text[Line.ValueStart])) ++Line.ValueStart;
  }
  FSections.back().Lines.push_back(std::move(Line));
}

void TMemIniFile::TerminateLastLine() {
  TLine* last = nullptr;
  if (!FSections.empty())
    last = FSections.back().Lines.empty() ? &FSections.back().Header : &FSections.back().Lines.back();
  else if (!FPreamble.empty())
    last = &FPreamble.back();
  if (last && last->Eol.empty()) last->Eol = "\n";
}

void TMemIniFile::Reindex() {
  FSectionIndex.clear();
  for (size_t i = 0; i < FSections.size(); ++i) FSectionIndex.emplace(LowerCase(FSections[i].Name), i);
}

TMemIniFile::TSection* TMemIniFile::FindSection(const String& Name) {
  auto found = FSectionIndex.find(LowerCase(Trim(Name)));
  return found == FSectionIndex.end() ? nullptr : &FSections[found->second];
}

int TMemIniFile::FindKey(const TSection& Section, const String& Ident) {
  String ident = Trim(Ident);
  for (size_t i = 0; i < Section.Lines.size(); ++i)
    if (!Section.Lines[i].Key.empty() && SameText(Section.Lines[i].Key, ident)) return int(i);
  return -1;
}

String TMemIniFile::ValueOf(const TLine& Line) { return TrimRight(Line.Text.substr(Line.ValueStart)); }

String TMemIniFile::Text() const {
  String text = FBom;
  auto append = [&](const TLine& line) { text += line.Text + line.Eol; };
  for (const TLine& line : FPreamble) append(line);
  for (const TSection& section : FSections) {
    append(section.Header);
    for (const TLine& line : section.Lines) append(line);
  }
  return text;
}
