// The skinned page control: the page area inside the skin's frame, the reported tab rectangles, the
// skinned tab scroller, hidden tabs and border, close buttons, wheel paging, and the tabs and frame drawn
// from the skin's pieces, with the bitmap turning routines the side and bottom tabs use.
#include "platform/base/SysUtils.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TImageList.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinUpDown.h"
#include "skin/controls/skControlMessages.h"
#include "skin/controls/skTabBitmaps.h"
#include "skin/core/skDataSkinBarControls.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class SkinPageControlTest : public SkinControlTest {
protected:
  TskSkinPageControl* MakePages(int Count, TRect Bounds = ::Bounds(10, 10, 300, 200), int TabWidth = 0) {
    Pages = Add<TskSkinPageControl>(Bounds);
    if (TabWidth) Pages->SetTabWidth(TabWidth);
    for (int I = 0; I < Count; ++I) {
      auto* Sheet = new TskSkinTabSheet(Form);
      Sheet->SetCaption(Format("页 %d", I));
      Sheet->SetPageControl(Pages);
      Sheets.push_back(Sheet);
    }
    Display->PumpUntilIdle();
    return Pages;
  }
  /// A skin with a "tab" record: page piece 40 x 40 with a 4-pixel frame (navy) around a silver client,
  /// tabs 20 high (normal green, selected 23 high red, under the mouse yellow).
  void BuildSkin() {
    TskSkinModelBuilder Skin(Model);
    const int Picture = Skin.AddPicture(200, 60);
    auto& Tab = Skin.Add<TskDataSkinTabControl>("tab", "tab");
    Tab.PictureIndex = Picture;
    Tab.SkinRect = Skin.Paint(Picture, Rect(0, 0, 40, 40), clNavy);
    Skin.Paint(Picture, Rect(4, 4, 36, 36), clSilver);
    Tab.ClRect = Rect(4, 4, 36, 36);
    Tab.LTPoint = { 4, 4 };
    Tab.RTPoint = { 36, 4 };
    Tab.LBPoint = { 4, 36 };
    Tab.RBPoint = { 36, 36 };
    Tab.TabRect = Skin.Paint(Picture, Rect(40, 0, 80, 20), clGreen);
    Tab.ActiveTabRect = Skin.Paint(Picture, Rect(80, 0, 120, 23), clRed);
    Tab.MouseInTabRect = Skin.Paint(Picture, Rect(120, 0, 160, 20), clYellow);
    Tab.TabsBGRect = Skin.Paint(Picture, Rect(160, 0, 170, 10), clTeal);
    Tab.TabLeftOffset = 3;
    Tab.TabRightOffset = 3;
    Skin.Finish();
  }

  /// The tab's rectangle as the control reports it.
  TRect Tab(int Index) { return Pages->TCustomTabControl::TabRect(Index); }

  TskSkinPageControl* Pages { nullptr };
  std::vector<TskSkinTabSheet*> Sheets;
};

// ---- Geometry ----------------------------------------------------------------------------------------------

TEST_F(SkinPageControlTest, SheetsFillThePageAreaInsideTheFrameOrTheWholeControlWithoutBorder) {
  MakePages(2);
  const TRect Native = Tab(0);
  TRect Area = Sheets[0]->BoundsRect();
  EXPECT_EQ(Area.Left, 1);
  EXPECT_EQ(Area.Right, Pages->ClientWidth() - 1);
  EXPECT_EQ(Area.Bottom, Pages->ClientHeight() - 1);
  EXPECT_EQ(Native.Top, 0) << "tabs are reported 2 pixels higher than the native row";

  BuildSkin();
  Pages->SetSkinData(&Model);
  Display->PumpUntilIdle();
  Area = Sheets[0]->BoundsRect();
  EXPECT_EQ(Area.Left, 4);
  EXPECT_EQ(Area.Right, Pages->ClientWidth() - 4);
  EXPECT_EQ(Area.Bottom, Pages->ClientHeight() - 4);
  EXPECT_EQ(Tab(0).Height(), 20) << "tabs take the skin's tab height";

  Pages->SetHideBorder(true);
  EXPECT_EQ(Sheets[0]->BoundsRect(), Rect(0, -2, Pages->Width(), Pages->Height()));
}

TEST_F(SkinPageControlTest, WithoutASkinTheDefaultItemHeightSizesTheTabsAlsoUnderATabHeight) {
  MakePages(2);
  Pages->SetTabHeight(30);
  Pages->SetDefaultItemHeight(24);
  EXPECT_EQ(Tab(0).Height(), 24);
  Pages->SetTabHeight(0);
  Pages->SetDefaultItemHeight(18);
  EXPECT_EQ(Tab(1).Height(), 18);
}

/// A windowed control that counts the background notices sent to it.
class TNoticedChild : public TWinControl {
public:
  using TWinControl::TWinControl;
  int BackgroundNotices { 0 };

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_CHECKPARENTBG) ++BackgroundNotices;
    TWinControl::WndProc(Message);
  }
};

TEST_F(SkinPageControlTest, AResizedSheetTellsItsChildrenOnlyOverAStretchedSkin) {
  BuildSkin();
  MakePages(1);
  auto* Child = Add<TNoticedChild>(Bounds(5, 5, 30, 20), Sheets[0]);
  Display->PumpUntilIdle();
  Pages->SetWidth(280);
  Display->PumpUntilIdle();
  EXPECT_EQ(Child->BackgroundNotices, 0) << "no skin";

  Pages->SetSkinData(&Model);
  Pages->SetWidth(260);
  Display->PumpUntilIdle();
  EXPECT_EQ(Child->BackgroundNotices, 0) << "a tiled background does not move";

  FindSkinRecord<TskDataSkinTabControl>(Model, "tab")->StretchEffect = true;
  Pages->ChangeSkinData();
  Pages->SetWidth(240);
  Display->PumpUntilIdle();
  EXPECT_GE(Child->BackgroundNotices, 1);
}

TEST_F(SkinPageControlTest, CentredTabsAreRefusedWithoutAWidthAndOtherwiseMovedByTheOffset) {
  MakePages(3, Bounds(0, 0, 400, 200));
  Pages->SetTabsInCenter(true);
  EXPECT_FALSE(Pages->TabsInCenter());
  Pages->SetTabWidth(60);
  const TRect Before = Tab(0);
  Pages->SetTabsInCenter(true);
  EXPECT_TRUE(Pages->TabsInCenter());
  EXPECT_EQ(Pages->TabsOffsetNow(), 110);
  EXPECT_EQ(Tab(0), Before.Offset(110, 0));

  ClickAt(Pages, Tab(2).Left + 10, 8);
  Display->PumpUntilIdle();
  EXPECT_EQ(Pages->ActivePage(), Sheets[2]) << "the click is moved back for the native hit test";
}

// ---- Scroller ----------------------------------------------------------------------------------------------

TEST_F(SkinPageControlTest, OverflowingTabsScrollByWholeTabsWithTheSkinnedUpDown) {
  MakePages(10, Bounds(0, 0, 500, 200), 80);
  Pages->SetWidth(400);
  Display->PumpUntilIdle();
  TskSkinUpDown* Scroller = Pages->SkinUpDown();
  ASSERT_NE(Scroller, nullptr);
  EXPECT_EQ(Scroller->Max(), 6) << "tabs 5 to 9 do not show whole, the fifth ends past Width - 3";
  EXPECT_EQ(Scroller->Left(), Pages->Width() - Scroller->Width());
  EXPECT_EQ(Scroller->Position(), 0);

  Scroller->SetPosition(1);
  Display->PumpUntilIdle();
  EXPECT_LE(Tab(0).Right, 0) << "the first tab scrolled off";
  EXPECT_GT(Tab(1).Right, 0);

  Pages->SetWidth(900);
  Display->PumpUntilIdle();
  EXPECT_EQ(Pages->SkinUpDown(), nullptr) << "wide enough: no scroller";
  Pages->SetMultiLine(true);
  Pages->SetWidth(300);
  Display->PumpUntilIdle();
  EXPECT_EQ(Pages->SkinUpDown(), nullptr) << "never in multi-line";
}

TEST_F(SkinPageControlTest, SideTabsThatDoNotFitScrollDownwardWithTheUpDown) {
  MakePages(8, Bounds(10, 10, 300, 150));
  for (TTabPosition Position : { tpLeft, tpRight }) {
    SCOPED_TRACE(int(Position));
    Pages->SetTabPosition(Position);
    Pages->SetActivePageIndex(0);
    Pages->SetWidth(Pages->Width() + 1);  // a size change brings the scroller
    Display->PumpUntilIdle();
    TskSkinUpDown* Scroller = Pages->SkinUpDown();
    ASSERT_NE(Scroller, nullptr);
    EXPECT_GT(Tab(7).Top, Pages->Height()) << "the row runs on below the control";
    Scroller->SetPosition(Scroller->Max());
    Display->PumpUntilIdle();
    EXPECT_LE(Tab(0).Bottom, 0);
    EXPECT_LE(Tab(7).Bottom, Pages->Height()) << "the last tab brought into the control";
    EXPECT_GT(Tab(7).Top, 0);
  }
}

// ---- Hidden tabs -------------------------------------------------------------------------------------------

TEST_F(SkinPageControlTest, HiddenTabsKeepTheirFormerSettingsUntilShownAgain) {
  MakePages(3);
  Pages->SetTabPosition(tpLeft);
  Pages->SetTabHeight(24);
  Pages->HideTabs();
  EXPECT_TRUE(Pages->HideTabsState());
  EXPECT_EQ(Pages->TabPosition(), tpTop);
  EXPECT_EQ(Pages->TabHeight(), 1);
  Pages->HideTabs();
  Pages->ShowTabs();
  EXPECT_EQ(Pages->TabPosition(), tpLeft);
  EXPECT_EQ(Pages->TabHeight(), 24) << "hiding twice kept the first saved height";
  EXPECT_FALSE(Pages->HideTabsState());

  for (auto* Sheet : Sheets) Sheet->SetTabVisible(false);
  Pages->HideTabs();
  EXPECT_FALSE(Pages->HideTabsState()) << "nothing to hide";
}

TEST_F(SkinPageControlTest, AHiddenTabKeepsTabIndexAmongTheVisibleTabs) {
  MakePages(4);
  Pages->SetActivePage(Sheets[2]);
  Sheets[0]->SetTabVisible(false);
  EXPECT_EQ(Pages->TabIndex(), 1);
  EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
  Display->PumpUntilIdle();
  ClickAt(Pages, Tab(2).Left + 5, Tab(2).Top + 5);
  Display->PumpUntilIdle();
  EXPECT_EQ(Pages->ActivePage(), Sheets[3]);
}

// ---- Close buttons -----------------------------------------------------------------------------------------

TEST_F(SkinPageControlTest, ACloseButtonClosesItsPageUnlessRefusedAndFreesItWithFreeOnClose) {
  MakePages(3);
  Pages->SetShowCloseButtons(true);
  Display->PumpUntilIdle();
  bool Allow = false;
  Pages->OnClose = [&](TObject* Sender, bool& CanClose) {
    Log.push_back("Close " + static_cast<TTabSheet*>(Sender)->Caption());
    CanClose = Allow;
  };
  Pages->OnAfterClose = [&](TObject*) { Log.push_back("AfterClose"); };
  auto ClickClose = [&](int Index) {
    TskSkinCustomTabSheet* Sheet = nullptr;
    for (int I = 0; I < Pages->PageCount(); ++I)
      if (Pages->Pages(I)->TabIndex() == Index) Sheet = dynamic_cast<TskSkinCustomTabSheet*>(Pages->Pages(I));
    Pages->SetActivePage(Sheet);
    Display->PumpUntilIdle();
    const TRect T = Tab(Index);
    const TRect Button = Sheet->ButtonRect.Offset(T.Left, T.Top);
    ASSERT_FALSE(Button.IsEmpty());
    ClickAt(Pages, Button.Left + Button.Width() / 2, Button.Top + Button.Height() / 2);
    Display->PumpUntilIdle();
  };
  ClickClose(1);
  EXPECT_EQ(std::exchange(Log, {}), (AppLog { "Close 页 1" }));
  EXPECT_TRUE(Sheets[1]->TabVisible());

  Allow = true;
  ClickClose(1);
  EXPECT_EQ(std::exchange(Log, {}), (AppLog { "Close 页 1", "AfterClose" }));
  EXPECT_FALSE(Sheets[1]->TabVisible());

  // A release over the close button closes, wherever the press was.
  const TRect Second = Tab(1), Close = Sheets[2]->ButtonRect.Offset(Second.Left, Second.Top);
  Press(Pages, Second.Left + 2, Second.Top + 2);
  Release(Pages, Close.Left + 1, Close.Top + 1);
  Display->PumpUntilIdle();
  EXPECT_EQ(std::exchange(Log, {}), (AppLog { "Close 页 2", "AfterClose" }));
  Sheets[2]->SetTabVisible(true);

  Pages->SetFreeOnClose(true);
  const int Owned = Form->ComponentCount();
  ClickClose(1);  // the third page is the second visible tab now
  EXPECT_EQ(std::exchange(Log, {}), (AppLog { "Close 页 2", "AfterClose" }));
  EXPECT_EQ(Pages->PageCount(), 2);
  EXPECT_EQ(Form->ComponentCount(), Owned - 1) << "the closed page was freed";
}

TEST_F(SkinPageControlTest, TheBuiltInCloseGlyphIsBlackAndTurnsWhiteUnderTheMouse) {
  MakePages(2);
  Pages->SetShowCloseButtons(true);
  Display->PumpUntilIdle();
  const TRect T = Tab(1);
  const TRect B = Sheets[1]->ButtonRect.Offset(T.Left, T.Top);
  auto Glyph = [&](TColor Colour) {
    Display->PumpUntilIdle();
    for (int X = B.Left; X < B.Right; ++X)
      for (int Y = B.Top; Y < B.Bottom; ++Y)
        if (Shown(Pages, X, Y) == Colour) return true;
    return false;
  };
  EXPECT_TRUE(Glyph(clBlack));
  MoveTo(Pages, B.Left + B.Width() / 2, B.Top + B.Height() / 2);
  EXPECT_TRUE(Glyph(clWhite));
}

// ---- Wheel -------------------------------------------------------------------------------------------------

TEST_F(SkinPageControlTest, TheWheelChangesPagesOnlyWithTheFocus) {
  MakePages(3);
  Pages->SetMouseWheelSupport(true);
  const TPoint P = At(Pages, 100, 100);
  Display->Wheel(-WHEEL_DELTA, P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
  Pages->SetFocus();
  Display->Wheel(-WHEEL_DELTA, P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Pages->ActivePage(), Sheets[1]);
  Display->Wheel(WHEEL_DELTA, P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
  Display->Wheel(WHEEL_DELTA, P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Pages->ActivePage(), Sheets[0]) << "nothing before the first page";
}

// ---- Painting ----------------------------------------------------------------------------------------------

TEST_F(SkinPageControlTest, TurningRoutinesMapEveryPixel) {
  TBitmap B;
  B.SetSize(3, 2);
  const TColor Colours[2][3] = { { clRed, clLime, clBlue }, { clYellow, clAqua, clFuchsia } };
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 3; ++X) B.Canvas()->SetPixels(X, Y, Colours[Y][X]);
  TBitmap Ccw, Cw, Flip;
  Ccw.Assign(&B);
  Cw.Assign(&B);
  Flip.Assign(&B);
  BitmapRotate90_1(&Ccw);
  BitmapRotate90_2(&Cw);
  BitmapFlipVert(&Flip);
  ASSERT_EQ(Ccw.Width(), 2);
  ASSERT_EQ(Ccw.Height(), 3);
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 3; ++X) {
      EXPECT_EQ(Ccw.Canvas()->Pixels(Y, 2 - X), Colours[Y][X]);
      EXPECT_EQ(Cw.Canvas()->Pixels(1 - Y, X), Colours[Y][X]);
      EXPECT_EQ(Flip.Canvas()->Pixels(X, 1 - Y), Colours[Y][X]);
    }
  TBitmap Target;
  Target.SetSize(4, 4);
  DrawBitmapRotate90_2(Target.Canvas(), &B, 1, 1);
  EXPECT_EQ(Target.Canvas()->Pixels(1 + 1, 1 + 0), clRed);
}

TEST_F(SkinPageControlTest, BuiltInTabsShowTheirStatesAndThePageFrame) {
  MakePages(3);
  const TRect Selected = Tab(0);
  const TRect Other = Tab(2);
  EXPECT_EQ(Shown(Pages, Selected.Left, Selected.Top + 5), TColor(0xB76B3B));
  EXPECT_EQ(Shown(Pages, Selected.Left + 2, Selected.Top + 2), TColor(0xF3D4C1)) << "selected without the focus";
  EXPECT_EQ(Shown(Pages, Other.Left + 2, Other.Top + 2), ColorToRGB(clBtnFace));
  const TRect Area = Sheets[0]->BoundsRect();
  EXPECT_EQ(Shown(Pages, Area.Left - 1, Area.Top + 10), ColorToRGB(clBtnShadow));
  Pages->SetFocus();
  EXPECT_EQ(Shown(Pages, Selected.Left + 2, Selected.Top + 2), TColor(0xE4BCA2));
}

TEST_F(SkinPageControlTest, SkinnedTabsFrameAndRowComeFromTheirPieces) {
  BuildSkin();
  MakePages(3, Bounds(10, 10, 300, 200), 60);
  Pages->SetSkinData(&Model);
  Display->PumpUntilIdle();
  const TRect Selected = Tab(0);
  const TRect Other = Tab(1);
  EXPECT_EQ(Shown(Pages, Selected.Left + 5, Selected.Top + 2), clRed);
  EXPECT_EQ(Shown(Pages, Other.Left + 5, Other.Top + 2), clGreen);
  EXPECT_EQ(Shown(Pages, 290, 3), clTeal) << "the row's background right of the tabs";
  const TRect Area = Sheets[0]->BoundsRect();
  EXPECT_EQ(Shown(Pages, 1, Area.Top + 20), clNavy) << "the frame's left band";
  EXPECT_EQ(Shown(Pages, Selected.Left + 5, Selected.Bottom + 1), clRed)
      << "the taller selected tab reaches into the frame";
  EXPECT_EQ(Shown(Pages, 20, Area.Top + 20), clSilver) << "the sheet's background is the client piece";

  MoveTo(Pages, Other.Left + 5, Other.Top + 5);
  EXPECT_EQ(Shown(Pages, Other.Left + 5, Other.Top + 2), clYellow);

  MoveTo(Pages, 150, 100);
  Pages->SetTabPosition(tpBottom);
  Display->PumpUntilIdle();
  const TRect Bottom = Tab(1);
  EXPECT_EQ(Shown(Pages, Bottom.Left + 5, Bottom.Bottom - 3), clGreen);
}

TEST_F(SkinPageControlTest, TabImagesWidenTheTabsAndShowCentredOrByTheExtendedLayout) {
  MakePages(2);
  const int Plain = Tab(1).Width();
  TImageList Images(nullptr);
  Images.SetSize(12, 12);
  TBitmap Red;
  Red.SetSize(12, 12);
  Red.Canvas()->Brush()->SetColor(clRed);
  Red.Canvas()->FillRect(Rect(0, 0, 12, 12));
  Images.Add(&Red, nullptr);
  Sheets[1]->SetImageIndex(0);
  Pages->SetTabImages(&Images);
  Display->PumpUntilIdle();
  EXPECT_EQ(Tab(1).Width(), Plain + 12) << "each tab keeps room for an image";
  auto ShowsRed = [&](int From, int To) {
    const TRect T = Tab(1);
    for (int X = T.Left + From; X < T.Left + To; ++X)
      if (Shown(Pages, X, T.Top + T.Height() / 2) == clRed) return true;
    return false;
  };
  EXPECT_FALSE(ShowsRed(0, 6)) << "the image and text are centred as one group";
  EXPECT_TRUE(ShowsRed(0, Tab(1).Width()));

  Pages->SetTabExtededDraw(true);
  Pages->SetTabMargin(-5);
  EXPECT_EQ(Pages->TabMargin(), -1);
  Pages->SetTabMargin(0);
  EXPECT_TRUE(ShowsRed(0, 3)) << "with margin 0 the image starts at the tab's left edge";
  Pages->SetTabImages(nullptr);
  Display->PumpUntilIdle();
  EXPECT_EQ(Tab(1).Width(), Plain);
}

TEST_F(SkinPageControlTest, WithoutVisibleTabsTheControlPaintsThePageAreaFromTheClientPiece) {
  BuildSkin();
  MakePages(1);
  Pages->SetSkinData(&Model);
  Sheets[0]->SetTabVisible(false);
  Pages->Invalidate();
  EXPECT_EQ(SendMessage(Pages->Handle(), WM_SKINPRINTNC, 0, 0), SKINPRINTNC_ANSWER);
  EXPECT_EQ(Shown(Pages, 150, 100), clSilver);
}

}  // namespace
