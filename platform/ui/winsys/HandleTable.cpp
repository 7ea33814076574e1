#include "platform/ui/winsys/HandleTable.h"

#include "platform/base/Exception.h"

HWND HandleTable::Add(std::unique_ptr<Window> Record) {
  uint32_t Index;
  if (!FFree.empty()) {
    Index = FFree.front();
    FFree.pop_front();
  } else {
    if (FSlots.size() > IndexMask)
      throw EOutOfResources("Too many windows");
    Index = uint32_t(FSlots.size());
    FSlots.emplace_back();
  }
  Slot& S = FSlots[Index];
  const HWND Handle = HWND((S.Generation << IndexBits) | Index);
  Record->Handle = Handle;
  S.Record = std::move(Record);
  return Handle;
}

Window* HandleTable::Record(HWND Wnd) const {
  if (Wnd == 0 || Wnd > 0xFFFFFFFFu)
    return nullptr;
  const uint32_t Index = uint32_t(Wnd) & IndexMask;
  if (Index >= FSlots.size())
    return nullptr;
  const Slot& S = FSlots[Index];
  return S.Record && S.Record->Handle == Wnd ? S.Record.get() : nullptr;
}

void HandleTable::Free(HWND Wnd) {
  if (!Record(Wnd))
    return;
  const uint32_t Index = uint32_t(Wnd) & IndexMask;
  Slot& S = FSlots[Index];
  S.Record.reset();
  S.Generation = S.Generation + 1 < GenerationLimit ? S.Generation + 1 : 1;
  FFree.push_back(Index);
}

std::vector<Window*> HandleTable::All() const {
  std::vector<Window*> Result;
  for (const Slot& S : FSlots)
    if (S.Record)
      Result.push_back(S.Record.get());
  return Result;
}
