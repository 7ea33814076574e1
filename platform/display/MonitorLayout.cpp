#include "platform/display/MonitorLayout.h"

#include <algorithm>
#include <limits>

#include "platform/gdi/Gdi.h"
#include "platform/ui/Ui.h"
#include "platform/ui/WindowSystem.h"

namespace {

Int64 SharedArea(const TRect& A, const TRect& B) {
  const Int64 W = std::min(A.Right, B.Right) - std::max(A.Left, B.Left);
  const Int64 H = std::min(A.Bottom, B.Bottom) - std::max(A.Top, B.Top);
  return W > 0 && H > 0 ? W * H : 0;
}

/// Squared distance between the rectangles (0 when they touch or overlap).
Int64 Distance2(const TRect& A, const TRect& B) {
  const Int64 DX = std::max<Int64>({ 0, Int64(B.Left) - A.Right, Int64(A.Left) - B.Right });
  const Int64 DY = std::max<Int64>({ 0, Int64(B.Top) - A.Bottom, Int64(A.Top) - B.Bottom });
  return DX * DX + DY * DY;
}

}  // namespace

TRect MonitorsBounds(const std::vector<TMonitorArea>& Monitors) {
  if (Monitors.empty()) return {};
  TRect U = Monitors.front().Bounds;
  for (const TMonitorArea& M : Monitors) {
    U.Left = std::min(U.Left, M.Bounds.Left);
    U.Top = std::min(U.Top, M.Bounds.Top);
    U.Right = std::max(U.Right, M.Bounds.Right);
    U.Bottom = std::max(U.Bottom, M.Bounds.Bottom);
  }
  return U;
}

int NearestMonitorIndex(const std::vector<TMonitorArea>& Monitors, const TRect& R) {
  int Best = 0;
  Int64 BestArea = 0;
  for (int I = 0; I < int(Monitors.size()); ++I) {
    const Int64 Area = SharedArea(Monitors[I].Bounds, R);
    if (Area > BestArea) {
      Best = I;
      BestArea = Area;
    }
  }
  if (BestArea > 0) return Best;
  Int64 BestDistance = std::numeric_limits<Int64>::max();
  for (int I = 0; I < int(Monitors.size()); ++I) {
    const Int64 D = Distance2(Monitors[I].Bounds, R);
    if (D < BestDistance) {
      Best = I;
      BestDistance = D;
    }
  }
  return Best;
}

void PublishMonitors(const std::vector<TMonitorArea>& Monitors, bool Announce) {
  TPlatformCapabilities& Caps = PlatformCapabilities();
  Caps.Monitors = Monitors;
  Caps.NearestMonitor = [](HWND Wnd) {
    TRect R;
    if (!GetWindowRect(Wnd, &R)) return 0;
    return NearestMonitorIndex(PlatformCapabilities().Monitors, R);
  };
  const TRect Primary = Monitors.empty() ? TRect {} : Monitors.front().Bounds;
  SetScreenSize(Primary.Width(), Primary.Height());
  if (!Announce) return;
  std::vector<HWND> Targets;
  for (const Window* W : WindowSystem::Get().TopLevelWindows()) Targets.push_back(W->Handle);
  for (HWND Wnd : Targets)
    SendMessage(Wnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(Word(Primary.Width()), Word(Primary.Height())));
}
