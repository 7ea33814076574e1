#include "skin/form/TskImagesMenuItem.h"

#include "skin/form/TskSkinImagesMenu.h"

void TskImagesMenuItem::Assign(TPersistent* Source) {
  auto* Other = dynamic_cast<TskImagesMenuItem*>(Source);
  if (!Other) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetImageIndex(Other->ImageIndex());
  SetCaption(Other->Caption());
  FButton = Other->Button();
  FHint = Other->Hint();
}

TPersistent* TskImagesMenuItems::GetOwner() const { return ImagesMenu; }
