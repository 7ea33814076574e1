#include "platform/ui/toolkit/TListColumns.h"

#include "platform/ui/toolkit/TCustomListView.h"

TListColumns::TListColumns(TCustomListView* AOwner)
    : TCollection(TCollection::ItemClassOf<TListColumn>()), FOwner(AOwner) {}

void TListColumns::Update(TCollectionItem* Item) { FOwner->ColumnsChanged(static_cast<TListColumn*>(Item)); }

TPersistent* TListColumns::GetOwner() const { return FOwner; }
