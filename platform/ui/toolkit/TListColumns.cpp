#include "platform/ui/TListColumns.h"

#include "platform/ui/TCustomListView.h"

TListColumns::TListColumns(TCustomListView* AOwner)
    : TCollection(TCollection::ItemClassOf<TListColumn>()), FOwner(AOwner) {}

void TListColumns::Update(TCollectionItem* Item) { FOwner->ColumnsChanged(static_cast<TListColumn*>(Item)); }

TPersistent* TListColumns::GetOwner() const { return FOwner; }
