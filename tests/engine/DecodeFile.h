#pragma once
// Reading a written file back in tests: every packet of its video and audio streams decoded, each packet and
// each decoded frame handed to the caller.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/libav/AVHandles.h"
#include "platform/base/ScopeGuard.h"
#include "platform/base/Types.h"

/// Decodes AFileName's video and audio streams (only the first of each kind when AFirstOfEachKind), handing
/// every packet read from a decoded stream to AOnPacket before it is decoded, and every decoded frame with its
/// decoder to AOnFrame. A file that cannot be opened is a test failure.
inline void DecodeFile(const String& AFileName, bool AFirstOfEachKind,
                       const std::function<void(const AVStream*, const AVPacket*)>& AOnPacket,
                       const std::function<void(const AVCodecContext*, const AVFrame*)>& AOnFrame) {
  AVFormatContext* Input = nullptr;
  if (LibAVFormat.avformat_open_input(&Input, AFileName.c_str(), nullptr, nullptr) < 0) {
    ADD_FAILURE() << "cannot open " << AFileName;
    return;
  }
  ScopeGuard Close([&] { LibAVFormat.avformat_close_input(&Input); });
  LibAVFormat.avformat_find_stream_info(Input, nullptr);
  std::vector<TAVCodecContextHandle> Decoders(Input->nb_streams);
  bool HasVideo = false, HasAudio = false;
  for (unsigned I = 0; I < Input->nb_streams; ++I) {
    const AVCodecParameters* Codec = Input->streams[I]->codecpar;
    bool& Taken = Codec->codec_type == AVMEDIA_TYPE_VIDEO ? HasVideo : HasAudio;
    if (Codec->codec_type != AVMEDIA_TYPE_VIDEO && Codec->codec_type != AVMEDIA_TYPE_AUDIO) continue;
    if (AFirstOfEachKind && Taken) continue;
    Taken = true;
    const AVCodec* Decoder = LibAVCodec.avcodec_find_decoder(Codec->codec_id);
    Decoders[I].reset(LibAVCodec.avcodec_alloc_context3(Decoder));
    LibAVCodec.avcodec_parameters_to_context(Decoders[I], Codec);
    Decoders[I]->pkt_timebase = Input->streams[I]->time_base;
    LibAVCodec.avcodec_open2(Decoders[I], Decoder, nullptr);
  }
  const TAVPacketHandle Packet(LibAVCodec.av_packet_alloc());
  const TAVFrameHandle Frame(LibAVUtil.av_frame_alloc());
  const auto Drain = [&](unsigned AStream) {
    while (LibAVCodec.avcodec_receive_frame(Decoders[AStream], Frame) >= 0) {
      AOnFrame(Decoders[AStream], Frame);
      LibAVUtil.av_frame_unref(Frame);
    }
  };
  while (LibAVFormat.av_read_frame(Input, Packet) >= 0) {
    const unsigned Stream = unsigned(Packet->stream_index);
    if (Decoders[Stream]) {
      if (AOnPacket) AOnPacket(Input->streams[Stream], Packet);
      if (LibAVCodec.avcodec_send_packet(Decoders[Stream], Packet) >= 0) Drain(Stream);
    }
    LibAVCodec.av_packet_unref(Packet);
  }
  for (unsigned I = 0; I < Input->nb_streams; ++I)
    if (Decoders[I]) {
      LibAVCodec.avcodec_send_packet(Decoders[I], nullptr);
      Drain(I);
    }
}
