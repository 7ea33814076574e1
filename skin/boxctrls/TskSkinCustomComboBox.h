#pragma once
// A combo box drawn wholly by the skin library: a face showing the selected item and a drop-down button,
// and a skinned list (TskPopupListBox) that opens under the combo box, or above it when the work area of
// the nearest monitor ends too soon.
//
// Events (the converter's cascades rely on their order): ItemIndex := n selects in the list, sets Text to
// the item (OnChange only when the text changes), then, unless loading, OnClick and Change; -1 or an index
// outside the items leaves Text as it is. Items.Add/Clear/Assign fire nothing and keep Text. A pick from
// the open list: [OnChange], OnClick, Change, OnCloseUp; a cancel (Esc, Alt+Up, focus loss, a press
// elsewhere, a release outside the list, a cancel-mode from another control): OnCloseUp only. Handlers may
// clear and refill this or other combo boxes: nothing is cached across an event.
//
// Mouse: a press on the button (or the face in the fixed style) opens the list and captures the mouse;
// hovering the list highlights without events; the release over the list picks. Dragging above or below
// the list scrolls it every 25 ms (window timer 1). Keys: Enter and Esc close, PageUp/PageDown move by
// DropDownCount + 1 / - 1 rows, arrows step, Alt+Down opens, Alt+Up closes; typed letters search (a
// search string older than 500 ms starts anew). The wheel steps the selection, or only the highlight
// while the list is open.
//
// Edit style (TskSkinComboBoxEdit.cpp): an edit part over the item area takes the keyboard. Typed text
// becomes Text (OnChange and Change when it changes) and, with AutoComplete, selects the first item it
// begins with, silently; Text set otherwise is copied into the edit part. A key-up more than 200 ms after
// the last completion completes the text from the list: the item is selected (its events) and the added
// tail selected in the edit part. Up and Down step through the items (OnChange when the text changes,
// then OnClick), the wheel too while the list is closed; Enter and Esc close an open list. The edit
// part's key events are the combo box's.
//
// Record "combobox" (kind "combobox"); without one a framed face with a built-in button.
#include "platform/base/TAlignment.h"
#include "platform/base/TStrings.h"
#include "platform/ui/toolkit/StdControlTypes.h"
#include "skin/boxctrls/TskDrawSkinItemEvent.h"
#include "skin/boxctrls/TskSkinComboBase.h"

class TCustomImageList;
class TskCustomEdit;
class TskPopupListBox;

enum TskSkinCustomComboBoxStyle { skcbEditStyle, skcbFixedStyle };

/// A skinned combo box; see the file comment.
class TskSkinCustomComboBox : public TskSkinComboBase {
public:
  explicit TskSkinCustomComboBox(TComponent* AOwner);
  ~TskSkinCustomComboBox() override;

  TStrings* Items() const;
  void SetItems(TStrings* Value);
  int ItemIndex() const;
  /// See the file comment.
  void SetItemIndex(int Value);
  int DropDownCount() const { return FDropDownCount; }
  /// Values below 1 are ignored.
  void SetDropDownCount(int Value);
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }
  TskSkinCustomComboBoxStyle Style() const { return FStyle; }
  /// The edit style creates the edit part (handing it the tab stop and the focus), the fixed style frees
  /// it (the tab stop stays off); then the window is made again.
  void SetStyle(TskSkinCustomComboBoxStyle Value);
  /// The edit part; null in the fixed style.
  TskCustomEdit* EditPart() const { return FEdit; }
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value) { FHideSelection = Value; }
  /// The edit part's selection; 0 and no effect without one.
  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  /// Without a record the edit part's colour follows.
  void SetDefaultColor(TColor Value) override;
  /// True also selects the fixed style.
  void SetToolButtonStyle(bool Value) override;
  TskPopupListBox* ListBox() const { return FListBox; }

  // ---- The list's own properties (TskSkinComboBoxListProps.cpp) ----
  /// Images and ImageIndex also show on the face: both repaint it.
  TCustomImageList* Images() const;
  void SetImages(TCustomImageList* Value);
  int ImageIndex() const;
  void SetImageIndex(int Value);
  const TskDrawSkinItemEvent& OnListBoxDrawItem() const { return FOnListBoxDrawItem; }
  /// Stored and made the list's owner-draw event.
  void SetOnListBoxDrawItem(TskDrawSkinItemEvent Value);
  bool Sorted() const;
  void SetSorted(bool Value);
  TStrings* TabWidths() const;
  void SetTabWidths(TStrings* Value);
  bool HorizontalExtent() const;
  void SetHorizontalExtent(bool Value);
  String ListBoxCaption() const;
  void SetListBoxCaption(const String& Value);
  bool ListBoxCaptionMode() const;
  void SetListBoxCaptionMode(bool Value);
  TAlignment ListBoxCaptionAlignment() const;
  void SetListBoxCaptionAlignment(TAlignment Value);
  TFont* ListBoxDefaultCaptionFont() const;
  void SetListBoxDefaultCaptionFont(TFont* Value);
  int ListBoxDefaultItemHeight() const;
  void SetListBoxDefaultItemHeight(int Value);
  bool ListBoxUseSkinItemHeight() const;
  void SetListBoxUseSkinItemHeight(bool Value);

  void DropDown() override;
  void CloseUp(bool Value) override;
  /// Paints the combo box as it would look showing AText into C at (X, Y); Text is left alone.
  void PaintSkinTo(TCanvas* C, int X, int Y, const String& AText);

  void ChangeSkinData() override;
  /// With a record, also the edit part's buffered repaint.
  void Invalidate() override;

  /// OnClick (the toolkit's member) fires on every selection; the toolkit never runs it from the mouse.
  TskDrawSkinItemEvent OnComboBoxDrawItem;

protected:
  /// The edit part's window procedure; an override passes what it leaves to this one.
  virtual void EditWndProc(TMessage& Message);
  /// Creates the edit part (a numeric one with FNumEdit) and hooks its window procedure and events.
  virtual void CreateEditControl();

  TskSkinCustomControl* DropDownList() const override;
  void DrawToolButtonItem(TCanvas* C, const TRect& TextRect, const String* AText) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Dispatch(TMessage& Message) override;
  bool FaceFocused() override;
  /// The edit part takes the focus itself.
  bool FocusOnPress() const override;
  /// Only the fixed style opens the list from the item area.
  bool ItemAreaOpens() const override;

  /// Set by a descendant before the edit part is made: a numeric edit part.
  bool FNumEdit { false };
  TskCustomEdit* FEdit { nullptr };
  /// The edit part's own window procedure.
  TWndMethod FEditWindowProc;
  /// True while the edit part's text is copied into Text.
  bool FromEdit { false };

private:
  // ---- Edit style (TskSkinComboBoxEdit.cpp) ----
  /// Typed text: the first item it begins with selected (AutoComplete) or scrolled to the top, then Text.
  void EditChange();
  /// Key-up in the edit part: the selected tail cleared for the CJK character sets, then completion.
  void EditKeyUp(TMessage& Message);
  /// Completes Text from the list when more than 200 ms passed since the last one.
  void Complete();
  /// The previous (Delta -1) or next item; Fire: Text, the edit part all selected, OnClick.
  void StepItem(int Delta, bool Fire);
  /// The edit part's font, colour and transparency from the skin.
  void ApplyEditLook();
  void SetEditFontColor(TColor Value);
  /// A record with a hover look: the edit part's font colour follows focus and hover.
  bool HasActiveLook() const;
  /// The edit part centred vertically on the item area, as wide as it.
  void PlaceEdit();
  void FreeEdit();


  // ---- Painting (TskSkinComboBoxPaint.cpp) ----
  /// The item shown on the face: the one selected when the list opened while it is open.
  int ShownItem() const;
  void DrawDefaultItem(TCanvas* C);
  /// Draws the shown item on Item (holding its background) into TextRect in the item font.
  void DrawItemOn(TBitmap& Item, const TRect& TextRect, bool WithDisabledColour);
  void DrawStripItem(TBitmap* B);
  /// The item area without UseSkinSize: the record's item picture for the state stretched to the area.
  void DrawStretchItem(TBitmap* B);
  void DrawItem(TCanvas* C, int Index, int W, int H, TRect TextRect);
  void DrawItemText(TCanvas* C, const String& Text, const TRect& TextRect);

  void ListMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void TrackDrag();
  void AutoScrollTick() override;
  /// Moves the open list's highlight by Delta, without events.
  void MoveHighlight(int Delta);
  bool IsListPart(TControl* Control) const override;

  TskPopupListBox* FListBox { nullptr };
  TskDrawSkinItemEvent FOnListBoxDrawItem;
  TskSkinCustomComboBoxStyle FStyle { skcbFixedStyle };
  DWORD FLastTime { 0 };
  String FFilter;
  bool FAutoComplete { true };
  int FDropDownCount { 8 };
  TEditCharCase FCharCase { ecNormal };
  bool FHideSelection { true };
  /// The tail the last completion selected, and the edit text then; a character typed since.
  struct {
    int Start { 0 };
    int Length { 0 };
    String Text;
    bool Typed { false };
  } FCompleted;
};
