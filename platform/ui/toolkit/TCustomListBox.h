#pragma once
// The list box control: a list of strings the user picks one or (MultiSelect) several of. Its window's
// behaviour is NativeListBox (reached through DefaultHandler), which keeps the items, so Items work
// before the window exists and survive RecreateWnd.
//
// A user's selection (click, keys) runs Click (OnClick) through the LBN_SELCHANGE notice, a double click
// DblClick through LBN_DBLCLK; selecting from code (ItemIndex, Selected) runs neither. Owner-drawn
// styles draw each row through CN_DRAWITEM: DrawItem (OnDrawItem) on Canvas, whose brush and font come
// highlighted for selected rows, and a focus rectangle on the caret row while the list has the focus.
// AutoComplete selects, as the user types, the first item starting with what was typed within half a
// second.
#include <memory>

#include "platform/base/TStrings.h"
#include "platform/ui/toolkit/ListBoxMessages.h"
#include "platform/ui/winsys/OwnerDraw.h"
#include "platform/ui/toolkit/StdControlTypes.h"
#include "platform/ui/toolkit/TControlCanvas.h"
#include "platform/ui/toolkit/TWinControl.h"

class NativeListBox;

/// A list box; see the file comment.
class TCustomListBox : public TWinControl {
public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  // ---- Items and selection ----
  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int Count() const;
  /// The selected item (the caret item of a multi-selection list); -1 when none. Out-of-range values
  /// select nothing.
  int ItemIndex();
  void SetItemIndex(int Value);
  bool Selected(int Index);
  void SetSelected(int Index, bool Value);
  /// Selected items of a multi-selection list (LB_ERR for a single-selection one).
  int SelCount();
  void ClearSelection();
  void SelectAll();
  void DeleteSelected();
  void Clear() { FItems->Clear(); }

  // ---- Layout ----
  /// The first row shown; kept where the last page stays full.
  int TopIndex();
  void SetTopIndex(int Value);
  /// The row height of fixed-height owner-drawn lists (standard lists take the font's).
  int ItemHeight();
  void SetItemHeight(int Value);
  /// The item at Pos (client coordinates): -1 outside the client area; past the last item -1 when
  /// Existing, else Count.
  int ItemAtPos(TPoint Pos, bool Existing);
  TRect ItemRect(int Index);
  TCanvas* Canvas() const { return FCanvas.get(); }

  // ---- Kind (the window is made again when these change) ----
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  /// With MultiSelect: Shift and Ctrl extend the selection (else each click toggles an item).
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value);
  /// Items are kept in order; Items.Add puts each in its place.
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  /// Columns of rows scrolled sideways (0: one column); each column is Width div Columns wide.
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  /// A single border shows sunken while Ctl3D is on, else as a line.
  void SetBorderStyle(TBorderStyle Value);
  /// Stored: the list's height is never cut to whole rows.
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value) { FIntegralHeight = Value; }
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  /// The LBS_* styles of the properties (what CreateParams adds); the list follows them while it has
  /// no window.
  virtual DWORD ListStyle() const;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  void KeyPress(char32_t& Key) override;
  /// Draws an owner-drawn row: OnDrawItem, else the item's text over the canvas brush.
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
  /// The height of a row of a variable-height list: OnMeasureItem.
  virtual void MeasureItem(int Index, int& Height);
  /// Sends to the window when there is one (subclasses see it), else performs on the control.
  LRESULT SendList(UINT Msg, WPARAM WParam, LPARAM LParam);

private:
  void CNDrawItem(TMessage& Message);
  void ApplyColumnWidth();

  std::unique_ptr<NativeListBox> FNative;
  std::unique_ptr<TStrings> FItems;
  std::unique_ptr<TControlCanvas> FCanvas;
  TListBoxStyle FStyle { lbStandard };
  bool FMultiSelect { false };
  bool FExtendedSelect { true };
  bool FSorted { false };
  int FColumns { 0 };
  TBorderStyle FBorderStyle { bsSingle };
  bool FIntegralHeight { false };
  int FItemHeight { 16 };
  bool FAutoComplete { true };
  String FFilter;
  DWORD FLastTime { 0 };
};
