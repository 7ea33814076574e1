// The main window on a real X server through the SDL2 presenter plays a clip in its preview group: a click
// of the X server on the play button starts it, and two pictures of the screen half a second apart differ
// in the preview panel and nowhere outside the preview group. Skipped without DISPLAY.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>

#include "app/forms/TForm1.h"
#include "engine/player/FFPlay.h"
#include "platform/base/Clock.h"
#include "platform/base/FileUtils.h"
#include "platform/display/SdlPresenter.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TPngImage.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TMemo.h"
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/winsys/InputLayer.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "tests/app/support/TFakeFFConverter.h"
#include "tests/engine/fixtures/MediaFixtures.h"
#include "tests/platform/display/XScreenshot.h"

namespace {

namespace fs = std::filesystem;

/// Runs the loop on native events and the player's hand-overs until ADone holds or AMilliseconds of real
/// time passed.
bool RunUntil(const std::function<bool()>& ADone, int AMilliseconds = 5000) {
  const auto Limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(AMilliseconds);
  while (!ADone()) {
    if (std::chrono::steady_clock::now() > Limit) return false;
    WindowSystem::Get().WaitForEvents(CurrentClock().Now() + 10);
    ProcessPendingMessages();
  }
  return true;
}

void RunFor(int AMilliseconds) { RunUntil([] { return false; }, AMilliseconds); }

TRect ScreenRect(TControl* AControl) {
  const TPoint TopLeft = AControl->ClientToScreen({ 0, 0 });
  return { TopLeft.X, TopLeft.Y, TopLeft.X + AControl->Width(), TopLeft.Y + AControl->Height() };
}

void SavePicture(const XScreenshot& AShot, const TRect& R, const String& AFileName) {
  TBitmap Image;
  Image.SetPixelFormat(pf24bit);
  Image.SetSize(R.Width(), R.Height());
  for (int Y = 0; Y < R.Height(); ++Y)
    for (int X = 0; X < R.Width(); ++X) Image.Canvas()->SetPixels(X, Y, AShot.At(R.Left + X, R.Top + Y));
  TPngImage Png;
  Png.Assign(&Image);
  Png.SaveToFile(AFileName);
}

class TForm1PreviewDisplay : public testing::Test {
protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X server";
    // The screen is what is tested; a machine without a sound device plays through the silent one.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    char Pattern[] = "/tmp/zorvik-preview.XXXXXX";
    ASSERT_NE(mkdtemp(Pattern), nullptr);
    Root = Pattern;
    fs::create_directories(Root + "/home");
    SavedHome = GetEnvironmentVariable("HOME");
    setenv("HOME", (Root + "/home").c_str(), 1);
    OverrideExePath(Root);
    WindowSystem::Get().Reset();
    Presenter = std::make_unique<SdlPresenter>();
    InputLayer::Get().Reset();
    App = std::make_unique<TApplication>(nullptr);
    Services.Converter = &Engine;
    // The window's logger is the process's one: it is made before anything logs.
    App->CreateForm(Form1, Services);
    Form1->Show();
    MediaFixtures();
  }
  void TearDown() override {
    if (Root.empty()) return;
    App.reset();
    Form1 = nullptr;
    WindowSystem::Get().Reset();
    Presenter.reset();
    OverrideExePath("");
    setenv("HOME", SavedHome.c_str(), 1);
    fs::remove_all(Root);
  }

  bool Logged(const String& ALine) const {
    for (int I = 0; I < Form1->mmoLog->Lines()->Count(); ++I)
      if (Form1->mmoLog->Lines()->Strings(I) == ALine) return true;
    return false;
  }

  String Root, SavedHome;
  TFakeFFConverter Engine;
  TConverterServices Services;
  std::unique_ptr<SdlPresenter> Presenter;
  std::unique_ptr<TApplication> App;
};

TEST_F(TForm1PreviewDisplay, APlayingClipMovesInThePreviewPanelAndNowhereElse) {
  Form1->T_Movie_PLayer_FileName = MediaFixtures().ClipMKV;
  Form1->Button31->Click();
  ASSERT_TRUE(RunUntil([&] { return Logged("Pause"); })) << "the clip did not open paused";

  const TPoint Play = Form1->skSkinButton13->ClientToScreen({ 15, 15 });
  ASSERT_EQ(std::system(("xdotool mousemove --sync " + std::to_string(Play.X) + " " + std::to_string(Play.Y) +
                         " click 1").c_str()),
            0);
  ASSERT_TRUE(RunUntil([&] { return Logged("Resume"); })) << "the click did not start the clip";

  const TRect Window = Form1->BoundsRect();
  const TRect Panel = ScreenRect(Form1->Panel6);
  const TRect Group = ScreenRect(Form1->skSkinPanel3);
  XScreenshot First, Second;
  RunFor(200);
  ASSERT_TRUE(First.Take(Window));
  RunFor(500);
  ASSERT_TRUE(Second.Take(Window));
  SavePicture(First, Window, testing::TempDir() + "zorvik-preview-1.png");
  SavePicture(Second, Window, testing::TempDir() + "zorvik-preview-2.png");
  std::cout << "the window half a second apart: " << testing::TempDir() << "zorvik-preview-{1,2}.png\n";

  int InPanel = 0, Outside = 0;
  for (int Y = Window.Top; Y < Window.Bottom; ++Y)
    for (int X = Window.Left; X < Window.Right; ++X) {
      if (First.At(X, Y) == Second.At(X, Y)) continue;
      if (Panel.Contains({ X, Y })) ++InPanel;
      else if (!Group.Contains({ X, Y })) ++Outside;
    }
  EXPECT_GT(InPanel, Panel.Width() * Panel.Height() / 10) << "the picture moves";
  EXPECT_EQ(Outside, 0) << "pixels changed outside the preview group";
}

}  // namespace
