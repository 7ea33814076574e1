#pragma once
// The smallest and largest size a control may take.
#include "platform/base/TPersistent.h"

class TControl;

/// Minimum and maximum width and height of a control (0: no limit), applied on every resize; a change
/// resizes the control at once.
class TSizeConstraints : public TPersistent {
public:
  explicit TSizeConstraints(TControl* Control) : FControl(Control) {}

  void Assign(TPersistent* Source) override;

  int MaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int Value);
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value);
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int Value);
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value);
  TControl* Control() const { return FControl; }

  TNotifyEvent OnChange;

protected:
  virtual void Change();

private:
  TControl* FControl;
  int FMaxHeight { 0 };
  int FMaxWidth { 0 };
  int FMinHeight { 0 };
  int FMinWidth { 0 };
};
