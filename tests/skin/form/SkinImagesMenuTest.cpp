// The images menu: its grid of cells, button and header rows, keys that move by rows and columns, the
// events of a pick and of a close without one, placement near the bottom, the hook and the capture it
// holds while open, and a menu button showing the picked image.
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/controls/TskSkinMenuButton.h"
#include "skin/form/TskSkinImagesMenu.h"
#include "skin/form/TskSkinImagesMenuPopupWindow.h"
#include "tests/skin/form/MenuFixture.h"

namespace {

class SkinImagesMenu : public MenuTest {
protected:
  void SetUp() override {
    MenuTest::SetUp();
    Images = new TCustomImageList(Main, 16, 16);
    for (int i = 0; i < 8; ++i) {
      TBitmap Image;
      Image.SetSize(16, 16);
      Image.Canvas()->Brush()->SetColor(RGB(30 * i, 200 - 20 * i, 100));
      Image.Canvas()->FillRect(Rect(0, 0, 16, 16));
      Images->Add(&Image, nullptr);
    }
    Menu = new TskSkinImagesMenu(Main);
    Menu->SetImages(Images);
    Menu->SetColumnsCount(3);
    Menu->OnMenuClose = [this](TObject*) { Log.push_back("MenuClose"); };
    Menu->OnItemClick = [this](TObject*) { Log.push_back("ItemClick"); };
    Menu->OnChange = [this](TObject*) { Log.push_back("Change"); };
  }

  /// Items with these kinds: 'i' an image cell, 'b' a button row, 'h' a header.
  void AddItems(const std::string& Kinds) {
    for (const char Kind : Kinds) {
      TskImagesMenuItem* Item = Menu->ImagesItems()->Add();
      Item->SetImageIndex(Menu->ImagesItems()->Count() - 1);
      Item->SetButton(Kind == 'b');
      Item->SetHeader(Kind == 'h');
      Item->SetCaption(Kind == 'i' ? "" : std::string("行") + std::to_string(Menu->ImagesItems()->Count()));
    }
  }
  TRect Cell(int Index) const { return Menu->ImagesItems()->Items(Index)->ItemRect; }
  TPoint CellPoint(int Index) const {
    const TRect R = Cell(Index);
    return Menu->PopupWindow()->ClientToScreen({ (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 });
  }
  int Highlighted() const { return Menu->PopupWindow()->MouseInItem; }

  TCustomImageList* Images { nullptr };
  TskSkinImagesMenu* Menu { nullptr };
};

TEST_F(SkinImagesMenu, EightCellsInThreeColumnsMakeRowsOfThreeThreeAndTwoAndAButtonTakesAFullRow) {
  AddItems("iiiiiiii");
  ASSERT_TRUE(Menu->PopupFromRect(Rect(100, 100, 140, 120)));
  const int cw = 26, ch = 26;
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Cell(i), Bounds(5 + (i % 3) * cw, 5 + (i / 3) * (ch + 1), cw, ch)) << i;
  EXPECT_EQ(Menu->PopupWindow()->Width(), 3 * cw + 10);
  EXPECT_EQ(Menu->PopupWindow()->Top(), 120);
  Menu->Hide();

  Menu->ImagesItems()->Clear();
  AddItems("iibi");
  Menu->PopupFromRect(Rect(100, 100, 140, 120));
  EXPECT_EQ(Cell(2), Bounds(5, 5 + ch + 1, 3 * cw, ch)) << "a button after the second cell starts a full row";
  EXPECT_EQ(Cell(3), Bounds(5, 5 + 2 * (ch + 1), cw, ch));
  Menu->Hide();
}

TEST_F(SkinImagesMenu, KeysMoveByColumnsAndRowsWrapAndNeverSelectAHeader) {
  AddItems("hiiiiiiib");
  Menu->PopupFromRect(Rect(100, 100, 140, 120));
  Display->Key(VK_RIGHT);
  EXPECT_EQ(Highlighted(), 1) << "the first pickable item, past the header";
  Display->Key(VK_DOWN);
  EXPECT_EQ(Highlighted(), 4) << "the same column in the next row";
  Display->Key(VK_DOWN);
  EXPECT_EQ(Highlighted(), 7);
  Display->Key(VK_DOWN);
  EXPECT_EQ(Highlighted(), 8) << "or a following button row";
  Display->Key(VK_DOWN);
  EXPECT_EQ(Highlighted(), 8) << "nothing below the last row";
  Display->Key(VK_RIGHT);
  EXPECT_EQ(Highlighted(), 1) << "Right on the last wraps to the first pickable";
  Display->Key(VK_LEFT);
  EXPECT_EQ(Highlighted(), 8) << "Left on the first wraps to the last";
  Display->Key(VK_UP);
  EXPECT_EQ(Highlighted(), 7);
  Hover(Menu->PopupWindow()->ClientToScreen({ Cell(0).Left + 3, Cell(0).Top + 3 }));
  Display->MoveTo(CellPoint(0).X, CellPoint(0).Y);
  EXPECT_EQ(Highlighted(), -1) << "a header is never highlighted by the mouse";
  Display->Key(VK_ESCAPE);
  EXPECT_EQ(Menu->PopupWindow(), nullptr);
  EXPECT_EQ(Log, AppLog { "MenuClose" });
}

TEST_F(SkinImagesMenu, APickFiresItsEventsAndAChangeOnlyWhenTheIndexChanged) {
  AddItems("iiii");
  Menu->ImagesItems()->Items(2)->OnClick = [this](TObject*) { Log.push_back("Item2.Click"); };
  Menu->PopupFromRect(Rect(100, 100, 140, 120));
  Display->Click(CellPoint(2).X, CellPoint(2).Y);
  EXPECT_EQ(Menu->ItemIndex(), 2);
  EXPECT_EQ(Log, (AppLog { "MenuClose", "Item2.Click", "ItemClick", "Change" }));
  Display->PumpUntilIdle();
  Log.clear();
  Menu->PopupFromRect(Rect(100, 100, 140, 120));
  Display->Key(VK_RETURN);
  EXPECT_EQ(Log, (AppLog { "MenuClose", "Item2.Click", "ItemClick" })) << "the same item again: no change";
  Log.clear();
  Menu->PopupFromRect(Rect(100, 100, 140, 120));
  const TPoint Outside = Main->ClientToScreen({ 350, 250 });
  Display->Click(Outside.X, Outside.Y);
  EXPECT_EQ(Log, AppLog { "MenuClose" }) << "a click outside closes without a pick";
  EXPECT_EQ(Menu->PopupWindow(), nullptr);
}

TEST_F(SkinImagesMenu, NearTheBottomTheGridOpensAboveAndTheHookAndCaptureGoBackAfter) {
  AddItems("iiii");
  Display->SetWorkArea(Rect(0, 0, 1280, 400));
  int Keys = 0;
  const int Previewer = 0;
  App->OnMessage().Push(&Previewer, [&](TMsg& M, bool&) { Keys += M.message == WM_KEYDOWN; });
  Menu->PopupFromRect(Rect(100, 370, 140, 390));
  TskSkinImagesMenuPopupWindow* W = Menu->PopupWindow();
  EXPECT_EQ(W->BoundsRect().Bottom, 370);
  EXPECT_EQ(GetCapture(), W->Handle());
  Display->Key(VK_RIGHT);
  EXPECT_EQ(Keys, 0) << "the grid's hook hides the hooks below it";
  Display->Key(VK_ESCAPE);
  EXPECT_EQ(GetCapture(), HWND(0));
  Display->Key('A');
  EXPECT_EQ(Keys, 1) << "a hook that joined before the grid opened survives it";
  EXPECT_EQ(Log, (AppLog { "MenuClose", "Edit.KeyDown(65)" }));
  App->OnMessage().Remove(&Previewer);
}

TEST_F(SkinImagesMenu, AnEmptyImageListOpensNothing) {
  AddItems("ii");
  int Popups = 0;
  Menu->OnMenuPopup = [&](TObject*) { ++Popups; };
  Menu->SetImages(nullptr);
  EXPECT_FALSE(Menu->PopupFromRect(Rect(100, 100, 140, 120)));
  EXPECT_EQ(Popups, 1);
  EXPECT_EQ(Menu->PopupWindow(), nullptr);
}

TEST_F(SkinImagesMenu, AMenuButtonShowsThePickedImage) {
  AddItems("iii");
  auto* Button = Place<TskSkinMenuButton>(Main, Main, Bounds(20, 60, 90, 28));
  Button->SetSkinImagesMenu(Menu);
  Button->OnHideTrackMenu = [this](TObject*) { Log.push_back("Button.Hide"); };
  Display->PumpUntilIdle();
  ClickOn(Button);
  ASSERT_NE(Menu->PopupWindow(), nullptr);
  EXPECT_EQ(Menu->PopupWindow()->Top(), Button->ClientToScreen({ 0, Button->Height() }).Y);
  EXPECT_TRUE(Button->Down());
  Display->Click(CellPoint(1).X, CellPoint(1).Y);
  EXPECT_EQ(Log, (AppLog { "Button.Hide", "MenuClose", "ItemClick", "Change" }));
  EXPECT_FALSE(Button->Down());
  EXPECT_EQ(Menu->GetSelectedItem()->ImageIndex, 1);
}

}  // namespace
