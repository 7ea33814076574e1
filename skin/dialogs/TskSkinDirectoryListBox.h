#pragma once
// A skinned list box of folders: the chain from the root "/" down to Directory (ancestors with the open
// folder picture, Directory itself with the current-folder picture), then the subfolders of Directory
// in name order with the closed folder picture (hidden ones left out). A double click or Enter on an
// item makes it Directory. Linked controls follow: the file list box lists Directory, the label shows it
// shortened to fit, the drive combo box shows its volume.
//
// The list is read when the window is made and whenever Directory changes, with the current folder's
// item selected once the window exists; it does not watch the file system. Setting Directory to a
// folder that cannot be entered raises EInOutError and keeps the list. The process's current folder is
// read at creation and never changed.
#include <memory>

#include "platform/gdi/TBitmap.h"
#include "skin/boxctrls/TskSkinListBox.h"

class TskSkinDriveComboBox;
class TskSkinFileListBox;
class TskSkinStdLabel;

/// The directory list box; see the file comment.
class TskSkinDirectoryListBox : public TskSkinListBox {
public:
  explicit TskSkinDirectoryListBox(TComponent* AOwner);
  ~TskSkinDirectoryListBox() override;

  const String& Directory() const { return FDirectory; }
  /// A path (relative ones from Directory) that differs from Directory: its folder becomes Directory (a
  /// last part naming a folder included), the list is read again and Change runs.
  void SetDirectory(const String& Value);
  /// The mount point of the volume that holds Directory.
  String Drive() const;
  /// Another volume makes its mount point Directory.
  void SetDrive(const String& Value);
  TskSkinFileListBox* FileList() const { return FFileList; }
  /// Links the file list box both ways (the former one is unlinked; removal is followed).
  void SetFileList(TskSkinFileListBox* Value);
  TskSkinStdLabel* DirLabel() const { return FDirLabel; }
  /// Shows Directory in the label at once (removal is followed).
  void SetDirLabel(TskSkinStdLabel* Value);
  /// Names keep their case and compare by it on every volume here.
  bool PreserveCase() const { return FPreserveCase; }
  bool CaseSensitive() const { return FCaseSensitive; }

  /// S as the list shows names: unchanged while PreserveCase or CaseSensitive, else in lower case.
  String DisplayCase(const String& S) const;
  /// 0 when A and B name the same file: by their bytes when CaseSensitive, else ignoring case.
  int FileCompareText(const String& A, const String& B) const;
  /// The folder the item at Index stands for; "" outside the items.
  String GetItemPath(int Index) const;
  /// Makes the selected item's folder Directory.
  void OpenCurrent();
  /// Reads the list again and runs Change.
  void UpdateList();
  /// The linked drive combo box chose NewDrive: a different volume makes its mount point Directory and,
  /// unless Directory is being set, reads the list again and runs Change.
  void DriveChange(const String& NewDrive);

  void ListBoxDblClick() override;
  void ListBoxKeyPress(char32_t& Key) override;
  int GetItemWidth(int Index, TCanvas* Canvas) override;

  TNotifyEvent OnChange;

  /// The item pictures (BS_CLOSEDFOLDER, BS_OPENFOLDER, BS_CURRENTFOLDER); each item's object is one of
  /// them, which tells the kinds of items apart.
  std::unique_ptr<TBitmap> ClosedBMP { std::make_unique<TBitmap>() };
  std::unique_ptr<TBitmap> OpenedBMP { std::make_unique<TBitmap>() };
  std::unique_ptr<TBitmap> CurrentBMP { std::make_unique<TBitmap>() };

protected:
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  /// Tells the file list box the folder, shows it in the label and fires OnChange.
  virtual void Change();
  virtual void BuildList();

private:
  friend class TskSkinDriveComboBox;

  void ReadBitmaps();
  void UpdateDirLabel();
  /// The item's indent: by its place in the chain, subfolders one level below Directory.
  int ItemIndent(int Index) const;
  void DrawItem(TCanvas* Cnvs, int Index, const TRect& R);

  TskSkinFileListBox* FFileList { nullptr };
  TskSkinDriveComboBox* FDriveCombo { nullptr };
  TskSkinStdLabel* FDirLabel { nullptr };
  bool FInSetDir { false };
  bool FPreserveCase { true };
  bool FCaseSensitive { true };
  String FDirectory;
};
