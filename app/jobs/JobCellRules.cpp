#include "app/jobs/JobCellRules.h"

#include "app/catalogue/ISelectedJobRow.h"
#include "engine/tasklist/TOutputOptions.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TStrings.h"

namespace {

/// The preset the engine pairs with the x264 encoder.
constexpr const char* X264 = "libx264";
constexpr const char* X264Preset = "libx264-default";

void CopyUnlessEmpty(const String& Cell, String& Field) {
  if (!Cell.empty()) Field = Cell;
}

TOptionTargetType TargetOf(const String& Cell) {
  if (Cell == "vcd") return ttVCD;
  if (Cell == "svcd") return ttSVCD;
  if (Cell == "dvd") return ttDVD;
  return ttIgnore;
}

TOptionNormType NormOf(const String& Cell) {
  if (Cell == "PAL") return ntPAL;
  if (Cell == "NTSC") return ntNTSC;
  return ntAuto;
}

}  // namespace

void ApplyJobCells(const TStrings& Cells, TOutputOptions& Options) {
  using namespace JobCell;
  const auto Cell = [&Cells](int Index) { return Cells.Strings(Index); };

  const String Codec = Cell(VideoCodec);
  if (Codec == X264) {
    Options.VideoCodec = X264;
    Options.VideoPreset = X264Preset;
  } else if (!Codec.empty()) {
    Options.VideoCodec = Codec;
    Options.VideoPreset.clear();
  }
  if (const String Audio = Cell(AudioCodec); !Audio.empty() && Audio != "AUTO") Options.AudioCodec = Audio;
  if (const String Channels = Cell(AudioChannels); !Channels.empty()) Options.AudioChannels = StrToInt(Channels);
  Options.VideoTag = Codec == X264 ? String() : Cell(VideoTag);
  CopyUnlessEmpty(Cell(FileExt), Options.FileExt);
  CopyUnlessEmpty(Cell(FrameSize), Options.FrameSize);
  if (const String Bitrate = Cell(VideoBitrate); !Bitrate.empty()) Options.VideoBitrate = StrToInt(Bitrate);
  CopyUnlessEmpty(Cell(FrameRate), Options.FrameRate);
  if (const String Bitrate = Cell(AudioBitrate); Bitrate != "-1000" && Bitrate != "-2000")
    Options.AudioBitrate = StrToInt(Bitrate);
  if (const String Rate = Cell(AudioSampleRate); !Rate.empty() && Rate != "AUTO") Options.AudioSampleRate = StrToInt(Rate);
  CopyUnlessEmpty(Cell(FrameAspectRatio), Options.FrameAspectRatio);
  Options.DisableVideo = Cell(DisableVideo) == "True";
  if (const String Target = Cell(TargetType); !Target.empty()) Options.TargetType = TargetOf(Target);
  Options.NormType = NormOf(Cell(NormType));
}
