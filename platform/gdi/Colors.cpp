#include "platform/gdi/Colors.h"

#include <array>

namespace {

// The classic desktop scheme; indexes without an entry (25) are black.
constexpr std::array<TColor, 31> SysColors = {
  RGB(212, 208, 200),  // 0 scroll bar
  RGB(58, 110, 165),   // 1 desktop background
  RGB(10, 36, 106),    // 2 active caption
  RGB(128, 128, 128),  // 3 inactive caption
  RGB(212, 208, 200),  // 4 menu
  RGB(255, 255, 255),  // 5 window
  RGB(0, 0, 0),        // 6 window frame
  RGB(0, 0, 0),        // 7 menu text
  RGB(0, 0, 0),        // 8 window text
  RGB(255, 255, 255),  // 9 caption text
  RGB(212, 208, 200),  // 10 active border
  RGB(212, 208, 200),  // 11 inactive border
  RGB(128, 128, 128),  // 12 application work space
  RGB(10, 36, 106),    // 13 highlight
  RGB(255, 255, 255),  // 14 highlight text
  RGB(212, 208, 200),  // 15 button face
  RGB(128, 128, 128),  // 16 button shadow
  RGB(128, 128, 128),  // 17 grey text
  RGB(0, 0, 0),        // 18 button text
  RGB(212, 208, 200),  // 19 inactive caption text
  RGB(255, 255, 255),  // 20 button highlight
  RGB(64, 64, 64),     // 21 3D dark shadow
  RGB(212, 208, 200),  // 22 3D light
  RGB(0, 0, 0),        // 23 info text
  RGB(255, 255, 225),  // 24 info background
  RGB(0, 0, 0),        // 25 (unused)
  RGB(0, 0, 128),      // 26 hot light
  RGB(166, 202, 240),  // 27 gradient of the active caption
  RGB(192, 192, 192),  // 28 gradient of the inactive caption
  RGB(10, 36, 106),    // 29 menu highlight
  RGB(212, 208, 200),  // 30 menu bar
};

}  // namespace

TColor GetSysColor(int Index) {
  return Index >= 0 && Index < int(SysColors.size()) ? SysColors[Index] : clBlack;
}

TColor ColorToRGB(TColor Color) {
  return Color < 0 ? GetSysColor(Color & 0xFF) : Color;
}
