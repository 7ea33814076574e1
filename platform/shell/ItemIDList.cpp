#include "platform/shell/ItemIDList.h"

#include <cstring>
#include <limits>

#include "platform/shell/IMalloc.h"

namespace {

constexpr size_t CountBytes = 2;

Word ReadCount(const Byte* P) {
  Word count;
  std::memcpy(&count, P, sizeof count);  // counts follow odd-sized items, so they are not aligned
  return count;
}

void WriteCount(Byte* P, Word Count) {
  std::memcpy(P, &Count, sizeof Count);
}

bool ValidItem(const TShellItem& Item) {
  switch (Item.Kind) {
    case TShellItemKind::Virtual:
      return Item.Name == "Computer" || Item.Name == "Home";
    case TShellItemKind::Volume:
      return !Item.Name.empty() && Item.Name[0] == '/' && Item.Name.find('\0') == String::npos;
    case TShellItemKind::Folder:
    case TShellItemKind::File:
      return !Item.Name.empty() && Item.Name != "." && Item.Name != ".." &&
             Item.Name.find_first_of(String("/\0", 2)) == String::npos;
  }
  return false;
}

}  // namespace

void TItemIDListDeleter::operator()(PItemIDList ID) const {
  SHGetMalloc().Free(ID);
}

std::optional<std::vector<TShellItem>> DecodeItemIDList(PCItemIDList ID) {
  if (!ID) return std::nullopt;
  std::vector<TShellItem> items;
  const Byte* p = reinterpret_cast<const Byte*>(ID);
  for (Word count = ReadCount(p); count != 0; count = ReadCount(p)) {
    if (count <= CountBytes) return std::nullopt;  // an item with no kind byte (a count of 1 would never end)
    TShellItem item;
    item.Kind = static_cast<TShellItemKind>(p[CountBytes]);
    item.Name.assign(reinterpret_cast<const char*>(p + CountBytes + 1), count - CountBytes - 1);
    if (!ValidItem(item)) return std::nullopt;
    items.push_back(std::move(item));
    p += count;
  }
  return items;
}

TItemIDListPtr EncodeItemIDList(const std::vector<TShellItem>& Items) {
  size_t size = CountBytes;
  for (const TShellItem& item : Items) {
    const size_t count = CountBytes + 1 + item.Name.size();
    if (count > std::numeric_limits<Word>::max()) return nullptr;
    size += count;
  }
  Byte* memory = static_cast<Byte*>(SHGetMalloc().Alloc(size));
  if (!memory) return nullptr;
  Byte* p = memory;
  for (const TShellItem& item : Items) {
    const Word count = static_cast<Word>(CountBytes + 1 + item.Name.size());
    WriteCount(p, count);
    p[CountBytes] = static_cast<Byte>(item.Kind);
    std::memcpy(p + CountBytes + 1, item.Name.data(), item.Name.size());
    p += count;
  }
  WriteCount(p, 0);
  return TItemIDListPtr(reinterpret_cast<PItemIDList>(memory));
}
