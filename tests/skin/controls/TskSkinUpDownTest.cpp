// The skinned up-down: position rules, clicks and the auto-repeat of a held button on the virtual clock,
// plain buttons with Increment 0, and which half steps which way.
#include "resources/EmbeddedSkins.h"
#include "skin/controls/TskSkinUpDown.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/skin/support/EmbeddedSkinModels.h"

namespace {

class UpDownTest : public SkinControlTest {
protected:
  TskSkinUpDown* NewUpDown() {
    auto* UpDown = Add<TskSkinUpDown>(Bounds(10, 10, 50, 25));
    UpDown->OnChange = [this, UpDown](TObject*) { Log.push_back("Change " + std::to_string(UpDown->Position())); };
    UpDown->OnUpButtonClick = [this](TObject*) { Log.push_back("Up"); };
    UpDown->OnDownButtonClick = [this](TObject*) { Log.push_back("Down"); };
    Display->PumpUntilIdle();
    return UpDown;
  }
  AppLog Take() { return std::exchange(Log, {}); }
};

TEST_F(UpDownTest, PositionOutsideTheRangeIsIgnoredAndEveryAcceptedOneFires) {
  auto* UpDown = NewUpDown();
  UpDown->SetPosition(150);
  UpDown->SetPosition(50);
  UpDown->SetPosition(50);
  EXPECT_EQ(Take(), (AppLog { "Change 50", "Change 50" }));
  UpDown->SetMax(10);
  EXPECT_EQ(UpDown->Position(), 10);
  UpDown->SetMin(20);
  EXPECT_EQ(UpDown->Position(), 20);
  EXPECT_TRUE(Take().empty()) << "Min and Max move the position silently";
}

TEST_F(UpDownTest, AClickStepsThroughThePositionAndAStepBeyondTheRangeIsIgnored) {
  auto* UpDown = NewUpDown();
  UpDown->SetIncrement(30);
  UpDown->SetPosition(80);
  Take();
  ClickAt(UpDown, 40, 12);  // the right half: up
  EXPECT_EQ(UpDown->Position(), 80);
  EXPECT_EQ(Take(), (AppLog { "Up" }));
  ClickAt(UpDown, 10, 12);  // the left half: down
  EXPECT_EQ(UpDown->Position(), 50);
  EXPECT_EQ(Take(), (AppLog { "Change 50", "Down" }));
  Press(UpDown, 10, 12);
  Release(UpDown, 100, 12);
  EXPECT_TRUE(Take().empty()) << "a release away from the button is no click";
}

TEST_F(UpDownTest, AHeldButtonRepeatsEvery100MsAfter500AndEvery50AfterComingBack) {
  auto* UpDown = NewUpDown();
  Press(UpDown, 40, 12);
  Display->Advance(1000);
  EXPECT_EQ(UpDown->Position(), 5);
  Release(UpDown, 40, 12);
  EXPECT_EQ(UpDown->Position(), 6) << "the release steps once more";
  Take();

  Press(UpDown, 40, 12);
  Display->Advance(600);
  EXPECT_EQ(UpDown->Position(), 7);
  MoveTo(UpDown, 40, 60);  // off the button: paused
  Display->Advance(500);
  EXPECT_EQ(UpDown->Position(), 7);
  MoveTo(UpDown, 40, 12);
  Display->Advance(100);
  EXPECT_EQ(UpDown->Position(), 9);
  Release(UpDown, 40, 12);
  EXPECT_EQ(Take(), (AppLog { "Change 7", "Change 8", "Change 9", "Change 10", "Up" }));
}

TEST_F(UpDownTest, IncrementZeroMakesPlainButtons) {
  auto* UpDown = NewUpDown();
  UpDown->SetIncrement(0);
  Press(UpDown, 10, 12);
  Display->Advance(1000);
  Release(UpDown, 10, 12);
  ClickAt(UpDown, 40, 12);
  EXPECT_EQ(UpDown->Position(), 0);
  EXPECT_EQ(Take(), (AppLog { "Down", "Up" }));
}

TEST_F(UpDownTest, AVerticalUpDownStepsUpWithItsUpperHalf) {
  auto* UpDown = NewUpDown();
  UpDown->SetOrientation(udVertical);
  UpDown->SetBounds(10, 10, 20, 40);
  ClickAt(UpDown, 10, 5);
  ClickAt(UpDown, 10, 5);
  ClickAt(UpDown, 10, 35);
  EXPECT_EQ(UpDown->Position(), 1);
}

TEST_F(UpDownTest, WithItsRecordItTakesTheSkinsSizeAndButtons) {
  std::unique_ptr<TskSkinData> Skin = LoadEmbeddedSkin(TestSkinContainer());
  auto* Record = FindSkinRecord<TskDataSkinUpDownControl>(*Skin, "hupdown");
  ASSERT_NE(Record, nullptr);
  auto* UpDown = NewUpDown();
  UpDown->SetSkinData(Skin.get());
  EXPECT_EQ(UpDown->Width(), Record->SkinRect.Width());
  EXPECT_EQ(UpDown->Height(), Record->SkinRect.Height());
  EXPECT_EQ(UpDown->Buttons[0].R, Record->UpButtonRect);
  const TRect& Up = Record->UpButtonRect;
  ClickAt(UpDown, (Up.Left + Up.Right) / 2, (Up.Top + Up.Bottom) / 2);
  EXPECT_EQ(UpDown->Position(), 1);

  auto* Free = NewUpDown();
  Free->SetUseSkinSize(false);
  Free->SetSkinData(Skin.get());
  EXPECT_EQ(Free->Width(), 50) << "without UseSkinSize it keeps its size";
  EXPECT_NE(Shown(Free, 40, 12), ColorToRGB(clBtnFace)) << "drawn from the resizebutton record";
}

}  // namespace
