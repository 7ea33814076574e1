#pragma once
// Entry points of libavformat: one pointer per bound export, typed from the library's own declaration, so
// the engine calls the library without linking it. Filled by the loader; never cleared once bound.
extern "C" {
#include <libavformat/avformat.h>
#include <libavformat/avio.h>
}

#include "engine/libav/LibraryExports.h"
#include "platform/base/Types.h"

/// The bound exports of libavformat, named like the exports.
struct TAVFormatStubs {
  ZORVIK_AVFORMAT_EXPORTS(ZORVIK_DECLARE_ENTRY)
};

/// The process's entry points of libavformat.
extern TAVFormatStubs LibAVFormat;

/// Binds every export of the list from AHandle; a missing one raises EBindError and changes nothing.
void AVFormatFixup(const String& AFileName, void* AHandle);
