#pragma once
// A combo box of office items (TskSkinOfficeItems: title, caption, image, header): its face shows the
// selected item's title, caption and image, and its drop-down is an office list (TskPopupOfficeListBox)
// that opens right-aligned under the combo box, or above it when the nearest monitor's work area ends too
// soon. Items and ItemIndex are the list's own.
//
// Events (the converter's category and format cascades rely on them; they differ from the plain combo
// box's): every ItemIndex assignment, also of the same index or of -1, selects in the list (which fires
// the item's OnClick and the list's OnItemClick when the index names an item, also while the form loads)
// and then, unless loading, fires OnClick and OnChange. Items.Add/Clear fire nothing and keep ItemIndex.
// A pick from the open list fires OnClick, OnChange, OnCloseUp and no item event; a cancel (Esc, Alt+Up,
// focus loss, a press on the combo box, a cancel-mode from another control) restores the old item with
// its item events and fires no OnCloseUp. Opening with item 0 selected selects item 1 and back (their item
// events). Handlers may clear and refill this or other combo boxes: nothing is cached across an event.
//
// Keys and the wheel step over selectable items through the list's search (item events when it finds one)
// and then, firing, assign the list's index (item events again, OnClick, OnChange); with the list open the
// wheel only searches. There is no incremental search. A drag above or below the open list scrolls it
// every 25 ms (window timer 1).
//
// Record "combobox" (kind "combobox"); without one a framed face with a built-in button.
#include "skin/boxctrls/TskSkinComboBase.h"
#include "skin/boxctrls/TskSkinOfficeListBox.h"

class TCustomImageList;
class TskPopupOfficeListBox;

/// An office combo box; see the file comment.
class TskSkinCustomOfficeComboBox : public TskSkinComboBase {
public:
  explicit TskSkinCustomOfficeComboBox(TComponent* AOwner);
  ~TskSkinCustomOfficeComboBox() override;

  TskSkinOfficeItems* Items() const;
  void SetItems(TskSkinOfficeItems* Value);
  int ItemIndex() const;
  /// See the file comment.
  void SetItemIndex(int Value);
  int DropDownCount() const { return FDropDownCount; }
  /// Values below 0 are ignored; 0 leaves the list's height as it is.
  void SetDropDownCount(int Value);
  /// 0: the list's height comes from DropDownCount.
  int ListBoxHeight() const { return FListBoxHeight; }
  void SetListBoxHeight(int Value) { FListBoxHeight = Value; }
  /// Stored only.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value) { FHideSelection = Value; }
  /// The list's images; the face shows them too.
  TCustomImageList* Images() const;
  void SetImages(TCustomImageList* Value);
  /// What the face shows of the selected item; a change repaints.
  bool ShowItemTitle() const { return FShowItemTitle; }
  void SetShowItemTitle(bool Value);
  bool ShowItemImage() const { return FShowItemImage; }
  void SetShowItemImage(bool Value);
  bool ShowItemText() const { return FShowItemText; }
  void SetShowItemText(bool Value);
  TskPopupOfficeListBox* ListBox() const { return FListBox; }

  // ---- The list's own properties ----
  bool ListBoxHeaderLeftAlignment() const;
  void SetListBoxHeaderLeftAlignment(bool Value);
  bool ListBoxShowItemTitles() const;
  void SetListBoxShowItemTitles(bool Value);
  String ListBoxSkinDataName() const;
  void SetListBoxSkinDataName(const String& Value);
  bool ListBoxShowLines() const;
  void SetListBoxShowLines(bool Value);
  int ListBoxItemHeight() const;
  void SetListBoxItemHeight(int Value);
  int ListBoxHeaderHeight() const;
  void SetListBoxHeaderHeight(int Value);

  void BeginUpdateItems();
  void EndUpdateItems();
  void DropDown() override;
  void CloseUp(bool Value) override;
  /// Paints the combo box as it would look showing AText into C at (X, Y); nothing changes or fires.
  void PaintSkinTo(TCanvas* C, int X, int Y, const String& AText);

  void ChangeSkinData() override;

  /// OnClick (the toolkit's member) fires on every selection; the toolkit never runs it from the mouse.
  /// OnDrawItem replaces the drawing of the face's item content and of the list's items.
  TskDrawSkinOfficeItemEvent OnDrawItem;

protected:
  /// Fires OnChange.
  void Change() override;

  TskSkinCustomControl* DropDownList() const override;
  void DrawToolButtonItem(TCanvas* C, const TRect& TextRect, const String* AText) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void Dispatch(TMessage& Message) override;

private:
  enum class TStep { Up, Down, PageUp, PageDown };
  /// The list's search for Kind; then, Firing, ItemIndex := the list's index.
  void Step(TStep Kind, bool Firing);
  /// Follows the pointer while the list is open: auto-scroll above or below it, highlight inside.
  void TrackMove();
  void AutoScrollTick() override;
  bool IsListPart(TControl* Control) const override;

  // ---- Painting (TskSkinOfficeComboBoxPaint.cpp) ----
  /// The item shown on the face: the one selected when the list opened while it is open; -1 for none.
  int ShownItem() const;
  void DrawDefaultItem(TCanvas* C);
  void DrawStripItem(TBitmap* B);
  void DrawStretchItem(TBitmap* B);
  /// The face's item content into TextRect: OnDrawItem when OwnerDraw and assigned, else the title (when
  /// WithTitle), the image and the caption, AText in the caption's place when not null.
  void DrawItemContent(TCanvas* C, int Index, TRect TextRect, bool OwnerDraw, bool WithTitle, const String* AText);

  TskPopupOfficeListBox* FListBox { nullptr };
  bool FShowItemTitle { true };
  bool FShowItemImage { true };
  bool FShowItemText { true };
  int FDropDownCount { 7 };
  int FListBoxHeight { 0 };
  bool FHideSelection { true };
};
