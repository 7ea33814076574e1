#include <gtest/gtest.h>

#include <set>

#include "platform/base/Exception.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TGIFImage.h"
#include "tests/platform/gdi/PictureFixtures.h"

namespace {

TEST(TGIFImageTest, TakesOverABitmapWithAtMost256Colours) {
  TBitmap picture;
  picture.SetSize(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) picture.Canvas()->SetPixels(x, y, RGB(uint8_t(x * 8), uint8_t(y * 8), uint8_t(x + y)));
  TGIFImage gif;
  gif.Assign(&picture);
  TMemoryStream s;
  gif.SaveToStream(&s);

  TGIFImage loaded;
  s.SetPosition(0);
  loaded.LoadFromStream(&s);
  TBitmap back;
  back.Assign(&loaded);
  ASSERT_EQ(back.Width(), 32);
  ASSERT_EQ(back.Height(), 32);
  EXPECT_EQ(back.PixelFormat(), pf24bit);
  std::set<TColor> colours;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) colours.insert(back.Canvas()->Pixels(x, y));
  EXPECT_LE(colours.size(), 256u);
  EXPECT_GT(colours.size(), 16u);

  // What was read damaged leaves the picture as it was.
  const std::string bytes = fixtures::Bytes(s);
  TMemoryStream damaged;
  fixtures::Fill(damaged, bytes.substr(0, bytes.size() / 2));
  EXPECT_THROW(loaded.LoadFromStream(&damaged), EInvalidGraphic);
  EXPECT_EQ(loaded.Width(), 32);
}

}  // namespace
