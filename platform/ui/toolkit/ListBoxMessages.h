#pragma once
// Styles, messages and notifications of list box windows (TCustomListBox and its descendants).
#include "platform/ui/winsys/UiTypes.h"

// Styles.
constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_NOREDRAW = 0x0004;
constexpr DWORD LBS_MULTIPLESEL = 0x0008;
constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD LBS_OWNERDRAWVARIABLE = 0x0020;
constexpr DWORD LBS_HASSTRINGS = 0x0040;
constexpr DWORD LBS_USETABSTOPS = 0x0080;
constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr DWORD LBS_MULTICOLUMN = 0x0200;
constexpr DWORD LBS_WANTKEYBOARDINPUT = 0x0400;
constexpr DWORD LBS_EXTENDEDSEL = 0x0800;
constexpr DWORD LBS_DISABLENOSCROLL = 0x1000;
constexpr DWORD LBS_NODATA = 0x2000;

// Answers.
constexpr LRESULT LB_OKAY = 0;
constexpr LRESULT LB_ERR = -1;
constexpr LRESULT LB_ERRSPACE = -2;

// Messages. Item indexes are 0-based; texts are UTF-8 (const char* in lParam).
constexpr UINT LB_ADDSTRING = 0x0180;
/// wParam the index (-1: the end).
constexpr UINT LB_INSERTSTRING = 0x0181;
constexpr UINT LB_DELETESTRING = 0x0182;
/// wParam non-zero selects, lParam the item (-1: every item); multi-selection lists only.
constexpr UINT LB_SETSEL = 0x0185;
constexpr UINT LB_RESETCONTENT = 0x0184;
constexpr UINT LB_GETSEL = 0x0187;
constexpr UINT LB_GETCURSEL = 0x0188;
/// wParam the item, lParam a char* buffer of LB_GETTEXTLEN + 1 bytes.
constexpr UINT LB_GETTEXT = 0x0189;
/// Answers the item's text length in bytes.
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;
/// wParam the item to search after (-1: the whole list), lParam the text; the first item after it that
/// equals the text, ignoring case, wrapping to the start.
constexpr UINT LB_SELECTSTRING = 0x018C;
constexpr UINT LB_GETTOPINDEX = 0x018E;
/// As LB_SELECTSTRING without selecting: the first item after wParam whose text starts with lParam's,
/// ignoring case, wrapping to the start; LB_ERR when none.
constexpr UINT LB_FINDSTRING = 0x018F;
constexpr UINT LB_GETSELCOUNT = 0x0190;
/// wParam the room in lParam (an int*) for the selected items' indexes; answers how many it wrote.
constexpr UINT LB_GETSELITEMS = 0x0191;
constexpr UINT LB_SETTOPINDEX = 0x0197;
/// wParam the item, lParam a TRect* in client coordinates.
constexpr UINT LB_GETITEMRECT = 0x0198;
constexpr UINT LB_GETITEMDATA = 0x0199;
constexpr UINT LB_SETITEMDATA = 0x019A;
/// wParam the item (-1: no selection); answers LB_ERR when nothing is selected.
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_SETCARETINDEX = 0x019E;
constexpr UINT LB_GETCARETINDEX = 0x019F;
/// wParam the item (any for fixed heights), lParam the height.
constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
/// As LB_FINDSTRING, for a whole text equal to lParam's.
constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
/// lParam a client point; answers MAKELONG(item, 1 when the point lies past the last item).
constexpr UINT LB_ITEMFROMPOINT = 0x01A9;
constexpr UINT LB_SETCOLUMNWIDTH = 0x0195;

// Notifications to the parent: WM_COMMAND with MAKEWPARAM(id, code) and lParam the list's window.
constexpr Word LBN_ERRSPACE = Word(-2);
constexpr Word LBN_SELCHANGE = 1;
constexpr Word LBN_DBLCLK = 2;
constexpr Word LBN_SELCANCEL = 3;
constexpr Word LBN_SETFOCUS = 4;
constexpr Word LBN_KILLFOCUS = 5;
