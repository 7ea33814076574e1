// The frame's menu mode, the application hook that serves it, and the form's shortcuts.
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TMainMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinPopupWindow.h"
#include "skin/form/TskSkinMenuItem.h"
#include "skin/form/skFormFinders.h"

// ---- Menu mode -----------------------------------------------------------------------------------------

void TskSkinForm::SkinMenuOpen() {
  if (!InMainMenu) InstallMenuMessageHook();
  if (InMenu) return;
  InMenu = true;
  if (OnSkinMenuOpen) OnSkinMenuOpen(this);
}

void TskSkinForm::SkinMenuClose() {
  InMenu = false;
  ReleaseMenuObject();
  RemoveMenuMessageHook();
  if (OnSkinMenuClose) OnSkinMenuClose(this);
  if (InMainMenu) {
    InMainMenu = false;
    if (FMainMenuBar) FMainMenuBar->MenuExit();
    if (OnMainMenuExit) OnMainMenuExit(this);
  }
}

void TskSkinForm::LeaveMainMenuMode() {
  InMainMenu = false;
  if (SkinMenu->Visible()) SkinMenu->Hide();
  if (FMainMenuBar) FMainMenuBar->MenuExit();
  RemoveMenuMessageHook();
  if (OnMainMenuExit) OnMainMenuExit(this);
}

void TskSkinForm::EnterMainMenuMode() {
  if (SkinMenu->Visible())
    SkinMenu->Hide();
  else if (InMenu)
    SkinMenuClose();
  if (FMainMenuBar) FMainMenuBar->MenuEnter();
}

void TskSkinForm::SetMainMenuBar(TskSkinMainMenuBar* Value) {
  if (FMainMenuBar) FMainMenuBar->RemoveFreeNotification(this);
  FMainMenuBar = Value;
  if (!FMainMenuBar) return;
  FMainMenuBar->FreeNotification(this);
  FMainMenuBar->SetSkinForm(this);
}

void TskSkinForm::PopupSkinMenu(TMenu* Menu, TPoint P) { PopupSkinMenu1(Menu, Rect(P.X, P.Y, P.X, P.Y), false); }

void TskSkinForm::PopupSkinMenu1(TMenu* Menu, const TRect& R, bool PopupUp) {
  SkinMenuOpen();
  // An opening that shows nothing must not leave the form in menu mode with every key swallowed.
  if (!SkinMenu->Popup(nullptr, FMSD ? FMSD : FSD, 0, R, Menu->Items(), PopupUp)) SkinMenuClose();
}

void TskSkinForm::DoPopupMenu(TPopupMenu* Menu, int X, int Y) {
  if (Menu->OnPopup) Menu->OnPopup(this);
  if (SkinMenu->Visible()) SkinMenuClose();
  SkinMenuOpen();
  if (!SkinMenu->Popup(nullptr, FSD, 0, Rect(X, Y, X, Y), Menu->Items(), false)) SkinMenuClose();
}

void TskSkinForm::ShowSystemMenu() {
  TRect Window;
  GetWindowRect(FForm->Handle(), &Window);
  const int Top = Window.Top + (FSkinSupport ? NewClRect.Top : CaptionHeight() + 3);
  PopupSkinMenuItems(SystemMenuItems(), Rect(Window.Left, Top, Window.Left, Top), false);
}

// ---- The application hook ------------------------------------------------------------------------------

void TskSkinForm::InstallMenuMessageHook() {
  if (FInAppHook || !Application) return;
  Application->OnMessage().Push(this, [this](TMsg& Msg, bool& Handled) { MenuMessageHook(Msg, Handled); }, true);
  FInAppHook = true;
}

void TskSkinForm::RemoveMenuMessageHook() {
  if (!FInAppHook) return;
  if (Application) Application->OnMessage().Remove(this);
  FInAppHook = false;
}

void TskSkinForm::MenuMessageHook(TMsg& Msg, bool& Handled) {
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_MOUSEWHEEL) return;
  if (Msg.message == WM_KEYDOWN) MenuKeyDown(Word(Msg.wParam));
  Msg.message = 0;
  Handled = true;
}

void TskSkinForm::MenuKeyDown(Word Key) {
  // An MDI child's keys belong to the main form's menu while that is open.
  if (FForm->FormStyle() == fsMDIChild && Application) {
    TskSkinForm* MainFrame = GetSkinFormComponent(Application->MainForm());
    if (MainFrame && MainFrame != this &&
        (MainFrame->InMenu || MainFrame->InMainMenu || MainFrame->SkinMenu->Visible())) {
      MainFrame->MenuKeyDown(Key);
      return;
    }
  }
  TskSkinMainMenuBar* Bar = InMainMenu ? FMainMenuBar : nullptr;
  if (Bar && Bar->FindAccelItem(Key)) return;
  if (Key == VK_ESCAPE && InMainMenu && !InMenu) {
    LeaveMainMenuMode();
    return;
  }
  const std::vector<TskSkinPopupWindow*>& Levels = SkinMenu->PopupList();
  if (Bar && Key == VK_LEFT && Levels.size() <= 1) {
    Bar->PriorMainMenuItem();
    return;
  }
  if (Bar && Key == VK_RIGHT) {
    const TskSkinPopupWindow* Deepest = Levels.empty() ? nullptr : Levels.back();
    if (!Deepest || Deepest->ActiveItem < 0 ||
        Deepest->ItemList[size_t(Deepest->ActiveItem)]->MenuItem->Count() == 0) {
      Bar->NextMainMenuItem();
      return;
    }
  }
  if (Bar && (Key == VK_RETURN || Key == VK_DOWN) && Bar->OpenActiveItem()) return;
  if (SkinMenu->Visible()) SkinMenu->PopupKeyDown(Key);
  if (Key != VK_ESCAPE || SkinMenu->Visible()) return;
  // Esc closed the last level.
  if (InMainMenu) {
    InMenu = false;
    if (FMainMenuBar) FMainMenuBar->MenuClose();
    if (OnSkinMenuClose) OnSkinMenuClose(this);
  } else {
    SkinMenuClose();
  }
}

// ---- Shortcuts -----------------------------------------------------------------------------------------

void TskSkinForm::FormShortCut(TWMKey& Msg, bool& Handled) {
  if (OnShortCut) {
    OnShortCut(Msg, Handled);
    if (Handled) return;
  }
  if (Msg.CharCode == VK_SPACE && KeyDataToShiftState(Msg.KeyData) == TShiftState { ssAlt }) {
    ShowSystemMenu();
    FInShortCut = false;
    Handled = true;
    return;
  }
  // The key taken at the last ask is asked for again before the next keystroke.
  if (FInShortCut) {
    FInShortCut = false;
    Handled = false;
    return;
  }
  TMainMenu* Menu = FMainMenuBar && FMainMenuBar->MainMenu() ? FMainMenuBar->MainMenu() : FMainMenu;
  if (Menu) {
    const bool Alt = KeyDataToShiftState(Msg.KeyData).Contains(ssAlt);
    if (Alt && Msg.CharCode != VK_F4 && FMainMenuBar && FMainMenuBar->FindAccelItem(Msg.CharCode)) {
      Handled = true;
      return;
    }
    FInShortCut = Menu->IsShortCut(Msg);
    Handled = FInShortCut;
  }
  // The items the bar merged from a child or merge menu (their accelerators are the bar's already).
  TMainMenu* Child = FMainMenuBar && FMainMenuBar->ChildMenuIn() ? FMainMenuBar->GetChildMainMenu() : nullptr;
  if (!Handled && Child) {
    FInShortCut = Child->IsShortCut(Msg);
    Handled = FInShortCut;
  }
  if (!Handled) RibbonShortCut(Msg, Handled);
  if (!Handled && FSystemMenu && Msg.CharCode != 0) {
    FInShortCut = FSystemMenu->IsShortCut(Msg);
    Handled = FInShortCut;
  }
}
