#pragma once
// Fitting an output stream's sample format, sample rate, pixel format, frame size and frame rate to what its
// encoder supports.
extern "C" {
#include <libavcodec/avcodec.h>
}

#include "platform/base/TObject.h"

/// When AEncoder lists sample formats and AContext's is not among them, AContext takes the first listed.
/// Without an encoder or a list nothing changes.
void ChooseSampleFormat(AVCodecContext* AContext, const AVCodec* AEncoder);
/// When AEncoder lists sample rates, AContext takes the listed rate nearest to its own (the earlier one on a
/// tie); a rate other than the requested one is logged as a warning with ASender.
void ChooseSampleRate(TObject* ASender, AVCodecContext* AContext, const AVCodec* AEncoder);
/// Fits AContext's pixel format to the ones AEncoder lists (the MJPEG encoder also takes planar YUV 4:2:0
/// and 4:2:2 when unofficial extensions are allowed). A format AAsked for stays when accepted, else the first
/// listed is taken. Otherwise the picture becomes 8-bit 4:2:0 wherever the encoder takes that: AContext's
/// own when it is such a format, else plain YUV 4:2:0, else the first such format listed; an encoder taking
/// none keeps AContext's accepted format or gives the first listed. Without an encoder or a list nothing
/// changes.
void ChoosePixelFormat(AVCodecContext* AContext, const AVCodec* AEncoder, bool AAsked);
/// Rounds AContext's frame size down to one its encoder takes: even sizes for the MPEG-4 family, WMV and
/// MS-MPEG4, and whole chroma samples for a pixel format whose chroma is subsampled. For a size taken from
/// the source (a cropped or phone video may be 853x479); a size asked for is left to the encoder to judge.
void RoundDownFrameSize(AVCodecContext* AContext);
/// When AEncoder lists frame rates, the listed rate nearest to ARate; otherwise ARate. The MPEG-1 video
/// encoder lists the eight rates of its standard first and then unofficial ones, which it refuses unless
/// AContext allows unofficial extensions; those are passed over then.
AVRational ChooseFrameRate(AVRational ARate, const AVCodecContext* AContext, const AVCodec* AEncoder);
