// A skinned form on the SDL2 presenter and a real X server: the screen shows the skin's frame, a drag on
// the caption moves the window through the window system's own move loop, the frame's minimize,
// maximize and restore reach the native window, and under a compositing manager the layered border's
// half-transparent pixels blend with what lies beneath. Skipped without DISPLAY.
#include <cstdlib>
#include <string>

#include "platform/display/X11Native.h"
#include "platform/gdi/Capabilities.h"
#include "platform/gdi/TPngImage.h"
#include "platform/ui/toolkit/TForm.h"
#include "skin/form/TskFormLayerBorder.h"
#include "tests/platform/display/SdlAppFixture.h"
#include "tests/platform/display/XRunningCompositor.h"
#include "tests/platform/display/XScreenshot.h"
#include "tests/skin/form/FormFrameFixture.h"
#include "tests/skin/support/EmbeddedSkinModels.h"

namespace {

using FrameDisplay = SdlAppFixture;

TEST_F(FrameDisplay, TheScreenShowsTheSkinnedFrameAndACaptionDragMovesTheWindow) {
  auto Skin = LoadEmbeddedSkin(ProductSkinContainer());
  auto* Form = new TForm(App.get());
  Form->SetBorderStyle(bsSingle);
  Form->SetBounds(200, 150, 400, 200);
  Form->SetCaption("视频格式转换");
  auto* Frame = new TskSkinForm(Form);
  Frame->SetSkinData(Skin.get());
  Form->Show();
  // The caption band above the buttons, and the bottom border, as the frame picture has them.
  TBitmap* Picture = Skin->FPicture.get();
  const TColor Caption = ColorToRGB(Picture->Canvas()->Pixels(Picture->Width() / 2, 2));
  const TColor Border = ColorToRGB(Picture->Canvas()->Pixels(Picture->Width() / 2, Picture->Height() - 1));
  XScreenshot Shot;
  auto Shows = [&](TPoint P, TColor Color) {
    return RunUntil([&] { return Shot.Take(Rect(P.X, P.Y, P.X + 1, P.Y + 1)) && Shot.At(P.X, P.Y) == Color; });
  };
  EXPECT_TRUE(Shows({ 400, 152 }, Caption)) << "the caption band";
  EXPECT_TRUE(Shows({ 400, 349 }, Border)) << "the bottom border";

  const std::string Drag = "xdotool mousemove --sync 300 165 mousedown 1 mousemove --sync 330 185 "
                           "mousemove --sync 360 205 mouseup 1";
  ASSERT_EQ(std::system(Drag.c_str()), 0);
  EXPECT_TRUE(RunUntil([&] { return Form->Left() == 260 && Form->Top() == 190; }))
      << "at " << Form->Left() << ", " << Form->Top();
  EXPECT_TRUE(Shows({ 460, 192 }, Caption)) << "the frame is drawn at the new place";
}

TEST_F(FrameDisplay, MinimizeAndRestoreTakeTheWindowOffTheScreenAndBringItBackMaximizeFillsTheUsableArea) {
  auto Skin = LoadEmbeddedSkin(ProductSkinContainer());
  TForm* Form = nullptr;
  App->CreateForm(Form);
  Form->SetBorderStyle(bsSingle);
  Form->SetBounds(200, 150, 400, 200);
  auto* Frame = new TskSkinForm(Form);
  Frame->SetSkinData(Skin.get());
  Form->Show();
  TBitmap* Picture = Skin->FPicture.get();
  const TColor Caption = ColorToRGB(Picture->Canvas()->Pixels(Picture->Width() / 2, 2));
  XScreenshot Shot;
  auto Shows = [&](TPoint P, TColor Color) {
    return RunUntil([&] { return Shot.Take(Rect(P.X, P.Y, P.X + 1, P.Y + 1)) && Shot.At(P.X, P.Y) == Color; });
  };
  auto Native = [&] { return X11Native::Of(Presenter->NativeWindow(Form->Handle())); };
  ASSERT_TRUE(Shows({ 400, 152 }, Caption));

  Frame->SetWindowState(wsMinimized);
  EXPECT_TRUE(IsIconic(Form->Handle())) << "the main form minimizes the program";
  EXPECT_TRUE(RunUntil([&] {
    return Shot.Take(Rect(400, 152, 401, 153)) && Shot.At(400, 152) != Caption;
  })) << "the window left the screen";
  Frame->SetWindowState(wsNormal);
  EXPECT_TRUE(Shows({ 400, 152 }, Caption)) << "its pixels are back";
  EXPECT_EQ(Form->BoundsRect(), Bounds(200, 150, 400, 200));

  Frame->SetWindowState(wsMaximized);
  TRect Usable = PlatformCapabilities().Monitors.front().WorkArea;
  if (Usable == PlatformCapabilities().Monitors.front().Bounds)
    Usable = Rect(Usable.Left + 1, Usable.Top + 1, Usable.Right - 1, Usable.Bottom - 1);
  EXPECT_TRUE(RunUntil([&] { return Native() && Native()->Geometry() == Usable; })) << "the native window fills it";
  EXPECT_TRUE(Shows({ Usable.Left + Usable.Width() / 2, Usable.Top + 2 }, Caption));
  Frame->SetWindowState(wsNormal);
  EXPECT_TRUE(RunUntil([&] { return Native() && Native()->Geometry() == Bounds(200, 150, 400, 200); }));
  EXPECT_TRUE(Shows({ 400, 152 }, Caption));
}

// The layer picture's left corner is RGB(0, 120, 250) at alpha 128 in its outer 5 columns: over a red
// window the screen shows it premultiplied once, (0, 60, 125) plus half the red beneath.
TEST_F(FrameDisplay, UnderACompositingManagerTheLayeredBorderBlendsItsHalfTransparentPixels) {
  XRunningCompositor Manager;
  if (!Manager.Started()) GTEST_SKIP() << "no compositing manager installed";
  ASSERT_TRUE(RunUntil([] { return PlatformCapabilities().LayeredWindowsAvailable(); }));
  TskSkinData Model { nullptr };
  BuildFrameSkin(Model);
  AddLayerFrame(Model);
  auto* Beneath = new TForm(App.get());
  Beneath->SetBorderStyle(bsNone);
  Beneath->SetColor(clRed);
  Beneath->SetBounds(240, 140, 520, 400);
  Beneath->Show();
  auto* Form = new TForm(App.get());
  Form->SetBorderStyle(bsSizeable);
  Form->SetBounds(300, 200, 400, 300);
  Form->SetCaption("分层边框");
  auto* Frame = new TskSkinForm(Form);
  Frame->SetSkinData(&Model);
  Form->Show();
  ASSERT_TRUE(RunUntil([&] { return Frame->BorderLayer()->Visible(); }));
  XScreenshot Shot;
  const struct {
    TPoint At;
    TColor Shown;
    const char* What;
  } Cases[] = {
    { { 282, 185 }, RGB(127, 60, 125), "the corner's half-transparent column over red" },
    { { 290, 185 }, LayerLeftCorner, "the corner's opaque part" },
  };
  for (const auto& Case : Cases) {
    TColor Seen = clNone;
    EXPECT_TRUE(RunUntil([&] { return Shot.NearFrom(Manager.Overlay(), Case.At, Case.Shown, 2, Seen); }))
        << Case.What << ": " << std::hex << Seen;
  }
  // The screen around the form, for a look.
  const TRect Around = Bounds(240, 140, 520, 400);
  if (!Shot.TakeFrom(Manager.Overlay(), Around)) return;
  TBitmap Picture;
  Picture.SetPixelFormat(pf24bit);
  Picture.SetSize(Around.Width(), Around.Height());
  for (int Y = 0; Y < Around.Height(); ++Y)
    for (int X = 0; X < Around.Width(); ++X)
      Picture.Canvas()->SetPixels(X, Y, Shot.At(Around.Left + X, Around.Top + Y));
  TPngImage Png;
  Png.Assign(&Picture);
  Png.SaveToFile(testing::TempDir() + "layer-border-compositor.png");
}

}  // namespace
