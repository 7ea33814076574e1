// The application's hints: shown after the pause below the cursor, hidden after the hide pause, by a
// click or when the mouse leaves the control; OnShowHint and CM_HINTSHOW can change or refuse them;
// the hint window class can be replaced. Input events take a millisecond of the virtual clock each, so
// waits leave a few milliseconds of room.
#include "tests/platform/ui/AppFixture.h"

namespace {

class HintTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    Form = NewForm(Bounds(100, 100, 300, 200));
    A = new KeyProbe(Form, &Log, "A", Form, Bounds(10, 10, 100, 30));
    B = new KeyProbe(Form, &Log, "B", Form, Bounds(10, 60, 100, 30));
    A->SetHint("Open|Opens a file");
    A->SetShowHint(true);
    B->SetHint("Save");
    B->SetShowHint(true);
    Form->Show();
    Display->PumpUntilIdle();
  }

  void MoveOnto(TControl* C, int DX = 5) {
    const TPoint P = C->ClientToScreen({ DX, 5 });
    Display->MoveTo(P.X, P.Y);
  }
  bool HintShown() { return App->HintWindow() && App->HintWindow()->HandleAllocated() && IsWindowVisible(App->HintWindow()->Handle()); }

  TForm* Form { nullptr };
  KeyProbe* A { nullptr };
  KeyProbe* B { nullptr };
};

TEST_F(HintTest, AHintShowsAfterThePauseBelowTheCursorAndHidesAfterTheHidePause) {
  int HintChanges = 0;
  App->OnHint = [&](TObject*) { ++HintChanges; };
  MoveOnto(A);
  EXPECT_EQ(App->Hint(), "Opens a file") << "the long part";
  EXPECT_EQ(HintChanges, 1);
  Display->Advance(480);
  EXPECT_FALSE(HintShown());
  MoveOnto(A, 20);  // moving inside the control keeps the timer
  Display->Advance(30);
  ASSERT_TRUE(HintShown());
  EXPECT_EQ(App->HintWindow()->Caption(), "Open") << "the short part";
  const TRect R = App->HintWindow()->BoundsRect();
  const TPoint Cursor = Display->Pointer();
  EXPECT_EQ(R.Left, Cursor.X);
  EXPECT_GT(R.Top, Cursor.Y) << "below the cursor";
  EXPECT_NE(GetActiveWindow(), App->HintWindow()->Handle());
  Display->Advance(2400);
  EXPECT_TRUE(HintShown());
  Display->Advance(100);
  EXPECT_FALSE(HintShown());
  Display->Advance(5000);
  EXPECT_FALSE(HintShown()) << "it does not come back while the mouse stays";
}

TEST_F(HintTest, TheNextControlsHintFollowsQuicklyAndAClickHidesIt) {
  MoveOnto(A);
  Display->Advance(510);
  ASSERT_TRUE(HintShown());
  MoveOnto(B);
  EXPECT_FALSE(HintShown());
  Display->Advance(App->HintShortPause() + 10);
  ASSERT_TRUE(HintShown());
  EXPECT_EQ(App->HintWindow()->Caption(), "Save");
  const TPoint P = Display->Pointer();
  Display->Click(P.X, P.Y);
  EXPECT_FALSE(HintShown());
}

TEST_F(HintTest, OnShowHintAndTheControlCanChangeOrRefuseTheHint) {
  App->OnShowHint = [&](String& HintStr, bool& CanShow, THintInfo& Info) {
    if (Info.HintControl == B) CanShow = false;
    HintStr += "!";
    Info.HideTimeout = 100;
  };
  MoveOnto(A);
  Display->Advance(510);
  ASSERT_TRUE(HintShown());
  EXPECT_EQ(App->HintWindow()->Caption(), "Open!");
  Display->Advance(110);
  EXPECT_FALSE(HintShown()) << "the handler's hide timeout";
  MoveOnto(B);
  Display->Advance(510);
  EXPECT_FALSE(HintShown());
  App->SetShowHint(false);
  MoveOnto(A);
  Display->Advance(510);
  EXPECT_EQ(App->HintWindow(), nullptr);
}

TEST_F(HintTest, AReplacedHintWindowClassTakesOverWhenHintsAreSwitchedOffAndOn) {
  struct TOwnHint : THintWindow {
    using THintWindow::THintWindow;
    std::vector<String> Shown;
    void ActivateHint(TRect Rect, const String& AHint) override {
      Shown.push_back(AHint);
      THintWindow::ActivateHint(Rect, AHint);
    }
  };
  App->HintWindowClass = HintWindowClassOf<TOwnHint>();
  App->SetShowHint(false);
  App->SetShowHint(true);
  auto* Own = dynamic_cast<TOwnHint*>(App->HintWindow());
  ASSERT_NE(Own, nullptr);
  MoveOnto(A);
  Display->Advance(510);
  EXPECT_EQ(Own->Shown, std::vector<String> { "Open" });
}

}  // namespace
