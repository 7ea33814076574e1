#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/FFmpegLogger.h"
#include "engine/libav/MyUtils.h"
#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"

namespace {

const char* ItemName(void*) { return "probe"; }
const AVClass ProbeClass = [] {
  AVClass Class {};
  Class.class_name = "TestProbe";
  Class.item_name = ItemName;
  Class.version = LIBAVUTIL_VERSION_INT;
  return Class;
}();
// An object FFmpeg can log for: its first member is its class.
struct TLoggingObject {
  const AVClass* Class { &ProbeClass };
} LoggingObject;

struct TEvent {
  TObject* Sender;
  Cardinal ThreadID;
  TLogLevel Level;
  String Text;
  bool OnMainThread;
};

// The process's logger with FFmpeg's callback installed and every event recorded; the logger's settings
// are put back afterwards.
class LoggerTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    String Error;
    ASSERT_TRUE(LoadAVLib("", TranscoderLibraries, Error)) << Error;
  }
  void SetUp() override {
    Logger = GlobalLogger();
    Logger->SetLogLevel(llDebug);
    Logger->SetTriggerEventInMainThread(false);
    Logger->OnLog = [this](TObject* Sender, Cardinal ThreadID, TLogLevel Level, const String& Text) {
      std::lock_guard Lock(EventsLock);
      Events.push_back({ Sender, ThreadID, Level, Text, IsMainThread() });
    };
  }
  void TearDown() override {
    Logger->OnLog = nullptr;
    Logger->SetTriggerEventInMainThread(true);
    Logger->SetLogLevel(llInfo);
  }
  std::vector<String> Texts() {
    std::lock_guard Lock(EventsLock);
    std::vector<String> Result;
    for (const TEvent& Event : Events) Result.push_back(Event.Text);
    return Result;
  }

  TFFLogger* Logger { nullptr };
  std::mutex EventsLock;
  std::vector<TEvent> Events;
};

}  // namespace

TEST(LogLevelTest, FFmpegLevelsMapToLogLevels) {
  const std::pair<int, TLogLevel> Levels[] = {
    { -16, llQuiet }, { -8, llQuiet },  { -7, llPanic },   { -1, llPanic },   { 0, llPanic },    { 7, llPanic },
    { 8, llFatal },   { 15, llFatal },  { 16, llError },   { 24, llWarning }, { 32, llInfo },    { 40, llVerbose },
    { 47, llVerbose }, { 48, llDebug }, { 56, llDebug },
  };
  for (const auto& [AVLevel, Level] : Levels) EXPECT_EQ(AVToLogLevel(AVLevel), Level) << AVLevel;
  for (TLogLevel Level : { llQuiet, llPanic, llFatal, llError, llWarning, llInfo, llVerbose, llDebug })
    EXPECT_EQ(AVToLogLevel(LogLevelToAV(Level)), Level);
}

TEST_F(LoggerTest, MessagesPassByLevelAndVerbosePassesAllButQuiet) {
  const struct {
    TLogLevel Setting, Message;
    bool Passes;
  } Cases[] = {
    { llWarning, llInfo, false },  { llWarning, llWarning, true }, { llWarning, llError, true },
    { llWarning, llVerbose, true }, { llWarning, llQuiet, true },  { llWarning, llDebug, false },
    { llQuiet, llQuiet, true },    { llQuiet, llPanic, false },    { llQuiet, llVerbose, false },
    { llDebug, llDebug, true },    { llInfo, llVerbose, true },
  };
  for (const auto& Case : Cases) {
    Events.clear();
    Logger->SetLogLevel(Case.Setting);
    Logger->Log(Logger, Case.Message, "message");
    EXPECT_EQ(Events.size(), Case.Passes ? 1u : 0u) << Case.Setting << " " << Case.Message;
  }
  Events.clear();
  Logger->SetLogLevel(llInfo);
  Logger->Log(Logger, llError, "%s: %d files", "batch", 3);
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_EQ(Events[0].Text, "batch: 3 files");
  EXPECT_EQ(Events[0].Level, llError);
  EXPECT_EQ(Events[0].ThreadID, GetCurrentThreadId());
}

TEST_F(LoggerTest, TheLevelReachesFFmpegAndFiltersItsLines) {
  Logger->SetLogLevel(llQuiet);
  EXPECT_EQ(CurrentAVLogLevel(), -8);
  EXPECT_EQ(LibAVUtil.av_log_get_level(), -8);
  LibAVUtil.av_log(&LoggingObject, AV_LOG_PANIC, "dropped\n");
  EXPECT_TRUE(Events.empty());

  Logger->SetLogLevel(llWarning);
  EXPECT_EQ(CurrentAVLogLevel(), 24);
  LibAVUtil.av_log(&LoggingObject, AV_LOG_INFO, "dropped\n");
  LibAVUtil.av_log(&LoggingObject, AV_LOG_ERROR, "kept\n");
  LibAVUtil.av_log(&LoggingObject, AV_LOG_TRACE, "dropped\n");
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_TRUE(Events[0].Text.starts_with("[probe @ ") && Events[0].Text.ends_with("]kept")) << Events[0].Text;
  EXPECT_EQ(Events[0].Level, llError);
  EXPECT_EQ(Events[0].Sender, Logger);
}

TEST_F(LoggerTest, FFmpegTextIsAssembledIntoLinesWithThePrefixOnTheFirstPiece) {
  LibAVUtil.av_log(&LoggingObject, AV_LOG_INFO, "abc");
  EXPECT_TRUE(Events.empty());
  LibAVUtil.av_log(&LoggingObject, AV_LOG_INFO, "%s\n%s", "def", "xyz");
  LibAVUtil.av_log(nullptr, AV_LOG_INFO, "\n");
  LibAVUtil.av_log(nullptr, AV_LOG_INFO, "no object\nfirst\nsecond\n");
  const std::vector<String> Lines = Texts();
  ASSERT_EQ(Lines.size(), 5u);
  EXPECT_TRUE(Lines[0].starts_with("[probe @ 0x")) << Lines[0];
  EXPECT_TRUE(Lines[0].ends_with("]abcdef")) << Lines[0];
  EXPECT_EQ(Lines[1], "xyz");
  EXPECT_EQ(Lines[2], "no object");
  EXPECT_EQ(Lines[3], "first");
  EXPECT_EQ(Lines[4], "second");
}

TEST_F(LoggerTest, EachThreadKeepsItsOwnUnfinishedLine) {
  std::atomic<int> Step { 0 };
  const auto Writer = [&](const char* AName, int AMyTurn) {
    while (Step.load() != AMyTurn) std::this_thread::yield();
    LibAVUtil.av_log(nullptr, AV_LOG_INFO, "%s-start ", AName);
    Step.store(AMyTurn + 1);
    while (Step.load() != AMyTurn + 2) std::this_thread::yield();
    LibAVUtil.av_log(nullptr, AV_LOG_INFO, "%s-end\n", AName);
    Step.store(AMyTurn + 3);
  };
  // One: start, two: start, one: end, two: end.
  std::thread One([&] { Writer("one", 0); });
  std::thread Two([&] {
    while (Step.load() != 1) std::this_thread::yield();
    LibAVUtil.av_log(nullptr, AV_LOG_INFO, "two-start ");
    Step.store(2);
    while (Step.load() != 3) std::this_thread::yield();
    LibAVUtil.av_log(nullptr, AV_LOG_INFO, "two-end\n");
  });
  One.join();
  Two.join();
  std::vector<String> Lines = Texts();
  std::sort(Lines.begin(), Lines.end());
  EXPECT_EQ(Lines, (std::vector<String> { "one-start one-end", "two-start two-end" }));
  EXPECT_NE(Events[0].ThreadID, Events[1].ThreadID);
}

TEST_F(LoggerTest, AnOverlongMessageIsCutAt2047BytesAndStillEndsItsLine) {
  const String Long(3000, 'x');
  LibAVUtil.av_log(nullptr, AV_LOG_INFO, "%s\n", Long.c_str());
  LibAVUtil.av_log(nullptr, AV_LOG_INFO, "next\n");
  LibAVUtil.av_log(&LoggingObject, AV_LOG_INFO, "%s", Long.c_str());
  LibAVUtil.av_log(nullptr, AV_LOG_INFO, "!\n");
  const std::vector<String> Lines = Texts();
  ASSERT_EQ(Lines.size(), 3u);
  EXPECT_EQ(Lines[0], String(2047, 'x'));
  EXPECT_EQ(Lines[1], "next");
  EXPECT_EQ(Lines[2].size(), 2048u);  // 2047 bytes with the prefix, then the next piece
  EXPECT_TRUE(Lines[2].starts_with("[probe @ ") && Lines[2].ends_with("x!")) << Lines[2].substr(0, 40);
}

TEST_F(LoggerTest, LevelWordsAndNumbersSetTheLevel) {
  const std::pair<const char*, TLogLevel> Values[] = {
    { "Verbose", llVerbose }, { "QUIET", llQuiet }, { "warning", llWarning }, { "20", llError },
    { "-1", llPanic },        { "48", llDebug },    { "info", llInfo },
  };
  for (const auto& [Text, Level] : Values) {
    Logger->OptLogLevel(Text);
    EXPECT_EQ(Logger->LogLevel(), Level) << Text;
  }
  EXPECT_THROW(Logger->OptLogLevel("abc"), EConvertError);
  EXPECT_EQ(Logger->LogLevel(), llInfo);
}

// A worker never waits for a busy user-interface thread: its lines wait for it instead and arrive there
// in order. A handler's exception leaves the serving call; the lines after it still arrive.
TEST_F(LoggerTest, LinesOfOtherThreadsReachTheUIThreadInOrderWithoutTheirThreadsWaiting) {
  Logger->SetTriggerEventInMainThread(true);
  Logger->OnLog = [&](TObject*, Cardinal ThreadID, TLogLevel, const String& Text) {
    std::lock_guard Lock(EventsLock);
    Events.push_back({ nullptr, ThreadID, llInfo, Text, IsMainThread() });
    if (Text == "fail") throw Exception("handler failed");
  };
  const auto Work = [&](const String& AName) {
    Logger->Log(nullptr, llError, AName + " 1");
    LibAVUtil.av_log(nullptr, AV_LOG_ERROR, "%s 2\n", AName.c_str());
  };
  std::thread First([&] {
    Work("first");
    Logger->Log(nullptr, llError, "fail");
  });
  First.join();
  std::thread Second([&] { Work("second"); });
  Second.join();
  EXPECT_TRUE(Events.empty()) << "the workers ended before the user-interface thread served them";

  String ServingError;
  for (int Served = 0; Served < 100 && Events.size() < 5; ++Served) try {
      CheckSynchronize(10);
    } catch (const Exception& E) {
      ServingError = E.Message;
    }
  EXPECT_EQ(Texts(), (std::vector<String> { "first 1", "first 2", "fail", "second 1", "second 2" }));
  for (const TEvent& Event : Events) {
    EXPECT_TRUE(Event.OnMainThread) << Event.Text;
    EXPECT_NE(Event.ThreadID, GetCurrentThreadId()) << Event.Text;
  }
  EXPECT_EQ(ServingError, "handler failed");
}

// A line logged while nobody listens is gone: a handler assigned later never sees it.
TEST_F(LoggerTest, LinesLoggedWithoutAHandlerAreDropped) {
  Logger->SetTriggerEventInMainThread(true);
  Logger->OnLog = nullptr;
  std::thread Worker([&] { Logger->Log(nullptr, llError, "unheard"); });
  Worker.join();
  Logger->OnLog = [&](TObject*, Cardinal, TLogLevel, const String& Text) {
    std::lock_guard Lock(EventsLock);
    Events.push_back({ nullptr, 0, llInfo, Text, IsMainThread() });
  };
  std::thread Later([&] { Logger->Log(nullptr, llError, "heard"); });
  Later.join();
  for (int Served = 0; Served < 100 && Texts().empty(); ++Served) CheckSynchronize(10);
  EXPECT_EQ(Texts(), std::vector<String> { "heard" });
}

TEST_F(LoggerTest, AWorkerLoggingUnderTheCodecLockDoesNotStallTheUIThreadTakingIt) {
  Logger->SetTriggerEventInMainThread(true);
  std::atomic<bool> Holding { false };
  std::thread Worker([&] {
    CodecLock.Enter();
    Holding.store(true);
    Logger->Log(nullptr, llInfo, "opening a codec");
    CodecLock.Leave();
  });
  while (!Holding.load()) std::this_thread::yield();
  EnterServing(CodecLock);
  CodecLock.Leave();
  Worker.join();
  // The line waits for the user-interface thread's next serving, which the wait for the lock may not
  // have needed.
  CheckSynchronize(0);
  EXPECT_EQ(Texts(), std::vector<String> { "opening a codec" });
}

TEST_F(LoggerTest, OnTheUIThreadTheHandlerRunsAtOnce) {
  Logger->SetTriggerEventInMainThread(true);
  Logger->Log(nullptr, llInfo, "direct");
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_TRUE(Events[0].OnMainThread);
}

TEST_F(LoggerTest, WithoutHandOverTheHandlerRunsOnTheLoggingThread) {
  std::thread Worker([&] { Logger->Log(nullptr, llError, "direct"); });
  Worker.join();
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_FALSE(Events[0].OnMainThread);
}

TEST_F(LoggerTest, OnlyOneLoggerExistsAtATime) {
  try {
    TFFLogger Second(nullptr);
    ADD_FAILURE() << "a second logger was created";
  } catch (const EAssertionFailed& E) {
    EXPECT_EQ(E.Message, "Allow creating only one instance of TFFLogger.");
  }
  EXPECT_EQ(GlobalLogger(), Logger);

  Logger->OnLog = nullptr;
  delete Logger;
  {
    TFFLogger Own(nullptr);
    EXPECT_EQ(GlobalLogger(), &Own);
    EXPECT_EQ(Own.LogLevel(), AVToLogLevel(CurrentAVLogLevel()));
  }
  Logger = GlobalLogger();
  EXPECT_NE(Logger, nullptr);
}
