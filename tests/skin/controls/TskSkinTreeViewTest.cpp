// The skinned tree view: colours and button images from the skin, fading connector lines, the external
// bars following expansion and scrolling a tree beyond 16-bit rows, and the node painter.
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TImageList.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/controls/TskSkinCustomTreeView.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/skFadingLine.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class SkinTreeViewTest : public SkinControlTest {
protected:
  TskSkinTreeView* MakeTree(TRect Bounds = ::Bounds(10, 10, 200, 150)) {
    Tree = Add<TskSkinTreeView>(Bounds);
    VBar = Add<TskSkinScrollBar>(::Bounds(Bounds.Right, Bounds.Top, 19, Bounds.Height()));
    VBar->SetKind(sbVertical);
    Tree->SetVScrollBar(VBar);
    return Tree;
  }
  /// Roots of Children children each.
  void Fill(int Roots, int Children) {
    Tree->Items()->BeginUpdate();
    for (int R = 0; R < Roots; ++R) {
      TTreeNode* Root = Tree->Items()->Add(nullptr, Format("根 %d", R));
      for (int C = 0; C < Children; ++C) Tree->Items()->AddChild(Root, Format("叶 %d", C));
    }
    Tree->Items()->EndUpdate();
    Display->PumpUntilIdle();
  }
  /// A "treeview" record of black on white with 13-pixel expand images, and a "listbox" record.
  void BuildSkin(bool WithNoExpandImage = true) {
    TskSkinModelBuilder Skin(Model);
    const int Picture = Skin.AddPicture(80, 40);
    auto& Record = Skin.Add<TskDataSkinTreeView>("treeview", "treeview");
    Record.PictureIndex = Picture;
    Record.FontColor = clBlack;
    Record.BGColor = clWhite;
    Record.ExpandImageRect = Skin.Paint(Picture, Rect(0, 0, 13, 13), clRed, clFuchsia);
    if (WithNoExpandImage) Record.NoExpandImageRect = Skin.Paint(Picture, Rect(20, 0, 33, 13), clBlue, clFuchsia);
    auto& Items = Skin.Add<TskDataSkinListBox>("listbox", "listbox");
    Items.PictureIndex = Picture;
    Items.ActiveItemRect = Skin.Paint(Picture, Rect(40, 0, 60, 20), clGreen);
    Items.FocusItemRect = Skin.Paint(Picture, Rect(60, 0, 80, 20), clLime);
    Items.ItemTextRect = Rect(2, 2, 18, 18);
    Skin.Finish();
  }
  int VScrollMax() {
    int Min = 0, Max = 0;
    GetScrollRange(Tree->Handle(), SB_VERT, &Min, &Max);
    return Max;
  }

  TskSkinTreeView* Tree { nullptr };
  TskSkinScrollBar* VBar { nullptr };
};

TEST_F(SkinTreeViewTest, LinesAndButtonsTakeTheirColoursFromTheSkinOrTheGreyWithout) {
  MakeTree();
  Tree->ChangeSkinData();
  EXPECT_EQ(Tree->LineColor(), TColor(0x808080));
  BuildSkin();
  Tree->SetSkinData(&Model);
  EXPECT_EQ(Tree->LineColor(), TColor(RGB(191, 191, 191)));
  EXPECT_EQ(Tree->ButtonColor(), TColor(RGB(127, 127, 127)));
  EXPECT_EQ(Tree->Color(), clWhite);
}

TEST_F(SkinTreeViewTest, ConnectorsFadeOverTheirSecondHalfAndAOnePixelOneIsOpaque) {
  EXPECT_EQ(FadingLineAlphas(10), (std::vector<Byte> { 255, 255, 255, 255, 255, 255, 204, 153, 102, 51 }));
  EXPECT_EQ(FadingLineAlphas(1), (std::vector<Byte> { 255 }));
  EXPECT_TRUE(FadingLineAlphas(0).empty());
}

TEST_F(SkinTreeViewTest, ButtonImagesComeFromTheSkinOrAButtonImageListOrAreDrawn) {
  MakeTree();
  BuildSkin();
  Tree->SetSkinData(&Model);
  EXPECT_EQ(Tree->ExpandImage()->Width(), 13);
  EXPECT_EQ(Tree->ExpandImage()->Height(), 13);
  EXPECT_EQ(Tree->ButtonSize(), 4);

  TImageList Buttons(nullptr);
  Buttons.SetSize(16, 12);
  Tree->SetButtonImageList(&Buttons);
  EXPECT_EQ(Tree->ButtonSize(), 8);
  Tree->SetButtonImageList(nullptr);

  BuildSkin(false);
  Tree->ChangeSkinData();
  EXPECT_TRUE(Tree->ExpandImage()->Empty());
  EXPECT_TRUE(Tree->NoExpandImage()->Empty());
  EXPECT_EQ(Tree->ButtonSize(), 5) << "the drawn plus and minus";
}

TEST_F(SkinTreeViewTest, TheVerticalBarFollowsExpandingAndCollapsing) {
  MakeTree();
  Fill(3, 20);
  EXPECT_FALSE(VBar->Visible()) << "three rows fit";
  Tree->Items()->GetFirstNode()->Expand(false);
  Display->PumpUntilIdle();
  ASSERT_TRUE(VBar->Visible());
  EXPECT_EQ(VBar->Max(), VScrollMax());
  EXPECT_EQ(VBar->PageSize(), int(SendMessage(Tree->Handle(), TVM_GETVISIBLECOUNT, 0, 0)));
  Tree->Items()->GetFirstNode()->Collapse(false);
  Display->PumpUntilIdle();
  EXPECT_FALSE(VBar->Visible());
}

TEST_F(SkinTreeViewTest, ATreeOfSeventyThousandRowsScrollsToItsEndByTheThumb) {
  MakeTree();
  Fill(70000, 0);
  ASSERT_TRUE(VBar->Visible());
  const int Page = VBar->PageSize();
  VBar->SetPosition(VBar->Max());
  Display->PumpUntilIdle();
  EXPECT_EQ(Tree->TopItem()->AbsoluteIndex(), 70000 - Page) << "the full 32-bit position reached the tree";
  EXPECT_EQ(VBar->Position(), 70000 - Page);
}

TEST_F(SkinTreeViewTest, TheNodePainterDrawsTheSelectedNodeFromTheListBoxRecordOrLeavesItToTheNativeTree) {
  MakeTree();
  Fill(3, 2);
  BuildSkin();
  Tree->SetSkinData(&Model);
  TTreeNode* Node = Tree->Items()->GetFirstNode()->GetNextSibling();
  Tree->SetSelected(Node);
  Tree->SetDrawSkin(true);
  const TRect Tx = Node->DisplayRect(true);
  EXPECT_EQ(Shown(Tree, Tx.Right - 2, Tx.Top + 2), clGreen) << "without the focus: the active piece";
  Tree->SetFocus();
  EXPECT_EQ(Shown(Tree, Tx.Right - 2, Tx.Top + 2), clLime);

  Tree->SetItemSkinDataName("missing");
  Tree->Invalidate();
  const TColor Native = Shown(Tree, Tx.Right - 2, Tx.Top + 2);
  EXPECT_NE(Native, clLime);
  Tree->SetItemSkinDataName("listbox");
  Tree->SetDrawSkin(false);
  EXPECT_FALSE(Tree->OnAdvancedCustomDrawItem);
  EXPECT_EQ(Shown(Tree, Tx.Right - 2, Tx.Top + 2), Native);
}

// Each row's paint fills the row in the tree's colour before drawing it: the highlight of a node the
// keyboard moved away from is painted over.
TEST_F(SkinTreeViewTest, TheNodePainterFillsEveryRowSoAMovedSelectionLeavesNoHighlightBehind) {
  MakeTree();
  Fill(3, 2);
  BuildSkin();
  Tree->SetSkinData(&Model);
  Tree->SetDrawSkin(true);
  TTreeNode* First = Tree->Items()->GetFirstNode();
  Tree->SetSelected(First);
  Tree->SetFocus();
  const TRect Tx = First->DisplayRect(true);
  ASSERT_EQ(Shown(Tree, Tx.Right - 2, Tx.Top + 2), clLime);
  Display->Key(VK_DOWN);
  Display->PumpUntilIdle();
  EXPECT_EQ(Tree->Selected(), First->GetNextSibling());
  EXPECT_EQ(Shown(Tree, Tx.Right - 2, Tx.Top + 2), clWhite);
}

}  // namespace
