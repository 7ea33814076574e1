#pragma once
// Icons in the desktop's notification area: the record that describes one, the add, modify and delete
// calls, and the "TaskbarCreated" notice. An icon is named by its owner window and an id; the area tells
// the owner about the pointer over the icon by posting the icon's callback message (wParam the id, lParam
// the mouse message: WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, the right and middle
// buttons' likewise, or NIN_BALLOONUSERCLICK). When the area starts again (a new one replaces a lost
// one) its icons are gone and every top-level window gets the registered message "TaskbarCreated", on
// which owners add their icons again.
#include "platform/base/Types.h"
#include "platform/gdi/IconHandle.h"
#include "platform/ui/winsys/UiTypes.h"

// Shell_NotifyIconW's messages.
constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;

// The fields of a record that count (uFlags).
constexpr UINT NIF_MESSAGE = 0x01;
constexpr UINT NIF_ICON = 0x02;
constexpr UINT NIF_TIP = 0x04;
constexpr UINT NIF_INFO = 0x10;

// The balloon's icon (dwInfoFlags).
constexpr DWORD NIIF_NONE = 0;
constexpr DWORD NIIF_INFO = 1;
constexpr DWORD NIIF_WARNING = 2;
constexpr DWORD NIIF_ERROR = 3;

/// The callback's lParam when the user clicked the icon's balloon.
constexpr LPARAM NIN_BALLOONUSERCLICK = 0x0400 + 5;

/// The longest texts in code points: longer ones are cut.
constexpr size_t NotifyTipLimit = 127;
constexpr size_t NotifyInfoLimit = 255;
constexpr size_t NotifyInfoTitleLimit = 63;

/// One icon: its owner window and id, which fields count (uFlags), the callback message, the icon, the
/// tip, and the balloon's text, title, icon and time (milliseconds). cbSize is kept as given.
struct NOTIFYICONDATAW {
  DWORD cbSize { 0 };
  HWND hWnd { 0 };
  UINT uID { 0 };
  UINT uFlags { 0 };
  UINT uCallbackMessage { 0 };
  HICON hIcon { 0 };
  String szTip;
  String szInfo;
  UINT uTimeout { 0 };
  String szInfoTitle;
  DWORD dwInfoFlags { NIIF_NONE };
};

/// Adds, modifies or deletes the icon Data names, its texts cut to their limits; true when the
/// notification area shows the change (false, and nothing shown, when no notification area exists).
/// The calls go to INotifyIconService::Current().
bool Shell_NotifyIconW(DWORD Message, const NOTIFYICONDATAW* Data);

/// Copies into State the fields Change's uFlags name (NIF_INFO: the balloon's text, title, icon, time).
void ApplyNotifyIconChange(NOTIFYICONDATAW& State, const NOTIFYICONDATAW& Change);

/// What an icon added with Data shows: Data's window, id and size, and the fields its uFlags name.
NOTIFYICONDATAW AddedNotifyIcon(const NOTIFYICONDATAW& Data);

/// Posts the registered message "TaskbarCreated" to every top-level window.
void BroadcastTaskbarCreated();
