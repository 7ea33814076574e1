#include "app/jobs/JobSlots.h"

#include <algorithm>
#include <functional>
#include <numeric>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TListItem.h"

String SlotStateText(TSlotState State) {
  switch (State) {
    case TSlotState::kong: return "kong";
    case TSlotState::Full: return "Full";
    case TSlotState::DELETED: return "DELETED";
  }
  return String();
}

TSlotState TJobSlots::State(int k) const {
  CheckIndex(k);
  return FStates[k];
}

void TJobSlots::FreeAll() { FStates.fill(TSlotState::kong); }

bool TJobSlots::HasFree() const { return std::ranges::find(FStates, TSlotState::kong) != FStates.end(); }

int TJobSlots::Take(const TInputOptions& Input, const TOutputOptions& Output) {
  auto free = std::ranges::find(FStates, TSlotState::kong);
  if (free == FStates.end()) return -1;
  int k = int(free - FStates.begin());
  IO1[k] = Input;
  OO1[k] = Output;
  *free = TSlotState::Full;
  ++FGenerations[k];
  return k;
}

int TJobSlots::Generation(int k) const {
  CheckIndex(k);
  return FGenerations[k];
}

void TJobSlots::Release(int k) {
  CheckIndex(k);
  if (FStates[k] == TSlotState::Full) FStates[k] = TSlotState::DELETED;
}

void TJobSlots::Tie(TListItem* Row, int k) {
  CheckIndex(k);
  Row->SetData(&FTieTargets[k]);
}

int TJobSlots::SlotOf(const TListItem* Row) const {
  auto* target = static_cast<const int*>(Row->Data());
  // Pointers are compared through std::less, which orders pointers into different objects too.
  std::less<const int*> before;
  if (!target || before(target, FTieTargets.data()) || !before(target, FTieTargets.data() + JobSlotCount))
    return -1;
  return *target;
}

std::array<int, JobSlotCount> TJobSlots::SlotNumbers() {
  std::array<int, JobSlotCount> numbers;
  std::iota(numbers.begin(), numbers.end(), 0);
  return numbers;
}

void TJobSlots::CheckIndex(int k) const {
  if (k < 0 || k >= JobSlotCount) throw EListError(Format("List index out of bounds (%d)", k));
}
