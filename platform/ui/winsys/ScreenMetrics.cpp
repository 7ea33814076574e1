#include "platform/ui/winsys/ScreenMetrics.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/Capabilities.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

// The frame pieces of the built-in look; the default frame draws with these same numbers.
constexpr int BorderSize = 1;
constexpr int DlgFrameSize = 3;
constexpr int FrameSize = 4;
constexpr int EdgeSize = 2;
constexpr int CaptionHeight = 20;
constexpr int SmallCaptionHeight = 16;
constexpr int ScrollBarSize = 16;

const std::vector<TMonitorArea>& Monitors() { return PlatformCapabilities().Monitors; }

/// The primary monitor; a 1024 x 768 screen while the list is empty.
TMonitorArea Primary() {
  return Monitors().empty() ? TMonitorArea { { 0, 0, 1024, 768 }, { 0, 0, 1024, 768 } } : Monitors().front();
}

TRect VirtualScreen() {
  TRect All = Primary().Bounds;
  for (const TMonitorArea& M : Monitors()) {
    All.Left = std::min(All.Left, M.Bounds.Left);
    All.Top = std::min(All.Top, M.Bounds.Top);
    All.Right = std::max(All.Right, M.Bounds.Right);
    All.Bottom = std::max(All.Bottom, M.Bounds.Bottom);
  }
  return All;
}

int OverlapArea(const TRect& A, const TRect& B) {
  const int W = std::min(A.Right, B.Right) - std::max(A.Left, B.Left);
  const int H = std::min(A.Bottom, B.Bottom) - std::max(A.Top, B.Top);
  return W > 0 && H > 0 ? W * H : 0;
}

/// Squared distance from P to the nearest pixel of R.
int64_t DistanceSquared(const TRect& R, TPoint P) {
  const int64_t DX = P.X < R.Left ? R.Left - P.X : P.X >= R.Right ? P.X - R.Right + 1 : 0;
  const int64_t DY = P.Y < R.Top ? R.Top - P.Y : P.Y >= R.Bottom ? P.Y - R.Bottom + 1 : 0;
  return DX * DX + DY * DY;
}

HMONITOR Fallback(TPoint P, DWORD Flags) {
  if (Flags == MONITOR_DEFAULTTOPRIMARY)
    return 1;
  if (Flags != MONITOR_DEFAULTTONEAREST || Monitors().empty())
    return 0;
  size_t Best = 0;
  for (size_t I = 1; I < Monitors().size(); ++I)
    if (DistanceSquared(Monitors()[I].Bounds, P) < DistanceSquared(Monitors()[Best].Bounds, P))
      Best = I;
  return HMONITOR(Best + 1);
}

}  // namespace

int GetSystemMetrics(int Index) {
  const TMonitorArea Main = Primary();
  switch (Index) {
  case SM_CXSCREEN:
    return Main.Bounds.Width();
  case SM_CYSCREEN:
    return Main.Bounds.Height();
  case SM_CXVSCROLL:
  case SM_CYHSCROLL:
  case SM_CYVSCROLL:
  case SM_CXHSCROLL:
  case SM_CYVTHUMB:
  case SM_CXHTHUMB:
    return ScrollBarSize;
  case SM_CYCAPTION:
    return CaptionHeight;
  case SM_CYSMCAPTION:
    return SmallCaptionHeight;
  case SM_CXBORDER:
  case SM_CYBORDER:
  case SM_CXFOCUSBORDER:
  case SM_CYFOCUSBORDER:
    return BorderSize;
  case SM_CXDLGFRAME:
  case SM_CYDLGFRAME:
    return DlgFrameSize;
  case SM_CXFRAME:
  case SM_CYFRAME:
    return FrameSize;
  case SM_CXEDGE:
  case SM_CYEDGE:
    return EdgeSize;
  case SM_CXICON:
  case SM_CYICON:
  case SM_CXCURSOR:
  case SM_CYCURSOR:
    return 32;
  case SM_CXSMICON:
  case SM_CYSMICON:
    return 16;
  case SM_CYMENU:
  case SM_CXMENUSIZE:
  case SM_CYMENUSIZE:
    return 19;
  case SM_CXSIZE:
  case SM_CYSIZE:
    return CaptionHeight - 2;
  case SM_CXSMSIZE:
  case SM_CYSMSIZE:
    return SmallCaptionHeight - 2;
  case SM_CXMENUCHECK:
  case SM_CYMENUCHECK:
    return 13;
  case SM_CXFULLSCREEN:
    return Main.WorkArea.Width();
  case SM_CYFULLSCREEN:
    return Main.WorkArea.Height() - CaptionHeight;
  case SM_CXMIN:
  case SM_CXMINTRACK:
    return 112;
  case SM_CYMIN:
  case SM_CYMINTRACK:
    return 27;
  case SM_CXMINIMIZED:
    return 160;
  case SM_CYMINIMIZED:
    return 24;
  case SM_CXMAXTRACK:
    return VirtualScreen().Width() + 2 * FrameSize;
  case SM_CYMAXTRACK:
    return VirtualScreen().Height() + 2 * FrameSize;
  case SM_CXMAXIMIZED:
    return Main.WorkArea.Width() + 2 * FrameSize;
  case SM_CYMAXIMIZED:
    return Main.WorkArea.Height() + 2 * FrameSize;
  case SM_CXDOUBLECLK:
  case SM_CYDOUBLECLK:
  case SM_CXDRAG:
  case SM_CYDRAG:
    return 4;
  case SM_XVIRTUALSCREEN:
    return VirtualScreen().Left;
  case SM_YVIRTUALSCREEN:
    return VirtualScreen().Top;
  case SM_CXVIRTUALSCREEN:
    return VirtualScreen().Width();
  case SM_CYVIRTUALSCREEN:
    return VirtualScreen().Height();
  case SM_CMONITORS:
    return std::max(1, int(Monitors().size()));
  default:
    return 0;
  }
}

bool SystemParametersInfo(UINT Action, UINT, void* Param, UINT) {
  if (!Param)
    return false;
  switch (Action) {
  case SPI_GETWORKAREA:
    *static_cast<TRect*>(Param) = Primary().WorkArea;
    return true;
  case SPI_GETDRAGFULLWINDOWS:
    *static_cast<int*>(Param) = 1;
    return true;
  case SPI_GETWHEELSCROLLLINES:
    *static_cast<UINT*>(Param) = 3;
    return true;
  default:
    return false;
  }
}

UINT GetDoubleClickTime() { return 500; }

HMONITOR MonitorFromPoint(TPoint P, DWORD Flags) {
  for (size_t I = 0; I < Monitors().size(); ++I)
    if (DistanceSquared(Monitors()[I].Bounds, P) == 0)
      return HMONITOR(I + 1);
  return Fallback(P, Flags);
}

HMONITOR MonitorFromRect(const TRect& R, DWORD Flags) {
  int BestArea = 0;
  HMONITOR Best = 0;
  for (size_t I = 0; I < Monitors().size(); ++I)
    if (const int Area = OverlapArea(R, Monitors()[I].Bounds); Area > BestArea) {
      BestArea = Area;
      Best = HMONITOR(I + 1);
    }
  return Best ? Best : Fallback({ R.Left + R.Width() / 2, R.Top + R.Height() / 2 }, Flags);
}

HMONITOR MonitorFromWindow(HWND Wnd, DWORD Flags) {
  const Window* W = WindowSystem::Get().Find(Wnd);
  if (!W)
    return Flags == MONITOR_DEFAULTTONULL ? 0 : 1;
  const TPoint O = WindowSystem::ScreenOrigin(*W);
  return MonitorFromRect(Bounds(O.X, O.Y, W->Rect.Width(), W->Rect.Height()), Flags);
}

bool GetMonitorInfo(HMONITOR Monitor, MONITORINFO* Info) {
  if (!Info || Info->cbSize < sizeof(MONITORINFO) || Monitor == 0 || Monitor > Monitors().size())
    return false;
  const TMonitorArea& M = Monitors()[Monitor - 1];
  Info->rcMonitor = M.Bounds;
  Info->rcWork = M.WorkArea;
  Info->dwFlags = Monitor == 1 ? MONITORINFOF_PRIMARY : 0;
  return true;
}
