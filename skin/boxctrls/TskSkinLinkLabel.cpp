#include "skin/boxctrls/TskSkinLinkLabel.h"

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/shell/IShellOpenService.h"
#include "skin/controls/skLabelText.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skGlowText.h"

TskSkinLinkLabel::TskSkinLinkLabel(TComponent* AOwner)
    : TskSkinLink<TCustomLabel>(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  SetSkinDataName("stdlabel");
  FDefaultFont->SetName("Tahoma");
  FDefaultFont->SetHeight(13);
  FDefaultFont->SetStyle(TFontStyles {}.Include(fsUnderline));
  SetTransparent(true);
  Font()->Assign(FDefaultFont.get());
  SetCursor(crHandPoint);
}

TskSkinLinkLabel::~TskSkinLinkLabel() = default;

void TskSkinLinkLabel::SetUseUnderLine(bool Value) {
  if (FUseUnderLine == Value) return;
  FUseUnderLine = Value;
  Repaint();
}

void TskSkinLinkLabel::GetSkinData() {
  TskSkinLink::GetSkinData();
  const auto* R = dynamic_cast<const TskDataSkinStdLabelControl*>(SkinRecord());
  if (!R) return;
  FontName = R->FontName;
  FontColor = R->FontColor;
  FontStyle = R->FontStyle;
  FontHeight = R->FontHeight;
  ActiveFontColor = R->ActiveFontColor;
}

TColor TskSkinLinkLabel::SelectFont() {
  TFont* F = Canvas()->Font();
  const bool HasRecord = FIndex != -1;
  if (!HasRecord) {
    F->Assign(FUseSkinFont ? FDefaultFont.get() : Font());
    if (FMouseIn) F->SetColor(FDefaultActiveFontColor);
    F->SetStyle(F->Style().Include(fsUnderline));
  } else {
    if (FUseSkinFont) {
      F->SetName(FontName);
      F->SetStyle(FontStyle);
      F->SetHeight(FontHeight);
    } else {
      F->Assign(Font());
    }
    F->SetColor(FMouseIn && !FGlowEffect ? ActiveFontColor : FontColor);
  }
  TskResourceStrData* Table = SkinData() ? SkinData()->ResourceStrData() : nullptr;
  F->SetCharset(Table ? Table->CharSet() : FDefaultFont->Charset());
  return HasRecord ? ActiveFontColor : FDefaultActiveFontColor;
}

void TskSkinLinkLabel::DoDrawText(TRect& Rect, unsigned Flags) {
  GetSkinData();
  String Text = GetLabelText();
  if ((Flags & DT_CALCRECT) && (Text.empty() || (ShowAccelChar() && Text == "&"))) Text = " ";
  if (!ShowAccelChar()) Flags |= DT_NOPREFIX;
  TRect R = FGlowEffect ? Rect.Offset(0, FGlowSize) : Rect;
  const TColor GlowColor = SelectFont();
  TFont* F = Canvas()->Font();
  if (Enabled()) {
    F->SetStyle(FUseUnderLine ? F->Style().Include(fsUnderline) : F->Style().Exclude(fsUnderline));
    if (FMouseIn && FGlowEffect && !(Flags & DT_CALCRECT))
      return DrawStrongGlowText(Canvas(), R, Text, Flags, 0, GlowColor, FGlowSize);
  }
  DrawLabelText(Canvas(), Text, R, Flags, Enabled(), FIndex != -1, SkinData(), false);
}

void TskSkinLinkLabel::Click() {
  TskSkinLink::Click();
  if (!FURL.empty()) IShellOpenService::Current().Open(FURL, "");
}

void TskSkinLinkLabel::Dispatch(TMessage& Message) {
  TskSkinLink::Dispatch(Message);
  if (Message.Msg != CM_MOUSEENTER && Message.Msg != CM_MOUSELEAVE) return;
  FMouseIn = Message.Msg == CM_MOUSEENTER;
  Repaint();
}
