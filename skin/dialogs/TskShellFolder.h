#pragma once
// One item of the shell namespace as the shell views hold it, and the creation of a view's root item.
#include <memory>
#include <vector>

#include "platform/base/TCriticalSection.h"
#include "platform/gdi/WindowHandle.h"
#include "platform/shell/FindData.h"
#include "platform/shell/IShellFolder2.h"
#include "skin/dialogs/skShellItemIDs.h"
#include "skin/dialogs/skShellTypes.h"

/// One shown shell item: its list relative to its parent and its absolute list, its parent object
/// (borrowed: an object never frees its parent), and its own folder when it is one. Names, paths,
/// attributes and icons are asked of the namespace on each call; the column details are read once by
/// LoadColumnDetails and kept.
class TskShellFolder {
public:
  /// An object for ID (copied) inside AParent; without a parent the desktop object is the parent (except
  /// for the desktop object itself) and ID is taken as absolute. SF is the item's own folder, if any.
  TskShellFolder(TskShellFolder* AParent, PCItemIDList ID, std::shared_ptr<IShellFolder> SF);
  TskShellFolder(const TskShellFolder&) = delete;
  TskShellFolder& operator=(const TskShellFolder&) = delete;

  PCItemIDList RelativeID() const { return FPIDL.get(); }
  PCItemIDList AbsoluteID() const { return FFullPIDL.get(); }
  TskShellFolder* Parent() const { return FParent; }
  IShellFolder* ShellFolder() const { return FIShellFolder.get(); }
  const std::shared_ptr<IShellFolder>& ShellFolderRef() const { return FIShellFolder; }
  /// The detail interface of this object's folder; null when it is no folder.
  IShellFolder2* ShellFolder2() const { return dynamic_cast<IShellFolder2*>(FIShellFolder.get()); }
  /// The number of ancestors of the parent given at construction (a child of the desktop object: 0).
  int Level() const { return FLevel; }
  HWND ViewHandle() const { return FViewHandle; }
  void SetViewHandle(HWND Value) { FViewHandle = Value; }

  /// The parent's folder, or the desktop folder without a parent; may be null.
  IShellFolder* ParentShellFolder() const;
  /// The name shown inside the parent folder.
  String DisplayName() const;
  /// The parsing name: the file-system path of file-system items, the display name of virtual ones.
  String PathName() const;
  /// The file-system path; empty for items without one (Computer).
  String FullObjectName() const;
  /// A folder of the namespace that is no ".zip" archive.
  bool IsFolder() const;
  /// The parent folder reports that the item holds folders.
  bool SubFolders() const;
  TskShellFolderCapabilities Capabilities() const;
  TskShellFolderProperties Properties() const;
  /// The item's closed icon in the small or large system image list.
  int ImageIndex(bool LargeIcon) const;
  /// Renames the item in its folder: false without fcCanRename; a refusal raises "Rename to %s failed".
  bool Rename(const String& NewName);
  /// Opens the item with the desktop's opener, in its own folder; whether the request was handed on.
  bool ExecuteDefault() const;

  /// Reads columns 1 .. ColumnCount of this item from RootFolder (the folder that lists it), unless that
  /// many are held already: through the folder's detail interface, else from the find data when
  /// RootFolder is a file-system folder, else none.
  void LoadColumnDetails(TskShellFolder* RootFolder, HWND ViewHandle, int ColumnCount);
  /// The detail text of Column (1-based); raises before LoadColumnDetails; empty past the texts read.
  String DetailText(int Column) const;
  /// The item's find data; raises EInvalidPath "Unable to retrieve folder details for …" when the item has
  /// none (no file-system path, or nothing there).
  TFindData ReadFindData() const;

private:
  TItemIDListPtr FPIDL;
  TItemIDListPtr FFullPIDL;
  TskShellFolder* FParent { nullptr };
  std::shared_ptr<IShellFolder> FIShellFolder;
  int FLevel { 0 };
  HWND FViewHandle { 0 };
  std::vector<String> FDetails;
};

/// The display name of ID in Folder in the form Flags: texts made of "?" and a digit lose every "?", and
/// "::{…}" names are asked again in the normal form. "parentfolder = nil" for a null folder.
String ItemDisplayText(IShellFolder* Folder, PCItemIDList ID, uint32_t Flags);
/// The folder of the child ID of Parent, bound through Parent and else through the desktop; null for
/// what is no folder.
std::shared_ptr<IShellFolder> BindItemFolder(IShellFolder* Parent, PCItemIDList ID);
/// A new root object for the absolute list ID: parent the desktop object, its folder bound through the
/// desktop (the desktop folder itself for the desktop).
std::unique_ptr<TskShellFolder> CreateRootFromItemIDList(PCItemIDList ID);
/// The root object of Root (a TRootFolder member's name or a path). A root that names nothing raises
/// Exception "Error setting path: \"Root\"" and puts OldRoot back into Root.
std::unique_ptr<TskShellFolder> CreateRootFolder(const TRoot& OldRoot, TRoot& Root);

/// The desktop's object, the parent of every root object; lives as long as the process.
TskShellFolder* DesktopFolderObject();
/// The lock of the folder watchers' shared options.
TCriticalSection& ShellNotifyLock();
