// How the skinned combo box draws its face: the built-in look, the skinned looks (a horizontal strip of
// the record with UseSkinSize, the record stretched without), the shown item, and PaintSkinTo.
#include <algorithm>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/boxctrls/TskSkinCustomComboBox.h"
#include "skin/boxctrls/skTabStops.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"

namespace {

constexpr int DownArrow = 4;

}  // namespace

int TskSkinCustomComboBox::ShownItem() const { return ShownItemOf(ItemIndex(), Items()->Count()); }

void TskSkinCustomComboBox::CreateControlDefaultImage(TBitmap* B) {
  CalcRects();
  TCanvas* C = B->Canvas();
  if (FToolButtonStyle) {
    DrawDefaultToolButton(C, nullptr, true);
    return;
  }
  C->Brush()->SetColor(FDefaultColor);
  C->FillRect(Rect(0, 0, FWidth, FHeight));
  C->Brush()->SetColor(clBtnShadow);
  C->FrameRect(Rect(0, 0, FWidth, FHeight));
  DrawDefaultButton(C);
  if (!FEdit) DrawDefaultItem(C);
}

void TskSkinCustomComboBox::DrawDefaultItem(TCanvas* C) {
  TBitmap Item;
  if (!PrepareDefaultItem(Item)) return;
  DrawItem(Item.Canvas(), ShownItem(), Item.Width(), Item.Height(), Rect(2, 0, Item.Width() - 2, Item.Height()));
  C->Draw(CBItem.R.Left, CBItem.R.Top, &Item);
}

void TskSkinCustomComboBox::DrawToolButtonItem(TCanvas* C, const TRect& TextRect, const String* AText) {
  if (AText)
    DrawItemText(C, *AText, TextRect);
  else
    DrawItem(C, ShownItem(), FWidth, FHeight, TextRect);
}

void TskSkinCustomComboBox::DrawItem(TCanvas* C, int Index, int W, int H, TRect TextRect) {
  if (Index < 0) return;
  if (OnComboBoxDrawItem) {
    OnComboBoxDrawItem(C, Index, W, H, TextRect, CBItem.State);
    return;
  }
  if (FIndex != -1 && !FToolButtonStyle && Focused() && ShowFocus) DrawDotFrame(C, Rect(0, 0, W, H));
  if (TCustomImageList* Images = FListBox->Images()) {
    const int Image = FListBox->ImageIndex() >= 0 ? FListBox->ImageIndex() : Index;
    if (Image < Images->Count())
      Images->Draw(C, TextRect.Left, TextRect.Top + (TextRect.Height() - Images->Height()) / 2, Image, Enabled());
    TextRect.Left += Images->Width() + 2;
  }
  DrawItemText(C, Items()->Strings(Index), TextRect);
}

void TskSkinCustomComboBox::DrawItemText(TCanvas* C, const String& Text, const TRect& TextRect) {
  C->Brush()->SetStyle(bsClear);
  if (FListBox->TabWidths()->Count() > 0)
    DrawTabbedItemText(C, Text, TextRect, FListBox->TabWidths());
  else
    DrawClippedText(C, Text, TextRect);
}

void TskSkinCustomComboBox::CreateControlSkinImage(TBitmap* B) {
  CalcRects();
  if (!Picture) {
    CreateControlDefaultImage(B);
    return;
  }
  if (FToolButtonStyle) {
    DrawSkinToolButton(B, nullptr, 2);
    return;
  }
  DrawSkinBackground(B, Rect(ClRect.Left + 3, ClRect.Top + 1, ClRect.Right - 3, ClRect.Bottom - 1));
  if (FUseSkinSize)
    DrawStateButton(B->Canvas());
  else
    DrawSeparateButton(B->Canvas());
  if (FEdit) return;
  if (FUseSkinSize)
    DrawStripItem(B);
  else
    DrawStretchItem(B);
}

void TskSkinCustomComboBox::DrawStripItem(TBitmap* B) {
  TBitmap Item;
  TRect TextRect;
  if (!ComposeStripItem(B, Item, TextRect)) return;
  DrawItemOn(Item, TextRect, true);
  B->Canvas()->Draw(CBItem.R.Left, CBItem.R.Top, &Item);
}

void TskSkinCustomComboBox::DrawStretchItem(TBitmap* B) {
  TBitmap Item;
  TRect TextRect;
  if (!ComposeStretchItem(B, Item, TextRect)) return;
  DrawItemOn(Item, TextRect, false);
  B->Canvas()->Draw(CBItem.R.Left, CBItem.R.Top, &Item);
}

void TskSkinCustomComboBox::DrawItemOn(TBitmap& Item, const TRect& TextRect, bool WithDisabledColour) {
  TCanvas* IC = Item.Canvas();
  SetItemFont(IC, WithDisabledColour);
  CBItem.State = Focused() ? TOwnerDrawState { odFocused } : TOwnerDrawState {};
  IC->Brush()->SetStyle(bsClear);
  DrawItem(IC, ShownItem(), Item.Width(), Item.Height(), TextRect);
}

// Drawn from AText alone: Text stays as it is and no event fires.
void TskSkinCustomComboBox::PaintSkinTo(TCanvas* C, int X, int Y, const String& AText) {
  GetSkinData();
  CalcRects();
  TBitmap B;
  B.SetSize(FWidth, FHeight);
  TCanvas* BC = B.Canvas();
  if (FToolButtonStyle) {
    DrawToolButtonText(&B, AText, true, 2);
    C->Draw(X, Y, &B);
    return;
  }
  if (FIndex == -1 || !Picture) {
    BC->Brush()->SetColor(FDefaultColor);
    BC->FillRect(Rect(0, 0, FWidth, FHeight));
    BC->Brush()->SetColor(clBtnShadow);
    BC->FrameRect(Rect(0, 0, FWidth, FHeight));
    DrawDefaultButton(BC);
    BC->Font()->Assign(DefaultFont());
  } else {
    DrawSkinFaceForText(&B, Rect(ClRect.Left + 3, ClRect.Top + 1, ClRect.Right - 3, ClRect.Bottom - 1));
  }
  DrawItemText(BC, AText, CBItem.R);
  C->Draw(X, Y, &B);
}
