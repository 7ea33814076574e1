#pragma once
// The input calls, with the usual names and semantics: mouse capture, keyboard focus and activation, key
// and pointer state, which window lies under a point, leave tracking, cursors, the clipboard and the beep.
// Their state lives in the input layer (InputLayer.h). UI thread only, like the window calls; a handle
// that names no window makes a call fail harmlessly.
#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/UiTypes.h"
#include "platform/ui/winsys/VirtualKeys.h"

// ---- Capture -----------------------------------------------------------------------------------------

/// Every mouse message goes to Wnd as a client message (its client coordinates, no WM_NCHITTEST) until
/// the capture is released or taken by another window; the window losing it gets WM_CAPTURECHANGED
/// (lParam the new holder). Returns the previous holder.
HWND SetCapture(HWND Wnd);
/// Ends the capture (WM_CAPTURECHANGED with lParam 0 to the holder); true also when nobody held it.
bool ReleaseCapture();
HWND GetCapture();

// ---- Focus and activation ----------------------------------------------------------------------------

/// Gives Wnd the keyboard focus: WM_KILLFOCUS (wParam the new window) to the old focus, WM_SETFOCUS
/// (wParam the old one) to Wnd, activating Wnd's top-level window first when it is not the active one.
/// Wnd 0 takes the focus away. Fails (0) for a window that is disabled or has a disabled ancestor.
/// Returns the previous focus.
HWND SetFocus(HWND Wnd);
HWND GetFocus();
/// Activates the top-level window: WM_NCACTIVATE(FALSE) and WM_ACTIVATE(WA_INACTIVE, the new window) to
/// the window losing activation, then WM_NCACTIVATE(TRUE) and WM_ACTIVATE(WA_ACTIVE, the old window) to
/// Wnd, whose default handling gives it the focus. Returns the previously active window.
HWND SetActiveWindow(HWND Wnd);
/// The active top-level window of the program; 0 while the program is inactive.
HWND GetActiveWindow();
/// Activates Wnd's top-level window and asks the presenter to bring it to the front. The window system's
/// own activation follows the call even when the desktop refuses to raise the native window.
bool SetForegroundWindow(HWND Wnd);
HWND GetForegroundWindow();

// ---- Keys and pointer state --------------------------------------------------------------------------

/// The key's state as of the input message being handled: bit 15 set (a negative value) while it is
/// down, bit 0 toggled by each press. VK_LBUTTON, VK_RBUTTON and VK_MBUTTON give the pointer buttons;
/// VK_SHIFT, VK_CONTROL and VK_MENU either key of the pair.
short GetKeyState(int VirtualKey);
/// The key's state now, whatever is still queued (bit 15 while down).
short GetAsyncKeyState(int VirtualKey);
/// The pointer's position in screen coordinates (the presenter's, when there is one).
bool GetCursorPos(TPoint* P);
/// Moves the pointer: later queries answer P and a mouse move reaches the window under it.
bool SetCursorPos(int X, int Y);

// ---- Windows under a point ---------------------------------------------------------------------------

/// The deepest visible window under P (screen coordinates) among all the program's windows, the
/// non-client area belonging to its window; windows with WS_EX_TRANSPARENT, disabled windows and points
/// in a window region's cut-outs are skipped, so the answer is what lies below. 0 over no window.
HWND WindowFromPoint(TPoint P);

constexpr UINT CWP_ALL = 0x0000;
constexpr UINT CWP_SKIPINVISIBLE = 0x0001;
constexpr UINT CWP_SKIPDISABLED = 0x0002;
constexpr UINT CWP_SKIPTRANSPARENT = 0x0004;

/// The direct child of Parent under P (Parent's client coordinates), hidden and disabled children
/// included; Parent itself when P is in no child; 0 when P is outside Parent.
HWND ChildWindowFromPoint(HWND Parent, TPoint P);
/// As ChildWindowFromPoint, skipping the kinds of children CWP_* Flags name.
HWND ChildWindowFromPointEx(HWND Parent, TPoint P, UINT Flags);
/// The direct visible child of Parent under P whose WM_NCHITTEST does not answer HTTRANSPARENT; Parent
/// when there is none.
HWND RealChildWindowFromPoint(HWND Parent, TPoint P);

// ---- Leave tracking ----------------------------------------------------------------------------------

constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_QUERY = 0x40000000;
constexpr DWORD TME_CANCEL = 0x80000000;

struct TRACKMOUSEEVENT {
  DWORD cbSize { sizeof(TRACKMOUSEEVENT) };
  DWORD dwFlags { 0 };
  HWND hwndTrack { 0 };
  DWORD dwHoverTime { 0 };
};

/// TME_LEAVE: WM_MOUSELEAVE is posted once when the pointer leaves the window's client area (with
/// TME_NONCLIENT: WM_NCMOUSELEAVE when it leaves the non-client area), then tracking ends. TME_CANCEL
/// ends tracking; TME_QUERY fills Track with what is tracked now. When the pointer is not on that area
/// of the window, the leave notice is posted at once. Fails for no window, a short cbSize or a request
/// without TME_LEAVE.
bool TrackMouseEvent(TRACKMOUSEEVENT* Track);

// ---- Cursors -----------------------------------------------------------------------------------------

// The system's cursors, as LoadCursor(0, IDC_...) names them.
constexpr uintptr_t IDC_ARROW = 32512;
constexpr uintptr_t IDC_IBEAM = 32513;
constexpr uintptr_t IDC_WAIT = 32514;
constexpr uintptr_t IDC_SIZENWSE = 32642;
constexpr uintptr_t IDC_SIZENESW = 32643;
constexpr uintptr_t IDC_SIZEWE = 32644;
constexpr uintptr_t IDC_SIZENS = 32645;
constexpr uintptr_t IDC_SIZEALL = 32646;
constexpr uintptr_t IDC_HAND = 32649;

/// One of the system's cursors (Instance 0, an IDC_* name); 0 for any other name. System cursors live
/// for the whole run.
HCURSOR LoadCursor(uintptr_t Instance, uintptr_t CursorName);
inline HCURSOR LoadCursorW(uintptr_t Instance, uintptr_t CursorName) { return LoadCursor(Instance, CursorName); }
/// Shows Cursor (0: the arrow) and returns the cursor shown before.
HCURSOR SetCursor(HCURSOR Cursor);
HCURSOR GetCursor();

/// What GetIconInfo reports: a cursor's hot spot and its masks. A monochrome cursor has hbmMask twice
/// as high as wide (the AND mask above the XOR mask, 1 bit per pixel, a set AND bit leaves the screen
/// pixel) and no hbmColor. The caller deletes the bitmaps.
struct ICONINFO {
  bool fIcon { false };
  DWORD xHotspot { 0 };
  DWORD yHotspot { 0 };
  HBITMAP hbmMask { nullptr };
  HBITMAP hbmColor { nullptr };
};

/// Fills Info for a cursor of LoadCursor; false for anything else.
bool GetIconInfo(HICON Icon, ICONINFO* Info);

// ---- Clipboard ---------------------------------------------------------------------------------------

/// Text on the clipboard (UTF-8), through the presenter (the desktop's clipboard, or an in-memory one in
/// tests); without a presenter the program keeps its own.
bool ClipboardHasText();
String GetClipboardText();
void SetClipboardText(const String& Text);

// ---- Beep --------------------------------------------------------------------------------------------

/// Makes no sound; counts the beeps, so tests can tell that one was asked for.
bool MessageBeep(UINT Type);
/// Beeps since the input layer was last reset.
int MessageBeepCount();
