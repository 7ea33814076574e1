#pragma once
// The open codecs of a conversion task, so that every codec a run opened is closed again even when the run
// ends by an exception.
#include <list>

extern "C" {
#include <libavcodec/avcodec.h>
}

/// One open codec: the slot holding its context. Closing it frees the context and empties the slot.
struct TCodecItem {
  AVCodecContext** Slot { nullptr };
};

/// Open codecs, the latest first.
using TCodecList = std::list<TCodecItem>;

/// Frees *AContext, open or not, with its two-pass statistics input (which FFmpeg leaves to its user);
/// the codec is closed under CodecLock. *AContext becomes nullptr; an empty slot is left alone.
void FreeCodecContext(AVCodecContext** AContext);
