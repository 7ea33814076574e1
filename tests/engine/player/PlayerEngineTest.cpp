#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/player/PlayerAudioOutput.h"
#include "engine/player/PlayerClocks.h"
#include "engine/player/PlayerDecoders.h"
#include "engine/player/PlayerVideoOutput.h"
#include "engine/player/TPacketQueue.h"
#include "engine/player/TPlaybackHost.h"
#include "engine/player/TPlayEvent.h"
#include "engine/player/TVideoState.h"
#include "tests/engine/TRecordingSurface.h"

namespace {

using TKind = TPlayEvent::TKind;

std::vector<std::pair<TKind, Int64>> Drain(TPlayEvent& ARing) {
  std::vector<std::pair<TKind, Int64>> Events;
  Int64 Value = 0;
  for (TKind Kind; (Kind = ARing.PopEvent(Value)) != TPlayEvent::ekNone;) Events.emplace_back(Kind, Value);
  return Events;
}

}  // namespace

TEST(PlayEventRingTest, RepeatsCollapseIntoTheLatestAndAFullRingDropsItsOldest) {
  TPlayEvent Ring;
  for (int I = 1; I <= 11; ++I) Ring.PushEvent(TPlayEvent::ekPosition, I * 1000);
  EXPECT_EQ(Drain(Ring), (std::vector<std::pair<TKind, Int64>> { { TPlayEvent::ekPosition, 11000 } }));

  // Alternating kinds fill all nine usable slots; a tenth report pushes out the oldest.
  for (int I = 0; I < 9; ++I) Ring.PushEvent(I % 2 ? TPlayEvent::ekState : TPlayEvent::ekPosition, I);
  Ring.PushEvent(TPlayEvent::ekEndDelivery, 9);
  const auto Events = Drain(Ring);
  ASSERT_EQ(Events.size(), 9u);
  EXPECT_EQ(Events.front(), std::make_pair(TPlayEvent::ekState, Int64(1)));
  EXPECT_EQ(Events.back(), std::make_pair(TPlayEvent::ekEndDelivery, Int64(9)));
  for (size_t I = 1; I < Events.size(); ++I) EXPECT_EQ(Events[I].second, Events[I - 1].second + 1);
}

TEST(PlayerLayoutTest, PictureRectKeepsTheAspectCentredWithEvenSides) {
  const struct {
    float AspectRatio;
    int Width, Height;
    AVRational SampleAspect;
    int AreaWidth, AreaHeight;
    TRect Expected;
  } Cases[] = {
    { 0, 720, 576, { 16, 15 }, 640, 360, { 80, 0, 560, 360 } },          // the picture's own aspect, 4:3
    { 16.0f / 9, 720, 576, { 16, 15 }, 640, 360, { 0, 0, 640, 360 } },  // a forced aspect
    { -1, 720, 576, { 16, 15 }, 640, 360, { 0, 0, 640, 360 } },         // fill the area
    { 16.0f / 9, 1920, 1080, { 1, 1 }, 400, 400, { 0, 88, 400, 312 } },  // too wide: the height follows
    { 0, 320, 240, { 0, 1 }, 320, 240, { 0, 0, 320, 240 } },            // no sample aspect: square pixels
  };
  for (const auto& Case : Cases) {
    const TRect R = PictureRect(Case.AspectRatio, Case.Width, Case.Height, Case.SampleAspect, Case.AreaWidth, Case.AreaHeight);
    EXPECT_EQ(R, Case.Expected) << Case.Width << "x" << Case.Height << " aspect " << Case.AspectRatio;
  }
}

TEST(PlayerSubtitleTest, PaletteBecomesYUVAAndRectanglesBlendClipped) {
  EXPECT_EQ(RGBAToYUVA(0x80FF0000), 0x80515AF0u);  // red: Y 81, U 90, V 240, alpha kept

  // A 4 x 4 picture of Y 100, U and V 128 under an opaque subtitle colour of Y 200, U 50, V 60 (index 1),
  // or a half-transparent one with U 100, V 120 (index 2).
  const uint32_t Palette[256] = { 0, 0xFFC8323C, 0x80C86478 };
  const struct {
    const char* Name;
    int X, Y, W, H;
    uint8_t Index;
    std::vector<int> Luma;  // 16 values, row by row
    int U00, V00;           // the chroma of the top-left block
  } Cases[] = {
    { "a whole 2x2 block", 0, 0, 2, 2, 1, { 200, 200, 100, 100, 200, 200, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100 }, 50, 60 },
    { "one pixel", 1, 1, 1, 1, 1, { 100, 100, 100, 100, 100, 200, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100 }, 50, 60 },
    // Two pixels of a block share their average alpha: (2 * 128) >> 2 = 64.
    { "an odd column", 1, 0, 1, 2, 2, { 100, 150, 100, 100, 100, 150, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100 }, 120, 125 },
    // A rectangle starting left of and above the picture is moved into it, not cut.
    { "clipped at negative x and y", -1, -1, 2, 2, 1, { 200, 200, 100, 100, 200, 200, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100 }, 50, 60 },
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    uint8_t Y[16], U[4], V[4];
    std::fill(std::begin(Y), std::end(Y), 100);
    std::fill(std::begin(U), std::end(U), 128);
    std::fill(std::begin(V), std::end(V), 128);
    std::vector<uint8_t> Pixels(size_t(Case.W) * Case.H, Case.Index);
    AVSubtitleRect Rect {};
    Rect.x = Case.X;
    Rect.y = Case.Y;
    Rect.w = Case.W;
    Rect.h = Case.H;
    Rect.nb_colors = 3;
    Rect.data[0] = Pixels.data();
    Rect.data[1] = reinterpret_cast<uint8_t*>(const_cast<uint32_t*>(Palette));
    Rect.linesize[0] = Case.W;
    BlendSubtitleRect({ Y, U, V, 4, 2, 2 }, Rect, 4, 4);
    EXPECT_EQ(std::vector<int>(std::begin(Y), std::end(Y)), Case.Luma);
    EXPECT_EQ(U[0], Case.U00);
    EXPECT_EQ(V[0], Case.V00);
    EXPECT_EQ(std::vector<int>(U + 1, U + 4), std::vector<int>(3, 128)) << "other blocks untouched";
  }
}

TEST(PlayerClockTest, TargetTimeFollowsTheAudioMaster) {
  const struct {
    const char* Name;
    double Pts;
    double AudioClock;
    double Expected;
  } Cases[] = {
    { "in step", 1.04, 1.0, 0.04 },
    { "video 0.2 s behind: show at once", 1.04, 1.2, 0.0 },
    { "video 0.2 s ahead: wait twice as long", 1.04, 0.8, 0.08 },
    { "11 s apart: no correction", 1.04, 12.0, 0.04 },
    { "a 10 s time-stamp jump keeps the last duration", 11.0, 1.0, 0.04 },
  };
  for (const auto& Case : Cases) {
    TVideoState State;
    State.audio_stream = State.video_stream = 0;
    State.paused = 1;  // the video clock stands at the picture on screen
    State.video_current_pts = 1.0;
    State.audio_clock = Case.AudioClock;
    State.frame_last_pts = 1.0;
    State.frame_last_delay = 0.04;
    EXPECT_NEAR(ComputeTargetTime(State, Case.Pts), Case.Expected, 1e-9) << Case.Name;
  }
}

TEST(PlayerClockTest, SoundFollowingTheVideoIsCorrectedByAtMostTenPercentAfterTwentyBuffers) {
  for (const double Drift : { 0.1, -0.1 }) {
    SCOPED_TRACE(Drift);
    TVideoState State;
    State.av_sync_type = AV_SYNC_VIDEO_MASTER;
    State.audio_stream = State.video_stream = 0;
    State.paused = 1;
    State.video_current_pts = 5.0;
    State.audio_clock = 5.0 + Drift;
    State.audio_tgt_freq = 44100;
    State.audio_tgt_channels = 2;
    State.audio_diff_avg_coef = 0.904837;
    State.audio_diff_threshold = 2048.0 / 44100;
    // 1024 stereo sample frames, numbered, in a buffer just big enough for them.
    State.audio_buf2.resize(4096);
    for (int I = 0; I < 1024; ++I) reinterpret_cast<uint32_t*>(State.audio_buf2.data())[I] = uint32_t(I);
    for (int I = 0; I < 20; ++I) ASSERT_EQ(SynchronizeAudio(State, 4096, 0), 4096);
    const int Size = SynchronizeAudio(State, 4096, 0);
    if (Drift < 0) {
      EXPECT_EQ(Size, 921 * 4);
      continue;
    }
    EXPECT_EQ(Size, 1126 * 4);
    ASSERT_GE(State.audio_buf2.size(), size_t(Size));
    const auto* Frames = reinterpret_cast<const uint32_t*>(State.audio_buf2.data());
    for (int I = 1024; I < 1126; ++I) EXPECT_EQ(Frames[I], 1023u) << "the last frame repeats";
  }
}

/// Tests that call into FFmpeg and SDL.
class PlayerLibrariesTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    String Error;
    ASSERT_TRUE(LoadAVLib("", PlayerLibraries, Error)) << Error;
  }
};

class PacketQueueTest : public PlayerLibrariesTest {
protected:
  void SetUp() override { Queue.Init(); }
  void TearDown() override { Queue.Done(); }

  /// Puts a packet of ASize bytes whose first byte is AMark.
  void Put(int ASize, uint8_t AMark) {
    AVPacket* Packet = LibAVCodec.av_packet_alloc();
    ASSERT_EQ(LibAVCodec.av_new_packet(Packet, ASize), 0);
    Packet->data[0] = AMark;
    EXPECT_EQ(Queue.Put(Packet), 0);
    LibAVCodec.av_packet_free(&Packet);
  }

  TPacketQueue Queue;
};

TEST_F(PacketQueueTest, CountsBytesPlusSeventyTwoAndPassesTheFlushMarkerItself) {
  Put(100, 1);
  EXPECT_EQ(Queue.Put(FlushPacket()), 0);
  Put(50, 2);
  EXPECT_EQ(Queue.nb_packets, 3);
  EXPECT_EQ(Queue.size, 150 + 3 * TPacketQueue::NodeSize);
  AVPacket* Packet = nullptr;
  ASSERT_EQ(Queue.Get(Packet, false), 1);
  EXPECT_EQ(Packet->data[0], 1);
  TPacketQueue::FreePacket(Packet);
  ASSERT_EQ(Queue.Get(Packet, false), 1);
  EXPECT_EQ(Packet, FlushPacket());
  EXPECT_EQ(Queue.size, 50 + TPacketQueue::NodeSize);
  Queue.Flush();
  EXPECT_EQ(Queue.nb_packets, 0);
  EXPECT_EQ(Queue.size, 0);
  EXPECT_EQ(Queue.Get(Packet, false), 0);
}

TEST_F(PacketQueueTest, AbortWakesABlockedGetter) {
  int Result = 0;
  std::thread Getter([&] {
    AVPacket* Packet = nullptr;
    Result = Queue.Get(Packet, true);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  Queue.Abort();
  Getter.join();
  EXPECT_EQ(Result, -1);
  Put(10, 3);
  AVPacket* Packet = nullptr;
  EXPECT_EQ(Queue.Get(Packet, false), -1) << "an aborted queue gives nothing more";
}

namespace {

/// A player that only lends the engine its settings and surface.
class TQuietHost : public TPlaybackHost {
public:
  void SetState(TPlayState) override {}
  void UpdatePosition(TVideoState&) override {}
  bool DoHook(TVideoState&, const uint8_t* const[4], const int[4], AVPixelFormat, uint8_t* const[4], const int[4],
              AVPixelFormat, int, int, double) override {
    return false;
  }
  void ReportError(const String&, bool) override {}
  void SetLastErrMsg(const String&) override {}
  void LogMessage(TLogLevel, const String&) override {}
  void PostEvent(TPlayerEventType) override {}
  bool Plays(const TVideoState&) override { return true; }
  void DetachProbe() override {}
};

using PlayerSpectrumTest = PlayerLibrariesTest;

}  // namespace

TEST_F(PlayerSpectrumTest, ColumnStaysInsideItsArea) {
  TSurfaceRecord Record;
  TQuietHost Host;
  Host.FSurface = std::make_unique<TRecordingSurface>(Record);
  Host.FSurface->SetMode(320, 301);  // one row below the area shows any stray write
  TVideoState State;
  State.Owner = &Host;
  State.width = 320;
  State.height = 300;
  State.audio_tgt_channels = 2;
  State.audio_tgt_freq = 44100;
  State.show_audio = saRDFT;
  State.paused = 1;  // draws from last_i_start
  // A loud tone on a strong constant level, so the lowest bins, drawn at the bottom, are bright.
  for (int I = 0; I < SAMPLE_ARRAY_SIZE; ++I)
    State.sample_array[I] = int16_t(8000 + 12000 * std::sin(I / 2 * 0.05));
  DisplayAudio(State);
  EXPECT_EQ(State.rdft_bits, 10) << "the smallest transform covering twice the height";
  EXPECT_EQ(State.xpos, 1);
  EXPECT_NE(Record.Pixel(0, 299), (Fixture::TRGB { 0, 0, 0 }));
  EXPECT_EQ(Record.Pixel(0, 300), (Fixture::TRGB { 0, 0, 0 })) << "nothing below the area";
  EXPECT_EQ(Record.Pixel(1, 299), (Fixture::TRGB { 0, 0, 0 })) << "one column per call";
}

using PlayerSoundTest = PlayerLibrariesTest;

TEST_F(PlayerSoundTest, MuteAndVolumeReachTheSoundGivenToTheDevice) {
  const struct {
    bool Mute;
    int Volume;
    int16_t Expected;
  } Cases[] = { { false, SDL_MIX_MAXVOLUME, 10000 }, { false, SDL_MIX_MAXVOLUME / 2, 5000 }, { false, 0, 0 },
                { true, SDL_MIX_MAXVOLUME, 0 } };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(std::to_string(Case.Mute) + " " + std::to_string(Case.Volume));
    TQuietHost Host;
    Host.FMute = Case.Mute;
    Host.FAudioVolume = Case.Volume;
    TVideoState State;
    State.Owner = &Host;
    State.audio_tgt_channels = 2;
    State.audio_tgt_freq = 44100;
    // Decoded sound waiting to be played: 256 stereo sample frames of 10000.
    std::vector<int16_t> Decoded(512, 10000);
    State.audio_buf = reinterpret_cast<uint8_t*>(Decoded.data());
    State.audio_buf_size = int(Decoded.size() * sizeof(int16_t));
    std::vector<int16_t> Played(512, -1);
    AudioCallback(&State, reinterpret_cast<uint8_t*>(Played.data()), int(Played.size() * sizeof(int16_t)));
    EXPECT_EQ(std::ranges::count(Played, Case.Expected), 512);
  }
}
