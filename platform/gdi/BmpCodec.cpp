#include "platform/gdi/BmpCodec.h"

#include <bit>
#include <climits>
#include <cstring>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/gdi/PictureLimits.h"

namespace {

constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t CompressionRgb = 0;
constexpr uint32_t CompressionBitfields = 3;

[[noreturn]] void Invalid() { throw EInvalidGraphic(BmpCodec::InvalidMessage); }

uint16_t Get16(const uint8_t* P) { return uint16_t(P[0] | (P[1] << 8)); }
uint32_t Get32(const uint8_t* P) { return uint32_t(P[0]) | (uint32_t(P[1]) << 8) | (uint32_t(P[2]) << 16) | (uint32_t(P[3]) << 24); }
void Put16(uint8_t* P, uint16_t V) { P[0] = uint8_t(V); P[1] = uint8_t(V >> 8); }
void Put32(uint8_t* P, uint32_t V) { for (int i = 0; i < 4; ++i) P[i] = uint8_t(V >> (8 * i)); }

int64_t RowStride(int64_t Width, int BitCount) { return (Width * BitCount + 31) / 32 * 4; }

/// One channel of a 32-bit pixel described by a mask, widened or narrowed to 8 bits.
struct Channel {
  uint32_t Mask { 0 };
  int Shift { 0 };
  uint32_t Max { 0 };

  explicit Channel(uint32_t AMask) : Mask(AMask) {
    if (Mask) {
      Shift = std::countr_zero(Mask);
      Max = Mask >> Shift;
    }
  }
  uint8_t Get(uint32_t Value, uint8_t Absent) const {
    if (!Max) return Absent;
    return uint8_t(uint64_t((Value & Mask) >> Shift) * 255 / Max);
  }
};

/// The parsed headers of one file held in memory (Data starts with the file header).
struct Layout {
  const uint8_t* Data { nullptr };
  uint32_t FileSize { 0 };
  int Width { 0 };
  int Height { 0 };
  bool BottomUp { true };
  int BitCount { 0 };
  uint32_t PixelOffset { 0 };
  int64_t Stride { 0 };
  std::vector<uint32_t> Palette;  // 0x00RRGGBB entries
  uint32_t Masks[4] { 0x00FF0000, 0x0000FF00, 0x000000FF, 0 };
  bool HasMasks { false };
};

// Validates the headers against each other and against the file's length; every offset and size it
// accepts lies inside the bytes read.
Layout Parse(const uint8_t* Data, uint32_t FileSize) {
  Layout l;
  l.Data = Data;
  l.FileSize = FileSize;
  l.PixelOffset = Get32(Data + 10);
  if (l.PixelOffset > FileSize) Invalid();
  const uint8_t* info = Data + FileHeaderSize;
  const uint32_t infoSize = Get32(info);
  if (infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124) Invalid();
  if (FileHeaderSize + int64_t(infoSize) > FileSize) Invalid();
  const int32_t width = int32_t(Get32(info + 4));
  const int32_t height = int32_t(Get32(info + 8));
  const uint16_t bitCount = Get16(info + 14);
  const uint32_t compression = Get32(info + 16);
  const uint32_t colorsUsed = Get32(info + 32);
  if (height == INT32_MIN) Invalid();
  CheckPictureSize(width, height < 0 ? -int64_t(height) : height, BmpCodec::InvalidMessage);
  l.Width = width;
  l.Height = height < 0 ? -height : height;
  l.BottomUp = height >= 0;
  l.BitCount = bitCount;
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) Invalid();
  if (compression != CompressionRgb && !(compression == CompressionBitfields && bitCount == 32)) Invalid();

  int64_t tableStart = FileHeaderSize + int64_t(infoSize);
  if (compression == CompressionBitfields) {
    l.HasMasks = true;
    const uint8_t* masks = info + 40;
    if (infoSize == InfoHeaderSize) {
      if (tableStart + 12 > FileSize) Invalid();
      tableStart += 12;
    }
    for (int i = 0; i < 3; ++i) l.Masks[i] = Get32(masks + 4 * i);
    l.Masks[3] = infoSize >= 56 ? Get32(masks + 12) : 0;
  }
  if (bitCount <= 8) {
    const uint32_t maxColors = 1u << bitCount;
    if (colorsUsed > maxColors) Invalid();
    const uint32_t count = colorsUsed ? colorsUsed : maxColors;
    if (tableStart + int64_t(count) * 4 > l.PixelOffset) Invalid();
    for (uint32_t i = 0; i < count; ++i) l.Palette.push_back(Get32(Data + tableStart + 4 * i) & 0xFFFFFF);
  }
  if (l.PixelOffset < tableStart) Invalid();
  l.Stride = RowStride(l.Width, bitCount);
  if (int64_t(l.PixelOffset) + l.Stride * l.Height > FileSize) Invalid();
  return l;
}

uint32_t PaletteColor(const Layout& L, uint32_t Index) {
  return 0xFF000000u | (Index < L.Palette.size() ? L.Palette[Index] : 0);
}

void DecodeRow(const Layout& L, const uint8_t* Src, uint8_t* Dst) {
  const int w = L.Width;
  switch (L.BitCount) {
    case 1:
    case 4:
    case 8: {
      const int perByte = 8 / L.BitCount;
      const uint32_t indexMask = (1u << L.BitCount) - 1;
      auto* out = reinterpret_cast<uint32_t*>(Dst);
      for (int x = 0; x < w; ++x) {
        const int shift = (perByte - 1 - x % perByte) * L.BitCount;
        out[x] = PaletteColor(L, (Src[x / perByte] >> shift) & indexMask);
      }
      break;
    }
    case 24:
      std::memcpy(Dst, Src, size_t(w) * 3);
      break;
    case 32:
      if (!L.HasMasks) {
        std::memcpy(Dst, Src, size_t(w) * 4);
        break;
      }
      {
        const Channel r(L.Masks[0]), g(L.Masks[1]), b(L.Masks[2]), a(L.Masks[3]);
        for (int x = 0; x < w; ++x) {
          const uint32_t v = Get32(Src + 4 * x);
          uint8_t* p = Dst + 4 * x;
          p[0] = b.Get(v, 0);
          p[1] = g.Get(v, 0);
          p[2] = r.Get(v, 0);
          p[3] = a.Get(v, 255);
        }
      }
      break;
  }
}

}  // namespace

TBmpPicture BmpCodec::Read(TStream& Stream) {
  uint8_t fileHeader[FileHeaderSize];
  Stream.ReadBuffer(fileHeader, FileHeaderSize);
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') Invalid();
  const uint32_t fileSize = Get32(fileHeader + 2);
  if (fileSize < FileHeaderSize + InfoHeaderSize) Invalid();
  // Only what the stream really holds is read, so a lying bfSize cannot make us allocate more.
  if (fileSize - FileHeaderSize > Stream.Size() - Stream.Position()) Invalid();
  std::vector<uint8_t> data(fileSize);
  std::memcpy(data.data(), fileHeader, FileHeaderSize);
  Stream.ReadBuffer(data.data() + FileHeaderSize, fileSize - FileHeaderSize);

  const Layout l = Parse(data.data(), fileSize);
  const SurfaceFormat format = l.BitCount == 24 ? SurfaceFormat::Bgr24 : SurfaceFormat::Bgra32;
  TBmpPicture picture;
  picture.BitCount = l.BitCount;
  picture.Pixels = std::make_unique<Surface>(l.Width, l.Height, format);
  // A picture without columns has no pixel memory to decode rows into.
  for (int y = 0; l.Width > 0 && y < l.Height; ++y) {
    const int stored = l.BottomUp ? l.Height - 1 - y : y;
    DecodeRow(l, data.data() + l.PixelOffset + l.Stride * stored, picture.Pixels->Row(y));
  }
  return picture;
}

void BmpCodec::Write(TStream& Stream, const Surface& Pixels, int BitCount) {
  if (BitCount != 24 && BitCount != 32) throw EInvalidGraphic(InvalidMessage);
  const int w = Pixels.Width(), h = Pixels.Height();
  const int64_t stride = RowStride(w, BitCount);
  const uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize;
  const int64_t fileSize = pixelOffset + stride * h;
  if (fileSize > UINT32_MAX) throw EInvalidGraphic(InvalidMessage);

  std::vector<uint8_t> headers(pixelOffset, 0);
  headers[0] = 'B';
  headers[1] = 'M';
  Put32(&headers[2], uint32_t(fileSize));
  Put32(&headers[10], pixelOffset);
  uint8_t* info = &headers[FileHeaderSize];
  Put32(info, InfoHeaderSize);
  Put32(info + 4, uint32_t(w));
  Put32(info + 8, uint32_t(h));
  Put16(info + 12, 1);
  Put16(info + 14, uint16_t(BitCount));
  Put32(info + 16, CompressionRgb);
  Put32(info + 20, uint32_t(stride * h));
  Stream.WriteBuffer(headers.data(), pixelOffset);

  std::vector<uint8_t> row(size_t(stride), 0);
  for (int y = h - 1; y >= 0; --y) {
    const uint8_t* src = Pixels.Row(y);
    if (Pixels.BytesPerPixel() * 8 == BitCount) {
      std::memcpy(row.data(), src, size_t(w) * Pixels.BytesPerPixel());
    } else {
      const int from = Pixels.BytesPerPixel(), to = BitCount / 8;
      for (int x = 0; x < w; ++x) {
        std::memcpy(&row[size_t(x) * to], src + size_t(x) * from, 3);
        if (to == 4) row[size_t(x) * 4 + 3] = 255;
      }
    }
    Stream.WriteBuffer(row.data(), stride);
  }
}
