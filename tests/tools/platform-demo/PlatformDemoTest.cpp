// The platform demo on a real X server through the SDL2 presenter: the screen shows the label's text
// and the picture the custom control paints. Skipped without DISPLAY.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>

#include "platform/base/Clock.h"
#include "platform/display/SdlPresenter.h"
#include "platform/gdi/PixelOps.h"
#include "platform/ui/winsys/InputLayer.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TLabel.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "tests/platform/display/SdlAppFixture.h"
#include "tests/platform/display/XScreenshot.h"
#include "tools/platform-demo/TDemoForm.h"
#include "tools/platform-demo/TDemoPicture.h"

namespace {

class PlatformDemoDisplay : public SdlAppFixture {};

TEST_F(PlatformDemoDisplay, TheScreenShowsTheLabelsTextAndTheCustomPainting) {
  TDemoForm* Form = nullptr;
  App->CreateForm(Form);
  Form->Show();
  ProcessPendingMessages();

  const TRect Text = Bounds(Form->Title->ClientOrigin().X, Form->Title->ClientOrigin().Y, Form->Title->Width(),
                            Form->Title->Height());
  const TPoint Picture = Form->Picture->ClientOrigin();
  const int PW = Form->Picture->Width(), PH = Form->Picture->Height();
  const TRect Whole = Bounds(Form->Left(), Form->Top(), Form->Width(), Form->Height());

  XScreenshot Shot;
  const auto Shows = [&](int X, int Y, TColor Color) { return Shot.At(X, Y) == Color; };
  int TextPixels = 0;
  const bool Shown = RunUntil([&] {
    if (!Shot.Take(Whole)) return false;
    TextPixels = 0;
    const TColor Ink = ColorToRGB(Form->Title->Font()->Color());
    for (int Y = Text.Top; Y < Text.Bottom; ++Y)
      for (int X = Text.Left; X < Text.Right; ++X) TextPixels += Shows(X, Y, Ink);
    return TextPixels > 50 && Shows(Picture.X + 5, Picture.Y + 5, TDemoPicture::BandColors[0]) &&
           Shows(Picture.X + PW - 5, Picture.Y + 5, TDemoPicture::BandColors[2]) &&
           Shows(Picture.X + PW / 2, Picture.Y + PH / 2, TDemoPicture::DiscColor);
  });
  EXPECT_TRUE(Shown) << TextPixels << " text pixels; picture corner "
                     << Shot.At(Picture.X + 5, Picture.Y + 5) << ", centre "
                     << Shot.At(Picture.X + PW / 2, Picture.Y + PH / 2);
  EXPECT_GT(Form->Title->Width(), 150) << "the label sized itself to its text";
}

}  // namespace
