#pragma once
// Messages the skinned list box's inner list answers for painters outside the library.
#include "platform/ui/winsys/UiTypes.h"

/// An empty list paints its background into the DC in wParam and answers SKINPRINTEX_KEY, only when
/// lParam is SKINPRINTEX_KEY.
constexpr UINT WM_SKINPRINTBKGNDEX = 0xBC4A;
constexpr LPARAM SKINPRINTEX_KEY = 16802;
