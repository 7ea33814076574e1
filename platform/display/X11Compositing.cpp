#include "platform/display/X11Compositing.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <string>

namespace {

Display* Server(void* D) { return static_cast<Display*>(D); }

}  // namespace

std::optional<X11Compositing> X11Compositing::Watch(SDL_Window* Probe) {
  if (!Probe) return std::nullopt;
  SDL_SysWMinfo Info;
  SDL_VERSION(&Info.version);
  if (!SDL_GetWindowWMInfo(Probe, &Info) || Info.subsystem != SDL_SYSWM_X11) return std::nullopt;
  Display* D = Info.info.x11.display;
  int EventBase = 0, ErrorBase = 0;
  if (!XFixesQueryExtension(D, &EventBase, &ErrorBase)) return std::nullopt;
  XWindowAttributes A;
  if (!XGetWindowAttributes(D, Info.info.x11.window, &A)) return std::nullopt;
  const int Screen = XScreenNumberOfScreen(A.screen);
  const Atom Selection = XInternAtom(D, ("_NET_WM_CM_S" + std::to_string(Screen)).c_str(), False);
  XFixesSelectSelectionInput(D, RootWindow(D, Screen), Selection,
                             XFixesSetSelectionOwnerNotifyMask | XFixesSelectionWindowDestroyNotifyMask |
                                 XFixesSelectionClientCloseNotifyMask);
  XFlush(D);
  return X11Compositing(D, Screen, Selection, EventBase);
}

bool X11Compositing::ManagerRuns() const { return XGetSelectionOwner(Server(FDisplay), FSelection) != None; }

unsigned long X11Compositing::AlphaVisual() const {
  XVisualInfo Visual;
  return XMatchVisualInfo(Server(FDisplay), FScreen, 32, TrueColor, &Visual) ? Visual.visualid : 0;
}

bool X11Compositing::IsManagerChange(const SDL_SysWMmsg& Msg) const {
  if (Msg.subsystem != SDL_SYSWM_X11) return false;
  const XEvent& E = Msg.msg.x11.event;
  return E.type == FFixesEventBase + XFixesSelectionNotify &&
         reinterpret_cast<const XFixesSelectionNotifyEvent&>(E).selection == FSelection;
}
