// The skinned labels, splitter and bevel: the font and colour each takes, the disabled text, ellipsis and
// auto-size of the labels, the splitter's strip and thickness, the bevel's colours and divider, and the
// model forgotten when it is freed.
#include "platform/base/TMemIniFile.h"
#include "platform/base/TStrings.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/controls/TskSkinBevel.h"
#include "skin/controls/TskSkinSplitter.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/controls/TskSkinTextLabel.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class LabelsTest : public SkinControlTest {
protected:
  /// A "stdlabel" record in red, a "vsplitter" strip 8 wide with a 4 x 6 lime gripper and a "bevel"
  /// record in blue and yellow.
  void BuildSkin() {
    TskSkinModelBuilder Skin(Model);
    const int Pic = Skin.AddPicture(60, 60, clBlack);
    auto& Label = Skin.Add<TskDataSkinStdLabelControl>("stdlabel", "stdlabel");
    Label.FontColor = clRed;
    Label.FontHeight = 20;
    auto& Splitter = Skin.Add<TskDataSkinSplitterControl>("splitter", "vsplitter");
    Splitter.PictureIndex = Pic;
    Skin.Paint(Pic, Rect(0, 0, 8, 30), clNavy);
    SetVertStrip(Splitter, Rect(0, 0, 8, 30), 2, 2);
    Splitter.GripperRect = Skin.Paint(Pic, Rect(20, 0, 24, 6), clLime);
    auto& Bevel = Skin.Add<TskDataSkinBevel>("bevel", "bevel");
    Bevel.LightColor = clYellow;
    Bevel.DarkColor = clBlue;
    Skin.Finish();
  }
  /// Whether any pixel of the control's rectangle R shows Color.
  bool Shows(TControl* Control, const TRect& R, TColor Color) {
    Display->PumpUntilIdle();
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X)
        if (Shown(Control, X, Y) == ColorToRGB(Color)) return true;
    return false;
  }
};

TEST_F(LabelsTest, StandardLabelTakesDefaultFontOrSkinFontAndColour) {
  auto* Label = Add<TskSkinStdLabel>(Bounds(10, 10, 100, 20));
  Label->DefaultFont()->SetColor(clGreen);
  Label->Font()->SetColor(clPurple);
  Label->SetCaption("WWWW");
  EXPECT_TRUE(Shows(Label, Label->ClientRect(), clGreen)) << "without a model: DefaultFont";
  Label->SetUseSkinFont(false);
  Label->Invalidate();
  EXPECT_TRUE(Shows(Label, Label->ClientRect(), clPurple)) << "UseSkinFont off: Font";

  BuildSkin();
  Label->SetUseSkinFont(true);
  Label->SetSkinData(&Model);
  EXPECT_TRUE(Shows(Label, Label->ClientRect(), clRed));
  EXPECT_EQ(Label->Height(), 20) << "auto-sized to the record's font";
  Label->SetUseSkinColor(false);
  Label->Invalidate();
  EXPECT_TRUE(Shows(Label, Label->ClientRect(), clPurple)) << "the colour of Font, the skin's size";
}

TEST_F(LabelsTest, DisabledLabelsDrawTheirTextTwiceInHighlightAndShadow) {
  BuildSkin();
  TMemIniFile Ini;
  Ini.WriteInteger("SKINCOLORS", "cbtnhighlight", clAqua);
  Ini.WriteInteger("SKINCOLORS", "cbtnshadow", clMaroon);
  Model.SkinColors()->LoadFromFile(&Ini);
  auto* Label = Add<TskSkinStdLabel>(Bounds(10, 10, 100, 20));
  Label->SetCaption("WWWW");
  Label->SetSkinData(&Model);
  Label->SetEnabled(false);
  EXPECT_TRUE(Shows(Label, Label->ClientRect(), clAqua));
  EXPECT_TRUE(Shows(Label, Label->ClientRect(), clMaroon));
  EXPECT_FALSE(Shows(Label, Label->ClientRect(), clRed));

  auto* Text = Add<TskSkinTextLabel>(Bounds(10, 50, 100, 40));
  Text->Lines()->Add("WWWW");
  Text->SetEnabled(false);
  EXPECT_TRUE(Shows(Text, Text->ClientRect(), clBtnHighlight)) << "without a record: the system colours";
  EXPECT_TRUE(Shows(Text, Text->ClientRect(), clBtnShadow));
}

TEST_F(LabelsTest, StandardLabelEndsAnOverlongCaptionWithAnEllipsis) {
  auto* Label = Add<TskSkinStdLabel>(Bounds(10, 10, 60, 20));
  Label->SetAutoSize(false);
  Label->SetBounds(10, 10, 60, 20);
  const String Text = "a caption far wider than the label";
  const auto Drawn = [&](TskEllipsType Type, const String& Caption) {
    Label->SetEllipsType(Type);
    auto B = std::make_unique<TBitmap>();
    B->SetSize(60, 20);
    B->Canvas()->Brush()->SetColor(clWhite);
    B->Canvas()->FillRect(Rect(0, 0, 60, 20));
    Label->PaintSkinTo(B->Canvas(), 0, 0, Caption);
    return B;
  };
  // The line shortened by hand: the longest start of the caption that fits with "..." after it.
  TBitmap Measure;
  Measure.Canvas()->SetFont(Label->Font());
  String Start = Text;
  while (!Start.empty() && Measure.Canvas()->TextWidth(Start + "...") > 60) Start.pop_back();
  ASSERT_FALSE(Start.empty());
  const auto Shortened = Drawn(sketEndEllips, Text), Expected = Drawn(sketNone, Start + "...");
  const auto Plain = Drawn(sketNone, Text);
  int Differing = 0, FromPlain = 0;
  for (int Y = 0; Y < 20; ++Y)
    for (int X = 0; X < 60; ++X) {
      Differing += Shortened->Canvas()->Pixels(X, Y) != Expected->Canvas()->Pixels(X, Y);
      FromPlain += Shortened->Canvas()->Pixels(X, Y) != Plain->Canvas()->Pixels(X, Y);
    }
  EXPECT_EQ(Differing, 0) << "the caption's start that fits, then the ellipsis: " << Start;
  EXPECT_GT(FromPlain, 0);
}

TEST_F(LabelsTest, TextLabelSizesToItsLinesAndKeepsTheRightEdgeWhenRightAligned) {
  auto* Label = Add<TskSkinTextLabel>(Bounds(100, 10, 65, 65));
  Label->Lines()->Add("one");
  const int OneLine = Label->Height();
  Label->Lines()->Add("two");
  Label->Lines()->Add("three lines");
  EXPECT_EQ(Label->Height(), 3 * OneLine) << "three lines, not four";
  const int Widest = Label->Width();
  Label->Lines()->Delete(2);
  EXPECT_LT(Label->Width(), Widest) << "the longest line's width";
  Label->SetAlignment(taRightJustify);
  const int Right = Label->Left() + Label->Width();
  Label->Lines()->Add("a much longer line");
  EXPECT_EQ(Label->Left() + Label->Width(), Right);
}

TEST_F(LabelsTest, SplitterTakesItsRecordsThicknessAndDrawsItsStripAndGripper) {
  BuildSkin();
  auto* Splitter = Add<TskSkinSplitter>(Bounds(10, 10, 20, 100));
  Splitter->SetAlign(alLeft);
  Splitter->SetSkinData(&Model);
  EXPECT_EQ(Splitter->Width(), 8);
  const int CX = 8 / 2 - 4 / 2, CY = Splitter->Height() / 2 - 6 / 2;
  EXPECT_EQ(Shown(Splitter, CX, CY), ColorToRGB(clLime)) << "the gripper centred";
  EXPECT_EQ(Shown(Splitter, 4, 5), ColorToRGB(clNavy));
  Splitter->SetTransparent(true);
  Splitter->ChangeSkinData();
  EXPECT_EQ(Splitter->Width(), 10) << "DefaultSize when transparent";
  Splitter->SetTransparent(false);
  Splitter->SetColor(clBtnFace);
  Splitter->SetAlign(alClient);
  EXPECT_EQ(Shown(Splitter, 4, 5), ColorToRGB(clBtnFace)) << "alClient paints as the platform splitter";
}

struct BevelCase {
  TBevelShape Shape;
  TBevelStyle Style;
  bool Divider;
  TPoint First, Second;  // a pixel of each colour
  TColor FirstColor, SecondColor;
};

TEST_F(LabelsTest, BevelDrawsItsShapesInTheSkinsColoursAndForgetsAFreedModel) {
  BuildSkin();
  const BevelCase Cases[] = {
    { bsTopLine, bsLowered, false, { 20, 0 }, { 20, 1 }, clBlue, clYellow },
    { bsTopLine, bsRaised, false, { 20, 0 }, { 20, 1 }, clYellow, clBlue },
    { bsRightLine, bsLowered, false, { 48, 5 }, { 49, 5 }, clBlue, clYellow },
    { bsTopLine, bsLowered, true, { 20, 4 }, { 20, 5 }, clBlue, clYellow },  // divider at y 4 and 5
    { bsBox, bsLowered, true, { 24, 5 }, { 25, 5 }, clBlue, clYellow },     // vertical divider at x 24, 25
  };
  auto* Bevel = Add<TskSkinBevel>(Bounds(10, 10, 50, 10));
  Bevel->SetSkinData(&Model);
  for (const BevelCase& C : Cases) {
    Bevel->SetShape(C.Shape);
    Bevel->SetStyle(C.Style);
    Bevel->SetDividerMode(C.Divider);
    EXPECT_EQ(Shown(Bevel, C.First.X, C.First.Y), ColorToRGB(C.FirstColor)) << C.Shape << " " << C.Divider;
    EXPECT_EQ(Shown(Bevel, C.Second.X, C.Second.Y), ColorToRGB(C.SecondColor)) << C.Shape << " " << C.Divider;
  }
  Bevel->SetShape(bsTopLine);
  Bevel->SetDividerMode(false);
  {
    auto Doomed = std::make_unique<TskSkinData>(nullptr);
    Bevel->SetSkinData(Doomed.get());
  }
  EXPECT_EQ(Bevel->SkinData(), nullptr) << "a freed model is forgotten";
  Bevel->ChangeSkinData();
  EXPECT_EQ(Shown(Bevel, 20, 0), ColorToRGB(clBtnShadow)) << "the system colours again";
}

}  // namespace
