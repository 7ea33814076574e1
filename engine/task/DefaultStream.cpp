#include "engine/task/DefaultStream.h"

bool IsBetterDefaultStream(const AVStream* A, const AVStream* B) {
  const bool ADefault = A->disposition & AV_DISPOSITION_DEFAULT;
  const bool BDefault = B->disposition & AV_DISPOSITION_DEFAULT;
  if (ADefault != BDefault) return ADefault;
  if (A->nb_frames != B->nb_frames) return A->nb_frames > B->nb_frames;
  return A->codecpar->bit_rate > B->codecpar->bit_rate;
}

int DefaultStreamIndex(const AVFormatContext* AContext, AVMediaType AType,
                       const std::function<bool(const AVStream*)>& AUsable) {
  int Best = -1;
  for (unsigned I = 0; I < AContext->nb_streams; ++I) {
    const AVStream* Stream = AContext->streams[I];
    if (Stream->codecpar->codec_type != AType || (AUsable && !AUsable(Stream))) continue;
    if (Best < 0 || IsBetterDefaultStream(Stream, AContext->streams[Best])) Best = int(I);
  }
  return Best;
}
