// Starting, stopping, pausing and resuming a batch.
#include <set>
#include <utility>

#include "app/catalogue/ISelectedJobRow.h"
#include "app/engine/IFFConverter.h"
#include "app/forms/TForm1.h"
#include "app/forms/TForm5.h"
#include "app/jobs/JobCellRules.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"

namespace {

/// The progress cell of a row whose task could not be made.
constexpr const char* FailedText = "失败";

/// The options dialog's thread-count text as a number of simultaneous tasks; 1 when it is not a number.
int ChosenThreadCount() { return StrToIntDef(Form5->skSkinComboBox2->Text(), 1); }

/// The settings group: the six preset combos, the category combo (repainted at once), the format combo
/// and the output folder's browse button, in this order.
void EnableSettings(TForm1& Form, bool Enabled) {
  for (TControl* Combo : { Form.skSkinComboBox1, Form.skSkinComboBox2, Form.skSkinComboBox3, Form.skSkinComboBox4,
                           Form.skSkinComboBox9, Form.skSkinComboBox10 })
    Combo->SetEnabled(Enabled);
  Form.skSkinOfficeComboBox2->SetEnabled(Enabled);
  Form.skSkinOfficeComboBox2->Repaint();
  Form.skSkinOfficeComboBox1->SetEnabled(Enabled);
  Form.skSkinButton5->SetEnabled(Enabled);
}

}  // namespace

void TForm1::skSkinButton2Click(TObject*) { btnStart->Click(); }
void TForm1::skSkinButton10Click(TObject*) { btnStop->Click(); }

void TForm1::skSkinButton11Click(TObject*) {
  btnPause->Click();
  skSkinButton11->SetVisible(false);
  skSkinButton12->SetVisible(true);
}

void TForm1::skSkinButton12Click(TObject*) {
  btnResume->Click();
  skSkinButton11->SetVisible(true);
  skSkinButton12->SetVisible(false);
}

void TForm1::btnStartClick(TObject*) {
  // The radios are tested in this order and the last one on wins; none on keeps the engine's priority.
  for (auto [Radio, Priority] : { std::pair { Form5->skSkinCheckRadioBox9, tpIdle },
                                  std::pair { Form5->skSkinCheckRadioBox10, tpLowest },
                                  std::pair { Form5->skSkinCheckRadioBox11, tpLower },
                                  std::pair { Form5->skSkinCheckRadioBox12, tpNormal } })
    if (Radio->Checked()) FFConverter->SetThreadPriority(Priority);
  button28->Click();

  skSkinMenuSpeedButton1->RefreshButton();
  SetAddCommands(false);
  Button22->Click();
  for (TCommandGroup Group : { TCommandGroup::Remove, TCommandGroup::Rename, TCommandGroup::Clear, TCommandGroup::Start })
    EnableCommand(Group, false);
  EnableCommand(TCommandGroup::Stop, true);
  EnableCommand(TCommandGroup::Pause, true);
  EnableCommand(TCommandGroup::Resume, false);
  // A batch paused and then stopped left the resume button in front: every batch starts with pause shown.
  skSkinButton11->SetVisible(true);
  skSkinButton12->SetVisible(false);
  FFConverter->Start(ChosenThreadCount());
}

void TForm1::btnStopClick(TObject*) {
  EnableCommand(TCommandGroup::Stop, false);
  skSkinButton2->RefreshButton();
  skSkinButton2->SetEnabled(true);
  Button23->Click();
  FFConverter->Stop(true);
}

void TForm1::btnPauseClick(TObject*) {
  EnableCommand(TCommandGroup::Pause, false);
  EnableCommand(TCommandGroup::Resume, true);
  FFConverter->Pause();
}

void TForm1::btnResumeClick(TObject*) {
  EnableCommand(TCommandGroup::Pause, true);
  EnableCommand(TCommandGroup::Resume, false);
  FFConverter->Resume();
}

void TForm1::button28Click(TObject*) {
  FFConverter->ClearTasks();
  FTaskRoutes.Clear();
  TListItems* Rows = lvFiles->Items();
  std::set<String> Outputs;
  for (int i = 0; i < Rows->Count(); ++i) AddRowTask(Rows->Item(i), Outputs);
}

void TForm1::AddRowTask(TListItem* Row, std::set<String>& Outputs) {
  const int Slot = JobSlots.SlotOf(Row);
  TInputOptions& Input = JobSlots.IO1.at(size_t(Slot));
  TOutputOptions& Output = JobSlots.OO1.at(size_t(Slot));
  Input.FileName = Row->Caption();
  ApplyJobCells(*Row->SubItems(), Output);

  const auto Fail = [&](const String& Reason) {
    Row->SubItems()->Put(JobCell::Progress, FailedText);
    LogBetweenEmptyLines(Reason + FFConverter->LastErrMsg());
  };
  // A format change keeps a row's base name, so two rows can come to name one output; two jobs never write
  // one file: the later row fails like a refused output.
  const String OutputFile = FileOutPutPath + "/" + Row->SubItems()->Strings(JobCell::OutputFile);
  if (!Outputs.insert(OutputFile).second) {
    Row->SubItems()->Put(JobCell::Progress, FailedText);
    LogBetweenEmptyLines("***Cannot do convert, error: another job writes " + OutputFile);
    return;
  }
  const int Task = FFConverter->AddTask(Row->Caption(), &Input);
  if (Task < 0) return Fail("***File open error: ");
  if (!FFConverter->SetOutputFile(Task, OutputFile, &Output)) {
    Fail("***Cannot do convert, error: ");
    FFConverter->RemoveTask(Task);
    return;
  }
  FTaskRoutes.Add(JobSlots, Slot);
}

void TForm1::Button22Click(TObject*) { EnableSettings(*this, false); }
void TForm1::Button23Click(TObject*) { EnableSettings(*this, true); }

void TForm1::EnableCommand(TCommandGroup Group, bool Enabled) {
  struct TFaces {
    TButton* Hidden;
    TskSkinButton* Visible;
    TMenuItem* Item;
  };
  // In the order of TCommandGroup.
  const TFaces Groups[] = {
    { btnRemove, skSkinButton7, N13 }, { nullptr, skSkinButton21, N26 }, { btnClear, skSkinButton8, N14 },
    { btnStart, skSkinButton2, N7 },   { btnStop, skSkinButton10, N8 },   { btnPause, skSkinButton11, N10 },
    { btnResume, skSkinButton12, N11 },
  };
  const TFaces& Faces = Groups[int(Group)];
  if (Faces.Hidden) Faces.Hidden->SetEnabled(Enabled);
  Faces.Visible->RefreshButton();
  Faces.Visible->SetEnabled(Enabled);
  Faces.Item->SetEnabled(Enabled);
}
