// The corpus itself, and every clip of it through the probe and the player.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>

#include "engine/player/FFPlay.h"
#include "engine/probe/AVProbe.h"
#include "platform/base/MainThread.h"
#include "platform/gdi/TBitmap.h"
#include "tests/engine/TRecordingSurface.h"
#include "tests/engine/corpus/MediaCorpus.h"

namespace {

constexpr HWND Window = 7;

class CorpusPlayTest : public testing::TestWithParam<TCorpusClip> {
protected:
  static void SetUpTestSuite() { LoadCorpusLibraries(); }
};

}  // namespace

TEST(MediaCorpusTest, TheFolderHoldsEveryClipOfTheTableAndNoOther) {
  std::vector<String> Listed;
  for (const TCorpusClip& Clip : CorpusClips()) Listed.push_back(Clip.Name);
  std::ranges::sort(Listed);
  EXPECT_EQ(CorpusFolderNames(), Listed);
}

TEST_P(CorpusPlayTest, ProbedDecodedAndPlayedToTheEnd) {
  const TCorpusClip& Clip = GetParam();
  const String File = CorpusFile(Clip);

  // The probe opens it and steps through its pictures as the preview does.
  TAVProbe Probe(nullptr);
  ASSERT_TRUE(Probe.LoadFile(File)) << Probe.LastErrMsg();
  TBitmap Picture;
  for (int Step = 0; Step < 3 && Probe.Decode(); ++Step) Probe.CopyToBitmap(&Picture);
  Probe.DecodeNextKeyFrame();
  Probe.DecodePreviousFrame();

  // What the header promises the libraries decode, unless the table says why not.
  const TDecodedSpan Span = DecodeSpan(File);
  ASSERT_TRUE(Span.Video || Span.Audio) << "nothing decodes";
  const double Promised = double(Probe.FileStreamInfo().Duration) / 1e6;
  const double Decoded = Span.Longest(true);
  if (*Clip.DecodesLess) EXPECT_LT(Decoded, Promised - 0.5) << "decodes whole now: " << Clip.DecodesLess;
  else EXPECT_NEAR(Decoded, Promised, 0.5);

  // The player plays it, from near its end, to the end.
  TSurfaceRecord Record;
  SetVideoSurfaceBinder([&](HWND, String&) -> std::unique_ptr<IVideoSurface> {
    return std::make_unique<TRecordingSurface>(Record);
  });
  std::atomic<bool> Ended { false };
  {
    TFFPlayer Player(nullptr);
    Player.OnState = [&](TObject*, TPlayState AState) {
      Ended = Ended || AState == psEnd;
      WakeWaiters();
    };
    ASSERT_TRUE(Player.Open(File, Window, false)) << Player.LastErrMsg();
    WaitServing([] { return false; }, 300);
    Player.Seek(Int64(std::max(0.0, Decoded - 1.2) * 1e6), {});
    EXPECT_TRUE(WaitServing([&] { return bool(Ended); }, 10000)) << "the player does not reach the end";
    Player.Stop(true);
  }
  SetVideoSurfaceBinder(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Clips, CorpusPlayTest, testing::ValuesIn(CorpusClips()),
                         [](const testing::TestParamInfo<TCorpusClip>& AInfo) {
                           String Name = AInfo.param.Name;
                           std::ranges::replace_if(Name, [](char C) { return !std::isalnum(static_cast<unsigned char>(C)); }, '_');
                           return Name;
                         });
