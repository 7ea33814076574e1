#include "engine/libsdl.h"

#include "engine/MyUtils.h"

TSDLStubs LibSDL;

void SDLFixup(const String& AFileName, void* AHandle) {
  TSDLStubs Bound;
  ZORVIK_SDL_EXPORTS(ZORVIK_BIND_ENTRY)
  CommitEntries(LibSDL, Bound);
}
