#pragma once
// The window messages a skinned push button posts to itself to show and hide its glow frame after the
// message it is handling (wParam 0, lParam 0).
#include "platform/ui/winsys/UiTypes.h"

/// Show the glow frame (the pointer entered, or the skin changed while the pointer is over the button).
constexpr UINT WM_SHOWLAYER = 0x0590;
/// Hide the glow frame (the pointer left).
constexpr UINT WM_HIDELAYER = 0x0591;
