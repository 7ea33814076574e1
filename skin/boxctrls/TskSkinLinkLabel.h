#pragma once
// A windowless hyperlink: a label in the font and colours of the skin's "stdlabel" record (DefaultFont
// without one), underlined, recoloured under the pointer (DefaultActiveFontColor, or the record's
// ActiveFontColor) or, with GlowEffect, given a glow of GlowSize in that colour while the text keeps its
// own colour and sits GlowSize pixels lower. A click fires OnClick and then asks the desktop to open URL
// (a single argument handed to the opener, never a command line).
//
// The text is measured into a rectangle of its own, so AutoSize and Layout leave the label as it is.
#include <memory>

#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/TCustomLabel.h"
#include "skin/controls/TskSkinLink.h"

/// The skinned link label; see the file comment.
class TskSkinLinkLabel : public TskSkinLink<TCustomLabel> {
public:
  explicit TskSkinLinkLabel(TComponent* AOwner);
  ~TskSkinLinkLabel() override;

  bool GlowEffect() const { return FGlowEffect; }
  void SetGlowEffect(bool Value) { FGlowEffect = Value; }
  int GlowSize() const { return FGlowSize; }
  void SetGlowSize(int Value) { FGlowSize = Value; }
  bool UseUnderLine() const { return FUseUnderLine; }
  /// A change repaints.
  void SetUseUnderLine(bool Value);
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  TColor DefaultActiveFontColor() const { return FDefaultActiveFontColor; }
  void SetDefaultActiveFontColor(TColor Value) { FDefaultActiveFontColor = Value; }
  const String& URL() const { return FURL; }
  void SetURL(const String& Value) { FURL = Value; }
  /// The font without a record ("Tahoma" 13, underlined); assigned by copy.
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  bool MouseIn() const { return FMouseIn; }

  /// Also copies the record's font and colours (a record of another kind leaves them).
  void GetSkinData() override;
  void Click() override;

  String FontName { "Tahoma" };
  TFontStyles FontStyle;
  int FontHeight { 13 };
  TColor FontColor { clBlack };
  TColor ActiveFontColor { clBlue };

protected:
  void DoDrawText(TRect& Rect, unsigned Flags) override;
  void Dispatch(TMessage& Message) override;

private:
  /// Gives the canvas the text font and answers the glow colour.
  TColor SelectFont();

  bool FGlowEffect { false };
  int FGlowSize { 7 };
  bool FMouseIn { false };
  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont { true };
  TColor FDefaultActiveFontColor { clBlue };
  String FURL;
  bool FUseUnderLine { true };
};
