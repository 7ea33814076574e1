#include "engine/tasklist/TConvertThread.h"

#include "engine/task/FFmpeg.h"

void TConvertThread::Execute() {
  struct TSignalStop {
    TEvent& Event;
    ~TSignalStop() { Event.SetEvent(); }
  } Signal { FOwner->FStopEvent };
  FOwner->RunConvert();
}
