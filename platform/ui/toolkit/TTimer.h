#pragma once
// A component that runs OnTimer every Interval milliseconds on the window system's timers.
#include "platform/base/TComponent.h"
#include "platform/ui/winsys/UiTypes.h"

/// Runs OnTimer every Interval ms while Enabled and Interval > 0. The handler may free the timer, or the
/// component that owns it.
class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  /// Milliseconds; setting it starts the period again.
  Cardinal Interval() const { return FInterval; }
  void SetInterval(Cardinal Value);

  TNotifyEvent OnTimer;

protected:
  /// Runs OnTimer.
  virtual void Timer();

private:
  void UpdateTimer();

  bool FEnabled { true };
  Cardinal FInterval { 1000 };
  HWND FWindowHandle { 0 };
};
