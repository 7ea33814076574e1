#pragma once
// The window handle type. The window system keeps the table behind it; layers below it only pass
// handles through.
#include <cstdint>

/// Identifies a window of the window system; 0 is no window.
using HWND = uintptr_t;
