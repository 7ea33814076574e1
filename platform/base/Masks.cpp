#include "platform/base/Masks.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/base/SysUtils.h"

namespace {

/// One position of a mask: a character, "?", "*" or a set of ranges (a single character is a range of one).
struct TMaskItem {
  enum class TKind { Char, AnyChar, AnyRun, Set } Kind { TKind::Char };
  char32_t Char { 0 };
  bool Negated { false };
  std::vector<std::pair<char32_t, char32_t>> Ranges;

  bool Matches(char32_t c) const {
    switch (Kind) {
      case TKind::Char: return LowerCodePoint(c) == Char;
      case TKind::AnyChar: return true;
      case TKind::Set: return InSet(c) != Negated;
      default: return false;
    }
  }

  bool InSet(char32_t c) const {
    char32_t lower = LowerCodePoint(c);
    for (auto [first, last] : Ranges)
      if ((c >= first && c <= last) || (lower >= LowerCodePoint(first) && lower <= LowerCodePoint(last)))
        return true;
    return false;
  }
};

/// Reads the set that starts after the "[" at Index; false (Index unchanged) when no "]" closes it.
bool ReadSet(std::string_view Mask, size_t& Index, TMaskItem& Item) {
  size_t i = Index;
  Item.Kind = TMaskItem::TKind::Set;
  if (i < Mask.size() && Mask[i] == '!') {
    Item.Negated = true;
    ++i;
  }
  while (i < Mask.size() && Mask[i] != ']') {
    char32_t first = ReadCodePoint(Mask, i);
    char32_t last = first;
    if (i + 1 < Mask.size() && Mask[i] == '-' && Mask[i + 1] != ']') {
      ++i;
      last = ReadCodePoint(Mask, i);
    }
    Item.Ranges.emplace_back(first, last);
  }
  if (i >= Mask.size()) return false;
  Index = i + 1;
  return true;
}

std::vector<TMaskItem> ParseMask(std::string_view Mask) {
  std::vector<TMaskItem> items;
  for (size_t i = 0; i < Mask.size();) {
    TMaskItem item;
    char32_t c = ReadCodePoint(Mask, i);
    if (c == '*') item.Kind = TMaskItem::TKind::AnyRun;
    else if (c == '?') item.Kind = TMaskItem::TKind::AnyChar;
    else if (c != '[' || !ReadSet(Mask, i, item)) {
      item = TMaskItem();
      item.Char = LowerCodePoint(c);
    }
    items.push_back(std::move(item));
  }
  return items;
}

} // namespace

bool MatchesMask(std::string_view Name, std::string_view Mask) {
  const std::vector<TMaskItem> items = ParseMask(Mask);
  std::vector<char32_t> name;
  for (size_t i = 0; i < Name.size();) name.push_back(ReadCodePoint(Name, i));

  // Greedy matching that backtracks to the last "*": each "*" only ever needs to grow.
  size_t n = 0, m = 0;
  size_t starItem = SIZE_MAX, starName = 0;
  while (n < name.size()) {
    if (m < items.size() && items[m].Kind == TMaskItem::TKind::AnyRun) {
      starItem = m++;
      starName = n;
    } else if (m < items.size() && items[m].Matches(name[n])) {
      ++m;
      ++n;
    } else if (starItem != SIZE_MAX) {
      m = starItem + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < items.size() && items[m].Kind == TMaskItem::TKind::AnyRun) ++m;
  return m == items.size();
}
