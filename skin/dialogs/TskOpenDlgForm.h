#pragma once
// The form of the open and save file dialogs, built in code by TskSkinOpenDialog: a tool bar ("Look in: ",
// the shell combo box, Back, Up, New Folder and the view-style menu button), the shell file list with its
// external scroll bars, and a bottom panel with the file name edit, the file-type combo box and the Open
// (Save) and Cancel buttons. Texts come from the string table of the controls' skin model, else the
// built-in English texts.
//
// Open: a selected file, or a typed name (taken from the list's folder and completed with the typed-name
// extension) that exists, closes the form as OK with FileName the chosen path; with CheckFileExists off
// the typed name need not exist. Save: the typed name need not exist; with OverwritePromt an existing
// file is first confirmed through the skinned message box (only OK accepts; Cancel keeps the form open).
// A typed name that names a folder is never accepted. Enter in the name edit makes a typed pattern ("*")
// the list's mask, opens a typed folder path ("/"; a relative one from the folder shown), else acts as
// Open. The process's current folder is never changed.
//
// The history records every folder shown (a folder shown again right after itself once); Back returns
// to the one before and forgets the one left. New Folder creates "New Folder", then "New Folder(2)", ...
// in the shown folder and starts renaming it. The form owns its picture list and frees it with itself.
#include <memory>
#include <vector>

#include "platform/shell/ItemIDList.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/toolkit/ViewTypes.h"

class TCustomImageList;
class TListItem;
class TMenuItem;
class TskPngImageList;
class TskResourceStrData;
class TskSkinButton;
class TskSkinData;
class TskSkinEdit;
class TskSkinFileListView;
class TskSkinFilterComboBox;
class TskSkinForm;
class TskSkinMenuSpeedButton;
class TskSkinPanel;
class TskSkinPopupMenu;
class TskSkinScrollBar;
class TskSkinShellComboBox;
class TskSkinSpeedButton;
class TskSkinStdLabel;
class TskSkinToolBar;

/// The open/save dialog's form; see the file comment.
class TskOpenDlgForm : public TForm {
public:
  /// Builds the form; AToolBarImageList (borrowed) gives the tool glyphs, else the built-in pictures.
  static std::unique_ptr<TskOpenDlgForm> CreateEx(TComponent* AOwner, bool ASaveMode, TskSkinData* ACtrlSkinData,
                                                  bool AToolButtonsTransparent, TCustomImageList* AToolBarImageList);
  ~TskOpenDlgForm() override;

  /// Records the list's folder as the start of the history.
  void InitHistory();
  /// The extension a typed name without one gets: "." + DefaultExt, else that of the selected file type's
  /// first pattern, "" for a mask holding ".*".
  String TypedNameExt();
  /// The selected file type's first-pattern extension; "" when its mask holds ".*".
  String FilterExt();
  /// FileName completed as a save returns it: the file type's extension, else "." + DefaultExt, when it
  /// has none.
  String CompleteSaveName(const String& FileName);
  /// The number of folders in the history.
  int HistoryCount() const { return int(FolderHistory.size()); }

  TskPngImageList* PngImgList { nullptr };
  String DefaultExt;
  bool OverwritePromt { false };
  /// The accepted file.
  String FileName;
  TskSkinForm* BSF { nullptr };
  TskSkinPanel* FileListViewPanel { nullptr };
  TskSkinPanel* BottomPanel { nullptr };
  TskSkinScrollBar* FLVHScrollBar { nullptr };
  TskSkinScrollBar* FLVVScrollBar { nullptr };
  TskSkinFileListView* FileListView { nullptr };
  TskSkinEdit* FileNameEdit { nullptr };
  TskSkinFilterComboBox* FilterComboBox { nullptr };
  TskSkinShellComboBox* ShellBox { nullptr };
  TskSkinButton* OpenButton { nullptr };
  TskSkinButton* CancelButton { nullptr };
  TskSkinStdLabel* Drivelabel { nullptr };
  TskSkinStdLabel* OpenFileLabel { nullptr };
  TskSkinStdLabel* FileTypeLabel { nullptr };
  TskSkinToolBar* ToolPanel { nullptr };
  TskSkinSpeedButton* NewFolderToolButton { nullptr };
  TskSkinSpeedButton* UpToolButton { nullptr };
  TskSkinSpeedButton* BackToolButton { nullptr };
  TskSkinMenuSpeedButton* StyleToolButton { nullptr };
  TskSkinPopupMenu* StylePopupMenu { nullptr };
  TMenuItem* IconMenuItem { nullptr };
  TMenuItem* SmallIconMenuItem { nullptr };
  TMenuItem* ReportMenuItem { nullptr };
  TMenuItem* ListMenuItem { nullptr };
  TNotifyEvent OnFolderChange;
  bool CheckFileExists { true };

  /// Marks the view menu's item of Style and shows the list in it.
  void SelectViewStyle(TViewStyle Style);
  void BackToolButtonClick(TObject* Sender);
  void UpToolButtonClick(TObject* Sender);
  void NewFolderToolButtonClick(TObject* Sender);
  void OpenButtonClick(TObject* Sender);
  /// The file-type box's selection changed: the list's mask follows; in save mode a typed name takes the
  /// type's extension.
  void FCBChange(TObject* Sender);

protected:
  // A descendant form is built by its own CreateEx through these steps.
  TskOpenDlgForm(TComponent* AOwner, bool ASaveMode, TskSkinData* ACtrlSkinData);
  void BuildToolBar(bool AToolButtonsTransparent, TCustomImageList* AToolBarImageList);
  void BuildList();
  void BuildBottomPanel();
  /// The table's text of Name, else Builtin without a table.
  String Text(const char* Name, const char* Builtin) const;

private:
  /// Appends the list's folder unless the history ends with it.
  void AddToHistory();
  /// The list's folder with a trailing "/".
  String ListFolder() const;
  /// Asks the overwrite question about FileName when it must; true when the save may go on.
  bool OverwriteConfirmed(const String& Name);
  /// Closes as OK with Name as the accepted file.
  void Accept(const String& Name);
  void FLVChange(TObject* Sender, TListItem* Item, TItemChange Change);
  void FLVPathChange(TObject* Sender);
  void FLVDBLClick(TObject* Sender);
  void FLVKeyPress(TObject* Sender, char32_t& Key);
  void EditKeyPress(TObject* Sender, char32_t& Key);
  void FireFolderChange();

  bool SaveMode { false };
  std::vector<TItemIDListPtr> FolderHistory;
  bool StopAddToHistory { false };
  TskSkinData* CtrlSD { nullptr };
  int NewFolderCount { 0 };
  TskResourceStrData* FStrings { nullptr };
};
