#pragma once
// A check box: a box that is ticked, clear or (AllowGrayed) grayed, with its caption beside it. Changing
// the state, by the user (click, Space) or by code, runs Click (OnClick); setting the state it already
// has runs nothing.
#include "platform/base/TAlignment.h"
#include "platform/ui/toolkit/StdControlTypes.h"
#include "platform/ui/toolkit/TCustomControl.h"

/// A check box; see the file comment.
class TCheckBox : public TCustomControl {
public:
  explicit TCheckBox(TComponent* AOwner);

  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  /// taRightJustify: the caption right of the box (the usual place); taLeftJustify: left of it.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

protected:
  /// The user's click: the next state (clear, grayed when allowed, ticked).
  virtual void Toggle();
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyUp(Word& Key, TShiftState Shift) override;

private:
  TCheckBoxState FState { cbUnchecked };
  bool FAllowGrayed { false };
  TAlignment FAlignment { taRightJustify };
  bool FPressed { false };
};
