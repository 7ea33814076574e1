#pragma once
// The namespace's context menu of a file-system item.
#include <cstdint>

#include "platform/shell/IContextMenu.h"

/// The context menu of one file-system item (a file, folder, volume or Home), with the verbs the item
/// allows: "open" (always, the default) hands the item to the shell-open service with the item's folder
/// as the opener's working folder; "rename" (only with CMF_CANRENAME and SFGAO_CANRENAME) is the view's
/// to carry out in place, through IShellFolder::SetNameOf, so invoking it here fails; "delete" (with
/// SFGAO_CANDELETE) removes the item for good: a folder with all it holds, a link but not what it points
/// to; a tree where another file system is mounted is left whole. Unless the caller asked already
/// (CMIC_MASK_FLAG_NO_UI), delete asks the user first and shows a failure with its reason. "properties"
/// (always) shows the item's name, type, folder, size and time in an information box (nothing with
/// CMIC_MASK_FLAG_NO_UI). Every box goes through ShowShellMessageBox. The menu draws no entries itself.
class TShellContextMenu final : public IContextMenu2 {
public:
  /// The verbs by their offsets.
  enum TVerb { vOpen, vRename, vDelete, vProperties, VerbCount };

  /// The menu of the item at Path, shown as Name; Attributes are its SFGAO_* attributes.
  TShellContextMenu(String Path, String Name, uint32_t Attributes);

  int QueryContextMenu(HMENU Menu, UINT IndexMenu, UINT IDCmdFirst, UINT IDCmdLast, UINT Flags) override;
  bool GetCommandString(UINT_PTR Command, UINT Type, String& Name) override;
  bool InvokeCommand(const CMINVOKECOMMANDINFO& Info) override;
  bool HandleMenuMsg(UINT Msg, WPARAM WParam, LPARAM LParam) override;

private:
  /// Whether the item allows Verb (rename: as far as the item goes; the caller's CMF_CANRENAME aside).
  bool Allows(TVerb Verb) const;
  bool Open() const;
  bool Delete(bool Boxes) const;
  bool ShowProperties() const;

  String FPath;
  String FName;
  uint32_t FAttributes;
};
