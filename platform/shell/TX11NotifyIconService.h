#pragma once
// The notification area of an X desktop.
#include <map>
#include <memory>
#include <utility>

#include "platform/shell/INotifyIconService.h"

class X11Tray;

/// Notification-area icons through the X server's system-tray protocol. An icon shows only while a tray
/// manager owns the tray selection; without an X server or a manager every call answers false at once
/// and nothing waits. The server's events are read every PollInterval milliseconds (a timer of a
/// utility window) or by ProcessEvents: presses, releases, double clicks and moves over an icon reach its
/// owner as the icon's callback message; a new manager means the icons are gone, and "TaskbarCreated"
/// tells their owners to add them again.
class TX11NotifyIconService : public INotifyIconService {
public:
  TX11NotifyIconService();
  ~TX11NotifyIconService() override;

  bool Add(const NOTIFYICONDATAW& Data) override;
  bool Modify(const NOTIFYICONDATAW& Data) override;
  bool Delete(const NOTIFYICONDATAW& Data) override;

  /// Handles the server's events that arrived, without waiting.
  void ProcessEvents();

  static constexpr unsigned PollInterval = 100;
  /// The side of an icon's picture in pixels.
  static constexpr int IconSize = 22;

private:
  struct Shown {
    NOTIFYICONDATAW Data;
    unsigned long XWindow { 0 };
    /// Server time of the last left press, for double clicks.
    unsigned long LastPress { 0 };
    bool PressedBefore { false };
  };
  using Key = std::pair<HWND, UINT>;

  /// The server connection and the polling timer, made on first use; false without a server.
  bool Connected();
  void ShowBalloon(Shown& Icon);
  void Deliver(unsigned long XWindow, UINT MouseMessage);
  UINT PressMessage(Shown& Icon, int Button, unsigned long Time);

  std::unique_ptr<X11Tray> FTray;
  bool FConnectTried { false };
  HWND FPollWindow { 0 };
  std::map<Key, Shown> FIcons;
};
