#pragma once
// What the running platform offers of the facilities that older systems lacked: the system version it
// reports, the optional window functions and the monitors. One table per process; the presenter fills
// it at start-up, before any window exists, and tests change it and put it back.
#include <functional>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiRecords.h"
#include "platform/gdi/WindowHandle.h"

/// One monitor in screen coordinates: its whole rectangle and the part left to windows.
struct TMonitorArea {
  TRect Bounds;
  TRect WorkArea;
};

/// Flags of SetLayeredWindowAttributes: use the key colour, use the constant alpha.
constexpr Cardinal LWA_COLORKEY = 1;
constexpr Cardinal LWA_ALPHA = 2;

/// The state bit of a scroll bar that is not shown.
constexpr Cardinal STATE_SYSTEM_INVISIBLE = 0x8000;

/// What GetScrollBarInfo reports of a scroll bar; rgstate[0] describes the bar as a whole.
struct TScrollBarInfo {
  Cardinal cbSize { sizeof(TScrollBarInfo) };
  TRect rcScrollBar;
  int dxyLineButton { 0 };
  int xyThumbTop { 0 };
  int xyThumbBottom { 0 };
  int reserved { 0 };
  Cardinal rgstate[6] {};
};

/// The capability table. An optional function is present when its slot holds a target; an empty slot
/// means the platform lacks it and callers take their fallback.
struct TPlatformCapabilities {
  /// The system version the platform reports, and whether it counts as the NT family.
  int MajorVersion { 5 };
  int MinorVersion { 1 };
  bool NTPlatform { true };

  /// The monitors, the primary first; a single 1024 x 768 monitor until a presenter says otherwise.
  std::vector<TMonitorArea> Monitors { { { 0, 0, 1024, 768 }, { 0, 0, 1024, 768 } } };
  /// Whether the per-monitor queries exist (the monitor nearest a window and its rectangles).
  bool MonitorFunctions { true };
  /// The index in Monitors of the monitor nearest to a window; empty: the primary one.
  std::function<int(HWND)> NearestMonitor;

  /// Constant alpha for a layered window (Key colour, Alpha, flags); absent where windows cannot be
  /// layered.
  std::function<bool(HWND, TColor Key, Byte Alpha, Cardinal Flags)> SetLayeredWindowAttributes;
  /// A per-pixel-alpha picture for a layered window (destination DC, new position and size, source DC
  /// and point, key colour, blend, ULW_* flags); present exactly when SetLayeredWindowAttributes is.
  std::function<bool(HWND, HDC Dest, const TPoint* Pos, const TSize* Size, HDC Src, const TPoint* SrcPos,
                     TColor Key, const BLENDFUNCTION* Blend, Cardinal Flags)>
      UpdateLayeredWindow;
  /// The state of a window's scroll bar (ObjectId names which one).
  std::function<bool(HWND, int ObjectId, TScrollBarInfo& Info)> GetScrollBarInfo;

  /// True when windows can be given per-window alpha.
  bool LayeredWindowsAvailable() const { return bool(SetLayeredWindowAttributes); }
};

/// The process's capability table.
TPlatformCapabilities& PlatformCapabilities();
