// The MDI tab bar beyond its layout: the menus listing every child and the hidden ones, the child's system
// menu on a right press, and the bar's looks: tabs, button tabs, tabs grown from their picture, the page
// strip, skinned add and close buttons, and the children's icons.
#include "platform/gdi/Icons.h"
#include "platform/gdi/TIcon.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/form/TskSkinMDITabsBar.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinMenuItem.h"
#include "skin/form/TskSkinPopupMenu.h"
#include "skin/form/TskSkinPopupWindow.h"
#include "skin/form/skFormFinders.h"
#include "tests/skin/form/FormFrameFixture.h"

namespace {

// The bar skin's colours: tab faces, the page strip, the tab background, the button records' faces.
constexpr TColor TabNormal = RGB(200, 200, 120);
constexpr TColor TabActiveFace = RGB(240, 160, 40);
constexpr TColor TabHotFace = RGB(120, 200, 240);
constexpr TColor PageStrip = RGB(90, 40, 140);
constexpr TColor TabsBackground = RGB(60, 120, 60);
constexpr TColor ButtonNormalFace = RGB(210, 90, 90);
constexpr TColor ButtonHotFace = RGB(90, 210, 90);
constexpr TColor ButtonDownFace = RGB(90, 90, 210);
constexpr TColor ToolNormalFace = RGB(230, 230, 230);
constexpr TColor ToolHotFace = RGB(250, 220, 0);
constexpr TColor IconColour = RGB(255, 0, 160);
/// The same as an icon pixel (0xAARRGGBB).
constexpr uint32_t IconPixel = 0xFFFF00A0u;

/// The bar skin: a "tab" record whose tabs are 20 pixels high (the active one 24) over a page strip of
/// 4 rows, and the "resizebutton" and "resizetoolbutton" records, each a solid face per state.
void BuildBarSkin(TskSkinData& Model) {
  TskSkinModelBuilder Skin(Model);
  const int Pictures = Skin.AddPicture(200, 100, clBlack);
  auto& Tab = Skin.Add<TskDataSkinTabControl>("tab", "tab");
  Tab.PictureIndex = Pictures;
  Tab.TabRect = Skin.Paint(Pictures, Rect(0, 0, 40, 20), TabNormal);
  Tab.ActiveTabRect = Skin.Paint(Pictures, Rect(40, 0, 80, 24), TabActiveFace);
  Tab.MouseInTabRect = Skin.Paint(Pictures, Rect(80, 0, 120, 20), TabHotFace);
  Tab.TabsBGRect = Skin.Paint(Pictures, Rect(120, 0, 130, 20), TabsBackground);
  Tab.TabLeftOffset = Tab.TabRightOffset = 3;
  Tab.SkinRect = Skin.Paint(Pictures, Rect(0, 30, 60, 70), PageStrip);
  Tab.LTPoint = { 5, 5 };
  Tab.RTPoint = { 55, 5 };
  Tab.ClRect = Rect(5, 4, 55, 35);
  Tab.FontColor = Tab.ActiveFontColor = Tab.MouseInFontColor = clBlack;
  auto AddButton = [&](const char* Name, int Left, TColor Normal, TColor Hot, TColor Down) {
    auto& Button = Skin.Add<TskDataSkinButtonControl>("button", Name);
    Button.PictureIndex = Pictures;
    SetNinePart(Button, Skin.Paint(Pictures, Rect(Left, 75, Left + 20, 95), Normal), 3, Rect(3, 3, 17, 17));
    Button.ActiveSkinRect = Skin.Paint(Pictures, Rect(Left + 20, 75, Left + 40, 95), Hot);
    Button.DownSkinRect = Skin.Paint(Pictures, Rect(Left + 40, 75, Left + 60, 95), Down);
  };
  AddButton("resizebutton", 0, ButtonNormalFace, ButtonHotFace, ButtonDownFace);
  AddButton("resizetoolbutton", 100, ToolNormalFace, ToolHotFace, ToolHotFace);
  Skin.Finish();
}

class MDITabsBar : public FormFrameTest {
protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    Main->SetFormStyle(fsMDIForm);
    Main->SetBounds(50, 50, 700, 500);
    Frame = Attach(Main, &Model);
    Tabs = Place<TskSkinMDITabsBar>(Main, Main, Bounds(0, 0, 600, 21));
    Tabs->SetAlign(alTop);
    Tabs->SetSkinForm(Frame);
    Frame->SetMDITabsBar(Tabs);
    Main->Show();
    Display->PumpUntilIdle();
  }

  /// A shown child with a frame, named and captioned Name.
  TForm* NewChild(const std::string& Name) {
    TForm* Child = NewForm(Bounds(10, 10, 250, 180), Name);
    Child->SetCaption(Name);
    Child->SetFormStyle(fsMDIChild);
    Child->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
    Attach(Child, &Model);
    Child->Show();
    Display->PumpUntilIdle();
    return Child;
  }

  /// The open menu levels of the main form's frame.
  const std::vector<TskSkinPopupWindow*>& Levels() const { return Frame->SkinMenu->PopupList(); }
  /// The names of the items the first level shows, "*" marking a checked one.
  std::vector<String> ShownItems() const {
    std::vector<String> Names;
    for (const auto& Row : Levels().at(0)->ItemList)
      Names.push_back(Row->MenuItem->Name() + (Row->MenuItem->Checked() ? "*" : ""));
    return Names;
  }
  /// Clicks the first level's row of the item named Name.
  void ChooseItem(const String& Name) {
    TskSkinPopupWindow* Level = Levels().at(0);
    for (const auto& Row : Level->ItemList)
      if (Row->MenuItem->Name() == Name) {
        const TRect& R = Row->ObjectRect;
        const TPoint P = Level->ClientToScreen({ (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 });
        Display->MoveTo(P.X, P.Y);
        Display->Advance(60);
        Display->Click(P.X, P.Y);
        Display->PumpUntilIdle();
        return;
      }
    ADD_FAILURE() << "no row " << Name;
  }
  /// Presses the middle of tab Index of the bar with Button.
  void PressTab(int Index, PointerButton Button) {
    const TRect R = Tabs->Tabs(Index)->ObjectRect;
    const TPoint P = Tabs->ClientToScreen({ (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 });
    Display->Click(P.X, P.Y, Button);
    Display->PumpUntilIdle();
  }
  /// The screen's colour at (X, Y) of the bar.
  TColor BarPixel(int X, int Y) {
    Display->PumpUntilIdle();
    const TPoint P = Tabs->ClientToScreen({ X, Y });
    return Display->PixelAt(P.X, P.Y);
  }

  TskSkinForm* Frame { nullptr };
  TskSkinMDITabsBar* Tabs { nullptr };
};

TEST_F(MDITabsBar, TheListButtonsListEveryAndTheHiddenChildrenAndChoosingOneShowsIt) {
  EXPECT_EQ(Tabs->ListButton(), nullptr) << "no tabs, no list";
  TForm* A = NewChild("A");
  NewChild("B");
  NewChild("C");
  ASSERT_NE(Tabs->ListButton(), nullptr);
  EXPECT_EQ(Tabs->ListButton()->BoundsRect(), Rect(0, 0, 15, 21)) << "left of the first tab";
  EXPECT_EQ(Tabs->HideListButton(), nullptr);

  ClickOn(Tabs->ListButton());
  ASSERT_EQ(Levels().size(), 1u);
  EXPECT_EQ(ShownItems(),
            (std::vector<String> { "A_BSFCHILDITEMBAR", "B_BSFCHILDITEMBAR", "C_BSFCHILDITEMBAR*" }));
  ChooseItem("A_BSFCHILDITEMBAR");
  EXPECT_EQ(Main->ActiveMDIChild(), A);
  EXPECT_TRUE(Tabs->Tabs(0)->Active);

  // Six tabs of at least 60 pixels on 300: two are hidden and listed by the button at the right.
  Tabs->SetAlign(alNone);
  Tabs->SetBounds(0, 0, 300, 21);
  Tabs->SetMinTabWidth(60);
  NewChild("D");
  NewChild("E");
  TForm* F = NewChild("F");
  GetSkinFormComponent(F)->SetWindowState(wsMinimized);
  Display->PumpUntilIdle();
  ASSERT_EQ(Tabs->HiddenCount(), 2);
  ASSERT_NE(Tabs->HideListButton(), nullptr);
  EXPECT_EQ(Tabs->HideListButton()->BoundsRect(), Rect(285, 0, 300, 21));
  ClickOn(Tabs->HideListButton());
  ASSERT_EQ(Levels().size(), 1u);
  EXPECT_EQ(ShownItems(), (std::vector<String> { "E_BSFCHILDITEMBARHIDE", "F_BSFCHILDITEMBARHIDE*" }));
  ChooseItem("F_BSFCHILDITEMBARHIDE");
  EXPECT_EQ(GetSkinFormComponent(F)->WindowState(), wsNormal) << "a minimized child comes back";
  EXPECT_EQ(Main->ActiveMDIChild(), F);

  Frame->CloseAll();
  Display->PumpUntilIdle();
  EXPECT_EQ(Tabs->TabCount(), 0);
  EXPECT_EQ(Tabs->HiddenCount(), 0);
  EXPECT_EQ(Tabs->ListButton(), nullptr);
  EXPECT_EQ(Tabs->HideListButton(), nullptr);
}

TEST_F(MDITabsBar, ARightPressOnATabOpensThatChildsSystemMenu) {
  TForm* A = NewChild("A");
  NewChild("B");
  std::vector<TMouseButton> Presses;
  Tabs->OnTabMouseDown = [&](TMouseButton Button, TShiftState, TskMDITab* Tab) {
    if (Tab->Child == A) Presses.push_back(Button);
  };
  PressTab(0, PointerButton::Right);
  ASSERT_EQ(Levels().size(), 1u);
  EXPECT_TRUE(Frame->InMenu);
  EXPECT_EQ(Presses, std::vector<TMouseButton> { mbRight });
  ChooseItem("BSF_MAXITEM");
  EXPECT_EQ(GetSkinFormComponent(A)->WindowState(), wsMaximized);
  EXPECT_FALSE(Frame->InMenu);

  Tabs->SetSupportChildMenus(false);
  PressTab(1, PointerButton::Right);
  EXPECT_TRUE(Levels().empty());
  EXPECT_FALSE(Frame->InMenu);
}

TEST_F(MDITabsBar, TheSkinDrawsTabsButtonsGrownTabsThePageStripAndTheSkinnedButtons) {
  TskSkinData BarModel { nullptr };
  BuildBarSkin(BarModel);
  Tabs->SetAlign(alNone);
  Tabs->SetBounds(0, 0, 400, 21);
  Tabs->SetSkinData(&BarModel);
  NewChild("A");
  NewChild("B");
  // Tab 0 is A's (normal), tab 1 B's (active); the add button follows them.
  Tabs->SetDefaultTabWidth(100);
  Tabs->SetShowAddButton(true);

  struct Probe {
    int Tab;  // -1: the add button, -2: the page strip at the bar's bottom
    int Row;
    TColor Expected;
  };
  struct Case {
    const char* What;
    std::function<void()> Set;
    int Height;
    std::vector<Probe> Probes;
  };
  const Case Cases[] = {
    { "tabs from the tab record over the page strip", [] {}, 24,
      { { 0, 2, TabNormal }, { 1, 2, TabActiveFace }, { -2, 22, PageStrip }, { -1, 1, ToolNormalFace } } },
    { "button tabs from resizebutton, no strip", [this] { Tabs->SetTabKind(sktkButton); }, 20,
      { { 0, 2, ButtonNormalFace }, { 1, 2, ButtonDownFace }, { -1, 1, ToolNormalFace } } },
    // Grown from the picture the active tab is 4 rows taller and covers the strip below it.
    { "tabs grown from their pictures",
      [this] {
        Tabs->SetUseSkinSize(false);
        Tabs->SetDefaultHeight(30);
      },
      30,
      { { 0, 2, TabNormal }, { 1, 2, TabActiveFace }, { 1, 28, TabActiveFace }, { 0, 28, PageStrip } } },
  };
  for (const Case& C : Cases) {
    Tabs->SetTabKind(sktkTab);
    Tabs->SetUseSkinSize(true);
    C.Set();
    Tabs->ChangeSkinData();
    EXPECT_EQ(Tabs->Height(), C.Height) << C.What;
    Tabs->Repaint();
    for (const Probe& P : C.Probes) {
      const TRect R = P.Tab >= 0    ? Tabs->Tabs(P.Tab)->ObjectRect
                      : P.Tab == -1 ? Tabs->AddButtonRect()
                                    : Rect(300, 0, 301, 0);
      EXPECT_EQ(BarPixel(R.Left + R.Width() / 2, P.Tab == -1 ? R.Top + P.Row : P.Row), P.Expected)
          << C.What << ": tab " << P.Tab << " row " << P.Row;
    }
    Display->SaveScreenPng(testing::TempDir() + "mditabs-" + std::to_string(&C - Cases) + ".png");
  }

  // Without a close button of its own the record draws it from resizetoolbutton, hot under the mouse.
  Tabs->SetTabKind(sktkTab);
  Tabs->SetUseSkinSize(true);
  Tabs->ChangeSkinData();
  Tabs->SetShowCloseButtons(true);
  Tabs->Repaint();
  TskMDITab* Tab = Tabs->Tabs(0);
  const TRect Close = Tab->ButtonRect.Offset(Tab->ObjectRect.Left, Tab->ObjectRect.Top);
  EXPECT_EQ(Close.Width(), 14);
  EXPECT_EQ(BarPixel(Close.Left + 1, Close.Top + 1), ToolNormalFace);
  const TPoint Over = Tabs->ClientToScreen({ Close.Left + 1, Close.Top + 1 });
  Display->MoveTo(Over.X, Over.Y);
  EXPECT_EQ(BarPixel(Close.Left + 1, Close.Top + 1), ToolHotFace);
}

TEST_F(MDITabsBar, WithShowChildIconEachTabShowsItsChildsIconBeforeTheCaption) {
  TForm* A = NewChild("A");
  auto Pixels = std::make_shared<Surface>(16, 16, SurfaceFormat::Bgra32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) Pixels->SetPixel(x, y, IconPixel);
  A->Icon()->SetHandle(CreateIconFromImages({ { Pixels, 32 } }));
  const TRect R = Tabs->Tabs(0)->ObjectRect;
  EXPECT_NE(BarPixel(R.Left + 12, R.Height() / 2), IconColour);
  Tabs->SetShowChildIcon(true);
  // The icon is centred in the 20 pixels after the text's 2-pixel margin.
  EXPECT_EQ(BarPixel(R.Left + 2 + 10, R.Height() / 2), IconColour);
  EXPECT_EQ(BarPixel(R.Left + 2 + 2 + 1, R.Height() / 2), IconColour);
  EXPECT_NE(BarPixel(R.Left + 2 + 20 + 1, R.Height() / 2), IconColour);
}

}  // namespace
