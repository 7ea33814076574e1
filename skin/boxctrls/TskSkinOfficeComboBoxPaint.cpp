// How the office combo box draws its face: the built-in look (a clBtnFace ring inside a DefaultColor
// frame), the skinned looks shared with the plain combo box, and the shown item as title, image and caption.
#include <algorithm>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "skin/boxctrls/TskPopupOfficeListBox.h"
#include "skin/boxctrls/TskSkinCustomOfficeComboBox.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skGlyphText.h"
#include "skin/core/skUtils.h"

namespace {

constexpr int SkinToolTextLeft = 3;

/// The built-in face without item: clBtnFace inside a clBtnShadow frame, DefaultColor from Inset pixels in
/// and, with Ring, also as a frame 1 pixel in.
void DrawDefaultFace(TCanvas* C, int W, int H, TColor Colour, bool Ring) {
  C->Brush()->SetColor(clBtnFace);
  C->FillRect(Rect(0, 0, W, H));
  C->Brush()->SetColor(clBtnShadow);
  C->FrameRect(Rect(0, 0, W, H));
  C->Brush()->SetColor(Colour);
  if (Ring) C->FrameRect(Rect(1, 1, W - 1, H - 1));
  const int Inset = Ring ? 3 : 2;
  C->FillRect(Rect(Inset, Inset, W - Inset, H - Inset));
}

}  // namespace

int TskSkinCustomOfficeComboBox::ShownItem() const { return ShownItemOf(ItemIndex(), Items()->Count()); }

void TskSkinCustomOfficeComboBox::CreateControlDefaultImage(TBitmap* B) {
  CalcRects();
  TCanvas* C = B->Canvas();
  if (FToolButtonStyle) {
    DrawDefaultToolButton(C, nullptr, false);
    return;
  }
  DrawDefaultFace(C, FWidth, FHeight, FDefaultColor, true);
  DrawDefaultButton(C);
  DrawDefaultItem(C);
}

void TskSkinCustomOfficeComboBox::DrawDefaultItem(TCanvas* C) {
  TBitmap Item;
  if (!PrepareDefaultItem(Item)) return;
  DrawItemContent(Item.Canvas(), ShownItem(), Rect(2, 0, Item.Width() - 2, Item.Height()), true, true, nullptr);
  C->Draw(CBItem.R.Left, CBItem.R.Top, &Item);
}

void TskSkinCustomOfficeComboBox::CreateControlSkinImage(TBitmap* B) {
  CalcRects();
  if (!Picture) {
    CreateControlDefaultImage(B);
    return;
  }
  if (FToolButtonStyle) {
    DrawSkinToolButton(B, nullptr, SkinToolTextLeft);
    return;
  }
  DrawSkinBackground(B, ClRect);
  if (FUseSkinSize) {
    DrawStateButton(B->Canvas());
    DrawStripItem(B);
  } else {
    DrawSeparateButton(B->Canvas());
    DrawStretchItem(B);
  }
}

void TskSkinCustomOfficeComboBox::DrawStripItem(TBitmap* B) {
  TBitmap Item;
  TRect TextRect;
  if (!ComposeStripItem(B, Item, TextRect)) return;
  SetItemFont(Item.Canvas(), true);
  CBItem.State = Focused() ? TOwnerDrawState { odFocused } : TOwnerDrawState {};
  DrawItemContent(Item.Canvas(), ShownItem(), TextRect, true, false, nullptr);
  B->Canvas()->Draw(CBItem.R.Left, CBItem.R.Top, &Item);
}

// The program's office combo boxes show this look: a focus frame round the whole item while focused.
void TskSkinCustomOfficeComboBox::DrawStretchItem(TBitmap* B) {
  TBitmap Item;
  TRect TextRect;
  if (!ComposeStretchItem(B, Item, TextRect)) return;
  TCanvas* IC = Item.Canvas();
  SetItemFont(IC, false);
  CBItem.State = Focused() ? TOwnerDrawState { odFocused } : TOwnerDrawState {};
  if (Focused() && ShowFocus) {
    IC->Brush()->SetStyle(bsSolid);
    IC->Brush()->SetColor(SkinData()->SkinColors()->cBtnFace());
    IC->DrawFocusRect(Rect(0, 0, Item.Width(), Item.Height()));
    TextRect.Left += 1;
  }
  DrawItemContent(IC, ShownItem(), TextRect, true, true, nullptr);
  B->Canvas()->Draw(CBItem.R.Left, CBItem.R.Top, &Item);
}

void TskSkinCustomOfficeComboBox::DrawToolButtonItem(TCanvas* C, const TRect& TextRect, const String* AText) {
  DrawItemContent(C, ShownItem(), TextRect, false, true, AText);
}

void TskSkinCustomOfficeComboBox::DrawItemContent(TCanvas* C, int Index, TRect TextRect, bool OwnerDraw,
                                                  bool WithTitle, const String* AText) {
  if (Index < 0) return;
  C->Brush()->SetStyle(bsClear);
  if (OwnerDraw && OnDrawItem) {
    OnDrawItem(C, Index, TextRect);
    return;
  }
  const TskSkinOfficeItem* Item = Items()->Items(Index);
  if (WithTitle && FShowItemText && FShowItemTitle && !Item->Title().empty()) {
    const TFontStyles Plain = C->Font()->Style();
    TFontStyles Bold = Plain;
    Bold.Include(fsBold);
    C->Font()->SetStyle(Bold);
    TRect TitleRect = TextRect;
    const int TitleHeight = DrawTextWide(C, Item->Title(), TitleRect, DT_SINGLELINE | DT_LEFT | DT_TOP);
    C->Font()->SetStyle(Plain);
    TextRect.Top += TitleHeight - 2;
  }
  const String& Caption = AText ? *AText : Item->Caption();
  if (FShowItemImage)
    DrawImageAndTextLeft(C, TextRect, 0, 2, blGlyphLeft, FShowItemText ? Caption : String(), Item->ImageIndex(),
                         Images(), false, Enabled(), false, clNone);
  else if (FShowItemText)
    DrawClippedText(C, Caption, TextRect);
}

// Drawn from AText alone: nothing of the combo box changes and no event fires.
void TskSkinCustomOfficeComboBox::PaintSkinTo(TCanvas* C, int X, int Y, const String& AText) {
  GetSkinData();
  CalcRects();
  TBitmap B;
  B.SetSize(FWidth, FHeight);
  TCanvas* BC = B.Canvas();
  if (FToolButtonStyle) {
    DrawToolButtonText(&B, AText, false, SkinToolTextLeft);
    C->Draw(X, Y, &B);
    return;
  }
  if (FIndex == -1 || !Picture) {
    DrawDefaultFace(BC, FWidth, FHeight, FDefaultColor, false);
    DrawDefaultButton(BC);
    BC->Font()->Assign(DefaultFont());
  } else {
    DrawSkinFaceForText(&B, ClRect);
  }
  BC->Brush()->SetStyle(bsClear);
  DrawClippedText(BC, AText, CBItem.R);
  C->Draw(X, Y, &B);
}
