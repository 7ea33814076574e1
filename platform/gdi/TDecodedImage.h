#pragma once
// Pictures of lossy or indexed formats kept as a decoded 24-bit bitmap.
#include <memory>

#include "platform/gdi/Surface.h"
#include "platform/gdi/TGraphic.h"

class TBitmap;

/// A picture held as a pf24bit TBitmap between reading and writing its file format (JPEG, GIF); it draws
/// through that bitmap. Descendants supply the codec.
class TDecodedImage : public TGraphic {
public:
  TDecodedImage();
  ~TDecodedImage() override;
  TDecodedImage(const TDecodedImage&) = delete;
  TDecodedImage& operator=(const TDecodedImage&) = delete;

  bool Empty() const override;
  int Width() const override;
  int Height() const override;

  /// From a picture of the same class or a TBitmap: a copy of its pixels.
  void Assign(TPersistent* Source) override;
  void LoadFromStream(TStream* Stream) override;
  /// Raises EInvalidGraphic for an empty picture.
  void SaveToStream(TStream* Stream) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

protected:
  /// Into a TBitmap: a pf24bit copy.
  void AssignTo(TPersistent* Dest) override;
  virtual std::unique_ptr<Surface> ReadPixels(TStream& Stream) = 0;
  virtual void WritePixels(TStream& Stream, const Surface& Pixels) = 0;

private:
  std::unique_ptr<TBitmap> FBitmap;
};
