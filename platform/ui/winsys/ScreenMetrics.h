#pragma once
// Screen facts: the system metrics, the system parameters the program reads, and the monitors with their
// work areas. The monitors come from the capability table (PlatformCapabilities().Monitors), which the
// presenter fills at start-up and tests set as they need; every value here follows that table.
#include "platform/base/Types.h"
#include "platform/ui/winsys/UiTypes.h"

// GetSystemMetrics indexes.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_SWAPBUTTON = 23;
constexpr int SM_CXMIN = 28;
constexpr int SM_CYMIN = 29;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXMINTRACK = 34;
constexpr int SM_CYMINTRACK = 35;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXSMSIZE = 52;
constexpr int SM_CYSMSIZE = 53;
constexpr int SM_CXMENUSIZE = 54;
constexpr int SM_CYMENUSIZE = 55;
constexpr int SM_CXMINIMIZED = 57;
constexpr int SM_CYMINIMIZED = 58;
constexpr int SM_CXMAXTRACK = 59;
constexpr int SM_CYMAXTRACK = 60;
constexpr int SM_CXMAXIMIZED = 61;
constexpr int SM_CYMAXIMIZED = 62;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;
constexpr int SM_CXMENUCHECK = 71;
constexpr int SM_CYMENUCHECK = 72;
constexpr int SM_XVIRTUALSCREEN = 76;
constexpr int SM_YVIRTUALSCREEN = 77;
constexpr int SM_CXVIRTUALSCREEN = 78;
constexpr int SM_CYVIRTUALSCREEN = 79;
constexpr int SM_CMONITORS = 80;
constexpr int SM_CXFOCUSBORDER = 83;
constexpr int SM_CYFOCUSBORDER = 84;

/// The metric's value in pixels (a count for SM_CMONITORS); 0 for an index this system does not know.
int GetSystemMetrics(int Index);

// SystemParametersInfo actions.
constexpr UINT SPI_GETDRAGFULLWINDOWS = 0x0026;
constexpr UINT SPI_GETWORKAREA = 0x0030;
constexpr UINT SPI_GETWHEELSCROLLLINES = 0x0068;

/// SPI_GETWORKAREA writes the primary monitor's work area (TRect*); SPI_GETDRAGFULLWINDOWS writes 1
/// (int*: windows are redrawn while the user drags them); SPI_GETWHEELSCROLLLINES writes 3 (UINT*).
/// False, writing nothing, for other actions or a null Param.
bool SystemParametersInfo(UINT Action, UINT UIParam, void* Param, UINT WinIni);
inline bool SystemParametersInfoW(UINT Action, UINT UIParam, void* Param, UINT WinIni) {
  return SystemParametersInfo(Action, UIParam, Param, WinIni);
}

/// The double-click interval in milliseconds (two presses of one button closer than this make a double
/// click).
UINT GetDoubleClickTime();

// ---- Monitors ----------------------------------------------------------------------------------------

/// A monitor: its index in the monitor list plus one (0 is none).
using HMONITOR = uintptr_t;

constexpr DWORD MONITOR_DEFAULTTONULL = 0;
constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;
constexpr DWORD MONITORINFOF_PRIMARY = 1;

/// A monitor's rectangle and work area in screen coordinates (40 bytes, as callers size it).
struct MONITORINFO {
  DWORD cbSize { sizeof(MONITORINFO) };
  TRect rcMonitor;
  TRect rcWork;
  DWORD dwFlags { 0 };
};

/// The monitor containing P; otherwise none, the primary one or the nearest one as Flags say.
HMONITOR MonitorFromPoint(TPoint P, DWORD Flags);
/// The monitor sharing the most area with R; otherwise as Flags say (nearest: to R's centre).
HMONITOR MonitorFromRect(const TRect& R, DWORD Flags);
/// The monitor of the window's rectangle (MonitorFromRect); for no window as Flags say.
HMONITOR MonitorFromWindow(HWND Wnd, DWORD Flags);
/// Fills Info for the monitor; false for no monitor or cbSize smaller than the record.
bool GetMonitorInfo(HMONITOR Monitor, MONITORINFO* Info);
inline bool GetMonitorInfoA(HMONITOR Monitor, MONITORINFO* Info) { return GetMonitorInfo(Monitor, Info); }
inline bool GetMonitorInfoW(HMONITOR Monitor, MONITORINFO* Info) { return GetMonitorInfo(Monitor, Info); }
