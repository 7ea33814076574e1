#include "engine/task/TInputFileContext.h"

#include "engine/task/TCodecItem.h"
#include "engine/libav/UnicodeProtocol.h"

TInputFileContext::~TInputFileContext() {
  for (AVCodecContext*& Decoder : Decoders) FreeCodecContext(&Decoder);
  UnicodeCloseInput(&Context);
}
