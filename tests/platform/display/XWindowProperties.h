#pragma once
// Properties of a window as the X server holds them, read over a connection of its own (DISPLAY), for
// tests that check what the desktop is told about the program's windows.
#include <string>
#include <vector>

/// The names of the atoms in the window's atom-list property Name (_NET_WM_STATE, ...); empty when unset.
std::vector<std::string> XAtomListProperty(unsigned long Window, const char* Name);
/// The window's UTF-8 text property Name (_NET_WM_NAME); empty when unset.
std::string XUtf8Property(unsigned long Window, const char* Name);
