#pragma once
// An event object: a flag threads wait for, reset by hand or by the wait that consumes it.
#include <condition_variable>
#include <mutex>

#include "platform/base/TObject.h"
#include "platform/base/WaitResult.h"

/// A manual-reset event stays signalled until ResetEvent; an auto-reset event lets one wait through and
/// resets itself. Timeouts are real time (whatever clock is current); a wait never returns early, and a
/// wait on the UI thread serves the hand-over queue.
class TEvent : public TObject {
public:
  explicit TEvent(bool ManualReset = true, bool InitialState = false);

  void SetEvent();
  void ResetEvent();
  /// wrSignaled once the event is signalled (consuming it when auto-reset), wrTimeout after Timeout ms.
  TWaitResult WaitFor(Cardinal Timeout = INFINITE);

private:
  bool TryConsume();

  const bool FManualReset;
  bool FSignaled;
  std::mutex FLock;
  std::condition_variable FChanged;
};
