// Editing the job list through its visible controls: remove and clear with the engine's tasks and the job
// slots kept in step with the rows, moving rows with their slots, and renaming an output in place.
#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/ISelectedJobRow.h"
#include "platform/base/FileUtils.h"
#include "platform/ui/toolkit/TEdit.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSlider.h"
#include "tests/app/forms/JobListFixture.h"

namespace {

using testing::ElementsAre;

class EditListTest : public JobListTest {
protected:
  /// Adds copies of the clip named r0.mkv, r1.mkv, ... one by one; answers their paths.
  std::vector<String> AddRows(int Count) {
    std::vector<String> Files;
    for (int I = 0; I < Count; ++I) {
      Files.push_back(CopyOfClip(Media().Folder + "/rows", "r" + std::to_string(I) + ".mkv"));
      AddFile(Files.back());
    }
    return Files;
  }
  /// Every row's caption and cells with its slot.
  std::vector<std::pair<std::vector<String>, int>> Snapshot() const {
    std::vector<std::pair<std::vector<String>, int>> Rows;
    for (int I = 0; I < RowCount(); ++I) Rows.emplace_back(Contents(I), Form1->JobSlots.SlotOf(Row(I)));
    return Rows;
  }
  void Select(int Index) { Row(Index)->SetSelected(true); }
  /// Double-clicks row Index in its first column.
  void DoubleClickRow(int Index) {
    const TRect R = Row(Index)->DisplayRect(drBounds);
    const TPoint P = List()->ClientToScreen({ R.Left + 20, (R.Top + R.Bottom) / 2 });
    Display->Click(P.X, P.Y);
    Display->Click(P.X, P.Y);
    Display->PumpUntilIdle();
  }
  /// Replaces the rename editor's text as typed.
  void Retype(const String& Text) {
    Key(VK_END);
    Key(VK_HOME, { VK_SHIFT });
    if (Text.empty())
      Key(VK_DELETE);
    else
      TypeText(Text);
  }
  /// The message boxes shown, as "caption: text"; each is closed with OK.
  std::vector<String> Shown;
  void AnswerMessages() {
    Answer("TskMessageForm", [this](TCustomForm* Box) {
      Shown.push_back(Box->Caption() + ": " + MessageText(Box));
      Press(Box, "OK");
    });
  }
};

std::vector<bool> JobCommandStates(TForm1* Form) {
  return { Form->skSkinButton7->Enabled(), Form->skSkinButton21->Enabled(), Form->skSkinButton8->Enabled(),
           Form->skSkinButton2->Enabled(), Form->N13->Enabled(),            Form->N26->Enabled(),
           Form->N14->Enabled(),           Form->N7->Enabled(),             Form->btnRemove->Enabled(),
           Form->btnClear->Enabled(),      Form->btnStart->Enabled() };
}

std::vector<TControl*> AddControls(TForm1* Form) { return { Form->btnAdd, Form->skSkinMenuSpeedButton1 }; }
std::vector<TMenuItem*> AddItems(TForm1* Form) {
  return { Form->Item111, Form->Item121, Form->N21, Form->N11111, Form->N2222, Form->N3331 };
}

// Task numbers follow the engine's list, which closes up; a moved row takes its own task with it.
TEST_F(EditListTest, RemovingARowRemovesItsOwnTaskAndMarksItsSlot) {
  TForm1* Form = Start();
  const std::vector<String> Files = AddRows(3);
  Select(1);
  Engine.ClearCalls();
  Click(Form->skSkinButton7);
  EXPECT_THAT(Engine.Calls(), ElementsAre("RemoveTask(1)"));
  EXPECT_THAT(Inputs(), ElementsAre(Files[0], Files[2]));
  EXPECT_THAT(Column(JobCell::TaskNumber), ElementsAre("1", "2"));
  EXPECT_EQ(Slots(), (std::vector<int> { 0, 2 }));
  EXPECT_EQ(Form->JobSlots.State(1), TSlotState::DELETED);
  EXPECT_EQ(SelectedIndex(), 0);

  Click(Form->skSkinButton4);
  ASSERT_THAT(Inputs(), ElementsAre(Files[2], Files[0]));
  Engine.ClearCalls();
  Click(Form->skSkinButton7);
  EXPECT_THAT(Engine.Calls(), ElementsAre("RemoveTask(0)")) << "the moved row's own task";
  EXPECT_THAT(Inputs(), ElementsAre(Files[2]));
  EXPECT_THAT(Column(JobCell::TaskNumber), ElementsAre("1"));
  EXPECT_EQ(Engine.Tasks()[0].FileName, Files[2]);

  Form->skSkinSlider1->SetValue(50);
  Click(Form->skSkinButton7);
  EXPECT_EQ(RowCount(), 0);
  EXPECT_TRUE(Form->skSkinPanel5->Visible()) << "the cover is back";
  EXPECT_EQ(Form->skSkinSlider1->Value(), 0);
  EXPECT_THAT(JobCommandStates(Form), testing::Each(false));
  for (TControl* Add : AddControls(Form)) EXPECT_TRUE(Add->Enabled()) << Add->Name();
  EXPECT_EQ(Engine.TasksCount(), 0);
}

TEST_F(EditListTest, RemoveAndRenameWithoutASelectedRowOnlyAsk) {
  TForm1* Form = Start();
  AddRows(1);
  Row(0)->SetSelected(false);
  AnswerMessages();
  Engine.ClearCalls();
  Click(Form->skSkinButton7);
  Click(Form->skSkinButton21);
  EXPECT_THAT(Shown, ElementsAre("提示: 请先选择您需要删除的项目！", "提示: 请先选中您需要重命名的项目！"));
  EXPECT_TRUE(Engine.Calls().empty());
  EXPECT_EQ(RowCount(), 1);
  EXPECT_FALSE(Form->edt->Visible());
}

TEST_F(EditListTest, ClearingFreesEverySlotAndTheNextAddTakesTheFirst) {
  TForm1* Form = Start();
  AddRows(3);
  Select(0);
  Click(Form->skSkinButton7);
  ASSERT_EQ(Form->JobSlots.State(0), TSlotState::DELETED);
  for (TControl* Add : AddControls(Form)) Add->SetEnabled(false);
  for (TMenuItem* Add : AddItems(Form)) Add->SetEnabled(false);
  Engine.ClearCalls();

  Click(Form->skSkinButton8);
  EXPECT_THAT(Engine.Calls(), ElementsAre("ClearTasks"));
  EXPECT_EQ(RowCount(), 0);
  for (int Slot = 0; Slot < 3; ++Slot) EXPECT_EQ(Form->JobSlots.State(Slot), TSlotState::kong) << Slot;
  EXPECT_TRUE(Form->skSkinPanel5->Visible());
  EXPECT_THAT(JobCommandStates(Form), testing::Each(false));
  for (TControl* Add : AddControls(Form)) EXPECT_TRUE(Add->Enabled()) << Add->Name();
  for (TMenuItem* Add : AddItems(Form)) EXPECT_TRUE(Add->Enabled()) << Add->Name();

  AddFile(Media().Clip);
  EXPECT_EQ(Slots(), std::vector<int> { 0 });
  EXPECT_EQ(Cell(0, JobCell::TaskNumber), "1");
}

// Each row keeps its own content and slot: moving a middle row down twice and up twice restores the list.
TEST_F(EditListTest, MovingRowsCarriesTheirContentAndSlotsAndStopsAtTheEnds) {
  TForm1* Form = Start();
  AddRows(4);
  const auto Before = Snapshot();
  Select(0);
  Click(Form->skSkinButton3);
  Select(3);
  Click(Form->skSkinButton4);
  EXPECT_EQ(Snapshot(), Before) << "up at the top and down at the bottom change nothing";

  Select(1);
  Click(Form->skSkinButton4);
  EXPECT_EQ(Snapshot()[2], Before[1]);
  EXPECT_EQ(Snapshot()[1], Before[2]);
  EXPECT_THAT(Column(JobCell::TaskNumber), ElementsAre("1", "3", "2", "4"));
  EXPECT_EQ(SelectedIndex(), 2);
  Click(Form->skSkinButton4);
  Click(Form->skSkinButton3);
  Click(Form->skSkinButton3);
  EXPECT_EQ(Snapshot(), Before);
  EXPECT_EQ(SelectedIndex(), 1);
  EXPECT_TRUE(List()->Focused());
}

// The editor lies over the output cell and holds the name without its last extension; the format's
// extension follows whatever was typed, and a name that could leave the output folder is refused like an
// empty one, the editor staying open.
TEST_F(EditListTest, RenamingTakesTheTypedNameWithTheFormatsExtensionAndRefusesPaths) {
  UseTestFontFace(false);
  TForm1* Form = Start();
  AddFile(Media().Awkward);
  Click(Form->skSkinButton21);
  TEdit* Editor = Form->edt;
  ASSERT_TRUE(Editor->Visible());
  EXPECT_EQ(Editor->Parent(), List());
  EXPECT_EQ(List()->Left(), 0) << "the list fills its panel, so the editor covers the output cell only";
  EXPECT_EQ(Editor->BoundsRect(), Bounds(80 + 70 + 70 + 2, Row(0)->Top(), 80, 14));
  EXPECT_EQ(Editor->Text(), "测试 视频.a.b");
  EXPECT_TRUE(Editor->Focused());
  Display->PumpUntilIdle();
  Display->SaveScreenPng(testing::TempDir() + "form1-rename-editor.png");

  Retype("holiday");
  Key(VK_TAB);
  EXPECT_EQ(Cell(0, JobCell::OutputFile), "holiday.wmv");
  EXPECT_FALSE(Editor->Visible());

  for (const String& Refused : { "../x", "a/b", ".", "..", "x\\y", "" }) {
    Click(Form->skSkinButton21);
    Retype(Refused);
    Key(VK_RETURN);
    EXPECT_EQ(Cell(0, JobCell::OutputFile), "holiday.wmv") << Refused;
    EXPECT_TRUE(Editor->Visible()) << Refused;
  }
  Retype("holiday.mp4");
  Key(VK_RETURN);
  EXPECT_EQ(Cell(0, JobCell::OutputFile), "holiday.mp4.wmv");
  EXPECT_FALSE(Editor->Visible());

  Form->skSkinOfficeComboBox2->SetItemIndex(14);
  const std::span<const std::string_view> Formats = FormatGroup(CategoryImageIndex(14));
  for (size_t I = 0; I < Formats.size(); ++I)
    if (Formats[I].ends_with("(*.flac)")) Form->skSkinOfficeComboBox1->SetItemIndex(int(I));
  Click(Form->skSkinButton21);
  Retype("holiday");
  Click(List());
  EXPECT_EQ(Cell(0, JobCell::OutputFile), "holiday.flac") << "leaving the editor commits";
}

// The commit belongs to the job the editor was opened for: it follows a move, and when the row is gone
// (removed or cleared by controls that take no focus) the editor closes and no row changes.
TEST_F(EditListTest, TheRenameGoesToItsOwnJobAndNowhereOnceThatIsGone) {
  TForm1* Form = Start();
  AddRows(2);
  Select(0);
  DoubleClickRow(1);
  ASSERT_EQ(SelectedIndex(), 1);
  ASSERT_TRUE(Form->edt->Focused()) << "a double click on a row opens the editor";
  Retype("moved");
  Click(Form->skSkinButton3);
  Key(VK_TAB);
  EXPECT_THAT(Column(JobCell::OutputFile), ElementsAre("moved.wmv", "r0.wmv"));

  Select(0);
  Click(Form->skSkinButton21);
  Retype("gone");
  Click(Form->skSkinButton7);
  EXPECT_FALSE(Form->edt->Visible());
  Click(List());
  EXPECT_THAT(Column(JobCell::OutputFile), ElementsAre("r0.wmv"));

  Select(0);
  Click(Form->skSkinButton21);
  Retype("cleared");
  Click(Form->skSkinButton8);
  EXPECT_FALSE(Form->edt->Visible());
  AddFile(Media().Clip);
  EXPECT_EQ(Slots(), std::vector<int> { 0 }) << "the new row has the slot the renamed one had";
  EXPECT_THAT(Column(JobCell::OutputFile), ElementsAre("clip.wmv"));
}

}  // namespace
