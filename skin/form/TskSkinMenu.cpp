#include "skin/form/TskSkinMenu.h"

#include <utility>

#include "platform/ui/toolkit/ReleaseControl.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/toolkit/TMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TTimer.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinMenuItem.h"
#include "skin/form/TskSkinPopupWindow.h"
#include "skin/form/skFormMessages.h"

bool IsMenuCloseMessage(UINT Msg) {
  switch (Msg) {
  case WM_MOVE:
  case WM_SIZE:
  case WM_ACTIVATE:
  case WM_KILLFOCUS:
  case WM_CANCELMODE:
  case WM_MOUSEACTIVATE:
  case WM_NCLBUTTONDOWN:
  case WM_NCRBUTTONDOWN:
  case WM_NCMBUTTONDOWN:
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN:
  case WM_PARENTNOTIFY: return true;
  default: return false;
  }
}

TskSkinMenu::TskSkinMenu(TComponent* AOwner, TCustomForm* AForm) : TComponent(AOwner), FForm(AForm) {
  FDefaultMenuItemFont.SetName("Tahoma");
  FDefaultMenuItemFont.SetHeight(13);
  WaitTimer = new TTimer(this);
  WaitTimer->SetEnabled(false);
  WaitTimer->SetInterval(500);
  WaitTimer->OnTimer = [this](TObject*) { WaitTimerProc(); };
}

TskSkinMenu::~TskSkinMenu() {
  ClosePopupWindows(0);
  SetPopupCtrl(nullptr);
  SetDCtrl(nullptr);
}

void TskSkinMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == PopupCtrl) PopupCtrl = nullptr;
  if (AComponent == DCtrl) DCtrl = nullptr;
  for (TskSkinPopupWindow*& Window : FPopupList)
    if (AComponent == Window) Window = nullptr;
  std::erase(FPopupList, nullptr);
}

void TskSkinMenu::SetPopupCtrl(TControl* Value) {
  if (PopupCtrl == Value) return;
  if (PopupCtrl && PopupCtrl != DCtrl) PopupCtrl->RemoveFreeNotification(this);
  PopupCtrl = Value;
  if (PopupCtrl) PopupCtrl->FreeNotification(this);
}

void TskSkinMenu::SetDCtrl(TControl* Value) {
  if (DCtrl == Value) return;
  if (DCtrl && DCtrl != PopupCtrl) DCtrl->RemoveFreeNotification(this);
  DCtrl = Value;
  if (DCtrl) DCtrl->FreeNotification(this);
}

void TskSkinMenu::Tell(TControl* Control, UINT Msg) {
  if (auto* Windowed = dynamic_cast<TWinControl*>(Control); Windowed && Windowed->HandleAllocated())
    SendMessage(Windowed->Handle(), Msg, 0, 0);
  else
    Control->Perform(Msg, 0, 0);
}

// ---- Opening -------------------------------------------------------------------------------------------

bool TskSkinMenu::Popup(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, const TRect& R,
                        TMenuItem* AItem, bool PopupUp) {
  return Open(APopupCtrl, ASkinData, StartIndex, R, AItem, nullptr, PopupUp);
}

bool TskSkinMenu::Popup2(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, const TRect& R,
                         TMenuItem* AItem, TMenuItem* AItem2, bool PopupUp) {
  return Open(APopupCtrl, ASkinData, StartIndex, R, AItem, AItem2, PopupUp);
}

bool TskSkinMenu::Open(TControl* APopupCtrl, TskSkinData* ASkinData, int StartIndex, const TRect& R,
                       TMenuItem* AItem, TMenuItem* AItem2, bool PopupUp) {
  FFirst = !FVisible;
  if (!FPopupList.empty()) ClosePopupWindows(0);
  SetPopupCtrl(APopupCtrl);
  WorkArea = Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  GetMonitorWorkArea(FForm && FForm->HandleAllocated() ? FForm->Handle() : 0, true, WorkArea);
  SkinData = ASkinData;
  const int Count = (AItem ? AItem->Count() : 0) + (AItem2 ? AItem2->Count() : 0);
  if (!AItem || AItem->Count() == 0 || StartIndex >= Count) {
    // Nothing shows: the control opened nothing and hears no close.
    SetPopupCtrl(nullptr);
    return false;
  }
  FVisible = true;
  AddPopupWindow(R, AItem, AItem2, PopupUp, false, StartIndex);
  FFirst = false;
  return true;
}

void TskSkinMenu::AddPopupWindow(const TRect& R, TMenuItem* AItem, TMenuItem* AItem2, bool PopupUp,
                                 bool PopupByItem, int StartIndex) {
  TskDataSkinPopupWindow* Record = SkinData && !SkinData->Empty ? SkinData->PopupWindow.get() : nullptr;
  auto* Window = new TskSkinPopupWindow(this, this, Record);
  FPopupList.push_back(Window);
  if (AItem2)
    Window->Show2(R, AItem, AItem2, StartIndex, PopupByItem, PopupUp);
  else
    Window->Show(R, AItem, StartIndex, PopupByItem, PopupUp);
}

// ---- Closing -------------------------------------------------------------------------------------------

int TskSkinMenu::GetPopupWindowIndex(const TskSkinPopupWindow* Window) const {
  for (size_t i = 0; i < FPopupList.size(); ++i)
    if (FPopupList[i] == Window) return int(i);
  return int(FPopupList.size());
}

void TskSkinMenu::ClosePopupWindows(int AFromIndex) {
  while (int(FPopupList.size()) > AFromIndex && !FPopupList.empty()) {
    TskSkinPopupWindow* Window = FPopupList.back();
    FPopupList.pop_back();
    if (WItem && WItem->Parent == Window) StopWaiting();
    // The level may be closing from inside its own mouse or key handling: it goes out of sight now and
    // is freed once that handling is over.
    Window->Hide();
    ReleaseControl(Window);
  }
  if (AFromIndex > 0) return;
  FVisible = false;
  StopWaiting();
  SetDCtrl(PopupCtrl);
  if (TControl* Control = PopupCtrl) {
    SetPopupCtrl(nullptr);
    Tell(Control, WM_SKINMENUCLOSED);
  }
  if (FOnMenuClose) {
    const TNotifyEvent Handler = std::exchange(FOnMenuClose, nullptr);
    Handler(this);
  }
}

void TskSkinMenu::Hide() {
  ClosePopupWindows(0);
  StopWaiting();
  if (FForm && FForm->HandleAllocated()) SendMessage(FForm->Handle(), WM_SKINMENUCLOSED, 0, 0);
}

void TskSkinMenu::StopWaiting() {
  WaitTimer->SetEnabled(false);
  WItem = nullptr;
}

// ---- Rows and keys -------------------------------------------------------------------------------------

void TskSkinMenu::PopupKeyDown(Word Key) {
  if (!FPopupList.empty()) FPopupList.back()->PopupKeyDown(Key);
}

void TskSkinMenu::ProcessItem(TskSkinPopupWindow* Window, TskSkinMenuItem* Item, bool AClick, bool AByKeyboard) {
  TMenuItem* MenuItem = Item->MenuItem;
  const bool Leaf = MenuItem->Count() == 0;
  if (!Leaf && !AClick && AByKeyboard) return;
  StopWaiting();
  if (Leaf && AClick) {
    Hide();
    // The command runs with every level gone and the frame out of menu mode.
    if (TMenu* Menu = MenuItem->GetParentMenu(); !Menu || !Menu->DispatchCommand(MenuItem->Command()))
      MenuItem->Click();
    if (TControl* Control = DCtrl) {
      SetDCtrl(nullptr);
      Tell(Control, WM_SKINMENUCOMMAND);
    }
    return;
  }
  ClosePopupWindows(GetPopupWindowIndex(Window) + 1);
  if (!AClick) {
    if (!Leaf) {
      WItem = Item;
      WaitTimer->SetEnabled(true);
    }
    return;
  }
  const std::weak_ptr<bool> Life = Window->LifeToken();
  if (TMenu* Menu = MenuItem->GetParentMenu())
    Menu->DispatchCommand(MenuItem->Command());
  else
    MenuItem->Click();
  // The parent's handler may have closed the menu.
  if (Life.expired() || GetPopupWindowIndex(Window) == int(FPopupList.size())) return;
  Item->Down = true;
  const TRect R = Item->ObjectRect.Offset(Window->Left(), Window->Top());
  AddPopupWindow(R, MenuItem, nullptr, false, true, 0);
}

void TskSkinMenu::WaitTimerProc() {
  if (TskSkinMenuItem* Item = WItem) ProcessItem(Item->Parent, Item, true, false);
  WaitTimer->SetEnabled(false);
}
