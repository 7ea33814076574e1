// A skinned form on the SDL2 presenter and a real X server: the screen shows the skin's frame, and a drag
// on the caption moves the window through the window system's own move loop. Skipped without DISPLAY.
#include <cstdlib>
#include <string>

#include "platform/ui/toolkit/TForm.h"
#include "tests/platform/display/SdlAppFixture.h"
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

}  // namespace
