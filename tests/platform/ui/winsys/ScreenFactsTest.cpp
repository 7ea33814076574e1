// Screen metrics and monitors, the cursors' pictures, layered windows, the clipboard and the beep.
#include "platform/gdi/Capabilities.h"
#include "platform/ui/winsys/LayeredWindows.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "tests/platform/ui/InputFixture.h"

namespace {

class ScreenFacts : public InputTest {};

TEST_F(ScreenFacts, MetricsAndMonitorsFollowTheScreen) {
  Screen->SetMonitors({ { { 0, 0, 1280, 800 }, { 0, 0, 1280, 760 } }, { { 1280, 0, 2560, 1024 }, { 1280, 0, 2560, 1024 } } });
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 800);
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
  EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 2560);
  EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), 16);
  EXPECT_EQ(GetSystemMetrics(SM_CYSMICON), 16);
  EXPECT_EQ(GetDoubleClickTime(), 500u);

  TRect Work;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0));
  EXPECT_EQ(Work, (TRect { 0, 0, 1280, 760 }));
  int FullDrag = 0;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &FullDrag, 0));
  EXPECT_EQ(FullDrag, 1);

  const HWND Mostly = CreateTop({ 1200, 100, 1600, 300 });
  const HWND Away = CreateTop({ 3000, 2000, 3100, 2100 });
  EXPECT_EQ(MonitorFromWindow(Mostly, MONITOR_DEFAULTTONEAREST), 2u);
  EXPECT_EQ(MonitorFromWindow(Away, MONITOR_DEFAULTTONULL), 0u);
  EXPECT_EQ(MonitorFromWindow(Away, MONITOR_DEFAULTTONEAREST), 2u);
  EXPECT_EQ(MonitorFromWindow(Away, MONITOR_DEFAULTTOPRIMARY), 1u);
  EXPECT_EQ(PlatformCapabilities().NearestMonitor(Mostly), 1);

  MONITORINFO Info;
  ASSERT_TRUE(GetMonitorInfoA(2, &Info));
  EXPECT_EQ(Info.rcMonitor, (TRect { 1280, 0, 2560, 1024 }));
  EXPECT_EQ(Info.dwFlags, 0u);
  Info.cbSize = 20;
  EXPECT_FALSE(GetMonitorInfo(1, &Info));
  EXPECT_FALSE(GetMonitorInfo(3, &Info));
}

TEST_F(ScreenFacts, MaximizingFillsTheWorkAreaOfTheWindowsOwnMonitor) {
  Screen->SetMonitors({ { { 0, 0, 1280, 800 }, { 0, 0, 1280, 760 } }, { { 1280, 0, 2560, 1024 }, { 1300, 30, 2560, 1000 } } });
  const HWND First = CreateTop({ 100, 100, 400, 300 }, WS_POPUP | WS_THICKFRAME | WS_VISIBLE);
  const HWND Second = CreateTop({ 1500, 100, 1800, 300 }, WS_POPUP | WS_THICKFRAME | WS_VISIBLE);
  ShowWindow(First, SW_MAXIMIZE);
  ShowWindow(Second, SW_MAXIMIZE);
  TRect R;
  GetWindowRect(First, &R);
  EXPECT_EQ(R, (TRect { 0, 0, 1280, 760 }));
  GetWindowRect(Second, &R);
  EXPECT_EQ(R, (TRect { 1300, 30, 2560, 1000 }));
  ShowWindow(Second, SW_RESTORE);
  GetWindowRect(Second, &R);
  EXPECT_EQ(R, (TRect { 1500, 100, 1800, 300 }));
}

TEST_F(ScreenFacts, CursorsReportTheirHotSpotAndMonochromeMasks) {
  const HCURSOR Arrow = LoadCursor(0, IDC_ARROW);
  ASSERT_NE(Arrow, 0u);
  EXPECT_EQ(LoadCursor(0, 1), 0u);
  EXPECT_EQ(GetCursor(), Arrow);

  ICONINFO Info;
  ASSERT_TRUE(GetIconInfo(Arrow, &Info));
  EXPECT_FALSE(Info.fIcon);
  EXPECT_EQ(Info.xHotspot, 0u);
  EXPECT_EQ(Info.yHotspot, 0u);
  EXPECT_EQ(Info.hbmColor, nullptr);
  BITMAP Mask;
  ASSERT_EQ(GetObject(Info.hbmMask, sizeof(Mask), &Mask), int(sizeof(Mask)));
  EXPECT_EQ(Mask.bmWidth, 32);
  EXPECT_EQ(Mask.bmHeight, 64);
  EXPECT_EQ(Mask.bmBitsPixel, 1);

  // The AND half: the tip is opaque (a clear bit, black), the rows below the arrow leave the screen.
  BITMAPINFO Header {};
  Header.bmiHeader.biWidth = 32;
  Header.bmiHeader.biHeight = -64;
  Header.bmiHeader.biBitCount = 32;
  std::vector<uint32_t> Pixels(32 * 64);
  HDC DC = CreateCompatibleDC(nullptr);
  ASSERT_EQ(GetDIBits(DC, Info.hbmMask, 0, 64, Pixels.data(), &Header, DIB_RGB_COLORS), 64);
  DeleteDC(DC);
  EXPECT_EQ(Pixels[0] & 0xFFFFFF, 0u);
  for (int X = 0; X < 32; ++X)
    EXPECT_EQ(Pixels[31 * 32 + X] & 0xFFFFFF, 0xFFFFFFu) << X;
  DeleteObject(Info.hbmMask);
  EXPECT_FALSE(GetIconInfo(0, &Info));
}

TEST_F(ScreenFacts, LayeredWindowsTakeAlphaAndPicturesWhenAvailable) {
  EnableLayeredWindows(true);
  const HWND Plain = CreateTop({ 0, 0, 50, 50 });
  EXPECT_FALSE(SetLayeredWindowAttributes(Plain, 0, 128, LWA_ALPHA)) << "not a layered window";

  const HWND Glow = CreateTop({ 100, 100, 150, 150 }, WS_POPUP | WS_VISIBLE, 0, WS_EX_LAYERED | WS_EX_TOOLWINDOW);
  PaintWith(Glow, clRed);
  ASSERT_TRUE(PlatformCapabilities().LayeredWindowsAvailable());
  ASSERT_TRUE(PlatformCapabilities().SetLayeredWindowAttributes(Glow, 0, 128, LWA_ALPHA));
  Screen->PumpUntilIdle();
  EXPECT_EQ(GetRValue(Screen->PixelAt(120, 120)), 128);

  HDC Memory = CreateCompatibleDC(nullptr);
  HBITMAP Picture = CreateCompatibleBitmap(Memory, 20, 10);
  SelectObject(Memory, Picture);
  HBRUSH Blue = CreateSolidBrush(clBlue);
  FillRect(Memory, { 0, 0, 20, 10 }, Blue);
  const TPoint Pos { 300, 300 };
  const TSize Size { 20, 10 };
  const BLENDFUNCTION Blend { AC_SRC_OVER, 0, 255, 0 };
  ASSERT_TRUE(UpdateLayeredWindow(Glow, nullptr, &Pos, &Size, Memory, nullptr, 0, &Blend, ULW_ALPHA));
  EXPECT_FALSE(SetLayeredWindowAttributes(Glow, 0, 100, LWA_ALPHA)) << "the window shows its own picture";
  Screen->PumpUntilIdle();
  EXPECT_EQ(Screen->PixelAt(310, 305), clBlue);
  DeleteDC(Memory);
  DeleteObject(Picture);
  DeleteObject(Blue);

  EnableLayeredWindows(false);
  EXPECT_FALSE(PlatformCapabilities().LayeredWindowsAvailable());
  EXPECT_FALSE(PlatformCapabilities().UpdateLayeredWindow);
}

TEST_F(ScreenFacts, ClipboardAndBeepsGoThroughThePresenterOrTheProgram) {
  SetClipboardText("输出目录");
  EXPECT_TRUE(ClipboardHasText());
  EXPECT_EQ(Screen->ClipboardText(), "输出目录");
  EXPECT_EQ(GetClipboardText(), "输出目录");

  WindowSystem::Get().SetPresenter(nullptr);
  EXPECT_FALSE(ClipboardHasText());
  SetClipboardText("a");
  EXPECT_EQ(GetClipboardText(), "a");
  WindowSystem::Get().SetPresenter(&*Screen);

  EXPECT_EQ(MessageBeepCount(), 0);
  MessageBeep(0);
  MessageBeep(0);
  EXPECT_EQ(MessageBeepCount(), 2);
}

}  // namespace
