// The change notifier: a change reaches the UI thread, re-targeting watches the new folder, and stopping
// in any order (while waiting, with a hand-over pending, for a folder never watched) makes no late call.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>

#include "platform/base/MainThread.h"
#include "skin/dialogs/TskShellChangeNotifier.h"
#include "tests/platform/shell/ShellTestSupport.h"

namespace {

class ShellChangeNotifierTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(mkdir((Dir / "other").c_str(), 0755), 0); }
  /// A notifier on Folder counting its calls and the threads they ran on.
  std::unique_ptr<TskShellChangeNotifier> Watch(const String& Folder) {
    auto notifier = std::make_unique<TskShellChangeNotifier>(nullptr);
    notifier->SetWatchSubTree(false);
    notifier->SetRoot(Folder);
    EXPECT_FALSE(notifier->HasWorker()) << "no worker without a change method";
    notifier->SetOnChange([this] {
      ++Calls;
      if (!IsMainThread()) ++OffThread;
    });
    return notifier;
  }
  /// Serves the hand-over queue until Calls reaches Count or a while has passed.
  bool CallsReach(int Count) {
    return WaitServing([&] { return Calls >= Count; }, 3000);
  }
  /// Serves the hand-over queue for a short while, so late calls would show.
  void Settle() { WaitServing([] { return false; }, 200); }

  TTempFolder Dir;
  std::atomic<int> Calls { 0 };
  std::atomic<int> OffThread { 0 };
};

TEST_F(ShellChangeNotifierTest, AFileMadeInTheFolderCallsOnTheUIThread) {
  auto notifier = Watch(Dir.Path());
  ASSERT_TRUE(notifier->Watching());
  WriteFile(Dir / "新文件.mp4", "x");
  ASSERT_TRUE(CallsReach(1));
  Settle();
  EXPECT_EQ(Calls, 1) << "one batch, one call";
  EXPECT_EQ(OffThread, 0);
  EXPECT_EQ(NotifyFlagsOf({ nfFileNameChange, nfDirNameChange, nfSecurityChange }), 0x103u);
}

TEST_F(ShellChangeNotifierTest, ANewRootIsWatchedInsteadOfTheOld) {
  auto notifier = Watch(Dir.Path());
  notifier->SetRoot(Dir / "other");
  WriteFile(Dir / "old-folder.txt", "x");
  Settle();
  EXPECT_EQ(Calls, 0) << "the old folder no longer calls";
  WriteFile(Dir / "other/new.txt", "x");
  EXPECT_TRUE(CallsReach(1));
  notifier->SetRoot(Dir / "other");
  EXPECT_TRUE(notifier->Watching()) << "the same path changes nothing";
}

TEST_F(ShellChangeNotifierTest, StoppingInAnyOrderMakesNoLateCall) {
  // Freed while waiting.
  auto waiting = Watch(Dir.Path());
  waiting.reset();
  WriteFile(Dir / "a.txt", "x");
  Settle();
  EXPECT_EQ(Calls, 0);

  // Freed with a hand-over queued: the queued call runs nothing.
  auto pending = Watch(Dir.Path());
  WriteFile(Dir / "b.txt", "x");
  ASSERT_TRUE(WaitUntil([] { return HandOversPending(); }, 3));
  pending.reset();
  Settle();
  EXPECT_EQ(Calls, 0);

  // A folder that cannot be watched ends the worker at once; freeing it later is safe.
  auto missing = Watch(Dir / "missing");
  EXPECT_TRUE(missing->HasWorker());
  EXPECT_FALSE(missing->Watching());
  Settle();
  missing.reset();

  // The watched folder removed: the worker ends by itself, the notifier is freed later.
  auto removed = Watch(Dir / "other");
  ASSERT_EQ(rmdir((Dir / "other").c_str()), 0);
  EXPECT_TRUE(WaitUntil([&] { return !removed->Watching(); }, 3));
  removed.reset();
  Settle();
  EXPECT_EQ(Calls, 0);
}

TEST_F(ShellChangeNotifierTest, TheChangeMethodMayFreeItsNotifier) {
  auto notifier = std::make_unique<TskShellChangeNotifier>(nullptr);
  notifier->SetWatchSubTree(false);
  notifier->SetRoot(Dir.Path());
  notifier->SetOnChange([&] {
    ++Calls;
    notifier.reset();
  });
  WriteFile(Dir / "c.txt", "x");
  ASSERT_TRUE(CallsReach(1));
  EXPECT_FALSE(notifier);
  WriteFile(Dir / "d.txt", "x");
  Settle();
  EXPECT_EQ(Calls, 1);
}

}  // namespace
