#pragma once
// The skinned open-picture dialog: the open dialog (TskSkinOpenDialog.h) whose form previews the selected
// file as a picture (TskOpenPictureDlgForm.h). A descendant turns it into the save-picture dialog.
//
// It differs from the open dialog in: the title "Open picture"; the picture filter; a first run of
// 550 x 290 with a 190-pixel preview; the frame's transparency 200; no default extension and no
// folder-change event (DefaultExt and OnFolderChange are left unused), so a saved name without an
// extension takes the selected file type's. The preview starts stretched when StretchPicture is set,
// else as the last run left it. An existing FileName is previewed when the dialog opens; a file that is
// not a readable picture previews empty and Execute raises nothing for it. After every run the preview's
// width and stretch state are kept with the size, view style and file type.
#include "skin/dialogs/TskSkinOpenDialog.h"

/// The open-picture dialog component; see the file comment.
class TskSkinOpenPictureDialog : public TskSkinOpenDialog {
public:
  explicit TskSkinOpenPictureDialog(TComponent* AOwner);

  /// The preview starts stretched, whatever the last run left.
  bool StretchPicture() const { return FStretchPicture; }
  void SetStretchPicture(bool Value) { FStretchPicture = Value; }

  /// The preview panel's width at start; written back after every run.
  int ImagePanelWidth { 190 };
  /// The preview stretched when the last run closed.
  bool DialogStretch { false };

protected:
  std::unique_ptr<TskOpenDlgForm> CreateForm() override;
  void Prepare(TskOpenDlgForm& Form) override;
  void KeepLayout(TskOpenDlgForm& Form) override;

private:
  bool FStretchPicture { false };
};
