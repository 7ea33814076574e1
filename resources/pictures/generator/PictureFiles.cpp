#include "resources/pictures/generator/PictureFiles.h"

#include "platform/base/TMemoryStream.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/IcoCodec.h"
#include "platform/gdi/TPngImage.h"

namespace {

std::vector<Byte> Bytes(TMemoryStream& Stream) {
  const auto* data = static_cast<const Byte*>(Stream.Memory());
  return { data, data + Stream.Size() };
}

}  // namespace

TProgramPicture KeyedPicture(const char* Name, const TPictureCanvas& Canvas) {
  TMemoryStream stream;
  Canvas.Keyed(clFuchsia)->SaveToStream(&stream);
  return { Name, ".bmp", Bytes(stream) };
}

TProgramPicture PngPicture(const char* Name, const TPictureCanvas& Canvas) {
  const TIconImage image = Canvas.Image();
  TBitmap colours;
  colours.SetPixelFormat(pf24bit);
  colours.SetSize(image.Width(), image.Height());
  TPngImage png;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) colours.Handle()->Pixels().SetPixel(x, y, image.Pixels->Pixel(x, y));
  png.Assign(&colours);
  png.CreateAlpha();
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) png.AlphaScanline(y)[x] = uint8_t(image.Pixels->Pixel(x, y) >> 24);
  png.SetCompressionLevel(9);
  TMemoryStream stream;
  png.SaveToStream(&stream);
  return { Name, ".png", Bytes(stream) };
}

TProgramPicture IconPicture(const char* Name, const std::function<void(TPictureCanvas&, double)>& Draw) {
  TIconImages images;
  for (int side : IconSizes) {
    TPictureCanvas canvas(side, side);
    Draw(canvas, side);
    images.push_back(canvas.Image());
  }
  TMemoryStream stream;
  IcoCodec::Write(stream, images);
  return { Name, ".ico", Bytes(stream) };
}
