// The combo boxes' looks that do not depend on the kind of item: the built-in button, the button's state
// pictures of the strip face, and the looks taken from button records of the skin: the separate drop-down
// button of the stretched face ("combobutton", "editbutton" or "resizebutton") and the tool-button face
// ("resizetoolbutton" or "resizebutton"), each with a drawn arrow or a marker from the combo box's picture.
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/boxctrls/TskSkinComboBase.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"

namespace {

constexpr int DownArrow = 4;
constexpr int ToolArrowWidth = 15;

const TRect& FirstNonEmpty(const TRect& A, const TRect& B) { return IsEmptyRect(A) ? B : A; }

/// Piece of Record's picture resized to W x H, its right corners and client moved by the width
/// difference and its bottom ones by the height difference.
void ComposeButtonRecord(const TskDataSkinButtonControl& Record, TBitmap* Source, const TRect& Piece, int W, int H,
                         TBitmap* Dest) {
  const int DW = W - Record.SkinRect.Width(), DH = H - Record.SkinRect.Height();
  const TRect& Cl = Record.ClRect;
  ComposeSkinImage(Record.LTPoint, Record.RTPoint, Record.LBPoint, Record.RBPoint, Cl, Record.LTPoint,
                   { Record.RTPoint.X + DW, Record.RTPoint.Y }, { Record.LBPoint.X, Record.LBPoint.Y + DH },
                   { Record.RBPoint.X + DW, Record.RBPoint.Y + DH }, Rect(Cl.Left, Cl.Top, Cl.Right + DW, Cl.Bottom + DH),
                   Dest, Source, Piece, W, H, true, Record.LeftStretch, Record.TopStretch, Record.RightStretch,
                   Record.BottomStretch, Record.StretchEffect, Record.StretchType);
}

}  // namespace

void TskSkinComboBase::DrawDefaultButton(TCanvas* C) {
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

// With UseSkinSize the normal button is part of the background; the other states are pictures of their own.
void TskSkinComboBase::DrawStateButton(TCanvas* C) {
  const TRect& State = !Enabled() && !IsEmptyRect(UnEnabledButtonRect) ? UnEnabledButtonRect
                       : Button.MouseIn && Button.Down                 ? DownButtonRect
                       : Button.MouseIn                                ? ActiveButtonRect
                                                                       : TRect {};
  if (!IsEmptyRect(State)) C->CopyRect(Button.R, Picture->Canvas(), State);
}

bool TskSkinComboBase::ItemHot() const {
  return FMouseIn && !IsEmptyRect(ActiveItemRect) && !IsEmptyRect(ActiveSkinRect);
}

void TskSkinComboBase::DrawSkinBackground(TBitmap* B, const TRect& Client) {
  const bool Hot = !IsEmptyRect(ActiveSkinRect) && (FMouseIn || FaceFocused());
  if (FUseSkinSize) {
    if (Hot)
      ComposeHorzStripImage(LTPt.X, SkinRect.Width() - RTPt.X, B, Picture, ActiveSkinRect, FWidth, FHeight,
                            StretchEffect);
    else
      TskSkinCustomControl::CreateControlSkinImage(B);
    return;
  }
  B->SetSize(FWidth, FHeight);
  ComposeStretchedSkinImage(B, Picture, Hot ? ActiveSkinRect : SkinRect, Client, true);
}

TRect TskSkinComboBase::SkinItemTextRect(int W) const {
  TRect TextRect = ItemTextRect;
  TextRect.Right += W - (IsEmptyRect(SItemRect) ? ClRect.Width() : SItemRect.Width());
  return TextRect;
}

// The record's item picture for the state as a strip of the area's width.
bool TskSkinComboBase::ComposeStripItem(TBitmap* B, TBitmap& Item, TRect& TextRect) {
  const int W = CBItem.R.Width();
  if (W <= 0) return false;
  const int H = SItemRect.Height() ? SItemRect.Height() : FocusItemRect.Height() ? FocusItemRect.Height() : W;
  const bool Focus = Focused();
  Item.SetSize(W, H);
  const TRect& Piece = Focus ? FocusItemRect : ItemHot() ? ActiveItemRect : SItemRect;
  if (IsEmptyRect(Piece))
    Item.Canvas()->CopyRect(Rect(0, 0, W, H), B->Canvas(), Bounds(CBItem.R.Left, CBItem.R.Top, W, H));
  else
    ComposeHorzStripImage(ItemLeftOffset, ItemRightOffset, &Item, Picture, Piece, W, H,
                          Focus ? FocusItemStretchEffect : ItemStretchEffect);
  TextRect = SkinItemTextRect(W);
  return true;
}

// The item picture for the state stretched to the item area; a narrower or lower picture than SItemRect
// keeps its text area's right edge and top where SItemRect has them.
bool TskSkinComboBase::ComposeStretchItem(TBitmap* B, TBitmap& Item, TRect& TextRect) {
  const int W = CBItem.R.Width(), H = CBItem.R.Height();
  if (W <= 0 || H <= 0) return false;
  const bool Focus = Focused();
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
  TextRect = SkinItemTextRect(W);
  TextRect.Bottom += FHeight - SkinRect.Height();
  return true;
}

bool TskSkinComboBase::PrepareDefaultItem(TBitmap& Item) {
  const int W = CBItem.R.Width(), H = CBItem.R.Height();
  if (W <= 0 || H <= 0) return false;
  Item.SetSize(W, H);
  TCanvas* IC = Item.Canvas();
  IC->Font()->SetName(Font()->Name());
  IC->Font()->SetStyle(Font()->Style());
  IC->Font()->SetHeight(Font()->Height());
  IC->Font()->SetCharset(CurrentCharset());
  const bool Focus = Focused();
  IC->Brush()->SetColor(Focus ? clHighlight : FDefaultColor);
  IC->Font()->SetColor(!Enabled() ? DisabledFontColor() : Focus ? clHighlightText : DefaultFont()->Color());
  IC->FillRect(Rect(0, 0, W, H));
  CBItem.State = Focus ? TOwnerDrawState { odFocused } : TOwnerDrawState {};
  return true;
}

void TskSkinComboBase::DrawToolButtonText(TBitmap* B, const String& AText, bool ShiftWhileOpen, int TextLeft) {
  if (FIndex == -1 || !Picture)
    DrawDefaultToolButton(B->Canvas(), &AText, ShiftWhileOpen);
  else
    DrawSkinToolButton(B, &AText, TextLeft);
}

void TskSkinComboBase::DrawSkinFaceForText(TBitmap* B, const TRect& StretchClient) {
  TCanvas* C = B->Canvas();
  if (FUseSkinSize) {
    DrawSkinBackground(B, ClRect);
    DrawStateButton(C);
  } else {
    ComposeStretchedSkinImage(B, Picture, SkinRect, StretchClient, true);
    DrawSeparateButton(C);
  }
  C->Font()->SetName(FontName);
  C->Font()->SetStyle(FontStyle);
  C->Font()->SetHeight(FontHeight);
  C->Font()->SetColor(FontColor);
}

void TskSkinComboBase::SetItemFont(TCanvas* C, bool WithDisabledColour) {
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

const TskDataSkinButtonControl* TskSkinComboBase::ButtonRecord(std::initializer_list<const char*> Names) {
  TskSkinData* Model = SkinData();
  if (!Model) return nullptr;
  for (const char* Name : Names) {
    const int Index = Model->GetControlIndex(Name);
    if (Index != -1)
      if (const auto* Record = dynamic_cast<const TskDataSkinButtonControl*>(Model->CtrlList[Index].get()))
        return Record;
  }
  return nullptr;
}

bool TskSkinComboBase::ToolButtonHot() { return FMouseIn || Focused(); }

void TskSkinComboBase::DrawMarker(TCanvas* C, const TRect& R, const TRect& M, TColor Key) {
  if (!Picture || IsEmptyRect(M)) return;
  TBitmap Marker;
  Marker.SetSize(M.Width(), M.Height());
  Marker.Canvas()->CopyRect(Rect(0, 0, M.Width(), M.Height()), Picture->Canvas(), M);
  Marker.SetTransparent(true);
  Marker.SetTransparentColor(Key);
  C->Draw(R.Left + R.Width() / 2 - M.Width() / 2, R.Top + R.Height() / 2 - M.Height() / 2, &Marker);
}

void TskSkinComboBase::DrawSeparateButton(TCanvas* C) {
  const TskDataSkinButtonControl* Record = ButtonRecord({ "combobutton", "editbutton", "resizebutton" });
  const int W = Button.R.Width(), H = Button.R.Height();
  if (!Record || W <= 0 || H <= 0) return;
  const bool Pressed = Button.Down && Button.MouseIn;
  const TRect& Active = FirstNonEmpty(Record->ActiveSkinRect, Record->SkinRect);
  const TRect& Piece = Pressed ? FirstNonEmpty(Record->DownSkinRect, Active) : Button.MouseIn ? Active : Record->SkinRect;
  if (TBitmap* Source = ModelPicture(SkinData(), Record->PictureIndex)) {
    TBitmap Image;
    ComposeButtonRecord(*Record, Source, Piece, W, H, &Image);
    C->Draw(Button.R.Left, Button.R.Top, &Image);
  }
  if (IsEmptyRect(Record->MenuMarkerRect)) {
    if (!Enabled()) return;
    const TColor Colour = Pressed ? Record->DownFontColor : Button.MouseIn ? Record->ActiveFontColor : Record->FontColor;
    DrawArrow(C, Pressed ? Rect(Button.R.Left, Button.R.Top + 2, Button.R.Right, Button.R.Bottom) : Button.R, Colour,
              DownArrow);
    return;
  }
  const TRect& Marker = Pressed && !IsEmptyRect(Record->MenuMarkerDownRect) ? Record->MenuMarkerDownRect
                        : Button.MouseIn ? FirstNonEmpty(Record->MenuMarkerActiveRect, Record->MenuMarkerRect)
                                         : Record->MenuMarkerRect;
  DrawMarker(C, Pressed ? Button.R.Offset(0, 1) : Button.R, Marker, Record->MenuMarkerTransparentColor);
}

void TskSkinComboBase::DrawDefaultToolButton(TCanvas* C, const String* AText, bool ShiftWhileOpen) {
  const bool Hot = FDropDown || ToolButtonHot();
  DrawBuiltInButton(C, Rect(0, 0, FWidth, FHeight), Hot, FDropDown);
  const int Shift = FDropDown && ShiftWhileOpen ? 2 : 0;
  const TRect TextRect = Rect(2, 2, FWidth - 17, FHeight - 2).Offset(Shift, Shift);
  C->Font()->Assign(DefaultFont());
  C->Font()->SetCharset(CurrentCharset());
  C->Brush()->SetStyle(bsClear);
  CBItem.State = Focused() ? TOwnerDrawState { odFocused } : TOwnerDrawState {};
  DrawToolButtonItem(C, TextRect, AText);
  DrawDropDownArrow(C, Rect(FWidth - ToolArrowWidth, 0, FWidth, FHeight).Offset(Shift, Shift), C->Font()->Color());
}

void TskSkinComboBase::DrawSkinToolButton(TBitmap* B, const String* AText, int TextLeft) {
  const TskDataSkinButtonControl* Record = ButtonRecord({ "resizetoolbutton", "resizebutton" });
  if (!Record) return;
  const bool Hot = ToolButtonHot();
  const TRect& Piece = FirstNonEmpty(FDropDown ? Record->DownSkinRect : Hot ? Record->ActiveSkinRect : Record->SkinRect,
                                     Record->SkinRect);
  if (TBitmap* Source = ModelPicture(SkinData(), Record->PictureIndex))
    ComposeButtonRecord(*Record, Source, Piece, FWidth, FHeight, B);
  TCanvas* C = B->Canvas();
  if (UseSkinFont()) {
    C->Font()->SetName(Record->FontName);
    C->Font()->SetStyle(Record->FontStyle);
    C->Font()->SetHeight(Record->FontHeight);
  } else {
    C->Font()->Assign(DefaultFont());
  }
  C->Font()->SetCharset(CurrentCharset());
  C->Font()->SetColor(FDropDown ? Record->DownFontColor
                      : Hot     ? Record->ActiveFontColor
                      : Enabled() ? Record->FontColor
                                  : Record->DisabledFontColor);
  C->Brush()->SetStyle(bsClear);
  const TRect TextRect = Rect(TextLeft, 2, FWidth - 17, FHeight - 2);
  CBItem.State = Focused() ? TOwnerDrawState { odFocused } : TOwnerDrawState {};
  DrawToolButtonItem(C, TextRect, AText);
  const TRect ArrowRect = Rect(FWidth - ToolArrowWidth, 0, FWidth, FHeight);
  if (IsEmptyRect(Record->MenuMarkerRect)) {
    DrawDropDownArrow(C, ArrowRect, FDropDown ? Record->DownFontColor : C->Font()->Color());
    return;
  }
  const TRect& Marker =
      FDropDown ? (IsEmptyRect(Record->MenuMarkerDownRect) && !IsEmptyRect(Record->MenuMarkerActiveRect)
                       ? Record->MenuMarkerActiveRect
                       : FirstNonEmpty(Record->MenuMarkerDownRect, Record->MenuMarkerRect))
      : Hot ? FirstNonEmpty(Record->MenuMarkerActiveRect, Record->MenuMarkerRect)
            : Record->MenuMarkerRect;
  DrawMarker(C, ArrowRect, Marker, Record->MenuMarkerTransparentColor);
}
