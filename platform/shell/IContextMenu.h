#pragma once
// The context menu of a namespace item: the verbs it offers, put into a popup menu, and running them.
#include <variant>

#include "platform/base/Types.h"
#include "platform/shell/PopupMenuCalls.h"

// Flags of QueryContextMenu.
constexpr UINT CMF_NORMAL = 0x0;
constexpr UINT CMF_EXPLORE = 0x4;     // shown by a folder view: accepted, changes nothing here
constexpr UINT CMF_CANRENAME = 0x10;  // the caller can rename in place: only then is "rename" offered

// Kinds of GetCommandString.
constexpr UINT GCS_VERBA = 0x0;

// Flags of CMINVOKECOMMANDINFO.
constexpr DWORD CMIC_MASK_FLAG_NO_UI = 0x400;  // show no box: the caller asked before and reports errors
constexpr DWORD CMIC_MASK_ASYNCOK = 0x100000;  // accepted: every verb returns once it is under way

/// What InvokeCommand runs.
struct CMINVOKECOMMANDINFO {
  DWORD fMask { 0 };  // CMIC_MASK_*
  HWND hwnd { 0 };    // the window the command is run for
  /// The command as its offset from the first command QueryContextMenu was given, or the verb's name
  /// (compared ignoring case).
  std::variant<UINT, String> lpVerb { UINT(0) };
};

/// The verbs of one item. Each verb has a fixed offset and a name: 0 "open", 1 "rename", 2 "delete",
/// 3 "properties".
class IContextMenu {
public:
  virtual ~IContextMenu() = default;

  /// Inserts the verbs the item allows into Menu from position IndexMenu on, command IDCmdFirst + offset
  /// each, leaving out those past IDCmdLast; "open" is the default entry. Answers the number of command
  /// numbers taken from IDCmdFirst on (the highest offset inserted + 1), or -1 when Menu names no menu.
  virtual int QueryContextMenu(HMENU Menu, UINT IndexMenu, UINT IDCmdFirst, UINT IDCmdLast, UINT Flags) = 0;
  /// The name of the verb at offset Command (Type GCS_VERBA); false for no such verb or another Type.
  virtual bool GetCommandString(UINT_PTR Command, UINT Type, String& Name) = 0;
  /// Runs the verb Info names; false when it names no verb the item allows, or the verb failed or was
  /// declined.
  virtual bool InvokeCommand(const CMINVOKECOMMANDINFO& Info) = 0;
};

/// A context menu that may draw entries itself and so takes the owner's menu messages.
class IContextMenu2 : public IContextMenu {
public:
  /// WM_INITMENUPOPUP, WM_DRAWITEM, WM_MEASUREITEM or WM_MENUCHAR for entries the menu draws itself;
  /// false when it does not handle the message.
  virtual bool HandleMenuMsg(UINT Msg, WPARAM WParam, LPARAM LParam) = 0;
};
