#include <gtest/gtest.h>

#include <vector>

#include "engine/libav/MyUtils.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/ui/winsys/Ui.h"

namespace {

constexpr UINT WM_PING = WM_USER + 1;

TEST(PumpMessagesTest, DispatchesWhatWaitsAndKeepsAQuitForTheOuterLoop) {
  HeadlessPresenter screen;
  std::vector<WPARAM> pings;
  WindowProc proc([&](HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) -> LRESULT {
    if (Msg == WM_PING) {
      pings.push_back(WParam);
      return 0;
    }
    return DefWindowProc(Wnd, Msg, WParam, LParam);
  });
  WNDCLASS cls;
  cls.lpfnWndProc = &proc;
  cls.lpszClassName = "PumpTarget";
  RegisterClass(cls);
  HWND wnd = CreateWindowEx(0, "PumpTarget", "", WS_POPUP, 0, 0, 10, 10, 0, 0);

  PostMessage(wnd, WM_PING, 1, 0);
  PostQuitMessage(7);
  PostMessage(wnd, WM_PING, 2, 0);
  PumpMessages();

  EXPECT_EQ(pings, (std::vector<WPARAM> { 1, 2 }));
  TMsg msg {};
  ASSERT_TRUE(PeekMessage(&msg, 0, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, UINT(WM_QUIT));
  EXPECT_EQ(msg.wParam, WPARAM(7));
  DestroyWindow(wnd);
}

}  // namespace
