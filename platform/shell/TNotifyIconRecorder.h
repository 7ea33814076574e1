#pragma once
// A notification area for tests.
#include <map>
#include <utility>
#include <vector>

#include "platform/shell/INotifyIconService.h"

/// Records the calls it gets and keeps the icons they leave, as a notification area would show them;
/// it answers Result. Tests play the user and the desktop through SendCallback and RestartTaskbar.
class TNotifyIconRecorder : public INotifyIconService {
public:
  struct Call {
    DWORD Message { NIM_ADD };
    NOTIFYICONDATAW Data;
  };

  bool Add(const NOTIFYICONDATAW& Data) override;
  bool Modify(const NOTIFYICONDATAW& Data) override;
  bool Delete(const NOTIFYICONDATAW& Data) override;

  /// The icon of Wnd and Id as shown now; null when it is not shown.
  const NOTIFYICONDATAW* Icon(HWND Wnd, UINT Id) const;
  /// Posts the icon's callback message with Mouse (a mouse message or NIN_BALLOONUSERCLICK) as lParam;
  /// false when the icon is not shown.
  bool SendCallback(HWND Wnd, UINT Id, LPARAM Mouse) const;
  /// The notification area starts again: its icons are gone and "TaskbarCreated" is posted.
  void RestartTaskbar();

  std::vector<Call> Calls;
  /// What the calls answer; false plays a desktop without a notification area (nothing is kept).
  bool Result { true };

private:
  using Key = std::pair<HWND, UINT>;
  std::map<Key, NOTIFYICONDATAW> FIcons;
};
