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
  virtual TControl* DropDownList() const = 0;
  /// Draws the shown item, or AText when not null, into TextRect of the tool-button looks.
  virtual void DrawToolButtonItem(TCanvas* C, const TRect& TextRect, const String* AText) = 0;

  /// Lays out the button and the item area for the current size.
  void CalcRects();
  /// The face shows the focus: the control or a part of it has it.
  virtual bool FaceFocused() { return Focused(); }
  /// Loading or designing: the combo box's own OnClick and change events stay silent.
  bool Loading() const;

  void CalcSize(int& W, int& H) override;
  void SetControlRegion() override;
  /// Asked to erase into a foreign DC outside its own painting, the face draws itself there.
  void Dispatch(TMessage& Message) override;
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
  /// The first of Names the model holds as a button record; null for none.
  const TskDataSkinButtonControl* ButtonRecord(std::initializer_list<const char*> Names);
  /// Marker M of the combo box's picture, transparent in Key, centred in R.
  void DrawMarker(TCanvas* C, const TRect& R, const TRect& M, TColor Key);
  /// Hot in the tool-button looks: the pointer is over the control or it has the focus.
  bool ToolButtonHot();
};
