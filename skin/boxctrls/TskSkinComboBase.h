#pragma once
// What the skinned combo box (TskSkinCustomComboBox) and the office combo box
// (TskSkinCustomOfficeComboBox) share: the face's button and item rectangles, the skin fields of the
// "combobox" record, the drop-down's width and translucency, the press and auto-scroll state, and the
// looks that do not depend on the kind of item: the built-in button, the state pictures of the button,
// the separate button record ("combobutton", "editbutton" or "resizebutton") and the two tool-button
// looks ("resizetoolbutton" or "resizebutton"), whose item each kind draws itself.
#include <initializer_list>

#include "platform/ui/toolkit/StdControlTypes.h"
#include "skin/controls/TskCBButtonX.h"
#include "skin/controls/TskSkinCustomControl.h"

class TskDataSkinButtonControl;

/// The item area inside the combo box and the owner-draw state handed to its owner-draw event.
struct TskCBItem {
  TRect R;
  TOwnerDrawState State;
};

/// The common part of the skinned combo boxes; see the file comment.
class TskSkinComboBase : public TskSkinCustomControl {
public:
  explicit TskSkinComboBase(TComponent* AOwner) : TskSkinCustomControl(AOwner) {}

  /// 0: the combo box's width.
  int ListBoxWidth() const { return FListBoxWidth; }
  void SetListBoxWidth(int Value) { FListBoxWidth = Value; }
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  TColor DefaultColor() const { return FDefaultColor; }
  /// Stored; without a record the face is invalidated.
  virtual void SetDefaultColor(TColor Value);
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
  Byte AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }
  /// A flat button face showing the item with a drop-down arrow, pressed anywhere to open.
  bool ToolButtonStyle() const { return FToolButtonStyle; }
  /// On a change: stored; True also turns UseSkinSize off; then Repaint.
  virtual void SetToolButtonStyle(bool Value);

  /// The drop-down is showing.
  bool IsPopupVisible() const;
  /// The list is open and the mouse is not over the combo box.
  bool CanCancelDropDown() const { return IsPopupVisible() && !FMouseIn; }
  /// Opens the list (nothing without items).
  virtual void DropDown() = 0;
  /// Closes an open list: Value picks the highlighted item, else the selection goes back.
  virtual void CloseUp(bool Value) = 0;
  /// The drop-down list's font without skin and whether it takes the skin's font.
  TFont* ListBoxDefaultFont() const;
  void SetListBoxDefaultFont(TFont* Value);
  bool ListBoxUseSkinFont() const;
  void SetListBoxUseSkinFont(bool Value);

  /// Also copies the "combobox" record's fields below (kept as they were for a record of another kind).
  void GetSkinData() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;

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
  /// The drop-down window of the combo box (null while there is none).
  virtual TskSkinCustomControl* DropDownList() const = 0;
  /// Draws the shown item, or AText when not null, into TextRect of the tool-button looks.
  virtual void DrawToolButtonItem(TCanvas* C, const TRect& TextRect, const String* AText) = 0;

  /// Lays out the button and the item area for the current size.
  void CalcRects();
  /// Hooks the window of the list's rows: a press there belongs to the combo box, which captures the
  /// mouse and picks on a release over that window.
  void FilterListWindow(TWinControl* Window);
  /// A left press on the button, on the tool-button face or (ItemAreaOpens) on the item area opens a closed
  /// list and closes an open one; a left press elsewhere closes an open list.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  /// Run after a selection by code, by the list or by typing; nothing here.
  virtual void Change() {}
  /// OnClick, then Change; false when a handler freed the combo box.
  bool ClickAndChange();
  /// Enter picks in the open list and Esc cancels it; other keys do nothing.
  void CloseOnKey(WPARAM Key);
  /// The item the face shows of Count items while Selected is selected: the one selected when the list
  /// opened while it is open; -1 for none.
  int ShownItemOf(int Selected, int Count) const;
  /// A press gives the combo box the focus; false where a part of it takes the focus itself.
  virtual bool FocusOnPress() const { return true; }
  /// A press on the item area opens the list as the button does.
  virtual bool ItemAreaOpens() const { return true; }
  /// Button.MouseIn follows the pointer at (X, Y); a change repaints.
  void TrackButtonHover(int X, int Y);
  /// Follows the pointer while the list is open, against Rows (the window of the list's rows): above or
  /// below it, once the pointer has been in the list and CanScroll, auto-scroll; inside it, the auto-scroll
  /// stops and P is the pointer in Rows' coordinates. True when inside.
  bool TrackListPointer(TWinControl* Rows, bool CanScroll, TPoint& P);
  /// The face shows the focus: the control or a part of it has it.
  virtual bool FaceFocused() { return Focused(); }
  /// Loading or designing: the combo box's own OnClick and change events stay silent.
  bool Loading() const;

  void CalcSize(int& W, int& H) override;
  void SetControlRegion() override;
  /// Asked to erase into a foreign DC outside its own painting, the face draws itself there. The arrow
  /// keys are the combo box's; a cancel-mode from a control outside the list closes it; timer 1 ticks the
  /// auto-scroll.
  void Dispatch(TMessage& Message) override;
  /// One step of the auto-scroll of the open list in TimerMode.
  virtual void AutoScrollTick() = 0;
  /// Control is the combo box or a window of its drop-down.
  virtual bool IsListPart(TControl* Control) const = 0;
  /// The pointer entered (In) or left the control; leaving also takes it off the button.
  void TrackMouseIn(bool In);
  void DefaultFontChange() override;

  // ---- Looks (TskSkinComboBaseLooks.cpp) ----
  /// The built-in drop-down button on Button.R.
  void DrawDefaultButton(TCanvas* C);
  /// With UseSkinSize: the button's picture for a state other than normal.
  void DrawStateButton(TCanvas* C);
  /// Without UseSkinSize: "combobutton", "editbutton" or "resizebutton" on Button.R with an arrow or marker.
  void DrawSeparateButton(TCanvas* C);
  /// The tool-button looks with AText, or the shown item when AText is null; the built-in one moves text
  /// and arrow 2 pixels right and down while open when ShiftWhileOpen, the skinned one starts the text at
  /// TextLeft.
  void DrawDefaultToolButton(TCanvas* C, const String* AText, bool ShiftWhileOpen);
  void DrawSkinToolButton(TBitmap* B, const String* AText, int TextLeft);
  /// The face's background from the record for the state: a strip with UseSkinSize, else the picture
  /// stretched with Client as its client rectangle.
  void DrawSkinBackground(TBitmap* B, const TRect& Client);
  /// The item area's picture for the state into Item (the area's width) and its text rectangle: a strip of
  /// the record's item picture (UseSkinSize), or the picture stretched to the area; a copy of the face where
  /// the record has none. False for an empty area.
  bool ComposeStripItem(TBitmap* B, TBitmap& Item, TRect& TextRect);
  bool ComposeStretchItem(TBitmap* B, TBitmap& Item, TRect& TextRect);
  /// ItemTextRect for an item area W wide.
  TRect SkinItemTextRect(int W) const;
  /// The built-in item area as a bitmap Item of its size: the control's font in the current character set
  /// and the colours of focus and state, filled, with CBItem.State set. False for an empty area.
  bool PrepareDefaultItem(TBitmap& Item);
  /// PaintSkinTo's tool-button look with AText: the built-in or the skinned one by the record.
  void DrawToolButtonText(TBitmap* B, const String& AText, bool ShiftWhileOpen, int TextLeft);
  /// PaintSkinTo's skinned face without item: background and state button with UseSkinSize, else the
  /// picture stretched with StretchClient as its client rectangle and the separate button; then the
  /// record's font in its colour.
  void DrawSkinFaceForText(TBitmap* B, const TRect& StretchClient);
  /// The skinned item's font (the record's with UseSkinFont, else DefaultFont) and its colour for the
  /// state into C; WithDisabledColour takes the disabled colour while disabled.
  void SetItemFont(TCanvas* C, bool WithDisabledColour);
  /// The hover look of the item: the pointer is over the control and the record has hover pictures.
  bool ItemHot() const;
  /// The "edit" record's DisabledFontColor with a record of our own, else clGrayText.
  TColor DisabledFontColor();
  /// The string table's character set, else DefaultFont's.
  TFontCharset CurrentCharset();

  // ---- Auto-scroll of the open list on window timer 1 ----
  /// Mode 1 up, 2 down; a new mode restarts the timer.
  void SetTimerMode(int Mode);
  void StopAutoScroll();

  bool WasInLB { false };
  /// 0 no auto-scroll, 1 up, 2 down.
  int TimerMode { 0 };
  bool FLBDown { false };
  bool FMouseIn { false };
  bool FDropDown { false };
  bool FToolButtonStyle { false };
  int FOldItemIndex { -1 };
  TColor FDefaultColor { clWindow };
  bool FUseSkinSize { true };
  int FListBoxWidth { 0 };
  bool FAlphaBlend { false };
  bool FAlphaBlendAnimation { false };
  Byte FAlphaBlendValue { 0 };

  static constexpr UINT_PTR AutoScrollTimer = 1;

private:
  void ListFilter(TMessage& Message);
  /// The first of Names the model holds as a button record; null for none.
  const TskDataSkinButtonControl* ButtonRecord(std::initializer_list<const char*> Names);
  /// Marker M of the combo box's picture, transparent in Key, centred in R.
  void DrawMarker(TCanvas* C, const TRect& R, const TRect& M, TColor Key);
  /// Hot in the tool-button looks: the pointer is over the control or it has the focus.
  bool ToolButtonHot();

  TWinControl* FListWindow { nullptr };
  /// The list window's own window procedure.
  TWndMethod FListWindowProc;
};
