#pragma once
// The toolkit's brush: how the canvas fills areas and text backgrounds, with the brush handle made on
// demand.
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/TGraphicsObject.h"

/// bsSolid fills with Color; bsClear leaves the background as it is (text is drawn transparently).
enum TBrushStyle { bsSolid, bsClear };

/// A brush; each change of a value fires OnChange once.
class TBrush : public TGraphicsObject {
public:
  TBrush() = default;
  ~TBrush() override;
  TBrush(const TBrush&) = delete;
  TBrush& operator=(const TBrush&) = delete;

  /// Copies colour and style of another TBrush, then fires OnChange.
  void Assign(TPersistent* Source) override;

  TColor Color() const { return FColor; }
  /// Any colour, the brush's own included, makes a clear brush solid: painters set the colour to fill with
  /// it after drawing text with a clear brush.
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);

  /// The brush handle for the current values (the stock null brush for bsClear), made on first use.
  HBRUSH Handle();

protected:
  void Changed() override;

private:
  void FreeHandle();

  TColor FColor { clWhite };
  TBrushStyle FStyle { bsSolid };
  HBRUSH FHandle { nullptr };
};
