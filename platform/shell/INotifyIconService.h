#pragma once
// The desktop's notification area, as Shell_NotifyIconW reaches it.
#include "platform/shell/NotifyIcon.h"

/// Shows, changes and removes notification-area icons (NotifyIcon.h); the texts arrive cut to their
/// limits. Each call answers whether the area shows the result; none of them waits for the user.
class INotifyIconService {
public:
  virtual ~INotifyIconService() = default;

  /// Shows a new icon for Data's window and id; false when it exists already or nothing can show it.
  virtual bool Add(const NOTIFYICONDATAW& Data) = 0;
  /// Changes the fields Data's uFlags name; an empty balloon text with NIF_INFO takes the balloon away.
  /// False for an icon not shown.
  virtual bool Modify(const NOTIFYICONDATAW& Data) = 0;
  /// Removes the icon; false for an icon not shown.
  virtual bool Delete(const NOTIFYICONDATAW& Data) = 0;

  /// The service in use: the real one unless another was put in place.
  static INotifyIconService& Current();
  /// Puts Service (not owned) in place of the real one; null goes back to the real one.
  static void SetCurrent(INotifyIconService* Service);
};
