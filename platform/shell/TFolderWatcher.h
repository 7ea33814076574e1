#pragma once
// Watching a folder for changes.
#include <cstdint>
#include <memory>

#include "platform/base/TThread.h"
#include "platform/base/Types.h"

// Which changes count (NotifyFilter of TFolderWatcher).
constexpr uint32_t FILE_NOTIFY_CHANGE_FILE_NAME = 0x1;   // a file made, removed or renamed
constexpr uint32_t FILE_NOTIFY_CHANGE_DIR_NAME = 0x2;    // a folder made, removed or renamed
constexpr uint32_t FILE_NOTIFY_CHANGE_ATTRIBUTES = 0x4;  // permissions, owner, times
constexpr uint32_t FILE_NOTIFY_CHANGE_SIZE = 0x8;        // a file written
constexpr uint32_t FILE_NOTIFY_CHANGE_LAST_WRITE = 0x10; // a file written
constexpr uint32_t FILE_NOTIFY_CHANGE_SECURITY = 0x100;  // permissions, owner

/// Watches a folder, and with WatchSubTree every folder below it (folders made later included), on a
/// thread of its own. After each batch of changes that passes the filter (everything that arrived
/// together) it calls OnChange once, on that thread: handing the change to the UI thread is the caller's
/// business. The thread ends by itself when the folder is deleted, and when told to stop; it frees itself,
/// so stopping never waits for it (OnChange may be blocked handing a change to the UI thread that stops it).
class TFolderWatcher {
public:
  /// Starts watching at once: every change after the constructor returns is seen. A folder that cannot
  /// be watched (missing, not a folder, no rights) leaves the watcher not running; OnChange never runs.
  TFolderWatcher(const String& Directory, bool WatchSubTree, uint32_t NotifyFilter, TThreadMethod OnChange);
  /// Stops the watcher.
  ~TFolderWatcher();
  TFolderWatcher(const TFolderWatcher&) = delete;
  TFolderWatcher& operator=(const TFolderWatcher&) = delete;

  /// Tells the thread to end and returns at once. No OnChange call starts after Stop returns; one that had
  /// started finishes on its own. Safe from inside OnChange.
  void Stop();
  /// True until the thread has ended.
  bool Running() const;

  /// The inotify events a filter listens for.
  static uint32_t InotifyMaskOf(uint32_t NotifyFilter);
  /// Whether one inotify event (its mask) is a change under the filter. A lost-events overflow always is.
  static bool IsChange(uint32_t EventMask, uint32_t NotifyFilter);

private:
  struct TState;
  class TWatchThread;

  std::shared_ptr<TState> FState;  // shared with the thread, which may outlive the watcher
};
