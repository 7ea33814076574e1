#include "skin/dialogs/TskShellChangeNotifier.h"

#include "skin/dialogs/TskShellChangeThread.h"

uint32_t NotifyFlagsOf(TNotifyFilters Filters) {
  uint32_t flags = uint32_t(Filters.Bits() & 0x1F);
  if (Filters.Contains(nfSecurityChange)) flags |= 0x100;
  return flags;
}

TskCustomShellChangeNotifier::TskCustomShellChangeNotifier(TComponent* AOwner) : TComponent(AOwner) {}

TskCustomShellChangeNotifier::~TskCustomShellChangeNotifier() = default;

void TskCustomShellChangeNotifier::SetNotifyFilters(TNotifyFilters Value) {
  FFilters = Value;
  PassOptions();
}

void TskCustomShellChangeNotifier::SetRoot(const TRoot& Value) {
  if (Value == FRoot) return;
  FRoot = Value;
  PassOptions();
}

void TskCustomShellChangeNotifier::SetWatchSubTree(bool Value) {
  FWatchSubTree = Value;
  PassOptions();
}

void TskCustomShellChangeNotifier::SetOnChange(TThreadMethod Value) {
  FOnChange = std::move(Value);
  if (FThread) FThread->SetChangeEvent(FOnChange);
  else StartWorker();
}

bool TskCustomShellChangeNotifier::Watching() const {
  return FThread && FThread->Watching();
}

void TskCustomShellChangeNotifier::StartWorker() {
  if (!FOnChange) return;
  FThread = std::make_unique<TskShellChangeThread>(FOnChange);
  PassOptions();
}

void TskCustomShellChangeNotifier::PassOptions() {
  if (FThread) FThread->SetDirectoryOptions(FRoot, FWatchSubTree, NotifyFlagsOf(FFilters));
}
