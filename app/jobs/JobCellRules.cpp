#include "app/jobs/JobCellRules.h"

#include "app/catalogue/ISelectedJobRow.h"
#include "engine/tasklist/TOutputOptions.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TStrings.h"

namespace {

/// The preset the engine pairs with the x264 encoder.
constexpr const char* X264 = "libx264";
constexpr const char* X264Preset = "libx264-default";

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
  // Every cell decides its field: an empty cell gives the engine the choice, whatever an earlier format of
  // the row, or the preset texts its file was added with, left in the record.
  TOutputOptions Unset;
  InitOutputOptions(Unset);
  const auto NumberOr = [&Cell](int Index, int Default) {
    const String Text = Cell(Index);
    return Text.empty() ? Default : StrToInt(Text);
  };

  const String Codec = Cell(VideoCodec);
  Options.VideoCodec = Codec;
  Options.VideoPreset = Codec == X264 ? X264Preset : "";
  const String Audio = Cell(AudioCodec);
  Options.AudioCodec = Audio == "AUTO" ? Unset.AudioCodec : Audio;
  Options.AudioChannels = NumberOr(AudioChannels, Unset.AudioChannels);
  Options.VideoTag = Codec == X264 ? String() : Cell(VideoTag);
  Options.FileExt = Cell(FileExt);
  Options.FrameSize = Cell(FrameSize);
  Options.VideoBitrate = NumberOr(VideoBitrate, Unset.VideoBitrate);
  Options.FrameRate = Cell(FrameRate);
  const String AudioRate = Cell(AudioBitrate);
  Options.AudioBitrate = AudioRate == "-1000" || AudioRate == "-2000" ? Unset.AudioBitrate : StrToInt(AudioRate);
  const String SampleRate = Cell(AudioSampleRate);
  Options.AudioSampleRate = SampleRate == "AUTO" ? Unset.AudioSampleRate : NumberOr(AudioSampleRate, Unset.AudioSampleRate);
  Options.FrameAspectRatio = Cell(FrameAspectRatio);
  Options.DisableVideo = Cell(DisableVideo) == "True";
  Options.TargetType = TargetOf(Cell(TargetType));
  Options.NormType = NormOf(Cell(NormType));
}
