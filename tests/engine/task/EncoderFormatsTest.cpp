#include <gtest/gtest.h>

#include <memory>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/DefaultStream.h"
#include "engine/task/EncoderFormats.h"
#include "tests/engine/TaskTesting.h"

namespace {

struct TCodecContextDeleter {
  void operator()(AVCodecContext* AContext) const { LibAVCodec.avcodec_free_context(&AContext); }
};

class EncoderFormatsTest : public TTaskTest {
protected:
  EncoderFormatsTest() : Context(LibAVCodec.avcodec_alloc_context3(nullptr)) {}

  std::unique_ptr<AVCodecContext, TCodecContextDeleter> Context;
  AVCodec Encoder {};  // an encoder as far as its lists go
  TObject Sender;
};

}  // namespace

TEST_F(EncoderFormatsTest, SampleRateIsTheNearestListedOne) {
  static const int Rates[] = { 44100, 48000, 0 };
  Encoder.supported_samplerates = Rates;
  struct TCase {
    int Requested;
    int Chosen;
    bool Warned;
  };
  for (const TCase& Case : { TCase { 22050, 44100, true }, TCase { 46050, 44100, true }, TCase { 47000, 48000, true },
                             TCase { 48000, 48000, false } }) {
    Log.Clear();
    Context->sample_rate = Case.Requested;
    ChooseSampleRate(&Sender, Context.get(), &Encoder);
    EXPECT_EQ(Context->sample_rate, Case.Chosen) << Case.Requested;
    EXPECT_EQ(Log.From(&Sender).size(), Case.Warned ? 1u : 0u) << Case.Requested;
  }
  Context->sample_rate = 22050;
  ChooseSampleRate(&Sender, Context.get(), &Encoder);
  ASSERT_EQ(Log.From(&Sender).size(), 1u);
  EXPECT_EQ(Log.From(&Sender)[0].Level, llWarning);
  EXPECT_EQ(Log.From(&Sender)[0].Text, "Requested sampling rate unsupported using closest supported (44100)");
}

TEST_F(EncoderFormatsTest, FormatsOutsideTheListGiveWayToItsFirst) {
  static const AVPixelFormat Pictures[] = { AV_PIX_FMT_YUV420P, AV_PIX_FMT_NONE };
  static const AVSampleFormat Samples[] = { AV_SAMPLE_FMT_S16, AV_SAMPLE_FMT_NONE };
  Encoder.pix_fmts = Pictures;
  Encoder.sample_fmts = Samples;
  Context->pix_fmt = AV_PIX_FMT_RGB24;
  Context->sample_fmt = AV_SAMPLE_FMT_FLTP;
  ChoosePixelFormat(Context.get(), &Encoder, true);
  ChooseSampleFormat(Context.get(), &Encoder);
  EXPECT_EQ(Context->pix_fmt, AV_PIX_FMT_YUV420P);
  EXPECT_EQ(Context->sample_fmt, AV_SAMPLE_FMT_S16);

  // MJPEG keeps plain YUV 4:2:0 when unofficial extensions are allowed.
  static const AVPixelFormat Jpeg[] = { AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_NONE };
  Encoder.id = AV_CODEC_ID_MJPEG;
  Encoder.pix_fmts = Jpeg;
  for (const auto& [Strict, Chosen] : { std::pair { -1, AV_PIX_FMT_YUV420P }, std::pair { 0, AV_PIX_FMT_YUVJ420P } }) {
    Context->pix_fmt = AV_PIX_FMT_YUV420P;
    Context->strict_std_compliance = Strict;
    ChoosePixelFormat(Context.get(), &Encoder, true);
    EXPECT_EQ(Context->pix_fmt, Chosen) << Strict;
  }

  // Without lists nothing changes.
  AVCodec Open {};
  Context->pix_fmt = AV_PIX_FMT_RGB24;
  ChoosePixelFormat(Context.get(), &Open, false);
  ChoosePixelFormat(Context.get(), nullptr, false);
  EXPECT_EQ(Context->pix_fmt, AV_PIX_FMT_RGB24);
}

// Without a format asked for, a picture becomes 8-bit 4:2:0 wherever the encoder takes it; one asked for
// stays when the encoder takes it.
TEST_F(EncoderFormatsTest, PicturesBecome8Bit420UnlessAFormatIsAskedFor) {
  struct TCase {
    const char* Encoder;
    AVPixelFormat Source;
    bool Asked;
    AVPixelFormat Chosen;
  };
  const TCase Cases[] {
    { "libx264", AV_PIX_FMT_YUV444P, false, AV_PIX_FMT_YUV420P },
    { "libx264", AV_PIX_FMT_YUV422P, false, AV_PIX_FMT_YUV420P },
    { "libx264", AV_PIX_FMT_YUV420P10LE, false, AV_PIX_FMT_YUV420P },
    { "libx264", AV_PIX_FMT_GRAY8, false, AV_PIX_FMT_YUV420P },
    { "libx264", AV_PIX_FMT_YUVJ420P, false, AV_PIX_FMT_YUVJ420P },  // full range stays: still 8-bit 4:2:0
    { "libx264", AV_PIX_FMT_NV12, false, AV_PIX_FMT_NV12 },
    { "libx264", AV_PIX_FMT_YUV444P, true, AV_PIX_FMT_YUV444P },
    { "libx264", AV_PIX_FMT_YUV420P10LE, true, AV_PIX_FMT_YUV420P10LE },
    { "libx264", AV_PIX_FMT_RGB24, true, AV_PIX_FMT_YUV420P },        // asked for, refused: the first listed
    { "mpeg2video", AV_PIX_FMT_YUV422P, false, AV_PIX_FMT_YUV420P },
    { "mpeg2video", AV_PIX_FMT_YUV422P, true, AV_PIX_FMT_YUV422P },
    { "mpeg4", AV_PIX_FMT_YUV444P, false, AV_PIX_FMT_YUV420P },
    { "mjpeg", AV_PIX_FMT_YUVJ444P, false, AV_PIX_FMT_YUV420P },
    { "png", AV_PIX_FMT_RGBA, false, AV_PIX_FMT_RGBA },               // no 4:2:0 at all: the source's stays
    { "png", AV_PIX_FMT_YUV420P, false, AV_PIX_FMT_RGB24 },
  };
  for (const TCase& Case : Cases) {
    const AVCodec* Codec = LibAVCodec.avcodec_find_encoder_by_name(Case.Encoder);
    ASSERT_NE(Codec, nullptr) << Case.Encoder;
    Context->strict_std_compliance = 0;
    Context->pix_fmt = Case.Source;
    ChoosePixelFormat(Context.get(), Codec, Case.Asked);
    EXPECT_EQ(Context->pix_fmt, Case.Chosen) << Case.Encoder << " " << LibAVUtil.av_get_pix_fmt_name(Case.Source) << " " << Case.Asked;
  }
  // An encoder whose only 4:2:0 is full range takes that.
  static const AVPixelFormat FullRange[] = { AV_PIX_FMT_YUVJ444P, AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_NONE };
  Encoder.pix_fmts = FullRange;
  Context->pix_fmt = AV_PIX_FMT_YUVJ444P;
  ChoosePixelFormat(Context.get(), &Encoder, false);
  EXPECT_EQ(Context->pix_fmt, AV_PIX_FMT_YUVJ420P);
}

TEST_F(EncoderFormatsTest, FrameRateIsTheNearestListedOneTheEncoderOpensWith) {
  // The MPEG-1 encoder's own list: its unofficial rates only count when unofficial extensions are allowed.
  const AVCodec* Mpeg1 = LibAVCodec.avcodec_find_encoder_by_name("mpeg1video");
  ASSERT_NE(Mpeg1, nullptr);
  struct TCase {
    AVRational Requested;
    int Strict;
    AVRational Chosen;
  };
  for (const TCase& Case : { TCase { { 12, 1 }, 0, { 24000, 1001 } }, TCase { { 15, 1 }, 0, { 24000, 1001 } },
                             TCase { { 10, 1 }, 0, { 24000, 1001 } }, TCase { { 2997, 100 }, 0, { 30000, 1001 } },
                             TCase { { 25, 1 }, 0, { 25, 1 } }, TCase { { 12, 1 }, -1, { 12, 1 } } }) {
    Context->strict_std_compliance = Case.Strict;
    const AVRational Chosen = ChooseFrameRate(Case.Requested, Context.get(), Mpeg1);
    EXPECT_EQ(av_cmp_q(Chosen, Case.Chosen), 0) << Case.Requested.num << "/" << Case.Requested.den << " strict " << Case.Strict
                                                 << " gave " << Chosen.num << "/" << Chosen.den;
  }

  // Other encoders keep their whole list; without a list the rate stays.
  static const AVRational Rates[] = { { 25, 1 }, { 30, 1 }, { 0, 0 } };
  Encoder.supported_framerates = Rates;
  Context->strict_std_compliance = 0;
  EXPECT_EQ(av_cmp_q(ChooseFrameRate({ 12, 1 }, Context.get(), &Encoder), AVRational { 25, 1 }), 0);
  EXPECT_EQ(av_cmp_q(ChooseFrameRate({ 29, 1 }, Context.get(), &Encoder), AVRational { 30, 1 }), 0);
  AVCodec Open {};
  EXPECT_EQ(av_cmp_q(ChooseFrameRate({ 12, 1 }, Context.get(), &Open), AVRational { 12, 1 }), 0);
  EXPECT_EQ(av_cmp_q(ChooseFrameRate({ 12, 1 }, Context.get(), nullptr), AVRational { 12, 1 }), 0);
}

TEST_F(EncoderFormatsTest, DefaultStreamPrefersTheMarkedThenTheLongerThenTheRicher) {
  struct TFormatDeleter {
    void operator()(AVFormatContext* AContext) const { LibAVFormat.avformat_free_context(AContext); }
  };
  std::unique_ptr<AVFormatContext, TFormatDeleter> File(LibAVFormat.avformat_alloc_context());
  struct TStreamSpec {
    AVMediaType Type;
    bool Default;
    int64_t Frames;
    int64_t BitRate;
  };
  const TStreamSpec Specs[] = {
    { AVMEDIA_TYPE_VIDEO, false, 100, 900000 },  // 0
    { AVMEDIA_TYPE_VIDEO, false, 200, 100000 },  // 1: more frames than 0
    { AVMEDIA_TYPE_AUDIO, false, 50, 64000 },    // 2
    { AVMEDIA_TYPE_AUDIO, false, 50, 128000 },   // 3: same frames, higher rate
    { AVMEDIA_TYPE_AUDIO, false, 50, 128000 },   // 4: equal to 3
    { AVMEDIA_TYPE_SUBTITLE, false, 0, 0 },      // 5
    { AVMEDIA_TYPE_SUBTITLE, true, 0, 0 },       // 6: marked default
  };
  for (const TStreamSpec& Spec : Specs) {
    AVStream* Stream = LibAVFormat.avformat_new_stream(File.get(), nullptr);
    Stream->codecpar->codec_type = Spec.Type;
    Stream->disposition = Spec.Default ? AV_DISPOSITION_DEFAULT : 0;
    Stream->nb_frames = Spec.Frames;
    Stream->codecpar->bit_rate = Spec.BitRate;
  }
  EXPECT_EQ(DefaultStreamIndex(File.get(), AVMEDIA_TYPE_VIDEO), 1);
  EXPECT_EQ(DefaultStreamIndex(File.get(), AVMEDIA_TYPE_AUDIO), 3);
  EXPECT_EQ(DefaultStreamIndex(File.get(), AVMEDIA_TYPE_SUBTITLE), 6);
  EXPECT_EQ(DefaultStreamIndex(File.get(), AVMEDIA_TYPE_DATA), -1);
  EXPECT_EQ(DefaultStreamIndex(File.get(), AVMEDIA_TYPE_VIDEO, [](const AVStream* S) { return S->index != 1; }), 0);
  File->streams[0]->disposition = AV_DISPOSITION_DEFAULT;
  EXPECT_EQ(DefaultStreamIndex(File.get(), AVMEDIA_TYPE_VIDEO), 0);
}
