#include "engine/probe/StreamInfoText.h"

#include <array>
#include <string_view>
#include <utility>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVHandles.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFUtils.h"
#include "platform/base/SysUtils.h"

namespace {

// ID3 frame names some demuxers leave in the tags, and the names they are shown under.
constexpr std::array<std::pair<std::string_view, std::string_view>, 22> ID3Keys { {
  { "TALB", "album" },      { "TAL", "album" },       { "TCOM", "composer" }, { "TCON", "genre" },
  { "TCO", "genre" },       { "TCOP", "copyright" },  { "TDRL", "date" },     { "TENC", "encoder" },
  { "TEN", "encoder" },     { "TIT2", "title" },      { "TT2", "title" },     { "TLAN", "language" },
  { "TPE1", "artist" },     { "TP1", "artist" },      { "TPOS", "disc" },     { "TPUB", "publisher" },
  { "TRCK", "track" },      { "TRK", "track" },       { "TSOA", "albumsort" }, { "TSOP", "authorsort" },
  { "TSOT", "titlesort" },  { "TYER", "year" },
} };

bool HasParts(AVRational ARate) { return ARate.num != 0 && ARate.den != 0; }

/// The rate text of ARate, or nothing when it has a zero part.
String OptionalRateText(AVRational ARate, const String& ASuffix) {
  return HasParts(ARate) ? RateText(double(ARate.num) / ARate.den, ASuffix) : String();
}

AVRational Inverse(AVRational ARate) { return { ARate.den, ARate.num }; }

/// The rate the codec counts its time in: the frame rate, twice it for the codecs that count in fields
/// (their pictures may be shown for a single field). An unopened context of these libraries no longer
/// carries it.
AVRational CodecTickRate(const AVStream* AStream) {
  const AVCodecID Codec = AStream->codecpar->codec_id;
  const int Ticks = Codec == AV_CODEC_ID_H264 || Codec == AV_CODEC_ID_MPEG2VIDEO ? 2 : 1;
  return { AStream->r_frame_rate.num * Ticks, AStream->r_frame_rate.den };
}

/// FFmpeg's one-line description of the stream's codec, read from an unopened context built from the
/// stream's parameters.
String CodecDescription(const AVCodecParameters* AParameters, AVRational& ACodecAspect) {
  const TAVCodecContextHandle Context(LibAVCodec.avcodec_alloc_context3(nullptr));
  if (!Context) return String();
  char Text[256] {};
  if (LibAVCodec.avcodec_parameters_to_context(Context, AParameters) >= 0)
    LibAVCodec.avcodec_string(Text, sizeof Text, Context, 0);
  ACodecAspect = Context->sample_aspect_ratio;
  return Text;
}

}  // namespace

String RateText(double AValue, const String& ASuffix) {
  const Int64 Hundredths = Round(AValue * 100);
  if (Hundredths % 100 != 0) return Format(", %3.2f %s", AValue, ASuffix);
  if (Hundredths % 100000 != 0) return Format(", %1.0f %s", AValue, ASuffix);
  return Format(", %1.0fk %s", AValue / 1000, ASuffix);
}

String MetadataKeyName(const String& AKey) {
  for (const auto& [Frame, Name] : ID3Keys)
    if (AKey == Frame) return String(Name);
  return AKey;
}

String SecondsText(Int64 AMicroseconds) {
  const uint64_t Magnitude = AMicroseconds < 0 ? 0 - uint64_t(AMicroseconds) : uint64_t(AMicroseconds);
  return Format("%s%d.%.6d", AMicroseconds < 0 ? "-" : "", Int64(Magnitude / 1000000), Int64(Magnitude % 1000000));
}

Int64 ToMicroseconds(Int64 ATime, AVRational ATimeBase) {
  if (ATimeBase.den == 0) ATimeBase.den = ATimeBase.num != 0 ? ATimeBase.num : 1;
  return LibAVUtil.av_rescale_q(ATime, ATimeBase, AV_TIME_BASE_Q);
}

void AddMetadataBlock(std::vector<String>& ALines, const AVDictionary* AMetadata, const String& AIndent) {
  std::vector<const AVDictionaryEntry*> Entries;
  for (const AVDictionaryEntry* Entry = nullptr;
       (Entry = LibAVUtil.av_dict_get(AMetadata, "", Entry, AV_DICT_IGNORE_SUFFIX)) != nullptr;)
    Entries.push_back(Entry);
  if (Entries.empty() || (Entries.size() == 1 && String(Entries[0]->key) == "language")) return;
  ALines.push_back(AIndent + "Metadata:");
  for (const AVDictionaryEntry* Entry : Entries)
    if (String(Entry->key) != "language")
      ALines.push_back(Format("%s  %-16s: %s", AIndent, MetadataKeyName(Entry->key), Entry->value));
}

void AddStreamLines(std::vector<String>& ALines, const AVFormatContext* AContext, int AIndex) {
  const AVStream* Stream = AContext->streams[AIndex];
  String Line = Format("Stream #%d", AIndex);
  if (AContext->iformat && (AContext->iformat->flags & AVFMT_SHOW_IDS)) Line += LowerCase(Format("[0x%x]", Stream->id));
  if (const AVDictionaryEntry* Language = LibAVUtil.av_dict_get(Stream->metadata, "language", nullptr, 0))
    Line += Format("(%s)", Language->value);
  int64_t Divisor = LibAVUtil.av_gcd(Stream->time_base.num, Stream->time_base.den);
  if (Divisor == 0) Divisor = 1;
  Line += Format(", %d/%d", Stream->time_base.num / Divisor, Stream->time_base.den / Divisor);
  AVRational CodecAspect { 0, 1 };
  Line += ": " + CodecDescription(Stream->codecpar, CodecAspect);
  const AVRational Aspect = Stream->sample_aspect_ratio;
  if (Aspect.num != 0 && av_cmp_q(Aspect, CodecAspect) != 0) {
    int DisplayNum = 0;
    int DisplayDen = 0;
    LibAVUtil.av_reduce(&DisplayNum, &DisplayDen, int64_t(Stream->codecpar->width) * Aspect.num,
                        int64_t(Stream->codecpar->height) * Aspect.den, 1048576);
    Line = Format("%s, PAR %d:%d DAR %d:%d", Line, Aspect.num, Aspect.den, DisplayNum, DisplayDen);
  }
  if (Stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
    Line += OptionalRateText(Stream->avg_frame_rate, "fps");
    Line += OptionalRateText(Stream->r_frame_rate, "tbr");
    Line += OptionalRateText(Inverse(Stream->time_base), "tbn");
    Line += OptionalRateText(CodecTickRate(Stream), "tbc");
  }
  if (Stream->start_time != AV_NOPTS_VALUE)
    Line += ", StartTime: " + SecondsText(ToMicroseconds(Stream->start_time, Stream->time_base));
  Line += Stream->duration == AV_NOPTS_VALUE
              ? String(", Duration: N/A")
              : ", Duration: " + TimeToText(ToMicroseconds(Stream->duration, Stream->time_base));
  ALines.push_back(Line);
  AddMetadataBlock(ALines, Stream->metadata, "  ");
}
