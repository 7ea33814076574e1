#pragma once
// The default handling of the non-client protocol and of the pointer messages around it:
//   WM_NCCALCSIZE   the client area inside the default frame (DefaultFrame);
//   WM_NCHITTEST    the default frame's hit codes, HTNOWHERE in a window region's cut-outs;
//   WM_NCPAINT      paints the default frame; WM_NCACTIVATE records the state, repaints, answers TRUE;
//   WM_SETCURSOR    the parent first, then the class cursor in the client area, the sizing cursors on
//                   the sizing codes (10-17) and the arrow elsewhere;
//   WM_NCLBUTTONDOWN  HTCAPTION moves, 10-17 size (the top-level window that contains the window), both
//                   through WM_SYSCOMMAND; the caption buttons act on a release over the button pressed
//                   (SC_CLOSE, SC_MINIMIZE, SC_MAXIMIZE or SC_RESTORE); other codes do nothing;
//   WM_NCLBUTTONDBLCLK on the caption maximizes or restores when the window has WS_MAXIMIZEBOX;
//   WM_RBUTTONUP / WM_NCRBUTTONUP ask for the context menu (WM_CONTEXTMENU, screen point);
//   WM_SYSCOMMAND   SC_MOVE and SC_SIZE run the move and size loop, SC_KEYMENU does nothing;
//   WM_ACTIVATE     gives the focus to a window being activated; WM_CANCELMODE releases its capture.
#include <set>

#include "platform/base/Types.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/Window.h"

/// Default non-client handling; see the file comment.
class NonClient {
public:
  /// True with Result set when Msg is one of the messages above.
  bool DefaultProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result);

  /// Whether the frame of Wnd shows as active (its last WM_NCACTIVATE).
  bool FrameActive(HWND Wnd) const { return FActiveFrames.count(Wnd) != 0; }
  /// Forgets what is kept about Wnd and its descendants.
  void Forget(HWND Wnd);

private:
  static LRESULT CalcSize(const Window& W, WPARAM WParam, LPARAM LParam);
  static LRESULT HitTest(const Window& W, LPARAM LParam);
  void PaintFrame(HWND Wnd);
  LRESULT SetCursor(const Window& W, WPARAM WParam, LPARAM LParam);
  LRESULT ButtonDown(HWND Wnd, WPARAM Hit, LPARAM LParam);
  LRESULT ButtonUp(HWND Wnd, WPARAM Hit, LPARAM LParam);
  static LRESULT DoubleClick(const Window& W, WPARAM Hit);
  static bool SystemCommand(HWND Wnd, WPARAM Command, LPARAM LParam);

  std::set<HWND> FActiveFrames;
  /// The window and the caption button (its hit code) the left button went down on.
  HWND FButtonWindow { 0 };
  WPARAM FButtonHit { 0 };
};
