#pragma once
// A windowless text control: its caption drawn in its font, aligned and laid out in its rectangle,
// optionally wrapped, with the "&" accelerator focusing another control. Painting and sizing both go
// through DoDrawText, which descendants replace to draw the text their way.
#include "platform/base/TAlignment.h"
#include "platform/ui/toolkit/TGraphicControl.h"

class TWinControl;

/// Where the text sits vertically in the label.
enum TTextLayout { tlTop, tlCenter, tlBottom };

/// A label; see the file comment. AutoSize (on by default) fits the label to its text, keeping the right
/// edge for right-aligned text; a disabled label draws its text twice, in the highlight colour one pixel
/// down and right, then in the shadow colour.
class TCustomLabel : public TGraphicControl {
public:
  explicit TCustomLabel(TComponent* AOwner);
  ~TCustomLabel() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  /// Off: the label paints no background and what lies below shows through.
  bool Transparent() const { return !FControlStyle.Contains(csOpaque); }
  void SetTransparent(bool Value);
  /// On: "&x" underlines x and makes it the accelerator.
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  /// The control the label's accelerator gives the focus to.
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  void SetAutoSize(bool Value) override;

protected:
  /// Draws (or with DT_CALCRECT in Flags, measures into Rect) the label's text on Canvas.
  virtual void DoDrawText(TRect& Rect, unsigned Flags);
  /// The text DoDrawText draws: the caption.
  virtual String GetLabelText();
  /// With AutoSize, sizes the label to its text (not while loading).
  virtual void AdjustBounds();
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

private:
  TAlignment FAlignment { taLeftJustify };
  TTextLayout FLayout { tlTop };
  bool FWordWrap { false };
  bool FShowAccelChar { true };
  TWinControl* FFocusControl { nullptr };
};
