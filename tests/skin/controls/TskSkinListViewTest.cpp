// The skinned list view: the external bars mirroring the native scroll information and scrolling the rows,
// the re-entry guard of aligned bars, the header subclassed and painted from the skin or the flat look, and
// the item painter drawing from the list-box record.
#include "platform/base/SysUtils.h"
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TEdit.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/skControlMessages.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

/// Range, page and position of a bar, comparable in one expectation.
struct ScrollState {
  int Min { 0 };
  int Max { 0 };
  int Page { 0 };
  int Pos { 0 };
  friend bool operator==(const ScrollState&, const ScrollState&) = default;
};

void PrintTo(const ScrollState& S, std::ostream* Out) {
  *Out << "{" << S.Min << ".." << S.Max << " page " << S.Page << " pos " << S.Pos << "}";
}

class SkinListViewTest : public SkinControlTest {
protected:
  /// A report list of Rows rows and three 100-pixel columns at Bounds, with its two external bars.
  TskSkinListView* MakeReport(int Rows, TRect Bounds = ::Bounds(10, 10, 300, 200)) {
    List = Add<TskSkinListView>(Bounds);
    List->SetViewStyle(vsReport);
    List->SetRowSelect(true);
    for (int C = 0; C < 3; ++C) {
      TListColumn* Column = List->Columns()->Add();
      Column->SetCaption(Format("列 %d", C));
      Column->SetWidth(100);
    }
    for (int R = 0; R < Rows; ++R) {
      TListItem* Item = List->Items()->Add();
      Item->SetCaption(Format("行 %d", R));
      Item->SubItems()->Add(Format("R%dC1", R));
      Item->SubItems()->Add(Format("R%dC2", R));
    }
    VBar = Add<TskSkinScrollBar>(::Bounds(Bounds.Right, Bounds.Top, 19, Bounds.Height()));
    VBar->SetKind(sbVertical);
    HBar = Add<TskSkinScrollBar>(::Bounds(Bounds.Left, Bounds.Bottom, Bounds.Width(), 19));
    List->SetVScrollBar(VBar);
    List->SetHScrollBar(HBar);
    Display->PumpUntilIdle();
    return List;
  }
  int RowHeight() { return List->Items()->Item(0)->DisplayRect(drBounds).Height(); }
  /// Sizes the list so that Rows whole rows and half of one more fit below the header.
  void FitRows(int Rows) {
    List->SetHeight(List->TopItem()->Top() + Rows * RowHeight() + RowHeight() / 2);
    Display->PumpUntilIdle();
  }
  ScrollState Native(int Bar) {
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    GetScrollInfo(List->Handle(), Bar, &Info);
    return { Info.nMin, Info.nMax, int(Info.nPage), Info.nPos };
  }
  static ScrollState Of(TskSkinScrollBar* Bar) {
    return { Bar->Min(), Bar->Max(), Bar->PageSize(), Bar->Position() };
  }

  TskSkinListView* List { nullptr };
  TskSkinScrollBar* VBar { nullptr };
  TskSkinScrollBar* HBar { nullptr };
};

// ---- External bars ---------------------------------------------------------------------------------------

TEST_F(SkinListViewTest, TheVerticalBarMirrorsTheNativeRowsAndScrollsThemBothWays) {
  MakeReport(30);
  FitRows(10);
  ASSERT_TRUE(VBar->Visible());
  EXPECT_EQ(Of(VBar), Native(SB_VERT));
  EXPECT_EQ(VBar->PageSize(), 10);
  EXPECT_EQ(VBar->LargeChange(), 10);
  EXPECT_EQ(VBar->SmallChange(), 1);
  EXPECT_FALSE(HBar->Visible()) << "three columns of 100 fit in 300";
  EXPECT_EQ(List->ClientWidth(), List->Width()) << "no room is kept for native bars";

  VBar->SetPosition(2);
  EXPECT_EQ(List->TopItem()->Index(), 2) << "moving the bar by 2 scrolls two rows";
  Display->PumpUntilIdle();
  EXPECT_EQ(Of(VBar), Native(SB_VERT));

  List->SetFocus();
  List->SetItemIndex(0);
  Display->Key(VK_END);
  Display->PumpUntilIdle();
  EXPECT_EQ(Native(SB_VERT).Pos, 20);
  EXPECT_EQ(Of(VBar), Native(SB_VERT)) << "the native scroll moved the bar";

  List->Scroll(0, -5 * RowHeight());
  Display->PumpUntilIdle();
  EXPECT_EQ(VBar->Position(), 15);
}

TEST_F(SkinListViewTest, AHeaderDividerDragUpdatesTheHorizontalBar) {
  MakeReport(5);
  EXPECT_FALSE(HBar->Visible());
  HWND Header = List->HeaderHandle();
  ASSERT_NE(Header, HWND(0));
  TPoint From { 100, 5 };
  ClientToScreen(Header, &From);
  Display->Drag(From, { From.X + 150, From.Y });
  Display->PumpUntilIdle();
  EXPECT_EQ(List->Column(0)->Width(), 250);
  ASSERT_TRUE(HBar->Visible());
  EXPECT_EQ(Of(HBar), Native(SB_HORZ));
  EXPECT_EQ(HBar->Max(), 449);
  EXPECT_FALSE(VBar->Visible());
  EXPECT_FALSE(HBar->Both()) << "shares its end with the vertical bar only when that shows";

  HBar->SetPosition(60);
  EXPECT_EQ(Native(SB_HORZ).Pos, 60) << "the bar scrolls the columns";
}

/// A list that counts how deep its WM_SIZE handling nests.
class TNestingListView : public TskSkinListView {
public:
  using TskSkinListView::TskSkinListView;
  int Depth { 0 };
  int MaxDepth { 0 };
  int Sizes { 0 };

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg != WM_SIZE) return TskSkinListView::WndProc(Message);
    ++Sizes;
    MaxDepth = std::max(MaxDepth, ++Depth);
    TskSkinListView::WndProc(Message);
    --Depth;
  }
};

TEST_F(SkinListViewTest, AlignedBarsShowingAndHidingOnResizeDoNotRecurse) {
  auto* L = Add<TNestingListView>(Bounds(0, 0, 100, 100));
  L->SetViewStyle(vsReport);
  L->Columns()->Add()->SetWidth(500);
  for (int R = 0; R < 40; ++R) L->Items()->Add()->SetCaption(Format("%d", R));
  VBar = Add<TskSkinScrollBar>(Bounds(0, 0, 19, 100));
  VBar->SetKind(sbVertical);
  VBar->SetAlign(alRight);
  HBar = Add<TskSkinScrollBar>(Bounds(0, 0, 100, 19));
  HBar->SetAlign(alBottom);
  L->SetAlign(alClient);
  L->SetVScrollBar(VBar);
  L->SetHScrollBar(HBar);
  Display->PumpUntilIdle();
  EXPECT_TRUE(VBar->Visible());
  EXPECT_TRUE(HBar->Visible());
  EXPECT_EQ(L->Width(), Form->ClientWidth() - 19) << "the parent re-aligned around the shown bars";

  for (int W : { 900, 300, 900 }) {
    L->MaxDepth = 0;
    Form->SetClientWidth(W);
    Form->SetClientHeight(W == 900 ? 1000 : 200);
    Display->PumpUntilIdle();
    EXPECT_LE(L->MaxDepth, 2) << "width " << W << ": only the re-layout's own WM_SIZE nests, guarded";
    EXPECT_EQ(VBar->Visible(), W != 900);
    EXPECT_EQ(HBar->Visible(), W != 900);
    EXPECT_EQ(L->Width(), Form->ClientWidth() - (VBar->Visible() ? VBar->Width() : 0)) << "laid out anew";
    EXPECT_EQ(L->Height(), Form->ClientHeight() - (HBar->Visible() ? HBar->Height() : 0));
  }
}

TEST_F(SkinListViewTest, UpdatingATinyListOrAListBeingScrolledByItsBarChangesNothing) {
  MakeReport(30, Bounds(10, 10, 300, 5));
  EXPECT_FALSE(VBar->Visible());
  List->UpDateScrollBars();
  EXPECT_FALSE(VBar->Visible());
  EXPECT_EQ(VBar->Max(), 100);
}

TEST_F(SkinListViewTest, RowsSelectedByCodeAndByMouseFireOnSelectItemPerChangedRow) {
  MakeReport(5);
  List->OnSelectItem = [this](TObject*, TListItem* Item, bool Selected) {
    Log.push_back(Format("%s %d", Selected ? "+" : "-", Item->Index()));
  };
  List->SetItemIndex(1);
  EXPECT_EQ(std::exchange(Log, {}), (AppLog { "+ 1" }));
  const TRect Row = List->Items()->Item(3)->DisplayRect(drBounds);
  ClickAt(List, 150, Row.Top + 2);
  Display->PumpUntilIdle();
  EXPECT_EQ(std::exchange(Log, {}), (AppLog { "- 1", "+ 3" }));
}

TEST_F(SkinListViewTest, AnEditPlacedOverACellStaysAboveTheRows) {
  MakeReport(5);
  List->SetDrawSkin(true);
  const TRect Cell = List->Items()->Item(1)->DisplayRect(drBounds);
  auto* Edit = Add<TEdit>(Bounds(100, Cell.Top, 100, Cell.Height()), List);
  Edit->SetColor(clYellow);
  Edit->SetText("");
  Display->PumpUntilIdle();
  List->Items()->Item(1)->SubItems()->Put(0, "changed");
  List->Invalidate();
  EXPECT_EQ(Shown(List, 150, Cell.Top + Cell.Height() / 2), clYellow);
}

// ---- Skin --------------------------------------------------------------------------------------------------

TEST_F(SkinListViewTest, TheListViewRecordGivesFontBackgroundAndAnEighthMixedLineColour) {
  TskSkinModelBuilder Skin(Model);
  auto& Record = Skin.Add<TskDataSkinListView>("listview", "listview");
  Record.FontColor = clBlack;
  Record.BGColor = clWhite;
  Record.FontName = "Skin Sans";
  Record.FontHeight = 15;
  Skin.Finish();
  MakeReport(3);
  List->SetSkinData(&Model);
  EXPECT_EQ(List->LineColor(), TColor(RGB(223, 223, 223)));
  EXPECT_EQ(List->Color(), clWhite);
  EXPECT_EQ(List->Font()->Name(), "Skin Sans");
  EXPECT_EQ(List->Font()->Height(), 15);

  List->SetUseSkinFont(false);
  List->ChangeSkinData();
  EXPECT_EQ(List->Font()->Name(), "Tahoma");
  EXPECT_EQ(List->Font()->Color(), clBlack);
  List->SetSkinDataName("none");
  List->SetDefaultColor(clAqua);
  List->ChangeSkinData();
  EXPECT_EQ(List->Color(), clAqua);
}

// ---- Header ------------------------------------------------------------------------------------------------

TEST_F(SkinListViewTest, TheHeaderIsSubclassedWidenedAndGivenBackItsProcedure) {
  MakeReport(3);
  const HWND Header = List->HeaderHandle();
  ASSERT_NE(Header, HWND(0));
  EXPECT_EQ(Header, HWND(SendMessage(List->Handle(), LVM_GETHEADER, 0, 0)));
  TRect R;
  GetWindowRect(Header, &R);
  EXPECT_EQ(R.Width(), List->ClientWidth() + 25);
  EXPECT_EQ(SendMessage(List->Handle(), WM_SKINPRINTNC, 0, 0), SKINPRINTNC_ANSWER);

  const WNDPROC Skinned = WNDPROC(GetWindowLongPtr(Header, GWL_WNDPROC));
  delete List;
  EXPECT_FALSE(IsWindow(Header));
  EXPECT_FALSE(WindowProc::IsLive(Skinned)) << "the subclass went with the list";
}

TEST_F(SkinListViewTest, FlatHeaderSectionsAndAPressedOneInTheBuiltInColours) {
  MakeReport(3);
  List->Column(2)->SetWidth(50);
  const HWND Header = List->HeaderHandle();
  EXPECT_EQ(Shown(List, 50, 1), ColorToRGB(clBtnFace));
  EXPECT_EQ(Shown(List, 0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(List, 250, 3), ColorToRGB(clBtnShadow)) << "the area right of the sections, framed";
  EXPECT_EQ(Shown(List, 290, 3), ColorToRGB(clBtnFace)) << "and filled to the header's edge";

  TPoint P { 150, 5 };
  ClientToScreen(Header, &P);
  Display->MoveTo(P.X, P.Y);
  Display->ButtonDown(P.X, P.Y);
  EXPECT_EQ(Shown(List, 190, 3), TColor(0xE4BCA2));
  EXPECT_EQ(Shown(List, 100, 3), TColor(0xB76B3B));
  EXPECT_EQ(Shown(List, 50, 3), ColorToRGB(clBtnFace));
  Display->ButtonUp(P.X, P.Y);
  EXPECT_EQ(Shown(List, 190, 3), ColorToRGB(clBtnFace));
}

TEST_F(SkinListViewTest, ADividerPressPressesNoSectionAndRepaintsOnEveryMove) {
  MakeReport(3);
  const HWND Header = List->HeaderHandle();
  TPoint P { 100, 5 };
  ClientToScreen(Header, &P);
  Display->MoveTo(P.X, P.Y);
  Display->ButtonDown(P.X, P.Y);
  Display->PumpUntilIdle();
  Display->MoveTo(P.X + 20, P.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Shown(List, 60, 3), ColorToRGB(clBtnFace));
  EXPECT_EQ(Shown(List, 115, 3), ColorToRGB(clBtnFace)) << "the widened first section is not drawn pressed";
  Display->ButtonUp(P.X + 20, P.Y);
}

TEST_F(SkinListViewTest, SectionsComeFromTheHeaderRecordOrElseFromResizeToolButton) {
  for (const char* Name : { "header", "resizetoolbutton" }) {
    SCOPED_TRACE(Name);
    TskSkinModelBuilder Skin(Model);
    const int Picture = Skin.AddPicture(60, 20);
    auto& Record = Skin.Add<TskDataSkinButtonControl>("button", Name);
    Record.PictureIndex = Picture;
    SetNinePart(Record, Skin.Paint(Picture, Rect(0, 0, 30, 20), clLime, clNavy), 2, Rect(2, 2, 28, 18));
    Record.DownSkinRect = Skin.Paint(Picture, Rect(30, 0, 60, 20), clRed, clNavy);
    Skin.Finish();
    MakeReport(3);
    List->Column(2)->SetWidth(50);
    List->SetSkinData(&Model);
    EXPECT_EQ(Shown(List, 50, 8), clLime);
    EXPECT_EQ(Shown(List, 0, 8), clNavy);
    EXPECT_EQ(Shown(List, 99, 8), clNavy) << "each section is its own piece";
    EXPECT_EQ(Shown(List, 250, 8), clNavy) << "the rest from the left part";
    EXPECT_EQ(Shown(List, 299, 8), clLime) << "without a right end";
    const TPoint P = At(List, 150, 5);
    Display->MoveTo(P.X, P.Y);
    Display->ButtonDown(P.X, P.Y);
    EXPECT_EQ(Shown(List, 150, 8), clRed);
    Display->ButtonUp(P.X, P.Y);
    delete List;
    delete VBar;
    delete HBar;
  }
}

TEST_F(SkinListViewTest, AHeaderPaintedIntoAHandedDCLeavesThatDCToItsOwner) {
  MakeReport(3);
  TBitmap B;
  B.SetSize(400, 30);
  B.Canvas()->Brush()->SetColor(clFuchsia);
  B.Canvas()->FillRect(Rect(0, 0, 400, 30));
  const HDC DC = B.Canvas()->Handle();
  SendMessage(List->Handle(), WM_SKINPRINTHEADER, WPARAM(DC), 0);
  SendMessage(List->HeaderHandle(), WM_PAINT, WPARAM(DC), 0);
  EXPECT_EQ(B.Canvas()->Pixels(50, 5), ColorToRGB(clBtnFace));
  EXPECT_EQ(B.Canvas()->Handle(), DC);
  B.Canvas()->Brush()->SetColor(clLime);
  B.Canvas()->FillRect(Rect(0, 0, 10, 10));
  EXPECT_EQ(B.Canvas()->Pixels(5, 5), clLime) << "the DC still draws";
}

TEST_F(SkinListViewTest, OnDrawHeaderSectionReplacesTheContentOfEachSection) {
  MakeReport(1);
  std::vector<TRect> Drawn;
  List->OnDrawHeaderSection = [&](TCanvas* C, TListColumn* Column, bool, const TRect& R) {
    Drawn.push_back(R);
    C->Brush()->SetColor(Column->Index() == 1 ? clRed : clBlue);
    C->FillRect(R);
  };
  InvalidateRect(List->HeaderHandle(), nullptr, false);
  EXPECT_EQ(Shown(List, 150, 7), clRed);
  EXPECT_EQ(Shown(List, 50, 7), clBlue);
  ASSERT_FALSE(Drawn.empty());
  EXPECT_EQ(Drawn[0], Rect(0, 0, 100, Drawn[0].Bottom)) << "the section's own coordinates";
}

// ---- Items ------------------------------------------------------------------------------------------------

class SkinListViewItemsTest : public SkinListViewTest {
protected:
  void SetUp() override {
    SkinListViewTest::SetUp();
    TskSkinModelBuilder Skin(Model);
    const int Picture = Skin.AddPicture(60, 40);
    auto& Items = Skin.Add<TskDataSkinListBox>("listbox", "listbox");
    Items.PictureIndex = Picture;
    Items.ActiveItemRect = Skin.Paint(Picture, Rect(0, 0, 20, 20), clGreen);
    Items.FocusItemRect = Skin.Paint(Picture, Rect(20, 0, 40, 20), clRed);
    Items.ItemTextRect = Rect(2, 2, 18, 18);
    Items.ActiveFontColor = clWhite;
    Items.FocusFontColor = clYellow;
    auto& Check = Skin.Add<TskDataSkinCheckRadioControl>("checkradio", "checkbox");
    Check.PictureIndex = Picture;
    // The border is the pieces' transparent colour (their lower-left pixel).
    Check.CheckImageRect = Skin.Paint(Picture, Rect(0, 20, 13, 33), clBlue, clFuchsia);
    Check.UnCheckImageRect = Skin.Paint(Picture, Rect(20, 20, 33, 33), clAqua, clFuchsia);
    Skin.Finish();
  }
};

TEST_F(SkinListViewItemsTest, ASelectedRowIsDrawnFromTheFocusOrActivePieceAcrossItsCells) {
  MakeReport(3);
  List->SetSkinData(&Model);
  List->SetDrawSkin(true);
  List->SetItemIndex(1);
  const TRect Row = List->Items()->Item(1)->DisplayRect(drBounds);
  const int Y = Row.Top + 1;
  EXPECT_EQ(Shown(List, 250, Y), clGreen) << "without the focus: the active piece, also under the sub-items";
  List->SetFocus();
  EXPECT_EQ(Shown(List, 250, Y), clRed);
  EXPECT_EQ(Shown(List, 250, List->Items()->Item(0)->DisplayRect(drBounds).Top + 1), ColorToRGB(List->Color()));

  List->SetRowSelect(false);
  Display->PumpUntilIdle();
  EXPECT_EQ(Shown(List, 250, Y), ColorToRGB(List->Color())) << "without RowSelect the sub-items are drawn as unselected";
  EXPECT_EQ(Shown(List, 50, Y), clRed);
}

TEST_F(SkinListViewItemsTest, WithoutAListBoxRecordOrWithDrawSkinOffTheNativeDrawingShows) {
  MakeReport(3);
  List->SetSkinData(&Model);
  List->SetItemIndex(1);
  List->SetFocus();
  const int Y = List->Items()->Item(1)->DisplayRect(drBounds).Top + 1;
  const TColor Native = Shown(List, 250, Y);
  ASSERT_NE(Native, clRed);

  List->SetDrawSkin(true);
  EXPECT_EQ(Shown(List, 250, Y), clRed);
  List->SetDrawSkin(false);
  EXPECT_FALSE(List->OnCustomDrawItem) << "the painter is uninstalled";
  EXPECT_EQ(Shown(List, 250, Y), Native);

  bool Mine = false;
  List->OnCustomDrawItem = [&](TCustomListView*, TListItem*, TCustomDrawState, bool&) { Mine = true; };
  List->SetDrawSkin(false);
  List->Invalidate();
  Display->PumpUntilIdle();
  EXPECT_TRUE(Mine) << "a handler of the application's own stays";

  List->SetDrawSkin(true);
  List->SetItemSkinDataName("missing");
  List->Invalidate();
  EXPECT_EQ(Shown(List, 250, Y), Native);
}

TEST_F(SkinListViewItemsTest, AnEmptyCaptionInListViewGetsASelectionTwentyTwoPixelsWide) {
  MakeReport(3);
  List->SetViewStyle(vsList);
  List->Items()->Item(0)->SetCaption("");
  List->SetSkinData(&Model);
  List->SetDrawSkin(true);
  List->SetItemIndex(0);
  List->SetFocus();
  const TRect L = List->Items()->Item(0)->DisplayRect(drLabel);
  const int Y = L.Top + L.Height() / 2;
  EXPECT_EQ(Shown(List, L.Left + 21, Y), clRed);
  EXPECT_EQ(Shown(List, L.Left + 22, Y), ColorToRGB(List->Color()));
}

TEST_F(SkinListViewItemsTest, CheckImagesStandLeftOfTheIconCentredOnIt) {
  MakeReport(3);
  List->SetCheckboxes(true);
  List->Items()->Item(0)->SetChecked(true);
  List->SetSkinData(&Model);
  List->SetDrawSkin(true);
  Display->PumpUntilIdle();
  for (int Index : { 0, 1 }) {
    TListItem* Item = List->Items()->Item(Index);
    const TRect I = Item->DisplayRect(drIcon);
    const TRect Bd = Item->DisplayRect(drBounds);
    const int Y = std::max(Bd.Top + I.Height() / 2 - 13 / 2 - 1, Bd.Top);
    const int X = I.Left - 13 - 1;
    EXPECT_EQ(Shown(List, X + 1, Y + 1), Index == 0 ? clBlue : clAqua);
    EXPECT_EQ(Shown(List, X + 11, Y + 11), Index == 0 ? clBlue : clAqua);
    EXPECT_EQ(Shown(List, X, Y), ColorToRGB(List->Color()));
  }
}

TEST_F(SkinListViewItemsTest, SkinLinesMarkColumnEdgesAndRowBottoms) {
  MakeReport(3);
  List->SetSkinData(&Model);
  List->SetDrawSkin(true);
  List->SetDrawSkinLines(true);
  Display->PumpUntilIdle();
  const TColor Line = List->LineColor();
  const TRect Second = List->Items()->Item(1)->DisplayRect(drBounds);
  EXPECT_EQ(Shown(List, 100, Second.Top + 3), Line);
  EXPECT_EQ(Shown(List, 200, Second.Top + 3), Line);
  EXPECT_EQ(Shown(List, 50, Second.Bottom - 1), Line);
  EXPECT_EQ(Shown(List, 50, Second.Top + 3), ColorToRGB(List->Color()));
}

}  // namespace
