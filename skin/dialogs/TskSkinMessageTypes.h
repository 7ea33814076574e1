#pragma once
// Value types of the skinned message box: the kinds of its buttons, the kinds of message, what each of them
// shows and answers, and the event that places the box.
#include <functional>

#include "platform/base/TSet.h"
#include "platform/base/Types.h"
#include "platform/gdi/Icons.h"
#include "platform/ui/toolkit/FormTypes.h"

/// The buttons a message box can show, in the order the row shows them from left to right.
enum TMsgDlgBtn {
  mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose
};
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

/// The kind of a message: its icon and its caption.
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

/// What a button kind is called, says and answers. StrName is empty for a kind the string table does not name.
struct TskMsgButtonKind {
  TMsgDlgBtn Kind;
  const char* Name;
  const char* Caption;
  const char* StrName;
  TModalResult Result;
};

/// Every button kind, in row order.
inline constexpr TskMsgButtonKind MsgButtonKinds[] = {
  { mbYes, "Yes", "&Yes", "MSG_BTN_YES", mrYes },
  { mbNo, "No", "&No", "MSG_BTN_NO", mrNo },
  { mbOK, "OK", "OK", "MSG_BTN_OK", mrOk },
  { mbCancel, "Cancel", "Cancel", "MSG_BTN_CANCEL", mrCancel },
  { mbAbort, "Abort", "&Abort", "MSG_BTN_ABORT", mrAbort },
  { mbRetry, "Retry", "&Retry", "MSG_BTN_RETRY", mrRetry },
  { mbIgnore, "Ignore", "&Ignore", "MSG_BTN_IGNORE", mrIgnore },
  { mbAll, "All", "&All", "MSG_BTN_ALL", mrAll },
  { mbNoToAll, "NoToAll", "N&oToAll", "MSG_BTN_NOTOALL", mrNoToAll },
  { mbYesToAll, "YesToAll", "&YesToAll", "MSG_BTN_YESTOALL", mrYesToAll },
  { mbHelp, "Help", "&Help", "MSG_BTN_HELP", mrNone },
  { mbClose, "Close", "Close", "", mrClose },
};

/// The system icon (a LoadIcon name, 0: none), built-in caption and string-table name of a message kind.
struct TskMsgDialogKind {
  TMsgDlgType Type;
  uintptr_t IconName;
  const char* Caption;
  const char* StrName;
};

/// Every message kind but mtCustom, which shows no icon and the application's title.
inline constexpr TskMsgDialogKind MsgDialogKinds[] = {
  { mtWarning, IDI_WARNING, "Warning", "MSG_CAP_WARNING" },
  { mtError, IDI_ERROR, "Error", "MSG_CAP_ERROR" },
  { mtInformation, IDI_INFORMATION, "Information", "MSG_CAP_INFORMATION" },
  { mtConfirmation, IDI_QUESTION, "Confirm", "MSG_CAP_CONFIRM" },
};

/// Lets the caller move a message box before it shows: AX and AY are where it would go.
using TskMessageSetShowPosEvent = std::function<void(int& AX, int& AY, int AWidth, int AHeight)>;
