#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/boxctrls/TskPopupOfficeListBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "tests/skin/boxctrls/BoxSkin.h"
#include "tests/skin/boxctrls/HandlerFreesCombo.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

using Events = std::vector<std::string>;

class OfficeComboBoxTest : public SkinControlTest {
protected:
  /// A combo box of Count items whose item, list and combo events are logged.
  TskSkinOfficeComboBox* NewCombo(int Count, TRect Bounds = Rect(10, 10, 170, 51)) {
    auto* Combo = Add<TskSkinOfficeComboBox>(Bounds);
    Combo->SetListBoxItemHeight(20);
    for (int I = 0; I < Count; ++I) AddItem(Combo, "格式 " + std::to_string(I));
    Combo->OnChange = [this](TObject*) { Log.push_back("OnChange"); };
    Combo->OnClick = [this](TObject*) { Log.push_back("OnClick"); };
    Combo->OnCloseUp = [this](TObject*) { Log.push_back("OnCloseUp"); };
    Combo->ListBox()->OnItemClick = [this](TObject*) { Log.push_back("OnItemClick"); };
    return Combo;
  }
  void AddItem(TskSkinOfficeComboBox* Combo, const String& Caption) {
    TskSkinOfficeItem* Item = Combo->Items()->Add();
    const int Index = Item->Index();
    Item->SetCaption(Caption);
    Item->OnClick = [this, Index](TObject*) { Log.push_back("item " + std::to_string(Index)); };
  }
  Events Take() { return std::exchange(Log, {}); }
  /// The screen point of item Index of the open list.
  TPoint ItemAt(TskSkinOfficeComboBox* Combo, int Index) {
    const TRect R = Combo->ListBox()->Items()->Items(Index)->ItemRect;
    return Combo->ListBox()->ClientToScreen({ R.Left + 10, R.Top + R.Height() / 2 });
  }
};

TEST_F(OfficeComboBoxTest, EveryItemIndexAssignmentFiresOnClickAndOnChange) {
  auto* Combo = NewCombo(3);
  struct Case {
    const char* Name;
    int Index;
    Events Expected;
  };
  const Case Cases[] = {
    { "an item", 1, { "item 1", "OnItemClick", "OnClick", "OnChange" } },
    { "the same item", 1, { "item 1", "OnItemClick", "OnClick", "OnChange" } },
    { "no item", -1, { "OnClick", "OnChange" } },
    { "beyond the items", 5, { "OnClick", "OnChange" } },
  };
  for (const Case& C : Cases) {
    Combo->SetItemIndex(C.Index);
    EXPECT_EQ(Take(), C.Expected) << C.Name;
    EXPECT_EQ(Combo->ItemIndex(), C.Index) << C.Name;
  }
  Form->BeginLoading();
  Combo->SetItemIndex(2);
  Form->EndLoading();
  EXPECT_EQ(Take(), (Events { "item 2", "OnItemClick" })) << "the list is never loading, the combo box is";
  Combo->Items()->Clear();
  AddItem(Combo, "a");
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(Combo->ItemIndex(), 2);
}

TEST_F(OfficeComboBoxTest, ACategoryChangeRefillsTheFormatsAndRunsTheirChangeOnce) {
  auto* Category = NewCombo(3);
  auto* Format = NewCombo(0, Rect(180, 10, 340, 51));
  int FormatChanges = 0;
  Format->OnChange = [&](TObject*) { ++FormatChanges; };
  Category->OnChange = [&](TObject*) {
    Format->Items()->Clear();
    for (int I = 0; I <= Category->ItemIndex(); ++I) Format->Items()->Add()->SetCaption("f" + std::to_string(I));
    Format->SetItemIndex(0);
  };
  Category->SetItemIndex(2);
  EXPECT_EQ(FormatChanges, 1);
  EXPECT_EQ(Format->Items()->Count(), 3);
  Category->SetItemIndex(2);
  EXPECT_EQ(FormatChanges, 2) << "also when the category did not change";
}

TEST_F(OfficeComboBoxTest, APickFiresNoItemEventsAndACancelNoCloseUp) {
  auto* Combo = NewCombo(4);
  Combo->SetItemIndex(0);
  Take();
  ClickAt(Combo, 40, 20);
  ASSERT_TRUE(Combo->IsPopupVisible());
  EXPECT_EQ(Take(), (Events { "item 1", "OnItemClick", "item 0", "OnItemClick" })) << "opening on item 0";
  TPoint P = ItemAt(Combo, 2);
  Display->MoveTo(P.X, P.Y);
  EXPECT_EQ(Combo->ItemIndex(), 2);
  Display->Click(P.X, P.Y);
  EXPECT_EQ(Take(), (Events { "OnClick", "OnChange", "OnCloseUp" }));
  EXPECT_FALSE(Combo->IsPopupVisible());
  ClickAt(Combo, 40, 20);
  P = ItemAt(Combo, 3);
  Display->MoveTo(P.X, P.Y);
  Take();
  Display->Key(VK_ESCAPE);
  EXPECT_EQ(Take(), (Events { "item 2", "OnItemClick" }));
  EXPECT_EQ(Combo->ItemIndex(), 2);
}

// A handler may free the combo box that fired it: nothing of it is touched afterwards.
TEST_F(OfficeComboBoxTest, AHandlerThatFreesItsComboEndsTheSelection) {
  ExpectAHandlerThatFreesItsComboEndsTheSelection<TskSkinOfficeComboBox>([&] { return NewCombo(3); }, Log,
                                                     [&] { Display->PumpUntilIdle(); });
}

TEST_F(OfficeComboBoxTest, APressDragReleasePicksAfterTwoMovesInsideTheList) {
  auto* Combo = NewCombo(4);
  Combo->SetItemIndex(3);
  Press(Combo, 40, 20);
  Take();
  const TPoint P = ItemAt(Combo, 1);
  Display->MoveTo(P.X, P.Y);
  Display->MoveTo(P.X + 1, P.Y);
  Display->ButtonUp(P.X + 1, P.Y);
  EXPECT_EQ(Take(), (Events { "OnClick", "OnChange", "OnCloseUp" }));
  EXPECT_EQ(Combo->ItemIndex(), 1);
}

TEST_F(OfficeComboBoxTest, KeysAndTheWheelStepThroughTheListsSearch) {
  auto* Combo = NewCombo(4);
  Combo->SetFocus();
  Combo->SetItemIndex(1);
  Take();
  Display->Key(VK_DOWN);
  EXPECT_EQ(Take(), (Events { "item 2", "OnItemClick", "item 2", "OnItemClick", "OnClick", "OnChange" }));
  const TPoint P = At(Combo, 40, 20);
  Display->Wheel(-WHEEL_DELTA, P.X, P.Y);
  EXPECT_EQ(Combo->ItemIndex(), 3);
  EXPECT_EQ(Take(), (Events { "item 3", "OnItemClick", "item 3", "OnItemClick", "OnClick", "OnChange" }));
  Display->Key(VK_DOWN);
  EXPECT_EQ(Take(), (Events { "item 3", "OnItemClick", "OnClick", "OnChange" })) << "nothing found: still assigned";
  Display->Key(VK_DOWN, { VK_MENU });
  ASSERT_TRUE(Combo->IsPopupVisible());
  Take();
  Combo->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, Word(WHEEL_DELTA)), 0);
  EXPECT_EQ(Take(), (Events { "item 2", "OnItemClick" })) << "open: only the list's search";
}

TEST_F(OfficeComboBoxTest, TheListOpensRightAlignedUnderOrAboveTheCombo) {
  auto* Combo = NewCombo(6, Rect(10, 10, 294, 61));
  Combo->SetListBoxWidth(130);
  Combo->SetDropDownCount(4);
  Combo->SetListBoxItemHeight(50);
  Combo->DropDown();
  const TRect List = Combo->ListBox()->BoundsRect();
  const TPoint BottomRight = Combo->ClientToScreen({ Combo->Width(), Combo->Height() });
  EXPECT_EQ(List.Right, BottomRight.X);
  EXPECT_EQ(List.Top, BottomRight.Y);
  EXPECT_EQ(List.Height(), 4 * 50 + 5);
  Combo->CloseUp(false);
  Display->SetWorkArea(Rect(0, 0, 1280, BottomRight.Y + 100));
  Combo->DropDown();
  EXPECT_EQ(Combo->ListBox()->BoundsRect().Bottom, Combo->ClientToScreen({ 0, 0 }).Y);
  Combo->CloseUp(false);
  Combo->SetListBoxItemHeight(20);
  Combo->DropDown();
  EXPECT_EQ(Combo->ListBox()->BoundsRect().Top, BottomRight.Y) << "a shorter list fits below again";
}

TEST_F(OfficeComboBoxTest, FocusLossAndAnotherControlsCancelModeCloseWithoutCloseUp) {
  auto* Combo = NewCombo(4);
  auto* Other = NewCombo(2, Rect(200, 10, 320, 51));
  Combo->SetFocus();
  Combo->DropDown();
  Combo->Perform(CM_CANCELMODE, 0, LPARAM(static_cast<TControl*>(Combo->ListBox())));
  EXPECT_TRUE(Combo->IsPopupVisible());
  Combo->Perform(CM_CANCELMODE, 0, LPARAM(static_cast<TControl*>(Other)));
  EXPECT_FALSE(Combo->IsPopupVisible());
  Combo->DropDown();
  Other->SetFocus();
  EXPECT_FALSE(Combo->IsPopupVisible());
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "OnCloseUp"), 0);
}

TEST_F(OfficeComboBoxTest, ASkinWithoutAComboRecordLeavesTheListWithoutOneForGood) {
  auto* Combo = NewCombo(2);
  EXPECT_EQ(Combo->ListBoxSkinDataName(), "listbox");
  TskSkinData Empty { nullptr };
  Combo->SetSkinDataName("nosuchrecord");
  Combo->SetSkinData(&Model);
  BuildBoxSkin(Model);
  Combo->SetSkinData(&Model);
  EXPECT_EQ(Combo->ListBoxSkinDataName(), "");
  Combo->SetSkinDataName("combobox");
  Combo->SetSkinData(&Empty);
  Combo->SetSkinData(&Model);
  EXPECT_EQ(Combo->ListBoxSkinDataName(), "");
}

TEST_F(OfficeComboBoxTest, TheBuiltInFaceIsFramedInTheDefaultColourAndShowsTheItem) {
  auto* Combo = NewCombo(2);
  Combo->SetDefaultColor(clYellow);
  Combo->SetItemIndex(1);
  EXPECT_EQ(Shown(Combo, 0, 20), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(Combo, 1, 20), ColorToRGB(clYellow));
  EXPECT_EQ(Shown(Combo, Combo->Width() - 20, 20), ColorToRGB(clYellow));
  Combo->SetFocus();
  EXPECT_EQ(Shown(Combo, 3, 3), ColorToRGB(clHighlight)) << "the focused item";
}


TEST_F(OfficeComboBoxTest, TheSkinnedFaceShowsTheItemPictureByFocusAndTheSelectedTitle) {
  BuildBoxSkin(Model);
  auto* Combo = NewCombo(2);
  Combo->Items()->Items(1)->SetTitle("标题");
  Combo->SetSkinData(&Model);
  Combo->SetItemIndex(1);
  const auto Pixels = [&](TColor Colour) {
    int N = 0;
    for (int Y = 0; Y < Combo->Height(); ++Y)
      for (int X = 0; X < Combo->Width(); ++X) N += Shown(Combo, X, Y) == Colour;
    return N;
  };
  EXPECT_EQ(Shown(Combo, 1, Combo->Height() / 2), BoxSkin::Face);
  EXPECT_GT(Pixels(BoxSkin::Item), 0);
  EXPECT_EQ(Pixels(BoxSkin::ItemFocus), 0);
  const int Titled = Pixels(clBlack);
  Combo->SetShowItemTitle(false);
  EXPECT_GT(Titled, Pixels(clBlack)) << "the title is drawn over the caption";
  Combo->SetFocus();
  EXPECT_GT(Pixels(BoxSkin::ItemFocus), 0) << "the focused item picture";
  EXPECT_EQ(Pixels(BoxSkin::Item), 0);
}

}  // namespace
