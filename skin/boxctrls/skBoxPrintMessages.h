#pragma once
// Asking a skinned edit or scroll box for its frame from outside (WM_SKINPRINTNC of skControlMessages.h
// paints it whole; this variant leaves out the client area and answers only a caller that knows it).
#include "platform/ui/winsys/UiTypes.h"

/// wParam a DC, lParam SKINPRINTEX_KEY: the frame without the client area into the DC; answered with
/// SKINPRINTEX_KEY. Any other lParam gets the default answer.
constexpr UINT WM_SKINPRINTNCEX = 0xBC4B;
constexpr LPARAM SKINPRINTEX_KEY = 16802;
