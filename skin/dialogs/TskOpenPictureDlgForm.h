#pragma once
// The form of the open and save picture dialogs, built in code by TskSkinOpenPictureDialog: the file
// dialog's form (TskOpenDlgForm.h) with a preview panel on the right of the file list, behind a
// splitter. The preview shows the selected file as a picture at its own size in a scroll box with
// external bars, or stretched over the box while the tool bar's Stretch Picture button is down. The
// bottom row keeps fixed places (name edit and file-type box 280 wide, the buttons at 370) whatever the
// form's size.
//
// Selecting a file in the list puts its name into the edit and previews it; selecting a folder or
// nothing empties the edit and the preview. A file that is not a readable picture (damaged, of a format
// without a decoder, not a regular file) previews empty and raises nothing.
#include <memory>

#include "skin/dialogs/TskOpenDlgForm.h"

class TImage;
class TskSkinScrollBox;
class TskSkinSplitter;

/// The picture dialogs' form; see the file comment.
class TskOpenPictureDlgForm : public TskOpenDlgForm {
public:
  /// Builds the form; AToolBarImageList (borrowed) gives the tool glyphs, its fifth the stretch button's.
  static std::unique_ptr<TskOpenPictureDlgForm> CreateEx(TComponent* AOwner, bool ASaveMode,
                                                         TskSkinData* ACtrlSkinData, bool AToolButtonsTransparent,
                                                         TCustomImageList* AToolBarImageList);

  /// Previews FileName; an empty name or a file that is not a readable picture empties the preview.
  void ShowPicture(const String& FileName);
  /// Applies the stretch button's state: down stretches the picture over the scroll box, up shows it at
  /// its own size with the box's bars as it needs them.
  void StretchButtonClick(TObject* Sender);

  TskSkinPanel* ImagePanel { nullptr };
  TImage* Image { nullptr };
  TskSkinScrollBox* ScrollBox { nullptr };
  TskSkinScrollBar* SBVScrollBar { nullptr };
  TskSkinScrollBar* SBHScrollBar { nullptr };
  TskSkinSpeedButton* StretchButton { nullptr };
  TskSkinSplitter* Splitter { nullptr };

private:
  TskOpenPictureDlgForm(TComponent* AOwner, bool ASaveMode, TskSkinData* ACtrlSkinData);
  void BuildPreview();
  void BuildStretchButton(bool AToolButtonsTransparent);
  void PlaceBottomRow();
  /// Gives the picture its own size when not stretched and ranges the box's bars.
  void FitImage();
  void FLVChange(TObject* Sender, TListItem* Item, TItemChange Change);
};
