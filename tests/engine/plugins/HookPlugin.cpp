// The tests' video-hook plug-in: "Configure" keeps its arguments and fails when one of them is "fail",
// "Process" inverts the first plane and counts, "Release" counts. Built once with every entry point and
// once without each of "Process" and "Configure", and once needing a library of its folder ("Configure"
// asks it).
#include <cstdlib>
#include <cstring>

#include "tests/engine/plugins/HookPlugin.h"

#ifdef HOOK_WITH_HELPER
extern "C" int HookHelperAnswer();
#endif

namespace {

THookPluginCounters Counters;

__attribute__((constructor)) void Loaded() { ++Counters.Loads; }

}  // namespace

extern "C" {

THookPluginCounters* HookPluginCounters() { return &Counters; }

#ifndef HOOK_WITHOUT_CONFIGURE
int Configure(void** ctxp, int argc, char* argv[]) {
#ifdef HOOK_WITH_HELPER
  if (HookHelperAnswer() != 42) return 1;
#endif
  auto* Context = static_cast<THookPluginContext*>(std::calloc(1, sizeof(THookPluginContext)));
  for (int I = 0; I < argc; ++I) {
    if (std::strcmp(argv[I], "fail") == 0) {
      std::free(Context);
      return 1;
    }
    if (I > 0) std::strncat(Context->Arguments, "|", sizeof Context->Arguments - std::strlen(Context->Arguments) - 1);
    std::strncat(Context->Arguments, argv[I], sizeof Context->Arguments - std::strlen(Context->Arguments) - 1);
  }
  *ctxp = Context;
  return 0;
}
#endif

#ifndef HOOK_WITHOUT_PROCESS
struct TPicture {
  unsigned char* data[4];
  int linesize[4];
};

void Process(void* ctx, TPicture* picture, int pix_fmt, int width, int height, int64_t pts) {
  for (int Y = 0; Y < height; ++Y)
    for (int X = 0; X < width; ++X) {
      unsigned char& Luma = picture->data[0][Y * picture->linesize[0] + X];
      Luma = static_cast<unsigned char>(255 - Luma);
    }
  auto* Context = static_cast<THookPluginContext*>(ctx);
  if (!Context) {
    ++Counters.ProcessedWithoutContext;
    return;
  }
  ++Context->Processed;
  Context->PixelFormat = pix_fmt;
  Context->Width = width;
  Context->Height = height;
  Context->PTS = pts;
}
#endif

void Release(void* ctx) {
  ++Counters.Releases;
  std::free(ctx);
}
}
