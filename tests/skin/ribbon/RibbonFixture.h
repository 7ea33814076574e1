#pragma once
// Ribbons on a shown form of the headless presenter, the skin they are tested with and small helpers:
// pointer input in ribbon coordinates and the colour shown at a point.
//
// The ribbon skin (BuildRibbonSkin) draws every piece in a colour of its own on one picture: "officetab"
// with a 30-pixel TabRect, a nine-part frame, tab faces, a divider and the MDI buttons;
// "officeribbonbutton"; "officemenubutton"; "resizetoolbutton" for the pages' scroll buttons; and
// "appmenu" with item, page-item, back-button and caption pieces.
#include <gtest/gtest.h>

#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/ribbon/TskAppButton.h"
#include "skin/ribbon/TskAppMenu.h"
#include "skin/ribbon/TskAppMenuPage.h"
#include "skin/ribbon/TskRibbon.h"
#include "skin/ribbon/TskRibbonPage.h"
#include "tests/platform/ui/AppFixture.h"
#include "tests/skin/support/TskSkinModelBuilder.h"

namespace RibbonSkin {
constexpr TColor Frame = RGB(200, 40, 40);
constexpr TColor Client = RGB(40, 200, 40);
constexpr TColor TabFace = RGB(40, 40, 200);
constexpr TColor ActiveTab = RGB(200, 200, 40);
constexpr TColor FocusTab = RGB(200, 40, 200);
constexpr TColor HotTab = RGB(40, 200, 200);
constexpr TColor Strip = RGB(120, 60, 20);
constexpr TColor Divider = RGB(250, 130, 0);
constexpr TColor MDIClose = RGB(90, 10, 10);
constexpr TColor ButtonHot = RGB(10, 90, 10);
constexpr TColor ButtonDown = RGB(10, 10, 90);
constexpr TColor Scroll = RGB(160, 160, 100);
constexpr TColor MenuItem = RGB(100, 160, 160);
constexpr TColor MenuPageItem = RGB(160, 100, 160);
constexpr TColor Back = RGB(220, 220, 220);
constexpr TColor Caption = RGB(30, 130, 230);
constexpr TColor MenuClient = RGB(240, 240, 200);
constexpr TColor Background = RGB(70, 140, 210);
}  // namespace RibbonSkin

/// Builds the ribbon skin into Model; see the file comment. Without BackButton the "appmenu" record has
/// no back button; with BackgroundPicture the tab record's page area takes a picture of its own in
/// Background.
inline void BuildRibbonSkin(TskSkinData& Model, bool BackButton = true, bool BackgroundPicture = false) {
  using namespace RibbonSkin;
  TskSkinModelBuilder Skin(Model);
  const int P = Skin.AddPicture(300, 200);
  auto& Tab = Skin.Add<TskDataSkinTabControl>("tab", "officetab");
  Tab.PictureIndex = P;
  Skin.Paint(P, Rect(0, 0, 60, 60), Frame);
  Skin.Paint(P, Rect(10, 10, 50, 50), Client);
  Tab.SkinRect = Rect(0, 0, 60, 60);
  Tab.LTPoint = { 10, 10 };
  Tab.RTPoint = { 50, 10 };
  Tab.LBPoint = { 10, 50 };
  Tab.RBPoint = { 50, 50 };
  Tab.ClRect = Rect(10, 10, 50, 50);
  Tab.LeftStretch = Tab.TopStretch = Tab.RightStretch = Tab.BottomStretch = true;
  Tab.TabRect = Skin.Paint(P, Rect(60, 0, 100, 30), TabFace);
  Tab.ActiveTabRect = Skin.Paint(P, Rect(100, 0, 140, 30), ActiveTab);
  Tab.FocusTabRect = Skin.Paint(P, Rect(140, 0, 180, 30), FocusTab);
  Tab.MouseInTabRect = Skin.Paint(P, Rect(180, 0, 220, 30), HotTab);
  Tab.TabsBGRect = Skin.Paint(P, Rect(220, 0, 240, 30), Strip);
  Tab.DividerRect = Skin.Paint(P, Rect(240, 0, 242, 20), Divider);
  Tab.MDICloseRect = Skin.Paint(P, Rect(60, 30, 80, 50), MDIClose);
  Tab.MDIRestoreRect = Skin.Paint(P, Rect(80, 30, 100, 50), MDIClose);
  Tab.MDIMinRect = Skin.Paint(P, Rect(100, 30, 120, 50), MDIClose);
  if (BackgroundPicture) Tab.BGPictureIndex = Skin.AddPicture(20, 20, Background);
  Tab.FontColor = clWhite;
  Tab.ActiveFontColor = clBlack;
  Tab.FocusFontColor = clBlack;
  Tab.MouseInFontColor = clBlack;
  auto& Button = Skin.Add<TskDataSkinButtonControl>("button", "officeribbonbutton");
  Button.PictureIndex = P;
  Button.SkinRect = Rect(120, 30, 140, 50);
  Button.ActiveSkinRect = Skin.Paint(P, Rect(140, 30, 160, 50), ButtonHot);
  Button.DownSkinRect = Skin.Paint(P, Rect(160, 30, 180, 50), ButtonDown);
  Button.ClRect = Rect(2, 2, 18, 18);
  auto& ScrollButton = Skin.Add<TskDataSkinButtonControl>("button", "resizetoolbutton");
  ScrollButton.PictureIndex = P;
  SetNinePart(ScrollButton, Skin.Paint(P, Rect(180, 30, 200, 50), Scroll), 3, Rect(3, 3, 17, 17));
  auto& Menu = Skin.Add<TskDataSkinAppMenu>("appmenu", "appmenu");
  Menu.PictureIndex = P;
  Skin.Paint(P, Rect(0, 60, 60, 120), Frame);
  Skin.Paint(P, Rect(10, 70, 50, 110), MenuClient);
  SetNinePart(Menu, Rect(0, 60, 60, 120), 10, Rect(10, 10, 50, 50));
  Menu.ItemRect = Skin.Paint(P, Rect(60, 60, 100, 88), MenuItem);
  Menu.PageItemRect = Skin.Paint(P, Rect(100, 60, 140, 95), MenuPageItem);
  Menu.PageItemActiveRect = Menu.PageItemRect;
  if (BackButton) Menu.BackButtonRect = Skin.Paint(P, Rect(140, 60, 160, 80), Back);
  Menu.CaptionRect = Skin.Paint(P, Rect(160, 60, 200, 90), Caption);
  Menu.CaptionLeftOffset = 4;
  Menu.CaptionTopOffset = 6;
  Menu.FontColor = Menu.ActiveFontColor = Menu.FontPageColor = Menu.ActiveFontPageColor = clBlack;
  Skin.Finish();
}

class RibbonTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    App->CreateForm(Form);  // the main form, where the hint window finds its hint component
    Form->SetBounds(40, 40, 600, 400);
    Form->SetClientWidth(400);
    Form->Show();
    Ribbon = new TskRibbon(Form);
    Ribbon->SetParent(Form);
    // Five pixels a character in the test face.
    Ribbon->Font()->SetHeight(-8);
    Display->PumpUntilIdle();
  }

  /// A tab whose caption is Chars characters (five pixels each).
  TskRibbonTab* AddTab(int Chars) {
    TskRibbonTab* Tab = Ribbon->Tabs()->Add();
    Tab->Page()->SetCaption(String(size_t(Chars), 'x'));
    return Tab;
  }
  /// Paints the ribbon, which lays it out.
  void Layout() {
    Ribbon->Repaint();
    Display->PumpUntilIdle();
  }
  TPoint At(TControl* Control, int X, int Y) { return Control->ClientToScreen({ X, Y }); }
  void MoveTo(TControl* Control, int X, int Y) {
    const TPoint P = At(Control, X, Y);
    Display->MoveTo(P.X, P.Y);
    Display->PumpUntilIdle();
  }
  void Press(TControl* Control, int X, int Y) {
    const TPoint P = At(Control, X, Y);
    Display->MoveTo(P.X, P.Y);
    Display->ButtonDown(P.X, P.Y);
    Display->PumpUntilIdle();
  }
  void Release(TControl* Control, int X, int Y) {
    const TPoint P = At(Control, X, Y);
    Display->MoveTo(P.X, P.Y);
    Display->ButtonUp(P.X, P.Y);
    Display->PumpUntilIdle();
  }
  void ClickAt(TControl* Control, int X, int Y) {
    Press(Control, X, Y);
    Release(Control, X, Y);
  }
  void ClickOnRect(TControl* Control, const TRect& R) {
    ClickAt(Control, (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  }
  TColor Shown(TControl* Control, int X, int Y) {
    Display->PumpUntilIdle();
    const TPoint P = At(Control, X, Y);
    return Display->PixelAt(P.X, P.Y);
  }
  /// Logs the ribbon's page events as "changing" and "change".
  void LogPageEvents() {
    Ribbon->OnChangingPage = [this](TObject* S) { Log.push_back(S == Ribbon ? "changing" : "changing?"); };
    Ribbon->OnChangePage = [this](TObject* S) { Log.push_back(S == Ribbon ? "change" : "change?"); };
  }

  TForm* Form { nullptr };
  TskRibbon* Ribbon { nullptr };
  TskSkinData Model { nullptr };
};
