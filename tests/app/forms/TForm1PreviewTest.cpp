// The preview player of the main window with the real player: a generated clip whose pictures tell their
// frame number is opened as the row selection opens it, played, paused, sought with the slider, stopped
// and played to its end, and the frame numbers are read back from the screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TCheckBox.h"
#include "platform/ui/toolkit/TComboBox.h"
#include "platform/ui/toolkit/TLabel.h"
#include "platform/ui/toolkit/TTrackBar.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinSlider.h"
#include "tests/app/forms/PreviewFixture.h"

namespace {

class TForm1PreviewTest : public PreviewFixture {
protected:
  bool Contains(const String& ALine) const {
    const auto Lines = Log();
    return std::find(Lines.begin(), Lines.end(), ALine) != Lines.end();
  }
  /// The thumb's centre on the screen.
  TPoint ThumbCentre() const {
    const TRect& Thumb = Form->skSkinSlider1->ThumbRect();
    return Form->skSkinSlider1->ClientToScreen({ (Thumb.Left + Thumb.Right) / 2, (Thumb.Top + Thumb.Bottom) / 2 });
  }
};

TEST_F(TForm1PreviewTest, TheFileOpensPausedOnItsFirstPictureAndPlaysIntoThePanel) {
  Form->cboVideoDriver->SetItemIndex(2);
  Form->cboAudioDriver->SetItemIndex(1);
  Form->chkStayOnTop->SetChecked(true);
  OpenPaused(Media().Clip);

  EXPECT_EQ(StatesFrom(0), (std::vector<String> { "Play", "Pause" }));
  EXPECT_TRUE(Contains("duration: 2.00, frame size: 320x240"));
  EXPECT_EQ(Form->Label2->Caption(), "2.00");
  EXPECT_EQ(Form->skSkinSlider1->MaxValue(), 218);
  EXPECT_EQ(Form->cboVideo->Items()->DelimitedText(), "Video#0");
  EXPECT_EQ(Form->cboAudio->Items()->DelimitedText(), "Audio#1");
  EXPECT_FALSE(Form->cboVideo->Enabled()) << "one stream of a kind offers no choice";
  EXPECT_FALSE(Form->cboSubtitle->Enabled());
  // The combos' other drivers play through the only one there is.
  EXPECT_EQ(Form->FFPlayer->VideoDriver(), vdGDI);
  EXPECT_EQ(Form->FFPlayer->AudioDriver(), adDirectSound);

  // Opened paused, the player holds its picture; its position report has put the thumb and the time there.
  WaitForHeldPicture();
  const int Opened = PanelFrame();
  EXPECT_EQ(Opened, HeldFrame);
  EXPECT_EQ(Form->Label3->Caption(), Format("%f", Opened * 0.04));
  EXPECT_NEAR(Form->skSkinSlider1->Value(), 218 * Opened / Fixture::FrameCount, 1);
  EXPECT_EQ(Form->FormStyle(), fsNormal);

  // The picture survives a repaint, a move of the window and a window laid over it and taken away.
  InvalidateRect(Form->Panel6->Handle(), nullptr, true);
  Form->SetBounds(Form->Left() + 40, Form->Top() + 30, Form->Width(), Form->Height());
  TForm* Cover = NewForm(Form->BoundsRect());
  Cover->Show();
  Display->PumpUntilIdle();
  delete Cover;
  Display->PumpUntilIdle();
  EXPECT_EQ(PanelFrame(), Opened);

  Click(Form->skSkinButton13);
  EXPECT_TRUE(Form->lvFiles->Focused());
  // A quarter of the slider is half a second of playing.
  PumpUntil([&] { return Form->skSkinSlider1->Value() > 20 && PanelFrame() > Opened + 5; });
  EXPECT_NE(Form->Label3->Caption(), "0.0");
  EXPECT_EQ(Form->FormStyle(), fsStayOnTop) << "on top while playing, as ticked";

  Click(Form->skSkinButton14);
  PumpUntil([&] { return Count("Pause") == 2; });
  const int Held = WaitForStillPicture();
  const int Position = Form->skSkinSlider1->Value();
  Settle(300);
  EXPECT_EQ(PanelFrame(), Held);
  EXPECT_EQ(Form->skSkinSlider1->Value(), Position);
  EXPECT_EQ(Form->FormStyle(), fsNormal);
  EXPECT_EQ(StatesFrom(0), (std::vector<String> { "Play", "Pause", "Resume", "Pause" }));
}

TEST_F(TForm1PreviewTest, TheSliderHoldsWhilePressedAndItsReleaseSeeksAndPlays) {
  OpenPaused(Media().Clip);
  const TPoint Thumb = ThumbCentre();
  Display->ButtonDown(Thumb.X, Thumb.Y);
  EXPECT_EQ(Form->skSkinSlider1_down_UP, "Down");
  const TPoint Middle = Form->skSkinSlider1->ClientToScreen({ Form->skSkinSlider1->Width() / 2, 0 });
  Display->MoveTo(Middle.X, Thumb.Y);
  Display->PumpUntilIdle();
  const int Value = Form->skSkinSlider1->Value();
  ASSERT_GT(Value, 90);
  ASSERT_LT(Value, 128);
  Form->FFPlayerPosition(Form->FFPlayer, 100000);
  EXPECT_EQ(Form->skSkinSlider1->Value(), Value) << "no report moves a pressed thumb";

  const size_t Mark = Log().size();
  Display->ButtonUp(Middle.X, Thumb.Y);
  EXPECT_EQ(Form->skSkinSlider1_down_UP, "UP");
  // The seek lands on the key frame before the place asked for (every 12th frame) and plays on from there.
  const int Target = Fixture::FrameCount * Value / 218;
  PumpUntil([&] { return PanelFrame() >= Target - 12; });
  EXPECT_LE(PanelFrame(), Target + 12) << "the target was frame " << Target;
  PumpUntil([&] { return StatesFrom(Mark) == std::vector<String> { "Resume" }; });
  PumpUntil([&] { return Form->skSkinSlider1->Value() > Value; });  // position reports move the thumb again
}

TEST_F(TForm1PreviewTest, StopShowsTheFirstPictureAgainAndAStoppedPlayerThePlaceholder) {
  const std::vector<TColor> Placeholder = PanelPixels();
  OpenPaused(Media().Clip);
  WaitForHeldPicture();
  EXPECT_NE(PanelPixels(), Placeholder);

  Click(Form->skSkinButton13);
  PumpUntil([&] { return PanelFrame() > 10; });
  const size_t Mark = Log().size();
  Click(Form->skSkinButton15);
  PumpUntil([&] { return StatesFrom(Mark).size() >= 3; });
  EXPECT_EQ(StatesFrom(Mark), (std::vector<String> { "Stop", "Play", "Pause" }));
  WaitForHeldPicture();
  EXPECT_NEAR(Form->skSkinSlider1->Value(), 218 * HeldFrame / Fixture::FrameCount, 1);
  Settle(300);
  EXPECT_EQ(PanelFrame(), HeldFrame) << "the reopened file holds its first pictures";

  // The list's clear stops the player this way: the panel shows its placeholder again.
  Form->FFPlayer->Stop(true);
  Display->PumpUntilIdle();
  EXPECT_EQ(PanelPixels(), Placeholder);
}

TEST_F(TForm1PreviewTest, StopDoesNothingWithoutASelectedRow) {
  OpenPaused(Media().Clip);
  Form->lvFiles->Items()->Item(0)->SetSelected(false);
  const size_t Mark = Log().size();
  Click(Form->skSkinButton15);
  Settle();
  EXPECT_TRUE(StatesFrom(Mark).empty());
}

TEST_F(TForm1PreviewTest, TheEndRewindsAndWaitsAtTheStartForPlayToRunItAgain) {
  OpenPaused(Media().Clip);
  Click(Form->skSkinButton13);
  PumpUntil([&] { return Count("End") == 1 && Count("Pause") == 2; }, 20000);
  const auto States = StatesFrom(0);
  EXPECT_EQ(std::vector<String>(States.end() - 2, States.end()), (std::vector<String> { "End", "Pause" }));
  // Rewound, the panel shows a picture from before the second key frame (every 12th frame is one), and the
  // thumb and the time have gone back to it.
  PumpUntil([&] { return PanelFrame() < 12 && ShowsReportedPicture(); });
  const int Rewound = WaitForStillPicture();
  EXPECT_LT(Rewound, 12);
  EXPECT_NEAR(Form->skSkinSlider1->Value(), 218 * Rewound / Fixture::FrameCount, 1);
  Settle(300);
  EXPECT_EQ(PanelFrame(), Rewound) << "paused at the start";

  Click(Form->skSkinButton13);
  PumpUntil([&] { return PanelFrame() > Rewound + 5; });
  PumpUntil([&] { return Count("End") == 2; }, 20000);
}

TEST_F(TForm1PreviewTest, MuteSwapsTheButtonsAndLastsForTheNextFile) {
  OpenPaused(Media().Clip);
  Click(Form->skSkinButton16);
  EXPECT_TRUE(Form->FFPlayer->Mute());
  EXPECT_TRUE(Form->skSkinButton20->Visible());
  EXPECT_FALSE(Form->skSkinButton16->Visible());

  OpenPaused(Media().Awkward);
  EXPECT_TRUE(Form->FFPlayer->Mute());
  EXPECT_TRUE(Form->skSkinButton20->Visible());

  Click(Form->skSkinButton20);
  EXPECT_FALSE(Form->FFPlayer->Mute());
  EXPECT_FALSE(Form->skSkinButton20->Visible());
  EXPECT_TRUE(Form->skSkinButton16->Visible());
}

TEST_F(TForm1PreviewTest, ASoundOnlyFileShowsItsWaveAndMovesTheSlider) {
  const std::vector<TColor> Placeholder = PanelPixels();
  // Without pictures the player is paused from the start and reports no pause of its own.
  AddFile(Media().Tone);
  PumpUntil([&] { return Count("Play") == 1; });
  EXPECT_TRUE(Contains("duration: 1.00, frame size: -1x-1"));
  EXPECT_TRUE(Form->FFPlayer->Paused());
  Click(Form->skSkinButton13);
  PumpUntil([&] { return Count("Resume") == 1; });
  PumpUntil([&] { return Form->skSkinSlider1->Value() > 30; });
  // The wave is drawn in white on black across the panel.
  PumpUntil([&] {
    const std::vector<TColor> Wave = PanelPixels();
    return std::count(Wave.begin(), Wave.end(), clWhite) > PanelWidth;
  });
  EXPECT_NE(PanelPixels(), Placeholder);
}

TEST_F(TForm1PreviewTest, TheStreamListsOfferTheSubtitlesOfAFileThatHasThem) {
  OpenPaused(MediaFixtures().SubtitleMKV);
  EXPECT_EQ(Form->cboSubtitle->Items()->DelimitedText(), "Subtitle#-1,Subtitle#1");
  EXPECT_TRUE(Form->cboSubtitle->Enabled());
  EXPECT_EQ(Form->cboSubtitle->ItemIndex(),
            Form->cboSubtitle->Items()->IndexOf(Format("Subtitle#%d", Form->FFPlayer->SubtitleStreamIndex())));
  EXPECT_EQ(Form->cboVideo->Items()->DelimitedText(), "Video#0");
}

TEST_F(TForm1PreviewTest, TheOffScreenSettingsReachThePlayerAndTheEngine) {
  Form->TrackBar2->SetPosition(40);
  EXPECT_EQ(Form->FFPlayer->AudioVolume(), 40);
  Form->chkPreview->SetChecked(true);
  EXPECT_TRUE(Engine.Preview());
}

TEST_F(TForm1PreviewTest, AFileThePlayerCannotOpenIsLoggedAndLeavesThePlaceholder) {
  const std::vector<TColor> Placeholder = PanelPixels();
  OpenInPreview(Media().Corrupt);
  Display->PumpUntilIdle();
  EXPECT_TRUE(Contains(Media().Corrupt + ": Invalid data found when processing input"));
  EXPECT_EQ(PanelPixels(), Placeholder);
}

}  // namespace
