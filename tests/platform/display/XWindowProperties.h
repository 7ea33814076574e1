#pragma once
// Properties of a window as the X server holds them, read over a connection of its own (DISPLAY), for
// tests that check what the desktop is told about the program's windows.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// The names of the atoms in the window's atom-list property Name (_NET_WM_STATE, ...); empty when unset.
std::vector<std::string> XAtomListProperty(unsigned long Window, const char* Name);
/// The window's UTF-8 text property Name (_NET_WM_NAME); empty when unset.
std::string XUtf8Property(unsigned long Window, const char* Name);
/// The window's first 32-bit CARDINAL of property Name (_NET_WM_WINDOW_OPACITY); empty when unset.
std::optional<uint32_t> XCardinalProperty(unsigned long Window, const char* Name);
/// The depth of the window's visual (32: its pixels carry alpha); 0 without the window.
int XWindowDepth(unsigned long Window);
/// The window's own pixel value at (X, Y) (window coordinates) as the server stores it: 0xAARRGGBB in a
/// 32-bit window.
uint32_t XWindowPixel(unsigned long Window, int X, int Y);
