#pragma once
// Watching a folder and calling a method on the UI thread after each change.
#include <memory>

#include "platform/base/TComponent.h"
#include "platform/base/TSet.h"
#include "platform/base/TThread.h"
#include "skin/dialogs/skShellTypes.h"

class TskShellChangeThread;

enum TNotifyFilter {
  nfFileNameChange,
  nfDirNameChange,
  nfAttributeChange,
  nfSizeChange,
  nfWriteChange,
  nfSecurityChange
};
using TNotifyFilters = TSet<TNotifyFilter>;

/// The change-notification flags of a filter set: 0x1, 0x2, 0x4, 0x8, 0x10 for the first five members,
/// 0x100 for nfSecurityChange.
uint32_t NotifyFlagsOf(TNotifyFilters Filters);

/// Watches the folder Root and calls OnChange on the UI thread after each change that NotifyFilters
/// selects. A worker runs from the first assignment of a non-empty OnChange until destruction; new
/// options re-target it at once. After destruction no call is made, also for changes already handed over.
class TskCustomShellChangeNotifier : public TComponent {
public:
  explicit TskCustomShellChangeNotifier(TComponent* AOwner);
  ~TskCustomShellChangeNotifier() override;

  TNotifyFilters NotifyFilters() const { return FFilters; }
  void SetNotifyFilters(TNotifyFilters Value);
  const TRoot& Root() const { return FRoot; }
  /// A folder path; the same path again changes nothing (paths compare with letter case).
  void SetRoot(const TRoot& Value);
  bool WatchSubTree() const { return FWatchSubTree; }
  void SetWatchSubTree(bool Value);
  const TThreadMethod& OnChange() const { return FOnChange; }
  /// Stores the method; gives it to a running worker, or starts one when none runs.
  void SetOnChange(TThreadMethod Value);

  /// A worker exists.
  bool HasWorker() const { return FThread != nullptr; }
  /// The worker watches its folder.
  bool Watching() const;

private:
  void StartWorker();
  void PassOptions();

  TNotifyFilters FFilters { nfFileNameChange, nfDirNameChange };
  bool FWatchSubTree { true };
  TRoot FRoot { "/" };
  std::unique_ptr<TskShellChangeThread> FThread;
  TThreadMethod FOnChange;
};

/// The published notifier.
class TskShellChangeNotifier : public TskCustomShellChangeNotifier {
public:
  using TskCustomShellChangeNotifier::TskCustomShellChangeNotifier;
};
