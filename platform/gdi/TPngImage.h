#pragma once
// The PNG picture: pixels, an optional alpha channel and the header's facts.
#include "platform/gdi/PngCodec.h"
#include "platform/gdi/TGraphic.h"

enum TPngTransparencyMode { ptmNone, ptmBit, ptmPartial };

/// The PNG header as the file gave it (ColorType is one of the COLOR_* values).
struct TPngHeader {
  int Width { 0 };
  int Height { 0 };
  int BitDepth { 8 };
  int ColorType { COLOR_RGB };
};

/// A PNG picture. Pixels are held as 8-bit B, G, R whatever the file's colour type (grey and palette
/// pictures are widened to RGB), with an alpha byte per pixel when the picture has alpha; the header's
/// colour type, bit depth and the tRNS transparent colour are kept. Draws with per-pixel alpha, or leaving
/// out the transparent colour. Saves 8-bit RGB (RGBA with alpha), zlib level CompressionLevel (7 unless
/// set), row filter Sub, not interlaced.
class TPngImage : public TGraphic {
public:
  TPngImage() = default;
  TPngImage(const TPngImage&) = delete;
  TPngImage& operator=(const TPngImage&) = delete;

  bool Empty() const override { return Width() == 0 || Height() == 0; }
  int Width() const override { return FPicture.Pixels ? FPicture.Pixels->Width() : 0; }
  int Height() const override { return FPicture.Pixels ? FPicture.Pixels->Height() : 0; }
  /// True unless the transparency mode is ptmNone.
  bool Transparent() const override { return TransparencyMode() != ptmNone; }

  TPngHeader Header() const;
  /// ptmBit: pixels of TransparentColor are transparent; ptmPartial: the alpha channel decides.
  TPngTransparencyMode TransparencyMode() const;
  /// The transparent colour of ptmBit (0 otherwise).
  TColor TransparentColor() const { return FPicture.BitTransparency ? FPicture.TransparentColor : 0; }

  /// Row Y as B, G, R triples. Raises EInvalidGraphic "Scan line index out of range" outside the picture.
  uint8_t* Scanline(int Y);
  /// Row Y of the alpha channel (one byte per pixel), null when the picture has none.
  uint8_t* AlphaScanline(int Y);
  /// Gives the picture an alpha channel: opaque, with the transparent colour of ptmBit turned into alpha 0.
  /// The colour type becomes COLOR_GRAYSCALEALPHA for grey pictures and COLOR_RGBALPHA otherwise.
  void CreateAlpha();

  int CompressionLevel() const { return FCompressionLevel; }
  /// 0 (none) to 9 (best); other values are clamped.
  void SetCompressionLevel(int Value);

  /// From a TPngImage a copy; from a TBitmap its pixels as an RGB picture (a transparent bitmap's
  /// colour becomes the tRNS colour).
  void Assign(TPersistent* Source) override;
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

protected:
  /// Into a TBitmap: pf32bit with the alpha bytes when the picture has alpha, else pf24bit (transparent
  /// with the tRNS colour under ptmBit).
  void AssignTo(TPersistent* Dest) override;

private:
  TPngPicture FPicture;
  int FCompressionLevel { 7 };
};
