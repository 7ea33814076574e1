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
#include <initializer_list>

#include "platform/base/TStrings.h"
#include "skin/boxctrls/TskDrawSkinItemEvent.h"
#include "skin/controls/TskCBButtonX.h"
#include "skin/controls/TskSkinCustomControl.h"

class TskDataSkinButtonControl;
class TskPopupListBox;

enum TskSkinCustomComboBoxStyle { skcbEditStyle, skcbFixedStyle };

/// The item area inside the combo box and the owner-draw state handed to OnComboBoxDrawItem.
struct TskCBItem {
  TRect R;
  TOwnerDrawState State;
};

/// A skinned combo box; see the file comment.
class TskSkinCustomComboBox : public TskSkinCustomControl {
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
  int ListBoxWidth() const { return FListBoxWidth; }
  void SetListBoxWidth(int Value) { FListBoxWidth = Value; }
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }
  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value);
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
  Byte AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }
  TskSkinCustomComboBoxStyle Style() const { return FStyle; }
  /// A flat button face showing the item with a drop-down arrow, pressed anywhere to open.
  bool ToolButtonStyle() const { return FToolButtonStyle; }
  /// On a change: stored; True also selects the fixed style and turns UseSkinSize off; then Repaint.
  void SetToolButtonStyle(bool Value);
  TskPopupListBox* ListBox() const { return FListBox; }

  /// Opens the list (nothing without items).
  virtual void DropDown();
  /// Closes an open list: Value picks the highlighted item, else the selection goes back.
  void CloseUp(bool Value);
  bool IsPopupVisible() const;
  /// The list is open and the mouse is not over the combo box.
  bool CanCancelDropDown() const;
  /// Paints the combo box as it would look showing AText into C at (X, Y); Text is left alone.
  void PaintSkinTo(TCanvas* C, int X, int Y, const String& AText);

  void GetSkinData() override;
  void ChangeSkinData() override;

  /// OnClick (the toolkit's member) fires on every selection; the toolkit never runs it from the mouse.
  TNotifyEvent OnChange;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;
  TskDrawSkinItemEvent OnComboBoxDrawItem;

  TskCBItem CBItem;
  TskCBButtonX Button;

  // From the record.
  TRect ActiveSkinRect;
  TColor ActiveFontColor { clBlack };
  String FontName { "Tahoma" };
  TFontStyles FontStyle;
  int FontHeight { 13 };
  TRect SItemRect;
  TRect FocusItemRect;
  TRect ActiveItemRect;
  int ItemLeftOffset { 0 };
  int ItemRightOffset { 0 };
  TRect ItemTextRect;
  TColor FontColor { clBlack };
  TColor FocusFontColor { clBlack };
  TRect ButtonRect;
  TRect ActiveButtonRect;
  TRect DownButtonRect;
  TRect UnEnabledButtonRect;
  String ListBoxName;
  bool ItemStretchEffect { false };
  bool FocusItemStretchEffect { false };
  bool ShowFocus { false };

protected:
  /// Run after a selection by code, by the list or by typing; nothing here.
  virtual void Change() {}
  /// Lays out the button and the item area for the current size.
  void CalcRects();

  void CalcSize(int& W, int& H) override;
  void SetControlRegion() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void DefaultFontChange() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Dispatch(TMessage& Message) override;

  bool WasInLB { false };
  /// 0 no auto-scroll, 1 up, 2 down.
  int TimerMode { 0 };
  bool FLBDown { false };
  bool FMouseIn { false };
  bool FDropDown { false };
  bool FToolButtonStyle { false };
  int FOldItemIndex { -1 };

private:
  // ---- Painting (TskSkinComboBoxPaint.cpp) ----
  /// The item shown on the face: the one selected when the list opened while it is open.
  int ShownItem() const;
  void DrawDefaultButton(TCanvas* C);
  void DrawDefaultItem(TCanvas* C);
  /// The face's background from the record for the state (a strip with UseSkinSize, else stretched).
  void DrawSkinBackground(TBitmap* B);
  /// With UseSkinSize: the button's picture for a state other than normal.
  void DrawStateButton(TCanvas* C);
  /// The hover look of the item: the pointer is over the control and the record has hover pictures.
  bool ItemHot() const;
  /// ItemTextRect for an item area W wide.
  TRect SkinItemTextRect(int W) const;
  /// Draws the shown item on Item (holding its background) into TextRect in the item font.
  void DrawItemOn(TBitmap& Item, const TRect& TextRect, bool WithDisabledColour);
  void DrawStripItem(TBitmap* B);
  /// The item area without UseSkinSize: the record's item picture for the state stretched to the area.
  void DrawStretchItem(TBitmap* B);
  /// The item's font (skin or DefaultFont) and its colour for the state into C.
  void SetItemFont(TCanvas* C, bool WithDisabledColour);
  // ---- Button-record looks (TskSkinComboBoxButtonLooks.cpp) ----
  /// The first of Names the model holds as a button record; null for none.
  const TskDataSkinButtonControl* ButtonRecord(std::initializer_list<const char*> Names);
  /// Without UseSkinSize: "combobutton", "editbutton" or "resizebutton" on Button.R with an arrow or marker.
  void DrawSeparateButton(TCanvas* C);
  /// The tool-button looks with AText, or the shown item when AText is null.
  void DrawDefaultToolButton(TCanvas* C, const String* AText);
  void DrawSkinToolButton(TBitmap* B, const String* AText);
  /// Marker M of the combo box's picture, transparent in Key, centred in R.
  void DrawMarker(TCanvas* C, const TRect& R, const TRect& M, TColor Key);
  /// Hot in the tool-button looks: the pointer is over the control or it has the focus.
  bool ToolButtonHot();
  void DrawItem(TCanvas* C, int Index, int W, int H, TRect TextRect);
  void DrawItemText(TCanvas* C, const String& Text, const TRect& TextRect);
  TColor DisabledFontColor();
  TFontCharset CurrentCharset();

  void ListFilter(TMessage& Message);
  void ListMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void TrackDrag();
  void SetTimerMode(int Mode);
  void StopAutoScroll();
  void AutoScrollTick();
  /// Moves the open list's highlight by Delta, without events.
  void MoveHighlight(int Delta);
  bool IsListPart(TControl* Control) const;
  bool Loading() const;

  TskPopupListBox* FListBox { nullptr };
  TWndMethod FListBoxWindowProc;
  TskSkinCustomComboBoxStyle FStyle { skcbFixedStyle };
  TColor FDefaultColor { clWindow };
  bool FUseSkinSize { true };
  int FListBoxWidth { 0 };
  DWORD FLastTime { 0 };
  String FFilter;
  bool FAutoComplete { true };
  bool FAlphaBlend { false };
  bool FAlphaBlendAnimation { false };
  Byte FAlphaBlendValue { 0 };
  int FDropDownCount { 8 };
};
