#pragma once
// Icons, names and type names of namespace items.
#include <cstdint>

#include "platform/base/Types.h"
#include "platform/shell/ItemIDList.h"
#include "platform/shell/SystemImageList.h"
#include "platform/shell/TShellImageList.h"

// What SHGetFileInfo fills in, and at which icon size.
constexpr uint32_t SHGFI_LARGEICON = 0x0;
constexpr uint32_t SHGFI_SMALLICON = 0x1;
constexpr uint32_t SHGFI_OPENICON = 0x2;
constexpr uint32_t SHGFI_DISPLAYNAME = 0x200;
constexpr uint32_t SHGFI_TYPENAME = 0x400;
constexpr uint32_t SHGFI_SYSICONINDEX = 0x4000;

/// The answers of SHGetFileInfo.
struct TShellFileInfo {
  int IconIndex { -1 };  // a TShellIcon
  String DisplayName;
  String TypeName;
};

/// What Flags ask about the item of the absolute list ID: the index of its icon in the namespace's icon
/// lists (SHGFI_SYSICONINDEX; a folder's open form with SHGFI_OPENICON), its in-folder name
/// (SHGFI_DISPLAYNAME), its type name (SHGFI_TYPENAME). Returns the system image list (ShellSystemImageList)
/// of the size Flags ask for (16 x 16 with SHGFI_SMALLICON, else 32 x 32), or 0, with Info untouched, when
/// ID is not a list of this namespace.
HIMAGELIST SHGetFileInfo(PCItemIDList ID, uint32_t Flags, TShellFileInfo& Info);
/// The same for what the absolute path Path names; 0 when nothing of that name exists.
HIMAGELIST SHGetFileInfo(const String& Path, uint32_t Flags, TShellFileInfo& Info);
/// The type name of an item: "Folder" for folders, else the upper-case extension followed by " file"
/// ("AVI file"), or "File" for a name without an extension.
String ShellTypeName(const String& Name, bool IsFolder);
/// The size of a file as the namespace shows it: whole kilobytes, rounded up, followed by " KB".
String ShellSizeText(Int64 Bytes);
/// A time (seconds since 1970-01-01 UTC) as the namespace shows it: "yyyy-mm-dd hh:nn" in local time.
String ShellTimeText(Int64 Seconds);
