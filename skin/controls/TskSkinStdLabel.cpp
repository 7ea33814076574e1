#include "skin/controls/TskSkinStdLabel.h"

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

TskSkinStdLabel::TskSkinStdLabel(TComponent* AOwner)
    : TskSkinLink<TCustomLabel>(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  SetTransparent(true);
  SetSkinDataName("stdlabel");
}

TskSkinStdLabel::~TskSkinStdLabel() = default;

void TskSkinStdLabel::SetEllipsType(TskEllipsType Value) {
  if (Value == FEllipsType) return;
  FEllipsType = Value;
  Invalidate();
}

void TskSkinStdLabel::GetSkinData() {
  TskSkinLink::GetSkinData();
  if (FIndex != -1) Skin.Read(SkinRecord());
}

void TskSkinStdLabel::ChangeSkinData() {
  GetSkinData();
  if (AutoSize()) AdjustBounds();
  Invalidate();
}

unsigned TskSkinStdLabel::EllipsisFlag() const {
  switch (FEllipsType) {
  case sketEndEllips: return DT_END_ELLIPSIS;
  case sketPathEllips: return DT_PATH_ELLIPSIS;
  default: return 0;
  }
}

void TskSkinStdLabel::DrawWith(TCanvas* C, const String& Text, TRect& Rect, unsigned Flags) {
  SelectLabelFont(C, FIndex != -1, Skin, FDefaultFont.get(), Font(), FUseSkinFont, FUseSkinColor, SkinData());
  DrawLabelText(C, Text, Rect, Flags, Enabled(), FIndex != -1, SkinData(), FEllipsType != sketNone);
}

void TskSkinStdLabel::DoDrawText(TRect& Rect, unsigned Flags) {
  GetSkinData();
  String Text = GetLabelText();
  if ((Flags & DT_CALCRECT) && (Text.empty() || (ShowAccelChar() && Text == "&"))) Text += " ";
  if (!ShowAccelChar()) Flags |= DT_NOPREFIX;
  DrawWith(Canvas(), Text, Rect, Flags | EllipsisFlag());
}

void TskSkinStdLabel::PaintSkinTo(TCanvas* C, int X, int Y, const String& AText) {
  GetSkinData();
  TRect R = ClientRect();
  if (!Transparent()) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    C->FillRect(Bounds(X, Y, R.Width(), R.Height()));
  }
  C->Brush()->SetStyle(bsClear);
  unsigned Flags = (WordWrap() ? DT_WORDBREAK : 0) | DT_EXPANDTABS | AlignmentFlag(Alignment()) | EllipsisFlag();
  if (!ShowAccelChar()) Flags |= DT_NOPREFIX;
  if (Layout() != tlTop) {
    TRect Measured = R;
    DrawWith(C, AText, Measured, Flags | DT_CALCRECT);
    const int Shift = Layout() == tlBottom ? Height() - Measured.Bottom : (Height() - Measured.Bottom) / 2;
    R = Bounds(R.Left, R.Top + Shift, R.Width(), R.Height());
  }
  R = Bounds(R.Left + X, R.Top + Y, R.Width(), R.Height());
  DrawWith(C, AText, R, Flags);
}
