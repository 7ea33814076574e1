#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/probe/AVProbe.h"
#include "platform/base/Exception.h"
#include "tests/engine/TLogRecorder.h"
#include "tests/engine/fixtures/MediaFixtures.h"

namespace {

using TEvent = TLogRecorder::TEvent;

constexpr Int64 FrameTime = 1000000 / Fixture::FrameRate;

Fixture::TRGB BitmapPixel(TBitmap& ABitmap, int X, int Y) {
  const auto* Row = static_cast<const uint8_t*>(ABitmap.ScanLine(Y));
  return { Row[X * 3 + 2], Row[X * 3 + 1], Row[X * 3] };
}

class AVProbeDecodeTest : public testing::Test {
protected:
  static void SetUpTestSuite() { MediaFixtures(); }

  /// The frame number the current picture shows, read from its bitmap.
  int ShownFrame() {
    TBitmap Bitmap;
    if (!Probe.CopyToBitmap(&Bitmap)) return -1;
    EXPECT_EQ(Bitmap.PixelFormat(), pf24bit);
    EXPECT_EQ(Bitmap.Width(), Fixture::Width);
    EXPECT_EQ(Bitmap.Height(), Fixture::Height);
    return Fixture::FrameNumberOf([&](int X, int Y) { return BitmapPixel(Bitmap, X, Y); });
  }
  /// Decodes until a picture at or after ATime; false when the file ends first.
  bool DecodeUntil(Int64 ATime) {
    do
      if (!Probe.Decode()) return false;
    while (Probe.FrameInfo().PTS < ATime);
    return true;
  }

  TLogRecorder Log;
  TAVProbe Probe { nullptr };
};

}  // namespace

TEST_F(AVProbeDecodeTest, SeekingToOneSecondAndDecodingOnShowsFrame25) {
  const TMediaFixtures& Files = MediaFixtures();
  // A seek lands on a key frame (every 12th frame): at or before the time when seeking backward, at or
  // after it otherwise; the frames up to the time are then decoded.
  const struct {
    String File;
    TSeekFlags Flags;
    int KeyFrame;
  } Cases[] = {
    { Files.ClipAVI, { sfBackward }, 24 }, { Files.ClipMKV, { sfBackward }, 24 }, { Files.ClipMP4, { sfBackward }, 24 },
    { Files.ClipAVI, {}, 36 },             { Files.ClipMP4, {}, 36 },
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.File + (Case.Flags.Empty() ? "" : " backward"));
    ASSERT_TRUE(Probe.LoadFile(Case.File));
    ASSERT_TRUE(Probe.Decode());
    ASSERT_TRUE(Probe.Seek(1000000, Case.Flags)) << Probe.LastErrMsg();
    EXPECT_FALSE(Probe.FrameInfo().Ready);
    ASSERT_TRUE(Probe.Decode());
    const TFrameInfo& Key = Probe.FrameInfo();
    EXPECT_TRUE(Key.IsKeyFrame);
    EXPECT_EQ(Key.PictureType, ptI);
    EXPECT_EQ(Key.PTS, Case.KeyFrame * FrameTime);
    EXPECT_EQ(Key.StreamIndex, 0);
    EXPECT_EQ(ShownFrame(), Case.KeyFrame);
    if (Case.KeyFrame > 25) continue;
    ASSERT_TRUE(DecodeUntil(1000000));
    EXPECT_EQ(Probe.FrameInfo().PTS, 1000000);
    EXPECT_FALSE(Probe.FrameInfo().IsKeyFrame);
    EXPECT_EQ(Probe.FrameInfo().PixFmt, AV_PIX_FMT_YUV420P);
    EXPECT_EQ(ShownFrame(), 25);
  }
}

TEST_F(AVProbeDecodeTest, DecodingRunsFrameByFrameToTheEndAndASeekStartsAgain) {
  ASSERT_TRUE(Probe.LoadFile(MediaFixtures().ClipAVI));
  for (int Frame = 0; Frame < Fixture::FrameCount; ++Frame) {
    ASSERT_TRUE(Probe.Decode()) << Frame << ": " << Probe.LastErrMsg();
    EXPECT_EQ(Probe.FrameInfo().PTS, Frame * FrameTime);
    EXPECT_EQ(Probe.FrameInfo().OriginalDTS, Frame);
    EXPECT_EQ(Probe.FrameInfo().IsKeyFrame, Frame % 12 == 0) << Frame;
    EXPECT_EQ(ShownFrame(), Frame);
  }
  Log.Clear();
  EXPECT_FALSE(Probe.Decode());
  EXPECT_TRUE(Probe.Eof());
  EXPECT_FALSE(Probe.Decode());
  EXPECT_EQ(Probe.LastErrMsg(), "stream eof reached.");
  const TEvent Eof { &Probe, llInfo, "stream eof reached." };
  EXPECT_EQ(Log.From(&Probe), (std::vector<TEvent> { Eof, Eof }));

  ASSERT_TRUE(Probe.Seek(0, {}));
  EXPECT_FALSE(Probe.Eof());
  ASSERT_TRUE(Probe.Decode());
  EXPECT_EQ(Probe.FrameInfo().PTS, 0);
  EXPECT_EQ(ShownFrame(), 0);
}

TEST_F(AVProbeDecodeTest, SeekingPastTheEndFailsAndLeavesTheProbeUsable) {
  const TMediaFixtures& Files = MediaFixtures();
  for (const String& File : { Files.ClipAVI, Files.ClipMKV, Files.ClipMP4 }) {
    SCOPED_TRACE(File);
    ASSERT_TRUE(Probe.LoadFile(File));
    ASSERT_TRUE(Probe.Decode());
    EXPECT_FALSE(Probe.Seek(10000000, {}));
    EXPECT_FALSE(Probe.FrameInfo().Ready);
    EXPECT_EQ(Probe.LastErrMsg(), "could not seek to position 10.000 seconds");
    EXPECT_EQ(Log.From(&Probe).back(), (TEvent { &Probe, llError, Probe.LastErrMsg() }));
    ASSERT_TRUE(Probe.Seek(0, {}));
    ASSERT_TRUE(Probe.Decode());
    EXPECT_EQ(ShownFrame(), 0);
  }
}

TEST_F(AVProbeDecodeTest, AStillPictureDecodesOnceAndStaysTheCurrentPicture) {
  for (const String Format : { "", "image2" }) {
    SCOPED_TRACE(Format);
    ASSERT_TRUE(Probe.LoadFile(MediaFixtures().StillPNG, Format));
    ASSERT_TRUE(Probe.Decode());
    const Int64 Position = Probe.Position();
    EXPECT_EQ(Probe.FrameInfo().PixFmt, AV_PIX_FMT_RGB24);
    EXPECT_EQ(ShownFrame(), 0);
    for (int Again = 0; Again < 2; ++Again) {
      ASSERT_TRUE(Probe.Decode());
      EXPECT_TRUE(Probe.FrameInfo().Ready);
      EXPECT_EQ(Probe.Position(), Position);
    }
    EXPECT_FALSE(Probe.Seek(0, {}));
    EXPECT_EQ(Probe.LastErrMsg(), "\"image2\" format cannot to be seeked.");
    EXPECT_TRUE(Probe.FrameInfo().Ready);
  }
}

TEST_F(AVProbeDecodeTest, KeyFramesAndThePreviousFrameAreFoundFromTheCurrentPicture) {
  ASSERT_TRUE(Probe.LoadFile(MediaFixtures().ClipAVI));
  ASSERT_TRUE(Probe.Decode());
  ASSERT_TRUE(Probe.DecodeNextKeyFrame());
  EXPECT_EQ(ShownFrame(), 12);
  ASSERT_TRUE(Probe.DecodeNextKeyFrame());
  EXPECT_EQ(ShownFrame(), 24);
  EXPECT_TRUE(Probe.FrameInfo().IsKeyFrame);

  ASSERT_TRUE(Probe.Seek(20 * FrameTime, { sfBackward }));
  ASSERT_TRUE(DecodeUntil(20 * FrameTime));
  ASSERT_TRUE(Probe.DecodePreviousFrame());
  EXPECT_EQ(Probe.FrameInfo().PTS, 19 * FrameTime);
  EXPECT_EQ(ShownFrame(), 19);
  ASSERT_TRUE(Probe.DecodePreviousKeyFrame());
  EXPECT_EQ(ShownFrame(), 12);
  // From the frame right after a key frame, the previous frame is that key frame.
  ASSERT_TRUE(Probe.Decode());
  EXPECT_EQ(ShownFrame(), 13);
  ASSERT_TRUE(Probe.DecodePreviousFrame());
  EXPECT_EQ(ShownFrame(), 12);
  // Nothing lies before the first key frame.
  ASSERT_TRUE(Probe.Seek(0, {}));
  ASSERT_TRUE(Probe.Decode());
  ASSERT_TRUE(Probe.DecodePreviousKeyFrame());
  EXPECT_EQ(Probe.FrameInfo().PTS, 0);
}

// Some readers move their byte position only when they read on after a seek: the step back must still
// land on the key frame before the picture, not on the file's start.
TEST_F(AVProbeDecodeTest, StepsBackToTheNearestKeyFrameInEveryContainer) {
  const TMediaFixtures& Files = MediaFixtures();
  TLogRecorder Decoded(llDebug);
  for (const String& File : { Files.ClipMP4, Files.ClipMOV, Files.ClipMKV, Files.ClipAVI, Files.ClipMPG }) {
    SCOPED_TRACE(File);
    ASSERT_TRUE(Probe.LoadFile(File)) << Probe.LastErrMsg();
    ASSERT_TRUE(DecodeUntil(40 * FrameTime));
    ASSERT_EQ(ShownFrame(), 40);
    Decoded.Clear();
    ASSERT_TRUE(Probe.DecodePreviousFrame()) << Probe.LastErrMsg();
    EXPECT_EQ(ShownFrame(), 39);
    int Pictures = 0;
    for (const TEvent& Event : Decoded.From(&Probe)) Pictures += Event.Text.starts_with("pkt.st_idx");
    // From the key frame at 36: a few tries, not the 40 pictures from the start.
    EXPECT_LE(Pictures, 12);
    ASSERT_TRUE(Probe.DecodePreviousKeyFrame()) << Probe.LastErrMsg();
    EXPECT_EQ(ShownFrame(), 36);
    ASSERT_TRUE(Probe.DecodePreviousKeyFrame()) << Probe.LastErrMsg();
    EXPECT_EQ(ShownFrame(), 24);
  }
}

// After the first group of pictures the time stamps jump an hour ahead: stepping back from the second
// group one frame at a time would seek and decode 90000 times before reaching the first. The search steps
// back by growing intervals instead.
TEST_F(AVProbeDecodeTest, StepsBackAcrossAnHourWithAFewSeeks) {
  TLogRecorder Seeks(llDebug);
  ASSERT_TRUE(Probe.LoadFile(MediaFixtures().TimeJumpMPG));
  ASSERT_TRUE(DecodeUntil(Int64(3600) * 1000000));
  EXPECT_EQ(ShownFrame(), 12);
  Seeks.Clear();
  ASSERT_TRUE(Probe.DecodePreviousKeyFrame()) << Probe.LastErrMsg();
  EXPECT_EQ(ShownFrame(), 0);
  int Count = 0;
  for (const TEvent& Event : Seeks.From(&Probe)) Count += Event.Text.starts_with("seek to position");
  EXPECT_LE(Count, 40);
}

TEST_F(AVProbeDecodeTest, DecodingRequestsThatCannotBeServedAreReported) {
  const TMediaFixtures& Files = MediaFixtures();
  const struct {
    String File;
    int Stream;
    String Message;
    TLogLevel Level;
  } Cases[] = {
    { "", -1, "file not loaded.", llWarning },
    { Files.AudioWAV, -1, "no video stream.", llError },
    { Files.ClipAVI, 2, "stream index #2 is invalid.", llError },
    { Files.ClipAVI, 1, "stream #1 is not video stream.", llError },
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Message);
    if (Case.File.empty()) Probe.CloseFile();
    else ASSERT_TRUE(Probe.LoadFile(Case.File));
    Log.Clear();
    EXPECT_FALSE(Probe.Decode(Case.Stream));
    EXPECT_EQ(Probe.LastErrMsg(), Case.Message);
    EXPECT_EQ(Log.From(&Probe), (std::vector<TEvent> { { &Probe, Case.Level, Case.Message } }));
  }
  Probe.CloseFile();
  EXPECT_FALSE(Probe.Seek(0, {}));
  EXPECT_EQ(Probe.Position(), -1);
  EXPECT_EQ(Probe.LastErrMsg(), "file not loaded.");

  ASSERT_TRUE(Probe.LoadFile(Files.ClipAVI));
  TBitmap Bitmap;
  EXPECT_FALSE(Probe.CopyToBitmap(&Bitmap));
  EXPECT_EQ(Probe.LastErrMsg(), "picture not ready, please decode first");
  EXPECT_TRUE(Bitmap.Empty());
}

TEST_F(AVProbeDecodeTest, AProbeSharingAnotherProbesFileRefusesToMoveItsReader) {
  TAVProbe Owner(nullptr);
  ASSERT_TRUE(Owner.LoadFile(MediaFixtures().ClipAVI));
  Probe.SetFileHandle(Owner.FileHandle());
  EXPECT_EQ(Probe.VideoStreamCount(), 1);
  for (const auto& Refused : { std::function<void()>([&] { Probe.Seek(0, {}); }), std::function<void()>([&] { Probe.Decode(); }) }) {
    try {
      Refused();
      ADD_FAILURE() << "no exception";
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message, "file cannot be seeked, handle is readonly.");
    }
  }
  EXPECT_EQ(Probe.LastErrMsg(), "file cannot be seeked, handle is readonly.");
  // Letting go of a shared file leaves it open for its owner.
  Probe.CloseFile();
  EXPECT_EQ(Probe.StreamCount(), -1);
  ASSERT_TRUE(Owner.Decode());
  EXPECT_EQ(Owner.FrameInfo().PTS, 0);
}

TEST_F(AVProbeDecodeTest, ADamagedFileDecodesToItsEnd) {
  ASSERT_TRUE(Probe.LoadFile(MediaFixtures().CorruptAVI));
  int Pictures = 0;
  while (Probe.Decode()) {
    ++Pictures;
    TBitmap Bitmap;
    EXPECT_TRUE(Probe.CopyToBitmap(&Bitmap));
  }
  EXPECT_TRUE(Probe.Eof());
  EXPECT_GT(Pictures, Fixture::FrameCount / 2);
  EXPECT_LE(Pictures, Fixture::FrameCount);
}
