#pragma once
// The toolkit's font: name, height, style and colour of text, with the font handle made on demand.
#include "platform/base/TSet.h"
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/TFontObject.h"
#include "platform/gdi/TGraphicsObject.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

using TFontCharset = Byte;

/// A font. Height > 0 is the cell height in pixels (ascent + descent, internal leading included),
/// Height < 0 the em size; Size is in points at 96 pixels per inch (Height = −MulDiv(Size, 96, 72)).
/// Charset is kept as a number only. Each change of a value fires OnChange once.
class TFont : public TGraphicsObject {
public:
  TFont() = default;
  ~TFont() override;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  /// Copies name, height, style, colour, charset and pitch of another TFont, then fires OnChange.
  void Assign(TPersistent* Source) override;

  const String& Name() const { return FName; }
  /// An empty name is ignored.
  void SetName(const String& Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  int Size() const;
  void SetSize(int Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset Value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  int PixelsPerInch() const { return 96; }

  /// The font handle for the current values, made on first use and owned by the font.
  HFONT Handle();

protected:
  void Changed() override;

private:
  void FreeHandle();

  String FName { "MS Sans Serif" };
  int FHeight { -11 };
  TFontStyles FStyle;
  TColor FColor { clWindowText };
  TFontCharset FCharset { DEFAULT_CHARSET };
  TFontPitch FPitch { fpDefault };
  HFONT FHandle { nullptr };
};
