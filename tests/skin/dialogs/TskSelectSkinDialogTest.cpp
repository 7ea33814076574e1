// The select-skin dialog: what it offers and previews, its results after OK, Cancel, Escape, Enter and
// a double click, a start index outside the list, its size, and the stored-skin variant.
#include <functional>

#include "platform/base/TMemoryStream.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "resources/EmbeddedSkins.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskSkinListBox.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/core/TskCompressedSkinList.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskSkinData.h"
#include "skin/dialogs/TskSelectSkinDialog.h"
#include "skin/dialogs/TskSelectSkinDlgForm.h"
#include "skin/form/TskSkinForm.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

class SelectSkinDialogTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    List = new TskCompressedSkinList(App.get());
    TskSkinListItem* First = List->Skins()->Add();
    First->SetName("产品");
    First->SetSkin(ProductSkinContainer());
    TskSkinListItem* Second = List->Skins()->Add();
    Second->SetName("test");
    Second->SetDescription("测试皮肤（彩色）");
    Second->SetSkin(TestSkinContainer());
    Dialog = new TskSelectSkinDialog(App.get());
    Dialog->SetSkinList(List);
  }

  TskSelectSkinDlgForm* Box() const { return Dialog->DlgFrm(); }
  TskSkinListBox* Names() const { return Box()->SkinsListBox; }
  /// Runs Inspect on the open dialog, then Finish (Enter unless given).
  void WhileOpen(std::function<void()> Inspect, std::function<void()> Finish = {}) {
    Later([this, Inspect, Finish] {
      ASSERT_NE(Box(), nullptr);
      Display->PumpUntilIdle();
      Inspect();
      if (Finish) Finish();
      else Display->Key(VK_RETURN);
    });
  }
  void ClickItem(int Index, bool Twice = false) {
    const TRect R = Names()->ItemRect(Index);
    const TPoint P = Names()->ListBox->ClientToScreen({ R.Left + 20, (R.Top + R.Bottom) / 2 });
    Display->Click(P.X, P.Y);
    if (Twice) Display->Click(P.X, P.Y);
    Display->PumpUntilIdle();
  }

  TskCompressedSkinList* List { nullptr };
  TskSelectSkinDialog* Dialog { nullptr };
};

TEST_F(SelectSkinDialogTest, TheDialogOffersTheNamesPreviewsTheStartSkinAndAnswersOk) {
  WhileOpen([this] {
    EXPECT_EQ(Names()->Items()->Strings(0), "产品") << "the name when there is no description";
    EXPECT_EQ(Names()->Items()->Strings(1), "测试皮肤（彩色）");
    EXPECT_EQ(Names()->ItemIndex(), 0);
    EXPECT_FALSE(Box()->PreviewSkinData->Empty);
    EXPECT_EQ(Box()->PreviewSkinData->SkinIndex(), 0);
    EXPECT_EQ(Box()->Caption(), "Select skin");
    EXPECT_EQ(TSize(Box()->ClientWidth(), Box()->ClientHeight()), TSize(420, 240));
    EXPECT_EQ(Names()->BoundsRect(), Bounds(10, 10, 170, 170));
    EXPECT_EQ(Box()->PreviewForm->BoundsRect(), Bounds(190, 10, 220, 170));
    EXPECT_TRUE(Box()->PreviewForm->Visible());
    EXPECT_FALSE(Box()->PreviewForm->Enabled());
    EXPECT_TRUE(Box()->PreviewBSF->PreviewMode);
    EXPECT_EQ(Box()->PreviewButton->Caption(), "Button");
    EXPECT_EQ(Box()->OpenButton->BoundsRect(), Bounds(260, 200, 70, 25));
    EXPECT_EQ(Box()->CancelButton->BoundsRect(), Bounds(340, 200, 70, 25));
    EXPECT_EQ(Box()->OpenButton->Caption(), "OK");
    EXPECT_EQ(Box()->CancelButton->Caption(), "Cancel");
  });
  EXPECT_TRUE(Dialog->Execute(0));
  EXPECT_EQ(Dialog->SelectedSkinIndex(), 0);
  EXPECT_EQ(Dialog->DlgFrm(), nullptr);
}

TEST_F(SelectSkinDialogTest, APickPreviewsOnlyInTheDialogAndTheResultFollowsHowItCloses) {
  TskSkinData Main { nullptr };
  Main.SetSkinList(List);
  Dialog->SetSkinData(&Main);
  struct Case {
    const char* How;
    std::function<void()> Finish;
    bool Result;
    int Index;
  };
  const Case Cases[] = {
    { "OK", [this] { ClickOn(Box()->OpenButton); }, true, 1 },
    { "Enter", [this] { Display->Key(VK_RETURN); }, true, 1 },
    { "double click", [this] { ClickItem(1, true); }, true, 1 },
    { "Cancel", [this] { ClickOn(Box()->CancelButton); }, false, -1 },
    { "Escape", [this] { Display->Key(VK_ESCAPE); }, false, -1 },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.How);
    WhileOpen([this, &Main] {
      ClickItem(1);
      EXPECT_EQ(Box()->PreviewSkinData->SkinIndex(), 1);
      EXPECT_EQ(Main.SkinIndex(), 0) << "the caller's model is not touched";
    }, C.Finish);
    EXPECT_EQ(Dialog->Execute(0), C.Result);
    EXPECT_EQ(Dialog->SelectedSkinIndex(), C.Index);
    EXPECT_EQ(Main.SkinIndex(), 0);
  }
}

TEST_F(SelectSkinDialogTest, AStartOutsideTheListPreviewsNothingAndOkAnswersThatIndex) {
  WhileOpen([this] {
    EXPECT_EQ(Names()->ItemIndex(), -1);
    EXPECT_TRUE(Box()->PreviewSkinData->Empty);
  });
  EXPECT_TRUE(Dialog->Execute(-1));
  EXPECT_EQ(Dialog->SelectedSkinIndex(), -1);
}

TEST_F(SelectSkinDialogTest, WithoutAListNothingShowsAndTheLastResultStays) {
  WhileOpen([] {});
  ASSERT_TRUE(Dialog->Execute(1));
  const int Forms = Screen->FormCount();
  delete List;
  EXPECT_EQ(Dialog->SkinList(), nullptr);
  EXPECT_FALSE(Dialog->Execute(0));
  EXPECT_EQ(Dialog->SelectedSkinIndex(), 1);
  EXPECT_EQ(Screen->FormCount(), Forms);
}

TEST_F(SelectSkinDialogTest, ASkinnedFrameKeepsAtLeastTheDialogSizeAndItsMinimum) {
  TskSkinData Frame { nullptr };
  Frame.SetSkinList(List);
  Dialog->SetSkinData(&Frame);
  WhileOpen([this] {
    EXPECT_TRUE(Box()->BSF->SkinSupport());
    EXPECT_EQ(Box()->ClientWidth(), std::max(420, Box()->BSF->GetMinWidth()));
    EXPECT_EQ(Box()->ClientHeight(), std::max(240, Box()->BSF->GetMinHeight()));
  });
  EXPECT_TRUE(Dialog->Execute(0));
}

TEST_F(SelectSkinDialogTest, TheStoredSkinVariantOffersTheOwnersStoredSkins) {
  auto* First = new TskCompressedStoredSkin(App.get());
  First->SetName("skinA");
  First->SetDescription("蓝色");
  TMemoryStream Container;
  Container.WriteBuffer(ProductSkinContainer().data(), Int64(ProductSkinContainer().size()));
  First->LoadFromCompressStream(&Container);
  auto* Second = new TskCompressedStoredSkin(App.get());
  Second->SetName("skinB");
  WhileOpen([this] {
    EXPECT_EQ(Names()->Items()->Count(), 2);
    EXPECT_EQ(Names()->Items()->Strings(0), "蓝色");
    EXPECT_EQ(Names()->Items()->Strings(1), "skinB");
    EXPECT_EQ(Names()->ItemIndex(), 1);
    ClickItem(0);
  });
  EXPECT_TRUE(Dialog->Execute(Second));
  EXPECT_EQ(Dialog->SelectedSkin(), First);
  WhileOpen([] {}, [this] { Display->Key(VK_ESCAPE); });
  EXPECT_FALSE(Dialog->Execute(First));
  EXPECT_EQ(Dialog->SelectedSkin(), nullptr);
}

}  // namespace
