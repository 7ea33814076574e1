#include "platform/ui/winsys/TimerList.h"

#include <algorithm>

void TimerList::Set(HWND Wnd, UINT_PTR Id, Int64 Interval, Int64 Now) {
  auto It = std::find_if(FTimers.begin(), FTimers.end(), [&](const Timer& T) { return T.Wnd == Wnd && T.Id == Id; });
  if (It == FTimers.end())
    It = FTimers.insert(FTimers.end(), Timer { Wnd, Id });
  It->Interval = Interval;
  It->Due = Now + Interval;
  It->Order = FNextOrder++;
}

bool TimerList::Kill(HWND Wnd, UINT_PTR Id) {
  const auto Count = std::erase_if(FTimers, [&](const Timer& T) { return T.Wnd == Wnd && T.Id == Id; });
  return Count > 0;
}

void TimerList::KillAll(HWND Wnd) {
  std::erase_if(FTimers, [&](const Timer& T) { return T.Wnd == Wnd; });
}

std::optional<Int64> TimerList::NextDue() const {
  std::optional<Int64> Result;
  for (const Timer& T : FTimers)
    if (!Result || T.Due < *Result)
      Result = T.Due;
  return Result;
}

std::optional<TimerList::Tick> TimerList::TakeDue(Int64 Now, const std::function<bool(HWND)>& Accept,
                                                   bool Remove) {
  Timer* Best = nullptr;
  for (Timer& T : FTimers)
    if (T.Due <= Now && (!Best || T.Due < Best->Due || (T.Due == Best->Due && T.Order < Best->Order)) &&
        Accept(T.Wnd))
      Best = &T;
  if (!Best)
    return std::nullopt;
  if (Remove) {
    Best->Due = Now + Best->Interval;
    Best->Order = FNextOrder++;
  }
  return Tick { Best->Wnd, Best->Id };
}
