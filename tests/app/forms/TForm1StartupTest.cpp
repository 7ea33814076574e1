// The main window's start-up in its eight independent steps and its shut-down.
#include "engine/player/FFPlay.h"
#include "platform/ui/toolkit/TComboBox.h"
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/toolkit/TCustomLabel.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/boxctrls/TskSkinOfficeItems.h"
#include "skin/core/TskSkinData.h"
#include "skin/dialogs/TskSkinOpenDialog.h"
#include "skin/dialogs/TskSkinSavePictureDialog.h"
#include "tests/app/forms/TForm1Testing.h"
#include "tests/platform/base/RespectFileModes.h"

namespace {

/// What the window's format and preset combos show.
struct TFormatChoice {
  std::vector<String> Formats;
  String Selected;
  std::vector<int> PresetCounts;  // combos 1, 2, 3, 4, 9, 10
};

TFormatChoice ChoiceOf(TForm1& Form) {
  TFormatChoice Choice;
  TskSkinOfficeComboBox* Formats = Form.skSkinOfficeComboBox1;
  for (int i = 0; i < Formats->Items()->Count(); ++i) Choice.Formats.push_back(Formats->Items()->Items(i)->Caption());
  if (Formats->ItemIndex() >= 0 && Formats->ItemIndex() < Formats->Items()->Count())
    Choice.Selected = Formats->Items()->Items(Formats->ItemIndex())->Caption();
  for (TskSkinComboBox* Combo : { Form.skSkinComboBox1, Form.skSkinComboBox2, Form.skSkinComboBox3,
                                  Form.skSkinComboBox4, Form.skSkinComboBox9, Form.skSkinComboBox10 })
    Choice.PresetCounts.push_back(Combo->Items()->Count());
  return Choice;
}

const std::vector<String> WmvFormats = {
  "WMV标准视频(*.wmv)",   "HD高清WMV视频(*.wmv)",  "网络上常用的WMV视频(*.wmv)", "电脑上常用的WMV标准视频(*.wmv)",
  "优化的WMV视频(*.wmv)", "高压缩的WMV视频(*.wmv)", "高清的HD WMV视频(*.wmv)",
};

/// The text of the plain message box Box.
String BoxText(TCustomForm* Box) {
  for (int i = 0; i < Box->ControlCount(); ++i)
    if (auto* Label = dynamic_cast<TCustomLabel*>(Box->Controls(i))) return Label->Caption();
  return {};
}

TEST_F(TForm1Test, FirstStartWritesTheFolderAndSkinKeysCreatesTheFolderAndShowsTheWmvFormats) {
  TForm1* Form = Start();
  EXPECT_EQ(GetIni(), "[OutPath]\nOutPath=" + OutputFolder() + "\n[Skin]\nSetSkin=0\n");
  EXPECT_TRUE(DirectoryExists(OutputFolder()));
  EXPECT_EQ(Form->FileOutPutPath, OutputFolder());
  EXPECT_EQ(Form->Video_OutPut_Folder_Edit->Text(), OutputFolder());
  EXPECT_FALSE(Form->skSkinData1->Empty) << "SetSkin 0 loads the stored skin into the first model";
  EXPECT_EQ(Form->skSkinOfficeComboBox2->ItemIndex(), 0);
  const TFormatChoice Choice = ChoiceOf(*Form);
  EXPECT_EQ(Choice.Formats, WmvFormats);
  EXPECT_EQ(Choice.Selected, "WMV标准视频(*.wmv)");
  for (int Count : Choice.PresetCounts) EXPECT_GT(Count, 0);
  for (int k : { 0, 250, 500 }) EXPECT_EQ(Form->JobSlots.State(k), TSlotState::kong);
  EXPECT_EQ(Form->skSkinSlider1_down_UP, "UP");
  EXPECT_EQ(Form->SavePictureDialog1->Filter(), "Bitmaps (*.bmp)|*.bmp|JPEG Image File |*.jpg;*.jpeg");
  EXPECT_EQ(Form->SavePictureDialog1->FilterIndex(), 1);
  EXPECT_TRUE(Form->SavePictureDialog1->OverwritePromt());
  EXPECT_TRUE(Converter.Calls.empty()) << "start-up leaves the engine alone";
}

// Steps 5 to 8 run whatever the skin value holds; letters end the skin step without a message.
TEST_F(TForm1Test, ASkinValueOfLettersLeavesTheFirstModelWithoutSkinAndTheOtherStepsRun) {
  PutIni("[OutPath]\nOutPath=" + OutputFolder() + "\n[Skin]\nSetSkin=abc\n");
  int Boxes = 0;
  SetDefaultModalResponder([&](TCustomForm* Box) {
    ++Boxes;
    Box->SetModalResult(IDOK);
  });
  TForm1* Form = Start();
  EXPECT_EQ(Boxes, 0);
  EXPECT_TRUE(Form->skSkinData1->Empty);
  EXPECT_FALSE(Form->skSkinData2->Empty) << "the second model loads its skin while the window is loaded";
  const TFormatChoice Choice = ChoiceOf(*Form);
  EXPECT_EQ(Choice.Formats, WmvFormats);
  EXPECT_EQ(Choice.Selected, "WMV标准视频(*.wmv)");
  for (int Count : Choice.PresetCounts) EXPECT_GT(Count, 0);
  EXPECT_EQ(Form->cboScreens->ItemIndex(), 0);
  EXPECT_EQ(Form->skSkinSlider1_down_UP, "UP");
  EXPECT_EQ(GetIni(), "[OutPath]\nOutPath=" + OutputFolder() + "\n[Skin]\nSetSkin=abc\n") << "nothing written back";
}

// Only stored skin 0 exists: any other index leaves the first model unskinned; the second is always skinned.
TEST_F(TForm1Test, TheSkinIndexDecidesWhetherTheFirstModelHoldsTheStoredSkin) {
  for (auto [Value, Skinned] : { std::pair { "0", true }, std::pair { "1", false }, std::pair { "-1", false } }) {
    SCOPED_TRACE(Value);
    PutIni(String("[Skin]\nSetSkin=") + Value + "\n");
    TForm1* Form = Start();
    EXPECT_EQ(!Form->skSkinData1->Empty, Skinned);
    EXPECT_FALSE(Form->skSkinData2->Empty);
    delete Form;
  }
}

// A refused write of option.ini is shown by the application and ends only its own step.
TEST_F(TForm1Test, AnUnwritableSettingsFileShowsTheErrorAndStartUpGoesOn) {
  PutIni("; kept\n");
  std::filesystem::permissions(Ini(), std::filesystem::perms(0444));
  TRespectFileModes AsAnyUser;
  std::vector<String> Shown;
  SetDefaultModalResponder([&](TCustomForm* Box) {
    Shown.push_back(BoxText(Box));
    Box->SetModalResult(IDOK);
  });
  TForm1* Form = Start();
  const String Refused = "Unable to write to " + Ini();
  EXPECT_EQ(Shown, (std::vector<String> { Refused, Refused })) << "the output folder step and the skin step";
  EXPECT_EQ(GetIni(), "; kept\n");
  EXPECT_EQ(ChoiceOf(*Form).Selected, "WMV标准视频(*.wmv)");
  EXPECT_EQ(Form->cboScreens->ItemIndex(), 0);
  EXPECT_EQ(Form->skSkinSlider1_down_UP, "UP");
  EXPECT_NE(Form->OpenDialog1->Filter(), "All files|*.*") << "the filter step ran";
}

TEST_F(TForm1Test, TheScreenListNamesPanel6ThenTheDirectWindowedChildrenInTabOrder) {
  TForm1* Form = Start();
  const std::vector<String> Expected = {
    "Panel6",       "skSkinMainMenuBar1", "ToolBarPanel", "skSkinPanel1", "skSkinPanel5", "skSkinButton21",
    "skSkinButton3", "skSkinButton4",     "skSkinPanel3", "Panel6",       "skSkinPanel2", "Panel1",
    "Panel3",       "Panel4",             "Panel5",       "skSkinPanel4",
  };
  std::vector<String> Names;
  for (int i = 0; i < Form->cboScreens->Items()->Count(); ++i) Names.push_back(Form->cboScreens->Items()->Strings(i));
  EXPECT_EQ(Names, Expected);
  EXPECT_EQ(Form->cboScreens->ItemIndex(), 0);
  EXPECT_EQ(Form->FindControlByName("Panel6"), Form->Panel6);
  EXPECT_EQ(Form->FindControlByName("panel6"), nullptr) << "names compare case-sensitively";
  EXPECT_EQ(Form->FindControlByName("lvFiles"), nullptr) << "only direct children count";
}

TEST_F(TForm1Test, BothOpenDialogsGetTheFilterOf42PairsStartingWithAllFiles) {
  TForm1* Form = Start();
  const String Filter = Form->OpenDialog1->Filter();
  EXPECT_EQ(Form->OpenDialog2->Filter(), Filter);
  std::vector<String> Pieces;
  for (size_t From = 0, Bar; (Bar = Filter.find('|', From)) != String::npos; From = Bar + 1)
    Pieces.push_back(Filter.substr(From, Bar - From));
  ASSERT_EQ(Pieces.size(), 84u);
  EXPECT_EQ(Filter.back(), '|');
  EXPECT_EQ(Pieces[0], "所有文件格式 (*.*)");
  EXPECT_EQ(Pieces[1], "*.*");
  EXPECT_EQ(Pieces[74], "Flac无损压缩音频格式\u3000(*.flac)") << "an ideographic space before the parenthesis";
  EXPECT_EQ(Pieces[83], "*.aif; *.aiff");
  EXPECT_EQ(Form->OpenDialog1->FilterIndex(), 1);
}

// Closing detaches the engine's and the player's reporting events before the engine is stopped, waiting.
TEST_F(TForm1Test, ClosingDetachesTheEventsThenStopsTheEngineWaiting) {
  TForm1* Form = Start();
  ASSERT_TRUE(Converter.OnProgress && Converter.OnTerminate) << "bound while the window is built";
  Form->Close();
  EXPECT_EQ(Converter.Calls, (std::vector<String> { "Stop(True)" }));
  EXPECT_FALSE(Converter.OnProgress || Converter.OnTerminate || Converter.OnCustomHook);
  EXPECT_FALSE(Form->FFPlayer->OnPosition || Form->FFPlayer->OnState || Form->FFPlayer->OnHook);
  EXPECT_TRUE(Form->FFPlayer->OnFileOpen) << "the file-open event stays";
  EXPECT_FALSE(Form->FFLogger->OnLog);
}

}  // namespace
