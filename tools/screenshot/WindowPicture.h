#pragma once
// A rectangle of the screen written as a picture file for a person to review.
#include "platform/base/Types.h"
#include "tests/platform/display/XScreenshot.h"

/// Writes R of the rectangle last taken into Shot as a 24-bit PNG named FileName; raises on failure.
void SaveWindowPicture(const XScreenshot& Shot, const TRect& R, const String& FileName);
