#pragma once
// Messages the edit, list and scroll-box controls answer for painters outside the library. A skinned edit
// or scroll box answers the frame's WM_SKINPRINTNCEX (skFormMessages.h) by painting its frame without the
// client area; like it, the message below answers only the key SkinPrintNCExKey.
#include "skin/form/skFormMessages.h"

/// An empty list paints its background into the DC in wParam and answers SkinPrintNCExKey, only when
/// lParam is SkinPrintNCExKey.
constexpr UINT WM_SKINPRINTBKGNDEX = 0xBC4A;
