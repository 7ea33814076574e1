// Frames of an MDI main form and its children: tabs for the children, activation by a tab click, a maximized
// child's buttons on the menu bar, its caption that neither animates nor tracks the pointer and the main
// form's caption that follows its activity, the active child's frame, tiling and cascading, closing by a
// tab's close button, and the tab bar's layout and drag reordering.
#include "platform/ui/toolkit/TMainMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/MdiArrangement.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskActiveSkinObject.h"
#include "skin/form/TskSkinCaptionObject.h"
#include "skin/form/TskSkinMDITabsBar.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinMainMenuBarButton.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinPopupWindow.h"
#include "skin/form/skFormFinders.h"
#include "tests/skin/form/MDIFormFixture.h"

namespace {

TEST_F(MDIFrame, ThreeChildrenGetTabsAndMenuItemsAndATabClickActivatesItsChild) {
  TForm* A = NewChild("A");
  TForm* B = NewChild("B");
  TForm* C = NewChild("C");
  ASSERT_EQ(Tabs->TabCount(), 3);
  EXPECT_EQ(Tabs->Tabs(0)->Child, A);
  EXPECT_EQ(Tabs->Tabs(2)->Child, C);
  EXPECT_TRUE(Tabs->Tabs(2)->Active);
  ASSERT_EQ(WindowMenu->Count(), 3);
  EXPECT_EQ(WindowMenu->Items(1)->Name(), "B_BSFCHILDITEM");
  EXPECT_EQ(WindowMenu->Items(1)->Caption(), "B");
  EXPECT_TRUE(WindowMenu->Items(2)->Checked());

  const TRect First = Tabs->Tabs(0)->ObjectRect;
  ClickTabs(First.Left + 10, First.Top + First.Height() / 2);
  EXPECT_EQ(Main->ActiveMDIChild(), A);
  EXPECT_TRUE(Tabs->Tabs(0)->Active);
  EXPECT_FALSE(Tabs->Tabs(2)->Active);
  EXPECT_TRUE(WindowMenu->Items(0)->Checked());
  EXPECT_FALSE(WindowMenu->Items(2)->Checked());

  B->SetCaption("Renamed");
  EXPECT_EQ(WindowMenu->Items(1)->Caption(), "Renamed");
}

TEST_F(MDIFrame, AChildsSystemMenuOpensAtItsButtonOnTheScreen) {
  TForm* Child = NewChild("A", Bounds(30, 40, 250, 180));
  TskSkinForm* ChildFrame = FrameOf(Child);
  const int Index = ChildFrame->GetIndex("sysmenubutton");
  ASSERT_NE(Index, -1);
  TRect Window;
  ASSERT_TRUE(GetWindowRect(Child->Handle(), &Window));
  ASSERT_NE(Window.TopLeft(), Child->BoundsRect().TopLeft()) << "the MDI client does not start at the screen's origin";
  const TRect Button = ChildFrame->ObjectList[size_t(Index)]->ObjectRect.Offset(Window.Left, Window.Top);
  Display->Click((Button.Left + Button.Right) / 2, (Button.Top + Button.Bottom) / 2);
  Display->PumpUntilIdle();
  ASSERT_TRUE(ChildFrame->SkinMenu->Visible());
  const TRect Level = ChildFrame->SkinMenu->PopupList().at(0)->BoundsRect();
  EXPECT_EQ(Level.Left, Button.Left);
  EXPECT_EQ(Level.Top, Button.Bottom);
}

TEST_F(MDIFrame, MaximizingAChildShowsItsButtonsOnTheMenuBarAndRestoringRemovesThem) {
  TForm* A = NewChild("A");
  TForm* B = NewChild("B");
  FrameOf(B)->SetWindowState(wsMaximized);
  Display->PumpUntilIdle();
  EXPECT_TRUE(Frame->MDIChildMaximized());
  EXPECT_EQ(FrameOf(A)->WindowState(), wsMaximized) << "every child that can maximizes";
  const TRect Area = Frame->MDIClientArea();
  EXPECT_EQ(B->BoundsRect(), Rect(0, 0, Area.Width(), Area.Height()));
  EXPECT_EQ(B->ClientWidth(), B->Width()) << "a maximized child has no frame";
  EXPECT_EQ(Frame->CaptionText(), "Main - [B]");
  ASSERT_EQ(Bar->ButtonsCount(), 4);
  const TskStdCommand Order[] = { cmSysMenu, cmClose, cmMaximize, cmMinimize };
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(static_cast<TskSkinMainMenuBarButton*>(Bar->Object(i))->Command, Order[i]) << i;
  EXPECT_LT(Bar->Object(0)->ObjectRect.Right, Bar->Object(3)->ObjectRect.Left) << "system menu left, others right";
  EXPECT_GT(Bar->Object(1)->ObjectRect.Left, Bar->Object(2)->ObjectRect.Left) << "close at the right end";
  ASSERT_EQ(Bar->ItemCount(), 2) << "the menu items stay";

  // A child shown while another is maximized opens maximized.
  TForm* C = NewChild("C");
  EXPECT_EQ(FrameOf(C)->WindowState(), wsMaximized);

  // The restore button on the bar restores every child and takes the buttons away.
  const TRect Restore = Bar->Object(2)->ObjectRect;
  const TPoint P = Bar->ClientToScreen({ Restore.Left + Restore.Width() / 2, Restore.Top + Restore.Height() / 2 });
  Display->MoveTo(P.X, P.Y);
  Display->Advance(60);
  Display->Click(P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_FALSE(Frame->MDIChildMaximized());
  EXPECT_EQ(Bar->ButtonsCount(), 0);
  for (TForm* Child : { A, B, C }) EXPECT_EQ(FrameOf(Child)->WindowState(), wsNormal) << Child->Name();
  EXPECT_EQ(B->BoundsRect(), Bounds(10, 10, 250, 180));
  EXPECT_EQ(Frame->CaptionText(), "Main");
}

TEST_F(MDIFrame, TheActiveChildsFrameIsTheOneTheMainFormNamesAlsoWhileAnotherFormIsActive) {
  NewChild("A");
  TForm* B = NewChild("B");
  EXPECT_EQ(GetActiveMDIChildSkinForm(), FrameOf(B));
  TForm* Tool = NewForm(Bounds(900, 100, 200, 100));
  Tool->Show();
  Display->PumpUntilIdle();
  ASSERT_EQ(Screen->ActiveCustomForm(), Tool);
  EXPECT_EQ(GetActiveMDIChildSkinForm(), FrameOf(B));
}

// The children's caption plays a two-frame animation when its form becomes active; a maximized child's
// caption is on the main form's menu bar: it takes the activity without playing, and its buttons track
// no pointer.
TEST_F(MDIFrame, AMaximizedChildsCaptionNeitherAnimatesNorTracksThePointer) {
  BuildFrameSkin(Model);
  AddFrameObjects(Model);
  auto& CaptionRecord = dynamic_cast<TskDataSkinCaption&>(*Model.ObjectList.back());
  CaptionRecord.AnimateSkinRect = Rect(0, 0, 400, 30);
  CaptionRecord.FrameCount = 2;
  CaptionRecord.AnimateInterval = 25;
  for (UINT Message : { WM_BEFORECHANGESKINDATA, WM_CHANGESKINDATA, WM_AFTERCHANGESKINDATA })
    Model.SendSkinDataMessage(Message);
  TForm* Child = NewChild("A");
  TskSkinForm* ChildFrame = FrameOf(Child);
  auto Caption = [&] {
    return dynamic_cast<TskSkinCaptionObject*>(ChildFrame->ObjectList[size_t(ChildFrame->GetIndex("caption"))].get());
  };
  ASSERT_TRUE(ChildFrame->GetFormActive());
  ChildFrame->SetSkinData(&Model);
  EXPECT_EQ(Caption()->CurrentFrame, 1) << "a normal child's caption plays on a skin's arrival";

  ChildFrame->SetWindowState(wsMaximized);
  Display->PumpUntilIdle();
  ChildFrame->SetSkinData(&Model);
  EXPECT_TRUE(Caption()->Active);
  EXPECT_EQ(Caption()->CurrentFrame, 0) << "skin applied";
  Caption()->Active = false;
  SendMessage(Child->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_TRUE(Caption()->Active);
  EXPECT_EQ(Caption()->CurrentFrame, 0) << "activated";

  const TRect Close = ChildFrame->ObjectList[size_t(ChildFrame->GetIndex("closebutton"))]->ObjectRect;
  ChildFrame->TrackActiveObject((Close.Left + Close.Right) / 2, (Close.Top + Close.Bottom) / 2, true);
  EXPECT_EQ(ChildFrame->ActiveObject, -1);
}

// The main form's caption names the maximized child; it is painted again whenever a maximized child's
// activity changes, also when only that child hears of it.
TEST_F(MDIFrame, AMaximizedChildsActivityRepaintsTheMainFormsCaption) {
  TForm* A = NewChild("A");
  TForm* B = NewChild("B");
  FrameOf(B)->SetWindowState(wsMaximized);
  Display->PumpUntilIdle();
  std::vector<String> Painted;
  Frame->OnCaptionPaint = [&](TCanvas*, const TRect&, bool) { Painted.push_back(Frame->CaptionText()); };
  const TRect First = Tabs->Tabs(0)->ObjectRect;
  ClickTabs(First.Left + 10, First.Top + First.Height() / 2);
  ASSERT_EQ(Main->ActiveMDIChild(), A);
  ASSERT_FALSE(Painted.empty());
  EXPECT_EQ(Painted.back(), "Main - [A]");

  for (WPARAM Active : { 0, 1 }) {
    Painted.clear();
    SendMessage(A->Handle(), WM_NCACTIVATE, Active, 0);
    EXPECT_EQ(Painted.size(), 1u) << Active;
  }
  Frame->OnCaptionPaint = nullptr;
}

TEST_F(MDIFrame, ClosingTheLastMaximizedChildClearsTheButtons) {
  TForm* A = NewChild("A");
  FrameOf(A)->SetWindowState(wsMaximized);
  ASSERT_EQ(Bar->ButtonsCount(), 4);
  A->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
  A->Close();
  Display->PumpUntilIdle();
  EXPECT_EQ(Bar->ButtonsCount(), 0);
  EXPECT_EQ(Tabs->TabCount(), 0);
  EXPECT_EQ(WindowMenu->Count(), 0);
}

TEST_F(MDIFrame, TileAndCascadePlaceOneToFourChildrenInTheClientArea) {
  std::vector<TForm*> Children;
  for (int Count = 1; Count <= 4; ++Count) {
    Children.push_back(NewChild(std::string(1, char('A' + Count - 1))));
    const TRect Area = Frame->MDIClientArea();
    const TRect Zero = Rect(0, 0, Area.Width(), Area.Height());
    for (TTileMode Mode : { tbHorizontal, tbVertical }) {
      Frame->SetTileMode(Mode);
      Frame->Tile();
      const std::vector<TRect> Expected = MdiTileRects(Zero, Count, Mode == tbHorizontal);
      for (int i = 0; i < Count; ++i) EXPECT_EQ(Children[size_t(i)]->BoundsRect(), Expected[size_t(i)]) << Count << " " << i;
    }
    Frame->Cascade();
    // Built-in look: the step is the caption's height (19) and 3.
    const std::vector<TRect> Expected =
        MdiCascadeRects(Zero, Count, 22, TSize { Frame->GetMinWidth(), Frame->GetMinHeight() });
    for (int i = 0; i < Count; ++i) EXPECT_EQ(Children[size_t(i)]->BoundsRect(), Expected[size_t(i)]) << Count << " " << i;
    // The last child is at the corner, each earlier one a step further in.
    EXPECT_EQ(Children.back()->Left(), 0);
    if (Count > 1) {
      EXPECT_EQ(Children[size_t(Count - 2)]->Left(), 22);
    }
  }
}

TEST_F(MDIFrame, CascadeStepsAtLeastOnePixelWhenTheSkinsClientStartsAtTheTop) {
  BuildFrameSkin(Model);
  Model.ClRect = Rect(10, 0, 190, 90);
  Model.LTPoint = { 10, 0 };
  Model.RTPoint = { 190, 0 };
  Frame->SetSkinData(&Model);
  TForm* A = NewChild("A");
  TForm* B = NewChild("B");
  Frame->Cascade();
  EXPECT_EQ(B->Left(), 0);
  EXPECT_EQ(A->Left(), 1);
  EXPECT_EQ(A->Top(), 1);
}

TEST_F(MDIFrame, ATabsCloseButtonClosesItsChildAlsoWhenThePressBeganElsewhere) {
  NewChild("A");
  TForm* B = NewChild("B");
  Tabs->Repaint();
  Display->PumpUntilIdle();
  TskMDITab* Tab = Tabs->Tabs(1);
  ASSERT_FALSE(IsEmptyRect(Tab->ButtonRect));
  const TPoint Button { Tab->ObjectRect.Left + Tab->ButtonRect.Left + 5, Tab->ObjectRect.Top + Tab->ButtonRect.Top + 5 };
  const TPoint From = Tabs->ClientToScreen({ 300, 10 });
  const TPoint To = Tabs->ClientToScreen(Button);
  Display->ButtonDown(From.X, From.Y);
  Display->MoveTo(To.X, To.Y);
  Display->ButtonUp(To.X, To.Y);
  Display->PumpUntilIdle();
  EXPECT_FALSE(B->Visible());
  ASSERT_EQ(Tabs->TabCount(), 1);
  EXPECT_EQ(Tabs->Tabs(0)->Child->Name(), "A");
}

TEST_F(MDIFrame, TabsShareTheBarAndHideBelowTheirMinimumWidth) {
  Tabs->SetShowCloseButtons(false);
  Tabs->SetAlign(alNone);
  Tabs->SetBounds(0, 22, 300, 21);
  for (int i = 0; i < 6; ++i) NewChild(std::string(1, char('A' + i)));
  Tabs->CalcTabRects();
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Tabs->Tabs(i)->ObjectRect.Left, 15 + 47 * i) << i;
  EXPECT_EQ(Tabs->Tabs(0)->ObjectRect.Width(), 47);
  EXPECT_EQ(Tabs->Tabs(5)->ObjectRect.Right, 300);
  Tabs->SetMinTabWidth(60);
  Tabs->CalcTabRects();
  EXPECT_EQ(Tabs->HiddenCount(), 2);
  EXPECT_EQ(Tabs->Tabs(3)->ObjectRect, Rect(195, 0, 255, 21));
  EXPECT_FALSE(Tabs->Tabs(4)->Visible);
  EXPECT_EQ(Tabs->GetTab(270, 10), nullptr);
}

TEST_F(MDIFrame, DraggingATabPastAnotherTabsCentreMovesIt) {
  Tabs->SetShowCloseButtons(false);
  for (int i = 0; i < 4; ++i) NewChild(std::string(1, char('A' + i)));
  Tabs->CalcTabRects();
  auto Names = [this] {
    std::string S;
    for (int i = 0; i < Tabs->TabCount(); ++i) S += Tabs->Tabs(i)->Child->Name();
    return S;
  };
  auto DragTab = [this](int Index, int DX) {
    const TRect R = Tabs->Tabs(Index)->ObjectRect;
    const TPoint From = Tabs->ClientToScreen({ R.Left + 10, 10 });
    Display->Drag(From, { From.X + DX, From.Y });
    Display->PumpUntilIdle();
  };
  const int W = Tabs->Tabs(0)->ObjectRect.Width();
  DragTab(1, W / 3);
  EXPECT_EQ(Names(), "ABCD") << "released before any centre";
  DragTab(1, 2 * W + W / 2 + 5);
  EXPECT_EQ(Names(), "ACDB");
}

}  // namespace
