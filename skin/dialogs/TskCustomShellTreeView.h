#pragma once
// The skinned tree of shell folders.
#include <memory>

#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/controls/TskSkinCustomTreeView.h"
#include "skin/dialogs/TskShellFolder.h"

class TskCustomShellComboBox;
class TskCustomShellListView;
class TskShellChangeNotifier;

/// The shell namespace below Root as a skinned tree: one node per folder (and with otNonFolders per file),
/// each node's Data a TskShellFolder it owns; children are read when a node first expands, in the
/// namespace's order. Selecting a node moves a linked shell list view and shell combo box to its folder
/// (to the parent folder for a file), and their navigation selects the folder here; FUpdating stops the
/// echo. Right clicks
/// show the shell context menu, whose rename comes back here as in-place editing. Nodes exist with the
/// window only: a new window rebuilds the tree from Root and the last Path.
class TskCustomShellTreeView : public TskSkinCustomTreeView, public IbsShellCommandSink {
public:
  explicit TskCustomShellTreeView(TComponent* AOwner);
  ~TskCustomShellTreeView() override;

  /// The selected node's parsing name; empty without a selection.
  String Path() const;
  /// Selects the item of a path, expanding its ancestors, and moves the links to it; a path that names
  /// nothing raises EInvalidPath "Error setting path: \"Value\"".
  void SetPath(const String& Value);
  TskShellFolder* SelectedFolder() const;
  /// Reads Node's subtree again, keeping its expanded folders, the selection and the top row.
  void Refresh(TTreeNode* Node);
  /// Selects Computer and expands it.
  void ExpandMyComputer();
  /// Selects the node of the absolute list ID, expanding its ancestors; nothing when it is selected.
  void SelectByItemIDList(PCItemIDList ID);
  /// The folder of the node at an absolute index; null outside the tree.
  TskShellFolder* NodeFolder(int Index) const;

  void ExecuteCommand(const String& Verb, bool& Handled) override;
  void CommandCompleted(const String& Verb, bool Succeeded) override;

  const TRoot& Root() const { return FRoot; }
  /// A special-folder name or a path; a root that names nothing rebuilds the old root, then raises.
  void SetRoot(const TRoot& Value);
  TShellObjectTypes ObjectTypes() const { return FObjectTypes; }
  virtual void SetObjectTypes(TShellObjectTypes Value);
  bool AutoContextMenus() const { return FAutoContext; }
  void SetAutoContextMenus(bool Value) { FAutoContext = Value; }
  bool UseShellImages() const { return FUseShellImages; }
  void SetUseShellImages(bool Value);
  bool AutoRefresh() const { return FAutoRefresh; }
  /// On: a notifier watches the selected folder and refreshes the selected node after each change.
  void SetAutoRefresh(bool Value);
  TskCustomShellListView* ShellListView() const { return FListView; }
  /// Links a list (which takes this Root) or, with null, unlinks the former one.
  void SetShellListView(TskCustomShellListView* Value);
  TskCustomShellComboBox* ShellComboBox() const { return FComboBox; }
  /// Links a combo box (which takes this Root) or, with null, unlinks the former one.
  void SetShellComboBox(TskCustomShellComboBox* Value);
  /// The folder watcher while AutoRefresh is on; null otherwise.
  TskShellChangeNotifier* Notifier() const { return FNotifier.get(); }

  TAddFolderEvent OnAddFolder;

protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void GetImageIndex(TTreeNode* Node) override;
  void GetSelectedIndex(TTreeNode* Node) override;
  bool CanChange(TTreeNode* Node) override;
  bool CanExpand(TTreeNode* Node) override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;
  void Edit(TTreeNode* Node, const String* Text) override;
  void Delete(TTreeNode* Node) override;
  /// Frees every node's folder, then the nodes.
  virtual void ClearNodes();

private:
  friend class TskCustomShellComboBox;
  friend class TskCustomShellListView;

  static TskShellFolder* FolderOf(const TTreeNode* Node);
  void InitRoot();
  void RootChanged();
  void AddFolderNode(TTreeNode* Node, PCItemIDList ID, TTreeNode* ParentNode);
  void PopulateNode(TTreeNode* Node);
  /// Start or the first node after it and deeper than it whose folder is ID; null when none.
  TTreeNode* FindNodeByItemIDList(PCItemIDList ID, TTreeNode* Start) const;
  /// The links follow Node's folder (its parent's for a file); the notifier moves to it.
  void SelectionChanged(TTreeNode* Node);
  void SetShellIcons(TTreeNode* Node, PCItemIDList AbsoluteID);
  /// The image list the tree window shows: Images, else the system's small icons, else none.
  HIMAGELIST OwnImageList() const;
  void SendOwnImageList();
  bool ShowsShellImages() const { return FUseShellImages && !Images(); }

  String FPath;
  TRoot FRoot { "rfDesktop" };
  TRoot FOldRoot;
  std::unique_ptr<TskShellFolder> FRootFolder;
  TShellObjectTypes FObjectTypes { otFolders };
  bool FLoadingRoot { false };
  bool FAutoContext { true };
  bool FUpdating { false };
  TskCustomShellListView* FListView { nullptr };
  TskCustomShellComboBox* FComboBox { nullptr };
  bool FAutoRefresh { false };
  bool FImageListChanging { false };
  bool FUseShellImages { true };
  std::unique_ptr<TskShellChangeNotifier> FNotifier;
  TTreeNode* FNodeToMonitor { nullptr };
};

/// The published shell tree.
class TskSkinDirTreeView : public TskCustomShellTreeView {
public:
  using TskCustomShellTreeView::TskCustomShellTreeView;
};
