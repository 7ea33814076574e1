#pragma once
// The skinned list of one shell folder's items.
#include <memory>
#include <vector>

#include "platform/base/TStrings.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/dialogs/TskShellFolder.h"

class TskCustomShellComboBox;
class TskCustomShellTreeView;
class TskShellChangeNotifier;

/// The items of one shell folder in an owner-data skinned list: one TskShellFolder per row, kept here in
/// display order. Files show only when Mask accepts them (folders always); the base order puts folders
/// first, then the namespace's order; a header click sorts by name, size, type or date, folders first,
/// the second click on the same header reverses it. Double click and Enter open a folder, Backspace goes
/// up, Alt+Enter shows the item's properties, F5 reads the folder again. A linked shell tree and shell
/// combo box select the folder shown here and move this list when their selection moves; FUpdating stops
/// the echo.
class TskCustomShellListView : public TskSkinCustomListView, public IbsShellCommandSink {
public:
  explicit TskCustomShellListView(TComponent* AOwner);
  ~TskCustomShellListView() override;

  /// The shown folder's parsing name; empty before the root is read.
  String Path() const;
  /// Shows the folder of a path; a path that names nothing raises EInvalidPath.
  void SetPath(const String& Value);
  /// The folder shown.
  TskShellFolder* RootFolder() const { return FRootFolder.get(); }
  /// The first selected entry; null without a selection.
  TskShellFolder* SelectedFolder();
  /// The file-system path of the selected entry when it is no folder, else empty.
  String GetSelectedFile();
  /// The file-system paths of the selected entries that are no folders, in list order.
  void GetSelectedFiles(TStrings* AFiles);
  /// The entry at Index; null outside the list.
  TskShellFolder* EntryAt(int Index) const;
  int EntryCount() const { return int(FFolders.size()); }
  /// Shows the parent of the shown folder; nothing at the desktop.
  void Back();
  /// Reads the shown folder again and selects the same index when it is still there.
  void Refresh();
  /// Shows the folder of the absolute list ID and fires OnPathChanged; nothing when it is shown already.
  void GoToItemIDList(PCItemIDList ID);

  void ExecuteCommand(const String& Verb, bool& Handled) override;
  void CommandCompleted(const String& Verb, bool Succeeded) override;

  const TRoot& Root() const { return FRoot; }
  /// A special-folder name or a path; one that names nothing raises and keeps the old root text.
  void SetRoot(const TRoot& Value);
  TShellObjectTypes ObjectTypes() const { return FObjectTypes; }
  void SetObjectTypes(TShellObjectTypes Value);
  const String& Mask() const { return FMask; }
  /// Patterns split at ";" and "|", matched ignoring case; a pattern must hold "." (or be "*") to accept.
  void SetMask(const String& Value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  bool AutoContextMenus() const { return FAutoContext; }
  void SetAutoContextMenus(bool Value) { FAutoContext = Value; }
  bool AutoNavigate() const { return FAutoNavigate; }
  void SetAutoNavigate(bool Value) { FAutoNavigate = Value; }
  bool AutoRefresh() const { return FAutoRefresh; }
  /// On: a notifier watches the shown folder and refreshes the list after each change.
  void SetAutoRefresh(bool Value);
  /// Switching to vsReport builds the columns; switching to vsList fits the column to the longest name.
  void SetViewStyle(TViewStyle Value) override;
  TskCustomShellTreeView* ShellTreeView() const { return FTreeView; }
  /// Links a tree (which takes this Root) or, with null, unlinks the former one.
  void SetShellTreeView(TskCustomShellTreeView* Value);
  TskCustomShellComboBox* ShellComboBox() const { return FComboBox; }
  /// Links a combo box (which takes this Root) or, with null, unlinks the former one.
  void SetShellComboBox(TskCustomShellComboBox* Value);
  /// The folder watcher while AutoRefresh is on; null otherwise.
  TskShellChangeNotifier* Notifier() const { return FNotifier.get(); }
  /// The direction of the last column sort.
  bool SortDescending() const { return FSortDirection; }

  TAddFolderEvent OnAddFolder;
  TNotifyEvent OnPathChanged;

protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  bool OwnerDataFetch(TListItem* Item, TItemRequest Request) override;
  int OwnerDataFind(TItemFind Find, const String& FindString, TPoint FindPosition, void* FindData, int StartIndex,
                    TSearchDirection Direction, bool Wrap) override;
  void ColClick(TListColumn* Column) override;
  void DblClick() override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;
  void Edit(int Index, const String* Text) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  /// Reads the shown folder's items into the list.
  virtual void ReadFolder();

private:
  friend class TskCustomShellComboBox;
  friend class TskCustomShellTreeView;

  void UpdateFolder();
  void MakeRootFolder();
  void ClearEntries();
  bool Accepts(const TskShellFolder& Entry) const;
  int CompareBase(const TskShellFolder* A, const TskShellFolder* B) const;
  int CompareColumn(TskShellFolder* A, TskShellFolder* B, int Column);
  void EnumColumns();
  void AddColumn(const TShellDetails& Header, std::vector<String>& Added);
  /// The first Count columns with their texts from the string table (a root without a detail interface).
  void AddBuiltInColumns(int Count, std::vector<String>& Added);
  /// A header of the shell namespace in the string table's words when it names one of those columns.
  String ColumnText(const String& ShellHeader) const;
  /// The entry name with the most characters (the first of equals).
  String LongestName() const;
  void FitListColumn(const String& LongestName);

  int FOldSortColumn { -1 };
  int FSortColumn { -1 };
  bool FSortDirection { false };
  bool FRootLoaded { false };
  TRoot FOldRoot;
  TRoot FRoot { "rfDesktop" };
  std::unique_ptr<TskShellFolder> FRootFolder;
  bool FAutoContext { true };
  bool FAutoRefresh { false };
  bool FAutoNavigate { true };
  bool FSorted { true };
  bool FUpdating { false };
  TShellObjectTypes FObjectTypes { otFolders, otNonFolders };
  std::vector<std::unique_ptr<TskShellFolder>> FFolders;
  TskCustomShellTreeView* FTreeView { nullptr };
  TskCustomShellComboBox* FComboBox { nullptr };
  std::unique_ptr<TskShellChangeNotifier> FNotifier;
  bool FSettingRoot { false };
  String FMask { "*.*|*.*" };
};

/// The published shell list.
class TskSkinFileListView : public TskCustomShellListView {
public:
  using TskCustomShellListView::TskCustomShellListView;
};
