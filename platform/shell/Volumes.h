#pragma once
// The mounted file systems the namespace shows under Computer, in place of drives.
#include <string_view>
#include <vector>

#include "platform/base/Types.h"

/// A mounted file system shown under Computer.
struct TVolume {
  String MountPoint;        // absolute path
  String FileSystem;        // the type it is mounted as: ext4, vfat, nfs, ...
  String Source;            // the mounted device or remote source
  String Label;             // "" when none is known
  bool Removable { false }; // mounted under /media or /run/media
  bool CaseInsensitive { false }; // FAT, exFAT or NTFS: names that differ only in case are one
};

/// The volumes of a mount table in the kernel's mountinfo format: the root "/" first (always, whatever
/// the table holds), then, ordered by mount point, every mount of a real file system wherever it is
/// mounted; pseudo file systems (proc, sysfs, tmpfs, cgroup, ...) are left out. A mount point mounted
/// over keeps its latest mount. Labels are not filled in.
std::vector<TVolume> ParseMountInfo(std::string_view Text);
/// The volumes of this system now (/proc/self/mountinfo) whose mount point is a folder this user can
/// enter and read (the root always), with labels from /dev/disk/by-label.
std::vector<TVolume> ReadVolumes();
/// Makes ReadVolumes read Text, a mount table in the mountinfo format, instead of this system's, so tests
/// can mount a file system of any type on a folder of their own; "" goes back to this system's table.
void OverrideMountTable(const String& Text);
/// True for the file systems whose names compare without case (FAT, exFAT, NTFS).
bool IsCaseInsensitiveFileSystem(std::string_view FileSystem);
/// Of Volumes, the one whose mount point is Path or the longest folder above it; Path is absolute and
/// folded (no "." or ".." parts, no repeated or trailing "/"). Null when none holds it.
const TVolume* VolumeOfPath(const std::vector<TVolume>& Volumes, std::string_view Path);
/// True for paths under /media or /run/media, where removable media are mounted.
bool IsRemovablePath(std::string_view Path);
/// How a volume shows: "File System" for "/", else its label (or the last part of its mount point)
/// followed by " (" + mount point + ")".
String VolumeDisplayName(const TVolume& Volume);
