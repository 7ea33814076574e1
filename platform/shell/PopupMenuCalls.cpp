#include "platform/shell/PopupMenuCalls.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

using TEntries = std::vector<TMenuEntry>;

std::unordered_map<HMENU, TEntries>& Menus() {
  static std::unordered_map<HMENU, TEntries> Map;
  return Map;
}

TEntries* EntriesOf(HMENU Menu) {
  const auto it = Menus().find(Menu);
  return it == Menus().end() ? nullptr : &it->second;
}

TPopupMenuTracker& InstalledTracker() {
  static TPopupMenuTracker Tracker;
  return Tracker;
}

bool Choosable(const TEntries& Entries, UINT Command) {
  return std::any_of(Entries.begin(), Entries.end(), [Command](const TMenuEntry& entry) {
    return entry.ID == Command && !(entry.Flags & (MF_SEPARATOR | MF_GRAYED));
  });
}

}  // namespace

HMENU CreatePopupMenu() {
  static HMENU Last = 0;
  Menus()[++Last];
  return Last;
}

bool DestroyMenu(HMENU Menu) {
  return Menus().erase(Menu) == 1;
}

bool InsertMenu(HMENU Menu, UINT Position, UINT Flags, UINT_PTR ID, const String& Text) {
  TEntries* entries = EntriesOf(Menu);
  if (!entries) return false;
  TMenuEntry entry { UINT(ID), Text, Flags & ~MF_BYPOSITION };
  if (Flags & MF_SEPARATOR) entry = { 0, String(), MF_SEPARATOR };
  if (entry.Flags & MF_DEFAULT)
    for (TMenuEntry& other : *entries) other.Flags &= ~MF_DEFAULT;
  entries->insert(entries->begin() + std::min<size_t>(Position, entries->size()), std::move(entry));
  return true;
}

int GetMenuItemCount(HMENU Menu) {
  const TEntries* entries = EntriesOf(Menu);
  return entries ? int(entries->size()) : -1;
}

bool GetMenuEntry(HMENU Menu, int Position, TMenuEntry& Entry) {
  const TEntries* entries = EntriesOf(Menu);
  if (!entries || Position < 0 || Position >= int(entries->size())) return false;
  Entry = (*entries)[size_t(Position)];
  return true;
}

UINT TrackPopupMenu(HMENU Menu, UINT Flags, int X, int Y, int, HWND Owner, const TRect*) {
  const TEntries* entries = EntriesOf(Menu);
  const TPopupMenuTracker tracker = InstalledTracker();
  if (!entries || entries->empty() || !tracker) return 0;
  const UINT command = tracker(Menu, Flags, { X, Y }, Owner);
  // The tracker may have destroyed the menu while it ran.
  entries = EntriesOf(Menu);
  return entries && command != 0 && Choosable(*entries, command) ? command : 0;
}

TPopupMenuTracker SetPopupMenuTracker(TPopupMenuTracker Tracker) {
  return std::exchange(InstalledTracker(), std::move(Tracker));
}
