#include "tests/platform/display/XWindowIcon.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <climits>

XWindowIcon XWindowIcon::Of(SDL_Window* Native) {
  XWindowIcon icon;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!Native || !SDL_GetWindowWMInfo(Native, &info) || info.subsystem != SDL_SYSWM_X11) return icon;
  Display* connection = info.info.x11.display;
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  XSync(connection, False);
  if (XGetWindowProperty(connection, info.info.x11.window, XInternAtom(connection, "_NET_WM_ICON", False), 0,
                         LONG_MAX / 4, False, XA_CARDINAL, &type, &format, &count, &after, &data) != Success || !data)
    return icon;
  // Format 32 properties come as longs, whatever their width.
  const auto* values = reinterpret_cast<const unsigned long*>(data);
  if (count >= 2 && count >= 2 + values[0] * values[1]) {
    icon.Width = int(values[0]);
    icon.Height = int(values[1]);
    for (unsigned long i = 0; i < values[0] * values[1]; ++i) icon.Pixels.push_back(uint32_t(values[2 + i]));
  }
  XFree(data);
  return icon;
}
