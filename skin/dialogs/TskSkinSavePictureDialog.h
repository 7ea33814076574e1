#pragma once
// The skinned save-picture dialog: the open-picture dialog (TskSkinOpenPictureDialog.h) in save mode,
// titled "Save file". Its button reads Save; a typed name need not exist and, without an extension, takes
// the selected file type's ("shot" with "*.jpg;*.jpeg" selected gives "shot.jpg"); with OverwritePromt an
// existing file is chosen only after the overwrite question's OK.
#include "skin/dialogs/TskSkinOpenPictureDialog.h"

/// The save-picture dialog component; see the file comment.
class TskSkinSavePictureDialog : public TskSkinOpenPictureDialog {
public:
  explicit TskSkinSavePictureDialog(TComponent* AOwner);
};
