#include "skin/form/TskSkinStdButtonObject.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TApplication.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionGlyphs.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/form/TskSkinForm.h"

namespace {

// The built-in hot and pressed faces (the program's small-element colours).
constexpr TColor HotFrame = RGB(59, 107, 183);
constexpr TColor HotFill = RGB(193, 212, 243);
constexpr TColor DownFill = RGB(162, 188, 228);

}  // namespace

TskSkinStdButtonObject::TskSkinStdButtonObject(TskSkinForm* AParent, TskDataSkinObject* AData)
    : TskSkinButtonObject(AParent, AData) {
  auto* Data = dynamic_cast<TskDataSkinStdButton*>(AData);
  if (!Data) return;
  FSkinSupport = true;
  FData = Data;
  Command = Data->Command;
  RestoreRect = Data->RestoreRect;
  RestoreActiveRect = Data->RestoreActiveRect;
  RestoreInActiveRect = Data->RestoreInActiveRect;
  RestoreDownRect = Data->RestoreDownRect;
  RestoreHint = Data->RestoreHint;
  FTempHint = Data->Hint;
}

bool TskSkinStdButtonObject::IconCase() const {
  return Command == cmSysMenu && Parent->ShowIcon() && SkinRectInAPicture;
}

bool TskSkinStdButtonObject::RestoreLook(bool MainFormMinimized) const {
  switch (Command) {
  case cmMaximize: return Parent->WindowState() == wsMaximized;
  case cmMinimize:
    return Parent->WindowState() == wsMinimized &&
           (MainFormMinimized || !Application || Application->MainForm() != Parent->Form());
  case cmRollUp: return Parent->RollUpState();
  default: return false;
  }
}

bool TskSkinStdButtonObject::PointInObject(int X, int Y) {
  if (FSkinSupport && IconCase()) return true;
  return TskSkinButtonObject::PointInObject(X, Y);
}

void TskSkinStdButtonObject::ShowLayer() {
  if (!IconCase()) TskSkinButtonObject::ShowLayer();
}

void TskSkinStdButtonObject::HideLayer() {
  if (!IconCase()) TskSkinButtonObject::HideLayer();
}

bool TskSkinStdButtonObject::CanMorphing() { return !IconCase() && TskSkinButtonObject::CanMorphing(); }

// ---- Drawing -------------------------------------------------------------------------------------------

void TskSkinStdButtonObject::Draw(TCanvas* Cnvs, bool UpDate) {
  if (!FSkinSupport) {
    DefaultDraw(Cnvs);
    return;
  }
  if (!SkinUsable() || (Parent->AppMenuCaptionDrawn() && ObjectRect.Left < Parent->AppMenuCaptionOffset())) return;
  if (IconCase()) {
    Parent->DrawFormIcon(Cnvs, ObjectRect.Left, ObjectRect.Top);
    FMorphKf = 0;
    return;
  }
  const bool Restore = RestoreLook(false) && !IsEmptyRect(RestoreRect);
  if (!Enabled || (!Restore && !Parent->GetFormActive() && !IsEmptyRect(InActiveSkinRect))) {
    TskSkinButtonObject::Draw(Cnvs, UpDate);
    return;
  }
  if (!Restore) {
    if (Command == cmSysMenu && FDown && !IsEmptyRect(DownRect))
      CopyPicture(Cnvs, ActivePicture, DownRect);
    else
      TskSkinButtonObject::Draw(Cnvs, UpDate);
    return;
  }
  if (!Parent->FormActiveFlag() && !IsEmptyRect(RestoreInActiveRect))
    CopyPicture(Cnvs, ActivePicture, RestoreInActiveRect);
  else if (FDown && FMouseIn && !IsEmptyRect(RestoreDownRect))
    CopyPicture(Cnvs, ActivePicture, RestoreDownRect);
  else if (EnableMorphing() && InTransition())
    DrawMorph(Cnvs, ActivePicture, RestoreRect, RestoreActiveRect);
  else if (Active && !IsEmptyRect(RestoreActiveRect))
    CopyPicture(Cnvs, ActivePicture, RestoreActiveRect);
  else
    CopyPicture(Cnvs, ActivePicture, RestoreRect);
}

void TskSkinStdButtonObject::DrawAlpha(TCanvas* Cnvs, TskBitmap*) {
  if (!FData || !SkinUsable()) return;
  if (Command == cmSysMenu && Parent->ShowIcon()) {
    Parent->DrawFormIcon(Cnvs, ObjectRect.Left, ObjectRect.Top);
    return;
  }
  const bool Restore = RestoreLook(false);
  auto Pick = [Restore](const std::unique_ptr<TskBitmap>& Plain, const std::unique_ptr<TskBitmap>& RestoreVariant) {
    return Restore && RestoreVariant ? RestoreVariant.get() : Plain.get();
  };
  const TskDataSkinStdButton& D = *FData;
  TskBitmap* Image;
  if (Parent->FormActiveFlag() || IsEmptyRect(InActiveSkinRect)) {
    if (FDown && (FMouseIn || Command == cmSysMenu) && !IsEmptyRect(DownRect))
      Image = Pick(D.FAlphaDownImage, D.FAlphaRestoreDownImage);
    else if (FMouseIn && !IsEmptyRect(ActiveSkinRect))
      Image = Pick(D.FAlphaActiveImage, D.FAlphaRestoreActiveImage);
    else
      Image = Pick(D.FAlphaNormalImage, D.FAlphaRestoreNormalImage);
  } else {
    Image = Pick(D.FAlphaInActiveImage, D.FAlphaInActiveRestoreImage);
  }
  if (!Image || Image->Empty()) return;
  BLENDFUNCTION Blend;
  Blend.AlphaFormat = AC_SRC_ALPHA;
  const TRect& R = ObjectRect;
  AlphaBlend(Cnvs->Handle(), R.Left, R.Top, R.Width(), R.Height(), Image->DC(), 0, 0, Image->Width(), Image->Height(),
             Blend);
}

void TskSkinStdButtonObject::DefaultDraw(TCanvas* Cnvs) {
  if (Command == cmSysMenu && Parent->ShowIcon()) {
    Parent->DrawFormIcon(Cnvs, ObjectRect.Left, ObjectRect.Top);
    return;
  }
  const int W = ObjectRect.Width(), H = ObjectRect.Height();
  if (W <= 0 || H <= 0) return;
  TBitmap Face;
  Face.SetSize(W, H);
  TCanvas* C = Face.Canvas();
  const TRect R = Rect(0, 0, W, H);
  if (FMouseIn) {
    C->Brush()->SetColor(FDown ? DownFill : HotFill);
    C->FillRect(R);
    C->Brush()->SetColor(HotFrame);
    C->FrameRect(R);
  } else {
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(R);
  }
  const TColor Glyph = Enabled ? clBtnText : clBtnShadow;
  const int X = W / 2 - 5, Y = H / 2 - 4;
  switch (Command) {
  case cmClose: DrawCloseGlyph(C, X, Y, Glyph); break;
  case cmMaximize:
    if (Parent->WindowState() == wsMaximized)
      DrawRestoreGlyph(C, X, Y, Glyph);
    else
      DrawMaximizeGlyph(C, X, Y, Glyph);
    break;
  case cmMinimize:
    if (Parent->WindowState() == wsMinimized)
      DrawRestoreGlyph(C, X, Y, Glyph);
    else
      DrawMinimizeGlyph(C, X, Y, Glyph);
    break;
  case cmSysMenu: DrawSysMenuGlyph(C, X, Y, Glyph); break;
  case cmRollUp:
    if (Parent->RollUpState())
      DrawRollDownGlyph(C, X, Y, Glyph);
    else
      DrawRollUpGlyph(C, X, Y, Glyph);
    break;
  case cmMinimizeToTray: DrawMinimizeToTrayGlyph(C, X, Y, Glyph); break;
  case cmDefault: break;
  }
  Cnvs->Draw(ObjectRect.Left, ObjectRect.Top, &Face);
}

// ---- Mouse ---------------------------------------------------------------------------------------------

void TskSkinStdButtonObject::MouseEnter() {
  if (Command != cmDefault)
    Hint = !RestoreHint.empty() && RestoreLook(true) ? RestoreHint : FTempHint;
  if (!IconCase()) TskSkinButtonObject::MouseEnter();
}

void TskSkinStdButtonObject::MouseLeave() {
  if (!IconCase()) TskSkinButtonObject::MouseLeave();
}

void TskSkinStdButtonObject::MouseDown(int, int, TMouseButton Button) {
  if (!Enabled || Button != mbLeft || FDown) return;
  if (!IconCase()) SetDown(true);
  if (Command == cmSysMenu) {
    MenuItem = Parent->SystemMenuItems();
    ShowMenu();
  }
}

void TskSkinStdButtonObject::MouseUp(int X, int Y, TMouseButton Button) {
  const bool Click = Active && Button == mbLeft;
  if (Command == cmClose) {
    TskSkinButtonObject::MouseUp(X, Y, Button);
    if (Click) ButtonClick();
    return;
  }
  if (Click) ButtonClick();
  if (!IconCase()) TskSkinButtonObject::MouseUp(X, Y, Button);
}

void TskSkinStdButtonObject::DblClick() {
  if (Command == cmSysMenu) Parent->Form()->Close();
}

void TskSkinStdButtonObject::ButtonClick() {
  switch (Command) {
  case cmClose:
    Parent->TrackActiveObject(-1, -1, false);
    Parent->Form()->Close();
    break;
  case cmMaximize:
    Parent->TrackActiveObject(-1, -1, false);
    HideLayer();
    Parent->SetWindowState(Parent->WindowState() == wsMaximized ? wsNormal : wsMaximized);
    break;
  case cmMinimize:
    Parent->TrackActiveObject(-1, -1, false);
    if (Parent->AlwaysMinimizeToTray()) {
      Parent->MinimizeToTray();
      break;
    }
    HideLayer();
    Parent->SetWindowState(Parent->WindowState() == wsMinimized ? wsNormal : wsMinimized);
    break;
  case cmMinimizeToTray:
    Parent->TrackActiveObject(-1, -1, false);
    Parent->MinimizeToTray();
    break;
  case cmRollUp: Parent->SetRollUpState(!Parent->RollUpState()); break;
  case cmSysMenu:
  case cmDefault: break;
  }
}
