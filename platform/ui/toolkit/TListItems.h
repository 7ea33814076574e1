#pragma once
// The items of a list view.
#include <memory>
#include <vector>

#include "platform/base/TPersistent.h"
#include "platform/ui/toolkit/TListItem.h"

class TCustomListView;

/// The items in list order. They live in the list view object, so they exist before its window and
/// survive RecreateWnd. In owner-data mode no items are kept: Count is set with SetCount and Item(i)
/// answers a stand-in the list view fills through OwnerDataFetch.
class TListItems : public TPersistent {
public:
  explicit TListItems(TCustomListView* AOwner);
  ~TListItems() override;

  TCustomListView* Owner() const { return FOwner; }
  int Count() const;
  /// Owner-data mode: the number of items (the others ignore it).
  void SetCount(int Value);
  /// The item at Index; null for an index outside the list (-1 included).
  TListItem* Item(int Index);
  TListItem* operator[](int Index) { return Item(Index); }
  /// Appends a new item and answers it.
  TListItem* Add();
  /// A new item at Index (0..Count).
  TListItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  /// Position of Item, -1 when it is not in the list.
  int IndexOf(const TListItem* Item) const;

  /// Nested: layout and repaint wait until the outermost EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

private:
  friend class TCustomListView;
  friend class TListItem;

  void Renumber(int From);
  [[noreturn]] static void IndexError(int Index);

  TCustomListView* FOwner;
  std::vector<std::unique_ptr<TListItem>> FItems;
  int FVirtualCount { 0 };
  /// The stand-in Item answers in owner-data mode.
  std::unique_ptr<TListItem> FStandIn;
  int FUpdateCount { 0 };
};
