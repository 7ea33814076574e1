#pragma once
// A tray manager for display tests: it takes the tray selection of the X server's default screen, as a
// desktop's notification area does, and reads the dock requests that reach it.
#include <memory>
#include <optional>
#include <string>

/// A tray manager on a connection of its own; see the file comment.
class FakeTrayManager {
public:
  /// Takes the selection and announces it (MANAGER to the root window); null without a server.
  static std::unique_ptr<FakeTrayManager> Start();
  ~FakeTrayManager();

  /// The icon window of the next dock request that arrived, without waiting; empty when none did.
  std::optional<unsigned long> TakeDockRequest();
  /// The icon window's title (_NET_WM_NAME).
  std::string TitleOf(unsigned long Icon);
  /// Sends the icon window a press (Press) or release of Button, as a click on a docked icon does.
  void SendButton(unsigned long Icon, int Button, bool Press, unsigned long Time);

private:
  FakeTrayManager(void* Display, unsigned long Window) : FDisplay(Display), FWindow(Window) {}

  void* FDisplay { nullptr };
  unsigned long FWindow { 0 };
};
