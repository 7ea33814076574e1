#pragma once
// Entry points of libswresample: one pointer per bound export, typed from the library's own declaration, so
// the engine calls the library without linking it. Filled by the loader; never cleared once bound.
extern "C" {
#include <libswresample/swresample.h>
}

#include "engine/libav/LibraryExports.h"
#include "platform/base/Types.h"

/// The bound exports of libswresample, named like the exports.
struct TSwResampleStubs {
  ZORVIK_SWRESAMPLE_EXPORTS(ZORVIK_DECLARE_ENTRY)
};

/// The process's entry points of libswresample.
extern TSwResampleStubs LibSwResample;

/// Binds every export of the list from AHandle; a missing one raises EBindError and changes nothing.
void SwResampleFixup(const String& AFileName, void* AHandle);
