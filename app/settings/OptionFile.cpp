#include "app/settings/OptionFile.h"

#include <algorithm>

#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "platform/base/TIniFile.h"

namespace {

// What every read passes as its default, so that an absent file, section or key reads as missing.
constexpr const char* MissingText = "Error";

const String ProgramFolder = "/Zorvik视频软件";

bool IsMissing(const String& Value) { return Value.empty() || Value == MissingText; }

// Anything but an absolute path would name a folder below whatever the current folder happens to be.
bool IsValid(const TOptionKey& Key, const String& Value) {
  if (Key.DefaultFolder) return Value.starts_with(PathDelim);
  return Key.ValueSet.empty() || std::ranges::find(Key.ValueSet, Value) != Key.ValueSet.end();
}

String ReadStored(const TOptionKey& Key) {
  return TIniFile(OptionFileName()).ReadString(Key.Section, Key.Ident, MissingText);
}

String UseDefaultFolder(const TOptionKey& Key) {
  String folder = Key.DefaultValue();
  ForceDirectories(folder);
  WriteOption(Key, folder);
  return folder;
}

String UseStoredFolder(const TOptionKey& Key) {
  String folder = ReadStored(Key);
  if (IsMissing(folder) || !IsValid(Key, folder)) return UseDefaultFolder(Key);
  ForceDirectories(folder);
  return folder;
}

String ReadFolder(const TOptionKey& Key) {
  try {
    return UseStoredFolder(Key);
  } catch (const Exception&) {
    return UseDefaultFolder(Key);
  }
}

}  // namespace

const char* const InstalledMarkName = "installed";

// The superuser may write an installed program's folder, yet its settings must not land there: the install
// owns that folder and an uninstall removes it.
String OptionFileName() {
  if (!FileExists(ExePath() + InstalledMarkName) && DirectoryWritable(ExePath())) return ExePath() + "option.ini";
  const String folder = GetUserConfigDir() + "/zorvik";
  ForceDirectories(folder);
  return folder + "/option.ini";
}

String DefaultOutputFolder() { return GetHomeDir() + ProgramFolder + "/输出"; }

String DefaultSnapshotFolder() { return GetHomeDir() + ProgramFolder + "/快照"; }

const TOptionKey okThreadCount { "Options", "Thread_Count", "0", {} };
const TOptionKey okAfterDone { "Options", "After_Done", "0", { "0", "1", "2", "3" } };
const TOptionKey okShowPreview { "Options", "Show_Preview", "0", { "0", "1" } };
const TOptionKey okThreadPriority { "Options", "Thread_Priority", "3", { "0", "1", "2", "3" } };
const TOptionKey okOverwriteFile { "Options", "Overwrite_File", "1", { "0", "1" } };
const TOptionKey okOutPath { "OutPath", "OutPath", "", {}, DefaultOutputFolder };
const TOptionKey okSetSkin { "Skin", "SetSkin", "0", {} };
const TOptionKey okSnapshotDir { "SnapShot", "Dir", "", {}, DefaultSnapshotFolder };
const TOptionKey okPicture { "SnapShot", "Picture", "BMP", { "BMP", "JPG", "GIF", "PNG" } };

String ReadOption(const TOptionKey& Key) {
  String value = ReadStored(Key);
  if (!IsMissing(value) && IsValid(Key, value)) return value;
  value = Key.DefaultValue();
  WriteOption(Key, value);
  return value;
}

void WriteOption(const TOptionKey& Key, const String& Value) {
  TIniFile(OptionFileName()).WriteString(Key.Section, Key.Ident, Value);
}

void WriteOptions(const std::vector<std::pair<const TOptionKey*, String>>& Values) {
  TIniFile ini(OptionFileName());
  for (const auto& [key, value] : Values) ini.WriteString(key->Section, key->Ident, value);
}

String ReadOutputFolder() { return ReadFolder(okOutPath); }

String ReadSnapshotFolder() { return ReadFolder(okSnapshotDir); }
