#pragma once
// The toolkit's bitmap: a platform bitmap with a canvas, scan lines and BMP storage.
#include <memory>

#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/TGraphic.h"

class TCanvas;
class TBitmapCanvas;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };

/// A bitmap held as a top-down device-independent bitmap: pf24bit as 24-bit rows (B, G, R, padded to 4
/// bytes), every other format as 32-bit rows (B, G, R, A); the format asked for is remembered. A monochrome
/// bitmap is a 1-bit platform bitmap. New and newly uncovered pixels are white. Allocation failure raises
/// EOutOfResources and keeps the bitmap as it was. Streams hold BMP files (pf32bit as 32 bits, every other
/// format as 24 bits).
class TBitmap : public TGraphic {
public:
  TBitmap();
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  bool Empty() const override { return FHandle == nullptr; }
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  void SetWidth(int Value) { SetSize(Value, FHeight); }
  void SetHeight(int Value) { SetSize(FWidth, Value); }
  /// Resizes keeping the pixels both sizes share; a side of 0 or less makes the bitmap empty.
  void SetSize(int AWidth, int AHeight);

  TPixelFormat PixelFormat() const { return FPixelFormat; }
  /// Converts the pixels when the row layout changes (pf24bit against the others).
  void SetPixelFormat(TPixelFormat Value);
  TBitmapHandleType HandleType() const { return FMonochrome ? bmDDB : bmDIB; }
  bool Monochrome() const { return FMonochrome; }
  /// Making a bitmap monochrome keeps white pixels white and turns every other pixel black.
  void SetMonochrome(bool Value);

  /// Row Y, top row first: for pf24bit B, G, R triples, otherwise B, G, R, A quadruples. Raises
  /// EInvalidGraphic "Scan line index out of range" outside 0..Height - 1.
  void* ScanLine(int Y);
  /// A canvas over a memory DC holding this bitmap, made on first use and kept with the bitmap.
  TCanvas* Canvas();
  /// The platform bitmap, null while empty; the bitmap keeps owning it.
  HBITMAP Handle() const { return FHandle; }

  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);
  /// tmAuto: the colour of the bottom-left pixel (clDefault while empty); tmFixed: the colour set.
  TColor TransparentColor() const;
  /// Sets the colour and switches to tmFixed.
  void SetTransparentColor(TColor Value);

  /// Kept for callers that release memory between uses; the pixels always stay in memory here.
  void Dormant() {}
  void FreeImage() {}

  /// From a TBitmap (or a TPicture holding one): a copy of its pixels and settings; null empties the
  /// bitmap; other graphics convert themselves when they can (else EConvertError).
  void Assign(TPersistent* Source) override;
  /// Reads one BMP file; the pixel format follows its bits per pixel.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  /// Stretches the bitmap onto Rect with the canvas's copy mode; transparent bitmaps leave out their
  /// transparent colour.
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

private:
  /// Replaces the platform bitmap (the canvas lets go of the old one first) and fires OnChange.
  void ReplaceHandle(HBITMAP Bitmap, TPixelFormat Format, bool Monochrome);
  HBITMAP CopyInto(int AWidth, int AHeight, TPixelFormat Format, bool Monochrome) const;

  HBITMAP FHandle { nullptr };
  int FWidth { 0 };
  int FHeight { 0 };
  TPixelFormat FPixelFormat { pfDevice };
  bool FMonochrome { false };
  TTransparentMode FTransparentMode { tmAuto };
  TColor FTransparentColor { clDefault };
  std::unique_ptr<TBitmapCanvas> FCanvas;
};
