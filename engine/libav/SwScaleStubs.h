#pragma once
// Entry points of libswscale: one pointer per bound export, typed from the library's own declaration, so
// the engine calls the library without linking it. Filled by the loader; never cleared once bound.
extern "C" {
#include <libswscale/swscale.h>
}

#include "engine/libav/LibraryExports.h"
#include "platform/base/Types.h"

/// The bound exports of libswscale, named like the exports.
struct TSwScaleStubs {
  ZORVIK_SWSCALE_EXPORTS(ZORVIK_DECLARE_ENTRY)
};

/// The process's entry points of libswscale.
extern TSwScaleStubs LibSwScale;

/// Binds every export of the list from AHandle; a missing one raises EBindError and changes nothing.
void SwScaleFixup(const String& AFileName, void* AHandle);
