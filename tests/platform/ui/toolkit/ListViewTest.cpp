// The list view: scroll units per view style, the header child and its subclassing, custom draw, item
// notifications by code and by the user, owner data, children over items, images through the image
// list's own drawing.
#include "platform/base/SysUtils.h"
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TImageList.h"
#include "platform/ui/toolkit/TListView.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "tests/platform/ui/ViewFixture.h"

namespace {

class ListViewTest : public ViewTest {
protected:
  /// A report view of Rows rows and Columns columns 100 pixels wide, without border, shown.
  template <class TList = TListView> TList* MakeReport(int Rows, int Columns = 3) {
    auto* L = new TList(Root.get());
    L->SetBorderStyle(bsNone);
    L->SetViewStyle(vsReport);
    for (int C = 0; C < Columns; ++C) {
      TListColumn* Column = L->Columns()->Add();
      Column->SetCaption(Format("Column %d", C));
      Column->SetWidth(100);
    }
    for (int R = 0; R < Rows; ++R) {
      TListItem* Item = L->Items()->Add();
      Item->SetCaption(Format("Row %d", R));
      for (int C = 1; C < Columns; ++C) Item->SubItems()->Add(Format("R%dC%d", R, C));
    }
    L->SetBounds(10, 10, 300, 200);
    L->SetParent(Root.get());
    List = L;
    ShowRoot();
    return L;
  }

  int RowHeight() { return List->Items()->Item(0)->DisplayRect(drBounds).Height(); }
  /// Sizes the list so that Rows whole rows and half of one more fit below the header.
  void FitRows(int Rows) {
    List->SetHeight(List->Items()->Item(List->TopItem()->Index())->Top() + Rows * RowHeight() + RowHeight() / 2);
    Screen->PumpUntilIdle();
  }
  ScrollState Vert() { return ScrollOf(List->Handle(), SB_VERT); }
  ScrollState Horz() { return ScrollOf(List->Handle(), SB_HORZ); }
  HWND Header() { return HWND(SendMessage(List->Handle(), LVM_GETHEADER, 0, 0)); }

  TListView* List = nullptr;
};

// ---- Scroll units ------------------------------------------------------------------------------------------

TEST_F(ListViewTest, ReportViewScrollsVerticallyInRowsAndHorizontallyInPixels) {
  MakeReport(30);
  List->SetWidth(330);  // room for the three columns beside the vertical bar
  FitRows(10);
  EXPECT_EQ(Vert(), (ScrollState { 0, 29, 10, 0 }));
  EXPECT_EQ(Horz(), (ScrollState { 0, 299, 300, 0 }));  // the page never exceeds the range
  EXPECT_EQ(List->VisibleRowCount(), 10);

  struct Step {
    UINT Msg;
    WPARAM WParam;
    int Top;
  };
  for (const Step& S : { Step { WM_VSCROLL, SB_LINEDOWN, 1 }, Step { WM_VSCROLL, SB_PAGEDOWN, 11 },
                         Step { WM_VSCROLL, SB_BOTTOM, 20 }, Step { WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), 7 },
                         Step { WM_VSCROLL, SB_PAGEUP, 0 } }) {
    SendMessage(List->Handle(), S.Msg, S.WParam, 0);
    EXPECT_EQ(Vert().Pos, S.Top);
    EXPECT_EQ(SendMessage(List->Handle(), LVM_GETTOPINDEX, 0, 0), S.Top);
  }

  // Scroll(dx, dy) takes pixels: whole rows vertically.
  List->Scroll(0, 3 * RowHeight());
  EXPECT_EQ(List->TopItem()->Index(), 3);
  EXPECT_EQ(List->Items()->Item(3)->Top(), List->Items()->Item(0)->Top() + 3 * RowHeight());

  // Horizontally the header moves left with the rows.
  List->SetWidth(200);
  Screen->PumpUntilIdle();
  SendMessage(List->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 250), 0);
  const int Offset = 300 - List->ClientWidth();
  EXPECT_EQ(Horz(), (ScrollState { 0, 299, List->ClientWidth(), Offset }));
  TRect HeaderRect;
  GetWindowRect(Header(), &HeaderRect);
  MapWindowPoints(0, List->Handle(), &HeaderRect);
  EXPECT_EQ(HeaderRect.Left, -Offset);
  EXPECT_EQ(List->Items()->Item(3)->DisplayRect(drBounds).Left, -Offset);
}

TEST_F(ListViewTest, ListViewScrollsInColumnsAndIconViewsInPixels) {
  MakeReport(30, 1);
  List->SetViewStyle(vsList);
  List->SetBounds(10, 10, 150, 100);
  SendMessage(List->Handle(), LVM_SETCOLUMNWIDTH, 0, 80);
  Screen->PumpUntilIdle();
  const int Rows = List->ClientHeight() / RowHeight();
  const int Columns = (30 + Rows - 1) / Rows;
  EXPECT_EQ(SendMessage(List->Handle(), LVM_GETCOLUMNWIDTH, 0, 0), 80);
  EXPECT_EQ(Vert(), (ScrollState {}));
  EXPECT_EQ(Horz(), (ScrollState { 0, Columns - 1, List->ClientWidth() / 80, 0 }));
  SendMessage(List->Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(Horz().Pos, 1);
  EXPECT_EQ(List->Items()->Item(Rows)->DisplayRect(drBounds).Left, 0);
  List->Scroll(-80, 0);
  EXPECT_EQ(Horz().Pos, 0);

  for (TViewStyle Style : { vsSmallIcon, vsIcon }) {
    SCOPED_TRACE(int(Style));
    List->SetViewStyle(Style);
    Screen->PumpUntilIdle();
    const int Bottom = List->Items()->Item(29)->DisplayRect(drBounds).Bottom;
    ASSERT_GT(Bottom, List->ClientHeight());
    EXPECT_EQ(Vert(), (ScrollState { 0, Bottom - 1, List->ClientHeight(), 0 }));
    List->Scroll(0, 25);
    EXPECT_EQ(Vert().Pos, 25);
    EXPECT_EQ(List->Items()->Item(29)->DisplayRect(drBounds).Bottom, Bottom - 25);
    List->Scroll(0, -25);
  }
}

/// A list whose frame is taken away as the skinned lists do: no scroll-bar styles, no non-client area.
class BarlessListView : public TListView {
public:
  using TListView::TListView;

protected:
  void CreateParams(TCreateParams& Params) override {
    TListView::CreateParams(Params);
    Params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
  }
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_NCCALCSIZE) return;
    TListView::WndProc(Message);
  }
};

TEST_F(ListViewTest, ScrollInformationIsKeptWithoutVisibleBars) {
  MakeReport<BarlessListView>(30);
  FitRows(10);
  EXPECT_EQ(List->ClientWidth(), List->Width());
  EXPECT_EQ(List->ClientHeight(), List->Height());
  EXPECT_EQ(Vert(), (ScrollState { 0, 29, 10, 0 }));
  SendMessage(List->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(Vert().Pos, 20);
}

// ---- Header --------------------------------------------------------------------------------------------

/// Catches the header when it is announced, subclasses it (widening it by 25 pixels and counting what it
/// sees) and can give it its own procedure back.
class HeaderWatcher : public TListView {
public:
  using TListView::TListView;

  void Restore() { SetWindowLongPtr(Header, GWL_WNDPROC, LONG_PTR(Previous)); }

  HWND Header { 0 };
  WNDPROC Previous { nullptr };
  int Seen { 0 };
  int Announcements { 0 };

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_PARENTNOTIFY && LOWORD(Message.WParam) == WM_CREATE &&
        GetClassName(HWND(Message.LParam)) == "SysHeader32") {
      ++Announcements;
      Header = HWND(Message.LParam);
      Previous = WNDPROC(SetWindowLongPtr(Header, GWL_WNDPROC, LONG_PTR(&Subclass)));
    }
    TListView::WndProc(Message);
  }

private:
  LRESULT HeaderProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    ++Seen;
    if (Msg == WM_WINDOWPOSCHANGING) {
      reinterpret_cast<WINDOWPOS*>(LParam)->cx += 25;
      return 0;
    }
    return CallWindowProc(Previous, Wnd, Msg, WParam, LParam);
  }
  ::WindowProc Subclass { [this](HWND W, UINT M, WPARAM WP, LPARAM LP) { return HeaderProc(W, M, WP, LP); } };
};

TEST_F(ListViewTest, HeaderIsAnnouncedSubclassedAndRestored) {
  auto* L = MakeReport<HeaderWatcher>(5);
  ASSERT_NE(L->Header, HWND(0));
  EXPECT_EQ(L->Announcements, 1);
  EXPECT_EQ(L->Header, Header());
  EXPECT_EQ(GetParent(L->Header), L->Handle());

  // The list placed it with SetWindowPos, so the subclass widened it.
  TRect R;
  GetWindowRect(L->Header, &R);
  EXPECT_EQ(R.Width(), L->ClientWidth() + 25);

  const int Before = L->Seen;
  EXPECT_EQ(SendMessage(L->Header, HDM_GETITEMCOUNT, 0, 0), 3);
  TRect Item;
  ASSERT_TRUE(SendMessage(L->Header, HDM_GETITEMRECT, 1, LPARAM(&Item)));
  EXPECT_EQ(Item, (TRect { 100, 0, 200, L->Items()->Item(0)->Top() }));
  EXPECT_EQ(L->Seen, Before + 2);

  struct Hit {
    TPoint At;
    UINT Flags;
    int Item;
  };
  for (const Hit& H : { Hit { { 102, 5 }, HHT_ONDIVIDER, 0 }, Hit { { 150, 5 }, HHT_ONHEADER, 1 },
                        Hit { { 350, 5 }, HHT_NOWHERE, -1 } }) {
    HDHITTESTINFO Info;
    Info.pt = H.At;
    EXPECT_EQ(SendMessage(L->Header, HDM_HITTEST, 0, LPARAM(&Info)), H.Item);
    EXPECT_EQ(Info.flags, H.Flags);
  }

  const int Order[] = { 2, 0, 1 };
  ASSERT_TRUE(SendMessage(L->Header, HDM_SETORDERARRAY, 3, LPARAM(Order)));
  int Read[3] = {};
  SendMessage(L->Header, HDM_GETORDERARRAY, 3, LPARAM(Read));
  EXPECT_EQ(std::vector<int>(Read, Read + 3), std::vector<int>({ 2, 0, 1 }));
  SendMessage(L->Header, HDM_GETITEMRECT, 1, LPARAM(&Item));
  EXPECT_EQ(Item.Left, 200);
  EXPECT_GE(L->Items()->Item(0)->DisplayRect(drLabel).Left, 100);

  L->Restore();
  const int After = L->Seen;
  EXPECT_EQ(SendMessage(L->Header, HDM_GETITEMCOUNT, 0, 0), 3);
  L->SetWidth(250);
  Screen->PumpUntilIdle();
  EXPECT_EQ(L->Seen, After);
  GetWindowRect(L->Header, &R);
  EXPECT_EQ(R.Width(), 250);
}

TEST_F(ListViewTest, ANewWindowKeepsItemsSelectionAndScrollingAndAnnouncesItsOwnHeader) {
  auto* L = MakeReport<HeaderWatcher>(30);
  L->Items()->Item(4)->SetSelected(true);
  L->Column(1)->SetWidth(60);
  const HWND OldHeader = L->Header;
  L->SetBorderStyle(bsSingle);  // a new window
  Screen->PumpUntilIdle();
  EXPECT_EQ(L->Announcements, 2);
  EXPECT_NE(L->Header, OldHeader);
  EXPECT_FALSE(IsWindow(OldHeader));
  EXPECT_EQ(GetParent(L->Header), L->Handle());
  EXPECT_EQ(L->Items()->Count(), 30);
  EXPECT_EQ(L->ItemIndex(), 4);
  EXPECT_EQ(SendMessage(L->Header, HDM_GETITEMCOUNT, 0, 0), 3);
  TRect Item;
  SendMessage(L->Header, HDM_GETITEMRECT, 2, LPARAM(&Item));
  EXPECT_EQ(Item.Left, 160);
  EXPECT_EQ(Vert(), (ScrollState { 0, 29, L->VisibleRowCount(), 0 }));
}

TEST_F(ListViewTest, HeaderMouseResizesClicksAndReordersColumns) {
  MakeReport(3);
  List->SetFullDrag(true);
  std::vector<int> Clicked;
  List->OnColumnClick = [&](TObject*, TListColumn* Column) { Clicked.push_back(Column->Index()); };
  TPoint Origin;
  ClientToScreen(Header(), &Origin);
  const int Y = Origin.Y + 5;

  Screen->Drag({ Origin.X + 100, Y }, { Origin.X + 140, Y });
  EXPECT_EQ(List->Column(0)->Width(), 140);
  EXPECT_EQ(Horz().Max, 339);
  List->Column(0)->SetMaxWidth(150);
  Screen->Drag({ Origin.X + 140, Y }, { Origin.X + 200, Y });
  EXPECT_EQ(List->Column(0)->Width(), 150);

  Screen->Click(Origin.X + 200, Y);
  EXPECT_EQ(Clicked, std::vector<int>({ 1 }));

  // Column 2 dragged to the far left.
  Screen->Drag({ Origin.X + 280, Y }, { Origin.X + 10, Y });
  int Order[3] = {};
  SendMessage(Header(), HDM_GETORDERARRAY, 3, LPARAM(Order));
  EXPECT_EQ(std::vector<int>(Order, Order + 3), std::vector<int>({ 2, 0, 1 }));
  EXPECT_EQ(Clicked.size(), 1u);
}

// ---- Painting ------------------------------------------------------------------------------------------

TEST_F(ListViewTest, CustomDrawSkippingAnItemLeavesItsPixelsUntouched) {
  MakeReport(5);
  List->SetGridLines(true);
  std::vector<int> Drawn;
  List->OnCustomDrawItem = [&](TCustomListView* Sender, TListItem* Item, TCustomDrawState, bool& DefaultDraw) {
    Drawn.push_back(Item->Index());
    EXPECT_EQ(Sender->Canvas()->Brush()->Color(), Sender->Color());
    DefaultDraw = Item->Index() != 1;
  };
  PaintTarget Target(300, 200, clRed);
  SendMessage(List->Handle(), WM_PAINT, WPARAM(Target.DC()), 0);
  EXPECT_EQ(Drawn, std::vector<int>({ 0, 1, 2, 3, 4 }));
  const TRect Skipped = List->Items()->Item(1)->DisplayRect(drBounds);
  EXPECT_TRUE(Target.All({ 0, Skipped.Top, 300, Skipped.Bottom }, clRed));
  for (int Row : { 0, 2 }) {
    const TRect R = List->Items()->Item(Row)->DisplayRect(drBounds);
    EXPECT_EQ(Target.Pixel(250, R.Top + R.Height() / 2), ColorToRGB(clWindow)) << Row;
  }
  EXPECT_EQ(Target.Pixel(250, List->Items()->Item(4)->DisplayRect(drBounds).Bottom + 5), ColorToRGB(clWindow));
}

TEST_F(ListViewTest, SelectedRowsShowInHighlightAndWritingACellRepaintsItsRowWithoutAnEvent) {
  MakeReport(5);
  List->SetRowSelect(true);
  List->SetFocus();
  List->Items()->Item(2)->SetSelected(true);
  Screen->PumpUntilIdle();
  const TRect Row = List->Items()->Item(2)->DisplayRect(drBounds);
  const TPoint At = List->ClientToScreen({ 250, Row.Top + 1 });
  EXPECT_EQ(Screen->PixelAt(At.X, At.Y), ColorToRGB(clHighlight));

  int Changes = 0;
  List->OnChange = [&](TObject*, TListItem*, TItemChange) { ++Changes; };
  List->Items()->Item(3)->SubItems()->Put(1, "changed");
  TRect Update;
  ASSERT_TRUE(GetUpdateRect(List->Handle(), &Update, false));
  const TRect Third = List->Items()->Item(3)->DisplayRect(drBounds);
  EXPECT_EQ(Update.Top, Third.Top);
  EXPECT_EQ(Update.Bottom, Third.Bottom);
  EXPECT_EQ(Changes, 0);
  List->Items()->Item(3)->SetCaption("renamed");
  EXPECT_EQ(Changes, 1);
}

TEST_F(ListViewTest, ChildControlsPlacedOverItemsShowAboveThemWhileTheRowsStillPaint) {
  MakeReport(5);
  List->SetRowSelect(true);
  auto* Editor = Add<Probe>(List, "Editor", Bounds(205, List->Items()->Item(2)->Top(), 90, 14));
  Editor->Fill = clLime;
  List->SetFocus();
  List->Items()->Item(0)->SetSelected(true);
  Screen->PumpUntilIdle();
  List->Invalidate();
  Screen->PumpUntilIdle();
  const TPoint At = Editor->ClientToScreen({ 10, 5 });
  EXPECT_EQ(Screen->PixelAt(At.X, At.Y), clLime);
  const TPoint Row = List->ClientToScreen({ 250, List->Items()->Item(0)->Top() + 3 });
  EXPECT_EQ(Screen->PixelAt(Row.X, Row.Y), ColorToRGB(clHighlight));
}

/// Counts its DoDraw calls, as a list drawing with alpha would take them.
class CountingImages : public TImageList {
public:
  CountingImages(TComponent* AOwner) : TImageList(AOwner, 16, 16) {}
  int Draws { 0 };

protected:
  void DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled) override {
    ++Draws;
    TImageList::DoDraw(Index, Canvas, X, Y, Style, Enabled);
  }
};

TEST_F(ListViewTest, ImagesAreDrawnThroughTheImageListsOwnDrawing) {
  MakeReport(4);
  auto* Images = new CountingImages(Root.get());
  TBitmap Picture;
  Picture.SetSize(32, 16);
  Images->Add(&Picture, nullptr);
  List->SetSmallImages(Images);
  EXPECT_EQ(HIMAGELIST(SendMessage(List->Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)), Images->Handle());
  for (int I = 0; I < 4; ++I) List->Items()->Item(I)->SetImageIndex(I % 3 == 0 ? 1 : 0);
  List->Items()->Item(2)->SetSubItemImages(0, 0);
  Images->Draws = 0;
  Screen->PumpUntilIdle();
  EXPECT_EQ(Images->Draws, 5);
  const TRect Icon = List->Items()->Item(1)->DisplayRect(drIcon);
  EXPECT_EQ(Icon.Width(), 16);
  EXPECT_EQ(List->Items()->Item(1)->DisplayRect(drLabel).Left, Icon.Right + 2);
}

// ---- Notifications -------------------------------------------------------------------------------------

TEST_F(ListViewTest, EveryRowWhoseSelectionChangesRaisesOnSelectItemOnce) {
  MakeReport(8);
  std::vector<String> Events;
  List->OnSelectItem = [&](TObject*, TListItem* Item, bool Selected) {
    Events.push_back(Format("%s%d", Selected ? "+" : "-", Item->Index()));
  };
  const auto Row = [&](int I) { return List->ClientToScreen({ 20, List->Items()->Item(I)->Top() + 3 }); };
  const auto ClickRow = [&](int I, std::initializer_list<UINT> Held) {
    for (UINT Key : Held) Screen->KeyDown(Key);
    Screen->Click(Row(I).X, Row(I).Y);
    for (UINT Key : Held) Screen->KeyUp(Key);
  };
  struct Step {
    const char* What;
    std::function<void()> Do;
    std::vector<String> Expected;
  };
  const std::vector<Step> Steps {
    { "multi: code selects 2", [&] { List->SetMultiSelect(true), List->Items()->Item(2)->SetSelected(true); }, { "+2" } },
    { "code adds 5", [&] { List->Items()->Item(5)->SetSelected(true); }, { "+5" } },
    { "click 3 replaces both", [&] { ClickRow(3, {}); }, { "-2", "-5", "+3" } },
    { "shift click 6 extends", [&] { ClickRow(6, { VK_SHIFT }); }, { "+4", "+5", "+6" } },
    { "ctrl click 4 drops it", [&] { ClickRow(4, { VK_CONTROL }); }, { "-4" } },
    { "clear selection", [&] { List->ClearSelection(); }, { "-3", "-5", "-6" } },
    { "single: code selects 1", [&] { List->SetMultiSelect(false), List->Items()->Item(1)->SetSelected(true); }, { "+1" } },
    { "code selects 4", [&] { List->SetSelected(List->Items()->Item(4)); }, { "-1", "+4" } },
    { "down key", [&] { List->SetItemFocused(List->Items()->Item(4)), Screen->Key(VK_DOWN); }, { "-4", "+5" } },
    { "click below the rows", [&] { Screen->Click(Row(0).X, Row(7).Y + RowHeight() + 2); }, { "-5" } },
    { "ItemIndex", [&] { List->SetItemIndex(7); }, { "+7" } },
  };
  for (const Step& S : Steps) {
    SCOPED_TRACE(S.What);
    Events.clear();
    S.Do();
    EXPECT_EQ(Events, S.Expected);
  }
  EXPECT_EQ(List->ItemIndex(), 7);
  EXPECT_EQ(List->Selected(), List->Items()->Item(7));
}

TEST_F(ListViewTest, CheckBoxesToggleByClickAndSpaceAsStateChangesWithoutSelection) {
  MakeReport(3);
  List->SetCheckboxes(true);
  Screen->PumpUntilIdle();
  std::vector<String> Events;
  List->OnChange = [&](TObject*, TListItem* Item, TItemChange Change) {
    if (Change == ctState) Events.push_back(Format("%d:%s", Item->Index(), Item->Checked() ? "on" : "off"));
  };
  List->OnSelectItem = [&](TObject*, TListItem*, bool) { Events.push_back("select"); };
  const TRect Box = List->Items()->Item(1)->DisplayRect(drIcon);
  ClickAt(List, { Box.Left - 9, Box.Top + Box.Height() / 2 });
  EXPECT_EQ(Events, std::vector<String>({ "1:on" }));
  EXPECT_TRUE(List->Items()->Item(1)->Checked());
}

TEST_F(ListViewTest, OwnerDataListScrollsTenThousandItemsFetchingOnlyWhatShows) {
  auto* L = new TListView(Root.get());
  L->SetBorderStyle(bsNone);
  L->SetViewStyle(vsReport);
  L->SetOwnerData(true);
  L->Columns()->Add()->SetWidth(150);
  L->Columns()->Add()->SetWidth(100);
  std::vector<int> Fetched;
  L->OnData = [&](TObject*, TListItem* Item) {
    Fetched.push_back(Item->Index());
    Item->SetCaption(Format("Item %d", Item->Index()));
    Item->SubItems()->Add(IntToStr(Item->Index() * 2));
  };
  L->OnDataFind = [&](TObject*, TItemFind Find, const String& Text, TPoint, void*, int Start, TSearchDirection, bool Wrap,
                      int& Index) {
    EXPECT_EQ(Find, ifPartialString);
    EXPECT_TRUE(Wrap);
    Index = Text == "Item 42" ? 42 : Start;
  };
  L->Items()->SetCount(10000);
  L->SetBounds(0, 0, 300, 200);
  L->SetParent(Root.get());
  List = L;
  ShowRoot();
  const int Page = L->VisibleRowCount();
  EXPECT_EQ(Vert(), (ScrollState { 0, 9999, Page, 0 }));
  EXPECT_LE(Fetched.size(), size_t(Page + 2));

  Fetched.clear();
  SendMessage(L->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  Screen->PumpUntilIdle();
  EXPECT_EQ(Vert().Pos, 10000 - Page);
  ASSERT_FALSE(Fetched.empty());
  EXPECT_GE(*std::min_element(Fetched.begin(), Fetched.end()), 10000 - Page);
  EXPECT_LE(Fetched.size(), size_t(Page + 2));
  EXPECT_EQ(L->Items()->Item(3), L->Items()->Item(9000));
  EXPECT_EQ(L->Items()->Item(9000)->SubItems()->Strings(0), "18000");

  L->SetFocus();
  Screen->Key(VK_HOME);
  EXPECT_EQ(L->ItemIndex(), 0);
  EXPECT_EQ(Vert().Pos, 0);
  Screen->TypeText("I");
  EXPECT_EQ(L->ItemIndex(), 1);
  L->SetMultiSelect(true);
  L->SelectAll();
  EXPECT_EQ(L->SelCount(), 10000);
}

}  // namespace

namespace {

TEST_F(ListViewTest, CaptionsAreEditedInPlaceCommittedByEnterOrLeavingAndCancelledByEsc) {
  MakeReport(4);
  std::vector<String> Edited;
  List->OnEdited = [&](TObject*, TListItem* Item, String& S) {
    Edited.push_back(Format("%d:%s", Item->Index(), S.c_str()));
    S += "!";
  };
  struct Case {
    const char* How;
    std::function<void()> End;
    String Caption;
    std::vector<String> Edited;
  };
  const std::vector<Case> Cases {
    { "enter", [&] { Screen->Key(VK_RETURN); }, "new!", { "2:new" } },
    { "esc", [&] { Screen->Key(VK_ESCAPE); }, "Row 2", {} },
    { "click on another row", [&] { ClickAt(List, { 20, List->Items()->Item(0)->Top() + 3 }); }, "new!", { "2:new" } },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.How);
    List->Items()->Item(2)->SetCaption("Row 2");
    Edited.clear();
    List->SetFocus();
    ASSERT_TRUE(List->Items()->Item(2)->EditCaption());
    EXPECT_TRUE(List->IsEditing());
    const HWND Editor = HWND(SendMessage(List->Handle(), LVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(Editor, HWND(0));
    EXPECT_EQ(GetParent(Editor), List->Handle());
    EXPECT_EQ(GetFocus(), Editor);
    EXPECT_EQ(GetWindowText(Editor), "Row 2");
    Screen->TypeText("new");
    C.End();
    EXPECT_FALSE(List->IsEditing());
    EXPECT_EQ(List->Items()->Item(2)->Caption(), C.Caption);
    EXPECT_EQ(Edited, C.Edited);
    EXPECT_EQ(GetFocus(), List->Handle());
  }
}

TEST_F(ListViewTest, EditingIsRefusedWhenReadOnlyOrByOnEditing) {
  MakeReport(2);
  bool Allow = false;
  List->OnEditing = [&](TObject*, TListItem*, bool& AllowEdit) { AllowEdit = Allow; };
  EXPECT_FALSE(List->Items()->Item(0)->EditCaption());
  Allow = true;
  List->SetReadOnly(true);
  EXPECT_FALSE(List->Items()->Item(0)->EditCaption());
  List->SetReadOnly(false);
  EXPECT_TRUE(List->Items()->Item(0)->EditCaption());
  List->Items()->Item(0)->CancelEdit();
  EXPECT_FALSE(List->IsEditing());
  // Deleting the item being edited ends the edit without taking its text.
  ASSERT_TRUE(List->Items()->Item(1)->EditCaption());
  List->Items()->Delete(1);
  EXPECT_FALSE(List->IsEditing());
  Screen->PumpUntilIdle();
}

}  // namespace
