#include "app/jobs/TaskRoutes.h"

#include "app/jobs/JobSlots.h"
#include "platform/ui/toolkit/TListItems.h"

TListItem* TTaskRoutes::RowOf(int TaskIndex, TListItems& Rows, const TJobSlots& Slots) const {
  if (TaskIndex < 0 || TaskIndex >= Count()) return nullptr;
  for (int i = 0; i < Rows.Count(); ++i)
    if (Slots.SlotOf(Rows.Item(i)) == FSlots[size_t(TaskIndex)]) return Rows.Item(i);
  return nullptr;
}
