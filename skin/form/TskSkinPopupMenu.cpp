#include "skin/form/TskSkinPopupMenu.h"

#include <memory>

#include "platform/shell/PopupMenuCalls.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/skFormFinders.h"

namespace {

/// Shows a handle-level popup menu of the platform through the skinned menus of Owner's form (or the
/// active form's) and waits for the choice.
UINT TrackSkinned(HMENU Handle, TPoint At, HWND Owner) {
  TWinControl* Control = FindControl(Owner);
  TCustomForm* Form = Control ? GetParentForm(Control) : nullptr;
  if (!Form && Screen) Form = Screen->ActiveCustomForm();
  TskSkinForm* Frame = GetSkinFormComponent(Form);
  if (!Frame || !Application) return 0;
  UINT Chosen = 0;
  auto Menu = std::make_unique<TskSkinPopupMenu>(Form);
  for (int i = 0; i < GetMenuItemCount(Handle); ++i) {
    TMenuEntry Entry;
    GetMenuEntry(Handle, i, Entry);
    auto* Item = new TMenuItem(Menu.get());
    Item->SetCaption(Entry.Flags & MF_SEPARATOR ? "-" : Entry.Text);
    Item->SetEnabled(!(Entry.Flags & MF_GRAYED));
    Item->SetDefault(Entry.Flags & MF_DEFAULT);
    Item->OnClick = [&Chosen, ID = Entry.ID](TObject*) { Chosen = ID; };
    Menu->Items()->Add(Item);
  }
  if (!Menu->PopupFromRect(Rect(At.X, At.Y, At.X, At.Y), false)) return 0;
  while (Frame->SkinMenu->Visible() && !Application->Terminated()) Application->HandleMessage();
  return Chosen;
}

}  // namespace

TskSkinPopupMenu::TskSkinPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {
  SetPopupMenuTracker([](HMENU Menu, UINT, TPoint At, HWND Owner) { return TrackSkinned(Menu, At, Owner); });
}

TskSkinPopupMenu::~TskSkinPopupMenu() = default;

void TskSkinPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TPopupMenu::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSD) FSD = nullptr;
  if (AComponent == FComponentForm) FComponentForm = nullptr;
  if (AComponent == FSkinComponent) FSkinComponent = nullptr;
}

void TskSkinPopupMenu::SetSkinData(TskSkinData* Value) {
  if (FSD) FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD) FSD->FreeNotification(this);
}

void TskSkinPopupMenu::SetComponentForm(TCustomForm* Value) {
  if (FComponentForm) FComponentForm->RemoveFreeNotification(this);
  FComponentForm = Value;
  if (FComponentForm) FComponentForm->FreeNotification(this);
}

void TskSkinPopupMenu::SetSkinComponent(TskSkinForm* Value) {
  if (FSkinComponent) FSkinComponent->RemoveFreeNotification(this);
  FSkinComponent = Value;
  if (FSkinComponent) FSkinComponent->FreeNotification(this);
}

TskSkinForm* TskSkinPopupMenu::FindFrame() const {
  if (FSkinComponent) return FSkinComponent;
  if (FComponentForm) return GetSkinFormComponent(FComponentForm);
  TCustomForm* Form = dynamic_cast<TCustomForm*>(Owner());
  if (!Form && Owner()) Form = dynamic_cast<TCustomForm*>(Owner()->Owner());
  if (Form && Form->FormStyle() == fsMDIChild && Application) Form = Application->MainForm();
  return GetSkinFormComponent(Form);
}

void TskSkinPopupMenu::Popup(int X, int Y) { Open(nullptr, Rect(X, Y, X, Y), false, false); }

bool TskSkinPopupMenu::PopupFromRect(const TRect& R, bool APopupUp) { return Open(nullptr, R, APopupUp, false); }

bool TskSkinPopupMenu::Popup2(TControl* ACtrl, int X, int Y) { return Open(ACtrl, Rect(X, Y, X, Y), false, true); }

bool TskSkinPopupMenu::PopupFromRect2(TControl* ACtrl, const TRect& R, bool APopupUp) {
  return Open(ACtrl, R, APopupUp, false);
}

bool TskSkinPopupMenu::Open(TControl* ACtrl, const TRect& R, bool APopupUp, bool NeedsSkin) {
  DoPopup(this);
  TskSkinForm* Frame = FindFrame();
  if (Frame && !FSD) SetSkinData(Frame->MenusSkinData() ? Frame->MenusSkinData() : Frame->SkinData());
  if (!Frame || (NeedsSkin && !FSD)) return false;
  if (Frame->SkinMenu->Visible()) Frame->SkinMenuClose();
  Frame->SkinMenuOpen();
  FPopupPoint = { R.Left, R.Top };
  if (!Frame->SkinMenu->Popup(ACtrl, FSD, 0, R, Items(), APopupUp)) {
    // Nothing showed: no menu mode is left behind and no close notice follows.
    Frame->SkinMenuClose();
    return false;
  }
  if (OnMenuClose) Frame->SkinMenu->FOnMenuClose = OnMenuClose;
  return true;
}
