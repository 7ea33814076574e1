#pragma once
// Value types of forms and the application: border styles and icons, form styles, placement, window
// states, close actions, modal results, and the event signatures of forms.
#include <functional>

#include "platform/base/TObject.h"
#include "platform/base/TSet.h"
#include "platform/ui/winsys/Messages.h"

/// The frame a form's window gets.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

/// The buttons a form's caption carries.
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;

/// fsStayOnTop keeps the form above the normal windows. An fsMDIForm holds a client window for
/// documents; an fsMDIChild is a document window inside the main form's client.
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

/// How an fsMDIForm tiles its children: tbHorizontal stacks them in full-width rows first,
/// tbVertical puts them side by side in full-height columns first.
enum TTileMode { tbHorizontal, tbVertical };

/// Where a form goes when it is shown: where it was put (poDesigned), where the system puts new windows
/// (the poDefault kinds), or centred on the primary screen, the whole desktop, the main form or the
/// owning form.
enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};

enum TWindowState { wsNormal, wsMinimized, wsMaximized };

/// What closing a form does: nothing, hide it, free it (Release) or minimize it.
enum TCloseAction { caNone, caHide, caFree, caMinimize };

/// The result of a modal form; 0 keeps the modal loop running.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;
constexpr TModalResult mrClose = 11;

/// A key message as shortcut handlers see it: the virtual key and the key data of WM_KEYDOWN or
/// WM_SYSKEYDOWN (bit 29: Alt held).
struct TWMKey {
  UINT Msg { 0 };
  Word CharCode { 0 };
  LPARAM KeyData { 0 };
  LRESULT Result { 0 };
};

/// The shortcut view of a key message.
inline TWMKey KeyMessage(const TMessage& Message) {
  return { Message.Msg, Word(Message.WParam), Message.LParam, Message.Result };
}

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
/// Handled stops the search for a shortcut.
using TShortCutEvent = std::function<void(TWMKey& Msg, bool& Handled)>;
