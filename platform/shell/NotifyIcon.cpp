#include "platform/shell/NotifyIcon.h"

#include <vector>

#include "platform/base/SysUtils.h"
#include "platform/shell/INotifyIconService.h"
#include "platform/ui/winsys/Ui.h"

namespace {

String Cut(const String& Text, size_t Limit) { return Text.substr(0, CodePointOffset(Text, Limit)); }

}  // namespace

bool Shell_NotifyIconW(DWORD Message, const NOTIFYICONDATAW* Data) {
  if (!Data)
    return false;
  NOTIFYICONDATAW Cut = *Data;
  Cut.szTip = ::Cut(Data->szTip, NotifyTipLimit);
  Cut.szInfo = ::Cut(Data->szInfo, NotifyInfoLimit);
  Cut.szInfoTitle = ::Cut(Data->szInfoTitle, NotifyInfoTitleLimit);
  INotifyIconService& Service = INotifyIconService::Current();
  switch (Message) {
  case NIM_ADD: return Service.Add(Cut);
  case NIM_MODIFY: return Service.Modify(Cut);
  case NIM_DELETE: return Service.Delete(Cut);
  default: return false;
  }
}

void ApplyNotifyIconChange(NOTIFYICONDATAW& State, const NOTIFYICONDATAW& Change) {
  if (Change.uFlags & NIF_MESSAGE)
    State.uCallbackMessage = Change.uCallbackMessage;
  if (Change.uFlags & NIF_ICON)
    State.hIcon = Change.hIcon;
  if (Change.uFlags & NIF_TIP)
    State.szTip = Change.szTip;
  if (Change.uFlags & NIF_INFO) {
    State.szInfo = Change.szInfo;
    State.szInfoTitle = Change.szInfoTitle;
    State.dwInfoFlags = Change.dwInfoFlags;
    State.uTimeout = Change.uTimeout;
  }
}

NOTIFYICONDATAW AddedNotifyIcon(const NOTIFYICONDATAW& Data) {
  NOTIFYICONDATAW Icon;
  Icon.cbSize = Data.cbSize;
  Icon.hWnd = Data.hWnd;
  Icon.uID = Data.uID;
  ApplyNotifyIconChange(Icon, Data);
  return Icon;
}

void BroadcastTaskbarCreated() {
  const UINT Message = RegisterWindowMessage("TaskbarCreated");
  std::vector<HWND> Windows;
  EnumWindows([&](HWND Wnd) {
    Windows.push_back(Wnd);
    return true;
  });
  for (HWND Wnd : Windows)
    PostMessage(Wnd, Message, 0, 0);
}
