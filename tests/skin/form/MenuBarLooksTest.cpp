// The skinned main menu bar's looks with a skin built in code: tool-bar mode (the tool panel behind the
// bar, tool-button items, transparent tool buttons), the width a bar without a skin takes, and a
// transparent bar showing its parent's background.
#include "platform/ui/toolkit/TCustomControl.h"
#include "platform/ui/toolkit/TTimer.h"
#include "skin/controls/skControlMessages.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/form/TskSkinMainMenu.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinMainMenuBarItem.h"
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

/// A menu bar skin: the bar's record (a 60 x 22 picture, items area inset 4 and 1), a morphing item record
/// (24 x 20, text area inset 8), a 40 x 40 tool panel named PanelName with a 2-pixel edge and, with
/// ToolButton, a 30 x 20 tool button with a 2-pixel edge in three looks.
void BuildBarSkin(TskSkinData& Model, const String& PanelName = "resizetoolpanel", TColor PanelColor = PanelFill,
                  bool ToolButton = true) {
  TskSkinModelBuilder Skin(Model);
  const int Pictures = Skin.AddPicture(200, 120);
  auto& Bar = Skin.Add<TskDataSkinMainMenuBar>("mainmenubar", "mainmenubar");
  Bar.PictureIndex = Pictures;
  Bar.SkinRect = Skin.Paint(Pictures, Rect(0, 0, 60, 22), BarFill);
  Bar.ItemsRect = Rect(4, 1, 56, 21);
  Bar.MenuBarItem = "mainmenubaritem";
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
  auto* Item = dynamic_cast<TskDataSkinMainMenuItem*>(BarSkin.ObjectList.front().get());
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

TEST_F(MenuBarLooks, DefaultWidthSizesOnlyABarWithoutASkin) {
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

}  // namespace
