#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <numeric>
#include <optional>
#include <thread>
#include <set>
#include <vector>

#include "engine/player/FFPlay.h"
#include "engine/libav/FFmpegLoader.h"
#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"
#include "tests/engine/TLogRecorder.h"
#include "tests/engine/TRecordingSurface.h"
#include "tests/engine/TurnedClips.h"
#include "tests/engine/fixtures/MediaFixtures.h"

namespace {

constexpr HWND Window = 7;

/// Serves the hand-over queue (where the player's reports arrive) until ADone holds or AMilliseconds pass.
bool Eventually(const std::function<bool()>& ADone, int AMilliseconds) {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(AMilliseconds);
  while (!ADone()) {
    if (std::chrono::steady_clock::now() >= Deadline) return false;
    WaitServing([] { return false; }, 10);
  }
  return true;
}

/// Serves the hand-over queue for AMilliseconds.
void Serve(int AMilliseconds) { Eventually([] { return false; }, AMilliseconds); }

/// How long a wait for a state may take: generous, as a loaded machine plays and decodes late; the waits end
/// as soon as the state holds.
constexpr int Patience = 20000;

/// Serves until AFrame has answered the same picture for 300 ms (pictures decoded before a pause may still be
/// on their way to the screen), at most Patience; that picture.
int StillFrame(const std::function<int()>& AFrame) {
  int Frame = AFrame();
  for (int Waited = 0; Waited < Patience; Waited += 300) {
    Serve(300);
    if (AFrame() == Frame) return Frame;
    Frame = AFrame();
  }
  return Frame;
}

int ThreadCount() {
  int Count = 0;
  for ([[maybe_unused]] const auto& Entry : std::filesystem::directory_iterator("/proc/self/task")) ++Count;
  return Count;
}

/// Whether the positions move forward: the clock of the picture on screen may step back by part of a frame
/// when a picture comes late, never by more.
bool MovesForward(const std::vector<Int64>& APositions) {
  for (size_t I = 1; I < APositions.size(); ++I)
    if (APositions[I] < APositions[I - 1] - 1000000 / Fixture::FrameRate) return false;
  return APositions.size() > 1 && APositions.back() > APositions.front();
}

String Text(const std::vector<int>& AFrames) {
  String Result;
  for (const int Frame : AFrames) Result += std::to_string(Frame) + " ";
  return Result;
}

int BitmapFrame(TBitmap& ABitmap) {
  return Fixture::FrameNumberOf([&](int X, int Y) {
    const auto* Row = static_cast<const uint8_t*>(ABitmap.ScanLine(Y));
    return Fixture::TRGB { Row[X * 3 + 2], Row[X * 3 + 1], Row[X * 3] };
  });
}

/// Removes an environment variable for its lifetime and puts it back afterwards.
class TUnsetVariable {
public:
  explicit TUnsetVariable(const char* AName) : FName(AName) {
    if (const char* Value = std::getenv(AName)) FOld = Value;
    ::unsetenv(AName);
  }
  ~TUnsetVariable() {
    if (FOld) ::setenv(FName, FOld->c_str(), 1);
  }
  TUnsetVariable(const TUnsetVariable&) = delete;
  TUnsetVariable& operator=(const TUnsetVariable&) = delete;

private:
  const char* FName;
  std::optional<String> FOld;
};

class PlayerTest : public testing::Test {
protected:
  /// One report of the player, in arrival order.
  struct TReport {
    enum { rkFileOpen, rkState, rkPosition } Kind;
    Int64 Value;
  };

  static void SetUpTestSuite() {
    MediaFixtures();
    String Error;
    ASSERT_TRUE(LoadAVLib("", PlayerLibraries, Error)) << Error;
  }

  void SetUp() override {
    SetVideoSurfaceBinder([this](HWND AWindow, String& AError) -> std::unique_ptr<IVideoSurface> {
      if (AWindow != Window) {
        AError = "not the test's window";
        return nullptr;
      }
      return std::make_unique<TRecordingSurface>(Record);
    });
    Player.OnFileOpen = [this](TObject*, Int64 ADuration, int, int, int&, int&) { Add(TReport::rkFileOpen, ADuration); };
    Player.OnState = [this](TObject*, TPlayState AState) { Add(TReport::rkState, AState); };
    Player.OnPosition = [this](TObject*, Int64 APTS) { Add(TReport::rkPosition, APTS); };
  }
  void TearDown() override {
    Player.Stop(true);
    SetVideoSurfaceBinder(nullptr);
  }

  void Add(decltype(TReport::Kind) AKind, Int64 AValue) {
    std::lock_guard Lock(FLock);
    FReports.push_back({ AKind, AValue });
  }
  std::vector<TReport> Reports() {
    std::lock_guard Lock(FLock);
    return FReports;
  }
  std::vector<Int64> Values(decltype(TReport::Kind) AKind, size_t AFrom = 0) {
    std::vector<Int64> Result;
    const auto All = Reports();
    for (size_t I = AFrom; I < All.size(); ++I)
      if (All[I].Kind == AKind) Result.push_back(All[I].Value);
    return Result;
  }
  std::vector<Int64> States(size_t AFrom = 0) { return Values(TReport::rkState, AFrom); }
  int CountState(TPlayState AState) { return int(std::ranges::count(States(), Int64(AState))); }
  /// Waits for the APauses-th psPause and for the pictures decoded by then to be shown; the frame on screen.
  int PausedFrame(int APauses) {
    if (!Eventually([&] { return CountState(psPause) == APauses; }, Patience)) return -1;
    return StillFrame([&] { return Record.ShownFrame(); });
  }
  int SnapshotFrame(Int64& APTS) {
    TBitmap* Snapshot = Player.CurrentFrame(APTS);
    EXPECT_EQ(Snapshot->Width(), Fixture::Width);
    EXPECT_EQ(Snapshot->Height(), Fixture::Height);
    return Snapshot->Width() == Fixture::Width ? BitmapFrame(*Snapshot) : -1;
  }

  /// Whether the surface shows a stereo wave: two bands of 120 rows with a white line between them, each
  /// holding its channel's wave.
  bool ShowsStereoWave() {
    if (Record.Mode() != TSize { Fixture::Width, Fixture::Height }) return false;
    const Fixture::TRGB White { 255, 255, 255 };
    for (int X = 0; X < Fixture::Width; ++X)
      if (!(Record.Pixel(X, 120) == White)) return false;
    int Upper = 0, Lower = 0, Outside = 0;
    for (int Y = 0; Y < Fixture::Height; ++Y) {
      if (Y == 120) continue;
      for (int X = 0; X < Fixture::Width; X += 4) {
        if (!(Record.Pixel(X, Y) == White)) continue;
        if (Y >= 60 - 54 && Y <= 60 + 54) ++Upper;
        else if (Y >= 180 - 54 && Y <= 180 + 54) ++Lower;
        else ++Outside;
      }
    }
    return Upper > 0 && Lower > 0 && Outside == 0;
  }

  TSurfaceRecord Record;
  TFFPlayer Player { nullptr };

private:
  std::mutex FLock;
  std::vector<TReport> FReports;
};

}  // namespace

TEST_F(PlayerTest, ClipOpensPausedPlaysPausesSeeksAndEndsOnce) {
  const String& Clip = MediaFixtures().ClipAVI;
  ASSERT_TRUE(Player.Open(Clip, Window, true)) << Player.LastErrMsg();
  EXPECT_EQ(Player.VideoStreamIndex(), 0);
  EXPECT_EQ(Player.AudioStreamIndex(), 1);

  // Opened paused: the first two pictures passed on are shown, then the player holds at the second (frame 1,
  // or a later one when a late display made the decoder skip pictures).
  const int Opened = PausedFrame(1);
  EXPECT_GE(Opened, 1);
  EXPECT_LE(Opened, 3);
  // psPlay comes first, unless the delivery was slower than the pictures: unread states collapse.
  EXPECT_EQ(States().back(), psPause);
  EXPECT_EQ(Reports().front().Kind, TReport::rkFileOpen);
  EXPECT_EQ(Record.Mode(), (TSize { Fixture::Width, Fixture::Height }));
  Int64 Pts = 0;
  EXPECT_EQ(SnapshotFrame(Pts), Opened) << "the snapshot is the picture on screen";
  EXPECT_EQ(Pts, Opened * 40000);

  // Half a second of real play: the position moves on and so do the pictures.
  const size_t Mark = Reports().size();
  Player.Resume();
  std::set<int> Shown;
  for (int I = 0; I < 25; ++I) {
    Serve(20);
    Shown.insert(Record.ShownFrame());
  }
  const auto Positions = Values(TReport::rkPosition, Mark);
  ASSERT_GE(Positions.size(), 5u);
  EXPECT_TRUE(MovesForward(Positions));
  EXPECT_GT(Positions.back(), 200000);
  EXPECT_LT(Positions.back(), 900000);
  EXPECT_GE(Shown.size(), 6u);

  // Pausing holds the picture and the position.
  Player.Pause();
  ASSERT_TRUE(Eventually([&] { return CountState(psPause) == 2; }, Patience));
  const int Held = StillFrame([&] { return Record.ShownFrame(); });
  const size_t Paused = Values(TReport::rkPosition).size();
  Serve(300);
  EXPECT_EQ(Record.ShownFrame(), Held);
  EXPECT_EQ(SnapshotFrame(Pts), Held);
  EXPECT_EQ(Values(TReport::rkPosition).size(), Paused);

  // A seek to 1.5 s shows the key frame it lands on (every 12th frame: 36 at 1.44 s) and stays paused.
  Player.Seek(1500000, {}, true);
  ASSERT_TRUE(Eventually([&] { return Record.ShownFrame() == 36; }, Patience)) << "frame " << Record.ShownFrame();
  EXPECT_EQ(SnapshotFrame(Pts), 36);
  EXPECT_EQ(Pts, 1440000);
  EXPECT_TRUE(Player.Paused());
  ASSERT_TRUE(Eventually([&] { return !Values(TReport::rkPosition).empty() && Values(TReport::rkPosition).back() == 1440000; }, Patience));

  // Playing on reaches the end, which is reported once.
  Player.Resume();
  ASSERT_TRUE(Eventually([&] { return CountState(psEnd) == 1; }, Patience));
  EXPECT_GE(Record.ShownFrame(), Fixture::FrameCount - 4) << "the last pictures were shown";
  Serve(300);
  EXPECT_EQ(CountState(psEnd), 1);

  // Rewound and paused at the end, as the preview does, the player holds near the start: pausing still
  // lets the pictures decoded by then be shown.
  Player.Seek(0, { sfAny });
  Player.Pause();
  ASSERT_TRUE(Eventually([&] { return CountState(psPause) == 3; }, Patience));
  const int Rewound = StillFrame([&] { return Record.ShownFrame(); });
  EXPECT_GE(Rewound, 0);
  EXPECT_LT(Rewound, 12);
  Serve(300);
  EXPECT_EQ(Record.ShownFrame(), Rewound);
  // Its time is the rewound picture's, also for the first picture, whose time is 0: not the end's.
  EXPECT_EQ(SnapshotFrame(Pts), Rewound);
  EXPECT_EQ(Pts, Rewound * 40000);
  EXPECT_TRUE(Eventually([&] { return Values(TReport::rkPosition).back() == Rewound * 40000; }, Patience))
      << "the position stayed at " << Values(TReport::rkPosition).back();

  Player.SetRepeatType(rtNone);
  Player.Stop(true);
  EXPECT_EQ(Player.RepeatType(), rtStop) << "per-file settings last one playback";
  EXPECT_EQ(States().back(), psStop);
  EXPECT_FALSE(Record.Bound()) << "the window paints itself again";
  EXPECT_EQ(Player.VideoStreamIndex(), -1);
}

TEST_F(PlayerTest, PlayingFromTheStartToTheEndShowsEveryPictureOnceInOrder) {
  std::vector<int> ShownAtTheEnd;
  Player.OnState = [&](TObject*, TPlayState AState) {
    if (AState == psEnd) ShownAtTheEnd = Record.ShownFrames();
    Add(TReport::rkState, AState);
  };
  // The first picture takes long to be ready, as that of a big picture size does: no picture is late for it.
  std::atomic<int> Hooked { 0 };
  Player.SetHook(true);
  Player.OnHook = [&](TObject*, TBitmap*, Int64) {
    if (Hooked++ == 0) std::this_thread::sleep_for(std::chrono::milliseconds(200));
  };
  // A machine busy with other work makes a real-time player drop late pictures, as it should; what is
  // checked here is that none is lost at the start or at the end.
  Player.framedrop = 0;
  std::vector<int> Expected(Fixture::FrameCount);
  std::iota(Expected.begin(), Expected.end(), 0);
  int Ends = 0;
  for (const String& Clip : { MediaFixtures().ClipAVI, MediaFixtures().ReorderedMP4, MediaFixtures().ClipMKV }) {
    SCOPED_TRACE(Clip);
    Hooked = 0;
    ASSERT_TRUE(Player.Open(Clip, Window, false)) << Player.LastErrMsg();
    ASSERT_TRUE(Eventually([&] { return CountState(psEnd) == Ends + 1; }, Patience));
    ++Ends;
    // Pictures shown after the end was reported would come too late for a player that closes at the end.
    EXPECT_EQ(Text(ShownAtTheEnd), Text(Expected));
  }
}

TEST_F(PlayerTest, SoundOnlyFilePlaysWithTheWaveAndEndsOnce) {
  ASSERT_TRUE(Player.Open(MediaFixtures().AudioMP3, Window, false)) << Player.LastErrMsg();
  EXPECT_EQ(Player.VideoStreamIndex(), -1);
  EXPECT_EQ(Player.AudioStreamIndex(), 0);
  EXPECT_EQ(Player.ShowAudio(), saWave);

  ASSERT_TRUE(Eventually([&] { return ShowsStereoWave(); }, Patience));

  ASSERT_TRUE(Eventually([&] { return CountState(psEnd) == 1; }, Patience));
  const auto Positions = Values(TReport::rkPosition);
  ASSERT_FALSE(Positions.empty());
  EXPECT_TRUE(MovesForward(Positions));
  EXPECT_GE(Positions.back(), 900000);
  Serve(300);
  EXPECT_EQ(CountState(psEnd), 1) << "the end of a sound-only file is reported once";
}

// Media that other producers wrote: streams made while the stream information is read, a sound stream that
// appears only near the end (reached by a seek), a cover picture beside the sound, an odd picture size.
TEST_F(PlayerTest, FilesFromOtherProducersPlayToTheirEnd) {
  const struct {
    String File;
    Int64 Start;  // where playing starts, microseconds
  } Cases[] { { MediaFixtures().ProducedFLV, 0 },
              { MediaFixtures().LateSoundFLV, 7000000 },
              { MediaFixtures().CoverArtMP3, 0 },
              { MediaFixtures().OddSizeMP4, 0 } };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.File);
    const size_t From = Reports().size();
    ASSERT_TRUE(Player.Open(Case.File, Window, Case.Start > 0)) << Player.LastErrMsg();
    if (Case.Start > 0) {
      Player.Seek(Case.Start, {}, true);
      Player.Resume();
    }
    EXPECT_TRUE(Eventually([&] { return std::ranges::count(States(From), Int64(psEnd)) == 1; }, Patience));
    Player.Stop(true);
  }
}

// The AVI's packets carry no presentation time and the last pictures the decoder gives up carry none at all:
// they follow the pictures before them instead of sending the position back to the start.
TEST_F(PlayerTest, PicturesWithoutATimeKeepThePositionMovingForward) {
  ASSERT_TRUE(Player.Open(MediaFixtures().BFramesAVI, Window, false)) << Player.LastErrMsg();
  ASSERT_TRUE(Eventually([&] { return CountState(psEnd) == 1; }, Patience));
  const auto Positions = Values(TReport::rkPosition);
  EXPECT_TRUE(MovesForward(Positions));
  ASSERT_FALSE(Positions.empty());
  EXPECT_GE(Positions.back(), 1900000);
}

// Without a sound device (a server, a container, a desktop whose sound server is not running) files with
// sound play without it, on a clock of the player's own: position, wave and end as with a device, and the
// log says once that there is no device. The test's own dummy sound driver is taken away for this.
TEST_F(PlayerTest, WithoutASoundDeviceFilesPlaySilentlyOnTheirOwnClock) {
  TLogRecorder Log(llWarning);
  const TUnsetVariable NoDummyDriver("SDL_AUDIODRIVER");
  int Ends = 0;
  for (const String& File : { MediaFixtures().AudioMP3, MediaFixtures().ClipAVI }) {
    SCOPED_TRACE(File);
    const size_t From = Reports().size();
    ASSERT_TRUE(Player.Open(File, Window, false)) << Player.LastErrMsg();
    const auto Logged = Log.From(&Player);
    const bool NoDevice = std::ranges::any_of(Logged, [](const TLogRecorder::TEvent& AEvent) {
      return AEvent.Text.starts_with("no sound device, playing without sound");
    });
    if (!NoDevice) GTEST_SKIP() << "this machine has a sound device";
    EXPECT_EQ(Player.AudioStreamIndex(), File == MediaFixtures().AudioMP3 ? 0 : 1);
    if (File == MediaFixtures().AudioMP3) EXPECT_TRUE(Eventually([&] { return ShowsStereoWave(); }, Patience));
    ASSERT_TRUE(Eventually([&] { return CountState(psEnd) == Ends + 1; }, Patience));
    ++Ends;
    const auto Positions = Values(TReport::rkPosition, From);
    EXPECT_TRUE(MovesForward(Positions));
    ASSERT_FALSE(Positions.empty());
    EXPECT_GE(Positions.back(), 900000);
    Player.Stop(true);
  }
  const auto Logged = Log.From(&Player);
  EXPECT_EQ(std::ranges::count_if(Logged, [](const TLogRecorder::TEvent& AEvent) {
              return AEvent.Text.starts_with("no sound device");
            }),
            1);
}

// Each switch of the sound stream closes one packet queue and opens another while the read thread fills
// them: it waits for the switch instead of putting packets into a queue being closed.
TEST_F(PlayerTest, SwitchingTheSoundStreamToAndFroWhilePlayingKeepsPlaying) {
  ASSERT_TRUE(Player.Open(MediaFixtures().TwoSoundsMKV, Window, false)) << Player.LastErrMsg();
  const int First = Player.AudioStreamIndex();
  ASSERT_TRUE(First == 1 || First == 2) << First;
  const int Second = 3 - First;
  ASSERT_TRUE(Eventually([&] { return !Values(TReport::rkPosition).empty(); }, Patience));
  const Int64 Before = Values(TReport::rkPosition).back();
  for (int I = 0; I < 100; ++I) {
    // The whole file is soon read: seeks back keep the read thread putting packets while the switches go on.
    if (I % 10 == 0) Player.Seek(Before, {}, false);
    const int Wanted = I % 2 == 0 ? Second : First;
    Player.SetAudioStreamIndex(Wanted);
    ASSERT_EQ(Player.AudioStreamIndex(), Wanted) << I;
  }
  Player.SetAudioStreamIndex(0);
  EXPECT_EQ(Player.LastErrMsg(), "the stream type is not matched.");
  EXPECT_EQ(Player.AudioStreamIndex(), First);
  EXPECT_EQ(Player.VideoStreamIndex(), 0);
  const size_t Mark = Reports().size();
  EXPECT_TRUE(Eventually([&] {
    const auto Positions = Values(TReport::rkPosition, Mark);
    return !Positions.empty() && Positions.back() >= Before + 200000;
  }, Patience)) << "the position keeps moving";
}

// Stepping shows the next picture and pauses again, once per call; the state reports the step once.
TEST_F(PlayerTest, EachStepShowsTheNextPictureAndStaysPaused) {
  ASSERT_TRUE(Player.Open(MediaFixtures().ClipAVI, Window, true)) << Player.LastErrMsg();
  int Shown = PausedFrame(1);
  ASSERT_GE(Shown, 0);
  for (int Step = 0; Step < 3; ++Step) {
    Player.StepToNextFrame();
    ASSERT_TRUE(Eventually([&] { return Record.ShownFrame() != Shown; }, Patience)) << Step;
    EXPECT_EQ(StillFrame([&] { return Record.ShownFrame(); }), Shown + 1) << Step;
    EXPECT_TRUE(Player.Paused());
    ++Shown;
  }
  EXPECT_EQ(CountState(psStep), 1);
}

// Turned upside down, the pictures keep their colours: the red patch of the bottom band shows at the top.
TEST_F(PlayerTest, AVerticalFlipShowsThePictureUpsideDown) {
  Player.OnFileOpen = [&](TObject*, Int64, int, int, int& AScreenWidth, int& AScreenHeight) {
    AScreenWidth = Record.Client.cx;
    AScreenHeight = Record.Client.cy;
  };
  Record.Client = { Fixture::Width, Fixture::Height };
  Player.SetVerticalFlip(true);
  ASSERT_TRUE(Player.Open(MediaFixtures().ClipAVI, Window, true)) << Player.LastErrMsg();
  ASSERT_GE(PausedFrame(1), 0);
  const Fixture::TRGB Red = Record.Pixel(40, 239 - (Fixture::PatchTop + 20));
  EXPECT_TRUE(Red.R > 200 && Red.G < 60 && Red.B < 60) << Red.R << " " << Red.G << " " << Red.B;
}

// Opened paused at a start time, the player shows the first two pictures from there (the key frame at 0.96 s
// and the next), with their positions.
TEST_F(PlayerTest, OpeningAtAStartTimeShowsThePicturesFromThere) {
  Player.start_time = 1000000;
  ASSERT_TRUE(Player.Open(MediaFixtures().ClipAVI, Window, true)) << Player.LastErrMsg();
  const int Shown = PausedFrame(1);
  EXPECT_GE(Shown, 25);
  EXPECT_LE(Shown, 27);
  Int64 Pts = 0;
  EXPECT_EQ(SnapshotFrame(Pts), Shown);
  EXPECT_EQ(Pts, Shown * 40000);
}

// A play-time limit with looping seeks back to the start once per loop, not once per position report.
TEST_F(PlayerTest, APlayTimeLimitWithLoopingSeeksBackOncePerLoop) {
  Player.SetPlayTime(400000);
  Player.SetRepeatType(rtLoop);
  ASSERT_TRUE(Player.Open(MediaFixtures().ClipAVI, Window, false)) << Player.LastErrMsg();
  // Three loops: three times the position falls back from the limit to the start.
  const auto Loops = [&] {
    const auto Positions = Values(TReport::rkPosition);
    int Falls = 0;
    for (size_t I = 1; I < Positions.size(); ++I)
      if (Positions[I] < Positions[I - 1] - 200000) ++Falls;
    return Falls;
  };
  ASSERT_TRUE(Eventually([&] { return Loops() >= 3; }, Patience));
  const auto Positions = Values(TReport::rkPosition);
  EXPECT_LE(*std::ranges::max_element(Positions), 400000 + 200000) << "the limit holds";
  EXPECT_EQ(CountState(psEnd), 0);
  // Between two falls the position climbs to the limit again.
  const auto Last = std::ranges::find_if(Positions.rbegin(), Positions.rend() - 1, [&](const Int64& APosition) {
    return APosition < *(&APosition - 1) - 200000;
  });
  ASSERT_NE(Last, Positions.rend() - 1);
  EXPECT_GE(*std::max_element(Positions.begin(), Last.base() - 1), 360000);
}

TEST_F(PlayerTest, UnplayableFilesFailOpenAndLeaveNoThread) {
  const String Garbage = MediaFixtures().Folder + "/garbage.avi";
  {
    std::ofstream Out(Garbage, std::ios::binary);
    for (int I = 0; I < 4096; ++I) Out.put(char((I * 7919 + 13) % 251));
  }
  const String Missing = MediaFixtures().Folder + "/missing.avi";
  // A pipe nobody writes to would block the open for good.
  const String Pipe = MediaFixtures().Folder + "/pipe-" + std::to_string(::getpid()) + ".avi";
  ASSERT_EQ(mkfifo(Pipe.c_str(), 0666), 0);
  const struct {
    String File;
    String Message;
  } Cases[] = {
    { Garbage, Garbage + ": Invalid data found when processing input" },
    { Missing, Missing + ": No such file or directory" },
    { Pipe, Pipe + ": Is a named pipe" },
  };
  const int Threads = ThreadCount();
  for (const auto& Case : Cases) {
    EXPECT_FALSE(Player.Open(Case.File, Window, false));
    EXPECT_EQ(Player.LastErrMsg(), Case.Message);
    EXPECT_LE(ThreadCount(), Threads) << "no thread of the attempt is left";
    EXPECT_FALSE(Record.Bound());
  }
  ::unlink(Pipe.c_str());
  Serve(50);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(PlayerTest, OpeningASecondFileStopsTheFirstWithoutAStaleStop) {
  ASSERT_TRUE(Player.Open(MediaFixtures().ClipAVI, Window, false)) << Player.LastErrMsg();
  ASSERT_TRUE(Eventually([&] { return !Values(TReport::rkPosition).empty(); }, Patience));
  ASSERT_TRUE(Player.Open(MediaFixtures().ClipMKV, Window, true)) << Player.LastErrMsg();
  ASSERT_TRUE(Eventually([&] { return CountState(psPause) == 1; }, Patience));
  Serve(200);

  const auto All = Reports();
  const auto SecondOpen = std::find_if(All.begin() + 1, All.end(), [](const TReport& R) { return R.Kind == TReport::rkFileOpen; });
  ASSERT_NE(SecondOpen, All.end());
  auto IsStop = [](const TReport& R) { return R.Kind == TReport::rkState && R.Value == psStop; };
  EXPECT_EQ(std::count_if(All.begin(), SecondOpen, IsStop), 1) << "the first file's stop comes before the second opens";
  EXPECT_EQ(std::count_if(SecondOpen, All.end(), IsStop), 0);
  const int Shown = PausedFrame(1);
  EXPECT_GE(Shown, 1);
  EXPECT_LE(Shown, 3);
}

TEST_F(PlayerTest, AStateHandlerCanStopButNotReopenThePlayer) {
  bool Reopened = true;
  Player.OnState = [&](TObject*, TPlayState AState) {
    Add(TReport::rkState, AState);
    if (AState != psPause) return;
    // The delivery of this report waits for the handler, so neither may wait for the delivery to end.
    Reopened = Player.Open(MediaFixtures().ClipMKV, Window, false);
    Player.Stop(true);
  };
  ASSERT_TRUE(Player.Open(MediaFixtures().ClipAVI, Window, true)) << Player.LastErrMsg();
  ASSERT_TRUE(Eventually([&] { return CountState(psStop) == 1; }, Patience));
  EXPECT_FALSE(Reopened);
  EXPECT_EQ(CountState(psPause), 1);
  EXPECT_EQ(States().back(), psStop);
  Player.Stop(true);
  EXPECT_FALSE(Record.Bound());
}

TEST_F(PlayerTest, HookDrawsOnThePicturesAndAFailingHookLeavesThemAlone) {
  TLogRecorder Log(llError);
  Player.SetHook(true);
  // A red square where the clip shows its grey background.
  static const auto PaintSquare = [](TBitmap* ABitmap) {
    for (int Y = 40; Y < 80; ++Y) {
      auto* Row = static_cast<uint8_t*>(ABitmap->ScanLine(Y));
      for (int X = 40; X < 80; ++X) {
        Row[X * 3] = 0;
        Row[X * 3 + 1] = 0;
        Row[X * 3 + 2] = 255;
      }
    }
  };
  Player.OnHook = [](TObject*, TBitmap* ABitmap, Int64) { PaintSquare(ABitmap); };
  ASSERT_TRUE(Player.Open(MediaFixtures().ClipAVI, Window, true)) << Player.LastErrMsg();
  ASSERT_GE(PausedFrame(1), 0);
  const Fixture::TRGB Drawn = Record.Pixel(60, 60);
  EXPECT_GT(Drawn.R, 200);
  EXPECT_LT(Drawn.G, 60);
  EXPECT_LT(Drawn.B, 60);

  Player.OnHook = [](TObject*, TBitmap* ABitmap, Int64) {
    PaintSquare(ABitmap);
    throw Exception("boom");
  };
  ASSERT_TRUE(Player.Open(MediaFixtures().ClipAVI, Window, true)) << Player.LastErrMsg();
  const int Shown = PausedFrame(2);
  ASSERT_GE(Shown, 0);
  const Fixture::TRGB Kept = Record.Pixel(60, 60), Original = Fixture::Pixel(Shown, 60, 60);
  EXPECT_NEAR(Kept.R, Original.R, 8);
  EXPECT_NEAR(Kept.G, Original.G, 8);
  EXPECT_NEAR(Kept.B, Original.B, 8);
  const auto Logged = Log.From(&Player);
  EXPECT_NE(std::ranges::find(Logged, TLogRecorder::TEvent { &Player, llError, "Error occurs OnHook: boom" }), Logged.end());
}

TEST_F(PlayerTest, RefusalsOfOpenAndFormat) {
  EXPECT_FALSE(Player.Open(MediaFixtures().ClipAVI, Window + 1, false));
  EXPECT_EQ(Player.LastErrMsg(), "Could not initialize SDL with ScreenHandle(8): not the test's window");
  EXPECT_THROW(Player.SetFormat("nosuch"), Exception);
  Player.SetFormat("avi");
  EXPECT_EQ(Player.Format(), "avi");

  FFLoader.Unload(lbSDL);
  EXPECT_FALSE(Player.Open(MediaFixtures().ClipAVI, Window, false));
  EXPECT_EQ(Player.LastErrMsg(), "libav or libsdl not loaded.");
  EXPECT_TRUE(Player.LoadAVLib(""));
}

TEST_F(PlayerTest, APictureNarrowerThanTheWindowLeavesTheBordersBesideItBlack) {
  // 320 x 240 in 210 x 135: the picture is 180 columns wide, a width the scaler does not write in whole
  // blocks, centred between black borders of 15 columns.
  Record.Client = { 210, 135 };
  ASSERT_TRUE(Player.Open(MediaFixtures().ClipAVI, Window, true)) << Player.LastErrMsg();
  ASSERT_TRUE(Eventually([&] { return CountState(psPause) == 1; }, Patience));
  Serve(150);
  ASSERT_EQ(Record.Mode(), (TSize { 210, 135 }));
  int Touched = 0;
  for (int Y = 0; Y < 135; ++Y)
    for (int X = 0; X < 210; ++X)
      if ((X < 15 || X >= 195) && !(Record.Pixel(X, Y) == Fixture::TRGB {})) ++Touched;
  EXPECT_EQ(Touched, 0) << "border pixels written";
  const Fixture::TRGB Patch = Record.Pixel(20, 130);
  EXPECT_TRUE(Patch.R > 240 && Patch.G < 16 && Patch.B < 16) << "the picture's red patch is there";
}

TEST_F(PlayerTest, ATurnedClipIsShownReportedAndSnappedAsItStands) {
  TSize Reported;
  // The screen answered is the window, sized to the shown picture: the picture fills it.
  Player.OnFileOpen = [&](TObject*, Int64, int AFrameWidth, int AFrameHeight, int& AScreenWidth, int& AScreenHeight) {
    Reported = { AFrameWidth, AFrameHeight };
    AScreenWidth = Record.Client.cx;
    AScreenHeight = Record.Client.cy;
  };
  int Pauses = 0;
  for (const TTurnedClip& Case : TurnedClips) {
    SCOPED_TRACE(Case.Name);
    const TSize Shown { Case.Width, Case.Height };
    Record.Client = Shown;
    ASSERT_TRUE(Player.Open(MediaFixtures().*Case.Clip, Window, true)) << Player.LastErrMsg();
    ASSERT_TRUE(Eventually([&] { return CountState(psPause) == Pauses + 1; }, Patience));
    ++Pauses;
    Serve(150);
    EXPECT_EQ(Reported, Shown);
    ASSERT_EQ(Record.Mode(), Shown);
    const auto OnScreen = [&](int X, int Y) { return Record.Pixel(X, Y); };
    ExpectColourAt(OnScreen, Case.Red, { 255, 0, 0 });
    ExpectColourAt(OnScreen, Case.White, { 255, 255, 255 });
    Int64 Pts = 0;
    TBitmap& Snapshot = *Player.CurrentFrame(Pts);
    ASSERT_EQ((TSize { Snapshot.Width(), Snapshot.Height() }), Shown);
    const auto Snapped = [&](int X, int Y) {
      const auto* Row = static_cast<const uint8_t*>(Snapshot.ScanLine(Y));
      return Fixture::TRGB { Row[X * 3 + 2], Row[X * 3 + 1], Row[X * 3] };
    };
    ExpectColourAt(Snapped, Case.Red, { 255, 0, 0 });
    ExpectColourAt(Snapped, Case.White, { 255, 255, 255 });
  }
}
