#pragma once
// A pair of skinned arrow buttons that step an integer Position between Min and Max by Increment.
//
// A press on a button (any mouse button) holds it; after 500 ms the step repeats every 100 ms while the
// pointer stays on it (paused while off it, every 50 ms after it comes back); the release over the button
// steps once more and raises OnUpButtonClick or OnDownButtonClick. Every step goes through SetPosition, so
// a step beyond Min or Max is ignored and each accepted one raises OnChange. Increment 0 makes plain
// buttons: the click events, no steps and no repeat. The repeat runs on window timer 1.
//
// Record "hupdown" or "vupdown" (kind "updown") with UseSkinSize: the control takes the record's size and
// picture, the buttons their rectangles. Without UseSkinSize the control keeps any size and each button is
// the "resizebutton" record drawn at the button's size with an arrow. Without skin: framed buttons with
// arrows, the left (horizontal) or lower (vertical) half decreasing.
#include "platform/ui/toolkit/StdControlTypes.h"
#include "skin/controls/TskCBButtonX.h"
#include "skin/controls/TskSkinCustomControl.h"

/// A skinned up-down; see the file comment.
class TskSkinUpDown : public TskSkinCustomControl {
public:
  explicit TskSkinUpDown(TComponent* AOwner);

  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  TUDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation Value);
  int Increment() const { return FIncrement; }
  void SetIncrement(int Value) { FIncrement = Value; }
  int Position() const { return FPosition; }
  /// A value outside Min .. Max is ignored; any other is stored (also an equal one) and raises OnChange.
  void SetPosition(int Value);
  int Min() const { return FMin; }
  /// Raises Position to the new minimum when below, without OnChange.
  void SetMin(int Value);
  int Max() const { return FMax; }
  /// Lowers Position to the new maximum when above, without OnChange.
  void SetMax(int Value);

  /// Also takes the record's button rectangles; the record's own size is the control's, so its corner
  /// points and client rectangle are cleared.
  void GetSkinData() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;

  /// 0 the up button (increases), 1 the down button.
  TskCBButtonX Buttons[2];

  // From the record: the buttons' rectangles (control coordinates) and their hot and pressed looks
  // (rectangles of the record's picture).
  TRect UpButtonRect;
  TRect ActiveUpButtonRect;
  TRect DownUpButtonRect;
  TRect DownButtonRect;
  TRect ActiveDownButtonRect;
  TRect DownDownButtonRect;

protected:
  /// Only with UseSkinSize: otherwise the control keeps any size.
  void CalcSize(int& W, int& H) override;
  /// Only with UseSkinSize: otherwise the control has no region.
  void SetControlRegion() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;

private:
  void CalcButtonRects();
  void TestActive(int X, int Y);
  void ButtonDown(int I);
  void ButtonUp(int I);
  void ButtonEnter(int I);
  void ButtonLeave(int I);
  void StartRepeatTimer(UINT Elapse);
  void StopRepeatTimer();
  void Tick();
  /// The arrow kind (DrawArrow) of button I for the orientation.
  int ArrowKind(int I) const;
  /// Button I drawn from the "resizebutton" record at its size.
  void DrawResizeButton(TBitmap* B, int I);

  bool FUseSkinSize { true };
  TUDOrientation FOrientation { udHorizontal };
  int OldActiveButton { -1 };
  int ActiveButton { -1 };
  int CaptureButton { -1 };
  /// 0 none, 1 repeat down, 2 repeat up.
  int TimerMode { 0 };
  bool WaitMode { false };
  int FIncrement { 1 };
  int FPosition { 0 };
  int FMin { 0 };
  int FMax { 100 };
};
