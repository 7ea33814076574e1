#include "platform/gdi/IcoCodec.h"

#include <algorithm>
#include <cstring>

#include "platform/base/Exception.h"
#include "platform/base/TMemoryStream.h"
#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/PictureLimits.h"
#include "platform/gdi/PngCodec.h"

namespace {

constexpr uint32_t HeaderSize = 6;
constexpr uint32_t EntrySize = 16;
constexpr uint32_t BmpFileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint16_t IconType = 1;
constexpr int PngFromSide = 256;
constexpr uint8_t PngSignature[8] = { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };

[[noreturn]] void Invalid() { throw EInvalidGraphic(IcoCodec::InvalidMessage); }

uint16_t Get16(const uint8_t* P) { return uint16_t(P[0] | (P[1] << 8)); }
uint32_t Get32(const uint8_t* P) { return uint32_t(P[0]) | (uint32_t(P[1]) << 8) | (uint32_t(P[2]) << 16) | (uint32_t(P[3]) << 24); }
void Put16(uint8_t* P, uint16_t V) { P[0] = uint8_t(V); P[1] = uint8_t(V >> 8); }
void Put32(uint8_t* P, uint32_t V) { for (int i = 0; i < 4; ++i) P[i] = uint8_t(V >> (8 * i)); }

int64_t RowStride(int64_t Width, int BitCount) { return (Width * BitCount + 31) / 32 * 4; }
uint32_t Get32BigEndian(const uint8_t* P) { return uint32_t(P[0]) << 24 | uint32_t(P[1]) << 16 | uint32_t(P[2]) << 8 | P[3]; }

bool IsPng(const uint8_t* Data, size_t Size) {
  return Size >= sizeof PngSignature && std::memcmp(Data, PngSignature, sizeof PngSignature) == 0;
}

// The pixels a picture's header announces (width x height of a PNG's header chunk or of the bitmap's
// info header, whose height counts both halves); a header too short or too large to read is refused.
int64_t ClaimedPixels(const uint8_t* Data, size_t Size) {
  int64_t width = 0, height = 0;
  if (IsPng(Data, Size)) {
    if (Size < 24) Invalid();
    width = Get32BigEndian(Data + 16);
    height = Get32BigEndian(Data + 20);
  } else {
    if (Size < InfoHeaderSize) Invalid();
    width = int32_t(Get32(Data + 4));
    height = int32_t(Get32(Data + 8)) / 2;
  }
  CheckPictureSize(width, height, IcoCodec::InvalidMessage);
  return width * height;
}

/// Reads the picture stored as Data through the stream codec Read.
template <class Codec> auto Decode(const uint8_t* Data, size_t Size) {
  TMemoryStream stream;
  stream.WriteBuffer(Data, Int64(Size));
  stream.SetPosition(0);
  try {
    return Codec::Read(stream);
  } catch (const EReadError&) {
    Invalid();
  } catch (const EInvalidGraphic&) {
    Invalid();
  }
}

TIconImage ReadPng(const uint8_t* Data, size_t Size) {
  const TPngPicture png = Decode<PngCodec>(Data, Size);
  const int w = png.Pixels->Width(), h = png.Pixels->Height();
  auto pixels = std::make_shared<Surface>(w, h, SurfaceFormat::Bgra32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t alpha = png.Alpha.empty() ? 255 : png.Alpha[size_t(y) * size_t(w) + size_t(x)];
      pixels->SetPixel(x, y, (png.Pixels->Pixel(x, y) & 0xFFFFFF) | alpha << 24);
    }
  return { std::move(pixels), 32 };
}

// A bitmap picture: its colour part is read by the BMP codec behind a file header made for it (the info
// header's height counts both parts, so it is halved); the AND mask follows the colour rows.
TIconImage ReadBitmap(const uint8_t* Data, size_t Size) {
  if (Size < InfoHeaderSize) Invalid();
  const uint32_t infoSize = Get32(Data);
  const int32_t width = int32_t(Get32(Data + 4)), doubleHeight = int32_t(Get32(Data + 8));
  const int bitCount = Get16(Data + 14);
  const uint32_t compression = Get32(Data + 16), colorsUsed = Get32(Data + 32);
  if (infoSize < InfoHeaderSize || infoSize > Size || width <= 0 || doubleHeight <= 0 || doubleHeight % 2) Invalid();
  const int height = doubleHeight / 2;
  CheckPictureSize(width, height, IcoCodec::InvalidMessage);
  const uint32_t colors = bitCount <= 8 ? (colorsUsed ? colorsUsed : 1u << bitCount) : 0;
  const int64_t colorStart = int64_t(infoSize) + (compression == 3 && infoSize == InfoHeaderSize ? 12 : 0) +
                             int64_t(std::min<uint32_t>(colors, 256)) * 4;
  const int64_t maskStart = colorStart + RowStride(width, bitCount) * height;
  const int64_t maskStride = RowStride(width, 1);
  const bool hasMask = maskStart + maskStride * height <= int64_t(Size);
  if (!hasMask && bitCount != 32) Invalid();

  std::vector<uint8_t> file(BmpFileHeaderSize + Size);
  file[0] = 'B';
  file[1] = 'M';
  Put32(&file[2], uint32_t(file.size()));
  Put32(&file[10], uint32_t(BmpFileHeaderSize + std::min<int64_t>(colorStart, int64_t(Size))));
  std::memcpy(&file[BmpFileHeaderSize], Data, Size);
  Put32(&file[BmpFileHeaderSize + 8], uint32_t(height));
  TBmpPicture colour = Decode<BmpCodec>(file.data(), file.size());

  auto pixels = std::make_shared<Surface>(width, height, SurfaceFormat::Bgra32);
  bool anyAlpha = false;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) anyAlpha = anyAlpha || (bitCount == 32 && (colour.Pixels->Pixel(x, y) >> 24) != 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const uint32_t p = colour.Pixels->Pixel(x, y);
      pixels->SetPixel(x, y, anyAlpha ? p : p | 0xFF000000u);
    }
  if (hasMask && !anyAlpha)
    for (int y = 0; y < height; ++y) {
      const uint8_t* row = Data + maskStart + maskStride * (height - 1 - y);
      for (int x = 0; x < width; ++x) {
        const bool transparent = (row[x / 8] >> (7 - x % 8)) & 1;
        if (transparent) pixels->SetPixel(x, y, pixels->Pixel(x, y) & 0xFFFFFF);
      }
    }
  return { std::move(pixels), bitCount == 32 && anyAlpha ? 32 : std::min(bitCount, 24) };
}

std::vector<uint8_t> PngBytes(const TIconImage& Image) {
  const Surface& from = *Image.Pixels;
  TPngPicture png;
  png.ColorType = COLOR_RGBALPHA;
  png.Pixels = std::make_unique<Surface>(from.Width(), from.Height(), SurfaceFormat::Bgr24);
  png.Alpha.resize(size_t(from.Width()) * size_t(from.Height()));
  for (int y = 0; y < from.Height(); ++y)
    for (int x = 0; x < from.Width(); ++x) {
      png.Pixels->SetPixel(x, y, from.Pixel(x, y));
      png.Alpha[size_t(y) * size_t(from.Width()) + size_t(x)] = uint8_t(from.Pixel(x, y) >> 24);
    }
  TMemoryStream stream;
  PngCodec::Write(stream, png, 9);
  const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  return { bytes, bytes + stream.Size() };
}

// The picture as a 32-bit bitmap (the BMP codec's rows without its file header, height doubled) and an
// AND mask set where the picture is fully transparent.
std::vector<uint8_t> BitmapBytes(const TIconImage& Image) {
  const Surface& from = *Image.Pixels;
  const int w = from.Width(), h = from.Height();
  TMemoryStream stream;
  BmpCodec::Write(stream, from, 32);
  const auto* bmp = static_cast<const uint8_t*>(stream.Memory());
  std::vector<uint8_t> bytes(bmp + BmpFileHeaderSize, bmp + stream.Size());
  Put32(&bytes[8], uint32_t(2 * h));
  const int64_t maskStride = RowStride(w, 1);
  std::vector<uint8_t> mask(size_t(maskStride * h), 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((from.Pixel(x, y) >> 24) == 0) mask[size_t(maskStride * (h - 1 - y) + x / 8)] |= uint8_t(0x80 >> (x % 8));
  bytes.insert(bytes.end(), mask.begin(), mask.end());
  Put32(&bytes[20], uint32_t(bytes.size() - InfoHeaderSize));
  return bytes;
}

}  // namespace

TIconImages IcoCodec::Read(TStream& Stream) {
  uint8_t header[HeaderSize];
  Stream.ReadBuffer(header, HeaderSize);
  const uint16_t count = Get16(header + 4);
  if (Get16(header) != 0 || Get16(header + 2) != IconType || count == 0) Invalid();
  const Int64 available = Stream.Size() - Stream.Position() + HeaderSize;
  const uint32_t directoryEnd = HeaderSize + EntrySize * count;
  if (directoryEnd > available) Invalid();
  std::vector<uint8_t> directory(EntrySize * count);
  Stream.ReadBuffer(directory.data(), Int64(directory.size()));

  // Every picture must lie inside what the stream holds; the file ends with the last of them.
  int64_t end = directoryEnd;
  for (uint16_t i = 0; i < count; ++i) {
    const uint8_t* entry = &directory[EntrySize * i];
    const int64_t size = Get32(entry + 8), offset = Get32(entry + 12);
    if (offset < directoryEnd || size == 0 || offset + size > available) Invalid();
    end = std::max(end, offset + size);
  }
  std::vector<uint8_t> data(size_t(end - directoryEnd));
  Stream.ReadBuffer(data.data(), Int64(data.size()));

  // Entries may share their bytes, so the sizes the pictures claim are held together to one picture's
  // limit before any is decoded.
  int64_t pixels = 0;
  for (uint16_t i = 0; i < count; ++i) {
    const uint8_t* entry = &directory[EntrySize * i];
    pixels += ClaimedPixels(data.data() + (Get32(entry + 12) - directoryEnd), Get32(entry + 8));
    if (pixels > MaxPicturePixels) Invalid();
  }
  TIconImages images;
  for (uint16_t i = 0; i < count; ++i) {
    const uint8_t* entry = &directory[EntrySize * i];
    const uint8_t* picture = data.data() + (Get32(entry + 12) - directoryEnd);
    const size_t size = Get32(entry + 8);
    images.push_back(IsPng(picture, size) ? ReadPng(picture, size) : ReadBitmap(picture, size));
  }
  return images;
}

void IcoCodec::Write(TStream& Stream, const TIconImages& Images) {
  if (Images.empty() || Images.size() > 0xFFFF) Invalid();
  std::vector<std::vector<uint8_t>> pictures;
  for (const TIconImage& image : Images) {
    if (!image.Pixels || image.Width() == 0 || image.Height() == 0) Invalid();
    pictures.push_back(std::max(image.Width(), image.Height()) >= PngFromSide ? PngBytes(image) : BitmapBytes(image));
  }
  std::vector<uint8_t> head(HeaderSize + EntrySize * Images.size(), 0);
  Put16(&head[2], IconType);
  Put16(&head[4], uint16_t(Images.size()));
  uint32_t offset = uint32_t(head.size());
  for (size_t i = 0; i < Images.size(); ++i) {
    uint8_t* entry = &head[HeaderSize + EntrySize * i];
    entry[0] = uint8_t(Images[i].Width() >= PngFromSide ? 0 : Images[i].Width());
    entry[1] = uint8_t(Images[i].Height() >= PngFromSide ? 0 : Images[i].Height());
    Put16(entry + 4, 1);
    Put16(entry + 6, 32);
    Put32(entry + 8, uint32_t(pictures[i].size()));
    Put32(entry + 12, offset);
    offset += uint32_t(pictures[i].size());
  }
  Stream.WriteBuffer(head.data(), Int64(head.size()));
  for (const std::vector<uint8_t>& picture : pictures) Stream.WriteBuffer(picture.data(), Int64(picture.size()));
}
