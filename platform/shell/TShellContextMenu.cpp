#include "platform/shell/TShellContextMenu.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/shell/IShellFolder.h"
#include "platform/shell/IShellOpenService.h"
#include "platform/shell/ShellFileInfo.h"
#include "platform/shell/ShellMessageBox.h"

namespace {

using TVerb = TShellContextMenu::TVerb;

const std::array<const char*, TShellContextMenu::VerbCount> VerbNames { "open", "rename", "delete", "properties" };
const std::array<const char*, TShellContextMenu::VerbCount> VerbTexts { "打开(&O)", "重命名(&M)", "删除(&D)",
                                                                        "属性(&R)" };
// The menu's groups of verbs, a separator between groups that show anything.
const std::vector<std::vector<TVerb>> VerbGroups {
  { TShellContextMenu::vOpen },
  { TShellContextMenu::vDelete, TShellContextMenu::vRename },
  { TShellContextMenu::vProperties },
};

String SystemReason(int Error) {
  return std::generic_category().message(Error);
}

void ShowError(const String& Text) {
  ShowShellMessageBox(Text, "错误", MB_OK | MB_ICONERROR);
}

/// Why the tree at Path may not be removed: a folder of it (Path itself included, links not followed)
/// lies on another file system than Path's parent folder, a volume mounted there; or a folder of it cannot
/// be read, so that cannot be ruled out. Nothing when the tree may go.
std::optional<String> Unremovable(const String& Path) {
  struct stat parent {};
  struct stat st {};
  if (stat(ExtractFileDir(Path).c_str(), &parent) != 0 || lstat(Path.c_str(), &st) != 0)
    return SystemReason(errno);
  const auto mounted = [&](const String& Folder) { return Format("“%s”上挂载着另一个文件系统", Folder); };
  if (st.st_dev != parent.st_dev) return mounted(Path);
  if (!S_ISDIR(st.st_mode)) return std::nullopt;
  std::error_code error;
  for (std::filesystem::recursive_directory_iterator it(Path, error), end; !error && it != end; it.increment(error)) {
    const String entry = it->path().string();
    if (lstat(entry.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_dev != parent.st_dev) return mounted(entry);
  }
  if (error) return error.message();
  return std::nullopt;
}

/// Removes Path and, for a folder (not a link to one), all it holds, unless the tree is Unremovable; the
/// reason when anything is left.
std::optional<String> RemoveTree(const String& Path) {
  if (std::optional<String> refusal = Unremovable(Path)) return refusal;
  std::error_code error;
  std::filesystem::remove_all(std::filesystem::path(Path), error);
  if (error) return error.message();
  return std::nullopt;
}

}  // namespace

TShellContextMenu::TShellContextMenu(String Path, String Name, uint32_t Attributes)
    : FPath(std::move(Path)), FName(std::move(Name)), FAttributes(Attributes) {}

bool TShellContextMenu::Allows(TVerb Verb) const {
  switch (Verb) {
    case vRename: return FAttributes & SFGAO_CANRENAME;
    case vDelete: return FAttributes & SFGAO_CANDELETE;
    default: return true;
  }
}

int TShellContextMenu::QueryContextMenu(HMENU Menu, UINT IndexMenu, UINT IDCmdFirst, UINT IDCmdLast, UINT Flags) {
  if (GetMenuItemCount(Menu) < 0) return -1;
  UINT position = IndexMenu;
  int taken = 0;
  for (const std::vector<TVerb>& group : VerbGroups) {
    bool separated = position == IndexMenu;
    for (const TVerb verb : group) {
      const UINT command = IDCmdFirst + UINT(verb);
      if (!Allows(verb) || (verb == vRename && !(Flags & CMF_CANRENAME)) || command > IDCmdLast) continue;
      if (!separated) InsertMenu(Menu, position++, MF_BYPOSITION | MF_SEPARATOR, 0, String());
      separated = true;
      const UINT flags = MF_BYPOSITION | MF_STRING | (verb == vOpen ? MF_DEFAULT : 0);
      InsertMenu(Menu, position++, flags, command, VerbTexts[verb]);
      taken = std::max(taken, int(verb) + 1);
    }
  }
  return taken;
}

bool TShellContextMenu::GetCommandString(UINT_PTR Command, UINT Type, String& Name) {
  if (Type != GCS_VERBA || Command >= VerbCount) return false;
  Name = VerbNames[Command];
  return true;
}

bool TShellContextMenu::InvokeCommand(const CMINVOKECOMMANDINFO& Info) {
  std::optional<TVerb> verb;
  if (const UINT* offset = std::get_if<UINT>(&Info.lpVerb)) {
    if (*offset < VerbCount) verb = TVerb(*offset);
  } else {
    const String& name = std::get<String>(Info.lpVerb);
    for (int v = 0; v < VerbCount; ++v)
      if (SameText(name, VerbNames[v])) verb = TVerb(v);
  }
  if (!verb || !Allows(*verb)) return false;
  const bool boxes = !(Info.fMask & CMIC_MASK_FLAG_NO_UI);
  switch (*verb) {
    case vOpen: return Open();
    case vDelete: return Delete(boxes);
    case vProperties: return boxes && ShowProperties();
    default: return false;  // rename: the view that showed the menu renames in place
  }
}

bool TShellContextMenu::HandleMenuMsg(UINT, WPARAM, LPARAM) {
  return false;
}

bool TShellContextMenu::Open() const {
  return IShellOpenService::Current().Open(FPath, ExtractFileDir(FPath));
}

bool TShellContextMenu::Delete(bool Boxes) const {
  if (Boxes) {
    const String question = DirectoryExists(FPath) && !(FAttributes & SFGAO_LINK)
                                ? Format("确实要永久删除文件夹“%s”及其中的全部内容吗？", FName)
                                : Format("确实要永久删除“%s”吗？", FName);
    if (ShowShellMessageBox(question, "确认删除", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) return false;
  }
  const std::optional<String> failure = RemoveTree(FPath);
  if (failure && Boxes) ShowError(Format("无法删除“%s”：%s", FName, *failure));
  return !failure;
}

bool TShellContextMenu::ShowProperties() const {
  struct stat st {};
  if (stat(FPath.c_str(), &st) != 0) {
    ShowError(Format("无法读取“%s”的属性：%s", FName, SystemReason(errno)));
    return false;
  }
  const bool folder = S_ISDIR(st.st_mode);
  String text = "名称：" + FName + "\n类型：" + ShellTypeName(ExtractFileName(FPath), folder) + "\n位置：" +
                ExtractFileDir(FPath);
  if (!folder) text += "\n大小：" + ShellSizeText(st.st_size) + "（" + IntToStr(Int64(st.st_size)) + " 字节）";
  text += "\n修改时间：" + ShellTimeText(st.st_mtime);
  ShowShellMessageBox(text, FName + " 属性", MB_OK | MB_ICONINFORMATION);
  return true;
}
