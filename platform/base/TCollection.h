#pragma once
// An owned, ordered list of items of one class, which tells its owner when it changes.
#include <functional>
#include <vector>

#include "platform/base/TCollectionItem.h"

/// A list of TCollectionItem objects it creates (with its item class) and frees. Every change reaches
/// Update, which owners override: Update(item) when one item changed, Update(nullptr) when items were
/// added, removed, moved or the whole collection changed; nothing is reported inside BeginUpdate/EndUpdate
/// until the outermost EndUpdate, which reports Update(nullptr) once. A bad index raises EListError
/// "List index out of bounds (%d)".
class TCollection : public TPersistent {
public:
  /// Creates a new item in the given collection (the item's constructor appends it there).
  using TCollectionItemClass = std::function<TCollectionItem*(TCollection* Collection)>;
  template <class TItem> static TCollectionItemClass ItemClassOf() {
    return [](TCollection* Collection) -> TCollectionItem* { return new TItem(Collection); };
  }

  explicit TCollection(TCollectionItemClass ItemClass);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  /// Appends a new item of the item class.
  TCollectionItem* Add();
  /// A new item of the item class at Index (0 .. Count).
  TCollectionItem* Insert(int Index);
  /// Frees the item at Index.
  void Delete(int Index);
  /// Frees every item.
  void Clear();
  int Count() const { return int(FItems.size()); }
  TCollectionItem* Items(int Index) const;
  /// From another collection: replaces the items with new ones, each assigned from the source's item at
  /// the same position. Assigning a collection to itself changes nothing.
  void Assign(TPersistent* Source) override;

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  TPersistent* Owner() const { return GetOwner(); }

protected:
  /// Owners override it to react to changes (see the class comment); this base does nothing.
  virtual void Update(TCollectionItem* Item);
  /// The object the collection belongs to; nullptr in this base.
  virtual TPersistent* GetOwner() const;
  /// Reports a change of the whole collection unless an update is under way.
  void Changed();

private:
  friend class TCollectionItem;

  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  void ItemChanged(TCollectionItem* Item);
  void MoveItem(TCollectionItem* Item, int NewIndex);
  [[noreturn]] static void IndexError(int Index);

  TCollectionItemClass FItemClass;
  std::vector<TCollectionItem*> FItems;
  int FNextID { 0 };
  int FUpdateCount { 0 };
};
