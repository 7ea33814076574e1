#pragma once
// The worker thread of a conversion task.
#include "platform/base/TThread.h"

class TCustomFFmpeg;

/// Runs its task's run, then signals the task's stop event (also when the run raised).
class TConvertThread : public TThread {
public:
  explicit TConvertThread(TCustomFFmpeg* AOwner) : FOwner(AOwner) {}
  ~TConvertThread() override { TerminateAndWait(); }

protected:
  void Execute() override;

private:
  TCustomFFmpeg* FOwner;
};
