#include "platform/shell/ShellNamespace.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <string_view>

#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/shell/IShellFolder2.h"
#include "platform/shell/ShellFileInfo.h"
#include "platform/shell/TShellContextMenu.h"
#include "platform/shell/Volumes.h"

namespace {

using TItems = std::vector<TShellItem>;

const TShellItem ComputerItem { TShellItemKind::Virtual, "Computer" };
const TShellItem HomeItem { TShellItemKind::Virtual, "Home" };
const String ComputerParsingName = "::{Computer}";

String JoinPath(const String& Folder, const String& Name) {
  return Folder == "/" ? "/" + Name : Folder + "/" + Name;
}

bool IsFolderPath(const String& Path) {
  struct stat st {};
  return stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Where an absolute item list leads: the desktop, Computer, or a file-system path. Lists that do not fit
// the namespace's layout lead nowhere.
struct TPlace {
  enum TKind { Nowhere, Desktop, Computer, FileSystem } Kind { Nowhere };
  String Path;
};

TPlace PlaceOf(const TItems& Items) {
  if (Items.empty()) return { TPlace::Desktop, DesktopDirectory() };
  TPlace place;
  for (size_t i = 0; i < Items.size(); ++i) {
    const TShellItem& item = Items[i];
    switch (item.Kind) {
      case TShellItemKind::Virtual:
        if (i != 0) return {};
        place = item.Name == HomeItem.Name ? TPlace { TPlace::FileSystem, GetHomeDir() } : TPlace { TPlace::Computer, "" };
        break;
      case TShellItemKind::Volume:
        if (place.Kind != TPlace::Computer) return {};
        place = { TPlace::FileSystem, item.Name };
        break;
      case TShellItemKind::Folder:
      case TShellItemKind::File:
        if (i == 0) place = { TPlace::FileSystem, JoinPath(DesktopDirectory(), item.Name) };
        else if (place.Kind != TPlace::FileSystem) return {};
        else place.Path = JoinPath(place.Path, item.Name);
        break;
    }
  }
  return place;
}

// The items naming Path's components below Folder; each must exist, and all but the last must be folders.
bool AppendComponents(String Folder, std::string_view Path, TItems& Items) {
  size_t start = 0;
  while (start < Path.size()) {
    const size_t end = std::min(Path.find('/', start), Path.size());
    const String name(Path.substr(start, end - start));
    start = end + 1;
    if (name.empty() || name == ".") continue;
    if (name == ".." || !IsFolderPath(Folder)) return false;
    Folder = JoinPath(Folder, name);
    struct stat st {};
    if (lstat(Folder.c_str(), &st) != 0) return false;
    Items.push_back({ IsFolderPath(Folder) ? TShellItemKind::Folder : TShellItemKind::File, name });
  }
  return true;
}

bool ParseAbsolutePath(const String& Text, TItems& Items) {
  String path = ExpandFileName(Text);
  if (path.size() > 1) path = ExcludeTrailingPathDelimiter(path);
  const std::vector<TVolume> volumes = ReadVolumes();
  const TVolume* volume = VolumeOfPath(volumes, path);
  if (!volume || !IsFolderPath(volume->MountPoint)) return false;
  Items = { ComputerItem, { TShellItemKind::Volume, volume->MountPoint } };
  return AppendComponents(volume->MountPoint, std::string_view(path).substr(volume->MountPoint.size()), Items);
}

// Only what can be opened as a folder or a file is listed: folders, regular files and links to them, never
// named pipes, sockets, devices or links that lead nowhere. A path typed or parsed still reaches them.
bool ListFolder(const String& Path, uint32_t Flags, TItems& Items) {
  int error = 0;
  const std::vector<TDirEntry> entries = ListDirectory(Path, &error);
  if (error != 0) return false;
  for (const TDirEntry& entry : entries) {
    if (entry.Kind == TFileKind::Other) continue;
    if (entry.Name[0] == '.' && !(Flags & SHCONTF_INCLUDEHIDDEN)) continue;
    const bool folder = entry.Kind == TFileKind::Folder;
    if (Flags & (folder ? SHCONTF_FOLDERS : SHCONTF_NONFOLDERS))
      Items.push_back({ folder ? TShellItemKind::Folder : TShellItemKind::File, entry.Name });
  }
  return true;
}

// Stops at the first sub-folder; hidden ones count, as they are listed when hidden items are shown.
bool HasSubFolder(const String& Path) {
  DIR* dir = opendir(Path.c_str());
  if (!dir) return false;
  bool found = false;
  while (!found) {
    const dirent* entry = readdir(dir);
    if (!entry) break;
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (entry->d_type == DT_DIR) found = true;
    else if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) found = IsFolderPath(JoinPath(Path, String(name)));
  }
  closedir(dir);
  return found;
}

uint32_t PathAttributes(const String& Path, const TShellItem& Item, uint32_t Mask) {
  struct stat own {};
  if (lstat(Path.c_str(), &own) != 0) return SFGAO_FILESYSTEM;
  uint32_t attributes = SFGAO_FILESYSTEM | SFGAO_CANCOPY | SFGAO_CANLINK | SFGAO_HASPROPSHEET;
  const bool writable = access(Path.c_str(), W_OK) == 0;
  if (!writable) attributes |= SFGAO_READONLY;
  if (S_ISLNK(own.st_mode)) attributes |= SFGAO_LINK;
  if (IsFolderPath(Path)) {
    attributes |= SFGAO_FOLDER | SFGAO_FILESYSANCESTOR;
    if (writable) attributes |= SFGAO_DROPTARGET;
    if ((Mask & SFGAO_HASSUBFOLDER) && HasSubFolder(Path)) attributes |= SFGAO_HASSUBFOLDER;
  }
  if (Item.Kind == TShellItemKind::Folder || Item.Kind == TShellItemKind::File) {
    if (Item.Name[0] == '.') attributes |= SFGAO_HIDDEN | SFGAO_GHOSTED;
    if (access(ExtractFileDir(Path).c_str(), W_OK) == 0) attributes |= SFGAO_CANRENAME | SFGAO_CANDELETE | SFGAO_CANMOVE;
  }
  if (IsRemovablePath(Path)) attributes |= SFGAO_REMOVABLE;
  return attributes;
}

uint32_t Attributes(const TItems& Items, uint32_t Mask) {
  const TPlace place = PlaceOf(Items);
  switch (place.Kind) {
    case TPlace::Desktop:
      return SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR | SFGAO_HASSUBFOLDER;
    case TPlace::Computer:
      return SFGAO_FOLDER | SFGAO_FILESYSANCESTOR | SFGAO_HASSUBFOLDER;
    case TPlace::FileSystem:
      return PathAttributes(place.Path, Items.back(), Mask);
    case TPlace::Nowhere:
      break;
  }
  return 0;
}

String VolumeName(const String& MountPoint) {
  for (const TVolume& volume : ReadVolumes())
    if (volume.MountPoint == MountPoint) return VolumeDisplayName(volume);
  return VolumeDisplayName({ MountPoint, "", "", "", false });  // no longer mounted
}

int Sign(int Value) {
  return (Value > 0) - (Value < 0);
}

int Rank(const TShellItem& Item) {
  switch (Item.Kind) {
    case TShellItemKind::Virtual: return Item.Name == ComputerItem.Name ? 0 : 1;
    case TShellItemKind::Volume: return 2;
    case TShellItemKind::Folder: return 3;
    case TShellItemKind::File: return 4;
  }
  return 5;
}

int CompareItems(const TShellItem& A, const TShellItem& B) {
  if (Rank(A) != Rank(B)) return Rank(A) < Rank(B) ? -1 : 1;
  if (A.Kind == TShellItemKind::Volume) return Sign(CompareStr(A.Name, B.Name));  // "/" sorts first
  const int byName = AnsiCompareText(A.Name, B.Name);
  return Sign(byName != 0 ? byName : CompareStr(A.Name, B.Name));
}

bool ValidFileName(const String& Name) {
  return !Name.empty() && Name != "." && Name != ".." && Name.find_first_of(String("/\0", 2)) == String::npos;
}

const std::array<TShellDetails, 5> Columns { {
  { TShellColumnAlign::Left, 25, "Name" },
  { TShellColumnAlign::Right, 10, "Size" },
  { TShellColumnAlign::Left, 10, "Type" },
  { TShellColumnAlign::Left, 16, "Date modified" },
  { TShellColumnAlign::Left, 16, "Date changed" },
} };

/// One folder of the namespace, known by its absolute item list; everything else is read from the file
/// system on each call, so a folder object never goes stale.
class TNamespaceFolder final : public IShellFolder2 {
public:
  explicit TNamespaceFolder(TItems Location) : FLocation(std::move(Location)) {}

  TItemIDListPtr ParseDisplayName(const String& DisplayName) override;
  bool EnumObjects(uint32_t Flags, std::vector<TItemIDListPtr>& Items) override;
  std::shared_ptr<IShellFolder> BindToObject(PCItemIDList ID) override;
  int CompareIDs(int Column, PCItemIDList ID1, PCItemIDList ID2) override;
  uint32_t GetAttributesOf(PCItemIDList ID, uint32_t Mask) override;
  bool GetDisplayNameOf(PCItemIDList ID, uint32_t Flags, String& Name) override;
  std::shared_ptr<IContextMenu> GetUIObjectOf(HWND Owner, PCItemIDList ID) override;
  TItemIDListPtr SetNameOf(PCItemIDList ID, const String& NewName) override;
  bool GetDetailsOf(PCItemIDList ID, int Column, TShellDetails& Details) override;
  bool GetDefaultColumnState(int Column, uint32_t& State) override;

private:
  /// This folder's location followed by the items of ID; false when ID is not a valid list below it.
  bool Absolute(PCItemIDList ID, TItems& Full) const;
  /// Full (a list below this folder) made relative to this folder.
  TItemIDListPtr Relative(const TItems& Full) const;
  String DisplayName(const TItems& Full, uint32_t Flags) const;
  String DetailText(const TItems& Full, int Column) const;

  TItems FLocation;
};

bool TNamespaceFolder::Absolute(PCItemIDList ID, TItems& Full) const {
  const std::optional<TItems> items = DecodeItemIDList(ID);
  if (!items) return false;
  Full = FLocation;
  Full.insert(Full.end(), items->begin(), items->end());
  return PlaceOf(Full).Kind != TPlace::Nowhere;
}

TItemIDListPtr TNamespaceFolder::Relative(const TItems& Full) const {
  return EncodeItemIDList(TItems(Full.begin() + std::ptrdiff_t(FLocation.size()), Full.end()));
}

TItemIDListPtr TNamespaceFolder::ParseDisplayName(const String& DisplayName) {
  if (DisplayName.find('\0') != String::npos) return nullptr;  // the system would read only the part before it
  const TPlace place = PlaceOf(FLocation);
  TItems items;
  if (place.Kind == TPlace::Desktop) {
    if (DisplayName == ComputerParsingName) return EncodeItemIDList({ ComputerItem });
    if (DisplayName.starts_with('/') && ParseAbsolutePath(DisplayName, items)) return EncodeItemIDList(items);
  } else if (place.Kind == TPlace::FileSystem && !DisplayName.empty() && !DisplayName.starts_with('/')) {
    if (AppendComponents(place.Path, DisplayName, items) && !items.empty()) return EncodeItemIDList(items);
  }
  return nullptr;
}

bool TNamespaceFolder::EnumObjects(uint32_t Flags, std::vector<TItemIDListPtr>& Items) {
  Items.clear();
  const TPlace place = PlaceOf(FLocation);
  TItems children;
  switch (place.Kind) {
    case TPlace::Desktop:
      if (Flags & SHCONTF_FOLDERS) children = { ComputerItem, HomeItem };
      ListFolder(place.Path, Flags, children);  // an unreadable desktop folder still leaves Computer and Home
      break;
    case TPlace::Computer:
      if (Flags & SHCONTF_FOLDERS)
        for (const TVolume& volume : ReadVolumes()) children.push_back({ TShellItemKind::Volume, volume.MountPoint });
      break;
    case TPlace::FileSystem:
      if (!ListFolder(place.Path, Flags, children)) return false;
      break;
    case TPlace::Nowhere:
      return false;
  }
  for (const TShellItem& child : children)
    if (TItemIDListPtr id = EncodeItemIDList({ child })) Items.push_back(std::move(id));
  return true;
}

std::shared_ptr<IShellFolder> TNamespaceFolder::BindToObject(PCItemIDList ID) {
  TItems full;
  if (!Absolute(ID, full) || full.size() == FLocation.size()) return nullptr;
  const TPlace place = PlaceOf(full);
  if (place.Kind == TPlace::Computer || (place.Kind == TPlace::FileSystem && IsFolderPath(place.Path)))
    return std::make_shared<TNamespaceFolder>(std::move(full));
  return nullptr;
}

int TNamespaceFolder::CompareIDs(int, PCItemIDList ID1, PCItemIDList ID2) {
  const std::optional<TItems> a = DecodeItemIDList(ID1);
  const std::optional<TItems> b = DecodeItemIDList(ID2);
  if (!a || !b) return a ? -1 : b ? 1 : 0;  // lists of no meaning sort last
  for (size_t i = 0; i < a->size() && i < b->size(); ++i)
    if (const int order = CompareItems((*a)[i], (*b)[i])) return order;
  return Sign(int(a->size()) - int(b->size()));
}

uint32_t TNamespaceFolder::GetAttributesOf(PCItemIDList ID, uint32_t Mask) {
  TItems full;
  return Absolute(ID, full) ? Attributes(full, Mask) & Mask : 0;
}

String TNamespaceFolder::DisplayName(const TItems& Full, uint32_t Flags) const {
  const bool parsing = Flags & SHGDN_FORPARSING;
  if (Full.empty()) return parsing ? DesktopDirectory() : "Desktop";
  const TShellItem& item = Full.back();
  switch (item.Kind) {
    case TShellItemKind::Virtual:
      if (item.Name == ComputerItem.Name) return parsing ? ComputerParsingName : item.Name;
      return parsing ? GetHomeDir() : item.Name;
    case TShellItemKind::Volume:
      return parsing ? item.Name : VolumeName(item.Name);
    case TShellItemKind::Folder:
    case TShellItemKind::File:
      break;
  }
  return parsing && !(Flags & SHGDN_INFOLDER) ? PlaceOf(Full).Path : item.Name;
}

bool TNamespaceFolder::GetDisplayNameOf(PCItemIDList ID, uint32_t Flags, String& Name) {
  TItems full;
  if (!Absolute(ID, full)) return false;
  Name = DisplayName(full, Flags);
  return true;
}

std::shared_ptr<IContextMenu> TNamespaceFolder::GetUIObjectOf(HWND, PCItemIDList ID) {
  TItems full;
  if (!Absolute(ID, full) || full.empty()) return nullptr;
  const TPlace place = PlaceOf(full);
  if (place.Kind != TPlace::FileSystem) return nullptr;
  const uint32_t attributes = Attributes(full, SFGAO_CANRENAME | SFGAO_CANDELETE | SFGAO_LINK);
  return std::make_shared<TShellContextMenu>(place.Path, DisplayName(full, SHGDN_INFOLDER), attributes);
}

TItemIDListPtr TNamespaceFolder::SetNameOf(PCItemIDList ID, const String& NewName) {
  TItems full;
  if (!Absolute(ID, full) || full.size() == FLocation.size() || !ValidFileName(NewName)) return nullptr;
  const TShellItemKind kind = full.back().Kind;
  if (kind != TShellItemKind::Folder && kind != TShellItemKind::File) return nullptr;
  const String oldPath = PlaceOf(full).Path;
  full.back().Name = NewName;
  if (!RenameFile(oldPath, PlaceOf(full).Path)) return nullptr;
  return Relative(full);
}

String TNamespaceFolder::DetailText(const TItems& Full, int Column) const {
  if (Column == 0) return DisplayName(Full, SHGDN_INFOLDER);
  const TPlace place = PlaceOf(Full);
  struct stat st {};
  const bool known = place.Kind != TPlace::Computer && stat(place.Path.c_str(), &st) == 0;
  const bool folder = known ? S_ISDIR(st.st_mode) : Full.empty() || Full.back().Kind != TShellItemKind::File;
  switch (Column) {
    case 1: return known && !folder ? ShellSizeText(st.st_size) : String();
    case 2: return ShellTypeName(Full.empty() ? String() : Full.back().Name, folder);
    case 3: return known ? ShellTimeText(st.st_mtime) : String();
    default: return known ? ShellTimeText(st.st_ctime) : String();
  }
}

bool TNamespaceFolder::GetDetailsOf(PCItemIDList ID, int Column, TShellDetails& Details) {
  if (Column < 0 || Column >= int(Columns.size())) return false;
  if (!ID) {
    Details = Columns[Column];
    return true;
  }
  TItems full;
  if (!Absolute(ID, full)) return false;
  Details = { Columns[Column].Align, Columns[Column].CharWidth, DetailText(full, Column) };
  return true;
}

bool TNamespaceFolder::GetDefaultColumnState(int Column, uint32_t& State) {
  if (Column < 0 || Column >= int(Columns.size())) return false;
  State = Column == 4 ? 0 : SHCOLSTATE_ONBYDEFAULT;
  return true;
}

TItemIDListPtr ParsePath(const String& Path) {
  return SHGetDesktopFolder()->ParseDisplayName(Path);
}

}  // namespace

std::shared_ptr<IShellFolder> SHGetDesktopFolder() {
  static const std::shared_ptr<IShellFolder> Desktop = std::make_shared<TNamespaceFolder>(TItems {});
  return Desktop;
}

TItemIDListPtr SHGetSpecialFolderLocation(int Folder) {
  switch (Folder) {
    case CSIDL_DESKTOP:
      return EncodeItemIDList({});
    case CSIDL_DRIVES:
      return EncodeItemIDList({ ComputerItem });
    case CSIDL_PERSONAL:
      return EncodeItemIDList({ HomeItem });
    case CSIDL_DESKTOPDIRECTORY:
      return ParsePath(DesktopDirectory());
    case CSIDL_APPDATA:
      return ParsePath(GetUserConfigDir());
    case CSIDL_TEMPLATES:
      return ParsePath(JoinPath(GetHomeDir(), "Templates"));
    default:
      return nullptr;
  }
}

bool SHGetPathFromIDList(PCItemIDList ID, String& Path) {
  const std::optional<TItems> items = DecodeItemIDList(ID);
  if (!items) return false;
  const TPlace place = PlaceOf(*items);
  if (place.Kind != TPlace::Desktop && place.Kind != TPlace::FileSystem) return false;
  Path = place.Path;
  return true;
}

String DesktopDirectory() {
  const String home = GetHomeDir();
  const String desktop = JoinPath(home, "Desktop");
  return IsFolderPath(desktop) ? desktop : home;
}
