#pragma once
// The shell context menu of one item, shown for a control, and running one verb of it without a menu.
#include <memory>

#include "platform/base/Types.h"
#include "platform/shell/IContextMenu.h"

class TWinControl;
class TskShellFolder;
class TskSkinData;

/// Shows the context menu of Folder's item at (X, Y) in Control's client coordinates through the
/// installed popup-menu tracker. A chosen verb goes first to Control's ExecuteCommand when Control is an
/// IbsShellCommandSink; when that does not handle it, the item runs it, asking and telling the user in
/// skinned message boxes of Skin (null: their built-in look); CommandCompleted reports the outcome.
/// Nothing for a null Folder or an item without a menu.
void InvokeShellContextMenu(TWinControl* Control, TskShellFolder* Folder, int X, int Y, TskSkinData* Skin = nullptr);
/// Runs Verb of Folder's item without showing its menu, its boxes skinned by Skin; nothing for a null
/// Folder or an item without one.
void InvokeItemVerb(TskShellFolder* Folder, const String& Verb, TskSkinData* Skin = nullptr);
/// The menu being shown by InvokeShellContextMenu, for the views' menu messages; null otherwise.
IContextMenu2* ActiveContextMenu2();
