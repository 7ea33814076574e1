#pragma once
// The skinned "look in" combo box of shell folders.
#include <memory>

#include "platform/base/TTypedCollection.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/boxctrls/TskSkinCustomComboBox.h"
#include "skin/dialogs/TskShellFolder.h"

class TskCustomShellListView;
class TskCustomShellTreeView;

/// One folder of the combo box: its caption, its folder object (owned), its indent and its icons.
class TskItemEx : public TCollectionItem {
public:
  using TCollectionItem::TCollectionItem;

  /// From another item: its texts and numbers, and a folder object of its own for the same folder.
  void Assign(TPersistent* Source) override;

  String Caption;
  std::unique_ptr<TskShellFolder> Data;
  /// The folder's depth below the desktop object (TskShellFolder::Level).
  int Indent { 0 };
  int ImageIndex { -1 };
  int SelectedImageIndex { -1 };
};

/// The folder items of a shell combo box, in the order they show.
class TskItemsEx : public TTypedCollection<TskItemEx> {
public:
  /// A new item at Index holding these values; it owns AFolder.
  TskItemEx* InsertFolder(int Index, const String& ACaption, int AImageIndex, int ASelectedIndex, int AIndent,
                        std::unique_ptr<TskShellFolder> AFolder);
};

/// A drop-down of shell folders, each indented by its depth and shown with its small shell icon: the
/// root, the root's folders, with the desktop as root also Computer's volumes, and the chain of folders
/// down to the folder shown, which is the selected item. Picking an item moves a linked shell tree and
/// list to its folder; their navigation selects the folder here (rebuilding the items around it), and
/// FUpdating stops the echo. The items are rebuilt from the root on every such selection, so the chain of
/// a former folder stays only until the next one. Folder items exist with the window: a new window
/// shows the root's items again.
class TskCustomShellComboBox : public TskSkinCustomComboBox {
public:
  explicit TskCustomShellComboBox(TComponent* AOwner);
  ~TskCustomShellComboBox() override;

  /// The selected item's parsing name; empty without a selection.
  String Path() const;
  /// Shows and selects the folder of a path without moving the links; a path that names nothing raises
  /// EInvalidPath "Error setting path: \"Value\"".
  void SetPath(const String& Value);
  /// Shows and selects the folder of the absolute list ID; nothing when it is selected already or while
  /// this combo box moves its links.
  void SelectByItemIDList(PCItemIDList ID);
  /// The folder of the item at Index; past the end the last item's; null when there are no items or for
  /// a negative index.
  TskShellFolder* ItemFolder(int Index) const;
  /// The index of the last item showing the folder of the absolute list ID; -1 when none does.
  int IndexOfItemIDList(PCItemIDList ID) const;
  const TskItemsEx& ItemsEx() const { return FItemsEx; }
  /// Shows a copy of Value's items (each with a folder object of its own), none of them selected.
  void SetItemsEx(const TskItemsEx& Value);

  const TRoot& Root() const { return FRoot; }
  /// A special-folder name or a path; one that names nothing raises Exception "Error setting path:
  /// \"Value\"", keeps the old root text and shows the old root's items again.
  void SetRoot(const TRoot& Value);
  TShellObjectTypes ObjectTypes() const { return FObjectTypes; }
  virtual void SetObjectTypes(TShellObjectTypes Value);
  TskCustomShellTreeView* ShellTreeView() const { return FTreeView; }
  /// Links a tree (which takes this Root) or, with null, unlinks the former one.
  void SetShellTreeView(TskCustomShellTreeView* Value);
  TskCustomShellListView* ShellListView() const { return FListView; }
  /// Links a list (which takes this Root) or, with null, unlinks the former one.
  void SetShellListView(TskCustomShellListView* Value);
  /// A borrowed image list whose size replaces the shell's icon size; forgotten when it is freed.
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* Value);
  bool UseShellImages() const { return FUseShellImages; }
  /// Items read from now on carry their small shell icons (Value true) or none; the icon size the items
  /// are laid out with becomes ImageList's, else 16 x 16 without shell images, else the shell's.
  void ApplyShellImages(bool Value);
  int ImageWidth() const { return FImageWidth; }
  int ImageHeight() const { return FImageHeight; }

protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  /// A selection by the user (not while rebuilding or moving the links) moves the links to its folder.
  void Change() override;
  /// A click on the combo box rebuilds the items around the selected folder, dropping a stale chain.
  void Click() override;
  /// Adds the root's folders after the root item, and with the desktop as root Computer's after it.
  virtual void AddStandardItems();

private:
  friend class TskCustomShellTreeView;
  friend class TskCustomShellListView;

  void RootChanged();
  /// Frees every item and empties Items.
  void ClearFolderItems();
  /// The root item and the standard items, the root selected.
  void BuildItems();
  /// Inserts Folder's folders, in the namespace's order, after the item at Index.
  void AddChildren(int Index, TskShellFolder* Folder);
  /// Inserts at Index an item for the child ID of Parent.
  void InsertFolderItem(int Index, TskShellFolder* Parent, PCItemIDList ID);
  /// Inserts at Index an item for Folder, with its name, icon and level.
  void AddFolderItem(int Index, std::unique_ptr<TskShellFolder> Folder);
  void ShowItemIDList(PCItemIDList ID);
  /// Items := the captions of the folder items.
  void RebuildItems();
  int FolderIcon(const TskShellFolder& Folder) const;
  void DrawFolderItem(TCanvas* Canvas, int Index, int ItemHeight, const TRect& TextRect, bool Indented);

  TskItemsEx FItemsEx;
  HIMAGELIST FImages { 0 };
  int FImageHeight { 16 };
  int FImageWidth { 16 };
  TCustomImageList* FImageList { nullptr };
  TRoot FOldRoot;
  TRoot FRoot { "rfDesktop" };
  std::unique_ptr<TskShellFolder> FRootFolder;
  TskCustomShellTreeView* FTreeView { nullptr };
  TskCustomShellListView* FListView { nullptr };
  TShellObjectTypes FObjectTypes { otFolders };
  bool FUseShellImages { true };
  bool FUpdating { false };
};

/// The published shell combo box.
class TskSkinShellComboBox : public TskCustomShellComboBox {
public:
  using TskCustomShellComboBox::TskCustomShellComboBox;
};
