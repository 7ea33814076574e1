#pragma once
// A windowless multi-line label whose text is a string list, drawn in the font and colour of the skin's
// "stdlabel" record (or its own), aligned, laid out and optionally wrapped; with AutoSize it takes the size
// of its lines (the line break after the last line adds no line).
#include <memory>

#include "platform/base/TAlignment.h"
#include "platform/ui/toolkit/TCustomLabel.h"
#include "skin/controls/TskSkinLink.h"
#include "skin/controls/skLabelText.h"

class TStringList;
class TStrings;

/// The skinned text label; see the file comment.
class TskSkinTextLabel : public TskSkinLink<TGraphicControl> {
public:
  explicit TskSkinTextLabel(TComponent* AOwner);
  ~TskSkinTextLabel() override;

  TStrings* Lines() const;
  /// Assigns the strings and repaints.
  void SetLines(TStrings* Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  void SetAutoSize(bool Value) override;
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  bool UseSkinColor() const { return FUseSkinColor; }
  void SetUseSkinColor(bool Value) { FUseSkinColor = Value; }
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }

  void GetSkinData() override;
  void ChangeSkinData() override;

  TskLabelFont Skin;

protected:
  /// The text drawn: every line followed by a line break.
  virtual String GetLabelText();
  /// With AutoSize, fits the label to its text, keeping the right edge of right-aligned text.
  virtual void AdjustBounds();
  void Paint() override;
  void Loaded() override;
  void Dispatch(TMessage& Message) override;

private:
  void DoDrawText(TRect& Rect, unsigned Flags);
  void LinesChanged();

  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont { true };
  bool FUseSkinColor { true };
  std::unique_ptr<TStringList> FLines;
  TAlignment FAlignment { taLeftJustify };
  TTextLayout FLayout { tlTop };
  bool FWordWrap { false };
};
