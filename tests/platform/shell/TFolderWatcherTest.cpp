#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/stat.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/base/MainThread.h"
#include "platform/shell/TFolderWatcher.h"
#include "tests/platform/shell/ShellTestSupport.h"

namespace {

constexpr uint32_t NameChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;

// Counts change calls; shared with the watcher's callback, which may run until the watcher's thread ends.
class TChanges {
public:
  static std::shared_ptr<TChanges> Make() { return std::make_shared<TChanges>(); }
  static TThreadMethod Counter(const std::shared_ptr<TChanges>& Changes) {
    return [Changes] { Changes->Add(); };
  }

  void Add() {
    std::lock_guard lock(FLock);
    ++FCount;
    FChanged.notify_all();
  }
  /// Waits up to a second for the Count-th call.
  bool Reach(int Count) {
    std::unique_lock lock(FLock);
    return FChanged.wait_for(lock, std::chrono::seconds(1), [&] { return FCount >= Count; });
  }
  int Count() {
    std::lock_guard lock(FLock);
    return FCount;
  }

private:
  std::mutex FLock;
  std::condition_variable FChanged;
  int FCount { 0 };
};

bool Ends(const TFolderWatcher& Watcher) {
  return WaitUntil([&] { return !Watcher.Running(); }, 1.0);
}

TEST(TFolderWatcherTest, CreateRenameAndDeleteEachArriveWithinASecond) {
  TTempFolder folder;
  auto changes = TChanges::Make();
  TFolderWatcher watcher(folder.Path(), false, NameChanges, TChanges::Counter(changes));
  ASSERT_TRUE(watcher.Running());
  WriteFile(folder / "new.avi", "x");
  EXPECT_TRUE(changes->Reach(1)) << "create";
  std::filesystem::rename(folder / "new.avi", folder / "renamed.avi");
  EXPECT_TRUE(changes->Reach(2)) << "rename";
  std::filesystem::remove(folder / "renamed.avi");
  EXPECT_TRUE(changes->Reach(3)) << "delete";
  std::filesystem::create_directory(folder / "sub");
  EXPECT_TRUE(changes->Reach(4)) << "new folder";
}

TEST(TFolderWatcherTest, EventsCountByTheFilter) {
  struct TCase {
    uint32_t Event, Filter;
    bool Change;
  };
  for (const TCase& c : std::vector<TCase> {
           { IN_CREATE, FILE_NOTIFY_CHANGE_FILE_NAME, true },
           { IN_CREATE | IN_ISDIR, FILE_NOTIFY_CHANGE_FILE_NAME, false },
           { IN_CREATE | IN_ISDIR, FILE_NOTIFY_CHANGE_DIR_NAME, true },
           { IN_DELETE, FILE_NOTIFY_CHANGE_DIR_NAME, false },
           { IN_MOVED_FROM | IN_ISDIR, FILE_NOTIFY_CHANGE_DIR_NAME, true },
           { IN_MOVED_TO, FILE_NOTIFY_CHANGE_FILE_NAME, true },
           { IN_ATTRIB, FILE_NOTIFY_CHANGE_SECURITY, true },
           { IN_ATTRIB, FILE_NOTIFY_CHANGE_ATTRIBUTES, true },
           { IN_ATTRIB, NameChanges, false },
           { IN_MODIFY, FILE_NOTIFY_CHANGE_LAST_WRITE, true },
           { IN_CLOSE_WRITE, FILE_NOTIFY_CHANGE_SIZE, true },
           { IN_MODIFY, NameChanges | FILE_NOTIFY_CHANGE_ATTRIBUTES, false },
           { IN_Q_OVERFLOW, 0, true },
           { IN_OPEN | IN_ACCESS, 0x1FF, false },
       })
    EXPECT_EQ(TFolderWatcher::IsChange(c.Event, c.Filter), c.Change) << std::hex << c.Event << " " << c.Filter;
  EXPECT_EQ(TFolderWatcher::InotifyMaskOf(FILE_NOTIFY_CHANGE_DIR_NAME),
            uint32_t(IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO));
  EXPECT_EQ(TFolderWatcher::InotifyMaskOf(FILE_NOTIFY_CHANGE_SIZE), uint32_t(IN_MODIFY | IN_CLOSE_WRITE));
}

TEST(TFolderWatcherTest, WritesArriveUnderTheWriteFilter) {
  TTempFolder folder;
  WriteFile(folder / "log.txt", "a");
  auto changes = TChanges::Make();
  TFolderWatcher watcher(folder.Path(), false, FILE_NOTIFY_CHANGE_LAST_WRITE, TChanges::Counter(changes));
  std::ofstream(folder / "log.txt", std::ios::app) << "more";
  EXPECT_TRUE(changes->Reach(1));
}

TEST(TFolderWatcherTest, SubTreeIncludesFoldersMadeLater) {
  TTempFolder folder;
  std::filesystem::create_directories(folder / "a/b");
  auto changes = TChanges::Make();
  TFolderWatcher watcher(folder.Path(), true, FILE_NOTIFY_CHANGE_FILE_NAME, TChanges::Counter(changes));
  WriteFile(folder / "a/b/deep.avi", "x");
  ASSERT_TRUE(changes->Reach(1)) << "a folder below at the start";
  std::filesystem::create_directories(folder / "new/inner");
  WriteFile(folder / "new/inner/late.avi", "x");
  EXPECT_TRUE(changes->Reach(2)) << "a folder made while watching";

  auto flat = TChanges::Make();
  TFolderWatcher topOnly(folder.Path(), false, FILE_NOTIFY_CHANGE_FILE_NAME, TChanges::Counter(flat));
  WriteFile(folder / "a/b/unseen.avi", "x");
  WriteFile(folder / "top.avi", "x");
  ASSERT_TRUE(flat->Reach(1));
  EXPECT_EQ(flat->Count(), 1) << "without the subtree only the folder itself counts";
}

TEST(TFolderWatcherTest, DeletingTheWatchedFolderEndsTheWorker) {
  TTempFolder parent;
  std::filesystem::create_directory(parent / "watched");
  auto changes = TChanges::Make();
  TFolderWatcher watcher(parent / "watched", false, NameChanges, TChanges::Counter(changes));
  ASSERT_TRUE(watcher.Running());
  std::filesystem::remove(parent / "watched");
  EXPECT_TRUE(Ends(watcher));
  EXPECT_EQ(changes->Count(), 0);
}

TEST(TFolderWatcherTest, WhatCannotBeWatchedNeverRuns) {
  TTempFolder folder;
  WriteFile(folder / "file.txt", "x");
  auto changes = TChanges::Make();
  for (const String& path : { folder / "missing", folder / "file.txt", String() })
    EXPECT_FALSE(TFolderWatcher(path, true, NameChanges, TChanges::Counter(changes)).Running()) << path;
  EXPECT_FALSE(TFolderWatcher(folder.Path(), false, NameChanges, nullptr).Running()) << "no change method";
}

TEST(TFolderWatcherTest, StoppingWhileChangesPourInNeitherHangsNorCrashes) {
  for (const bool destroy : { false, true }) {
    TTempFolder folder;
    std::atomic<bool> writing { true };
    std::thread writer([&] {
      for (int i = 0; writing; ++i) {
        const String name = folder / ("f" + std::to_string(i % 50));
        WriteFile(name, "x");
        std::filesystem::remove(name);
      }
    });
    auto changes = TChanges::Make();
    auto watcher = std::make_unique<TFolderWatcher>(folder.Path(), true, 0x1FF, TChanges::Counter(changes));
    EXPECT_TRUE(changes->Reach(3));
    if (destroy) watcher.reset();
    else watcher->Stop();
    // The thread lets go of the change method when it ends.
    EXPECT_TRUE(WaitUntil([&] { return changes.use_count() == 1; }, 1.0)) << "destroyed: " << destroy;
    if (watcher) {
      EXPECT_FALSE(watcher->Running());
    }
    writing = false;
    writer.join();
  }
}

TEST(TFolderWatcherTest, StopFromInsideTheChangeCall) {
  TTempFolder folder;
  std::atomic<TFolderWatcher*> self { nullptr };  // set after the watcher's thread has started
  auto changes = TChanges::Make();
  TFolderWatcher watcher(folder.Path(), false, NameChanges, [&, changes] {
    self.load()->Stop();
    changes->Add();
  });
  self = &watcher;
  WriteFile(folder / "a", "x");
  ASSERT_TRUE(changes->Reach(1));
  EXPECT_TRUE(Ends(watcher));
  WriteFile(folder / "b", "x");
  EXPECT_EQ(changes->Count(), 1);
}

// The change call hands its work to the UI thread and waits; the UI thread stops the watcher without
// serving that hand-over first. Stopping must not wait for the thread, or both would wait for ever.
TEST(TFolderWatcherTest, StoppingWhileTheChangeWaitsForTheUIThread) {
  ASSERT_TRUE(IsMainThread());
  TTempFolder folder;
  auto handed = std::make_shared<std::atomic<int>>(0);
  TFolderWatcher watcher(folder.Path(), false, NameChanges, [handed] { Synchronize([handed] { ++*handed; }); });
  WriteFile(folder / "a", "x");
  ASSERT_TRUE(WaitUntil([] { return HandOversPending(); }, 1.0));
  watcher.Stop();
  EXPECT_TRUE(WaitServing([&] { return !watcher.Running(); }, 1000));
  EXPECT_EQ(handed->load(), 1) << "the call that had started finishes";
}

}  // namespace
