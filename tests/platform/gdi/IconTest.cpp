#include <gtest/gtest.h>

// Designated initialisers leave the fields they do not name at their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include <cstdio>
#include <string>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/IcoCodec.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TIcon.h"
#include "platform/gdi/TPicture.h"
#include "tests/platform/gdi/GdiTestCanvas.h"
#include "tests/platform/gdi/PictureFixtures.h"

// Icon files, icon handles and the drawing of icons.

namespace {

/// A 32-bit picture of Side x Side whose every pixel is Pixel(x, y) (0xAARRGGBB, straight alpha).
template <class F> TIconImage Picture(int Side, F&& Pixel) {
  auto pixels = std::make_shared<Surface>(Side, Side, SurfaceFormat::Bgra32);
  for (int y = 0; y < Side; ++y)
    for (int x = 0; x < Side; ++x) pixels->SetPixel(x, y, Pixel(x, y));
  return { std::move(pixels), 32 };
}

TIconImage Flat(int Side, uint32_t Pixel) {
  return Picture(Side, [&](int, int) { return Pixel; });
}

std::string Saved(TIcon& Icon) {
  TMemoryStream s;
  Icon.SaveToStream(&s);
  return fixtures::Bytes(s);
}

TIconImages Read(const std::string& Bytes) {
  TMemoryStream s;
  fixtures::Fill(s, Bytes);
  return IcoCodec::Read(s);
}

/// An icon file of one bitmap picture Width x 2 rows: Info (the colour part as a BMP's info header,
/// colour table and rows, bottom row first) followed by the AND mask rows Mask (bottom row first).
std::string IconFile(const std::string& Picture) {
  std::string s(6 + 16, '\0');
  fixtures::Put16(s, 2, 1);
  fixtures::Put16(s, 4, 1);
  s[6] = char(4);
  s[7] = char(2);
  fixtures::Put32(s, 6 + 8, uint32_t(Picture.size()));
  fixtures::Put32(s, 6 + 12, uint32_t(s.size()));
  return s + Picture;
}

// A 4 x 2 picture of BitCount 8 (colours from a two-entry table) or 24: the top row red, blue, red,
// blue, the bottom row all blue; its AND mask leaves out the top-left and bottom-right pixels.
std::string MaskedPicture(int BitCount) {
  fixtures::BmpSpec spec { .BitCount = BitCount, .Width = 4, .Height = 2 };
  if (BitCount == 8) {
    spec.Palette = { 0xFF0000, 0x0000FF };
    spec.Rows = { { 1, 1, 1, 1 }, { 0, 1, 0, 1 } };
  } else {
    const std::vector<uint8_t> blue { 255, 0, 0 }, red { 0, 0, 255 };
    std::vector<uint8_t> bottom, top;
    for (int x = 0; x < 4; ++x) {
      bottom.insert(bottom.end(), blue.begin(), blue.end());
      top.insert(top.end(), (x % 2 ? blue : red).begin(), (x % 2 ? blue : red).end());
    }
    spec.Rows = { bottom, top };
  }
  std::string info = fixtures::BmpBytes(spec).substr(14);
  fixtures::Put32(info, 8, 4);  // both halves
  info += std::string("\x10\0\0\0", 4);  // bottom row: the right-most pixel left out
  info += std::string("\x80\0\0\0", 4);  // top row: the left-most pixel left out
  return info;
}

}  // namespace

TEST(IconTest, EverySizeKeepsItsPixelsAndAlphaThroughAFile) {
  TIconImages images;
  for (int side : { 16, 32, 48, 256 })  // 256 is stored as PNG
    images.push_back(Picture(side, [&](int x, int y) {
      return uint32_t((x * 37 + y * 11 + side) % 256) << 24 | uint32_t(x * 5 % 256) << 16 | uint32_t(y * 5 % 256) << 8 |
             uint32_t(side % 256);
    }));
  TIcon icon;
  icon.SetHandle(CreateIconFromImages(images));
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Height(), 32);

  TIcon loaded;
  TMemoryStream s;
  fixtures::Fill(s, Saved(icon));
  loaded.LoadFromStream(&s);
  EXPECT_EQ(s.Position(), s.Size());
  const auto back = IconImagesOf(loaded.Handle());
  ASSERT_TRUE(back);
  ASSERT_EQ(back->size(), images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    SCOPED_TRACE(images[i].Width());
    ASSERT_EQ((*back)[i].Width(), images[i].Width());
    ASSERT_EQ((*back)[i].Height(), images[i].Height());
    EXPECT_TRUE((*back)[i].HasAlpha());
    int differing = 0;
    for (int y = 0; y < images[i].Height(); ++y)
      for (int x = 0; x < images[i].Width(); ++x) differing += (*back)[i].Pixels->Pixel(x, y) != images[i].Pixels->Pixel(x, y);
    EXPECT_EQ(differing, 0);
  }
}

TEST(IconTest, PicturesOfFewerBitsTakeTheirTransparencyFromTheAndMask) {
  for (int bitCount : { 8, 24 }) {
    SCOPED_TRACE(bitCount);
    const TIconImages images = Read(IconFile(MaskedPicture(bitCount)));
    ASSERT_EQ(images.size(), 1u);
    const TIconImage& image = images[0];
    EXPECT_EQ(image.BitCount, bitCount);
    EXPECT_FALSE(image.HasAlpha());
    ASSERT_EQ(image.Width(), 4);
    ASSERT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Pixels->Pixel(0, 0) >> 24, 0u);
    EXPECT_EQ(image.Pixels->Pixel(1, 0), 0xFF0000FFu);
    EXPECT_EQ(image.Pixels->Pixel(2, 0), 0xFFFF0000u);
    EXPECT_EQ(image.Pixels->Pixel(0, 1), 0xFF0000FFu);
    EXPECT_EQ(image.Pixels->Pixel(3, 1) >> 24, 0u);

    // Drawn through the mask: the left-out pixels keep what was there, and so does the alpha of a
    // 32-bit target (a form's icon alpha check finds none).
    TBitmap target;
    target.SetPixelFormat(pf32bit);
    target.SetSize(4, 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 4; ++x) static_cast<uint32_t*>(target.ScanLine(y))[x] = 0x0000FF00u;
    const HICON icon = CreateIconFromImages(images);
    ASSERT_TRUE(DrawIconEx(target.Canvas()->Handle(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    DestroyIcon(icon);
    EXPECT_EQ(static_cast<uint32_t*>(target.ScanLine(0))[0], 0x0000FF00u);
    EXPECT_EQ(static_cast<uint32_t*>(target.ScanLine(0))[1], 0x000000FFu);
    EXPECT_EQ(static_cast<uint32_t*>(target.ScanLine(0))[2], 0x00FF0000u);
    EXPECT_EQ(static_cast<uint32_t*>(target.ScanLine(1))[3], 0x0000FF00u);
  }
}

TEST(IconTest, DamagedFilesAreRefusedAndLeaveTheIconAsItWas) {
  TIcon good;
  good.SetHandle(CreateIconFromImages({ Flat(16, 0x80FF0000u) }));
  const std::string file = Saved(good);
  auto with = [&](size_t At, uint32_t Value, bool Wide = true) {
    std::string s = file;
    if (Wide) fixtures::Put32(s, At, Value);
    else fixtures::Put16(s, At, Value);
    return s;
  };
  struct Case {
    const char* Name;
    std::string Bytes;
  };
  std::vector<Case> cases {
    { "no pictures", with(4, 0, false) },
    { "a cursor file", with(2, 2, false) },
    { "picture beyond the end", with(6 + 12, uint32_t(file.size())) },
    { "picture of no bytes", with(6 + 8, 0) },
    { "picture inside the directory", with(6 + 12, 6) },
    { "odd height of both halves", with(22 + 8, 33) },
    { "picture 100000 wide", with(22 + 4, 100000) },
    { "picture of no columns", with(22 + 4, 0) },
    { "unknown bits per pixel", with(22 + 14, 7, false) },
    { "another format", fixtures::BmpBytes({ .BitCount = 24, .Width = 1, .Height = 1, .Rows = { { 0, 0, 0 } } }) },
  };
  for (size_t n = 6; n + 1 < file.size(); n += 7) cases.push_back({ "cut", file.substr(0, n) });
  {
    // Five entries sharing one 4096 x 4096 one-bit picture: each is allowed, together too large.
    fixtures::BmpSpec spec { .BitCount = 1, .Width = 4096, .Height = 4096, .Palette = { 0, 0xFFFFFF } };
    std::string info = fixtures::BmpBytes(spec).substr(14);
    info.resize(info.size() + size_t(4096 / 8) * 4096 * 2, '\0');
    fixtures::Put32(info, 8, 2 * 4096);
    const uint16_t count = 5;
    std::string s(6 + 16 * count, '\0');
    fixtures::Put16(s, 2, 1);
    fixtures::Put16(s, 4, count);
    for (uint16_t i = 0; i < count; ++i) {
      fixtures::Put32(s, 6 + 16 * i + 8, uint32_t(info.size()));
      fixtures::Put32(s, 6 + 16 * i + 12, uint32_t(6 + 16 * count));
    }
    cases.push_back({ "entries sharing a large picture", s + info });
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TIcon icon;
    TMemoryStream s;
    fixtures::Fill(s, file);
    icon.LoadFromStream(&s);
    const HICON before = icon.Handle();
    int changes = 0;
    icon.OnChange = [&](TObject*) { ++changes; };
    fixtures::Fill(s, c.Bytes);
    try {
      icon.LoadFromStream(&s);
      ADD_FAILURE() << "loaded";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message, IcoCodec::InvalidMessage);
    } catch (const EReadError&) {
      EXPECT_LT(c.Bytes.size(), 6u + 16u) << "only a file too short for its directory is a short read";
    }
    EXPECT_EQ(icon.Handle(), before);
    EXPECT_EQ(changes, 0);
  }
}

TEST(IconTest, DrawingBlendsByAlphaAndPicksTheSizeNearestTheRectangle) {
  // Half-transparent red over blue: source over, premultiplied.
  const HICON icon = CreateIconFromImages({ Flat(16, 0x80FF0000u), Flat(32, 0xFF00FF00u) });
  GdiTestCanvas canvas(48, 48, clBlue);
  ASSERT_TRUE(DrawIconEx(canvas.DC, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL));
  const TColor blended = canvas.At(5, 5);
  EXPECT_NEAR(GetRValue(blended), 128, 1);
  EXPECT_EQ(GetGValue(blended), 0);
  EXPECT_NEAR(GetBValue(blended), 127, 1);
  EXPECT_EQ(canvas.At(16, 16), clBlue);

  // The icon's own size is 32 (its picture nearest the standard size), drawn from the 32 picture.
  canvas.Fill(clBlue);
  ASSERT_TRUE(DrawIconEx(canvas.DC, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(canvas.At(31, 31), clLime);
  EXPECT_EQ(canvas.At(32, 32), clBlue);
  // A size between: the smallest larger picture, scaled down.
  canvas.Fill(clBlue);
  ASSERT_TRUE(DrawIconEx(canvas.DC, 0, 0, icon, 20, 20, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(canvas.At(19, 19), clLime);
  EXPECT_EQ(canvas.At(20, 20), clBlue);

  // Into a 32-bit bitmap of alpha 0, the icon's alpha arrives (a form's icon alpha check finds it).
  TBitmap target;
  target.SetPixelFormat(pf32bit);
  target.SetSize(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) static_cast<uint32_t*>(target.ScanLine(y))[x] = 0;
  ASSERT_TRUE(DrawIconEx(target.Canvas()->Handle(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(static_cast<uint32_t*>(target.ScanLine(3))[3] >> 24, 0x80u);

  DestroyIcon(icon);
  EXPECT_FALSE(DrawIconEx(canvas.DC, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL));
}

TEST(IconTest, CopyImageMakesAnIconOfTheAskedSize) {
  const HICON icon = CreateIconFromImages({ Picture(32, [](int x, int) { return x < 16 ? 0xFFFF0000u : 0x00000000u; }) });
  const HICON small = CopyImage(icon, IMAGE_ICON, SmallIconSize, SmallIconSize, 0);
  ASSERT_NE(small, 0u);
  ASSERT_NE(small, icon);
  const auto images = IconImagesOf(small);
  ASSERT_TRUE(images);
  ASSERT_EQ(images->size(), 1u);
  const TIconImage& image = (*images)[0];
  ASSERT_EQ(image.Width(), 16);
  EXPECT_EQ(image.Pixels->Pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(image.Pixels->Pixel(15, 0) >> 24, 0u);
  // Averaging by alpha: the transparent half lends no colour to the pixel that straddles the edge.
  const HICON odd = CopyImage(icon, IMAGE_ICON, 3, 3, 0);
  EXPECT_EQ((*IconImagesOf(odd))[0].Pixels->Pixel(1, 1), 0x80FF0000u);

  EXPECT_EQ(CopyImage(icon, IMAGE_BITMAP, 16, 16, 0), 0u);
  EXPECT_TRUE(DestroyIcon(small));
  EXPECT_FALSE(DestroyIcon(small));
  DestroyIcon(odd);
  DestroyIcon(icon);
  EXPECT_EQ(CopyImage(icon, IMAGE_ICON, 16, 16, 0), 0u);
}

TEST(IconTest, APictureLoadsIconFilesAndHoldsAnIcon) {
  TIcon icon;
  icon.SetHandle(CreateIconFromImages({ Flat(16, 0xFF112233u) }));
  const String path = ::testing::TempDir() + "picture-test.ico";
  icon.SaveToFile(path);
  TPicture picture;
  picture.LoadFromFile(path);
  auto* loaded = dynamic_cast<TIcon*>(picture.Graphic());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Width(), 16);
  EXPECT_EQ(picture.Icon(), loaded);

  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.Icon()->SetHandle(LoadIcon(0, IDI_WARNING));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(picture.Width(), 32);
  std::remove(path.c_str());
}
