#pragma once
// A track bar: a thumb on a channel choosing a Position between Min and Max. Every change of Position, by
// the user (keys, a click on the channel, dragging the thumb) or by code, runs Changed (OnChange); a
// position outside the range is brought into it.
#include "platform/ui/toolkit/StdControlTypes.h"
#include "platform/ui/toolkit/TCustomControl.h"

/// A track bar; see the file comment.
class TTrackBar : public TCustomControl {
public:
  explicit TTrackBar(TComponent* AOwner);

  int Min() const { return FMin; }
  /// A minimum above the maximum is refused.
  void SetMin(int Value);
  int Max() const { return FMax; }
  /// A maximum below the minimum is refused.
  void SetMax(int Value);
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  /// Arrow keys move by LineSize, PageUp/PageDown and clicks on the channel by PageSize.
  int LineSize() const { return FLineSize; }
  void SetLineSize(int Value) { FLineSize = Value; }
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value) { FPageSize = Value; }
  /// A tick every Frequency positions (TickStyle tsAuto).
  int Frequency() const { return FFrequency; }
  void SetFrequency(int Value);
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation Value);
  TTickMark TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark Value);
  TTickStyle TickStyle() const { return FTickStyle; }
  void SetTickStyle(TTickStyle Value);

  TNotifyEvent OnChange;

protected:
  virtual void Changed();
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  bool Vertical() const { return FOrientation == trVertical; }
  /// The channel, along the control's length, in client coordinates.
  TRect ChannelRect() const;
  TRect ThumbRect() const;
  /// Pixel offset along the channel of a position, and the position nearest to an offset.
  int OffsetOf(int Position) const;
  int PositionAt(int Offset) const;
  void PaintTicks(TCanvas* C);

  int FMin { 0 };
  int FMax { 10 };
  int FPosition { 0 };
  int FLineSize { 1 };
  int FPageSize { 2 };
  int FFrequency { 1 };
  TTrackBarOrientation FOrientation { trHorizontal };
  TTickMark FTickMarks { tmBottomRight };
  TTickStyle FTickStyle { tsAuto };
  /// Dragging the thumb, and where along it the pointer took it.
  bool FDragging { false };
  int FGrip { 0 };
};
