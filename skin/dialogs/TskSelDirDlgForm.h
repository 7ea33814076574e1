#pragma once
// The form of the select-directory dialog, built in code by TskSkinSelectDirectoryDialog: the shell
// folder tree (hidden folders included, its selection shown also without the focus) on a framed panel
// with its two external skinned scroll bars, and below it a 50-pixel panel with OK (the default button)
// and Cancel (the cancel button) at (20, 15) and (100, 15), 70 x 25, which keep their places when the form
// is resized. With the tool bar, a 25-pixel bar on top holds a path edit and, on its right, a New Folder
// button whose glyph is the caller's image list entry or, without one, the built-in picture.
//
// The path edit follows the tree's selection. Enter in it selects the typed folder (it does not press OK); a text that names no
// folder (or no absolute path) shows an error box and leaves the tree and the typed text as they are. New
// Folder creates "New Folder" in the selected file-system folder and shows it; when that name is taken or
// the selected node has no file-system path (Computer) it does nothing; a folder that cannot be created
// raises EInOutError. Captions come from the string table of the controls' skin model ("MSG_BTN_OK",
// "MSG_BTN_CANCEL", "MSG_BTN_NEWFOLDER_HINT", "MSG_NEWFOLDER"; a name the table lacks gives an empty
// text), else the built-in English texts.
#include <memory>

#include "platform/ui/toolkit/TForm.h"

class TCustomImageList;
class TTreeNode;
class TskPngImageList;
class TskResourceStrData;
class TskSkinButton;
class TskSkinData;
class TskSkinDirTreeView;
class TskSkinEdit;
class TskSkinForm;
class TskSkinPanel;
class TskSkinScrollBar;
class TskSkinSpeedButton;
class TskSkinToolBar;

/// The select-directory dialog's form; see the file comment.
class TskSelDirDlgForm : public TForm {
public:
  /// Builds the form; AToolButtonImageIndex counts only with AToolBarImageList, the tree's button
  /// pictures come from ATreeButtonImageList when given.
  static std::unique_ptr<TskSelDirDlgForm> CreateEx(TComponent* AOwner, TskSkinData* ACtrlSkinData,
                                                    bool AShowToolBar, bool AToolButtonsTransparent,
                                                    TCustomImageList* AToolBarImageList, int AToolButtonImageIndex,
                                                    bool ATreeShowLines, TCustomImageList* ATreeButtonImageList,
                                                    int ATreeButtonExpandImageIndex, int ATreeButtonNoExpandImageIndex);

  /// The built-in New Folder glyph; owned by the form, so it goes with it.
  TskPngImageList* PngImgList { nullptr };
  TskSkinForm* BSF { nullptr };
  TskSkinPanel* DirTreeViewPanel { nullptr };
  TskSkinPanel* BottomPanel { nullptr };
  TskSkinDirTreeView* DirTreeView { nullptr };
  TskSkinScrollBar* VScrollBar { nullptr };
  TskSkinScrollBar* HScrollBar { nullptr };
  TskSkinButton* OkButton { nullptr };
  TskSkinButton* CancelButton { nullptr };
  /// These three exist only with the tool bar.
  TskSkinToolBar* ToolPanel { nullptr };
  TskSkinSpeedButton* NewFolderToolButton { nullptr };
  TskSkinEdit* DirEdit { nullptr };

protected:
  /// Enter in the path edit goes to the edit, not to the default button.
  void Dispatch(TMessage& Message) override;

  TskSkinData* CtrlSD { nullptr };
  bool ShowToolBar { false };

private:
  TskSelDirDlgForm(TComponent* AOwner, TskSkinData* ACtrlSkinData, bool AShowToolBar);
  /// The table's text of Name, else Builtin without a table.
  String Text(const char* Name, const char* Builtin) const;
  void CreateToolBar(bool AToolButtonsTransparent, TCustomImageList* AToolBarImageList, int AToolButtonImageIndex);
  void CreateTree(bool ATreeShowLines, TCustomImageList* ATreeButtonImageList, int ATreeButtonExpandImageIndex,
                  int ATreeButtonNoExpandImageIndex);
  void CreateButtons();
  /// Tells that Path names no folder the tree can show, in a skinned error box.
  void ShowPathError(const String& Path);
  void DirEditKeyPress(TObject* Sender, char32_t& Key);
  void DirTreeViewChange(TObject* Sender, TTreeNode* Node);
  void NewFolderButtonClick(TObject* Sender);

  TskResourceStrData* FStrings { nullptr };
};
