#pragma once
// The settings of one output file of a conversion job, as the application fills them.
extern "C" {
#include <libavutil/avutil.h>
}

#include "engine/tasklist/TStreamInfo.h"
#include "platform/base/Types.h"

/// Ready-made disc formats an output can follow.
enum TOptionTargetType { ttIgnore, ttVCD, ttSVCD, ttDVD };
/// The television norm of a target; ntAuto takes it from the inputs. Int-based, since a stored setting may
/// hold any number and every other number counts as ntAuto.
enum TOptionNormType : int { ntAuto, ntPAL, ntNTSC };
/// The norm assumed when the inputs do not tell: ntPAL or ntNTSC.
using TOptionNormDefault = TOptionNormType;

/// One output file's settings; InitOutputOptions gives the defaults. A negative number, an empty text or
/// a False flag leaves the setting to the engine (see the translation in OptionTranslation.h for which
/// value counts). Times are microseconds, AV_NOPTS_VALUE for none. FileExt, Tag and Data are the
/// caller's own.
struct TOutputOptions {
  String FileName;                  // filled in from the call's file name when empty
  String FileExt;
  String FileFormat;
  int PacketSize { -1 };
  int MuxRate { -1 };
  float MuxDelay { -1.0f };         // seconds
  float MuxPreload { -1.0f };       // seconds
  String AudioCodec;
  String AudioPreset;
  bool DisableAudio { false };
  int AudioVolume { -1 };
  int AudioChannels { -1 };
  int AudioSampleRate { -1 };
  int AudioBitrate { -1 };          // bit/s
  int AudioBitRateTolerance { -1 };
  String AudioLanguage;
  int AudioSyncMethod { 0 };
  String AudioTag;
  String VideoCodec;
  String VideoPreset;
  bool DisableVideo { false };
  String FrameRate;
  String FrameSize;
  String FrameAspectRatio;
  int CropTop { -1 };
  int CropBottom { -1 };
  int CropLeft { -1 };
  int CropRight { -1 };
  int GroupPictureSize { -1 };
  int VideoBitrate { -1 };          // bit/s
  int VideoMaxRate { -1 };
  int VideoMinRate { -1 };
  int VideoBitRateTolerance { -1 };
  int VideoBufSize { -1 };
  int VideoSyncMethod { -1 };
  String VideoTag;
  String VideoFilters;
  String VideoLanguage;
  String SubtitleCodec;
  String SubtitlePreset;
  bool DisableSubtitle { false };
  String SubtitleLanguage;
  bool InputSync { false };
  bool CopyTimestamp { false };
  Int64 TimeStart { AV_NOPTS_VALUE };   // start of the output
  Int64 TimeLength { AV_NOPTS_VALUE };  // length of the output, also the task's expected duration
  TStreamInfo Info;
  TOptionTargetType TargetType { ttIgnore };
  TOptionNormType NormType { ntAuto };
  TOptionNormDefault NormDefault { ntPAL };
  bool CustomHook { false };        // the component's OnCustomHook sees this output's pictures
  bool Join { false };              // every input is converted into this one file
  String ExtOptions;
  int Tag { 0 };
  void* Data { nullptr };
};
using POutputOptions = TOutputOptions*;

/// Sets every field of AOptions to its default.
void InitOutputOptions(TOutputOptions& AOptions);
