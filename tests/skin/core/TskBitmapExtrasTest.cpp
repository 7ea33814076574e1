// Colour adjustments, reflections, the stored forms and links of the working bitmap.
#include <gtest/gtest.h>

#include "platform/base/Exception.h"
#include "platform/base/TMemoryStream.h"
#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/TskBitmapLink.h"
#include "skin/core/skBitmapStorage.h"

namespace {

void OnePixel(TskBitmap& B, TskColor P) {
  B.SetSize(1, 1);
  *B.PixelPtr(0, 0) = P;
}

// A PCX file in a stream at position 0: the header of a Width x Height picture of Version and Encoding
// with BytesPerLine bytes a row in one plane, then Data, then, with Palette, the byte 12 and 256 colours,
// colour I being red I, green 255 - I, blue I / 2.
struct PcxFile {
  int Version { 5 };
  int Encoding { 1 };
  int Width { 0 };
  int Height { 0 };
  int BytesPerLine { 0 };
  std::vector<Byte> Data;
  bool Palette { true };

  void WriteTo(TMemoryStream& S) const {
    std::vector<Byte> Header(128, 0);
    Header[0] = 10;
    Header[1] = Byte(Version);
    Header[2] = Byte(Encoding);
    Header[3] = 8;
    Header[4] = Header[6] = 2;  // XMin, YMin
    Header[8] = Byte(Width + 1);
    Header[10] = Byte(Height + 1);
    Header[65] = 1;
    Header[66] = Byte(BytesPerLine);
    S.WriteBuffer(Header.data(), Int64(Header.size()));
    S.WriteBuffer(Data.data(), Int64(Data.size()));
    if (Palette) {
      S.WriteByte(12);
      for (int I = 0; I < 256; ++I)
        for (Byte Channel : { Byte(I), Byte(255 - I), Byte(I / 2) }) S.WriteByte(Channel);
    }
    S.SetPosition(0);
  }
};

TskColor PaletteColour(int I) { return 0xFF000000u | TskColor(I) << 16 | TskColor(255 - I) << 8 | TskColor(I / 2); }

}  // namespace

TEST(TskBitmapExtrasTest, BrightnessClampsAndSkipsInvisiblePixels) {
  TskBitmap B;
  B.SetSize(2, 1);
  *B.PixelPtr(0, 0) = 0xFFFA6400;  // red 250, green 100, blue 0
  *B.PixelPtr(1, 0) = 0x00FA6400;
  B.ChangeBitmapBrightness(40);
  EXPECT_EQ(*B.PixelPtr(0, 0), 0xFFFF8C28u);
  EXPECT_EQ(*B.PixelPtr(1, 0), 0x00FA6400u);
}

TEST(TskBitmapExtrasTest, HueShiftsWrapRoundAndHueIsLimited) {
  struct Case {
    TskColor Before;
    int Delta;
    TskColor After;
  };
  const Case Cases[] {
    { 0xFFFF0000, 10, 0xFFFF3C00 },  // hue 0 -> 10/255: green rises to 60
    { 0xFFFF001E, 10, 0xFFFF1E00 },  // hue 250 -> 260 - 255 = 5
    { 0x80FF0000, 0, 0x80FF0000 },
  };
  for (const Case& C : Cases) {
    TskBitmap B;
    OnePixel(B, C.Before);
    B.ChangeBitmapHue(C.Delta);
    EXPECT_EQ(*B.PixelPtr(0, 0), C.After) << std::hex << C.Before;
  }
  TskBitmap Limited, Top;
  OnePixel(Limited, 0xFF20C040);
  OnePixel(Top, 0xFF20C040);
  Limited.SetBitmapHue(300);
  Top.SetBitmapHue(255);
  EXPECT_EQ(*Limited.PixelPtr(0, 0), *Top.PixelPtr(0, 0));
  EXPECT_NE(*Top.PixelPtr(0, 0), 0xFF20C040u);
}

TEST(TskBitmapExtrasTest, SaturationShiftTintsAGreyWithItsHue) {
  TskBitmap B;
  OnePixel(B, 0xFF808080);
  B.ChangeBitmapSat(40);
  EXPECT_EQ(*B.PixelPtr(0, 0) & 0xFF, *B.PixelPtr(0, 0) >> 8 & 0xFF) << "a grey has hue 0, so more saturation makes it reddish";
  EXPECT_GT(*B.PixelPtr(0, 0) >> 16 & 0xFF, 0x80u);
}

TEST(TskBitmapExtrasTest, ReflectionsFlipAndFadeToTheMiddle) {
  TskBitmap B;
  B.SetSize(1, 4);
  for (int Y = 0; Y < 4; ++Y) *B.PixelPtr(0, Y) = 0xFF000000u | TskColor(Y);
  B.Reflection3();
  const TskColor Want[] { 0x7F000003, 0x40000002, 0x00000001, 0x00000000 };
  for (int Y = 0; Y < 4; ++Y) EXPECT_EQ(*B.PixelPtr(0, Y), Want[Y]) << Y;
}

TEST(TskBitmapExtrasTest, StoredFormRoundTripsAndReadsBottomUpRows) {
  TskBitmap B;
  B.SetSize(2, 2);
  B.SetName("Häkchen 𝄞");
  for (int I = 0; I < 4; ++I) B.Bits()[I] = 0x01020300u + TskColor(I);
  TMemoryStream S;
  B.SaveToStream(&S);
  S.SetPosition(0);
  TskBitmap Back;
  Back.LoadFromStream(&S);
  EXPECT_EQ(Back.Name(), "Häkchen 𝄞");
  ASSERT_EQ(Back.Width(), 2);
  for (int I = 0; I < 4; ++I) EXPECT_EQ(Back.Bits()[I], B.Bits()[I]);

  TMemoryStream Flipped;
  WriteStringToStream(&Flipped, "");
  Flipped.WriteInt32(1);
  Flipped.WriteInt32(-2);
  for (int32_t P : { 7, 9 }) Flipped.WriteInt32(P);
  Flipped.SetPosition(0);
  Back.LoadFromStream(&Flipped);
  EXPECT_EQ(*Back.PixelPtr(0, 0), 9u);
  EXPECT_EQ(*Back.PixelPtr(0, 1), 7u);
}

TEST(TskBitmapExtrasTest, DamagedStoredFormsRaiseBeforeAllocating) {
  const int32_t Headers[][3] { { -1, 1, 1 }, { 0x7FFFFFFF, 0, 0 }, { 0, 30000, 30000 } };
  for (const auto& H : Headers) {
    TMemoryStream S;
    for (int32_t V : H) S.WriteInt32(V);
    S.SetPosition(0);
    TskBitmap B;
    EXPECT_THROW(B.LoadFromStream(&S), EReadError) << H[0] << " " << H[1];
    EXPECT_TRUE(B.Empty());
  }
}

TEST(TskBitmapExtrasTest, RectFromTextTakesFourSeparatedIntegers) {
  struct Case {
    const char* Text;
    TRect Want;
  };
  const Case Cases[] {
    { "1, 2, 3, 4", { 1, 2, 3, 4 } },
    { " 10;20=30:40 ", { 10, 20, 30, 40 } },
    { "1;2;x;4", {} },
    { "1,2,3", {} },
  };
  for (const Case& C : Cases) EXPECT_EQ(RectFromText(C.Text), C.Want) << C.Text;
}

TEST(TskBitmapExtrasTest, LinksNameARectangleAndClassifyItsSeeThroughPixels) {
  TskBitmap B;
  B.SetSize(6, 6);
  B.Clear(0xFF000000);
  B.SetName("sheet");
  auto Link = B.GetBitmapLink(String("1, 1, 5, 5"));
  EXPECT_EQ(Link->Name(), "sheet");
  EXPECT_EQ(Link->Rect(), (TRect { 1, 1, 5, 5 }));
  EXPECT_TRUE(Link->Assigned());

  Link->CheckingMasked();
  EXPECT_FALSE(Link->Masked());
  *B.PixelPtr(1, 1) = TransparentKeyColor;  // a corner of the link
  *B.PixelPtr(2, 4) = 0x33333333;           // the ignored value on the bottom edge
  Link->CheckingMasked(TRect { 1, 1, 1, 1 });
  EXPECT_TRUE(Link->MaskedAngles());
  EXPECT_FALSE(Link->MaskedBorder());
  EXPECT_FALSE(Link->Masked());
  Link->SetRect(TRect { 4, 4, 7, 7 });  // reaches beyond the image, which counts as see-through
  Link->CheckingMasked();
  EXPECT_TRUE(Link->Masked());

  TMemoryStream S;
  Link->SaveToStream(&S);
  S.SetPosition(0);
  TskBitmapLink Back;
  Back.LoadFromStream(&S);
  EXPECT_EQ(Back.Name(), "sheet");
  EXPECT_EQ(Back.Rect(), (TRect { 4, 4, 7, 7 }));
  EXPECT_FALSE(Back.Assigned()) << "the image is not stored";
}

TEST(TskBitmapExtrasTest, PcxRunsAndLiteralsBecomeOpaquePaletteColoursOfTheRowsFirstBytes) {
  // Rows of 4 bytes for a 3-pixel width: a run of three 7s and a literal 1; the literal 5, a run of one
  // 200 (a byte that needs the run form), a run of two 9s of which the second is padding.
  TMemoryStream S;
  PcxFile { .Width = 3, .Height = 2, .BytesPerLine = 4, .Data = { 0xC3, 7, 1, 5, 0xC1, 200, 0xC2, 9 } }.WriteTo(S);
  TskBitmap B;
  B.LoadFromPcxStream(&S);
  ASSERT_EQ(B.Width(), 3);
  ASSERT_EQ(B.Height(), 2);
  const int Want[2][3] { { 7, 7, 7 }, { 5, 200, 9 } };
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 3; ++X) EXPECT_EQ(*B.PixelPtr(X, Y), PaletteColour(Want[Y][X])) << X << "," << Y;
}

TEST(TskBitmapExtrasTest, PcxOfVersionThreeTakesTheSystemColoursAndUncodedDataAsItStands) {
  TMemoryStream S;
  PcxFile { .Version = 3, .Encoding = 0, .Width = 4, .Height = 1, .BytesPerLine = 4, .Data = { 0, 7, 8, 9 },
            .Palette = false }
      .WriteTo(S);
  TskBitmap B;
  B.LoadFromPcxStream(&S);
  ASSERT_EQ(B.Width(), 4);
  const TskColor Want[] { 0xFF000000, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000 };
  for (int X = 0; X < 4; ++X) EXPECT_EQ(*B.PixelPtr(X, 0), Want[X]) << X;
}

TEST(TskBitmapExtrasTest, AStreamThatIsNoPcxLeavesTheBitmapAsItWas) {
  struct Case {
    const char* What;
    PcxFile File;
    Byte First;
  };
  const Case Cases[] {
    { "first byte 0", { .Width = 1, .Height = 1, .BytesPerLine = 1, .Data = { 1 } }, 0 },
    { "rows shorter than the width", { .Width = 4, .Height = 1, .BytesPerLine = 2, .Data = { 1, 2 } }, 10 },
    { "a size the data cannot fill", { .Width = 200, .Height = 200, .BytesPerLine = 200, .Data = { 0xFF, 1 } }, 10 },
    { "no room for the palette", { .Width = 1, .Height = 1, .BytesPerLine = 1, .Data = { 1 }, .Palette = false }, 10 },
  };
  for (const Case& C : Cases) {
    TMemoryStream S;
    C.File.WriteTo(S);
    S.WriteByte(C.First);
    S.SetPosition(0);
    TskBitmap B;
    OnePixel(B, 0x12345678);
    B.LoadFromPcxStream(&S);
    EXPECT_EQ(B.Width(), 1) << C.What;
    EXPECT_EQ(*B.PixelPtr(0, 0), 0x12345678u) << C.What;
  }
  TMemoryStream Short;
  Short.WriteByte(10);
  Short.SetPosition(0);
  TskBitmap B;
  B.LoadFromPcxStream(&Short);
  EXPECT_TRUE(B.Empty()) << "a header cut short";
}

TEST(TskBitmapExtrasTest, LoadFromResourceTakesTheProgramsPictureByNameAndRefusesAnUnknownName) {
  TBitmap Picture;
  LoadFromResourceName(Picture, "BS_CLOSEDFOLDER");
  TskBitmap B;
  B.LoadFromResource("BS_CLOSEDFOLDER");
  ASSERT_EQ(B.Width(), Picture.Width());
  ASSERT_EQ(B.Height(), Picture.Height());
  for (int Y = 0; Y < B.Height(); ++Y)
    for (int X = 0; X < B.Width(); ++X)
      ASSERT_EQ(*B.PixelPtr(X, Y), ColorToBsColor(Picture.Canvas()->Pixels(X, Y)))
          << X << "," << Y;

  EXPECT_THROW(B.LoadFromResource("NO_SUCH_PICTURE"), EResNotFound);
  EXPECT_EQ(B.Width(), Picture.Width()) << "unchanged";
}
