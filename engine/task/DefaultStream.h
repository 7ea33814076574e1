#pragma once
// Which stream of a kind a conversion takes when none is named.
#include <functional>

extern "C" {
#include <libavformat/avformat.h>
}

/// Whether stream A makes a better default than stream B: a stream marked as the default one first, then
/// the one with more frames, then the one with the higher bit rate. Equal streams give false, so among
/// equals the one met first stays the choice.
bool IsBetterDefaultStream(const AVStream* A, const AVStream* B);
/// The index of the best default stream of AType among the streams of AContext that AUsable accepts (all
/// of them when AUsable is empty); -1 when there is none.
int DefaultStreamIndex(const AVFormatContext* AContext, AVMediaType AType,
                       const std::function<bool(const AVStream*)>& AUsable = {});
