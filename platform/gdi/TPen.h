#pragma once
// The toolkit's pen: colour, width, style and mix mode of lines and outlines, with the pen handle made on
// demand.
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/TGraphicsObject.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

/// How pen pixels combine with the pixels under them: pmCopy draws the colour, pmNot inverts, pmXor
/// XORs the colour in, pmNotXor XORs its complement; pmBlack, pmWhite and pmNop ignore the colour.
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmXor, pmNotXor };

/// A pen; each change of a value fires OnChange once. Mode is applied by the canvas (it is not part of
/// the handle).
class TPen : public TGraphicsObject {
public:
  TPen() = default;
  ~TPen() override;
  TPen(const TPen&) = delete;
  TPen& operator=(const TPen&) = delete;

  /// Copies colour, width, style and mode of another TPen, then fires OnChange.
  void Assign(TPersistent* Source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode Value);

  /// The pen handle for the current values, made on first use and owned by the pen.
  HPEN Handle();
  /// The R2_* mix mode of Mode.
  int Rop2() const;

protected:
  void Changed() override;

private:
  void FreeHandle();

  TColor FColor { clBlack };
  int FWidth { 1 };
  TPenStyle FStyle { psSolid };
  TPenMode FMode { pmCopy };
  HPEN FHandle { nullptr };
};
