#pragma once
// The skinned controls' own window messages.
#include "platform/ui/winsys/UiTypes.h"

/// The background of a control changed (wParam 0, lParam 0): its direct children that show parts of it
/// repaint.
constexpr UINT WM_CHECKPARENTBG = 0x0504;
/// Asks a skinned view to paint its non-client area into the DC in wParam; the views have none and answer
/// SKINPRINTNC_ANSWER without painting.
constexpr UINT WM_SKINPRINTNC = 0xB1C9;
constexpr LRESULT SKINPRINTNC_ANSWER = 12851;
/// Asks a skinned list view to paint its column header into the DC in wParam (the DC stays the caller's).
constexpr UINT WM_SKINPRINTHEADER = 0xB1C8;
