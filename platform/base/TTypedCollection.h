#pragma once
// A collection whose items are all of one known class.
#include "platform/base/TCollection.h"

/// A TCollection of TItem whose accessors return TItem, for owners that need typed items.
template <class TItem> class TTypedCollection : public TCollection {
public:
  TTypedCollection() : TCollection(ItemClassOf<TItem>()) {}

  TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
  TItem* Insert(int Index) { return static_cast<TItem*>(TCollection::Insert(Index)); }
  TItem* Items(int Index) const { return static_cast<TItem*>(TCollection::Items(Index)); }
};
