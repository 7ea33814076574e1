#include "skin/dialogs/skShellContextMenu.h"

#include <vector>

#include "platform/base/ScopeGuard.h"
#include "platform/base/TemporaryChange.h"
#include "platform/shell/ShellMessageBox.h"
#include "platform/ui/toolkit/TWinControl.h"
#include "skin/dialogs/TskShellFolder.h"
#include "skin/dialogs/TskSkinMessage.h"

namespace {

constexpr UINT FirstCommand = 1;
constexpr UINT LastCommand = 0x7FFF;

std::shared_ptr<IContextMenu2> ActiveMenu;

std::shared_ptr<IContextMenu> ItemMenu(TskShellFolder* Folder, HWND Owner) {
  IShellFolder* parent = Folder->ParentShellFolder();
  return parent ? parent->GetUIObjectOf(Owner, Folder->RelativeID()) : nullptr;
}

TMsgDlgType DialogTypeOf(UINT Flags) {
  switch (Flags & 0xF0) {
    case MB_ICONERROR: return mtError;
    case MB_ICONQUESTION: return mtConfirmation;
    case MB_ICONWARNING: return mtWarning;
    default: return mtInformation;
  }
}

/// The buttons of the MB_* Flags in their order on the box.
std::vector<TMsgDlgBtn> ButtonsOf(UINT Flags) {
  switch (Flags & 0xF) {
    case MB_OKCANCEL: return { mbOK, mbCancel };
    case MB_ABORTRETRYIGNORE: return { mbAbort, mbRetry, mbIgnore };
    case MB_YESNOCANCEL: return { mbYes, mbNo, mbCancel };
    case MB_YESNO: return { mbYes, mbNo };
    case MB_RETRYCANCEL: return { mbRetry, mbCancel };
    default: return { mbOK };
  }
}

/// The shell's boxes as skinned message boxes of Skin. A box whose default is not its first button takes
/// its caption from its kind, as the skinned box names a default only then.
TShellMessageBox SkinnedBoxes(TskSkinData* Skin) {
  return [Skin](const String& Text, const String& Caption, UINT Flags) {
    TskSkinMessage box(nullptr);
    box.SetSkinData(Skin);
    box.SetCtrlSkinData(Skin);
    const std::vector<TMsgDlgBtn> order = ButtonsOf(Flags);
    TMsgDlgButtons buttons;
    for (TMsgDlgBtn button : order) buttons.Include(button);
    const size_t defaultIndex = (Flags & 0xF00) >> 8;
    if (defaultIndex > 0 && defaultIndex < order.size())
      return box.MessageDlg(Text, DialogTypeOf(Flags), buttons, 0, order[defaultIndex]);
    return box.MessageDlg2(Text, Caption, DialogTypeOf(Flags), buttons, 0);
  };
}

/// Runs the item's command with the shell's boxes skinned by Skin.
bool InvokeSkinned(IContextMenu& Menu, const CMINVOKECOMMANDINFO& Info, TskSkinData* Skin) {
  const TShellMessageBox former = SetShellMessageBox(SkinnedBoxes(Skin));
  ScopeGuard restore([&former] { SetShellMessageBox(former); });
  return Menu.InvokeCommand(Info);
}

}  // namespace

void InvokeShellContextMenu(TWinControl* Control, TskShellFolder* Folder, int X, int Y, TskSkinData* Skin) {
  if (!Folder) return;
  const std::shared_ptr<IContextMenu> menu = ItemMenu(Folder, Control->Handle());
  if (!menu) return;
  const TPoint at = Control->ClientToScreen({ X, Y });
  const HMENU popup = CreatePopupMenu();
  ScopeGuard destroy([popup] { DestroyMenu(popup); });
  menu->QueryContextMenu(popup, 0, FirstCommand, LastCommand, CMF_EXPLORE | CMF_CANRENAME);
  UINT command = 0;
  {
    TemporaryChange active(ActiveMenu, std::dynamic_pointer_cast<IContextMenu2>(menu));
    command = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.X, at.Y, 0, Control->Handle(), nullptr);
  }
  if (command == 0) return;
  String verb;
  menu->GetCommandString(command - FirstCommand, GCS_VERBA, verb);
  bool handled = false;
  auto* sink = dynamic_cast<IbsShellCommandSink*>(Control);
  if (sink) sink->ExecuteCommand(verb, handled);
  bool succeeded = handled;
  if (!handled) {
    CMINVOKECOMMANDINFO info;
    info.hwnd = Control->Handle();
    info.lpVerb = UINT(command - FirstCommand);
    succeeded = InvokeSkinned(*menu, info, Skin);
  }
  if (sink) sink->CommandCompleted(verb, succeeded);
}

void InvokeItemVerb(TskShellFolder* Folder, const String& Verb, TskSkinData* Skin) {
  if (!Folder) return;
  if (const std::shared_ptr<IContextMenu> menu = ItemMenu(Folder, 0)) {
    CMINVOKECOMMANDINFO info;
    info.fMask = CMIC_MASK_ASYNCOK;
    info.lpVerb = Verb;
    InvokeSkinned(*menu, info, Skin);
  }
}

IContextMenu2* ActiveContextMenu2() {
  return ActiveMenu.get();
}
