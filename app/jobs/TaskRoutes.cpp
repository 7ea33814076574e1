#include "app/jobs/TaskRoutes.h"

#include "app/jobs/JobSlots.h"
#include "platform/ui/toolkit/TListItems.h"

void TTaskRoutes::Add(const TJobSlots& Slots, int Slot) { FRoutes.push_back({ Slot, Slots.Generation(Slot) }); }

TListItem* TTaskRoutes::RowOf(int TaskIndex, TListItems& Rows, const TJobSlots& Slots) const {
  if (TaskIndex < 0 || TaskIndex >= Count()) return nullptr;
  const TRoute& Route = FRoutes[size_t(TaskIndex)];
  if (Slots.Generation(Route.Slot) != Route.Generation) return nullptr;
  for (int i = 0; i < Rows.Count(); ++i)
    if (Slots.SlotOf(Rows.Item(i)) == Route.Slot) return Rows.Item(i);
  return nullptr;
}
