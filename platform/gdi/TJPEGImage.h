#pragma once
// The JPEG picture.
#include "platform/gdi/TDecodedImage.h"

/// A JPEG picture: reads colour and grey JPEG files, writes baseline colour JPEG files at
/// CompressionQuality (1..100, 90 unless set).
class TJPEGImage : public TDecodedImage {
public:
  int CompressionQuality() const { return FCompressionQuality; }
  /// Values outside 1..100 are clamped.
  void SetCompressionQuality(int Value);

  /// As the base; from another TJPEGImage the quality too.
  void Assign(TPersistent* Source) override;

protected:
  std::unique_ptr<Surface> ReadPixels(TStream& Stream) override;
  void WritePixels(TStream& Stream, const Surface& Pixels) override;

private:
  int FCompressionQuality { 90 };
};
