// What the frame paints: its four bands and its objects from the skin's pieces at any size, the inactive
// look, and the built-in frame.
#include "skin/controls/skControlMessages.h"
#include "skin/form/TskActiveSkinObject.h"
#include "tests/skin/form/FormFrameFixture.h"
#include "tests/skin/support/EmbeddedSkinModels.h"

namespace {

using FramePaint = FormFrameTest;

TColor PictureColor(TBitmap* Picture, int X, int Y) { return ColorToRGB(Picture->Canvas()->Pixels(X, Y)); }

TEST_F(FramePaint, TheTestSkinsBandsAndButtonsComeFromTheirPiecesAtTwoSizes) {
  auto Skin = LoadEmbeddedSkin(TestSkinContainer());
  TBitmap* Picture = Skin->FPicture.get();
  const int PW = Picture->Width(), PH = Picture->Height();
  Main->SetBorderStyle(bsSizeable);
  TskSkinForm* Frame = Attach(Main, Skin.get());
  Frame->SetBorderIcons({ TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize });
  Main->Show();
  for (TSize Size : { TSize { 400, 300 }, TSize { PW, PH } }) {
    Main->SetBounds(100, 100, Size.cx, Size.cy);
    const int W = Main->Width(), H = Main->Height();
    ASSERT_EQ(W, Size.cx);
    const TRect& Cl = Skin->ClRect;
    EXPECT_EQ(FrameColor(Main, W / 2, 2), PictureColor(Picture, PW / 2, 2)) << "caption band above the buttons";
    // The side bands' middles, stretched from the picture's.
    const int Y = Cl.Top + (H - Cl.Top - (PH - Cl.Bottom)) / 2, PY = Cl.Top + Cl.Height() / 2;
    EXPECT_EQ(FrameColor(Main, 1, Y), PictureColor(Picture, 1, PY)) << "left border";
    EXPECT_EQ(FrameColor(Main, W - 2, Y), PictureColor(Picture, PW - 2, PY)) << "right border";
    EXPECT_EQ(FrameColor(Main, W / 2, H - 2), PictureColor(Picture, PW / 2, PH - 2)) << "bottom border";
    for (const char* Name : { "closebutton", "maximizebutton", "minimizebutton" }) {
      TskActiveSkinObject* Button = Frame->ObjectList[size_t(Frame->GetIndex(Name))].get();
      const TRect& R = Button->ObjectRect;
      const TRect& S = Button->SkinRect;
      EXPECT_EQ(FrameColor(Main, (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2),
                PictureColor(Button->ActivePicture, (S.Left + S.Right) / 2, (S.Top + S.Bottom) / 2))
          << Name << " at " << Size.cx;
      EXPECT_EQ(FrameColor(Main, R.Left, R.Top + 3), PictureColor(Button->ActivePicture, S.Left, S.Top + 3))
          << Name << "'s border";
    }
  }
}

TEST_F(FramePaint, AnInactiveFormShowsTheInactivePictureOrTheSkinsInactiveEffect) {
  BuildFrameSkin(Model);
  AddFrameObjects(Model);
  Main->SetBorderStyle(bsSingle);
  Attach(Main, &Model);
  Main->Show();
  EXPECT_EQ(FrameColor(Main, 250, 10), FrameCaption);
  EXPECT_EQ(FrameColor(Main, 200, 150), FrameClient) << "the client piece behind the form";
  TForm* Other = NewForm(Rect(600, 400, 800, 500));
  Other->Show();
  EXPECT_EQ(FrameColor(Main, 250, 10), FrameInactive);
  EXPECT_EQ(FrameColor(Main, 5, 150), FrameBorder);
  Model.AutoRenderingInActiveImage = true;
  Model.InActiveEffect = ieGrayScale;
  SendMessage(Main->Handle(), WM_NCPAINT, 0, 0);
  const TColor Border = FrameColor(Main, 5, 150);
  EXPECT_TRUE(GetRValue(Border) == GetGValue(Border) && GetGValue(Border) == GetBValue(Border)) << "grey";
  EXPECT_NE(Border, FrameBorder);
}

/// A windowed child that counts the WM_CHECKPARENTBG messages it hears.
class BackgroundListener : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  int Heard { 0 };

protected:
  void Dispatch(TMessage& Message) override {
    Heard += Message.Msg == WM_CHECKPARENTBG;
    TCustomControl::Dispatch(Message);
  }
};

TEST_F(FramePaint, AResizeTellsTheWindowedChildrenOfAStretchedBackgroundOnly) {
  for (const bool Stretch : { true, false }) {
    TskSkinData Skin { nullptr };
    BuildFrameSkin(Skin);
    Skin.StretchEffect = Stretch;
    TForm* Form = NewForm(Bounds(100, 100, 400, 300));
    Form->SetBorderStyle(bsSizeable);
    auto* Child = Place<BackgroundListener>(Form, Form, Bounds(10, 10, 50, 50));
    Attach(Form, &Skin);
    Form->Show();
    Display->PumpUntilIdle();
    Child->Heard = 0;
    Form->SetBounds(100, 100, 450, 320);
    Display->PumpUntilIdle();
    EXPECT_EQ(Child->Heard > 0, Stretch) << (Stretch ? "stretched" : "tiled");
    delete Form;
  }
}

TEST_F(FramePaint, TheBuiltInFrameHasItsThreeLinesAndTheCaptionInTheMiddle) {
  Main->SetBorderStyle(bsSingle);
  Main->SetCaption("WWWW");
  Main->SetColor(clRed);
  Attach(Main, nullptr);
  Main->Show();
  EXPECT_EQ(FrameColor(Main, 200, 150), ColorToRGB(clBtnFace)) << "the built-in client ignores the form's colour";
  EXPECT_EQ(FrameColor(Main, 0, 150), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(FrameColor(Main, 1, 150), ColorToRGB(clBtnFace));
  EXPECT_EQ(FrameColor(Main, 2, 150), ColorToRGB(clBtnFace));
  // The text's ink lies around the caption's middle.
  int Left = 400, Right = -1;
  for (int X = 3; X < 397; ++X)
    for (int Y = 4; Y < 20; ++Y)
      if (FrameColor(Main, X, Y) == ColorToRGB(clBtnText) && X > 30 && X < 330) {
        Left = std::min(Left, X);
        Right = std::max(Right, X);
      }
  ASSERT_LT(Left, Right);
  EXPECT_NEAR((Left + Right) / 2, 200 - 17, 12) << "centred between the system-menu button and the buttons";
}

}  // namespace

namespace {

class CaptionText : public FormFrameTest {
protected:
  /// The leftmost and rightmost columns between From and To where the caption band shows the active
  /// caption's white text; -1 when none does.
  std::pair<int, int> Ink(int From, int To) {
    std::pair<int, int> Found { -1, -1 };
    for (int X = From; X < To; ++X)
      for (int Y = 0; Y < 30; ++Y)
        if (Display->PixelAt(Main->Left() + X, Main->Top() + Y) == clWhite) {
          if (Found.first < 0) Found.first = X;
          Found.second = X;
        }
    return Found;
  }
};

// The fixture's caption: object (20, 0, 400, 30), text room 24 .. 300 in the window; the minimize button
// starts at 324.
TEST_F(CaptionText, ALongCaptionIsShortenedToItsRoomAndAlignmentPlacesAShortOne) {
  BuildFrameSkin(Model);
  AddFrameObjects(Model);
  Main->SetBorderStyle(bsSingle);
  Main->SetCaption(String(60, 'W'));
  TskSkinForm* Frame = Attach(Main, &Model);
  Main->Show();
  Display->PumpUntilIdle();
  auto [Left, Right] = Ink(20, 324);
  EXPECT_GE(Left, 24);
  EXPECT_LT(Right, 300) << "the shortened text and its dots fit";
  EXPECT_GT(Right, 270) << "and fill the room";
  Main->SetCaption("WW");
  Display->PumpUntilIdle();
  const auto LeftAligned = Ink(20, 324);
  EXPECT_LT(LeftAligned.first, 30);
  auto& Record = dynamic_cast<TskDataSkinCaption&>(*Model.ObjectList.back());
  Record.Alignment = taRightJustify;
  Frame->SetSkinData(&Model);
  Display->PumpUntilIdle();
  const auto RightAligned = Ink(20, 324);
  EXPECT_GE(RightAligned.second, 290);
  EXPECT_LT(RightAligned.second, 300);
}

TEST_F(CaptionText, OnCaptionPaintReplacesTheText) {
  BuildFrameSkin(Model);
  AddFrameObjects(Model);
  Main->SetBorderStyle(bsSingle);
  Main->SetCaption("WWWW");
  TskSkinForm* Frame = Attach(Main, &Model);
  std::vector<TRect> Painted;
  Frame->OnCaptionPaint = [&Painted](TCanvas*, const TRect& R, bool Active) {
    if (Active) Painted.push_back(R);
  };
  Main->Show();
  Display->PumpUntilIdle();
  ASSERT_FALSE(Painted.empty());
  EXPECT_EQ(Painted.back(), Rect(20, 0, 400, 30)) << "the caption object's place";
  EXPECT_EQ(Ink(20, 324).first, -1) << "no text of the frame's own";
  Frame->OnCaptionPaint = nullptr;
}

}  // namespace

namespace {

using CaptionAnimation = FormFrameTest;

// Frames of 60 x 30 side by side, 50 ms each: two ticks of the 25 ms animation timer.
TEST_F(CaptionAnimation, ActivationPlaysTheCaptionsFramesOnceThenShowsTheActiveLook) {
  BuildFrameSkin(Model);
  AddFrameObjects(Model);
  const TColor Frames[] = { RGB(10, 90, 10), RGB(10, 10, 90), RGB(90, 10, 90) };
  auto Strip = std::make_unique<TBitmap>();
  Strip->SetSize(180, 30);
  for (int i = 0; i < 3; ++i) {
    Strip->Canvas()->Brush()->SetColor(Frames[i]);
    Strip->Canvas()->FillRect(Rect(60 * i, 0, 60 * i + 60, 30));
  }
  Model.FActivePictures.push_back(std::move(Strip));
  auto& Record = dynamic_cast<TskDataSkinCaption&>(*Model.ObjectList.back());
  Record.ActivePictureIndex = int(Model.FActivePictures.size()) - 1;
  Record.AnimateSkinRect = Rect(0, 0, 180, 30);
  Record.FrameCount = 3;
  Record.AnimateInterval = 50;
  Main->SetBorderStyle(bsSingle);
  Attach(Main, &Model);
  Main->Show();
  TForm* Other = NewForm(Rect(600, 500, 700, 600));
  Other->Show();
  Display->Advance(500);
  SetActiveWindow(Main->Handle());
  std::vector<TColor> Seen;
  for (int Tick = 0; Tick < 8; ++Tick) {
    Seen.push_back(FrameColor(Main, 250, 28));
    Display->Advance(25);
  }
  const std::vector<TColor> Expected { Frames[0], Frames[0], Frames[1], Frames[1],
                                       Frames[2], Frames[2], FrameCaption, FrameCaption };
  EXPECT_EQ(Seen, Expected);
}

}  // namespace
