#pragma once
// The program's windows on the front-end harness with a desktop that records what it is asked to open,
// the settings file's text, and the user's ways through the main window's menus.
#include <fstream>
#include <sstream>

#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinMainMenuBarItem.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinMenuItem.h"
#include "skin/form/TskSkinPopupWindow.h"
#include "tests/app/forms/ConverterFormsFixture.h"
#include "tests/platform/shell/TRecordingShellOpenService.h"

class ConverterCommandsTest : public ConverterFormsTest {
protected:
  void SetUp() override {
    Services.ShellOpen = &Shell;
    ConverterFormsTest::SetUp();
  }

  String GetIni() const {
    std::ostringstream Text;
    Text << std::ifstream(InstallDir() + "option.ini", std::ios::binary).rdbuf();
    return Text.str();
  }

  // ---- Menus ----
  /// The menu windows open now, the first one first.
  static const std::vector<TskSkinPopupWindow*>& OpenMenus() { return Form1->skSkinForm1->SkinMenu->PopupList(); }
  /// The item of Window's highlighted row; null when none.
  static TMenuItem* HighlightedItem(TskSkinPopupWindow* Window) {
    return Window->ActiveItem < 0 ? nullptr : Window->ItemList[size_t(Window->ActiveItem)]->MenuItem;
  }
  /// Clicks Item's row in the one open menu.
  void ClickRow(TMenuItem* Item) {
    ASSERT_EQ(OpenMenus().size(), 1u) << Item->Name();
    for (const auto& Row : OpenMenus().front()->ItemList)
      if (Row->MenuItem == Item) {
        const TRect& R = Row->ObjectRect;
        const TPoint P = OpenMenus().front()->ClientToScreen({ (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 });
        Display->MoveTo(P.X, P.Y);
        Display->Advance(60);
        Display->Click(P.X, P.Y);
        return;
      }
    ADD_FAILURE() << "no row shows " << Item->Name();
  }
  /// Chooses Item of the menu bar's menu Menu with the mouse: a click on the menu, one on the item.
  void ChooseByMouse(int Menu, TMenuItem* Item) {
    const TRect& R = Form1->skSkinMainMenuBar1->Item(Menu)->ObjectRect;
    const TPoint P = Form1->skSkinMainMenuBar1->ClientToScreen({ (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 });
    Display->Click(P.X, P.Y);
    ClickRow(Item);
  }
  /// Chooses Item of the menu bar's menu Menu with the keyboard: Alt, Right to the menu, Down to open it,
  /// Down to the item, Enter.
  void ChooseByKeyboard(int Menu, TMenuItem* Item) {
    Key(VK_MENU);
    for (int Step = 0; Step < Menu; ++Step) Key(VK_RIGHT);
    Key(VK_DOWN);
    ASSERT_EQ(OpenMenus().size(), 1u) << Item->Name();
    for (int Step = 0; Step < 10 && HighlightedItem(OpenMenus().front()) != Item; ++Step) Key(VK_DOWN);
    ASSERT_EQ(HighlightedItem(OpenMenus().front()), Item) << Item->Name();
    Key(VK_RETURN);
  }

  TRecordingShellOpenService Shell;
};
