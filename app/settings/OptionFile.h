#pragma once
// The converter's settings file option.ini: its place, its keys with their defaults and value sets, and the
// one rule by which every reader turns a missing or invalid value into its default.
#include <utility>
#include <vector>

#include "platform/base/Types.h"

/// The file an install puts beside the program to mark it as an installed copy; a build folder has none.
extern const char* const InstalledMarkName;
/// The settings file: "option.ini" in the user's configuration folder's "zorvik" (made when missing) for an
/// installed copy, whoever runs it, and for a program whose folder this process may not write; else
/// "option.ini" in the executable's folder (a build folder, a copy of one's own).
String OptionFileName();
/// The output folder used when option.ini names none: $HOME + "/Zorvik视频软件/输出".
String DefaultOutputFolder();
/// The snapshot folder used when option.ini names none: $HOME + "/Zorvik视频软件/快照".
String DefaultSnapshotFolder();

/// One key of option.ini and what a reader does with its value.
struct TOptionKey {
  String Section;
  String Ident;
  String Default;                          // written back for a missing or invalid value
  std::vector<String> ValueSet;            // empty: any value that is not missing is taken
  String (*DefaultFolder)() { nullptr };   // folder keys: the default is this folder, taken at each read
                                           // (Default is then empty), and a relative value is invalid

  /// Default, or for a folder key its default folder.
  String DefaultValue() const { return DefaultFolder ? DefaultFolder() : Default; }
};

extern const TOptionKey okThreadCount;     // [Options] Thread_Count: "0"; only a missing value is replaced
extern const TOptionKey okAfterDone;       // [Options] After_Done: "0".."3", default "0"
extern const TOptionKey okShowPreview;     // [Options] Show_Preview: "0" or "1", default "0"
extern const TOptionKey okThreadPriority;  // [Options] Thread_Priority: "0".."3", default "3"
extern const TOptionKey okOverwriteFile;   // [Options] Overwrite_File: "0" or "1", default "1"
extern const TOptionKey okOutPath;         // [OutPath] OutPath: an absolute folder, default DefaultOutputFolder()
extern const TOptionKey okSetSkin;         // [Skin] SetSkin: any text (the reader converts it), default "0"
extern const TOptionKey okSnapshotDir;     // [SnapShot] Dir: an absolute folder, default DefaultSnapshotFolder()
extern const TOptionKey okPicture;         // [SnapShot] Picture: "BMP", "JPG", "GIF" or "PNG", default "BMP"

/// The value of Key by the reading rule: an absent file, section or key, an empty value and the text
/// "Error" count as missing; a missing value, a value outside a non-empty ValueSet (compared exactly, case
/// counts) and a relative value of a folder key are replaced: the default is written back at once and
/// returned. A refused write raises EIniFileException "Unable to write to <full path of option.ini>".
String ReadOption(const TOptionKey& Key);
/// Writes Value as Key; a refused write raises EIniFileException as ReadOption.
void WriteOption(const TOptionKey& Key, const String& Value);
/// Writes each value as its key, in the given order; the first refused write raises EIniFileException and
/// the values after it are not written.
void WriteOptions(const std::vector<std::pair<const TOptionKey*, String>>& Values);

/// The output folder by the start-up read: the folder OutPath names, or the default folder written back
/// when OutPath is missing or relative; the folder is created with its missing parents when it does not
/// exist (whether that succeeds is not checked). When anything raises, the read starts once more with the
/// default folder; an error of that second attempt is not caught.
String ReadOutputFolder();
/// The snapshot folder by the same read of [SnapShot] Dir.
String ReadSnapshotFolder();
