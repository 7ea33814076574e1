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
// Record "combobox" (kind "combobox"); without one a framed face with a built-in button.
#include "platform/base/TStrings.h"
#include "skin/boxctrls/TskDrawSkinItemEvent.h"
#include "skin/boxctrls/TskSkinComboBase.h"

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
  /// True also selects the fixed style.
  void SetToolButtonStyle(bool Value) override;
  TskPopupListBox* ListBox() const { return FListBox; }

  /// Opens the list (nothing without items).
  virtual void DropDown();
  /// Closes an open list: Value picks the highlighted item, else the selection goes back.
  void CloseUp(bool Value);
  /// Paints the combo box as it would look showing AText into C at (X, Y); Text is left alone.
  void PaintSkinTo(TCanvas* C, int X, int Y, const String& AText);

  void ChangeSkinData() override;

  /// OnClick (the toolkit's member) fires on every selection; the toolkit never runs it from the mouse.
  TskDrawSkinItemEvent OnComboBoxDrawItem;

protected:
  /// Run after a selection by code, by the list or by typing; nothing here.
  virtual void Change() {}

  TControl* DropDownList() const override;
  void DrawToolButtonItem(TCanvas* C, const TRect& TextRect, const String* AText) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Dispatch(TMessage& Message) override;

private:
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

  void ListFilter(TMessage& Message);
  void ListMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void TrackDrag();
  void AutoScrollTick();
  /// Moves the open list's highlight by Delta, without events.
  void MoveHighlight(int Delta);
  bool IsListPart(TControl* Control) const;

  TskPopupListBox* FListBox { nullptr };
  TWndMethod FListBoxWindowProc;
  TskSkinCustomComboBoxStyle FStyle { skcbFixedStyle };
  DWORD FLastTime { 0 };
  String FFilter;
  bool FAutoComplete { true };
  int FDropDownCount { 8 };
};
