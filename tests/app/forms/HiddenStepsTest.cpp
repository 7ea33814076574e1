// The windows' internal steps run through their hidden buttons, the one path to each step: the visible
// buttons and menu items of a command click its hidden button, also while that button is disabled, and
// every step that runs another step clicks that step's button. A recorder in place of a hidden button's
// handler shows which path a command took.
#include <functional>
#include <tuple>
#include <utility>

#include "app/catalogue/ISelectedJobRow.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "tests/app/forms/BatchTesting.h"
#include "tests/app/forms/JobRowTesting.h"

namespace {

using Steps = std::vector<String>;

constexpr int VideoCategory = 13;

class HiddenStepsTest : public BatchTest {
protected:
  /// Button's handler only notes the button's name: the step does not run.
  void Record(TButton* Button) {
    Button->OnClick = [this, Name = Button->Name()](TObject*) { Ran.push_back(Name); };
  }
  /// Each button's handler notes the button's name, then runs the step as before.
  void Trace(std::initializer_list<TButton*> Buttons) {
    for (TButton* Button : Buttons)
      Button->OnClick = [this, Name = Button->Name(), Step = Button->OnClick](TObject* Sender) {
        Ran.push_back(Name);
        Step(Sender);
      };
  }
  /// The main window's hidden step buttons.
  std::vector<TButton*> MainSteps() const {
    TForm1& F = *Form;
    return { F.btnAdd,   F.btnRemove, F.btnClear, F.btnStart, F.btnStop,  F.btnPause, F.btnResume, F.button28,
             F.Button2,  F.Button3,   F.Button5,  F.Button6,  F.Button8,  F.Button12, F.Button13,  F.Button15,
             F.Button16, F.Button17,  F.Button18, F.Button20, F.Button21, F.Button22, F.Button23,  F.Button24,
             F.Button25, F.Button29,  F.Button31 };
  }
  void TraceMainSteps() {
    for (TButton* Button : MainSteps()) Trace({ Button });
  }
  Steps Take() { return std::exchange(Ran, {}); }

  /// A click on a skinned button as the user gives it; the button is made usable first.
  void Press(TskSkinButton* Button) {
    Button->SetEnabled(true);
    Button->SetVisible(true);
    Click(Button);
  }

  Steps Ran;
};

// The table of the batch and job-list commands, plus the output folder's "打开": each visible face reaches
// the hidden button that carries the command. The hidden buttons of the commands not offered at start are
// disabled, as the window is created, and run all the same.
TEST_F(HiddenStepsTest, EveryVisibleFaceOfACommandClicksItsHiddenButton) {
  TForm1& F = *Form;
  for (TButton* Hidden : { F.btnRemove, F.btnClear, F.btnStart, F.btnStop, F.btnPause, F.btnResume })
    EXPECT_FALSE(Hidden->Enabled()) << Hidden->Name();
  for (TButton* Hidden : MainSteps()) Record(Hidden);

  const auto Button = [this](TskSkinButton* Visible) { return [this, Visible] { Press(Visible); }; };
  const auto Item = [](TMenuItem* Visible) {
    return [Visible] {
      Visible->SetEnabled(true);
      Visible->Click();
    };
  };
  const std::vector<std::tuple<String, std::function<void()>, TButton*>> Faces = {
    { "开始", Button(F.skSkinButton2), F.btnStart },
    { "开始转换", Item(F.N7), F.btnStart },
    { "停止", Button(F.skSkinButton10), F.btnStop },
    { "停止转换", Item(F.N8), F.btnStop },
    { "暂停", Button(F.skSkinButton11), F.btnPause },
    { "暂停转换", Item(F.N10), F.btnPause },
    { "继续",
      [&] {
        F.skSkinButton11->SetVisible(false);  // the pause button lies in front of it
        Press(F.skSkinButton12);
      },
      F.btnResume },
    { "继续继续", Item(F.N11), F.btnResume },
    { "删除", Button(F.skSkinButton7), F.btnRemove },
    { "删除选择", Item(F.N13), F.btnRemove },
    { "清空", Button(F.skSkinButton8), F.btnClear },
    { "清空文件", Item(F.N14), F.btnClear },
    { "添加整个目录 (文件)", Item(F.N21), F.Button12 },
    { "添加整个目录 (添加)", Item(F.N3331), F.Button12 },
    { "添加多个文件 (添加)", Item(F.N2222), F.Button8 },
    { "打开", Button(F.skSkinButton6), F.Button20 },
  };
  for (const auto& [Face, Use, Hidden] : Faces) {
    SCOPED_TRACE(Face);
    Take();
    Use();
    EXPECT_EQ(Take(), Steps { Hidden->Name() });
  }
}

// The format change runs the preset lists, and with a selected row the format step (which resets through
// Button6) and the preset mapping; an add runs the reset, the format step and the preset mapping, then the
// selection of its row runs the category and format changes and the preview's open step.
TEST_F(HiddenStepsTest, TheFormatChangeAndTheAddRunTheirStepsThroughTheirButtons) {
  TraceMainSteps();
  Form->skSkinOfficeComboBox1->SetItemIndex(1);
  EXPECT_EQ(Take(), Steps { "Button18" }) << "without a row only the preset lists";
  Form->skSkinOfficeComboBox2->SetItemIndex(VideoCategory);
  EXPECT_EQ(Take(), (Steps { "Button2", "Button18" }));

  AddRows(1);
  const Steps FormatChangeOfRow { "Button18", "Button5", "Button6", "Button13" };
  Steps Expected { "btnAdd", "Button6", "Button5", "Button6", "Button13", "Button2" };
  for (const Steps& Part : { FormatChangeOfRow, FormatChangeOfRow, Steps { "Button31" } })
    Expected.insert(Expected.end(), Part.begin(), Part.end());
  EXPECT_EQ(Take(), Expected);
  ASSERT_EQ(RowCount(), 1);
  Form->skSkinOfficeComboBox1->SetItemIndex(2);
  EXPECT_EQ(Take(), FormatChangeOfRow);
  EXPECT_EQ(Cell(0, JobCell::FormatCode), "1402") << "the format step wrote the selected row";
}

// A batch's steps: the start rebuilds the tasks and locks the settings, the stop unlocks them, and each
// batch end unlocks them and runs the chosen after-done action; the clear frees the slots.
TEST_F(HiddenStepsTest, TheBatchAndTheClearRunTheirStepsThroughTheirButtons) {
  TraceMainSteps();
  const std::vector<std::pair<TskSkinCheckRadioBox*, String>> AfterDone = {
    { Form5->skSkinCheckRadioBox1, "Button20" },
    { Form5->skSkinCheckRadioBox2, "Button25" },
    { Form5->skSkinCheckRadioBox4, "Button29" },
    { Form5->skSkinCheckRadioBox5, "" },
  };
  for (const auto& [Choice, Action] : AfterDone) {
    SCOPED_TRACE(Choice->Caption());
    SetAfterDone(Choice);
    AddFile(Media().Clip);
    Take();
    Click(Form->skSkinButton2);
    EXPECT_EQ(Take(), (Steps { "btnStart", "button28", "Button22" }));
    Engine.RunToEnd();
    Steps End { "Button23" };
    if (!Action.empty()) End.push_back(Action);
    EXPECT_EQ(Take(), End);
    Click(Form->skSkinButton8);
    EXPECT_EQ(Take(), (Steps { "btnClear", "Button15" }));
  }

  AddFile(Media().Clip);
  Click(Form->skSkinButton2);
  Take();
  Click(Form->skSkinButton10);
  EXPECT_EQ(Take(), (Steps { "btnStop", "Button23", "Button23" })) << "the stop, then the batch end it causes";
}

// The main window's creation steps, in their order; the format list selects the first format, whose
// change fills the preset lists.
TEST_F(HiddenStepsTest, TheMainWindowsCreationRunsItsStepsThroughTheirButtons) {
  TraceMainSteps();
  Form->FormCreate(nullptr);
  EXPECT_EQ(Take(), (Steps { "Button15", "Button17", "Button21", "Button3", "Button2", "Button18" }));
}

// The preset dialog's steps: creation and a category change fill the format list, a format change runs
// the preset lists and, with a row selected in the main window, the format step (reset through the
// dialog's own Button6) and the preset mapping. The options dialog reads and writes its settings through
// its hidden buttons too.
TEST_F(HiddenStepsTest, TheDialogsRunTheirStepsThroughTheirButtons) {
  TForm7& Dialog = *Form7;
  Trace({ Dialog.Button2, Dialog.Button18, Dialog.Button5, Dialog.Button6, Dialog.Button13 });
  Dialog.FormCreate(nullptr);
  EXPECT_EQ(Take(), (Steps { "Button2", "Button18" }));
  Dialog.skSkinOfficeComboBox1->SetItemIndex(3);
  EXPECT_EQ(Take(), Steps { "Button18" }) << "without a selected row only the preset lists";

  AppendJobRow(*Form, "/videos/clip.mkv")->SetSelected(true);
  const Steps FormatChangeOfRow { "Button18", "Button5", "Button6", "Button13" };
  Dialog.skSkinOfficeComboBox1->SetItemIndex(2);
  EXPECT_EQ(Take(), FormatChangeOfRow);
  Dialog.skSkinOfficeComboBox2->SetItemIndex(VideoCategory);
  Steps Expected { "Button2" };
  Expected.insert(Expected.end(), FormatChangeOfRow.begin(), FormatChangeOfRow.end());
  EXPECT_EQ(Take(), Expected);
  EXPECT_EQ(Cell(0, JobCell::FormatCode), "1400");

  Trace({ Form5->Button1, Form5->Button2 });
  Form5->FormCreate(nullptr);
  EXPECT_EQ(Take(), Steps { "Button1" });
  Form5->skSkinButton6Click(nullptr);
  EXPECT_EQ(Take(), Steps { "Button2" }) << "确定 writes through the hidden button";
}

}  // namespace
