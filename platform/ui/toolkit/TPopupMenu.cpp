#include "platform/ui/toolkit/TPopupMenu.h"

#include <utility>

namespace {

TPopupMenuPresenter& InstalledPresenter() {
  static TPopupMenuPresenter Presenter;
  return Presenter;
}

}  // namespace

TPopupMenuPresenter SetPopupMenuPresenter(TPopupMenuPresenter Presenter) {
  return std::exchange(InstalledPresenter(), std::move(Presenter));
}

void TPopupMenu::Popup(int X, int Y) {
  FPopupPoint = { X, Y };
  DoPopup(this);
  if (const TPopupMenuPresenter Presenter = InstalledPresenter()) Presenter(this, X, Y);
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (FPopupComponent == Value) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = Value;
  if (FPopupComponent) FPopupComponent->FreeNotification(this);
}

void TPopupMenu::DoPopup(TObject* Sender) {
  if (OnPopup) {
    const TNotifyEvent Handler = OnPopup;
    Handler(Sender);
  }
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}
