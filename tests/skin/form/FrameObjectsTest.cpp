// The frame's caption objects: which objects a skin gives and which the border icons show, the hover
// transition on the virtual clock, and what a click on a caption button does.
#include "skin/core/TskLayerManager.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/form/TskActiveSkinObject.h"
#include "skin/form/TskQuickButtonItems.h"
#include "skin/form/TskSkinCaptionObject.h"
#include "skin/form/TskSkinStdButtonObject.h"
#include "tests/skin/form/FormFrameFixture.h"

namespace {

class FrameObjects : public FormFrameTest {
protected:
  /// The frame skin with its objects on the shown main form, 400 x 300 at (100, 100).
  TskSkinForm* ShowSkinned() {
    BuildFrameSkin(Model);
    AddFrameObjects(Model);
    return ShowOnModel();
  }
  /// The main form shown with a frame on Model as it stands.
  TskSkinForm* ShowOnModel(TskBorderIcons Icons = { TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize,
                                                    TskBorderIcon::biMaximize }) {
    Main->SetBorderStyle(bsSingle);
    Frame = Attach(Main, &Model);
    Frame->SetBorderIcons(Icons);
    Main->Show();
    Display->PumpUntilIdle();
    return Frame;
  }
  TskActiveSkinObject* Object(const String& Name) { return Frame->ObjectList[size_t(Frame->GetIndex(Name))].get(); }
  /// The middle of an object on the screen.
  TPoint Middle(const String& Name) {
    const TRect R = Frame->FrameToScreen(Object(Name)->ObjectRect);
    return { (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 };
  }

  TskSkinForm* Frame { nullptr };
};

TEST_F(FrameObjects, TheSkinsRecordsGiveObjectsInRecordOrderAndMenuRecordsNone) {
  BuildFrameSkin(Model);
  AddFrameObjects(Model);
  Model.ObjectList.insert(Model.ObjectList.begin(), CreateSkinObject("menuitem", "menuitem"));
  Model.ObjectList.push_back(CreateSkinObject("button", "plainbutton"));
  Model.ObjectList.push_back(CreateSkinObject("mainmenubarbutton", "menubarclosebutton"));
  Frame = Attach(Main, &Model);
  std::vector<String> Names;
  for (auto& O : Frame->ObjectList) Names.push_back(O->IDName);
  EXPECT_EQ(Names, (std::vector<String> { "closebutton", "maxbutton", "minbutton", "sysmenubutton", "caption",
                                          "plainbutton" }));
  EXPECT_NE(dynamic_cast<TskSkinStdButtonObject*>(Object("closebutton")), nullptr) << "a standard button";
  EXPECT_EQ(dynamic_cast<TskSkinStdButtonObject*>(Object("plainbutton")), nullptr) << "a plain button";
  EXPECT_EQ(Frame->GetIndex("CloseButton"), -1) << "names match exactly";
  Frame->SetSkinData(nullptr);
  EXPECT_TRUE(Frame->ObjectList.empty()) << "the built-in buttons come with the first built-in paint";
}

TEST_F(FrameObjects, BorderIconsEnableAndShowTheButtons) {
  BuildFrameSkin(Model);
  AddFrameObjects(Model);
  // A maximize button drawn in the frame picture, and a dialog close button.
  auto& Drawn = dynamic_cast<TskDataSkinStdButton&>(*Model.ObjectList[1]);
  Drawn.SkinRectInAPicture = false;
  auto Dialog = CreateSkinObject("stdbutton", "dialogclosebutton");
  dynamic_cast<TskDataSkinStdButton&>(*Dialog).SkinRectInAPicture = true;
  Model.ObjectList.push_back(std::move(Dialog));
  Frame = Attach(Main, &Model);
  auto State = [&](const String& Name) {
    return std::pair { Object(Name)->Enabled, Object(Name)->Visible };
  };
  using S = std::pair<bool, bool>;
  // The converter's main window: minimize and close.
  Frame->SetBorderIcons({ TskBorderIcon::biMinimize });
  EXPECT_EQ(State("minbutton"), S(true, true));
  EXPECT_EQ(State("closebutton"), S(true, true));
  EXPECT_EQ(State("maxbutton"), S(false, true)) << "drawn in the frame picture: shown, disabled";
  EXPECT_EQ(State("sysmenubutton"), S(false, false)) << "a picture of its own: hidden";
  EXPECT_EQ(State("dialogclosebutton"), S(false, false));
  // A dialog: only the dialog close button.
  Frame->SetBorderIcons({});
  EXPECT_EQ(State("closebutton"), S(false, false));
  EXPECT_EQ(State("dialogclosebutton"), S(true, true));
  // Hidden caption buttons: those of the frame picture stay, disabled.
  Frame->SetHideCaptionButtons(true);
  Frame->SetBorderIcons({ TskBorderIcon::biMaximize });
  EXPECT_EQ(State("maxbutton"), S(false, true));
  EXPECT_EQ(State("minbutton"), S(false, false));
  // Default hints, from the built-in texts.
  EXPECT_EQ(Object("minbutton")->Hint, "Minimize");
  EXPECT_EQ(dynamic_cast<TskSkinStdButtonObject*>(Object("maxbutton"))->RestoreHint, "Restore");
}

TEST_F(FrameObjects, HoverMorphsAButtonInFiveTicksAndBack) {
  ShowSkinned();
  TskActiveSkinObject* Close = Object("closebutton");
  const TPoint P = Middle("closebutton");
  const TPoint Local { P.X - Main->Left(), P.Y - Main->Top() };
  EXPECT_EQ(FrameColor(Main, Local.X, Local.Y), ButtonNormal);
  // The frame's 50 ms tracking finds the hovered button.
  Display->MoveTo(P.X, P.Y);
  Display->Advance(50);
  EXPECT_TRUE(Close->Active);
  std::vector<int> Steps;
  for (int i = 0; i < 6; ++i) {
    Display->Advance(25);
    Steps.push_back(Close->FMorphKf);
  }
  EXPECT_EQ(Steps, (std::vector<int> { 1, 2, 3, 4, 5, 5 }));
  EXPECT_EQ(FrameColor(Main, Local.X, Local.Y), ButtonHot);
  // The 50 ms tracking notices the leave; from then on one fifth per tick.
  Display->MoveTo(Main->Left() + 200, Main->Top() + 150);
  Steps.clear();
  for (int i = 0; i < 10; ++i) {
    Display->Advance(25);
    if (Close->FMorphKf < 5) Steps.push_back(Close->FMorphKf);
  }
  ASSERT_GE(Steps.size(), 5u);
  Steps.resize(5);
  EXPECT_EQ(Steps, (std::vector<int> { 4, 3, 2, 1, 0 }));
  EXPECT_EQ(FrameColor(Main, Local.X, Local.Y), ButtonNormal);
}

TEST_F(FrameObjects, AClickOnCloseClosesTheFormOnlyWhenReleasedOverIt) {
  ShowSkinned();
  const TPoint P = Middle("closebutton");
  Display->MoveTo(P.X, P.Y);
  Display->ButtonDown(P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(FrameColor(Main, P.X - Main->Left(), P.Y - Main->Top()), ButtonDown);
  Display->MoveTo(P.X - 100, P.Y + 100);
  Display->Advance(50);
  Display->ButtonUp(P.X - 100, P.Y + 100);
  Display->PumpUntilIdle();
  EXPECT_FALSE(App->Terminated()) << "released elsewhere";
  Display->Click(P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_TRUE(App->Terminated()) << "the main form closed";
}

TEST_F(FrameObjects, MinimizeAndTheSystemMenuButtonsDoTheirCommands) {
  ShowSkinned();
  const TPoint Min = Middle("minbutton");
  Display->Click(Min.X, Min.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Frame->WindowState(), wsMinimized);
  App->Restore();
  Frame->SetWindowState(wsNormal);
  Display->PumpUntilIdle();
  const TPoint Sys = Middle("sysmenubutton");
  Display->MoveTo(Sys.X, Sys.Y);
  SendMessage(Main->Handle(), WM_NCLBUTTONDBLCLK, HTOBJECT, MAKELPARAM(Sys.X, Sys.Y));
  Display->PumpUntilIdle();
  EXPECT_TRUE(App->Terminated()) << "a double click on the system-menu button closes the form";
}

TEST_F(FrameObjects, TheBuiltInFrameMakesItsSixButtonsAtItsFirstPaintAndTheyWork) {
  Main->SetBorderStyle(bsSingle);
  Frame = Attach(Main, nullptr);
  Frame->SetBorderIcons({ TskBorderIcon::biMinimize });
  Main->Show();
  Display->PumpUntilIdle();
  ASSERT_EQ(Frame->ObjectList.size(), 6u);
  EXPECT_EQ(Object("closebutton")->ObjectRect, Rect(380, 4, 397, 21));
  EXPECT_EQ(Object("minbutton")->ObjectRect, Rect(363, 4, 380, 21)) << "maximize is hidden";
  const TPoint P = Middle("closebutton");
  Display->MoveTo(P.X, P.Y);
  Display->Advance(50);
  EXPECT_EQ(FrameColor(Main, 380, 12), RGB(59, 107, 183)) << "the hot frame";
  EXPECT_EQ(FrameColor(Main, 382, 6), RGB(193, 212, 243)) << "the hot fill";
  Display->Click(P.X, P.Y);
  Display->PumpUntilIdle();
  EXPECT_TRUE(App->Terminated());
}

TEST_F(FrameObjects, AStripOfNoFramesAndAGlowOutsideThePicturesAreIgnored) {
  // Glow picture indexes: the objects picture (shown where layered windows exist, as headless), or
  // indexes beyond the skin's pictures (no glow).
  for (const auto& [GlowIndex, Shown] : { std::pair { 0, true }, std::pair { 99, false } }) {
    BuildFrameSkin(Model);
    AddFrameObjects(Model);
    auto& Caption = dynamic_cast<TskDataSkinCaption&>(*Model.ObjectList.back());
    Caption.AnimateSkinRect = Rect(0, 0, 60, 20);
    Caption.FrameCount = 0;
    auto& Close = dynamic_cast<TskDataSkinStdButton&>(*Model.ObjectList[0]);
    Close.GlowLayerPictureIndex = GlowIndex;
    Close.GlowLayerMaskPictureIndex = GlowIndex;
    ShowOnModel();
    EXPECT_FALSE(dynamic_cast<TskSkinCaptionObject*>(Object("caption"))->EnableAnimation());
    Main->Hide();
    Main->Show();
    Display->Advance(200);
    const TPoint P = Middle("closebutton");
    Display->MoveTo(P.X, P.Y);
    Display->Advance(200);
    EXPECT_EQ(Frame->LayerManager()->IsVisible, Shown) << "glow picture " << GlowIndex;
    TearDown();
    SetUp();
  }
}

}  // namespace

namespace {

// While the layered border sizes the form the frame's objects keep their hover state.
TEST_F(FrameObjects, NoObjectTakesTheHoverWhileTheBorderSizesTheForm) {
  ShowSkinned();
  const TRect Close = Object("closebutton")->ObjectRect;
  const TPoint Middle { (Close.Left + Close.Right) / 2, (Close.Top + Close.Bottom) / 2 };
  Frame->FBorderLayerChangeSize = true;
  Frame->TrackActiveObject(Middle.X, Middle.Y, true);
  EXPECT_EQ(Frame->ActiveObject, -1);
  Frame->FBorderLayerChangeSize = false;
  Frame->TrackActiveObject(Middle.X, Middle.Y, true);
  EXPECT_EQ(Frame->ActiveObject, Frame->GetIndex("closebutton"));
}

}  // namespace

namespace {

// The fixture's caption: object (20, 0, 400, 30), text room from x 24; 16 x 16 glyphs.
TEST_F(FrameObjects, QuickButtonsSitLeftOfTheCaptionTextAndClickWhenReleasedOverThem) {
  BuildFrameSkin(Model);
  AddFrameObjects(Model);
  auto* Images = new TCustomImageList(Main, 16, 16);
  TBitmap Glyph;
  Glyph.SetSize(16, 16);
  Glyph.Canvas()->Brush()->SetColor(RGB(0, 128, 255));
  Glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
  Images->AddMasked(&Glyph, clNone);
  Frame = ShowOnModel();
  Frame->SetQuickImageList(Images);
  std::vector<TObject*> Clicks;
  for (int i = 0; i < 3; ++i) {
    TskQuickButtonItem* Item = Frame->QuickButtons()->Add();
    Item->SetImageIndex(0);
    Item->OnClick = [&Clicks](TObject* Sender) { Clicks.push_back(Sender); };
  }
  Frame->QuickButtons()->Items(1)->SetVisible(false);
  Display->PumpUntilIdle();
  // Buttons at x 20 and 44 (the hidden one takes no room), each 20 wide, from y 5.
  EXPECT_EQ(Frame->QuickButtons()->Items(0)->ItemRect, Rect(20, 5, 40, 25));
  EXPECT_EQ(Frame->QuickButtons()->Items(2)->ItemRect, Rect(44, 5, 64, 25));
  EXPECT_EQ(FrameColor(Main, 30, 15), RGB(0, 128, 255)) << "the glyph";
  const TPoint Button { Main->Left() + 30, Main->Top() + 15 };
  EXPECT_EQ(SendMessage(Main->Handle(), WM_NCHITTEST, 0, PointToLParam(Button)), HTOBJECT);
  EXPECT_EQ(SendMessage(Main->Handle(), WM_NCHITTEST, 0, MAKELPARAM(Main->Left() + 200, Main->Top() + 15)),
            HTCAPTION);
  // Released elsewhere: nothing; released over it: OnClick with the caption object.
  Display->MoveTo(Button.X, Button.Y);
  Display->ButtonDown(Button.X, Button.Y);
  EXPECT_TRUE(Frame->QuickButtons()->Items(0)->Down);
  Display->MoveTo(Button.X + 24, Button.Y);
  Display->ButtonUp(Button.X + 24, Button.Y);
  EXPECT_TRUE(Clicks.empty());
  EXPECT_FALSE(Frame->QuickButtons()->Items(0)->Down);
  Display->Click(Button.X, Button.Y);
  ASSERT_EQ(Clicks.size(), 1u);
  EXPECT_EQ(Clicks[0], Object("caption"));
}

}  // namespace
