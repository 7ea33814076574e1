#pragma once
// Messages and records of the list view, its column header, the tree view and the tab control windows.
// Numbers are the usual ones, so code that sends a literal number and code that names the message agree.
// Every message goes through the window's procedure chain, so a subclass may answer or post-process it.
#include "platform/base/Types.h"
#include "platform/ui/winsys/UiTypes.h"

// ---- List view ---------------------------------------------------------------------------------------

constexpr UINT LVM_FIRST = 0x1000;
/// wParam an LVSIL_* kind; answers that image list's handle (0: none).
constexpr UINT LVM_GETIMAGELIST = LVM_FIRST + 2;
/// wParam an LVSIL_* kind, lParam the new handle; answers the previous one.
constexpr UINT LVM_SETIMAGELIST = LVM_FIRST + 3;
constexpr UINT LVM_GETITEMCOUNT = LVM_FIRST + 4;
/// wParam the item, lParam a TRect* whose Left holds an LVIR_* code; fills it in client coordinates.
constexpr UINT LVM_GETITEMRECT = LVM_FIRST + 14;
/// wParam the item; scrolls so that it shows (lParam non-zero: showing partly is enough).
constexpr UINT LVM_ENSUREVISIBLE = LVM_FIRST + 19;
/// wParam dx, lParam dy in pixels (signed); in report view dy is rounded to whole rows, in list view dx
/// to whole columns.
constexpr UINT LVM_SCROLL = LVM_FIRST + 20;
constexpr UINT LVM_GETCOLUMNWIDTH = LVM_FIRST + 29;
/// wParam the column (0 in list view: every column), lParam the width.
constexpr UINT LVM_SETCOLUMNWIDTH = LVM_FIRST + 30;
/// Answers the header window (0 when there is none).
constexpr UINT LVM_GETHEADER = LVM_FIRST + 31;
constexpr UINT LVM_GETTOPINDEX = LVM_FIRST + 39;
/// Rows that show whole (report view), items that show whole (list view), every item (icon views).
constexpr UINT LVM_GETCOUNTPERPAGE = LVM_FIRST + 40;
constexpr UINT LVM_GETSELECTEDCOUNT = LVM_FIRST + 50;
/// wParam the item; starts editing its label; answers the edit window (0 when refused).
constexpr UINT LVM_EDITLABEL = LVM_FIRST + 118;
constexpr UINT LVM_GETEDITCONTROL = LVM_FIRST + 24;
constexpr UINT LVM_CANCELEDITLABEL = LVM_FIRST + 179;

// LVM_GETIMAGELIST / LVM_SETIMAGELIST kinds.
constexpr WPARAM LVSIL_NORMAL = 0;
constexpr WPARAM LVSIL_SMALL = 1;
constexpr WPARAM LVSIL_STATE = 2;

// LVM_GETITEMRECT parts.
constexpr int LVIR_BOUNDS = 0;
constexpr int LVIR_ICON = 1;
constexpr int LVIR_LABEL = 2;
constexpr int LVIR_SELECTBOUNDS = 3;

// ---- Column header ("SysHeader32") -------------------------------------------------------------------

constexpr UINT HDM_FIRST = 0x1200;
constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0;
/// lParam an HDHITTESTINFO*; answers the item under its point (-1: none).
constexpr UINT HDM_HITTEST = HDM_FIRST + 6;
/// wParam the item, lParam a TRect*; the item's rectangle in the header's client coordinates.
constexpr UINT HDM_GETITEMRECT = HDM_FIRST + 7;
/// wParam the number of entries, lParam an int*: the items in the order they show, left to right.
constexpr UINT HDM_GETORDERARRAY = HDM_FIRST + 17;
constexpr UINT HDM_SETORDERARRAY = HDM_FIRST + 18;

// HDHITTESTINFO flags.
constexpr UINT HHT_NOWHERE = 0x0001;
constexpr UINT HHT_ONHEADER = 0x0002;
constexpr UINT HHT_ONDIVIDER = 0x0004;
constexpr UINT HHT_TORIGHT = 0x0400;
constexpr UINT HHT_TOLEFT = 0x0800;

/// HDM_HITTEST: the point (header client coordinates) in, the flags and the item out.
struct HDHITTESTINFO {
  TPoint pt;
  UINT flags { 0 };
  int iItem { -1 };
};

// ---- Tree view ---------------------------------------------------------------------------------------

/// A node of a tree view window as messages name it; 0 names none.
using HTREEITEM = uintptr_t;

constexpr UINT TV_FIRST = 0x1100;
/// wParam non-zero: the text only, else the whole line; lParam a TRect* whose first bytes hold the
/// HTREEITEM. False when the node does not show (a collapsed ancestor) or names no node.
constexpr UINT TVM_GETITEMRECT = TV_FIRST + 4;
/// Every node of the tree.
constexpr UINT TVM_GETCOUNT = TV_FIRST + 5;
constexpr UINT TVM_GETINDENT = TV_FIRST + 6;
constexpr UINT TVM_SETINDENT = TV_FIRST + 7;
/// wParam a TVSIL_* kind; answers that image list's handle.
constexpr UINT TVM_GETIMAGELIST = TV_FIRST + 8;
/// wParam a TVSIL_* kind, lParam the new handle; answers the previous one.
constexpr UINT TVM_SETIMAGELIST = TV_FIRST + 9;
/// Rows that show whole in the client area.
constexpr UINT TVM_GETVISIBLECOUNT = TV_FIRST + 16;
/// lParam the HTREEITEM: expands its ancestors and scrolls it into view.
constexpr UINT TVM_ENSUREVISIBLE = TV_FIRST + 20;
constexpr UINT TVM_GETITEMHEIGHT = TV_FIRST + 28;
/// lParam the HTREEITEM; starts editing its text; answers the edit window (0 when refused).
constexpr UINT TVM_EDITLABEL = TV_FIRST + 65;
/// wParam non-zero cancels, else commits the edit in progress.
constexpr UINT TVM_ENDEDITLABELNOW = TV_FIRST + 22;

// TVM_GETIMAGELIST / TVM_SETIMAGELIST kinds.
constexpr WPARAM TVSIL_NORMAL = 0;
constexpr WPARAM TVSIL_STATE = 2;

// ---- Tab control -------------------------------------------------------------------------------------

constexpr UINT TCM_FIRST = 0x1300;
constexpr UINT TCM_GETIMAGELIST = TCM_FIRST + 2;
/// lParam the new handle; each tab keeps room for an image of the list's size. Answers the previous one.
constexpr UINT TCM_SETIMAGELIST = TCM_FIRST + 3;
constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
/// wParam the tab, lParam a TRect*: the tab's rectangle in client coordinates. False for a bad index.
constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10;
constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
/// wParam the tab to select (no notification); answers the previous selection.
constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;
/// lParam a TCHITTESTINFO*; answers the tab under its point (-1: none).
constexpr UINT TCM_HITTEST = TCM_FIRST + 13;
/// wParam FALSE: lParam (a TRect*) goes from a window rectangle to the display rectangle inside it;
/// TRUE: the other way.
constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;
/// lParam MAKELPARAM(width, height) of the tabs (0: from the text and the font); answers the previous
/// size the same way.
constexpr UINT TCM_SETITEMSIZE = TCM_FIRST + 41;
constexpr UINT TCM_GETROWCOUNT = TCM_FIRST + 44;

// TCHITTESTINFO flags.
constexpr UINT TCHT_NOWHERE = 0x0001;
constexpr UINT TCHT_ONITEMICON = 0x0002;
constexpr UINT TCHT_ONITEMLABEL = 0x0004;
constexpr UINT TCHT_ONITEM = TCHT_ONITEMICON | TCHT_ONITEMLABEL;

/// TCM_HITTEST: the point (client coordinates) in, the flags out.
struct TCHITTESTINFO {
  TPoint pt;
  UINT flags { 0 };
};
