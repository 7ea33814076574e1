// The frame's answers to WM_NCHITTEST, its client area and its window region.
#include "platform/ui/winsys/Input.h"
#include "skin/form/TskActiveSkinObject.h"
#include "skin/form/skFormFinders.h"
#include "tests/skin/form/FormFrameFixture.h"

namespace {

class FrameHitTest : public FormFrameTest {
protected:
  /// The frame skin with its objects on the main form (400 x 300 at (100, 100)), shown.
  TskSkinForm* ShowSkinned(TFormBorderStyle Style) {
    BuildFrameSkin(Model);
    AddFrameObjects(Model);
    Main->SetBorderStyle(Style);
    TskSkinForm* Frame = Attach(Main, &Model);
    Frame->SetBorderIcons({ TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize });
    Main->Show();
    Display->PumpUntilIdle();
    return Frame;
  }
  LRESULT Hit(int X, int Y) {
    return SendMessage(Main->Handle(), WM_NCHITTEST, 0, MAKELPARAM(Main->Left() + X, Main->Top() + Y));
  }
};

struct THitCase {
  int X, Y;
  LRESULT Sizeable, Single;
};

TEST_F(FrameHitTest, TheSkinnedFrameAnswersForItsButtonsCaptionBordersAndClient) {
  // 400 x 300: client (10, 30, 390, 290); buttons close (368, 5), maximize (346, 5), minimize (324, 5),
  // system menu (0, 5); the caption from x 20 reaches under the row.
  const THitCase Cases[] = {
    { 378, 15, HTOBJECT, HTOBJECT },       // close
    { 356, 15, HTOBJECT, HTOBJECT },       // maximize
    { 334, 15, HTOBJECT, HTOBJECT },       // minimize
    { 10, 15, HTOBJECT, HTOBJECT },        // system menu (on the border's probe distance too)
    { 200, 15, HTCAPTION, HTCAPTION },     // caption text
    { 200, 150, HTCLIENT, HTCLIENT },      // client
    { 200, 1, HTTOP, HTCAPTION },          // top edge
    { 200, 298, HTBOTTOM, HTOBJECT },      // bottom edge
    { 2, 150, HTLEFT, HTOBJECT },          // left edge
    { 397, 150, HTRIGHT, HTOBJECT },       // right edge
    { 3, 297, HTBOTTOMLEFT, HTOBJECT },    // corners
    { 397, 297, HTBOTTOMRIGHT, HTOBJECT },
    { 398, 3, HTTOPRIGHT, HTCAPTION },
    { 6, 8, HTOBJECT, HTOBJECT },          // inside the system-menu button: not near a shape edge
  };
  for (TFormBorderStyle Style : { bsSizeable, bsSingle }) {
    ShowSkinned(Style);
    for (const THitCase& Case : Cases)
      EXPECT_EQ(Hit(Case.X, Case.Y), Style == bsSizeable ? Case.Sizeable : Case.Single)
          << "at " << Case.X << ", " << Case.Y << (Style == bsSizeable ? " sizeable" : " single");
    TearDown();
    SetUp();
  }
}

TEST_F(FrameHitTest, TheBuiltInFrameAnswersForItsCaptionBordersAndButtons) {
  Main->SetBorderStyle(bsSizeable);
  Attach(Main, nullptr);
  Main->Show();
  Display->PumpUntilIdle();
  // Close at (380, 4, 397, 21), then maximize and minimize leftwards; the caption between.
  EXPECT_EQ(Hit(388, 10), HTOBJECT);
  EXPECT_EQ(Hit(200, 10), HTCAPTION);
  EXPECT_EQ(Hit(200, 100), HTCLIENT);
  EXPECT_EQ(Hit(1, 1), HTTOPLEFT);
  EXPECT_EQ(Hit(398, 150), HTRIGHT);
  EXPECT_EQ(Hit(200, 298), HTBOTTOM);
  Main->SetBorderStyle(bsSingle);
  EXPECT_EQ(Hit(1, 1), HTOBJECT) << "a form that is not sizeable has no sizing edges";
}

TEST_F(FrameHitTest, TheMaskShapesTheWindowAndAPointCutAwayFindsNoWindow) {
  ShowSkinned(bsSizeable);
  const TPoint Origin { Main->Left(), Main->Top() };
  EXPECT_NE(WindowFromPoint(Origin), Main->Handle()) << "the top-left corner step is cut away";
  EXPECT_NE(WindowFromPoint(Origin.Offset(399, 0)), Main->Handle());
  EXPECT_EQ(WindowFromPoint(Origin.Offset(3, 0)), Main->Handle());
  EXPECT_EQ(WindowFromPoint(Origin.Offset(0, 3)), Main->Handle());
  EXPECT_EQ(WindowFromPoint(Origin.Offset(0, 299)), Main->Handle()) << "the bottom corners are whole";
  // The shape follows a new size: the right corner's step moves with the right edge.
  Main->SetWidth(500);
  Display->PumpUntilIdle();
  EXPECT_NE(WindowFromPoint(Origin.Offset(499, 0)), Main->Handle());
  EXPECT_EQ(WindowFromPoint(Origin.Offset(399, 0)), Main->Handle());
}

TEST_F(FrameHitTest, TheClientAreaFollowsTheSkinOrTheBuiltInFrame) {
  ShowSkinned(bsSingle);
  TRect Client;
  GetClientRect(Main->Handle(), &Client);
  EXPECT_EQ(Client, Rect(0, 0, 380, 260)) << "400 x 300 less the skin's 10, 30, 10 and 10";
  Main->SetBounds(100, 100, 200, 40);
  EXPECT_EQ(Main->ClientWidth(), 180);
  EXPECT_EQ(Main->ClientHeight(), 0);
  TskSkinForm* Frame = GetSkinFormComponent(Main);
  Frame->SetSkinData(nullptr);
  Main->SetBounds(100, 100, 400, 300);
  EXPECT_EQ(Main->ClientWidth(), 394);
  EXPECT_EQ(Main->ClientHeight(), 275) << "3 at each side and a 19-pixel caption";
}

}  // namespace

namespace {

using FrameLayout = FrameHitTest;

TEST_F(FrameLayout, ButtonsShareTheCaptionRowFromTheRightOrFromTheLeft) {
  struct TCase {
    bool InLeft;
    TRect Close, Max, Min, SysMenu, Caption;
  };
  // 400 x 300 from the 200 x 100 picture; no buttons rectangle, so the row is the caption rectangle
  // (0, 0, 400, 30): 20 x 20 buttons 2 apart from its top.
  const TCase Cases[] = {
    { false, Rect(380, 0, 400, 20), Rect(358, 0, 378, 20), Rect(336, 0, 356, 20), Rect(0, 5, 20, 25),
      Rect(20, 0, 336, 30) },
    { true, Rect(0, 0, 20, 20), Rect(22, 0, 42, 20), Rect(44, 0, 64, 20), Rect(66, 0, 86, 20),
      Rect(90, 0, 400, 30) },
  };
  for (const TCase& Case : Cases) {
    BuildFrameSkin(Model);
    AddFrameObjects(Model);
    Model.ButtonsRect = TRect();
    Model.CapButtonsInLeft = Case.InLeft;
    Main->SetBorderStyle(bsSingle);
    TskSkinForm* Frame = Attach(Main, &Model);
    Frame->SetBorderIcons({ TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize });
    Main->Show();
    Display->PumpUntilIdle();
    auto Place = [&](const char* Name) { return Frame->ObjectList[size_t(Frame->GetIndex(Name))]->ObjectRect; };
    EXPECT_EQ(Place("closebutton"), Case.Close) << (Case.InLeft ? "from the left" : "from the right");
    EXPECT_EQ(Place("maxbutton"), Case.Max);
    EXPECT_EQ(Place("minbutton"), Case.Min);
    EXPECT_EQ(Place("sysmenubutton"), Case.SysMenu);
    EXPECT_EQ(Place("caption"), Case.Caption);
    TearDown();
    SetUp();
  }
}

}  // namespace
