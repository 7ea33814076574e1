#include "platform/display/X11Compositing.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/Xrender.h>

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
  // The server may have several 32-bit visuals; only one whose rendering format has alpha is blended.
  Display* D = Server(FDisplay);
  XVisualInfo Wanted {};
  Wanted.screen = FScreen;
  Wanted.depth = 32;
  Wanted.c_class = TrueColor;
  int Count = 0;
  XVisualInfo* Visuals = XGetVisualInfo(D, VisualScreenMask | VisualDepthMask | VisualClassMask, &Wanted, &Count);
  unsigned long Found = 0;
  for (int I = 0; I < Count && !Found; ++I)
    if (const XRenderPictFormat* Format = XRenderFindVisualFormat(D, Visuals[I].visual);
        Format && Format->type == PictTypeDirect && Format->direct.alphaMask)
      Found = Visuals[I].visualid;
  if (Visuals) XFree(Visuals);
  return Found;
}

bool X11Compositing::IsManagerChange(const SDL_SysWMmsg& Msg) const {
  if (Msg.subsystem != SDL_SYSWM_X11) return false;
  const XEvent& E = Msg.msg.x11.event;
  return E.type == FFixesEventBase + XFixesSelectionNotify &&
         reinterpret_cast<const XFixesSelectionNotifyEvent&>(E).selection == FSelection;
}
