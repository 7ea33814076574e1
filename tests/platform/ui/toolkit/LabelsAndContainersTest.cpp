// The plain controls forms are built from: labels (sizing, layout, accelerators, the disabled look),
// bevels, splitters, panels, and actions linked to controls. Text uses the presenter's test face: with
// the default font every character advances 7 pixels and a line is 13 pixels high.
#include "platform/ui/toolkit/TAction.h"
#include "platform/ui/toolkit/TActionList.h"
#include "platform/ui/toolkit/TBevel.h"
#include "platform/ui/toolkit/TImageList.h"
#include "platform/ui/toolkit/TLabel.h"
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/toolkit/TSplitter.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

class StandardControls : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    Form = NewForm(Bounds(100, 100, 300, 200));
    Form->SetBorderStyle(bsNone);  // the client area is the whole window
    Form->SetColor(clWhite);
  }

  template <class T> T* Add(TRect R) { return Place<T>(Form, Form, R); }

  TColor Pixel(int X, int Y) {
    const uint32_t P = WindowSystem::Get().Find(Form->Handle())->Backing->Pixel(X, Y);
    return RGB(uint8_t(P >> 16), uint8_t(P >> 8), uint8_t(P));
  }

  void ShowForm() {
    Form->Show();
    Display->PumpUntilIdle();
  }

  TForm* Form { nullptr };
};

TEST_F(StandardControls, LabelsSizeThemselvesToTheirText) {
  auto* L = Add<TLabel>(Bounds(50, 10, 10, 10));
  L->SetCaption("Hello");
  EXPECT_EQ(L->BoundsRect(), Bounds(50, 10, 35, 13));
  L->SetAlignment(taRightJustify);
  L->SetCaption("Hi");
  EXPECT_EQ(L->BoundsRect(), Bounds(71, 10, 14, 13)) << "the right edge stays";
  L->SetCaption("");
  EXPECT_EQ(L->Height(), 13) << "an empty label keeps one line";
  L->SetAlignment(taLeftJustify);
  L->SetAutoSize(false);
  L->SetBounds(0, 40, 50, 10);
  L->SetCaption("aaa bbb ccc");
  EXPECT_EQ(L->BoundsRect(), Bounds(0, 40, 50, 10)) << "without AutoSize the size stays";
  L->SetWordWrap(true);
  L->SetAutoSize(true);
  EXPECT_EQ(L->BoundsRect(), Bounds(0, 40, 49, 26)) << "wrapped at its width, narrowed to the longest line";
  L->SetShowAccelChar(true);
  L->SetWordWrap(false);
  L->SetCaption("&&&x");
  EXPECT_EQ(L->Width(), 14) << "\"&&\" shows one \"&\", \"&x\" shows x";
}

TEST_F(StandardControls, LabelsLayOutAndPaintTheirTextAndDisabledOnesInRelief) {
  Form->SetColor(clSilver);
  auto* Opaque = new TLabel(Form);
  Opaque->SetAutoSize(false);
  Opaque->SetBounds(10, 10, 50, 30);
  Opaque->SetParent(Form);
  Opaque->SetColor(clYellow);
  Opaque->SetLayout(tlBottom);
  Opaque->SetCaption("H");
  auto* Clear = Add<TLabel>(Bounds(10, 50, 50, 13));
  Clear->SetTransparent(true);
  Clear->SetCaption("H");
  auto* Off = Add<TLabel>(Bounds(10, 80, 50, 13));
  Off->SetCaption("H");
  Off->SetEnabled(false);
  ShowForm();
  EXPECT_EQ(Pixel(10, 10 + 17 + 5), clBlack) << "bottom layout: the line starts 30 - 13 rows down";
  EXPECT_EQ(Pixel(10, 10 + 5), clYellow);
  EXPECT_EQ(Pixel(16, 10 + 17 + 5), clYellow) << "the gap after the glyph";
  EXPECT_EQ(Pixel(16, 55), clSilver) << "a transparent label shows the form";
  EXPECT_EQ(Pixel(10, 85), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Pixel(16, 85), ColorToRGB(clBtnHighlight)) << "the relief one pixel down and right";
}

TEST_F(StandardControls, ALabelsAcceleratorFocusesItsControl) {
  auto* Name = Add<TLabel>(Bounds(10, 10, 50, 13));
  Name->SetCaption("&Name");
  auto* Edit = new KeyProbe(Form, &Log, "Edit", Form, Bounds(70, 10, 50, 20));
  auto* Other = new KeyProbe(Form, &Log, "Other", Form, Bounds(70, 40, 50, 20));
  Name->SetFocusControl(Edit);
  ShowForm();
  Other->SetFocus();
  Display->Key('N', { VK_MENU });
  EXPECT_TRUE(Edit->Focused());
  Other->SetFocus();
  Name->SetShowAccelChar(false);
  Display->Key('N', { VK_MENU });
  EXPECT_TRUE(Other->Focused());
  delete Edit;
  EXPECT_EQ(Name->FocusControl(), nullptr);
}

TEST_F(StandardControls, BevelsDrawTheirShapesInShadowAndHighlight) {
  const TColor S = ColorToRGB(clBtnShadow), H = ColorToRGB(clBtnHighlight), W = clWhite;
  struct Case {
    TBevelShape Shape;
    TBevelStyle Style;
    // Pixels (0,0), (9,0), (0,9), (9,9), (1,1), (8,8) of a 10 x 10 bevel.
    TColor Expected[6];
  };
  const Case Cases[] = {
    { bsBox, bsLowered, { S, H, S, H, W, W } },
    { bsBox, bsRaised, { H, S, H, S, W, W } },
    { bsFrame, bsLowered, { S, W, W, H, H, S } },
    { bsTopLine, bsLowered, { S, S, W, W, W, W } },
    { bsBottomLine, bsRaised, { W, W, S, S, W, H } },
    { bsLeftLine, bsLowered, { S, W, S, W, H, W } },
    { bsRightLine, bsLowered, { W, H, W, H, W, S } },
    { bsSpacer, bsLowered, { W, W, W, W, W, W } },
  };
  std::vector<TBevel*> Bevels;
  for (size_t I = 0; I < std::size(Cases); ++I) {
    TBevel* B = Add<TBevel>(Bounds(int(I) * 20, 0, 10, 10));
    B->SetShape(Cases[I].Shape);
    B->SetStyle(Cases[I].Style);
  }
  ShowForm();
  const TPoint Points[6] = { { 0, 0 }, { 9, 0 }, { 0, 9 }, { 9, 9 }, { 1, 1 }, { 8, 8 } };
  for (size_t I = 0; I < std::size(Cases); ++I)
    for (int P = 0; P < 6; ++P)
      EXPECT_EQ(Pixel(int(I) * 20 + Points[P].X, Points[P].Y), Cases[I].Expected[P]) << "case " << I << " point " << P;
}

TEST_F(StandardControls, DraggingASplitterResizesTheControlAlignedNextToIt) {
  auto* Left = Add<TPanel>(Bounds(0, 0, 100, 200));
  Left->SetAlign(alLeft);
  auto* Bar = Add<TSplitter>(Bounds(100, 0, 3, 200));
  auto* Rest = Add<TPanel>(Bounds(103, 0, 197, 200));
  Rest->SetAlign(alClient);
  int Moves = 0;
  Bar->OnMoved = [&](TObject*) { ++Moves; };
  ShowForm();
  EXPECT_EQ(Bar->Cursor(), crHSplit);
  const auto DragBy = [&](int DX) {
    const TPoint From = Bar->ClientToScreen({ 1, 50 });
    Display->Drag(From, { From.X + DX, From.Y });
    Display->Advance(1000);
  };
  DragBy(50);
  EXPECT_EQ(Left->Width(), 150);
  EXPECT_EQ(Bar->Left(), 150) << "the splitter follows";
  EXPECT_EQ(Rest->Width(), 147);
  DragBy(-125);
  EXPECT_EQ(Left->Width(), 30) << "not below MinSize";
  DragBy(-20);
  EXPECT_EQ(Left->Width(), 0) << "far below it snaps shut";
  Bar->OnCanResize = [](TObject*, int& NewSize, bool& Accept) { Accept = NewSize <= 200; };
  DragBy(250);
  EXPECT_EQ(Left->Width(), 0) << "refused";
  EXPECT_EQ(Moves, 4);
  Bar->SetAlign(alTop);
  EXPECT_EQ(Bar->Cursor(), crVSplit);
}

TEST_F(StandardControls, APanelsChildrenAlignInsideItsBevelsAndBorder) {
  auto* P = Add<TPanel>(Bounds(0, 0, 100, 80));
  P->SetBevelOuter(bvRaised);
  P->SetBevelInner(bvLowered);
  P->SetBevelWidth(2);
  P->SetBorderWidth(3);
  auto* Child = new TPanel(Form);
  Child->SetParent(P);
  Child->SetAlign(alClient);
  ShowForm();
  EXPECT_EQ(Child->BoundsRect(), Rect(7, 7, 93, 73));
  EXPECT_EQ(Pixel(0, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Pixel(99, 79), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Pixel(5, 5), ColorToRGB(clBtnShadow)) << "the inner bevel is lowered";
  P->SetBorderWidth(0);
  EXPECT_EQ(Child->BoundsRect(), Rect(4, 4, 96, 76));
}

TEST_F(StandardControls, ALinkedControlFollowsItsActionAndActionsOfAGroupExcludeEachOther) {
  TActionList List(nullptr);
  auto* Images = new TImageList(nullptr);
  List.SetImages(Images);
  TAction Open(nullptr), Save(nullptr);
  Open.SetActionList(&List);
  Save.SetActionList(&List);
  Open.SetCaption("Open");
  Open.SetHint("Opens");
  int Runs = 0;
  Open.OnExecute = [&](TObject*) { ++Runs; };
  auto* Button = new KeyProbe(Form, &Log, "Button", Form, Bounds(0, 0, 50, 20));
  Button->SetAction(&Open);
  EXPECT_EQ(Button->Caption(), "Open");
  EXPECT_EQ(Button->Hint(), "Opens");
  Open.SetEnabled(false);
  EXPECT_FALSE(Button->Enabled());
  EXPECT_FALSE(Open.Execute()) << "a disabled action does not run";
  Open.SetEnabled(true);
  EXPECT_TRUE(Open.Execute());
  EXPECT_EQ(Runs, 1);
  Open.SetGroupIndex(1);
  Save.SetGroupIndex(1);
  Open.SetChecked(true);
  Save.SetChecked(true);
  EXPECT_FALSE(Open.Checked());
  EXPECT_EQ(List.ActionCount(), 2);
  delete Images;
  EXPECT_EQ(List.Images(), nullptr) << "the list forgets freed images";
}

}  // namespace
