#include "engine/TConvertThread.h"

#include "engine/FFmpeg.h"

void TConvertThread::Execute() {
  struct TSignalStop {
    TEvent& Event;
    ~TSignalStop() { Event.SetEvent(); }
  } Signal { FOwner->FStopEvent };
  FOwner->RunConvert();
}
