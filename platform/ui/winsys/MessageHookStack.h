#pragma once
// The stack of message hooks every queued message passes before translation and dispatch (the
// application's OnMessage). Owners push a hook and later remove it, in any order, so a handler removed
// out of turn is never put back by someone else's restore. Sent messages never pass the hooks.
#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/winsys/Messages.h"

/// A hook sees the message and may change it (a message set to 0 is dropped) and set Handled.
using TMessageHook = std::function<void(TMsg& Msg, bool& Handled)>;

/// Hooks called newest first: a hook that sets Handled stops the walk, an exclusive hook also hides
/// every hook below it, any other hook lets the walk go on to the next one.
class MessageHookStack {
public:
  /// Pushes a hook for Owner (any address that identifies who removes it later).
  void Push(const void* Owner, TMessageHook Hook, bool Exclusive = false);
  /// Removes Owner's most recent hook; nothing when Owner has none. Safe inside a running hook.
  void Remove(const void* Owner);
  bool Contains(const void* Owner) const;
  bool Empty() const { return FHooks.empty(); }
  void Clear() { FHooks.clear(); }

  /// Runs the hooks on Msg; true when one set Handled. Hooks pushed or removed meanwhile take effect for
  /// the next message, except that a removed hook is not called any more.
  bool Run(TMsg& Msg) const;

private:
  struct Entry {
    const void* Owner { nullptr };
    TMessageHook Hook;
    bool Exclusive { false };
    bool Removed { false };
  };

  std::vector<std::shared_ptr<Entry>> FHooks;  // oldest first
};
