#include "engine/libav/FFUtils.h"

#include <cstdio>
#include <cstring>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "platform/base/SysUtils.h"

namespace {

const char* ErrorCodeText(int ACode) {
  switch (ACode) {
    case AVERROR_PATCHWELCOME: return "Not yet implemented in FFmpeg";
    case AVERROR_PROTOCOL_NOT_FOUND: return "Unsupported network protocol";
    case AVERROR(EILSEQ):
    case AVERROR_DEMUXER_NOT_FOUND: return "Unknown format";
    case AVERROR(EDOM): return "Number syntax expected in filename";
    case AVERROR_EOF: return "End of file";
    case AVERROR_INVALIDDATA:
    case AVERROR(EINVAL): return "Invalid data found when processing input";
    case AVERROR(ENOMEM): return "Not enough memory";
    case AVERROR(EIO): return "I/O error";
    case AVERROR(ENOENT): return "No such file or directory";
    default: return nullptr;
  }
}

bool IsPrintable(uint32_t AByte) { return AByte >= 32 && AByte <= 126; }

String CodecNameText(AVCodecID AId, uint32_t ATag, bool AEncoder) {
  const AVCodec* Codec = AEncoder ? LibAVCodec.avcodec_find_encoder(AId) : LibAVCodec.avcodec_find_decoder(AId);
  if (Codec) {
    const String LongName = Codec->long_name ? Trim(Codec->long_name) : String();
    return LongName.empty() ? String(Codec->name) : Format("%s(%s)", Codec->name, LongName);
  }
  if (AId == AV_CODEC_ID_MPEG2TS) return "mpeg2ts";
  if (const AVCodecDescriptor* Descriptor = LibAVCodec.avcodec_descriptor_get(AId))
    if (const String Name = Trim(Descriptor->name); !Name.empty()) return Name;
  const uint32_t Bytes[4] = { ATag & 0xFF, (ATag >> 8) & 0xFF, (ATag >> 16) & 0xFF, ATag >> 24 };
  if (IsPrintable(Bytes[0]) && IsPrintable(Bytes[1]) && IsPrintable(Bytes[2]) && IsPrintable(Bytes[3]))
    return Format("%s%s%s%s / 0x%.4X", char(Bytes[0]), char(Bytes[1]), char(Bytes[2]), char(Bytes[3]), ATag);
  return Format("0x%.4x", ATag);
}

}  // namespace

String TimeToText(Int64 ATime) {
  if (ATime == AV_NOPTS_VALUE) return "N/A";
  return Format("%.2d:%.2d:%.2d.%.3d", ATime / 3600000000, ATime / 60000000 % 60, ATime / 1000000 % 60,
                ATime / 1000 % 1000);
}

Int64 FrameStep(AVRational ARate) {
  if (ARate.num == 0 || ARate.den == 0) return 40000;
  return Int64(1000000) * ARate.den / ARate.num;
}

String ErrorText(const String& AName, int ACode) {
  const char* Text = ErrorCodeText(ACode);
  // Other codes made from a system error carry the system's text.
  if (!Text && ACode < 0 && ACode > -4096) Text = strerrordesc_np(-ACode);
  return AName + ": " + (Text ? String(Text) : Format("Error number %d occurred", ACode));
}

String MediaTypeName(int AType) {
  static constexpr const char* Names[] = { "Video", "Audio", "Data", "Subtitle", "Attachment" };
  return AType >= 0 && AType < 5 ? Names[AType] : "Unknown";
}

String CodecNameText(const AVCodecContext* ACodecContext, bool AEncoder) {
  return CodecNameText(ACodecContext->codec_id, ACodecContext->codec_tag, AEncoder);
}

String CodecNameText(const AVCodecParameters* ACodecParameters, bool AEncoder) {
  return CodecNameText(ACodecParameters->codec_id, ACodecParameters->codec_tag, AEncoder);
}

String MetadataValue(const AVDictionary* AMetadata, const String& AKey, const String& ADefault) {
  const AVDictionaryEntry* Entry = LibAVUtil.av_dict_get(AMetadata, AKey.c_str(), nullptr, 0);
  return Entry ? String(Entry->value) : ADefault;
}

int ReadWholeFile(const String& AFileName, uint8_t*& ABuffer, int64_t& ASize) {
  std::FILE* File = std::fopen(AFileName.c_str(), "rb");
  if (!File) return -1;
  fseeko(File, 0, SEEK_END);
  const int64_t Size = ftello(File);
  if (Size < 0 || fseeko(File, 0, SEEK_SET) != 0) {
    std::fclose(File);
    return -1;
  }
  ABuffer = static_cast<uint8_t*>(LibAVUtil.av_malloc(Size + 1));
  if (!ABuffer) {
    std::fclose(File);
    return AVERROR(ENOMEM);
  }
  const size_t Read = std::fread(ABuffer, 1, Size, File);
  ABuffer[Read] = 0;
  ASize = int64_t(Read) + 1;
  std::fclose(File);
  return 0;
}
