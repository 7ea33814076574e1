#pragma once
// The modal loop that moves or sizes a window with the mouse (or the keyboard), run by the default
// handling of WM_SYSCOMMAND SC_MOVE / SC_SIZE, which the default WM_NCLBUTTONDOWN sends for HTCAPTION and
// the sizing codes. It holds the capture, sends WM_ENTERSIZEMOVE, then per pointer step WM_MOVING or
// WM_SIZING with an editable screen rectangle (sizes clamped to WM_GETMINMAXINFO's track sizes on the
// dragged edges) and SetWindowPos, and WM_EXITSIZEMOVE at the end. The button release that ends it is
// consumed; Esc puts the window back where it started. Meanwhile it serves hand-overs, timers, paints and
// posted messages, and returns only when the loop is over.
#include "platform/base/Types.h"
#include "platform/ui/winsys/Messages.h"

/// One move or size operation.
class SizeMoveLoop {
public:
  /// Command is SC_MOVE or SC_SIZE; its low four bits name how it started: for SC_MOVE HTCAPTION (the
  /// mouse) or 0 (the keyboard), for SC_SIZE the WMSZ_* edge (the mouse) or 0 (the keyboard: the arrows
  /// move the right and bottom edges). Start is the pointer's screen position when it started.
  SizeMoveLoop(HWND Wnd, WPARAM Command, TPoint Start);

  void Run();

private:
  /// Handles one queued message; false once the loop is over.
  bool Handle(const TMsg& Msg);
  /// Follows the pointer (or the keyboard's virtual pointer) to P.
  void Track(TPoint P);
  /// R with its width and height inside the track sizes, the edges being dragged giving way.
  TRect Clamped(TRect R) const;
  void Apply(const TRect& Screen);

  HWND FWnd { 0 };
  bool FMoving { true };
  bool FMouse { true };
  WPARAM FEdge { 0 };
  TPoint FAnchor;
  TPoint FPointer;
  TRect FStart;
  TRect FCurrent;
  MINMAXINFO FLimits;
  bool FCancelled { false };
  bool FQuit { false };
  int FQuitCode { 0 };
};
