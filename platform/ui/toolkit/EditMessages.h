#pragma once
// Styles, messages and notifications of edit windows (TCustomEdit and its descendants). Character
// positions count code points of the UTF-8 text.
#include "platform/ui/winsys/UiTypes.h"

// Styles.
constexpr DWORD ES_LEFT = 0x0000;
constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_RIGHT = 0x0002;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_UPPERCASE = 0x0008;
constexpr DWORD ES_LOWERCASE = 0x0010;
constexpr DWORD ES_PASSWORD = 0x0020;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_NOHIDESEL = 0x0100;
constexpr DWORD ES_OEMCONVERT = 0x0400;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_WANTRETURN = 0x1000;
constexpr DWORD ES_NUMBER = 0x2000;

// Messages.
/// wParam / lParam: DWORD* receiving the start and end of the selection; answers MAKELONG(start, end).
constexpr UINT EM_GETSEL = 0x00B0;
/// wParam start, lParam end; start -1 removes the selection, end -1 means the end of the text. The caret
/// goes to the end.
constexpr UINT EM_SETSEL = 0x00B1;
/// lParam a TRect*: the formatting rectangle in client coordinates.
constexpr UINT EM_GETRECT = 0x00B2;
/// lParam a TRect* (null: the default rectangle); EM_SETRECTNP does not repaint.
constexpr UINT EM_SETRECT = 0x00B3;
constexpr UINT EM_SETRECTNP = 0x00B4;
/// Keeps the caret in view.
constexpr UINT EM_SCROLLCARET = 0x00B7;
constexpr UINT EM_GETMODIFY = 0x00B8;
constexpr UINT EM_SETMODIFY = 0x00B9;
constexpr UINT EM_GETLINECOUNT = 0x00BA;
/// wParam a line (-1: the caret's); answers the position of its first character.
constexpr UINT EM_LINEINDEX = 0x00BB;
/// wParam a position; answers the length of its line.
constexpr UINT EM_LINELENGTH = 0x00C1;
/// lParam a const char*: replaces the selection (wParam non-zero: the change can be undone).
constexpr UINT EM_REPLACESEL = 0x00C2;
/// wParam the limit in characters; 0 sets the largest one.
constexpr UINT EM_LIMITTEXT = 0x00C5;
constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
constexpr UINT EM_CANUNDO = 0x00C6;
constexpr UINT EM_UNDO = 0x00C7;
/// wParam a position; answers its line.
constexpr UINT EM_LINEFROMCHAR = 0x00C9;
/// wParam the password character (a code point; 0: show the text).
constexpr UINT EM_SETPASSWORDCHAR = 0x00CC;
constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE;
/// wParam non-zero makes the edit read-only.
constexpr UINT EM_SETREADONLY = 0x00CF;
constexpr UINT EM_GETPASSWORDCHAR = 0x00D2;
/// wParam EC_* flags, lParam MAKELONG(left, right) in pixels.
constexpr UINT EM_SETMARGINS = 0x00D3;
constexpr UINT EM_GETMARGINS = 0x00D4;
constexpr UINT EM_GETLIMITTEXT = 0x00D5;
/// lParam a point in client coordinates; answers MAKELONG(position, line).
constexpr UINT EM_CHARFROMPOS = 0x00D7;
/// wParam a position; answers the client point of its left edge as MAKELONG(x, y).
constexpr UINT EM_POSFROMCHAR = 0x00D6;

// EM_SETMARGINS flags.
constexpr WPARAM EC_LEFTMARGIN = 0x0001;
constexpr WPARAM EC_RIGHTMARGIN = 0x0002;
constexpr WPARAM EC_USEFONTINFO = 0xFFFF;

// Notifications to the parent: WM_COMMAND with MAKEWPARAM(id, code) and lParam the edit's window.
constexpr Word EN_SETFOCUS = 0x0100;
constexpr Word EN_KILLFOCUS = 0x0200;
constexpr Word EN_CHANGE = 0x0300;
constexpr Word EN_UPDATE = 0x0400;
constexpr Word EN_MAXTEXT = 0x0501;
constexpr Word EN_HSCROLL = 0x0601;
constexpr Word EN_VSCROLL = 0x0602;
