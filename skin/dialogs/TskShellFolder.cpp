#include "skin/dialogs/TskShellFolder.h"

#include <cerrno>
#include <cctype>

#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/shell/IShellOpenService.h"
#include "platform/shell/ShellNamespace.h"

namespace {

/// A name of the form "?12abc": the "?" marks stand for characters the name could not show.
bool HasQuestionMarkPrefix(const String& Text) {
  return Text.size() > 1 && Text[0] == '?' && std::isdigit(static_cast<unsigned char>(Text[1]));
}

struct TRootFolderName {
  const char* Name;
  TRootFolder Value;
};

constexpr TRootFolderName RootFolderNames[] {
  { "rfDesktop", rfDesktop },
  { "rfMyComputer", rfMyComputer },
  { "rfNetwork", rfNetwork },
  { "rfRecycleBin", rfRecycleBin },
  { "rfAppData", rfAppData },
  { "rfCommonDesktopDirectory", rfCommonDesktopDirectory },
  { "rfCommonPrograms", rfCommonPrograms },
  { "rfCommonStartMenu", rfCommonStartMenu },
  { "rfCommonStartup", rfCommonStartup },
  { "rfControlPanel", rfControlPanel },
  { "rfDesktopDirectory", rfDesktopDirectory },
  { "rfFavorites", rfFavorites },
  { "rfFonts", rfFonts },
  { "rfInternet", rfInternet },
  { "rfPersonal", rfPersonal },
  { "rfPrinters", rfPrinters },
  { "rfPrintHood", rfPrintHood },
  { "rfPrograms", rfPrograms },
  { "rfRecent", rfRecent },
  { "rfSendTo", rfSendTo },
  { "rfStartMenu", rfStartMenu },
  { "rfStartup", rfStartup },
  { "rfTemplates", rfTemplates },
};

const TRootFolderName* FindRootFolderName(const String& Root) {
  for (const TRootFolderName& entry : RootFolderNames)
    if (SameText(Root, entry.Name)) return &entry;
  return nullptr;
}

/// True while the desktop object is being made: it is the one object without a parent.
bool MakingDesktop = false;

int AncestorCount(const TskShellFolder* Folder) {
  int count = 0;
  for (const TskShellFolder* p = Folder ? Folder->Parent() : nullptr; p; p = p->Parent()) ++count;
  return count;
}

}  // namespace

TskShellFolder::TskShellFolder(TskShellFolder* AParent, PCItemIDList ID, std::shared_ptr<IShellFolder> SF)
    : FPIDL(CopyItemIDList(ID)), FIShellFolder(std::move(SF)) {
  FParent = AParent;
  if (!FParent && !MakingDesktop) FParent = DesktopFolderObject();
  FFullPIDL = JoinItemIDLists(AParent ? AParent->AbsoluteID() : nullptr, ID);
  FLevel = AncestorCount(AParent);
}

IShellFolder* TskShellFolder::ParentShellFolder() const {
  return FParent ? FParent->ShellFolder() : DesktopShellFolder().get();
}

String TskShellFolder::DisplayName() const {
  return ItemDisplayText(ParentShellFolder(), FPIDL.get(), SHGDN_INFOLDER);
}

String TskShellFolder::PathName() const {
  return ItemDisplayText(DesktopShellFolder().get(), FFullPIDL.get(), SHGDN_FORPARSING);
}

String TskShellFolder::FullObjectName() const {
  String path;
  return SHGetPathFromIDList(FFullPIDL.get(), path) ? path : String();
}

bool TskShellFolder::IsFolder() const {
  IShellFolder* parent = ParentShellFolder();
  if (!parent || !(parent->GetAttributesOf(FPIDL.get(), SFGAO_FOLDER) & SFGAO_FOLDER)) return false;
  return UpperCase(ExtractFileExt(FullObjectName())) != ".ZIP";
}

bool TskShellFolder::SubFolders() const {
  IShellFolder* parent = ParentShellFolder();
  return parent && (parent->GetAttributesOf(FPIDL.get(), SFGAO_HASSUBFOLDER) & SFGAO_HASSUBFOLDER);
}

TskShellFolderCapabilities TskShellFolder::Capabilities() const {
  IShellFolder* parent = ParentShellFolder();
  if (!parent) return {};
  const uint32_t mask = SFGAO_CANCOPY | SFGAO_CANMOVE | SFGAO_CANLINK | SFGAO_CANRENAME | SFGAO_CANDELETE |
                        SFGAO_HASPROPSHEET | SFGAO_DROPTARGET;
  const uint32_t attributes = parent->GetAttributesOf(FPIDL.get(), mask);
  TskShellFolderCapabilities result;
  const std::pair<uint32_t, TskShellFolderCapability> bits[] {
    { SFGAO_CANCOPY, fcCanCopy },       { SFGAO_CANDELETE, fcCanDelete },   { SFGAO_CANLINK, fcCanLink },
    { SFGAO_CANMOVE, fcCanMove },       { SFGAO_CANRENAME, fcCanRename },   { SFGAO_DROPTARGET, fcDropTarget },
    { SFGAO_HASPROPSHEET, fcHasPropSheet },
  };
  for (const auto& [bit, capability] : bits)
    if (attributes & bit) result.Include(capability);
  return result;
}

TskShellFolderProperties TskShellFolder::Properties() const {
  IShellFolder* parent = ParentShellFolder();
  if (!parent) return {};
  const std::pair<uint32_t, TskShellFolderProperty> bits[] {
    { SFGAO_GHOSTED, fpCut },           { SFGAO_LINK, fpIsLink },
    { SFGAO_SHARE, fpShared },          { SFGAO_READONLY, fpReadOnly },
    { SFGAO_FILESYSTEM, fpFileSystem }, { SFGAO_FILESYSANCESTOR, fpFileSystemAncestor },
    { SFGAO_REMOVABLE, fpRemovable },   { SFGAO_VALIDATE, fpValidate },
  };
  TskShellFolderProperties result;
  for (const auto& [bit, property] : bits)
    if (parent->GetAttributesOf(FPIDL.get(), bit) & bit) result.Include(property);
  return result;
}

int TskShellFolder::ImageIndex(bool LargeIcon) const {
  return ShellImageIndex(FFullPIDL.get(), LargeIcon, false);
}

bool TskShellFolder::Rename(const String& NewName) {
  if (!Capabilities().Contains(fcCanRename)) return false;
  // Accepting the offered name unchanged is no rename: the file system would refuse it as taken.
  if (NewName == DisplayName()) return true;
  IShellFolder* parent = ParentShellFolder();
  TItemIDListPtr renamed = parent ? parent->SetNameOf(FPIDL.get(), NewName) : nullptr;
  if (!renamed) throw Exception(Format("Rename to %s failed", NewName));
  FFullPIDL = JoinItemIDLists(FParent ? FParent->AbsoluteID() : nullptr, renamed.get());
  FPIDL = std::move(renamed);
  return true;
}

bool TskShellFolder::ExecuteDefault() const {
  const String path = FullObjectName();
  return !path.empty() && IShellOpenService::Current().Open(path, ExtractFileDir(path));
}

void TskShellFolder::LoadColumnDetails(TskShellFolder* RootFolder, HWND ViewHandle, int ColumnCount) {
  if (int(FDetails.size()) >= ColumnCount) return;
  FDetails.clear();
  FViewHandle = ViewHandle;
  if (!RootFolder) return;
  if (IShellFolder2* details = RootFolder->ShellFolder2()) {
    for (int column = 1; column <= ColumnCount; ++column) {
      TShellDetails text;
      FDetails.push_back(details->GetDetailsOf(FPIDL.get(), column, text) ? text.Text : String());
    }
  } else if (RootFolder->Properties().Contains(fpFileSystem)) {
    const TFindData data = ReadFindData();
    FDetails = { IntToStr(data.Size), ExtractFileExt(data.FileName), DateTimeToStr(data.LastWriteTime),
                 IntToStr(data.Attributes) };
  }
}

String TskShellFolder::DetailText(int Column) const {
  if (FDetails.empty()) throw Exception(Format("%s: Missing call to LoadColumnDetails", DisplayName()));
  return Column >= 1 && Column <= int(FDetails.size()) ? FDetails[Column - 1] : String();
}

TFindData TskShellFolder::ReadFindData() const {
  TFindData data;
  const String path = FullObjectName();
  errno = ENOENT;
  if (path.empty() || !GetFindData(path, data))
    throw EInvalidPath(Format("Unable to retrieve folder details for \"%s\". Error code $%x", DisplayName(), errno));
  return data;
}

String ItemDisplayText(IShellFolder* Folder, PCItemIDList ID, uint32_t Flags) {
  if (!Folder) return "parentfolder = nil";
  String text;
  if (!Folder->GetDisplayNameOf(ID, Flags, text)) return String();
  if (HasQuestionMarkPrefix(text)) text = StringReplace(text, "?", "", { rfReplaceAll });
  if (text.starts_with("::{") && !Folder->GetDisplayNameOf(ID, SHGDN_NORMAL, text)) text.clear();
  return text;
}

std::shared_ptr<IShellFolder> BindItemFolder(IShellFolder* Parent, PCItemIDList ID) {
  if (Parent)
    if (std::shared_ptr<IShellFolder> folder = Parent->BindToObject(ID)) return folder;
  return nullptr;
}

std::unique_ptr<TskShellFolder> CreateRootFromItemIDList(PCItemIDList ID) {
  std::shared_ptr<IShellFolder> folder = BindItemFolder(DesktopShellFolder().get(), ID);
  if (!folder) folder = DesktopShellFolder();
  return std::make_unique<TskShellFolder>(DesktopFolderObject(), ID, std::move(folder));
}

std::unique_ptr<TskShellFolder> CreateRootFolder(const TRoot& OldRoot, TRoot& Root) {
  TItemIDListPtr id;
  if (const TRootFolderName* special = FindRootFolderName(Root)) id = SHGetSpecialFolderLocation(special->Value);
  else if (!Root.empty()) id = DesktopShellFolder()->ParseDisplayName(Root);
  if (!id) {
    const String message = Format("Error setting path: \"%s\"", Root);
    Root = OldRoot;
    throw Exception(message);
  }
  return CreateRootFromItemIDList(id.get());
}

TskShellFolder* DesktopFolderObject() {
  static const std::unique_ptr<TskShellFolder> Desktop = [] {
    MakingDesktop = true;
    TItemIDListPtr id = DesktopItemIDList();
    auto desktop = std::make_unique<TskShellFolder>(nullptr, id.get(), DesktopShellFolder());
    MakingDesktop = false;
    return desktop;
  }();
  return Desktop.get();
}

TCriticalSection& ShellNotifyLock() {
  static TCriticalSection Lock;
  return Lock;
}
