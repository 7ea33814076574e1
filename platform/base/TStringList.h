#pragma once
// The concrete string list: stored strings with objects, optional sorting and change events.
#include <functional>
#include <vector>

#include "platform/base/TStrings.h"

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
/// Orders the items at Index1 and Index2 of List: negative, 0 or positive.
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

/// A string list held in memory. When Sorted, Add puts each string in order (Duplicates decides what
/// happens to an equal one: dupError raises EStringListError "String list does not allow duplicates"),
/// IndexOf and Find search in halves, and Insert, Put, Exchange and Move raise EStringListError
/// "Operation not allowed on sorted list". OnChanging and OnChange surround every change, once for a
/// whole BeginUpdate/EndUpdate bracket. With OwnsObjects the list frees the objects of deleted items.
class TStringList : public TStrings {
public:
  TStringList() = default;
  explicit TStringList(bool AOwnsObjects) : FOwnsObjects(AOwnsObjects) {}
  ~TStringList() override;

  int Count() const override { return int(FList.size()); }
  void Put(int Index, const String& S) override;
  void PutObject(int Index, TObject* AObject) override;
  int Add(const String& S) override;
  int AddObject(const String& S, TObject* AObject) override;
  void Insert(int Index, const String& S) override;
  void InsertObject(int Index, const String& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  void Move(int CurIndex, int NewIndex) override;
  int IndexOf(const String& S) const override;

  /// On a sorted list: True when S is present; Index is then its first position, otherwise the position
  /// where S would go. Meaningless on an unsorted list.
  bool Find(const String& S, int& Index) const;
  /// Sorts with CompareStrings.
  void Sort();
  /// Sorts an unsorted list with Compare, which gets indexes into the list as it was before the sort.
  void CustomSort(const TStringListSortCompare& Compare);

  bool Sorted() const { return FSorted; }
  /// Setting True sorts the list.
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  /// Changing it re-sorts a sorted list.
  void SetCaseSensitive(bool Value);
  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

protected:
  String Get(int Index) const override;
  TObject* GetObject(int Index) const override;
  void SetUpdateState(bool Updating) override;
  /// Case-sensitive when CaseSensitive, otherwise ignoring case.
  int CompareStrings(const String& S1, const String& S2) const override;
  virtual void Changing();
  virtual void Changed();

private:
  struct TStringItem {
    String FString;
    TObject* FObject { nullptr };
  };

  void InsertItem(int Index, const String& S, TObject* AObject);
  void CheckIndex(int Index) const;
  void CheckUnsorted() const;
  void SortBy(const TStringListSortCompare& Compare);

  std::vector<TStringItem> FList;
  bool FSorted { false };
  TDuplicates FDuplicates { dupIgnore };
  bool FCaseSensitive { false };
  bool FOwnsObjects { false };
};
