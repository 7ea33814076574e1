#pragma once
// A list of tall items drawn wholly by the skin library (TskSkinOfficeItems): a bold title, a word-wrapped
// caption, an image and a check mark per item, and header items that split the list into titled groups.
// It scrolls by pixels with its own skinned vertical bar, which exists only while the items are taller than
// the items area.
//
// Selecting: ItemIndex := n selects item n (its Active mark), repaints, scrolls it into view and, unless
// loading, fires the item's OnClick (sender: the list) and OnItemClick. An index naming no item is stored
// and does nothing more; -1 leaves the old item marked. Hovering (with MouseMoveChangeIndex) and pressing
// select without events; releasing the left button over an item selects it with events, and over the
// selected item's check column toggles its check mark (OnItemCheckClick), as does Space.
// Keys: Up/Left and Down/Right step to the previous / next selectable item (not a header, enabled);
// PageUp/PageDown jump a page of rows but stop at the first item after a header (down) or the last one
// before it (up).
//
// Records: items "listbox" (ItemSkinDataName), headers "menuheader" (HeaderSkinDataName, else "label"),
// check marks "checklistbox" (may be absent). Without a record: a clBtnShadow frame and clWindow rows.
#include <functional>
#include <memory>

#include "skin/boxctrls/TskSkinOfficeItems.h"
#include "skin/controls/TskSkinCustomControl.h"

class TCustomImageList;
class TskDataSkinListBox;
class TskSkinScrollBar;

/// Owner drawing of a normal item's content: (canvas, item index, content rectangle).
using TskDrawSkinOfficeItemEvent = std::function<void(TCanvas* Cnvs, int Index, const TRect& TextRct)>;

/// An office list box; see the file comment.
class TskSkinOfficeListBox : public TskSkinCustomControl {
public:
  explicit TskSkinOfficeListBox(TComponent* AOwner);
  ~TskSkinOfficeListBox() override;

  TskSkinOfficeItems* Items() const { return FItems.get(); }
  /// Assigns the items, repaints and updates the scroll bar.
  void SetItems(TskSkinOfficeItems* Value);
  int ItemIndex() const { return FItemIndex; }
  /// See the file comment.
  void SetItemIndex(int Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  bool ShowCheckBoxes() const { return FShowCheckBoxes; }
  void SetShowCheckBoxes(bool Value);
  bool HeaderLeftAlignment() const { return FHeaderLeftAlignment; }
  void SetHeaderLeftAlignment(bool Value);
  bool ShowItemTitles() const { return FShowItemTitles; }
  void SetShowItemTitles(bool Value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value);
  /// A line under every item.
  bool ShowLines() const { return FShowLines; }
  void SetShowLines(bool Value);
  /// Hovering selects, without events.
  bool MouseMoveChangeIndex() const { return FMouseMoveChangeIndex; }
  void SetMouseMoveChangeIndex(bool Value) { FMouseMoveChangeIndex = Value; }
  const String& ItemSkinDataName() const { return FItemSkinDataName; }
  void SetItemSkinDataName(const String& Value) { FItemSkinDataName = Value; }
  const String& HeaderSkinDataName() const { return FHeaderSkinDataName; }
  void SetHeaderSkinDataName(const String& Value) { FHeaderSkinDataName = Value; }

  /// No repaint and no scroll-bar update until EndUpdateItems, which does both.
  void BeginUpdateItems();
  void EndUpdateItems();
  /// The height showing AItemCount items (at most the item count), each counted ItemHeight high.
  int CalcHeight(int AItemCount);
  /// Lays out every item's ItemRect and IsVisible for the current size and scroll offset.
  void CalcItemRects();
  /// Scrolls item Index into view (up to the very top when it is the first item under a leading header);
  /// nothing for an index naming no item.
  void ScrollToItem(int Index);
  /// Scrolls to AScrollOffset pixels and repaints.
  void Scroll(int AScrollOffset);
  /// Creates, ranges or removes the scroll bar for the current content (not inside an update bracket).
  void UpdateScrollInfo();
  /// The first enabled item (headers included) whose ItemRect holds (X, Y); -1 for none.
  int ItemAtPos(int X, int Y);
  /// Keyboard steps over selectable items, selecting with events (see the file comment).
  void FindUp();
  void FindDown();
  void FindPageUp();
  void FindPageDown();
  /// The items area; the pixels scrolled.
  const TRect& ItemsRect() const { return FItemsRect; }
  int ScrollOffset() const { return FScrollOffset; }
  /// Repaints and updates the scroll bar after the items changed.
  void ItemsChanged();

  void ChangeSkinData() override;

  TskDrawSkinOfficeItemEvent OnDrawItem;
  TNotifyEvent OnItemClick;
  TNotifyEvent OnItemCheckClick;

  /// The vertical bar (owned; null while the items fit).
  TskSkinScrollBar* ScrollBar { nullptr };

protected:
  /// Whether item events are held back; the drop-down of an office combo box never holds them.
  virtual bool Loading() const;
  /// Selects Value (marks, repaint, scroll) without events.
  void SelectSilently(int Value);

  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;

private:
  struct TScrollInfo {
    int Max { 0 };
    int Page { 0 };
    int Position { 0 };
  };
  TScrollInfo GetScrollInfo();
  void ShowScrollbar();
  void HideScrollBar();
  void AdjustScrollBar();
  void Resized();
  bool Selectable(int Index) const;
  /// Selects the first selectable item from From toward To (inclusive), with events.
  void FindStep(int From, int To);
  /// A page step from From toward To: after passing a header the next selectable item, else the furthest.
  void FindPage(int From, int To);
  /// Toggles the check mark of the selected item and fires OnItemCheckClick.
  void ToggleCheck();

  // ---- Drawing (TskSkinOfficeListBoxPaint.cpp) ----
  void DrawItems(TCanvas* C);
  void DrawItem(int Index, TCanvas* Cnvs);
  void DefaultDrawItem(int Index, TCanvas* Cnvs);
  void SkinDrawItem(int Index, TCanvas* Cnvs);
  void SkinDrawHeaderItem(int Index, TCanvas* Cnvs);
  /// The content of a normal item in R in the canvas's font: check column, title, image and caption;
  /// Record is the item record of the skinned look, null in the built-in one.
  void DrawItemContent(int Index, TCanvas* C, TRect R, const TskDataSkinListBox* Record);
  void DrawCheckColumn(TskSkinOfficeItem* Item, TCanvas* C, TRect& R, const TskDataSkinListBox* Record);
  /// The item font: the record's with UseSkinFont, else DefaultFont, in the string table's character set.
  void SetItemFont(TCanvas* C, const TskDataSkinListBox& Record);

  std::unique_ptr<TskSkinOfficeItems> FItems;
  TCustomImageList* FImages { nullptr };
  int FCheckOffset { 0 };
  bool FShowCheckBoxes { false };
  bool FInUpdateItems { false };
  bool FMouseMoveChangeIndex { false };
  TColor FDisabledFontColor { RGB(128, 128, 128) };
  bool FShowLines { false };
  bool FClicksDisabled { false };
  bool FMouseDown { false };
  int FMouseActive { -1 };
  int FMax { 0 };
  int FRealMax { 0 };
  TRect FItemsRect;
  int FScrollOffset { 0 };
  bool FShowItemTitles { true };
  int FItemHeight { 30 };
  int FHeaderHeight { 20 };
  int FOldHeight { -1 };
  int FItemIndex { -1 };
  bool FHeaderLeftAlignment { false };
  String FItemSkinDataName { "listbox" };
  String FHeaderSkinDataName { "menuheader" };
};
