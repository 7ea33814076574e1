#include "platform/gdi/DeviceContext.h"

#include <gtest/gtest.h>

#include "GdiTestCanvas.h"

namespace {

void Fill(HDC DC, const TRect& R, TColor C) {
  HBRUSH B = CreateSolidBrush(C);
  FillRect(DC, R, B);
  DeleteObject(B);
}

}  // namespace

TEST(DeviceContextTest, WindowAndViewportOriginsAreDistinct) {
  GdiTestCanvas C(8, 8);
  SetViewportOrgEx(C.DC, 3, 2, nullptr);
  SetWindowOrgEx(C.DC, 1, 1, nullptr);
  Fill(C.DC, { 1, 1, 2, 2 }, clBlack);  // logical (1,1) - window (1,1) + viewport (3,2)
  EXPECT_EQ(C.At(3, 2), clBlack);
  TPoint P;
  GetWindowOrgEx(C.DC, &P);
  EXPECT_EQ(P, TPoint({ 1, 1 }));
  GetViewportOrgEx(C.DC, &P);
  EXPECT_EQ(P, TPoint({ 3, 2 }));
  OffsetViewportOrgEx(C.DC, -3, -2, &P);
  EXPECT_EQ(P, TPoint({ 3, 2 }));
  Fill(C.DC, { 1, 1, 2, 2 }, clRed);
  EXPECT_EQ(C.At(0, 0), clRed);
}

TEST(DeviceContextTest, ClipAppliesThroughOriginsAndSavedStates) {
  GdiTestCanvas C(10, 10);
  SetViewportOrgEx(C.DC, 2, 0, nullptr);
  // Logical (0,0,4,4) is device (2,0,6,4).
  IntersectClipRect(C.DC, 0, 0, 4, 4);
  const int Saved = SaveDC(C.DC);
  EXPECT_EQ(Saved, 1);
  ExcludeClipRect(C.DC, 1, 1, 2, 2);  // device (3,1)
  SetViewportOrgEx(C.DC, 0, 0, nullptr);
  Fill(C.DC, { 0, 0, 10, 10 }, clBlack);
  EXPECT_EQ(C.Picture(),
            "..####....\n"
            "..#.##....\n"
            "..####....\n"
            "..####....\n"
            "..........\n"
            "..........\n"
            "..........\n"
            "..........\n"
            "..........\n"
            "..........\n");
  TRect Box;
  EXPECT_EQ(GetClipBox(C.DC, &Box), COMPLEXREGION);
  EXPECT_EQ(Box, TRect({ 2, 0, 6, 4 }));

  ASSERT_TRUE(RestoreDC(C.DC, -1));
  TPoint P;
  GetViewportOrgEx(C.DC, &P);
  EXPECT_EQ(P, TPoint({ 2, 0 }));
  C.Fill(clWhite);
  Fill(C.DC, { -10, -10, 20, 20 }, clBlack);
  EXPECT_EQ(C.At(3, 1), clBlack);  // the exclusion went with the restored state
  EXPECT_EQ(C.At(6, 0), clWhite);
  EXPECT_FALSE(RestoreDC(C.DC, -1));  // nothing left to restore
}

TEST(DeviceContextTest, SelectedClipRegionIsInDeviceCoordinates) {
  GdiTestCanvas C(6, 6);
  HRGN R = CreateRectRgn(1, 1, 3, 3);
  SetWindowOrgEx(C.DC, 5, 5, nullptr);
  EXPECT_EQ(SelectClipRgn(C.DC, R), SIMPLEREGION);
  OffsetRgn(R, 2, 2);  // the DC keeps its own copy
  Fill(C.DC, { 0, 0, 20, 20 }, clBlack);
  EXPECT_EQ(C.At(1, 1), clBlack);
  EXPECT_EQ(C.At(3, 3), clWhite);
  HRGN Copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(C.DC, Copy), 1);
  TRect Box;
  GetRgnBox(Copy, &Box);
  EXPECT_EQ(Box, TRect({ 1, 1, 3, 3 }));
  SelectClipRgn(C.DC, nullptr);
  EXPECT_EQ(GetClipRgn(C.DC, Copy), 0);
  DeleteObject(R);
  DeleteObject(Copy);
}

TEST(DeviceContextTest, SurfaceDCDrawsAtItsOffsetWithinItsBaseClip) {
  Surface Backing(10, 6, SurfaceFormat::Bgra32);
  const Region Visible({ 0, 0, 4, 3 });  // device coordinates of the window
  HDC DC = CreateSurfaceDC(Backing, { 5, 2 }, &Visible);
  Fill(DC, { 0, 0, 100, 100 }, clWhite);
  EXPECT_EQ(Backing.Pixel(5, 2) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(Backing.Pixel(8, 4) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(Backing.Pixel(9, 4) & 0xFFFFFF, 0u);
  EXPECT_EQ(Backing.Pixel(5, 5) & 0xFFFFFF, 0u);
  EXPECT_EQ(Backing.Pixel(4, 2) & 0xFFFFFF, 0u);
  TRect Box;
  GetClipBox(DC, &Box);
  EXPECT_EQ(Box, TRect({ 0, 0, 4, 3 }));
  DeleteDC(DC);
}

TEST(DeviceContextTest, DisplayDCExistsButDrawsNowhere) {
  HDC Screen = CreateDisplayDC();
  EXPECT_EQ(GetObjectType(Screen), OBJ_DC);
  EXPECT_EQ(GetDeviceCaps(Screen, BITSPIXEL) * GetDeviceCaps(Screen, PLANES), 32);
  EXPECT_EQ(GetDeviceCaps(Screen, LOGPIXELSY), 96);
  SetScreenSize(1280, 800);
  EXPECT_EQ(GetDeviceCaps(Screen, HORZRES), 1280);
  EXPECT_EQ(GetDeviceCaps(Screen, VERTRES), 800);
  SetScreenSize(1024, 768);
  EXPECT_TRUE(Rectangle(Screen, 0, 0, 10, 10));
  EXPECT_EQ(GetPixel(Screen, 1, 1), CLR_INVALID);
  HBITMAP B = CreateCompatibleBitmap(Screen, 2, 2);
  EXPECT_EQ(SelectObject(Screen, B), nullptr);  // bitmaps go into memory DCs only
  DeleteObject(B);
  DeleteDC(Screen);
}

TEST(DeviceContextTest, StateSettersReturnThePreviousValue) {
  GdiTestCanvas C(1, 1);
  EXPECT_EQ(SetTextColor(C.DC, clBtnText), clBlack);
  EXPECT_EQ(GetTextColor(C.DC), clBlack);  // system colours are resolved
  EXPECT_EQ(SetBkColor(C.DC, clRed), clWhite);
  EXPECT_EQ(SetBkMode(C.DC, TRANSPARENT), OPAQUE);
  EXPECT_EQ(GetBkMode(C.DC), TRANSPARENT);
  EXPECT_EQ(SetStretchBltMode(C.DC, COLORONCOLOR), BLACKONWHITE);
  SaveDC(C.DC);
  SetBkColor(C.DC, clBlue);
  RestoreDC(C.DC, 1);
  EXPECT_EQ(GetBkColor(C.DC), clRed);
  EXPECT_EQ(SetBkMode(nullptr, OPAQUE), 0);
}
