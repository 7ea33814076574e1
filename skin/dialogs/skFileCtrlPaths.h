#pragma once
// Path helpers of the file controls and dialogs. "/" is the only separator and there are no drive
// letters: where a drive is asked for, the mounted volume that holds a path stands in for it (its mount
// point), and every path has the root "/" above it. Nothing here changes the process's current folder:
// a folder is "entered" by checking that it could be.
#include "platform/base/Types.h"

class TCanvas;

/// Letter case of the drive combo's names.
enum TTextCase { tcLowerCase, tcUpperCase };

/// S with its letters in TextCase.
String InTextCase(const String& S, TTextCase TextCase);
/// True for the file systems of network volumes (nfs, cifs, sshfs, ...).
bool IsNetworkFileSystem(const String& FileSystem);
/// True when Path names a folder (links followed).
bool FolderExists(const String& Path);
/// Whether a folder search for Pattern finds Name: a pattern ending in ".*" also finds names without an
/// extension, so "*.*" finds every name.
bool SearchFinds(const String& Name, const String& Pattern);
/// Path + S when Path ends with "/", else Path + "/" + S.
String AppendPathPart(const String& Path, const String& S);
/// One shortening step of a folder part: "/a/b/c/" becomes "/.../b/c/", then "/.../c/", then "/.../";
/// ".../" and "/" become empty.
void CutFirstFolder(String& S);
/// FileName shortened folder by folder ("/.../b/file", "/.../file", ".../file", then "file") until its
/// text width on Canvas is at most MaxLen or only the name is left.
String ShortenPathToWidth(const String& FileName, TCanvas* Canvas, int MaxLen);
/// "[" + the label of the volume mounted at Drive + "]", in TextCase; "[]" when it has none or Drive is
/// no mount point.
String GetVolumeLabelText(const String& Drive, TTextCase TextCase);
/// The remote source of the network volume mounted at Drive (such as "//server/share") in TextCase; for
/// any other volume GetVolumeLabelText.
String GetNetworkDriveName(const String& Drive, TTextCase TextCase);
/// Splits a typed path into the volume that holds its folder (Drive: a mount point), the folder
/// (DirPart: absolute, without trailing "/" except for the root) and a file name or pattern (FilePart).
/// A relative text is taken from BaseDir; "[name]" (a folder as the file list shows it) names that
/// folder of BaseDir. A last part that is neither a pattern nor an existing file must be a folder and
/// joins DirPart. A folder on the way that cannot be entered raises EInOutError.
void SplitEditPath(const String& EditText, const String& BaseDir, String& Drive, String& DirPart, String& FilePart);
/// The number of "/" in S: the depth of a folder path.
int CountBackslashes(const String& S);
/// The mount point of the volume that holds the absolute Path ("/" when no other does).
String DriveOfPath(const String& Path);
