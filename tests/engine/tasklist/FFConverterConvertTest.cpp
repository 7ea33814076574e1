// The task-list component running real conversions of the generated clips.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

#include "engine/tasklist/FFConverter.h"
#include "platform/base/MainThread.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/Ui.h"
#include "tests/engine/TaskTesting.h"

namespace {

class FFConverterConvertTest : public TTaskTest {
protected:
  /// Adds a task converting AInput to AOutput (in the scratch folder) with the given video codec.
  void AddJob(const String& AInput, const String& AOutput, const String& AVideoCodec = "mpeg4") {
    TInputOptions Input;
    InitInputOptions(Input);
    const int Index = Converter->AddTask(AInput, &Input);
    ASSERT_GE(Index, 0) << Converter->LastErrMsg();
    TOutputOptions Output;
    InitOutputOptions(Output);
    Output.VideoCodec = AVideoCodec;
    Output.AudioCodec = "mp2";
    ASSERT_TRUE(Converter->SetOutputFile(Index, Folder.Path(AOutput), &Output)) << Converter->LastErrMsg();
  }
  /// Records every end report; the whole run's end is index -1.
  void RecordEnds() {
    Converter->OnTerminate = [this](TObject*, const TTerminateInfo& AInfo) {
      std::lock_guard Lock(EndsLock);
      Ends.push_back(AInfo);
      WakeWaiters();
    };
  }
  bool WaitForEnds(size_t ACount) {
    return WaitServing([&] {
      std::lock_guard Lock(EndsLock);
      return Ends.size() >= ACount;
    }, 60000);
  }
  /// The end report of task AIndex.
  TTerminateInfo EndOf(int AIndex) {
    std::lock_guard Lock(EndsLock);
    for (const TTerminateInfo& End : Ends)
      if (End.TaskIndex == AIndex) return End;
    ADD_FAILURE() << "no end of task " << AIndex;
    return {};
  }

  std::mutex EndsLock;
  std::vector<TTerminateInfo> Ends;
  /// The preview tests' screen; it outlives the converter, whose threads wake it until they are joined.
  std::optional<HeadlessPresenter> Screen;
  std::unique_ptr<TFFConverter> Converter { std::make_unique<TFFConverter>(nullptr) };
};

/// The preview windows open now.
std::vector<HWND> PreviewWindows() {
  std::vector<HWND> Found;
  EnumWindows([&](HWND AWnd) {
    if (GetClassName(AWnd) == "TPreviewForm" && IsWindowVisible(AWnd)) Found.push_back(AWnd);
    return true;
  });
  return Found;
}

}  // namespace

TEST_F(FFConverterConvertTest, ThreeClipsTwoAtATimeAndAFailingOne) {
  AddJob(Media().ClipAVI, "0.avi");
  AddJob(Media().ClipMKV, "1.avi");
  AddJob(Media().ClipMP4, "2.avi");
  AddJob(Media().ClipAVI, "3.avi", "h263");  // 320 x 240 is no size the H.263 encoder takes
  Converter->SetProgressInterval(100);
  std::map<int, std::vector<TProgressInfo>> Progress;
  bool AllOnTheUserInterfaceThread = true;
  Converter->OnProgress = [&](TObject*, PProgressInfo AInfo) {
    AllOnTheUserInterfaceThread = AllOnTheUserInterfaceThread && IsMainThread();
    Progress[AInfo->TaskIndex].push_back(*AInfo);
  };
  RecordEnds();
  Converter->Start(2);
  ASSERT_TRUE(WaitForEnds(5));
  EXPECT_TRUE(AllOnTheUserInterfaceThread);
  for (int Task = 0; Task < 3; ++Task) {
    SCOPED_TRACE(Task);
    const TTerminateInfo End = EndOf(Task);
    EXPECT_TRUE(End.Finished);
    EXPECT_FALSE(End.Exception) << End.ExceptionMsg;
    // Reports come in order, the last one at the end of the output.
    const std::vector<TProgressInfo>& Reports = Progress[Task];
    ASSERT_FALSE(Reports.empty());
    for (size_t I = 1; I < Reports.size(); ++I) EXPECT_GE(Reports[I].CurrentDuration, Reports[I - 1].CurrentDuration);
    EXPECT_NEAR(double(Reports.back().TotalDuration), 2000000.0, 50000.0);  // the input's own length
    EXPECT_GE(Reports.back().CurrentDuration * 100 / Reports.back().TotalDuration, 95);

    TAVProbe Probe(nullptr);
    ASSERT_TRUE(Probe.LoadFile(Folder.Path(IntToStr(Task) + ".avi"))) << Probe.LastErrMsg();
    EXPECT_TRUE(Probe.FirstVideoStreamInfo().CodecName.starts_with("mpeg4(")) << Probe.FirstVideoStreamInfo().CodecName;
    EXPECT_EQ(Probe.FirstVideoStreamInfo().Width, Fixture::Width);
    EXPECT_TRUE(Probe.FirstAudioStreamInfo().CodecName.starts_with("mp2(")) << Probe.FirstAudioStreamInfo().CodecName;
    EXPECT_NEAR(double(Probe.FileStreamInfo().Duration), 2000000.0, 100000.0);
  }
  const TTerminateInfo Failed = EndOf(3);
  EXPECT_TRUE(Failed.Exception);
  EXPECT_FALSE(Failed.Finished);
  EXPECT_FALSE(Failed.ExceptionMsg.empty());
  EXPECT_TRUE(EndOf(-1).Finished);
  EXPECT_TRUE(Converter->Terminated());
  Converter->ClearTasks();
  EXPECT_FALSE(Converter->Working());
}

TEST_F(FFConverterConvertTest, PreviewWindowsComeAndGoWithThePreviewSwitch) {
  Screen.emplace();
  AddJob(Media().ClipAVI, "0.avi");
  AddJob(Media().ClipMKV, "1.avi");
  RecordEnds();
  Converter->SetPreview(true);
  Converter->Start(2);
  // The first picture of each task opens its window. On a busy machine the first task may be done, and its
  // window gone, before the second shows its first picture, so the windows are counted as they come.
  std::set<HWND> Seen;
  ASSERT_TRUE(WaitServing([&] {
    for (HWND Window : PreviewWindows()) Seen.insert(Window);
    return Seen.size() == 2;
  }, 20000));
  Converter->Pause();
  const std::vector<HWND> Windows(Seen.begin(), Seen.end());
  Converter->SetPreview(false);
  // A window whose picture is being handed over goes once that picture was shown.
  EXPECT_TRUE(WaitServing([&] { return std::ranges::none_of(Windows, [](HWND AWnd) { return IsWindow(AWnd); }); }, 20000));
  Converter->Resume();
  ASSERT_TRUE(WaitForEnds(3));
  EXPECT_TRUE(PreviewWindows().empty());
  EXPECT_TRUE(EndOf(0).Finished);
  EXPECT_TRUE(EndOf(1).Finished);
}

TEST_F(FFConverterConvertTest, AClosedPreviewStopsPreviewingAndTheConversionGoesOn) {
  Screen.emplace();
  AddJob(Media().ClipAVI, "0.avi");
  RecordEnds();
  Converter->SetPreview(true);
  Converter->Start(1);
  ASSERT_TRUE(WaitServing([] { return PreviewWindows().size() == 1; }, 20000));
  Converter->Pause();
  Screen->RequestClose(PreviewWindows().front());
  Screen->PumpUntilIdle();
  EXPECT_TRUE(PreviewWindows().empty());
  Converter->Resume();
  ASSERT_TRUE(WaitForEnds(2));
  EXPECT_TRUE(PreviewWindows().empty());  // no window came back for that task
  EXPECT_TRUE(EndOf(0).Finished);
}

TEST_F(FFConverterConvertTest, PreviewPicturesAndTheCustomHook) {
  Screen.emplace();
  AddJob(Media().ClipAVI, "0.avi");
  ASSERT_TRUE(Converter->SetOutputFile(0, Folder.Path("hooked.avi"), "Hook=1<CRLF>vcodec=mpeg4<CRLF>acodec=mp2"))
      << Converter->LastErrMsg();
  RecordEnds();
  // With both outlets on, pictures go to the event and no window opens.
  Converter->SetPreview(true);
  Converter->SetPreviewBitmap(true);
  int Previews = 0;
  Converter->OnPreviewBitmap = [&](TObject*, const TPreviewInfo& AInfo) {
    EXPECT_TRUE(IsMainThread());
    EXPECT_EQ(AInfo.TaskIndex, 0);
    EXPECT_EQ(AInfo.Bitmap->Width(), Fixture::Width);
    EXPECT_TRUE(PreviewWindows().empty());
    ++Previews;
  };
  std::atomic<int> Hooked { 0 };
  std::atomic<bool> HookedOnWorkerWithCanvasLocked { true };
  Converter->OnCustomHook = [&](TObject*, PHookInfo AInfo) {
    HookedOnWorkerWithCanvasLocked = HookedOnWorkerWithCanvasLocked && !IsMainThread() && AInfo->Bitmap->Canvas()->LockCount() > 0 &&
                                     AInfo->TaskIndex == 0 && AInfo->Update;
    ++Hooked;
    AInfo->Update = false;
    AInfo->StopHook = Hooked == 3;  // no more pictures after the third
  };
  Converter->Start(1);
  ASSERT_TRUE(WaitForEnds(2));
  EXPECT_TRUE(EndOf(0).Finished) << EndOf(0).ExceptionMsg;
  EXPECT_GT(Previews, 0);
  EXPECT_EQ(Hooked, 3);
  EXPECT_TRUE(HookedOnWorkerWithCanvasLocked);
}

TEST_F(FFConverterConvertTest, DestroyingTheComponentDuringARunEndsEveryTaskFirst) {
  for (int I = 0; I < 3; ++I) AddJob(Media().ClipAVI, IntToStr(I) + ".avi");
  std::atomic<bool> Reported { false };
  Converter->SetProgressInterval(100);
  Converter->OnProgress = [&](TObject*, PProgressInfo) { Reported = true; };
  RecordEnds();
  Converter->Start(2);
  ASSERT_TRUE(WaitServing([&] { return Reported.load(); }, 20000));
  Converter.reset();
  std::lock_guard Lock(EndsLock);
  EXPECT_EQ(Ends.size(), 4u);  // every end was delivered before the component went
}
