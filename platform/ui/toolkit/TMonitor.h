#pragma once
// One monitor of the screen as TScreen lists it.
#include "platform/base/TObject.h"
#include "platform/ui/winsys/ScreenMetrics.h"

/// A monitor: its rectangle and work area (screen coordinates), read from the monitor list each time.
class TMonitor : public TObject {
public:
  explicit TMonitor(HMONITOR AHandle) : FHandle(AHandle) {}

  HMONITOR Handle() const { return FHandle; }
  /// The index in the screen's monitor list.
  int MonitorNum() const { return int(FHandle) - 1; }
  bool Primary() const { return MonitorNum() == 0; }
  TRect BoundsRect() const { return Info().rcMonitor; }
  TRect WorkareaRect() const { return Info().rcWork; }
  int Left() const { return BoundsRect().Left; }
  int Top() const { return BoundsRect().Top; }
  int Width() const { return BoundsRect().Width(); }
  int Height() const { return BoundsRect().Height(); }

private:
  MONITORINFO Info() const {
    MONITORINFO Result;
    GetMonitorInfo(FHandle, &Result);
    return Result;
  }

  HMONITOR FHandle;
};
