#include "tests/engine/corpus/MediaCorpus.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "app/catalogue/FormatParameters.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/probe/AVProbe.h"
#include "platform/base/SysUtils.h"
#include "tests/engine/DecodeFile.h"

const std::vector<TCorpusClip>& CorpusClips() {
  constexpr const char* Apart = "its header's length counts the hours between its time stamps";
  static const std::vector<TCorpusClip> Clips {
    { "flv-h264-mp3.flv", "" },
    { "ts-h264-bframes-aac.ts", "" },
    { "webm-vp8-vorbis.webm", "" },
    { "mkv-vp9-opus.mkv", "" },
    { "mkv-hevc-video-only.mkv", "" },
    { "mkv-h264-10bit.mkv", "" },
    { "mkv-h264-422.mkv", "" },
    { "mkv-variable-rate.mkv", "" },
    { "ogg-theora-vorbis.ogg", "" },
    { "avi-mjpeg-pcm.avi", "" },
    { "mov-prores-pcm24.mov", "" },
    { "mp4-odd-size-853x479.mp4", "" },
    { "mp4-h264-444.mp4", "" },
    { "mp4-rotated-90.mp4", "", true },
    { "audio.flac", "" },
    { "audio.opus", "" },
    { "audio-5.1.ac3", "" },
    { "audio-8bit-8khz.wav", "" },
    { "mp3-cover-utf8-title.mp3", "" },
    { "mkv-cut-in-the-middle.mkv", "its second half is cut off, the header gives the whole length" },
    { "ts-damaged-bytes.ts", "" },
    { "asf-video-hours-late.wmv", Apart },
    { "mp4-video-hours-late.mp4", Apart },
    { "mkv-sound-hours-late.mkv", "" },
    { "ts-video-hours-late.ts", Apart },
    { "mkv-spliced-hour-jump.mkv", Apart },
    { "mp4-spliced-hour-jump.mp4", Apart },
    { "ts-spliced-clock-jump.ts", Apart },
  };
  return Clips;
}

String CorpusFile(const TCorpusClip& AClip) { return String(MEDIA_CORPUS) + "/" + AClip.Name; }

std::vector<String> CorpusFolderNames() {
  std::vector<String> Names;
  for (const auto& Entry : std::filesystem::directory_iterator(MEDIA_CORPUS)) Names.push_back(Entry.path().filename().string());
  std::ranges::sort(Names);
  return Names;
}

double TDecodedSpan::Longest(bool AKeepsVideo) const {
  return std::max(AKeepsVideo && Video && !CoverPicture ? VideoSeconds : 0.0, Audio ? AudioSeconds : 0.0);
}

namespace {

/// A pause inside a stream up to this long (s) is part of its play; a jump beyond it is a discontinuity
/// the media does not play across (a splice, a clock that jumped).
constexpr double LongestPlayedPause = 60;

/// How long the spans [first, second) play together, less the discontinuities between them.
double PlayedSeconds(std::vector<std::pair<double, double>>& ASpans) {
  std::ranges::sort(ASpans);
  double Played = 0;
  for (size_t I = 0; I < ASpans.size();) {
    auto [Start, End] = ASpans[I];
    for (++I; I < ASpans.size() && ASpans[I].first <= End + LongestPlayedPause; ++I) End = std::max(End, ASpans[I].second);
    Played += End - Start;
  }
  return Played;
}

}  // namespace

TDecodedSpan DecodeSpan(const String& AFileName) {
  TDecodedSpan Span;
  std::vector<std::pair<double, double>> Spans[2];
  DecodeFile(AFileName, true,
    [&](const AVStream* AStream, const AVPacket*) {
      if (AStream->disposition & AV_DISPOSITION_ATTACHED_PIC) Span.CoverPicture = true;
    },
    [&](const AVCodecContext* ADecoder, const AVFrame* AFrame) {
      const bool IsVideo = ADecoder->codec_type == AVMEDIA_TYPE_VIDEO;
      (IsVideo ? Span.Video : Span.Audio) = true;
      if (AFrame->best_effort_timestamp == AV_NOPTS_VALUE) return;
      const double At = double(AFrame->best_effort_timestamp) * av_q2d(ADecoder->pkt_timebase);
      const double Length = IsVideo ? double(AFrame->pkt_duration) * av_q2d(ADecoder->pkt_timebase)
                                    : double(AFrame->nb_samples) / AFrame->sample_rate;
      Spans[IsVideo].emplace_back(At, At + Length);
    });
  if (Span.Audio && !Spans[0].empty()) Span.AudioStart = std::ranges::min(Spans[0]).first;
  if (Span.Video && !Spans[1].empty()) Span.VideoStart = std::ranges::min(Spans[1]).first;
  Span.AudioSeconds = Span.Audio ? PlayedSeconds(Spans[0]) : 0;
  Span.VideoSeconds = Span.Video ? PlayedSeconds(Spans[1]) : 0;
  return Span;
}

std::span<const TCorpusTarget> CorpusTargets() {
  static constexpr TCorpusTarget Targets[] = {
    { "Wmv", 1700 }, { "AviMpeg4Mp3", 1500 }, { "Mp4H264", 1004 }, { "ThreeGpAmr", 600 },
    { "Flv", 1100 }, { "Mpeg1", 1300 },       { "Mp3", 100 },
  };
  return Targets;
}

const TRefusal* RefusalOf(const TCorpusClip& AClip, int AFormatKey) {
  static const TRefusal Refusals[] = {
    { "mkv-hevc-video-only.mkv", 100, "does not contain any stream" },
  };
  for (const TRefusal& Entry : Refusals)
    if (String(Entry.Clip) == AClip.Name && (Entry.FormatKey == 0 || Entry.FormatKey == AFormatKey)) return &Entry;
  return nullptr;
}

String OutputFault(const TCorpusClip& AClip, const String& AOutput, const FormatParameters& AFormat) {
  const TDecodedSpan Source = DecodeSpan(CorpusFile(AClip));
  TAVProbe Probe(nullptr);
  if (!Probe.LoadFile(AOutput)) return "the output does not open: " + Probe.LastErrMsg();
  const bool KeepsVideo = !AFormat.DisableVideo && Source.Video;
  if (KeepsVideo && !Source.CoverPicture && Probe.VideoStreamCount() == 0) return "the output has no picture";
  if (!KeepsVideo && Probe.VideoStreamCount() > 0) return "the output has a picture the format does not keep";
  if (Source.Audio != (Probe.AudioStreamCount() > 0)) return Source.Audio ? "the output has no sound" : "the output has sound";
  const double Expected = Source.Longest(!AFormat.DisableVideo);
  const double Written = double(Probe.FileStreamInfo().Duration) / 1e6;
  if (std::abs(Written - Expected) > 0.5)
    return Format("the output lasts %.2f s, the source's longest kept stream %.2f s", Written, Expected);
  if (KeepsVideo && AClip.QuarterTurned && AFormat.FrameSize.empty()) {
    const TVideoStreamInfo Video = Probe.FirstVideoStreamInfo();
    TAVProbe SourceProbe(nullptr);
    SourceProbe.LoadFile(CorpusFile(AClip));
    const TVideoStreamInfo Stored = SourceProbe.FirstVideoStreamInfo();
    if ((Video.Width > Video.Height) == (Stored.Width > Stored.Height))
      return Format("the output is %d*%d, the source shown turned from %d*%d", Video.Width, Video.Height,
                    Stored.Width, Stored.Height);
  }
  return "";
}

void LoadCorpusLibraries() {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("ZORVIK_NO_POWEROFF", "1", 0);
  String Error;
  ASSERT_TRUE(LoadAVLib("", PlayerLibraries, Error)) << Error;
}
