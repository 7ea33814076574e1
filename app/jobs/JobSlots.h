#pragma once
// The job slots: the engine option records prepared for each file added to the job list, and the front
// end's own bookkeeping of which slots are in use. The state never reaches the engine.
#include <array>

#include "engine/tasklist/TInputOptions.h"
#include "engine/tasklist/TOutputOptions.h"

class TListItem;

/// kong: free; Full: holds the options of a file that has a row; DELETED: its row was removed, and the
/// slot is not used again before the next FreeAll.
enum class TSlotState { kong, Full, DELETED };

/// "kong", "Full" or "DELETED".
String SlotStateText(TSlotState State);

constexpr int JobSlotCount = 501;

/// The 501 slots of the job list: slot k is the pair IO1[k], OO1[k] with its state. At most JobSlotCount
/// files can be added between two FreeAll calls, whatever was removed in between. A slot index outside
/// 0..JobSlotCount-1 raises EListError.
///
/// A job row is tied to its slot through the row's Data, which points into this object: TListItem::Assign
/// copies Data with the rest of the row's contents, so the tie moves with the row when rows are moved.
/// The rows' Data is therefore reserved for the tie, and the object stays where it is while rows point
/// into it (it cannot be copied).
class TJobSlots {
public:
  TJobSlots() = default;
  TJobSlots(const TJobSlots&) = delete;
  TJobSlots& operator=(const TJobSlots&) = delete;

  std::array<TInputOptions, JobSlotCount> IO1;
  std::array<TOutputOptions, JobSlotCount> OO1;

  TSlotState State(int k) const;
  /// Every slot becomes "kong"; the records keep what they hold until a slot is taken again.
  void FreeAll();
  /// True when a slot is "kong": an add checks this before it makes anything for the file.
  bool HasFree() const;
  /// The lowest "kong" slot receives copies of Input and Output and becomes "Full"; its index, or -1 when
  /// no slot is "kong" (nothing changes then).
  int Take(const TInputOptions& Input, const TOutputOptions& Output);
  /// How many times slot k has been taken: a slot taken again after FreeAll holds another file.
  int Generation(int k) const;
  /// A "Full" slot whose row was removed becomes "DELETED"; a slot in another state keeps it.
  void Release(int k);

  /// Ties Row to slot k (sets Row's Data).
  void Tie(TListItem* Row, int k);
  /// The slot Row is tied to; -1 for a row tied to none of this object's slots.
  int SlotOf(const TListItem* Row) const;

private:
  static std::array<int, JobSlotCount> SlotNumbers();
  void CheckIndex(int k) const;

  std::array<TSlotState, JobSlotCount> FStates { };             // value-initialised: all kong
  std::array<int, JobSlotCount> FTieTargets { SlotNumbers() };  // FTieTargets[k] == k; rows point here
  std::array<int, JobSlotCount> FGenerations { };
};
