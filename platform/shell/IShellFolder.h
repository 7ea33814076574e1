#pragma once
// A folder of the shell namespace and the flags its calls take.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/WindowHandle.h"
#include "platform/shell/IContextMenu.h"
#include "platform/shell/ItemIDList.h"

// What EnumObjects lists. Names starting with "." are hidden.
constexpr uint32_t SHCONTF_FOLDERS = 0x20;
constexpr uint32_t SHCONTF_NONFOLDERS = 0x40;
constexpr uint32_t SHCONTF_INCLUDEHIDDEN = 0x80;

// Forms of GetDisplayNameOf.
constexpr uint32_t SHGDN_NORMAL = 0x0;        // the name shown anywhere
constexpr uint32_t SHGDN_INFOLDER = 0x1;      // the name shown inside the item's folder
constexpr uint32_t SHGDN_FORPARSING = 0x8000; // a name parsing takes back: the full path (with INFOLDER the
                                              // item's own name); virtual items give "::{Name}"

// Attributes of GetAttributesOf.
constexpr uint32_t SFGAO_CANCOPY = 0x1;            // file-system items
constexpr uint32_t SFGAO_CANMOVE = 0x2;            // file-system items in a writable folder
constexpr uint32_t SFGAO_CANLINK = 0x4;            // file-system items
constexpr uint32_t SFGAO_CANRENAME = 0x10;         // file-system items in a writable folder
constexpr uint32_t SFGAO_CANDELETE = 0x20;         // file-system items in a writable folder
constexpr uint32_t SFGAO_HASPROPSHEET = 0x40;      // file-system items
constexpr uint32_t SFGAO_DROPTARGET = 0x100;       // writable folders
constexpr uint32_t SFGAO_LINK = 0x10000;           // symbolic links
constexpr uint32_t SFGAO_SHARE = 0x20000;          // never
constexpr uint32_t SFGAO_READONLY = 0x40000;       // the item cannot be written
constexpr uint32_t SFGAO_GHOSTED = 0x80000;        // names starting with "."
constexpr uint32_t SFGAO_HIDDEN = 0x100000;        // names starting with "."
constexpr uint32_t SFGAO_REMOVABLE = 0x2000000;    // under /media or /run/media
constexpr uint32_t SFGAO_FILESYSANCESTOR = 0x10000000;  // folders, Computer and the desktop
constexpr uint32_t SFGAO_FOLDER = 0x20000000;      // folders (links followed), volumes, Computer, Home
constexpr uint32_t SFGAO_FILESYSTEM = 0x40000000;  // everything with a file-system path
constexpr uint32_t SFGAO_HASSUBFOLDER = 0x80000000; // a folder holding at least one folder
constexpr uint32_t SFGAO_VALIDATE = 0x1000000;     // never

/// A folder of the shell namespace: the desktop, Computer, or a file-system folder. Item-ID lists passed in
/// are relative to this folder and may span several levels; lists handed out belong to the caller.
/// The namespace opens nothing but folders (to list them): entries are examined with stat and lstat only,
/// so pipes, sockets and devices are listed but never touched.
class IShellFolder {
public:
  virtual ~IShellFolder() = default;

  /// The list, relative to this folder, of what DisplayName names. The desktop takes an absolute path
  /// (giving Computer, the volume holding the path, then one item per path component; "." and ".." are
  /// folded away as text) or a virtual item's parsing name; a file-system folder takes a relative path.
  /// Null when the text is not such a name or nothing of that name exists.
  virtual TItemIDListPtr ParseDisplayName(const String& DisplayName) = 0;
  /// The children selected by Flags (SHCONTF_*), in the file system's order: folders, regular files and
  /// links to them, never pipes, sockets, devices or dangling links; false, with Items empty, when the
  /// folder cannot be read.
  virtual bool EnumObjects(uint32_t Flags, std::vector<TItemIDListPtr>& Items) = 0;
  /// The folder object of a folder item (links followed); null for anything that is not a folder.
  virtual std::shared_ptr<IShellFolder> BindToObject(PCItemIDList ID) = 0;
  /// The order of two items, level by level: Computer, Home, volumes ("/" first), folders, then files;
  /// within a rank by name ignoring case, the bytes breaking ties (paths are case-sensitive); an ancestor
  /// before its descendants. Every column compares by name (only the low 16 bits of Column count).
  /// Returns -1, 0 or 1, so the low 16 bits read as a signed number give the order.
  virtual int CompareIDs(int Column, PCItemIDList ID1, PCItemIDList ID2) = 0;
  /// The SFGAO_* attributes of ID among Mask. Costly ones (SFGAO_HASSUBFOLDER reads the folder) are worked
  /// out only when asked for.
  virtual uint32_t GetAttributesOf(PCItemIDList ID, uint32_t Mask) = 0;
  /// The name of ID in the form Flags (SHGDN_*); false for a list this namespace did not make.
  virtual bool GetDisplayNameOf(PCItemIDList ID, uint32_t Flags, String& Name) = 0;
  /// The context menu of the item ID (see TShellContextMenu); null for the desktop, Computer and lists
  /// this namespace did not make. Owner is the window the menu is shown for; the menu keeps nothing of
  /// it.
  virtual std::shared_ptr<IContextMenu> GetUIObjectOf(HWND Owner, PCItemIDList ID) = 0;
  /// Renames the file-system item ID to NewName in its folder and returns its new list relative to this
  /// folder. Null, with nothing changed, when the item is no file-system entry of a folder, NewName is
  /// empty, "." or "..", holds "/" or NUL, or names something that exists, or the rename fails.
  virtual TItemIDListPtr SetNameOf(PCItemIDList ID, const String& NewName) = 0;
};
