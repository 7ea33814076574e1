#include "skin/form/TskSkinButtonObject.h"

#include "platform/ui/toolkit/TMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/controls/IskSkinPopupMenu.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/form/TskSkinForm.h"

TskSkinButtonObject::TskSkinButtonObject(TskSkinForm* AParent, TskDataSkinObject* AData)
    : TskActiveSkinObject(AParent, AData) {
  if (auto* Data = dynamic_cast<TskDataSkinButton*>(AData)) {
    DownRect = Data->DownRect;
    DisableSkinRect = Data->DisableSkinRect;
  }
}

void TskSkinButtonObject::ShowLayer() {
  if (MenuItem)
    ShowLayerOn(Parent->MenuLayerManager());
  else
    TskActiveSkinObject::ShowLayer();
}

void TskSkinButtonObject::HideLayer() {
  TskLayerManager* Manager = MenuItem ? Parent->MenuLayerManager() : Parent->LayerManager();
  if (Manager->IsVisible) Manager->Hide();
}

bool TskSkinButtonObject::CanMorphing() { return !(MenuItem && FDown) && TskActiveSkinObject::CanMorphing(); }

void TskSkinButtonObject::Draw(TCanvas* Cnvs, bool UpDate) {
  if (!SkinUsable()) return;
  if (!Enabled && !IsEmptyRect(DisableSkinRect))
    CopyPicture(Cnvs, ActivePicture, DisableSkinRect);
  else if (FDown && FMouseIn && !IsEmptyRect(DownRect))
    CopyPicture(Cnvs, ActivePicture, DownRect);
  else
    TskActiveSkinObject::Draw(Cnvs, UpDate);
}

void TskSkinButtonObject::SetDown(bool Value) {
  FDown = Value;
  if (EnableMorphing() && Active) FMorphKf = MorphSteps;
  Parent->DrawSkinObject(this);
  if (EnableMorphing() && !FDown) ReDraw();
}

void TskSkinButtonObject::MouseDown(int X, int Y, TMouseButton Button) {
  if (!Enabled) return;
  if (Button == mbLeft && !FDown) {
    SetDown(true);
    ShowMenu();
  }
  TskActiveSkinObject::MouseDown(X, Y, Button);
}

void TskSkinButtonObject::MouseUp(int X, int Y, TMouseButton Button) {
  if (!Enabled) return;
  if (Button == mbLeft && !MenuItem && FDown) SetDown(false);
  TskActiveSkinObject::MouseUp(X, Y, Button);
}

void TskSkinButtonObject::MouseEnter() {
  FMouseIn = true;
  Active = true;
  if (!FDown || IsEmptyRect(DownRect)) {
    if (!IsEmptyRect(ActiveSkinRect)) ReDraw();
    if (MenuItem) ShowLayer();
  } else {
    if (EnableMorphing()) FMorphKf = MorphSteps;
    Parent->DrawSkinObject(this);
  }
  if (Parent->OnMouseEnterEvent) Parent->OnMouseEnterEvent(IDName);
  if (!MenuItem) ShowLayer();
}

void TskSkinButtonObject::MouseLeave() {
  FMouseIn = false;
  Active = false;
  if (!MenuItem || !FDown) {
    if (MenuItem) HideLayer();
    Parent->DrawSkinObject(this);
    ReDraw();
  }
  if (Parent->OnMouseLeaveEvent) Parent->OnMouseLeaveEvent(IDName);
  if (!MenuItem) HideLayer();
}

void TskSkinButtonObject::ShowMenu() {
  if (!MenuItem || MenuItem->Count() == 0) return;
  Parent->HideLayers();
  if (FMouseIn) ShowLayer();
  const TRect R = ScreenObjectRect();
  if (auto* Owner = dynamic_cast<IskSkinPopupMenu*>(MenuItem->GetParentMenu())) {
    Owner->PopupFromRect2(nullptr, R, FPopupUp);
    return;
  }
  Parent->PopupSkinMenuItems(MenuItem, R, FPopupUp);
}
