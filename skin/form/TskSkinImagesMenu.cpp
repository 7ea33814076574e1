#include "skin/form/TskSkinImagesMenu.h"

#include <utility>

#include "platform/ui/toolkit/ReleaseControl.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskSkinHint.h"
#include "skin/form/TskSkinImagesMenuPopupWindow.h"

TskSkinImagesMenu::TskSkinImagesMenu(TComponent* AOwner)
    : TComponent(AOwner), FImagesItems(std::make_unique<TskImagesMenuItems>(this)),
      FDefaultFont(std::make_unique<TFont>()) {
  FDefaultFont->SetName("Tahoma");
  FDefaultFont->SetHeight(13);
}

TskSkinImagesMenu::~TskSkinImagesMenu() { delete std::exchange(FPopupWindow, nullptr); }

void TskSkinImagesMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FSkinHint) FSkinHint = nullptr;
  if (AComponent == FPopupWindow) FPopupWindow = nullptr;
}

void TskSkinImagesMenu::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
}

void TskSkinImagesMenu::SetSkinData(TskSkinData* Value) {
  if (FSkinData) FSkinData->RemoveFreeNotification(this);
  FSkinData = Value;
  if (FSkinData) FSkinData->FreeNotification(this);
}

void TskSkinImagesMenu::SetSkinHint(TskSkinHint* Value) {
  if (FSkinHint) FSkinHint->RemoveFreeNotification(this);
  FSkinHint = Value;
  if (FSkinHint) FSkinHint->FreeNotification(this);
}

void TskSkinImagesMenu::SetColumnsCount(int Value) {
  if (Value >= 1 && Value <= 50) FColumnsCount = Value;
}

TskImagesMenuItem* TskSkinImagesMenu::SelectedItem() const {
  return FItemIndex >= 0 && FItemIndex < FImagesItems->Count() ? FImagesItems->Items(FItemIndex) : nullptr;
}

std::optional<TskImagesMenuSelection> TskSkinImagesMenu::GetSelectedItem() const {
  const TskImagesMenuItem* Item = SelectedItem();
  if (!Item) return std::nullopt;
  return TskImagesMenuSelection { Item->Caption(), Item->ImageIndex() };
}

void TskSkinImagesMenu::Popup(int X, int Y) { PopupFromRect(Rect(X, Y, X, Y)); }

bool TskSkinImagesMenu::PopupFromRect(const TRect& R) {
  if (FPopupWindow) FPopupWindow->Hide(false);
  if (OnMenuPopup) OnMenuPopup(this);
  if (!FImages || FImages->Count() == 0) return false;
  FOldItemIndex = FItemIndex;
  FPopupWindow = new TskSkinImagesMenuPopupWindow(this);
  FPopupWindow->Show(R);
  return true;
}

void TskSkinImagesMenu::Hide() {
  if (FPopupWindow) FPopupWindow->Hide(false);
}

void TskSkinImagesMenu::CloseMenu(bool AProcessEvents) {
  // The close may start in the window's own mouse or key handling: the window goes after it returned.
  if (TskSkinImagesMenuPopupWindow* Window = std::exchange(FPopupWindow, nullptr)) ReleaseControl(Window);
  if (FOnInternalMenuClose) FOnInternalMenuClose(this);
  if (OnMenuClose) OnMenuClose(this);
  if (!AProcessEvents || FItemIndex == -1) return;
  if (TskImagesMenuItem* Item = SelectedItem(); Item && Item->OnClick) Item->OnClick(this);
  if (OnItemClick) OnItemClick(this);
  if (FItemIndex == FOldItemIndex) return;
  if (FOnInternalChange) FOnInternalChange(this);
  if (OnChange) OnChange(this);
}
