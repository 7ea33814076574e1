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
  void Clear() { FSlots.clear(); }
  /// The next task of the batch, whose index is Count(), was built from slot Slot.
  void Add(int Slot) { FSlots.push_back(Slot); }
  int Count() const { return int(FSlots.size()); }
  /// The row among Rows tied through Slots to the slot task TaskIndex was built from; null for an index
  /// without a task, and when that row is gone (removed, or the list cleared).
  TListItem* RowOf(int TaskIndex, TListItems& Rows, const TJobSlots& Slots) const;

private:
  std::vector<int> FSlots;  // by task index
};
