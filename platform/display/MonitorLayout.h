#pragma once
// The monitor list both presenters publish in the capability table.
#include <vector>

#include "platform/gdi/Capabilities.h"

/// The union of the monitors' rectangles (the whole virtual screen).
TRect MonitorsBounds(const std::vector<TMonitorArea>& Monitors);
/// Publishes Monitors (the primary first) in PlatformCapabilities() and the primary monitor's size as the
/// screen size. With Announce, the top-level windows then get WM_DISPLAYCHANGE (32 bits per pixel, the
/// primary monitor's size).
void PublishMonitors(const std::vector<TMonitorArea>& Monitors, bool Announce);
