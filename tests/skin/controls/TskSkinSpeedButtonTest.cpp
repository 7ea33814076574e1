// The skinned speed button: its event order, the flat button's opaque style following hot and down, the
// repeat of the shared state model, the caption width switch and the image it draws.
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class SpeedButtonTest : public SkinControlTest {
protected:
  TskSkinSpeedButton* NewButton(const std::string& Name, TRect Bounds = ::Bounds(10, 10, 60, 25)) {
    auto* Button = Add<TskSkinSpeedButton>(Bounds);
    Button->SetName(Name);
    Button->SetCaption("");
    Button->OnMouseDown = [this, Name](TObject*, TMouseButton, TShiftState, int, int) { Log.push_back(Name + ".Down"); };
    Button->OnMouseUp = [this, Name](TObject*, TMouseButton, TShiftState, int, int) { Log.push_back(Name + ".Up"); };
    Button->OnClick = [this, Name](TObject*) { Log.push_back(Name + ".Click"); };
    Display->PumpUntilIdle();
    return Button;
  }
  AppLog Take() { return std::exchange(Log, {}); }
};

TEST_F(SpeedButtonTest, AClickReleasesBeforeItClicksAndGroupsAndRepeatsWorkAsThePushButtons) {
  auto* A = NewButton("a");
  ClickAt(A, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "a.Down", "a.Up", "a.Click" }));

  auto* B = NewButton("b", Bounds(80, 10, 60, 25));
  A->SetGroupIndex(3);
  B->SetGroupIndex(3);
  ClickAt(A, 30, 12);
  ClickAt(B, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "a.Down", "a.Click", "a.Up", "b.Down", "b.Click", "b.Up" }));
  EXPECT_FALSE(A->Down());
  EXPECT_TRUE(B->Down());

  A->SetGroupIndex(0);
  A->SetRepeatMode(true);
  Press(A, 30, 12);
  Display->Advance(800);
  Release(A, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "a.Down", "a.Click", "a.Click", "a.Click", "a.Up", "a.Click" }))
    << "at 600 and 700 ms, then the release";
}

TEST_F(SpeedButtonTest, AFlatButtonIsOpaqueOnlyWhileHotOrDown) {
  auto* Button = NewButton("b");
  Button->SetFlat(true);
  EXPECT_TRUE(Button->Transparent());
  EXPECT_EQ(Shown(Button, 30, 12), clWhite) << "the form shows through at rest";
  MoveTo(Button, 30, 12);
  EXPECT_FALSE(Button->Transparent());
  EXPECT_EQ(Shown(Button, 30, 12), BuiltInHotColor);
  MoveTo(Button, 30, 60);
  EXPECT_TRUE(Button->Transparent());

  Button->SetGroupIndex(1);
  ClickAt(Button, 30, 12);
  MoveTo(Button, 30, 60);
  EXPECT_TRUE(Button->Down());
  EXPECT_FALSE(Button->Transparent()) << "a group button that is down stays opaque";
  EXPECT_EQ(Shown(Button, 30, 12), BuiltInDownColor);
  Button->SetDown(false);
  EXPECT_TRUE(Button->Transparent()) << "going up with the pointer elsewhere";
}

TEST_F(SpeedButtonTest, ShowCaptionSwitchesBetweenTheTwoWidths) {
  auto* Button = NewButton("b");
  Button->SetCaption("添加");
  Button->SetWidthWithCaption(60);
  Button->SetWidthWithoutCaption(25);
  Button->SetShowCaption(false);
  EXPECT_EQ(Button->Width(), 25);
  Button->SetShowCaption(true);
  EXPECT_EQ(Button->Width(), 60);
}

TEST_F(SpeedButtonTest, AGlyphTakesPrecedenceOverTheImageList) {
  TCustomImageList Images(nullptr);
  Images.SetWidth(8);
  Images.SetHeight(8);
  TBitmap Red, Blue;
  for (auto [Bitmap, Color] : { std::pair { &Red, clRed }, std::pair { &Blue, clBlue } }) {
    Bitmap->SetSize(8, 8);
    Bitmap->Canvas()->Brush()->SetColor(Color);
    Bitmap->Canvas()->FillRect(Rect(0, 0, 8, 8));
  }
  Images.Add(&Red, nullptr);
  auto* Button = NewButton("b", Bounds(10, 10, 25, 25));
  Button->SetImageList(&Images);
  Button->SetImageIndex(0);
  Button->Invalidate();  // setting the list alone does not repaint
  EXPECT_EQ(Shown(Button, 12, 12), clRed);
  TBitmap Glyph;
  Glyph.SetSize(8, 9);
  Glyph.Canvas()->Brush()->SetColor(clBlue);
  Glyph.Canvas()->FillRect(Rect(0, 0, 8, 8));
  Glyph.Canvas()->Brush()->SetColor(clLime);
  Glyph.Canvas()->FillRect(Rect(0, 8, 8, 9));  // the transparent colour: its bottom-left pixel
  Button->SetGlyph(&Glyph);
  EXPECT_EQ(Shown(Button, 12, 12), clBlue);
}

TEST_F(SpeedButtonTest, WithARecordEachStateDrawsItsImage) {
  TskSkinModelBuilder Skin(Model);
  const int Picture = Skin.AddPicture(100, 30);
  auto& Record = Skin.Add<TskDataSkinButtonControl>("button", "toolbutton");
  Record.PictureIndex = Picture;
  SetNinePart(Record, Skin.Paint(Picture, Bounds(0, 0, 25, 25), clRed, clWhite), 3, Rect(3, 3, 22, 22));
  Record.ActiveSkinRect = Skin.Paint(Picture, Bounds(25, 0, 25, 25), clLime, clWhite);
  Record.DownSkinRect = Skin.Paint(Picture, Bounds(50, 0, 25, 25), clBlue, clWhite);
  Record.DisabledSkinRect = Skin.Paint(Picture, Bounds(75, 0, 25, 25), clGray, clWhite);
  Skin.Finish();
  auto* Button = NewButton("b");
  Button->SetSkinData(&Model);
  EXPECT_EQ(Shown(Button, 30, 12), clRed);
  MoveTo(Button, 30, 12);
  EXPECT_EQ(Shown(Button, 30, 12), clLime);
  Press(Button, 30, 12);
  EXPECT_EQ(Shown(Button, 30, 12), clBlue);
  MoveTo(Button, 30, 60);
  EXPECT_EQ(Shown(Button, 30, 12), clRed) << "held but dragged off";
  Release(Button, 30, 60);
  Button->SetEnabled(false);
  EXPECT_EQ(Shown(Button, 30, 12), clGray);
  Button->SetEnabled(true);
  Button->SetTransparent(true);
  EXPECT_EQ(Shown(Button, 30, 12), clWhite) << "transparent at rest: no image";
}

}  // namespace
