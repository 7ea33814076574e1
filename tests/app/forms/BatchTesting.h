#pragma once
// The converter's windows as the program makes them, on an engine of the test's choosing and recording
// system services, with rows put into the job list as an add leaves them, for tests of running a batch.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "app/catalogue/ISelectedJobRow.h"
#include "app/engine/IFFConverter.h"
#include "app/forms/TForm1.h"
#include "app/forms/TForm2.h"
#include "app/forms/TForm5.h"
#include "app/forms/TForm7.h"
#include "app/jobs/JobTexts.h"
#include "app/program/ConverterForms.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "platform/ui/toolkit/TMemo.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "tests/app/support/FrontEndHarness.h"
#include "tests/platform/shell/TRecordingPowerService.h"
#include "tests/platform/shell/TRecordingShellOpenService.h"
#include "tests/platform/shell/TRecordingSoundService.h"

/// The main window's commands and settings group as the user can reach them: "on", "off", or "mixed"
/// when the faces of one command disagree. Start's hidden button and menu item ("Start") and its visible
/// button ("StartButton") are apart, since Stop enables only the latter.
using TCommandStates = std::map<String, String>;

/// Base of the batch tests: HOME, install folder and the four windows on the headless presenter, made by
/// the program's own CreateConverterForms over Engine and the recording services.
class BatchTest : public FrontEndHarness {
protected:
  /// The engine the windows are given; made by the test's fixture.
  virtual IFFConverter& Engine() = 0;

  /// Runs on the headless presenter just before the windows are made.
  virtual void BeforeForms() {}

  void SetUp() override {
    FrontEndHarness::SetUp();
    BeforeForms();
    ShowForm([this](TApplication& AApp) -> TCustomForm* {
      CreateConverterForms(AApp, { &Engine(), &Power, &Sound, &Shell });
      return Form1;
    });
    Form = Form1;
  }

  void TearDown() override {
    FrontEndHarness::TearDown();
    Form1 = nullptr;
    Form2 = nullptr;
    Form5 = nullptr;
    Form7 = nullptr;
  }

  // ---- Rows ----
  /// Selects the category and format the next rows get, through the combos' own change cascade.
  void ChooseFormat(int CategoryIndex, int FormatIndex) {
    Form->skSkinOfficeComboBox2->SetItemIndex(CategoryIndex);
    Form->skSkinOfficeComboBox1->SetItemIndex(FormatIndex);
  }

  /// Appends a row for AFile with the format the combos show, as an add leaves it: the format step and the
  /// preset mapping give the parameters, the row carries them in its cells, the lowest free slot holds the
  /// input and output records and is tied to the row, and the list commands are enabled.
  TListItem* AddRow(const String& AFile) {
    Form->Video_AddFileName = AFile;
    Form->Button5->Click();
    Form->Button13->Click();
    TInputOptions Input;
    InitInputOptions(Input);
    Input.FileName = AFile;
    TOutputOptions Output;
    InitOutputOptions(Output);
    Output.FileName = Form->Video_OutPutFileName;
    Output.AudioVolume = StrToInt(Form->Video_AudioVolume);

    const auto Number = [](const String& AText) { return AText.empty() || AText == "AUTO" ? String("-1") : AText; };
    const auto Rate = [](int ABitrate) { return ABitrate == -1000 || ABitrate == -2000 ? -1 : ABitrate; };
    TListItem* Row = Form->lvFiles->Items()->Add();
    Row->SetCaption(AFile);
    const String Cells[24] = {
      "00:00:02", "0MB", ExtractFileName(Form->Video_OutPutFileName), "", "", "", "",
      IntToStr(Form->lvFiles->Items()->Count()),
      IntToStr((Form->skSkinOfficeComboBox2->ItemIndex() + 1) * 100 + Form->skSkinOfficeComboBox1->ItemIndex()),
      "000000000000", Form->Video_VideoCodec, Form->Video_AudioCodec, Number(Form->Video_AudioChannels),
      Form->Video_VideoTag, "", Form->Video_FrameSize, IntToStr(Form->Video_VideoBitrate == -1000 ? -1 : Form->Video_VideoBitrate),
      Form->Video_FrameRate, IntToStr(Rate(Form->Video_AudioBitrate)), Number(Form->Video_AudioSampleRate),
      Form->Video_FrameAspectRatio, Form->Video_DisableVideo ? "True" : "False", Form->Video_TargetType,
      Form->Video_NormType,
    };
    for (const String& Cell : Cells) Row->SubItems()->Add(Cell);
    Form->JobSlots.Tie(Row, Form->JobSlots.Take(Input, Output));
    Form->skSkinPanel5->SetVisible(false);
    for (TControl* Command : std::initializer_list<TControl*> { Form->btnRemove, Form->btnClear, Form->btnStart,
                                                                Form->skSkinButton7, Form->skSkinButton21,
                                                                Form->skSkinButton8, Form->skSkinButton2 })
      Command->SetEnabled(true);
    for (TMenuItem* Item : { Form->N13, Form->N26, Form->N14, Form->N7 }) Item->SetEnabled(true);
    return Row;
  }

  String Cell(int ARow, int ACell) const { return Form->lvFiles->Items()->Item(ARow)->SubItems()->Strings(ACell); }
  /// Cells 3 to 6 of row ARow: progress, frames per second, converted time and size.
  std::vector<String> Progress(int ARow) const {
    return { Cell(ARow, 3), Cell(ARow, 4), Cell(ARow, 5), Cell(ARow, 6) };
  }

  /// Moves row ARow one place down, as the move command does: its contents and slot tie go with it.
  void MoveDown(int ARow) {
    TListItems* Rows = Form->lvFiles->Items();
    TListItem* Spare = Rows->Add();
    Spare->Assign(Rows->Item(ARow));
    Rows->Item(ARow)->Assign(Rows->Item(ARow + 1));
    Rows->Item(ARow + 1)->Assign(Spare);
    Rows->Delete(Rows->Count() - 1);
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

  /// The log's lines.
  std::vector<String> LogLines() const {
    std::vector<String> Lines;
    for (int i = 0; i < Form->mmoLog->Lines()->Count(); ++i) Lines.push_back(Form->mmoLog->Lines()->Strings(i));
    return Lines;
  }

  TForm1* Form { nullptr };
  TRecordingPowerService Power;
  TRecordingSoundService Sound;
  TRecordingShellOpenService Shell;
};
