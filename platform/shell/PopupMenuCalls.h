#pragma once
// The handle-level popup menus a shell context menu fills. The platform draws no menus: a menu handle
// holds the entries only, and TrackPopupMenu hands them to the installed tracker (the skinned popup
// menu), which shows them and answers the command chosen. A handle that names no live menu makes a call
// fail harmlessly.
#include <functional>

#include "platform/base/Types.h"
#include "platform/ui/winsys/UiTypes.h"

/// The handle of a popup menu: a number that names one live menu (0: none).
using HMENU = uintptr_t;

// Entry flags of InsertMenu.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;     // shown, but cannot be chosen
constexpr UINT MF_BYPOSITION = 0x0400; // Position counts entries (the only form taken)
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_DEFAULT = 0x1000;    // the command a double click would run: shown in bold

// Flags of TrackPopupMenu, handed on to the tracker.
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_RETURNCMD = 0x0100;

/// One entry of a popup menu as the tracker reads it.
struct TMenuEntry {
  UINT ID { 0 };      // the command; 0 for a separator
  String Text;        // "&" marks the access key
  UINT Flags { MF_STRING };
  friend bool operator==(const TMenuEntry&, const TMenuEntry&) = default;
};

/// Shows Menu at the screen point At for the window Owner and answers the command chosen (0: none).
using TPopupMenuTracker = std::function<UINT(HMENU Menu, UINT Flags, TPoint At, HWND Owner)>;

/// A new empty popup menu; it lives until DestroyMenu.
HMENU CreatePopupMenu();
/// Frees Menu; false for a handle that names no live menu.
bool DestroyMenu(HMENU Menu);
/// Inserts an entry before the entry at Position (MF_BYPOSITION; a position past the end appends) with
/// the command ID and Text; MF_SEPARATOR makes a separator (ID and Text unused). Another entry that was
/// the default stops being it when this one is MF_DEFAULT. False for no live menu.
bool InsertMenu(HMENU Menu, UINT Position, UINT Flags, UINT_PTR ID, const String& Text);
/// The number of entries; -1 for no live menu.
int GetMenuItemCount(HMENU Menu);
/// The entry at Position; false (Entry untouched) for no live menu or no such entry.
bool GetMenuEntry(HMENU Menu, int Position, TMenuEntry& Entry);
/// Shows Menu through the installed tracker and waits for the choice, which it answers as the command
/// (as TPM_RETURNCMD asks; nothing is posted to Owner). 0 when nothing was chosen, no tracker is
/// installed, Menu names no live menu or has no entries, or the tracker answers a command Menu does not
/// hold or holds only greyed. Reserved and Rect are not used.
UINT TrackPopupMenu(HMENU Menu, UINT Flags, int X, int Y, int Reserved, HWND Owner, const TRect* Rect);
/// Installs what shows popup menus for TrackPopupMenu (empty: none); returns the one installed before.
TPopupMenuTracker SetPopupMenuTracker(TPopupMenuTracker Tracker);
