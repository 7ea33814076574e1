#pragma once
// Entry points of libavcodec: one pointer per bound export, typed from the library's own declaration, so
// the engine calls the library without linking it. Filled by the loader; never cleared once bound.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavcodec/bsf.h>
#include <libavcodec/avfft.h>
}

#include "engine/libav/LibraryExports.h"
#include "platform/base/Types.h"

/// The bound exports of libavcodec, named like the exports.
struct TAVCodecStubs {
  ZORVIK_AVCODEC_EXPORTS(ZORVIK_DECLARE_ENTRY)
};

/// The process's entry points of libavcodec.
extern TAVCodecStubs LibAVCodec;

/// Binds every export of the list from AHandle; a missing one raises EBindError and changes nothing.
void AVCodecFixup(const String& AFileName, void* AHandle);
