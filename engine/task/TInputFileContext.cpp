#include "engine/TInputFileContext.h"

#include "engine/TCodecItem.h"
#include "engine/UnicodeProtocol.h"

TInputFileContext::~TInputFileContext() {
  for (AVCodecContext*& Decoder : Decoders) FreeCodecContext(&Decoder);
  UnicodeCloseInput(&Context);
}
