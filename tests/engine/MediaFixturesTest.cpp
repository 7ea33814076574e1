#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "tests/engine/fixtures/MediaFixtures.h"

namespace {

struct TStreamLayout {
  std::vector<AVMediaType> Types;
  double Duration { 0 };
};

TStreamLayout LayoutOf(const String& AFileName) {
  AVFormatContext* Input = nullptr;
  EXPECT_EQ(LibAVFormat.avformat_open_input(&Input, AFileName.c_str(), nullptr, nullptr), 0) << AFileName;
  if (!Input) return {};
  EXPECT_GE(LibAVFormat.avformat_find_stream_info(Input, nullptr), 0);
  TStreamLayout Layout;
  for (unsigned I = 0; I < Input->nb_streams; ++I) Layout.Types.push_back(Input->streams[I]->codecpar->codec_type);
  Layout.Duration = double(Input->duration) / AV_TIME_BASE;
  LibAVFormat.avformat_close_input(&Input);
  return Layout;
}

bool Near(const Fixture::TRGB& A, const Fixture::TRGB& B, int ATolerance) {
  return std::abs(A.R - B.R) <= ATolerance && std::abs(A.G - B.G) <= ATolerance && std::abs(A.B - B.B) <= ATolerance;
}

}  // namespace

TEST(MediaFixturesTest, EveryFileHasItsStreamsAndLength) {
  const TMediaFixtures& Files = MediaFixtures();
  constexpr auto V = AVMEDIA_TYPE_VIDEO, A = AVMEDIA_TYPE_AUDIO, S = AVMEDIA_TYPE_SUBTITLE;
  const struct {
    String File;
    std::vector<AVMediaType> Types;
    double Seconds;
  } Cases[] = {
    { Files.ClipAVI, { V, A }, 2.0 },   { Files.ClipMKV, { V, A }, 2.0 },     { Files.ClipMP4, { V, A }, 2.0 },
    { Files.AudioWAV, { A }, 1.0 },     { Files.AudioMP3, { A }, 1.0 },       { Files.SubtitleMKV, { V, S }, 2.0 },
    { Files.ChineseName, { V, A }, 2.0 }, { Files.ReorderedMP4, { V, A }, 2.0 },
  };
  for (const auto& Case : Cases) {
    const TStreamLayout Layout = LayoutOf(Case.File);
    EXPECT_EQ(Layout.Types, Case.Types) << Case.File;
    EXPECT_NEAR(Layout.Duration, Case.Seconds, 0.1) << Case.File;
  }
  EXPECT_EQ(std::filesystem::file_size(Files.CorruptAVI), std::filesystem::file_size(Files.ClipAVI));
}

TEST(MediaFixturesTest, DecodedPicturesShowTheirFrameNumberBarAndPatches) {
  const TMediaFixtures& Files = MediaFixtures();
  const struct {
    String File;
    double Seconds;
    int Frame;
  } Cases[] = {
    { Files.ClipAVI, 1.0, 25 }, { Files.ClipMKV, 1.0, 25 }, { Files.ClipMP4, 1.0, 25 },
    { Files.ClipAVI, 0.0, 0 },  { Files.ClipMP4, 1.96, 49 }, { Files.StillPNG, 0.0, 0 },
    { Files.ReorderedMP4, 0.0, 0 }, { Files.ReorderedMP4, 1.0, 25 }, { Files.ReorderedMP4, 1.96, 49 },
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.File + " at " + std::to_string(Case.Seconds));
    const TFramePtr Frame = DecodeVideoFrameAt(Case.File, Case.Seconds);
    ASSERT_TRUE(Frame);
    const TRGBPicture Picture(Frame.get());
    EXPECT_EQ(Fixture::FrameNumberOf(Picture), Case.Frame);
    const int BarCentre = Fixture::BarStep * Case.Frame + Fixture::BarWidth / 2;
    for (const auto& [X, Y] : std::vector<std::pair<int, int>> { { BarCentre, 100 }, { 300, 100 }, { 40, 208 }, { 120, 208 },
                                                                  { 200, 208 }, { 280, 208 } })
      EXPECT_TRUE(Near(Picture(X, Y), Fixture::Pixel(Case.Frame, X, Y), 12)) << X << "," << Y;
  }
}
