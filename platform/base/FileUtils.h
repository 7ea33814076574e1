#pragma once
// Path and file helpers. "/" is the only separator: a name is what follows the last "/", and every other
// character (":" and "\" included) is an ordinary part of it. There are no drives. Names are UTF-8 bytes
// but are passed on unchanged even when they are not valid UTF-8.
#include <vector>

#include "platform/base/Types.h"

constexpr char PathDelim = '/';

/// The folder part of FileName with its trailing "/" ("" when FileName has no "/").
String ExtractFilePath(const String& FileName);
/// The folder part of FileName without its trailing "/", except for the root "/" itself.
String ExtractFileDir(const String& FileName);
/// What follows the last "/" of FileName.
String ExtractFileName(const String& FileName);
/// The extension of the name part: from its last "." (the dot included), "" when the name has no ".".
String ExtractFileExt(const String& FileName);
/// FileName with its extension replaced by Extension (appended when the name part has no ".").
String ChangeFileExt(const String& FileName, const String& Extension);
/// Always "": there are no drives.
String ExtractFileDrive(const String& FileName);
/// S with a "/" appended unless it already ends with one ("" gives "/").
String IncludeTrailingPathDelimiter(const String& S);
/// S without one trailing "/".
String ExcludeTrailingPathDelimiter(const String& S);
/// The absolute form of FileName: relative names are taken from the current folder; "." and ".." parts
/// and repeated "/" are folded away without resolving links; a trailing "/" is kept. "" stays "".
String ExpandFileName(const String& FileName);

/// Byte-wise comparison of file names (the file system tells letters of different case apart): negative, 0
/// or positive.
int AnsiCompareFileName(const String& S1, const String& S2);
/// True when S1 and S2 name the same file by their text (case counts).
bool SameFileName(const String& S1, const String& S2);

/// True when FileName exists and is not a folder (links are followed).
bool FileExists(const String& FileName);
/// True when Directory exists and is a folder (links are followed).
bool DirectoryExists(const String& Directory);
/// Why FileName is no regular file (links are followed): "" when it is one; the system's reason when
/// nothing can be found there ("No such file or directory"); else what it is instead ("Is a directory",
/// "Is a named pipe", "Is a device", "Is a socket"). Only regular files may be opened to read: a pipe
/// without a writer blocks its opener, and a device such as /dev/zero never ends.
String WhyNotRegularFile(const String& FileName);
/// The same for the open file Handle.
String WhyNotRegularFile(int Handle);
/// Creates Dir; false when it cannot be created (also when it exists already).
bool CreateDir(const String& Dir);
/// Creates Dir; a failure raises EInOutError naming the folder and the system's reason.
void MkDir(const String& Dir);
/// What entering Dir as the current folder checks, without changing it: Dir exists, is a folder (links
/// followed) and may be searched; otherwise raises EInOutError naming the folder and the system's reason.
void CheckFolderEnterable(const String& Dir);
/// Creates Dir and every missing folder above it; true when Dir exists as a folder afterwards.
bool ForceDirectories(const String& Dir);
/// Removes the file FileName (not a folder); false when that fails.
bool DeleteFile(const String& FileName);
/// Renames OldName to NewName; false when that fails or NewName exists already.
bool RenameFile(const String& OldName, const String& NewName);
/// Size in bytes of the file FileName, 0 for a folder, -1 when nothing of that name exists.
Int64 FileSizeOf(const String& FileName);
/// The process's current folder (without a trailing "/", except for the root).
String GetCurrentDir();
/// The value of the environment variable Name, "" when it is not set.
String GetEnvironmentVariable(const String& Name);
/// The user's home folder ($HOME, else the password database's entry), without a trailing "/".
String GetHomeDir();
/// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else the home folder's
/// ".config"; without a trailing "/".
String GetUserConfigDir();
/// Whether this process may create and replace files in the folder Dir now (by its effective rights, on
/// a file system that is not mounted read-only).
bool DirectoryWritable(const String& Dir);

/// The folder of the running executable with a trailing "/".
String ExePath();
/// Makes ExePath return Dir (with a trailing "/" added) instead of the executable's folder, so tests can
/// place the files the program keeps beside itself; "" goes back to the executable's folder.
void OverrideExePath(const String& Dir);

/// The kind of a folder entry: regular files (also through a link), folders (also through a link), and
/// everything else (devices, pipes, sockets, dangling links).
enum class TFileKind { Regular, Folder, Other };

/// What a folder listing knows of one entry, read without opening it.
struct TDirEntry {
  String Name;                            // the entry's name, bytes as stored
  TFileKind Kind { TFileKind::Other };
  Int64 Size { 0 };                       // bytes; 0 for folders and other entries
  Int64 LastWriteTime { 0 };              // seconds since 1970-01-01 UTC
};

/// Fills Entry for the path FileName (links followed); false when nothing of that name exists.
bool GetDirEntry(const String& FileName, TDirEntry& Entry);
/// The entries of Directory except "." and "..", hidden ones included, in the order the file system
/// gives them. Nothing is opened but the folder itself. When the folder cannot be read the result is
/// empty and Error (when given) receives the system's error number, else 0.
std::vector<TDirEntry> ListDirectory(const String& Directory, int* Error = nullptr);
