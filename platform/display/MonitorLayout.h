#pragma once
// The monitor list both presenters publish in the capability table, and the geometry questions about it.
#include <vector>

#include "platform/gdi/Capabilities.h"

/// The union of the monitors' rectangles (the whole virtual screen).
TRect MonitorsBounds(const std::vector<TMonitorArea>& Monitors);
/// The index of the monitor nearest R: the one sharing the largest area with it, else the one closest to
/// it; ties go to the earlier monitor (the primary one first). 0 for an empty list.
int NearestMonitorIndex(const std::vector<TMonitorArea>& Monitors, const TRect& R);
/// Publishes Monitors (the primary first) in PlatformCapabilities(), with the nearest-monitor query on
/// the windows' screen rectangles, and the primary monitor's size as the screen size. With Announce, the
/// top-level windows then get WM_DISPLAYCHANGE (32 bits per pixel, the primary monitor's size).
void PublishMonitors(const std::vector<TMonitorArea>& Monitors, bool Announce);
