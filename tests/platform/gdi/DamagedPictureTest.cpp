#include <gtest/gtest.h>
#include <zlib.h>

// Designated initialisers leave the fields they do not name at their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TGIFImage.h"
#include "platform/gdi/TJPEGImage.h"
#include "platform/gdi/TPngImage.h"
#include "tests/platform/gdi/PictureFixtures.h"

// Damaged picture files of every format, loaded through the picture classes: each is refused with its
// loader's own error and leaves the picture that was loaded before as it was.

namespace {

struct Format {
  const char* Name;
  std::function<std::unique_ptr<TGraphic>()> New;
  std::string Good;  // a small picture written by the format's own encoder
};

std::string Saved(TGraphic& G) {
  TMemoryStream s;
  G.SaveToStream(&s);
  return fixtures::Bytes(s);
}

template <class G> std::string Encoded(TBitmap& Picture) {
  G graphic;
  graphic.Assign(&Picture);
  return Saved(graphic);
}

std::vector<Format> Formats() {
  TBitmap picture;
  picture.SetPixelFormat(pf32bit);
  picture.SetSize(7, 5);
  for (int y = 0; y < 5; ++y) {
    auto* row = static_cast<uint8_t*>(picture.ScanLine(y));
    for (int x = 0; x < 7 * 4; ++x) row[x] = uint8_t(x * 9 + y * 40);
  }
  TPngImage png;
  png.Assign(&picture);
  png.CreateAlpha();
  png.AlphaScanline(2)[3] = 90;
  const std::string bmp32 = Saved(picture);
  picture.SetPixelFormat(pf24bit);
  return {
    { "BMP 32-bit", [] { return std::make_unique<TBitmap>(); }, bmp32 },
    { "BMP 24-bit", [] { return std::make_unique<TBitmap>(); }, Saved(picture) },
    { "PNG with alpha", [] { return std::make_unique<TPngImage>(); }, Saved(png) },
    { "JPEG", [] { return std::make_unique<TJPEGImage>(); }, Encoded<TJPEGImage>(picture) },
    { "GIF", [] { return std::make_unique<TGIFImage>(); }, Encoded<TGIFImage>(picture) },
  };
}

std::unique_ptr<TGraphic> Loaded(const Format& F, const std::string& Bytes) {
  std::unique_ptr<TGraphic> g = F.New();
  TMemoryStream s;
  fixtures::Fill(s, Bytes);
  g->LoadFromStream(&s);
  return g;
}

// Loads Bytes into a graphic holding F's good picture: the load must raise E, and the picture must stay
// as it was, without a change reported. Returns the message.
template <class E = EInvalidGraphic> String Refused(const Format& F, const std::string& Bytes) {
  std::unique_ptr<TGraphic> g = Loaded(F, F.Good);
  const std::string before = Saved(*g);
  int changes = 0;
  g->OnChange = [&](TObject*) { ++changes; };
  TMemoryStream s;
  fixtures::Fill(s, Bytes);
  String message;
  try {
    g->LoadFromStream(&s);
    ADD_FAILURE() << "loaded";
  } catch (const E& e) {
    message = e.Message;
  }
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(Saved(*g) == before) << "the picture changed";
  return message;
}

TEST(DamagedPictureTest, CutFilesAndOtherFormatsAreRefused) {
  const std::vector<Format> formats = Formats();
  for (const Format& f : formats) {
    SCOPED_TRACE(f.Name);
    const bool bmp = f.Good.substr(0, 2) == "BM";
    // Every length short of the end (a GIF without its final trailer byte still holds the whole picture).
    for (size_t n = 0; n + 1 < f.Good.size(); ++n) {
      SCOPED_TRACE(n);
      if (bmp && n < 14)
        Refused<EReadError>(f, f.Good.substr(0, n));  // too short for a file header: a short read
      else
        Refused(f, f.Good.substr(0, n));
    }
    for (const Format& other : formats)
      if (other.Good.substr(0, 2) != f.Good.substr(0, 2)) Refused(f, other.Good);
  }
}

// The segments of a JPEG file after its start marker, each scan header with the coded data after it.
std::vector<std::string> JpegSegments(const std::string& Jpeg) {
  std::vector<std::string> segments;
  for (size_t at = 2; at + 4 <= Jpeg.size() && uint8_t(Jpeg[at + 1]) != 0xD9;) {
    size_t end = at + 2 + ((uint8_t(Jpeg[at + 2]) << 8) | uint8_t(Jpeg[at + 3]));
    auto isMarker = [&](size_t i) {
      const uint8_t next = uint8_t(Jpeg[i + 1]);
      return uint8_t(Jpeg[i]) == 0xFF && next != 0 && (next < 0xD0 || next > 0xD7);
    };
    if (uint8_t(Jpeg[at + 1]) == 0xDA)
      while (end + 1 < Jpeg.size() && !isMarker(end)) ++end;
    segments.push_back(Jpeg.substr(at, end - at));
    at = end;
  }
  return segments;
}

size_t SofAt(const std::string& Jpeg) {
  size_t at = 2;
  for (const std::string& s : JpegSegments(Jpeg)) {
    if (uint8_t(s[1]) >= 0xC0 && uint8_t(s[1]) <= 0xC2) return at;
    at += s.size();
  }
  return std::string::npos;
}

void PutBE16(std::string& S, size_t At, uint32_t V) {
  S[At] = char(V >> 8);
  S[At + 1] = char(V);
}

void PutLE16(std::string& S, size_t At, uint32_t V) {
  S[At] = char(V);
  S[At + 1] = char(V >> 8);
}

std::string JpegSized(std::string Jpeg, uint32_t Width, uint32_t Height) {
  const size_t sof = SofAt(Jpeg);
  PutBE16(Jpeg, sof + 5, Height);
  PutBE16(Jpeg, sof + 7, Width);
  return Jpeg;
}

std::string PngSized(std::string Png, uint32_t Width, uint32_t Height) {
  for (int i = 0; i < 4; ++i) {
    Png[16 + i] = char(Width >> (24 - 8 * i));
    Png[20 + i] = char(Height >> (24 - 8 * i));
  }
  const uint32_t crc = uint32_t(crc32(0, reinterpret_cast<const Bytef*>(Png.data() + 12), 17));
  for (int i = 0; i < 4; ++i) Png[29 + i] = char(crc >> (24 - 8 * i));
  return Png;
}

// A GIF with the given screen size and first picture size (the writer puts the picture descriptor right
// after the global colour table).
std::string GifSized(std::string Gif, uint32_t ScreenWidth, uint32_t ScreenHeight, uint32_t Width, uint32_t Height) {
  const size_t descriptor = 13 + (3u << ((uint8_t(Gif[10]) & 7) + 1));
  PutLE16(Gif, 6, ScreenWidth);
  PutLE16(Gif, 8, ScreenHeight);
  PutLE16(Gif, descriptor + 5, Width);
  PutLE16(Gif, descriptor + 7, Height);
  return Gif;
}

TEST(DamagedPictureTest, HeadersThatLieAboutTheSizeAreRefused) {
  const std::vector<Format> formats = Formats();
  const Format &png = formats[2], &jpeg = formats[3], &gif = formats[4];
  struct Case {
    const char* Name;
    const Format& Of;
    std::string Bytes;
    const char* Message;
  };
  const Case cases[] = {
    // Beyond the limits, refused before any pixel memory is taken.
    { "PNG of 8193 x 8193", png, PngSized(png.Good, 8193, 8193), "Invalid PNG image: picture too large" },
    { "JPEG of 8193 x 8193", jpeg, JpegSized(jpeg.Good, 8193, 8193), "Invalid JPEG image: picture too large" },
    { "JPEG 32768 wide", jpeg, JpegSized(jpeg.Good, 32768, 1), "Invalid JPEG image: picture too large" },
    { "GIF screen of 8193 x 8193", gif, GifSized(gif.Good, 8193, 8193, 7, 5), "Invalid GIF image: picture too large" },
    { "GIF picture 32768 wide", gif, GifSized(gif.Good, 7, 5, 32768, 5), "Invalid GIF image: picture too large" },
    // Coded data that ends before the picture does, though the end marker is there.
    { "JPEG taller than its data", jpeg, JpegSized(jpeg.Good, 7, 64),
      "Invalid JPEG image: Corrupt JPEG data: premature end of data segment" },
    // Nothing to show.
    { "GIF of no rows", gif, GifSized(gif.Good, 0, 0, 7, 0), "Invalid GIF image: empty picture" },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(Refused(c.Of, c.Bytes), c.Message);
  }
}

TEST(DamagedPictureTest, BmpWithoutColumnsOrRowsLoadsAsAnEmptyBitmap) {
  // Empty bitmaps are stored as 0 x 0 files; a file with one side 0 holds no pixels either.
  const std::pair<int, int> sizes[] = { { 0, 0 }, { 0, 3 }, { 3, 0 }, { 0, -3 } };
  for (const auto& [width, height] : sizes) {
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
    TBitmap b;
    TMemoryStream s;
    fixtures::Fill(s, fixtures::BmpBytes({ .BitCount = 24, .Width = width, .Height = height }));
    b.LoadFromStream(&s);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Width(), width);
    EXPECT_EQ(b.Height(), std::abs(height));
  }
}

// A flat grey progressive JPEG written by libjpeg: its scans past the first hold little more than
// end-of-block runs, so any of them can be repeated.
std::string ProgressiveJpeg() { return fixtures::GreyJpeg(16, 16, true, [](int) { return 128; }); }

// Jpeg with its last scan (and the tables written just before it) repeated until it has Scans scans.
std::string WithScans(const std::string& Jpeg, int Scans) {
  const std::vector<std::string> segments = JpegSegments(Jpeg);
  std::vector<size_t> scans;
  for (size_t i = 0; i < segments.size(); ++i)
    if (uint8_t(segments[i][1]) == 0xDA) scans.push_back(i);
  std::string out = "\xFF\xD8", last;
  for (size_t i = 0; i < segments.size(); ++i) {
    out += segments[i];
    if (i > scans[scans.size() - 2]) last += segments[i];
  }
  for (int n = int(scans.size()); n < Scans; ++n) out += last;
  return out + "\xFF\xD9";
}

TEST(DamagedPictureTest, ProgressiveJpegWithEndlessScansIsRefused) {
  const Format jpeg { "progressive JPEG", [] { return std::make_unique<TJPEGImage>(); }, ProgressiveJpeg() };
  EXPECT_EQ(Loaded(jpeg, WithScans(jpeg.Good, 100))->Width(), 16);
  EXPECT_EQ(Refused(jpeg, WithScans(jpeg.Good, 101)), "Invalid JPEG image: too many scans");
}

}  // namespace
