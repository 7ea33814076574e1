#pragma once
// The subclass that the frame of an MDI main form puts on its form's MDI client window. The client then
// has no border of its own (WM_NCCALCSIZE and WM_NCPAINT are swallowed, WM_NCACTIVATE answers 1), its
// background is the frame's (PaintMDIClientBG), and after a change of its size the frame refits the
// children and updates its MDI scroll bars (MDIClientResized). Every other message goes on to the
// client's previous procedure. Destroyed, the subclass takes itself out of the client's procedures by
// identity, so a subclass installed after it stays in place.
#include <memory>

#include "platform/ui/winsys/WindowProc.h"

class TskSkinForm;

/// The frame's subclass of an MDI client window; see the file comment.
class TskSkinMDIClient {
public:
  explicit TskSkinMDIClient(TskSkinForm* AFrame);
  ~TskSkinMDIClient();
  TskSkinMDIClient(const TskSkinMDIClient&) = delete;
  TskSkinMDIClient& operator=(const TskSkinMDIClient&) = delete;

  /// Subclasses Wnd; nothing when Wnd is the window already subclassed. A subclass of an earlier client
  /// window that still exists is taken out first.
  void Attach(HWND Wnd);
  /// The subclassed window (0 before Attach).
  HWND Handle() const { return FWnd; }
  /// The client's whole background is painted again.
  void Repaint() const;

private:
  LRESULT ClientWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void Detach();

  TskSkinForm* FFrame;
  HWND FWnd { 0 };
  std::unique_ptr<WindowProc> FClientInstance;
  WNDPROC FPrevClientProc { nullptr };
};
