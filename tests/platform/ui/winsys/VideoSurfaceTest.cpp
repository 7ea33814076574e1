// The player's picture in a window: it replaces the window's painting at its own size, survives repaints
// and a producer holding the buffer, goes away on Clear and unbinding, and reports the window's events.
#include <future>
#include <thread>

#include "platform/ui/winsys/VideoSurface.h"
#include "tests/platform/ui/InputFixture.h"

namespace {

class Video : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    Form = CreateTop({ 0, 0, 400, 300 });
    Panel = CreateChild(Form, { 10, 10, 220, 145 });
    PaintWith(Panel, clLime);
    Screen->PumpUntilIdle();
  }
  TColor PanelPixel(int X, int Y) { return PixelAt(Form, 10 + X, 10 + Y); }

  HWND Form { 0 };
  HWND Panel { 0 };
};

TEST_F(Video, ThePictureReplacesTheWindowsPaintingUntilCleared) {
  String Error;
  auto Surface = VideoSurface::Bind(Panel, Error);
  ASSERT_TRUE(Surface) << Error;
  EXPECT_EQ(Surface->ClientSize(), (TSize { 210, 135 }));
  EXPECT_EQ(Surface->Mode(), (TSize {}));
  Surface->SetMode(210, 135);
  EXPECT_EQ(Surface->Mode(), (TSize { 210, 135 }));
  Surface->Fill({ 0, 0, 10, 10 }, clRed);
  Surface->Update({ 0, 0, 10, 10 });
  Screen->PumpUntilIdle();
  EXPECT_EQ(PanelPixel(5, 5), clRed);
  EXPECT_EQ(PanelPixel(100, 100), clBlack);

  InvalidateRect(Panel, nullptr, true);  // a repaint while paused
  Screen->PumpUntilIdle();
  EXPECT_EQ(PanelPixel(5, 5), clRed);

  Surface->Clear();
  Screen->PumpUntilIdle();
  EXPECT_EQ(PanelPixel(5, 5), clLime);

  Surface->SetMode(210, 135);
  Screen->PumpUntilIdle();
  EXPECT_EQ(PanelPixel(5, 5), clBlack);
  Surface.reset();
  Screen->PumpUntilIdle();
  EXPECT_EQ(PanelPixel(5, 5), clLime);
  EXPECT_TRUE(VideoSurface::Bind(Panel, Error)) << "the window is free again";
}

TEST_F(Video, AFrameFromAnotherThreadShowsAtItsOwnSizeInTheTopLeftCorner) {
  String Error;
  auto Output = VideoSurface::Bind(Panel, Error);
  ASSERT_TRUE(Output);
  std::thread Player([&] {
    Output->SetMode(105, 67);
    Output->Fill({ 0, 0, 105, 67 }, clRed);
    Output->Update({ 0, 0, 105, 67 });
  });
  Player.join();
  Screen->PumpUntilIdle();
  EXPECT_EQ(PanelPixel(0, 0), clRed);
  EXPECT_EQ(PanelPixel(104, 66), clRed);
  EXPECT_EQ(PanelPixel(105, 30), clBlack) << "the player scaled the picture already: no second scaling";
  EXPECT_EQ(PanelPixel(50, 67), clBlack);
  EXPECT_EQ(PanelPixel(209, 134), clBlack);
}

TEST_F(Video, APaintWhileTheProducerHoldsTheBufferDoesNotSpinAndRepaintsOnRelease) {
  String Error;
  auto Output = VideoSurface::Bind(Panel, Error);
  ASSERT_TRUE(Output);
  Output->SetMode(210, 135);
  Screen->PumpUntilIdle();
  std::promise<void> Held, Release;
  std::thread Player([&] {
    Output->Lock();
    Output->Fill({ 0, 0, 210, 135 }, clRed);
    Held.set_value();
    Release.get_future().wait();
    Output->Unlock();
  });
  Held.get_future().wait();
  int Paints = 0;
  Output->OnEvent = [&](VideoSurface::Event E) { Paints += E == VideoSurface::Event::Exposed; };
  InvalidateRect(Panel, nullptr, false);
  int Steps = 0;
  while (ProcessNextMessage() && ++Steps < 50) {
  }
  EXPECT_LT(Steps, 50) << "the loop goes idle while the buffer is held";
  EXPECT_EQ(Paints, 1);

  Release.set_value();
  Player.join();
  Screen->PumpUntilIdle();
  EXPECT_EQ(PanelPixel(100, 100), clRed) << "the paint that found the buffer held is made up";
}

TEST_F(Video, OnlyOneWindowIsBoundAndOnlyAWindowCanBe) {
  String Error;
  auto First = VideoSurface::Bind(Panel, Error);
  ASSERT_TRUE(First);
  EXPECT_FALSE(VideoSurface::Bind(Form, Error));
  EXPECT_FALSE(Error.empty());
  Error.clear();
  First.reset();
  EXPECT_FALSE(VideoSurface::Bind(HWND(12345), Error));
  EXPECT_FALSE(Error.empty());
}

TEST_F(Video, TheWindowsEventsReachTheListenerAndAPressFocusesIt) {
  String Error;
  auto Surface = VideoSurface::Bind(Panel, Error);
  std::vector<VideoSurface::Event> Events;
  Surface->OnEvent = [&](VideoSurface::Event E) { Events.push_back(E); };

  SetWindowPos(Panel, 0, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Surface->ClientSize(), (TSize { 300, 200 }));
  Screen->Click(50, 50);

  EXPECT_EQ(GetFocus(), Panel);
  EXPECT_EQ(Count(Panel, WM_LBUTTONDOWN), 1) << "the window's own handling goes on";
  for (const auto E : { VideoSurface::Event::Resized, VideoSurface::Event::Exposed,
                        VideoSurface::Event::FocusGained, VideoSurface::Event::MousePressed })
    EXPECT_NE(std::find(Events.begin(), Events.end(), E), Events.end()) << int(E);
}

}  // namespace
