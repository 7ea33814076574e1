#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/base/Exception.h"
#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/JpegCodec.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TJPEGImage.h"
#include "tests/platform/gdi/PictureFixtures.h"

namespace {

void Paint(TBitmap& B) {
  B.SetPixelFormat(pf24bit);
  B.SetSize(32, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x) B.Canvas()->SetPixels(x, y, RGB(uint8_t(x * 8), uint8_t(y * 16), 100));
}

std::string Save(TJPEGImage& Jpeg) {
  TMemoryStream s;
  Jpeg.SaveToStream(&s);
  return fixtures::Bytes(s);
}

TEST(TJPEGImageTest, TakesOverABitmapAndSavesAtQualityNinetyByDefault) {
  TBitmap picture;
  Paint(picture);
  TJPEGImage jpeg;
  jpeg.Assign(&picture);
  EXPECT_EQ(jpeg.CompressionQuality(), 90);
  const std::string q90 = Save(jpeg);
  TMemoryStream direct;
  JpegCodec::Write(direct, picture.Handle()->Pixels(), 90);
  EXPECT_EQ(q90, fixtures::Bytes(direct));
  jpeg.SetCompressionQuality(30);
  EXPECT_LT(Save(jpeg).size(), q90.size());

  TJPEGImage loaded;
  TMemoryStream s;
  fixtures::Fill(s, q90);
  loaded.LoadFromStream(&s);
  TBitmap target;
  target.SetSize(32, 16);
  target.Canvas()->Draw(0, 0, &loaded);
  for (int y = 0; y < 16; y += 5)
    for (int x = 0; x < 32; x += 7) {
      const TColor got = target.Canvas()->Pixels(x, y), want = picture.Canvas()->Pixels(x, y);
      EXPECT_NEAR(GetRValue(got), GetRValue(want), 12);
      EXPECT_NEAR(GetGValue(got), GetGValue(want), 12);
      EXPECT_NEAR(GetBValue(got), GetBValue(want), 12);
    }
}

TEST(TJPEGImageTest, DamagedDataAndEmptyPicturesAreRefused) {
  TBitmap picture;
  Paint(picture);
  TJPEGImage jpeg;
  jpeg.Assign(&picture);
  const std::string bytes = Save(jpeg);
  TMemoryStream s;
  fixtures::Fill(s, bytes.substr(0, bytes.size() / 2));
  EXPECT_THROW(jpeg.LoadFromStream(&s), EInvalidGraphic);
  EXPECT_EQ(jpeg.Width(), 32);
  EXPECT_EQ(Save(jpeg), bytes);

  TJPEGImage empty;
  EXPECT_THROW(Save(empty), EInvalidGraphic);
}

}  // namespace
