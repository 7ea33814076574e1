#pragma once
// The list view: items with sub-items shown as large icons, small icons, a column-wise list or report
// rows under a column header.
//
// Model and window. Items, columns, selection, focus and check marks live in this object, so Items.Add
// works before the window exists and everything survives RecreateWnd. The window's own behaviour (layout,
// painting, hit testing, keyboard and mouse, scrolling, the LVM_* messages, the header child) is the
// NativeListView this object owns; it handles what reaches DefaultHandler, so a WndProc override (or a
// raw subclass) sees every message first and may answer or post-process it.
//
// Header. In report view the window has a child of class "SysHeader32", created while the list view's
// window is being created (after its procedures are in place) and announced by WM_PARENTNOTIFY(WM_CREATE).
// The list view places it with SetWindowPos, so WM_WINDOWPOSCHANGING may widen it, and moves it left by
// the horizontal scroll offset. Dragging a divider resizes a column (Width follows), a click raises
// ColClick (OnColumnClick), and with FullDrag a section can be dragged to another place.
//
// Scroll information is kept in the window's SB_VERT / SB_HORZ state whether or not the bars show:
// report view vertical in rows (range 0..Count-1, page = rows that show whole, position = top row) and
// horizontal in pixels (range 0..total column width-1, page = client width); list view horizontal in
// columns (one line = one column), no vertical; the icon views in pixels both ways.
//
// Notifications. Every change of an item's caption, image or state reaches the virtual Change (OnChange);
// a change of its selection also reaches DoSelectItem (OnSelectItem), whether made by the user or by code,
// once per item. Writing a sub-item repaints its row without an event. CustomDrawItem runs at item
// pre-paint with Canvas bound to the paint DC (brush: Color, font: Font); DefaultDraw false makes the
// window draw nothing of that item; colours left in Canvas's brush and font are used for it otherwise.
#include <memory>
#include <vector>

#include "platform/ui/toolkit/TControlCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TIconOptions.h"
#include "platform/ui/toolkit/TListColumns.h"
#include "platform/ui/toolkit/TListItems.h"
#include "platform/ui/toolkit/TWinControl.h"
#include "platform/ui/toolkit/ViewMessages.h"
#include "platform/ui/toolkit/ViewTypes.h"

class NativeListView;

/// The list view; see the file comment.
class TCustomListView : public TWinControl {
public:
  explicit TCustomListView(TComponent* AOwner);
  ~TCustomListView() override;

  // ---- Items and columns ----
  TListItems* Items() const { return FItems.get(); }
  TListColumns* Columns() const { return FColumns.get(); }
  TListColumn* Column(int Index) const { return FColumns->Items(Index); }
  TViewStyle ViewStyle() const { return FViewStyle; }
  virtual void SetViewStyle(TViewStyle Value);
  /// Owner-data (virtual) mode: the list keeps no items; OwnerDataFetch (OnData) fills each one when it is
  /// needed, OwnerDataFind (OnDataFind) searches.
  bool OwnerData() const { return FOwnerData; }
  void SetOwnerData(bool Value);

  // ---- Options ----
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value) { SetOption(FRowSelect, Value); }
  bool GridLines() const { return FGridLines; }
  void SetGridLines(bool Value) { SetOption(FGridLines, Value); }
  bool Checkboxes() const { return FCheckboxes; }
  void SetCheckboxes(bool Value) { SetOption(FCheckboxes, Value); }
  bool MultiSelect() const { return FMultiSelect; }
  /// Turning it off keeps the first selected item only.
  void SetMultiSelect(bool Value);
  bool ShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool Value) { SetOption(FShowColumnHeaders, Value); }
  /// The selection shows only while the list has the focus.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value) { SetOption(FHideSelection, Value); }
  /// Captions cannot be edited in place.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  /// Header sections can be dragged to another place.
  bool FullDrag() const { return FFullDrag; }
  void SetFullDrag(bool Value) { FFullDrag = Value; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TIconOptions* IconOptions() const { return FIconOptions.get(); }

  // ---- Images (the window's image lists follow with LVM_SETIMAGELIST) ----
  TCustomImageList* SmallImages() const { return FSmallImages; }
  void SetSmallImages(TCustomImageList* Value) { SetImages(FSmallImages, Value, LVSIL_SMALL); }
  TCustomImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TCustomImageList* Value) { SetImages(FLargeImages, Value, LVSIL_NORMAL); }
  TCustomImageList* StateImages() const { return FStateImages; }
  void SetStateImages(TCustomImageList* Value) { SetImages(FStateImages, Value, LVSIL_STATE); }

  TCanvas* Canvas() const { return FCanvas.get(); }

  // ---- Selection and focus ----
  /// The first selected item; null when none.
  TListItem* Selected();
  /// Selects Item (null: clears the selection).
  void SetSelected(TListItem* Item);
  /// Index of the first selected item; -1 when none.
  int ItemIndex() const;
  /// Selects the item at Value (-1: clears the selection).
  void SetItemIndex(int Value);
  TListItem* ItemFocused();
  void SetItemFocused(TListItem* Item);
  int SelCount() const;
  /// The next item after StartItem (null: from the start) in list order that has all of States.
  TListItem* GetNextItem(TListItem* StartItem, TSearchDirection Direction, TItemStates States);
  void ClearSelection();
  /// Selects every item (MultiSelect only).
  void SelectAll();

  // ---- View ----
  /// The item at a client point; null when none.
  TListItem* GetItemAt(int X, int Y);
  /// The first item that shows (report and list views).
  TListItem* TopItem();
  /// Rows that show whole (report view).
  int VisibleRowCount();
  /// Scrolls by pixels (LVM_SCROLL).
  void Scroll(int DX, int DY);
  /// An item's caption is being edited in place.
  bool IsEditing() const;

  // ---- Events ----
  TLVSelectItemEvent OnSelectItem;
  TLVChangeEvent OnChange;
  TLVColumnClickEvent OnColumnClick;
  TLVCustomDrawItemEvent OnCustomDrawItem;
  TLVOwnerDataEvent OnData;
  TLVOwnerDataFindEvent OnDataFind;
  TLVEditingEvent OnEditing;
  TLVEditedEvent OnEdited;

protected:
  /// An item's caption, image or state changed: OnChange.
  virtual void Change(TListItem* Item, TItemChange Change);
  /// An item's selection changed: OnSelectItem.
  virtual void DoSelectItem(TListItem* Item, bool Selected);
  /// A header section was clicked: OnColumnClick.
  virtual void ColClick(TListColumn* Column);
  /// Fills an owner-data item: OnData. False when nothing was filled.
  virtual bool OwnerDataFetch(TListItem* Item, TItemRequest Request);
  /// Searches the owner-data items: OnDataFind; -1 when nothing is found.
  virtual int OwnerDataFind(TItemFind Find, const String& FindString, TPoint FindPosition, void* FindData,
                            int StartIndex, TSearchDirection Direction, bool Wrap);
  /// Whether the caption of Item may be edited: not ReadOnly, then OnEditing.
  virtual bool CanEdit(TListItem* Item);
  /// An edit of item Index ended: Text is the edited text, null when the edit was cancelled. Runs
  /// OnEdited and takes the text it leaves as the caption.
  virtual void Edit(int Index, const String* Text);
  /// At item pre-paint: OnCustomDrawItem; answers DefaultDraw.
  virtual bool CustomDrawItem(TListItem* Item, TCustomDrawState State, TCustomDrawStage Stage);

  void CreateParams(TCreateParams& Params) override;
  void DefaultHandler(TMessage& Message) override;
  /// The window's own painting, also when windowless children make the control paint them after it.
  void PaintWindow(HDC DC) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TListItems;
  friend class TListItem;
  friend class TListColumns;
  friend class TIconOptions;
  friend class TSubItems;
  friend class NativeListView;
  friend class NativeHeader;

  void SetOption(bool& Field, bool Value);
  void SetImages(TCustomImageList*& Field, TCustomImageList* Value, WPARAM Kind);

  // ---- Item state (indexes, so owner-data items work alike) ----
  int ItemCount() const { return FItems->Count(); }
  bool IsItemSelected(int Index) const;
  bool IsItemChecked(int Index) const;
  /// Sets an item's selection and focus; a change reaches Change and, for the selection, DoSelectItem.
  void SetItemState(int Index, bool Selected, bool Focused);
  /// Selects or deselects an item; selecting in a single-selection list deselects the others first.
  void SetItemSelected(int Index, bool Value);
  void SetFocusIndex(int Index);
  /// Selects Index alone (every other item loses its selection first; -1 clears the selection), with
  /// the focus moving to it when MoveFocus.
  void SelectOnly(int Index, bool MoveFocus);
  /// Selects First..Last (either order) and nothing else.
  void SelectRange(int First, int Last);
  void ToggleChecked(int Index);
  /// The item at Index filled for drawing or notifying (the owner-data stand-in is fetched first).
  TListItem* FetchItem(int Index, TItemRequest Request);

  // ---- Changes of the model ----
  void ItemChanged(TListItem* Item, TItemChange Change);
  void SubItemsChanged(TListItem* Item);
  void ItemInserted(int Index);
  /// Item Index (-1: every item) is about to go: an edit of it ends.
  void ItemDeleting(int Index);
  void ItemDeleted(int Index);
  void ItemsCleared();
  void VirtualCountChanged();
  void ColumnsChanged(TListColumn* Column);
  void LayoutChanged();
  void UpdateStateChanged(bool Updating);
  /// The header's divider was dragged: the column takes the width (within its limits).
  void ColumnResized(int Index, int Width);
  void ColumnClicked(int Index);

  std::unique_ptr<TListItems> FItems;
  std::unique_ptr<TListColumns> FColumns;
  std::unique_ptr<TIconOptions> FIconOptions;
  std::unique_ptr<TControlCanvas> FCanvas;
  std::unique_ptr<NativeListView> FNative;
  TViewStyle FViewStyle { vsIcon };
  bool FOwnerData { false };
  bool FRowSelect { false };
  bool FGridLines { false };
  bool FCheckboxes { false };
  bool FMultiSelect { false };
  bool FShowColumnHeaders { true };
  bool FHideSelection { true };
  bool FReadOnly { false };
  bool FFullDrag { false };
  TBorderStyle FBorderStyle { bsSingle };
  TCustomImageList* FSmallImages { nullptr };
  TCustomImageList* FLargeImages { nullptr };
  TCustomImageList* FStateImages { nullptr };
  /// The focused item (-1: none) and where a Shift selection starts.
  int FFocusIndex { -1 };
  int FAnchorIndex { -1 };
  /// Owner-data mode: the selection per item.
  std::vector<bool> FVirtualSelected;
  /// Display order of the columns (indexes, left to right).
  std::vector<int> FColumnOrder;
};
