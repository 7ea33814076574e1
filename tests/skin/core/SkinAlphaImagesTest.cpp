#include <gtest/gtest.h>

#include <cmath>

#include "SkinModelFixtures.h"

namespace {

// A 24-bit picture whose every pixel is the grey Level(x, y).
std::unique_ptr<TBitmap> GreyPicture(int Width, int Height, const std::function<int(int X, int Y)>& Level) {
  auto picture = std::make_unique<TBitmap>();
  picture->SetPixelFormat(pf24bit);
  picture->SetSize(Width, Height);
  for (int y = 0; y < Height; ++y) {
    Byte* row = static_cast<Byte*>(picture->ScanLine(y));
    for (int x = 0; x < Width; ++x) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = Byte(Level(x, y));
  }
  return picture;
}

uint32_t Rgb(TskBitmap* Image, int X, int Y) { return *Image->PixelPtr(X, Y) & 0xFFFFFF; }
int Alpha(TskBitmap* Image, int X, int Y) { return int(*Image->PixelPtr(X, Y) >> 24); }

uint32_t Premultiplied(uint32_t Rgb, int Alpha) {
  uint32_t result = 0;
  for (int shift : { 0, 8, 16 })
    result |= uint32_t(std::lround(((Rgb >> shift) & 0xFF) * Alpha / 255.0)) << shift;
  return result;
}

// Pictures: 0 a coded 8 x 4 picture, 1 a 6 x 3 mask whose column x has grey x * 50, 2 an all-white mask.
class SkinAlphaImages : public testing::Test {
protected:
  void SetUp() override {
    Model.FActivePictures.push_back(CodedPicture(8, 4, 5));
    Model.FActivePictures.push_back(GreyPicture(6, 3, [](int X, int) { return X * 50; }));
    Model.FActivePictures.push_back(GreyPicture(8, 4, [](int, int) { return 255; }));
    Model.LayerFrame->PictureIndex = 0;
    Model.LayerFrame->FullBorder = true;
  }
  TBitmap* Picture() { return Model.FActivePictures[0].get(); }

  TskSkinData Model { nullptr };
};

TEST_F(SkinAlphaImages, ButtonImagesComeFromTheirRectanglesWithTheMasksTopLeft) {
  TskDataSkinStdButton button("close");
  button.ActivePictureIndex = 0;
  button.SkinRect = Rect(1, 1, 5, 3);
  button.ActiveSkinRect = Rect(4, 0, 8, 4);
  button.AlphaMaskActivePictureIndex = 1;
  button.RestoreRect = Rect(0, 0, 2, 2);
  button.InitAlphaImages(&Model);

  TskBitmap* normal = button.FAlphaNormalImage.get();
  ASSERT_NE(normal, nullptr);
  EXPECT_EQ(normal->Width(), 4);
  EXPECT_EQ(normal->Height(), 2);
  EXPECT_TRUE(normal->AlphaBlend());
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(Rgb(normal, x, y), PixelAt(Picture(), 1 + x, 1 + y));
      EXPECT_EQ(Alpha(normal, x, y), 255);
    }

  // The mask is read from its own top-left corner, and gives nothing below its last row.
  TskBitmap* active = button.FAlphaActiveImage.get();
  ASSERT_NE(active, nullptr);
  EXPECT_TRUE(active->AlphaBlend());
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const int alpha = y < 3 ? x * 50 : 0;
      EXPECT_EQ(Alpha(active, x, y), alpha) << x << "," << y;
      EXPECT_EQ(Rgb(active, x, y), Premultiplied(PixelAt(Picture(), 4 + x, y), alpha)) << x << "," << y;
    }

  EXPECT_EQ(button.FAlphaDownImage, nullptr);  // empty rectangle
  EXPECT_EQ(button.FAlphaInActiveImage, nullptr);
  ASSERT_NE(button.FAlphaRestoreNormalImage, nullptr);
  EXPECT_EQ(Alpha(button.FAlphaRestoreNormalImage.get(), 1, 1), 255);
}

TEST_F(SkinAlphaImages, ButtonsHaveNoAlphaImagesWithoutAFullBorderLayerFrameOrAPicture) {
  TskDataSkinStdButton button("close");
  button.ActivePictureIndex = 0;
  button.SkinRect = Rect(0, 0, 2, 2);
  button.RestoreRect = Rect(0, 0, 2, 2);
  struct Case {
    int LayerPicture;
    bool FullBorder;
    int ActivePicture;
  } cases[] = { { 0, false, 0 }, { -1, true, 0 }, { 0, true, 3 }, { 0, true, -2 } };
  for (const Case& c : cases) {
    Model.LayerFrame->PictureIndex = 0;
    Model.LayerFrame->FullBorder = true;
    button.ActivePictureIndex = 0;
    button.InitAlphaImages(&Model);
    ASSERT_NE(button.FAlphaNormalImage, nullptr);
    Model.LayerFrame->PictureIndex = c.LayerPicture;
    Model.LayerFrame->FullBorder = c.FullBorder;
    button.ActivePictureIndex = c.ActivePicture;
    button.InitAlphaImages(&Model);
    EXPECT_EQ(button.FAlphaNormalImage, nullptr) << c.LayerPicture << c.FullBorder << c.ActivePicture;
    EXPECT_EQ(button.FAlphaRestoreNormalImage, nullptr) << c.LayerPicture << c.FullBorder << c.ActivePicture;
  }
}

TEST_F(SkinAlphaImages, LayerFrameTakesWholePicturesWithUnmultipliedColours) {
  TskDataSkinLayerFrame* frame = Model.LayerFrame.get();
  frame->MaskPictureIndex = 1;
  frame->InActivePictureIndex = 0;
  frame->InActiveMaskPictureIndex = 2;
  frame->InitAlphaImages(&Model);

  TskBitmap* active = frame->FSourceBitmap.get();
  ASSERT_NE(active, nullptr);
  EXPECT_EQ(active->Width(), 8);
  EXPECT_EQ(active->Height(), 4);
  EXPECT_TRUE(active->AlphaBlend());
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(Alpha(active, x, y), x < 6 && y < 3 ? x * 50 : 0) << x << "," << y;
      EXPECT_EQ(Rgb(active, x, y), PixelAt(Picture(), x, y)) << x << "," << y;
    }
  ASSERT_NE(frame->FSourceInActiveBitMap, nullptr);
  EXPECT_FALSE(frame->FSourceInActiveBitMap->AlphaBlend());  // a mask of 0 and 255 only

  frame->MaskPictureIndex = -1;
  frame->InActiveMaskPictureIndex = 3;
  frame->InitAlphaImages(&Model);
  EXPECT_EQ(frame->FSourceBitmap, nullptr);
  EXPECT_EQ(frame->FSourceInActiveBitMap, nullptr);

  frame->MaskPictureIndex = 1;
  frame->InitAlphaImages(&Model);
  ASSERT_NE(frame->FSourceBitmap, nullptr);
  Model.ClearObjects();
  EXPECT_EQ(frame->FSourceBitmap, nullptr);
}

}  // namespace
