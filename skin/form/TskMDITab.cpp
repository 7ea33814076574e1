#include "skin/form/TskMDITab.h"

#include <algorithm>

#include "platform/gdi/Icons.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionGlyphs.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinMDITabsBar.h"

namespace {

constexpr TColor TabHot = RGB(193, 212, 243);
constexpr TColor TabActive = RGB(162, 187, 228);
/// The room the child's icon takes left of the caption, at least.
constexpr int IconRoom = 20;

}  // namespace

void TskMDITab::Present(TCanvas* Cnvs, TBitmap* B) const { Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, B); }

void TskMDITab::SetTabFont(TCanvas* C, bool Skinned) const {
  TskSkinMDITabsBar* Bar = TabsBar;
  if (Skinned && Bar->UseSkinFont()) {
    C->Font()->SetName(Bar->FontName);
    C->Font()->SetStyle(Bar->FontStyle);
    C->Font()->SetHeight(Bar->FontHeight);
  } else {
    C->SetFont(Bar->DefaultFont());
  }
  TskSkinData* Model = Bar->SkinData();
  C->Font()->SetCharset(Model && Model->ResourceStrData() ? Model->ResourceStrData()->CharSet()
                                                          : Bar->DefaultFont()->Charset());
}

void TskMDITab::Draw(TCanvas* Cnvs) {
  const int W = ObjectRect.Width(), H = ObjectRect.Height();
  if (W <= 0 || H <= 0) return;
  TskSkinMDITabsBar* Bar = TabsBar;
  const bool Skinned = Bar->SkinSupport() && !IsEmptyRect(Bar->TabRect);
  if (Skinned && Bar->TabKind() == sktkButton) {
    ButtonDraw(Cnvs);
    return;
  }
  if (Skinned && !Bar->UseSkinSize()) {
    ResizeDraw(Cnvs);
    return;
  }
  TBitmap B;
  B.SetSize(W, H);
  TCanvas* C = B.Canvas();
  SetTabFont(C, Skinned);
  const bool Hot = MouseIn && !Active;
  if (Skinned) {
    const TRect& Source = Hot ? Bar->MouseInTabRect : Active ? Bar->ActiveTabRect : Bar->TabRect;
    ComposeHorzStripImage(Bar->TabLeftOffset, Bar->TabRightOffset, &B, Bar->Picture, Source, W, H,
                          Bar->TabStretchEffect);
    C->Font()->SetColor(Hot ? Bar->MouseInFontColor : Active ? Bar->ActiveFontColor : Bar->FontColor);
  } else {
    C->Brush()->SetColor(Hot ? TabHot : Active ? TabActive : clBtnFace);
    C->FillRect(Rect(0, 0, W, H));
  }
  const int Top = Skinned ? 1 : 0;
  TRect TextR = Skinned ? Rect(Bar->TabLeftOffset, 1, W - Bar->TabRightOffset, H) : Rect(2, 0, W - 2, H);
  if (Bar->ShowCloseButtons()) TextR = Rect(2, Top, W - Bar->CloseSize() - 5, H);
  DrawContent(C, TextR, Rect(TextR.Right, Top, W, H));
  Present(Cnvs, &B);
}

void TskMDITab::ResizeDraw(TCanvas* Cnvs) {
  TskSkinMDITabsBar* Bar = TabsBar;
  const int W = ObjectRect.Width(), TH = ObjectRect.Height();
  const int H = TH + (Active ? Bar->FActiveTabOffset : 0);
  const bool Hot = MouseIn && !Active && !IsEmptyRect(Bar->MouseInTabRect);
  const TRect& Source = Hot ? Bar->MouseInTabRect : Active ? Bar->ActiveTabRect : Bar->TabRect;
  TBitmap B;
  B.SetSize(W, H);
  const int Band = Bar->TabRect.Height() / 4;
  const TRect Corners = Rect(Bar->TabLeftOffset, Band, Source.Width() - Bar->TabRightOffset, Source.Height() - Band);
  ComposeStretchedSkinImage(&B, Bar->Picture, Source, Corners, true);
  TCanvas* C = B.Canvas();
  SetTabFont(C, true);
  C->Font()->SetColor(Hot ? Bar->MouseInFontColor : Active ? Bar->ActiveFontColor : Bar->FontColor);
  const TRect TextR = Rect(2, 1, Bar->ShowCloseButtons() ? W - Bar->CloseSize() - 5 : W - 2, TH);
  DrawContent(C, TextR, Rect(TextR.Right, 1, W, TH));
  Present(Cnvs, &B);
}

void TskMDITab::ButtonDraw(TCanvas* Cnvs) {
  TskSkinMDITabsBar* Bar = TabsBar;
  const int W = ObjectRect.Width(), H = ObjectRect.Height();
  const bool Hot = MouseIn && !Active;
  TBitmap B;
  const TskDataSkinButtonControl* Record = Bar->ComposeButtonRecord("resizebutton", &B, W, H, Active, Hot);
  if (!Record) return;
  TCanvas* C = B.Canvas();
  SetTabFont(C, false);
  if (Bar->UseSkinFont()) {
    C->Font()->SetName(Record->FontName);
    C->Font()->SetStyle(Record->FontStyle);
    C->Font()->SetHeight(Record->FontHeight);
  }
  C->Font()->SetColor(Active ? Record->DownFontColor : Hot ? Record->ActiveFontColor : Record->FontColor);
  const TRect& Cl = Record->ClRect;
  const int DW = W - Record->SkinRect.Width(), DH = H - Record->SkinRect.Height();
  TRect TextR = Rect(Cl.Left, Cl.Top, Cl.Right + DW, Cl.Bottom + DH);
  TRect CloseR;
  if (Bar->ShowCloseButtons()) {
    TextR.Right -= Bar->CloseSize() + 3;
    CloseR = Rect(TextR.Right, 0, TextR.Right + Bar->CloseSize() + 3, H);
  }
  if (const int TextH = C->TextHeight("Wg"); TextR.Height() < TextH) {
    TextR.Top = H / 2 - TextH / 2;
    TextR.Bottom = TextR.Top + TextH;
  }
  DrawContent(C, TextR, CloseR);
  Present(Cnvs, &B);
}

void TskMDITab::DrawContent(TCanvas* C, TRect TextR, const TRect& CloseR) {
  TskSkinMDITabsBar* Bar = TabsBar;
  C->Brush()->SetStyle(bsClear);
  if (Bar->ShowCloseButtons()) DrawCloseButton(C, CloseR);
  if (Bar->ShowChildIcon()) TextR.Left += DrawChildIcon(C, TextR);
  String Text = Child->Caption();
  ShortenTextW(C, Text, TextR.Width());
  if (Bar->OnTabGetDrawParamsEvent) Bar->OnTabGetDrawParamsEvent(this, C);
  C->Brush()->SetStyle(bsClear);
  DrawText(C->Handle(), Text, TextR,
           Bar->DrawTextBiDiModeFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX));
}

int TskMDITab::DrawChildIcon(TCanvas* Cnvs, const TRect& R) {
  HICON Source = Child->Icon()->Handle();
  if (!Source && Application) Source = Application->Icon()->Handle();
  if (!Source) Source = LoadIcon(0, IDI_APPLICATION);
  int CX = GetSystemMetrics(SM_CXSMICON), CY = GetSystemMetrics(SM_CYSMICON);
  if (CX == 0) CX = GetSystemMetrics(SM_CXSIZE);
  if (CY == 0) CY = GetSystemMetrics(SM_CYSIZE);
  const HICON Icon = CopyImage(Source, IMAGE_ICON, CX, CY, 0);
  const int Room = std::max(IconRoom, CX);
  if (Icon) {
    DrawIconEx(Cnvs->Handle(), R.Left + Room / 2 - CX / 2, R.Top + R.Height() / 2 - CY / 2, Icon, 0, 0, 0, nullptr,
               DI_NORMAL);
    DestroyIcon(Icon);
  }
  return Room;
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
    const int Top = R.Top + (R.Height() - Source.Height()) / 2;
    ButtonRect = Rect(R.Left, Top, R.Left + Source.Width(), Top + Source.Height());
    if (Bar->ButtonTransparent)
      Cnvs->BrushCopy(ButtonRect, Bar->Picture, Source, Bar->ButtonTransparentColor);
    else
      Cnvs->CopyRect(ButtonRect, Bar->Picture->Canvas(), Source);
    return;
  }
  if (!Bar->SkinSupport()) {
    DrawCloseGlyph(Cnvs, ButtonRect.Left + 2, ButtonRect.Top + 2, ButtonMouseIn ? clWhite : clBlack);
    return;
  }
  TBitmap Face;
  const bool Down = ButtonMouseDown && ButtonMouseIn;
  const TskDataSkinButtonControl* Record =
      Bar->ComposeButtonRecord("resizetoolbutton", &Face, Size, Size, Down, ButtonMouseIn);
  if (!Record) return;
  DrawCloseGlyph(Face.Canvas(), Size / 2 - 5, Size / 2 - 5,
                 Down ? Record->DownFontColor : ButtonMouseIn ? Record->ActiveFontColor : Record->FontColor);
  Cnvs->Draw(ButtonRect.Left, ButtonRect.Top, &Face);
}
