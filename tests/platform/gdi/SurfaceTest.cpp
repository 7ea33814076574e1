#include "platform/gdi/Surface.h"

#include <gtest/gtest.h>

#include "platform/base/Exception.h"

TEST(SurfaceTest, RowsOf24BitSurfacesArePaddedToFourBytes) {
  for (int W : { 1, 2, 3, 4, 5, 7 }) {
    EXPECT_EQ(Surface::RowBytes(W, SurfaceFormat::Bgr24), 3 * W + W % 4) << W;
    EXPECT_EQ(Surface::RowBytes(W, SurfaceFormat::Bgr24) % 4, 0) << W;
  }
  Surface S(5, 3, SurfaceFormat::Bgr24);
  EXPECT_EQ(S.Stride(), 16);
  EXPECT_EQ(S.SizeInBytes(), 48u);
  S.SetPixel(4, 2, 0x00112233);
  EXPECT_EQ(S.Row(2)[12], 0x33);
  EXPECT_EQ(S.Row(2)[14], 0x11);
  EXPECT_EQ(S.Pixel(4, 2), 0xFF112233u);
}

TEST(SurfaceTest, BottomUpSurfaceKeepsItsBottomRowAtTheLowestAddress) {
  Surface S(2, 3, SurfaceFormat::Bgra32, true);
  S.SetPixel(0, 2, 0x01020304);
  EXPECT_TRUE(S.BottomUp());
  EXPECT_EQ(S.Bits(), S.Row(2));
  EXPECT_EQ(reinterpret_cast<uint32_t*>(S.Bits())[0], 0x01020304u);
}

TEST(SurfaceTest, ImpossibleAllocationRaisesInsteadOfCrashing) {
  EXPECT_THROW(Surface(100000, 100000, SurfaceFormat::Bgra32), EOutOfResources);
  EXPECT_THROW(Surface(-1, 4, SurfaceFormat::Bgra32), EOutOfResources);
  Surface Empty(0, 0, SurfaceFormat::Bgra32);
  EXPECT_EQ(Empty.SizeInBytes(), 0u);
}
