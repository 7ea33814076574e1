#pragma once
// The preview panel as the screen shows it: which frame of the generated clip it holds.
#include <functional>

#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

/// The frame number of the generated clip (tests/engine/fixtures) that the preview panel at Panel (screen
/// rectangle) shows, read through Pixel(X, Y) of the screen; -1 when the panel shows no frame of it. The
/// player fits the 4:3 picture into the panel keeping its shape, centred.
int PreviewFrameNumber(const TRect& Panel, const std::function<TColor(int X, int Y)>& Pixel);
