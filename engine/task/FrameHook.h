#pragma once
// Video-hook plug-ins: shared libraries that edit every decoded picture of a task before it is encoded.
//
// A plug-in exports, with C linkage, "Process" (required), and optionally "Configure" (required when it is
// given arguments) and "Release":
//   int  Configure(void** ctxp, int argc, char* argv[]);   // 0 on success; stores its context in *ctxp
//   void Process(void* ctx, TFrameHookPicture* picture, int pix_fmt, int width, int height, int64_t pts);
//   void Release(void* ctx);
// pix_fmt is an AVPixelFormat number and pts is in microseconds. A library is loaded once per process
// and stays loaded; each configured plug-in of each task has its own context. The plug-in finds libraries
// of its own through its run path; the engine changes neither the current folder nor the environment.
#include <cstdint>

#include "platform/base/Types.h"

/// The picture a plug-in edits in place: up to four planes and their line sizes in bytes.
struct TFrameHookPicture {
  uint8_t* data[4];
  int linesize[4];
};

using TFrameHookConfigure = int (*)(void** ctxp, int argc, char* argv[]);
using TFrameHookProcess = void (*)(void* ctx, TFrameHookPicture* picture, int pix_fmt, int width, int height, int64_t pts);
using TFrameHookRelease = void (*)(void* ctx);

/// One configured plug-in of a task's chain; allocated zeroed and freed with FFmpeg's allocator.
struct TFrameHookEntry {
  TFrameHookEntry* next;
  TFrameHookConfigure Configure;  // nullptr when the plug-in has none
  TFrameHookProcess Process;
  TFrameHookRelease Release;      // nullptr when the plug-in has none
  void* ctx;
};
using PFrameHookEntry = TFrameHookEntry*;

/// Loads the plug-in argv[0] (when not loaded yet), configures it with all argc texts and appends it to
/// the chain AFirst. Returns 0, or with nothing appended: -2 for no name, -1 when the library cannot be
/// loaded, -12 when no entry can be allocated, -2 without "Process" or, when there are arguments, without
/// "Configure", -22 when "Configure" fails. Failures other than -2 for no name and -12 are logged at
/// FFmpeg's error level.
int AddFrameHook(PFrameHookEntry& AFirst, int argc, char* argv[]);
/// Hands the picture to every plug-in of the chain, in order.
void ProcessFrameHooks(PFrameHookEntry AFirst, TFrameHookPicture* APicture, int APixFmt, int AWidth, int AHeight, Int64 APTS);
/// Releases every plug-in of the chain and empties it; the libraries stay loaded.
void ReleaseFrameHooks(PFrameHookEntry& AFirst);
