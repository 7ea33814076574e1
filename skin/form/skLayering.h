#pragma once
// Whether the frame and the hint may use layered windows: a system that has them (Windows 2000 on) and a
// presenter that shows them.
#include "platform/gdi/Capabilities.h"
#include "skin/core/skUtils.h"

inline bool CanLayer() { return IsWindows2000OrLater() && PlatformCapabilities().LayeredWindowsAvailable(); }
