#include "platform/gdi/PngCodec.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <exception>

#include "platform/base/Exception.h"
#include "platform/gdi/PictureLimits.h"

// libpng reports errors by longjmp. The functions that hold a setjmp keep no objects with destructors,
// everything they fill lives in the caller's state, and stream exceptions are caught in the callbacks and
// carried across the jump as exception pointers.

namespace {

constexpr const char* InvalidPrefix = "Invalid PNG image: ";

struct PngIo {
  TStream* Stream { nullptr };
  std::exception_ptr Failure;
  char Message[160] { "" };
};

void OnError(png_structp Png, png_const_charp Message) {
  auto* io = static_cast<PngIo*>(png_get_error_ptr(Png));
  std::snprintf(io->Message, sizeof io->Message, "%s", Message);
  png_longjmp(Png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnRead(png_structp Png, png_bytep Data, size_t Length) {
  auto* io = static_cast<PngIo*>(png_get_io_ptr(Png));
  Int64 got = -1;
  try {
    got = io->Stream->Read(Data, Int64(Length));
  } catch (...) {
    io->Failure = std::current_exception();
  }
  if (got != Int64(Length)) png_error(Png, "unexpected end of data");
}

void OnWrite(png_structp Png, png_bytep Data, size_t Length) {
  auto* io = static_cast<PngIo*>(png_get_io_ptr(Png));
  bool written = false;
  try {
    io->Stream->WriteBuffer(Data, Int64(Length));
    written = true;
  } catch (...) {
    io->Failure = std::current_exception();
  }
  if (!written) png_error(Png, "write failed");
}

void OnFlush(png_structp) {}

[[noreturn]] void Fail(const PngIo& Io) {
  if (Io.Failure) std::rethrow_exception(Io.Failure);
  throw EInvalidGraphic(String(InvalidPrefix) + Io.Message);
}

struct Reader {
  PngIo Io;
  png_structp Png { nullptr };
  png_infop Info { nullptr };
  png_uint_32 Width { 0 };
  png_uint_32 Height { 0 };
  int ColorType { 0 };
  int BitDepth { 0 };
  int Channels { 0 };
  size_t RowBytes { 0 };
  bool HasTrns { false };
  png_color_16 TrnsColor {};
  int PaletteCount { 0 };
  png_color Palette[256] {};
  uint8_t PaletteAlpha[256] {};

  ~Reader() { png_destroy_read_struct(&Png, &Info, nullptr); }
};

bool ReadHeader(Reader& R) {
  if (setjmp(png_jmpbuf(R.Png))) return false;
  png_set_sig_bytes(R.Png, 8);
  png_set_user_limits(R.Png, png_uint_32(MaxPictureSide), png_uint_32(MaxPictureSide));
  // Only the header, palette, transparency and picture data are used. Every other chunk (text, colour
  // profiles, unknown ones) is skipped as it streams past: read into memory, a length that a damaged or
  // hostile file claims would be allocated and cleared before the data turns out to be missing.
  png_set_keep_unknown_chunks(R.Png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_read_info(R.Png, R.Info);
  png_get_IHDR(R.Png, R.Info, &R.Width, &R.Height, &R.BitDepth, &R.ColorType, nullptr, nullptr, nullptr);
  if (uint64_t(R.Width) * R.Height > uint64_t(MaxPicturePixels)) png_error(R.Png, "picture too large");

  png_bytep alpha = nullptr;
  int alphaCount = 0;
  png_color_16p color = nullptr;
  R.HasTrns = png_get_tRNS(R.Png, R.Info, &alpha, &alphaCount, &color) != 0;
  if (R.HasTrns && color) R.TrnsColor = *color;
  if (R.ColorType == PNG_COLOR_TYPE_PALETTE) {
    png_colorp palette = nullptr;
    png_get_PLTE(R.Png, R.Info, &palette, &R.PaletteCount);
    std::memcpy(R.Palette, palette, sizeof(png_color) * size_t(R.PaletteCount));
    std::memset(R.PaletteAlpha, 255, sizeof R.PaletteAlpha);
    if (R.HasTrns && alpha) std::memcpy(R.PaletteAlpha, alpha, size_t(alphaCount));
  }

  if (R.BitDepth == 16) png_set_strip_16(R.Png);
  if (R.ColorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(R.Png);
  if (R.ColorType == PNG_COLOR_TYPE_GRAY && R.BitDepth < 8) png_set_expand_gray_1_2_4_to_8(R.Png);
  if (R.ColorType == PNG_COLOR_TYPE_GRAY || R.ColorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(R.Png);
  png_set_bgr(R.Png);
  png_set_interlace_handling(R.Png);
  png_read_update_info(R.Png, R.Info);
  R.Channels = png_get_channels(R.Png, R.Info);
  R.RowBytes = png_get_rowbytes(R.Png, R.Info);
  return true;
}

bool ReadRows(Reader& R, png_bytepp Rows) {
  if (setjmp(png_jmpbuf(R.Png))) return false;
  png_read_image(R.Png, Rows);
  png_read_end(R.Png, nullptr);
  return true;
}

// An 8-bit sample from a tRNS sample of the header's depth (libpng keeps the high byte of 16-bit samples).
uint8_t TrnsSample(int Value, int BitDepth) {
  if (BitDepth == 16) return uint8_t(Value / 256);
  if (BitDepth < 8) return uint8_t(Value * 255 / ((1 << BitDepth) - 1));
  return uint8_t(Value);
}

void TakeTransparency(const Reader& R, TPngPicture& P) {
  if (!R.HasTrns) return;
  switch (R.ColorType) {
    case PNG_COLOR_TYPE_GRAY: {
      const uint8_t v = TrnsSample(R.TrnsColor.gray, R.BitDepth);
      P.BitTransparency = true;
      P.TransparentColor = RGB(v, v, v);
      break;
    }
    case PNG_COLOR_TYPE_RGB:
      P.BitTransparency = true;
      P.TransparentColor = RGB(TrnsSample(R.TrnsColor.red, R.BitDepth), TrnsSample(R.TrnsColor.green, R.BitDepth),
                               TrnsSample(R.TrnsColor.blue, R.BitDepth));
      break;
    case PNG_COLOR_TYPE_PALETTE: {
      // Bit transparency when every entry is either opaque or wholly transparent.
      int transparent = -1;
      for (int i = 0; i < R.PaletteCount; ++i) {
        if (R.PaletteAlpha[i] != 0 && R.PaletteAlpha[i] != 255) return;
        if (R.PaletteAlpha[i] == 0 && transparent < 0) transparent = i;
      }
      if (transparent < 0) return;
      P.BitTransparency = true;
      P.TransparentColor = RGB(R.Palette[transparent].red, R.Palette[transparent].green, R.Palette[transparent].blue);
      break;
    }
  }
}

struct Writer {
  PngIo Io;
  png_structp Png { nullptr };
  png_infop Info { nullptr };

  ~Writer() { png_destroy_write_struct(&Png, &Info); }
};

bool WriteAll(Writer& W, int Width, int Height, bool HasAlpha, const png_color_16* Trns, int Level, png_bytepp Rows) {
  if (setjmp(png_jmpbuf(W.Png))) return false;
  png_set_IHDR(W.Png, W.Info, png_uint_32(Width), png_uint_32(Height), 8,
               HasAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (Trns) png_set_tRNS(W.Png, W.Info, nullptr, 0, const_cast<png_color_16*>(Trns));
  png_set_compression_level(W.Png, Level);
  png_set_filter(W.Png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
  png_write_info(W.Png, W.Info);
  png_set_bgr(W.Png);
  png_write_image(W.Png, Rows);
  png_write_end(W.Png, nullptr);
  return true;
}

}  // namespace

TPngPicture PngCodec::Read(TStream& Stream) {
  png_byte signature[8];
  if (Stream.Read(signature, 8) != 8 || png_sig_cmp(signature, 0, 8) != 0)
    throw EInvalidGraphic(String(InvalidPrefix) + "not a PNG file");
  Reader r;
  r.Io.Stream = &Stream;
  r.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &r.Io, OnError, OnWarning);
  if (!r.Png) throw EOutOfResources("Out of system resources");
  r.Info = png_create_info_struct(r.Png);
  if (!r.Info) throw EOutOfResources("Out of system resources");
  png_set_read_fn(r.Png, &r.Io, OnRead);
  if (!ReadHeader(r)) Fail(r.Io);

  const int w = int(r.Width), h = int(r.Height);
  std::vector<png_byte> data(r.RowBytes * size_t(h));
  std::vector<png_bytep> rows(static_cast<size_t>(h));
  for (int y = 0; y < h; ++y) rows[size_t(y)] = data.data() + r.RowBytes * size_t(y);
  if (!ReadRows(r, rows.data())) Fail(r.Io);

  TPngPicture picture;
  picture.ColorType = r.ColorType;
  picture.BitDepth = r.BitDepth;
  picture.Pixels = std::make_unique<Surface>(w, h, SurfaceFormat::Bgr24);
  const bool hasAlpha = r.Channels == 4;
  if (hasAlpha) picture.Alpha.resize(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y) {
    const png_byte* src = rows[size_t(y)];
    uint8_t* dst = picture.Pixels->Row(y);
    for (int x = 0; x < w; ++x, src += r.Channels) {
      std::memcpy(dst + 3 * x, src, 3);
      if (hasAlpha) picture.Alpha[size_t(y) * size_t(w) + size_t(x)] = src[3];
    }
  }
  TakeTransparency(r, picture);
  return picture;
}

void PngCodec::Write(TStream& Stream, const TPngPicture& Picture, int CompressionLevel) {
  const Surface& pixels = *Picture.Pixels;
  const int w = pixels.Width(), h = pixels.Height();
  const bool hasAlpha = !Picture.Alpha.empty();
  const int channels = hasAlpha ? 4 : 3;
  std::vector<png_byte> data(size_t(w) * size_t(h) * size_t(channels));
  std::vector<png_bytep> rows(static_cast<size_t>(h));
  for (int y = 0; y < h; ++y) {
    png_byte* dst = data.data() + size_t(y) * size_t(w) * size_t(channels);
    rows[size_t(y)] = dst;
    const uint8_t* src = pixels.Row(y);
    for (int x = 0; x < w; ++x, dst += channels, src += 3) {
      std::memcpy(dst, src, 3);
      if (hasAlpha) dst[3] = Picture.Alpha[size_t(y) * size_t(w) + size_t(x)];
    }
  }
  png_color_16 trns {};
  const bool writeTrns = Picture.BitTransparency && !hasAlpha;
  if (writeTrns) {
    trns.red = GetRValue(Picture.TransparentColor);
    trns.green = GetGValue(Picture.TransparentColor);
    trns.blue = GetBValue(Picture.TransparentColor);
  }

  Writer wr;
  wr.Io.Stream = &Stream;
  wr.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &wr.Io, OnError, OnWarning);
  if (!wr.Png) throw EOutOfResources("Out of system resources");
  wr.Info = png_create_info_struct(wr.Png);
  if (!wr.Info) throw EOutOfResources("Out of system resources");
  png_set_write_fn(wr.Png, &wr.Io, OnWrite, OnFlush);
  if (!WriteAll(wr, w, h, hasAlpha, writeTrns ? &trns : nullptr, CompressionLevel, rows.data())) Fail(wr.Io);
}
