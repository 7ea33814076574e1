// The skinned main menu bar's looks with a skin built in code: tool-bar mode (the tool panel behind the
// bar, tool-button items, transparent tool buttons), the width a bar without a skin takes, and a
// transparent bar showing its parent's background, and the MDI buttons fading between their faces.
#include "platform/ui/toolkit/TCustomControl.h"
#include "platform/ui/toolkit/TTimer.h"
#include "skin/controls/skControlMessages.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/form/TskSkinMainMenu.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinMainMenuBarButton.h"
#include "skin/form/TskSkinMainMenuBarItem.h"
#include "tests/skin/form/MDIFormFixture.h"
#include "tests/skin/form/MenuFixture.h"
#include "tests/skin/support/TskSkinModelBuilder.h"

namespace {

constexpr TColor BarFill = RGB(40, 90, 40);
constexpr TColor ItemFill = RGB(200, 200, 0);
constexpr TColor ItemHot = RGB(0, 200, 200);
constexpr TColor ItemDown = RGB(200, 0, 200);
constexpr TColor PanelFill = RGB(90, 90, 160);
constexpr TColor PanelEdge = RGB(10, 10, 60);
constexpr TColor OtherPanelFill = RGB(160, 90, 90);
constexpr TColor ToolFill = RGB(230, 230, 230);
constexpr TColor ToolHot = RGB(255, 200, 120);
constexpr TColor ToolDown = RGB(255, 120, 60);
constexpr TColor ToolEdge = RGB(0, 0, 0);
constexpr TColor ToolText = RGB(0, 0, 255);
constexpr TColor ToolDownText = RGB(255, 255, 255);
constexpr TColor ButtonFill = RGB(200, 40, 40);
constexpr TColor ButtonHot = RGB(40, 40, 200);
constexpr TColor ButtonDown = RGB(40, 200, 40);

/// A menu bar skin: the bar's record (a 60 x 22 picture, items area inset 4 and 1), a morphing item record
/// (24 x 20, text area inset 8), a 40 x 40 tool panel named PanelName with a 2-pixel edge and, with
/// ToolButton, a 30 x 20 tool button with a 2-pixel edge in three looks; four morphing 16 x 16 MDI
/// buttons.
void BuildBarSkin(TskSkinData& Model, const String& PanelName = "resizetoolpanel", TColor PanelColor = PanelFill,
                  bool ToolButton = true) {
  TskSkinModelBuilder Skin(Model);
  const int Pictures = Skin.AddPicture(200, 120);
  auto& Bar = Skin.Add<TskDataSkinMainMenuBar>("mainmenubar", "mainmenubar");
  Bar.PictureIndex = Pictures;
  Bar.SkinRect = Skin.Paint(Pictures, Rect(0, 0, 60, 22), BarFill);
  Bar.ItemsRect = Rect(4, 1, 56, 21);
  Bar.MenuBarItem = "mainmenubaritem";
  Bar.SysMenuButton = "menubarsysmenubutton";
  Bar.CloseButton = "menubarclosebutton";
  Bar.MaxButton = "menubarmaxbutton";
  Bar.MinButton = "menubarminbutton";
  const TRect ButtonFaces[] = { Skin.Paint(Pictures, Rect(100, 30, 116, 46), ButtonFill),
                                Skin.Paint(Pictures, Rect(116, 30, 132, 46), ButtonHot),
                                Skin.Paint(Pictures, Rect(132, 30, 148, 46), ButtonDown) };
  for (auto [Name, Command] :
       { std::pair { "menubarsysmenubutton", cmSysMenu }, std::pair { "menubarclosebutton", cmClose },
         std::pair { "menubarmaxbutton", cmMaximize }, std::pair { "menubarminbutton", cmMinimize } }) {
    auto Button = std::make_unique<TskDataSkinMainMenuBarButton>(Name);
    Button->ActivePictureIndex = Pictures;
    Button->Command = Command;
    Button->SkinRect = ButtonFaces[0];
    Button->ActiveSkinRect = ButtonFaces[1];
    Button->DownRect = ButtonFaces[2];
    Button->Morphing = true;
    Model.ObjectList.push_back(std::move(Button));
  }
  auto Item = std::make_unique<TskDataSkinMainMenuBarItem>("mainmenubaritem");
  Item->ActivePictureIndex = Pictures;
  Item->SkinRect = Skin.Paint(Pictures, Rect(60, 0, 84, 20), ItemFill);
  Item->ActiveSkinRect = Skin.Paint(Pictures, Rect(84, 0, 108, 20), ItemHot);
  Item->DownRect = Skin.Paint(Pictures, Rect(108, 0, 132, 20), ItemDown);
  Item->TextRct = Rect(8, 0, 16, 20);
  Item->ItemLO = Item->ItemRO = 6;
  Item->FontName = "Arial";
  Item->FontHeight = 14;
  Item->Morphing = true;
  Model.ObjectList.push_back(std::move(Item));
  auto& Panel = Skin.Add<TskDataSkinPanelControl>("panel", PanelName);
  Panel.PictureIndex = Pictures;
  SetNinePart(Panel, Skin.Paint(Pictures, Rect(0, 30, 40, 70), PanelColor, PanelEdge), 2, Rect(2, 2, 38, 38));
  if (!ToolButton) {
    Skin.Finish();
    return;
  }
  auto& Tool = Skin.Add<TskDataSkinButtonControl>("button", "resizetoolbutton");
  Tool.PictureIndex = Pictures;
  SetNinePart(Tool, Skin.Paint(Pictures, Rect(0, 80, 30, 100), ToolFill, ToolEdge), 2, Rect(2, 2, 28, 18));
  Tool.ActiveSkinRect = Skin.Paint(Pictures, Rect(30, 80, 60, 100), ToolHot, ToolEdge);
  Tool.DownSkinRect = Skin.Paint(Pictures, Rect(60, 80, 90, 100), ToolDown, ToolEdge);
  Tool.FontName = "Arial";
  Tool.FontHeight = 14;
  Tool.FontColor = Tool.ActiveFontColor = ToolText;
  Tool.DownFontColor = ToolDownText;
  Skin.Finish();
}

class MenuBarLooks : public MenuTest {
protected:
  void SetUp() override {
    MenuTest::SetUp();
    BuildBarSkin(BarSkin);
    Menu = new TskSkinMainMenu(Main);
    for (const char* Caption : { "文件", "编辑", "帮助" }) AddItem(AddItem(Menu->Items(), Caption), "项");
    Bar = new TskSkinMainMenuBar(Main);
    Bar->SetParent(Main);
    Bar->SetUseSkinSize(false);
    Bar->SetToolBarMode(true);
    Bar->SetSkinData(&BarSkin);
    Bar->SetMainMenu(Menu);
    Frame->SetMainMenuBar(Bar);
    Display->PumpUntilIdle();
  }

  /// The colour on the screen at (X, Y) of the bar.
  TColor BarPixel(int X, int Y) {
    Display->PumpUntilIdle();
    const TPoint P = Bar->ClientToScreen({ X, Y });
    return Display->PixelAt(P.X, P.Y);
  }
  /// The colour inside item Index, clear of its edge and its caption.
  TColor ItemFace(int Index) {
    const TRect& R = Bar->Item(Index)->ObjectRect;
    return BarPixel(R.Left + 3, R.Top + 3);
  }
  /// How many pixels of item Index show Color.
  int ItemPixels(int Index, TColor Color) {
    Display->PumpUntilIdle();
    const TRect& R = Bar->Item(Index)->ObjectRect;
    int Count = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) {
        const TPoint P = Bar->ClientToScreen({ x, y });
        Count += Display->PixelAt(P.X, P.Y) == Color;
      }
    return Count;
  }
  TPoint ItemPoint(int Index) const {
    const TRect& R = Bar->Item(Index)->ObjectRect;
    return Bar->ClientToScreen({ (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 });
  }

  TskSkinData BarSkin { nullptr };
  TskSkinData OtherSkin { nullptr };
  TskSkinMainMenu* Menu { nullptr };
  TskSkinMainMenuBar* Bar { nullptr };
};

TEST_F(MenuBarLooks, ToolBarModeShowsTheToolPanelBehindToolButtonItems) {
  const int Right = Bar->Width() - 1, Bottom = Bar->Height() - 1;
  EXPECT_EQ(BarPixel(Right - 10, Bar->Height() / 2), PanelFill);
  EXPECT_EQ(BarPixel(Right, Bottom), PanelEdge) << "the panel is resized to the bar by its nine parts";
  const TRect First = Bar->Item(0)->ObjectRect;
  EXPECT_EQ(BarPixel(First.Right - 1, First.Bottom - 1), ToolEdge) << "the tool button is resized to the item";
  EXPECT_EQ(ItemFace(0), ToolFill);
  EXPECT_GT(ItemPixels(0, ToolText), 0) << "the caption in the tool button's font colour";

  Hover(ItemPoint(1));
  Display->Advance(200);
  EXPECT_EQ(ItemFace(1), ToolHot);
  EXPECT_EQ(ItemFace(0), ToolFill);
  ClickAt(ItemPoint(1));
  ASSERT_EQ(Levels().size(), 1u);
  EXPECT_EQ(ItemFace(1), ToolDown);
  EXPECT_GT(ItemPixels(1, ToolDownText), 0);
  EXPECT_EQ(ItemPixels(1, ToolText), 0);
  Frame->SkinMenu->Hide();

  Bar->SetToolBarMode(false);
  EXPECT_EQ(BarPixel(Right - 10, Bar->Height() / 2), BarFill) << "the bar's own picture again";
  EXPECT_EQ(ItemFace(0), ItemFill);
}

TEST_F(MenuBarLooks, ToolBarModeFallsBackToThePanelRecordAndDrawsNoItemsWithoutToolButtons) {
  BuildBarSkin(OtherSkin, "panel", OtherPanelFill, false);
  Bar->SetSkinData(&OtherSkin);
  EXPECT_EQ(BarPixel(Bar->Width() - 10, Bar->Height() / 2), OtherPanelFill);
  EXPECT_EQ(ItemFace(0), OtherPanelFill) << "no tool-button look: the item leaves the panel showing";
  EXPECT_EQ(ItemPixels(0, ToolText), 0);
}

TEST_F(MenuBarLooks, TransparentToolButtonsShowThePanelAndDoNotMorph) {
  Bar->SetToolBarModeItemTransparent(true);
  EXPECT_EQ(ItemFace(0), PanelFill);
  Hover(ItemPoint(1));
  EXPECT_FALSE(Bar->MorphTimer()->Enabled()) << "nothing to fade from";
  EXPECT_EQ(ItemFace(1), ToolHot) << "at once";
  EXPECT_EQ(ItemFace(0), PanelFill);
  Hover(ItemPoint(0));
  EXPECT_EQ(ItemFace(1), PanelFill);

  Bar->SetToolBarModeItemTransparent(false);
  Hover(ItemPoint(1));
  EXPECT_TRUE(Bar->MorphTimer()->Enabled()) << "opaque tool buttons fade";
  Display->Advance(200);
  EXPECT_EQ(ItemFace(1), ToolHot);
}

TEST_F(MenuBarLooks, ItemsAnimateOnlyOutsideToolBarMode) {
  const int Index = BarSkin.GetIndex("mainmenubaritem");
  auto* Item = dynamic_cast<TskDataSkinMainMenuItem*>(BarSkin.ObjectList[size_t(Index)].get());
  Item->AnimateSkinRect = Rect(60, 0, 132, 20);
  Item->FrameCount = 3;
  Item->AnimateInterval = 20;
  for (const bool ToolBar : { true, false }) {
    Bar->SetToolBarMode(ToolBar);
    Bar->UpDateItems();
    Hover(ItemPoint(0));
    EXPECT_EQ(Bar->AnimateTimer()->Enabled(), !ToolBar) << ToolBar;
    Hover(Bar->ClientToScreen({ Bar->Width() - 3, 3 }));
    Display->Advance(300);
  }
}

TEST_F(MenuBarLooks, DefaultWidthAndHeightSizeOnlyABarWithoutASkin) {
  Bar->SetAlign(alNone);
  Bar->SetWidth(120);
  Bar->SetDefaultWidth(200);
  EXPECT_EQ(Bar->DefaultWidth(), 200);
  EXPECT_EQ(Bar->Width(), 120) << "the skin's bar keeps its width";
  Bar->SetSkinData(nullptr);
  Bar->SetDefaultWidth(250);
  EXPECT_EQ(Bar->Width(), 250);
  Bar->SetDefaultWidth(0);
  EXPECT_EQ(Bar->Width(), 250) << "no width of 0";
  EXPECT_EQ(Bar->DefaultWidth(), 0);
  Bar->SetDefaultHeight(30);
  EXPECT_EQ(Bar->Height(), 30) << "the skin just taken away counts as none";
}

/// A parent whose painting is red on its left half and blue on its right half.
class TwoColourParent : public TCustomControl {
public:
  using TCustomControl::TCustomControl;

protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(Rect(0, 0, Width() / 2, Height()));
    Canvas()->Brush()->SetColor(clBlue);
    Canvas()->FillRect(Rect(Width() / 2, 0, Width(), Height()));
  }
};

/// A bar that counts its paints.
class CountingBar : public TskSkinMainMenuBar {
public:
  using TskSkinMainMenuBar::TskSkinMainMenuBar;
  int Paints { 0 };

protected:
  void Paint() override {
    ++Paints;
    TskSkinMainMenuBar::Paint();
  }
};

class TransparentMenuBar : public MenuBarLooks {
protected:
  void SetUp() override {
    MenuBarLooks::SetUp();
    BarSkin.MainMenuBarTransparent = true;
    Behind = new TwoColourParent(Main);
    Behind->SetBounds(0, 40, 300, 60);
    Behind->SetParent(Main);
    Loose = new CountingBar(Main);
    Loose->SetAlign(alNone);
    Loose->SetBounds(10, 10, 100, 22);
    Loose->SetParent(Behind);
    Loose->SetSkinData(&BarSkin);
    Display->PumpUntilIdle();
  }

  TColor LoosePixel(int X, int Y) {
    Display->PumpUntilIdle();
    const TPoint P = Loose->ClientToScreen({ X, Y });
    return Display->PixelAt(P.X, P.Y);
  }
  /// How many times the bar paints after Msg.
  int PaintsAfter(UINT Msg) {
    Display->PumpUntilIdle();
    const int Before = Loose->Paints;
    Loose->Perform(Msg, 0, 0);
    Display->PumpUntilIdle();
    return Loose->Paints - Before;
  }

  TwoColourParent* Behind { nullptr };
  CountingBar* Loose { nullptr };
};

TEST_F(TransparentMenuBar, TheParentsBackgroundShowsThroughTheBarWhereverItStands) {
  EXPECT_EQ(LoosePixel(5, 11), clRed);
  Loose->SetLeft(200);
  EXPECT_EQ(LoosePixel(5, 11), clBlue);
  EXPECT_EQ(BarPixel(Bar->Width() - 10, Bar->Height() / 2), ColorToRGB(clBtnFace))
      << "the form's own bar shows the form's background";
  BarSkin.MainMenuBarTransparent = false;
  Loose->Invalidate();
  EXPECT_EQ(LoosePixel(5, 11), BarFill) << "without the skin's say the bar has its picture";
}

TEST_F(TransparentMenuBar, AMovedOrUncoveredBarPaintsAgainOnlyWhenItShowsWhatIsBehindIt) {
  struct Case {
    bool Transparent;
    TAlign Align;
    int OnMove, OnParentBackground;
  };
  for (const Case& C : { Case { true, alNone, 1, 1 }, Case { true, alTop, 0, 1 }, Case { false, alNone, 0, 0 } }) {
    BarSkin.MainMenuBarTransparent = C.Transparent;
    Loose->SetAlign(C.Align);
    EXPECT_EQ(PaintsAfter(WM_MOVE), C.OnMove) << C.Transparent << " " << int(C.Align);
    EXPECT_EQ(PaintsAfter(WM_CHECKPARENTBG), C.OnParentBackground) << C.Transparent << " " << int(C.Align);
  }
}

class MDIMenuBarButtons : public MDIFrame {
protected:
  void SetUp() override {
    MDIFrame::SetUp();
    BuildBarSkin(BarSkin);
    Bar->SetSkinData(&BarSkin);
    FrameOf(NewChild("A"))->SetWindowState(wsMaximized);
    Display->PumpUntilIdle();
  }

  TskSkinMainMenuBarButton* Button(int Index) const {
    return static_cast<TskSkinMainMenuBarButton*>(Bar->Object(Index));
  }
  TPoint ButtonPoint(int Index) const {
    const TRect& R = Bar->Object(Index)->ObjectRect;
    return Bar->ClientToScreen({ (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 });
  }
  TColor ButtonFace(int Index) {
    Display->PumpUntilIdle();
    const TPoint P = ButtonPoint(Index);
    return Display->PixelAt(P.X, P.Y);
  }
  /// Lets the bar's timers run until the button's transition reaches Steps (of 5).
  void AdvanceTo(int Index, int Steps) {
    for (int i = 0; i < 60 && Button(Index)->MorphSteps() != Steps; ++i) Display->Advance(5);
    ASSERT_EQ(Button(Index)->MorphSteps(), Steps);
  }
  /// Every channel in which A and B differ lies strictly between them in C; the others are theirs.
  static bool Between(TColor C, TColor A, TColor B) {
    for (int Shift : { 0, 8, 16 }) {
      const int c = (C >> Shift) & 255, a = (A >> Shift) & 255, b = (B >> Shift) & 255;
      if (a == b ? c != a : c <= std::min(a, b) || c >= std::max(a, b)) return false;
    }
    return true;
  }

  TskSkinData BarSkin { nullptr };
};

TEST_F(MDIMenuBarButtons, AButtonFadesToItsHotFaceAndBackAsThePointerComesAndGoes) {
  ASSERT_EQ(Bar->ButtonsCount(), 4);
  ASSERT_EQ(Button(3)->Command, cmMinimize);
  EXPECT_EQ(ButtonFace(3), ButtonFill);
  Display->MoveTo(ButtonPoint(3).X, ButtonPoint(3).Y);
  AdvanceTo(3, 2);
  const TColor Early = ButtonFace(3);
  EXPECT_TRUE(Between(Early, ButtonFill, ButtonHot)) << std::hex << Early;
  AdvanceTo(3, 4);
  const TColor Later = ButtonFace(3);
  EXPECT_TRUE(Between(Later, Early, ButtonHot)) << std::hex << Later << " after " << Early;
  AdvanceTo(3, 5);
  EXPECT_EQ(ButtonFace(3), ButtonHot);
  EXPECT_EQ(ButtonFace(2), ButtonFill) << "its neighbour stays";

  Display->MoveTo(ButtonPoint(3).X, Bar->ClientToScreen({ 0, Bar->Height() + 40 }).Y);
  AdvanceTo(3, 3);
  EXPECT_TRUE(Between(ButtonFace(3), ButtonFill, ButtonHot));
  AdvanceTo(3, 0);
  EXPECT_EQ(ButtonFace(3), ButtonFill);
}

TEST_F(MDIMenuBarButtons, WithoutSkinEffectsAButtonChangesFaceAtOnceAndAPressShowsItsPressedFace) {
  BarSkin.SetEnableSkinEffects(false);
  Display->MoveTo(ButtonPoint(3).X, ButtonPoint(3).Y);
  Display->Advance(60);
  EXPECT_EQ(ButtonFace(3), ButtonHot);
  EXPECT_FALSE(Bar->MorphTimer()->Enabled());
  BarSkin.SetEnableSkinEffects(true);
  Display->ButtonDown(ButtonPoint(3).X, ButtonPoint(3).Y);
  EXPECT_EQ(ButtonFace(3), ButtonDown);
  Display->ButtonUp(ButtonPoint(3).X, ButtonPoint(3).Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(FrameOf(Main->ActiveMDIChild())->WindowState(), wsMinimized);
}

TEST_F(MDIMenuBarButtons, TheSystemMenuButtonStaysPressedWhileItsMenuIsOpenAndFadesBackAfter) {
  ASSERT_EQ(Button(0)->Command, cmSysMenu);
  const TPoint P = ButtonPoint(0);
  Display->MoveTo(P.X, P.Y);
  AdvanceTo(0, 5);
  Display->ButtonDown(P.X, P.Y);
  Display->ButtonUp(P.X, P.Y);
  ASSERT_TRUE(Frame->SkinMenu->Visible());
  Display->MoveTo(P.X, Bar->ClientToScreen({ 0, Bar->Height() + 40 }).Y);
  Display->Advance(200);
  EXPECT_EQ(ButtonFace(0), ButtonDown) << "pressed while its menu is open, wherever the pointer goes";
  Frame->SkinMenu->Hide();
  EXPECT_FALSE(Button(0)->FDown);
  AdvanceTo(0, 2);
  EXPECT_TRUE(Between(ButtonFace(0), ButtonFill, ButtonHot));
  AdvanceTo(0, 0);
  EXPECT_EQ(ButtonFace(0), ButtonFill);
}

}  // namespace
