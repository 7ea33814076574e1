#pragma once
// Entry points of libavutil: one pointer per bound export, typed from the library's own declaration, so
// the engine calls the library without linking it. Filled by the loader; never cleared once bound.
extern "C" {
#include <libavutil/audio_fifo.h>
#include <libavutil/avstring.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/display.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
#include <libavutil/mem.h>
#include <libavutil/opt.h>
#include <libavutil/parseutils.h>
#include <libavutil/pixdesc.h>
#include <libavutil/samplefmt.h>
#include <libavutil/time.h>
}

#include "engine/libav/LibraryExports.h"
#include "platform/base/Types.h"

/// The bound exports of libavutil, named like the exports.
struct TAVUtilStubs {
  ZORVIK_AVUTIL_EXPORTS(ZORVIK_DECLARE_ENTRY)
};

/// The process's entry points of libavutil.
extern TAVUtilStubs LibAVUtil;

/// Binds every export of the list from AHandle; a missing one raises EBindError and changes nothing.
void AVUtilFixup(const String& AFileName, void* AHandle);
