// The layered border on the headless presenter: the four windows composed from the layer picture around the
// form and following it, sizing by dragging the border, the inactive look and alpha, the caption and its
// quick buttons on a full border, an animated object's glow and menu beside it, and skins or presenters
// without a border.
#include "platform/gdi/Capabilities.h"
#include "platform/gdi/Gdi.h"
#include "platform/base/TMemIniFile.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/LayeredWindows.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskQuickButtonItems.h"
#include "skin/form/TskSkinAnimateObject.h"
#include "skin/form/TskSkinCaptionObject.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinPopupMenu.h"
#include "skin/form/TskSkinPopupWindow.h"
#include "skin/form/TskSkinStdButtonObject.h"
#include "skin/form/skFormMessages.h"
#include "tests/skin/form/FormFrameFixture.h"

namespace {

class LayerBorder : public FormFrameTest {
protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    BuildFrameSkin(Model);
    AddLayerFrame(Model);
    Main->SetBorderStyle(bsSizeable);
    Main->SetBounds(300, 200, 400, 300);
  }

  TskFormLayerBorder* ShowFramed() {
    Frame = Attach(Main, &Model);
    Main->Show();
    Display->PumpUntilIdle();
    return Frame->BorderLayer();
  }

  TRect WindowBounds(TskFormLayerBorderType Side) const {
    TskFormLayerWindow* Window = Frame->BorderLayer()->Window(Side);
    return Window ? Window->BoundsRect() : TRect {};
  }

  /// The windows of the border class shown on the screen.
  int ShownBorderWindows() const {
    int Count = 0;
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (dynamic_cast<TskFormLayerWindow*>(Screen->Forms(i)) && Screen->Forms(i)->Visible()) ++Count;
    return Count;
  }

  TskSkinForm* Frame { nullptr };
};

TEST_F(LayerBorder, FourWindowsShowTheLayerPictureAroundTheFormAndFollowIt) {
  TskFormLayerBorder* Border = ShowFramed();
  ASSERT_TRUE(Frame->UseLayeredBorder());
  ASSERT_TRUE(Border->Visible());
  // The border is the picture's size plus the form's beyond the picture's form place.
  EXPECT_EQ(WindowBounds(skflTop), Bounds(280, 170, 440, 30));
  EXPECT_EQ(WindowBounds(skflBottom), Bounds(280, 500, 440, 20));
  EXPECT_EQ(WindowBounds(skflLeft), Bounds(280, 200, 20, 300));
  EXPECT_EQ(WindowBounds(skflRight), Bounds(700, 200, 20, 300));
  EXPECT_EQ(ShownBorderWindows(), 4);

  struct Spot {
    int X, Y;
    TColor Colour;
    const char* What;
  };
  const Spot Spots[] = {
    { 290, 175, LayerLeftCorner, "left corner copied" },
    { 500, 180, LayerTop, "middle stretched" },
    { 710, 180, LayerRightCorner, "right corner at the right end" },
    { 290, 205, LayerStripeA, "side: first stripe" },
    { 290, 220, LayerStripeB, "side tiled, not stretched" },
    { 710, 235, LayerStripeA, "right side, third tile" },
    { 500, 510, LayerBottom, "bottom band" },
    { 282, 300, RGB(0, 125, 60), "half alpha: colours scaled by it once, over black" },
  };
  for (const Spot& S : Spots) EXPECT_EQ(Display->PixelAt(S.X, S.Y), S.Colour) << S.What;

  Main->SetBounds(320, 210, 500, 300);
  Display->PumpUntilIdle();
  EXPECT_EQ(WindowBounds(skflTop), Bounds(300, 180, 540, 30));
  EXPECT_EQ(WindowBounds(skflRight), Bounds(820, 210, 20, 300));
  Main->SetBounds(330, 220, 500, 300);
  EXPECT_EQ(WindowBounds(skflBottom), Bounds(310, 520, 540, 20));

  Main->Hide();
  EXPECT_FALSE(Border->Visible());
  EXPECT_EQ(ShownBorderWindows(), 0);
}

TEST_F(LayerBorder, DraggingTheBorderSizesTheFormWithinItsLimitsAndBands) {
  ShowFramed();
  struct Case {
    const char* What;
    TPoint Press;
    std::vector<TPoint> Moves;
    TRect Expected;
  };
  const Case Cases[] = {
    { "right edge outward", { 705, 350 }, { { 735, 350 } }, Bounds(300, 200, 430, 300) },
    { "bottom edge outward", { 500, 505 }, { { 500, 525 } }, Bounds(300, 200, 400, 320) },
    { "top-left corner: both axes", { 292, 182 }, { { 282, 192 } }, Bounds(290, 210, 410, 290) },
    // Past the minimum width the step is dropped and the right edge stays; back outside the band the
    // edge does not follow; inside it, it does.
    { "left edge past the minimum and back",
      { 292, 350 },
      { { 392, 350 }, { 492, 350 }, { 592, 350 }, { 560, 350 }, { 494, 350 } },
      Bounds(434, 200, 266, 300) },
    // Stopped at the minimum width, the cursor is outside the right band: that axis keeps its size
    // while the other follows.
    { "bottom-right corner: one axis refused", { 705, 505 }, { { 405, 505 }, { 415, 525 } }, Bounds(300, 200, 200, 320) },
  };
  for (const Case& C : Cases) {
    Main->SetBounds(300, 200, 400, 300);
    Display->PumpUntilIdle();
    Display->ButtonDown(C.Press.X, C.Press.Y);
    for (const TPoint& P : C.Moves) Display->MoveTo(P.X, P.Y);
    Display->ButtonUp(C.Moves.back().X, C.Moves.back().Y);
    EXPECT_EQ(Main->BoundsRect(), C.Expected) << C.What;
    EXPECT_EQ(WindowBounds(skflTop).TopLeft(), (TPoint { C.Expected.Left - 20, C.Expected.Top - 30 })) << C.What;
    EXPECT_EQ(WindowBounds(skflTop).Width(), C.Expected.Width() + 40) << C.What;
    EXPECT_FALSE(Frame->FBorderLayerChangeSize) << C.What;
  }
}

TEST_F(LayerBorder, AnInactiveFormShowsTheInactivePictureAtTheInactiveAlpha) {
  TskFormLayerBorder* Border = ShowFramed();
  Border->CheckFormAlpha(128, false);
  EXPECT_EQ(Border->FCurrentAlphaBlendValue, 128);
  EXPECT_EQ(Border->FCurrentInActiveAlphaBlendValue, 100);
  Border->CheckFormAlpha(255, true);

  TForm* Other = NewForm(Bounds(900, 100, 200, 100));
  Other->Show();
  Display->PumpUntilIdle();
  ASSERT_FALSE(Main->Active());
  const TColor Seen = Display->PixelAt(500, 180);
  auto Near = [](int A, int B) { return std::abs(A - B) <= 1; };
  EXPECT_TRUE(Near(GetRValue(Seen), 90 * 200 / 255) && Near(GetGValue(Seen), 90 * 200 / 255) &&
              Near(GetBValue(Seen), 160 * 200 / 255))
      << std::hex << Seen;

  SetForegroundWindow(Main->Handle());
  Display->PumpUntilIdle();
  EXPECT_EQ(Display->PixelAt(500, 180), LayerTop);
}

TEST_F(LayerBorder, WithoutLayeredWindowsOrALayerPictureThereIsNoBorderAndNothingFails) {
  struct Case {
    const char* What;
    std::function<void(TskSkinData&)> Change;
  };
  const Case Cases[] = {
    { "presenter without layered windows", [](TskSkinData&) { EnableLayeredWindows(false); } },
    { "no picture", [](TskSkinData& M) { M.LayerFrame->PictureIndex = -1; } },
    // The picture is named but its mask is not: no alpha picture could be built.
    { "no alpha picture",
      [](TskSkinData& M) {
        M.LayerFrame->MaskPictureIndex = 99;
        M.LayerFrame->InitAlphaImages(&M);
      } },
  };
  const auto Saved = PlatformCapabilities();
  for (const Case& C : Cases) {
    Model.LayerFrame->PictureIndex = 0;
    AddLayerFrame(Model);
    C.Change(Model);
    TskFormLayerBorder* Border = ShowFramed();
    EXPECT_FALSE(Frame->UseLayeredBorder()) << C.What;
    Border->ShowWithForm();
    Border->SetActive(false, true);
    Border->CheckFormAlpha(100, true);
    Main->SetBounds(310, 210, 420, 320);
    Display->PumpUntilIdle();
    EXPECT_FALSE(Border->Visible()) << C.What;
    EXPECT_EQ(ShownBorderWindows(), 0) << C.What;
    Main->Hide();
    delete Frame;
    PlatformCapabilities() = Saved;
  }
}

}  // namespace

namespace {

TEST_F(LayerBorder, MoveAndSetBoundsPlaceTheOuterBoundsAndAMaximizedFormShowsNoBorder) {
  TskFormLayerBorder* Border = ShowFramed();
  ASSERT_TRUE(Border->Visible());
  // The border reaches 10 pixels out on the left, right and bottom and 20 above.
  Frame->Move(100, 50);
  EXPECT_EQ(Main->BoundsRect(), Bounds(110, 70, 400, 300));
  Frame->SetBounds(100, 50, 500, 400);
  EXPECT_EQ(Main->BoundsRect(), Bounds(110, 70, 480, 370));
  EXPECT_EQ(WindowBounds(skflTop), Bounds(90, 40, 520, 30)) << "the border follows the form";

  Display->SetWorkArea(Rect(0, 0, 1280, 760));
  Frame->SetWindowState(wsMaximized);
  Display->PumpUntilIdle();
  EXPECT_EQ(Main->BoundsRect(), Rect(0, 0, 1280, 760)) << "the form's own frame fills the work area";
  EXPECT_FALSE(Border->Visible());
  EXPECT_EQ(ShownBorderWindows(), 0);
  Frame->Move(20, 20);
  EXPECT_EQ(Main->BoundsRect(), Bounds(20, 20, 1280, 760)) << "no border: the form's own bounds";
  Frame->SetWindowState(wsNormal);
  Display->PumpUntilIdle();
  EXPECT_EQ(Main->BoundsRect(), Bounds(110, 70, 480, 370));
  EXPECT_TRUE(Border->Visible()) << "the border comes back with the normal state";
  EXPECT_EQ(WindowBounds(skflTop), Bounds(90, 40, 520, 30));
}

}  // namespace

namespace {

// A full border on the layer picture: the frame skin's caption and its close, maximize, minimize and
// system-menu buttons (20 x 20, 2 pixels apart) drawn in the top window's caption area (20, 0, 80, 30).
class FullBorder : public LayerBorder {
protected:
  void SetUp() override {
    LayerBorder::SetUp();
    AddFrameObjects(Model);
    Model.LayerFrame->FullBorder = true;
    for (auto& Record : Model.ObjectList) Record->InitAlphaImages(&Model);
    Main->SetCaption("Main");
  }

  /// The screen point at (X, Y) of the top window.
  TPoint OnTop(int X, int Y) const {
    const TRect R = WindowBounds(skflTop);
    return { R.Left + X, R.Top + Y };
  }
  /// The top window's colour at (X, Y) after the loop ran.
  TColor TopPixel(int X, int Y) {
    Display->PumpUntilIdle();
    const TPoint P = OnTop(X, Y);
    return Display->PixelAt(P.X, P.Y);
  }
  /// The middle of the frame button with Command in top-window coordinates.
  TPoint ButtonMiddle(TskStdCommand Command) const {
    for (auto& Object : Frame->ObjectList)
      if (auto* Std = dynamic_cast<TskSkinStdButtonObject*>(Object.get()); Std && Std->Command == Command) {
        const TRect& R = Std->ObjectRect;
        return { (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 };
      }
    ADD_FAILURE() << "no button " << int(Command);
    return {};
  }
};

TEST_F(FullBorder, TheTopWindowCarriesTheCaptionAndButtonsAndTheFormOnlyItsClientArea) {
  TskFormLayerBorder* Border = ShowFramed();
  ASSERT_TRUE(Frame->FullBorderShown());
  EXPECT_EQ(Main->ClientRect(), Rect(0, 0, 400, 300)) << "no frame of the form's own";
  EXPECT_EQ(Frame->GetMinHeight(), 10);
  const TPoint Inside { 310, 210 };
  EXPECT_EQ(SendMessage(Main->Handle(), WM_NCHITTEST, 0, LPARAM(Inside.Y) << 16 | Inside.X), HTCLIENT);
  Display->SaveScreenPng(testing::TempDir() + "layer-full-border.png");

  // The buttons from the caption area's right end leftwards, the system-menu button at its left, centred.
  EXPECT_EQ(ButtonMiddle(cmClose), (TPoint { 410, 10 }));
  EXPECT_EQ(ButtonMiddle(cmMaximize), (TPoint { 388, 10 }));
  EXPECT_EQ(ButtonMiddle(cmMinimize), (TPoint { 366, 10 }));
  EXPECT_EQ(ButtonMiddle(cmSysMenu), (TPoint { 30, 15 }));
  for (TskStdCommand Command : { cmClose, cmMaximize, cmMinimize, cmSysMenu })
    EXPECT_EQ(TopPixel(ButtonMiddle(Command).X, ButtonMiddle(Command).Y), ButtonNormal) << int(Command);
  EXPECT_EQ(TopPixel(200, 28), LayerTop) << "the picture around the caption's text";

  // Hovering a button gives its hot look; leaving the window takes it away.
  const TPoint Close = OnTop(ButtonMiddle(cmClose).X, ButtonMiddle(cmClose).Y);
  Display->MoveTo(Close.X, Close.Y);
  EXPECT_EQ(TopPixel(ButtonMiddle(cmClose).X, ButtonMiddle(cmClose).Y), ButtonHot);
  EXPECT_EQ(Border->ActiveObject, Frame->GetIndex("closebutton"));
  Display->MoveTo(600, 400);
  EXPECT_EQ(TopPixel(ButtonMiddle(cmClose).X, ButtonMiddle(cmClose).Y), ButtonNormal);
  EXPECT_EQ(Border->ActiveObject, -1);

  // Clicking the maximize button maximizes: the border fills the work area; clicking close closes.
  Display->SetWorkArea(Rect(0, 0, 1280, 760));
  const TPoint Max = OnTop(ButtonMiddle(cmMaximize).X, ButtonMiddle(cmMaximize).Y);
  Display->MoveTo(Max.X, Max.Y);
  Display->Click(Max.X, Max.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Frame->WindowState(), wsMaximized);
  EXPECT_EQ(Main->BoundsRect(), Rect(10, 20, 1270, 750));
  EXPECT_TRUE(Border->Visible()) << "a full border stays with the maximized form";
  bool Closed = false;
  Main->OnClose = [&](TObject*, TCloseAction& Action) {
    Closed = true;
    Action = caNone;
  };
  const TPoint CloseNow = OnTop(ButtonMiddle(cmClose).X, ButtonMiddle(cmClose).Y);
  Display->MoveTo(CloseNow.X, CloseNow.Y);
  Display->Click(CloseNow.X, CloseNow.Y);
  Display->PumpUntilIdle();
  EXPECT_TRUE(Closed);
}

}  // namespace

namespace {

TEST_F(FullBorder, TheCaptionDragsTheFormSnapsItsOuterEdgeAndADoubleClickMaximizesAndRestores) {
  ShowFramed();
  Display->SetWorkArea(Rect(0, 0, 1280, 760));
  // Magnetic, away from other edges the form follows the pointer: its own border is no magnet.
  Frame->SetMagnetic(true);
  Frame->SetMagneticSize(25);
  const TPoint Caption = OnTop(200, 15);
  Display->ButtonDown(Caption.X, Caption.Y);
  for (int Step = 1; Step <= 5; ++Step) Display->MoveTo(Caption.X + 10 * Step, Caption.Y + 6 * Step);
  Display->ButtonUp(Caption.X + 50, Caption.Y + 30);
  Display->PumpUntilIdle();
  EXPECT_EQ(Main->BoundsRect(), Bounds(350, 230, 400, 300));
  EXPECT_EQ(WindowBounds(skflTop).TopLeft(), (TPoint { 330, 200 })) << "the border follows";

  // The border's outer edge (10 pixels left of the form) snaps to the work area's left edge from 25 away.
  const TPoint From = OnTop(200, 15);
  Display->ButtonDown(From.X, From.Y);
  for (int X = From.X - 100; X >= From.X - 319; X -= 73) Display->MoveTo(X, From.Y);
  Display->ButtonUp(From.X - 319, From.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(Main->Left(), 10) << "outer left edge on the work area's edge";

  for (const TWindowState Expected : { wsMaximized, wsNormal }) {
    const TPoint Again = OnTop(200, 15);
    Display->Advance(1000);
    Display->MoveTo(Again.X, Again.Y);
    Display->Click(Again.X, Again.Y);
    Display->Click(Again.X, Again.Y);
    Display->PumpUntilIdle();
    EXPECT_EQ(Frame->WindowState(), Expected);
  }
  EXPECT_EQ(Main->Width(), 400);
}

TEST_F(FullBorder, ARightClickOnTheCaptionOpensTheSystemMenuAndADoubleClickOnItsButtonCloses) {
  ShowFramed();
  const TPoint Caption = OnTop(200, 15);
  Display->MoveTo(Caption.X, Caption.Y);
  Display->Click(Caption.X, Caption.Y, PointerButton::Right);
  Display->PumpUntilIdle();
  EXPECT_TRUE(Frame->SkinMenu->Visible());
  Frame->SkinMenu->Hide();
  Display->PumpUntilIdle();

  bool Closed = false;
  Main->OnClose = [&](TObject*, TCloseAction& Action) {
    Closed = true;
    Action = caNone;
  };
  const TPoint SysMenu = OnTop(ButtonMiddle(cmSysMenu).X, ButtonMiddle(cmSysMenu).Y);
  Display->MoveTo(SysMenu.X, SysMenu.Y);
  Display->Click(SysMenu.X, SysMenu.Y);
  Display->Click(SysMenu.X, SysMenu.Y);
  Display->PumpUntilIdle();
  EXPECT_TRUE(Closed);
}

}  // namespace

namespace {

// Quick buttons on a full border: a 4 x 20 divider and two 16 x 16 glyphs at the caption's left (the
// caption starts at x 42, right of the system-menu button), the second dropping a menu down; hot and
// pressed faces from the "officequickbutton" record, opaque or with the alpha of the skin's mask picture.
TEST_F(FullBorder, QuickButtonsAndTheirDividerShowInTheTopWindowAndAnswerThePointerThere) {
  constexpr TColor Divider = RGB(20, 20, 20), Glyph = RGB(0, 128, 255), Hot = RGB(0, 200, 0), Down = RGB(200, 0, 200);
  auto AddPicture = [this](int Width, int Height, std::initializer_list<std::pair<TRect, TColor>> Zones) {
    auto Picture = std::make_unique<TBitmap>();
    Picture->SetPixelFormat(pf24bit);
    Picture->SetSize(Width, Height);
    for (const auto& [R, Colour] : Zones) Fill(Picture.get(), R, Colour);
    Model.FActivePictures.push_back(std::move(Picture));
    return int(Model.FActivePictures.size()) - 1;
  };
  auto& CaptionRecord = dynamic_cast<TskDataSkinCaption&>(*Model.ObjectList.back());
  CaptionRecord.ActivePictureIndex = AddPicture(4, 20, { { Rect(0, 0, 4, 20), Divider } });
  CaptionRecord.DividerRect = Rect(0, 0, 4, 20);
  CaptionRecord.QuickButtonAlphaMaskPictureIndex = -1;
  std::unique_ptr<TskDataSkinControl> Record = CreateSkinControl("button", "officequickbutton");
  TMemIniFile NoKeys;
  Record->LoadFromFile(&NoKeys);
  auto& Faces = dynamic_cast<TskDataSkinButtonControl&>(*Record);
  Faces.PictureIndex = AddPicture(40, 20, { { Rect(0, 0, 20, 20), Hot }, { Rect(20, 0, 40, 20), Down } });
  SetNinePart(Faces, Rect(0, 0, 20, 20), 3, Rect(3, 3, 17, 17));
  Faces.ActiveSkinRect = Rect(0, 0, 20, 20);
  Faces.DownSkinRect = Rect(20, 0, 40, 20);
  Model.CtrlList.push_back(std::move(Record));
  const int HalfMask = AddPicture(20, 20, { { Rect(0, 0, 20, 20), RGB(128, 128, 128) } });
  auto* Images = new TCustomImageList(Main, 16, 16);
  TBitmap GlyphPicture;
  GlyphPicture.SetSize(16, 16);
  Fill(&GlyphPicture, Rect(0, 0, 16, 16), Glyph);
  Images->AddMasked(&GlyphPicture, clNone);

  ShowFramed();
  Frame->SetQuickImageList(Images);
  std::vector<TObject*> Clicks;
  TskQuickButtonItem* First = Frame->QuickButtons()->Add();
  First->SetImageIndex(0);
  First->OnClick = [&Clicks](TObject* Sender) { Clicks.push_back(Sender); };
  TskQuickButtonItem* Second = Frame->QuickButtons()->Add();
  Second->SetImageIndex(0);
  auto* Menu = new TskSkinPopupMenu(Main);
  auto* Open = new TMenuItem(Menu);
  Open->SetCaption("Open");
  Menu->Items()->Add(Open);
  Second->PopupMenu = Menu;
  Display->PumpUntilIdle();
  auto* Caption = dynamic_cast<TskSkinCaptionObject*>(Frame->ObjectList[size_t(Frame->GetIndex("caption"))].get());
  ASSERT_NE(Caption, nullptr);

  EXPECT_EQ(First->ItemRect, Rect(52, 5, 72, 25)) << "6 pixels after the divider's left edge beyond its width";
  EXPECT_EQ(Second->ItemRect, Rect(76, 5, 96, 25));
  EXPECT_EQ(TopPixel(46, 15), Divider) << "3 pixels into the caption, centred";
  EXPECT_EQ(TopPixel(62, 15), Glyph);
  EXPECT_EQ(TopPixel(53, 6), LayerTop) << "no face while not hovered";

  // Hovered: the hot face under the glyph; pressed: the pressed face, and the form does not move.
  const TPoint Button = OnTop(53, 6);
  Display->MoveTo(Button.X, Button.Y);
  EXPECT_EQ(TopPixel(53, 6), Hot);
  EXPECT_EQ(TopPixel(62, 15), Glyph);
  Display->ButtonDown(Button.X, Button.Y);
  EXPECT_EQ(TopPixel(53, 6), Down);
  Display->MoveTo(Button.X + 3, Button.Y + 2);
  Display->ButtonUp(Button.X + 3, Button.Y + 2);
  Display->PumpUntilIdle();
  ASSERT_EQ(Clicks.size(), 1u);
  EXPECT_EQ(Clicks[0], Caption) << "the caption object is the sender";
  EXPECT_EQ(Main->BoundsRect(), Bounds(300, 200, 400, 300));

  // The second drops its menu down below it on the screen and stays pressed until the menu closes.
  const TPoint MenuButton = OnTop(86, 15);
  Display->MoveTo(MenuButton.X, MenuButton.Y);
  Display->ButtonDown(MenuButton.X, MenuButton.Y);
  ASSERT_TRUE(Frame->SkinMenu->Visible());
  const TRect Dropped = Frame->SkinMenu->PopupList().at(0)->BoundsRect();
  EXPECT_EQ(Dropped.TopLeft(), OnTop(76, 25));
  Display->ButtonUp(MenuButton.X, MenuButton.Y);
  EXPECT_TRUE(Second->Down);
  Frame->SkinMenu->Hide();
  Display->PumpUntilIdle();
  EXPECT_FALSE(Second->Down);
  EXPECT_EQ(Caption->PopupMenuQuickButton, -1);

  // With the skin's mask picture the hot face is blended over the picture at the mask's half alpha.
  Caption->QuickButtonAlphaMaskPictureIndex = HalfMask;
  Display->MoveTo(Button.X, Button.Y);
  Frame->UpDateFormNC();
  const TColor Blended = TopPixel(53, 6);
  EXPECT_NEAR(GetRValue(Blended), 250 * 127 / 255, 2) << std::hex << Blended;
  EXPECT_NEAR(GetGValue(Blended), 100 + 120 * 127 / 255, 2) << std::hex << Blended;
  EXPECT_EQ(GetBValue(Blended), 0);
}

// An animated object is no part of the full border's picture: its hover glow and the menu it drops down
// keep to the form's own place on the screen, not to the border's top window.
TEST_F(FullBorder, AnAnimatedObjectsGlowAndMenuKeepToTheFormsOwnPlace) {
  auto Record = CreateSkinObject("animate", "spinner");
  auto& Spinner = dynamic_cast<TskDataSkinAnimate&>(*Record);
  Spinner.Command = cmDefault;
  Spinner.ButtonStyle = true;
  Spinner.CountFrames = 2;
  Spinner.SkinRect = Rect(120, 4, 140, 24);
  Spinner.GlowLayerPictureIndex = Spinner.GlowLayerMaskPictureIndex = Model.LayerFrame->PictureIndex;
  Spinner.GlowLayerOffsetX = 3;
  Spinner.GlowLayerOffsetY = 4;
  Model.ObjectList.push_back(std::move(Record));
  ShowFramed();
  ASSERT_TRUE(Frame->FullBorderShown());
  ASSERT_NE(WindowBounds(skflTop).TopLeft(), Main->BoundsRect().TopLeft());
  auto* Object = dynamic_cast<TskSkinAnimateObject*>(Frame->ObjectList[size_t(Frame->GetIndex("spinner"))].get());
  ASSERT_NE(Object, nullptr);
  const TRect OnForm = Object->ObjectRect.Offset(Main->Left(), Main->Top());
  auto GlowPlace = [] {
    for (const Window* W : WindowSystem::Get().TopLevelWindows())
      if (IsWindowVisible(W->Handle) && GetClassName(W->Handle) == "TskLayerWindow") return W->Rect.TopLeft();
    return TPoint { -1, -1 };
  };

  Object->MouseEnter();
  Display->PumpUntilIdle();
  EXPECT_EQ(GlowPlace(), (TPoint { OnForm.Left - 3, OnForm.Top - 4 })) << "the hover glow";
  Object->MouseLeave();

  auto* Menu = new TMenuItem(Main);
  auto* Item = new TMenuItem(Main);
  Item->SetCaption("Item");
  Menu->Add(Item);
  Object->MenuItem = Menu;
  Object->MouseEnter();
  Object->MouseDown(2, 2, mbLeft);
  Object->MouseUp(2, 2, mbLeft);
  Display->PumpUntilIdle();
  ASSERT_TRUE(Frame->SkinMenu->Visible());
  EXPECT_EQ(Frame->SkinMenu->PopupList().at(0)->BoundsRect().TopLeft(), (TPoint { OnForm.Left, OnForm.Bottom }));
  EXPECT_TRUE(Frame->MenuLayerManager()->IsVisible);
  EXPECT_EQ(GlowPlace(), (TPoint { OnForm.Left - 3, OnForm.Top - 4 })) << "the glow while its menu shows";
  Frame->SkinMenu->Hide();
  Display->PumpUntilIdle();
}

TEST_F(FullBorder, RolledUpOrMinimizedTheFormKeepsOnlyTheCaptionTheBorderGivesIt) {
  Model.LayerFrame->RollUpFormHeight = 4;
  ShowFramed();
  Frame->SetRollUpState(true);
  Display->PumpUntilIdle();
  EXPECT_EQ(Main->Height(), 10);
  EXPECT_EQ(WindowBounds(skflTop), Bounds(280, 170, 440, 30));
  EXPECT_EQ(WindowBounds(skflBottom), Bounds(280, 204, 440, 20)) << "the bottom band below the form's 4 rows";
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Main->Handle(), Region), RGN_ERROR);
  TRect Box;
  GetRgnBox(Region, &Box);
  DeleteObject(Region);
  EXPECT_EQ(Box, Rect(0, 0, 400, 4)) << "the form shows the border's roll-up height";
  Frame->SetRollUpState(false);
  EXPECT_EQ(Main->Height(), 300);

  // A secondary form minimized by the frame: its border's outer bottom edge on the work area's bottom.
  Display->SetWorkArea(Rect(0, 0, 1280, 760));
  TForm* Other = NewForm(Bounds(100, 100, 300, 200));
  Other->SetBorderStyle(bsSizeable);
  TskSkinForm* OtherFrame = Attach(Other, &Model);
  Other->Show();
  Display->PumpUntilIdle();
  OtherFrame->SetWindowState(wsMinimized);
  Display->PumpUntilIdle();
  EXPECT_EQ(Other->BoundsRect(), Bounds(10, 746, 200, 10));
  const TskFormLayerBorder* OtherBorder = OtherFrame->BorderLayer();
  EXPECT_EQ(Other->Top() + 4 + OtherBorder->BottomSize, 760);
  EXPECT_EQ(OtherBorder->Window(skflBottom)->BoundsRect(), Bounds(-10, 750, 240, 20));
}

TEST_F(FullBorder, TheOuterBoundsStayWhenTheBorderOrTheSkinChanges) {
  ShowFramed();
  const TRect Outer = Rect(290, 180, 710, 510);
  struct Case {
    const char* What;
    std::function<void()> Off, On;
  };
  const Case Cases[] = {
    { "ShowLayeredBorders", [this] { Model.SetShowLayeredBorders(false); },
      [this] { Model.SetShowLayeredBorders(true); } },
    { "a skin without the layer frame",
      [this] {
        Model.SendSkinDataMessage(WM_BEFORECHANGESKINDATA);
        Model.LayerFrame->PictureIndex = -1;
        Model.SendSkinDataMessage(WM_CHANGESKINDATA);
      },
      [this] {
        Model.SendSkinDataMessage(WM_BEFORECHANGESKINDATA);
        Model.LayerFrame->PictureIndex = 0;
        Model.SendSkinDataMessage(WM_CHANGESKINDATA);
      } },
  };
  for (const Case& C : Cases) {
    C.Off();
    Display->PumpUntilIdle();
    EXPECT_FALSE(Frame->BorderLayer()->Visible()) << C.What;
    EXPECT_EQ(Main->BoundsRect(), Outer) << C.What << ": the form takes the border's place";
    C.On();
    Display->PumpUntilIdle();
    EXPECT_TRUE(Frame->FullBorderShown()) << C.What;
    EXPECT_EQ(Main->BoundsRect(), Bounds(300, 200, 400, 300)) << C.What << ": the border around the same place";
    // Setting a skin again, without a change of border, moves nothing.
    Frame->SetSkinData(&Model);
    EXPECT_EQ(Main->BoundsRect(), Bounds(300, 200, 400, 300)) << C.What;
  }
}

/// Records the constant alpha of each layered picture given to a window.
class LayerUploads {
public:
  LayerUploads() : FSaved(PlatformCapabilities().UpdateLayeredWindow) {
    PlatformCapabilities().UpdateLayeredWindow = [this](HWND Wnd, HDC Dest, const TPoint* Pos, const TSize* Size,
                                                        HDC Src, const TPoint* SrcPos, TColor Key,
                                                        const BLENDFUNCTION* Blend, Cardinal Flags) {
      if (Blend) Alphas[Wnd].push_back(Blend->SourceConstantAlpha);
      return FSaved(Wnd, Dest, Pos, Size, Src, SrcPos, Key, Blend, Flags);
    };
  }
  ~LayerUploads() { PlatformCapabilities().UpdateLayeredWindow = FSaved; }
  /// The alphas Wnd was given, repeats in a row left out.
  std::vector<int> Steps(HWND Wnd) {
    std::vector<int> Result;
    for (int Alpha : Alphas[Wnd])
      if (Result.empty() || Result.back() != Alpha) Result.push_back(Alpha);
    return Result;
  }
  std::map<HWND, std::vector<int>> Alphas;

private:
  decltype(TPlatformCapabilities::UpdateLayeredWindow) FSaved;
};

TEST_F(LayerBorder, TheBorderFadesInWithTheFormOrAfterAShowEffect) {
  std::vector<int> Expected { 0 };
  for (int Alpha = 17; Alpha <= 255; Alpha += 17) Expected.push_back(Alpha);
  {
    LayerUploads Uploads;
    Frame = Attach(Main, &Model);
    Frame->SetAlphaBlendAnimation(true);
    Main->Show();
    Display->Advance(1);
    Display->PumpUntilIdle();
    EXPECT_EQ(Uploads.Steps(Frame->BorderLayer()->Window(skflTop)->Handle()), Expected);
    EXPECT_EQ(Display->PixelAt(500, 180), LayerTop);
  }
  Main->Hide();
  delete Frame;
  // A show effect holds the border back until it is done; then the border fades in alone.
  LayerUploads Uploads;
  Frame = Attach(Main, &Model);
  SendMessage(Main->Handle(), WM_SMARTEFFECTSSHOW, 0, 0);
  Main->Show();
  Display->PumpUntilIdle();
  EXPECT_FALSE(Frame->BorderLayer()->Visible());
  SendMessage(Main->Handle(), WM_SMARTEFFECTSDONE, 0, 0);
  ASSERT_TRUE(Frame->BorderLayer()->Visible());
  EXPECT_EQ(Uploads.Steps(Frame->BorderLayer()->Window(skflTop)->Handle()), Expected);
}

/// Upper lies above Lower in the z-order of the top-level windows.
bool Above(HWND Upper, HWND Lower) {
  for (HWND W = GetTopWindow(0); W; W = GetWindow(W, GW_HWNDNEXT)) {
    if (W == Upper) return true;
    if (W == Lower) return false;
  }
  return false;
}

// Back from the tray, the main form comes forward and the stay-on-top forms after it, the last one active;
// without a border in use the frame only takes the tray's mark away.
TEST_F(LayerBorder, BackFromTheTrayTheMainFormAndThenTheStayOnTopFormsComeForward) {
  for (const bool Bordered : { true, false }) {
    SCOPED_TRACE(Bordered ? "with a border" : "without");
    if (!Bordered) Model.LayerFrame->PictureIndex = -1;
    ShowFramed();
    TForm* Other = NewForm(Bounds(350, 250, 200, 150));
    TForm* Topmost = NewForm(Bounds(900, 100, 150, 100));
    Topmost->SetFormStyle(fsStayOnTop);
    Topmost->Show();
    Other->Show();
    Display->PumpUntilIdle();
    ASSERT_TRUE(Above(Other->Handle(), Main->Handle()));
    const HWND Before = GetForegroundWindow();
    Main->SetTag(TrayRestoreTag);
    SendMessage(Main->Handle(), WM_SHOWFROMTRAY, 0, 0);
    Display->PumpUntilIdle();
    EXPECT_EQ(Main->Tag(), 0);
    EXPECT_EQ(Above(Main->Handle(), Other->Handle()), Bordered);
    EXPECT_EQ(GetForegroundWindow(), Bordered ? Topmost->Handle() : Before);
    if (Bordered) EXPECT_TRUE(Above(Frame->BorderLayer()->Window(skflTop)->Handle(), Other->Handle()));
    delete Other;
    delete Topmost;
    delete Frame;
    Main->Hide();
  }
}

// The main form restored by its own restore command fires the frame's OnRestore once, its own procedure
// sees the command once, and its border shows with it, above it.
TEST_F(LayerBorder, TheRestoreCommandOfTheMainFormShowsItsBorderWithIt) {
  // Outlives the test: the form's procedure keeps hearing messages until the form is gone.
  static int Seen = 0;
  const TWndMethod Own = Main->WindowProc();
  Main->SetWindowProc([Own](TMessage& Message) {
    if (Message.Msg == WM_SYSCOMMAND && (Message.WParam & 0xFFF0) == SC_RESTORE) ++Seen;
    Own(Message);
  });
  ShowFramed();
  int Restores = 0;
  Frame->OnRestore = [&](TObject*) { ++Restores; };
  ShowWindow(Main->Handle(), SW_SHOWMINNOACTIVE);
  Display->PumpUntilIdle();
  ASSERT_FALSE(Frame->BorderLayer()->Visible());
  SendMessage(Main->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Display->PumpUntilIdle();
  EXPECT_FALSE(IsIconic(Main->Handle()));
  EXPECT_EQ(Restores, 1);
  EXPECT_EQ(Seen, 1);
  ASSERT_TRUE(Frame->BorderLayer()->Visible());
  for (TskFormLayerBorderType Side : { skflLeft, skflTop, skflRight, skflBottom })
    EXPECT_TRUE(Above(Frame->BorderLayer()->Window(Side)->Handle(), Main->Handle())) << int(Side);
  EXPECT_EQ(WindowBounds(skflTop), Bounds(280, 170, 440, 30));
}

TEST_F(LayerBorder, TheMainFormsFrameRestacksTheFormsWhenTheApplicationIsRestored) {
  ShowFramed();
  TForm* Other = NewForm(Bounds(350, 250, 200, 150));
  Other->Show();
  Display->PumpUntilIdle();
  // Restored, the main form and its border come back above the other form, which shows again first.
  ASSERT_TRUE(Above(Other->Handle(), Main->Handle()));
  App->Minimize();
  App->Restore();
  Display->PumpUntilIdle();
  EXPECT_TRUE(Above(Main->Handle(), Other->Handle()));
  EXPECT_TRUE(Above(Frame->BorderLayer()->Window(skflTop)->Handle(), Other->Handle()));

  delete Frame;
  EXPECT_FALSE(App->OnRestore) << "the frame gives the application's restore back when it goes";
  int Theirs = 0;
  App->OnRestore = [&](TObject*) { ++Theirs; };
  Frame = Attach(Main, &Model);
  Main->Hide();
  Main->Show();
  App->Minimize();
  App->Restore();
  EXPECT_EQ(Theirs, 1) << "an application's own handler stays";
}

}  // namespace
