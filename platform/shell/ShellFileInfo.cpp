#include "platform/shell/ShellFileInfo.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/base/DateUtils.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/shell/IShellFolder.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/shell/Volumes.h"

namespace {

constexpr std::array<std::string_view, 22> VideoExtensions {
  ".3gp", ".asf", ".avi", ".dv", ".f4v", ".flv", ".m2ts", ".m4v", ".mkv", ".mov", ".mp4",
  ".mpeg", ".mpg", ".mts", ".ogv", ".rm", ".rmvb", ".swf", ".ts", ".vob", ".webm", ".wmv",
};
constexpr std::array<std::string_view, 14> AudioExtensions {
  ".aac", ".ac3", ".aiff", ".amr", ".ape", ".flac", ".m4a", ".mka", ".mp2", ".mp3", ".ogg", ".opus", ".wav", ".wma",
};
constexpr std::array<std::string_view, 9> PictureExtensions {
  ".bmp", ".gif", ".ico", ".jpeg", ".jpg", ".png", ".tif", ".tiff", ".webp",
};

template <size_t N> bool Contains(const std::array<std::string_view, N>& List, std::string_view Value) {
  return std::find(List.begin(), List.end(), Value) != List.end();
}

TShellIcon FileIcon(const String& Name) {
  const String extension = LowerCase(ExtractFileExt(Name));
  if (Contains(VideoExtensions, extension)) return siVideo;
  if (Contains(AudioExtensions, extension)) return siAudio;
  if (Contains(PictureExtensions, extension)) return siPicture;
  return siFile;
}

TShellIcon IconOf(const std::vector<TShellItem>& Items, bool Open) {
  if (Items.empty()) return siDesktop;
  const TShellItem& item = Items.back();
  switch (item.Kind) {
    case TShellItemKind::Virtual: return item.Name == "Computer" ? siComputer : siHome;
    case TShellItemKind::Volume: return IsRemovablePath(item.Name) ? siRemovableDrive : siDrive;
    case TShellItemKind::Folder: return Open ? siFolderOpen : siFolder;
    case TShellItemKind::File: break;
  }
  return FileIcon(item.Name);
}

}  // namespace

HIMAGELIST SHGetFileInfo(PCItemIDList ID, uint32_t Flags, TShellFileInfo& Info) {
  const std::shared_ptr<IShellFolder> desktop = SHGetDesktopFolder();
  const std::optional<std::vector<TShellItem>> items = DecodeItemIDList(ID);
  String name;
  // The parsing form checks the list without reading the volume table, which the shown name of a volume needs.
  if (!items || !desktop->GetDisplayNameOf(ID, SHGDN_INFOLDER | SHGDN_FORPARSING, name)) return 0;
  if (Flags & SHGFI_SYSICONINDEX) Info.IconIndex = IconOf(*items, Flags & SHGFI_OPENICON);
  if (Flags & SHGFI_DISPLAYNAME) desktop->GetDisplayNameOf(ID, SHGDN_INFOLDER, Info.DisplayName);
  if (Flags & SHGFI_TYPENAME) {
    const bool folder = items->empty() || items->back().Kind != TShellItemKind::File;
    Info.TypeName = ShellTypeName(items->empty() ? String() : items->back().Name, folder);
  }
  return ShellSystemImageList(!(Flags & SHGFI_SMALLICON));
}

HIMAGELIST SHGetFileInfo(const String& Path, uint32_t Flags, TShellFileInfo& Info) {
  const TItemIDListPtr id = SHGetDesktopFolder()->ParseDisplayName(Path);
  return id ? SHGetFileInfo(id.get(), Flags, Info) : 0;
}

String ShellTypeName(const String& Name, bool IsFolder) {
  if (IsFolder) return "Folder";
  const String extension = ExtractFileExt(Name);
  return extension.size() > 1 ? UpperCase(extension.substr(1)) + " file" : "File";
}

String ShellSizeText(Int64 Bytes) {
  return IntToStr((Bytes + 1023) / 1024) + " KB";
}

String ShellTimeText(Int64 Seconds) {
  return FormatDateTime("yyyy-mm-dd hh:nn", UnixToLocalDateTime(Seconds));
}
