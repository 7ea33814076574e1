#pragma once
// The formats of the catalogue as the sweep meets them, and what an output of each must hold: the muxer
// its extension picks, the codecs its encoders write, its picture size and rate and its sound, as the
// parameter table says, with the engine's documented adjustments (the native "aac" encoder for "libfaac",
// the nearest rate MPEG-1/2 can write, the values a DVD, SVCD or VCD target sets).
#include <iosfwd>
#include <vector>

#include "platform/base/Types.h"

/// One format of the category combo and the format combo, by position.
struct TSweepFormat {
  int Category { 0 };
  int Format { 0 };
  int Key { 0 };     // FormatKey
  String Caption;
  /// The encoder that does most of the work: the video encoder, or the audio one without video.
  String Encoder;
};

/// Every format in the order of the categories and their formats: 129 of them.
std::vector<TSweepFormat> SweepFormats();

/// What a probe of an output shows, in words that can be written down for each format.
struct TProbedOutput {
  String Container;  // the demuxer's name
  String VideoCodec;  // empty without a video stream
  String FrameSize;   // "W*H"
  String FrameRate;   // frames per second with two decimals
  String AudioCodec;
  String SampleRate;
  String Channels;
  friend bool operator==(const TProbedOutput&, const TProbedOutput&) = default;
};
std::ostream& operator<<(std::ostream& Out, const TProbedOutput& Output);

/// Probes AFileName with the engine's probe; a file it cannot read answers its reason as the container.
TProbedOutput ProbeOutput(const String& AFileName);

/// What the output of AFormat holds when the format's own values are converted from a 320*240, 25 fps
/// clip with stereo 44.1 kHz sound; AFrameSize, when given, replaces the format's frame size.
TProbedOutput ExpectedOutput(const TSweepFormat& AFormat, const String& AFrameSize = "");
