// A small media file: probed, then stepped through as the preview steps (forward, a key frame, back).
#include "engine/libav/FFmpegLoader.h"
#include "engine/probe/AVProbe.h"
#include "platform/base/Exception.h"
#include "platform/gdi/TBitmap.h"
#include "tools/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  String error;
  if (!LoadAVLib("", ProbeLibraries, error)) fuzz::Broken("the media libraries load");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string file = fuzz::AsFile(Data, Size, ".media");
  try {
    TAVProbe probe(nullptr);
    if (!probe.LoadFile(file)) return 0;
    TBitmap picture;
    for (int step = 0; step < 3 && probe.Decode(); ++step) probe.CopyToBitmap(&picture);
    probe.DecodeNextKeyFrame();
    probe.DecodePreviousFrame();
    probe.CopyToBitmap(&picture);
  } catch (const Exception&) {
  }
  return 0;
}
