#include "skin/dialogs/skShellItemIDs.h"

#include <cstring>

#include "platform/shell/IMalloc.h"
#include "platform/shell/ShellFileInfo.h"
#include "platform/shell/ShellNamespace.h"

namespace {

constexpr size_t CountBytes = 2;

Word CountAt(const Byte* P) {
  Word count;
  std::memcpy(&count, P, sizeof count);  // counts follow odd-sized items, so they are not aligned
  return count;
}

const Byte* BytesOf(PCItemIDList ID) {
  return reinterpret_cast<const Byte*>(ID);
}

/// The bytes of ID before its terminator.
size_t ItemBytes(PCItemIDList ID) {
  return ID ? ItemIDListSize(ID) - CountBytes : 0;
}

TItemIDListPtr NewList(size_t Size) {
  return TItemIDListPtr(static_cast<PItemIDList>(AllocShellMemory(Size)));
}

}  // namespace

void* AllocShellMemory(size_t Size) {
  void* memory = SHGetMalloc().Alloc(Size);
  if (memory) std::memset(memory, 0, Size);
  return memory;
}

void FreeShellMemory(void* P) {
  SHGetMalloc().Free(P);
}

PCItemIDList NextItemID(PCItemIDList ID) {
  return reinterpret_cast<PCItemIDList>(BytesOf(ID) + CountAt(BytesOf(ID)));
}

int ItemIDCount(PCItemIDList ID) {
  int count = 0;
  if (ID)
    for (; CountAt(BytesOf(ID)) != 0; ID = NextItemID(ID)) ++count;
  return count;
}

size_t ItemIDListSize(PCItemIDList ID) {
  if (!ID) return 0;
  size_t size = CountBytes;
  for (; CountAt(BytesOf(ID)) != 0; ID = NextItemID(ID)) size += CountAt(BytesOf(ID));
  return size;
}

TItemIDListPtr CopyItemIDList(PCItemIDList ID) {
  if (!ID) return nullptr;
  const size_t size = ItemIDListSize(ID);
  TItemIDListPtr copy = NewList(size);
  if (copy) std::memcpy(copy.get(), ID, size);
  return copy;
}

TItemIDListPtr JoinItemIDLists(PCItemIDList ID1, PCItemIDList ID2) {
  const size_t first = ItemBytes(ID1);
  const size_t second = ItemBytes(ID2);
  TItemIDListPtr joined = NewList(first + second + CountBytes);  // zero-filled: the terminator is there
  if (!joined) return nullptr;
  Byte* p = reinterpret_cast<Byte*>(joined.get());
  if (first) std::memcpy(p, ID1, first);
  if (second) std::memcpy(p + first, ID2, second);
  return joined;
}

void RemoveLastItemID(PItemIDList ID) {
  if (!ID || CountAt(BytesOf(ID)) == 0) return;
  PCItemIDList last = ID;
  for (PCItemIDList next = NextItemID(last); CountAt(BytesOf(next)) != 0; next = NextItemID(next)) last = next;
  std::memset(const_cast<Byte*>(BytesOf(last)), 0, CountBytes);
}

TItemIDListPtr LastItemIDCopy(PCItemIDList ID) {
  if (!ID) return nullptr;
  PCItemIDList last = ID;
  if (CountAt(BytesOf(ID)) != 0)
    for (PCItemIDList next = NextItemID(last); CountAt(BytesOf(next)) != 0; next = NextItemID(next)) last = next;
  const size_t size = CountAt(BytesOf(last));
  TItemIDListPtr copy = NewList(size + CountBytes);
  if (copy) std::memcpy(copy.get(), last, size);
  return copy;
}

std::vector<TItemIDListPtr> ItemIDAncestors(PCItemIDList ID) {
  std::vector<TItemIDListPtr> ancestors;
  const int count = ItemIDCount(ID);
  size_t bytes = 0;
  PCItemIDList item = ID;
  for (int i = 0; i < count; ++i) {
    TItemIDListPtr ancestor = NewList(bytes + CountBytes);
    if (!ancestor) break;
    if (bytes) std::memcpy(ancestor.get(), ID, bytes);
    ancestors.push_back(std::move(ancestor));
    bytes += CountAt(BytesOf(item));
    item = NextItemID(item);
  }
  return ancestors;
}

bool SameItemIDList(PCItemIDList ID1, PCItemIDList ID2) {
  return short(DesktopShellFolder()->CompareIDs(0, ID1, ID2) & 0xFFFF) == 0;
}

TItemIDListPtr DesktopItemIDList() {
  return SHGetSpecialFolderLocation(CSIDL_DESKTOP);
}

std::shared_ptr<IShellFolder> DesktopShellFolder() {
  return SHGetDesktopFolder();
}

int ShellImageIndex(PCItemIDList ID, bool Large, bool Open) {
  TShellFileInfo info;
  SHGetFileInfo(ID, SHGFI_SYSICONINDEX | (Large ? SHGFI_LARGEICON : SHGFI_SMALLICON) | (Open ? SHGFI_OPENICON : 0),
                info);
  return info.IconIndex;
}

uint32_t ObjectTypesToEnumFlags(TShellObjectTypes Types) {
  return uint32_t(Types.Bits() * 32);
}

bool FolderHasItems(IShellFolder* Folder, uint32_t Flags) {
  std::vector<TItemIDListPtr> items;
  return Folder && Folder->EnumObjects(Flags, items) && !items.empty();
}
