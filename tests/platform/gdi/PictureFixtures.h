#pragma once
// Small picture files built byte by byte for the picture tests, and stream helpers.
#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <jpeglib.h>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/TMemoryStream.h"

namespace fixtures {

/// Describes a BMP file; rows are given unpadded in stored order (bottom row first for a positive
/// Height). The overrides replace computed header fields to make lying files.
struct BmpSpec {
  int BitCount { 24 };
  int Width { 1 };
  int Height { 1 };
  std::vector<uint32_t> Palette;  // 0x00RRGGBB
  std::vector<std::vector<uint8_t>> Rows;
  uint32_t Compression { 0 };
  std::vector<uint32_t> Masks;  // BI_BITFIELDS masks R, G, B (and A with a 124-byte header)
  uint32_t InfoSize { 40 };
  int64_t FileSizeOverride { -1 };
  int64_t OffsetOverride { -1 };
};

inline void Put16(std::string& S, size_t At, uint32_t V) {
  S[At] = char(V & 0xFF);
  S[At + 1] = char((V >> 8) & 0xFF);
}
inline void Put32(std::string& S, size_t At, uint32_t V) {
  for (int i = 0; i < 4; ++i) S[At + i] = char((V >> (8 * i)) & 0xFF);
}

inline std::string BmpBytes(const BmpSpec& Spec) {
  const size_t stride = Spec.Width > 0 ? (size_t(Spec.Width) * Spec.BitCount + 31) / 32 * 4 : 0;
  const bool separateMasks = Spec.Compression == 3 && Spec.InfoSize == 40;
  const size_t headers = 14 + Spec.InfoSize + (separateMasks ? 12 : 0) + Spec.Palette.size() * 4;
  std::string s(headers, '\0');
  s[0] = 'B';
  s[1] = 'M';
  Put32(s, 14, Spec.InfoSize);
  Put32(s, 18, uint32_t(Spec.Width));
  Put32(s, 22, uint32_t(Spec.Height));
  Put16(s, 26, 1);
  Put16(s, 28, uint32_t(Spec.BitCount));
  Put32(s, 30, Spec.Compression);
  Put32(s, 46, uint32_t(Spec.BitCount <= 8 ? Spec.Palette.size() : 0));
  for (size_t i = 0; i < Spec.Masks.size(); ++i) Put32(s, 14 + 40 + 4 * i, Spec.Masks[i]);
  const size_t paletteAt = 14 + Spec.InfoSize + (separateMasks ? 12 : 0);
  for (size_t i = 0; i < Spec.Palette.size(); ++i) Put32(s, paletteAt + 4 * i, Spec.Palette[i]);
  for (const auto& row : Spec.Rows) {
    std::string padded(stride, '\0');
    padded.replace(0, row.size(), reinterpret_cast<const char*>(row.data()), row.size());
    s += padded;
  }
  Put32(s, 2, uint32_t(Spec.FileSizeOverride >= 0 ? Spec.FileSizeOverride : int64_t(s.size())));
  Put32(s, 10, uint32_t(Spec.OffsetOverride >= 0 ? Spec.OffsetOverride : int64_t(headers)));
  return s;
}

/// Describes a PNG file; Data holds the packed rows of the given depth without filter bytes.
struct PngSpec {
  int ColorType { PNG_COLOR_TYPE_RGB };
  int BitDepth { 8 };
  int Width { 1 };
  int Height { 1 };
  std::vector<uint8_t> Data;
  std::vector<png_color> Palette;
  std::vector<uint8_t> TrnsAlpha;           // palette transparency
  std::optional<png_color_16> TrnsColor;    // grey or RGB transparency
  bool Interlaced { false };
};

inline int ChannelsOf(int ColorType) {
  switch (ColorType) {
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    default: return 1;
  }
}

inline void AppendPng(png_structp Png, png_bytep Data, size_t Length) {
  static_cast<std::string*>(png_get_io_ptr(Png))->append(reinterpret_cast<const char*>(Data), Length);
}

/// The PNG file of Spec, written with libpng; empty when libpng refuses the description.
inline std::string PngBytes(const PngSpec& Spec) {
  std::string out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  const size_t rowBytes = (size_t(Spec.Width) * Spec.BitDepth * ChannelsOf(Spec.ColorType) + 7) / 8;
  std::vector<png_bytep> rows;
  for (int y = 0; y < Spec.Height; ++y) rows.push_back(const_cast<png_bytep>(Spec.Data.data()) + rowBytes * y);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, AppendPng, nullptr);
  png_set_IHDR(png, info, png_uint_32(Spec.Width), png_uint_32(Spec.Height), Spec.BitDepth, Spec.ColorType,
               Spec.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (!Spec.Palette.empty()) png_set_PLTE(png, info, Spec.Palette.data(), int(Spec.Palette.size()));
  if (!Spec.TrnsAlpha.empty() || Spec.TrnsColor) {
    png_color_16 color = Spec.TrnsColor.value_or(png_color_16 {});
    png_set_tRNS(png, info, Spec.TrnsAlpha.empty() ? nullptr : const_cast<png_bytep>(Spec.TrnsAlpha.data()),
                 int(Spec.TrnsAlpha.size()), Spec.TrnsColor ? &color : nullptr);
  }
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

/// A PNG decoded by libpng's own simplified reader to 8-bit RGBA, for checking what the codec wrote.
inline std::vector<uint8_t> DecodePngRgba(const std::string& Bytes, int& Width, int& Height) {
  png_image image {};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, Bytes.data(), Bytes.size())) return {};
  image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
  Width = int(image.width);
  Height = int(image.height);
  return pixels;
}

struct PngChunk {
  std::string Type;
  std::string Data;
};

/// The chunks of a PNG file in order (CRCs not checked).
inline std::vector<PngChunk> PngChunks(const std::string& Png) {
  std::vector<PngChunk> chunks;
  for (size_t at = 8; at + 12 <= Png.size();) {
    const uint32_t length = (uint8_t(Png[at]) << 24) | (uint8_t(Png[at + 1]) << 16) | (uint8_t(Png[at + 2]) << 8) |
                            uint8_t(Png[at + 3]);
    chunks.push_back({ Png.substr(at + 4, 4), Png.substr(at + 8, length) });
    at += 12 + length;
  }
  return chunks;
}

/// The zlib stream of a PNG file's image data (its IDAT chunks joined).
inline std::string PngImageData(const std::string& Png) {
  std::string data;
  for (const PngChunk& c : PngChunks(Png))
    if (c.Type == "IDAT") data += c.Data;
  return data;
}

/// A memory stream holding Bytes, positioned at its start.
inline void Fill(TMemoryStream& Stream, const std::string& Bytes) {
  Stream.Clear();
  Stream.WriteBuffer(Bytes.data(), Int64(Bytes.size()));
  Stream.SetPosition(0);
}

inline std::string Bytes(TMemoryStream& Stream) {
  return std::string(static_cast<const char*>(Stream.Memory()), size_t(Stream.Size()));
}

/// A grey JPEG written by libjpeg itself, every row alike: Value(X) is the grey of column X.
inline std::string GreyJpeg(int Width, int Height, bool Progressive, const std::function<uint8_t(int X)>& Value) {
  jpeg_compress_struct info {};
  jpeg_error_mgr errors {};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(Width);
  info.image_height = JDIMENSION(Height);
  info.input_components = 1;
  info.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&info);
  if (Progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(Width));
  for (int x = 0; x < Width; ++x) row[size_t(x)] = JSAMPLE(Value(x));
  JSAMPROW rows[1] = { row.data() };
  while (info.next_scanline < info.image_height) jpeg_write_scanlines(&info, rows, 1);
  jpeg_finish_compress(&info);
  std::string jpeg(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return jpeg;
}

}  // namespace fixtures
