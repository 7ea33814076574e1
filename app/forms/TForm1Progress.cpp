// Progress, completion and the after-done actions of a batch.
#include "app/catalogue/ISelectedJobRow.h"
#include "app/forms/TForm1.h"
#include "app/forms/TForm5.h"
#include "app/jobs/JobTexts.h"
#include "platform/base/FileUtils.h"
#include "platform/base/MainThread.h"
#include "platform/base/SysUtils.h"
#include "platform/shell/IPowerService.h"
#include "platform/shell/ISoundService.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TListItem.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinCustomListView.h"

namespace {

constexpr const char* ShutdownPrivilege = "SeShutdownPrivilege";
/// The completion sound, beside the executable.
constexpr const char* CompletionSound = "sounds/ring001.wav";

/// The share of Total done as a whole percentage with "%", unbounded above; "N/A" without a total.
String PercentText(Int64 Current, Int64 Total) {
  return Total > 0 ? IntToStr(Current * 100 / Total) + "%" : String("N/A");
}

}  // namespace

void TForm1::FFConverterProgress(TObject*, PProgressInfo AProgressInfo) {
  if (FClosing) return;
  TListItem* Row = FTaskRoutes.RowOf(AProgressInfo->TaskIndex, *lvFiles->Items(), JobSlots);
  if (!Row) return;
  TStrings* Cells = Row->SubItems();
  Cells->Put(JobCell::Progress, PercentText(AProgressInfo->CurrentDuration, AProgressInfo->TotalDuration));
  if (AProgressInfo->FPS > 0) Cells->Put(JobCell::Fps, IntToStr(AProgressInfo->FPS));
  // The nearest whole second: a finished task's last report gives its output's length, which a cut would
  // show short (a 0.98 s output as 00:00:00).
  Cells->Put(JobCell::ConvertedTime, SecToDate(int((AProgressInfo->CurrentDuration + 500000) / 1000000)));
  Cells->Put(JobCell::ConvertedSize, SizeText(AProgressInfo->CurrentSize));
}

// Arrives on a thread of the engine's; everything is done on the user-interface thread, which keeps
// serving other hand-overs (further ends, the batch end) while a failed task's message box is open.
void TForm1::FFConverterTerminate(TObject*, const TTerminateInfo& ATerminateInfo) {
  Synchronize([this, &ATerminateInfo] {
    if (FClosing) return;
    try {
      if (ATerminateInfo.TaskIndex < 0) {
        EndBatch();
      } else if (ATerminateInfo.Finished) {
        if (TListItem* Row = FTaskRoutes.RowOf(ATerminateInfo.TaskIndex, *lvFiles->Items(), JobSlots))
          Row->SubItems()->Put(JobCell::Progress, "100%");
      }
      if (ATerminateInfo.Exception)
        Application->MessageBox(ATerminateInfo.ExceptionMsg, Application->Title(), MB_OK | MB_ICONWARNING);
    } catch (...) {
      Application->HandleException();
    }
  });
}

void TForm1::EndBatch() {
  EnableCommand(TCommandGroup::Remove, false);
  EnableCommand(TCommandGroup::Rename, false);
  EnableCommand(TCommandGroup::Clear, true);
  EnableCommand(TCommandGroup::Stop, false);
  EnableCommand(TCommandGroup::Pause, false);
  EnableCommand(TCommandGroup::Resume, false);
  Button23->Click();
  // The choice in force now, also when it changed during the batch.
  if (Form5->skSkinCheckRadioBox1->Checked())
    Button20->Click();
  else if (Form5->skSkinCheckRadioBox2->Checked())
    Button25->Click();
  else if (Form5->skSkinCheckRadioBox4->Checked())
    Button29->Click();
}

// The power service needs no privilege; a refused power-off passes silently.
void TForm1::Button25Click(TObject*) {
  SetPrivilege(ShutdownPrivilege, true);
  if (!Services.Power->PowerOff().Started) SetPrivilege(ShutdownPrivilege, false);
}

void TForm1::Button29Click(TObject*) {
  const String Sound = ExePath() + CompletionSound;
  if (FileExists(Sound)) Services.Sound->PlaySound(Sound);
}

bool TForm1::SetPrivilege(const String&, bool) { return true; }
