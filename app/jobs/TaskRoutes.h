#pragma once
// Which job row a batch's task reports to.
#include <vector>

class TJobSlots;
class TListItem;
class TListItems;

/// The job slot each task of the running batch was built from. A row keeps its tie to its slot when rows
/// are moved, so a task's reports reach the row of the file it converts wherever that row now stands;
/// rows whose task could not be made have no task, and no task reports to them.
class TTaskRoutes {
public:
  /// Forgets every task: a new batch is being built.
  void Clear() { FRoutes.clear(); }
  /// The next task of the batch, whose index is Count(), was built from slot Slot of Slots as it is now.
  void Add(const TJobSlots& Slots, int Slot);
  int Count() const { return int(FRoutes.size()); }
  /// The row among Rows tied through Slots to the slot task TaskIndex was built from; null for an index
  /// without a task, and when that row is gone: removed, or the list cleared, also when a new file has
  /// taken the slot since.
  TListItem* RowOf(int TaskIndex, TListItems& Rows, const TJobSlots& Slots) const;

private:
  struct TRoute {
    int Slot;
    int Generation;  // of the slot when the task was built
  };
  std::vector<TRoute> FRoutes;  // by task index
};
