#include <gtest/gtest.h>

// Designated initialisers leave the fields they do not name at their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include <cstring>

#include "platform/base/Exception.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TPicture.h"
#include "platform/gdi/TPngImage.h"
#include "tests/platform/gdi/PictureFixtures.h"

namespace {

// Bitmap pixels as TColor, through the canvas.
TColor At(TBitmap& B, int X, int Y) { return B.Canvas()->Pixels(X, Y); }

void Fill(TBitmap& B, TColor Color) {
  B.Canvas()->Brush()->SetColor(Color);
  B.Canvas()->FillRect(Rect(0, 0, B.Width(), B.Height()));
}

TEST(TBitmapTest, NewAndResizedBitmapsAreWhiteAndKeepTheSharedPart) {
  for (TPixelFormat format : { pfDevice, pf24bit, pf32bit }) {
    SCOPED_TRACE(format);
    TBitmap b;
    EXPECT_TRUE(b.Empty());
    b.SetPixelFormat(format);
    b.SetWidth(3);
    EXPECT_TRUE(b.Empty());  // no height yet
    b.SetHeight(2);
    ASSERT_FALSE(b.Empty());
    EXPECT_EQ(At(b, 0, 0), clWhite);
    EXPECT_EQ(At(b, 2, 1), clWhite);
    b.Canvas()->SetPixels(1, 1, clRed);
    b.SetSize(4, 4);
    EXPECT_EQ(b.PixelFormat(), format);
    EXPECT_EQ(At(b, 1, 1), clRed);
    EXPECT_EQ(At(b, 3, 3), clWhite);
    b.SetSize(0, 4);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Handle(), nullptr);
  }
}

TEST(TBitmapTest, ScanLinesFollowThePixelFormat) {
  TBitmap b;
  b.SetPixelFormat(pf24bit);
  b.SetSize(5, 3);
  b.Canvas()->SetPixels(4, 1, RGB(1, 2, 3));
  b.Canvas()->SetPixels(0, 2, RGB(4, 5, 6));
  // Rows of 5 x 3 = 15 bytes padded to 16, top row first, B, G, R.
  auto* row1 = static_cast<uint8_t*>(b.ScanLine(1));
  EXPECT_EQ(static_cast<uint8_t*>(b.ScanLine(2)) - row1, 16);
  EXPECT_EQ(row1[12], 3);
  EXPECT_EQ(row1[13], 2);
  EXPECT_EQ(row1[14], 1);
  static_cast<uint8_t*>(b.ScanLine(0))[0] = 0x40;  // blue of (0, 0)
  EXPECT_EQ(At(b, 0, 0), RGB(255, 255, 0x40));
  EXPECT_EQ(static_cast<uint8_t*>(b.ScanLine(2))[2], 4);

  b.SetPixelFormat(pf32bit);
  auto* wide = static_cast<uint32_t*>(b.ScanLine(1));
  EXPECT_EQ(static_cast<uint8_t*>(b.ScanLine(2)) - reinterpret_cast<uint8_t*>(wide), 20);
  EXPECT_EQ(wide[4] & 0xFFFFFF, 0x010203u);
  EXPECT_EQ(At(b, 0, 2), RGB(4, 5, 6));  // converted, not lost

  for (int y : { -1, 3 }) EXPECT_THROW(b.ScanLine(y), EInvalidGraphic);
}

TEST(TBitmapTest, TransparentDrawLeavesOutTheBottomLeftColour) {
  // Bottom-left fuchsia, top-left yellow.
  TBitmap glyph;
  glyph.SetSize(3, 2);
  Fill(glyph, clFuchsia);
  glyph.Canvas()->SetPixels(0, 0, clYellow);
  glyph.Canvas()->SetPixels(1, 0, clBlue);
  glyph.Canvas()->SetPixels(2, 1, clLime);
  glyph.SetTransparent(true);
  EXPECT_EQ(glyph.TransparentMode(), tmAuto);
  EXPECT_EQ(glyph.TransparentColor(), clFuchsia);

  TBitmap target;
  target.SetSize(5, 4);
  Fill(target, clRed);
  target.Canvas()->Draw(1, 1, &glyph);
  const TColor expected[4][5] = {
    { clRed, clRed, clRed, clRed, clRed },
    { clRed, clYellow, clBlue, clRed, clRed },
    { clRed, clRed, clRed, clLime, clRed },
    { clRed, clRed, clRed, clRed, clRed },
  };
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(At(target, x, y), expected[y][x]) << x << "," << y;

  // A fixed colour instead: blue is left out, the fuchsia pixels are drawn.
  glyph.SetTransparentColor(clBlue);
  EXPECT_EQ(glyph.TransparentMode(), tmFixed);
  Fill(target, clRed);
  target.Canvas()->Draw(0, 0, &glyph);
  EXPECT_EQ(At(target, 0, 1), clFuchsia);
  EXPECT_EQ(At(target, 1, 0), clRed);

  // Opaque drawing copies every pixel.
  glyph.SetTransparent(false);
  target.Canvas()->Draw(0, 0, &glyph);
  EXPECT_EQ(At(target, 1, 0), clBlue);
}

TEST(TBitmapTest, StoresAndLoadsBmpFiles) {
  struct Case {
    TPixelFormat Format;
    int BitCount;
  };
  for (Case c : { Case { pf24bit, 24 }, Case { pf32bit, 32 }, Case { pfDevice, 24 } }) {
    SCOPED_TRACE(c.BitCount);
    TBitmap b;
    b.SetPixelFormat(c.Format);
    b.SetSize(3, 2);
    b.Canvas()->SetPixels(0, 0, RGB(10, 20, 30));
    b.Canvas()->SetPixels(2, 1, RGB(40, 50, 60));
    TMemoryStream s;
    b.SaveToStream(&s);
    const std::string bytes = fixtures::Bytes(s);
    EXPECT_EQ(uint8_t(bytes[28]), c.BitCount);

    TBitmap back;
    s.SetPosition(0);
    back.LoadFromStream(&s);
    EXPECT_EQ(back.Width(), 3);
    EXPECT_EQ(back.Height(), 2);
    EXPECT_EQ(back.PixelFormat(), c.BitCount == 24 ? pf24bit : pf32bit);
    EXPECT_EQ(At(back, 0, 0), RGB(10, 20, 30));
    EXPECT_EQ(At(back, 2, 1), RGB(40, 50, 60));
    EXPECT_EQ(At(back, 1, 0), clWhite);
  }
  // A 1-bit mask keeps its format and converts to exact black and white.
  TBitmap mask;
  TMemoryStream s;
  fixtures::Fill(s, fixtures::BmpBytes({ .BitCount = 1, .Width = 2, .Height = 1, .Palette = { 0, 0xFFFFFF },
                                         .Rows = { { 0b01000000 } } }));
  mask.LoadFromStream(&s);
  EXPECT_EQ(mask.PixelFormat(), pf1bit);
  // As masks are read: converted to 24 bits through the screen DC, exactly black and white.
  HDC screen = CreateCompatibleDC(nullptr);
  BITMAPINFO info {};
  info.bmiHeader.biWidth = 2;
  info.bmiHeader.biHeight = -1;
  info.bmiHeader.biBitCount = 24;
  uint8_t row[8] {};
  EXPECT_EQ(GetDIBits(screen, mask.Handle(), 0, 1, row, &info, DIB_RGB_COLORS), 1);
  EXPECT_EQ(std::vector<uint8_t>(row, row + 6), (std::vector<uint8_t> { 0, 0, 0, 255, 255, 255 }));
  DeleteDC(screen);
}

TEST(TBitmapTest, DamagedFilesAndImpossibleSizesLeaveTheBitmapUnchanged) {
  TBitmap b;
  b.SetPixelFormat(pf24bit);
  b.SetSize(2, 2);
  b.Canvas()->SetPixels(0, 0, clBlue);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };

  TMemoryStream good;
  TBitmap other;
  other.SetSize(4, 4);
  other.SaveToStream(&good);
  const std::string bytes = fixtures::Bytes(good);
  for (const std::string& damaged : { bytes.substr(0, bytes.size() - 3), "BA" + bytes.substr(2), bytes.substr(0, 10) }) {
    TMemoryStream s;
    fixtures::Fill(s, damaged);
    EXPECT_ANY_THROW(b.LoadFromStream(&s));
  }
  EXPECT_THROW(b.SetSize(100000, 100000), EOutOfResources);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Height(), 2);
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_EQ(At(b, 0, 0), clBlue);
  EXPECT_EQ(changes, 0);
}

TEST(TBitmapTest, AssignCopiesBitmapsAndRefusesUnrelatedClasses) {
  TBitmap source;
  source.SetPixelFormat(pf32bit);
  source.SetSize(2, 1);
  source.Canvas()->SetPixels(1, 0, clGreen);
  source.SetTransparentColor(clGreen);
  source.SetTransparent(true);

  TBitmap copy;
  copy.Assign(&source);
  source.Canvas()->SetPixels(1, 0, clRed);  // the copy has pixels of its own
  EXPECT_EQ(copy.Width(), 2);
  EXPECT_EQ(copy.PixelFormat(), pf32bit);
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.TransparentMode(), tmFixed);
  EXPECT_EQ(copy.TransparentColor(), clGreen);
  EXPECT_EQ(At(copy, 1, 0), clGreen);

  TPicture picture;
  picture.Bitmap()->Assign(&source);
  TBitmap fromPicture;
  fromPicture.Assign(&picture);
  EXPECT_EQ(At(fromPicture, 1, 0), clRed);

  TBitmap cleared;
  cleared.Assign(&source);
  cleared.Assign(nullptr);
  EXPECT_TRUE(cleared.Empty());

  TFont font;
  try {
    copy.Assign(&font);
    ADD_FAILURE() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "Cannot assign a TFont to a TBitmap");
  }
  EXPECT_EQ(At(copy, 1, 0), clGreen);
}

TEST(TBitmapTest, MonochromeKeepsWhiteAndBlackensTheRest) {
  TBitmap b;
  b.SetSize(3, 1);
  b.Canvas()->SetPixels(1, 0, RGB(200, 200, 200));
  b.Canvas()->SetPixels(2, 0, clBlack);
  b.SetMonochrome(true);
  EXPECT_TRUE(b.Monochrome());
  EXPECT_EQ(b.PixelFormat(), pf1bit);
  EXPECT_EQ(b.HandleType(), bmDDB);
  EXPECT_EQ(At(b, 0, 0), clWhite);
  EXPECT_EQ(At(b, 1, 0), clBlack);
  EXPECT_EQ(At(b, 2, 0), clBlack);
  // A new monochrome placeholder is white too.
  TBitmap placeholder;
  placeholder.SetMonochrome(true);
  placeholder.SetSize(4, 4);
  EXPECT_EQ(At(placeholder, 3, 3), clWhite);
}

TEST(TBitmapTest, DrawingOnTheCanvasReportsAChange) {
  TBitmap b;
  b.SetSize(2, 2);
  b.SetModified(false);
  int changes = 0;
  b.OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &b);
    ++changes;
  };
  b.Canvas()->FillRect(Rect(0, 0, 1, 1));
  EXPECT_GE(changes, 1);
  EXPECT_TRUE(b.Modified());
}

}  // namespace
