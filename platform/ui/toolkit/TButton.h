#pragma once
// A push button. Click runs OnClick (or the linked action) whatever Enabled and Visible say, and gives
// the parent form the button's ModalResult; the user clicks with the mouse (press and release inside),
// Space, or Enter while it is the form's active button. A Default button answers Enter and a Cancel
// button Esc as dialog keys; the focused button is the active one, else the Default button.
#include "platform/ui/toolkit/FormTypes.h"
#include "platform/ui/toolkit/TCustomControl.h"

/// A push button; see the file comment.
class TButton : public TCustomControl {
public:
  explicit TButton(TComponent* AOwner);

  void Click() override;

  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }

protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;

private:
  void SetPressed(bool Value);

  bool FDefault { false };
  bool FCancel { false };
  TModalResult FModalResult { mrNone };
  /// The button takes Enter: it has the focus, or it is the Default one and no other button has.
  bool FActive { false };
  bool FPressed { false };
  bool FSpaceDown { false };
};
