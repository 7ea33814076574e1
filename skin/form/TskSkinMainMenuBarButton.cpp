#include "skin/form/TskSkinMainMenuBarButton.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "skin/controls/skMorph.h"
#include "skin/core/skCaptionGlyphs.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/skFormFinders.h"

namespace {

// The built-in look of hot and pressed buttons.
constexpr TColor HotFrame = RGB(59, 107, 183);
constexpr TColor HotFill = RGB(193, 212, 243);
constexpr TColor DownFill = RGB(162, 188, 228);

}  // namespace

TskSkinMainMenuBarButton::TskSkinMainMenuBarButton(TskSkinMainMenuBar* AParent, TskDataSkinMainMenuBarButton* AData,
                                                   TskStdCommand ACommand)
    : TskMenuBarObject(AParent, AData), Command(ACommand) {
  if (!AData) return;
  FSkinSupport = true;
  Command = AData->Command;
  DownRect = AData->DownRect;
}

// ---- Drawing -------------------------------------------------------------------------------------------

void TskSkinMainMenuBarButton::Draw(TCanvas* Cnvs) {
  if (!FSkinSupport || !Picture) {
    DefaultDraw(Cnvs);
    return;
  }
  const TRect Dest = ObjectRect;
  if (FDown && FMouseIn && !IsEmptyRect(DownRect)) {
    Cnvs->CopyRect(Dest, Picture->Canvas(), DownRect);
  } else if (EnableMorphing() && (Active ? FMorphSteps != 5 : FMorphSteps != 0)) {
    DrawMorph(Cnvs);
  } else if (Active && !IsEmptyRect(ActiveSkinRect)) {
    Cnvs->CopyRect(Dest, Picture->Canvas(), ActiveSkinRect);
  } else {
    Cnvs->CopyRect(Dest, Picture->Canvas(), SkinRect);
  }
}

void TskSkinMainMenuBarButton::DrawMorph(TCanvas* Cnvs) {
  const TRect Face = Rect(0, 0, ObjectRect.Width(), ObjectRect.Height());
  TBitmap Normal, Hot;
  for (auto [B, Source] : { std::pair { &Normal, SkinRect }, std::pair { &Hot, ActiveSkinRect } }) {
    B->SetSize(Face.Width(), Face.Height());
    B->Canvas()->CopyRect(Face, Picture->Canvas(), Source);
  }
  MorphBitmap(&Normal, &Hot, FMorphSteps / 5.0, MorphKind);
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &Normal);
}

void TskSkinMainMenuBarButton::DefaultDraw(TCanvas* Cnvs) {
  const int W = ObjectRect.Width(), H = ObjectRect.Height();
  if (W <= 0 || H <= 0) return;
  TBitmap Face;
  Face.SetSize(W, H);
  TCanvas* C = Face.Canvas();
  const TRect R = Rect(0, 0, W, H);
  if (FMouseIn || FDown) {
    C->Brush()->SetColor(FDown && FMouseIn ? DownFill : HotFill);
    C->FillRect(R);
    C->Brush()->SetColor(HotFrame);
    C->FrameRect(R);
  } else {
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(R);
  }
  const TColor Glyph = Enabled ? clBtnText : clBtnShadow;
  // The glyph sinks a pixel while pressed under the mouse.
  const int Shift = FDown && FMouseIn ? 1 : 0;
  const int X = W / 2 - 5 + Shift, Y = H / 2 - 4 + Shift;
  switch (Command) {
  case cmClose: DrawCloseGlyph(C, X, Y, Glyph); break;
  case cmMaximize: DrawRestoreGlyph(C, X, Y, Glyph); break;
  case cmMinimize: DrawMinimizeGlyph(C, X, Y, Glyph); break;
  case cmSysMenu: DrawSysMenuGlyph(C, X, Y, Glyph); break;
  default: break;
  }
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &Face);
}

// ---- Mouse ---------------------------------------------------------------------------------------------

void TskSkinMainMenuBarButton::MouseDown(int, int, TMouseButton Button) {
  if (!Enabled || Button != mbLeft || FDown) return;
  FDown = true;
  if (EnableMorphing() && !IsEmptyRect(DownRect)) SetMorphSteps(5);
  Parent->DrawObject(this);
  if (Command == cmSysMenu) Action();
}

void TskSkinMainMenuBarButton::MouseUp(int, int, TMouseButton Button) {
  if (!Enabled || Button != mbLeft || Command == cmSysMenu) return;
  FDown = false;
  Parent->DrawObject(this);
  if (EnableMorphing()) ReDraw();
  if (Active) Action();
}

void TskSkinMainMenuBarButton::DblClick() {
  if (Command != cmSysMenu) return;
  TskSkinForm* Child = GetMaximizedMDIChildSkinForm();
  TskSkinForm* Frame = Parent->SkinForm();
  if (!Child) return;
  if (Frame) {
    if (Frame->SkinMenu->Visible()) Frame->SkinMenu->Hide();
    Frame->SkinMenuClose();
  }
  Child->Form()->Close();
}

void TskSkinMainMenuBarButton::MouseEnter() {
  if (FDown) {
    FMouseIn = true;
    Active = true;
    if (Command != cmSysMenu) Parent->DrawObject(this);
    return;
  }
  TskMenuBarObject::MouseEnter();
}

void TskSkinMainMenuBarButton::MouseLeave() {
  if (FDown) {
    FMouseIn = false;
    Active = false;
    if (Command != cmSysMenu)
      Parent->DrawObject(this);
    else if (EnableMorphing())
      SetMorphSteps(5);  // it fades back from its hot look once its menu closes
    return;
  }
  TskMenuBarObject::MouseLeave();
}

void TskSkinMainMenuBarButton::Action() {
  TskSkinForm* Child = GetMaximizedMDIChildSkinForm();
  if (!Child) return;
  switch (Command) {
  case cmClose: Child->Form()->Close(); break;
  case cmMaximize: Child->SetWindowState(wsNormal); break;
  case cmMinimize: Child->SetWindowState(wsMinimized); break;
  case cmSysMenu: {
    TskSkinForm* Frame = Parent->SkinForm();
    if (!Frame) return;
    Parent->Repaint();
    const TPoint Corner = Parent->ClientToScreen({ ObjectRect.Left, ObjectRect.Top });
    const TRect R = Bounds(Corner.X, Corner.Y, ObjectRect.Width(), ObjectRect.Height());
    Frame->SkinMenuOpen();
    TskSkinData* SD = Frame->MenusSkinData() ? Frame->MenusSkinData() : Frame->SkinData();
    if (!Frame->SkinMenu->Popup(Parent, SD, 0, R, Child->SystemMenuItems(), Parent->PopupToUp())) Frame->SkinMenuClose();
    break;
  }
  default: break;
  }
}
