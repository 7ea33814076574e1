// The skinned panel, paint panel and group box: the client area children align in, roll-up across cycles,
// caption clicks and Checked, the look without skin and from a record, the caption placed by alignment beside
// the roll-up marker, and the transparent paint.
#include <functional>

#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TPanel.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class PanelTest : public SkinControlTest {
protected:
  template <class T = TskSkinPanel> T* NewPanel(TRect Bounds = ::Bounds(10, 10, 200, 100)) {
    auto* Panel = Add<T>(Bounds);
    Panel->OnChecked = [this](TObject*) { Log.push_back("Checked"); };
    Panel->OnChangeRollUpState = [this](TObject*) { Log.push_back("RollUp"); };
    Display->PumpUntilIdle();
    return Panel;
  }
  AppLog Take() { return std::exchange(Log, {}); }

  /// The first and last columns in [From, To) of the panel's caption rectangle showing Colour; -1 for none.
  std::pair<int, int> Ink(TskSkinPanel* Panel, TColor Colour, int From, int To) {
    const TRect R = Panel->NewCaptionRect;
    std::pair<int, int> Span { -1, -1 };
    for (int X = From; X < To; ++X)
      for (int Y = R.Top; Y < R.Bottom; ++Y)
        if (Shown(Panel, X, Y) == Colour) {
          if (Span.first < 0) Span.first = X;
          Span.second = X;
          break;
        }
    return Span;
  }

  /// A skin whose "panel" record is a nine-part frame 40 x 40 with 5-pixel corners around a blue centre,
  /// and a caption rectangle across its top.
  void BuildPanelSkin() {
    TskSkinModelBuilder Skin(Model);
    const int Pic = Skin.AddPicture(100, 60, clRed);
    auto& Rec = Skin.Add<TskDataSkinPanelControl>("panel", "panel");
    Rec.PictureIndex = Pic;
    Skin.Paint(Pic, Rect(5, 5, 35, 35), clBlue);
    SetNinePart(Rec, Rect(0, 0, 40, 40), 5, Rect(5, 20, 35, 35));
    Rec.CaptionRect = Rect(5, 2, 35, 18);
    Skin.Finish();
  }
};

TEST_F(PanelTest, ChildrenAlignInTheClientAreaOfEachLook) {
  auto* Panel = NewPanel();
  Panel->SetCaptionMode(true);
  Panel->SetDefaultCaptionHeight(22);
  EXPECT_EQ(Panel->GetSkinClientRect(), Rect(1, 23, 199, 99));
  Panel->SetRibbonStyle(true);
  EXPECT_EQ(Panel->GetSkinClientRect(), Rect(1, 1, 199, 77));
  Panel->SetBorderStyle(TskSkinBorderStyle::bvNone);
  Panel->SetCaptionMode(false);
  EXPECT_EQ(Panel->GetSkinClientRect(), Rect(0, 0, 200, 100));
  Panel->SetEmptyDrawing(true);
  Panel->SetCaptionMode(true);
  EXPECT_EQ(Panel->GetSkinClientRect(), Rect(0, 0, 200, 100)) << "EmptyDrawing keeps the whole area";

  BuildPanelSkin();
  auto* Skinned = NewPanel(Bounds(10, 120, 100, 80));
  Skinned->SetSkinData(&Model);
  auto* Child = Add<TPanel>(Bounds(0, 0, 10, 10), Skinned);
  Child->SetAlign(alClient);
  EXPECT_EQ(Skinned->GetSkinClientRect(), Rect(5, 20, 95, 75)) << "the record's client area at this size";
  EXPECT_EQ(Child->BoundsRect(), Rect(5, 20, 95, 75));
  Skinned->SetUseSkinSize(false);
  Skinned->SetCaptionMode(true);
  Skinned->SetDefaultCaptionHeight(30);
  EXPECT_EQ(Skinned->GetSkinClientRect(), Rect(5, 30, 95, 75)) << "the caption height without the skin's";
}

// Each roll-up keeps the application's constraints and the children it had hidden stay hidden.
TEST_F(PanelTest, RollingUpAndDownThreeTimesRestoresConstraintsAndOnlyTheVisibleChildren) {
  auto* Panel = NewPanel();
  Panel->SetCaptionMode(true);
  Panel->SetRollUpMode(true);
  Panel->Constraints()->SetMinHeight(60);
  Panel->Constraints()->SetMaxWidth(300);
  auto* Shown = Add<TPanel>(Bounds(10, 30, 50, 20), Panel);
  auto* Hidden = Add<TPanel>(Bounds(70, 30, 50, 20), Panel);
  Hidden->Hide();
  Take();
  for (int Cycle = 0; Cycle < 3; ++Cycle) {
    Panel->SetRollUpState(true);
    EXPECT_EQ(Panel->Height(), 21);
    EXPECT_EQ(Panel->RealHeight(), 100);
    EXPECT_FALSE(Shown->Visible());
    Hidden->Show();  // the application shows a child while the panel is rolled up: it is its own
    Hidden->Hide();
    Panel->SetRollUpState(false);
    EXPECT_EQ(Panel->Height(), 100) << "cycle " << Cycle;
    EXPECT_EQ(Panel->RealHeight(), -1);
    EXPECT_EQ(Panel->Constraints()->MinHeight(), 60) << "cycle " << Cycle;
    EXPECT_EQ(Panel->Constraints()->MaxWidth(), 300) << "cycle " << Cycle;
    EXPECT_TRUE(Shown->Visible());
    EXPECT_FALSE(Hidden->Visible()) << "a child hidden before the roll-up stays hidden";
  }
  EXPECT_EQ(Take(), AppLog(6, "RollUp"));

  Panel->SetRollUpMode(false);
  Panel->SetRollUpState(true);
  EXPECT_FALSE(Panel->RollUpState()) << "without RollUpMode nothing rolls";
  EXPECT_EQ(Panel->Height(), 100);
  EXPECT_TRUE(Take().empty());
}

TEST_F(PanelTest, CaptionClicksToggleCheckedBeforeRollingAndOnlyInTheCaption) {
  auto* Panel = NewPanel();
  auto* Child = Add<TPanel>(Bounds(10, 40, 50, 20), Panel);
  ClickAt(Panel, 50, 10);
  Panel->SetCaptionMode(true);
  Panel->SetCheckedMode(true);
  Panel->SetRollUpMode(true);
  ClickAt(Panel, 50, 50);                          // below the caption
  ClickAt(Panel, 50, 10, PointerButton::Right);  // right button
  EXPECT_TRUE(Take().empty());
  ClickAt(Panel, 50, 10);
  EXPECT_EQ(Take(), (AppLog { "Checked", "RollUp" }));
  EXPECT_TRUE(Panel->Checked());
  EXPECT_TRUE(Panel->RollUpState());
  ClickAt(Panel, 199, 20);  // the caption's right and bottom edges hit
  EXPECT_EQ(Take(), (AppLog { "Checked", "RollUp" }));
  EXPECT_FALSE(Panel->Checked());
  EXPECT_FALSE(Child->Enabled()) << "the children follow Checked";
  Panel->SetChecked(false);
  EXPECT_EQ(Take(), (AppLog { "Checked" })) << "also an assignment of the same value";
}

TEST_F(PanelTest, LookWithoutSkinDrawsBorderCaptionBarCheckBoxAndText) {
  auto* Panel = NewPanel(Bounds(10, 10, 200, 100));
  Panel->SetBorderStyle(TskSkinBorderStyle::bvRaised);
  Panel->SetCaptionMode(true);
  Panel->SetCheckedMode(true);
  Panel->SetCaption("Caption");
  EXPECT_EQ(Shown(Panel, 0, 50), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Shown(Panel, 199, 50), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(Panel, 150, 1), ColorToRGB(clBtnShadow)) << "caption bar (1, 1, 199, 20)";
  EXPECT_EQ(Shown(Panel, 150, 19), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(Panel, 150, 20), ColorToRGB(clBtnFace));
  EXPECT_EQ(Shown(Panel, 5, 4), ColorToRGB(clWindow)) << "check box (5, 4, 18, 17)";
  EXPECT_EQ(Shown(Panel, 17, 16), ColorToRGB(clWindow));
  Panel->SetRibbonStyle(true);
  EXPECT_EQ(Shown(Panel, 150, 79), ColorToRGB(clBtnShadow)) << "ribbon caption (1, 79, 199, 99)";
  EXPECT_EQ(Shown(Panel, 150, 78), ColorToRGB(clBtnFace));
}

TEST_F(PanelTest, SkinnedPanelDrawsItsRecordAndPaintPanelItsEvent) {
  BuildPanelSkin();
  auto* Panel = NewPanel<TskSkinPaintPanel>(Bounds(10, 10, 100, 80));
  TRect Painted;
  Panel->OnPanelPaint = [&](TCanvas* C, const TRect& R) {
    Painted = R;
    C->Brush()->SetColor(clLime);
    C->FillRect(Rect(R.Left, R.Top, R.Left + 4, R.Top + 4));
  };
  Panel->SetSkinData(&Model);
  EXPECT_EQ(Shown(Panel, 2, 2), clRed) << "frame corner";
  EXPECT_EQ(Shown(Panel, 50, 50), clBlue) << "client area";
  EXPECT_EQ(Shown(Panel, 6, 21), clLime);
  EXPECT_EQ(Painted, Rect(5, 20, 95, 75));

  // Off the skin's size with a caption, the body and caption strip are composed: the event still paints.
  Painted = {};
  Panel->SetUseSkinSize(false);
  Panel->SetCaptionMode(true);
  Panel->SetCaption("Caption");
  EXPECT_EQ(Shown(Panel, Painted.Left + 1, Painted.Top + 1), clLime);
  EXPECT_FALSE(Painted.IsEmpty());
}

TEST_F(PanelTest, GroupBoxStartsOnItsRecordWithCaptionAndFallsBackToTheBuiltInLook) {
  BuildPanelSkin();  // no "groupbox" record
  auto* Box = NewPanel<TskSkinGroupBox>(Bounds(10, 10, 150, 80));
  Box->SetSkinData(&Model);
  EXPECT_EQ(Box->SkinDataName(), "groupbox");
  EXPECT_TRUE(Box->CaptionMode());
  EXPECT_EQ(Box->FIndex, -1);
  EXPECT_EQ(Shown(Box, 75, 5), ColorToRGB(clBtnShadow)) << "the caption bar of the look without skin";
}

TEST_F(PanelTest, TheSkinnedCaptionIsPlacedByTheRecordsAlignmentBesideTheRollUpMarker) {
  BuildPanelSkin();
  auto& Rec = *FindSkinRecord<TskDataSkinPanelControl>(Model, "panel");
  Rec.FontColor = clYellow;
  auto* Panel = NewPanel(Bounds(10, 10, 100, 80));
  Panel->SetCaption("ab");
  Panel->SetSkinData(&Model);
  Display->PumpUntilIdle();
  const TRect R = Panel->NewCaptionRect;
  const auto Text = [&](int From, int To) { return Ink(Panel, clYellow, From, To); };
  struct Case {
    TAlignment Alignment;
    std::function<bool(std::pair<int, int>)> Placed;
  };
  const Case Cases[] = {
    { taLeftJustify, [&](std::pair<int, int> S) { return S.first == R.Left; } },
    { taRightJustify, [&](std::pair<int, int> S) { return S.second >= R.Right - 3 && S.second < R.Right; } },
    { taCenter, [&](std::pair<int, int> S) { return std::abs(S.first + S.second + 1 - (R.Left + R.Right)) <= 2; } },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(int(C.Alignment));
    Rec.Alignment = C.Alignment;
    Panel->ChangeSkinData();
    const auto Span = Text(0, 100);
    EXPECT_TRUE(C.Placed(Span)) << Span.first << ".." << Span.second;
  }

  // The roll-up marker takes the caption's last 12 pixels: an arrow that turns when the panel rolls up.
  Rec.Alignment = taRightJustify;
  Panel->ChangeSkinData();
  Panel->SetRollUpMode(true);
  const auto Caption = Text(0, R.Right - 12), Marker = Text(R.Right - 12, R.Right - 2);
  EXPECT_LT(Caption.second, R.Right - 12) << "the caption gives way to the marker";
  ASSERT_GE(Marker.first, 0) << "the marker in the font colour";
  const auto MarkerPixels = [&] {
    std::vector<bool> Yellow;
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Right - 12; X < R.Right - 2; ++X) Yellow.push_back(Shown(Panel, X, Y) == clYellow);
    return Yellow;
  };
  const std::vector<bool> Up = MarkerPixels();
  Panel->SetRollUpState(true);
  EXPECT_NE(MarkerPixels(), Up) << "rolled up, the arrow turns";
}

TEST_F(PanelTest, ATransparentPanelShowsItsParentAShadowOutlineAndItsPaintEvent) {
  BuildPanelSkin();
  Form->SetColor(clAqua);
  auto* Panel = NewPanel<TskSkinPaintPanel>(Bounds(10, 10, 100, 80));
  Panel->OnPanelPaint = [](TCanvas* C, const TRect& R) {
    C->Brush()->SetColor(clFuchsia);
    C->FillRect(Rect(R.Left + 10, R.Top + 10, R.Left + 12, R.Top + 12));
  };
  Panel->SetSkinData(&Model);
  Panel->SetTransparentMode(true);
  EXPECT_EQ(Shown(Panel, 50, 40), clAqua);
  EXPECT_EQ(Shown(Panel, 0, 40), ColorToRGB(Model.SkinColors()->cBtnShadow()));
  const TRect Client = Panel->GetSkinClientRect();
  EXPECT_EQ(Shown(Panel, Client.Left + 10, Client.Top + 10), clFuchsia);
}

}  // namespace

namespace {

TEST_F(PanelTest, ABorderlessSkinnedPanelTilesTheRecordsClientPiece) {
  BuildPanelSkin();
  // The client piece (30 x 15) marked at its top-left pixel shows where each tile starts.
  TskSkinGeometry::ModelPicture(&Model, 0)->Canvas()->SetPixels(5, 20, clLime);
  auto* Panel = NewPanel(Bounds(10, 10, 100, 80));
  Panel->SetBorderStyle(TskSkinBorderStyle::bvNone);
  Panel->SetSkinData(&Model);
  // The tiled client paint (ForcebackGround) and the plain tiled image of the paint panel.
  auto* Paint = NewPanel<TskSkinPaintPanel>(Bounds(120, 10, 100, 80));
  Paint->SetBorderStyle(TskSkinBorderStyle::bvNone);
  Paint->SetSkinData(&Model);
  for (TskSkinPanel* Tiled : { static_cast<TskSkinPanel*>(Panel), static_cast<TskSkinPanel*>(Paint) }) {
    for (const TPoint P : { TPoint { 0, 0 }, TPoint { 30, 0 }, TPoint { 90, 0 }, TPoint { 0, 75 }, TPoint { 60, 45 } })
      EXPECT_EQ(Shown(Tiled, P.X, P.Y), clLime) << P.X << "," << P.Y;
    EXPECT_EQ(Shown(Tiled, 2, 2), clBlue) << "no frame corner";
    EXPECT_EQ(Shown(Tiled, 99, 79), clBlue) << "the cut last tile";
  }

  // Taken off a skinned panel, the border gives way to the tiled look and the children get the whole area.
  auto* Late = NewPanel(Bounds(10, 100, 100, 80));
  Late->SetSkinData(&Model);
  auto* Child = Add<TPanel>(Bounds(0, 0, 10, 10), Late);
  Child->SetAlign(alTop);
  EXPECT_EQ(Shown(Late, 2, 50), clRed);
  Late->SetBorderStyle(TskSkinBorderStyle::bvNone);
  EXPECT_EQ(Shown(Late, 2, 50), clBlue);
  EXPECT_EQ(Child->BoundsRect(), Rect(0, 0, 100, 10));
}

// The glyph stands at the left of the centred content, the text its cell width plus Spacing right of it;
// a disabled panel draws the strip's second cell.
TEST_F(PanelTest, TheCaptionGlyphLeadsTheCentredContentAndShowsItsDisabledCell) {
  BuildPanelSkin();
  FindSkinRecord<TskDataSkinPanelControl>(Model, "panel")->FontColor = clYellow;
  TBitmap Strip;
  Strip.SetSize(32, 10);
  Strip.Canvas()->Brush()->SetColor(clBlack);  // the transparent colour round both cells
  Strip.Canvas()->FillRect(Rect(0, 0, 32, 10));
  Strip.Canvas()->Brush()->SetColor(clLime);
  Strip.Canvas()->FillRect(Rect(2, 2, 14, 8));
  Strip.Canvas()->Brush()->SetColor(clFuchsia);
  Strip.Canvas()->FillRect(Rect(18, 2, 30, 8));
  auto* Panel = NewPanel(Bounds(10, 10, 100, 80));
  Panel->SetCaption("ab");
  Panel->SetGlyph(&Strip);
  Panel->SetNumGlyphs(2);
  Panel->SetSpacing(2);
  Panel->SetSkinData(&Model);
  const TRect R = Panel->NewCaptionRect;
  const auto Glyph = Ink(Panel, clLime, 0, 100), Text = Ink(Panel, clYellow, 0, 100);
  ASSERT_GE(Glyph.first, 0);
  const int GlyphLeft = Glyph.first - 2;
  EXPECT_EQ(Glyph.second, GlyphLeft + 13) << "one cell of the strip";
  EXPECT_GE(Text.first, GlyphLeft + 18) << "the cell width 16 and Spacing 2";
  EXPECT_LE(Text.first, GlyphLeft + 19);
  EXPECT_LE(std::abs(GlyphLeft + Text.second + 1 - (R.Left + R.Right)), 3) << "the content centred";
  Panel->SetEnabled(false);
  EXPECT_EQ(Ink(Panel, clLime, 0, 100).first, -1);
  EXPECT_EQ(Ink(Panel, clFuchsia, 0, 100).first, Glyph.first) << "the disabled cell in its place";
}

// The caption frame piece is a strip of the record's FrameRect as wide as the text plus the piece's own
// margin, under the text, which moves in by FrameTextRect.Left.
TEST_F(PanelTest, TheCaptionFramePieceStretchesUnderTheText) {
  BuildPanelSkin();
  auto& Rec = *FindSkinRecord<TskDataSkinPanelControl>(Model, "panel");
  Rec.FontColor = clYellow;
  Rec.Alignment = taLeftJustify;
  Rec.FrameRect = Rect(50, 40, 70, 56);  // 20 wide: a 4-pixel green end on each side, navy between
  Rec.FrameTextRect = Rect(4, 0, 16, 16);
  Rec.FrameLeftOffset = 4;
  Rec.FrameRightOffset = 4;
  TBitmap* Picture = TskSkinGeometry::ModelPicture(&Model, 0);
  Picture->Canvas()->Brush()->SetColor(clGreen);
  Picture->Canvas()->FillRect(Rec.FrameRect);
  Picture->Canvas()->Brush()->SetColor(clNavy);
  Picture->Canvas()->FillRect(Rect(54, 40, 66, 56));
  auto* Panel = NewPanel(Bounds(10, 10, 100, 80));
  Panel->SetCaption("abc");
  Panel->SetSkinData(&Model);
  const TRect R = Panel->NewCaptionRect;
  TBitmap Measure;
  Measure.Canvas()->Font()->SetName(Rec.FontName);
  Measure.Canvas()->Font()->SetHeight(Rec.FontHeight);
  Measure.Canvas()->Font()->SetStyle(Rec.FontStyle);
  const int TW = Measure.Canvas()->TextWidth("abc");
  const int Top = Rec.CaptionRect.Top;  // the strip's first row, above the letters
  EXPECT_EQ(Shown(Panel, R.Left, Top), clGreen) << "the left end at the caption's left";
  EXPECT_EQ(Shown(Panel, R.Left + 3, Top), clGreen);
  EXPECT_EQ(Shown(Panel, R.Left + 4, Top), clNavy);
  EXPECT_EQ(Shown(Panel, R.Left + 8 + TW - 1, Top), clGreen) << "the strip is the text width plus 8";
  EXPECT_NE(Shown(Panel, R.Left + 8 + TW, Top), clGreen);
  const auto Text = Ink(Panel, clYellow, 0, 100);
  EXPECT_GE(Text.first, R.Left + 4) << "the text moved in by FrameTextRect.Left";
  EXPECT_LE(Text.second, R.Left + 4 + TW);
}

}  // namespace
