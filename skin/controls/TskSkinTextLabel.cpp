#include "skin/controls/TskSkinTextLabel.h"

#include "platform/base/TStringList.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"

namespace {

unsigned AlignmentFlag(TAlignment Alignment) {
  switch (Alignment) {
  case taRightJustify: return DT_RIGHT;
  case taCenter: return DT_CENTER;
  default: return DT_LEFT;
  }
}

}  // namespace

TskSkinTextLabel::TskSkinTextLabel(TComponent* AOwner)
    : TskSkinLink<TGraphicControl>(AOwner), FDefaultFont(std::make_unique<TFont>()),
      FLines(std::make_unique<TStringList>()) {
  FControlStyle.Exclude(csOpaque);
  FControlStyle.Include(csReplicatable);
  FWidth = 65;
  FHeight = 65;
  TGraphicControl::SetAutoSize(true);
  SetSkinDataName("stdlabel");
  FLines->OnChange = [this](TObject*) { LinesChanged(); };
}

TskSkinTextLabel::~TskSkinTextLabel() = default;

TStrings* TskSkinTextLabel::Lines() const { return FLines.get(); }

void TskSkinTextLabel::SetLines(TStrings* Value) {
  FLines->Assign(Value);
  Repaint();
}

void TskSkinTextLabel::LinesChanged() {
  if (AutoSize()) AdjustBounds();
  Invalidate();
}

void TskSkinTextLabel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Invalidate();
}

void TskSkinTextLabel::SetLayout(TTextLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Invalidate();
}

void TskSkinTextLabel::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TskSkinTextLabel::SetAutoSize(bool Value) {
  if (Value == AutoSize()) return;
  TGraphicControl::SetAutoSize(Value);
  AdjustBounds();
}

void TskSkinTextLabel::GetSkinData() {
  TskSkinLink::GetSkinData();
  if (FIndex != -1) Skin.Read(SkinRecord());
}

void TskSkinTextLabel::ChangeSkinData() {
  GetSkinData();
  if (AutoSize()) AdjustBounds();
  Invalidate();
}

void TskSkinTextLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TskSkinTextLabel::Dispatch(TMessage& Message) {
  TskSkinLink::Dispatch(Message);
  if (Message.Msg == CM_FONTCHANGED) {
    AdjustBounds();
    Invalidate();
  }
}

String TskSkinTextLabel::GetLabelText() {
  String Text;
  for (int i = 0; i < FLines->Count(); ++i) Text += FLines->Strings(i) + "\r\n";
  return Text;
}

void TskSkinTextLabel::DoDrawText(TRect& Rect, unsigned Flags) {
  GetSkinData();
  TCanvas* C = Canvas();
  SelectLabelFont(C, FIndex != -1, Skin, FDefaultFont.get(), Font(), FUseSkinFont, FUseSkinColor, SkinData());
  DrawLabelText(C, GetLabelText(), Rect, Flags & ~DT_NOPREFIX, Enabled(), FIndex != -1, SkinData(), false);
}

void TskSkinTextLabel::Paint() {
  TCanvas* C = Canvas();
  C->Brush()->SetStyle(bsClear);
  TRect R = ClientRect();
  const unsigned Flags = (FWordWrap ? DT_WORDBREAK : 0) | DT_EXPANDTABS | AlignmentFlag(FAlignment);
  if (FLayout != tlTop) {
    TRect Measured = R;
    DoDrawText(Measured, Flags | DT_CALCRECT);
    // The break after the last line is measured as one more line.
    Measured.Bottom -= C->TextHeight("A");
    const int Shift = FLayout == tlBottom ? Height() - Measured.Bottom : (Height() - Measured.Bottom) / 2;
    R = Bounds(R.Left, R.Top + Shift, R.Width(), R.Height());
  }
  DoDrawText(R, Flags);
}

// Measures on a memory DC, so a label sizes itself before it has a parent window.
void TskSkinTextLabel::AdjustBounds() {
  if (ComponentState().Contains(csLoading) || !AutoSize()) return;
  TRect R = ClientRect();
  const HDC DC = CreateCompatibleDC(nullptr);
  Canvas()->SetHandle(DC);
  DoDrawText(R, (FWordWrap ? DT_WORDBREAK : 0) | DT_CALCRECT | DT_EXPANDTABS);
  int X = Left();
  if (FAlignment == taRightJustify) X += Width() - R.Right;
  R.Bottom -= Canvas()->TextHeight("A");
  Canvas()->SetHandle(nullptr);
  DeleteDC(DC);
  SetBounds(X, Top(), R.Right, R.Bottom);
}
