// The combo box's edit style: typing and completion from the list, steps by keys and wheel, picks from the
// list keeping the edit part in step, and switching the style.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "platform/gdi/TFont.h"
#include "skin/boxctrls/TskCustomEdit.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "tests/skin/boxctrls/LoggingCombo.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

using Events = std::vector<std::string>;

class ComboBoxEditTest : public SkinControlTest {
protected:
  LoggingCombo* NewCombo() {
    auto* Combo = Add<LoggingCombo>(Rect(10, 10, 130, 30));
    for (const char* S : { "apple", "banana", "berry", "cherry", "苹果" }) Combo->Items()->Add(S);
    Combo->SetStyle(skcbEditStyle);
    Combo->Log = &Log;
    Combo->OnChange = [this](TObject*) { Log.push_back("OnChange"); };
    Combo->OnClick = [this](TObject*) { Log.push_back("OnClick"); };
    Combo->OnCloseUp = [this](TObject*) { Log.push_back("OnCloseUp"); };
    Combo->SetFocus();
    Display->PumpUntilIdle();
    return Combo;
  }
  /// One key of a letter: down, its character, up.
  void TypeKey(char Letter) {
    const UINT Key = UINT(std::toupper(Letter));
    Display->KeyDown(Key);
    Display->TypeText(std::string(1, Letter));
    Display->KeyUp(Key);
  }
  Events Take() { return std::exchange(Log, {}); }
};

TEST_F(ComboBoxEditTest, TheEditPartTakesTheFocusAndTheTabStop) {
  auto* Combo = NewCombo();
  TskCustomEdit* Edit = Combo->EditPart();
  ASSERT_NE(Edit, nullptr);
  EXPECT_TRUE(Edit->Focused());
  EXPECT_TRUE(Edit->TabStop());
  EXPECT_FALSE(Combo->TabStop());
  EXPECT_EQ(Edit->Left(), Combo->CBItem.R.Left);
  EXPECT_EQ(Edit->Width(), Combo->CBItem.R.Width());
  Combo->SetStyle(skcbFixedStyle);
  EXPECT_EQ(Combo->EditPart(), nullptr);
  EXPECT_FALSE(Combo->TabStop()) << "the tab stop is not given back";
}

TEST_F(ComboBoxEditTest, TypedTextBecomesTextAndSelectsTheFirstItemItBegins) {
  auto* Combo = NewCombo();
  Display->TypeText("c");
  EXPECT_EQ(Take(), (Events { "OnChange", "Change" }));
  EXPECT_EQ(Combo->Text(), "c");
  EXPECT_EQ(Combo->ItemIndex(), 3);
  Combo->SetAutoComplete(false);
  Combo->EditPart()->SetText("");
  Combo->SetItemIndex(-1);
  Take();
  Display->TypeText("b");
  EXPECT_EQ(Combo->ItemIndex(), -1) << "without AutoComplete the list only scrolls";
  EXPECT_EQ(Take(), (Events { "OnChange", "Change" }));
}

TEST_F(ComboBoxEditTest, KeyUpsMoreThan200MsApartCompleteAndSelectTheAddedTail) {
  auto* Combo = NewCombo();
  TskCustomEdit* Edit = Combo->EditPart();
  Display->Advance(300);
  TypeKey('b');
  // "b" alone is looked up after the item the typing selected: repeating a letter steps on.
  EXPECT_EQ(Take(), (Events { "OnChange", "Change", "OnChange", "OnClick", "Change" }));
  EXPECT_EQ(Edit->Text(), "berry");
  EXPECT_EQ(Combo->SelStart(), 1);
  EXPECT_EQ(Combo->SelLength(), 4);
  TypeKey('a');
  EXPECT_EQ(Edit->Text(), "ba") << "a key-up within 200 ms completes nothing";
  EXPECT_EQ(Combo->ItemIndex(), 1);
  Take();
  Display->Advance(300);
  TypeKey('n');
  EXPECT_EQ(Take(), (Events { "OnChange", "Change", "OnChange", "OnClick", "Change" }));
  EXPECT_EQ(Combo->Text(), "banana");
  EXPECT_EQ(Edit->Text(), "banana");
  EXPECT_EQ(Combo->SelStart(), 3);
  EXPECT_EQ(Combo->SelLength(), 3);
}

TEST_F(ComboBoxEditTest, WithAChineseCharsetReleasingShiftKeepsTheUsersSelection) {
  auto* Combo = NewCombo();
  Combo->DefaultFont()->SetCharset(134);
  TskCustomEdit* Edit = Combo->EditPart();
  Display->Advance(300);
  TypeKey('c');
  EXPECT_EQ(Edit->Text(), "cherry");
  Display->KeyUp(VK_SHIFT);
  EXPECT_EQ(Edit->Text(), "cherry") << "a key that typed nothing leaves the completed tail";
  EXPECT_EQ(Combo->SelLength(), 5);
  Display->Key(VK_HOME, { VK_SHIFT });
  EXPECT_EQ(Edit->Text(), "cherry") << "the user's own selection is not the completed tail";
  EXPECT_EQ(Combo->SelStart(), 0);
  EXPECT_EQ(Combo->SelLength(), 1);
}

TEST_F(ComboBoxEditTest, UpAndDownStepSelectAllAndClickOnce) {
  auto* Combo = NewCombo();
  Combo->SetItemIndex(1);
  Take();
  Display->Key(VK_DOWN);
  EXPECT_EQ(Take(), (Events { "OnChange", "OnClick" }));
  EXPECT_EQ(Combo->EditPart()->Text(), "berry");
  EXPECT_EQ(Combo->SelStart(), 0);
  EXPECT_EQ(Combo->SelLength(), 5);
  Display->Key(VK_UP);
  Display->Key(VK_UP);
  EXPECT_EQ(Combo->Text(), "apple");
  Take();
  Display->Key(VK_UP);
  EXPECT_TRUE(Take().empty());
}

TEST_F(ComboBoxEditTest, APickFromTheListKeepsTheEditPartInStep) {
  auto* Combo = NewCombo();
  Combo->SetItemIndex(0);
  EXPECT_EQ(Combo->EditPart()->Text(), "apple");
  Take();
  Combo->DropDown();
  EXPECT_TRUE(Combo->EditPart()->Focused());
  Combo->ListBox()->SetItemIndex(4);
  Display->Key(VK_RETURN);
  EXPECT_EQ(Take(), (Events { "OnChange", "Change", "OnClick", "Change", "OnCloseUp" }));
  EXPECT_EQ(Combo->Text(), "苹果");
  EXPECT_EQ(Combo->EditPart()->Text(), "苹果");
  EXPECT_EQ(Combo->SelLength(), 2);
  Combo->DropDown();
  Combo->ListBox()->SetItemIndex(1);
  Display->Key(VK_ESCAPE);
  EXPECT_EQ(Take(), (Events { "OnCloseUp" }));
  EXPECT_EQ(Combo->ItemIndex(), 4);
  EXPECT_EQ(Combo->EditPart()->Text(), "苹果");
}

TEST_F(ComboBoxEditTest, TheWheelStepsClosedAndOnlyHighlightsOpen) {
  auto* Combo = NewCombo();
  Combo->SetItemIndex(1);
  Take();
  TskCustomEdit* Edit = Combo->EditPart();
  Edit->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, Word(-WHEEL_DELTA)), 0);
  EXPECT_EQ(Take(), (Events { "OnChange", "OnClick" }));
  EXPECT_EQ(Combo->Text(), "berry");
  Combo->DropDown();
  Take();
  Edit->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, Word(-WHEEL_DELTA)), 0);
  EXPECT_EQ(Combo->ItemIndex(), 3);
  EXPECT_EQ(Combo->Text(), "berry");
  EXPECT_TRUE(Take().empty());
}

}  // namespace
