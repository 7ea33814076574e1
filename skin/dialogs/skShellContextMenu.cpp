#include "skin/dialogs/skShellContextMenu.h"

#include "platform/base/ScopeGuard.h"
#include "platform/base/TemporaryChange.h"
#include "platform/ui/toolkit/TWinControl.h"
#include "skin/dialogs/TskShellFolder.h"

namespace {

constexpr UINT FirstCommand = 1;
constexpr UINT LastCommand = 0x7FFF;

std::shared_ptr<IContextMenu2> ActiveMenu;

std::shared_ptr<IContextMenu> ItemMenu(TskShellFolder* Folder, HWND Owner) {
  IShellFolder* parent = Folder->ParentShellFolder();
  return parent ? parent->GetUIObjectOf(Owner, Folder->RelativeID()) : nullptr;
}

}  // namespace

void InvokeShellContextMenu(TWinControl* Control, TskShellFolder* Folder, int X, int Y) {
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
    succeeded = menu->InvokeCommand(info);
  }
  if (sink) sink->CommandCompleted(verb, succeeded);
}

void InvokeItemVerb(TskShellFolder* Folder, const String& Verb) {
  if (!Folder) return;
  if (const std::shared_ptr<IContextMenu> menu = ItemMenu(Folder, 0)) {
    CMINVOKECOMMANDINFO info;
    info.fMask = CMIC_MASK_ASYNCOK;
    info.lpVerb = Verb;
    menu->InvokeCommand(info);
  }
}

IContextMenu2* ActiveContextMenu2() {
  return ActiveMenu.get();
}
