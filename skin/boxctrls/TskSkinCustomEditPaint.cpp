// The skinned edit's painting: the frame in the non-client area, the text area's background with the
// image buttons under the buffered text, the disabled text, and the whole edit painted elsewhere.
#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/boxctrls/TskSkinCustomEdit.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skUtils.h"

namespace {

/// A canvas over a DC someone else owns, for the time of one drawing.
class BorrowedCanvas {
public:
  explicit BorrowedCanvas(HDC DC) { FCanvas.SetHandle(DC); }
  ~BorrowedCanvas() { FCanvas.SetHandle(nullptr); }
  BorrowedCanvas(const BorrowedCanvas&) = delete;
  BorrowedCanvas& operator=(const BorrowedCanvas&) = delete;
  TCanvas* operator->() { return &FCanvas; }
  TCanvas* get() { return &FCanvas; }

private:
  TCanvas FCanvas;
};

/// The record the edit button is drawn from: "editbutton", else "combobutton", else "resizebutton".
const TskDataSkinButtonControl* EditButtonRecord(TskSkinData* Model) {
  for (const char* Name : { "editbutton", "combobutton", "resizebutton" }) {
    const int Index = Model->GetControlIndex(Name);
    if (Index != -1) return dynamic_cast<const TskDataSkinButtonControl*>(Model->CtrlList[Index].get());
  }
  return nullptr;
}

}  // namespace

void TskSkinCustomEdit::RedrawFrame() {
  if (!Parent() || !HandleAllocated()) return;
  SendMessage(FHandle, WM_NCPAINT, 1, 0);
}

void TskSkinCustomEdit::WMNCPaint() {
  const HDC DC = GetWindowDC(FHandle);
  PaintFrameTo(DC, true);
  ReleaseDC(FHandle, DC);
  RePaintBuffered();
}

void TskSkinCustomEdit::PaintFrameTo(HDC DC, bool ExcludeText) {
  if (FWidth <= 0 || FHeight <= 0) return;
  GetSkinData();
  CalcEditRect();
  TBitmap B;
  B.SetSize(FWidth, FHeight);
  if (!Skinned() || FUseSkinFont)
    PaintFrame(&B);
  else
    PaintStretchFrame(&B);
  const int Saved = SaveDC(DC);
  if (ExcludeText) ExcludeClipRect(DC, FEditRect.Left, FEditRect.Top, FEditRect.Right, FEditRect.Bottom);
  BitBlt(DC, 0, 0, B.Width(), B.Height(), B.Canvas()->Handle(), 0, 0, SRCCOPY);
  RestoreDC(DC, Saved);
}

// Two one-pixel frames around the face (clBtnShadow, then Inner) filled with DefaultColor; in button mode
// the face reaches under the button's left edge, or ends at it with CutAtButton.
void TskSkinCustomEdit::PaintBuiltInFrame(TBitmap* B, TColor Inner, bool CutAtButton) {
  TCanvas* C = B->Canvas();
  const int Right = !FButtonMode ? FWidth : CutAtButton ? FButtonRect.Left : FButtonRect.Left + 1;
  TRect R = Rect(0, 0, Right, FHeight);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(clBtnShadow);
  C->FrameRect(R);
  R = Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
  C->Brush()->SetColor(Inner);
  C->FrameRect(R);
  C->Brush()->SetColor(FDefaultColor);
  C->FillRect(Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1));
  if (!FButtonMode) return;
  DrawBuiltInButton(C, FButtonRect, FButtonActive, FButtonDown && FButtonActive);
  DrawButtonImage(C);
}

void TskSkinCustomEdit::PaintFrame(TBitmap* B) {
  if (!Skinned()) return PaintBuiltInFrame(B, Color(), false);
  ComposeHorzStripImage(LOffset, ROffset, B, Picture, Hot() ? ActiveSkinRect : SkinRect, FWidth,
                        RectHeight(SkinRect), StretchEffect);
  if (!FButtonMode) return;
  const TRect* State = !Enabled() && !IsEmptyRect(UnEnabledButtonRect) ? &UnEnabledButtonRect
                       : FButtonDown && FButtonActive                   ? &DownButtonRect
                       : FButtonActive                                  ? &ActiveButtonRect
                                                                        : nullptr;
  if (State && !IsEmptyRect(*State)) B->Canvas()->CopyRect(FButtonRect, Picture->Canvas(), *State);
  DrawButtonImage(B->Canvas());
}

void TskSkinCustomEdit::PaintStretchFrame(TBitmap* B) {
  ComposeStretchedSkinImage(B, Picture, Hot() ? ActiveSkinRect : SkinRect, ClRect, true);
  if (FButtonMode) DrawSkinEditButton(B);
}

void TskSkinCustomEdit::DrawSkinEditButton(TBitmap* B) {
  const TskDataSkinButtonControl* R = EditButtonRecord(FSD);
  TBitmap* Source = R ? TskSkinGeometry::ModelPicture(FSD, R->PictureIndex) : nullptr;
  const int W = FButtonRect.Width(), H = FButtonRect.Height();
  if (!Source || W <= 0 || H <= 0) return;
  const TRect Active = IsEmptyRect(R->ActiveSkinRect) ? R->SkinRect : R->ActiveSkinRect;
  const TRect Down = IsEmptyRect(R->DownSkinRect) ? Active : R->DownSkinRect;
  const TRect& State = !FButtonActive ? R->SkinRect : FButtonDown ? Down : Active;
  const int dW = W - RectWidth(R->SkinRect), dH = H - RectHeight(R->SkinRect);
  TBitmap Image;
  Image.SetSize(W, H);
  ComposeSkinImage(R->LTPoint, R->RTPoint, R->LBPoint, R->RBPoint, R->ClRect, R->LTPoint,
                   { R->RTPoint.X + dW, R->RTPoint.Y }, { R->LBPoint.X, R->LBPoint.Y + dH },
                   { R->RBPoint.X + dW, R->RBPoint.Y + dH },
                   Rect(R->ClRect.Left, R->ClRect.Top, R->ClRect.Right + dW, R->ClRect.Bottom + dH), &Image, Source,
                   State, W, H, true, R->LeftStretch, R->TopStretch, R->RightStretch, R->BottomStretch,
                   R->StretchEffect, R->StretchType);
  B->Canvas()->Draw(FButtonRect.Left, FButtonRect.Top, &Image);
  DrawButtonImage(B->Canvas());
}

void TskSkinCustomEdit::DrawButtonImage(TCanvas* C) {
  if (!FImages || FButtonImageIndex < 0 || FButtonImageIndex >= FImages->Count()) return;
  FImages->Draw(C, FButtonRect.Left + (FButtonRect.Width() - FImages->Width()) / 2,
                FButtonRect.Top + (FButtonRect.Height() - FImages->Height()) / 2, FButtonImageIndex, Enabled());
}

// ---- The text area ---------------------------------------------------------------------------------------

void TskSkinCustomEdit::PaintBufferedBackground(HDC DC) {
  PaintClientBackground(DC);
  DrawImageButtons(DC);
}

void TskSkinCustomEdit::PaintClientBackground(HDC DC) {
  CalcEditRect();
  if (FEditRect.IsEmpty()) return;
  const int W = FEditRect.Width(), H = FEditRect.Height();
  TBitmap B;
  if (!Skinned()) {
    B.SetSize(W, H);
    B.Canvas()->Brush()->SetColor(FDefaultColor);
    B.Canvas()->FillRect(Rect(0, 0, W, H));
  } else {
    const TRect& Face = Hot() ? ActiveSkinRect : SkinRect;
    const TRect Client = ClRect.Offset(Face.Left, Face.Top);
    if (FUseSkinFont) {
      ComposeHorzStripImage(std::max(0, LOffset - ClRect.Left),
                            std::max(0, ClRect.Right + ROffset - RectWidth(SkinRect)), &B, Picture, Client, W, H,
                            StretchEffect);
    } else {
      B.SetSize(W, H);
      B.Canvas()->CopyRect(Rect(0, 0, W, H), Picture->Canvas(), Client);
    }
  }
  BitBlt(DC, 0, 0, B.Width(), B.Height(), B.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TskSkinCustomEdit::DrawImageButton(TCanvas* C, const TskCBButtonX& Button, int Index, int HotIndex,
                                        int DownIndex) {
  const auto Valid = [this](int I) { return I >= 0 && I < FImages->Count(); };
  const int Shown = Button.Down && Button.MouseIn && Valid(DownIndex) ? DownIndex
                    : Button.MouseIn && Valid(HotIndex)               ? HotIndex
                                                                      : Index;
  if (!Valid(Shown)) return;
  const TRect& R = Button.R;
  FImages->Draw(C, R.Left, std::max(R.Top, R.Height() / 2 + R.Top - FImages->Height() / 2), Shown, Enabled());
}

void TskSkinCustomEdit::DrawImageButtons(HDC DC) {
  if (!FImages) return;
  BorrowedCanvas C(DC);
  if (FLeftImageIndex >= 0) DrawImageButton(C.get(), LeftButton, FLeftImageIndex, LeftImageHotIndex, LeftImageDownIndex);
  if (FRightImageIndex >= 0)
    DrawImageButton(C.get(), RightButton, FRightImageIndex, RightImageHotIndex, RightImageDownIndex);
}

void TskSkinCustomEdit::SelectTextFont(TCanvas* C, TColor Color) {
  TFont* F = C->Font();
  if (Skinned() && FUseSkinFont) {
    F->SetName(FontName);
    F->SetHeight(FontHeight);
    F->SetStyle(FontStyle);
  } else {
    F->Assign(FDefaultFont.get());
  }
  F->SetColor(Color);
  TskResourceStrData* Table = FSD ? FSD->ResourceStrData() : nullptr;
  F->SetCharset(Table ? Table->CharSet() : FDefaultFont->Charset());
}

int TskSkinCustomEdit::TextLeft(int TextWidth, const TRect& R) const {
  switch (Alignment()) {
  case taRightJustify: return R.Right - TextWidth - 1;
  case taCenter: return R.Width() / 2 + R.Left + 2 - TextWidth / 2 - 1;
  default: return R.Left + 2;
  }
}

void TskSkinCustomEdit::DrawDisabledText(HDC DC) {
  BorrowedCanvas C(DC);
  SelectTextFont(C.get(), Skinned() ? DisabledFontColor : clGrayText);
  // The text area between the image buttons, as the formatting rectangle leaves it.
  TRect R = Rect(0, 0, FEditRect.Width(), FEditRect.Height());
  if (FImages && FLeftImageIndex >= 0) R.Left = LeftButton.R.Right + 2;
  if (FImages && FRightImageIndex >= 0) R.Right = RightButton.R.Left - 2;
  const String Shown = Text();
  C->Brush()->SetStyle(bsClear);
  const int Saved = SaveDC(DC);
  IntersectClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
  C->TextOut(TextLeft(C->TextWidth(Shown), R), R.Top, Shown);
  RestoreDC(DC, Saved);
}

void TskSkinCustomEdit::PaintSkinTo(TCanvas* C, int X, int Y, const String& AText) {
  if (FWidth <= 0 || FHeight <= 0) return;
  GetSkinData();
  CalcEditRect();
  TBitmap B;
  B.SetSize(FWidth, FHeight);
  if (!Skinned())
    PaintBuiltInFrame(&B, clBtnFace, true);
  else if (FUseSkinFont)
    PaintFrame(&B);
  else
    PaintStretchFrame(&B);
  TRect R = FEditRect;
  if (FImages && FLeftImageIndex >= 0) R.Left += FImages->Width() + 2;
  SelectTextFont(B.Canvas(), Skinned() ? FontColor : FDefaultFont->Color());
  B.Canvas()->Brush()->SetStyle(bsClear);
  const int TextWidth = B.Canvas()->TextWidth(AText);
  const int Left = Alignment() == taRightJustify ? R.Right - TextWidth
                   : Alignment() == taCenter     ? R.Left + (R.Width() - TextWidth) / 2
                                                 : R.Left + 2;
  B.Canvas()->TextOut(Left, R.Top, AText);
  C->Draw(X, Y, &B);
}
