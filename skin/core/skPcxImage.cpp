#include "skin/core/skPcxImage.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/base/TStream.h"

namespace {

constexpr int HeaderSize = 128;
constexpr int PaletteSize = 768;
/// A run-length pair's first byte has both top bits set; its low six bits count the copies.
constexpr uint8_t RunMark = 0xC0;
constexpr int MaxRun = 0x3F;

/// The system's 16 colours, for headers of version 3, which carry no palette of their own.
constexpr std::array<TskColor, 16> SystemColors {
  0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
  0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

/// The little-endian 16-bit field at Offset.
int HeaderWord(const std::vector<uint8_t>& Header, int Offset) { return Header[Offset] | Header[Offset + 1] << 8; }

/// The 256 colours of the palette; indexes beyond the system's 16 are black.
std::array<TskColor, 256> PaletteOf(int Version, const std::vector<uint8_t>& Data) {
  std::array<TskColor, 256> Palette {};
  Palette.fill(0xFF000000);
  if (Version == 3) {
    std::copy(SystemColors.begin(), SystemColors.end(), Palette.begin());
    return Palette;
  }
  const uint8_t* Triple = Data.data() + Data.size() - PaletteSize;
  for (TskColor& Colour : Palette) {
    Colour = 0xFF000000u | TskColor(Triple[0]) << 16 | TskColor(Triple[1]) << 8 | Triple[2];
    Triple += 3;
  }
  return Palette;
}

/// Run-length decoding into Out until it is full or the data ends; the rest of Out stays 0.
void DecodeRuns(const std::vector<uint8_t>& Data, std::vector<uint8_t>& Out) {
  size_t In = 0, Filled = 0;
  while (Filled < Out.size() && In < Data.size()) {
    const uint8_t Byte = Data[In++];
    if (Byte < RunMark) {
      Out[Filled++] = Byte;
      continue;
    }
    if (In == Data.size())
      break;
    const uint8_t Value = Data[In++];
    for (int Count = Byte & MaxRun; Count > 0 && Filled < Out.size(); --Count)
      Out[Filled++] = Value;
  }
}

}  // namespace

std::optional<TPcxImage> ReadPcxImage(TStream* Stream) {
  std::vector<uint8_t> Header(HeaderSize);
  if (Stream->Read(Header.data(), HeaderSize) != HeaderSize || (Header[0] != 10 && Header[0] != 205))
    return std::nullopt;
  const int Version = Header[1];
  const bool RunLength = Header[2] == 1;
  const int Width = HeaderWord(Header, 8) - HeaderWord(Header, 4) + 1;
  const int Height = HeaderWord(Header, 10) - HeaderWord(Header, 6) + 1;
  const int64_t RowLength = int64_t(Header[65]) * HeaderWord(Header, 66);
  if (Width <= 0 || Height <= 0 || RowLength < Width)
    return std::nullopt;

  std::vector<uint8_t> Data(size_t(std::max<int64_t>(0, Stream->Size() - Stream->Position())));
  Data.resize(size_t(Stream->Read(Data.data(), int64_t(Data.size()))));
  const int64_t Needed = RowLength * Height;
  const int64_t Available = RunLength ? (int64_t(Data.size()) + 1) / 2 * MaxRun : int64_t(Data.size());
  if ((Version != 3 && Data.size() < size_t(PaletteSize) + 1) || Needed > Available)
    return std::nullopt;

  const std::array<TskColor, 256> Palette = PaletteOf(Version, Data);
  std::vector<uint8_t> Decoded;
  if (RunLength) {
    Decoded.assign(size_t(Needed), 0);
    DecodeRuns(Data, Decoded);
  }
  const std::vector<uint8_t>& Indexes = RunLength ? Decoded : Data;
  TPcxImage Image { Width, Height, std::vector<TskColor>(size_t(Width) * Height) };
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X)
      Image.Pixels[size_t(Y) * Width + X] = Palette[Indexes[size_t(Y * RowLength + X)]];
  return Image;
}
