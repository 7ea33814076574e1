#pragma once
// The UI thread's queue of posted and input messages, with the quit request. Posting is thread-safe;
// retrieving is for the UI thread.
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

#include "platform/ui/winsys/Messages.h"

/// Posted and input messages in arrival order, and a pending WM_QUIT.
class MessageQueue {
public:
  /// Queues a message. Input messages keep the time and point they carry; the others get the time and
  /// point of their retrieval.
  void Post(const TMsg& Msg, bool Input);
  void PostQuit(int ExitCode);
  /// The first queued message Accept agrees to (called under the queue's lock: it must not post), then
  /// a pending WM_QUIT when AcceptQuit. Remove takes it out of the queue.
  std::optional<TMsg> Peek(const std::function<bool(const TMsg&)>& Accept, bool AcceptQuit, bool Remove,
                           DWORD Time, TPoint Pos);
  bool Empty() const;
  void Clear();

private:
  struct Entry {
    TMsg Msg;
    bool Input { false };
  };

  mutable std::mutex FLock;
  std::deque<Entry> FEntries;
  std::optional<int> FQuit;
};
