#pragma once
// Small routines every part of the skin library leans on: rectangle and integer helpers, the system
// version, monitor work areas, and window functions that the platform may lack (each falls back quietly
// when its function is absent). The answers come from the platform's capability table.
#include "platform/base/Types.h"
#include "platform/gdi/Capabilities.h"
#include "platform/gdi/GdiObject.h"

/// Rectangles are (Left, Top, Right, Bottom) with the right and bottom edges outside unless stated.
int RectWidth(const TRect& R);
int RectHeight(const TRect& R);
/// Width or height not positive.
bool IsEmptyRect(const TRect& R);
bool EqualRects(const TRect& R1, const TRect& R2);
void ClearRect(TRect& R);
/// True when either coordinate is 0.
bool IsNullPoint(const TPoint& P);
/// P lies in R with all four edges counted in.
bool PtInRectIncl(const TRect& R, const TPoint& P);
/// R's top-left and bottom-right corners both lie in C, whose right and bottom edges are outside; so a
/// rectangle ending exactly at C's right edge is not in C.
bool RectInRect(const TRect& R, const TRect& C);
/// R's top or bottom edge falls within C's rows: (C.Left + 1, R.Top) or (C.Right - 1, R.Bottom) lies in C.
bool RectEdgeInRect(const TRect& R, const TRect& C);
int IntMax(int A, int B);
int IntMin(int A, int B);

/// The system version the platform reports.
void GetWindowsVersion(int& Major, int& Minor);
/// Version 5.0 to 5.2, or 6 and later.
bool IsWindows2000OrLater();
/// Version 5.1, or 6 and later.
bool IsXPOrLater();
/// Version 6 and later.
bool IsVistaOrLater();
/// Version 6.1 exactly.
bool IsWindows7();
/// Version 6.2, or 7 and later.
bool IsWindows8OrLater();

/// More than one monitor, and the per-monitor queries exist.
bool IsMultiMonitor();
/// The primary monitor's work area when WorkArea is set, else (0, 0, screen width, screen height).
void GetWorkAreaRect(bool WorkArea, TRect& R);
/// On one monitor GetWorkAreaRect; otherwise the work area (or the whole rectangle) of the monitor
/// nearest to the window. R stays as it was when that monitor cannot be found.
void GetMonitorWorkArea(HWND Handle, bool WorkArea, TRect& R);

/// Gives a layered window the constant alpha Alpha; nothing where windows cannot be layered.
void SetWindowAlpha(HWND Handle, Byte Alpha);
/// The platform's scroll-bar information when it offers it; otherwise the bar is reported invisible
/// (rgstate[0] = STATE_SYSTEM_INVISIBLE) and the result is false.
bool SafeGetScrollBarInfo(HWND Handle, int ObjectId, TScrollBarInfo& Info);
/// Desktop composition does not exist on this platform: always false.
bool IsDwmCompositionEnabled();
/// Does nothing: there is no desktop composition to animate windows.
void SetDwmWindowAnimation(HWND Handle, bool Enable);
/// Does nothing: there is no desktop composition to blur behind windows.
void EnableDwmBlurBehind(HWND Handle, bool Enable, HRGN Region);
