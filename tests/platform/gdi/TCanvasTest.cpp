#include <gtest/gtest.h>

#include <thread>

#include "platform/base/Exception.h"
#include "platform/gdi/FontFace.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TGraphic.h"
#include "platform/gdi/Text.h"
#include "tests/platform/gdi/TextFixtures.h"

namespace {

using fixtures::MemoryDC;

// With the test face at height -10 every glyph advances 6 pixels in a 12-pixel cell and fills the 9-pixel
// ascent, one column narrower than its advance.
class TCanvasTest : public ::testing::Test {
protected:
  void SetUp() override {
    UseTestFontFace(true);
    Canvas.Font()->SetHeight(-10);
    Canvas.SetHandle(Target.DC);
  }
  void TearDown() override {
    Canvas.SetHandle(nullptr);
    UseTestFontFace(false);
  }

  MemoryDC Target { 100, 60 };
  TCanvas Canvas;
};

TEST_F(TCanvasTest, BindingKeepsTheOriginsAndClipOfTheDC) {
  Canvas.SetHandle(nullptr);
  SetViewportOrgEx(Target.DC, 10, 20, nullptr);
  SetWindowOrgEx(Target.DC, 2, 0, nullptr);
  IntersectClipRect(Target.DC, 2, 0, 32, 30);
  Canvas.SetHandle(Target.DC);
  EXPECT_EQ(Canvas.ClipRect(), (TRect { 2, 0, 32, 30 }));
  Canvas.Brush()->SetColor(clRed);
  Canvas.FillRect({ -50, -50, 100, 100 });
  EXPECT_EQ(Target.Ink(), (TRect { 10, 20, 40, 50 }));
  Target.Clear();
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.TextOut(2, 0, "ab");
  EXPECT_EQ(Target.Ink(), (TRect { 10, 20, 21, 29 }));
  TPoint Origin;
  GetViewportOrgEx(Target.DC, &Origin);
  EXPECT_EQ(Origin, (TPoint { 10, 20 }));
}

TEST_F(TCanvasTest, TextRectClipsAndFillsOnlyWithASolidBrush) {
  const TRect R { 10, 10, 25, 22 };
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.TextRect(R, 12, 12, "abcdefgh");
  EXPECT_EQ(Target.Ink(), (TRect { 12, 12, 25, 21 }));
  EXPECT_EQ(Target.Rgb(17, 15), 0xFFFFFFu) << "the gap between glyphs stays";

  Target.Clear();
  Canvas.Brush()->SetColor(clBlue);
  Canvas.Font()->SetColor(clRed);
  Canvas.TextRect(R, 12, 12, "abcdefgh");
  EXPECT_EQ(Target.Ink(), R);
  EXPECT_EQ(Target.Rgb(10, 10), 0x0000FFu);
  EXPECT_EQ(Target.Rgb(17, 15), 0x0000FFu);
  EXPECT_EQ(Target.Rgb(13, 15), 0xFF0000u);
}

TEST_F(TCanvasTest, FontChangesReachTheDCAtOnce) {
  EXPECT_EQ(Canvas.TextExtent("abc"), (TSize { 18, 12 }));
  HDC DC = Canvas.Handle();
  Canvas.Font()->SetHeight(-20);
  Canvas.Font()->SetColor(clGreen);
  TEXTMETRIC M;
  GetTextMetrics(DC, M);
  EXPECT_EQ(M.tmHeight - M.tmInternalLeading, 20);
  EXPECT_EQ(GetTextColor(DC), clGreen);
  EXPECT_EQ(Canvas.TextWidth("abc"), 36);
  EXPECT_EQ(Canvas.TextHeight("abc"), M.tmHeight);
}

TEST_F(TCanvasTest, UnbindingGivesTheDCItsOwnObjectsBack) {
  Canvas.SetHandle(nullptr);
  const HGDIOBJ Font = GetCurrentObject(Target.DC, OBJ_FONT);
  const HGDIOBJ Pen = GetCurrentObject(Target.DC, OBJ_PEN);
  const HGDIOBJ Brush = GetCurrentObject(Target.DC, OBJ_BRUSH);
  {
    TCanvas Borrower;
    Borrower.SetHandle(Target.DC);
    Borrower.Handle();
    EXPECT_NE(GetCurrentObject(Target.DC, OBJ_FONT), Font);
    Borrower.Font()->SetHeight(-30);
    Borrower.Pen()->SetColor(clRed);
  }
  EXPECT_EQ(GetCurrentObject(Target.DC, OBJ_FONT), Font);
  EXPECT_EQ(GetCurrentObject(Target.DC, OBJ_PEN), Pen);
  EXPECT_EQ(GetCurrentObject(Target.DC, OBJ_BRUSH), Brush);
}

TEST_F(TCanvasTest, ShapesUseThePenAndBrush) {
  Canvas.Pen()->SetColor(clRed);
  Canvas.Brush()->SetColor(clBlue);
  Canvas.Rectangle(10, 10, 20, 20);
  EXPECT_EQ(Target.Ink(), (TRect { 10, 10, 20, 20 }));
  EXPECT_EQ(Target.Rgb(10, 10), 0xFF0000u);
  EXPECT_EQ(Target.Rgb(15, 15), 0x0000FFu);
  EXPECT_EQ(Target.Rgb(19, 19), 0xFF0000u);

  Target.Clear();
  Canvas.MoveTo(30, 5);
  Canvas.LineTo(40, 5);
  EXPECT_EQ(Target.Ink(), (TRect { 30, 5, 40, 6 }));
  EXPECT_EQ(Canvas.PenPos(), (TPoint { 40, 5 }));
  Canvas.SetPixels(50, 50, clLime);
  EXPECT_EQ(Canvas.Pixels(50, 50), clLime);
  Canvas.TextOut(60, 30, "ab");
  EXPECT_EQ(Canvas.PenPos(), (TPoint { 72, 30 }));
}

TEST_F(TCanvasTest, CopyRectStretchesWhenTheSizesDiffer) {
  MemoryDC Source(2, 1);
  SetPixel(Source.DC, 0, 0, clRed);
  SetPixel(Source.DC, 1, 0, clBlue);
  TCanvas From;
  From.SetHandle(Source.DC);
  Canvas.CopyRect({ 10, 10, 14, 11 }, &From, { 0, 0, 2, 1 });
  EXPECT_EQ(Target.Rgb(10, 10), 0xFF0000u);
  EXPECT_EQ(Target.Rgb(11, 10), 0xFF0000u);
  EXPECT_EQ(Target.Rgb(12, 10), 0x0000FFu);
  EXPECT_EQ(Target.Rgb(13, 10), 0x0000FFu);
  Canvas.CopyRect({ 20, 10, 22, 11 }, &From, { 0, 0, 2, 1 });
  EXPECT_EQ(Target.Rgb(20, 10), 0xFF0000u);
  EXPECT_EQ(Target.Rgb(21, 10), 0x0000FFu);
}

TEST_F(TCanvasTest, BrushCopyShowsTheBrushOrTheBackgroundThroughTheKeyColour) {
  TBitmap Picture;
  Picture.SetSize(2, 1);
  Picture.Canvas()->SetPixels(0, 0, clFuchsia);
  Picture.Canvas()->SetPixels(1, 0, clBlue);
  Canvas.Brush()->SetColor(clLime);
  Canvas.FillRect({ 0, 0, 100, 60 });
  Canvas.Brush()->SetColor(clYellow);
  Canvas.BrushCopy({ 10, 10, 12, 11 }, &Picture, { 0, 0, 2, 1 }, clFuchsia);
  EXPECT_EQ(Target.Rgb(10, 10), 0xFFFF00u) << "the key colour takes a solid brush";
  EXPECT_EQ(Target.Rgb(11, 10), 0x0000FFu);
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.BrushCopy({ 20, 10, 22, 11 }, &Picture, { 0, 0, 2, 1 }, clFuchsia);
  EXPECT_EQ(Target.Rgb(20, 10), 0x00FF00u) << "a clear brush leaves the background";
  EXPECT_EQ(Target.Rgb(21, 10), 0x0000FFu);
  EXPECT_EQ(Target.Rgb(22, 10), 0x00FF00u) << "nothing beyond Dest";
}

// A picture that records where it is asked to draw.
class RecordingGraphic : public TGraphic {
public:
  bool Empty() const override { return Size.cx == 0; }
  int Width() const override { return Size.cx; }
  int Height() const override { return Size.cy; }
  void LoadFromStream(TStream*) override {}
  void SaveToStream(TStream*) override {}
  void Draw(TCanvas* ACanvas, const TRect& Rect) override {
    EXPECT_NE(ACanvas, nullptr);
    Drawn.push_back(Rect);
  }

  TSize Size { 3, 2 };
  std::vector<TRect> Drawn;
};

TEST_F(TCanvasTest, PicturesDrawThemselvesBetweenTheChangeEvents) {
  std::vector<String> Events;
  Canvas.OnChanging = [&](TObject*) { Events.push_back("changing"); };
  Canvas.OnChange = [&](TObject*) { Events.push_back("change"); };
  RecordingGraphic Graphic;
  Canvas.Draw(5, 6, &Graphic);
  Canvas.StretchDraw({ 1, 2, 30, 40 }, &Graphic);
  EXPECT_EQ(Graphic.Drawn, (std::vector<TRect> { { 5, 6, 8, 8 }, { 1, 2, 30, 40 } }));
  EXPECT_EQ(Events, (std::vector<String> { "changing", "change", "changing", "change" }));
  Graphic.Size = {};
  Canvas.Draw(5, 6, &Graphic);
  Canvas.Draw(5, 6, nullptr);
  EXPECT_EQ(Graphic.Drawn.size(), 2u);
  EXPECT_EQ(Events.size(), 4u);
}

TEST(TCanvasNoHandleTest, DrawingWithoutADCRaises) {
  TCanvas Canvas;
  EXPECT_FALSE(Canvas.HandleAllocated());
  try {
    Canvas.FillRect({ 0, 0, 1, 1 });
    FAIL() << "no exception";
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message, "Canvas does not allow drawing");
  }
}

TEST(TCanvasLockTest, LockIsRecursiveAndKeepsOtherThreadsOut) {
  TCanvas Canvas;
  Canvas.Lock();
  Canvas.Lock();
  EXPECT_EQ(Canvas.LockCount(), 2);
  bool OtherGotIt = true;
  std::thread([&] { OtherGotIt = Canvas.TryLock(); }).join();
  EXPECT_FALSE(OtherGotIt);
  Canvas.Unlock();
  Canvas.Unlock();
  std::thread([&] {
    OtherGotIt = Canvas.TryLock();
    if (OtherGotIt) Canvas.Unlock();
  }).join();
  EXPECT_TRUE(OtherGotIt);
  EXPECT_EQ(Canvas.LockCount(), 0);
}

}  // namespace
