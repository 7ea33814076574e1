#include <gtest/gtest.h>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "resources/EmbeddedSkins.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskSkinListBox.h"
#include "skin/boxctrls/skBoxMessages.h"
#include "skin/boxctrls/skTabStops.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skUtils.h"
#include "tests/skin/boxctrls/BoxSkin.h"
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/skin/support/EmbeddedSkinModels.h"
#include "tests/skin/support/TskSkinModelBuilder.h"

namespace {

class ListBoxTest : public SkinControlTest {
protected:
  TskSkinListBox* NewList(int Count, TRect Bounds = Rect(10, 10, 130, 130)) {
    auto* List = Add<TskSkinListBox>(Bounds);
    for (int I = 0; I < Count; ++I) List->Items()->Add("第" + std::to_string(I) + "项");
    Display->PumpUntilIdle();
    return List;
  }
};

TEST_F(ListBoxTest, HoldingTheDownCaptionButtonRepeatsAndReleaseStepsOnce) {
  auto* List = NewList(10);
  List->SetCaptionMode(true);
  List->SetItemIndex(0);
  Display->PumpUntilIdle();
  int Clicks = 0;
  List->OnListBoxClick = [&](TObject*) { ++Clicks; };
  const int A = 17;
  const TPoint Down = At(List, List->Width() - A - 2 - A / 2, 8);
  Display->MoveTo(Down.X, Down.Y);
  Display->ButtonDown(Down.X, Down.Y);
  Display->Advance(1000);
  EXPECT_EQ(List->ItemIndex(), 5);
  Display->ButtonUp(Down.X, Down.Y);
  EXPECT_EQ(List->ItemIndex(), 6);
  EXPECT_EQ(Clicks, 0);
}

TEST_F(ListBoxTest, DownCaptionButtonStaysOnTheLastItem) {
  auto* List = NewList(3);
  List->SetCaptionMode(true);
  List->SetItemIndex(2);
  const TPoint Down = At(List, List->Width() - 17 - 2 - 8, 8);
  Display->MoveTo(Down.X, Down.Y);
  Display->ButtonDown(Down.X, Down.Y);
  Display->Advance(1000);
  Display->ButtonUp(Down.X + 200, Down.Y);
  EXPECT_EQ(List->ItemIndex(), 2);
}

TEST_F(ListBoxTest, TheVerticalBarExistsOnlyWhileRowsAreHidden) {
  auto* List = NewList(0);
  EXPECT_EQ(List->ScrollBar, nullptr);
  for (int I = 0; I < 20; ++I) List->Items()->Add("row");
  Display->PumpUntilIdle();
  ASSERT_NE(List->ScrollBar, nullptr);
  EXPECT_EQ(List->ScrollBar->Max(), 19);
  EXPECT_LE(List->ListBox->BoundsRect().Right, List->ScrollBar->Left());
  List->SetRowCount(20);
  EXPECT_EQ(List->ScrollBar, nullptr);
  List->SetRowCount(0);
  List->SetHeight(130);
  List->Clear();
  Display->PumpUntilIdle();
  EXPECT_EQ(List->ScrollBar, nullptr);
}

TEST_F(ListBoxTest, WheelAndKeysMoveTheListAndTheBarFollows) {
  auto* List = NewList(30);
  ASSERT_NE(List->ScrollBar, nullptr);
  List->ListBox->SetFocus();
  const TPoint P = At(List->ListBox, 20, 20);
  Display->Wheel(-WHEEL_DELTA, P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(List->TopIndex(), 1);
  EXPECT_EQ(List->ScrollBar->Position(), 1);
  List->SetItemIndex(1);
  Display->Key(VK_NEXT);
  Display->Key(VK_NEXT);
  Display->PumpUntilIdle();
  EXPECT_EQ(List->ScrollBar->Position(), List->TopIndex());
  EXPECT_GT(List->TopIndex(), 1);
}

TEST_F(ListBoxTest, SelectingFromCodeFiresNoListEvent) {
  auto* List = NewList(5);
  int Events = 0;
  List->OnListBoxClick = [&](TObject*) { ++Events; };
  List->OnClick = [&](TObject*) { ++Events; };
  List->SetItemIndex(2);
  EXPECT_EQ(List->ItemIndex(), 2);
  EXPECT_EQ(Events, 0);
}

TEST_F(ListBoxTest, PrintBackgroundAnswersOnlyItsKey) {
  auto* List = NewList(0);
  const HWND Wnd = List->ListBox->Handle();
  EXPECT_EQ(SendMessage(Wnd, WM_SKINPRINTBKGNDEX, 0, SkinPrintNCExKey), SkinPrintNCExKey);
  EXPECT_NE(SendMessage(Wnd, WM_SKINPRINTBKGNDEX, 0, 1), SkinPrintNCExKey);
}

TEST(TabStopsTest, DigitsOnlyLinesCountAndOverflowIsZero) {
  struct Case {
    const char* Text;
    int Value;
  };
  const Case Cases[] = { { "40", 40 }, { "12a", 0 }, { "", 0 }, { "123456789012345678901234567890", 0 },
                         { "2147483647", 2147483647 }, { "2147483648", 0 } };
  for (const Case& C : Cases) EXPECT_EQ(DigitsToInt(C.Text), C.Value) << C.Text;
}

TEST_F(ListBoxTest, SelectedRowsAreHighlightedAndAnEmptySkinClientFillsWithWindowColour) {
  auto* List = NewList(3);
  List->SetItemIndex(1);
  const TRect Row = List->ListBox->ItemRect(1);
  const TPoint Inner = List->ListBox->ClientToScreen({ 0, 0 });
  Display->PumpUntilIdle();
  EXPECT_EQ(Display->PixelAt(Inner.X + Row.Right - 3, Inner.Y + Row.Top + 2), ColorToRGB(clHighlight));
  EXPECT_EQ(Display->PixelAt(Inner.X + 10, Inner.Y + List->ListBox->Height() - 3), ColorToRGB(clWindow));
}

class SkinnedListBoxTest : public ListBoxTest {
protected:
  void SetUp() override {
    ListBoxTest::SetUp();
    BuildBoxSkin(Model);
  }
  /// The colour at the right end of row Row of the inner list (no text reaches there).
  TColor RowColour(TskSkinListBox* List, int Row) {
    const TRect R = List->ListBox->ItemRect(Row);
    return Shown(List->ListBox, R.Right - 3, R.Top + R.Height() - 2);
  }
};

TEST_F(SkinnedListBoxTest, RowsShowTheirRecordPicturesAndTheClientPictureIsTiledBelow) {
  auto* List = NewList(5);
  List->SetSkinData(&Model);
  List->SetItemIndex(1);
  EXPECT_EQ(List->ListBox->ItemHeight(), 16) << "rows as high as the item picture";
  EXPECT_EQ(Shown(List, 0, 0), BoxSkin::ListFrame);
  EXPECT_EQ(RowColour(List, 0), BoxSkin::Row);
  EXPECT_EQ(RowColour(List, 1), BoxSkin::RowSelected);
  EXPECT_EQ(Shown(List->ListBox, 50, List->ListBox->Height() - 3), BoxSkin::ListClient);
  List->ListBox->SetFocus();
  EXPECT_EQ(RowColour(List, 1), BoxSkin::RowFocused);
  EXPECT_EQ(RowColour(List, 2), BoxSkin::Row);
}

TEST_F(SkinnedListBoxTest, WithoutSkinItemHeightTheItemPicturesStretchToTheRows) {
  auto* List = NewList(5);
  List->SetUseSkinItemHeight(false);
  List->SetSkinData(&Model);
  List->SetItemIndex(1);
  ASSERT_EQ(List->ListBox->ItemHeight(), 20);
  EXPECT_EQ(RowColour(List, 0), BoxSkin::Row);
  EXPECT_EQ(RowColour(List, 1), BoxSkin::RowSelected);
}

TEST_F(SkinnedListBoxTest, AnEmptyClientPictureFillsTheBackgroundWithTheWindowColour) {
  FindSkinRecord<TskDataSkinListBox>(Model, "listbox")->ClRect = Rect(2, 2, 2, 58);
  auto* List = NewList(2);
  List->SetSkinData(&Model);
  ASSERT_GT(List->ListBox->Width(), 0);
  EXPECT_EQ(Shown(List->ListBox, 50, List->ListBox->Height() - 3), ColorToRGB(clWindow));
  EXPECT_EQ(RowColour(List, 0), BoxSkin::Row) << "rows still come from their pictures";
}

TEST_F(ListBoxTest, LongItemsGetOnlyAHorizontalBarThatScrollsByDrawingOffsetAndGoesWithTheItems) {
  auto* List = NewList(0);
  List->SetHorizontalExtent(true);
  for (int I = 0; I < 3; ++I) List->Items()->Add("一行很长很长很长很长很长的文字，比列表宽得多 " + std::to_string(I));
  Display->PumpUntilIdle();
  ASSERT_NE(List->HScrollBar, nullptr);
  EXPECT_EQ(List->ScrollBar, nullptr);
  EXPECT_LE(List->ListBox->BoundsRect().Bottom, List->HScrollBar->Top()) << "the list ends above the bar";
  EXPECT_EQ(List->HScrollBar->Max(), List->GetItemWidth(2, List->ListBox->Canvas()));
  const int Step = List->HScrollBar->SmallChange();
  ASSERT_GT(Step, 0);
  List->ListBox->SetFocus();
  Display->Key(VK_RIGHT);
  Display->Key(VK_RIGHT);
  EXPECT_EQ(List->ListBox->HorizontalExtentValue(), 2 * Step);
  const TPoint P = At(List->ListBox, 20, 20);
  Display->Wheel(WHEEL_DELTA, P.X, P.Y);
  EXPECT_EQ(List->ListBox->HorizontalExtentValue(), Step);
  EXPECT_EQ(List->ItemIndex(), -1) << "the keys scroll, they do not select";
  List->Clear();
  Display->PumpUntilIdle();
  EXPECT_EQ(List->HScrollBar, nullptr);
  EXPECT_EQ(List->ListBox->HorizontalExtentValue(), 0);
  EXPECT_EQ(List->ListBox->BoundsRect().Bottom, List->Height() - 2);
}

TEST_F(ListBoxTest, ACaptionButtonLosesItsHotLookWhenThePointerLeavesTheControl) {
  auto* List = NewList(3);
  List->SetDefaultCaptionHeight(10);
  List->SetCaptionMode(true);
  const int A = 7;
  const TPoint Check = { List->Width() - 3 * A - 2 + 1, 3 };
  EXPECT_EQ(Shown(List, Check.X, Check.Y), ColorToRGB(clBtnShadow));
  MoveTo(List, Check.X, Check.Y);
  EXPECT_EQ(Shown(List, Check.X, Check.Y), BuiltInHotColor);
  EXPECT_NE(Shown(List, List->Width() - 3 * A - 4, 4), BuiltInHotColor) << "the buttons are 7 wide";
  MoveTo(List, Check.X, 300);
  EXPECT_EQ(Shown(List, Check.X, Check.Y), ColorToRGB(clBtnShadow));
}

TEST_F(ListBoxTest, ACaptionButtonFiresItsEventOnlyOverItAndElseRunsTheDefaultStep) {
  struct Case {
    const char* Name;
    bool Assigned;
    int ReleaseDX;
    int Events;
    int Index;
  };
  const Case Cases[] = {
    { "event, released over the button", true, 0, 1, 0 },
    { "event, released away", true, 200, 0, 1 },
    { "no event, released away", false, 200, 0, 1 },
  };
  for (const Case& C : Cases) {
    auto* List = NewList(3);
    List->SetCaptionMode(true);
    List->SetItemIndex(0);
    int Events = 0;
    if (C.Assigned) List->OnDownButtonClick = [&](TObject*) { ++Events; };
    const TPoint Down = At(List, List->Width() - 17 - 2 - 8, 8);
    Display->MoveTo(Down.X, Down.Y);
    Display->ButtonDown(Down.X, Down.Y);
    Display->MoveTo(Down.X + C.ReleaseDX, Down.Y);
    Display->ButtonUp(Down.X + C.ReleaseDX, Down.Y);
    EXPECT_EQ(Events, C.Events) << C.Name;
    EXPECT_EQ(List->ItemIndex(), C.Index) << C.Name;
    delete List;
  }
}

TEST_F(SkinnedListBoxTest, HiddenCaptionButtonsAreCoveredByTheCaptionStrip) {
  auto* List = NewList(3);
  List->SetSkinDataName("captionlist");
  List->SetCaptionMode(true);
  List->SetSkinData(&Model);
  const TPoint UpButton { List->Width() - 8, 8 }, DownButton { List->Width() - 22, 8 };
  EXPECT_EQ(Shown(List, UpButton.X, UpButton.Y), BoxSkin::CaptionButton);
  List->SetShowCaptionButtons(false);
  EXPECT_EQ(Shown(List, UpButton.X, UpButton.Y), BoxSkin::CaptionStrip);
  EXPECT_EQ(Shown(List, DownButton.X, DownButton.Y), BoxSkin::CaptionStrip);
}

TEST_F(SkinnedListBoxTest, TheSkinnedCaptionStaysDrawnWhenCaptionModeGoesOff) {
  auto* List = NewList(3);
  List->SetSkinDataName("captionlist");
  List->SetSkinData(&Model);
  List->SetCaption("WWWW");
  const auto CaptionShown = [&] {
    Display->PumpUntilIdle();
    for (int Y = 2; Y < 17; ++Y)
      for (int X = 2; X < 60; ++X)
        if (Shown(List, X, Y) == BoxSkin::CaptionText) return true;
    return false;
  };
  List->SetCaptionMode(true);
  EXPECT_TRUE(CaptionShown());
  List->SetCaptionMode(false);
  List->Repaint();
  EXPECT_TRUE(CaptionShown()) << "the record's caption strip keeps its text";
}

TEST_F(ListBoxTest, TheTestSkinShowsTheCaptionAndItsButtonsFromTheListBoxRecord) {
  std::unique_ptr<TskSkinData> Skin = LoadEmbeddedSkin(TestSkinContainer());
  auto* Record = FindSkinRecord<TskDataSkinListBox>(*Skin, "listbox");
  ASSERT_NE(Record, nullptr);
  ASSERT_FALSE(IsEmptyRect(Record->CaptionRect));
  TBitmap* Picture = Skin->FActivePictures[size_t(Record->PictureIndex)].get();
  const TPoint Corner { Record->SkinRect.Left, Record->SkinRect.Top };
  // The fill of a rectangle of the picture, at its centre.
  const auto Fill = [&](const TRect& R) {
    return Picture->Canvas()->Pixels((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  };
  auto* List = NewList(4, Rect(10, 10, 170, 120));
  List->SetCaption("WWWW");
  List->SetCaptionMode(true);
  List->SetSkinData(Skin.get());
  // The buttons stand in the frame's fixed top-right corner, which moves with the right edge.
  const int DX = List->Width() - Record->SkinRect.Width();
  const std::pair<const char*, TRect> Buttons[] = {
    { "up", Record->UpButtonRect }, { "down", Record->DownButtonRect }, { "check", Record->CheckButtonRect }
  };
  for (const auto& [Name, R] : Buttons) {
    ASSERT_FALSE(IsEmptyRect(R)) << Name;
    EXPECT_EQ(Shown(List, (R.Left + R.Right) / 2 + DX, (R.Top + R.Bottom) / 2), Fill(R.Offset(Corner.X, Corner.Y)))
        << Name;
  }
  const TRect Caption = Record->CaptionRect;
  bool TextShown = false;
  Display->PumpUntilIdle();
  for (int Y = Caption.Top; Y < Caption.Bottom && !TextShown; ++Y)
    for (int X = Caption.Left; X < Caption.Right + DX && !TextShown; ++X) {
      const TPoint P = At(List, X, Y);
      TextShown = Display->PixelAt(P.X, P.Y) == ColorToRGB(Record->CaptionFontColor);
    }
  EXPECT_TRUE(TextShown) << "the caption in the record's caption colour";

  const TRect& Down = Record->DownButtonRect;
  MoveTo(List, (Down.Left + Down.Right) / 2 + DX, (Down.Top + Down.Bottom) / 2);
  EXPECT_EQ(Shown(List, (Down.Left + Down.Right) / 2 + DX, (Down.Top + Down.Bottom) / 2),
            Fill(Record->ActiveDownButtonRect))
      << "the hot down button";
}

TEST_F(ListBoxTest, TheInnerListsOwnPropertiesPassThrough) {
  auto* List = NewList(3);
  TPopupMenu Menu(nullptr);
  TFont Font;
  Font.SetName("Arial");
  Font.SetHeight(17);
  List->SetExtandedSelect(false);
  List->SetAutoComplete(false);
  List->SetListBoxFont(&Font);
  List->SetListBoxTabStop(false);
  List->SetListBoxPopupMenu(&Menu);
  List->SetListBoxDragMode(dmAutomatic);
  List->SetListBoxDragKind(dkDock);
  List->SetListBoxDragCursor(crHandPoint);
  TskListBox* Inner = List->ListBox;
  EXPECT_FALSE(Inner->ExtendedSelect());
  EXPECT_FALSE(Inner->AutoComplete());
  EXPECT_EQ(Inner->Font()->Height(), 17) << "a copy of the font";
  EXPECT_NE(Inner->Font(), &Font);
  EXPECT_FALSE(Inner->TabStop());
  EXPECT_EQ(Inner->PopupMenu(), &Menu);
  EXPECT_EQ(Inner->DragMode(), dmAutomatic);
  EXPECT_EQ(Inner->DragKind(), dkDock);
  EXPECT_EQ(Inner->DragCursor(), crHandPoint);
  EXPECT_EQ(List->ListBoxCanvas(), Inner->Canvas());
  List->SetListBoxPopupMenu(nullptr);
}

}  // namespace

namespace {

// A drag out of the list starts and ends on the inner list; a drag onto it asks the list's handlers.
TEST_F(ListBoxTest, TheInnerListsDragEventsArriveThroughTheListBox) {
  auto* List = NewList(3);
  auto* Other = Add<TPanel>(Bounds(200, 10, 80, 80));
  TskListBox* Inner = List->ListBox;
  AppLog Events;
  const auto Name = [&](TObject* Object) {
    return Object == Inner ? "inner" : Object == Other ? "other" : Object ? "?" : "null";
  };
  List->SetListBoxDragMode(dmAutomatic);
  List->SetOnListBoxStartDrag([&](TObject* Sender) { Events.push_back(std::string("start ") + Name(Sender)); });
  List->SetOnListBoxEndDrag([&](TObject* Sender, TObject* Target, int, int) {
    Events.push_back(std::string("end ") + Name(Sender) + " on " + Name(Target));
  });
  List->SetOnListBoxDragOver([&](TObject* Sender, TObject* Source, int, int, TDragState State, bool& Accept) {
    if (State == dsDragEnter) Events.push_back(std::string("over ") + Name(Sender) + " from " + Name(Source));
    Accept = Source == Other;
  });
  List->SetOnListBoxDragDrop([&](TObject* Sender, TObject* Source, int, int) {
    Events.push_back(std::string("drop on ") + Name(Sender) + " from " + Name(Source));
  });
  Other->OnDragOver = [](TObject*, TObject*, int, int, TDragState, bool& Accept) { Accept = true; };
  Other->OnDragDrop = [&](TObject*, TObject* Source, int, int) {
    Events.push_back(std::string("drop on other from ") + Name(Source));
  };

  Press(Inner, 10, 5);
  MoveTo(Inner, 10, 30);  // still over the list: it refuses its own rows
  MoveTo(Other, 40, 40);
  Release(Other, 40, 40);
  EXPECT_EQ(Events, (AppLog { "start inner", "over inner from inner", "drop on other from inner", "end inner on other" }));

  Events.clear();
  Other->SetDragMode(dmAutomatic);
  Press(Other, 40, 40);
  MoveTo(Inner, 10, 30);
  Release(Inner, 10, 30);
  EXPECT_EQ(Events, (AppLog { "over inner from other", "drop on inner from other" }));
}

}  // namespace
