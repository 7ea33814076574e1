// A media file converted through the task list as a job of the program is: added as a task, given a
// small output and run for a bounded time, then stopped. Whatever the bytes, the task ends with a report
// and nothing of it outlives the stop.
#include <cstdio>
#include <mutex>

#include "engine/libav/FFmpegLoader.h"
#include "engine/tasklist/FFConverter.h"
#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"
#include "tools/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  String error;
  if (!LoadAVLib("", TranscoderLibraries, error)) fuzz::Broken("the media libraries load");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string file = fuzz::AsFile(Data, Size, ".media");
  const std::string output = file + ".out.avi";
  try {
    TFFConverter converter(nullptr);
    TInputOptions input;
    InitInputOptions(input);
    const int task = converter.AddTask(file, &input);
    if (task < 0) return 0;
    TOutputOptions options;
    InitOutputOptions(options);
    options.VideoCodec = "mpeg4";
    options.AudioCodec = "mp2";
    options.FrameSize = "64*48";
    options.TimeLength = 2 * AV_TIME_BASE;
    if (!converter.SetOutputFile(task, output, &options)) return 0;
    bool ended = false;
    std::mutex lock;
    converter.OnTerminate = [&](TObject*, const TTerminateInfo& AEnd) {
      std::lock_guard guard(lock);
      ended = ended || AEnd.TaskIndex == -1;
      WakeWaiters();
    };
    converter.Start(1);
    WaitServing([&] {
      std::lock_guard guard(lock);
      return ended;
    }, 3000);
    converter.Stop(true);
  } catch (const Exception&) {
  }
  std::remove(output.c_str());
  return 0;
}
