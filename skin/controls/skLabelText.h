#pragma once
// What both skinned labels do with their text: take the font of their "stdlabel" record (or their own)
// and draw it, twice in the highlight and shadow colours when disabled.
#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"

class TCanvas;
class TskDataSkinControl;
class TskSkinData;

/// The font fields a label copies from its record.
struct TskLabelFont {
  String FontName { "Tahoma" };
  TFontStyles FontStyle;
  int FontHeight { 13 };
  TColor FontColor { 0 };

  /// Copies the record's font when it is a "stdlabel" record; any other record leaves the fields.
  void Read(const TskDataSkinControl* Record);
};

/// Gives Canvas the drawing font: without a record DefaultFont (UseSkinFont) or Font; with one the record's
/// name, style and height (UseSkinFont) and colour (UseSkinColor), else Font's; the character set of the
/// model's string table, else DefaultFont's.
void SelectLabelFont(TCanvas* Canvas, bool HasRecord, const TskLabelFont& Skin, TFont* DefaultFont, TFont* Font,
                     bool UseSkinFont, bool UseSkinColor, TskSkinData* Model);
/// Draws (or with DT_CALCRECT measures into R) Text once when Enabled, else twice: moved by (1, 1) in the
/// highlight colour, then in place in the shadow colour (the model's, or the system's without a record).
/// Extended picks DrawTextEx.
void DrawLabelText(TCanvas* Canvas, const String& Text, TRect& R, unsigned Flags, bool Enabled, bool HasRecord,
                   TskSkinData* Model, bool Extended);
