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
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"

namespace {

constexpr int DownArrow = 4;

}  // namespace

int TskSkinCustomComboBox::ShownItem() const {
  const int Index = IsPopupVisible() ? FOldItemIndex : ItemIndex();
  return Index >= 0 && Index < Items()->Count() ? Index : -1;
}

TFontCharset TskSkinCustomComboBox::CurrentCharset() {
  return SkinData() && SkinData()->ResourceStrData() ? SkinData()->ResourceStrData()->CharSet()
                                                     : DefaultFont()->Charset();
}

TColor TskSkinCustomComboBox::DisabledFontColor() {
  if (FIndex != -1 && SkinData()) {
    const int Index = SkinData()->GetControlIndex("edit");
    if (Index != -1)
      if (auto* Edit = dynamic_cast<TskDataSkinEditControl*>(SkinData()->CtrlList[Index].get()))
        return Edit->DisabledFontColor;
  }
  return clGrayText;
}

void TskSkinCustomComboBox::CreateControlDefaultImage(TBitmap* B) {
  CalcRects();
  TCanvas* C = B->Canvas();
  if (FToolButtonStyle) {
    DrawDefaultToolButton(C, nullptr);
    return;
  }
  C->Brush()->SetColor(FDefaultColor);
  C->FillRect(Rect(0, 0, FWidth, FHeight));
  C->Brush()->SetColor(clBtnShadow);
  C->FrameRect(Rect(0, 0, FWidth, FHeight));
  DrawDefaultButton(C);
  DrawDefaultItem(C);
}

void TskSkinCustomComboBox::DrawDefaultButton(TCanvas* C) {
  if (Button.MouseIn) {
    DrawBuiltInButton(C, Button.R, true, Button.Down);
  } else {
    C->Brush()->SetColor(clBtnShadow);
    C->FrameRect(Button.R);
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(Rect(Button.R.Left + 1, Button.R.Top + 1, Button.R.Right - 1, Button.R.Bottom - 1));
  }
  DrawArrow(C, Button.R, Enabled() ? clBlack : clBtnShadow, DownArrow);
}

void TskSkinCustomComboBox::DrawDefaultItem(TCanvas* C) {
  const int W = CBItem.R.Width(), H = CBItem.R.Height();
  if (W <= 0 || H <= 0) return;
  TBitmap Item;
  Item.SetSize(W, H);
  TCanvas* IC = Item.Canvas();
  IC->Font()->SetName(Font()->Name());
  IC->Font()->SetStyle(Font()->Style());
  IC->Font()->SetHeight(Font()->Height());
  IC->Font()->SetCharset(CurrentCharset());
  const bool Focus = Focused();
  IC->Brush()->SetColor(Focus ? clHighlight : FDefaultColor);
  IC->Font()->SetColor(Focus ? clHighlightText : DefaultFont()->Color());
  if (!Enabled()) IC->Font()->SetColor(DisabledFontColor());
  IC->FillRect(Rect(0, 0, W, H));
  CBItem.State = Focus ? TOwnerDrawState { odFocused } : TOwnerDrawState {};
  DrawItem(IC, ShownItem(), W, H, Rect(2, 0, W - 2, H));
  C->Draw(CBItem.R.Left, CBItem.R.Top, &Item);
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
    DrawSkinToolButton(B, nullptr);
    return;
  }
  DrawSkinBackground(B);
  if (FUseSkinSize) {
    DrawStateButton(B->Canvas());
    DrawStripItem(B);
  } else {
    DrawSeparateButton(B->Canvas());
    DrawStretchItem(B);
  }
}

void TskSkinCustomComboBox::DrawSkinBackground(TBitmap* B) {
  const bool Hot = !IsEmptyRect(ActiveSkinRect) && (FMouseIn || Focused());
  if (FUseSkinSize) {
    if (Hot)
      ComposeHorzStripImage(LTPt.X, SkinRect.Width() - RTPt.X, B, Picture, ActiveSkinRect, FWidth, FHeight,
                            StretchEffect);
    else
      TskSkinCustomControl::CreateControlSkinImage(B);
    return;
  }
  const TRect Cl = Rect(ClRect.Left + 3, ClRect.Top + 1, ClRect.Right - 3, ClRect.Bottom - 1);
  B->SetSize(FWidth, FHeight);
  ComposeStretchedSkinImage(B, Picture, Hot ? ActiveSkinRect : SkinRect, Cl, true);
}

// With UseSkinSize the normal button is part of the background; the other states are pictures of their own.
void TskSkinCustomComboBox::DrawStateButton(TCanvas* C) {
  const TRect& State = !Enabled() && !IsEmptyRect(UnEnabledButtonRect) ? UnEnabledButtonRect
                       : Button.MouseIn && Button.Down                 ? DownButtonRect
                       : Button.MouseIn                                ? ActiveButtonRect
                                                                       : TRect {};
  if (!IsEmptyRect(State)) C->CopyRect(Button.R, Picture->Canvas(), State);
}

bool TskSkinCustomComboBox::ItemHot() const {
  return FMouseIn && !IsEmptyRect(ActiveItemRect) && !IsEmptyRect(ActiveSkinRect);
}

void TskSkinCustomComboBox::SetItemFont(TCanvas* C, bool WithDisabledColour) {
  if (UseSkinFont()) {
    C->Font()->SetName(FontName);
    C->Font()->SetStyle(FontStyle);
    C->Font()->SetHeight(FontHeight);
  } else {
    C->Font()->Assign(DefaultFont());
  }
  C->Font()->SetCharset(CurrentCharset());
  C->Font()->SetColor(WithDisabledColour && !Enabled() ? DisabledFontColor()
                      : Focused()                      ? FocusFontColor
                      : FMouseIn && !IsEmptyRect(ActiveSkinRect) ? ActiveFontColor
                                                                  : FontColor);
}

TRect TskSkinCustomComboBox::SkinItemTextRect(int W) const {
  TRect TextRect = ItemTextRect;
  TextRect.Right += W - (IsEmptyRect(SItemRect) ? ClRect.Width() : SItemRect.Width());
  return TextRect;
}

// The item area: the record's item picture for the state as a strip of the area's width, the item on it.
void TskSkinCustomComboBox::DrawStripItem(TBitmap* B) {
  const int W = CBItem.R.Width();
  if (W <= 0) return;
  const int H = SItemRect.Height() ? SItemRect.Height() : FocusItemRect.Height() ? FocusItemRect.Height() : W;
  const bool Focus = Focused();
  TBitmap Item;
  Item.SetSize(W, H);
  const TRect& Piece = Focus ? FocusItemRect : ItemHot() ? ActiveItemRect : SItemRect;
  if (IsEmptyRect(Piece))
    Item.Canvas()->CopyRect(Rect(0, 0, W, H), B->Canvas(), Bounds(CBItem.R.Left, CBItem.R.Top, W, H));
  else
    ComposeHorzStripImage(ItemLeftOffset, ItemRightOffset, &Item, Picture, Piece, W, H,
                          Focus ? FocusItemStretchEffect : ItemStretchEffect);
  DrawItemOn(Item, SkinItemTextRect(W), true);
  B->Canvas()->Draw(CBItem.R.Left, CBItem.R.Top, &Item);
}

// The item picture for the state stretched to the item area; a narrower or lower picture than SItemRect
// keeps its text area's right edge and top where SItemRect has them.
void TskSkinCustomComboBox::DrawStretchItem(TBitmap* B) {
  const int W = CBItem.R.Width(), H = CBItem.R.Height();
  if (W <= 0 || H <= 0) return;
  const bool Focus = Focused();
  TBitmap Item;
  Item.SetSize(W, H);
  const TRect& Piece = Focus ? FocusItemRect : ItemHot() ? ActiveItemRect : SItemRect;
  if (IsEmptyRect(Piece)) {
    Item.Canvas()->CopyRect(Rect(0, 0, W, H), B->Canvas(), CBItem.R);
  } else {
    TRect Cl = Focus ? Rect(ItemTextRect.Left + 1, ItemTextRect.Top + 1, ItemTextRect.Right - 1, ItemTextRect.Bottom - 1)
                     : ItemTextRect;
    Cl.Right -= SItemRect.Width() - Piece.Width();
    Cl.Top -= SItemRect.Height() - Piece.Height();
    ComposeStretchedSkinImage(&Item, Picture, Piece, Cl, true);
  }
  TRect TextRect = SkinItemTextRect(W);
  TextRect.Bottom += FHeight - SkinRect.Height();
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
    if (FIndex == -1 || !Picture)
      DrawDefaultToolButton(BC, &AText);
    else
      DrawSkinToolButton(&B, &AText);
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
    if (FUseSkinSize) {
      DrawSkinBackground(&B);
      DrawStateButton(BC);
    } else {
      ComposeStretchedSkinImage(&B, Picture, SkinRect,
                                Rect(ClRect.Left + 3, ClRect.Top + 1, ClRect.Right - 3, ClRect.Bottom - 1), true);
      DrawSeparateButton(BC);
    }
    BC->Font()->SetName(FontName);
    BC->Font()->SetStyle(FontStyle);
    BC->Font()->SetHeight(FontHeight);
    BC->Font()->SetColor(FontColor);
  }
  DrawItemText(BC, AText, CBItem.R);
  C->Draw(X, Y, &B);
}
