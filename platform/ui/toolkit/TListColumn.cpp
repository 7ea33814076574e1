#include "platform/ui/toolkit/TListColumn.h"

#include <algorithm>

TListColumn::TListColumn(TCollection* Collection) : TCollectionItem(Collection) {}

void TListColumn::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed(false);
}

int TListColumn::ConstrainedWidth(int Value) const {
  Value = std::max(Value, 0);
  if (FMinWidth > 0) Value = std::max(Value, FMinWidth);
  if (FMaxWidth > 0) Value = std::min(Value, FMaxWidth);
  return Value;
}

void TListColumn::SetWidth(int Value) {
  Value = ConstrainedWidth(Value);
  if (FWidth == Value) return;
  FWidth = Value;
  Changed(false);
}

void TListColumn::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Changed(false);
}

void TListColumn::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed(false);
}

void TListColumn::SetMinWidth(int Value) {
  FMinWidth = std::max(Value, 0);
  SetWidth(FWidth);
}

void TListColumn::SetMaxWidth(int Value) {
  FMaxWidth = std::max(Value, 0);
  SetWidth(FWidth);
}

void TListColumn::Assign(TPersistent* Source) {
  auto* Column = dynamic_cast<TListColumn*>(Source);
  if (!Column) {
    TCollectionItem::Assign(Source);
    return;
  }
  FCaption = Column->FCaption;
  FAlignment = Column->FAlignment;
  FImageIndex = Column->FImageIndex;
  FMinWidth = Column->FMinWidth;
  FMaxWidth = Column->FMaxWidth;
  FWidth = ConstrainedWidth(Column->FWidth);
  Changed(false);
}

String TListColumn::GetDisplayName() const { return FCaption.empty() ? TCollectionItem::GetDisplayName() : FCaption; }
