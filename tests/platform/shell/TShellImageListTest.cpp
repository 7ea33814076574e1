#include <gtest/gtest.h>

#include <set>

#include "platform/base/Exception.h"
#include "platform/shell/TShellImageList.h"

namespace {

std::vector<uint32_t> PixelsOf(const Surface& Picture) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < Picture.Height(); ++y)
    for (int x = 0; x < Picture.Width(); ++x) pixels.push_back(Picture.Pixel(x, y));
  return pixels;
}

TEST(TShellImageListTest, EveryIconAtBothSizesIsAShapeOnTransparency) {
  for (const TShellImageList* list : { &TShellImageList::Small(), &TShellImageList::Large() }) {
    const int size = list->IconSize().cx;
    ASSERT_EQ(list->Count(), ShellIconCount);
    std::set<std::vector<uint32_t>> distinct;
    for (int index = 0; index < list->Count(); ++index) {
      const Surface& icon = list->Icon(index);
      EXPECT_EQ(icon.Width(), size);
      EXPECT_EQ(icon.Height(), size);
      EXPECT_EQ(icon.Format(), SurfaceFormat::Bgra32);
      const std::vector<uint32_t> pixels = PixelsOf(icon);
      size_t opaque = 0;
      for (uint32_t pixel : pixels) {
        const uint32_t alpha = pixel >> 24;
        EXPECT_TRUE(alpha == 0xFF || pixel == 0) << "icon " << index << ": premultiplied, no half-made pixels";
        opaque += alpha == 0xFF;
      }
      EXPECT_EQ(icon.Pixel(0, 0), 0u) << "icon " << index << " leaves its corner transparent";
      EXPECT_GT(opaque, pixels.size() / 4) << "icon " << index << " at " << size;
      distinct.insert(pixels);
    }
    EXPECT_EQ(distinct.size(), size_t(ShellIconCount)) << "every kind looks different at " << size;
  }
  EXPECT_EQ(TShellImageList::Small().IconSize(), (TSize { 16, 16 }));
  EXPECT_THROW(TShellImageList::Small().Icon(ShellIconCount), EListError);
}

}  // namespace
