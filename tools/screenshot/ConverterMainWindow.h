#pragma once
// The converter's main window as another program sees it on the screen: its title and the pixels that tell
// it has been painted.
#include "platform/base/Types.h"
#include "tests/platform/display/XScreenshot.h"

/// The title of the converter's main window.
inline const char* const ConverterTitle = "ZorvikWMV格式转换器";

/// Takes Frame (the main window's screen rectangle) into Shot and tells whether it shows the painted window:
/// the caption band in the product skin's blue with the title's light text on it, and the menu bar white with
/// the dark texts of its menus.
bool ConverterWindowPainted(XScreenshot& Shot, const TRect& Frame);
