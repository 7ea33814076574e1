#include "skin/dialogs/skFileCtrlPaths.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/base/FileUtils.h"
#include "platform/base/Masks.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/TCanvas.h"
#include "platform/shell/Volumes.h"

namespace {

/// What stands for the folders cut away.
constexpr std::string_view CutMarker = ".../";

/// The volume mounted exactly at Drive; null when none is.
const TVolume* MountedAt(const std::vector<TVolume>& Volumes, const String& Drive) {
  auto It = std::find_if(Volumes.begin(), Volumes.end(), [&](const TVolume& V) { return V.MountPoint == Drive; });
  return It == Volumes.end() ? nullptr : &*It;
}

bool HasWildcard(const String& S) { return S.find_first_of("*?") != String::npos; }

}  // namespace

String InTextCase(const String& S, TTextCase TextCase) {
  return TextCase == tcUpperCase ? UpperCase(S) : LowerCase(S);
}

bool IsNetworkFileSystem(const String& FileSystem) {
  for (const char* Kind : { "nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "sshfs", "9p", "afs" })
    if (FileSystem == Kind) return true;
  return false;
}

bool FolderExists(const String& Path) { return DirectoryExists(Path); }

bool SearchFinds(const String& Name, const String& Pattern) {
  if (MatchesMask(Name, Pattern)) return true;
  return Pattern.ends_with(".*") && MatchesMask(Name, Pattern.substr(0, Pattern.size() - 2));
}

String AppendPathPart(const String& Path, const String& S) {
  if (!Path.empty() && Path.back() == PathDelim) return Path + S;
  return Path + PathDelim + S;
}

void CutFirstFolder(String& S) {
  if (S == "/") {
    S.clear();
    return;
  }
  const bool Rooted = !S.empty() && S.front() == PathDelim;
  if (Rooted) S.erase(0, 1);
  // Only the marker of an earlier cut is dropped: a folder whose name starts with "." is a folder.
  if (S.starts_with(CutMarker)) S.erase(0, CutMarker.size());
  const size_t Slash = S.find(PathDelim);
  S = Slash == String::npos ? String() : String(CutMarker) + S.substr(Slash + 1);
  if (Rooted) S.insert(0, 1, PathDelim);
}

String ShortenPathToWidth(const String& FileName, TCanvas* Canvas, int MaxLen) {
  String Result = FileName;
  String Dir = ExtractFilePath(FileName);
  const String Name = ExtractFileName(FileName);
  while (!Dir.empty() && Canvas->TextWidth(Result) > MaxLen) {
    if (Dir.size() == CutMarker.size() + 1 && Dir.ends_with(CutMarker) && Dir.front() == PathDelim)
      Dir = CutMarker;
    else CutFirstFolder(Dir);
    Result = Dir + Name;
  }
  return Result;
}

String GetVolumeLabelText(const String& Drive, TTextCase TextCase) {
  const std::vector<TVolume> Volumes = ReadVolumes();
  const TVolume* Volume = MountedAt(Volumes, Drive);
  return "[" + InTextCase(Volume ? Volume->Label : String(), TextCase) + "]";
}

String GetNetworkDriveName(const String& Drive, TTextCase TextCase) {
  const std::vector<TVolume> Volumes = ReadVolumes();
  const TVolume* Volume = MountedAt(Volumes, Drive);
  if (Volume && IsNetworkFileSystem(Volume->FileSystem)) return InTextCase(Volume->Source, TextCase);
  return GetVolumeLabelText(Drive, TextCase);
}

void SplitEditPath(const String& EditText, const String& BaseDir, String& Drive, String& DirPart, String& FilePart) {
  String Text = EditText;
  if (Text.size() >= 2 && Text.front() == '[' && Text.back() == ']') Text = Text.substr(1, Text.size() - 2);
  const String Full = ExpandFileName(!Text.empty() && Text.front() == PathDelim ? Text : AppendPathPart(BaseDir, Text));
  FilePart = ExtractFileName(Full);
  DirPart = ExtractFileDir(Full);
  CheckFolderEnterable(DirPart);
  if (!FilePart.empty() && !HasWildcard(FilePart) && !FileExists(AppendPathPart(DirPart, FilePart))) {
    DirPart = AppendPathPart(DirPart, FilePart);
    CheckFolderEnterable(DirPart);
    FilePart.clear();
  }
  Drive = DriveOfPath(DirPart);
}

int CountBackslashes(const String& S) { return int(std::count(S.begin(), S.end(), PathDelim)); }

String DriveOfPath(const String& Path) {
  const std::vector<TVolume> Volumes = ReadVolumes();
  const String Folded = ExpandFileName(Path);
  const String Folder = Folded.size() > 1 ? ExcludeTrailingPathDelimiter(Folded) : Folded;
  const TVolume* Volume = VolumeOfPath(Volumes, Folder);
  return Volume ? Volume->MountPoint : String("/");
}
