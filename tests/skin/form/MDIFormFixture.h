#pragma once
// An MDI main form with a frame, a main menu with a "Window" item as its window menu, a skinned menu bar
// and a tab bar, shown on the headless presenter; children come with frames of their own.
#include <string>

#include "platform/ui/toolkit/TMainMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/form/TskSkinMDITabsBar.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/skFormFinders.h"
#include "tests/skin/form/FormFrameFixture.h"

class MDIFrame : public FormFrameTest {
protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    Main->SetCaption("Main");
    Main->SetFormStyle(fsMDIForm);
    Main->SetBounds(50, 50, 700, 500);
    Frame = Attach(Main, &Model);
    Menu = new TMainMenu(Main);
    auto* File = new TMenuItem(Menu);
    File->SetCaption("File");
    Menu->Items()->Add(File);
    WindowMenu = new TMenuItem(Menu);
    WindowMenu->SetCaption("Window");
    Menu->Items()->Add(WindowMenu);
    Main->SetWindowMenu(WindowMenu);
    Bar = Place<TskSkinMainMenuBar>(Main, Main, Bounds(0, 0, 600, 22));
    Bar->SetAlign(alTop);
    Bar->SetMainMenu(Menu);
    Frame->SetMainMenuBar(Bar);
    Tabs = Place<TskSkinMDITabsBar>(Main, Main, Bounds(0, 22, 600, 21));
    Tabs->SetAlign(alTop);
    Tabs->SetShowCloseButtons(true);
    Tabs->SetSkinForm(Frame);
    Frame->SetMDITabsBar(Tabs);
    Main->Show();
    Display->PumpUntilIdle();
  }

  /// A shown child with a frame, named and captioned Name.
  TForm* NewChild(const std::string& Name, TRect R = Bounds(10, 10, 250, 180)) {
    TForm* Child = NewForm(R, Name);
    Child->SetCaption(Name);
    Child->SetFormStyle(fsMDIChild);
    Attach(Child, &Model);
    Child->Show();
    Display->PumpUntilIdle();
    return Child;
  }

  static TskSkinForm* FrameOf(TCustomForm* Form) { return GetSkinFormComponent(Form); }

  /// Clicks (X, Y) of the tab bar.
  void ClickTabs(int X, int Y) {
    const TPoint P = Tabs->ClientToScreen({ X, Y });
    Display->Click(P.X, P.Y);
    Display->PumpUntilIdle();
  }

  TskSkinForm* Frame { nullptr };
  TMainMenu* Menu { nullptr };
  TMenuItem* WindowMenu { nullptr };
  TskSkinMainMenuBar* Bar { nullptr };
  TskSkinMDITabsBar* Tabs { nullptr };
};
