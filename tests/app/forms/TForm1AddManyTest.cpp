// Adding several files and whole folders: last to first, the last row selected, files the probe rejects
// passed over, a refused task ending the command, and a folder's listing that never opens anything but a
// regular file.
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>

#include "app/catalogue/ISelectedJobRow.h"
#include "platform/ui/toolkit/TListBox.h"
#include "tests/app/forms/JobListFixture.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

int CountStarting(const std::vector<String>& Lines, const String& Prefix) {
  return int(std::ranges::count_if(Lines, [&](const String& Line) { return Line.starts_with(Prefix); }));
}

TEST_F(JobListTest, SeveralFilesAreAddedLastToFirstWithTheFirstChosenSelected) {
  Start();
  const String Folder = Media().Folder + "/three";
  const String A = CopyOfClip(Folder, "a.mkv"), B = CopyOfClip(Folder, "b.mkv"), C = CopyOfClip(Folder, "c.mkv");
  AddFiles(Folder, { "a.mkv", "b.mkv", "c.mkv" });
  EXPECT_THAT(Inputs(), ElementsAre(C, B, A));
  EXPECT_THAT(Column(JobCell::OutputFile), ElementsAre("c.wmv", "b.wmv", "a.wmv"));
  EXPECT_THAT(Column(JobCell::TaskNumber), ElementsAre("1", "2", "3"));
  EXPECT_EQ(Slots(), (std::vector<int> { 0, 1, 2 }));
  EXPECT_EQ(SelectedIndex(), 2);
  EXPECT_TRUE(List()->Focused());
}

// The rejected file is passed over; the refused task ends the command with the rows made so far, and no
// row is selected. One box tells both refusals.
TEST_F(JobListTest, AFileTheProbeRejectsIsPassedOverAndARefusedTaskEndsTheCommand) {
  Start();
  const String Folder = Media().Folder + "/four";
  const String A = CopyOfClip(Folder, "a.mkv"), C = CopyOfClip(Folder, "c.mkv"), D = CopyOfClip(Folder, "d.mkv");
  std::filesystem::copy_file(Media().Corrupt, Folder + "/b.mp4");
  Engine.FailAddTask(A, "Cannot open the input");
  std::vector<String> Shown;
  Answer("TskMessageForm", [&](TCustomForm* Box) {
    Shown.push_back(Box->Caption() + ": " + MessageText(Box));
    Press(Box, "OK");
  });
  AddFiles(Folder, { "a.mkv", "b.mp4", "c.mkv", "d.mkv" });
  ASSERT_EQ(Shown.size(), 1u) << "one box for the command";
  EXPECT_THAT(Shown[0], StartsWith("提示: " + Folder + "/b.mp4: ")) << "the probe's reason names the file";
  EXPECT_THAT(Shown[0], testing::EndsWith("\n" + A + ": Cannot open the input")) << "the file named before a reason that does not";
  EXPECT_THAT(Inputs(), ElementsAre(D, C));
  EXPECT_EQ(SelectedIndex(), -1);
  EXPECT_EQ(CountStarting(Log(), "***File load error: "), 1);
  EXPECT_EQ(Log()[Log().size() - 2], "***File open error: Cannot open the input");
}

// The listing is in name order. The FIFO is watched: a completed open of it, for reading or writing, would be reported. A blocking
// open would never return and hang the test instead.
TEST_F(JobListTest, AFolderAddsItsRegularFilesLastToFirstAndNeverOpensItsFifo) {
  Start();
  const String Folder = Media().Mixed;
  std::filesystem::create_symlink(Media().Clip, Folder + "/link.mkv");
  const int Watch = inotify_init1(IN_NONBLOCK);
  ASSERT_GE(Watch, 0);
  ASSERT_GE(inotify_add_watch(Watch, (Folder + "/pipe").c_str(), IN_OPEN | IN_ACCESS), 0);

  std::vector<String> Shown;
  Answer("TskMessageForm", [&](TCustomForm* Box) {
    Shown.push_back(MessageText(Box));
    Press(Box, "OK");
  });
  AddFolder(Folder);
  EXPECT_THAT(Shown, ElementsAre(StartsWith(Folder + "/corrupt.mp4: ")));
  char Event[4096];
  EXPECT_EQ(read(Watch, Event, sizeof Event), -1) << "the FIFO was opened";
  close(Watch);

  std::vector<String> Listed;
  for (int I = 0; I < Form1->ListBox1->Items()->Count(); ++I) Listed.push_back(Form1->ListBox1->Items()->Strings(I));
  EXPECT_THAT(Listed, ElementsAre(Folder + "/.hidden.mkv", Folder + "/clip.mkv", Folder + "/corrupt.mp4",
                                  Folder + "/link.mkv"))
    << "in name order; no sub-folder and no FIFO";
  std::vector<String> Expected;
  for (auto Entry = Listed.rbegin(); Entry != Listed.rend(); ++Entry)
    if (!Entry->ends_with("corrupt.mp4")) Expected.push_back(*Entry);
  EXPECT_EQ(Inputs(), Expected) << "rows in the reverse of the listing";
  EXPECT_EQ(SelectedIndex(), RowCount() - 1);
  EXPECT_EQ(CountStarting(Log(), "***File load error: "), 1);
  EXPECT_THAT(Engine.Calls(), testing::Not(testing::Contains(HasSubstr("/sub/"))));
}

// The message also comes when the list already had rows; its last row is selected again. A cancelled
// folder dialog adds nothing, although the folder it opened on stays its Directory.
TEST_F(JobListTest, AFolderWithoutAnythingToConvertShowsTheMessageAndACancelledOneAddsNothing) {
  Start();
  AddFile(Media().Clip);
  const String OnlyCorrupt = Media().Folder + "/broken";
  std::filesystem::create_directories(OnlyCorrupt);
  std::filesystem::copy_file(Media().Corrupt, OnlyCorrupt + "/x.avi");
  std::vector<String> Shown;
  Answer("TskMessageForm", [&](TCustomForm* Box) {
    Shown.push_back(Box->Caption() + ": " + MessageText(Box));
    Press(Box, "OK");
  });

  for (const String& Folder : { Media().Empty, OnlyCorrupt }) {
    Shown.clear();
    AddFolder(Folder);
    EXPECT_EQ(Shown.back(), "提示: 在该目录没有发现可以用的视频或音频文件！") << Folder;
    EXPECT_EQ(Shown.size(), Folder == OnlyCorrupt ? 2u : 1u) << "the refused file is told first";
    EXPECT_EQ(RowCount(), 1);
    EXPECT_EQ(SelectedIndex(), 0);
  }
  EXPECT_EQ(CountStarting(Log(), "***File load error: "), 1);

  Shown.clear();
  Engine.ClearCalls();
  AddFolder(Media().Mixed, true);
  EXPECT_EQ(RowCount(), 1);
  EXPECT_TRUE(Shown.empty());
  EXPECT_THAT(Engine.Calls(), testing::Not(testing::Contains(StartsWith("AddTask"))));
}

}  // namespace
