#pragma once
// Records of owner-drawn items: a control asks its parent to measure (WM_MEASUREITEM) and draw
// (WM_DRAWITEM) its items, and the parent reflects both to the control as CN_MEASUREITEM / CN_DRAWITEM.
#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "platform/ui/winsys/UiTypes.h"

// Kinds of controls (CtlType).
constexpr UINT ODT_MENU = 1;
constexpr UINT ODT_LISTBOX = 2;
constexpr UINT ODT_COMBOBOX = 3;
constexpr UINT ODT_BUTTON = 4;

// What changed (itemAction).
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODA_SELECT = 0x0002;
constexpr UINT ODA_FOCUS = 0x0004;

// The item's state (itemState).
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_GRAYED = 0x0002;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_CHECKED = 0x0008;
constexpr UINT ODS_FOCUS = 0x0010;
constexpr UINT ODS_DEFAULT = 0x0020;
constexpr UINT ODS_COMBOBOXEDIT = 0x1000;

/// WM_DRAWITEM's lParam: draw item itemID of hwndItem into rcItem (its client coordinates) on hDC.
struct DRAWITEMSTRUCT {
  UINT CtlType { 0 };
  UINT CtlID { 0 };
  UINT itemID { 0 };
  UINT itemAction { 0 };
  UINT itemState { 0 };
  HWND hwndItem { 0 };
  HDC hDC { nullptr };
  TRect rcItem;
  uintptr_t itemData { 0 };
};

/// WM_MEASUREITEM's lParam: the answer goes into itemHeight (and itemWidth). hwndItem names the control
/// asking, since child windows of controls carry no ids to tell them apart.
struct MEASUREITEMSTRUCT {
  UINT CtlType { 0 };
  UINT CtlID { 0 };
  UINT itemID { 0 };
  UINT itemWidth { 0 };
  UINT itemHeight { 0 };
  uintptr_t itemData { 0 };
  HWND hwndItem { 0 };
};
