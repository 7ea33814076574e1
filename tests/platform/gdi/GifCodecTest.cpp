#include <gtest/gtest.h>
#include <gif_lib.h>

#include <cstdlib>
#include <cstring>

#include "platform/base/Exception.h"
#include "platform/gdi/GifCodec.h"
#include "tests/platform/gdi/PictureFixtures.h"

namespace {

struct MemoryReader {
  const std::string* Bytes;
  size_t At { 0 };
};

int ReadMemory(GifFileType* Gif, GifByteType* Buffer, int Length) {
  auto* r = static_cast<MemoryReader*>(Gif->UserData);
  const int n = int(std::min(size_t(Length), r->Bytes->size() - r->At));
  std::memcpy(Buffer, r->Bytes->data() + r->At, size_t(n));
  r->At += size_t(n);
  return n;
}

int AppendMemory(GifFileType* Gif, const GifByteType* Buffer, int Length) {
  static_cast<std::string*>(Gif->UserData)->append(reinterpret_cast<const char*>(Buffer), size_t(Length));
  return Length;
}

struct Frame {
  int Left, Top, Width, Height;
  bool Interlaced;
  std::vector<GifPixelType> Indexes;  // in display order
};

// A GIF with a global colour table and the given frames, written by giflib itself.
std::string GifBytes(int Width, int Height, std::vector<GifColorType> Colors, int Background, const std::vector<Frame>& Frames) {
  std::string out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendMemory, &error);
  ColorMapObject* map = GifMakeMapObject(int(Colors.size()), Colors.data());
  EGifPutScreenDesc(gif, Width, Height, 8, Background, map);
  for (const Frame& f : Frames) {
    EGifPutImageDesc(gif, f.Left, f.Top, f.Width, f.Height, f.Interlaced, nullptr);
    std::vector<int> order;
    const int start[4] = { 0, 4, 2, 1 }, step[4] = { 8, 8, 4, 2 };
    for (int pass = 0; pass < (f.Interlaced ? 4 : 1); ++pass)
      for (int y = f.Interlaced ? start[pass] : 0; y < f.Height; y += f.Interlaced ? step[pass] : 1) order.push_back(y);
    for (int y : order) EGifPutLine(gif, const_cast<GifPixelType*>(&f.Indexes[size_t(y * f.Width)]), f.Width);
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return out;
}

std::unique_ptr<Surface> ReadGif(const std::string& Bytes) {
  TMemoryStream s;
  fixtures::Fill(s, Bytes);
  return GifCodec::Read(s);
}

std::string WriteGif(const Surface& S) {
  TMemoryStream s;
  GifCodec::Write(s, S);
  return fixtures::Bytes(s);
}

TEST(GifCodecTest, WritesAtMost256ColoursThatGiflibReadsBack) {
  Surface source(40, 30, SurfaceFormat::Bgra32);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) source.SetPixel(x, y, uint32_t((x * 6) << 16 | (y * 8) << 8 | (x * y % 256)));
  const std::string bytes = WriteGif(source);

  MemoryReader reader { &bytes };
  int error = 0;
  GifFileType* gif = DGifOpen(&reader, ReadMemory, &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  EXPECT_EQ(gif->SWidth, 40);
  EXPECT_EQ(gif->SHeight, 30);
  ASSERT_EQ(gif->ImageCount, 1);
  const ColorMapObject* map = gif->SavedImages[0].ImageDesc.ColorMap ? gif->SavedImages[0].ImageDesc.ColorMap : gif->SColorMap;
  ASSERT_NE(map, nullptr);
  EXPECT_LE(map->ColorCount, 256);
  // Dithering trades exact pixels for right averages: compare 5 x 5 blocks.
  for (int by = 0; by < 30; by += 5)
    for (int bx = 0; bx < 40; bx += 5)
      for (int channel = 0; channel < 3; ++channel) {
        double original = 0, written = 0;
        for (int y = by; y < by + 5; ++y)
          for (int x = bx; x < bx + 5; ++x) {
            const GifColorType c = map->Colors[gif->SavedImages[0].RasterBits[y * 40 + x]];
            written += channel == 0 ? c.Red : channel == 1 ? c.Green : c.Blue;
            original += (source.Pixel(x, y) >> (16 - 8 * channel)) & 0xFF;
          }
        EXPECT_NEAR(written / 25, original / 25, 8.0) << bx << "," << by << " channel " << channel;
      }
  DGifCloseFile(gif, &error);
}

TEST(GifCodecTest, PicturesWithFewColoursRoundTripExactly) {
  Surface source(5, 3, SurfaceFormat::Bgr24);
  const uint32_t colours[] = { 0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF };
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) source.SetPixel(x, y, colours[(x + y) % 5]);
  auto back = ReadGif(WriteGif(source));
  ASSERT_EQ(back->Width(), 5);
  ASSERT_EQ(back->Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(back->Pixel(x, y), source.Pixel(x, y));
}

TEST(GifCodecTest, ReadsTheFirstFrameOverTheBackground) {
  const std::vector<GifColorType> colours = { { 255, 0, 0 }, { 0, 255, 0 }, { 0, 0, 255 }, { 255, 255, 255 } };
  const std::string bytes = GifBytes(4, 3, colours, 3,
                                     { { 1, 1, 2, 2, false, { 0, 1, 2, 0 } }, { 0, 0, 4, 3, false, std::vector<GifPixelType>(12, 1) } });
  auto p = ReadGif(bytes);
  ASSERT_EQ(p->Width(), 4);
  ASSERT_EQ(p->Height(), 3);
  const uint32_t R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF, W = 0xFFFFFFFF;
  const uint32_t expected[3][4] = { { W, W, W, W }, { W, R, G, W }, { W, B, R, W } };
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(p->Pixel(x, y), expected[y][x]) << x << "," << y;

  // Interlaced rows come back in display order.
  std::vector<GifPixelType> rows;
  for (int y = 0; y < 9; ++y) rows.push_back(GifPixelType(y % 4));
  auto interlaced = ReadGif(GifBytes(1, 9, colours, 0, { { 0, 0, 1, 9, true, rows } }));
  for (int y = 0; y < 9; ++y) EXPECT_EQ(interlaced->Pixel(0, y) & 0xFFFFFF, [&] {
    const GifColorType c = colours[size_t(y % 4)];
    return uint32_t(c.Red << 16 | c.Green << 8 | c.Blue);
  }()) << y;
}

TEST(GifCodecTest, RejectsDamagedData) {
  Surface source(16, 16, SurfaceFormat::Bgr24);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) source.SetPixel(x, y, uint32_t(x * 0x100F01 + y * 0x0F0100));
  const std::string gif = WriteGif(source);
  for (const std::string& bytes : { gif.substr(0, gif.size() / 2), gif.substr(0, 10), std::string("GIF89a"),
                                    std::string("not a picture") })
    EXPECT_THROW(ReadGif(bytes), EInvalidGraphic);
}

}  // namespace
