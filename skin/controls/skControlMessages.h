#pragma once
// The skinned controls' own window messages.
#include "platform/ui/winsys/UiTypes.h"

/// The background of a control changed (wParam 0, lParam 0): its direct children that show parts of it
/// repaint.
constexpr UINT WM_CHECKPARENTBG = 0x0504;
