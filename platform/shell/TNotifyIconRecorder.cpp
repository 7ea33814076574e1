#include "platform/shell/TNotifyIconRecorder.h"

#include "platform/ui/winsys/Ui.h"

bool TNotifyIconRecorder::Add(const NOTIFYICONDATAW& Data) {
  Calls.push_back({ NIM_ADD, Data });
  if (!Result || FIcons.contains({ Data.hWnd, Data.uID }))
    return false;
  FIcons[{ Data.hWnd, Data.uID }] = AddedNotifyIcon(Data);
  return true;
}

bool TNotifyIconRecorder::Modify(const NOTIFYICONDATAW& Data) {
  Calls.push_back({ NIM_MODIFY, Data });
  const auto It = FIcons.find({ Data.hWnd, Data.uID });
  if (!Result || It == FIcons.end())
    return false;
  ApplyNotifyIconChange(It->second, Data);
  return true;
}

bool TNotifyIconRecorder::Delete(const NOTIFYICONDATAW& Data) {
  Calls.push_back({ NIM_DELETE, Data });
  return Result && FIcons.erase({ Data.hWnd, Data.uID }) != 0;
}

const NOTIFYICONDATAW* TNotifyIconRecorder::Icon(HWND Wnd, UINT Id) const {
  const auto It = FIcons.find({ Wnd, Id });
  return It == FIcons.end() ? nullptr : &It->second;
}

bool TNotifyIconRecorder::SendCallback(HWND Wnd, UINT Id, LPARAM Mouse) const {
  const NOTIFYICONDATAW* Shown = Icon(Wnd, Id);
  return Shown && PostMessage(Wnd, Shown->uCallbackMessage, Id, Mouse);
}

void TNotifyIconRecorder::RestartTaskbar() {
  FIcons.clear();
  BroadcastTaskbarCreated();
}
