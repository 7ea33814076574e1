#pragma once
// The converter's current conversion parameters: what the catalogue and the preset mapping compute for the
// file being added or for the selected job row.
#include "platform/base/Types.h"

/// The current parameters in their declared order. Texts are empty when not set; the bit rates and times
/// are -1 when not set, and a bit rate of -1000 (audio also -2000) leaves the engine its default.
struct TVideoParams {
  String Video_OutPutFileName;            // full output path: folder text + "/" + name
  String Video_AddFileName;               // full path of the file being added; a reset keeps it
  String Video_FileExt;                   // extension from which the engine picks its muxer
  String Video_AudioChannels;             // channel count as decimal text
  String Video_AudioSampleRate;           // Hz as decimal text; "AUTO" or empty: the engine's choice
  String Video_FrameSize;                 // width "*" height; empty: the source's size
  String Video_FrameRate;                 // frames per second as text; empty: the source's rate
  String Video_NormType;                  // "PAL", "NTSC" or empty
  String Video_VideoFilters;
  String Video_AudioVolume { "256" };     // "256": volume unchanged
  String Video_FrameAspectRatio;          // "4:3", "16:9", "37:20", "47:20" or empty
  String Video_VideoCodec;                // encoder name; empty: the container's default
  String Video_AudioCodec;                // encoder name; empty or "AUTO": the container's default
  String Video_CopyTimestamp;
  String Video_FileFormat;                // muxer name; empty: chosen from the extension
  String Video_TargetType;                // "vcd", "svcd", "dvd" or empty
  String Video_VideoTag;                  // four-character codec tag or empty
  int Video_VideoBitrate { -1 };          // bits per second
  int Video_AudioBitrate { -1 };          // bits per second
  int Video_TimeStart { -1 };
  int Video_TimeLength { -1 };
  bool Video_DisableVideo { false };      // the output has no video stream

  /// Gives every field its initial value except Video_AddFileName, which keeps its value.
  void Reset();
};
