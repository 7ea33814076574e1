#pragma once
// Texts and small look-ups over FFmpeg values: times, frame steps, error codes, codec and media-type names,
// metadata, and whole-file reading into FFmpeg's memory.
#include <cstdint>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/dict.h>
}

#include "platform/base/Types.h"

/// ATime (microseconds) as "hh:mm:ss.zzz" with unbounded hours, "N/A" for AV_NOPTS_VALUE.
String TimeToText(Int64 ATime);
/// The duration of one frame at ARate in microseconds; 40000 when the rate has a zero part.
Int64 FrameStep(AVRational ARate);
/// AName + ": " + the text of an FFmpeg error code ("No such file or directory", "End of file", ...);
/// other system errors give the system's text ("Permission denied"), the rest "Error number %d occurred".
String ErrorText(const String& AName, int ACode);
/// "Video", "Audio", "Data", "Subtitle", "Attachment", or "Unknown" for other values.
String MediaTypeName(int AType);
/// The name of a stream's codec for display: "<short>(<long>)" from the encoder (AEncoder) or decoder of
/// its id; without one "mpeg2ts" for the transport-stream pseudo codec, else the codec's descriptor name,
/// else the codec tag as four characters and hexadecimal ("XVID / 0x44495658"), else the tag in hexadecimal.
String CodecNameText(const AVCodecContext* ACodecContext, bool AEncoder);
String CodecNameText(const AVCodecParameters* ACodecParameters, bool AEncoder);
/// The value of the first entry of AMetadata whose key matches AKey ignoring case; ADefault without one.
String MetadataValue(const AVDictionary* AMetadata, const String& AKey, const String& ADefault);
/// Reads the file AFileName whole into memory from FFmpeg's allocator with a zero byte after it: ABuffer
/// (for av_free) and ASize (bytes read + 1). Returns 0, -1 when the file cannot be opened, or
/// AVERROR(ENOMEM).
int ReadWholeFile(const String& AFileName, uint8_t*& ABuffer, int64_t& ASize);
