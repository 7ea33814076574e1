#pragma once
// Multiple-document windows: a frame window holds one client window of class "MDICLIENT", and the client
// holds the document windows (its MDI children: child windows with WS_EX_MDICHILD). The client keeps
// which child is active and arranges the children; a frame leaves the messages it does not handle to
// DefFrameProc, a child to DefMDIChildProc.
//
// The client's messages (answers 0 unless they say otherwise):
//   WM_MDICREATE (lParam MDICREATESTRUCT*): makes a child of szClass with WS_CHILD, WS_CLIPSIBLINGS and
//     WS_EX_MDICHILD added to its style, lpCreateParams pointing at the record; x = CW_USEDEFAULT puts
//     it at the next cascade place. A child made while the active one is maximized comes maximized (when
//     it has WS_MAXIMIZEBOX). A visible child becomes the active one. Answers the child, 0 on failure.
//   WM_MDIDESTROY (wParam child): destroys the child.
//   WM_MDIACTIVATE (wParam child): makes a visible child the active one: the one losing it gets
//     WM_NCACTIVATE(FALSE) and WM_MDIACTIVATE(wParam itself, lParam the new one), the new one goes on
//     top of its siblings and gets WM_NCACTIVATE(TRUE) and WM_MDIACTIVATE(wParam the old one, lParam
//     itself), and the keyboard focus when the frame is the active window. While the old one was
//     maximized the new one is maximized in its place and the old one restored.
//   WM_MDIGETACTIVE: answers the active child (0: none); lParam, when not null, is a bool* told whether
//     it is maximized.
//   WM_MDINEXT (wParam child, 0: the active one; lParam 0: next, else previous): next activates the
//     child below it and sends it to the bottom, so repeated calls visit every child; previous
//     activates the bottom child.
//   WM_MDIMAXIMIZE, WM_MDIRESTORE (wParam child): maximizes it to the client area (without its frame) or
//     restores it.
//   WM_MDITILE (wParam MDITILE_* flags), WM_MDICASCADE (wParam MDITILE_SKIPDISABLED or 0): restores a
//     maximized child, then places the visible children that are not minimized (disabled ones left out
//     with MDITILE_SKIPDISABLED), in z-order, by MdiTileRects (MDITILE_HORIZONTAL: horizontal) or
//     MdiCascadeRects (step: caption height + 3; children without a sizing frame keep their size);
//     minimized children go along the bottom. Answers TRUE when it placed any.
//   WM_MDIICONARRANGE: places the minimized children in rows along the bottom of the client.
// The active child leaving (destroyed or hidden) passes the activation to the next visible child in
// z-order, maximized when it was. A change of the client's size refits maximized children to it.
#include "platform/base/Types.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/Window.h"

constexpr UINT WM_MDICREATE = 0x0220;
constexpr UINT WM_MDIDESTROY = 0x0221;
constexpr UINT WM_MDIACTIVATE = 0x0222;
constexpr UINT WM_MDIRESTORE = 0x0223;
constexpr UINT WM_MDINEXT = 0x0224;
constexpr UINT WM_MDIMAXIMIZE = 0x0225;
constexpr UINT WM_MDITILE = 0x0226;
constexpr UINT WM_MDICASCADE = 0x0227;
constexpr UINT WM_MDIICONARRANGE = 0x0228;
constexpr UINT WM_MDIGETACTIVE = 0x0229;

constexpr WPARAM MDITILE_VERTICAL = 0x0000;
constexpr WPARAM MDITILE_HORIZONTAL = 0x0001;
constexpr WPARAM MDITILE_SKIPDISABLED = 0x0002;

/// WM_MDICREATE's x (or y) asking for the next cascade place.
constexpr int CW_USEDEFAULT = int(0x80000000);

/// The class name of client windows.
inline constexpr const char* MdiClientClassName = "MDICLIENT";

/// What a frame hands the client it creates (CREATESTRUCT::lpCreateParams). The window menu is the
/// frame's business: the client only keeps it.
struct CLIENTCREATESTRUCT {
  void* hWindowMenu { nullptr };
  UINT idFirstChild { 0 };
};

/// WM_MDICREATE's record: the child's class, title, bounds (client coordinates), style and a value for
/// the child's creation (the child sees this record as CREATESTRUCT::lpCreateParams).
struct MDICREATESTRUCT {
  String szClass;
  String szTitle;
  int x { CW_USEDEFAULT };
  int y { CW_USEDEFAULT };
  int cx { CW_USEDEFAULT };
  int cy { CW_USEDEFAULT };
  DWORD style { 0 };
  LPARAM lParam { 0 };
};

/// Registers the client class unless it is registered.
void RegisterMdiClientClass();

/// The default handling of a frame window with the client Client: the focus goes on to the client (and
/// from there to the active child); the rest is DefWindowProc's.
LRESULT DefFrameProc(HWND Wnd, HWND Client, UINT Msg, WPARAM WParam, LPARAM LParam);

/// The default handling of an MDI child: a maximized child has no frame (its whole window is client);
/// being clicked, shown or raised without SWP_NOACTIVATE makes it the active child; SC_MAXIMIZE,
/// SC_RESTORE, SC_NEXTWINDOW and SC_PREVWINDOW go through its client; hiding the active child passes the
/// activation on; a maximized child's size and text changes repaint the frame's caption. The rest is
/// DefWindowProc's.
LRESULT DefMDIChildProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

/// The text the frame W shows in its caption: its own, followed by " - [", the maximized active child's
/// text and "]" while its client has one.
String MdiFrameCaption(const Window& W);
