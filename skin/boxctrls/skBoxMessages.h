#pragma once
// Messages the edit, list and scroll-box controls answer for painters outside the library.
#include "platform/ui/winsys/UiTypes.h"

/// An empty list paints its background into the DC in wParam and answers SKINPRINTEX_KEY, only when
/// lParam is SKINPRINTEX_KEY.
constexpr UINT WM_SKINPRINTBKGNDEX = 0xBC4A;
/// A skinned edit or scroll box paints its frame without the client area into the DC in wParam and
/// answers SKINPRINTEX_KEY, only when lParam is SKINPRINTEX_KEY; any other lParam gets the default answer.
constexpr UINT WM_SKINPRINTNCEX = 0xBC4B;
constexpr LPARAM SKINPRINTEX_KEY = 16802;
