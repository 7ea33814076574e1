// The select-directory dialog: where it opens, the folder a click and OK answer, Cancel and nodes without
// a path leaving Directory alone, the remembered size, and the tool bar's typed paths and New Folder.
#include <sys/stat.h>

#include <functional>

#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "resources/EmbeddedSkins.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/controls/TskSkinToolBar.h"
#include "skin/controls/TskPngImageList.h"
#include "skin/core/TskSkinData.h"
#include "skin/dialogs/TskCustomShellTreeView.h"
#include "skin/dialogs/TskMessageForm.h"
#include "skin/dialogs/TskSelDirDlgForm.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"
#include "skin/dialogs/skFileCtrlPaths.h"
#include "skin/form/TskSkinForm.h"
#include "tests/platform/shell/ShellTestSupport.h"
#include "tests/platform/ui/AppFixture.h"
#include "tests/skin/dialogs/MessageBoxAnswer.h"
#include "tests/skin/support/EmbeddedSkinModels.h"

namespace {

/// Folders with Chinese names, one of them hidden, in a temporary folder that is also HOME.
class SelectDirectoryDialogTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    for (const char* Folder : { "视频", "视频/旅行", "视频/旅行/二〇二六 春节", "视频/.缓存", "音乐" })
      ASSERT_EQ(mkdir((Dir / Folder).c_str(), 0755), 0) << Folder;
    Dialog = new TskSkinSelectDirectoryDialog(App.get());
  }

  TskSelDirDlgForm* Box() const { return Dialog->DlgFrm(); }
  TskSkinDirTreeView* Tree() const { return Box()->DirTreeView; }
  static TTreeNode* ChildNamed(TTreeNode* Node, const String& Text) {
    for (TTreeNode* Child = Node->GetFirstChild(); Child; Child = Child->GetNextSibling())
      if (Child->Text() == Text) return Child;
    return nullptr;
  }
  /// Runs Inspect on the open dialog, then Finish (a click on Cancel unless given).
  void WhileOpen(std::function<void()> Inspect, std::function<void()> Finish = {}) {
    Later([this, Inspect, Finish] {
      ASSERT_NE(Box(), nullptr);
      Display->PumpUntilIdle();
      Inspect();
      if (Finish) Finish();
      else ClickOn(Box()->CancelButton);
    });
  }
  void ClickNode(TTreeNode* Node) {
    const TRect R = Node->DisplayRect(true);
    const TPoint P = Tree()->ClientToScreen({ R.Left + 3, (R.Top + R.Bottom) / 2 });
    Display->Click(P.X, P.Y);
    Display->PumpUntilIdle();
  }
  /// Types Text into the path edit and presses Enter there.
  void TypePath(const String& Text) {
    Box()->DirEdit->SetFocus();
    Box()->DirEdit->SetText(Text);
    Display->Key(VK_RETURN);
    Display->PumpUntilIdle();
  }

  TTempFolder Dir;
  TEnvironmentOverride Home { "HOME", Dir.Path() };
  TskSkinSelectDirectoryDialog* Dialog { nullptr };
};

TEST_F(SelectDirectoryDialogTest, OpensAtDirectoryAndOkAnswersTheClickedFolder) {
  Dialog->SetDirectory(Dir / "视频");
  std::vector<String> Events;
  Dialog->OnShow = [&](TObject*) { Events.push_back(Box() ? "show with form" : "show"); };
  Dialog->OnClose = [&](TObject*) { Events.push_back(Box() ? "close with form" : "close"); };
  WhileOpen([this] {
    EXPECT_EQ(Box()->Caption(), "Select folder");
    ASSERT_TRUE(Tree()->Selected());
    EXPECT_EQ(Tree()->Selected()->Text(), "视频");
    EXPECT_EQ(Tree()->Path(), Dir / "视频");
    for (TTreeNode* Node = Tree()->Selected(); Node; Node = Node->Parent()) EXPECT_TRUE(Node->Expanded()) << Node->Text();
    EXPECT_TRUE(ChildNamed(Tree()->Selected(), ".缓存")) << "hidden folders are offered";
    EXPECT_FALSE(Tree()->HideSelection());
    EXPECT_EQ(Screen->ActiveControl(), Tree());

    EXPECT_EQ(TSize(Box()->ClientWidth(), Box()->ClientHeight()), TSize(280, 280));
    EXPECT_FALSE(Box()->ToolPanel) << "without the tool bar only the tree and the buttons";
    EXPECT_FALSE(Box()->DirEdit);
    EXPECT_EQ(Box()->BottomPanel->Height(), 50);
    EXPECT_EQ(Box()->OkButton->BoundsRect(), Bounds(20, 15, 70, 25));
    EXPECT_EQ(Box()->CancelButton->BoundsRect(), Bounds(100, 15, 70, 25));
    EXPECT_EQ(Box()->OkButton->Caption(), "OK");
    EXPECT_EQ(Box()->CancelButton->Caption(), "Cancel");
    EXPECT_EQ(Tree()->VScrollBar(), Box()->VScrollBar);
    EXPECT_EQ(Tree()->HScrollBar(), Box()->HScrollBar);

    ClickNode(ChildNamed(Tree()->Selected(), "旅行"));
    EXPECT_EQ(Tree()->Path(), Dir / "视频/旅行");
  }, [this] { ClickOn(Box()->OkButton); });
  EXPECT_TRUE(Dialog->Execute());
  EXPECT_EQ(Dialog->Directory(), Dir / "视频/旅行");
  EXPECT_EQ(Events, (std::vector<String> { "show", "close with form" }));
  EXPECT_EQ(Box(), nullptr);
}

TEST_F(SelectDirectoryDialogTest, CancelAndNodesWithoutAPathLeaveDirectoryAsItWas) {
  struct Case {
    const char* Name;
    String Start;
    bool Ok;                  // close with OK, else Cancel
    const char* Selected;     // the node selected at the start
  };
  const Case Cases[] = {
    { "Cancel on a folder", Dir / "视频/旅行", false, "旅行" },
    { "a missing start folder opens at Computer", Dir / "不存在", false, "Computer" },
    { "a relative start folder opens at Computer", "视频", false, "Computer" },
    { "OK on Computer answers nothing", Dir / "不存在", true, "Computer" },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    Dialog->SetDirectory(C.Start);
    WhileOpen([&] {
      ASSERT_TRUE(Tree()->Selected());
      EXPECT_EQ(Tree()->Selected()->Text(), C.Selected);
      EXPECT_TRUE(Tree()->Selected()->Expanded());
    }, [&] { ClickOn(C.Ok ? Box()->OkButton : Box()->CancelButton); });
    EXPECT_FALSE(Dialog->Execute());
    EXPECT_EQ(Dialog->Directory(), C.Start);
  }
}

TEST_F(SelectDirectoryDialogTest, TheNextRunOpensWithTheSizeTheLastClosedWith) {
  WhileOpen([this] {
    Box()->SetClientWidth(360);
    Box()->SetClientHeight(330);
  });
  Dialog->Execute();
  EXPECT_EQ(Dialog->DialogWidth(), 360);
  EXPECT_EQ(Dialog->DialogHeight(), 330);
  WhileOpen([this] {
    EXPECT_EQ(TSize(Box()->ClientWidth(), Box()->ClientHeight()), TSize(360, 330));
    EXPECT_EQ(Box()->OkButton->Left(), 20) << "the buttons keep their places";
    EXPECT_EQ(Box()->CancelButton->Left(), 100);
  });
  Dialog->Execute();

  const auto Skin = LoadEmbeddedSkin(ProductSkinContainer());
  Dialog->SetSkinData(Skin.get());
  Dialog->SetCtrlSkinData(Skin.get());
  Dialog->SetDialogWidth(20);
  Dialog->SetDialogHeight(20);
  WhileOpen([this] {
    TskSkinForm* Frame = Box()->BSF;
    EXPECT_GT(Frame->GetMinWidth(), 20);
    EXPECT_EQ(Box()->ClientWidth(), Frame->GetMinWidth()) << "raised to what the skinned frame needs";
    EXPECT_EQ(Box()->ClientHeight(), std::max(20, Frame->GetMinHeight()));
    EXPECT_TRUE(Tree()->DrawSkin());
  });
  Dialog->Execute();
  Dialog->SetSkinData(nullptr);
  Dialog->SetCtrlSkinData(nullptr);
}

TEST_F(SelectDirectoryDialogTest, TheToolBarsEditFollowsTheTreeAndNavigatesToTypedFolders) {
  Dialog->SetShowToolBar(true);
  Dialog->SetDirectory(Dir / "视频");
  WhileOpen([this] {
    TskSkinToolBar* Bar = Box()->ToolPanel;
    ASSERT_TRUE(Bar);
    EXPECT_EQ(Bar->Height(), 25);
    EXPECT_EQ(Box()->NewFolderToolButton->BoundsRect().Right, Bar->ClientWidth());
    EXPECT_EQ(Box()->NewFolderToolButton->Left(), Box()->DirEdit->BoundsRect().Right + 5) << "the spacer on its left";
    EXPECT_EQ(Box()->NewFolderToolButton->Width(), 27);
    EXPECT_EQ(Box()->NewFolderToolButton->Hint(), "Create New Folder");
    EXPECT_EQ(Bar->Images(), static_cast<TCustomImageList*>(Box()->PngImgList)) << "the built-in glyph without a list of the caller";
    EXPECT_EQ(Box()->DirEdit->Text(), Dir / "视频");

    TypePath(Dir / "音乐");
    EXPECT_EQ(Tree()->Path(), Dir / "音乐");
    EXPECT_EQ(Box()->ModalResult(), mrNone) << "Enter in the edit is no OK";
    ClickNode(Tree()->Selected()->Parent());
    EXPECT_EQ(Box()->DirEdit->Text(), Dir.Path());

    for (const String& Bad : { Dir / "不存在", String("视频"), Dir / "视频/../音乐/../不存在" }) {
      SCOPED_TRACE(Bad);
      String Shown;
      OnMessageBox([&](TskMessageForm* Error) {
        Shown = Error->Message->Caption();
        Display->Key(VK_RETURN);
      });
      TypePath(Bad);
      EXPECT_FALSE(Screen->OnActiveFormChange) << "no message box opened";
      Screen->OnActiveFormChange = nullptr;
      EXPECT_EQ(Shown, "Error setting path: \"" + Bad + "\"");
      EXPECT_EQ(Box()->DirEdit->Text(), Bad) << "the typed text stays to be mended";
      EXPECT_EQ(Tree()->Path(), Dir.Path());
      EXPECT_EQ(Box()->ModalResult(), mrNone);
    }
  }, [this] { ClickOn(Box()->OkButton); });
  EXPECT_TRUE(Dialog->Execute());
  EXPECT_EQ(Dialog->Directory(), Dir.Path());
}

TEST_F(SelectDirectoryDialogTest, NewFolderCreatesNewFolderOnceAndOnlyInFileSystemFolders) {
  Dialog->SetShowToolBar(true);
  Dialog->SetDirectory(Dir / "音乐");
  WhileOpen([this] {
    ClickOn(Box()->NewFolderToolButton);
    Display->PumpUntilIdle();
    EXPECT_TRUE(FolderExists(Dir / "音乐/New Folder"));
    ASSERT_TRUE(Tree()->Selected());
    EXPECT_EQ(Tree()->Selected()->Text(), "音乐") << "the selection stays";
    EXPECT_TRUE(ChildNamed(Tree()->Selected(), "New Folder")) << "the tree shows the new folder";

    ClickOn(Box()->NewFolderToolButton);
    Display->PumpUntilIdle();
    EXPECT_EQ(Tree()->Selected()->Count(), 1) << "a second click adds nothing";
    EXPECT_FALSE(FolderExists(Dir / "音乐/New Folder(2)"));

    Tree()->ExpandMyComputer();
    ClickOn(Box()->NewFolderToolButton);
    Display->PumpUntilIdle();
    EXPECT_FALSE(FolderExists("New Folder")) << "Computer has no folder to hold one";
  });
  Dialog->Execute();
}

}  // namespace
