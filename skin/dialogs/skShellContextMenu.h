#pragma once
// The shell context menu of one item, shown for a control, and running one verb of it without a menu.
#include <memory>

#include "platform/base/Types.h"
#include "platform/shell/IContextMenu.h"

class TWinControl;
class TskShellFolder;

/// Shows the context menu of Folder's item at (X, Y) in Control's client coordinates through the
/// installed popup-menu tracker. A chosen verb goes first to Control's ExecuteCommand when Control is an
/// IbsShellCommandSink; when that does not handle it, the item runs it; CommandCompleted reports the
/// outcome. Nothing for a null Folder or an item without a menu.
void InvokeShellContextMenu(TWinControl* Control, TskShellFolder* Folder, int X, int Y);
/// Runs Verb of Folder's item without showing its menu; nothing for a null Folder or an item without one.
void InvokeItemVerb(TskShellFolder* Folder, const String& Verb);
/// The menu being shown by InvokeShellContextMenu, for the views' menu messages; null otherwise.
IContextMenu2* ActiveContextMenu2();
