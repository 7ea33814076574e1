#pragma once
// The converter's four windows as the program makes them, on the headless harness over the scripted engine
// and recording system services, with the main window shown; and the way to its menus on the screen.
#include <fstream>
#include <sstream>

#include "app/forms/TForm1.h"
#include "app/forms/TForm2.h"
#include "app/forms/TForm5.h"
#include "app/forms/TForm7.h"
#include "app/program/ConverterForms.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinMainMenuBarItem.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinMenuItem.h"
#include "skin/form/TskSkinPopupWindow.h"
#include "tests/app/support/FrontEndHarness.h"
#include "tests/app/support/TFakeFFConverter.h"
#include "tests/platform/shell/TRecordingPowerService.h"
#include "tests/platform/shell/TRecordingShellOpenService.h"
#include "tests/platform/shell/TRecordingSoundService.h"

class ConverterProgramTest : public FrontEndHarness {
protected:
  void TearDown() override {
    FrontEndHarness::TearDown();
    Form1 = nullptr;
    Form2 = nullptr;
    Form5 = nullptr;
    Form7 = nullptr;
  }

  /// Makes the program's windows and shows the main window.
  TForm1& ShowProgram() {
    ShowForm([this](TApplication& App) {
      CreateConverterForms(App, { &Engine, &Power, &Sound, &Shell });
      return Form1;
    });
    return *Form1;
  }

  String Ini() const { return InstallDir() + "option.ini"; }
  String GetIni() const {
    std::ostringstream Text;
    Text << std::ifstream(Ini(), std::ios::binary).rdbuf();
    return Text.str();
  }
  void PutIni(const String& Text) const { std::ofstream(Ini(), std::ios::binary) << Text; }

  // ---- Menus ----
  /// The menu windows open now, the first one first.
  static const std::vector<TskSkinPopupWindow*>& OpenMenus() { return Form1->skSkinForm1->SkinMenu->PopupList(); }
  /// The screen point in the middle of the menu bar's item Index.
  static TPoint BarItemPoint(int Index) {
    const TRect& R = Form1->skSkinMainMenuBar1->Item(Index)->ObjectRect;
    return Form1->skSkinMainMenuBar1->ClientToScreen({ (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 });
  }
  /// The screen point in the middle of Window's row for Item; fails the test when the row is missing.
  static TPoint RowPoint(TskSkinPopupWindow* Window, TMenuItem* Item) {
    for (const auto& Row : Window->ItemList)
      if (Row->MenuItem == Item) {
        const TRect& R = Row->ObjectRect;
        return Window->ClientToScreen({ (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 });
      }
    ADD_FAILURE() << "no row shows " << Item->Name();
    return {};
  }
  /// The item of Window's highlighted row; null when none.
  static TMenuItem* HighlightedItem(TskSkinPopupWindow* Window) {
    return Window->ActiveItem < 0 ? nullptr : Window->ItemList[size_t(Window->ActiveItem)]->MenuItem;
  }
  /// Chooses Item of the menu bar's menu Menu with the mouse: a click on the menu, one on the item.
  void ChooseByMouse(int Menu, TMenuItem* Item) {
    const TPoint Bar = BarItemPoint(Menu);
    Display->Click(Bar.X, Bar.Y);
    ASSERT_EQ(OpenMenus().size(), 1u) << Item->Name();
    const TPoint Row = RowPoint(OpenMenus().front(), Item);
    Display->MoveTo(Row.X, Row.Y);
    Display->Advance(60);
    Display->Click(Row.X, Row.Y);
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

  TFakeFFConverter Engine;
  TRecordingPowerService Power;
  TRecordingSoundService Sound;
  TRecordingShellOpenService Shell;
};
