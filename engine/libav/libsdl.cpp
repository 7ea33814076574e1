#include "engine/libav/libsdl.h"

#include "engine/libav/MyUtils.h"

TSDLStubs LibSDL;

void SDLFixup(const String& AFileName, void* AHandle) {
  TSDLStubs Bound;
  ZORVIK_SDL_EXPORTS(ZORVIK_BIND_ENTRY)
  CommitEntries(LibSDL, Bound);
}
