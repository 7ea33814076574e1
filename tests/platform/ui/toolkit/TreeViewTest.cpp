// The tree view: expansion with its questions and the rows and scroll information that follow, the
// 32-bit thumb position, selection by code and by the user, custom draw that skips a node, editing in
// place, and image lists set through the window procedure.
#include "platform/base/SysUtils.h"
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TImageList.h"
#include "platform/ui/toolkit/TTreeView.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "tests/platform/ui/ViewFixture.h"

namespace {

class TreeViewTest : public ViewTest {
protected:
  /// A tree without border, Rows rows high (and half a row more), shown.
  template <class TTree = TTreeView> TTree* MakeTree(int Rows = 10) {
    auto* T = new TTree(Root.get());
    T->SetBorderStyle(bsNone);
    T->SetBounds(10, 10, 200, 100);
    T->SetParent(Root.get());
    Tree = T;
    ShowRoot();
    T->SetHeight(RowHeight() * Rows + RowHeight() / 2);
    Screen->PumpUntilIdle();
    return T;
  }
  int RowHeight() { return int(SendMessage(Tree->Handle(), TVM_GETITEMHEIGHT, 0, 0)); }
  ScrollState Vert() { return ScrollOf(Tree->Handle(), SB_VERT); }
  /// A top-level node A with Children children, then top-level nodes B and C.
  TTreeNode* AddFamily(int Children) {
    TTreeNode* A = Tree->Items()->Add(nullptr, "A");
    for (int I = 0; I < Children; ++I) Tree->Items()->AddChild(A, Format("A%d", I));
    Tree->Items()->Add(nullptr, "B");
    Tree->Items()->Add(nullptr, "C");
    return A;
  }

  TTreeView* Tree = nullptr;
};

TEST_F(TreeViewTest, ExpandingAndCollapsingAskFirstAndChangeTheRowsAndTheScrollInformation) {
  MakeTree();
  TTreeNode* A = AddFamily(20);
  std::vector<String> Events;
  bool AllowExpansion = true;
  Tree->OnExpanding = [&](TObject*, TTreeNode* Node, bool& Allow) {
    Events.push_back("expanding " + Node->Text());
    Allow = AllowExpansion;
  };
  Tree->OnExpanded = [&](TObject*, TTreeNode* Node) { Events.push_back("expanded " + Node->Text()); };
  Tree->OnCollapsing = [&](TObject*, TTreeNode* Node, bool&) { Events.push_back("collapsing " + Node->Text()); };
  Tree->OnCollapsed = [&](TObject*, TTreeNode* Node) { Events.push_back("collapsed " + Node->Text()); };
  Tree->OnChange = [&](TObject*, TTreeNode* Node) { Events.push_back("change " + Node->Text()); };
  Screen->PumpUntilIdle();
  EXPECT_EQ(SendMessage(Tree->Handle(), TVM_GETVISIBLECOUNT, 0, 0), 10);
  EXPECT_EQ(SendMessage(Tree->Handle(), TVM_GETCOUNT, 0, 0), 23);
  EXPECT_EQ(Vert(), (ScrollState { 0, 2, 3, 0 }));  // the page never exceeds the range
  EXPECT_EQ(A->Item(3)->DisplayRect(false), TRect {});

  AllowExpansion = false;
  A->Expand(false);
  EXPECT_FALSE(A->Expanded());
  AllowExpansion = true;
  A->Expand(false);
  EXPECT_EQ(Events, std::vector<String>({ "expanding A", "expanding A", "expanded A" }));
  EXPECT_EQ(Vert(), (ScrollState { 0, 22, 10, 0 }));
  EXPECT_EQ(A->Item(3)->DisplayRect(false), (TRect { 0, 4 * RowHeight(), Tree->ClientWidth(), 5 * RowHeight() }));

  SendMessage(Tree->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(Vert().Pos, 13);
  EXPECT_EQ(Tree->TopItem(), A->Item(12));
  A->Item(15)->SetSelected(true);

  // A click on A's button collapses it; the selection inside moves to A.
  SendMessage(Tree->Handle(), WM_VSCROLL, SB_TOP, 0);
  Events.clear();
  const TRect Line = A->DisplayRect(false);
  ClickAt(Tree, { Tree->Indent() / 2, Line.Top + Line.Height() / 2 });
  EXPECT_EQ(Events, std::vector<String>({ "collapsing A", "change A", "collapsed A" }));
  EXPECT_EQ(Tree->Selected(), A);
  EXPECT_EQ(Vert(), (ScrollState { 0, 2, 3, 0 }));
}

TEST_F(TreeViewTest, ANodeWhoseChildrenComeOnDemandLosesItsButtonWhenNoneCome) {
  MakeTree();
  TTreeNode* Lazy = Tree->Items()->Add(nullptr, "lazy");
  TTreeNode* Empty = Tree->Items()->Add(nullptr, "empty");
  Lazy->SetHasChildren(true);
  Empty->SetHasChildren(true);
  Tree->OnExpanding = [&](TObject*, TTreeNode* Node, bool&) {
    if (Node == Lazy) Tree->Items()->AddChild(Node, "child");
  };
  Lazy->Expand(false);
  Empty->Expand(false);
  EXPECT_TRUE(Lazy->Expanded());
  EXPECT_EQ(Vert().Max, 2);
  EXPECT_FALSE(Empty->Expanded());
  EXPECT_FALSE(Empty->HasChildren());
  Lazy->DeleteChildren();
  EXPECT_FALSE(Lazy->HasChildren());
  EXPECT_FALSE(Lazy->Expanded());
  EXPECT_EQ(Vert().Max, 1);
}

TEST_F(TreeViewTest, ThumbPositionsAboveSixteenBitsComeFromTheScrollInformation) {
  MakeTree();
  Tree->Items()->BeginUpdate();
  for (int I = 0; I < 70000; ++I) Tree->Items()->Add(nullptr, "node");
  Tree->Items()->EndUpdate();
  Screen->PumpUntilIdle();
  EXPECT_EQ(Vert(), (ScrollState { 0, 69999, 10, 0 }));

  SCROLLINFO Info;
  Info.fMask = SIF_POS;
  Info.nPos = 68000;
  SetScrollInfo(Tree->Handle(), SB_VERT, Info, true);
  SendMessage(Tree->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, Word(68000 & 0xFFFF)), 0);
  EXPECT_EQ(Tree->TopItem()->AbsoluteIndex(), 68000);
  EXPECT_EQ(Vert().Pos, 68000);

  // Without the scroll information set first, the message's own position counts.
  SendMessage(Tree->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 100), 0);
  EXPECT_EQ(Tree->TopItem()->AbsoluteIndex(), 100);
}

TEST_F(TreeViewTest, SelectionChangesByCodeAndByTheUserAskOnChangingAndReportOnChange) {
  MakeTree();
  TTreeNode* A = AddFamily(3);
  A->Expand(false);
  std::vector<String> Events;
  String Refuse;
  Tree->OnChanging = [&](TObject*, TTreeNode* Node, bool& Allow) { Allow = !Node || Node->Text() != Refuse; };
  Tree->OnChange = [&](TObject*, TTreeNode* Node) { Events.push_back(Node ? Node->Text() : "none"); };
  const auto ClickText = [&](TTreeNode* Node) {
    const TRect T = Node->DisplayRect(true);
    ClickAt(Tree, { T.Left + 3, T.Top + 3 });
  };
  struct Step {
    const char* What;
    std::function<void()> Do;
    std::vector<String> Expected;
    const char* SelectedText;
  };
  const std::vector<Step> Steps {
    { "code", [&] { Tree->SetSelected(A->Item(1)); }, { "A1" }, "A1" },
    { "same again", [&] { A->Item(1)->SetSelected(true); }, {}, "A1" },
    { "click", [&] { ClickText(A); }, { "A" }, "A" },
    { "down key", [&] { Screen->Key(VK_DOWN); }, { "A0" }, "A0" },
    { "end key", [&] { Screen->Key(VK_END); }, { "C" }, "C" },
    { "refused", [&] { Refuse = "B", Screen->Key(VK_UP); }, {}, "C" },
    { "left key goes to the parent", [&] { Refuse = "", Tree->SetSelected(A->Item(2)), Screen->Key(VK_LEFT); }, { "A2", "A" }, "A" },
    { "typing", [&] { Screen->TypeText("b"); }, { "B" }, "B" },
    { "none", [&] { Tree->SetSelected(nullptr); }, { "none" }, "" },
  };
  for (const Step& S : Steps) {
    SCOPED_TRACE(S.What);
    Events.clear();
    S.Do();
    EXPECT_EQ(Events, S.Expected);
    EXPECT_EQ(Tree->Selected() ? Tree->Selected()->Text() : String(), S.SelectedText);
  }
}

TEST_F(TreeViewTest, CustomDrawSkippingANodeLeavesItsRowUntouched) {
  MakeTree();
  AddFamily(2)->Expand(false);
  std::vector<String> Drawn;
  Tree->OnAdvancedCustomDrawItem = [&](TCustomTreeView* Sender, TTreeNode* Node, TCustomDrawState, TCustomDrawStage Stage,
                                       bool&, bool& DefaultDraw) {
    EXPECT_EQ(Stage, cdPrePaint);
    EXPECT_EQ(Sender->Canvas()->Brush()->Color(), Sender->Color());
    Drawn.push_back(Node->Text());
    DefaultDraw = Node->Text() != "A0";
  };
  PaintTarget Target(200, 300, clRed);
  SendMessage(Tree->Handle(), WM_PAINT, WPARAM(Target.DC()), 0);
  EXPECT_EQ(Drawn, std::vector<String>({ "A", "A0", "A1", "B", "C" }));
  const int H = RowHeight();
  EXPECT_TRUE(Target.All({ 0, H, 200, 2 * H }, clRed));
  EXPECT_EQ(Target.Pixel(190, H / 2), ColorToRGB(clWindow));
  EXPECT_EQ(Target.Pixel(190, 2 * H + H / 2), ColorToRGB(clWindow));
}

TEST_F(TreeViewTest, TextsAreEditedInPlace) {
  MakeTree();
  TTreeNode* A = AddFamily(1);
  Tree->OnEdited = [&](TObject*, TTreeNode*, String& S) { S = Trim(S); };
  Tree->SetFocus();
  ASSERT_TRUE(A->EditText());
  EXPECT_TRUE(Tree->IsEditing());
  Screen->TypeText(" new ");
  Screen->Key(VK_RETURN);
  EXPECT_EQ(A->Text(), "new");
  ASSERT_TRUE(A->EditText());
  Screen->TypeText("other");
  Screen->Key(VK_ESCAPE);
  EXPECT_EQ(A->Text(), "new");
  EXPECT_FALSE(Tree->IsEditing());
  Tree->SetReadOnly(true);
  EXPECT_FALSE(A->EditText());
}

/// Replaces every image list the tree is given by its own, as a shell tree keeps its system list.
class ImageKeeper : public TTreeView {
public:
  using TTreeView::TTreeView;
  HIMAGELIST Own { 0 };

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == TVM_SETIMAGELIST && Message.WParam == TVSIL_NORMAL) Message.LParam = LPARAM(Own);
    TTreeView::WndProc(Message);
  }
};

TEST_F(TreeViewTest, ImageListsReachTheWindowThroughItsProcedureAndDrawThroughTheList) {
  auto* T = MakeTree<ImageKeeper>();
  TImageList Mine(nullptr, 16, 16), Theirs(nullptr, 16, 16);
  TBitmap Picture;
  Picture.SetSize(16, 16);
  Mine.Add(&Picture, nullptr);
  T->Own = Mine.Handle();
  T->SetImages(&Theirs);
  EXPECT_EQ(HIMAGELIST(SendMessage(T->Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0)), Mine.Handle());
  TTreeNode* A = AddFamily(0);
  int Asked = 0;
  T->OnGetImageIndex = [&](TObject*, TTreeNode* Node) {
    ++Asked;
    Node->SetImageIndex(0);
  };
  Screen->PumpUntilIdle();
  EXPECT_EQ(Asked, 3);
  EXPECT_EQ(A->DisplayRect(true).Left, T->Indent() + 16 + 1);
  T->SetImages(nullptr);
}

}  // namespace
