// Document forms: a main form's client window with its children, their activation by showing, clicking
// and stepping, maximizing with the merged caption, the arrangements, closing a child and clipping.
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/winsys/MdiArrangement.h"
#include "platform/ui/winsys/MdiClient.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

class MdiTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    App->CreateForm(Main);
    Main->SetCaption("Main");
    Main->SetFormStyle(fsMDIForm);
    Main->SetBounds(50, 50, 700, 500);
    Main->Show();
  }

  /// A shown child captioned Name at R (client coordinates) that logs its activation.
  TForm* NewChild(const std::string& Name, TRect R) {
    TForm* Child = NewForm(R, Name);
    Child->SetCaption(Name);
    Child->SetFormStyle(fsMDIChild);
    Child->OnActivate = [this, Name](TObject*) { Log.push_back(Name + "+"); };
    Child->OnDeactivate = [this, Name](TObject*) { Log.push_back(Name + "-"); };
    Child->Show();
    return Child;
  }

  /// The children's windows from the top of the z-order down.
  std::vector<HWND> ZOrder() const {
    std::vector<HWND> Order;
    for (HWND W = GetWindow(Main->ClientHandle(), GW_CHILD); W; W = GetWindow(W, GW_HWNDNEXT)) Order.push_back(W);
    return Order;
  }

  TRect ClientArea() const {
    TRect R;
    GetClientRect(Main->ClientHandle(), &R);
    return R;
  }

  TForm* Main { nullptr };
};

TEST_F(MdiTest, ThreeChildrenTakeTheActivationByShowingClickingAndStepping) {
  TForm* A = NewChild("A", Bounds(0, 0, 200, 150));
  TForm* B = NewChild("B", Bounds(220, 0, 200, 150));
  TForm* C = NewChild("C", Bounds(0, 170, 200, 150));
  EXPECT_EQ(Log, (AppLog { "A+", "A-", "B+", "B-", "C+" }));
  ASSERT_EQ(Main->MDIChildCount(), 3);
  EXPECT_EQ((std::vector<TCustomForm*> { Main->MDIChildren(0), Main->MDIChildren(1), Main->MDIChildren(2) }),
            (std::vector<TCustomForm*> { A, B, C }));
  EXPECT_EQ(Main->MDIChildren(3), nullptr);
  EXPECT_EQ(GetParent(A->Handle()), Main->ClientHandle());
  bool Maximized = true;
  EXPECT_EQ(HWND(SendMessage(Main->ClientHandle(), WM_MDIGETACTIVE, 0, LPARAM(&Maximized))), C->Handle());
  EXPECT_FALSE(Maximized);
  EXPECT_EQ(ZOrder(), (std::vector<HWND> { C->Handle(), B->Handle(), A->Handle() }));

  ClickOn(A);
  EXPECT_EQ(Main->ActiveMDIChild(), A);
  EXPECT_EQ(ZOrder().front(), A->Handle());
  EXPECT_EQ(GetFocus(), A->Handle()) << "the active child of the active main form has the focus";
  EXPECT_EQ(Main->ActiveControl(), nullptr);

  std::vector<TCustomForm*> Visited;
  for (int I = 0; I < 3; ++I) {
    Main->Next();
    Visited.push_back(Main->ActiveMDIChild());
  }
  EXPECT_EQ(Visited, (std::vector<TCustomForm*> { C, B, A })) << "Next visits every child and comes back";
  Visited.clear();
  for (int I = 0; I < 3; ++I) {
    Main->Previous();
    Visited.push_back(Main->ActiveMDIChild());
  }
  EXPECT_EQ(Visited, (std::vector<TCustomForm*> { B, C, A })) << "Previous goes the other way round";

  B->Show();
  EXPECT_EQ(Main->ActiveMDIChild(), B) << "showing a child that shows already activates it";
}

TEST_F(MdiTest, AMaximizedChildFillsTheClientWithoutFrameAndMergesItsCaptionUntilRestored) {
  TForm* A = NewChild("A", Bounds(10, 10, 200, 150));
  TForm* B = NewChild("B", Bounds(40, 40, 200, 150));
  const TRect Client = ClientArea();
  const Window& Frame = *WindowSystem::Get().Find(Main->Handle());
  EXPECT_EQ(MdiFrameCaption(Frame), "Main");

  SendMessage(Main->ClientHandle(), WM_MDIMAXIMIZE, WPARAM(B->Handle()), 0);
  EXPECT_EQ(B->WindowState(), wsMaximized);
  EXPECT_EQ(B->BoundsRect(), Client);
  EXPECT_EQ(B->ClientRect(), Rect(0, 0, Client.Width(), Client.Height())) << "no frame while maximized";
  bool Maximized = false;
  SendMessage(Main->ClientHandle(), WM_MDIGETACTIVE, 0, LPARAM(&Maximized));
  EXPECT_TRUE(Maximized);
  EXPECT_EQ(MdiFrameCaption(Frame), "Main - [B]");
  EXPECT_EQ(Main->Caption(), "Main") << "the form's own caption stays";
  B->SetCaption("Report");
  EXPECT_EQ(MdiFrameCaption(Frame), "Main - [Report]");

  A->Show();
  EXPECT_EQ(A->WindowState(), wsMaximized) << "the activated child takes the maximized place";
  EXPECT_EQ(B->WindowState(), wsNormal);
  EXPECT_EQ(B->BoundsRect(), Bounds(40, 40, 200, 150));
  EXPECT_EQ(MdiFrameCaption(Frame), "Main - [A]");
  TForm* C = NewChild("C", Bounds(70, 70, 200, 150));
  EXPECT_EQ(C->WindowState(), wsMaximized) << "a child shown while one is maximized opens maximized";
  EXPECT_EQ(A->WindowState(), wsNormal);

  SendMessage(Main->ClientHandle(), WM_MDIRESTORE, WPARAM(C->Handle()), 0);
  EXPECT_EQ(C->BoundsRect(), Bounds(70, 70, 200, 150));
  EXPECT_GT(C->Height() - C->ClientHeight(), 0) << "the frame is back";
  EXPECT_EQ(MdiFrameCaption(Frame), "Main");
  SendMessage(Main->ClientHandle(), WM_MDIGETACTIVE, 0, LPARAM(&Maximized));
  EXPECT_FALSE(Maximized);
}

TEST_F(MdiTest, TileAndCascadePlaceTheChildrenInZOrderAfterRestoringTheMaximizedOne) {
  TForm* A = NewChild("A", Bounds(10, 10, 200, 150));
  TForm* B = NewChild("B", Bounds(40, 40, 200, 150));
  TForm* C = NewChild("C", Bounds(70, 70, 200, 150));
  C->SetWindowState(wsMaximized);
  const std::vector<TCustomForm*> TopDown { C, B, A };
  const auto BoundsOf = [&] {
    std::vector<TRect> R;
    for (TCustomForm* F : TopDown) R.push_back(F->BoundsRect());
    return R;
  };
  for (const TTileMode Mode : { tbHorizontal, tbVertical }) {
    Main->SetTileMode(Mode);
    Main->Tile();
    EXPECT_EQ(BoundsOf(), MdiTileRects(ClientArea(), 3, Mode == tbHorizontal)) << "tile mode " << Mode;
    EXPECT_EQ(C->WindowState(), wsNormal);
  }
  Main->Cascade();
  const TSize Min { GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK) };
  EXPECT_EQ(BoundsOf(), MdiCascadeRects(ClientArea(), 3, GetSystemMetrics(SM_CYCAPTION) + 3, Min));
  EXPECT_EQ(Main->ActiveMDIChild(), C) << "arranging keeps the active child";

  A->SetWindowState(wsMinimized);
  Main->SetTileMode(tbHorizontal);
  Main->Tile();
  const TSize IconSize { GetSystemMetrics(SM_CXMINIMIZED), GetSystemMetrics(SM_CYMINIMIZED) };
  EXPECT_EQ(A->BoundsRect(), MdiIconRects(ClientArea(), 1, IconSize)[0])
      << "a minimized child sits along the bottom and is not tiled";
  EXPECT_EQ(C->BoundsRect(), MdiTileRects(ClientArea(), 2, true)[0]);
}

TEST_F(MdiTest, ClosingTheActiveChildPassesTheActivationOnAndKeepsTheMaximizedMode) {
  TForm* A = NewChild("A", Bounds(10, 10, 200, 150));
  TForm* B = NewChild("B", Bounds(40, 40, 200, 150));
  TForm* C = NewChild("C", Bounds(70, 70, 200, 150));
  bool Freed = false;
  C->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
  C->OnDestroy = [&](TObject*) { Freed = true; };
  C->SetWindowState(wsMaximized);
  C->Close();
  App->ProcessMessages();
  ASSERT_TRUE(Freed);
  EXPECT_EQ(Main->MDIChildCount(), 2);
  EXPECT_EQ(Main->ActiveMDIChild(), B);
  EXPECT_EQ(B->WindowState(), wsMaximized);
  EXPECT_EQ(MdiFrameCaption(*WindowSystem::Get().Find(Main->Handle())), "Main - [B]");

  B->SetWindowState(wsNormal);
  B->Close();  // hiding, the default action, also passes the activation on
  EXPECT_EQ(Main->ActiveMDIChild(), A);
  SendMessage(Main->ClientHandle(), WM_MDIDESTROY, WPARAM(A->Handle()), 0);
  EXPECT_EQ(Main->ActiveMDIChild(), nullptr);
  EXPECT_EQ(SendMessage(Main->ClientHandle(), WM_MDIGETACTIVE, 0, 0), 0);
}

TEST_F(MdiTest, TheClientTakesWhatTheAlignedControlsLeaveAndClipsItsChildren) {
  auto* Bar = Place<TPanel>(Main, Main, Bounds(0, 0, 100, 30));
  Bar->SetAlign(alTop);
  Bar->SetColor(clBlue);
  TRect ClientOnScreen;
  GetWindowRect(Main->ClientHandle(), &ClientOnScreen);
  const TPoint FormClient = Main->ClientToScreen({ 0, 0 });
  EXPECT_EQ(ClientOnScreen, Bounds(FormClient.X, FormClient.Y + 30, Main->ClientWidth(), Main->ClientHeight() - 30));

  TForm* Child = NewChild("A", Bounds(-40, -40, 120, 120));
  Child->SetColor(clRed);
  App->ProcessMessages();
  EXPECT_EQ(Display->PixelAt(ClientOnScreen.Left + 5, ClientOnScreen.Top + 5), clRed);
  EXPECT_EQ(Display->PixelAt(ClientOnScreen.Left + 5, ClientOnScreen.Top - 5), clBlue)
      << "the child stays inside the client";
  EXPECT_EQ(Display->PixelAt(ClientOnScreen.Left + 100, ClientOnScreen.Top + 100), ColorToRGB(clAppWorkSpace));

  Main->SetBounds(Main->Left(), Main->Top(), 500, 400);
  GetWindowRect(Main->ClientHandle(), &ClientOnScreen);
  EXPECT_EQ(ClientOnScreen.Height(), Main->ClientHeight() - 30) << "the client follows the form's size";
}

TEST_F(MdiTest, AChildNeedsAMainFormWithAClient) {
  TForm* Plain = NewForm(Bounds(0, 0, 200, 150), "Plain");
  Main->SetFormStyle(fsNormal);
  EXPECT_EQ(Main->ClientHandle(), 0u);
  Plain->SetFormStyle(fsMDIChild);
  EXPECT_THROW(Plain->Show(), EInvalidOperation);
}

}  // namespace
