#include "platform/ui/winsys/MessageQueue.h"

void MessageQueue::Post(const TMsg& Msg, bool Input) {
  std::lock_guard Guard(FLock);
  FEntries.push_back({ Msg, Input });
}

void MessageQueue::PostQuit(int ExitCode) {
  std::lock_guard Guard(FLock);
  FQuit = ExitCode;
}

std::optional<TMsg> MessageQueue::Peek(const std::function<bool(const TMsg&)>& Accept, bool AcceptQuit,
                                       bool Remove, DWORD Time, TPoint Pos) {
  std::lock_guard Guard(FLock);
  for (auto It = FEntries.begin(); It != FEntries.end(); ++It) {
    if (!Accept(It->Msg))
      continue;
    TMsg Msg = It->Msg;
    if (!It->Input) {
      Msg.time = Time;
      Msg.pt = Pos;
    }
    if (Remove && It == FEntries.begin())
      FEntries.pop_front();
    else if (Remove)
      FEntries.erase(It);
    return Msg;
  }
  if (AcceptQuit && FQuit) {
    TMsg Quit;
    Quit.message = WM_QUIT;
    Quit.wParam = WPARAM(*FQuit);
    Quit.time = Time;
    Quit.pt = Pos;
    if (Remove)
      FQuit.reset();
    return Quit;
  }
  return std::nullopt;
}

bool MessageQueue::Empty() const {
  std::lock_guard Guard(FLock);
  return FEntries.empty() && !FQuit;
}

void MessageQueue::Clear() {
  std::lock_guard Guard(FLock);
  FEntries.clear();
  FQuit.reset();
}
