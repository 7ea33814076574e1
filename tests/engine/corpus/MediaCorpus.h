#pragma once
// The corpus of clips other producers wrote (see tools/media-corpus), and what a plain decode of a file
// finds in it: the measure the engine's results are held to.
#include <ostream>
#include <span>
#include <vector>

#include "platform/base/Types.h"

struct FormatParameters;

/// One clip of the corpus.
struct TCorpusClip {
  const char* Name;
  /// Why the libraries decode less of it than its header promises; empty when they decode it whole.
  const char* DecodesLess;
  /// Whether its picture is shown turned by a quarter, so a player shows it with width and height swapped.
  bool QuarterTurned { false };
};

/// The clip's name, for test names and messages.
inline void PrintTo(const TCorpusClip& AClip, std::ostream* AOut) { *AOut << AClip.Name; }

/// Every clip the corpus script writes.
const std::vector<TCorpusClip>& CorpusClips();
/// The clip's file in the corpus folder.
String CorpusFile(const TCorpusClip& AClip);
/// The names of the files the corpus folder holds.
std::vector<String> CorpusFolderNames();

/// What a plain decode (the first video and the first audio stream, every packet) finds: which kinds
/// decode, a video stream that is only an attached picture, each kind's first time and how long it plays
/// in seconds: from its first frame to the end of its last, less jumps of its clock beyond a minute.
struct TDecodedSpan {
  bool Video { false };
  bool Audio { false };
  bool CoverPicture { false };
  double VideoStart { 0 };
  double AudioStart { 0 };
  double VideoSeconds { 0 };
  double AudioSeconds { 0 };
  /// The longest span of the kinds an output keeps (a cover picture has none).
  double Longest(bool AKeepsVideo) const;
};
TDecodedSpan DecodeSpan(const String& AFileName);

/// A format of each family the catalogue writes, by its catalogue key: what the corpus is converted to.
struct TCorpusTarget {
  const char* Family;
  int FormatKey;
};
/// Tests are named after the family; this keeps the parameter's bytes out of the names too.
inline void PrintTo(const TCorpusTarget& ATarget, std::ostream* AOut) { *AOut << ATarget.Family << " " << ATarget.FormatKey; }
/// WMV, AVI (MPEG-4 with MP3), MP4 (H.264), 3GP (AMR), FLV, MPEG-1 and an audio-only MP3.
std::span<const TCorpusTarget> CorpusTargets();

/// A clip that cannot convert to a format (0: to any), and what the failure's message says.
struct TRefusal {
  const char* Clip;
  int FormatKey;
  const char* Message;
};
/// The refusal of AClip to the format of AFormatKey; null when it converts.
const TRefusal* RefusalOf(const TCorpusClip& AClip, int AFormatKey);

/// Why AOutput, converted from AClip to AFormat, is not what the format promises: the kinds of stream it
/// keeps of the source and a duration within 0.5 s of the source's longest kept stream, turned as the
/// source is shown; empty when it is.
String OutputFault(const TCorpusClip& AClip, const String& AOutput, const FormatParameters& AFormat);

/// Loads the libraries of the transcoder and the player, once; SDL on its dummy drivers.
void LoadCorpusLibraries();
