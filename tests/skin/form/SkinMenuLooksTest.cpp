// How skinned menu rows look: the built-in look's fills, lines and marks, row kinds, rows drawn from a
// skin with their hover transition in fifths, records that cannot be used, and pictures of open menus in
// the program's two skins and the built-in look.
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "platform/ui/toolkit/TTimer.h"
#include "skin/controls/TskSkinGeometry.h"
#include "tests/skin/form/MenuFixture.h"
#include "tests/skin/support/EmbeddedSkinModels.h"

namespace {

class SkinMenuLooks : public MenuTest {
protected:
  /// The full menu of the pictures: a submenu, check and radio items, shortcuts, a disabled item, a
  /// header and separators.
  TskSkinPopupMenu* FullMenu() {
    TskSkinPopupMenu* Menu = NewMenu({ "-格式-", "添加文件(&A)", "添加文件夹", "-", "自动关机", "高质量",
                                       "快速", "-", "最近的文件", "禁用的项", "退出(&X)" });
    TMenuItem* Items = Menu->Items();
    Items->Items(0)->SetEnabled(false);
    Items->Items(1)->SetShortCut(ShortCut('O', { ssCtrl }));
    Items->Items(4)->SetChecked(true);
    Items->Items(5)->SetRadioItem(true);
    Items->Items(6)->SetRadioItem(true);
    Items->Items(5)->SetChecked(true);
    Items->Items(9)->SetEnabled(false);
    Items->Items(10)->SetShortCut(ShortCut(VK_F4, { ssAlt }));
    AddItem(Items->Items(8), "a.wmv");
    AddItem(Items->Items(8), "b.avi");
    return Menu;
  }

  /// Opens FullMenu with its submenu open, checks what the look draws and saves the screen part to a PNG
  /// under the test folder. Skinned, the window's top-left corner is the skin picture's, unstretched.
  void SaveOpenMenu(const String& Name, TskSkinData* Skin) {
    TskSkinPopupMenu* Menu = FullMenu();
    ASSERT_TRUE(Menu->PopupFromRect(Rect(200, 150, 200, 150), false));
    Hover(RowPoint(Level(0), "最近的文件"));
    Display->Advance(600);
    ASSERT_EQ(Levels().size(), 2u);
    Display->PumpUntilIdle();
    TskSkinPopupWindow* W = Level(0);
    const TRect Opened = Row(W, "最近的文件")->ObjectRect, Plain = Row(W, "添加文件夹")->ObjectRect;
    EXPECT_NE(At(W, Opened.Right - 4, Opened.Top + 3), At(W, Plain.Right - 4, Plain.Top + 3))
        << Name << ": the row whose submenu is open is drawn hot";
    EXPECT_NEAR(Level(1)->Left(), W->Left() + W->Width(), 8) << Name << ": the submenu opens beside its row";
    if (Skin) {
      ASSERT_NE(W->PW, nullptr) << Name;
      TBitmap* Picture = TskSkinGeometry::ModelPicture(Skin, W->PW->WindowPictureIndex);
      ASSERT_NE(Picture, nullptr) << Name;
      const TPoint Corner { W->PW->LTPoint.X / 2, W->PW->LTPoint.Y / 2 };
      EXPECT_EQ(At(W, Corner.X, Corner.Y), ColorToRGB(Picture->Canvas()->Pixels(Corner.X, Corner.Y))) << Name;
    } else {
      EXPECT_EQ(At(W, 0, 5), ColorToRGB(clBtnShadow)) << Name;
    }
    Display->SaveScreenPng(testing::TempDir() + "menu-" + Name + ".png");
    Frame->SkinMenu->Hide();
  }

  /// The colour at (X, Y) of Window's client area on the screen.
  TColor At(TskSkinPopupWindow* Window, int X, int Y) {
    Display->PumpUntilIdle();
    const TPoint P = Window->ClientToScreen({ X, Y });
    return Display->PixelAt(P.X, P.Y);
  }
};

TEST_F(SkinMenuLooks, TheBuiltInLookHasABandAFrameHotRowsSeparatorLinesAndHeaders) {
  TskSkinPopupMenu* Menu = FullMenu();
  Menu->PopupFromRect(Rect(200, 150, 200, 150), false);
  TskSkinPopupWindow* W = Level(0);
  EXPECT_EQ(At(W, 0, 5), ColorToRGB(clBtnShadow)) << "outer frame";
  EXPECT_EQ(At(W, 1, 5), ColorToRGB(clWindow)) << "inner frame";
  const TRect Header = Row(W, "-格式-")->ObjectRect;
  EXPECT_EQ(At(W, Header.Left + 1, Header.Top + 1), ColorToRGB(clBtnShadow)) << "a disabled -text- row is a header";
  const TRect Hot = Row(W, "添加文件(&A)")->ObjectRect;
  EXPECT_EQ(At(W, Hot.Right - 3, Hot.Top + 2), RGB(193, 212, 243)) << "the row highlighted at opening";
  const TRect Line = Row(W, "-")->ObjectRect;
  EXPECT_EQ(Line.Height(), 4);
  EXPECT_EQ(At(W, Line.Left + 30, Line.Top + 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(W, Line.Left + 30, Line.Top + 1), ColorToRGB(clWindow));
  const TRect Plain = Row(W, "添加文件夹")->ObjectRect;
  EXPECT_EQ(Plain.Height(), 20);
  EXPECT_EQ(At(W, Plain.Right - 3, Plain.Top + 2), ColorToRGB(clWindow));
  // The tick's middle stroke passes (X + 2, Y + 6) with X, Y = (text left + 3, centre - 4).
  const TRect Checked = Row(W, "自动关机")->ObjectRect;
  const int Centre = Checked.Top + 2 + (Checked.Height() - 4) / 2;
  EXPECT_EQ(At(W, Checked.Left + 2 + 3 + 2, Centre - 4 + 6), ColorToRGB(clWindowText));
}

TEST_F(SkinMenuLooks, RowKindsFollowTheCaptionAndTheEnabledState) {
  TskSkinPopupMenu* Menu = NewMenu({ "-", "-标题-", "-x-", "文件" });
  Menu->Items()->Items(1)->SetEnabled(false);
  Menu->SetAutoLineReduction(maManual);
  Menu->PopupFromRect(Rect(100, 100, 100, 100), false);
  TskSkinPopupWindow* W = Level(0);
  struct Kind {
    const char* Caption;
    bool Separator;
    bool Header;
  };
  for (const Kind& K : { Kind { "-", true, false }, Kind { "-标题-", false, true }, Kind { "-x-", false, false },
                         Kind { "文件", false, false } }) {
    EXPECT_EQ(Row(W, K.Caption)->IsSeparator(), K.Separator) << K.Caption;
    EXPECT_EQ(Row(W, K.Caption)->IsHeader(), K.Header) << K.Caption;
  }
}

TEST_F(SkinMenuLooks, SkinnedRowsMorphToTheirHotImageInFiveStepsAndBackInFive) {
  BuildMenuSkin(Model);
  TskSkinPopupMenu* Menu = NewMenu({ "一", "二" });
  Menu->PopupFromRect(Rect(100, 100, 100, 100), false);
  TskSkinPopupWindow* W = Level(0);
  ASSERT_NE(W->PW, nullptr);
  TskSkinMenuItem* Second = Row(W, "二");
  EXPECT_EQ(Second->ObjectRect.Height(), 20);
  EXPECT_EQ(At(W, Second->ObjectRect.Left + 1, Second->ObjectRect.Top + 1), MenuRowFill);
  EXPECT_EQ(At(W, 1, 1), MenuWindowFill);
  Display->Advance(200);
  Second->MouseEnter(false);
  std::vector<int> Steps;
  for (int i = 0; i < 6; ++i) {
    Display->Advance(20);
    Steps.push_back(Second->MorphSteps());
  }
  EXPECT_EQ(Steps, (std::vector<int> { 1, 2, 3, 4, 5, 5 }));
  EXPECT_FALSE(W->MorphTimer()->Enabled()) << "the timer stops once nothing changes";
  EXPECT_EQ(At(W, Second->ObjectRect.Left + 1, Second->ObjectRect.Top + 1), MenuRowHot);
  Second->MouseLeave();
  Steps.clear();
  for (int i = 0; i < 6; ++i) {
    Display->Advance(20);
    Steps.push_back(Second->MorphSteps());
  }
  EXPECT_EQ(Steps, (std::vector<int> { 4, 3, 2, 1, 0, 0 }));
  EXPECT_EQ(At(W, Second->ObjectRect.Left + 1, Second->ObjectRect.Top + 1), MenuRowFill);
}

TEST_F(SkinMenuLooks, WithoutSkinSizesRowsTakeTheDefaultHeightAndStretchTheSkinImages) {
  BuildMenuSkin(Model);
  Frame->SetUseSkinSizeInMenu(false);
  Frame->SetDefMenuItemHeight(30);
  TskSkinPopupMenu* Menu = NewMenu({ "一", "-", "二" });
  Menu->PopupFromRect(Rect(100, 100, 100, 100), false);
  TskSkinPopupWindow* W = Level(0);
  const TRect Second = Row(W, "二")->ObjectRect;
  EXPECT_EQ(Second.Height(), 30);
  EXPECT_EQ(Row(W, "-")->ObjectRect.Height(), 4) << "separators keep the divider's height";
  EXPECT_EQ(W->Height(), 30 + 4 + 30 + 10);
  EXPECT_EQ(At(W, Second.Left + 1, Second.Top + 1), MenuRowFill);
  EXPECT_EQ(At(W, Second.Left + 1, Second.Bottom - 2), MenuRowFill);
  EXPECT_EQ(At(W, Second.Left + 3, Row(W, "-")->ObjectRect.Top + 1), MenuDivider);
}

TEST_F(SkinMenuLooks, ARecordThatCannotBeUsedGivesTheBuiltInLook) {
  BuildMenuSkin(Model);
  TskSkinPopupMenu* Menu = NewMenu({ "一" });
  const int Good = Model.PopupWindow->WindowPictureIndex;
  Model.PopupWindow->WindowPictureIndex = 99;
  Menu->PopupFromRect(Rect(100, 100, 100, 100), false);
  EXPECT_EQ(Level(0)->PW, nullptr) << "a picture index beyond the skin's pictures";
  EXPECT_EQ(Level(0)->Height(), 20 + 4);
  Frame->SkinMenu->Hide();
  Model.PopupWindow->WindowPictureIndex = Good;
  Model.ObjectList.clear();
  Menu->PopupFromRect(Rect(100, 100, 100, 100), false);
  EXPECT_EQ(Level(0)->PW, nullptr) << "no menu-item record";
  EXPECT_EQ(At(Level(0), 0, 5), ColorToRGB(clBtnShadow));
}

TEST_F(SkinMenuLooks, PicturesOfOpenMenusInEachLook) {
  SaveOpenMenu("builtin", nullptr);
  for (const auto& [Name, Container] : { std::pair { "product", ProductSkinContainer() },
                                         std::pair { "testskin", TestSkinContainer() } }) {
    const std::unique_ptr<TskSkinData> Skin = LoadEmbeddedSkin(Container);
    Frame->SetMenusSkinData(Skin.get());
    SaveOpenMenu(Name, Skin.get());
    Frame->SetMenusSkinData(nullptr);
  }
}

TEST_F(SkinMenuLooks, TheFramesSystemMenuOpensSkinnedWithTheGlyphsItsItemsAreNamedFor) {
  auto* System = new TPopupMenu(Main);
  for (const auto& [Name, Caption] : { std::pair { "BSF_RESTORE", "还原" }, std::pair { "BSF_CLOSE", "关闭" },
                                       std::pair { "Plain", "帮助" } }) {
    auto* Item = new TMenuItem(System);
    Item->SetName(Name);
    Item->SetCaption(Caption);
    System->Items()->Add(Item);
  }
  Frame->SetSystemMenu(System);
  // The user's items as they are, without the frame's own merged in.
  Frame->SetUseDefaultSysMenu(false);
  Display->Key(VK_SPACE, { VK_MENU });
  ASSERT_EQ(Levels().size(), 1u);
  EXPECT_TRUE(Frame->InMenu);
  // Dark pixels in each row's glyph column, left of the caption.
  const auto GlyphPixels = [&](const char* Caption) {
    const TRect R = Row(Level(0), Caption)->ObjectRect;
    int Count = 0;
    for (int Y = R.Top + 2; Y < R.Bottom - 2; ++Y)
      for (int X = R.Left + 4; X < R.Left + 18; ++X) Count += At(Level(0), X, Y) == ColorToRGB(clWindowText);
    return Count;
  };
  EXPECT_GT(GlyphPixels("还原"), 10);
  EXPECT_GT(GlyphPixels("关闭"), 10);
  EXPECT_EQ(GlyphPixels("帮助"), 0);
  Display->Key(VK_ESCAPE);
  EXPECT_FALSE(Frame->InMenu);
}

}  // namespace
