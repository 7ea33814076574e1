#include "platform/gdi/GifCodec.h"

#include <gif_lib.h>

#include <algorithm>
#include <exception>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/gdi/ColorQuantizer.h"
#include "platform/gdi/PictureLimits.h"

namespace {

constexpr const char* InvalidPrefix = "Invalid GIF image: ";

struct GifIo {
  TStream* Stream { nullptr };
  std::exception_ptr Failure;
};

int OnRead(GifFileType* Gif, GifByteType* Buffer, int Length) {
  auto* io = static_cast<GifIo*>(Gif->UserData);
  try {
    return int(io->Stream->Read(Buffer, Length));
  } catch (...) {
    io->Failure = std::current_exception();
    return 0;
  }
}

int OnWrite(GifFileType* Gif, const GifByteType* Buffer, int Length) {
  auto* io = static_cast<GifIo*>(Gif->UserData);
  try {
    io->Stream->WriteBuffer(Buffer, Length);
    return Length;
  } catch (...) {
    io->Failure = std::current_exception();
    return 0;
  }
}

[[noreturn]] void Fail(const GifIo& Io, const String& Detail) {
  if (Io.Failure) std::rethrow_exception(Io.Failure);
  throw EInvalidGraphic(InvalidPrefix + Detail);
}

[[noreturn]] void Fail(const GifIo& Io, int ErrorCode) {
  const char* text = GifErrorString(ErrorCode);
  Fail(Io, text ? text : "damaged data");
}

struct DecoderFile {
  GifFileType* Gif { nullptr };
  ~DecoderFile() {
    if (Gif) DGifCloseFile(Gif, nullptr);
  }
};

struct EncoderFile {
  GifFileType* Gif { nullptr };
  ~EncoderFile() {
    if (Gif) EGifCloseFile(Gif, nullptr);
  }
};

struct MapObject {
  ColorMapObject* Map { nullptr };
  ~MapObject() { GifFreeMapObject(Map); }
};

// Skips extension blocks and returns at the first picture; false when the file ends before one.
bool FindFirstPicture(DecoderFile& F, const GifIo& Io) {
  for (;;) {
    GifRecordType record;
    if (DGifGetRecordType(F.Gif, &record) == GIF_ERROR) Fail(Io, F.Gif->Error);
    if (record == IMAGE_DESC_RECORD_TYPE) return true;
    if (record == TERMINATE_RECORD_TYPE) return false;
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(F.Gif, &code, &block) == GIF_ERROR) Fail(Io, F.Gif->Error);
      while (block)
        if (DGifGetExtensionNext(F.Gif, &block) == GIF_ERROR) Fail(Io, F.Gif->Error);
    }
  }
}

void PutColor(uint8_t* Pixel, const ColorMapObject* Map, int Index) {
  GifColorType c {};
  if (Index >= 0 && Index < Map->ColorCount) c = Map->Colors[Index];
  Pixel[0] = c.Blue;
  Pixel[1] = c.Green;
  Pixel[2] = c.Red;
}

// The stored order of an interlaced picture's rows: every 8th from 0, every 8th from 4, every 4th from 2,
// every 2nd from 1.
std::vector<int> RowOrder(int Height, bool Interlaced) {
  std::vector<int> order;
  if (!Interlaced) {
    for (int y = 0; y < Height; ++y) order.push_back(y);
    return order;
  }
  const int start[4] = { 0, 4, 2, 1 }, step[4] = { 8, 8, 4, 2 };
  for (int pass = 0; pass < 4; ++pass)
    for (int y = start[pass]; y < Height; y += step[pass]) order.push_back(y);
  return order;
}

}  // namespace

std::unique_ptr<Surface> GifCodec::Read(TStream& Stream) {
  GifIo io;
  io.Stream = &Stream;
  DecoderFile file;
  int error = 0;
  file.Gif = DGifOpen(&io, OnRead, &error);
  if (!file.Gif) Fail(io, error);
  if (!FindFirstPicture(file, io)) Fail(io, "no picture");
  if (DGifGetImageDesc(file.Gif) == GIF_ERROR) Fail(io, file.Gif->Error);

  const GifImageDesc& frame = file.Gif->Image;
  const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : file.Gif->SColorMap;
  if (!map) Fail(io, "no colour table");
  const int64_t width = std::max<int64_t>(file.Gif->SWidth, int64_t(frame.Left) + frame.Width);
  const int64_t height = std::max<int64_t>(file.Gif->SHeight, int64_t(frame.Top) + frame.Height);
  CheckPictureSize(width, height, "Invalid GIF image: picture too large");
  if (width == 0 || height == 0) Fail(io, "empty picture");
  auto pixels = std::make_unique<Surface>(int(width), int(height), SurfaceFormat::Bgr24);
  if (file.Gif->SColorMap)
    for (int y = 0; y < pixels->Height(); ++y)
      for (int x = 0; x < pixels->Width(); ++x)
        PutColor(pixels->Row(y) + 3 * x, file.Gif->SColorMap, file.Gif->SBackGroundColor);

  std::vector<GifPixelType> line(size_t(std::max(frame.Width, 1)));
  for (int row : RowOrder(frame.Height, frame.Interlace)) {
    if (DGifGetLine(file.Gif, line.data(), frame.Width) == GIF_ERROR) Fail(io, file.Gif->Error);
    uint8_t* dst = pixels->Row(frame.Top + row) + 3 * frame.Left;
    for (int x = 0; x < frame.Width; ++x) PutColor(dst + 3 * x, map, line[size_t(x)]);
  }
  return pixels;
}

void GifCodec::Write(TStream& Stream, const Surface& Pixels) {
  GifIo io;
  io.Stream = &Stream;
  const int w = Pixels.Width(), h = Pixels.Height();
  if (w <= 0 || h <= 0) Fail(io, "empty picture");
  TIndexedImage image = ColorQuantizer::Quantize(Pixels.Row(0), w, h, Pixels.Stride(), Pixels.BytesPerPixel());

  // A colour table holds a power of two entries, at least two.
  const int tableSize = 1 << std::max(1, GifBitSize(int(image.Palette.size())));
  std::vector<GifColorType> colors(size_t(tableSize), GifColorType {});
  for (size_t i = 0; i < image.Palette.size(); ++i)
    colors[i] = { image.Palette[i].R, image.Palette[i].G, image.Palette[i].B };
  MapObject map;
  map.Map = GifMakeMapObject(tableSize, colors.data());
  if (!map.Map) throw EOutOfResources("Out of system resources");

  EncoderFile file;
  int error = 0;
  file.Gif = EGifOpen(&io, OnWrite, &error);
  if (!file.Gif) Fail(io, error);
  if (EGifPutScreenDesc(file.Gif, w, h, map.Map->BitsPerPixel, 0, map.Map) == GIF_ERROR ||
      EGifPutImageDesc(file.Gif, 0, 0, w, h, false, nullptr) == GIF_ERROR)
    Fail(io, file.Gif->Error);
  for (int y = 0; y < h; ++y)
    if (EGifPutLine(file.Gif, image.Indexes.data() + size_t(y) * size_t(w), w) == GIF_ERROR) Fail(io, file.Gif->Error);
  GifFileType* gif = file.Gif;
  file.Gif = nullptr;
  if (EGifCloseFile(gif, &error) == GIF_ERROR || io.Failure) Fail(io, error);
}
