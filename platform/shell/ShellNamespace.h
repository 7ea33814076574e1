#pragma once
// The shell namespace over the POSIX file system. The desktop (the empty list) holds Computer, Home (the
// user's home folder) and the entries of the desktop folder; Computer holds the volumes, "/" first, in
// place of drives (see Volumes.h); below them the folders and files of the file system.
#include <memory>

#include "platform/base/Types.h"
#include "platform/shell/IShellFolder.h"
#include "platform/shell/ItemIDList.h"

// Special folders of SHGetSpecialFolderLocation.
constexpr int CSIDL_DESKTOP = 0;
constexpr int CSIDL_PERSONAL = 5;
constexpr int CSIDL_DESKTOPDIRECTORY = 16;
constexpr int CSIDL_DRIVES = 17;
constexpr int CSIDL_TEMPLATES = 21;
constexpr int CSIDL_APPDATA = 26;

/// The desktop folder, the root of the namespace (it also offers IShellFolder2).
std::shared_ptr<IShellFolder> SHGetDesktopFolder();
/// The absolute list of a special folder: CSIDL_DESKTOP (the empty list), CSIDL_DRIVES (Computer),
/// CSIDL_PERSONAL (Home), CSIDL_DESKTOPDIRECTORY (the desktop folder), CSIDL_APPDATA ($XDG_CONFIG_HOME,
/// else ~/.config), CSIDL_TEMPLATES (~/Templates). Null for every other folder and for a folder that does
/// not exist.
TItemIDListPtr SHGetSpecialFolderLocation(int Folder);
/// The file-system path of the absolute list ID; false for Computer and for lists this namespace did not
/// make.
bool SHGetPathFromIDList(PCItemIDList ID, String& Path);
/// The folder whose entries the desktop shows: $HOME/Desktop when that is a folder, else $HOME.
String DesktopDirectory();
