#pragma once
// The lines of a probed file's description: metadata blocks, stream lines in the style of FFmpeg's own
// stream dump, and the small number texts they use.
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

#include "platform/base/Types.h"

/// ", <value> <suffix>" for a rate: two decimals when the value has hundredths, whole numbers otherwise,
/// and thousands with "k" for multiples of 1000 (", 29.97 fps", ", 25 fps", ", 90k tbn").
String RateText(double AValue, const String& ASuffix);
/// The key a metadata entry is shown under: an ID3 frame name becomes its common name ("TALB" → "album");
/// every other key is shown as it is.
String MetadataKeyName(const String& AKey);
/// Microseconds as "<seconds>.<six digits>", with a leading "-" for negative times.
String SecondsText(Int64 AMicroseconds);
/// ATime, counted in ATimeBase, in microseconds. A time base with a zero denominator counts as n/n, or
/// as 0/1 when both parts are 0.
Int64 ToMicroseconds(Int64 ATime, AVRational ATimeBase);
/// Adds the lines of a metadata block to ALines: "<indent>Metadata:" and "<indent>  <key>: <value>" for
/// every entry but "language". Nothing is added when the metadata is absent or holds "language" only.
void AddMetadataBlock(std::vector<String>& ALines, const AVDictionary* AMetadata, const String& AIndent);
/// Adds the line describing stream AIndex of AContext (kind of codec, time base, rates, start and
/// duration) and its metadata block.
void AddStreamLines(std::vector<String>& ALines, const AVFormatContext* AContext, int AIndex);
