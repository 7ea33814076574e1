#pragma once
// One item of a collection: it lives in its collection, which frees it.
#include "platform/base/TPersistent.h"

class TCollection;

/// An item of a TCollection. Constructing it with a collection appends it there (so a derived
/// constructor already knows its Index); deleting it takes it out of its collection, which then reports
/// the change. Subclasses that can be copied override Assign.
class TCollectionItem : public TPersistent {
public:
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return FCollection; }
  /// Position in the collection (-1 without one).
  int Index() const;
  /// Moves the item to Value; a bad position raises EListError "List index out of bounds (%d)".
  virtual void SetIndex(int Value);
  /// A number unique within the collection, given in order of creation and never reused.
  int ID() const { return FID; }
  String DisplayName() const { return GetDisplayName(); }
  /// This base stores nothing; it reports the item changed.
  virtual void SetDisplayName(const String& Value);

protected:
  /// The name shown for the item; this base gives the class name.
  virtual String GetDisplayName() const;
  /// Reports a change to the collection's Update: of this item, or of the whole collection.
  void Changed(bool AllItems);

private:
  friend class TCollection;

  TCollection* FCollection { nullptr };
  int FID { 0 };
};
