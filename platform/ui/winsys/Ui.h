#pragma once
// The window system's calls, with the usual names and semantics: windows and classes, the tree and
// z-order, placement and showing, messages and the queue, painting and device contexts, regions,
// scrolling and timers. Every call is for the UI thread unless it says it is thread-safe. A handle that
// names no window (0, destroyed, stale) makes a call fail harmlessly: it answers 0 / false / an empty
// value and changes nothing.
//
// Input, focus, capture, activation, cursors, the clipboard, layered windows and screen metrics are the
// input layer's calls (IInputLayer.h and its own headers); the loop's primitives are in MessageLoop.h.
#include <functional>

#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/UiTypes.h"
#include "platform/ui/winsys/WindowClass.h"
#include "platform/ui/winsys/WindowProc.h"

// ---- Styles ------------------------------------------------------------------------------------------

constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_MINIMIZE = 0x20000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
constexpr DWORD WS_MAXIMIZE = 0x01000000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_DLGFRAME = 0x00400000;
constexpr DWORD WS_CAPTION = WS_BORDER | WS_DLGFRAME;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_HSCROLL = 0x00100000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
constexpr DWORD WS_SIZEBOX = WS_THICKFRAME;
constexpr DWORD WS_ICONIC = WS_MINIMIZE;
constexpr DWORD WS_CHILDWINDOW = WS_CHILD;
constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD WS_POPUPWINDOW = WS_POPUP | WS_BORDER | WS_SYSMENU;

constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
constexpr DWORD WS_EX_NOPARENTNOTIFY = 0x00000004;
constexpr DWORD WS_EX_TOPMOST = 0x00000008;
constexpr DWORD WS_EX_ACCEPTFILES = 0x00000010;
constexpr DWORD WS_EX_TRANSPARENT = 0x00000020;
constexpr DWORD WS_EX_MDICHILD = 0x00000040;
constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080;
constexpr DWORD WS_EX_WINDOWEDGE = 0x00000100;
constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
constexpr DWORD WS_EX_CONTEXTHELP = 0x00000400;
constexpr DWORD WS_EX_RIGHT = 0x00001000;
constexpr DWORD WS_EX_RTLREADING = 0x00002000;
constexpr DWORD WS_EX_LEFTSCROLLBAR = 0x00004000;
constexpr DWORD WS_EX_CONTROLPARENT = 0x00010000;
constexpr DWORD WS_EX_STATICEDGE = 0x00020000;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;
constexpr DWORD WS_EX_LAYERED = 0x00080000;
constexpr DWORD WS_EX_NOACTIVATE = 0x08000000;

// ---- Constants of the calls --------------------------------------------------------------------------

// Special insert-after values of SetWindowPos.
const HWND HWND_TOP = 0;
const HWND HWND_BOTTOM = 1;
const HWND HWND_TOPMOST = HWND(-1);
const HWND HWND_NOTOPMOST = HWND(-2);

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_NORMAL = SW_SHOWNORMAL;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = SW_SHOWMAXIMIZED;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

// SetWindowPos flags.
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_FRAMECHANGED = 0x0020;
constexpr UINT SWP_DRAWFRAME = SWP_FRAMECHANGED;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;
constexpr UINT SWP_NOCOPYBITS = 0x0100;
constexpr UINT SWP_NOOWNERZORDER = 0x0200;
constexpr UINT SWP_NOREPOSITION = SWP_NOOWNERZORDER;
constexpr UINT SWP_NOSENDCHANGING = 0x0400;
/// Set by the window system in WM_WINDOWPOSCHANGED when the client area kept its size / its position
/// in the parent (no WM_SIZE / WM_MOVE follows).
constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
constexpr UINT SWP_NOCLIENTMOVE = 0x1000;
constexpr UINT SWP_DEFERERASE = 0x2000;
constexpr UINT SWP_ASYNCWINDOWPOS = 0x4000;

// GetWindow relations.
constexpr UINT GW_HWNDFIRST = 0;
constexpr UINT GW_HWNDLAST = 1;
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;

// GetAncestor relations.
constexpr UINT GA_PARENT = 1;
constexpr UINT GA_ROOT = 2;
constexpr UINT GA_ROOTOWNER = 3;

// Get/SetWindowLong(Ptr) indexes; non-negative indexes address the cbWndExtra bytes.
constexpr int GWL_WNDPROC = -4;
constexpr int GWL_HINSTANCE = -6;
constexpr int GWL_HWNDPARENT = -8;  // the owner of a top-level window
constexpr int GWL_ID = -12;
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWL_USERDATA = -21;
constexpr int GWLP_WNDPROC = GWL_WNDPROC;
constexpr int GWLP_HWNDPARENT = GWL_HWNDPARENT;
constexpr int GWLP_ID = GWL_ID;
constexpr int GWLP_USERDATA = GWL_USERDATA;

// Get/SetClassLong(Ptr) indexes.
constexpr int GCLP_HBRBACKGROUND = -10;
constexpr int GCLP_HCURSOR = -12;
constexpr int GCLP_HICON = -14;
constexpr int GCLP_WNDPROC = -24;
constexpr int GCL_STYLE = -26;

// RedrawWindow flags.
constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;

// GetDCEx flags.
constexpr DWORD DCX_WINDOW = 0x00000001;
constexpr DWORD DCX_CACHE = 0x00000002;
constexpr DWORD DCX_NORESETATTRS = 0x00000004;
constexpr DWORD DCX_CLIPCHILDREN = 0x00000008;
constexpr DWORD DCX_CLIPSIBLINGS = 0x00000010;
constexpr DWORD DCX_PARENTCLIP = 0x00000020;
constexpr DWORD DCX_EXCLUDERGN = 0x00000040;
constexpr DWORD DCX_INTERSECTRGN = 0x00000080;
constexpr DWORD DCX_EXCLUDEUPDATE = 0x00000100;
constexpr DWORD DCX_INTERSECTUPDATE = 0x00000200;
constexpr DWORD DCX_LOCKWINDOWUPDATE = 0x00000400;
constexpr DWORD DCX_VALIDATE = 0x00200000;

// ScrollWindowEx flags.
constexpr UINT SW_SCROLLCHILDREN = 0x0001;
constexpr UINT SW_INVALIDATE = 0x0002;
constexpr UINT SW_ERASE = 0x0004;

// PeekMessage options.
constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
constexpr UINT PM_NOYIELD = 0x0002;

// ---- Classes -----------------------------------------------------------------------------------------

/// Registers a class; 0 when the name is empty or taken. Names compare without regard to ASCII case.
ATOM RegisterClass(const WNDCLASS& Class);
/// False while windows of the class exist or when there is no such class.
bool UnregisterClass(const String& ClassName);
bool GetClassInfo(const String& ClassName, WNDCLASS* Class);
String GetClassName(HWND Wnd);
/// GCL_STYLE, GCLP_HBRBACKGROUND, GCLP_HCURSOR, GCLP_HICON, GCLP_WNDPROC of the window's class.
LONG_PTR GetClassLongPtr(HWND Wnd, int Index);
/// Changes the class (every window of it); returns the previous value.
LONG_PTR SetClassLongPtr(HWND Wnd, int Index, LONG_PTR Value);

// ---- Windows -----------------------------------------------------------------------------------------

/// Creates a window: a child of Parent with WS_CHILD, else a top-level window owned by Parent's
/// top-level window (when Parent is given). Sends WM_GETMINMAXINFO (top-level and sizable windows),
/// WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_PARENTNOTIFY(WM_CREATE) to the ancestors
/// unless WS_EX_NOPARENTNOTIFY, then shows the window when Style has WS_VISIBLE. Param reaches
/// CREATESTRUCT::lpCreateParams; Id becomes GWL_ID. 0 on failure (unknown class, bad parent, a
/// creation message answered with failure).
HWND CreateWindowEx(DWORD ExStyle, const String& ClassName, const String& WindowName, DWORD Style, int X,
                    int Y, int Width, int Height, HWND Parent, UINT_PTR Id, void* Param = nullptr);
/// Destroys the window, the windows it owns and its children: hides it, sends WM_DESTROY to the window
/// and then to its descendants (parents before children) and WM_NCDESTROY children first. Safe inside
/// the window's own handlers: the record stays readable until the outermost call into it returns.
bool DestroyWindow(HWND Wnd);
bool IsWindow(HWND Wnd);
HWND GetDesktopWindow();

// ---- Tree and z-order ----
/// The parent of a child window, the owner of a top-level one (0 when none).
HWND GetParent(HWND Wnd);
/// Makes Wnd a child of NewParent (0: the desktop) on top of its siblings; returns the old parent.
HWND SetParent(HWND Wnd, HWND NewParent);
/// GW_* relations; siblings in z-order, topmost first.
HWND GetWindow(HWND Wnd, UINT Relation);
HWND GetTopWindow(HWND Wnd);
HWND GetAncestor(HWND Wnd, UINT Flags);
/// True when Wnd is a descendant of Parent through child windows.
bool IsChild(HWND Parent, HWND Wnd);
/// Calls Fn for each top-level window in z-order until it answers false.
bool EnumWindows(const std::function<bool(HWND)>& Fn);
/// Calls Fn for each descendant of Parent (parents before their children) until it answers false.
bool EnumChildWindows(HWND Parent, const std::function<bool(HWND)>& Fn);

// ---- Placement ----
/// Moves, sizes, reorders, shows or hides a window (SWP_* flags). Sends WM_GETMINMAXINFO on a resize
/// of a top-level or sizable window and clamps the size to its track sizes, then
/// WM_WINDOWPOSCHANGING (its edits are applied), WM_NCCALCSIZE on a size change or SWP_FRAMECHANGED
/// (the client rectangle is the answer), WM_WINDOWPOSCHANGED (whose default handling sends WM_MOVE and
/// WM_SIZE).
bool SetWindowPos(HWND Wnd, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags);
bool MoveWindow(HWND Wnd, int X, int Y, int Width, int Height, bool Repaint);
bool BringWindowToTop(HWND Wnd);
/// SW_* commands; WM_SHOWWINDOW arrives before the visibility changes. Returns the previous visibility.
bool ShowWindow(HWND Wnd, int Command);
/// Hides (false) or shows again (true) the visible windows Owner owns, with WM_SHOWWINDOW and
/// SW_PARENTCLOSING / SW_PARENTOPENING.
bool ShowOwnedPopups(HWND Owner, bool Show);
/// Screen coordinates.
bool GetWindowRect(HWND Wnd, TRect* R);
/// (0, 0, client width, client height).
bool GetClientRect(HWND Wnd, TRect* R);
bool ClientToScreen(HWND Wnd, TPoint* P);
bool ScreenToClient(HWND Wnd, TPoint* P);
/// Maps points from From's client coordinates to To's (0 = screen); answers MAKELONG(dx, dy).
int MapWindowPoints(HWND From, HWND To, TPoint* Points, UINT Count);
/// Maps a rectangle the same way (both corners).
int MapWindowPoints(HWND From, HWND To, TRect* R);

// ---- State ----
/// Sends WM_CANCELMODE (disabling), WM_ENABLE; returns whether the window was disabled before.
bool EnableWindow(HWND Wnd, bool Enable);
bool IsWindowEnabled(HWND Wnd);
/// WS_VISIBLE on the window and all its ancestors.
bool IsWindowVisible(HWND Wnd);
bool IsIconic(HWND Wnd);
bool IsZoomed(HWND Wnd);

// ---- Attributes ----
/// GWL_* and extra-byte indexes. GWL_STYLE / GWL_EXSTYLE changes send WM_STYLECHANGING (editable) and
/// WM_STYLECHANGED; the frame follows at the next SWP_FRAMECHANGED. Setting GWL_WNDPROC subclasses:
/// setting a procedure that a procedure in the chain saved when it was installed takes that one out
/// of the chain wherever it stands (restore by identity), any other value goes on top. Returns the
/// previous value (0 on failure).
LONG_PTR GetWindowLongPtr(HWND Wnd, int Index);
LONG_PTR SetWindowLongPtr(HWND Wnd, int Index, LONG_PTR Value);
inline DWORD GetWindowLong(HWND Wnd, int Index) { return DWORD(GetWindowLongPtr(Wnd, Index)); }
inline DWORD SetWindowLong(HWND Wnd, int Index, DWORD Value) {
  return DWORD(SetWindowLongPtr(Wnd, Index, LONG_PTR(int32_t(Value))));
}
bool SetProp(HWND Wnd, const String& Name, uintptr_t Data);
uintptr_t GetProp(HWND Wnd, const String& Name);
uintptr_t RemoveProp(HWND Wnd, const String& Name);
/// Through WM_SETTEXT / WM_GETTEXTLENGTH / WM_GETTEXT.
bool SetWindowText(HWND Wnd, const String& Text);
String GetWindowText(HWND Wnd);
int GetWindowTextLength(HWND Wnd);
/// The same id for the same name (ASCII case ignored) for the whole run, from WM_REGISTERED_FIRST on.
UINT RegisterWindowMessage(const String& Name);

// ---- Messages ----------------------------------------------------------------------------------------

/// Calls the window's procedure and returns its answer (0 for no window). UI thread only.
LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
/// Queues a message for the window. Thread-safe; a window gone by the time the message is dispatched
/// never sees it. False (nothing queued) for no window when called on the UI thread.
bool PostMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
/// Queues a message without a window for the UI thread (Thread = MainThreadID()). Thread-safe.
bool PostThreadMessage(DWORD Thread, UINT Msg, WPARAM WParam, LPARAM LParam);
/// Asks the loop to end: GetMessage answers WM_QUIT (wParam ExitCode) once the posted messages before
/// it were retrieved.
void PostQuitMessage(int ExitCode);
/// Retrieves the next message: posted and input messages in order, then WM_QUIT, then a due WM_TIMER,
/// then a WM_PAINT for a window that needs painting (parents before their children). Wnd limits the
/// search to that window and its descendants (0: any). Filter limits the message range (both 0: any).
bool PeekMessage(TMsg* Msg, HWND Wnd, UINT FilterMin, UINT FilterMax, UINT RemoveFlags);
/// Like PeekMessage with PM_REMOVE but waits for a message; false for WM_QUIT. Serves the hand-over
/// queue while it waits.
bool GetMessage(TMsg* Msg, HWND Wnd, UINT FilterMin, UINT FilterMax);
/// Calls the target window's procedure (nothing for a message without a window).
LRESULT DispatchMessage(const TMsg& Msg);
/// Queues the character messages of a key message (the input layer's translation).
bool TranslateMessage(const TMsg& Msg);
/// The time and cursor position of the message last retrieved.
DWORD GetMessageTime();
DWORD GetMessagePos();
/// The default window procedure.
LRESULT DefWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
/// Calls Proc for the window: how a subclass chains to the procedure it replaced. From inside the
/// window's chain it goes on with Proc when Proc lies below the calling procedure, else with the
/// procedure right below the caller, so a subclass whose saved procedure left the chain (or came back
/// above it) still reaches the rest of the chain. A destroyed procedure stands for the default one.
LRESULT CallWindowProc(WNDPROC Proc, HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

// ---- Painting ----------------------------------------------------------------------------------------

/// Adds R (client coordinates; null: the whole client area) to the update region, with the erase
/// request when Erase. Children are included unless the window has WS_CLIPCHILDREN. Wnd 0: every
/// window. Thread-safe: from another thread the request is handed to the UI thread.
bool InvalidateRect(HWND Wnd, const TRect* R, bool Erase);
/// As InvalidateRect with a region in client coordinates (null: everything).
bool InvalidateRgn(HWND Wnd, HRGN Rgn, bool Erase);
bool ValidateRect(HWND Wnd, const TRect* R);
bool ValidateRgn(HWND Wnd, HRGN Rgn);
/// Bounds of the update region in client coordinates; false when it is empty. With Erase, a pending
/// erase is done now.
bool GetUpdateRect(HWND Wnd, TRect* R, bool Erase);
/// Copies the update region into Rgn; answers its kind.
int GetUpdateRgn(HWND Wnd, HRGN Rgn, bool Erase);
/// Paints the window and its children now if they need it.
bool UpdateWindow(HWND Wnd);
/// RDW_* flags over R or Rgn (client coordinates; both null: the whole window).
bool RedrawWindow(HWND Wnd, const TRect* R, HRGN Rgn, UINT Flags);
/// Starts painting: WM_NCPAINT and WM_ERASEBKGND when due, validates the window, and answers a DC over
/// the client area clipped to the update region, the window region, the parents' client areas, and the
/// children (WS_CLIPCHILDREN) and siblings above (WS_CLIPSIBLINGS).
HDC BeginPaint(HWND Wnd, PAINTSTRUCT* Paint);
bool EndPaint(HWND Wnd, const PAINTSTRUCT* Paint);
/// A DC over the client area (GetDC) or the whole window (GetWindowDC), clipped to what of it shows;
/// given back with ReleaseDC. GetDC(0) draws nowhere.
HDC GetDC(HWND Wnd);
HDC GetWindowDC(HWND Wnd);
/// DCX_* flags; Clip (screen coordinates) is intersected or excluded with DCX_INTERSECTRGN /
/// DCX_EXCLUDERGN and stays the caller's.
HDC GetDCEx(HWND Wnd, HRGN Clip, DWORD Flags);
int ReleaseDC(HWND Wnd, HDC DC);
/// The window owns Rgn from now on (window coordinates; null removes the region); Redraw repaints.
int SetWindowRgn(HWND Wnd, HRGN Rgn, bool Redraw);
/// Copies the window region into Rgn; answers its kind, RGN_ERROR when the window has none.
int GetWindowRgn(HWND Wnd, HRGN Rgn);
/// Moves the pixels of the client area (Scroll: part of it; Clip: limit) by (DX, DY); the area left
/// behind goes into the update region (SW_INVALIDATE, with SW_ERASE the erase request), into Update
/// and *UpdateRect. SW_SCROLLCHILDREN moves the child windows too. Answers the kind of the area left.
int ScrollWindowEx(HWND Wnd, int DX, int DY, const TRect* Scroll, const TRect* Clip, HRGN Update,
                   TRect* UpdateRect, UINT Flags);
/// ScrollWindowEx with SW_INVALIDATE | SW_ERASE, and SW_SCROLLCHILDREN when Scroll is null.
bool ScrollWindow(HWND Wnd, int DX, int DY, const TRect* Scroll, const TRect* Clip);

// ---- Timers ------------------------------------------------------------------------------------------

/// Starts (or restarts: same window and id) a timer that queues WM_TIMER (wParam Id) every Elapse
/// milliseconds of CurrentClock(). Answers Id, 0 for no window.
UINT_PTR SetTimer(HWND Wnd, UINT_PTR Id, UINT Elapse);
bool KillTimer(HWND Wnd, UINT_PTR Id);

// ---- Names as the callers spell them -----------------------------------------------------------------

inline LRESULT SendMessageW(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return SendMessage(Wnd, Msg, WParam, LParam);
}
inline bool PostMessageW(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return PostMessage(Wnd, Msg, WParam, LParam);
}
inline LRESULT CallWindowProcW(WNDPROC Proc, HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return CallWindowProc(Proc, Wnd, Msg, WParam, LParam);
}
inline LRESULT DefWindowProcW(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return DefWindowProc(Wnd, Msg, WParam, LParam);
}
inline DWORD GetWindowLongW(HWND Wnd, int Index) { return GetWindowLong(Wnd, Index); }
inline DWORD SetWindowLongW(HWND Wnd, int Index, DWORD Value) { return SetWindowLong(Wnd, Index, Value); }
inline DWORD SetClassLongW(HWND Wnd, int Index, DWORD Value) {
  return DWORD(SetClassLongPtr(Wnd, Index, LONG_PTR(int32_t(Value))));
}
inline UINT RegisterWindowMessageW(const String& Name) { return RegisterWindowMessage(Name); }
