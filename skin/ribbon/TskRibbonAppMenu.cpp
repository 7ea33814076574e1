// The ribbon's hosting of its application menu (placement, Escape hook, events, the chosen item's command)
// and the MDI buttons of a maximized MDI child.
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/skFormFinders.h"
#include "skin/ribbon/TskAppButton.h"
#include "skin/ribbon/TskAppMenu.h"
#include "skin/ribbon/TskAppMenuPage.h"
#include "skin/ribbon/TskRibbon.h"

namespace {

constexpr int MDIClose = 1;
constexpr int MDIRestore = 2;
constexpr int MDIMinimize = 3;

}  // namespace

// ---- Application menu ----

// The menu covers the form's client area below the application button; with skin records on both and a
// back button in the menu's record it covers the whole client area, the back button taking the
// button's place. The ribbon's top is taken in the form's client coordinates, so a ribbon inside a panel
// places the menu under its button too.
void TskRibbon::PlaceAppMenu() {
  TCustomForm* Form = GetParentForm(this);
  if (!Form) return;
  const int RibbonTop = Form->ScreenToClient(ClientToScreen({ 0, 0 })).Y;
  int Top = RibbonTop + (FAppButton ? FAppButton->Top() + FAppButton->Height() : 0);
  int Height = Form->ClientHeight() - Top;
  FAppMenu->GetSkinData();
  if (Skinned() && FAppMenu->FData && !IsEmptyRect(FAppMenu->FData->BackButtonRect)) {
    Top = 0;
    Height = Form->ClientHeight();
  }
  FAppMenu->SetBounds(0, Top, Form->ClientWidth(), Height);
  FAppMenu->SetAnchors(TAnchors { akLeft, akTop, akRight, akBottom });
}

void TskRibbon::ShowAppMenu() {
  if (!FAppMenu || FAppMenu->Items()->Count() == 0) return;
  if (FAppMenu->OnShowingMenu) FAppMenu->OnShowingMenu(this);
  InstallAppMenuHook();
  TCustomForm* Form = GetParentForm(this);
  if (Form && FAppMenu->Parent() != Form) FAppMenu->SetParent(Form);
  PlaceAppMenu();
  TskAppMenuPage* Page = FAppMenu->ActivePage();
  FAppMenu->SetItemIndex(Page ? FAppMenu->ItemIndexOfPage(Page) : 0);
  FAppMenu->Show();
  FAppMenu->BringToFront();
  if (FAppMenu->CanFocus()) FAppMenu->SetFocus();
  const int Index = FAppMenu->ItemIndex();
  if (Index >= 0 && Index < FAppMenu->Items()->Count()) {
    const TskAppMenuItem* Item = FAppMenu->Items()->Items(Index);
    if (!Item->Visible() || !Item->Enabled()) FAppMenu->FindNextItem();
  }
  if (TskAppMenuPage* Active = FAppMenu->ActivePage()) {
    Active->FStopScroll = false;
    Active->UpDateSize();
    if (Active->CanScroll()) Active->GetScrollInfo();
  }
  Repaint();
  if (BSF) BSF->UpDateFormNC();
  if (FAppMenu->OnShowMenu) FAppMenu->OnShowMenu(this);
}

void TskRibbon::HideAppMenu(TskAppMenuItem* Item) {
  if (!FAppMenu) return;
  RemoveAppMenuHook();
  if (FAppMenu->OnHidingMenu) FAppMenu->OnHidingMenu(this);
  FAppMenu->SetAnchors(TAnchors {});
  FAppMenu->Hide();
  Repaint();
  if (FAppButton) FAppButton->Release();
  const std::weak_ptr<bool> Life = LifeToken();
  const TNotifyEvent Command = Item ? Item->OnClick : nullptr;
  Application->ProcessMessages();
  if (Life.expired()) return;
  if (Command) Command(this);
  if (Life.expired()) return;
  if (OnMenuClose) OnMenuClose(this);
  if (Life.expired() || !FAppMenu) return;
  if (BSF) BSF->UpDateFormNC();
  if (FAppMenu->OnHideMenu) FAppMenu->OnHideMenu(this);
}

bool TskRibbon::CanDrawAppMenuCaption() const { return FAppMenu && FAppMenu->CanDrawAppMenuCaption(); }

void TskRibbon::DrawAppMenuCaption(TCanvas* Cnvs, const TRect& R) {
  if (FAppMenu) FAppMenu->DrawAppMenuCaption(Cnvs, R);
}

int TskRibbon::GetAppMenuCaptionOffset() const { return FAppMenu ? FAppMenu->GetAppMenuCaptionOffset() : 0; }

int TskRibbon::AppMenuItemWidth() const { return FAppMenu ? FAppMenu->ItemWidth() : 0; }

void TskRibbon::InstallAppMenuHook() {
  if (FInAppHook || !Application) return;
  // Exclusive: the application's own hooks hear nothing while the menu is shown.
  Application->OnMessage().Push(this, [this](TMsg& Msg, bool& Handled) { AppMenuHook(Msg, Handled); }, true);
  FInAppHook = true;
}

void TskRibbon::RemoveAppMenuHook() {
  if (!FInAppHook) return;
  FInAppHook = false;
  if (Application) Application->OnMessage().Remove(this);
}

void TskRibbon::AppMenuHook(TMsg& Msg, bool& Handled) {
  if (Msg.message != WM_KEYDOWN || Msg.wParam != VK_ESCAPE || !AppMenuShown() || !BSF || !BSF->GetFormActive())
    return;
  HideAppMenu(nullptr);
  Msg.message = 0;
  Handled = true;
}

// ---- MDI buttons ----

void TskRibbon::MDIChildMaximize() {
  if (FMDIButtons->Count() == 0) AddMDIButtons();
}

void TskRibbon::MDIChildRestore() {
  if (!GetMaximizedMDIChildSkinForm() && FMDIButtons->Count() > 0) ClearMDIButtons();
}

void TskRibbon::AddMDIButtons() {
  FMDIButtons->Clear();
  const std::pair<int, void (TskRibbon::*)(TObject*)> Buttons[] = {
    { MDIClose, &TskRibbon::CloseMDIChild },
    { MDIRestore, &TskRibbon::RestoreMDIChild },
    { MDIMinimize, &TskRibbon::MinimizeMDIChild },
  };
  for (const auto& [Code, Action] : Buttons) {
    TskRibbonButtonItem* Item = FMDIButtons->Add();
    Item->Code = Code;
    Item->OnClick = [this, Action](TObject* Sender) { (this->*Action)(Sender); };
  }
  Repaint();
}

void TskRibbon::ClearMDIButtons() {
  FMDIButtons->Clear();
  FMDIActiveButton = FMDIOldActiveButton = FMouseCaptureMDIButton = -1;
  Repaint();
}

void TskRibbon::CloseMDIChild(TObject*) {
  if (TskSkinForm* Child = GetMaximizedMDIChildSkinForm()) Child->Form()->Close();
}

void TskRibbon::RestoreMDIChild(TObject*) {
  if (TskSkinForm* Child = GetMaximizedMDIChildSkinForm()) Child->SetWindowState(wsNormal);
}

void TskRibbon::MinimizeMDIChild(TObject*) {
  if (TskSkinForm* Child = GetMaximizedMDIChildSkinForm()) Child->SetWindowState(wsMinimized);
}
