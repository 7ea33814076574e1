#include "platform/shell/Volumes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/FileUtils.h"

namespace {

// Kernel and memory file systems that hold no user data.
constexpr std::array<std::string_view, 26> PseudoFileSystems {
  "autofs", "binfmt_misc", "bpf", "cgroup", "cgroup2", "configfs", "debugfs", "devpts", "devtmpfs",
  "efivarfs", "fusectl", "hugetlbfs", "mqueue", "nsfs", "overlay", "proc", "pstore", "ramfs", "rpc_pipefs",
  "securityfs", "selinuxfs", "squashfs", "sysfs", "tmpfs", "tracefs", "fuse.portal",
};

bool IsUnder(std::string_view Path, std::string_view Folder) {
  return Path.size() > Folder.size() && Path.substr(0, Folder.size()) == Folder && Path[Folder.size()] == '/';
}

constexpr std::array<std::string_view, 6> CaseInsensitiveFileSystems {
  "vfat", "msdos", "fat", "exfat", "ntfs", "ntfs3",
};

/// A folder this user can enter and list.
bool ReadableFolder(const String& Path) {
  struct stat st {};
  return ::stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && ::access(Path.c_str(), R_OK | X_OK) == 0;
}

bool IsPseudo(std::string_view FileSystem) {
  return std::find(PseudoFileSystems.begin(), PseudoFileSystems.end(), FileSystem) != PseudoFileSystems.end();
}

bool IsOctal(char C) {
  return C >= '0' && C <= '7';
}

// The table writes blanks, tabs, line breaks and backslashes inside a field as "\ooo".
String Unescape(std::string_view Field) {
  String out;
  for (size_t i = 0; i < Field.size(); ++i) {
    if (Field[i] == '\\' && i + 3 < Field.size() && IsOctal(Field[i + 1]) && IsOctal(Field[i + 2]) &&
        IsOctal(Field[i + 3])) {
      out += static_cast<char>((Field[i + 1] - '0') * 64 + (Field[i + 2] - '0') * 8 + (Field[i + 3] - '0'));
      i += 3;
    } else {
      out += Field[i];
    }
  }
  return out;
}

std::vector<std::string_view> SplitFields(std::string_view Line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (start < Line.size()) {
    const size_t end = std::min(Line.find(' ', start), Line.size());
    if (end > start) fields.push_back(Line.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

// One line: id parent major:minor root mount-point options [optional fields...] - type source super-options.
bool ParseLine(std::string_view Line, TVolume& Volume) {
  const std::vector<std::string_view> fields = SplitFields(Line);
  if (fields.size() < 7) return false;
  const auto dash = std::find(fields.begin() + 6, fields.end(), std::string_view("-"));
  if (dash == fields.end() || fields.end() - dash < 3) return false;
  Volume.MountPoint = Unescape(fields[4]);
  Volume.FileSystem = Unescape(dash[1]);
  Volume.Source = Unescape(dash[2]);
  Volume.Removable = IsRemovablePath(Volume.MountPoint);
  Volume.CaseInsensitive = IsCaseInsensitiveFileSystem(Volume.FileSystem);
  return true;
}

// /dev/disk/by-label holds one link per labelled device, named by the label with blanks and other
// special bytes written as "\xHH".
String UnescapeLabel(std::string_view Name) {
  String out;
  for (size_t i = 0; i < Name.size(); ++i) {
    if (Name[i] == '\\' && i + 3 < Name.size() && Name[i + 1] == 'x' && std::isxdigit(Byte(Name[i + 2])) &&
        std::isxdigit(Byte(Name[i + 3]))) {
      out += static_cast<char>(std::stoi(String(Name.substr(i + 2, 2)), nullptr, 16));
      i += 3;
    } else {
      out += Name[i];
    }
  }
  return out;
}

String RealPath(const String& Path) {
  char* resolved = ::realpath(Path.c_str(), nullptr);
  if (!resolved) return String();
  String out(resolved);
  std::free(resolved);
  return out;
}

std::mutex MountTableLock;
String MountTableOverride;

/// The mount table given to OverrideMountTable, else this process's own.
String MountTable() {
  {
    std::lock_guard lock(MountTableLock);
    if (!MountTableOverride.empty()) return MountTableOverride;
  }
  std::ifstream file("/proc/self/mountinfo");
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void FillLabels(std::vector<TVolume>& Volumes) {
  const String folder = "/dev/disk/by-label";
  for (const TDirEntry& entry : ListDirectory(folder)) {
    const String device = RealPath(folder + "/" + entry.Name);
    if (device.empty()) continue;
    for (TVolume& volume : Volumes)
      if (volume.Source.starts_with("/dev/") && RealPath(volume.Source) == device)
        volume.Label = UnescapeLabel(entry.Name);
  }
}

}  // namespace

std::vector<TVolume> ParseMountInfo(std::string_view Text) {
  TVolume root { "/", "", "", "", false };
  std::vector<TVolume> others;
  size_t start = 0;
  while (start < Text.size()) {
    const size_t end = std::min(Text.find('\n', start), Text.size());
    TVolume volume;
    if (ParseLine(Text.substr(start, end - start), volume)) {
      if (volume.MountPoint == "/") {
        root = volume;
      } else if (!IsPseudo(volume.FileSystem)) {
        std::erase_if(others, [&](const TVolume& v) { return v.MountPoint == volume.MountPoint; });
        others.push_back(volume);
      }
    }
    start = end + 1;
  }
  std::sort(others.begin(), others.end(),
            [](const TVolume& A, const TVolume& B) { return A.MountPoint < B.MountPoint; });
  others.insert(others.begin(), root);
  return others;
}

void OverrideMountTable(const String& Text) {
  std::lock_guard lock(MountTableLock);
  MountTableOverride = Text;
}

std::vector<TVolume> ReadVolumes() {
  std::vector<TVolume> volumes = ParseMountInfo(MountTable());
  std::erase_if(volumes, [](const TVolume& v) { return v.MountPoint != "/" && !ReadableFolder(v.MountPoint); });
  FillLabels(volumes);
  return volumes;
}

const TVolume* VolumeOfPath(const std::vector<TVolume>& Volumes, std::string_view Path) {
  const TVolume* best = nullptr;
  for (const TVolume& volume : Volumes) {
    const bool holds = volume.MountPoint == "/" || Path == volume.MountPoint || IsUnder(Path, volume.MountPoint);
    if (holds && (!best || volume.MountPoint.size() > best->MountPoint.size())) best = &volume;
  }
  return best;
}

bool IsCaseInsensitiveFileSystem(std::string_view FileSystem) {
  return std::find(CaseInsensitiveFileSystems.begin(), CaseInsensitiveFileSystems.end(), FileSystem) !=
         CaseInsensitiveFileSystems.end();
}

bool IsRemovablePath(std::string_view Path) {
  return IsUnder(Path, "/media") || IsUnder(Path, "/run/media");
}

String VolumeDisplayName(const TVolume& Volume) {
  if (Volume.MountPoint == "/") return "File System";
  const String name = Volume.Label.empty() ? ExtractFileName(Volume.MountPoint) : Volume.Label;
  return name + " (" + Volume.MountPoint + ")";
}
