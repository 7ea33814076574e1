// The skinned control bases: sizes snapping to the record's resize mode, rectangles mapped to a size, the
// skin-change walks, a freed model, regions cut from masks, the band-by-band paint and the background
// notice to children.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"
#include "skin/controls/TskGraphicSkinCustomControl.h"
#include "skin/controls/TskSkinCustomControl.h"
#include "skin/controls/skControlMessages.h"
#include "skin/controls/skSkinChangeWalk.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

constexpr TColor Frame = RGB(200, 0, 0);
constexpr TColor Inner = RGB(0, 150, 0);
constexpr TColor Left = RGB(0, 200, 0);
constexpr TColor Right = RGB(0, 0, 200);

// Records of every resize mode in one picture; "box" is nine-part with a mask cutting its top-left corner
// and a client piece whose left half is one colour and right half another.
void BuildSkin(TskSkinData& Model) {
  TskSkinModelBuilder Skin(Model);
  const int Picture = Skin.AddPicture(100, 60);
  const int Mask = Skin.AddPicture(30, 30, clBlack);
  Skin.Paint(Mask, Rect(0, 0, 5, 5), clWhite);
  auto& Fixed = Skin.Add<TskDataSkinPanelControl>("panel", "fixed");
  Fixed.PictureIndex = Picture;
  Fixed.SkinRect = Skin.Paint(Picture, Rect(0, 0, 20, 10), Inner, Frame);
  auto& Box = Skin.Add<TskDataSkinPanelControl>("panel", "box");
  Box.PictureIndex = Picture;
  Box.MaskPictureIndex = Mask;
  SetNinePart(Box, Skin.Paint(Picture, Rect(20, 0, 50, 30), Inner, Frame), 5, Rect(5, 5, 25, 25));
  Skin.Paint(Picture, Rect(25, 5, 35, 25), Left);
  Skin.Paint(Picture, Rect(35, 5, 45, 25), Right);
  auto& HStrip = Skin.Add<TskDataSkinPanelControl>("panel", "hstrip");
  HStrip.PictureIndex = Picture;
  SetHorzStrip(HStrip, Skin.Paint(Picture, Rect(50, 0, 90, 10), Inner, Frame), 5, 5);
  auto& VStrip = Skin.Add<TskDataSkinPanelControl>("panel", "vstrip");
  VStrip.PictureIndex = Picture;
  SetVertStrip(VStrip, Skin.Paint(Picture, Rect(0, 30, 10, 60), Inner, Frame), 5, 5);
  Skin.Add<TskDataSkinPanelControl>("panel", "empty").PictureIndex = Picture;
  Skin.Finish();
}

TskDataSkinCustomControl& RecordOf(TskSkinData& Model, const String& Name) {
  return *FindSkinRecord<TskDataSkinCustomControl>(Model, Name);
}

/// A windowed skinned control that counts its paints and the background notices it hears.
class TCountingControl : public TskSkinCustomControl {
public:
  using TskSkinCustomControl::TskSkinCustomControl;
  int Paints { 0 };
  int BackgroundNotices { 0 };

protected:
  void Paint() override {
    ++Paints;
    TskSkinCustomControl::Paint();
  }
  void CheckParentBackground() override { ++BackgroundNotices; }
};

/// A windowless control that counts the background notices performed on it.
class TNoticeCounter : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  int BackgroundNotices { 0 };

protected:
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_CHECKPARENTBG) ++BackgroundNotices;
    TGraphicControl::Dispatch(Message);
  }
};

bool HasRegion(TWinControl* Control) {
  HRGN Rgn = CreateRectRgn(0, 0, 0, 0);
  const bool Has = GetWindowRgn(Control->Handle(), Rgn) != RGN_ERROR;
  DeleteObject(Rgn);
  return Has;
}

class SkinControlBases : public SkinControlTest {
protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    BuildSkin(Model);
  }

  template <class T = TskSkinCustomControl> T* Bound(const String& Name, TRect Bounds) {
    auto* C = Add<T>(Bounds);
    C->SetSkinDataName(Name);
    C->SetSkinData(&Model);
    return C;
  }
};

struct SizeCase {
  const char* Record;
  TSize Requested;
  TSize Result;
};

TEST_F(SkinControlBases, RequestedSizesSnapToTheRecordsResizeMode) {
  const SizeCase Cases[] = {
    { "missing", { 60, 40 }, { 60, 40 } },  // no record: any size
    { "empty", { 60, 40 }, { 60, 40 } },    // mode -1
    { "fixed", { 60, 40 }, { 20, 10 } },    // mode 0: the skin's size
    { "box", { 60, 40 }, { 60, 40 } },      // mode 1: both ways
    { "hstrip", { 60, 40 }, { 60, 10 } },   // mode 2: the skin's height
    { "vstrip", { 60, 40 }, { 10, 40 } },   // mode 3: the skin's width
  };
  for (const SizeCase& C : Cases) {
    for (bool Windowless : { false, true }) {
      TControl* Control = Windowless
                            ? static_cast<TControl*>(Bound<TskGraphicSkinCustomControl>(C.Record, Bounds(0, 0, 5, 5)))
                            : Bound(C.Record, Bounds(0, 0, 5, 5));
      Control->SetBounds(3, 4, C.Requested.cx, C.Requested.cy);
      EXPECT_EQ(Control->Width(), C.Result.cx) << C.Record << (Windowless ? " windowless" : "");
      EXPECT_EQ(Control->Height(), C.Result.cy) << C.Record << (Windowless ? " windowless" : "");
      EXPECT_EQ(Control->Left(), 3);
      delete Control;
    }
  }
  auto* Box = Bound("box", Bounds(0, 0, 60, 40));
  EXPECT_EQ(Box->RealClientRect(), Rect(5, 5, 55, 35));
}

struct MapCase {
  const char* Record;
  TSize Size;
  TRect R;
  TRect Mapped;
};

TEST_F(SkinControlBases, SkinRectanglesMapToTheControlsSize) {
  const MapCase Cases[] = {
    { "box", { 60, 40 }, Rect(1, 1, 4, 4), Rect(1, 1, 4, 4) },          // left-top corner
    { "box", { 60, 40 }, Rect(26, 1, 29, 4), Rect(56, 1, 59, 4) },      // right-top corner keeps its distance
    { "box", { 60, 40 }, Rect(1, 26, 4, 29), Rect(1, 36, 4, 39) },      // left-bottom
    { "box", { 60, 40 }, Rect(26, 26, 29, 29), Rect(56, 36, 59, 39) },  // right-bottom
    { "box", { 60, 40 }, Rect(2, 1, 28, 4), Rect(2, 1, 58, 4) },        // spans the top: grows by dW
    { "box", { 60, 40 }, Rect(2, 2, 28, 28), Rect(2, 2, 58, 38) },      // spans all: grows both ways
    { "box", { 60, 40 }, Rect(2, 2, 4, 28), Rect(2, 2, 4, 38) },        // spans the left side
    { "hstrip", { 80, 10 }, Rect(0, 0, 40, 10), Rect(0, 0, 80, 10) },   // spans the middle
    { "hstrip", { 80, 10 }, Rect(36, 2, 39, 8), Rect(76, 2, 79, 8) },   // in the right end
    { "hstrip", { 80, 10 }, Rect(1, 1, 4, 4), Rect(1, 1, 4, 4) },       // in the left end
    { "vstrip", { 10, 50 }, Rect(0, 0, 10, 30), Rect(0, 0, 10, 50) },
    { "vstrip", { 10, 50 }, Rect(2, 26, 8, 29), Rect(2, 46, 8, 49) },
    { "fixed", { 20, 10 }, Rect(2, 2, 8, 8), Rect(2, 2, 8, 8) },
  };
  for (const MapCase& C : Cases) {
    auto* Control = Bound(C.Record, Bounds(0, 0, C.Size.cx, C.Size.cy));
    EXPECT_EQ(Control->MapSkinRect(C.R), C.Mapped) << C.Record << " " << C.R.Left << "," << C.R.Top;
    delete Control;
  }
}

TEST_F(SkinControlBases, ASkinChangeReReadsRecordSizeAndRegionOfTheControlsBoundToTheModel) {
  TskSkinData Other { nullptr };
  BuildSkin(Other);
  auto* Windowed = Bound("fixed", Bounds(10, 10, 50, 50));
  auto* Windowless = Bound<TskGraphicSkinCustomControl>("fixed", Bounds(10, 30, 50, 50));
  auto* Elsewhere = Add<TskSkinCustomControl>(Bounds(10, 50, 50, 50));
  Elsewhere->SetSkinDataName("fixed");
  Elsewhere->SetSkinData(&Other);
  ASSERT_EQ(Windowed->Width(), 20);
  EXPECT_FALSE(HasRegion(Windowed));

  // The new skin: the record grows and gains a mask.
  TskDataSkinCustomControl& Fixed = RecordOf(Model, "fixed");
  Fixed.SkinRect = Rect(20, 0, 50, 30);
  Fixed.MaskPictureIndex = 1;
  BeforeChangeSkinDataWalk(Form, &Model);
  EXPECT_EQ(Windowed->FIndex, -1);
  EXPECT_NE(Windowless->FIndex, -1) << "a windowless control keeps its record between the two walks";
  EXPECT_NE(Elsewhere->FIndex, -1);
  ChangeSkinDataWalk(Form, &Model);
  EXPECT_EQ(Windowed->Width(), 30);
  EXPECT_EQ(Windowed->Height(), 30);
  EXPECT_EQ(Windowless->Width(), 30);
  EXPECT_TRUE(HasRegion(Windowed));
  EXPECT_EQ(Elsewhere->Width(), 20);

  // A record without a mask takes the region away again.
  Fixed.MaskPictureIndex = -1;
  ChangeSkinDataWalk(Form, &Model);
  EXPECT_FALSE(HasRegion(Windowed));
}

TEST_F(SkinControlBases, AFreedModelLeavesTheBuiltInLookAndNoReference) {
  auto* Freed = new TskSkinData(nullptr);
  BuildSkin(*Freed);
  auto* Windowed = Add<TskSkinCustomControl>(Bounds(10, 10, 40, 20));
  auto* Windowless = Add<TskGraphicSkinCustomControl>(Bounds(10, 40, 40, 20));
  Windowed->SetSkinDataName("box");
  Windowless->SetSkinDataName("box");
  Windowed->SetSkinData(Freed);
  Windowless->SetSkinData(Freed);
  EXPECT_EQ(Shown(Windowed, 15, 2), Inner);
  EXPECT_EQ(Shown(Windowless, 15, 2), Inner);
  delete Freed;
  EXPECT_EQ(Windowed->SkinData(), nullptr);
  EXPECT_EQ(Windowless->SkinData(), nullptr);
  EXPECT_EQ(Windowed->FIndex, -1);
  EXPECT_EQ(Shown(Windowed, 15, 10), ColorToRGB(clBtnFace));
  EXPECT_EQ(Shown(Windowless, 15, 10), ColorToRGB(clBtnFace));
}

TEST_F(SkinControlBases, WithoutARecordTheDefaultSizeAppliesAtTheSkinChange) {
  auto* Control = Add<TskSkinCustomControl>(Bounds(10, 10, 40, 20));
  Control->SetSkinDataName("missing");
  Control->SetDefaultHeight(25);
  EXPECT_EQ(Control->Height(), 25) << "applied at once while there is no record";
  Control->SetBounds(10, 10, 40, 20);
  Control->SetSkinData(&Model);
  EXPECT_EQ(Control->Height(), 25);
  EXPECT_EQ(Control->Width(), 40);
  EXPECT_EQ(Shown(Control, 20, 10), ColorToRGB(clBtnFace));
}

TEST_F(SkinControlBases, TheSameBoundsRepaintNothingButStillTellTheChildrenWithAStretchedCentre) {
  RecordOf(Model, "box").StretchEffect = true;
  auto* Parent = Bound<TCountingControl>("box", Bounds(10, 10, 100, 80));
  auto* WindowedChild = Add<TCountingControl>(Bounds(10, 10, 20, 20), Parent);
  auto* WindowlessChild = Add<TNoticeCounter>(Bounds(40, 10, 20, 20), Parent);
  Display->PumpUntilIdle();
  const int Paints = Parent->Paints;
  Parent->SetBounds(10, 10, 100, 80);
  EXPECT_EQ(Parent->Paints, Paints);
  EXPECT_EQ(WindowedChild->BackgroundNotices, 1);
  EXPECT_EQ(WindowlessChild->BackgroundNotices, 1);
  Parent->SetBounds(10, 10, 120, 80);
  EXPECT_EQ(Parent->Paints, Paints + 1);
  EXPECT_EQ(WindowedChild->BackgroundNotices, 2);

  RecordOf(Model, "box").StretchEffect = false;
  Parent->SetBounds(10, 10, 120, 80);
  EXPECT_EQ(WindowedChild->BackgroundNotices, 2);
}

TEST_F(SkinControlBases, TheMaskRegionClipsPaintingAndHitTesting) {
  auto* Box = Bound("box", Bounds(20, 20, 60, 40));
  int Presses = 0, FormPresses = 0;
  Box->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++Presses; };
  Form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++FormPresses; };
  EXPECT_EQ(Shown(Box, 2, 2), clWhite) << "the mask's white corner is cut away";
  EXPECT_EQ(Shown(Box, 7, 2), Inner);
  EXPECT_EQ(Shown(Box, 59, 2), Frame) << "the other corners stay";
  ClickAt(Box, 2, 2);
  EXPECT_EQ(Presses, 0);
  EXPECT_EQ(FormPresses, 1);
  ClickAt(Box, 7, 7);
  EXPECT_EQ(Presses, 1);
}

TEST_F(SkinControlBases, TheBandPaintTilesOrStretchesTheClientPiece) {
  // The client piece (20 wide: 10 Left, 10 Right) in a client area 50 wide: tiled, column 27 of the area
  // is in the second copy's left half; stretched, it is in the right half.
  // Stretched only downward (skstVert), the piece is as wide as the area: column 27 is in its right half.
  struct Case {
    bool Force;
    bool Stretch;
    TskStretchType Type;
    TColor At27;
  } Cases[] = { { true, false, skstFull, Left },  { true, true, skstFull, Right },  { true, true, skstVert, Right },
                { false, false, skstFull, Left }, { false, true, skstFull, Right }, { false, true, skstVert, Right },
                { true, true, skstHorz, Left } };
  for (const Case& C : Cases) {
    RecordOf(Model, "box").StretchEffect = C.Stretch;
    RecordOf(Model, "box").StretchType = C.Type;
    auto* Box = Add<TskSkinCustomControl>(Bounds(20, 20, 60, 40));
    Box->SetForcebackGround(C.Force);
    Box->SetSkinDataName("box");
    Box->SetSkinData(&Model);
    EXPECT_EQ(Shown(Box, 5 + 27, 20), C.At27) << C.Force << C.Stretch << C.Type;
    EXPECT_EQ(Shown(Box, 59, 20), Frame) << "the right band";
    delete Box;
  }
}

TEST_F(SkinControlBases, TheBandPaintOfARecordWithoutClientPieceDrawsTheBandsOnly) {
  RecordOf(Model, "box").ClRect = Rect(5, 5, 5, 25);
  auto* Box = Add<TskSkinCustomControl>(Bounds(20, 20, 60, 40));
  Box->SetForcebackGround(true);
  Box->SetSkinDataName("box");
  Box->SetSkinData(&Model);
  EXPECT_EQ(Shown(Box, 59, 20), Frame);
}

}  // namespace
