#pragma once
// The 24-bit bitmap of the skin's visual effects: hover transitions between two captured images, and the
// filters that render inactive frames, disabled images and turned tab images.
#include <cstdint>
#include <memory>

#include "platform/base/TObject.h"
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiRecords.h"

/// A top-down 24-bit bitmap section (blue, green, red; rows padded to a multiple of 4 bytes). A
/// transition changes the bitmap ("old") in place toward an argument bitmap ("new") of the same size by
/// a factor Kf from 0 (old) to 1 (new). Channel results are rounded half to even and clamped to 0..255.
/// A section the system refuses leaves a bitmap of no pixels, on which every operation does nothing.
class TskEffectBmp : public TObject {
public:
  /// A new section of cx x cy pixels (contents zero).
  TskEffectBmp(int cx, int cy);
  ~TskEffectBmp() override;
  TskEffectBmp(const TskEffectBmp&) = delete;
  TskEffectBmp& operator=(const TskEffectBmp&) = delete;

  /// A copy of the pixels of any platform bitmap, converted to 24 bits.
  static std::unique_ptr<TskEffectBmp> CreateFromhWnd(HBITMAP hBmp);
  /// A copy of another effect bitmap.
  static std::unique_ptr<TskEffectBmp> CreateCopy(const TskEffectBmp& Source);

  /// The whole image at (x, y) of the device context.
  void Draw(HDC DC, int x, int y);
  /// The whole image stretched onto (x, y, cx, cy).
  void Stretch(HDC DC, int x, int y, int cx, int cy);
  /// The cx x cy part at (x, y) of the image, unscaled, at (hx, hy) of the device context.
  void DrawRect(HDC DC, int hx, int hy, int x, int y, int cx, int cy);
  /// Copies the 3 x Width bytes of row y into Line.
  void GetScanLine(int y, uint8_t* Line) const;

  // Transitions; BMP must have this bitmap's width and height, else nothing happens.
  /// Every channel := (1 - Kf) old + Kf new, Kf limited to 0..1.
  void Morph(TskEffectBmp* BMP, double Kf);
  /// Morph of the pixels of Rct (cut to this bitmap) toward BMP's pixels from (StartX, StartY); pixels
  /// whose partner lies outside BMP are left. BMP may have any size.
  void MorphRect(TskEffectBmp* BMP, double Kf, const TRect& Rct, int StartX, int StartY);
  /// Rct's pixels, right and bottom edges included and cut to this bitmap, take BMP's pixels from
  /// (StartX, StartY); pixels whose partner lies outside BMP are left. BMP may have any size.
  void CopyRect(TskEffectBmp* BMP, const TRect& Rct, int StartX, int StartY);
  /// MorphVGrad for images taller than wide, else MorphHGrad.
  void MorphGrad(TskEffectBmp* BMP, double Kf);
  /// A band of new columns in the middle, Round(W Kf) wide, fading into old toward both sides.
  void MorphHGrad(TskEffectBmp* BMP, double Kf);
  /// The same across rows.
  void MorphVGrad(TskEffectBmp* BMP, double Kf);
  /// A gradient wipe from the left: new at column 0 fading to old at column Round(W Kf).
  void MorphLeftGrad(TskEffectBmp* BMP, double Kf);
  /// A gradient wipe from the right.
  void MorphRightGrad(TskEffectBmp* BMP, double Kf);
  /// New slides in from the left: its last Round(W Kf) columns cover the first of old.
  void MorphLeftSlide(TskEffectBmp* BMP, double Kf);
  /// New slides in from the right: its first Round(W Kf) columns cover the last of old.
  void MorphRightSlide(TskEffectBmp* BMP, double Kf);
  /// New pushes old to the right by Round(W Kf) + 1 columns.
  void MorphPush(TskEffectBmp* BMP, double Kf);

  // Filters on the bitmap itself.
  /// channel := (1 - Kf) channel + Kf 255, Kf limited to 0..1.
  void ChangeBrightness(double Kf);
  /// channel := (1 - Kf) channel, Kf limited to 0..1.
  void ChangeDarkness(double Kf);
  /// Every channel := 0.30 red + 0.59 green + 0.11 blue.
  void GrayScale();
  void Invert();
  /// In place, top row first and left to right: each channel := the mean (truncated) of the four pixels
  /// Amount rows and columns away diagonally, the pixel's own row or column standing in where one lies
  /// outside. Amount 0 or less does nothing.
  void SplitBlur(int Amount);
  /// Every ASize x ASize block from the top-left takes the colour of its top-left pixel.
  void Mosaic(int ASize);
  /// Adds one random value of -(Amount div 2) .. Amount - 1 - Amount div 2 per pixel to all three channels.
  void AddMonoNoise(int Amount);
  /// The same with a separate random value for red, green and blue, drawn in that order.
  void AddColorNoise(int Amount);
  /// Dst (Height wide, Width high) := this image turned a quarter counter-clockwise.
  void Rotate90_1(TskEffectBmp* Dst);
  /// Dst (Height wide, Width high) := this image turned a quarter clockwise.
  void Rotate90_2(TskEffectBmp* Dst);
  /// Dst (this size, or this bitmap itself) := this image upside down.
  void FlipVert(TskEffectBmp* Dst);
  /// Pixel (x, y) := pixel (x + RatioVal sin(y / YDIV), y + RatioVal sin(x / XDIV)), rounded and limited
  /// to the image. Nothing when XDIV or YDIV is 0.
  void Wave(int XDIV, int YDIV, int RatioVal);
  /// Scales into Dst by repeating each pixel over a block.
  void Resize(TskEffectBmp* Dst);

  // Mask filters: Msk has this width and at least this height; a pure white mask pixel protects the pixel
  // at its place. Nothing happens when the mask does not fit.
  /// SplitBlur of the unprotected pixels.
  void MaskBlur(TskEffectBmp* Msk, int Amount);
  /// Softens the unprotected pixels next to protected ones (by the SplitBlur neighbours) with the
  /// SplitBlur mean.
  void MaskAntialiasing(TskEffectBmp* Msk, int Amount);
  /// channel := (1 - kf) channel + kf C's channel on the unprotected pixels (kf not limited).
  void MaskFillColor(TskEffectBmp* Msk, TColor C, double kf);

  HBITMAP Handle { nullptr };
  int Width { 0 };
  int Height { 0 };
  /// Bytes of pixel memory: the row length times Height.
  int Size { 0 };
  /// The top row's first byte; null when there are no pixels.
  uint8_t* Bits { nullptr };
  BITMAPINFOHEADER BmpHeader;
  BITMAPINFO BmpInfo;

private:
  int RowBytes() const { return 3 * Width + Width % 4; }
  uint8_t* Row(int y) const { return Bits + ptrdiff_t(y) * RowBytes(); }
  uint8_t* Pixel(int x, int y) const { return Row(y) + ptrdiff_t(x) * 3; }
  bool SameSize(const TskEffectBmp* BMP) const;
  bool MaskFits(const TskEffectBmp* Msk) const;
  /// Where the four SplitBlur neighbours of (x, y) lie: up-left, down-left, up-right, down-right.
  void NeighbourPlaces(int x, int y, int Amount, TPoint (&Places)[4]) const;
  /// The pixel := the truncated mean of the pixels at Places.
  void BlurPixel(int x, int y, const TPoint (&Places)[4]);
  void BlurPixel(int x, int y, int Amount);
};
