#pragma once
// The skin's 32-bit working bitmap: pixels with an alpha channel, its own device context, and the
// drawing rules that keep the alpha channel intact when one working bitmap is drawn onto another.
#include <memory>
#include <vector>

#include "platform/base/TPersistent.h"
#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "skin/core/skPixelKernels.h"

class TBitmap;
class TCanvas;
class TGraphic;
class TStream;
class TskBitmapLink;

/// A top-down 32-bit bitmap section with a memory device context selected with it and a canvas on that
/// context. AlphaBlend and Transparent tell how it is drawn: with per-pixel alpha (wins), leaving out
/// TransparentKeyColor pixels, or copied. Every bitmap that holds pixels is in a process-wide registry,
/// so drawing onto the device context of a working bitmap writes straight into its pixels.
class TskBitmap : public TPersistent {
public:
  TskBitmap();
  ~TskBitmap() override;
  TskBitmap(const TskBitmap&) = delete;
  TskBitmap& operator=(const TskBitmap&) = delete;

  /// The first working bitmap whose device context is DC, or null.
  static TskBitmap* FromDC(HDC DC);

  /// New pixels of |AWidth| x |AHeight| (contents undefined until written). Nothing happens when either
  /// side is 0 or the size is the current one. Raises Exception "Can't allocate the DIB handle", "Can't
  /// create compatible DC" or "Can't bslect an object into DC" when the system refuses; the bitmap is then
  /// empty and 0 x 0.
  void SetSize(int AWidth, int AHeight);
  bool Empty() const { return FHandle == nullptr; }

  HBITMAP Handle() const { return FHandle; }
  HDC DC() const { return FDC; }
  /// A canvas on DC, made at the first request and kept on the bitmap's context across resizes.
  TCanvas* Canvas();
  /// The top-left pixel; rows follow top to bottom, Width pixels each, no padding. Null while empty.
  TskColor* Bits() const { return FBits; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value) { FTransparent = Value; }
  const String& Name() const { return FName; }
  void SetName(const String& Value) { FName = Value; }
  /// A flag kept for the caller; nothing here reads it.
  bool NewFormat() const { return FNewFormat; }
  void SetNewFormat(bool Value) { FNewFormat = Value; }

  /// Row Y and pixel (X, Y); the caller keeps them inside the bitmap.
  TskColor* ScanLine(int Y) const;
  TskColor* PixelPtr(int X, int Y) const;
  /// Writes the pixel when (X, Y) lies inside a bitmap that has pixels.
  void SetPixel(int X, int Y, TskColor Color);

  void Clear(TskColor Color);
  /// The alpha byte of every pixel, or of the pixels of R clipped to the bitmap.
  void SetAlpha(Byte Alpha);
  void SetAlpha(Byte Alpha, const TRect& R);
  /// Lowers each colour channel of every pixel to that pixel's alpha where it is above it.
  void CheckRGBA();
  /// Premultiplies: each colour channel becomes round(channel * alpha / 255).
  void CheckRGBA2();
  /// AlphaBlend := some pixel has an alpha other than 0 and 255 (false while empty). The rectangle form
  /// examines the whole bitmap as well.
  void CheckingAlphaBlend();
  void CheckingAlphaBlend(const TRect& ARect);
  /// Every pixel whose red, green and blue are each within 5 of those of Color (a pixel value) becomes
  /// TransparentKeyColor; Transparent := some pixel did. The rectangle form examines the whole bitmap.
  void CheckingTransparent(TskColor Color);
  void CheckingTransparent(const TRect& ARect, TskColor Color);
  /// Fills R clipped to the bitmap: blended by Color's alpha while AlphaBlend is set, else written.
  void FillRect(const TRect& R, TskColor Color);

  /// From a working bitmap (pixels, name and flags), a 32-bit TBitmap (pixels with alpha, then
  /// CheckingAlphaBlend), any other TBitmap or a picture holding one (opaque copy), or any other graphic
  /// (drawn, then opaque). Anything else raises EConvertError.
  void Assign(TPersistent* Source) override;
  /// Draws Graphic stretched to DstRect over the pixels; pure magenta pixels of the result are left out.
  void DrawGraphic(TGraphic* Graphic, const TRect& DstRect);

  // Drawing with this bitmap as the source, by its flags. Onto a device context: a working bitmap's own
  // context is drawn into directly (after subtracting the context's window origin); per-pixel alpha goes
  // through a temporary working bitmap of the destination's pixels; transparent bitmaps use the system's
  // transparent copy; others a stretched copy. Into a working bitmap: DstRect is clipped to it, a SrcRect
  // not inside this bitmap draws nothing, and scaling maps destination column x to source column
  // Round((x - Dst.Left) * (SrcW - 1) / (DstW - 1) + Src.Left) (half to even), or to the middle column
  // when DstW is below 2; rows likewise.
  void Draw(HDC DC, int X, int Y);
  void Draw(HDC DC, int X, int Y, const TRect& SrcRect);
  void Draw(HDC DC, const TRect& DstRect);
  void Draw(HDC DC, const TRect& DstRect, const TRect& SrcRect);
  void Draw(TCanvas* Canvas, int X, int Y);
  void Draw(TCanvas* Canvas, int X, int Y, const TRect& SrcRect);
  void Draw(TCanvas* Canvas, const TRect& DstRect);
  void Draw(TCanvas* Canvas, const TRect& DstRect, const TRect& SrcRect);
  void Draw(TskBitmap* Bitmap, int X, int Y);
  void Draw(TskBitmap* Bitmap, int X, int Y, const TRect& SrcRect);
  void Draw(TskBitmap* Bitmap, const TRect& DstRect);
  void Draw(TskBitmap* Bitmap, const TRect& DstRect, const TRect& SrcRect);

  /// Repeats SrcRect unscaled over DstRect from its top-left corner; tiles at the right and bottom are cut
  /// to DstRect and show the top-left part of SrcRect.
  void Tile(HDC DC, const TRect& DstRect, const TRect& SrcRect);
  void Tile(TCanvas* Canvas, const TRect& DstRect, const TRect& SrcRect);
  void Tile(TskBitmap* Bitmap, const TRect& DstRect, const TRect& SrcRect);
  /// As Tile, drawing only the tiles that meet DstClip (every tile when DstClip is empty).
  void TileClip(HDC DC, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect);
  void TileClip(TCanvas* Canvas, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect);
  void TileClip(TskBitmap* Bitmap, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect);

  /// Puts SrcRect of Bitmap behind this bitmap's pixels at (X, Y): a pixel of alpha 0 takes Bitmap's, a
  /// pixel of alpha 255 stays, a pixel in between is blended over Bitmap's.
  void MergeDraw(TskBitmap* Bitmap, int X, int Y, const TRect& SrcRect);

  // Shape and text drawing of the bitmap's interface that draws nothing (the text measures return 0):
  // painters draw shapes and text through Canvas.
  void DrawBevel(const TRect&, TskColor, int, bool) {}
  void DrawEdge(const TRect&, TskColor, TskColor) {}
  void DrawEllipse(const TRect&, TskColor) {}
  void DrawFocusRect(const TRect&, TskColor) {}
  void DrawLine(const TRect&, TskColor) {}
  void DrawRect(const TRect&, TskColor) {}
  void FillEllipse(const TRect&, TskColor) {}
  void DrawRoundRect(const TRect&, int, TskColor) {}
  void FillRoundRect(const TRect&, int, TskColor) {}
  void DrawPolygon(const std::vector<TPoint>&, TskColor) {}
  void FillPolygon(const std::vector<TPoint>&, TskColor) {}
  void FillHalftonePolygon(const std::vector<TPoint>&, TskColor, TskColor) {}
  void FillHalftoneRect(const TRect&, TskColor, TskColor) {}
  void FillGradientRect(const TRect&, TskColor, TskColor, bool) {}
  void FillRadialGradientRect(const TRect&, TskColor, TskColor, const TPoint&) {}
  void MoveTo(int, int) {}
  void LineTo(int, int, TskColor) {}
  int DrawText(const String&, const TRect&, unsigned) { return 0; }
  int DrawText(const String&, int, int) { return 0; }
  int DrawVerticalText(const String&, const TRect&, unsigned, bool) { return 0; }
  int TextWidth(const String&, unsigned) { return 0; }
  int TextHeight(const String&) { return 0; }

  // Colour adjustments in hue, saturation and lightness; pixels of alpha 0 are left alone.
  /// Adds Delta to red, green and blue (clamped).
  void ChangeBitmapBrightness(int DeltaBrightness);
  /// Gives every pixel the hue Hue / 255 (Hue limited to 0..255).
  void SetBitmapHue(int Hue);
  /// Shifts the hue (in 255ths, wrapping round).
  void ChangeBitmapHue(int DeltaHue);
  /// Shifts the saturation (in 255ths, wrapping round).
  void ChangeBitmapSat(int DeltaSat);

  /// Turns the image upside down.
  void FlipVert();
  /// Flip, then fade the alpha from the top row downwards, reaching 0 at the middle row; the first row
  /// keeps a third (Reflection), a quarter (Reflection2) or half (Reflection3) of its alpha.
  void Reflection();
  void Reflection2();
  void Reflection3();

  /// The stored form: the name, the width, the height (zero or negative: rows stored bottom to top) and
  /// the pixels. Loading raises the stream's read error on a short stream.
  void LoadFromStream(TStream* Stream);
  void SaveToStream(TStream* Stream);
  /// The BMP picture the program carries under ResName (EmbeddedResources.h), assigned as a TBitmap of it
  /// would be. A name the program has none of raises EResNotFound, another format its reading error;
  /// the bitmap is then unchanged.
  void LoadFromResource(const String& ResName);
  /// The PCX picture from Stream's position on (ReadPcxImage), every pixel opaque; a stream that is no
  /// PCX leaves the bitmap unchanged.
  void LoadFromPcxStream(TStream* Stream);

  /// A new link to the rectangle of this bitmap, named like the bitmap; the text form takes the
  /// rectangle as RectFromText reads it.
  std::unique_ptr<TskBitmapLink> GetBitmapLink(const TRect& Rect);
  std::unique_ptr<TskBitmapLink> GetBitmapLink(const String& Rect);

protected:
  /// Into a TBitmap (or a TPicture's bitmap): made 32-bit and this size, then this bitmap is drawn onto
  /// it at (0, 0) by its flags. Anything else raises EConvertError.
  void AssignTo(TPersistent* Dest) override;

private:
  enum class TDrawMode { Copy, Transparent, Blend };

  TDrawMode Mode() const;
  void ReleasePixels();
  void AssignBitmap(TBitmap* Source);
  void AssignGraphic(TGraphic* Graphic);
  void DrawThroughTemporary(HDC DC, const TRect& DstRect, const TRect& SrcRect);
  void DrawScaled(TskBitmap* Target, const TRect& DstRect, const TRect& SrcRect, const TRect& Clipped);
  void Reflect(int Divisor);
  template <class TTileDraw> void ForEachTile(const TRect& DstRect, const TRect& SrcRect, const TRect* DstClip,
                                              TTileDraw&& DrawTile);

  TskColor* FBits { nullptr };
  int FWidth { 0 };
  int FHeight { 0 };
  String FName;
  HBITMAP FHandle { nullptr };
  HDC FDC { nullptr };
  std::unique_ptr<TCanvas> FCanvas;
  bool FAlphaBlend { false };
  bool FTransparent { false };
  bool FNewFormat { false };
  bool FRegistered { false };
};

/// Blurs red, green and blue of Bitmap with triangle weights r + 1 - |k| for k in -Radius..Radius,
/// horizontally then vertically, edge pixels repeated; every pixel ends with alpha 255. A Radius of 0 or
/// less does nothing.
void StackBlurBitmap(TskBitmap* Bitmap, int Radius);
/// Alpha of each pixel of Bitmap := (red + green + blue) div 3 of Mask's pixel at the same place; pixels
/// beyond a smaller Mask get alpha 0.
void SetAlphaFromMask(TskBitmap* Bitmap, TskBitmap* Mask);
/// SetAlphaFromMask, then CheckRGBA2.
void SetPremultipliedAlphaFromMask(TskBitmap* Bitmap, TskBitmap* Mask);
