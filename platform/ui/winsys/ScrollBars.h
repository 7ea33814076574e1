#pragma once
// The scroll information calls of the window system for a window's standard bars (SB_HORZ, SB_VERT).
// Each window keeps both bars' state whether or not WS_HSCROLL / WS_VSCROLL show them: controls whose
// bars are hidden (or drawn by someone else) still keep and publish their range, page and position.
// Setting the state never adds or removes a bar; ShowScrollBar does. The default frame draws a shown
// bar's thumb from this state. There are no scroll-bar control windows, so SB_CTL is refused.
//
// A window that scrolls answers WM_HSCROLL / WM_VSCROLL with the SB_* codes of Messages.h in
// LOWORD(wParam) (HIWORD: the position for SB_THUMBPOSITION / SB_THUMBTRACK, cut to 16 bits; controls
// read the full position with GetScrollInfo).
#include "platform/ui/winsys/ScrollBarState.h"
#include "platform/ui/winsys/UiTypes.h"

// Which bar.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

// EnableScrollBar arrows.
constexpr UINT ESB_ENABLE_BOTH = 0x0000;
constexpr UINT ESB_DISABLE_LEFT = 0x0001;
constexpr UINT ESB_DISABLE_UP = 0x0001;
constexpr UINT ESB_DISABLE_RIGHT = 0x0002;
constexpr UINT ESB_DISABLE_DOWN = 0x0002;
constexpr UINT ESB_DISABLE_BOTH = 0x0003;

/// Fills the fields Info->fMask names (SIF_TRACKPOS: the position; bars here have no thumb tracking).
/// False for no window, a bar other than SB_HORZ / SB_VERT, or a null Info.
bool GetScrollInfo(HWND Wnd, int Bar, SCROLLINFO* Info);
/// Sets the fields Info.fMask names; the page is cut to the range's size and the position clamped to
/// nMin .. nMax - max(nPage - 1, 0). Redraw repaints a shown bar. Answers the new position (0 when
/// nothing was set).
int SetScrollInfo(HWND Wnd, int Bar, const SCROLLINFO& Info, bool Redraw);
/// The range; false (both 0) when there is no such bar.
bool GetScrollRange(HWND Wnd, int Bar, int* MinPos, int* MaxPos);
bool SetScrollRange(HWND Wnd, int Bar, int MinPos, int MaxPos, bool Redraw);
int GetScrollPos(HWND Wnd, int Bar);
/// Answers the previous position.
int SetScrollPos(HWND Wnd, int Bar, int Pos, bool Redraw);
/// Adds or removes WS_HSCROLL / WS_VSCROLL (Bar SB_HORZ, SB_VERT or SB_BOTH) and recomputes the frame
/// (SWP_FRAMECHANGED), so the client area gives or takes the bar's room. The state is kept either way.
bool ShowScrollBar(HWND Wnd, int Bar, bool Show);
/// ESB_* arrows of SB_HORZ, SB_VERT or SB_BOTH; false when nothing changed (already so, or no such bar).
bool EnableScrollBar(HWND Wnd, UINT Bar, UINT Arrows);
