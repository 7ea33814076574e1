// The MDI client window under the main form's frame: its background from the skin, no border of its own,
// its procedure given back with the frame; the skinned scroll bars over it while children lie outside it,
// scrolling by their buttons, and hidden while the children fit or one is maximized.
#include "platform/gdi/Colors.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "tests/skin/form/MDIFormFixture.h"

namespace {

constexpr TColor BackgroundPicture = RGB(200, 120, 40);
constexpr TColor MDIBackgroundPicture = RGB(40, 120, 200);

class MDIClient : public MDIFrame {
protected:
  /// The colour the screen shows at (X, Y) of the client window.
  TColor ClientColor(int X, int Y) {
    Display->PumpUntilIdle();
    TRect R;
    GetWindowRect(Main->ClientHandle(), &R);
    return Display->PixelAt(R.Left + X, R.Top + Y);
  }

  /// Appends a picture of one colour to the model; answers its index.
  int AddPicture(TColor Color) {
    auto Picture = std::make_unique<TBitmap>();
    Picture->SetSize(16, 16);
    Picture->Canvas()->Brush()->SetColor(Color);
    Picture->Canvas()->FillRect(Rect(0, 0, 16, 16));
    Model.FActivePictures.push_back(std::move(Picture));
    return int(Model.FActivePictures.size()) - 1;
  }

  /// Clicks the middle of the part of Bar at (X, Y) (bar coordinates).
  void ClickBar(TskSkinScrollBar* Bar, int X, int Y) {
    const TPoint P = Bar->ClientToScreen({ X, Y });
    Display->MoveTo(P.X, P.Y);
    Display->Click(P.X, P.Y);
    Display->PumpUntilIdle();
  }
};

TEST_F(MDIClient, TheBackgroundComesFromTheSkinAndFollowsItsChanges) {
  NewChild("A");
  const TPoint Free { 600, 380 };  // away from the child
  EXPECT_EQ(ClientColor(Free.X, Free.Y), ColorToRGB(clAppWorkSpace)) << "no skin";

  BuildFrameSkin(Model);
  Frame->SetSkinData(&Model);
  EXPECT_EQ(ClientColor(Free.X, Free.Y), FrameClient) << "the frame picture's client piece";

  Model.BGPictureIndex = AddPicture(BackgroundPicture);
  Frame->SetSkinData(&Model);
  EXPECT_EQ(ClientColor(Free.X, Free.Y), BackgroundPicture) << "the form's background picture";

  Model.MDIBGPictureIndex = AddPicture(MDIBackgroundPicture);
  Frame->SetSkinData(&Model);
  EXPECT_EQ(ClientColor(Free.X, Free.Y), MDIBackgroundPicture) << "the MDI background picture";
  Display->SaveScreenPng(testing::TempDir() + "mdi-client-background.png");

  Frame->SetSkinData(nullptr);
  EXPECT_EQ(ClientColor(Free.X, Free.Y), ColorToRGB(clAppWorkSpace)) << "the skin gone";
}

TEST_F(MDIClient, TheClientHasNoBorderAndGetsItsProcedureBackWithTheFrame) {
  const HWND Client = Main->ClientHandle();
  // Even a client given a sunken edge keeps its whole window as client area.
  SetWindowLong(Client, GWL_EXSTYLE, GetWindowLong(Client, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
  SetWindowPos(Client, 0, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  TRect Window, Inner;
  GetWindowRect(Client, &Window);
  GetClientRect(Client, &Inner);
  EXPECT_EQ(Inner.Width(), Window.Width());
  EXPECT_EQ(Inner.Height(), Window.Height());
  EXPECT_EQ(SendMessage(Client, WM_NCACTIVATE, 0, 0), 1);

  BuildFrameSkin(Model);
  Frame->SetSkinData(&Model);
  delete Frame;
  Frame = nullptr;
  EXPECT_EQ(ClientColor(20, 20), ColorToRGB(clAppWorkSpace)) << "the client's own background again";
}

/// Where a child lies (client coordinates) and what the bars then show: which are visible, and the
/// horizontal bar's Max and position.
struct TScrollCase {
  const char* Name;
  TRect Child;
  bool H;
  bool V;
  int HMax;
  int HPosition;
};

TEST_F(MDIClient, ScrollBarsShowWhileChildrenLieOutsideTheClient) {
  TForm* A = NewChild("A");
  const TRect Area = Frame->MDIClientArea();
  const int W = Area.Width(), H = Area.Height();
  TskSkinScrollBar* HBar = Frame->MDIHScrollBar();
  TskSkinScrollBar* VBar = Frame->MDIVScrollBar();
  ASSERT_TRUE(HBar && VBar);
  const int Bar = VBar->Width();
  const TScrollCase Cases[] = {
    { "inside", Bounds(10, 10, 250, 180), false, false, 0, 0 },
    { "left of the client", Bounds(-50, 10, 250, 180), true, false, W + 50 - 1, 50 },
    { "past the right edge", Bounds(W - 100, 10, 250, 180), true, false, W + 150 - 1, 0 },
    { "below", Bounds(10, H - 50, 250, 180), false, true, 0, 0 },
    { "past both", Bounds(W - 100, H - 50, 250, 180), true, true, W + 150 - 1, 0 },
    // Fits beside one bar, not beside the other one.
    { "under the vertical bar", Bounds(W - 250 - Bar / 2, -20, 250, 180), true, true, W - 1, 0 },
  };
  for (const TScrollCase& C : Cases) {
    A->SetBoundsRect(C.Child);
    Display->PumpUntilIdle();
    EXPECT_EQ(HBar->Visible(), C.H) << C.Name;
    EXPECT_EQ(VBar->Visible(), C.V) << C.Name;
    if (C.H) {
      EXPECT_EQ(HBar->Max(), C.HMax) << C.Name;
      EXPECT_EQ(HBar->Position(), C.HPosition) << C.Name;
      EXPECT_EQ(HBar->PageSize(), W - (C.V ? Bar : 0)) << C.Name;
      EXPECT_EQ(HBar->BoundsRect(), Rect(Area.Left, Area.Bottom - HBar->Height(), Area.Right, Area.Bottom)) << C.Name;
      EXPECT_EQ(HBar->Both(), C.V) << C.Name;
    }
    if (C.V) {
      const int Bottom = Area.Bottom - (C.H ? HBar->Height() : 0);
      EXPECT_EQ(VBar->BoundsRect(), Rect(Area.Right - Bar, Area.Top, Area.Right, Bottom)) << C.Name;
      EXPECT_EQ(VBar->PageSize(), H - (C.H ? HBar->Height() : 0)) << C.Name;
    }
  }
  // The vertical bar of the last case: the child's top lies 20 above the client.
  EXPECT_EQ(VBar->Position(), 20);
  EXPECT_EQ(VBar->Max(), H + 20 - 1);
  Display->SaveScreenPng(testing::TempDir() + "mdi-client-scroll-bars.png");
}

TEST_F(MDIClient, AButtonOfABarMovesEveryVisibleChildByTenPixels) {
  TForm* A = NewChild("A", Bounds(-50, 10, 250, 180));
  TForm* B = NewChild("B", Bounds(100, 40, 250, 180));
  TskSkinScrollBar* HBar = Frame->MDIHScrollBar();
  ASSERT_TRUE(HBar->Visible());
  ASSERT_EQ(HBar->Position(), 50);
  const int Middle = HBar->Height() / 2;
  // The view shows the right end of what the children take: the decrease button scrolls toward the left.
  ClickBar(HBar, 8, Middle);
  EXPECT_EQ(A->Left(), -40);
  EXPECT_EQ(B->Left(), 110);
  EXPECT_EQ(HBar->Position(), 40);
  ClickBar(HBar, 8, Middle);
  ClickBar(HBar, HBar->Width() - 8, Middle);  // the increase button at the right end
  EXPECT_EQ(A->Left(), -40);
  EXPECT_EQ(B->Left(), 110);
  EXPECT_EQ(HBar->Position(), 40);
  ClickBar(HBar, HBar->Width() - 8, Middle);
  EXPECT_EQ(A->Left(), -50) << "the right end reached";
  ClickBar(HBar, HBar->Width() - 8, Middle);
  EXPECT_EQ(A->Left(), -50) << "no further";
  EXPECT_EQ(HBar->Position(), 50);
  EXPECT_TRUE(HBar->Visible()) << "the scrolling is no move of a child's own";

  // The thumb dragged to the left end: the children move when it is let go.
  const TRect Thumb = HBar->Buttons[0].R;
  const TPoint From = HBar->ClientToScreen({ Thumb.Left + Thumb.Width() / 2, Middle });
  Display->Drag(From, { From.X - HBar->Width(), From.Y });
  Display->PumpUntilIdle();
  EXPECT_EQ(HBar->Position(), 0);
  EXPECT_EQ(A->Left(), 0);
  EXPECT_EQ(B->Left(), 150);

  EXPECT_FALSE(HBar->Visible()) << "the children fit now";
}

TEST_F(MDIClient, BarsHideForAMaximizedChildAHiddenOneAndWithoutShowMDIScrollBars) {
  TForm* A = NewChild("A", Bounds(-50, -50, 250, 180));
  TForm* B = NewChild("B");
  TskSkinScrollBar* HBar = Frame->MDIHScrollBar();
  TskSkinScrollBar* VBar = Frame->MDIVScrollBar();
  ASSERT_TRUE(HBar->Visible() && VBar->Visible());

  GetSkinFormComponent(B)->SetWindowState(wsMaximized);
  Display->PumpUntilIdle();
  EXPECT_FALSE(HBar->Visible() || VBar->Visible()) << "maximized";
  GetSkinFormComponent(B)->SetWindowState(wsNormal);
  Display->PumpUntilIdle();
  ASSERT_TRUE(HBar->Visible() && VBar->Visible()) << "restored";

  Frame->SetShowMDIScrollBars(false);
  EXPECT_FALSE(HBar->Visible() || VBar->Visible()) << "ShowMDIScrollBars off";
  Frame->SetShowMDIScrollBars(true);
  ASSERT_TRUE(HBar->Visible());

  A->Hide();
  Display->PumpUntilIdle();
  EXPECT_FALSE(HBar->Visible() || VBar->Visible()) << "the child outside hidden";
  A->Show();
  Display->PumpUntilIdle();
  ASSERT_TRUE(HBar->Visible());
  delete A;
  Display->PumpUntilIdle();
  EXPECT_FALSE(HBar->Visible() || VBar->Visible()) << "the child outside freed";
}

TEST_F(MDIClient, TheClientsSizeRefitsMaximizedChildrenAndWithoutBarsTheMinimizedRow) {
  TForm* A = NewChild("A");
  TForm* B = NewChild("B");
  GetSkinFormComponent(A)->SetWindowState(wsMaximized);
  Main->SetBounds(50, 50, 600, 420);
  Display->PumpUntilIdle();
  TRect Area = Frame->MDIClientArea();
  EXPECT_EQ(A->BoundsRect(), Rect(0, 0, Area.Width(), Area.Height()));
  GetSkinFormComponent(A)->SetWindowState(wsNormal);

  Frame->SetShowMDIScrollBars(false);
  TskSkinForm* BFrame = GetSkinFormComponent(B);
  BFrame->SetWindowState(wsMinimized);
  Display->PumpUntilIdle();
  const int MinW = BFrame->GetMinWidth(), MinH = BFrame->GetMinHeight();
  EXPECT_EQ(B->BoundsRect(), Bounds(0, Area.Height() - MinH, MinW, MinH));
  Main->SetBounds(50, 50, 600, 500);
  Display->PumpUntilIdle();
  Area = Frame->MDIClientArea();
  EXPECT_EQ(B->Top(), Area.Height() - MinH) << "the row along the new bottom";
}

}  // namespace
