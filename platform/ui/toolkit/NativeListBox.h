#pragma once
// The list box window's own behaviour, owned by a TCustomListBox and fed with what reaches its
// DefaultHandler: the items with their data and selection, the LB_* messages, the row layout (one
// column, or columns of whole rows), scrolling with the window's scroll information, keys, the mouse and
// painting. The items live here, not in the window, so they exist before the window and survive
// RecreateWnd.
//
// Scroll information: vertically the range is 0 .. count - 1 in rows, the page the rows that show and
// the position the top row; a multi-column list scrolls horizontally in columns. The range is kept
// whether or not a bar shows; a bar the window was made with shows only while there is something to
// scroll (always with LBS_DISABLENOSCROLL). Every scroll and every change of the items repaints with an
// erase. The wheel scrolls nothing: whoever wants wheel scrolling sends the scroll messages.
//
// Selection: changes made by code (LB_SETCURSEL, LB_SETSEL, ...) notify nothing; the user's clicks and
// keys send LBN_SELCHANGE (and LBN_DBLCLK) to the parent when the list has LBS_NOTIFY. Rows whose state
// changes are drawn again at once; owner-drawn lists get WM_DRAWITEM for them, with ODS_SELECTED for
// selected rows and ODS_FOCUS for the caret row while the list has the focus.
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "platform/ui/winsys/Messages.h"

class TCustomListBox;

/// The window side of a list box: owned by its TCustomListBox, which feeds it the messages its DefaultHandler
/// receives and whose items and properties it reads; it never exists without that owner.
class NativeListBox {
public:
  explicit NativeListBox(TCustomListBox& List);
  NativeListBox(const NativeListBox&) = delete;
  NativeListBox& operator=(const NativeListBox&) = delete;

  /// Handles a list box message (setting Result); false leaves it to the default window procedure.
  bool Handle(TMessage& Message);

private:
  struct Item {
    String Text;
    uintptr_t Data { 0 };
    bool Selected { false };
    int Height { 0 };  // variable-height lists only
  };

  // ---- Items ----
  int Count() const { return int(FItems.size()); }
  bool Valid(int Index) const { return Index >= 0 && Index < Count(); }
  int Insert(int Index, const String& Text);
  void Measure(int Index);
  LRESULT Delete(int Index);
  void Reset();
  /// The first item after After (wrapping; -1: from the start) whose text starts with, or (Exact)
  /// equals, Text, letter case ignored; LB_ERR when none.
  LRESULT Find(int After, const String& Text, bool Exact) const;
  LRESULT GetText(int Index, char* Buffer) const;

  // ---- Style and geometry ----
  DWORD Style() const;
  bool Multiple() const;
  bool Extended() const;
  bool OwnerDraw() const;
  bool Variable() const;
  bool Columns() const;
  HWND Wnd() const;
  TRect Client() const;
  HFONT Font() const;
  int FixedHeight() const;
  int HeightOf(int Index) const;
  /// Rows that show whole (in a column of a multi-column list); at least 1.
  int Rows() const;
  int ColumnWidth() const;
  int VisibleColumns() const;
  int MaxTop() const;
  bool ItemRect(int Index, TRect& R) const;
  /// The item under P (client coordinates) and whether P lies past the items.
  int ItemAt(TPoint P, bool& Past) const;

  // ---- Scrolling ----
  void SetTop(int Index);
  void EnsureVisible(int Index);
  void UpdateScrollInfo();
  /// Sets the scroll information; true when there is more than a page.
  bool PublishScrollInfo();
  void Scroll(int Bar, WPARAM Request);
  void ContentChanged();

  // ---- Selection ----
  bool IsSelected(int Index) const;
  void SetSelected(int Index, bool Value);
  void SetCurSel(int Index);
  void SetCaret(int Index);
  void SelectOnly(int Index);
  void SelectRange(int From, int To);
  /// The user moved to Index (keys, mouse): selection by the list's kind and modifier keys.
  void UserMove(int Index, bool Shift, bool Ctrl, bool Toggle);
  void Notify(Word Code);

  // ---- Painting ----
  void Paint(HDC DC);
  HBRUSH Background(HDC DC);
  void DrawItem(HDC DC, int Index, UINT Action);
  void RedrawItem(int Index, UINT Action);

  // ---- Input ----
  void KeyDown(WPARAM Key);
  void ButtonDown(TPoint P, WPARAM Keys, bool Double);
  void MouseMove(TPoint P);
  void ButtonUp();

  TCustomListBox& FList;
  std::vector<Item> FItems;
  /// The selected item of a single-selection list.
  int FCurSel { -1 };
  /// The item with the focus rectangle, and where range selections start.
  int FCaret { -1 };
  int FAnchor { -1 };
  int FTop { 0 };
  /// A height set with LB_SETITEMHEIGHT (0: the font's).
  int FItemHeight { 0 };
  int FColumnWidth { 0 };
  HFONT FFont { nullptr };
  /// The font's cell height, measured when first needed.
  mutable int FFontHeight { 0 };
  /// The bars the window was made with.
  DWORD FBars { 0 };
  bool FUpdatingBars { false };
  bool FPressed { false };
  /// A press chose an item: LBN_SELCHANGE follows at its release.
  bool FNotifyOnRelease { false };
};
