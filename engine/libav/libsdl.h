#pragma once
// Entry points of SDL2 for the player's audio, threads, locks and timers: one pointer per bound export,
// typed from SDL's own declaration, so the engine uses SDL without linking it. Filled by the loader; never
// cleared once bound.
#include <SDL.h>

#include "engine/libav/LibraryExports.h"
#include "platform/base/Types.h"

/// The bound exports of SDL2, named like the exports.
struct TSDLStubs {
  ZORVIK_SDL_EXPORTS(ZORVIK_DECLARE_ENTRY)
};

/// The process's entry points of SDL2.
extern TSDLStubs LibSDL;

/// Binds every export of the list from AHandle; a missing one raises EBindError and changes nothing.
void SDLFixup(const String& AFileName, void* AHandle);
