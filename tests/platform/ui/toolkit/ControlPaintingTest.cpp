// Painting of windowed controls and their windowless children: z-order, opaque children clipped out of
// the parent's own painting, painting into a DC handed over in WM_PAINT, synchronous repaints.
#include "tests/platform/ui/ControlFixture.h"
#include "tests/platform/ui/UiFixture.h"

namespace {

TEST_F(ControlTest, WindowlessChildrenPaintOverTheirParentInZOrder) {
  struct Case {
    bool Opaque;
    TColor BesideThePaintedHalf;
  };
  // The root's WM_ERASEBKGND fills white (its Color), its Paint fills red; the child paints the left
  // half of its rectangle blue. An opaque child is clipped out of the parent's Paint, so only the erase
  // shows beside its painted half; any other child has the parent painted beneath it.
  for (const Case& C : { Case { true, clWhite }, Case { false, clRed } }) {
    SCOPED_TRACE(C.Opaque);
    SetUp();
    Root->Fill = clRed;
    auto* Child = Add<GraphicProbe>(Root.get(), "Child", Bounds(20, 20, 40, 20));
    Child->Fill = clBlue;
    Child->FillWidth = 20;
    if (C.Opaque) Child->SetControlStyle(Child->ControlStyle() + TControlStyle { csOpaque });
    auto* Hidden = Add<GraphicProbe>(Root.get(), "Hidden", Bounds(100, 20, 20, 20));
    Hidden->Fill = clLime;
    Hidden->Hide();
    ShowRoot();
    EXPECT_EQ(Pixel(5, 5), clRed);
    EXPECT_EQ(Pixel(25, 25), clBlue);
    EXPECT_EQ(Pixel(50, 25), C.BesideThePaintedHalf);
    EXPECT_EQ(Pixel(105, 25), clRed);
    TearDown();
  }
}

TEST_F(ControlTest, LaterSiblingsPaintAboveEarlierOnesUntilReordered) {
  Root->Fill = clRed;
  auto* Lower = Add<GraphicProbe>(Root.get(), "Lower", Bounds(10, 10, 40, 40));
  Lower->Fill = clBlue;
  auto* Upper = Add<GraphicProbe>(Root.get(), "Upper", Bounds(30, 30, 40, 40));
  Upper->Fill = clLime;
  ShowRoot();
  EXPECT_EQ(Pixel(40, 40), clLime);
  EXPECT_EQ(Root->Controls(0), Lower);

  Lower->BringToFront();
  Screen->PumpUntilIdle();
  EXPECT_EQ(Pixel(40, 40), clBlue);
  EXPECT_EQ(Root->Controls(1), Lower);
}

TEST_F(ControlTest, PaintIntoAHandedOverDCKeepsItsOriginAndLeavesTheWindowUnpainted) {
  Root->Fill = clRed;
  auto* Child = Add<GraphicProbe>(Root.get(), "Child", Bounds(20, 20, 40, 20));
  Child->Fill = clBlue;
  ShowRoot();
  InvalidateRect(Root->Handle(), nullptr, false);

  const HDC DC = CreateCompatibleDC(nullptr);
  const HBITMAP Bitmap = CreateCompatibleBitmap(DC, 300, 200);  // black
  const HGDIOBJ Old = SelectObject(DC, Bitmap);
  SetViewportOrgEx(DC, 30, 40, nullptr);
  SendMessage(Root->Handle(), WM_PAINT, WPARAM(DC), 0);
  SetViewportOrgEx(DC, 0, 0, nullptr);
  EXPECT_EQ(GetPixel(DC, 29, 39), clBlack);
  EXPECT_EQ(GetPixel(DC, 30, 40), clRed);
  EXPECT_EQ(GetPixel(DC, 229, 139), clRed);
  EXPECT_EQ(GetPixel(DC, 230, 140), clBlack);
  EXPECT_EQ(GetPixel(DC, 30 + 25, 40 + 25), clBlue);
  SelectObject(DC, Old);
  DeleteObject(Bitmap);
  DeleteDC(DC);

  TRect Pending;
  EXPECT_TRUE(GetUpdateRect(Root->Handle(), &Pending, false));  // no BeginPaint happened
}

TEST_F(ControlTest, RepaintOfAWindowlessControlIsSynchronous) {
  for (const bool Opaque : { true, false }) {
    SCOPED_TRACE(Opaque);
    SetUp();
    Root->Fill = clRed;
    auto* Child = Add<GraphicProbe>(Root.get(), "Child", Bounds(20, 20, 40, 20));
    Child->Fill = clBlue;
    if (Opaque) Child->SetControlStyle(Child->ControlStyle() + TControlStyle { csOpaque });
    ShowRoot();
    Child->Fill = clLime;
    Child->Repaint();
    EXPECT_EQ(Pixel(25, 25), clLime);
    TearDown();
  }
}

TEST_F(ControlTest, APostedInvalidateMessageRepaintsTheControl) {
  Root->Fill = clRed;
  auto* Panel = Add<Probe>(Root.get(), "Panel", Bounds(20, 20, 40, 20));
  Panel->Fill = clBlue;
  ShowRoot();
  Panel->Fill = clLime;
  PostMessage(Panel->Handle(), 0xB034, 0, 0);  // what the player's owner posts when playback stops
  Screen->PumpUntilIdle();
  EXPECT_EQ(Pixel(25, 25), clLime);
}

TEST_F(ControlTest, AWindowlessControlDrawsOutsidePaintingThroughItsParentsWindow) {
  Root->Fill = clRed;
  auto* Child = Add<GraphicProbe>(Root.get(), "Child", Bounds(20, 20, 40, 20));
  ShowRoot();
  Child->Canvas()->Brush()->SetColor(clBlue);
  Child->Canvas()->FillRect(Rect(0, 0, 100, 100));  // clipped to the control
  FreeDeviceContexts();
  EXPECT_EQ(Pixel(20, 20), clBlue);
  EXPECT_EQ(Pixel(59, 39), clBlue);
  EXPECT_EQ(Pixel(60, 40), clRed);
  EXPECT_EQ(Pixel(19, 19), clRed);
}

}  // namespace
