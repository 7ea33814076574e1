#include "skin/core/TCustomZlibStream.h"

TCustomZlibStream::TCustomZlibStream(TStream* Strm) : FStrm(Strm), FStrmPos(Strm->Position()) {}

void TCustomZlibStream::Progress(TObject* Sender) {
  if (OnProgress) OnProgress(Sender);
}

void TCustomZlibStream::RestorePosition() {
  if (FStrm->Position() != FStrmPos) FStrm->SetPosition(FStrmPos);
}

void TCustomZlibStream::SavePosition() { FStrmPos = FStrm->Position(); }
