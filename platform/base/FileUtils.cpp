#include "platform/base/FileUtils.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <system_error>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

namespace {

size_t NameStart(const String& FileName) {
  size_t slash = FileName.rfind(PathDelim);
  return slash == String::npos ? 0 : slash + 1;
}

/// Index of the dot that starts the extension, or npos.
size_t ExtensionStart(const String& FileName) {
  size_t dot = FileName.rfind('.');
  return dot == String::npos || dot < NameStart(FileName) ? String::npos : dot;
}

TFileKind KindOf(const struct stat& st) {
  if (S_ISREG(st.st_mode)) return TFileKind::Regular;
  if (S_ISDIR(st.st_mode)) return TFileKind::Folder;
  return TFileKind::Other;
}

/// Fills Entry from the entry Name relative to the folder descriptor Dir (AT_FDCWD for the current one),
/// following links; a dangling link is an Other entry.
bool StatEntry(int Dir, const char* Name, TDirEntry& Entry) {
  struct stat st {};
  if (fstatat(Dir, Name, &st, 0) != 0 && fstatat(Dir, Name, &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
  Entry.Kind = S_ISLNK(st.st_mode) ? TFileKind::Other : KindOf(st);
  Entry.Size = Entry.Kind == TFileKind::Regular ? Int64(st.st_size) : 0;
  Entry.LastWriteTime = Int64(st.st_mtim.tv_sec);
  return true;
}

bool StatFollowing(const String& FileName, struct stat& st) {
  return !FileName.empty() && stat(FileName.c_str(), &st) == 0;
}

String WhatItIs(const struct stat& st) {
  if (S_ISREG(st.st_mode)) return String();
  if (S_ISDIR(st.st_mode)) return std::system_category().message(EISDIR);
  if (S_ISFIFO(st.st_mode)) return "Is a named pipe";
  if (S_ISSOCK(st.st_mode)) return "Is a socket";
  return "Is a device";
}

std::mutex ExePathLock;
String ExePathOverride;

String ExecutableFolder() {
  String target(256, '\0');
  for (;;) {
    ssize_t n = readlink("/proc/self/exe", target.data(), target.size());
    if (n < 0) return "./";
    if (size_t(n) < target.size()) {
      target.resize(size_t(n));
      return ExtractFilePath(target);
    }
    target.resize(target.size() * 2);
  }
}

} // namespace

String ExtractFilePath(const String& FileName) { return FileName.substr(0, NameStart(FileName)); }

String ExtractFileDir(const String& FileName) {
  String path = ExtractFilePath(FileName);
  if (path.size() > 1) path.pop_back();
  return path;
}

String ExtractFileName(const String& FileName) { return FileName.substr(NameStart(FileName)); }

String ExtractFileExt(const String& FileName) {
  size_t dot = ExtensionStart(FileName);
  return dot == String::npos ? String() : FileName.substr(dot);
}

String ChangeFileExt(const String& FileName, const String& Extension) {
  return FileName.substr(0, ExtensionStart(FileName)) + Extension;
}

String ExtractFileDrive(const String&) { return String(); }

String IncludeTrailingPathDelimiter(const String& S) {
  return !S.empty() && S.back() == PathDelim ? S : S + PathDelim;
}

String ExcludeTrailingPathDelimiter(const String& S) {
  return !S.empty() && S.back() == PathDelim ? S.substr(0, S.size() - 1) : S;
}

String ExpandFileName(const String& FileName) {
  if (FileName.empty()) return String();
  String path = FileName[0] == PathDelim ? FileName : IncludeTrailingPathDelimiter(GetCurrentDir()) + FileName;
  std::vector<String> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(PathDelim, start);
    if (end == String::npos) end = path.size();
    String part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  String result;
  for (const String& part : parts) result += PathDelim + part;
  if (result.empty()) return String(1, PathDelim);
  if (FileName.back() == PathDelim) result += PathDelim;
  return result;
}

int AnsiCompareFileName(const String& S1, const String& S2) { return CompareStr(S1, S2); }

bool SameFileName(const String& S1, const String& S2) { return S1 == S2; }

bool FileExists(const String& FileName) {
  struct stat st {};
  return StatFollowing(FileName, st) && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const String& Directory) {
  struct stat st {};
  return StatFollowing(Directory, st) && S_ISDIR(st.st_mode);
}

String WhyNotRegularFile(const String& FileName) {
  struct stat st {};
  if (!StatFollowing(FileName, st)) return std::system_category().message(FileName.empty() ? ENOENT : errno);
  return WhatItIs(st);
}

String WhyNotRegularFile(int Handle) {
  struct stat st {};
  if (fstat(Handle, &st) != 0) return std::system_category().message(errno);
  return WhatItIs(st);
}

bool CreateDir(const String& Dir) { return !Dir.empty() && mkdir(Dir.c_str(), 0777) == 0; }

void MkDir(const String& Dir) {
  if (CreateDir(Dir)) return;
  int error = Dir.empty() ? ENOENT : errno;
  throw EInOutError("Cannot create the folder \"" + Dir + "\": " + std::generic_category().message(error));
}

void CheckFolderEnterable(const String& Dir) {
  struct stat info {};
  int error = 0;
  if (Dir.empty()) error = ENOENT;
  else if (::stat(Dir.c_str(), &info) != 0) error = errno;
  else if (!S_ISDIR(info.st_mode)) error = ENOTDIR;
  else if (::access(Dir.c_str(), X_OK) != 0) error = errno;
  if (error != 0)
    throw EInOutError("Cannot enter the folder \"" + Dir + "\": " + std::generic_category().message(error));
}

bool ForceDirectories(const String& Dir) {
  String dir = Dir;
  while (dir.size() > 1 && dir.back() == PathDelim) dir.pop_back();
  if (dir.empty()) return false;
  if (DirectoryExists(dir)) return true;
  String parent = ExtractFileDir(dir);
  if (!parent.empty() && parent != dir && !ForceDirectories(parent)) return false;
  CreateDir(dir);
  return DirectoryExists(dir);  // someone else may have created it meanwhile
}

bool DeleteFile(const String& FileName) { return !FileName.empty() && unlink(FileName.c_str()) == 0; }

bool RenameFile(const String& OldName, const String& NewName) {
  if (OldName.empty() || NewName.empty()) return false;
  // A rename must never replace an existing file silently.
  if (renameat2(AT_FDCWD, OldName.c_str(), AT_FDCWD, NewName.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  struct stat st {};
  if (lstat(NewName.c_str(), &st) == 0) return false;
  return rename(OldName.c_str(), NewName.c_str()) == 0;
}

Int64 FileSizeOf(const String& FileName) {
  TDirEntry entry;
  return GetDirEntry(FileName, entry) ? entry.Size : -1;
}

String GetCurrentDir() {
  String buffer(256, '\0');
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return String();
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(buffer.find('\0'));
  return buffer;
}

String GetEnvironmentVariable(const String& Name) {
  const char* value = std::getenv(Name.c_str());
  return value ? String(value) : String();
}

String GetHomeDir() {
  String home = GetEnvironmentVariable("HOME");
  if (home.empty()) {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
    struct passwd pw {};
    struct passwd* found = nullptr;
    if (getpwuid_r(getuid(), &pw, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
      home = found->pw_dir;
  }
  while (home.size() > 1 && home.back() == PathDelim) home.pop_back();
  return home;
}

String GetUserConfigDir() {
  const String config = GetEnvironmentVariable("XDG_CONFIG_HOME");
  if (config.starts_with(PathDelim)) return config.size() > 1 ? ExcludeTrailingPathDelimiter(config) : config;
  return GetHomeDir() + "/.config";
}

bool DirectoryWritable(const String& Dir) {
  return DirectoryExists(Dir) && faccessat(AT_FDCWD, Dir.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

String ExePath() {
  static const String folder = ExecutableFolder();
  std::lock_guard lock(ExePathLock);
  return ExePathOverride.empty() ? folder : ExePathOverride;
}

void OverrideExePath(const String& Dir) {
  std::lock_guard lock(ExePathLock);
  ExePathOverride = Dir.empty() ? Dir : IncludeTrailingPathDelimiter(Dir);
}

bool GetDirEntry(const String& FileName, TDirEntry& Entry) {
  if (FileName.empty() || !StatEntry(AT_FDCWD, FileName.c_str(), Entry)) return false;
  Entry.Name = ExtractFileName(ExcludeTrailingPathDelimiter(FileName));
  return true;
}

std::vector<TDirEntry> ListDirectory(const String& Directory, int* Error) {
  std::vector<TDirEntry> entries;
  if (Error) *Error = 0;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(Directory.c_str()), closedir);
  if (!dir) {
    if (Error) *Error = errno;
    return entries;
  }
  while (dirent* d = readdir(dir.get())) {
    String name = d->d_name;
    if (name == "." || name == "..") continue;
    TDirEntry entry;
    entry.Name = name;
    // An entry that vanished between the listing and the look-up is left out.
    if (StatEntry(dirfd(dir.get()), d->d_name, entry)) entries.push_back(std::move(entry));
  }
  return entries;
}
