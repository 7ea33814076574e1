#pragma once
// A converted file seen through the engine's probe, in the terms of the job row that made it.
#include <ostream>
#include <vector>

#include "platform/base/Types.h"

/// What a probe of an output shows: the demuxer's name, the codecs' short names, the frame size as "W*H",
/// the frame rate with two decimals, the sample rate and the channels (video fields empty without a video
/// stream).
struct TProbedOutput {
  String Container;
  String VideoCodec;
  String FrameSize;
  String FrameRate;
  String AudioCodec;
  String SampleRate;
  String Channels;
  friend bool operator==(const TProbedOutput&, const TProbedOutput&) = default;
  friend std::ostream& operator<<(std::ostream& Out, const TProbedOutput& P) {
    return Out << P.Container << " | " << P.VideoCodec << " " << P.FrameSize << " @" << P.FrameRate << " | "
               << P.AudioCodec << " " << P.SampleRate << " Hz x" << P.Channels;
  }
};

/// The probe of AFile; Container says "unreadable: " and why when the probe cannot open it.
TProbedOutput ProbeOutput(const String& AFile);

/// What a row's 24 cells (ACells[0] the input's duration ... ACells[23]) ask of its output: the demuxer its
/// extension picks, the codecs the named encoders write, the frame size (the source's 320*240 when the
/// cell is empty), the frame rate, sample rate and channels; no video for an audio-only row.
TProbedOutput ExpectedOutput(const std::vector<String>& ACells);
