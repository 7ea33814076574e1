#pragma once
// The converter's windows on the headless presenter with the real preview player (SDL's dummy sound), an
// engine that converts nothing, and a shell that records what it is asked to open; files come in through
// the add command, whose selection of the new row opens them in the preview. The clips' pictures tell
// their frame number (tests/engine/fixtures/MediaFixtures.h), read back here from the screen.
#include <chrono>
#include <set>
#include <source_location>
#include <vector>

#include "engine/player/FFPlay.h"
#include "platform/base/SysUtils.h"
#include "platform/shell/IShellOpenService.h"
#include "platform/ui/toolkit/TLabel.h"
#include "platform/ui/toolkit/TPanel.h"
#include "skin/controls/TskSkinSlider.h"
#include "tests/app/forms/JobListFixture.h"
#include "tests/engine/fixtures/MediaFixtures.h"

/// Records the targets it is asked to open; opens nothing.
class TRecordingShellOpen : public IShellOpenService {
public:
  bool Open(const String& Target, const String&) override {
    Opened.push_back(Target);
    return true;
  }
  std::vector<String> Opened;
};

class PreviewFixture : public JobListTest {
protected:
  void SetUp() override {
    JobListTest::SetUp();
    Services.ShellOpen = &Shell;
    Form = Start();
  }

  /// The open step run as the row selection runs it: the slider back to 0, the file named, the step's
  /// button clicked.
  void OpenInPreview(const String& AFileName) {
    Form->skSkinSlider1->SetValue(0);
    Form->T_Movie_PLayer_FileName = AFileName;
    Form->Button31->Click();
  }
  /// Adds AFileName, whose row the add selects, and waits until the preview holds its first pictures,
  /// paused.
  void OpenPaused(const String& AFileName) {
    const int Pauses = Count("Pause");
    AddFile(AFileName);
    PumpUntil([&] { return Count("Pause") > Pauses; });
    Settle();
  }
  /// Waits until the panel holds the clip's picture an opened file is paused on, its position report
  /// arrived too.
  void WaitForHeldPicture(std::source_location AWhere = std::source_location::current()) {
    PumpUntil([&] { return PanelFrame() == HeldFrame && ShowsReportedPicture(); }, 10000, AWhere);
  }
  /// Waits until the panel has shown the same picture, reported, for a while: pictures decoded before a
  /// pause took hold still reach the screen after it. Answers its frame number.
  int WaitForStillPicture(std::source_location AWhere = std::source_location::current()) {
    int Frame = -1;
    auto Since = std::chrono::steady_clock::now();
    PumpUntil([&] {
      const int Shown = ShowsReportedPicture() ? PanelFrame() : -1;
      const auto Now = std::chrono::steady_clock::now();
      if (Shown != Frame) {
        Frame = Shown;
        Since = Now;
      }
      return Frame >= 0 && Now - Since >= std::chrono::milliseconds(300);
    }, 10000, AWhere);
    return Frame;
  }
  /// Lets the pictures decoded by now reach the screen.
  void Settle(Cardinal AMilliseconds = 150) {
    const auto Until = std::chrono::steady_clock::now() + std::chrono::milliseconds(AMilliseconds);
    PumpUntil([&] { return std::chrono::steady_clock::now() >= Until; }, AMilliseconds + 5000);
  }

  // ---- The log ----
  int Count(const String& ALine) const {
    int N = 0;
    for (const String& Line : Log()) N += Line == ALine;
    return N;
  }
  /// The state names logged from line AFrom on.
  std::vector<String> StatesFrom(size_t AFrom) const {
    static const std::set<String> States { "Play", "Pause", "Resume", "Step", "Stop", "End" };
    std::vector<String> Found;
    const auto Lines = Log();
    for (size_t I = AFrom; I < Lines.size(); ++I)
      if (States.count(Lines[I])) Found.push_back(Lines[I]);
    return Found;
  }

  // ---- The panel on the screen ----
  /// The colour the screen shows at (X, Y) of Panel6's client area.
  Fixture::TRGB PanelPixel(int X, int Y) {
    const TPoint P = Form->Panel6->ClientToScreen({ X, Y });
    const TColor Colour = Display->PixelAt(P.X, P.Y);
    return { Colour & 0xFF, (Colour >> 8) & 0xFF, (Colour >> 16) & 0xFF };
  }
  /// The frame number of the clip's picture in the panel. A 320 x 240 picture fills the 135 rows of the
  /// 210 x 135 panel, 180 columns wide and centred.
  int PanelFrame() {
    return Fixture::FrameNumberOf([&](int X, int Y) {
      return PanelPixel(PictureLeft + X * PictureWidth / Fixture::Width, Y * PanelHeight / Fixture::Height);
    });
  }
  /// Whether the time label names the clip's picture the panel shows (a frame is 40 ms). The picture reaches
  /// the screen from the player's thread and its position report through the window's messages: on a busy
  /// machine either can come well after the other.
  bool ShowsReportedPicture() { return Form->Label3->Caption() == Format("%f", PanelFrame() * 0.04); }
  /// Every pixel of the panel as the screen shows it.
  std::vector<TColor> PanelPixels() {
    std::vector<TColor> Pixels;
    const TPoint Origin = Form->Panel6->ClientToScreen({ 0, 0 });
    for (int Y = 0; Y < PanelHeight; ++Y)
      for (int X = 0; X < PanelWidth; ++X) Pixels.push_back(Display->PixelAt(Origin.X + X, Origin.Y + Y));
    return Pixels;
  }

  static constexpr int PanelWidth = 210;
  static constexpr int PanelHeight = 135;
  static constexpr int PictureWidth = 180;
  static constexpr int PictureLeft = (PanelWidth - PictureWidth) / 2;
  /// Opened paused, the player holds the second of the first pictures it was given.
  static constexpr int HeldFrame = 1;

  TRecordingShellOpen Shell;
  TForm1* Form { nullptr };
};
