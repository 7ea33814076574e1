#pragma once
// The platform label with the font and colour of the skin's "stdlabel" record, shortened with an
// ellipsis when it does not fit (EllipsType), and drawn in the skin's highlight and shadow colours when
// disabled. Painting, layout and auto-size stay the platform label's.
#include <memory>

#include "platform/ui/toolkit/TCustomLabel.h"
#include "skin/controls/TskSkinLink.h"
#include "skin/controls/skLabelText.h"

enum TskEllipsType { sketNone, sketEndEllips, sketPathEllips };

/// The skinned standard label; see the file comment.
class TskSkinStdLabel : public TskSkinLink<TCustomLabel> {
public:
  explicit TskSkinStdLabel(TComponent* AOwner);
  ~TskSkinStdLabel() override;

  TskEllipsType EllipsType() const { return FEllipsType; }
  void SetEllipsType(TskEllipsType Value);
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  bool UseSkinColor() const { return FUseSkinColor; }
  void SetUseSkinColor(bool Value) { FUseSkinColor = Value; }
  /// The font without a record (with UseSkinFont).
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }

  /// Also copies the record's font.
  void GetSkinData() override;
  /// Also fits an auto-sized label to the new font.
  void ChangeSkinData() override;
  /// Draws AText as the label draws its caption, onto C offset by (X, Y).
  void PaintSkinTo(TCanvas* C, int X, int Y, const String& AText);

  TskLabelFont Skin;

protected:
  void DoDrawText(TRect& Rect, unsigned Flags) override;

private:
  unsigned EllipsisFlag() const;
  /// Draws Text with the label's font choice on C.
  void DrawWith(TCanvas* C, const String& Text, TRect& Rect, unsigned Flags);

  TskEllipsType FEllipsType { sketNone };
  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont { true };
  bool FUseSkinColor { true };
};
