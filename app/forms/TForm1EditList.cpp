// Removing, clearing, renaming and moving job rows, and the command groups they switch.
#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/ISelectedJobRow.h"
#include "app/engine/IFFConverter.h"
#include "app/forms/TForm1.h"
#include "app/forms/TOfficeFormatCombo.h"
#include "app/jobs/OutputRename.h"
#include "engine/player/FFPlay.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TEdit.h"
#include "platform/ui/toolkit/TListColumn.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSlider.h"
#include "skin/dialogs/TskSkinMessage.h"

namespace {

constexpr char32_t KeyEnter = 13;

int TaskNumber(TListItem& Row) { return StrToInt(Row.SubItems()->Strings(JobCell::TaskNumber)); }

/// The row of List tied to slot Slot of Slots; null when no row is.
TListItem* RowOfSlot(TskSkinListView& List, const TJobSlots& Slots, int Slot) {
  for (int i = 0; i < List.Items()->Count(); ++i)
    if (TListItem* Row = List.Items()->Item(i); Slots.SlotOf(Row) == Slot) return Row;
  return nullptr;
}

}  // namespace

void TForm1::skSkinButton7Click(TObject*) { btnRemove->Click(); }

void TForm1::skSkinButton8Click(TObject*) { btnClear->Click(); }

void TForm1::btnRemoveClick(TObject*) {
  TListItem* Selected = lvFiles->Selected();
  if (!Selected) {
    skSkinMessage1->MessageDlg2("请先选择您需要删除的项目！", "提示", mtInformation, { mbOK }, 0);
    return;
  }
  const int Number = TaskNumber(*Selected);
  FFConverter->RemoveTask(Number - 1);
  const int Slot = JobSlots.SlotOf(Selected);
  if (Slot == FRenameSlot) {
    FRenameSlot = -1;
    edt->Hide();
  }
  Selected->Delete();
  JobSlots.Release(Slot);
  TListItems* Rows = lvFiles->Items();
  for (int i = 0; i < Rows->Count(); ++i)
    if (const int Later = TaskNumber(*Rows->Item(i)); Later > Number)
      Rows->Item(i)->SubItems()->Put(JobCell::TaskNumber, IntToStr(Later - 1));

  const bool RowsRemain = Rows->Count() > 0;
  SetJobCommands(RowsRemain);
  lvFiles->SetFocus();
  if (RowsRemain) {
    Rows->Item(0)->SetSelected(true);
    lvFiles->SetFocus();
  } else {
    ShowEmptyList();
  }
}

void TForm1::btnClearClick(TObject*) {
  FFConverter->ClearTasks();
  FRenameSlot = -1;
  edt->Hide();
  lvFiles->Items()->Clear();
  skSkinMenuSpeedButton1->Refresh();
  SetAddCommands(true);
  SetJobCommands(false);
  Button15->Click();
  ShowEmptyList();
}

void TForm1::ShowEmptyList() {
  skSkinPanel5->Show();
  FFPlayer->Stop(true);
  skSkinSlider1->SetValue(0);
}

void TForm1::SetJobCommands(bool Enabled) {
  for (TControl* Command : std::initializer_list<TControl*> { btnRemove, skSkinButton7, skSkinButton21, btnClear,
                                                              skSkinButton8, btnStart, skSkinButton2 })
    Command->SetEnabled(Enabled);
  for (TMenuItem* Item : { N13, N26, N14, N7 }) Item->SetEnabled(Enabled);
  skSkinButton2->Repaint();
}

void TForm1::SetAddCommands(bool Enabled) {
  btnAdd->SetEnabled(Enabled);
  skSkinMenuSpeedButton1->SetEnabled(Enabled);
  for (TMenuItem* Item : { Item111, Item121, N21, N11111, N2222, N3331 }) Item->SetEnabled(Enabled);
}

// ---- Rename ----

void TForm1::skSkinButton21Click(TObject*) {
  if (!lvFiles->Selected()) {
    skSkinMessage1->MessageDlg2("请先选中您需要重命名的项目！", "提示", mtInformation, { mbOK }, 0);
    return;
  }
  OpenRenameEditor();
}

void TForm1::N26Click(TObject* Sender) { skSkinButton21Click(Sender); }

void TForm1::lvFilesDblClick(TObject*) {
  if (lvFiles->Selected()) OpenRenameEditor();
}

void TForm1::OpenRenameEditor() {
  TListItem* Row = lvFiles->Selected();
  const int Left = lvFiles->Column(0)->Width() + lvFiles->Column(1)->Width() + lvFiles->Column(2)->Width() +
                   lvFiles->Left() + 2;
  edt->SetParent(lvFiles);
  edt->SetBounds(Left, Row->Top(), lvFiles->Column(3)->Width(), 14);
  edt->SetText(ChangeFileExt(ExtractFileName(Row->SubItems()->Strings(JobCell::OutputFile)), ""));
  FRenameSlot = JobSlots.SlotOf(Row);
  edt->Show();
  edt->SetFocus();
}

// The commit goes to the job the editor was opened for, wherever its row stands now; when that row is gone
// the editor closes and no row changes. A name that could leave the output folder is refused like an empty
// one: the editor stays for another try.
void TForm1::edtExit(TObject*) {
  TListItem* Row = FRenameSlot >= 0 ? RowOfSlot(*lvFiles, JobSlots, FRenameSlot) : nullptr;
  if (!Row) {
    FRenameSlot = -1;
    edt->Hide();
    return;
  }
  const TOfficeFormatCombo Formats(*skSkinOfficeComboBox1);
  const String Extension = FormatExtension(Formats.ItemCaption(Formats.ItemIndex()));
  const String Name = edt->Text();
  if (!IsAcceptableOutputName(Name)) return;
  FRenameSlot = -1;
  Row->SubItems()->Put(JobCell::OutputFile, Name + Extension);
  edt->Hide();
}

void TForm1::edtKeyPress(TObject* Sender, char32_t& Key) {
  if (Key != KeyEnter) return;
  Key = 0;
  edtExit(Sender);
}

// ---- Move ----

void TForm1::skSkinButton3Click(TObject*) { MoveSelectedRow(-1); }

void TForm1::skSkinButton4Click(TObject*) { MoveSelectedRow(1); }

void TForm1::MoveSelectedRow(int Step) {
  TListItem* Selected = lvFiles->Selected();
  TListItem* Other = Selected ? lvFiles->Items()->Item(Selected->Index() + Step) : nullptr;
  if (!Other) return;
  // The whole content moves, the row's tie to its job slot included.
  TListItems* Rows = lvFiles->Items();
  Rows->BeginUpdate();
  TListItem Held(Rows);
  Held.Assign(Selected);
  Selected->Assign(Other);
  Other->Assign(&Held);
  Rows->EndUpdate();
  Other->SetSelected(true);
  lvFiles->SetFocus();
}

void TForm1::lvFilesClick(TObject*) {
  if (!lvFiles->Selected()) FFPlayer->Stop(true);
}
