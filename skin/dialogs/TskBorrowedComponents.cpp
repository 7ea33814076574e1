#include "skin/dialogs/TskBorrowedComponents.h"

#include <algorithm>

void TskBorrowedComponents::Forget(TComponent* AComponent) {
  for (const TSlot& Slot : FSlots)
    if (Slot.Get() == AComponent) Slot.Clear();
}

void TskBorrowedComponents::Replaced(TComponent* Old, TComponent* New) {
  const bool StillHeld =
    std::any_of(FSlots.begin(), FSlots.end(), [Old](const TSlot& Slot) { return Slot.Get() == Old; });
  if (Old && Old != New && !StillHeld) Old->RemoveFreeNotification(FOwner);
  if (New) New->FreeNotification(FOwner);
}
