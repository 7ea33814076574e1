#include "engine/transcode/TrialOpenRequest.h"

#include <cstring>
#include <map>
#include <sstream>

#include "engine/libav/AVUtilStubs.h"
#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

// A request is a sequence of records, each its name, a line break, its length in bytes, a line break and
// the bytes. Options are "name=value" pairs separated by ":", escaped by the libraries themselves.

namespace {

constexpr char KeyValueSeparator[] = "=";
constexpr char PairSeparator[] = ":";
constexpr size_t MatrixBytes = 64 * sizeof(uint16_t);

void Append(String& ARequest, const String& AName, const String& ABytes) {
  ARequest += AName + "\n" + std::to_string(ABytes.size()) + "\n" + ABytes;
}

std::map<String, String> Records(const String& ABytes) {
  std::map<String, String> Result;
  size_t At = 0;
  while (At < ABytes.size()) {
    const size_t NameEnd = ABytes.find('\n', At);
    const size_t LengthEnd = NameEnd == String::npos ? String::npos : ABytes.find('\n', NameEnd + 1);
    if (LengthEnd == String::npos) throw Exception("damaged trial-open request");
    const String Length = ABytes.substr(NameEnd + 1, LengthEnd - NameEnd - 1);
    char* End = nullptr;
    const unsigned long long Size = std::strtoull(Length.c_str(), &End, 10);
    if (Length.empty() || *End || Size > ABytes.size() - LengthEnd - 1) throw Exception("damaged trial-open request");
    Result[ABytes.substr(At, NameEnd - At)] = ABytes.substr(LengthEnd + 1, size_t(Size));
    At = LengthEnd + 1 + size_t(Size);
  }
  return Result;
}

/// AText from the libraries' allocator, freed here.
String TakeLibraryText(char* AText) {
  String Result = AText ? AText : "";
  LibAVUtil.av_free(AText);
  return Result;
}

String Bytes(const void* AData, size_t ASize) { return String(static_cast<const char*>(AData), ASize); }

/// A copy of ABytes in the libraries' allocator (they free it with the context).
template <class T> T* LibraryCopy(const String& ABytes) {
  void* Copy = LibAVUtil.av_malloc(ABytes.size() ? ABytes.size() : 1);
  if (!Copy) throw Exception("out of memory");
  std::memcpy(Copy, ABytes.data(), ABytes.size());
  return static_cast<T*>(Copy);
}

String Fields(const AVCodecContext* C) {
  std::ostringstream Out;
  Out << C->codec_type << ' ' << C->codec_id << ' ' << C->codec_tag << ' ' << C->time_base.num << ' '
      << C->time_base.den << ' ' << C->framerate.num << ' ' << C->framerate.den << ' ' << C->width << ' '
      << C->height << ' ' << C->sample_aspect_ratio.num << ' ' << C->sample_aspect_ratio.den << ' '
      << C->pix_fmt << ' ' << C->sample_fmt << ' ' << C->sample_rate << ' ' << C->bits_per_raw_sample << ' '
      << C->chroma_sample_location;
  return Out.str();
}

void ReadFields(const String& AText, AVCodecContext* C) {
  std::istringstream In(AText);
  int Type, Id, PixelFormat, SampleFormat, ChromaLocation;
  In >> Type >> Id >> C->codec_tag >> C->time_base.num >> C->time_base.den >> C->framerate.num >>
    C->framerate.den >> C->width >> C->height >> C->sample_aspect_ratio.num >> C->sample_aspect_ratio.den >>
    PixelFormat >> SampleFormat >> C->sample_rate >> C->bits_per_raw_sample >> ChromaLocation;
  if (!In) throw Exception("damaged trial-open request");
  C->codec_type = AVMediaType(Type);
  C->codec_id = AVCodecID(Id);
  C->pix_fmt = AVPixelFormat(PixelFormat);
  C->sample_fmt = AVSampleFormat(SampleFormat);
  C->chroma_sample_location = AVChromaLocation(ChromaLocation);
}

String ChannelLayout(const AVCodecContext* C) {
  if (!C->ch_layout.nb_channels) return "";
  char Text[256] = {};
  return LibAVUtil.av_channel_layout_describe(&C->ch_layout, Text, sizeof Text) > 0 ? Text : "";
}

/// Sets each option of AText that the context takes; options it refuses (read-only ones) are left out.
void ReadOptions(const String& AText, AVCodecContext* C) {
  AVDictionary* Pairs = nullptr;
  if (LibAVUtil.av_dict_parse_string(&Pairs, AText.c_str(), KeyValueSeparator, PairSeparator, 0) < 0) {
    LibAVUtil.av_dict_free(&Pairs);
    throw Exception("damaged trial-open request");
  }
  for (const AVDictionaryEntry* E = nullptr; (E = LibAVUtil.av_dict_get(Pairs, "", E, AV_DICT_IGNORE_SUFFIX));)
    LibAVUtil.av_opt_set(C, E->key, E->value, 0);
  LibAVUtil.av_dict_free(&Pairs);
}

}  // namespace

TTrialOpenRequest::~TTrialOpenRequest() {
  LibAVCodec.avcodec_free_context(&Context);
  LibAVUtil.av_dict_free(&Options);
}

String WriteTrialOpenRequest(const AVCodecContext* AContext, const AVCodec* ACodec, const AVDictionary* AOptions) {
  char* ContextOptions = nullptr;
  LibAVUtil.av_opt_serialize(const_cast<AVCodecContext*>(AContext), 0, AV_OPT_SERIALIZE_SKIP_DEFAULTS,
                             &ContextOptions, KeyValueSeparator[0], PairSeparator[0]);
  char* OpenOptions = nullptr;
  LibAVUtil.av_dict_get_string(AOptions, &OpenOptions, KeyValueSeparator[0], PairSeparator[0]);
  String Request;
  Append(Request, "encoder", ACodec->name);
  Append(Request, "options", TakeLibraryText(ContextOptions));
  Append(Request, "fields", Fields(AContext));
  Append(Request, "layout", ChannelLayout(AContext));
  Append(Request, "open", TakeLibraryText(OpenOptions));
  if (AContext->intra_matrix) Append(Request, "intra", Bytes(AContext->intra_matrix, MatrixBytes));
  if (AContext->inter_matrix) Append(Request, "inter", Bytes(AContext->inter_matrix, MatrixBytes));
  if (AContext->rc_override_count > 0)
    Append(Request, "overrides", Bytes(AContext->rc_override, size_t(AContext->rc_override_count) * sizeof(RcOverride)));
  if (AContext->stats_in) Append(Request, "statistics", AContext->stats_in);
  return Request;
}

void ReadTrialOpenRequest(const String& ABytes, TTrialOpenRequest& ARequest) {
  std::map<String, String> Record = Records(ABytes);
  ARequest.Codec = LibAVCodec.avcodec_find_encoder_by_name(Record["encoder"].c_str());
  if (!ARequest.Codec) throw Exception("no encoder \"" + Record["encoder"] + "\"");
  ARequest.Context = LibAVCodec.avcodec_alloc_context3(ARequest.Codec);
  if (!ARequest.Context) throw Exception("out of memory");
  AVCodecContext* C = ARequest.Context;
  ReadOptions(Record["options"], C);
  ReadFields(Record["fields"], C);
  if (!Record["layout"].empty() && LibAVUtil.av_channel_layout_from_string(&C->ch_layout, Record["layout"].c_str()) < 0)
    throw Exception("damaged trial-open request");
  if (LibAVUtil.av_dict_parse_string(&ARequest.Options, Record["open"].c_str(), KeyValueSeparator, PairSeparator, 0) < 0)
    throw Exception("damaged trial-open request");
  for (const auto& [Name, Matrix] : { std::pair { "intra", &C->intra_matrix }, { "inter", &C->inter_matrix } })
    if (Record.contains(Name)) {
      if (Record[Name].size() != MatrixBytes) throw Exception("damaged trial-open request");
      *Matrix = LibraryCopy<uint16_t>(Record[Name]);
    }
  if (Record.contains("overrides")) {
    const String& Overrides = Record["overrides"];
    if (Overrides.size() % sizeof(RcOverride)) throw Exception("damaged trial-open request");
    C->rc_override = LibraryCopy<RcOverride>(Overrides);
    C->rc_override_count = int(Overrides.size() / sizeof(RcOverride));
  }
  if (Record.contains("statistics")) C->stats_in = LibraryCopy<char>(Record["statistics"] + '\0');
}
