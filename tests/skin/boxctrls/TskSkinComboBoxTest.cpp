#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/base/MainThread.h"
#include "platform/gdi/Capabilities.h"
#include "platform/ui/toolkit/TButton.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "tests/skin/boxctrls/HandlerFreesCombo.h"
#include "tests/skin/boxctrls/LoggingCombo.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

using Events = std::vector<std::string>;

class ComboBoxTest : public SkinControlTest {
protected:
  TskSkinComboBox* NewCombo(int Count, TRect Bounds = Rect(10, 10, 130, 30)) {
    auto* Combo = Add<TskSkinComboBox>(Bounds);
    for (int I = 0; I < Count; ++I) Combo->Items()->Add("item " + std::to_string(I));
    Record(Combo);
    return Combo;
  }
  /// A combo box of Count items that also logs its Change.
  LoggingCombo* NewLoggingCombo(int Count) {
    auto* Combo = Add<LoggingCombo>(Rect(10, 10, 130, 30));
    for (int I = 0; I < Count; ++I) Combo->Items()->Add("item " + std::to_string(I));
    Record(Combo);
    Combo->Log = &Log;
    return Combo;
  }
  void Record(TskSkinComboBox* Combo) {
    Combo->OnChange = [this](TObject*) { Log.push_back("OnChange"); };
    Combo->OnClick = [this](TObject*) { Log.push_back("OnClick"); };
    Combo->OnCloseUp = [this](TObject*) { Log.push_back("OnCloseUp"); };
  }
  Events Take() { return std::exchange(Log, {}); }
  /// The screen point of row Row of the open list.
  TPoint RowAt(TskSkinComboBox* Combo, int Row) {
    TskListBox* Inner = Combo->ListBox()->ListBox;
    const TRect R = Inner->ItemRect(Row);
    return Inner->ClientToScreen({ 5, R.Top + R.Height() / 2 });
  }
};

TEST_F(ComboBoxTest, ItemIndexFiresTheSetterEventsByText) {
  auto* Combo = NewCombo(3);
  struct Case {
    const char* Name;
    int Index;
    Events Expected;
    const char* Text;
  };
  const Case Cases[] = {
    { "new text", 1, { "OnChange", "OnClick" }, "item 1" },
    { "same index", 1, { "OnClick" }, "item 1" },
    { "no selection", -1, { "OnClick" }, "item 1" },
    { "out of range", 7, { "OnClick" }, "item 1" },
    { "other item", 2, { "OnChange", "OnClick" }, "item 2" },
  };
  for (const Case& C : Cases) {
    Combo->SetItemIndex(C.Index);
    EXPECT_EQ(Take(), C.Expected) << C.Name;
    EXPECT_EQ(Combo->Text(), C.Text) << C.Name;
  }
}

TEST_F(ComboBoxTest, ItemsChangesKeepTextAndFireNothing) {
  auto* Combo = NewCombo(3);
  Combo->SetItemIndex(1);
  Take();
  Combo->Items()->Add("more");
  Combo->Items()->Clear();
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(Combo->Text(), "item 1");
  EXPECT_EQ(Combo->ItemIndex(), -1);
  Combo->SetItemIndex(0);
  EXPECT_EQ(Take(), (Events { "OnClick" }));
  EXPECT_EQ(Combo->Text(), "item 1");
  Combo->Items()->Add("item 1");
  Combo->SetItemIndex(0);
  EXPECT_EQ(Take(), (Events { "OnClick" }));
}

// Sorting the list keeps the chosen item chosen at its new place, so the text and the index still agree;
// nothing fires.
TEST_F(ComboBoxTest, SortingKeepsTheChosenItemUnderItsText) {
  auto* Combo = NewCombo(0);
  for (const char* S : { "pear", "fig", "Apple" }) Combo->Items()->Add(S);
  Combo->SetItemIndex(0);
  Take();
  Combo->SetSorted(true);
  EXPECT_EQ(Combo->ItemIndex(), 2);
  EXPECT_EQ(Combo->Items()->Strings(Combo->ItemIndex()), Combo->Text());
  EXPECT_EQ(Combo->Text(), "pear");
  EXPECT_TRUE(Take().empty());
}

TEST_F(ComboBoxTest, WhileLoadingOnlyTheTextChangeFires) {
  auto* Combo = NewCombo(3);
  Form->BeginLoading();
  Combo->SetItemIndex(2);
  Form->EndLoading();
  EXPECT_EQ(Take(), (Events { "OnChange" }));
  EXPECT_EQ(Combo->Text(), "item 2");
}

TEST_F(ComboBoxTest, AHandlerRefillsItsOwnAndAnotherComboInsideOnChange) {
  auto* Category = NewCombo(3);
  auto* Preset = NewCombo(0, Rect(10, 50, 130, 70));
  int PresetChanges = 0;
  Preset->OnChange = [&](TObject*) { ++PresetChanges; };
  Category->OnChange = [&](TObject*) {
    Preset->Items()->Clear();
    for (int I = 0; I < 4; ++I) Preset->Items()->Add(Category->Text() + " preset " + std::to_string(I));
    Preset->SetItemIndex(0);
    Category->Items()->Clear();
    for (int I = 0; I < 3; ++I) Category->Items()->Add("item " + std::to_string(I));
  };
  Category->SetItemIndex(1);
  EXPECT_EQ(Preset->Text(), "item 1 preset 0");
  EXPECT_EQ(PresetChanges, 1);
  EXPECT_EQ(Category->Items()->Count(), 3);
  Category->SetItemIndex(1);
  EXPECT_EQ(PresetChanges, 1);
}

// Descendants react in Change: it follows OnClick wherever a selection is made, and never while loading.
TEST_F(ComboBoxTest, ChangeFollowsOnClickInEveryWayOfSelecting) {
  auto* Combo = NewLoggingCombo(5);
  Combo->SetFocus();
  struct Case {
    const char* Name;
    std::function<void()> Act;
    Events Expected;
  };
  const Case Cases[] = {
    { "ItemIndex", [&] { Combo->SetItemIndex(1); }, { "OnChange", "OnClick", "Change" } },
    { "the same ItemIndex", [&] { Combo->SetItemIndex(1); }, { "OnClick", "Change" } },
    { "Down", [&] { Display->Key(VK_DOWN); }, { "OnChange", "OnClick", "Change" } },
    { "a pick from the list",
      [&] {
        Combo->DropDown();
        const TPoint Row = RowAt(Combo, 4);
        Display->MoveTo(Row.X, Row.Y);
        Display->Key(VK_RETURN);
      },
      { "OnChange", "OnClick", "Change", "OnCloseUp" } },
    { "while loading",
      [&] {
        Form->BeginLoading();
        Combo->SetItemIndex(0);
        Form->EndLoading();
      },
      { "OnChange" } },
  };
  Take();
  for (const Case& C : Cases) {
    C.Act();
    EXPECT_EQ(Take(), C.Expected) << C.Name;
  }
}

// A handler may free the combo box that fired it: nothing of it is touched afterwards.
TEST_F(ComboBoxTest, AHandlerThatFreesItsComboEndsTheSelection) {
  ExpectAHandlerThatFreesItsComboEndsTheSelection<LoggingCombo>([&] { return NewLoggingCombo(3); }, Log,
                                                     [&] { Display->PumpUntilIdle(); });
}

TEST_F(ComboBoxTest, PressDragReleaseOnARowPicksIt) {
  auto* Combo = NewCombo(5);
  Press(Combo, 60, 10);
  ASSERT_TRUE(Combo->IsPopupVisible());
  const TPoint Under = Combo->ClientToScreen({ 0, Combo->Height() });
  EXPECT_EQ(Combo->ListBox()->BoundsRect().TopLeft(), Under);
  const TPoint Row = RowAt(Combo, 3);
  Display->MoveTo(Row.X, Row.Y);
  EXPECT_EQ(Combo->ItemIndex(), 3);
  EXPECT_TRUE(Take().empty());
  Display->ButtonUp(Row.X, Row.Y);
  EXPECT_EQ(Take(), (Events { "OnChange", "OnClick", "OnCloseUp" }));
  EXPECT_FALSE(Combo->IsPopupVisible());
  EXPECT_EQ(Combo->Text(), "item 3");
}

TEST_F(ComboBoxTest, CancelsFireOnlyOnCloseUpAndRestoreTheSelection) {
  auto* Combo = NewCombo(5);
  Combo->SetItemIndex(1);
  Combo->SetFocus();
  Take();
  // A release outside the list after dragging through it.
  Press(Combo, 60, 10);
  TPoint Row = RowAt(Combo, 3);
  Display->MoveTo(Row.X, Row.Y);
  Display->ButtonUp(Row.X + 300, Row.Y);
  EXPECT_EQ(Take(), (Events { "OnCloseUp" }));
  EXPECT_EQ(Combo->ItemIndex(), 1);
  // Esc after hovering.
  ClickAt(Combo, 60, 10);
  ASSERT_TRUE(Combo->IsPopupVisible());
  Row = RowAt(Combo, 4);
  Display->MoveTo(Row.X, Row.Y);
  Display->Key(VK_ESCAPE);
  EXPECT_EQ(Take(), (Events { "OnCloseUp" }));
  EXPECT_EQ(Combo->ItemIndex(), 1);
  EXPECT_EQ(Combo->Text(), "item 1");
}

TEST_F(ComboBoxTest, OpensAboveNearTheBottomOfTheWorkArea) {
  auto* Combo = NewCombo(5, Rect(10, 250, 130, 270));
  Display->SetWorkArea(Rect(0, 0, 1280, 400));
  Combo->DropDown();
  ASSERT_TRUE(Combo->IsPopupVisible());
  const TRect List = Combo->ListBox()->BoundsRect();
  EXPECT_EQ(List.Bottom, Combo->ClientToScreen({ 0, 0 }).Y);
  EXPECT_EQ(List.Left, Combo->ClientToScreen({ 0, 0 }).X);
}

TEST_F(ComboBoxTest, DraggingBelowTheListScrollsEvery25Milliseconds) {
  auto* Combo = NewCombo(20);
  Press(Combo, 60, 10);
  TPoint Row = RowAt(Combo, 7);
  Display->MoveTo(Row.X, Row.Y);
  EXPECT_EQ(Combo->ItemIndex(), 7);
  const TRect List = Combo->ListBox()->BoundsRect();
  Display->MoveTo(Row.X, List.Bottom + 20);
  Display->Advance(25 * 5);
  EXPECT_EQ(Combo->ItemIndex(), 12);
  Display->Advance(25 * 20);
  EXPECT_EQ(Combo->ItemIndex(), 19);
  EXPECT_TRUE(Take().empty());
}

TEST_F(ComboBoxTest, KeysStepPageAndOpen) {
  auto* Combo = NewCombo(20);
  Combo->SetFocus();
  Combo->SetItemIndex(12);
  Take();
  Display->Key(VK_PRIOR);
  EXPECT_EQ(Combo->ItemIndex(), 3);
  Display->Key(VK_NEXT);
  EXPECT_EQ(Combo->ItemIndex(), 10);
  Display->Key(VK_DOWN, { VK_MENU });
  EXPECT_TRUE(Combo->IsPopupVisible());
  Take();
  Display->Key(VK_DOWN);
  EXPECT_EQ(Take(), (Events { "OnChange", "OnClick" }));
  EXPECT_EQ(Combo->ItemIndex(), 11);
  Display->Key(VK_UP, { VK_MENU });
  EXPECT_FALSE(Combo->IsPopupVisible());
  EXPECT_EQ(Take(), (Events { "OnCloseUp" }));
  Combo->SetItemIndex(0);
  Take();
  Display->Key(VK_UP);
  EXPECT_TRUE(Take().empty());
}

TEST_F(ComboBoxTest, TypedLettersSearchAndStartAnewAfterHalfASecond) {
  auto* Combo = Add<TskSkinComboBox>(Rect(10, 10, 130, 30));
  for (const char* S : { "apple", "bear", "bb", "cat", "bob" }) Combo->Items()->Add(S);
  Combo->SetFocus();
  Display->TypeText("b");
  EXPECT_EQ(Combo->ItemIndex(), 1);
  Display->TypeText("b");
  EXPECT_EQ(Combo->ItemIndex(), 2);
  Display->Advance(500);
  Display->TypeText("b");
  EXPECT_EQ(Combo->ItemIndex(), 4);
  Display->Advance(500);
  Display->TypeText("b");
  EXPECT_EQ(Combo->ItemIndex(), 1);
}

TEST_F(ComboBoxTest, FocusLossAndAnotherControlsPressCancel) {
  auto* Combo = NewCombo(5);
  auto* Other = NewCombo(2, Rect(200, 10, 320, 30));
  Combo->SetFocus();
  Combo->DropDown();
  Take();
  Other->SetFocus();
  EXPECT_FALSE(Combo->IsPopupVisible());
  Combo->SetFocus();
  Combo->DropDown();
  Take();
  Combo->Perform(CM_CANCELMODE, 0, LPARAM(static_cast<TControl*>(Combo->ListBox()->ListBox)));
  EXPECT_TRUE(Combo->IsPopupVisible());
  Combo->Perform(CM_CANCELMODE, 0, LPARAM(static_cast<TControl*>(Other)));
  EXPECT_FALSE(Combo->IsPopupVisible());
  EXPECT_EQ(Take(), (Events { "OnCloseUp" }));
}

TEST_F(ComboBoxTest, WheelStepsClosedAndOnlyHighlightsOpen) {
  auto* Combo = NewCombo(5);
  Combo->SetFocus();
  Combo->SetItemIndex(1);
  Take();
  const TPoint P = At(Combo, 60, 10);
  Display->Wheel(-WHEEL_DELTA, P.X, P.Y);
  EXPECT_EQ(Combo->ItemIndex(), 2);
  EXPECT_EQ(Take(), (Events { "OnChange", "OnClick" }));
  Combo->DropDown();
  Combo->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, Word(-WHEEL_DELTA)), 0);
  EXPECT_EQ(Combo->ItemIndex(), 3);
  EXPECT_TRUE(Take().empty());
}

/// Records the alphas applied to one window through the platform's layered-window call.
class AlphaRecorder {
public:
  explicit AlphaRecorder(HWND Wnd) : FLayered(PlatformCapabilities().SetLayeredWindowAttributes) {
    PlatformCapabilities().SetLayeredWindowAttributes = [this, Wnd](HWND W, TColor Key, Byte Alpha, Cardinal Flags) {
      if (W == Wnd) {
        Alphas.push_back(Alpha);
        if (OnAlpha) OnAlpha(Alpha);
      }
      return FLayered(W, Key, Alpha, Flags);
    };
  }
  ~AlphaRecorder() { PlatformCapabilities().SetLayeredWindowAttributes = FLayered; }

  std::vector<int> Alphas;
  std::function<void(int)> OnAlpha;

private:
  std::function<bool(HWND, TColor, Byte, Cardinal)> FLayered;
};

TEST_F(ComboBoxTest, FadeInStepsToTheAlphaValueEachTimeTheListOpens) {
  auto* Combo = NewCombo(5);
  Combo->SetAlphaBlend(true);
  Combo->SetAlphaBlendAnimation(true);
  Combo->SetAlphaBlendValue(200);
  AlphaRecorder Recorder(Combo->ListBox()->Handle());
  std::vector<int> Expected { 0 };
  for (int Alpha = 13; Alpha <= 195; Alpha += 13) Expected.push_back(Alpha);
  Expected.push_back(200);
  Combo->DropDown();
  EXPECT_EQ(Recorder.Alphas, Expected);
  Combo->CloseUp(false);
  Recorder.Alphas.clear();
  Combo->DropDown();
  EXPECT_EQ(Recorder.Alphas, Expected) << "a second opening starts from transparent again";
}

TEST_F(ComboBoxTest, AHandlerThatFreesTheComboDuringTheFadeEndsIt) {
  auto* Combo = NewCombo(5);
  Combo->SetAlphaBlend(true);
  Combo->SetAlphaBlendAnimation(true);
  Combo->SetAlphaBlendValue(200);
  AlphaRecorder Recorder(Combo->ListBox()->Handle());
  Recorder.OnAlpha = [&](int Alpha) {
    if (Alpha == 26) Queue([&] { delete std::exchange(Combo, nullptr); });
  };
  Press(Combo, 60, 10);
  EXPECT_EQ(Combo, nullptr);
  EXPECT_EQ(Recorder.Alphas, (std::vector<int> { 0, 13, 26 }));
  Release(Form, 70, 20);
  Display->PumpUntilIdle();
  EXPECT_TRUE(Take().empty());
}

TEST_F(ComboBoxTest, EnterOnAnOpenComboPressesTheFormsDefaultButtonInsteadOfPicking) {
  auto* Combo = NewCombo(5);
  auto* Ok = Add<TButton>(Rect(200, 200, 280, 225));
  Ok->SetDefault(true);
  Ok->OnClick = [this](TObject*) { Log.push_back("Ok.Click"); };
  auto* Cancel = Add<TButton>(Rect(290, 200, 370, 225));
  Cancel->SetCancel(true);
  Cancel->OnClick = [this](TObject*) { Log.push_back("Cancel.Click"); };
  Combo->SetFocus();
  Combo->SetItemIndex(1);
  Display->Key(VK_DOWN, { VK_MENU });
  ASSERT_TRUE(Combo->IsPopupVisible());
  const TPoint Row = RowAt(Combo, 3);
  Display->MoveTo(Row.X, Row.Y);
  Take();
  Display->Key(VK_RETURN);
  EXPECT_EQ(Take(), (Events { "Ok.Click" })) << "the dialog key goes to the form before the combo's key table";
  Display->Key(VK_ESCAPE);
  EXPECT_EQ(Take(), (Events { "Cancel.Click" }));
  Cancel->SetFocus();
  EXPECT_FALSE(Combo->IsPopupVisible()) << "the focus leaving cancels the list";
  EXPECT_EQ(Take(), (Events { "OnCloseUp" }));
  EXPECT_EQ(Combo->ItemIndex(), 1);
}

}  // namespace
