#pragma once
// Helpers over item-ID lists (platform/shell/ItemIDList.h): counting, copying, joining and splitting them
// byte-wise, whatever items they hold. Every list made here comes from the shell allocator and belongs to
// the caller.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/shell/IShellFolder.h"
#include "platform/shell/ItemIDList.h"
#include "skin/dialogs/skShellTypes.h"

/// Size bytes from the shell allocator, zero-filled; null when none can be had.
void* AllocShellMemory(size_t Size);
/// Gives P back to the shell allocator; null is ignored.
void FreeShellMemory(void* P);

/// The item ID after ID (ID plus its count); ID must not be the terminator.
PCItemIDList NextItemID(PCItemIDList ID);
/// The number of item IDs before the terminator; 0 for null.
int ItemIDCount(PCItemIDList ID);
/// The bytes of the list including its 2-byte terminator; 0 for null.
size_t ItemIDListSize(PCItemIDList ID);
/// A new copy of the whole list; null for null.
TItemIDListPtr CopyItemIDList(PCItemIDList ID);
/// A new list: ID1 without its terminator followed by ID2 (either may be null, read as the empty list).
TItemIDListPtr JoinItemIDLists(PCItemIDList ID1, PCItemIDList ID2);
/// Ends the list before its last item ID, in place; nothing for null or the empty list.
void RemoveLastItemID(PItemIDList ID);
/// A new list holding only the last item ID (the empty list for the empty list; null for null).
TItemIDListPtr LastItemIDCopy(PCItemIDList ID);
/// New lists of the ancestors of ID from the desktop (the empty list) down to its parent; none for the
/// desktop or null.
std::vector<TItemIDListPtr> ItemIDAncestors(PCItemIDList ID);
/// Whether the desktop's CompareIDs (column 0) of the two absolute lists answers 0.
bool SameItemIDList(PCItemIDList ID1, PCItemIDList ID2);

/// The desktop's absolute list (the empty list).
TItemIDListPtr DesktopItemIDList();
/// The desktop folder.
std::shared_ptr<IShellFolder> DesktopShellFolder();
/// The index of the item's icon in the system image list of its size (ShellSystemImageList); Open asks for
/// a folder's open form. -1 for a list of no item.
int ShellImageIndex(PCItemIDList ID, bool Large, bool Open);
/// The EnumObjects flags of a set: otFolders 0x20, otNonFolders 0x40, otHidden 0x80.
uint32_t ObjectTypesToEnumFlags(TShellObjectTypes Types);
/// Whether enumerating Folder with Flags gives at least one item; false for null or a failed enumeration.
bool FolderHasItems(IShellFolder* Folder, uint32_t Flags);
