#pragma once
// The root, filter and capability types of the shell folder objects and views.
#include <functional>

#include "platform/base/Exception.h"
#include "platform/base/TSet.h"
#include "platform/base/Types.h"

class TObject;
class TskShellFolder;

/// Special folders a view's Root may name, with the namespace's numbers for them. Only rfDesktop,
/// rfMyComputer, rfPersonal, rfDesktopDirectory, rfAppData and rfTemplates exist here; the others fail
/// like a missing path.
enum TRootFolder {
  rfDesktop = 0,
  rfInternet = 1,
  rfPrograms = 2,
  rfControlPanel = 3,
  rfPrinters = 4,
  rfPersonal = 5,
  rfFavorites = 6,
  rfStartup = 7,
  rfRecent = 8,
  rfSendTo = 9,
  rfRecycleBin = 10,
  rfStartMenu = 11,
  rfDesktopDirectory = 16,
  rfMyComputer = 17,
  rfNetwork = 18,
  rfFonts = 20,
  rfTemplates = 21,
  rfCommonStartMenu = 22,
  rfCommonPrograms = 23,
  rfCommonStartup = 24,
  rfCommonDesktopDirectory = 25,
  rfAppData = 26,
  rfPrintHood = 27,
};

/// A view's root: the name of a TRootFolder member ("rfDesktop") or an absolute folder path.
using TRoot = String;

enum TShellObjectType { otFolders, otNonFolders, otHidden };
using TShellObjectTypes = TSet<TShellObjectType>;

enum TskShellFolderCapability {
  fcCanCopy,
  fcCanDelete,
  fcCanLink,
  fcCanMove,
  fcCanRename,
  fcDropTarget,
  fcHasPropSheet
};
using TskShellFolderCapabilities = TSet<TskShellFolderCapability>;

enum TskShellFolderProperty {
  fpCut,
  fpIsLink,
  fpReadOnly,
  fpShared,
  fpFileSystem,
  fpFileSystemAncestor,
  fpRemovable,
  fpValidate
};
using TskShellFolderProperties = TSet<TskShellFolderProperty>;

/// Fired by the shell views for every item they read; CanAdd starts true, false drops the item.
using TAddFolderEvent = std::function<void(TObject* Sender, TskShellFolder* AFolder, bool& CanAdd)>;

/// A path that names nothing, or a folder whose details cannot be read.
ZORVIK_DECLARE_EXCEPTION(EInvalidPath, Exception)

/// A control that shows shell context menus and takes back the verbs it carries out itself.
class IbsShellCommandSink {
public:
  virtual ~IbsShellCommandSink() = default;
  /// Before a verb chosen in the menu runs; Handled true means the control did it.
  virtual void ExecuteCommand(const String& Verb, bool& Handled) = 0;
  /// After the verb ran (or was handled); Succeeded tells whether it did.
  virtual void CommandCompleted(const String& Verb, bool Succeeded) = 0;
};
