// The PNG image list: items and their placeholders, names, resizing at run time and while a form loads,
// alpha kept through a draw, the half-transparent disabled draw, an index without an item drawing nothing,
// a platform list view drawing its icons through the list, and lists filled from the program's pictures.

// Designated initialisers leave the picture fields they do not name at their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include "platform/base/Exception.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "platform/ui/toolkit/TListView.h"
#include "skin/controls/TskPngImageList.h"
#include "tests/platform/gdi/PictureFixtures.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

/// A Size x Size picture of Color with every pixel's alpha Alpha (none when -1).
std::unique_ptr<TskPngImage> SolidPng(int Size, TColor Color, int Alpha) {
  TBitmap B;
  B.SetPixelFormat(pf24bit);
  B.SetSize(Size, Size);
  B.Canvas()->Brush()->SetColor(Color);
  B.Canvas()->FillRect(Rect(0, 0, Size, Size));
  auto Png = std::make_unique<TskPngImage>();
  Png->Assign(&B);
  if (Alpha < 0) return Png;
  Png->CreateAlpha();
  for (int Y = 0; Y < Size; ++Y) std::fill_n(Png->AlphaScanline(Y), Size, uint8_t(Alpha));
  return Png;
}

/// A list that draws through its own DoDraw, as the platform does for any index it is handed.
class TProbeList : public TskPngImageList {
public:
  using TskPngImageList::TskPngImageList;
  using TskPngImageList::DoDraw;
};

/// A white canvas to draw on.
struct TSheet {
  TSheet() {
    B.SetPixelFormat(pf32bit);
    B.SetSize(40, 40);
    B.Canvas()->Brush()->SetColor(clWhite);
    B.Canvas()->FillRect(Rect(0, 0, 40, 40));
  }
  TColor At(int X, int Y) { return B.Canvas()->Pixels(X, Y); }
  TBitmap B;
};

class PngImageListTest : public SkinControlTest {
protected:
  TProbeList* NewList(int Size = 16) {
    auto* List = new TProbeList(Form);
    List->SetPngWidth(Size);
    List->SetPngHeight(Size);
    return List;
  }
};

TEST_F(PngImageListTest, ItemsKeepOnePlaceholderEachAndAreNamedByIndex) {
  auto* List = NewList();
  for (int i = 0; i < 3; ++i) List->PngImages()->Add();
  EXPECT_EQ(List->Count(), 3);
  EXPECT_EQ(List->PngImages()->Items(2)->Name(), "PngImage2");
  EXPECT_EQ(List->PngImages()->Items(2)->DisplayName(), "PngImage2");
  delete List->PngImages()->Items(1);
  EXPECT_EQ(List->Count(), 2);
  EXPECT_EQ(List->PngImages()->Count(), 2);
  List->SetPngWidth(16);
  EXPECT_EQ(List->PngImages()->Count(), 2) << "the same size changes nothing";
  List->SetPngWidth(32);
  EXPECT_EQ(List->PngImages()->Count(), 0) << "resizing at run time empties the list";
  EXPECT_EQ(List->Count(), 0);
}

// The stored order sets the items first and the size after them: the items stay, each with a placeholder
// of the new size, and draw there.
TEST_F(PngImageListTest, ASizeSetWhileTheFormLoadsKeepsTheItemsAndTheirPlaceholders) {
  auto* List = NewList(32);
  Form->BeginLoading();
  for (int i = 0; i < 3; ++i) List->PngImages()->Add()->SetPngImage(SolidPng(16, clRed, 255).get());
  List->SetPngWidth(16);
  List->SetPngHeight(16);
  Form->EndLoading();
  EXPECT_EQ(List->PngImages()->Count(), 3);
  EXPECT_EQ(List->Count(), 3);
  TSheet Sheet;
  List->Draw(Sheet.B.Canvas(), 0, 0, 2, true);
  EXPECT_EQ(Sheet.At(15, 15), clRed);
  delete List->PngImages()->Items(0);
  EXPECT_EQ(List->Count(), 2);
}

TEST_F(PngImageListTest, DrawKeepsAlphaAndTheDisabledDrawIsHalfTransparent) {
  auto* List = NewList();
  List->PngImages()->Add()->SetPngImage(SolidPng(16, clRed, 255).get());
  List->PngImages()->Add()->SetPngImage(SolidPng(16, clRed, 128).get());
  TSheet Sheet;
  List->Draw(Sheet.B.Canvas(), 0, 0, 0, true);
  EXPECT_EQ(Sheet.At(5, 5), clRed);
  List->Draw(Sheet.B.Canvas(), 20, 0, 1, true);
  const TColor Half = Sheet.At(25, 5);
  EXPECT_EQ(GetRValue(Half), 255);
  EXPECT_NEAR(GetGValue(Half), 127, 1) << "alpha 128 over white";
  List->Draw(Sheet.B.Canvas(), 0, 20, 0, false);
  EXPECT_EQ(Sheet.At(5, 25), Half) << "disabled: alpha 255 becomes 128";
  EXPECT_EQ(List->PngImages()->Items(0)->PngImage()->AlphaScanline(0)[0], 255) << "the item keeps its picture";
}

TEST_F(PngImageListTest, HalfTransparencyRoundsHalvesToEvenAndClearsTheKeyColour) {
  const std::pair<int, int> Cases[] = { { 255, 128 }, { 1, 0 }, { 3, 2 }, { 0, 0 }, { 128, 64 } };
  for (const auto& [In, Out] : Cases) {
    auto Png = SolidPng(2, clBlue, In);
    MakeHalfTransparent(Png.get());
    EXPECT_EQ(Png->AlphaScanline(0)[0], Out) << In;
  }
  auto Opaque = SolidPng(2, clBlue, -1);
  MakeHalfTransparent(Opaque.get());
  ASSERT_NE(Opaque->AlphaScanline(0), nullptr) << "an RGB picture gets an alpha channel";
  EXPECT_EQ(Opaque->AlphaScanline(0)[0], 128);
}

TEST_F(PngImageListTest, GreyPaletteAndBitTransparentPicturesFadeByTheirKind) {
  const png_color Red { 255, 0, 0 }, Blue { 0, 0, 255 };
  struct Case {
    const char* Name;
    fixtures::PngSpec Spec;
    std::vector<int> Alpha;
  };
  const Case Cases[] = {
    { "grey", { .ColorType = 0, .Width = 2, .Data = { 0, 200 } }, { 127, 127 } },
    { "grey with a tRNS level", { .ColorType = 0, .Width = 2, .Data = { 0, 200 }, .TrnsColor = png_color_16 { 0, 0, 0, 0, 200 } },
      { 127, 0 } },
    { "palette", { .ColorType = 3, .Width = 2, .Data = { 0, 1 }, .Palette = { Red, Blue } }, { 127, 127 } },
    { "palette with a transparent entry",
      { .ColorType = 3, .Width = 2, .Data = { 0, 1 }, .Palette = { Red, Blue }, .TrnsAlpha = { 0 } }, { 0, 127 } },
    { "RGB with a tRNS colour",
      { .ColorType = 2, .Width = 2, .Data = { 1, 2, 3, 4, 5, 6 }, .TrnsColor = png_color_16 { 0, 4, 5, 6, 0 } }, { 128, 0 } },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TskPngImage Png;
    TMemoryStream Bytes;
    fixtures::Fill(Bytes, fixtures::PngBytes(C.Spec));
    Png.LoadFromStream(&Bytes);
    MakeHalfTransparent(&Png);
    ASSERT_NE(Png.AlphaScanline(0), nullptr);
    EXPECT_EQ((std::vector<int> { Png.AlphaScanline(0)[0], Png.AlphaScanline(0)[1] }), C.Alpha);
  }

  // Drawn disabled through the list, the transparent entry leaves the sheet white.
  auto* List = NewList(2);
  TskPngImage Png;
  TMemoryStream Bytes;
  fixtures::Fill(Bytes, fixtures::PngBytes(Cases[3].Spec));
  Png.LoadFromStream(&Bytes);
  List->PngImages()->Add()->SetPngImage(&Png);
  TSheet Sheet;
  List->Draw(Sheet.B.Canvas(), 5, 5, 0, false);
  EXPECT_EQ(Sheet.At(5, 5), clWhite);
  const TColor Faded = Sheet.At(6, 5);
  EXPECT_EQ(GetBValue(Faded), 255);
  EXPECT_NEAR(GetRValue(Faded), 128, 1) << "blue at alpha 127 over white";
}

TEST_F(PngImageListTest, AnIndexWithoutAnItemDrawsNothing) {
  auto* List = NewList();
  List->PngImages()->Add()->SetPngImage(SolidPng(16, clRed, 255).get());
  TSheet Sheet;
  for (int Index : { -1, 1, 5 }) {
    EXPECT_NO_THROW(List->DoDraw(Index, Sheet.B.Canvas(), 0, 0, ILD_NORMAL, true)) << Index;
    EXPECT_NO_THROW(List->Draw(Sheet.B.Canvas(), 0, 0, Index, true)) << Index;
  }
  EXPECT_EQ(Sheet.At(5, 5), clWhite);
}

TEST_F(PngImageListTest, APlatformListViewDrawsItsIconsThroughTheList) {
  auto* List = NewList();
  List->PngImages()->Add()->SetPngImage(SolidPng(16, clLime, 255).get());
  auto* View = Add<TListView>(Bounds(10, 10, 200, 120));
  View->SetViewStyle(vsList);
  View->SetSmallImages(List);
  TListItem* Item = View->Items()->Add();
  Item->SetCaption("Item");
  Item->SetImageIndex(0);
  Display->PumpUntilIdle();
  bool Found = false;
  for (int Y = 0; Y < 30 && !Found; ++Y)
    for (int X = 0; X < 30 && !Found; ++X) Found = Shown(View, X, Y) == clLime;
  EXPECT_TRUE(Found) << "the view's row shows the PNG icon";
}

TEST_F(PngImageListTest, AddResourcePngsFillsNamedItemsOrAddsNothing) {
  auto* List = NewList();
  AddResourcePngs(List, { "PREVIEW_PLAY", "PREVIEW_STOP" });
  ASSERT_EQ(List->Count(), 2);
  EXPECT_EQ(List->PngImages()->Items(1)->Name(), "PREVIEW_STOP");
  TSheet Sheet;
  List->Draw(Sheet.B.Canvas(), 0, 0, 1, true);
  EXPECT_EQ(Sheet.At(0, 0), clWhite) << "the picture's transparent corner";
  EXPECT_GT(GetBValue(Sheet.At(8, 8)), GetRValue(Sheet.At(8, 8))) << "the blue stop mark";
  EXPECT_THROW(AddResourcePngs(List, { "PREVIEW_PAUSE", "NO_SUCH_PICTURE" }), EResNotFound);
  EXPECT_EQ(List->Count(), 2) << "a missing name adds nothing";
}

}  // namespace
