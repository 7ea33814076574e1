#pragma once
// Item-ID lists: the paths of the shell namespace. A list is a run of item IDs, each a 16-bit byte count
// (the count field included) followed by its payload, ended by a zero count; the empty list is the
// desktop. Lists live in shell memory (IMalloc) and belong to whoever received them.
//
// The payload of an item ID this namespace makes is one kind byte followed by the item's name. Folders and
// files keep their raw file-name bytes, so names that are not valid UTF-8 survive unchanged.
#include <memory>
#include <optional>
#include <vector>

#include "platform/base/Types.h"

/// The first byte of an item-ID list in shell memory; only ever handled through pointers.
struct TItemIDList;
using PItemIDList = TItemIDList*;
using PCItemIDList = const TItemIDList*;

/// Gives an item-ID list back to the shell allocator.
struct TItemIDListDeleter {
  void operator()(PItemIDList ID) const;
};
/// An owned item-ID list; release() hands the raw list on to code that frees it with the allocator.
using TItemIDListPtr = std::unique_ptr<TItemIDList, TItemIDListDeleter>;

/// What an item ID of this namespace names.
enum class TShellItemKind : Byte {
  Virtual = 1,  // an item of no folder of its own: "Computer" or "Home"
  Volume = 2,   // a mounted file system; the name is its mount point
  Folder = 3,   // a folder (or a link to one) inside its parent; the name is its file name
  File = 4      // anything else inside its parent: files, links, pipes, devices
};

/// One decoded item ID.
struct TShellItem {
  TShellItemKind Kind { TShellItemKind::File };
  String Name;
  friend bool operator==(const TShellItem&, const TShellItem&) = default;
};

/// The items of ID in order (none for the desktop's empty list). Nothing for a null ID or one holding an
/// item ID this namespace does not make: an unknown kind or virtual name, a file name that is empty, "."
/// or ".." or holds "/" or NUL, a volume that is not an absolute path.
std::optional<std::vector<TShellItem>> DecodeItemIDList(PCItemIDList ID);
/// A new list holding Items in order (the empty list for none); null when an item is too long for an item
/// ID or memory cannot be had.
TItemIDListPtr EncodeItemIDList(const std::vector<TShellItem>& Items);
