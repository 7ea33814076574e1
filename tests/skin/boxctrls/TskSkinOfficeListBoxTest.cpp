#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/boxctrls/TskSkinOfficeListBox.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "tests/skin/boxctrls/BoxSkin.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

using Events = std::vector<std::string>;

class OfficeListBoxTest : public SkinControlTest {
protected:
  /// A list of 20-pixel rows showing five of them (items area 100 high), items from Kinds: 'H' a header,
  /// anything else a normal item.
  TskSkinOfficeListBox* NewList(const std::string& Kinds) {
    auto* List = Add<TskSkinOfficeListBox>(Rect(10, 10, 160, 114));
    List->SetItemHeight(20);
    List->SetHeaderHeight(20);
    for (size_t I = 0; I < Kinds.size(); ++I) {
      TskSkinOfficeItem* Item = List->Items()->Add();
      Item->SetCaption("项目 " + std::to_string(I));
      Item->SetHeader(Kinds[I] == 'H');
      Item->OnClick = [this, I](TObject*) { Log.push_back("item " + std::to_string(I)); };
    }
    List->OnItemClick = [this](TObject*) { Log.push_back("OnItemClick"); };
    List->OnItemCheckClick = [this](TObject*) { Log.push_back("OnItemCheckClick"); };
    return List;
  }
  Events Take() { return std::exchange(Log, {}); }
};

TEST_F(OfficeListBoxTest, KeysStepOverHeadersAndPagesStopAtGroupBorders) {
  auto* List = NewList("H123H567");
  List->SetFocus();
  struct Case {
    int From;
    UINT Key;
    int Expected;
  };
  const Case Cases[] = {
    { 1, VK_DOWN, 2 }, { 3, VK_DOWN, 5 }, { 5, VK_UP, 3 }, { 1, VK_UP, 1 }, { 1, VK_NEXT, 5 },
    { 7, VK_PRIOR, 3 }, { 2, VK_RIGHT, 3 }, { 7, VK_DOWN, 7 },
  };
  for (const Case& C : Cases) {
    List->SetItemIndex(C.From);
    Take();
    Display->Key(C.Key);
    EXPECT_EQ(List->ItemIndex(), C.Expected) << "from " << C.From << " key " << C.Key;
  }
  List->SetItemIndex(3);
  Take();
  Display->Key(VK_DOWN);
  EXPECT_EQ(Take(), (Events { "item 5", "OnItemClick" }));
}

TEST_F(OfficeListBoxTest, TheScrollBarShowsOnlyWhileTheItemsAreTallerThanTheList) {
  auto* List = NewList("H123H567");
  Display->PumpUntilIdle();
  ASSERT_NE(List->ScrollBar, nullptr);
  List->SetItemIndex(7);
  EXPECT_GT(List->ScrollOffset(), 0);
  List->SetItemIndex(1);
  EXPECT_EQ(List->ScrollOffset(), 0) << "the first item under a leading header brings the header into view";
  List->SetItemIndex(7);
  List->SetHeight(List->Height() + 40);
  const TRect Last = List->Items()->Items(7)->ItemRect;
  EXPECT_LE(Last.Bottom, List->ItemsRect().Bottom) << "growing the list leaves no gap below the last item";
  List->SetHeight(200);
  EXPECT_EQ(List->ScrollBar, nullptr);
  EXPECT_EQ(List->ScrollOffset(), 0);
}

TEST_F(OfficeListBoxTest, ItemsClearedWhileScrolledShowFromTheTopWhenRefilled) {
  auto* List = NewList("H123H567");
  Display->PumpUntilIdle();
  List->SetItemIndex(7);
  ASSERT_GT(List->ScrollOffset(), 0);
  List->Items()->Clear();
  List->Items()->Add()->SetCaption("a");
  List->Items()->Add()->SetCaption("b");
  EXPECT_EQ(List->ScrollOffset(), 0);
  EXPECT_EQ(List->Items()->Items(0)->ItemRect.Top, List->ItemsRect().Top);
}

TEST_F(OfficeListBoxTest, ClearKeepsTheIndexAndAnItemAddedThereIsBornSelected) {
  auto* List = NewList("0123");
  List->SetItemIndex(3);
  List->SetItemIndex(-1);
  EXPECT_EQ(List->ItemIndex(), -1);
  EXPECT_TRUE(List->Items()->Items(3)->Active) << "the old item stays marked";
  List->SetItemIndex(2);
  Take();
  List->Items()->Clear();
  EXPECT_EQ(List->ItemIndex(), 2);
  for (int I = 0; I < 3; ++I) List->Items()->Add();
  EXPECT_TRUE(Take().empty());
  EXPECT_FALSE(List->Items()->Items(1)->Active);
  EXPECT_TRUE(List->Items()->Items(2)->Active);
}

TEST_F(OfficeListBoxTest, AnIndexNamingNoItemRaisesNothingAndSearchesStayInRange) {
  auto* List = NewList("0123");
  EXPECT_NO_THROW(List->SetItemIndex(10));
  EXPECT_EQ(List->ItemIndex(), 10);
  EXPECT_TRUE(Take().empty());
  List->SetItemIndex(3);
  List->Items()->Clear();
  List->Items()->Add();
  List->Items()->Add();
  Take();
  EXPECT_NO_THROW(List->FindUp());
  EXPECT_EQ(List->ItemIndex(), 1);
  EXPECT_NO_THROW(List->FindPageUp());
  EXPECT_EQ(List->ItemIndex(), 0);
}

TEST_F(OfficeListBoxTest, ReleasingOnTheCheckColumnTogglesAfterTheItemEventsAndSpaceToggles) {
  auto* List = NewList("0123");
  List->SetShowCheckBoxes(true);
  const TRect R = List->Items()->Items(1)->ItemRect;
  ClickAt(List, R.Left + 5, R.Top + 10);
  EXPECT_EQ(Take(), (Events { "item 1", "OnItemClick", "OnItemCheckClick" }));
  EXPECT_TRUE(List->Items()->Items(1)->Checked());
  ClickAt(List, R.Left + 60, R.Top + 10);
  EXPECT_EQ(Take(), (Events { "item 1", "OnItemClick" })) << "right of the check column";
  Display->Key(VK_SPACE);
  EXPECT_EQ(Take(), (Events { "OnItemCheckClick" }));
  EXPECT_FALSE(List->Items()->Items(1)->Checked());
}

TEST_F(OfficeListBoxTest, HoverAndPressSelectWithoutEvents) {
  auto* List = NewList("0123");
  List->SetMouseMoveChangeIndex(true);
  const TRect R = List->Items()->Items(2)->ItemRect;
  MoveTo(List, R.Left + 30, R.Top + 5);
  EXPECT_EQ(List->ItemIndex(), 2);
  Press(List, R.Left + 30, R.Top + 25);
  EXPECT_EQ(List->ItemIndex(), 3);
  EXPECT_TRUE(Take().empty());
  Release(List, R.Left + 30, R.Top + 25);
  EXPECT_EQ(Take(), (Events { "item 3", "OnItemClick" }));
}

TEST_F(OfficeListBoxTest, DrawsTheSelectedItemHighlightedAndHeadersInShadow) {
  auto* List = NewList("H123");
  List->SetItemIndex(3);
  const TRect Header = List->Items()->Items(0)->ItemRect;
  const TRect Selected = List->Items()->Items(3)->ItemRect;
  const TRect Plain = List->Items()->Items(2)->ItemRect;
  EXPECT_EQ(Shown(List, Header.Right - 3, Header.Top + 3), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(List, Selected.Right - 3, Selected.Top + 3), ColorToRGB(clHighlight));
  EXPECT_EQ(Shown(List, Plain.Right - 3, Plain.Top + 3), ColorToRGB(clWindow));
  int Shadowed = 0;
  for (int Y = Plain.Top; Y < Plain.Bottom; ++Y)
    for (int X = Plain.Left; X < Plain.Right; ++X) Shadowed += Shown(List, X, Y) == ColorToRGB(clBtnShadow);
  EXPECT_EQ(Shadowed, 0) << "a caption after another plain row is drawn over its own row";
}


class SkinnedOfficeListBoxTest : public OfficeListBoxTest {
protected:
  void SetUp() override {
    OfficeListBoxTest::SetUp();
    BuildBoxSkin(Model);
  }
  /// A skinned list of three 40-pixel items; item 0 has a title over its caption.
  TskSkinOfficeListBox* NewSkinnedList() {
    auto* List = NewList("...");
    List->SetItemHeight(40);
    List->Items()->Items(0)->SetTitle("标题");
    List->SetSkinData(&Model);
    return List;
  }
  /// How many pixels of the rows Top to Bottom (control coordinates), across Item's width, show Colour.
  int Count(TControl* Control, const TRect& Item, int Top, int Bottom, TColor Colour) {
    int N = 0;
    for (int Y = Top; Y < Bottom; ++Y)
      for (int X = Item.Left; X < Item.Right; ++X) N += Shown(Control, X, Y) == Colour;
    return N;
  }
};

TEST_F(SkinnedOfficeListBoxTest, TheSelectedItemShowsTheRecordsActiveThenFocusPicture) {
  auto* List = NewSkinnedList();
  List->SetItemIndex(1);
  const TRect Selected = List->Items()->Items(1)->ItemRect;
  const TRect Plain = List->Items()->Items(2)->ItemRect;
  EXPECT_EQ(Shown(List, Selected.Right - 3, Selected.Top + 3), BoxSkin::RowSelected);
  EXPECT_EQ(Shown(List, Plain.Right - 3, Plain.Top + 3), BoxSkin::ListClient) << "plain rows show the client";
  EXPECT_GT(Count(List, Selected, Selected.Top, Selected.Bottom, clWhite), 0) << "the active font colour";
  List->SetFocus();
  EXPECT_EQ(Shown(List, Selected.Right - 3, Selected.Top + 3), BoxSkin::RowFocused);
  EXPECT_EQ(Count(List, Plain, Plain.Top, Plain.Bottom, BoxSkin::RowFocused), 0);
}

TEST_F(SkinnedOfficeListBoxTest, ATitleTakesTheItemsTopLineAndOnlyWhileTitlesShow) {
  auto* List = NewSkinnedList();
  const TRect Titled = List->Items()->Items(0)->ItemRect;
  const TRect Untitled = List->Items()->Items(1)->ItemRect;
  const int TopBand = Titled.Top + 8;
  EXPECT_GT(Count(List, Titled, Titled.Top, TopBand, clBlack), 0) << "the title at the item's top";
  EXPECT_GT(Count(List, Titled, TopBand + 8, Titled.Bottom, clBlack), 0) << "the caption below it";
  EXPECT_EQ(Count(List, Untitled, Untitled.Top, Untitled.Top + 8, clBlack), 0) << "a lone caption is centred";
  List->SetShowItemTitles(false);
  EXPECT_EQ(Count(List, Titled, Titled.Top, TopBand, clBlack), 0) << "no title line without titles";
  EXPECT_GT(Count(List, Titled, Titled.Top, Titled.Bottom, clBlack), 0) << "the caption still shows";
}

}  // namespace
