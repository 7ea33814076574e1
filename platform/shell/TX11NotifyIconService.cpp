#include "platform/shell/TX11NotifyIconService.h"

#include <vector>

#include "platform/gdi/IconImage.h"
#include "platform/gdi/Icons.h"
#include "platform/shell/X11Tray.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/UtilityWindow.h"

namespace {

constexpr UINT_PTR PollTimer = 1;

/// The icon's picture at Size x Size as straight 0xAARRGGBB pixels; transparent without an icon.
std::vector<uint32_t> PixelsOf(HICON Icon, int Size) {
  std::vector<uint32_t> Pixels(size_t(Size * Size), 0);
  const std::shared_ptr<const TIconImages> Images = IconImagesOf(Icon);
  if (!Images || Images->empty())
    return Pixels;
  const TIconImage Image = ResizedIconImage(BestIconImage(*Images, Size, Size), Size, Size);
  for (int Y = 0; Y < Size; ++Y)
    for (int X = 0; X < Size; ++X)
      Pixels[size_t(Y * Size + X)] = Image.Pixels->Pixel(X, Y);
  return Pixels;
}

UINT ButtonMessage(int Button, bool Down) {
  switch (Button) {
  case 1: return Down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
  case 2: return Down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
  default: return Down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
  }
}

}  // namespace

TX11NotifyIconService::TX11NotifyIconService() = default;

// The window system may be gone at the program's end: the utility window goes with it, not here.
TX11NotifyIconService::~TX11NotifyIconService() = default;

bool TX11NotifyIconService::Connected() {
  if (!FConnectTried) {
    FConnectTried = true;
    FTray = X11Tray::Open();
  }
  if (!FTray)
    return false;
  if (!IsWindow(FPollWindow)) {
    FPollWindow = AllocateHWnd([this](TMessage& Message) {
      if (Message.Msg != WM_TIMER)
        return false;
      ProcessEvents();
      return true;
    });
    SetTimer(FPollWindow, PollTimer, PollInterval);
  }
  return true;
}

bool TX11NotifyIconService::Add(const NOTIFYICONDATAW& Data) {
  const Key Name { Data.hWnd, Data.uID };
  if (FIcons.contains(Name) || !Connected() || !FTray->HasManager())
    return false;
  Shown Icon { AddedNotifyIcon(Data) };
  Icon.XWindow = FTray->Dock(PixelsOf(Icon.Data.hIcon, IconSize), IconSize, Icon.Data.szTip);
  if (!Icon.XWindow)
    return false;
  if (!Icon.Data.szInfo.empty())
    ShowBalloon(Icon);
  FIcons[Name] = Icon;
  return true;
}

bool TX11NotifyIconService::Modify(const NOTIFYICONDATAW& Data) {
  const auto It = FIcons.find({ Data.hWnd, Data.uID });
  if (It == FIcons.end())
    return false;
  Shown& Icon = It->second;
  ApplyNotifyIconChange(Icon.Data, Data);
  if (Data.uFlags & NIF_ICON)
    FTray->SetPicture(Icon.XWindow, PixelsOf(Icon.Data.hIcon, IconSize), IconSize);
  if (Data.uFlags & NIF_TIP)
    FTray->SetTitle(Icon.XWindow, Icon.Data.szTip);
  if (Data.uFlags & NIF_INFO)
    ShowBalloon(Icon);
  return true;
}

bool TX11NotifyIconService::Delete(const NOTIFYICONDATAW& Data) {
  const auto It = FIcons.find({ Data.hWnd, Data.uID });
  if (It == FIcons.end())
    return false;
  FTray->Destroy(It->second.XWindow);
  FIcons.erase(It);
  return true;
}

// One balloon per icon: a new text replaces the old one, an empty text takes it away. The protocol has
// no title: the title leads the text on a line of its own.
void TX11NotifyIconService::ShowBalloon(Shown& Icon) {
  const long Id = long(Icon.Data.uID) + 1;
  FTray->CancelMessage(Icon.XWindow, Id);
  if (Icon.Data.szInfo.empty())
    return;
  const String& Title = Icon.Data.szInfoTitle;
  const String Text = Title.empty() ? Icon.Data.szInfo : Title + "\n" + Icon.Data.szInfo;
  FTray->ShowMessage(Icon.XWindow, Id, Text, long(Icon.Data.uTimeout));
}

void TX11NotifyIconService::ProcessEvents() {
  if (!FTray)
    return;
  for (const X11Tray::Event& E : FTray->TakeEvents()) {
    switch (E.What) {
    case X11Tray::Event::Kind::ManagerStarted:
      // The icons the old manager showed are gone with it.
      for (auto& [Name, Icon] : FIcons)
        FTray->Destroy(Icon.XWindow);
      FIcons.clear();
      BroadcastTaskbarCreated();
      break;
    case X11Tray::Event::Kind::Motion:
      Deliver(E.Icon, WM_MOUSEMOVE);
      break;
    case X11Tray::Event::Kind::Release:
      Deliver(E.Icon, ButtonMessage(E.Button, false));
      break;
    case X11Tray::Event::Kind::Press:
      for (auto& [Name, Icon] : FIcons)
        if (Icon.XWindow == E.Icon) {
          Deliver(E.Icon, PressMessage(Icon, E.Button, E.Time));
          break;
        }
      break;
    }
  }
}

UINT TX11NotifyIconService::PressMessage(Shown& Icon, int Button, unsigned long Time) {
  if (Button != 1)
    return ButtonMessage(Button, true);
  const bool Double = Icon.PressedBefore && Time - Icon.LastPress <= GetDoubleClickTime();
  // The press after a double click starts over.
  Icon.PressedBefore = !Double;
  Icon.LastPress = Time;
  return Double ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
}

void TX11NotifyIconService::Deliver(unsigned long XWindow, UINT MouseMessage) {
  for (const auto& [Name, Icon] : FIcons)
    if (Icon.XWindow == XWindow) {
      PostMessage(Icon.Data.hWnd, Icon.Data.uCallbackMessage, Icon.Data.uID, LPARAM(MouseMessage));
      return;
    }
}
