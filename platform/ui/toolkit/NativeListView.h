#pragma once
// The list view window's own behaviour, owned by a TCustomListView and fed with what reaches its
// DefaultHandler: layout of the four views, painting, hit testing, keyboard and mouse, scrolling and the
// scroll information, the LVM_* messages, the header child and the in-place caption editor.
#include <memory>

#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "platform/ui/toolkit/LabelEditor.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/ViewTypes.h"

class NativeHeader;
class TCustomListView;
class TListItem;

/// The window side of a list view: owned by its TCustomListView, which feeds it the messages its DefaultHandler
/// receives and whose items and properties it reads; it never exists without that owner.
class NativeListView {
public:
  explicit NativeListView(TCustomListView& List);
  ~NativeListView();
  NativeListView(const NativeListView&) = delete;
  NativeListView& operator=(const NativeListView&) = delete;

  /// Handles a message of the list view's window; false leaves it to the default window procedure.
  bool Handle(TMessage& Message);

  // ---- What the list view tells the window ----
  /// Items from From on were added, removed or moved (0: the whole list changed): scroll state and
  /// painting follow.
  void CountChanged(int From = 0);
  /// Repaints one item.
  void RedrawItem(int Index);
  /// Columns, view style or an option changed: everything is laid out and painted again.
  void LayoutChanged();
  /// Items.BeginUpdate (true) and the outermost EndUpdate (false).
  void SetUpdating(bool Updating);
  /// An item was inserted or deleted at Index: the item being edited keeps its edit.
  void ItemInserted(int Index);
  void ItemDeleted(int Index);
  /// Ends an edit in place (Cancel: without taking the text).
  void EndEdit(bool Cancel) { FEditor.End(Cancel); }
  bool Editing() const { return FEditor.Active(); }
  int EditIndex() const { return FEditor.Active() ? FEditIndex : -1; }
  /// The item at a client point (its icon, label or check box; the whole row with RowSelect); -1 when
  /// none.
  int ItemAt(TPoint P);

  /// The header's rectangle of column Index in its own coordinates (left to right in display order).
  TRect HeaderItemRect(int Index);

private:
  // ---- Layout ----
  struct Metrics {
    int ItemHeight { 0 };     // a row in report, list and small-icon views
    int TextHeight { 0 };     // one line of the font
    int HeaderHeight { 0 };
    TSize IconCell;           // a cell of the icon view
    int ListColumnWidth { 0 };
    int TotalColumnWidth { 0 };
  };
  void Attach(HWND Wnd);
  void Detach();
  void UpdateMetrics();
  TRect Client() const;
  int HeaderHeight();
  /// The client area below the header.
  TRect ItemArea();
  int TotalColumnWidth();
  /// Left edge of column Index in display order, before scrolling.
  int ColumnLeft(int Index) const;
  /// The column that holds the item's caption and icon (the first column); -1 without columns.
  int RowsPerColumn();
  int ItemsPerRow();
  int CountPerPage();
  /// The cell of item Index (bounds), in client coordinates.
  TRect ItemBounds(int Index);
  TRect ItemPart(int Index, int Code);
  TRect CheckBoxRect(int Index);
  int ItemAtPoint(TPoint P, bool OnlyParts);
  TSize ContentSize();
  void Relayout();
  void UpdateScrolling();
  void UpdateScrollInfo();
  void PlaceHeader();
  void EnsureHeader();

  // ---- Scrolling ----
  void ScrollTo(int X, int Y);
  void ScrollLines(int Bar, int Lines);
  void OnScroll(int Bar, WPARAM WParam);
  void ScrollBy(int DX, int DY);
  void EnsureVisible(int Index, bool PartialOK);

  // ---- Painting ----
  void Paint(HDC DC);
  void PaintItem(HDC DC, int Index);
  void PaintReportRow(HDC DC, int Index, TListItem* Item, bool Selected, TColor Back, TColor Text);
  void PaintIconItem(HDC DC, int Index, TListItem* Item, bool Selected, TColor Back, TColor Text);
  void PaintGridLines(HDC DC, int Top, int Bottom);
  void PaintCheckBox(HDC DC, const TRect& R, bool Checked);
  void DrawImage(HDC DC, HIMAGELIST List, int Index, int X, int Y);
  bool ShowsSelection() const;

  // ---- Input ----
  void MouseDown(TPoint P, WPARAM Keys, bool Right);
  void KeyDown(WPARAM Key);
  void CharTyped(char32_t Char);
  void MoveFocus(int Index, bool Shift, bool Ctrl);
  int NeighbourOf(int Index, WPARAM Key);

  // ---- Editing ----
  bool BeginEdit(int Index);

  TCustomListView& FList;
  HWND FWnd { 0 };
  Metrics FMetrics;
  bool FMetricsStale { true };
  HIMAGELIST FNormalImages { 0 };
  HIMAGELIST FSmallImages { 0 };
  HIMAGELIST FStateImages { 0 };
  /// Report: top row; list: first column; the icon views: vertical pixel offset.
  int FTop { 0 };
  /// Report and icon views: horizontal pixel offset.
  int FScrollX { 0 };
  int FListColumnWidth { 0 };
  /// Report view: rows that show at least partly, as last laid out.
  int FShownRows { 0 };
  bool FUpdating { false };
  int FLayoutDepth { 0 };
  std::unique_ptr<NativeHeader> FHeader;
  /// Type-ahead: the text typed so far and when the last character came.
  String FSearch;
  DWORD FSearchTime { 0 };
  /// The in-place editor and the item it edits.
  LabelEditor FEditor;
  int FEditIndex { -1 };
};
