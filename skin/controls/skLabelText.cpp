#include "skin/controls/skLabelText.h"

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skSkinColors.h"

void TskLabelFont::Read(const TskDataSkinControl* Record) {
  const auto* Label = dynamic_cast<const TskDataSkinStdLabelControl*>(Record);
  if (!Label) return;
  FontName = Label->FontName;
  FontStyle = Label->FontStyle;
  FontHeight = Label->FontHeight;
  FontColor = Label->FontColor;
}

void SelectLabelFont(TCanvas* Canvas, bool HasRecord, const TskLabelFont& Skin, TFont* DefaultFont, TFont* Font,
                     bool UseSkinFont, bool UseSkinColor, TskSkinData* Model) {
  TFont* F = Canvas->Font();
  if (!HasRecord) {
    F->Assign(UseSkinFont ? DefaultFont : Font);
  } else {
    if (UseSkinFont) {
      F->SetName(Skin.FontName);
      F->SetStyle(Skin.FontStyle);
      F->SetHeight(Skin.FontHeight);
    } else {
      F->Assign(Font);
    }
    F->SetColor(UseSkinColor ? Skin.FontColor : Font->Color());
  }
  F->SetCharset(Model && Model->ResourceStrData() ? Model->ResourceStrData()->CharSet() : DefaultFont->Charset());
}

void DrawLabelText(TCanvas* Canvas, const String& Text, TRect& R, unsigned Flags, bool Enabled, bool HasRecord,
                   TskSkinData* Model, bool Extended) {
  const auto Draw = [&](TRect& Where) {
    if (Extended)
      DrawTextEx(Canvas->Handle(), Text, Where, Flags, nullptr);
    else
      DrawText(Canvas->Handle(), Text, Where, Flags);
  };
  if (Enabled || (Flags & DT_CALCRECT)) return Draw(R);
  const bool Skinned = HasRecord && Model;
  TRect Moved = Bounds(R.Left + 1, R.Top + 1, R.Width(), R.Height());
  Canvas->Font()->SetColor(Skinned ? Model->SkinColors()->cBtnHighLight() : clBtnHighlight);
  Draw(Moved);
  Canvas->Font()->SetColor(Skinned ? Model->SkinColors()->cBtnShadow() : clBtnShadow);
  Draw(R);
}
