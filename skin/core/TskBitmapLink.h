#pragma once
// A named rectangle of a working bitmap.
#include "platform/base/TPersistent.h"
#include "platform/base/Types.h"

class TCanvas;
class TStream;
class TskBitmap;

/// A rectangle of a working bitmap that it refers to without owning, with a name and three flags that
/// CheckingMasked sets from the rectangle's see-through pixels.
class TskBitmapLink : public TPersistent {
public:
  /// Image set and the rectangle's width times height positive.
  bool Assigned() const;
  TskBitmap* Image() const { return FImage; }
  void SetImage(TskBitmap* Value) { FImage = Value; }
  const TRect& Rect() const { return FRect; }
  void SetRect(const TRect& Value) { FRect = Value; }
  bool Masked() const { return FMasked; }
  void SetMasked(bool Value) { FMasked = Value; }
  bool MaskedBorder() const { return FMaskedBorder; }
  void SetMaskedBorder(bool Value) { FMaskedBorder = Value; }
  bool MaskedAngles() const { return FMaskedAngles; }
  void SetMaskedAngles(bool Value) { FMaskedAngles = Value; }
  const String& Name() const { return FName; }
  void SetName(const String& Value) { FName = Value; }
  int Left() const { return FRect.Left; }
  void SetLeft(int Value) { FRect.Left = Value; }
  int Top() const { return FRect.Top; }
  void SetTop(int Value) { FRect.Top = Value; }
  int Right() const { return FRect.Right; }
  void SetRight(int Value) { FRect.Right = Value; }
  int Bottom() const { return FRect.Bottom; }
  void SetBottom(int Value) { FRect.Bottom = Value; }

  /// From another link: image reference, rectangle, name and flags; otherwise EConvertError.
  void Assign(TPersistent* Source) override;
  /// The stored form: the name as the working bitmap stores it, then Left, Top, Right, Bottom (signed
  /// 32-bit each).
  void LoadFromStream(TStream* Stream);
  void SaveToStream(TStream* Stream);

  /// Draws the rectangle of the image at (X, Y), when the image has pixels and the rectangle is not empty.
  void Draw(TCanvas* Canvas, int X, int Y);
  void Draw(TskBitmap* Bitmap, int X, int Y);

  /// Masked := some pixel of the rectangle is see-through (TransparentKeyColor, or an alpha other than
  /// 255, except the value 0x33333333; places beyond the image count).
  void CheckingMasked();
  /// With a margin (Left, Top, Right, Bottom widths) that is not all zero, the see-through pixels are
  /// sorted by where they lie: the four corner zones set MaskedAngles, the four edge zones MaskedBorder,
  /// the centre Masked.
  void CheckingMasked(const TRect& Margin);

private:
  bool Drawable() const;

  TskBitmap* FImage { nullptr };
  TRect FRect;
  String FName;
  bool FMaskedBorder { false };
  bool FMaskedAngles { false };
  bool FMasked { false };
};
