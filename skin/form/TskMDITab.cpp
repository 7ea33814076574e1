#include "skin/form/TskMDITab.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "skin/core/skCaptionGlyphs.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinMDITabsBar.h"

namespace {

constexpr TColor TabHot = RGB(193, 212, 243);
constexpr TColor TabActive = RGB(162, 187, 228);

}  // namespace

void TskMDITab::Draw(TCanvas* Cnvs) {
  const int W = ObjectRect.Width(), H = ObjectRect.Height();
  if (W <= 0 || H <= 0) return;
  TskSkinMDITabsBar* Bar = TabsBar;
  TBitmap B;
  B.SetSize(W, H);
  TCanvas* C = B.Canvas();
  const bool Hot = MouseIn && !Active;
  const bool Skinned = Bar->SkinSupport() && !IsEmptyRect(Bar->TabRect);
  if (Skinned) {
    const TRect& Source = Hot ? Bar->MouseInTabRect : Active ? Bar->ActiveTabRect : Bar->TabRect;
    ComposeHorzStripImage(Bar->TabLeftOffset, Bar->TabRightOffset, &B, Bar->Picture, Source, W, H,
                          Bar->TabStretchEffect);
    if (Bar->UseSkinFont()) {
      C->Font()->SetName(Bar->FontName);
      C->Font()->SetStyle(Bar->FontStyle);
      C->Font()->SetHeight(Bar->FontHeight);
    } else {
      C->SetFont(Bar->DefaultFont());
    }
    C->Font()->SetColor(Hot ? Bar->MouseInFontColor : Active ? Bar->ActiveFontColor : Bar->FontColor);
  } else {
    C->Brush()->SetColor(Hot ? TabHot : Active ? TabActive : clBtnFace);
    C->FillRect(Rect(0, 0, W, H));
    C->SetFont(Bar->DefaultFont());
  }
  C->Brush()->SetStyle(bsClear);
  const int Top = Skinned ? 1 : 0;
  TRect TextR;
  if (Bar->ShowCloseButtons()) {
    TextR = Rect(2, Top, W - Bar->CloseSize() - 5, H);
    DrawCloseButton(C, Rect(TextR.Right, Top, W, H));
  } else {
    TextR = Skinned ? Rect(Bar->TabLeftOffset, 1, W - Bar->TabRightOffset, H) : Rect(2, 0, W - 2, H);
  }
  String Text = Child->Caption();
  ShortenTextW(C, Text, TextR.Width());
  if (Bar->OnTabGetDrawParamsEvent) Bar->OnTabGetDrawParamsEvent(this, C);
  C->Brush()->SetStyle(bsClear);
  DrawText(C->Handle(), Text, TextR,
           Bar->DrawTextBiDiModeFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX));
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &B);
}

void TskMDITab::DrawCloseButton(TCanvas* Cnvs, const TRect& R) {
  TskSkinMDITabsBar* Bar = TabsBar;
  const int Size = Bar->CloseSize();
  const int Y = R.Top + (R.Height() - Size) / 2;
  ButtonRect = Rect(R.Left, Y, R.Left + Size, Y + Size);
  if (Bar->SkinSupport() && !IsEmptyRect(Bar->CloseButtonRect)) {
    const TRect& Source = ButtonMouseDown && ButtonMouseIn ? Bar->CloseButtonDownRect
                          : ButtonMouseIn                  ? Bar->CloseButtonActiveRect
                                                           : Bar->CloseButtonRect;
    const TRect Dest = Rect(R.Left, R.Top + (R.Height() - Source.Height()) / 2, R.Left + Source.Width(),
                            R.Top + (R.Height() - Source.Height()) / 2 + Source.Height());
    ButtonRect = Dest;
    if (Bar->ButtonTransparent)
      Cnvs->BrushCopy(Dest, Bar->Picture, Source, Bar->ButtonTransparentColor);
    else
      Cnvs->CopyRect(Dest, Bar->Picture->Canvas(), Source);
    return;
  }
  DrawCloseGlyph(Cnvs, ButtonRect.Left + 2, ButtonRect.Top + 2, ButtonMouseIn ? clWhite : clBlack);
}
