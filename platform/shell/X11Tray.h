#pragma once
// What the notification-area service asks of the X server, through a connection of its own: the
// system-tray protocol (the manager owning the selection _NET_SYSTEM_TRAY_S<screen> docks the icon
// windows sent to it with SYSTEM_TRAY_REQUEST_DOCK and shows balloon texts sent with
// _NET_SYSTEM_TRAY_BEGIN_MESSAGE), icon windows drawn from pixels, and the server's events about them,
// read without waiting. Server errors (a manager gone between two calls) are ignored. Kept apart from
// the window system's headers, whose names the X headers would clash with.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

/// One connection to the X server for notification-area icons.
class X11Tray {
public:
  struct Event {
    enum class Kind { Press, Release, Motion, ManagerStarted };
    Kind What { Kind::Motion };
    /// The icon window (0 for ManagerStarted).
    unsigned long Icon { 0 };
    /// 1 left, 2 middle, 3 right.
    int Button { 0 };
    /// The server's time of the event in milliseconds.
    unsigned long Time { 0 };
  };

  /// Connects to the display the environment names; null when there is none.
  static std::unique_ptr<X11Tray> Open();
  ~X11Tray();
  X11Tray(const X11Tray&) = delete;
  X11Tray& operator=(const X11Tray&) = delete;

  /// Whether a tray manager owns the tray selection of the default screen now.
  bool HasManager();
  /// Makes an icon window titled Title showing Pixels (Size x Size straight 0xAARRGGBB, top row first)
  /// and asks the manager to dock it; 0 without a manager.
  unsigned long Dock(const std::vector<uint32_t>& Pixels, int Size, const std::string& Title);
  void SetPicture(unsigned long Icon, const std::vector<uint32_t>& Pixels, int Size);
  void SetTitle(unsigned long Icon, const std::string& Title);
  /// Asks the manager to show Text (UTF-8) by the icon as message Id for TimeoutMs (0: until cancelled).
  void ShowMessage(unsigned long Icon, long Id, const std::string& Text, long TimeoutMs);
  void CancelMessage(unsigned long Icon, long Id);
  void Destroy(unsigned long Icon);
  /// The events that arrived, without waiting; exposed icons are drawn again here.
  std::vector<Event> TakeEvents();

private:
  explicit X11Tray(void* Display);
  void Draw(unsigned long Icon);
  /// Sends a client message of the tray protocol (32-bit data) to the manager about Icon.
  void SendOpcode(unsigned long Icon, long Opcode, long Data1, long Data2, long Data3);

  struct Picture {
    std::vector<uint32_t> Pixels;
    int Size { 0 };
  };

  void* FDisplay { nullptr };
  std::map<unsigned long, Picture> FPictures;
};
