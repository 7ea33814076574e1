#pragma once
// Entry points of libavfilter: one pointer per bound export, typed from the library's own declaration, so
// the engine calls the library without linking it. Filled by the loader; never cleared once bound.
extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersrc.h>
#include <libavfilter/buffersink.h>
}

#include "engine/libav/LibraryExports.h"
#include "platform/base/Types.h"

/// The bound exports of libavfilter, named like the exports.
struct TAVFilterStubs {
  ZORVIK_AVFILTER_EXPORTS(ZORVIK_DECLARE_ENTRY)
};

/// The process's entry points of libavfilter.
extern TAVFilterStubs LibAVFilter;

/// Binds every export of the list from AHandle; a missing one raises EBindError and changes nothing.
void AVFilterFixup(const String& AFileName, void* AHandle);
