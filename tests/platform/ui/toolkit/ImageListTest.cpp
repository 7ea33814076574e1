// Image lists: cutting pictures into images, transparency from masks and mask colours, drawing enabled
// and greyed, the background colour, the handle-level calls that draw through DoDraw, and icons of images.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TIcon.h"
#include "platform/ui/toolkit/ImageListCalls.h"
#include "platform/ui/toolkit/TImageList.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

/// A picture of W x H filled with Fill and a Mark colour square at (1, 1, 3, 3).
std::unique_ptr<TBitmap> Picture(int W, int H, TColor Fill, TColor Mark) {
  auto B = std::make_unique<TBitmap>();
  B->SetPixelFormat(pf24bit);
  B->SetSize(W, H);
  B->Canvas()->Brush()->SetColor(Fill);
  B->Canvas()->FillRect(Rect(0, 0, W, H));
  B->Canvas()->Brush()->SetColor(Mark);
  B->Canvas()->FillRect(Rect(1, 1, 3, 3));
  return B;
}

/// A white 8 x 8 target to draw on.
std::unique_ptr<TBitmap> Target() { return Picture(8, 8, clWhite, clWhite); }

TEST(ImageList, PicturesAreCutIntoImagesAndASizeChangeRemovesThem) {
  TImageList List(nullptr, 4, 4);
  int Changes = 0;
  List.OnChange = [&](TObject*) { ++Changes; };
  auto Strip = Picture(12, 4, clRed, clBlue);
  EXPECT_EQ(List.Add(Strip.get(), nullptr), 0);
  EXPECT_EQ(List.Count(), 3) << "a strip three images wide";
  auto Small = Picture(2, 2, clLime, clLime);
  List.Insert(1, Small.get(), nullptr);
  EXPECT_EQ(List.Count(), 4);
  TBitmap Out;
  ASSERT_TRUE(List.GetBitmap(1, &Out));
  EXPECT_EQ(Out.Canvas()->Pixels(0, 0), clLime);
  EXPECT_EQ(Out.Width(), 4);
  EXPECT_FALSE(List.GetBitmap(4, &Out));
  List.Delete(0);
  EXPECT_EQ(List.Count(), 3);
  EXPECT_THROW(List.Delete(3), EListError);
  EXPECT_THROW(List.Replace(3, Small.get(), nullptr), EListError);
  List.SetWidth(4);
  EXPECT_EQ(List.Count(), 3) << "the same size changes nothing";
  List.SetSize(5, 5);
  EXPECT_EQ(List.Count(), 0);
  EXPECT_EQ(Changes, 4);
}

TEST(ImageList, MasksAndMaskColoursMakePixelsTransparentAndDisabledImagesAreGreyed) {
  TImageList List(nullptr, 4, 4);
  auto Image = Picture(4, 4, clFuchsia, clBlack);
  List.AddMasked(Image.get(), clFuchsia);
  auto Mask = Picture(4, 4, clWhite, clBlack);  // only the square is opaque
  auto Other = Picture(4, 4, clRed, clRed);
  List.Add(Other.get(), Mask.get());
  auto Canvas = Target();
  List.Draw(Canvas->Canvas(), 2, 2, 0);
  EXPECT_EQ(Canvas->Canvas()->Pixels(2, 2), clWhite) << "mask colour";
  EXPECT_EQ(Canvas->Canvas()->Pixels(3, 3), clBlack);
  List.Draw(Canvas->Canvas(), 0, 4, 1);
  EXPECT_EQ(Canvas->Canvas()->Pixels(0, 4), clWhite) << "white in the mask";
  EXPECT_EQ(Canvas->Canvas()->Pixels(1, 5), clRed);

  auto Greyed = Target();
  List.Draw(Greyed->Canvas(), 0, 0, 0, false);
  EXPECT_EQ(Greyed->Canvas()->Pixels(1, 1), ColorToRGB(clBtnShadow)) << "the dark square in shadow";
  EXPECT_EQ(Greyed->Canvas()->Pixels(3, 3), ColorToRGB(clBtnHighlight)) << "its relief";
  EXPECT_EQ(Greyed->Canvas()->Pixels(0, 0), clWhite);

  List.SetBkColor(clYellow);
  auto Filled = Target();
  List.Draw(Filled->Canvas(), 0, 0, 0);
  EXPECT_EQ(Filled->Canvas()->Pixels(0, 0), clYellow);
  EXPECT_EQ(Filled->Canvas()->Pixels(4, 4), clWhite) << "only the image's cell";
}

TEST(ImageList, HandleCallsDrawThroughDoDrawAndFailOnStaleHandles) {
  struct TCountingList : TImageList {
    using TImageList::TImageList;
    int Draws { 0 };
    void DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled) override {
      ++Draws;
      TImageList::DoDraw(Index, Canvas, X, Y, Style, Enabled);
    }
  };
  auto List = std::make_unique<TCountingList>(nullptr, 4, 4);
  auto Image = Picture(4, 4, clRed, clRed);
  List->Add(Image.get(), nullptr);
  const HIMAGELIST H = List->Handle();
  int W = 0, Ht = 0;
  EXPECT_TRUE(ImageList_GetIconSize(H, &W, &Ht));
  EXPECT_EQ(W, 4);
  EXPECT_EQ(ImageList_GetImageCount(H), 1);
  EXPECT_EQ(ImageList_SetBkColor(H, clBlue), CLR_NONE);
  EXPECT_EQ(List->BkColor(), clBlue);
  EXPECT_EQ(ImageList_SetBkColor(H, CLR_NONE), clBlue);
  auto Canvas = Target();
  const HDC DC = Canvas->Canvas()->Handle();
  EXPECT_TRUE(ImageList_DrawEx(H, 0, DC, 2, 2, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL));
  EXPECT_EQ(List->Draws, 1);
  EXPECT_EQ(Canvas->Canvas()->Pixels(2, 2), clRed);
  EXPECT_FALSE(ImageList_DrawEx(H, 1, DC, 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL));
  List.reset();
  EXPECT_FALSE(ImageList_DrawEx(H, 0, DC, 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL));
  EXPECT_EQ(ImageList_GetImageCount(H), 0);
  EXPECT_FALSE(ImageList_GetIconSize(H, &W, &Ht));
}

TEST(ImageList, GetIconGivesTheImageAsDoDrawDrawsItWithItsAlpha) {
  struct TRedList : TImageList {
    using TImageList::TImageList;
    bool OwnPictures { false };
    void DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled) override {
      if (!OwnPictures) return TImageList::DoDraw(Index, Canvas, X, Y, Style, Enabled);
      Canvas->Brush()->SetColor(clRed);
      Canvas->FillRect(Rect(X, Y, X + 2, Y + 2));
    }
  };
  TRedList List(nullptr, 4, 4);
  // A 32-bit picture: its left half opaque blue, its right half blue at alpha 64.
  TBitmap Image;
  Image.SetPixelFormat(pf32bit);
  Image.SetSize(4, 4);
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 4; ++X) static_cast<uint32_t*>(Image.ScanLine(Y))[X] = X < 2 ? 0xFF0000FFu : 0x400000FFu;
  List.Add(&Image, nullptr);
  List.SetBkColor(clYellow);

  TIcon Icon;
  ASSERT_TRUE(List.GetIcon(0, &Icon));
  EXPECT_EQ(Icon.Width(), 4);
  const TIconImage& Picture = (*IconImagesOf(Icon.Handle()))[0];
  EXPECT_EQ(Picture.Pixels->Pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(Picture.Pixels->Pixel(3, 3), 0x400000FFu) << "straight colour, no background colour";

  List.OwnPictures = true;
  ASSERT_TRUE(List.GetIcon(0, &Icon));
  const TIconImage& Own = (*IconImagesOf(Icon.Handle()))[0];
  EXPECT_EQ(Own.Pixels->Pixel(1, 1) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(Own.Pixels->Pixel(3, 3) >> 24, 0u);
  EXPECT_FALSE(List.GetIcon(1, &Icon));
}

}  // namespace
