#pragma once
// A list of untyped pointers, and a typed view of it.
#include <functional>
#include <vector>

#include "platform/base/TObject.h"

/// Compares two items for Sort: negative when Item1 goes first, 0 when equal, positive otherwise.
using TListSortCompare = std::function<int(void* Item1, void* Item2)>;

/// An ordered list of pointers; it never owns what they point to. A bad index raises EListError
/// "List index out of bounds (<index>)".
class TList : public TObject {
public:
  /// Appends Item; returns its index.
  int Add(void* Item);
  /// Puts Item at Index (0 .. Count), moving the later items up.
  void Insert(int Index, void* Item);
  /// Removes the item at Index, moving the later items down.
  void Delete(int Index);
  /// Removes the first occurrence of Item; returns the index it had, or -1.
  int Remove(void* Item);
  /// Removes the first occurrence of Item and returns it, or returns nullptr when it is not listed.
  void* Extract(void* Item);
  /// Index of the first occurrence of Item, or -1.
  int IndexOf(void* Item) const;
  /// Swaps the items at Index1 and Index2.
  void Exchange(int Index1, int Index2);
  /// Takes the item at CurIndex out and puts it back at NewIndex.
  void Move(int CurIndex, int NewIndex);
  /// Removes every item.
  void Clear();
  /// Removes every nullptr item.
  void Pack();
  /// Orders the items by Compare; items that compare equal keep their order.
  void Sort(const TListSortCompare& Compare);

  int Count() const { return int(FItems.size()); }
  /// Sets the number of items; new places hold nullptr.
  void SetCount(int NewCount);
  int Capacity() const { return int(FItems.capacity()); }
  /// Reserves room for NewCapacity items; a capacity below Count raises EListError.
  void SetCapacity(int NewCapacity);

  void* Items(int Index) const;
  void SetItems(int Index, void* Item);
  void* operator[](int Index) const { return Items(Index); }
  /// The first item; an empty list raises EListError.
  void* First() const { return Items(0); }
  /// The last item; an empty list raises EListError.
  void* Last() const { return Items(Count() - 1); }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

private:
  void CheckIndex(int Index, int Limit) const;

  std::vector<void*> FItems;
};

/// A TList whose items are T*; the readers return T* instead of void*.
template <class T> class TListOf : public TList {
public:
  T* Items(int Index) const { return static_cast<T*>(TList::Items(Index)); }
  T* operator[](int Index) const { return Items(Index); }
  T* First() const { return static_cast<T*>(TList::First()); }
  T* Last() const { return static_cast<T*>(TList::Last()); }
  T* Extract(T* Item) { return static_cast<T*>(TList::Extract(Item)); }
};
