// The frame's side of the layered border: when it is in use, and how it follows the form's placement,
// visibility and activity.
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/core/skUtils.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/skFormMessages.h"
#include "skin/form/skLayering.h"

bool TskSkinForm::UseLayeredBorder() const {
  const TskDataSkinLayerFrame* Layer = FSD ? FSD->LayerFrame.get() : nullptr;
  return Layer && !FSD->Empty && FSD->ShowLayeredBorders() && Layer->PictureIndex != -1 && Layer->FSourceBitmap &&
         CanLayer() && FSkinnableForm && !AlwaysDisableLayeredFrames && !PreviewMode &&
         FForm->BorderStyle() != bsNone && FForm->FormStyle() != fsMDIChild && !FSmartEffectsShow;
}

namespace {

/// The form shows in its normal state, where the border goes around it.
bool ShowsNormal(TCustomForm* Form) {
  const HWND Wnd = Form->Handle();
  return IsWindowVisible(Wnd) && !IsIconic(Wnd) && !IsZoomed(Wnd);
}

}  // namespace

bool TskSkinForm::FullLayeredBorder() const {
  const TskDataSkinLayerFrame* Data = FBorderLayer->Data();
  return Data && Data->FullBorder && UseLayeredBorder();
}

bool TskSkinForm::FullBorderShown() const { return FullLayeredBorder() && FBorderLayer->Visible(); }

bool TskSkinForm::BorderOutsideForm() const {
  const TskDataSkinLayerFrame* Data = FBorderLayer->Data();
  return Data && UseLayeredBorder() && FBorderLayer->Visible() && (!IsEmptyRect(Data->BorderRect) || Data->FullBorder);
}

bool TskSkinForm::BorderShowsNow() const {
  // A maximized form fills the screen with its own frame unless the border carries the whole frame.
  return UseLayeredBorder() && ShowsNormal(FForm) && (FWindowState != wsMaximized || FullLayeredBorder());
}

void TskSkinForm::ApplyLayerBorder() {
  if (!FForm->HandleAllocated() || !BorderShowsNow()) return;
  FBorderLayer->FActive = GetFormActive();
  FBorderLayer->ShowWithForm();
}

bool TskSkinForm::RestoreWithLayerBorder(TMessage& Message) {
  if (!UseLayeredBorder() || !Application || Application->MainForm() != FForm) return true;
  if (!CallOldWindowProc(Message)) return false;
  // The form's new place may have shown the border already; it stays above the form.
  if (FBorderLayer->Visible())
    FBorderLayer->StackWithForm();
  else
    ApplyLayerBorder();
  return false;
}

void TskSkinForm::RememberOuterBounds() {
  const TRect F = FForm->BoundsRect();
  // The border on the screen counts, whether or not the change has already put it out of use.
  const TskDataSkinLayerFrame* Data = FBorderLayer->Data();
  if (FBorderLayer->Visible() && Data && Data->FullBorder) {
    const TskFormLayerBorder& B = *FBorderLayer;
    FOldFormBounds = Rect(F.Left - B.LeftSize, F.Top - B.TopSize, F.Right + B.RightSize, F.Bottom + B.BottomSize);
    FOldFullBorder = 1;
  } else {
    FOldFormBounds = F;
    FOldFullBorder = 0;
  }
}

// The remembered bounds serve the one change they were taken for.
void TskSkinForm::RestoreOuterBounds() {
  const TRect R = FOldFormBounds;
  const int Old = FOldFullBorder;
  FOldFullBorder = -1;
  if (Old == -1) return;
  if (FullBorderShown()) {
    const TskFormLayerBorder& B = *FBorderLayer;
    FForm->SetBounds(R.Left + B.LeftSize, R.Top + B.TopSize, R.Width() - B.LeftSize - B.RightSize,
                     R.Height() - B.TopSize - B.BottomSize);
  } else if (Old == 1) {
    FForm->SetBounds(R.Left, R.Top, R.Width(), FRollUpState ? GetMinHeight() : R.Height());
  }
}

void TskSkinForm::LayerBorderMessage(const TMessage& Message) {
  if (!FForm->HandleAllocated()) return;
  switch (Message.Msg) {
  case WM_WINDOWPOSCHANGED: {
    if (!BorderShowsNow()) {
      if (FBorderLayer->Visible()) FBorderLayer->Hide();
      return;
    }
    if (!FBorderLayer->Visible()) {
      FBorderLayer->FActive = true;
      FBorderLayer->ShowWithForm();
      return;
    }
    const auto* Pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
    if (!(Pos->flags & SWP_NOZORDER)) FBorderLayer->StackWithForm();
    if (!(Pos->flags & SWP_NOSIZE))
      FBorderLayer->SetBoundsWithForm3(Pos->x, Pos->y, Pos->cx, Pos->cy);
    else if (!(Pos->flags & SWP_NOMOVE))
      FBorderLayer->MoveWithForm2(Pos->x, Pos->y);
    return;
  }
  case WM_NCACTIVATE:
    if (!UseLayeredBorder()) return;
    if (IsWindowVisible(FForm->Handle()))
      FBorderLayer->SetActive(Message.WParam != 0, true);
    else if (FForm->Tag() != TrayRestoreTag)
      FBorderLayer->Hide();
    return;
  case WM_CHANGESHOWLAYEREDBORDERS:
    RememberOuterBounds();
    // A border that carries the frame changes the form's own frame with it: the skin is applied again.
    if (FSD && FSD->LayerFrame && FSD->LayerFrame->FullBorder) {
      ApplySkin();
      return;
    }
    if (!BorderShowsNow()) {
      FBorderLayer->Hide();
    } else if (!FBorderLayer->Visible()) {
      FBorderLayer->FActive = FFormActive;
      FBorderLayer->ShowWithForm();
    }
    RestoreOuterBounds();
    return;
  case WM_SMARTEFFECTSDONE: {
    // The show effect held the border back; it fades in now.
    const bool Pending = FSmartEffectsShow;
    FSmartEffectsShow = false;
    if (!Pending || FBorderLayer->Visible() || !BorderShowsNow()) return;
    FBorderLayer->FActive = true;
    FBorderLayer->ShowWithFormAnimation();
    return;
  }
  case WM_DESTROY: FBorderLayer->Hide(); return;
  default: return;
  }
}
