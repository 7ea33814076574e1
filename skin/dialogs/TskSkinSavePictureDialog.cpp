#include "skin/dialogs/TskSkinSavePictureDialog.h"

TskSkinSavePictureDialog::TskSkinSavePictureDialog(TComponent* AOwner) : TskSkinOpenPictureDialog(AOwner) {
  SetTitle("Save file");
  FSaveMode = true;
}
