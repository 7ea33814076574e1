// Skinned popup menus end to end on the headless screen: the order of a command's notices, keys, the
// mouse with the submenu delay, placement in the work area, scrolling, openings that show nothing, a
// command that opens a modal dialog, hooks of other components, and platform menus tracked skinned.
#include "platform/gdi/Capabilities.h"
#include "platform/shell/PopupMenuCalls.h"
#include "platform/ui/toolkit/TMainMenu.h"
#include "tests/skin/form/MenuFixture.h"

namespace {

class SkinPopupMenu : public MenuTest {};

TEST_F(SkinPopupMenu, ALeafCommandRunsAfterTheMenuIsGoneAndTheControlHearsCloseThenCommand) {
  TskSkinPopupMenu* Menu = NewMenu({ "复制", "粘贴" });
  Menu->OnMenuClose = [this](TObject*) { Log.push_back("OnMenuClose"); };
  Frame->OnSkinMenuClose = [this](TObject*) { Log.push_back("Form.Closed"); };
  Menu->Items()->Items(1)->OnClick = [this](TObject*) {
    Log.push_back("粘贴.Click");
    EXPECT_TRUE(Levels().empty());
    EXPECT_FALSE(Frame->InMenu) << "the frame left menu mode before the command";
  };
  OpenForEdit(Menu);
  EXPECT_TRUE(Frame->InMenu);
  Hover(RowPoint(Level(0), "粘贴"));
  Display->ButtonDown(Display->Pointer().X, Display->Pointer().Y);
  EXPECT_EQ(GetActiveWindow(), Main->Handle()) << "a press in a menu takes neither the activation";
  EXPECT_TRUE(Edit->Focused()) << "nor the focus";
  Display->ButtonUp(Display->Pointer().X, Display->Pointer().Y);
  EXPECT_EQ(Log, (AppLog { "Edit.Closed", "OnMenuClose", "Form.Closed", "粘贴.Click", "Edit.Command" }));
  Display->PumpUntilIdle();
  Log.clear();
  Display->Key('K');
  EXPECT_EQ(Log, AppLog { "Edit.KeyDown(75)" }) << "keys reach the form again";
}

TEST_F(SkinPopupMenu, KeysWalkTheRowsOpenSubmenusStepBackAndRunAccelerators) {
  TskSkinPopupMenu* Menu = NewMenu({ "-", "打开(&O)", "-", "禁用", "最近(&R)", "退出(&X)" });
  Menu->Items()->Items(3)->SetEnabled(false);
  TMenuItem* Recent = Menu->Items()->Items(4);
  AddItem(Recent, "a.wmv");
  AddItem(Recent, "b.wmv");
  OpenForEdit(Menu);
  EXPECT_EQ(ActiveCaption(Level(0)), "打开(&O)") << "the first usable row is highlighted at opening";
  Display->Key(VK_DOWN);
  EXPECT_EQ(ActiveCaption(Level(0)), "最近(&R)") << "separators and disabled rows are passed over";
  EXPECT_EQ(Levels().size(), 1u) << "a highlight by key opens no submenu";
  Display->Key(VK_RETURN);
  ASSERT_EQ(Levels().size(), 2u) << "Enter opens the submenu";
  EXPECT_TRUE(Row(Level(0), "最近(&R)")->Down);
  EXPECT_EQ(ActiveCaption(Level(1)), "a.wmv");
  Display->Key(VK_UP);
  EXPECT_EQ(ActiveCaption(Level(1)), "b.wmv") << "Up wraps to the last row";
  Display->Key(VK_ESCAPE);
  EXPECT_EQ(Levels().size(), 1u) << "Esc steps back one level";
  EXPECT_FALSE(Row(Level(0), "最近(&R)")->Down);
  Display->Key(VK_LEFT);
  EXPECT_EQ(Levels().size(), 1u) << "Left on the root does nothing";
  Display->Key(VK_RIGHT);
  EXPECT_EQ(Levels().size(), 2u) << "Right opens the highlighted row's submenu";
  Display->Key(VK_LEFT);
  EXPECT_EQ(Levels().size(), 1u);
  Display->Key('X');
  EXPECT_EQ(Log, (AppLog { "最近(&R).Click", "最近(&R).Click", "Edit.Closed", "退出(&X).Click", "Edit.Command" }))
      << "opening a submenu fires its parent's OnClick";
  EXPECT_FALSE(Frame->InMenu);
}

TEST_F(SkinPopupMenu, EscAtTheRootTellsOnlyTheControlAndTheKeyboardComesBack) {
  TskSkinPopupMenu* Menu = NewMenu({ "一", "二" });
  int FormNotices = 0;
  const TWndMethod FormProc = Main->WindowProc();
  Main->SetWindowProc([&FormNotices, FormProc](TMessage& M) {
    FormNotices += M.Msg == WM_SKINMENUCLOSED;
    FormProc(M);
  });
  OpenForEdit(Menu);
  Display->Key(VK_ESCAPE);
  EXPECT_TRUE(Levels().empty());
  EXPECT_EQ(Log, AppLog { "Edit.Closed" });
  EXPECT_EQ(FormNotices, 0);
  EXPECT_FALSE(Frame->InMenu);
  Log.clear();
  Display->Key('A');
  EXPECT_EQ(Log, AppLog { "Edit.KeyDown(65)" });
  Main->SetWindowProc(FormProc);
}

TEST_F(SkinPopupMenu, HoveringAParentOpensItsSubmenuAfter500msAndAClickElsewhereClosesEverything) {
  TskSkinPopupMenu* Menu = NewMenu({ "新建", "最近", "退出" });
  TMenuItem* Recent = Menu->Items()->Items(1);
  AddItem(Recent, "a.wmv");
  OpenForEdit(Menu);
  Hover(RowPoint(Level(0), "最近"));
  Display->Advance(400);
  EXPECT_EQ(Levels().size(), 1u) << "not before 500 ms";
  Hover(RowPoint(Level(0), "退出"));
  Display->Advance(600);
  EXPECT_EQ(Levels().size(), 1u) << "moving on to a leaf first opens nothing";
  Hover(RowPoint(Level(0), "最近"));
  Display->Advance(500);
  ASSERT_EQ(Levels().size(), 2u);
  EXPECT_EQ(Log, AppLog { "最近.Click" }) << "the parent's OnClick fires when its submenu opens";
  EXPECT_EQ(Level(1)->Left(), Level(0)->Left() + Row(Level(0), "最近")->ObjectRect.Right + 1)
      << "beside its parent row, 1 pixel apart";
  Log.clear();
  const TPoint Outside = Main->ClientToScreen({ 300, 200 });
  Display->Click(Outside.X, Outside.Y);
  EXPECT_TRUE(Levels().empty());
  EXPECT_FALSE(Frame->InMenu);
  EXPECT_EQ(Log, AppLog { "Edit.Closed" }) << "no command ran";
}

TEST_F(SkinPopupMenu, ClickingAParentOpensItAtOnceAndSeparatorsAndDisabledRowsIgnoreClicks) {
  TskSkinPopupMenu* Menu = NewMenu({ "最近", "-", "禁用" });
  Menu->Items()->Items(2)->SetEnabled(false);
  AddItem(Menu->Items()->Items(0), "a.wmv");
  OpenForEdit(Menu);
  ClickAt(RowPoint(Level(0), "-"));
  ClickAt(RowPoint(Level(0), "禁用"));
  EXPECT_EQ(Levels().size(), 1u);
  EXPECT_TRUE(Log.empty());
  ClickAt(RowPoint(Level(0), "最近"));
  ASSERT_EQ(Levels().size(), 2u);
  EXPECT_EQ(Log, AppLog { "最近.Click" });
  ClickAt(RowPoint(Level(1), "a.wmv"));
  EXPECT_TRUE(Levels().empty());
  Display->PumpUntilIdle();
  EXPECT_EQ(Log, (AppLog { "最近.Click", "Edit.Closed", "a.wmv.Click", "Edit.Command" }));
}

TEST_F(SkinPopupMenu, ACommandThatOpensAModalDialogFindsTheMenuGoneAndTheKeyboardWorksAfter) {
  TskSkinPopupMenu* Menu = NewMenu({ "关于" });
  int Shown = -1;
  Menu->Items()->Items(0)->OnClick = [&](TObject*) {
    Shown = VisibleMenuWindows() + int(Levels().size());
    TForm* Dialog = NewForm(Bounds(400, 300, 200, 100));
    auto* DialogEdit = new KeyProbe(Dialog, &Log, "DialogEdit", Dialog, Bounds(10, 10, 80, 25));
    Later([&, Dialog, DialogEdit] {
      DialogEdit->SetFocus();
      Display->Key('D');
      Dialog->SetModalResult(mrOk);
    });
    Dialog->ShowModal();
    delete Dialog;
  };
  OpenForEdit(Menu);
  ClickAt(RowPoint(Level(0), "关于"));
  Display->PumpUntilIdle();
  EXPECT_EQ(Shown, 0);
  EXPECT_EQ(Log, (AppLog { "Edit.Closed", "DialogEdit.KeyDown(68)", "Edit.Command" }));
  Log.clear();
  Edit->SetFocus();
  Display->Key('E');
  EXPECT_EQ(Log, AppLog { "Edit.KeyDown(69)" });
}

// A task's previewer joins the message hooks while a menu is open and leaves after it closed.
TEST_F(SkinPopupMenu, AHookThatComesAndGoesWhileAMenuIsOpenLeavesTheKeyboardWorking) {
  TskSkinPopupMenu* Menu = NewMenu({ "开始" });
  OpenForEdit(Menu);
  const int Previewer = 0;
  App->OnMessage().Push(&Previewer, [](TMsg&, bool&) {});
  Display->Key(VK_ESCAPE);
  App->OnMessage().Remove(&Previewer);
  Log.clear();
  Display->Key('Q');
  EXPECT_EQ(Log, AppLog { "Edit.KeyDown(81)" });
  EXPECT_TRUE(App->OnMessage().Empty());
}

TEST_F(SkinPopupMenu, AnOpeningThatShowsNothingSaysSoAndLeavesNoMenuMode) {
  TskSkinPopupMenu* Empty = NewMenu({});
  int Popups = 0;
  Empty->OnPopup = [&](TObject*) { ++Popups; };
  const TPoint P = Edit->ClientToScreen({ 0, 0 });
  EXPECT_FALSE(Empty->PopupFromRect2(Edit, Bounds(P.X, P.Y, 10, 10), false));
  EXPECT_EQ(Popups, 1);
  EXPECT_FALSE(Frame->InMenu);
  Display->Key('Z');
  EXPECT_EQ(Log, AppLog { "Edit.KeyDown(90)" }) << "no close notice, and the key reached the control";

  TForm* Plain = NewForm(Bounds(600, 100, 200, 150));
  auto* Unframed = new TskSkinPopupMenu(Plain);
  AddItem(Unframed->Items(), "项");
  Unframed->OnPopup = [&](TObject*) { ++Popups; };
  EXPECT_FALSE(Unframed->PopupFromRect2(Edit, Bounds(P.X, P.Y, 10, 10), false)) << "a form without a frame";
  EXPECT_EQ(Popups, 2);
}

TEST_F(SkinPopupMenu, OpeningASecondMenuClosesTheFirstAndTellsOnlyItsControl) {
  auto* Other = new MenuProbe(Main, &Log, "Other", Main, Bounds(10, 50, 100, 25));
  TskSkinPopupMenu* First = NewMenu({ "一" });
  TskSkinPopupMenu* Second = NewMenu({ "二" });
  OpenForEdit(First);
  const TPoint P = Other->ClientToScreen({ 0, 0 });
  ASSERT_TRUE(Second->PopupFromRect2(Other, Bounds(P.X, P.Y, 10, 10), false));
  EXPECT_EQ(Log, AppLog { "Edit.Closed" });
  EXPECT_EQ(Levels().size(), 1u);
  EXPECT_TRUE(Frame->InMenu);
  Display->Key(VK_ESCAPE);
  EXPECT_EQ(Log, (AppLog { "Edit.Closed", "Other.Closed" }));
}

TEST_F(SkinPopupMenu, MenusStayInsideTheWorkArea) {
  Display->SetWorkArea(Rect(0, 0, 800, 600));
  TskSkinPopupMenu* Menu = NewMenu({ "一", "二", "三", "四" });
  AddItem(Menu->Items()->Items(3), "子项");
  struct Case {
    const char* Name;
    TPoint At;
    bool RightOfPoint;  // forced beside the point
  };
  for (const Case& C : { Case { "fits below", { 100, 100 }, false }, Case { "right edge", { 790, 100 }, false },
                         Case { "bottom, upper half", { 100, 290 }, false },
                         Case { "bottom, lower half", { 100, 590 }, false } }) {
    ASSERT_TRUE(Menu->PopupFromRect(Rect(C.At.X, C.At.Y, C.At.X, C.At.Y), false)) << C.Name;
    TskSkinPopupWindow* W = Level(0);
    const TRect R = W->BoundsRect();
    EXPECT_GE(R.Left, 0) << C.Name;
    EXPECT_LE(R.Right, 800) << C.Name;
    EXPECT_GE(R.Top, 0) << C.Name;
    EXPECT_LE(R.Bottom, 600) << C.Name;
    Frame->SkinMenu->Hide();
  }
  // Below the point when it fits; above it in the lower half.
  Menu->PopupFromRect(Rect(100, 100, 100, 100), false);
  EXPECT_EQ(Level(0)->Top(), 100);
  EXPECT_EQ(Level(0)->Left(), 100);
  Frame->SkinMenu->Hide();
  Menu->PopupFromRect(Rect(100, 590, 100, 590), false);
  EXPECT_EQ(Level(0)->BoundsRect().Bottom, 590);
  Frame->SkinMenu->Hide();
  // Near the right edge the submenu opens on the left of its parent row, 1 pixel apart.
  Menu->PopupFromRect(Rect(790, 100, 790, 100), false);
  ClickAt(RowPoint(Level(0), "四"));
  ASSERT_EQ(Levels().size(), 2u);
  EXPECT_EQ(Level(1)->BoundsRect().Right, Level(0)->Left() + Row(Level(0), "四")->ObjectRect.Left - 1);
  Frame->SkinMenu->Hide();
}

TEST_F(SkinPopupMenu, AMenuTallerThanTheWorkAreaScrollsByMarkersAndKeys) {
  Display->SetWorkArea(Rect(0, 0, 1280, 200));
  std::vector<String> Captions;
  for (int i = 0; i < 20; ++i) Captions.push_back("项" + std::to_string(i));
  TskSkinPopupMenu* Menu = NewMenu(Captions);
  Menu->PopupFromRect(Rect(100, 150, 100, 150), false);
  TskSkinPopupWindow* W = Level(0);
  EXPECT_TRUE(W->Scroll);
  EXPECT_EQ(W->Top(), 0);
  EXPECT_EQ(W->Height(), 200);
  const int Shown = W->VisibleCount;
  EXPECT_EQ(Shown, (200 - 4 - 20) / 20);
  // Down on the last shown row scrolls by one.
  for (int i = 1; i < Shown; ++i) Display->Key(VK_DOWN);
  EXPECT_EQ(W->VisibleStartIndex, 0);
  Display->Key(VK_DOWN);
  EXPECT_EQ(W->VisibleStartIndex, 1);
  EXPECT_EQ(ActiveCaption(W), "项" + std::to_string(Shown));
  // Resting on the down marker scrolls one row per 100 ms until the end.
  Hover(W->ClientToScreen({ W->Width() / 2, W->Height() - 5 }));
  Display->Advance(300);
  EXPECT_EQ(W->VisibleStartIndex, 4);
  Display->Advance(5000);
  EXPECT_EQ(W->VisibleStartIndex + W->VisibleCount, 20);
  EXPECT_EQ(W->ScrollCode, 0) << "the end stops the scrolling";
  // Down at the very end wraps to the first page.
  Hover(RowPoint(W, "项19"));
  Display->Key(VK_DOWN);
  EXPECT_EQ(W->VisibleStartIndex, 0);
  EXPECT_EQ(ActiveCaption(W), "项0");
}

TEST_F(SkinPopupMenu, AtMostMaxMenuItemsInWindowRowsShowBetweenMarkers) {
  Frame->SetMaxMenuItemsInWindow(5);
  TskSkinPopupMenu* Menu = NewMenu({ "1", "2", "3", "4", "5", "6", "7", "8" });
  Menu->PopupFromRect(Rect(100, 100, 100, 100), false);
  TskSkinPopupWindow* W = Level(0);
  EXPECT_TRUE(W->Scroll);
  EXPECT_EQ(W->VisibleCount, 5);
  EXPECT_EQ(W->Height(), 5 * 20 + 4 + 20);
  EXPECT_EQ(W->Top(), 100) << "placed like an unscrolled menu";
  EXPECT_EQ(W->Left(), 100);
}

TEST_F(SkinPopupMenu, HiddenItemsGetNoRowAndRedundantSeparatorsGo) {
  TskSkinPopupMenu* Menu = NewMenu({ "-", "一", "-", "-", "隐藏", "二", "-" });
  Menu->Items()->Items(4)->SetVisible(false);
  Menu->PopupFromRect(Rect(100, 100, 100, 100), false);
  std::vector<String> Rows;
  for (const auto& Item : Level(0)->ItemList) Rows.push_back(Item->MenuItem->Caption());
  EXPECT_EQ(Rows, (std::vector<String> { "一", "-", "二" }));
}

TEST_F(SkinPopupMenu, PlatformMenusOfTheShellAreTrackedSkinnedAndAnswerTheChoice) {
  NewMenu({});
  const HMENU Handle = CreatePopupMenu();
  InsertMenu(Handle, 0, MF_BYPOSITION, 11, "打开(&O)");
  InsertMenu(Handle, 1, MF_BYPOSITION | MF_SEPARATOR, 0, "");
  InsertMenu(Handle, 2, MF_BYPOSITION | MF_GRAYED, 12, "删除");
  InsertMenu(Handle, 3, MF_BYPOSITION, 13, "属性");
  Later([&] {
    ASSERT_EQ(Levels().size(), 1u);
    EXPECT_EQ(Level(0)->ItemList.size(), 4u);
    EXPECT_FALSE(Row(Level(0), "删除")->MenuItem->Enabled());
    Display->Key(VK_DOWN);
    Display->Key(VK_RETURN);
  });
  const TPoint P = Edit->ClientToScreen({ 5, 5 });
  EXPECT_EQ(TrackPopupMenu(Handle, TPM_RETURNCMD, P.X, P.Y, 0, Edit->Handle(), nullptr), 13u);
  EXPECT_FALSE(Frame->InMenu);
  Later([&] { Display->Key(VK_ESCAPE); });
  EXPECT_EQ(TrackPopupMenu(Handle, TPM_RETURNCMD, P.X, P.Y, 0, Edit->Handle(), nullptr), 0u);
  DestroyMenu(Handle);
}

TEST_F(SkinPopupMenu, OnlyTheFirstLevelOfAMenuFadesInAndSubmenusShowAtFullAlpha) {
  Frame->SetMenusAlphaBlend(true);
  Frame->SetMenusAlphaBlendAnimation(true);
  Frame->SetMenusAlphaBlendValue(150);
  std::vector<std::pair<HWND, int>> Alphas;
  auto& Caps = PlatformCapabilities();
  const auto Saved = Caps.SetLayeredWindowAttributes;
  Caps.SetLayeredWindowAttributes = [&](HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags) {
    Alphas.emplace_back(Wnd, Alpha);
    return Saved(Wnd, Key, Alpha, Flags);
  };
  TskSkinPopupMenu* Menu = NewMenu({ "最近" });
  AddItem(Menu->Items()->Items(0), "a.wmv");
  OpenForEdit(Menu);
  std::vector<int> Root;
  for (const auto& [Wnd, Alpha] : Alphas) Root.push_back(Alpha);
  std::vector<int> Expected { 0 };
  for (int A = 10; A <= 150; A += 10) Expected.push_back(A);
  EXPECT_EQ(Root, Expected) << "from 0 by 150 div 15 to the menus' alpha";
  Alphas.clear();
  Display->Key(VK_RIGHT);
  ASSERT_EQ(Levels().size(), 2u);
  EXPECT_EQ(Alphas, (std::vector<std::pair<HWND, int>> { { Level(1)->Handle(), 150 } }));
  Caps.SetLayeredWindowAttributes = Saved;
}

}  // namespace
