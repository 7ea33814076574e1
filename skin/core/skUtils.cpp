#include "skin/core/skUtils.h"

#include "platform/gdi/DeviceContext.h"

namespace {

TMonitorArea PrimaryMonitor() {
  const auto& monitors = PlatformCapabilities().Monitors;
  return monitors.empty() ? TMonitorArea() : monitors.front();
}

}  // namespace

int RectWidth(const TRect& R) { return R.Right - R.Left; }

int RectHeight(const TRect& R) { return R.Bottom - R.Top; }

bool IsEmptyRect(const TRect& R) { return R.IsEmpty(); }

bool EqualRects(const TRect& R1, const TRect& R2) { return R1 == R2; }

void ClearRect(TRect& R) { R = TRect(); }

bool IsNullPoint(const TPoint& P) { return P.X == 0 || P.Y == 0; }

bool PtInRectIncl(const TRect& R, const TPoint& P) {
  return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
}

bool RectInRect(const TRect& R, const TRect& C) {
  return C.Contains(R.TopLeft()) && C.Contains(R.BottomRight());
}

bool RectEdgeInRect(const TRect& R, const TRect& C) {
  return C.Contains({ C.Left + 1, R.Top }) || C.Contains({ C.Right - 1, R.Bottom });
}

int IntMax(int A, int B) { return A > B ? A : B; }

int IntMin(int A, int B) { return A < B ? A : B; }

void GetWindowsVersion(int& Major, int& Minor) {
  Major = PlatformCapabilities().MajorVersion;
  Minor = PlatformCapabilities().MinorVersion;
}

bool IsWindows2000OrLater() {
  int major, minor;
  GetWindowsVersion(major, minor);
  return major > 5 || (major == 5 && minor >= 0 && minor <= 2);
}

bool IsXPOrLater() {
  int major, minor;
  GetWindowsVersion(major, minor);
  return major > 5 || (major == 5 && minor == 1);
}

bool IsVistaOrLater() {
  int major, minor;
  GetWindowsVersion(major, minor);
  return major > 5;
}

bool IsWindows7() {
  int major, minor;
  GetWindowsVersion(major, minor);
  return major == 6 && minor == 1;
}

bool IsWindows8OrLater() {
  int major, minor;
  GetWindowsVersion(major, minor);
  return major > 6 || (major == 6 && minor == 2);
}

bool IsMultiMonitor() {
  const TPlatformCapabilities& caps = PlatformCapabilities();
  return caps.Monitors.size() > 1 && caps.MonitorFunctions;
}

void GetWorkAreaRect(bool WorkArea, TRect& R) {
  const TSize screen = DeviceContext::ScreenSize();
  R = WorkArea ? PrimaryMonitor().WorkArea : Rect(0, 0, screen.cx, screen.cy);
}

void GetMonitorWorkArea(HWND Handle, bool WorkArea, TRect& R) {
  if (!IsMultiMonitor()) {
    GetWorkAreaRect(WorkArea, R);
    return;
  }
  const TPlatformCapabilities& caps = PlatformCapabilities();
  const int index = caps.NearestMonitor ? caps.NearestMonitor(Handle) : 0;
  if (index < 0 || size_t(index) >= caps.Monitors.size()) return;
  R = WorkArea ? caps.Monitors[size_t(index)].WorkArea : caps.Monitors[size_t(index)].Bounds;
}

void SetWindowAlpha(HWND Handle, Byte Alpha) {
  const auto& setAttributes = PlatformCapabilities().SetLayeredWindowAttributes;
  if (setAttributes) setAttributes(Handle, 0, Alpha, LWA_ALPHA);
}

bool SafeGetScrollBarInfo(HWND Handle, int ObjectId, TScrollBarInfo& Info) {
  const auto& getInfo = PlatformCapabilities().GetScrollBarInfo;
  if (getInfo) return getInfo(Handle, ObjectId, Info);
  Info.rgstate[0] = STATE_SYSTEM_INVISIBLE;
  return false;
}

bool IsDwmCompositionEnabled() { return false; }

void SetDwmWindowAnimation(HWND, bool) {}

void EnableDwmBlurBehind(HWND, bool, HRGN) {}
