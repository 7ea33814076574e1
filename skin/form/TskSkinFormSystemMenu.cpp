// The frame's system menu and tray menu: the built-in items, made afresh for the form's state at each
// opening, the same items merged into a user's system menu, and the menu the tray icon opens.
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinPopupMenu.h"

/// One item of the frame's menus: its name, its string-table key and the text used without a table.
struct TskSystemMenuItemText {
  const char* Name;
  const char* Key;
  const char* BuiltIn;
};

namespace {

using TSystemItem = TskSystemMenuItemText;

constexpr TSystemItem MinItem { "BSF_MINITEM", "MI_MINCAPTION", "Mi&nimize" };
constexpr TSystemItem MaxItem { "BSF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize" };
constexpr TSystemItem RestoreItem { "BSF_RESTORE", "MI_RESTORECAPTION", "&Restore" };
constexpr TSystemItem RollUpItem { "BSF_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp" };
constexpr TSystemItem MinToTrayItem { "BSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray" };
constexpr TSystemItem CloseItem { "BSF_CLOSE", "MI_CLOSECAPTION", "&Close" };
constexpr TSystemItem TrayRestoreItem { "TRAY_BSF_RESTORE", "MI_RESTORECAPTION", "&Restore" };
constexpr TSystemItem TrayCloseItem { "TRAY_BSF_CLOSE", "MI_CLOSECAPTION", "&Close" };

constexpr const TSystemItem* FrameItems[] = { &MinItem, &MaxItem, &RestoreItem, &RollUpItem, &MinToTrayItem, &CloseItem };

}  // namespace

TMenuItem* TskSkinForm::NewSystemItem(const TskSystemMenuItemText& Text, TNotifyEvent OnClick, bool WithModel) {
  auto* Item = new TMenuItem(this);
  Item->SetName(Text.Name);
  TskResourceStrData* Strings = WithModel && FSD ? FSD->ResourceStrData() : nullptr;
  Item->SetCaption(Strings ? Strings->GetResStr(Text.Key) : String(Text.BuiltIn));
  Item->OnClick = std::move(OnClick);
  return Item;
}

TMenuItem* TskSkinForm::NewCloseItem(const TskSystemMenuItemText& Text, bool WithModel) {
  TMenuItem* Item = NewSystemItem(Text, [this](TObject*) { FForm->Close(); }, WithModel);
  Item->SetShortCut(TextToShortCut(FForm->FormStyle() == fsMDIChild ? "Ctrl+F4" : "Alt+F4"));
  return Item;
}

std::vector<TMenuItem*> TskSkinForm::StateItems(bool RestoreFirst) {
  const TWindowState State = WindowState();
  const bool MaximizedChild = State == wsMaximized && FForm->FormStyle() == fsMDIChild;
  std::vector<TMenuItem*> Items;
  auto Add = [&](bool Wanted, const TSystemItem& Text, auto Command) {
    if (Wanted) Items.push_back(NewSystemItem(Text, Command, true));
  };
  const bool Restore = State != wsNormal || FRollUpState;
  Add(State != wsMinimized && FBorderIcons.Contains(TskBorderIcon::biMinimize), MinItem, [this](TObject*) {
    if (FAlwaysMinimizeToTray)
      MinimizeToTray();
    else
      SetWindowState(wsMinimized);
  });
  auto RestoreCommand = [this](TObject*) {
    const bool Unroll = FRollUpState && ((FWindowState == wsMaximized && MaxRollUpState) || FWindowState == wsNormal);
    if (Unroll)
      SetRollUpState(false);
    else
      SetWindowState(wsNormal);
  };
  if (RestoreFirst) Add(Restore, RestoreItem, RestoreCommand);
  Add(State != wsMaximized && FBorderIcons.Contains(TskBorderIcon::biMaximize), MaxItem,
      [this](TObject*) { SetWindowState(wsMaximized); });
  if (!RestoreFirst) Add(Restore, RestoreItem, RestoreCommand);
  Add(FBorderIcons.Contains(TskBorderIcon::biRollUp) && !MaximizedChild && !FRollUpState && State != wsMinimized,
      RollUpItem, [this](TObject*) { SetRollUpState(true); });
  Add(FBorderIcons.Contains(TskBorderIcon::biMinimizeToTray), MinToTrayItem, [this](TObject*) { MinimizeToTray(); });
  return Items;
}

TMenuItem* TskSkinForm::SystemMenuItems() {
  // The items are made again below: no open level may still show the old ones.
  if (SkinMenu->Visible()) SkinMenu->Hide();
  if (!FSystemMenu) {
    TMenuItem* Root = FSysMenu->Items();
    Root->Clear();
    const std::vector<TMenuItem*> Items = StateItems(false);
    for (TMenuItem* Item : Items) Root->Add(Item);
    if (!Items.empty()) {
      auto* Line = new TMenuItem(this);
      Line->SetCaption("-");
      Root->Add(Line);
    }
    Root->Add(NewCloseItem(CloseItem, true));
    return Root;
  }
  TMenuItem* Root = FSystemMenu->Items();
  if (!FUseDefaultSysMenu) return Root;
  for (int i = Root->Count() - 1; i >= 0; --i) {
    TMenuItem* Item = Root->Items(i);
    for (const TSystemItem* Frame : FrameItems)
      if (Item->Name() == Frame->Name) {
        delete Item;
        break;
      }
  }
  const std::vector<TMenuItem*> Items = StateItems(true);
  for (size_t i = 0; i < Items.size(); ++i) Root->Insert(int(i), Items[i]);
  Root->Add(NewCloseItem(CloseItem, true));
  return Root;
}

void TskSkinForm::CreateTrayMenu() {
  FSysTrayMenu = new TskSkinPopupMenu(this);
  FSysTrayMenu->SetComponentForm(FForm);
  TMenuItem* Root = FSysTrayMenu->Items();
  Root->Add(NewSystemItem(TrayRestoreItem, [this](TObject*) { RestoreFromTray(); }, false));
  auto* Line = new TMenuItem(this);
  Line->SetCaption("-");
  Root->Add(Line);
  Root->Add(NewCloseItem(TrayCloseItem, false));
}
