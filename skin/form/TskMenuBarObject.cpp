#include "skin/form/TskMenuBarObject.h"

#include <algorithm>

#include "platform/ui/toolkit/TTimer.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinMainMenuBar.h"

TskMenuBarObject::TskMenuBarObject(TskSkinMainMenuBar* AParent, TskDataSkinObject* AData) : Parent(AParent) {
  if (!AData) return;
  IDName = AData->IDName;
  SkinRect = AData->SkinRect;
  ActiveSkinRect = AData->ActiveSkinRect;
  DownRect = AData->ActiveSkinRect;
  Morphing = AData->Morphing && !IsEmptyRect(AData->ActiveSkinRect);
  MorphKind = AData->MorphKind;
  ObjectRect = AData->SkinRect;
  Picture = TskSkinGeometry::ModelPicture(Parent->SkinData(), AData->ActivePictureIndex);
}

bool TskMenuBarObject::EnableMorphing() const {
  const TskSkinData* SD = Parent->SkinData();
  // Transparent tool buttons have no normal face to fade from.
  return Morphing && SD && !SD->Empty && SD->EnableSkinEffects() &&
         !(Parent->ToolBarMode() && Parent->ToolBarModeItemTransparent());
}

bool TskMenuBarObject::CanMorphing() {
  if (FDown && !IsEmptyRect(DownRect)) return false;
  return Active ? FMorphSteps < 5 : FMorphSteps > 0;
}

void TskMenuBarObject::SetMorphSteps(int Value) { FMorphSteps = std::clamp(Value, 0, 5); }

void TskMenuBarObject::DoMorphing() {
  SetMorphSteps(FMorphSteps + (Active ? 1 : -1));
  Parent->DrawObject(this);
}

void TskMenuBarObject::ReDraw() {
  if (EnableMorphing())
    Parent->MorphTimer()->SetEnabled(true);
  else
    Parent->DrawObject(this);
}

void TskMenuBarObject::MouseEnter() {
  FMouseIn = true;
  Active = true;
  ReDraw();
}

void TskMenuBarObject::MouseLeave() {
  FMouseIn = false;
  Active = false;
  ReDraw();
}
