#include <gtest/gtest.h>

#include "platform/gdi/DeviceContext.h"
#include "skin/core/skUtils.h"

namespace {

TEST(SkUtilsRects, SizesEmptinessAndContainment) {
  struct Case {
    TRect R;
    int Width, Height;
    bool Empty;
  } sizes[] = {
    { { 5, 5, 5, 9 }, 0, 4, true },  { { 0, 0, 1, 1 }, 1, 1, false }, { { 3, 4, 10, 20 }, 7, 16, false },
    { { 10, 0, 5, 5 }, -5, 5, true }, { { 0, 9, 4, 3 }, 4, -6, true }, { {}, 0, 0, true },
  };
  for (const Case& c : sizes) {
    EXPECT_EQ(RectWidth(c.R), c.Width);
    EXPECT_EQ(RectHeight(c.R), c.Height);
    EXPECT_EQ(IsEmptyRect(c.R), c.Empty) << RectWidth(c.R) << "x" << RectHeight(c.R);
  }

  const TRect box { 10, 10, 20, 20 };
  struct PointCase {
    TPoint P;
    bool Inclusive;
  } points[] = {
    { { 10, 10 }, true }, { { 20, 20 }, true }, { { 20, 15 }, true }, { { 15, 20 }, true },
    { { 9, 15 }, false }, { { 21, 15 }, false }, { { 15, 9 }, false }, { { 15, 21 }, false },
  };
  for (const PointCase& c : points) EXPECT_EQ(PtInRectIncl(box, c.P), c.Inclusive) << c.P.X << "," << c.P.Y;

  struct RectCase {
    TRect R;
    bool Inside;
  } rects[] = {
    { { 10, 10, 19, 19 }, true },   // corners on the last inner pixel
    { { 12, 12, 20, 15 }, false },  // ends exactly at the right edge
    { { 12, 12, 15, 20 }, false },  // ends exactly at the bottom edge
    { { 9, 12, 15, 15 }, false },
    { { 15, 15, 12, 12 }, true },   // only the two corners count
  };
  for (const RectCase& c : rects) EXPECT_EQ(RectInRect(c.R, box), c.Inside) << c.R.Left << "," << c.R.Right;

  // An edge falls within the rows of the box.
  EXPECT_TRUE(RectEdgeInRect({ 0, 15, 100, 40 }, box));
  EXPECT_TRUE(RectEdgeInRect({ 0, 0, 100, 19 }, box));
  EXPECT_FALSE(RectEdgeInRect({ 0, 0, 100, 20 }, box));
  EXPECT_FALSE(RectEdgeInRect({ 0, 0, 100, 40 }, box));
}

TEST(SkUtilsRects, SmallHelpers) {
  TRect r { 1, 2, 3, 4 };
  EXPECT_TRUE(EqualRects(r, { 1, 2, 3, 4 }));
  EXPECT_FALSE(EqualRects(r, { 1, 2, 3, 5 }));
  ClearRect(r);
  EXPECT_EQ(r, TRect());
  EXPECT_TRUE(IsNullPoint({ 0, 5 }));
  EXPECT_TRUE(IsNullPoint({ 5, 0 }));
  EXPECT_FALSE(IsNullPoint({ -1, 1 }));
  EXPECT_EQ(IntMax(-3, 2), 2);
  EXPECT_EQ(IntMin(-3, 2), -3);
}

// Tests change the process's capability table; each puts it back.
class SkUtilsPlatform : public ::testing::Test {
protected:
  void TearDown() override { PlatformCapabilities() = Saved; }
  TPlatformCapabilities& Caps() { return PlatformCapabilities(); }

private:
  TPlatformCapabilities Saved = PlatformCapabilities();
};

TEST_F(SkUtilsPlatform, VersionPredicates) {
  struct Case {
    int Major, Minor;
    bool W2000, XP, Vista, W7, W8;
  } cases[] = {
    { 5, 1, true, true, false, false, false },   // what this platform reports
    { 5, 0, true, false, false, false, false },
    { 5, 2, true, false, false, false, false },
    { 4, 9, false, false, false, false, false },
    { 6, 0, true, true, true, false, false },
    { 6, 1, true, true, true, true, false },
    { 6, 2, true, true, true, false, true },
    { 6, 3, true, true, true, false, false },
    { 10, 0, true, true, true, false, true },
  };
  for (const Case& c : cases) {
    Caps().MajorVersion = c.Major;
    Caps().MinorVersion = c.Minor;
    SCOPED_TRACE(std::to_string(c.Major) + "." + std::to_string(c.Minor));
    int major = 0, minor = 0;
    GetWindowsVersion(major, minor);
    EXPECT_EQ(major, c.Major);
    EXPECT_EQ(minor, c.Minor);
    EXPECT_EQ(IsWindows2000OrLater(), c.W2000);
    EXPECT_EQ(IsXPOrLater(), c.XP);
    EXPECT_EQ(IsVistaOrLater(), c.Vista);
    EXPECT_EQ(IsWindows7(), c.W7);
    EXPECT_EQ(IsWindows8OrLater(), c.W8);
  }
}

TEST_F(SkUtilsPlatform, ThePlatformReportsVersion51) {
  EXPECT_TRUE(IsWindows2000OrLater());
  EXPECT_TRUE(IsXPOrLater());
  EXPECT_FALSE(IsVistaOrLater());
}

TEST_F(SkUtilsPlatform, WorkAreaOnOneMonitor) {
  Caps().Monitors = { { { 0, 0, 800, 600 }, { 0, 0, 800, 570 } } };
  const TSize screen = DeviceContext::ScreenSize();
  EXPECT_FALSE(IsMultiMonitor());
  TRect r;
  GetWorkAreaRect(true, r);
  EXPECT_EQ(r, Rect(0, 0, 800, 570));
  GetWorkAreaRect(false, r);
  EXPECT_EQ(r, Rect(0, 0, screen.cx, screen.cy));
  r = {};
  GetMonitorWorkArea(42, true, r);
  EXPECT_EQ(r, Rect(0, 0, 800, 570));
}

TEST_F(SkUtilsPlatform, WorkAreaOfTheMonitorNearestTheWindow) {
  Caps().Monitors = { { { 0, 0, 800, 600 }, { 0, 0, 800, 570 } },
                      { { 800, 0, 2080, 1024 }, { 800, 30, 2080, 1024 } } };
  Caps().NearestMonitor = [](HWND Wnd) { return Wnd == 7 ? 1 : Wnd == 9 ? 5 : 0; };
  EXPECT_TRUE(IsMultiMonitor());
  TRect r;
  GetMonitorWorkArea(7, true, r);
  EXPECT_EQ(r, Rect(800, 30, 2080, 1024));
  GetMonitorWorkArea(7, false, r);
  EXPECT_EQ(r, Rect(800, 0, 2080, 1024));
  GetMonitorWorkArea(1, true, r);
  EXPECT_EQ(r, Rect(0, 0, 800, 570));
  r = { 1, 2, 3, 4 };
  GetMonitorWorkArea(9, true, r);  // no such monitor: unchanged
  EXPECT_EQ(r, Rect(1, 2, 3, 4));

  // Without the per-monitor queries the system counts as having one monitor.
  Caps().MonitorFunctions = false;
  EXPECT_FALSE(IsMultiMonitor());
  GetMonitorWorkArea(7, true, r);
  EXPECT_EQ(r, Rect(0, 0, 800, 570));
}

TEST_F(SkUtilsPlatform, LayeredAlphaOnlyWhereThePlatformOffersIt) {
  Caps().SetLayeredWindowAttributes = nullptr;
  SetWindowAlpha(5, 128);  // nothing to call, nothing happens

  struct Call {
    HWND Wnd;
    TColor Key;
    Byte Alpha;
    Cardinal Flags;
  };
  std::vector<Call> calls;
  Caps().SetLayeredWindowAttributes = [&](HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags) {
    calls.push_back({ Wnd, Key, Alpha, Flags });
    return true;
  };
  SetWindowAlpha(5, 128);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Wnd, 5u);
  EXPECT_EQ(calls[0].Key, 0);
  EXPECT_EQ(calls[0].Alpha, 128);
  EXPECT_EQ(calls[0].Flags, LWA_ALPHA);
}

TEST_F(SkUtilsPlatform, MissingScrollBarInfoReportsAnInvisibleBar) {
  Caps().GetScrollBarInfo = nullptr;
  TScrollBarInfo info;
  EXPECT_FALSE(SafeGetScrollBarInfo(3, -5, info));
  EXPECT_EQ(info.rgstate[0], STATE_SYSTEM_INVISIBLE);

  Caps().GetScrollBarInfo = [](HWND, int ObjectId, TScrollBarInfo& Info) {
    Info.xyThumbTop = ObjectId;
    return true;
  };
  TScrollBarInfo fresh;
  EXPECT_TRUE(SafeGetScrollBarInfo(3, 17, fresh));
  EXPECT_EQ(fresh.xyThumbTop, 17);
  EXPECT_EQ(fresh.rgstate[0], 0u);
}

}  // namespace
