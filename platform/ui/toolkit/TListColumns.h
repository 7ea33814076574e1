#pragma once
// The columns of a list view.
#include "platform/base/TCollection.h"
#include "platform/ui/toolkit/TListColumn.h"

class TCustomListView;

/// The report view's columns in index order; every change reaches the list view, which lays itself and
/// its header out again.
class TListColumns : public TCollection {
public:
  explicit TListColumns(TCustomListView* AOwner);

  TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
  TListColumn* Items(int Index) const { return static_cast<TListColumn*>(TCollection::Items(Index)); }
  TCustomListView* Owner() const { return FOwner; }

protected:
  void Update(TCollectionItem* Item) override;
  TPersistent* GetOwner() const override;

private:
  TCustomListView* FOwner;
};
