#pragma once
// A scroll bar drawn wholly by the skin library: a track with a thumb between a decrease and an increase
// button, horizontal or vertical, over the range Min .. Max with an optional PageSize that sizes the thumb.
//
// Position is kept within Min .. Max (Max - PageSize + 1 with a page). The user changes it with the
// buttons (a step at the press, repeated after 550 ms and then every 50 ms while the pointer stays on the
// button), by pressing the track beside the thumb (a page, repeated until the thumb reaches the pointer),
// by dragging the thumb, and, only with CanFocused (off by default: the bars of lists and drop-downs never
// take the focus), with the arrow keys and the wheel. Code sets the range and position with SetRange and
// SimplySetPosition, which fire nothing. The repeat runs on window timer 1.
//
// Record "hscrollbar", "vscrollbar" or "bothhscrollbar" (kind "scrollbar"): the bar's picture with its
// buttons in their normal look, the track, and the pictures of the buttons' hot and pressed looks and of
// the thumb. Without a record: 17-pixel buttons with arrows and a 16-pixel thumb.
#include "platform/ui/toolkit/StdControlTypes.h"
#include "skin/controls/TskCBButtonX.h"
#include "skin/controls/TskSkinCustomControl.h"

/// A skinned scroll bar; see the file comment.
class TskSkinScrollBar : public TskSkinCustomControl {
public:
  explicit TskSkinScrollBar(TComponent* AOwner);

  int Min() const { return FMin; }
  /// Raises Position to the new minimum when it lies below; repaints, fires nothing.
  void SetMin(int Value);
  int Max() const { return FMax; }
  /// Brings Position back into the new range (with a page: to Max - PageSize + 1); repaints, fires nothing.
  void SetMax(int Value);
  int Position() const { return FPosition; }
  /// Clamped into the range; OnChange when it changes.
  void SetPosition(int Value);
  /// 0: no page, a thumb of fixed length.
  int PageSize() const { return FPageSize; }
  /// Refused when the page does not fit in the range beside the position; repaints either way.
  void SetPageSize(int Value);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value);
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int Value);
  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  /// The bar shares its end with a second bar: the record BothSkinDataName, or without skin a free corner
  /// of BothMarkerWidth pixels at the right end.
  bool Both() const { return FBoth; }
  void SetBoth(bool Value);
  const String& BothSkinDataName() const { return FBothSkinDataName; }
  void SetBothSkinDataName(const String& Value) { FBothSkinDataName = Value; }
  int BothMarkerWidth() const { return FBothMarkerWidth; }
  /// Negative values are ignored.
  void SetBothMarkerWidth(int Value);
  /// The bar takes the focus and the arrow keys and the wheel; also sets TabStop.
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool Value);

  /// Stores the range, the page and the clamped position and repaints; fires nothing.
  void SetRange(int AMin, int AMax, int APosition, int APageSize);
  /// Stores the clamped position and repaints when it changes; fires nothing.
  void SimplySetPosition(int AValue);

  void GetSkinData() override;

  /// Position changed through Position or the user.
  TNotifyEvent OnChange;
  /// Replace the step of the increase / decrease button when assigned.
  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;
  /// After a page step toward Min / toward Max.
  TNotifyEvent OnPageUp;
  TNotifyEvent OnPageDown;
  /// The left button was released after a thumb drag.
  TNotifyEvent OnLastChange;

  /// 0 the thumb, 1 the increase button, 2 the decrease button (control coordinates after CalcRects).
  TskCBButtonX Buttons[3];

  // The record's geometry: TrackArea, UpButtonRect (increase) and DownButtonRect (decrease) in the
  // coordinates of the bar at the skin's size; the state and thumb rectangles in the record's picture.
  TRect TrackArea;
  TRect UpButtonRect;
  TRect ActiveUpButtonRect;
  TRect DownUpButtonRect;
  TRect DownButtonRect;
  TRect ActiveDownButtonRect;
  TRect DownDownButtonRect;
  TRect ThumbRect;
  TRect ActiveThumbRect;
  TRect DownThumbRect;
  int ThumbOffset1 { 0 };
  int ThumbOffset2 { 0 };
  bool ThumbTransparent { false };
  TColor ThumbTransparentColor { clFuchsia };
  bool ThumbStretchEffect { false };
  int ThumbMinSize { 0 };
  int ThumbMinPageSize { 0 };
  TRect GlyphRect;
  TRect ActiveGlyphRect;
  TRect DownGlyphRect;
  bool GlyphTransparent { false };
  TColor GlyphTransparentColor { clFuchsia };

protected:
  /// The skin's size, then the buttons, track and thumb for it.
  void CalcSize(int& W, int& H) override;
  /// Places the buttons, the track (NewTrackArea) and the thumb for the current size and position.
  void CalcRects();
  /// The position for a thumb dragged by A pixels from where the drag started.
  int CalcPosition(int A);
  /// Makes the button under (X, Y) the hot one (none while another button is held).
  void TestActive(int X, int Y);

  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void Dispatch(TMessage& Message) override;

  int Offset1 { 0 };
  int Offset2 { 0 };
  int BOffset { 0 };
  TRect NewTrackArea;

private:
  int Clamped(int Value) const;
  bool Horizontal() const { return FKind == sbHorizontal; }
  /// Along the bar: x of a horizontal one, y of a vertical one.
  int Along(int X, int Y) const { return Horizontal() ? X : Y; }
  void ButtonDown(int I, int X, int Y);
  void ButtonUp(int I);
  void ButtonEnter(int I);
  void ButtonLeave(int I);
  void StepDown();
  void StepUp();
  void StartTimer(UINT Elapse);
  void StopTimer();
  void Tick();
  void MouseLeft();
  void DrawSkinButton(TBitmap* B, int I, const TRect& ActiveRect, const TRect& DownRect);
  void DrawSkinThumb(TBitmap* B);
  bool ThumbPressedLook();

  String FNormalSkinDataName;
  String FBothSkinDataName { "bothhscrollbar" };
  bool FDown { false };
  int OMPos { 0 };
  int OldPosition { 0 };
  int FScrollWidth { 0 };
  int OldBOffset { 0 };
  int MX { 0 };
  int MY { 0 };
  bool MouseD { false };
  bool WaitMode { false };
  int FBothMarkerWidth { 19 };
  bool FClicksDisabled { false };
  bool FCanFocused { false };
  /// 0 none, 1 decrease button held, 2 increase button held, 3 page toward Min, 4 page toward Max.
  int TimerMode { 0 };
  int ActiveButton { -1 };
  int OldActiveButton { -1 };
  int CaptureButton { -1 };
  int FMin { 0 };
  int FMax { 100 };
  int FSmallChange { 1 };
  int FLargeChange { 1 };
  int FPosition { 0 };
  TScrollBarKind FKind { sbHorizontal };
  int FPageSize { 0 };
  bool FBoth { false };
};
