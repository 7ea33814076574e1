#pragma once
// The worker behind a shell change notifier.
#include <memory>

#include "platform/base/TThread.h"
#include "platform/base/Types.h"

class TFolderWatcher;

/// Watches one folder on the platform folder watcher's own thread (which frees itself when it ends) and
/// hands every batch of changes to the UI thread, blocking until the change method ran there. The state
/// the hand-over reads is shared with that thread, so the worker may outlive this object: a hand-over
/// still queued when the options change or the worker is terminated runs nothing. A folder that cannot
/// be watched ends the watching at once, without a call.
class TskShellChangeThread {
public:
  explicit TskShellChangeThread(TThreadMethod ChangeEvent);
  /// Terminates the worker.
  ~TskShellChangeThread();
  TskShellChangeThread(const TskShellChangeThread&) = delete;
  TskShellChangeThread& operator=(const TskShellChangeThread&) = delete;

  /// Watches Directory from now on with the change-notification flags NotifyOptionFlags (the folder
  /// watcher's FILE_NOTIFY_CHANGE_*); the former watch ends, and its changes are no longer handed over.
  void SetDirectoryOptions(const String& Directory, bool WatchSubTree, uint32_t NotifyOptionFlags);
  /// The method later changes call.
  void SetChangeEvent(TThreadMethod Value);
  /// Ends the worker without waiting for it; no change call runs afterwards, queued ones included.
  void Terminate();
  /// A folder is being watched.
  bool Watching() const;

private:
  struct TShared;

  /// On the UI thread: the change method, unless the watch that saw the change (Generation) is over.
  static void HandOver(const std::shared_ptr<TShared>& Shared, int Generation);

  std::shared_ptr<TShared> FShared;
  std::unique_ptr<TFolderWatcher> FWatcher;
};
