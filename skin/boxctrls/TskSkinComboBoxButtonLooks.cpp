// The combo box's looks taken from button records of the skin: the separate drop-down button of the
// stretched face ("combobutton", "editbutton" or "resizebutton") and the tool-button face
// ("resizetoolbutton" or "resizebutton"), each with a drawn arrow or a marker from the combo box's picture.
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/boxctrls/TskSkinCustomComboBox.h"
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

const TskDataSkinButtonControl* TskSkinCustomComboBox::ButtonRecord(std::initializer_list<const char*> Names) {
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

bool TskSkinCustomComboBox::ToolButtonHot() { return FMouseIn || Focused(); }

void TskSkinCustomComboBox::DrawMarker(TCanvas* C, const TRect& R, const TRect& M, TColor Key) {
  if (!Picture || IsEmptyRect(M)) return;
  TBitmap Marker;
  Marker.SetSize(M.Width(), M.Height());
  Marker.Canvas()->CopyRect(Rect(0, 0, M.Width(), M.Height()), Picture->Canvas(), M);
  Marker.SetTransparent(true);
  Marker.SetTransparentColor(Key);
  C->Draw(R.Left + R.Width() / 2 - M.Width() / 2, R.Top + R.Height() / 2 - M.Height() / 2, &Marker);
}

void TskSkinCustomComboBox::DrawSeparateButton(TCanvas* C) {
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

void TskSkinCustomComboBox::DrawDefaultToolButton(TCanvas* C, const String* AText) {
  const bool Hot = FDropDown || ToolButtonHot();
  DrawBuiltInButton(C, Rect(0, 0, FWidth, FHeight), Hot, FDropDown);
  const int Shift = FDropDown ? 2 : 0;
  const TRect TextRect = Rect(2, 2, FWidth - 17, FHeight - 2).Offset(Shift, Shift);
  C->Font()->Assign(DefaultFont());
  C->Font()->SetCharset(CurrentCharset());
  C->Brush()->SetStyle(bsClear);
  CBItem.State = Focused() ? TOwnerDrawState { odFocused } : TOwnerDrawState {};
  if (AText)
    DrawItemText(C, *AText, TextRect);
  else
    DrawItem(C, ShownItem(), FWidth, FHeight, TextRect);
  DrawDropDownArrow(C, Rect(FWidth - ToolArrowWidth, 0, FWidth, FHeight).Offset(Shift, Shift), C->Font()->Color());
}

void TskSkinCustomComboBox::DrawSkinToolButton(TBitmap* B, const String* AText) {
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
  const TRect TextRect = Rect(2, 2, FWidth - 17, FHeight - 2);
  CBItem.State = Focused() ? TOwnerDrawState { odFocused } : TOwnerDrawState {};
  if (AText)
    DrawItemText(C, *AText, TextRect);
  else
    DrawItem(C, ShownItem(), FWidth, FHeight, TextRect);
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
