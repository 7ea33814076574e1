#include "skin/form/TskActiveSkinObject.h"

#include <cmath>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/controls/skMorph.h"
#include "skin/core/TskEffectBmp.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskSkinForm.h"

TskActiveSkinObject::TskActiveSkinObject(TskSkinForm* AParent, TskDataSkinObject* AData)
    : Parent(AParent), SD(AParent->SkinData()) {
  if (!AData) return;
  IDName = AData->IDName;
  Hint = AData->Hint;
  SkinRectInAPicture = AData->SkinRectInAPicture;
  SkinRect = AData->SkinRect;
  ActiveSkinRect = AData->ActiveSkinRect;
  InActiveSkinRect = AData->InActiveSkinRect;
  Morphing = AData->Morphing;
  MorphKind = AData->MorphKind;
  GlowLayerPictureIndex = AData->GlowLayerPictureIndex;
  GlowLayerMaskPictureIndex = AData->GlowLayerMaskPictureIndex;
  GlowLayerOffsetX = AData->GlowLayerOffsetX;
  GlowLayerOffsetY = AData->GlowLayerOffsetY;
  GlowLayerAlphaBlendValue = AData->GlowLayerAlphaBlendValue;
  ActivePicture = SkinPicture(AData->ActivePictureIndex);
  if (!ActivePicture) {
    ActiveSkinRect = TRect();
    AData->ActiveSkinRect = TRect();
  }
  ActiveMaskPicture = SkinPicture(AData->ActiveMaskPictureIndex);
  if (Morphing && IsEmptyRect(ActiveSkinRect)) Morphing = false;
  ObjectRect = SkinRect;
  if (SD) Picture = SD->FPicture.get();
}

bool TskActiveSkinObject::SkinUsable() const { return Parent->SkinData() && !Parent->SkinData()->Empty; }

bool TskActiveSkinObject::PointInObject(int X, int Y) {
  if (!SkinUsable() || !ActiveMaskPicture) return true;
  if (X < 0 || Y < 0 || X >= ActiveMaskPicture->Width() || Y >= ActiveMaskPicture->Height()) return false;
  return (ColorToRGB(ActiveMaskPicture->Canvas()->Pixels(X, Y)) & 0xFFFFFF) == 0;
}

// ---- Glow ----------------------------------------------------------------------------------------------

void TskActiveSkinObject::ShowLayer() { ShowLayerOn(Parent->LayerManager()); }

void TskActiveSkinObject::HideLayer() {
  if (Parent->LayerManager()->IsVisible) Parent->LayerManager()->Hide();
}

void TskActiveSkinObject::ShowLayerOn(TskLayerManager* Manager) {
  if (!SkinUsable() || !SD->ShowCaptionButtonGlowFrames()) return;
  // A glow picture outside the skin's pictures shows no glow.
  TBitmap* Image = SkinPicture(GlowLayerPictureIndex);
  TBitmap* Mask = SkinPicture(GlowLayerMaskPictureIndex);
  if (!Image || !Mask) return;
  const TRect R = ScreenObjectRect();
  Manager->Show(R.Left - GlowLayerOffsetX, R.Top - GlowLayerOffsetY, Image, Mask, GlowLayerAlphaBlendValue);
}

TBitmap* TskActiveSkinObject::SkinPicture(int Index) const {
  if (!SD || Index < 0 || Index >= int(SD->FActivePictures.size())) return nullptr;
  return SD->FActivePictures[size_t(Index)].get();
}

TRect TskActiveSkinObject::ToScreen(const TRect& R) const {
  if (Parent->FullBorderShown())
    if (const TskFormLayerWindow* Top = Parent->BorderLayer()->Window(skflTop))
      return R.Offset(Top->Left(), Top->Top());
  return Parent->FrameToScreen(R);
}

// ---- Morphing ------------------------------------------------------------------------------------------

bool TskActiveSkinObject::EnableMorphing() const {
  return Morphing && SkinUsable() && Parent->SkinData()->EnableSkinEffects() && !Parent->FullLayeredBorder();
}

bool TskActiveSkinObject::CanMorphing() { return Active ? FMorphKf < MorphSteps : FMorphKf > 0; }

void TskActiveSkinObject::SetMorphKf(double Value) {
  FMorphKf = std::clamp(int(std::nearbyint(Value * MorphSteps)), 0, MorphSteps);
}

void TskActiveSkinObject::DoMorphing() {
  FMorphKf = std::clamp(FMorphKf + (Active ? 1 : -1), 0, MorphSteps);
  Parent->DrawSkinObject(this);
}

void TskActiveSkinObject::ReDraw() {
  if (EnableMorphing())
    Parent->EnableMorphTimer();
  else
    Parent->DrawSkinObject(this);
}

// ---- Drawing -------------------------------------------------------------------------------------------

void TskActiveSkinObject::CopyPicture(TCanvas* Cnvs, TBitmap* APicture, const TRect& Source) const {
  if (APicture) Cnvs->CopyRect(ObjectRect, APicture->Canvas(), Source);
}

void TskActiveSkinObject::DrawMorph(TCanvas* Cnvs, TBitmap* NormalPicture, const TRect& NormalRect,
                                    const TRect& HotRect) const {
  if (!NormalPicture || !ActivePicture) return;
  const int W = ObjectRect.Width(), H = ObjectRect.Height();
  TBitmap Normal, Hot;
  Normal.SetSize(W, H);
  Hot.SetSize(W, H);
  Normal.Canvas()->CopyRect(Rect(0, 0, W, H), NormalPicture->Canvas(), NormalRect);
  Hot.Canvas()->CopyRect(Rect(0, 0, W, H), ActivePicture->Canvas(), HotRect);
  std::unique_ptr<TskEffectBmp> From = TskEffectBmp::CreateFromhWnd(Normal.Handle());
  std::unique_ptr<TskEffectBmp> To = TskEffectBmp::CreateFromhWnd(Hot.Handle());
  MorphByKind(From.get(), To.get(), MorphKf(), MorphKind);
  From->Draw(Cnvs->Handle(), ObjectRect.Left, ObjectRect.Top);
}

void TskActiveSkinObject::Draw(TCanvas* Cnvs, bool UpDate) {
  if (!SkinUsable()) return;
  if (Enabled && !Parent->GetFormActive() && !IsEmptyRect(InActiveSkinRect)) {
    CopyPicture(Cnvs, ActivePicture, InActiveSkinRect);
    return;
  }
  TBitmap* NormalPicture = SkinRectInAPicture ? ActivePicture : Picture;
  if (EnableMorphing() && InTransition()) {
    DrawMorph(Cnvs, NormalPicture, SkinRect, ActiveSkinRect);
    return;
  }
  if (Active && !IsEmptyRect(ActiveSkinRect)) {
    CopyPicture(Cnvs, ActivePicture, ActiveSkinRect);
    return;
  }
  if (!UpDate && !SkinRectInAPicture) return;
  CopyPicture(Cnvs, NormalPicture, SkinRect);
}

void TskActiveSkinObject::DrawAlpha(TCanvas*, TskBitmap*) {}

// ---- Mouse ---------------------------------------------------------------------------------------------

void TskActiveSkinObject::MouseEnter() {
  FMouseIn = true;
  Active = true;
  if (!IsEmptyRect(ActiveSkinRect)) ReDraw();
  if (Parent->OnMouseEnterEvent) Parent->OnMouseEnterEvent(IDName);
  ShowLayer();
}

void TskActiveSkinObject::MouseLeave() {
  FMouseIn = false;
  Active = false;
  if (!IsEmptyRect(ActiveSkinRect)) ReDraw();
  if (Parent->OnMouseLeaveEvent) Parent->OnMouseLeaveEvent(IDName);
  HideLayer();
}

void TskActiveSkinObject::MouseDown(int X, int Y, TMouseButton Button) {
  if (Parent->OnMouseDownEvent) Parent->OnMouseDownEvent(IDName, X, Y, ObjectRect, Button);
}

void TskActiveSkinObject::MouseUp(int X, int Y, TMouseButton Button) {
  if (FMouseIn && Parent->OnMouseUpEvent) Parent->OnMouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

void TskActiveSkinObject::MouseMove(int X, int Y) {
  if (Parent->OnMouseMoveEvent) Parent->OnMouseMoveEvent(IDName, X, Y, ObjectRect);
}
