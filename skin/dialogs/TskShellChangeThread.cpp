#include "skin/dialogs/TskShellChangeThread.h"

#include "platform/base/MainThread.h"
#include "platform/shell/TFolderWatcher.h"
#include "skin/dialogs/TskShellFolder.h"

/// What the UI side and the watching thread share, under ShellNotifyLock.
struct TskShellChangeThread::TShared {
  TThreadMethod ChangeEvent;
  int Generation { 0 };  // moves on with every new watch and at the end, so older hand-overs run nothing
  bool Terminated { false };
};

TskShellChangeThread::TskShellChangeThread(TThreadMethod ChangeEvent) : FShared(std::make_shared<TShared>()) {
  FShared->ChangeEvent = std::move(ChangeEvent);
}

TskShellChangeThread::~TskShellChangeThread() {
  Terminate();
}

void TskShellChangeThread::SetDirectoryOptions(const String& Directory, bool WatchSubTree, uint32_t NotifyOptionFlags) {
  ShellNotifyLock().Enter();
  const int generation = ++FShared->Generation;
  const bool terminated = FShared->Terminated;
  ShellNotifyLock().Leave();
  FWatcher.reset();
  if (terminated) return;
  std::weak_ptr<TShared> shared = FShared;
  FWatcher = std::make_unique<TFolderWatcher>(Directory, WatchSubTree, NotifyOptionFlags, [shared, generation] {
    // On the watching thread: the shared state lives as long as a hand-over needs it.
    if (std::shared_ptr<TShared> state = shared.lock())
      Synchronize([state, generation] { HandOver(state, generation); });
  });
}

void TskShellChangeThread::SetChangeEvent(TThreadMethod Value) {
  ShellNotifyLock().Enter();
  FShared->ChangeEvent = std::move(Value);
  ShellNotifyLock().Leave();
}

void TskShellChangeThread::Terminate() {
  ShellNotifyLock().Enter();
  FShared->Terminated = true;
  ++FShared->Generation;
  FShared->ChangeEvent = nullptr;
  ShellNotifyLock().Leave();
  FWatcher.reset();
}

bool TskShellChangeThread::Watching() const {
  return FWatcher && FWatcher->Running();
}

void TskShellChangeThread::HandOver(const std::shared_ptr<TShared>& Shared, int Generation) {
  TThreadMethod change;
  ShellNotifyLock().Enter();
  if (!Shared->Terminated && Shared->Generation == Generation) change = Shared->ChangeEvent;
  ShellNotifyLock().Leave();
  if (change) change();  // a copy: the method may free the notifier, and with it the shared method
}
