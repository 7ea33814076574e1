// Alignment, anchors and constraints of children, and realigning from inside a realign.
#include "tests/platform/ui/ControlFixture.h"
#include "tests/platform/ui/UiFixture.h"

namespace {

/// A root that puts alCustom children in the middle of the align rectangle.
class CentringRoot : public TestRoot {
public:
  using TestRoot::TestRoot;
  int AlignPasses { 0 };

protected:
  void CustomAlignPosition(TControl* Control, int& NewLeft, int& NewTop, int& NewWidth, int& NewHeight,
                           TRect& AlignRect) override {
    (void)Control;
    NewLeft = AlignRect.Left + (AlignRect.Width() - NewWidth) / 2;
    NewTop = AlignRect.Top + (AlignRect.Height() - NewHeight) / 2;
  }
  void AlignControls(TControl* AControl, TRect& R) override {
    ++AlignPasses;
    TestRoot::AlignControls(AControl, R);
  }
};

TEST_F(ControlTest, OneChildPerAlignmentInsideTheAdjustedClientRect) {
  struct Case {
    TAlign Align;
    int MinWidth, MaxWidth, MinHeight, MaxHeight;
    TRect Expected;
  };
  // The root is 200 x 100 and aligns inside (5, 5, 195, 95); the child asks for (10, 10, 20 x 20).
  const Case Cases[] = {
    { alNone, 0, 0, 0, 0, Bounds(10, 10, 20, 20) },
    { alTop, 0, 0, 0, 0, Bounds(5, 5, 190, 20) },
    { alBottom, 0, 0, 0, 0, Bounds(5, 75, 190, 20) },
    { alLeft, 0, 0, 0, 0, Bounds(5, 5, 20, 90) },
    { alRight, 0, 0, 0, 0, Bounds(175, 5, 20, 90) },
    { alClient, 0, 0, 0, 0, Bounds(5, 5, 190, 90) },
    { alCustom, 0, 0, 0, 0, Bounds(90, 40, 20, 20) },
    { alClient, 0, 100, 0, 50, Bounds(5, 5, 100, 50) },
    { alTop, 0, 0, 0, 8, Bounds(5, 5, 190, 8) },
    { alLeft, 30, 0, 0, 0, Bounds(5, 5, 30, 90) },
    { alRight, 0, 0, 95, 0, Bounds(175, 5, 20, 95) },
  };
  Root.reset(new CentringRoot(&Log));
  Root->SetBounds(100, 100, 200, 100);
  Root->Inset = 5;
  ShowRoot();
  for (const Case& C : Cases) {
    SCOPED_TRACE(int(C.Align));
    auto* Child = Add<Probe>(Root.get(), "Child", Bounds(10, 10, 20, 20));
    Child->Constraints()->SetMinWidth(C.MinWidth);
    Child->Constraints()->SetMaxWidth(C.MaxWidth);
    Child->Constraints()->SetMinHeight(C.MinHeight);
    Child->Constraints()->SetMaxHeight(C.MaxHeight);
    Child->SetAlign(C.Align);
    EXPECT_EQ(Child->BoundsRect(), C.Expected);
    delete Child;
  }
}

TEST_F(ControlTest, AlignmentOrderOfSeveralChildren) {
  // Built before the root has a window: the first alignment sorts each group by position, and among
  // equal right edges the later child goes further out, so right-aligned children created alike read in
  // creation order from left to right.
  Root->Inset = 5;
  auto* Top1 = Add<Probe>(Root.get(), "Top1", Bounds(0, 0, 10, 10));
  Top1->SetAlign(alTop);
  TControl* Right[3];
  for (int I = 0; I < 3; ++I) {
    Right[I] = Add<Probe>(Root.get(), Format("Right%d", I), Bounds(0, 0, 20, 10));
    Right[I]->SetAlign(alRight);
  }
  auto* Bottom = Add<GraphicProbe>(Root.get(), "Bottom", Bounds(0, 0, 10, 15));
  Bottom->SetAlign(alBottom);
  auto* Client = Add<Probe>(Root.get(), "Client", Bounds(0, 0, 10, 10));
  Client->Constraints()->SetMaxWidth(60);
  Client->SetAlign(alClient);
  auto* Hidden = Add<Probe>(Root.get(), "Hidden", Bounds(0, 0, 10, 10));
  Hidden->Hide();
  Hidden->SetAlign(alTop);
  EXPECT_EQ(Top1->BoundsRect(), Bounds(0, 0, 10, 10));  // no window, no alignment yet

  ShowRoot();
  EXPECT_EQ(Top1->BoundsRect(), Bounds(5, 5, 190, 10));
  EXPECT_EQ(Bottom->BoundsRect(), Bounds(5, 80, 190, 15));
  EXPECT_EQ(Right[0]->BoundsRect(), Bounds(135, 15, 20, 65));
  EXPECT_EQ(Right[1]->BoundsRect(), Bounds(155, 15, 20, 65));
  EXPECT_EQ(Right[2]->BoundsRect(), Bounds(175, 15, 20, 65));
  EXPECT_EQ(Client->BoundsRect(), Bounds(5, 15, 60, 65));  // held to its maximum width
  EXPECT_EQ(Hidden->BoundsRect(), Bounds(0, 0, 10, 10));

  // The child asking for the realign goes first in its group unless another lies further out.
  auto* Top2 = Add<Probe>(Root.get(), "Top2", Bounds(0, 0, 10, 12));
  Top2->SetAlign(alTop);
  EXPECT_EQ(Top2->BoundsRect(), Bounds(5, 5, 190, 12));
  EXPECT_EQ(Top1->BoundsRect(), Bounds(5, 17, 190, 10));
  EXPECT_EQ(Right[0]->BoundsRect(), Bounds(135, 27, 20, 53));

  Hidden->Show();
  EXPECT_EQ(Hidden->BoundsRect(), Bounds(5, 5, 190, 10));
  EXPECT_EQ(Top2->BoundsRect(), Bounds(5, 15, 190, 12));
  EXPECT_EQ(Top1->BoundsRect(), Bounds(5, 27, 190, 10));
  EXPECT_EQ(Client->BoundsRect(), Bounds(5, 37, 60, 43));
}

TEST_F(ControlTest, AnchorsFollowTheParentsSize) {
  ShowRoot();
  struct Case {
    TAnchors Anchors;
    TRect AfterGrowth;
  };
  // The child sits at (20, 10, 40 x 30) in a 200 x 100 root that grows to 300 x 160.
  const Case Cases[] = {
    { { akLeft, akTop }, Bounds(20, 10, 40, 30) },
    { { akRight, akBottom }, Bounds(120, 70, 40, 30) },
    { { akLeft, akTop, akRight, akBottom }, Bounds(20, 10, 140, 90) },
    { {}, Bounds(40, 25, 40, 30) },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(int(C.Anchors.Bits()));
    Root->SetBounds(100, 100, 200, 100);
    auto* Child = Add<GraphicProbe>(Root.get(), "Child", Bounds(20, 10, 40, 30));
    Child->SetAnchors(C.Anchors);
    Root->SetBounds(100, 100, 300, 160);
    EXPECT_EQ(Child->BoundsRect(), C.AfterGrowth);
    delete Child;
  }
}

TEST_F(ControlTest, AChildRelaysOutItsParentFromInsideTheParentsAlignment) {
  auto* Centring = new CentringRoot(&Log);
  Root.reset(Centring);
  Root->SetBounds(100, 100, 200, 100);
  ShowRoot();
  auto* Header = Add<Probe>(Root.get(), "Header", Bounds(0, 0, 10, 30));
  Header->SetAlign(alTop);
  auto* Body = Add<Probe>(Root.get(), "Body", Bounds(0, 0, 10, 10));
  // Like a view that shows a scroll bar when it gets its own WM_SIZE and re-lays out its parent under a
  // guard, expecting its next WM_SIZE inside that call.
  bool Guard = false;
  std::vector<std::pair<int, bool>> Sizes;
  Body->OnResize = [&](TObject*) {
    Sizes.push_back({ Body->Height(), Guard });
    if (Guard || Body->Height() <= 60) return;
    Guard = true;
    Header->SetHeight(Header->Height() + 10);
    Root->AlignChildren();
    Guard = false;
  };
  Body->SetAlign(alClient);
  EXPECT_EQ(Header->BoundsRect(), Bounds(0, 0, 200, 40));
  EXPECT_EQ(Body->BoundsRect(), Bounds(0, 40, 200, 60));
  EXPECT_EQ(Sizes, (std::vector<std::pair<int, bool>> { { 70, false }, { 60, true } }));

  // Realigns asked for while alignment is disabled run once, at the last EnableAlign.
  Body->OnResize = nullptr;
  Centring->AlignPasses = 0;
  Root->DisableAlign();
  Root->DisableAlign();
  Header->SetHeight(20);
  Root->Realign();
  EXPECT_EQ(Centring->AlignPasses, 0);
  Root->EnableAlign();
  EXPECT_EQ(Centring->AlignPasses, 0);
  Root->EnableAlign();
  EXPECT_EQ(Centring->AlignPasses, 1);
  EXPECT_EQ(Body->BoundsRect(), Bounds(0, 20, 200, 80));
}

/// A windowless control whose content is 50 x 15.
class Sized : public GraphicProbe {
public:
  using GraphicProbe::GraphicProbe;

protected:
  bool CanAutoSize(int& NewWidth, int& NewHeight) override {
    NewWidth = 50;
    NewHeight = 15;
    return true;
  }
};

TEST_F(ControlTest, AutoSizeTakesTheControlsOwnSizeInTheDirectionsItsAlignmentLeavesFree) {
  ShowRoot();
  auto* Label = new Sized(Root.get(), &Log, "Label");
  Label->SetBounds(10, 10, 30, 30);
  Label->SetParent(Root.get());
  Label->SetAutoSize(true);
  EXPECT_EQ(Label->BoundsRect(), Bounds(10, 10, 50, 15));
  Label->SetWidth(100);
  EXPECT_EQ(Label->BoundsRect(), Bounds(10, 10, 50, 15));
  Label->SetAlign(alTop);
  EXPECT_EQ(Label->BoundsRect(), Bounds(0, 0, 200, 15));

  // A windowed container sizes itself to the extent of its children.
  auto* Box = Add<Probe>(Root.get(), "Box", Bounds(10, 40, 20, 20));
  Add<GraphicProbe>(Box, "A", Bounds(10, 10, 30, 20));
  Add<Probe>(Box, "B", Bounds(50, 5, 20, 40));
  Box->SetAutoSize(true);
  EXPECT_EQ(Box->BoundsRect(), Bounds(10, 40, 70, 45));
}

TEST_F(ControlTest, ScrollByMovesWindowedAndWindowlessChildren) {
  Root->Fill = clRed;
  auto* A = Add<GraphicProbe>(Root.get(), "A", Bounds(10, 10, 20, 20));
  A->Fill = clBlue;
  auto* W = Add<Probe>(Root.get(), "W", Bounds(50, 10, 20, 20));
  W->Fill = clLime;
  ShowRoot();
  Root->ScrollBy(5, 7);
  EXPECT_EQ(A->BoundsRect(), Bounds(15, 17, 20, 20));
  EXPECT_EQ(W->BoundsRect(), Bounds(55, 17, 20, 20));
  TRect Placed;
  GetWindowRect(W->Handle(), &Placed);
  EXPECT_EQ(Placed, Bounds(155, 117, 20, 20));
  Screen->PumpUntilIdle();
  EXPECT_EQ(Pixel(12, 12), clRed);
  EXPECT_EQ(Pixel(16, 18), clBlue);
  EXPECT_EQ(Pixel(56, 18), clLime);
}

}  // namespace
