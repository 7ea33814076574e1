#include "platform/ui/winsys/MessageHookStack.h"

#include <algorithm>

void MessageHookStack::Push(const void* Owner, TMessageHook Hook, bool Exclusive) {
  auto E = std::make_shared<Entry>();
  E->Owner = Owner;
  E->Hook = std::move(Hook);
  E->Exclusive = Exclusive;
  FHooks.push_back(std::move(E));
}

void MessageHookStack::Remove(const void* Owner) {
  for (auto It = FHooks.rbegin(); It != FHooks.rend(); ++It)
    if ((*It)->Owner == Owner) {
      (*It)->Removed = true;
      FHooks.erase(std::next(It).base());
      return;
    }
}

bool MessageHookStack::Contains(const void* Owner) const {
  return std::any_of(FHooks.begin(), FHooks.end(), [&](const auto& E) { return E->Owner == Owner; });
}

bool MessageHookStack::Run(TMsg& Msg) const {
  // A copy, so hooks may push and remove while the walk goes on; the shared entries tell it which of
  // them were removed meanwhile.
  const auto Snapshot = FHooks;
  for (auto It = Snapshot.rbegin(); It != Snapshot.rend(); ++It) {
    const Entry& E = **It;
    if (E.Removed)
      continue;
    bool Handled = false;
    E.Hook(Msg, Handled);
    if (Handled)
      return true;
    if (E.Exclusive)
      return false;
  }
  return false;
}
