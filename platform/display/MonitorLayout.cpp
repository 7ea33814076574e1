#include "platform/display/MonitorLayout.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

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

void PublishMonitors(const std::vector<TMonitorArea>& Monitors, bool Announce) {
  PlatformCapabilities().Monitors = Monitors;
  const TRect Primary = Monitors.empty() ? TRect {} : Monitors.front().Bounds;
  SetScreenSize(Primary.Width(), Primary.Height());
  if (!Announce) return;
  std::vector<HWND> Targets;
  for (const Window* W : WindowSystem::Get().TopLevelWindows()) Targets.push_back(W->Handle);
  for (HWND Wnd : Targets)
    SendMessage(Wnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(Word(Primary.Width()), Word(Primary.Height())));
}
