// The effect bitmap: transitions at the start, middle and end of their run, filters, turning and
// flipping, masks, and the exchange with platform bitmaps and device contexts.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/TskEffectBmp.h"

namespace {

// A grey image whose value at (x, y) is At(x, y).
std::unique_ptr<TskEffectBmp> Grey(int W, int H, const std::function<int(int, int)>& At) {
  auto B = std::make_unique<TskEffectBmp>(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      for (int C = 0; C < 3; ++C) B->Bits[y * (3 * W + W % 4) + 3 * x + C] = uint8_t(At(x, y));
  return B;
}

int Value(const TskEffectBmp& B, int x, int y, int Channel = 0) {
  return B.Bits[y * (3 * B.Width + B.Width % 4) + 3 * x + Channel];
}

std::vector<int> RowOf(const TskEffectBmp& B, int y = 0) {
  std::vector<int> Row;
  for (int x = 0; x < B.Width; ++x) Row.push_back(Value(B, x, y));
  return Row;
}

using TTransition = void (TskEffectBmp::*)(TskEffectBmp*, double);

}  // namespace

TEST(TskEffectBmpTest, MorphBlendsWithAClampedFactorAndRoundsHalvesToEven) {
  auto Old = Grey(2, 1, [](int, int) { return 100; });
  auto New = Grey(2, 1, [](int x, int) { return x ? 203 : 201; });
  Old->Morph(New.get(), 0.5);
  EXPECT_EQ(RowOf(*Old), (std::vector<int> { 150, 152 }));
  Old->Morph(New.get(), 1.5);
  EXPECT_EQ(RowOf(*Old), (std::vector<int> { 201, 203 }));
  Old->Morph(Grey(2, 1, [](int, int) { return 0; }).get(), -1);
  EXPECT_EQ(RowOf(*Old), (std::vector<int> { 201, 203 }));
  Old->Morph(Grey(3, 1, [](int, int) { return 0; }).get(), 1);
  EXPECT_EQ(RowOf(*Old), (std::vector<int> { 201, 203 })) << "another size changes nothing";
}

TEST(TskEffectBmpTest, GradientTransitionsFromStartToEnd) {
  // Old is black, new is 200: a pixel shows 200 times its share of new.
  struct Case {
    const char* Name;
    TTransition Run;
    double Kf;
    std::vector<int> Row;
  };
  const Case Cases[] {
    { "HGrad", &TskEffectBmp::MorphHGrad, 0, { 0, 40, 80, 120, 160, 200, 160, 120, 80, 40 } },
    { "HGrad", &TskEffectBmp::MorphHGrad, 0.5, { 0, 0, 100, 200, 200, 200, 200, 200, 100, 0 } },
    { "HGrad", &TskEffectBmp::MorphHGrad, 1, { 200, 200, 200, 200, 200, 200, 200, 200, 200, 200 } },
    { "HGrad", &TskEffectBmp::MorphHGrad, 1.5, { 200, 200, 200, 200, 200, 200, 200, 200, 200, 200 } },
    { "HGrad", &TskEffectBmp::MorphHGrad, -1, { 0, 40, 80, 120, 160, 200, 160, 120, 80, 40 } },
    { "Grad", &TskEffectBmp::MorphGrad, 0.5, { 0, 0, 100, 200, 200, 200, 200, 200, 100, 0 } },
    { "LeftGrad", &TskEffectBmp::MorphLeftGrad, 0, { 200, 0, 0, 0, 0, 0, 0, 0, 0, 0 } },
    { "LeftGrad", &TskEffectBmp::MorphLeftGrad, 0.5, { 200, 160, 120, 80, 40, 0, 0, 0, 0, 0 } },
    { "LeftGrad", &TskEffectBmp::MorphLeftGrad, 1, { 200, 178, 156, 133, 111, 89, 67, 44, 22, 0 } },
    { "RightGrad", &TskEffectBmp::MorphRightGrad, 0, { 0, 0, 0, 0, 0, 0, 0, 0, 0, 200 } },
    { "RightGrad", &TskEffectBmp::MorphRightGrad, 0.5, { 0, 0, 0, 0, 0, 40, 80, 120, 160, 200 } },
    { "RightGrad", &TskEffectBmp::MorphRightGrad, 1, { 20, 40, 60, 80, 100, 120, 140, 160, 180, 200 } },
  };
  for (const Case& C : Cases) {
    auto Old = Grey(10, 2, [](int, int) { return 0; });
    auto New = Grey(10, 2, [](int, int) { return 200; });
    (Old.get()->*C.Run)(New.get(), C.Kf);
    EXPECT_EQ(RowOf(*Old, 1), C.Row) << C.Name << " " << C.Kf;
  }

  // Across rows: a band of new rows in the middle fading out toward the top and bottom.
  auto Tall = Grey(2, 5, [](int, int) { return 0; });
  Tall->MorphGrad(Grey(2, 5, [](int, int) { return 200; }).get(), 0);
  const int Rows[] { 0, 100, 200, 100, 0 };
  for (int y = 0; y < 5; ++y) EXPECT_EQ(Value(*Tall, 1, y), Rows[y]) << "row " << y;
}

TEST(TskEffectBmpTest, SlidesAndPushMoveWholeColumns) {
  // Old columns show x, new columns 100 + x.
  struct Case {
    const char* Name;
    TTransition Run;
    double Kf;
    std::vector<int> Row;
  };
  const Case Cases[] {
    { "LeftSlide", &TskEffectBmp::MorphLeftSlide, 0, { 109, 1, 2, 3, 4, 5, 6, 7, 8, 9 } },
    { "LeftSlide", &TskEffectBmp::MorphLeftSlide, 0.5, { 105, 106, 107, 108, 109, 5, 6, 7, 8, 9 } },
    { "LeftSlide", &TskEffectBmp::MorphLeftSlide, 1, { 101, 102, 103, 104, 105, 106, 107, 108, 109, 9 } },
    { "RightSlide", &TskEffectBmp::MorphRightSlide, 0, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 100 } },
    { "RightSlide", &TskEffectBmp::MorphRightSlide, 0.3, { 0, 1, 2, 3, 4, 5, 6, 100, 101, 102 } },
    { "RightSlide", &TskEffectBmp::MorphRightSlide, 0.5, { 0, 1, 2, 3, 4, 100, 101, 102, 103, 104 } },
    { "RightSlide", &TskEffectBmp::MorphRightSlide, 1, { 0, 100, 101, 102, 103, 104, 105, 106, 107, 108 } },
    { "Push", &TskEffectBmp::MorphPush, 0, { 109, 0, 1, 2, 3, 4, 5, 6, 7, 8 } },
    { "Push", &TskEffectBmp::MorphPush, 0.3, { 106, 107, 108, 109, 0, 1, 2, 3, 4, 5 } },
    { "Push", &TskEffectBmp::MorphPush, 0.5, { 104, 105, 106, 107, 108, 109, 0, 1, 2, 3 } },
    { "Push", &TskEffectBmp::MorphPush, 1, { 100, 101, 102, 103, 104, 105, 106, 107, 108, 109 } },
  };
  for (const Case& C : Cases) {
    auto Old = Grey(10, 1, [](int x, int) { return x; });
    auto New = Grey(10, 1, [](int x, int) { return 100 + x; });
    (Old.get()->*C.Run)(New.get(), C.Kf);
    EXPECT_EQ(RowOf(*Old), C.Row) << C.Name << " " << C.Kf;
  }
}

TEST(TskEffectBmpTest, RectangleTransitionsStayInsideBothBitmaps) {
  auto Old = Grey(4, 2, [](int, int) { return 10; });
  auto Small = Grey(2, 2, [](int x, int) { return 50 + x; });
  Old->CopyRect(Small.get(), TRect { 1, 0, 8, 5 }, 0, 0);
  EXPECT_EQ(RowOf(*Old, 1), (std::vector<int> { 10, 50, 51, 10 })) << "partners beyond the small bitmap are left";
  Old->MorphRect(Small.get(), 0.5, TRect { -1, 0, 2, 1 }, 0, 0);
  EXPECT_EQ(RowOf(*Old, 0), (std::vector<int> { 30, 50, 51, 10 }));
}

TEST(TskEffectBmpTest, FiltersChangeEveryChannel) {
  auto B = Grey(1, 1, [](int, int) { return 200; });
  B->ChangeDarkness(0.3);
  EXPECT_EQ(Value(*B, 0, 0), 140);
  B = Grey(1, 1, [](int, int) { return 100; });
  B->ChangeBrightness(0.5);
  EXPECT_EQ(Value(*B, 0, 0), 178);
  B->ChangeBrightness(7);
  EXPECT_EQ(Value(*B, 0, 0), 255) << "the factor is limited to 1";
  B->Invert();
  EXPECT_EQ(Value(*B, 0, 0), 0);

  TskEffectBmp Red(1, 1);
  Red.Bits[2] = 255;
  Red.GrayScale();
  for (int C = 0; C < 3; ++C) EXPECT_EQ(Value(Red, 0, 0, C), 76);
}

TEST(TskEffectBmpTest, SplitBlurStaysInsideWhenTheStepExceedsTheImage) {
  auto B = Grey(3, 2, [](int x, int y) { return 40 * x + 100 * y; });
  B->SplitBlur(5);
  // Every neighbour falls outside, so each pixel averages itself four times.
  EXPECT_EQ(RowOf(*B, 0), (std::vector<int> { 0, 40, 80 }));
  EXPECT_EQ(RowOf(*B, 1), (std::vector<int> { 100, 140, 180 }));

  B = Grey(3, 1, [](int x, int) { return 40 * x; });
  B->SplitBlur(1);
  // In place, left to right: (1,0) reads the new (0,0), (2,0) the new (1,0).
  EXPECT_EQ(RowOf(*B), (std::vector<int> { 20, 50, 65 }));
}

TEST(TskEffectBmpTest, TurningFlippingMosaicResizeAndWave) {
  auto B = Grey(2, 3, [](int x, int y) { return 10 * x + y; });
  TskEffectBmp Left(3, 2), Right(3, 2), Flipped(2, 3);
  B->Rotate90_1(&Left);
  B->Rotate90_2(&Right);
  B->FlipVert(&Flipped);
  EXPECT_EQ(RowOf(Left, 0), (std::vector<int> { 10, 11, 12 }));
  EXPECT_EQ(RowOf(Left, 1), (std::vector<int> { 0, 1, 2 }));
  EXPECT_EQ(RowOf(Right, 0), (std::vector<int> { 2, 1, 0 }));
  EXPECT_EQ(RowOf(Right, 1), (std::vector<int> { 12, 11, 10 }));
  EXPECT_EQ(RowOf(Flipped, 0), (std::vector<int> { 2, 12 }));
  B->FlipVert(B.get());
  EXPECT_EQ(RowOf(*B, 2), (std::vector<int> { 0, 10 }));

  auto M = Grey(3, 3, [](int x, int y) { return 10 * x + y; });
  M->Mosaic(2);
  EXPECT_EQ(RowOf(*M, 0), (std::vector<int> { 0, 0, 20 }));
  EXPECT_EQ(RowOf(*M, 1), (std::vector<int> { 0, 0, 20 }));
  EXPECT_EQ(RowOf(*M, 2), (std::vector<int> { 2, 2, 22 }));

  TskEffectBmp Wide(4, 1);
  Grey(2, 1, [](int x, int) { return 7 * x + 1; })->Resize(&Wide);
  EXPECT_EQ(RowOf(Wide), (std::vector<int> { 1, 1, 8, 8 }));

  auto W = Grey(5, 4, [](int x, int y) { return 10 * x + y; });
  W->Wave(3, 3, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(Value(*W, x, y), 10 * x + y);
}

TEST(TskEffectBmpTest, NoiseIsRepeatableFromTheSeed) {
  auto A = Grey(4, 4, [](int, int) { return 128; });
  auto B = Grey(4, 4, [](int, int) { return 128; });
  RandSeed = 1234;
  A->AddMonoNoise(50);
  RandSeed = 1234;
  B->AddMonoNoise(50);
  bool Changed = false;
  for (int y = 0; y < 4; ++y) {
    EXPECT_EQ(RowOf(*A, y), RowOf(*B, y));
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(Value(*A, x, y, 0), Value(*A, x, y, 2)) << "one value for all three channels";
      EXPECT_GE(Value(*A, x, y), 128 - 25);
      EXPECT_LT(Value(*A, x, y), 128 + 25);
      Changed = Changed || Value(*A, x, y) != 128;
    }
  }
  EXPECT_TRUE(Changed);
}

TEST(TskEffectBmpTest, WhiteMaskPixelsProtectTheirPixels) {
  auto Mask = Grey(3, 2, [](int x, int) { return x == 0 ? 255 : 0; });
  auto B = Grey(3, 1, [](int, int) { return 100; });
  B->MaskFillColor(Mask.get(), RGB(200, 200, 200), 0.5);
  EXPECT_EQ(RowOf(*B), (std::vector<int> { 100, 150, 150 }));
  B = Grey(3, 1, [](int x, int) { return 40 * x; });
  B->MaskBlur(Mask.get(), 1);
  EXPECT_EQ(RowOf(*B), (std::vector<int> { 0, 40, 60 }));
  B = Grey(3, 1, [](int x, int) { return x == 1 ? 10 : 40 * x; });
  B->MaskAntialiasing(Mask.get(), 1);
  EXPECT_EQ(RowOf(*B), (std::vector<int> { 0, 40, 80 })) << "only pixels next to protected ones soften";
  B->MaskBlur(Grey(2, 1, [](int, int) { return 0; }).get(), 1);
  EXPECT_EQ(RowOf(*B), (std::vector<int> { 0, 40, 80 })) << "a mask of another width does not fit";
}

TEST(TskEffectBmpTest, CapturesPlatformBitmapsAndDrawsBackUpright) {
  TBitmap Source;
  Source.SetPixelFormat(pf24bit);
  Source.SetSize(3, 2);
  Source.Canvas()->SetPixels(0, 0, RGB(10, 20, 30));
  Source.Canvas()->SetPixels(2, 1, RGB(40, 50, 60));
  auto B = TskEffectBmp::CreateFromhWnd(Source.Handle());
  ASSERT_EQ(B->Width, 3);
  EXPECT_EQ(Value(*B, 0, 0, 2), 10);
  EXPECT_EQ(Value(*B, 2, 1, 0), 60);
  auto Copy = TskEffectBmp::CreateCopy(*B);
  EXPECT_EQ(Value(*Copy, 2, 1, 1), 50);

  TBitmap Target;
  Target.SetPixelFormat(pf24bit);
  Target.SetSize(3, 2);
  B->Draw(Target.Canvas()->Handle(), 0, 0);
  EXPECT_EQ(Target.Canvas()->Pixels(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(Target.Canvas()->Pixels(2, 1), RGB(40, 50, 60));
  Target.Canvas()->Brush()->SetColor(clBlack);
  Target.Canvas()->FillRect(TRect { 0, 0, 3, 2 });
  B->DrawRect(Target.Canvas()->Handle(), 0, 0, 2, 1, 1, 1);
  EXPECT_EQ(Target.Canvas()->Pixels(0, 0), RGB(40, 50, 60));
  EXPECT_EQ(Target.Canvas()->Pixels(0, 1), clBlack);
  B->Stretch(Target.Canvas()->Handle(), 0, 0, 6, 4);
  EXPECT_EQ(Target.Canvas()->Pixels(1, 1), RGB(10, 20, 30));
}

TEST(TskEffectBmpTest, ARefusedSectionGivesABitmapWithoutPixelsThatIgnoresEverything) {
  TskEffectBmp Empty(0, 5);
  EXPECT_EQ(Empty.Bits, nullptr);
  EXPECT_EQ(Empty.Width, 0);
  auto Other = Grey(2, 2, [](int, int) { return 1; });
  Empty.Morph(Other.get(), 0.5);
  Empty.SplitBlur(2);
  Empty.GrayScale();
  Other->MorphPush(&Empty, 0.5);
  EXPECT_EQ(RowOf(*Other), (std::vector<int> { 1, 1 }));
}
