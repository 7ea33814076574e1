#pragma once
// The converter's windows as the program makes them, on an engine of the test's choosing and recording
// system services, with rows added through the window's own add, for tests of running a batch.
#include <map>
#include <vector>

#include "app/forms/TForm5.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "tests/app/forms/JobListFixture.h"
#include "tests/platform/shell/TRecordingPowerService.h"
#include "tests/platform/shell/TRecordingShellOpenService.h"
#include "tests/platform/shell/TRecordingSoundService.h"

/// The main window's commands and settings group as the user can reach them: "on", "off", or "mixed"
/// when the faces of one command disagree. Start's hidden button and menu item ("Start") and its visible
/// button ("StartButton") are apart, since Stop enables only the latter.
using TCommandStates = std::map<String, String>;

/// Base of the batch tests: the windows as the program makes them over Converter() and the recording
/// system services, filled through the window's own add command.
class BatchTest : public JobListTest {
protected:
  /// The engine the windows are given: the scripted one unless a fixture gives another.
  virtual IFFConverter& Converter() { return Engine; }
  /// Runs on the headless presenter just before the windows are made.
  virtual void BeforeForms() {}

  void SetUp() override {
    JobListTest::SetUp();
    BeforeForms();
    Services.Power = &Power;
    Services.Sound = &Sound;
    Services.ShellOpen = &Shell;
    Form = Start(Converter());
  }

  // ---- Rows ----
  /// Selects the category and format the next adds get, through the combos' own change cascade.
  void ChooseFormat(int CategoryIndex, int FormatIndex) {
    Form->skSkinOfficeComboBox2->SetItemIndex(CategoryIndex);
    Form->skSkinOfficeComboBox1->SetItemIndex(FormatIndex);
  }
  /// Adds copies of the clip named a.mkv, b.mkv, ... (ACount of them) through the single add.
  void AddRows(int ACount) {
    for (int i = 0; i < ACount; ++i) AddFile(CopyOfClip(Media().Folder, String(1, char('a' + i)) + ".mkv"));
  }
  /// Cells 3 to 6 of row ARow: progress, frames per second, converted time and size.
  std::vector<String> Progress(int ARow) const {
    return { Cell(ARow, 3), Cell(ARow, 4), Cell(ARow, 5), Cell(ARow, 6) };
  }

  // ---- Options ----
  void SetThreadCount(int ACount) { Form5->skSkinComboBox2->SetItemIndex(ACount - 1); }
  /// The after-done radio: 1 open folder, 2 shut down, 4 sound, 5 nothing.
  void SetAfterDone(TskSkinCheckRadioBox* ARadio) { ARadio->SetChecked(true); }

  // ---- What the window offers ----
  TCommandStates Commands() const {
    const auto State = [](std::initializer_list<bool> AFaces) {
      bool All = true, None = true;
      for (bool On : AFaces) (On ? None : All) = false;
      return All ? String("on") : None ? String("off") : String("mixed");
    };
    TForm1& F = *Form;
    return {
      { "Add", State({ F.btnAdd->Enabled(), F.skSkinMenuSpeedButton1->Enabled(), F.Item111->Enabled(),
                       F.Item121->Enabled(), F.N21->Enabled(), F.N11111->Enabled(), F.N2222->Enabled(),
                       F.N3331->Enabled() }) },
      { "Remove", State({ F.btnRemove->Enabled(), F.skSkinButton7->Enabled(), F.N13->Enabled() }) },
      { "Rename", State({ F.skSkinButton21->Enabled(), F.N26->Enabled() }) },
      { "Clear", State({ F.btnClear->Enabled(), F.skSkinButton8->Enabled(), F.N14->Enabled() }) },
      { "Start", State({ F.btnStart->Enabled(), F.N7->Enabled() }) },
      { "StartButton", State({ F.skSkinButton2->Enabled() }) },
      { "Stop", State({ F.btnStop->Enabled(), F.skSkinButton10->Enabled(), F.N8->Enabled() }) },
      { "Pause", State({ F.btnPause->Enabled(), F.skSkinButton11->Enabled(), F.N10->Enabled() }) },
      { "Resume", State({ F.btnResume->Enabled(), F.skSkinButton12->Enabled(), F.N11->Enabled() }) },
      { "Settings", State({ F.skSkinComboBox1->Enabled(), F.skSkinComboBox2->Enabled(), F.skSkinComboBox3->Enabled(),
                            F.skSkinComboBox4->Enabled(), F.skSkinComboBox9->Enabled(), F.skSkinComboBox10->Enabled(),
                            F.skSkinOfficeComboBox2->Enabled(), F.skSkinOfficeComboBox1->Enabled(),
                            F.skSkinButton5->Enabled() }) },
    };
  }
  /// Which of the pause and resume buttons shows: "pause", "resume", or "both"/"none".
  String PauseFace() const {
    const bool Pause = Form->skSkinButton11->Visible(), Resume = Form->skSkinButton12->Visible();
    return Pause && Resume ? "both" : Pause ? "pause" : Resume ? "resume" : "none";
  }

  TForm1* Form { nullptr };
  TRecordingPowerService Power;
  TRecordingSoundService Sound;
  TRecordingShellOpenService Shell;
};
