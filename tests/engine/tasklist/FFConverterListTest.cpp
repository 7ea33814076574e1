#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "engine/tasklist/FFConverter.h"
#include "engine/tasklist/OptionTranslation.h"
#include "engine/tasklist/TOutputOptionsTranslation.h"
#include "platform/base/DateUtils.h"
#include "platform/base/Exception.h"
#include "tests/engine/TaskTesting.h"

namespace fs = std::filesystem;

namespace {

class FFConverterListTest : public TTaskTest {
protected:
  int AddClip() {
    const int Index = Converter.AddTask(Media().ClipAVI);
    EXPECT_GE(Index, 0) << Converter.LastErrMsg();
    return Index;
  }

  TFFConverter Converter { nullptr };
};

}  // namespace

TEST_F(FFConverterListTest, AddTaskOpensTheInputAndSharesItWithTheTasksProbe) {
  TInputOptions Options;
  Options.Tag = 7;
  EXPECT_EQ(Converter.AddTask(Media().ClipAVI, &Options), 0);
  EXPECT_EQ(Options.FileName, Media().ClipAVI);  // filled in, in the caller's record
  TAVProbe* Probe = Converter.AVProbes(0, 0);
  ASSERT_NE(Probe, nullptr);
  EXPECT_EQ(Probe->VideoStreamCount(), 1);
  EXPECT_EQ(Probe->AudioStreamCount(), 1);
  EXPECT_EQ(Converter.AVProbes(0, 1), nullptr);

  const String Missing = Folder.Path("missing.avi");
  EXPECT_EQ(Converter.AddTask(Missing), -1);
  EXPECT_EQ(Converter.LastErrMsg(), Missing + ": No such file or directory");
  EXPECT_EQ(Converter.TasksCount(), 1);
  EXPECT_EQ(Converter.AddTask(Media().ClipAVI, "f=nosuchformat"), -1);
  EXPECT_EQ(Converter.LastErrMsg(), "Unknown input format: \"nosuchformat\"");
  EXPECT_EQ(Converter.TasksCount(), 1);
}

TEST_F(FFConverterListTest, InputsAndOutputsUpToTheTasksLimit) {
  Converter.SetCustomMaxFiles(2);
  AddClip();
  EXPECT_TRUE(Converter.AddInputFile(0, Media().ClipMKV));
  EXPECT_NE(Converter.AVProbes(0, 1), nullptr);
  EXPECT_FALSE(Converter.AddInputFile(0, Media().ClipMP4));
  EXPECT_EQ(Converter.LastErrMsg(), "max input files 2 reached");
  EXPECT_TRUE(Converter.SetOutputFile(0, Folder.Path("a.avi")));
  EXPECT_TRUE(Converter.SetOutputFile(0, Folder.Path("b.avi"), "vcodec=mpeg4"));
  EXPECT_FALSE(Converter.SetOutputFile(0, Folder.Path("c.avi")));
  EXPECT_EQ(Converter.LastErrMsg(), "max output files 2 reached");
  EXPECT_THROW(Converter.AddInputFile(1, Media().ClipAVI), EListError);
}

TEST_F(FFConverterListTest, ARefusedOptionFailsTheOutputAndKeepsTheTask) {
  AddClip();
  TOutputOptions Options;
  Options.VideoTag = "DX5";
  EXPECT_FALSE(Converter.SetOutputFile(0, Folder.Path("out.avi"), &Options));
  EXPECT_EQ(Converter.LastErrMsg().substr(0, 34), "video tag parameter must be 4 char");
  EXPECT_FALSE(Converter.SetOutputFile(0, Folder.Path("no/such/folder/out.avi")));
  EXPECT_NE(Converter.LastErrMsg().find("No such file or directory"), String::npos) << Converter.LastErrMsg();
  EXPECT_EQ(Converter.TasksCount(), 1);
  EXPECT_TRUE(Converter.SetOutputFile(0, Folder.Path("out.avi")));
}

TEST_F(FFConverterListTest, RemovingAndExchangingTasksMovesTheirIndexes) {
  AddClip();
  ASSERT_EQ(Converter.AddTask(Media().ClipMKV), 1);
  ASSERT_EQ(Converter.AddTask(Media().ClipMP4), 2);
  Converter.RemoveTask(0);
  EXPECT_EQ(Converter.TasksCount(), 2);
  EXPECT_EQ(Converter.AVProbes(0, 0)->FileName(), Media().ClipMKV);
  Converter.Exchange(0, 1);
  EXPECT_EQ(Converter.AVProbes(0, 0)->FileName(), Media().ClipMP4);
  try {
    Converter.RemoveTask(2);
    ADD_FAILURE();
  } catch (const EListError& E) {
    EXPECT_EQ(E.Message, "List index out of bounds (2)");
  }
}

TEST_F(FFConverterListTest, AddingThenRemovingAJobLeavesTheDiskAsItWas) {
  const String Existing = Folder.Path("existing.avi");
  WriteFile(Existing, "keep these bytes");
  const String Fresh = Folder.Path("fresh.avi");
  for (int Round = 0; Round < 2; ++Round) {
    AddClip();
    AddClip();
    ASSERT_TRUE(Converter.SetOutputFile(0, Existing)) << Converter.LastErrMsg();
    ASSERT_TRUE(Converter.SetOutputFile(1, Fresh)) << Converter.LastErrMsg();
    if (Round == 0) {
      Converter.RemoveTask(1);
      Converter.RemoveTask(0);
    } else {
      Converter.ClearTasks();
    }
    EXPECT_EQ(ReadFile(Existing), "keep these bytes");
    EXPECT_FALSE(fs::exists(Fresh));
  }
}

TEST_F(FFConverterListTest, TheTaskUnderstandsWhatTheRecordsWrite) {
  TFFmpeg Task(20);
  TInputOptions Input;
  Input.TimeStart = 250000;
  Input.ProgramID = 3;
  ApplyInputOptions(Task, Input);
  EXPECT_EQ(Task.Settings().Fstart_time, 250000);
  EXPECT_EQ(Task.Settings().Fopt_programid, 3);

  TOutputOptions Output;
  Output.TimeStart = 1500000;
  Output.TimeLength = 2250000;
  Output.Info.TimeStamp = EncodeDate(2020, 2, 29) + EncodeTime(23, 59, 58, 0);
  Output.Info.Year = 2020;
  Output.Info.Title = "a=b";
  Output.InputSync = true;
  Output.AudioVolume = 512;
  TOutputOptionsTranslation(Task, Output).ApplyBeforeOpen();
  const TFFmpegSettings& S = Task.Settings();
  EXPECT_EQ(S.Fstart_time, 1500000);
  EXPECT_EQ(S.Frecording_time, 2250000);
  EXPECT_EQ(Task.TotalOutputDuration(), 2250000);
  EXPECT_EQ(S.Frecording_timestamp, LocalDateTimeToUnix(Output.Info.TimeStamp));
  EXPECT_EQ(S.Fmetadata, (std::vector<std::pair<String, String>> { { "year", "2020" }, { "title", "a=b" } }));
  EXPECT_TRUE(S.Finput_sync);
  EXPECT_EQ(S.Faudio_volume, 512);

  Output.Info.TimeStamp = 0.0;
  const Int64 Before = time(nullptr);
  TOutputOptionsTranslation(Task, Output).ApplyBeforeOpen();
  EXPECT_GE(Task.Settings().Frecording_timestamp, Before);
  EXPECT_LE(Task.Settings().Frecording_timestamp, Int64(time(nullptr)) + 1);
}
