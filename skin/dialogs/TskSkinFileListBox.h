#pragma once
// A skinned list box of the entries of a folder that match a mask and a set of kinds, in name order:
// files by name, folders as "[name]". Linked controls follow: an edit shows the selected name (or the
// mask while nothing is selected), a directory list box sets the folder, a filter combo box the mask.
//
// Kinds (FileType): with skftNormal every entry found is listed; otherwise only entries with one of the
// kinds asked for. As a folder search finds them, hidden entries (names starting with ".") and folders
// are found only when their kind is asked for; with skftDirectory the folder's "." and ".." are found
// too. Other kinds here: read-only (cannot be written), archive (regular files); system and volume
// entries do not exist. Patterns of Mask are separated by ";" and match without letter case; a pattern
// ending in ".*" also matches names without an extension ("*.*" matches every name); an entry that
// several patterns match is listed once.
//
// The list is read when the window is made and whenever the folder, Mask or FileType changes; it does
// not watch the file system. A folder that cannot be entered raises EInOutError. The process's current
// folder is read at creation and never changed.
#include "platform/base/TSet.h"
#include "skin/boxctrls/TskSkinListBox.h"

class TEdit;
class TskSkinDirectoryListBox;
class TskSkinFilterComboBox;

enum TskFileAttr { skftReadOnly, skftHidden, skftSystem, skftVolumeID, skftDirectory, skftArchive, skftNormal };
using TskFileType = TSet<TskFileAttr>;

/// The file list box; see the file comment.
class TskSkinFileListBox : public TskSkinListBox {
public:
  explicit TskSkinFileListBox(TComponent* AOwner);
  ~TskSkinFileListBox() override;

  /// The listed folder.
  const String& Directory() const { return FDirectory; }
  void SetDirectory(const String& Value) { ApplyFilePath(Value); }
  /// The mount point of the volume that holds Directory.
  String Drive() const;
  /// Another volume lists its mount point.
  void SetDrive(const String& Value);
  /// The selected entry's path; "" while nothing is selected.
  String FileName() const;
  void SetFileName(const String& Value) { ApplyFilePath(Value); }
  const String& Mask() const { return FMask; }
  /// A different text (letter case counts) reads the list again.
  void SetMask(const String& Value);
  TskFileType FileType() const { return FFileType; }
  void SetFileType(TskFileType Value);
  TEdit* FileEdit() const { return FFileEdit; }
  /// Shows the selected name or the mask in the edit at once (removal is followed).
  void SetFileEdit(TEdit* Value);

  /// A typed path (relative ones from Directory): its folder is listed (through a linked directory list
  /// box when there is one); a pattern becomes Mask; a name is selected, and a file that Mask hides
  /// becomes Mask to be shown and selected. Nothing happens for "" or the selected file.
  void ApplyFilePath(const String& EditText);
  /// Lists Folder when it is another folder; EInOutError when it cannot be entered.
  void ApplyDirectory(const String& Folder);
  /// Reads the list again.
  void UpdateList() { ReadFileNames(); }

  void ListBoxClick() override;

  TNotifyEvent OnChange;

protected:
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  /// Remembers the selection, shows it in the edit and fires OnChange.
  virtual void Change();
  /// Lists the folder (only once the window exists), then Change.
  virtual void ReadFileNames();

private:
  friend class TskSkinDirectoryListBox;
  friend class TskSkinFilterComboBox;

  /// Selects the item named Name (none when there is none), then Change.
  void SelectFileName(const String& Name);
  /// The selected item's text; "" for none.
  String SelectedName() const;

  String FDirectory;
  String FMask { "*.*" };
  TskFileType FFileType { skftNormal };
  TEdit* FFileEdit { nullptr };
  TskSkinDirectoryListBox* FDirList { nullptr };
  TskSkinFilterComboBox* FFilterCombo { nullptr };
  int FLastSel { -1 };
};
