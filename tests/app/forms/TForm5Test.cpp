// The options dialog: its controls as stored, the [Options] read at creation with its write-backs, OK's
// write, Cancel, and the live-preview box driving the engine.
#include "app/forms/TForm5.h"

#include "platform/base/Exception.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TCustomLabel.h"
#include "platform/ui/toolkit/TPanel.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/form/TskSkinForm.h"
#include "tests/app/forms/DialogFormsFixture.h"
#include "tests/platform/base/RespectFileModes.h"

namespace {

using TForm5Test = DialogFormsTest;

/// The boxes of the dialog that are on, by caption, in the dialog's component order.
std::vector<String> BoxesOn(TForm5* Dialog) {
  std::vector<String> On;
  for (int I = 0; I < Dialog->ComponentCount(); ++I)
    if (auto* Box = dynamic_cast<TskSkinCheckRadioBox*>(Dialog->Components(I)); Box && Box->Checked())
      On.push_back(Box->Caption());
  return On;
}

/// The boxes on as the stored description leaves them, the hidden multi-thread box among them.
const std::vector<String> DefaultsOn { "正常优先级进行", "启用多线程模式   （同时进行转换的视频个数）",
                                       "自动重命名输出文件", "自动打开输出文件夹" };

TEST_F(TForm5Test, EveryControlHasItsStoredPlaceCaptionAndLook) {
  auto* Dialog = Build<TForm5>();
  EXPECT_EQ(Dialog->Caption(), "选项");
  EXPECT_EQ(Dialog->ClientWidth(), 526);
  EXPECT_EQ(Dialog->ClientHeight(), 464);
  EXPECT_EQ(Dialog->BorderStyle(), bsSingle);
  EXPECT_TRUE(Dialog->skSkinForm1->BorderIcons().Empty());
  EXPECT_EQ(Dialog->Position(), poMainFormCenter);

  const TInventoryRow Rows[] = {
    { "skSkinPageControl1", "TskSkinPageControl", "", nullptr, 10, 10, 506, 402 },
    { "skSkinPanel4", "TskSkinPanel", "skSkinTabSheet1", "转换时CPU利用方式", 14, 12, 470, 160 },
    { "skSkinCheckRadioBox9", "TskSkinCheckRadioBox", "skSkinPanel4", "系统空闲时进行", 24, 34, 300, 22 },
    { "skSkinCheckRadioBox10", "TskSkinCheckRadioBox", "skSkinPanel4", "最低优先级进行", 24, 64, 300, 22 },
    { "skSkinCheckRadioBox11", "TskSkinCheckRadioBox", "skSkinPanel4", "较低优先级进行", 24, 94, 300, 22 },
    { "skSkinCheckRadioBox12", "TskSkinCheckRadioBox", "skSkinPanel4", "正常优先级进行", 24, 124, 300, 22 },
    { "skSkinPanel2", "TskSkinPanel", "skSkinTabSheet1", "转换参数", 14, 186, 470, 166 },
    { "skSkinStdLabel1", "TskSkinStdLabel", "skSkinPanel2", "同时进行转换的文件个数", 24, 34, -1, -1 },
    { "skSkinComboBox2", "TskSkinComboBox", "skSkinPanel2", "1", 24, 58, 120, -1 },
    { "skSkinCheckRadioBox7", "TskSkinCheckRadioBox", "skSkinPanel2", "启用多线程模式   （同时进行转换的视频个数）",
      24, 124, 300, 22, false },
    { "skSkinCheckRadioBox8", "TskSkinCheckRadioBox", "skSkinPanel2", "转换时进行实时视频预览", 24, 94, 300, 22 },
    { "skSkinPanel1", "TskSkinPanel", "skSkinTabSheet2", "如果输出文件存在时", 14, 12, 470, 110 },
    { "skSkinCheckRadioBox3", "TskSkinCheckRadioBox", "skSkinPanel1", "直接覆盖输出文件", 24, 34, 300, 22 },
    { "skSkinCheckRadioBox6", "TskSkinCheckRadioBox", "skSkinPanel1", "自动重命名输出文件", 24, 64, 300, 22 },
    { "skSkinPanel3", "TskSkinPanel", "skSkinTabSheet2", "转换工作完成后", 14, 136, 470, 160 },
    { "skSkinCheckRadioBox1", "TskSkinCheckRadioBox", "skSkinPanel3", "自动打开输出文件夹", 24, 34, 300, 22 },
    { "skSkinCheckRadioBox2", "TskSkinCheckRadioBox", "skSkinPanel3", "自动关闭计算机", 24, 64, 300, 22 },
    { "skSkinCheckRadioBox4", "TskSkinCheckRadioBox", "skSkinPanel3", " 播放提示音乐", 24, 94, 300, 22 },
    { "skSkinCheckRadioBox5", "TskSkinCheckRadioBox", "skSkinPanel3", "不进行任何操作", 24, 124, 300, 22 },
    { "skSkinButton6", "TskSkinButton", "", "确定", 346, 424, 80, 27 },
    { "skSkinButton1", "TskSkinButton", "", "取消", 436, 424, 80, 27 },
    { "Panel1", "TPanel", "", nullptr, 540, 10, 100, 64, false },
    { "Button1", "TButton", "Panel1", "读取ini", 8, 8, 84, 22 },
    { "Button2", "TButton", "Panel1", "写ini", 8, 34, 84, 22 },
  };
  ExpectInventory(Dialog, Rows);

  TskSkinPageControl* Pages = Dialog->skSkinPageControl1;
  ASSERT_EQ(Pages->PageCount(), 2);
  EXPECT_EQ(Pages->Pages(0)->Caption(), "CPU");
  EXPECT_EQ(Pages->Pages(1)->Caption(), "常规");
  EXPECT_EQ(Pages->ActivePage(), Dialog->skSkinTabSheet2) << "常规 shows first";
  EXPECT_EQ(Pages->SkinDataName(), "tab");

  for (const char* Name : { "skSkinCheckRadioBox9", "skSkinCheckRadioBox10", "skSkinCheckRadioBox11",
                            "skSkinCheckRadioBox12", "skSkinCheckRadioBox3", "skSkinCheckRadioBox6",
                            "skSkinCheckRadioBox1", "skSkinCheckRadioBox2", "skSkinCheckRadioBox4",
                            "skSkinCheckRadioBox5" }) {
    SCOPED_TRACE(Name);
    auto* Radio = static_cast<TskSkinCheckRadioBox*>(Dialog->FindComponent(Name));
    EXPECT_TRUE(Radio->Radio());
    EXPECT_EQ(Radio->GroupIndex(), 1);
    EXPECT_EQ(Radio->SkinDataName(), "radiobox");
    EXPECT_EQ(Radio->SkinData(), MainWindow().skSkinData2);
  }
  EXPECT_FALSE(Dialog->skSkinCheckRadioBox8->Radio());
  EXPECT_EQ(Dialog->skSkinForm1->SkinData(), MainWindow().skSkinData1);
  EXPECT_EQ(Dialog->skSkinPanel4->SkinDataName(), "groupbox");

  TskSkinComboBox* Threads = Dialog->skSkinComboBox2;
  EXPECT_EQ(Threads->Style(), skcbFixedStyle);
  EXPECT_EQ(Threads->DropDownCount(), 8);
  ASSERT_EQ(Threads->Items()->Count(), 19);
  EXPECT_EQ(Threads->Items()->Strings(0), "1");
  EXPECT_EQ(Threads->Items()->Strings(18), "19");
}

// First start: after the main window's two keys the read writes its five in its own order with their
// defaults, and the dialog shows the defaults; the live preview is switched off once, by the read, and by
// nothing while the dialog was built.
TEST_F(TForm5Test, FirstStartWritesTheFiveOptionKeysInReadOrderAndShowsTheDefaults) {
  auto* Dialog = Build<TForm5>();
  EXPECT_EQ(GetIni(), "[OutPath]\nOutPath=" + OutputFolder() + "\n[Skin]\nSetSkin=0\n" +
                          "[Options]\nThread_Count=0\nAfter_Done=0\nThread_Priority=3\nOverwrite_File=1\nShow_Preview=0\n");
  EXPECT_EQ(BoxesOn(Dialog), DefaultsOn);
  EXPECT_EQ(Dialog->skSkinComboBox2->Text(), "1");
  EXPECT_EQ(Engine.PreviewCalls, std::vector<bool> { false });
}

// Each stored value reaches its controls; a missing or invalid one is written back as its default and the
// controls show the default. Thread_Count is never rewritten: a saved count selects its item, any other
// text leaves "1".
TEST_F(TForm5Test, StoredValuesReachTheControlsAndInvalidOnesAreWrittenBack) {
  struct Case {
    const char* Stored;  // the [Options] lines of the file
    const char* Written;
    std::vector<String> On;
    const char* Threads;
  };
  const Case Cases[] = {
    { "After_Done=\nThread_Priority=4\nOverwrite_File=2\nShow_Preview=yes\nThread_Count=7\n",
      "After_Done=0\nThread_Priority=3\nOverwrite_File=1\nShow_Preview=0\nThread_Count=7\n", DefaultsOn, "7" },
    { "After_Done=5\nThread_Priority=0\nOverwrite_File=0\nShow_Preview=0\nThread_Count=abc\n",
      "After_Done=0\nThread_Priority=0\nOverwrite_File=0\nShow_Preview=0\nThread_Count=abc\n",
      { "系统空闲时进行", "启用多线程模式   （同时进行转换的视频个数）", "直接覆盖输出文件", "自动打开输出文件夹" }, "1" },
    { "After_Done=2\nThread_Priority=1\nOverwrite_File=1\nShow_Preview=0\nThread_Count=19\n",
      "After_Done=2\nThread_Priority=1\nOverwrite_File=1\nShow_Preview=0\nThread_Count=19\n",
      { "最低优先级进行", "启用多线程模式   （同时进行转换的视频个数）", "自动重命名输出文件", " 播放提示音乐" }, "19" },
    { "after_done=3\nTHREAD_PRIORITY=2\nOverwrite_File=1\nShow_Preview=0\nThread_Count=0\n",
      "after_done=3\nTHREAD_PRIORITY=2\nOverwrite_File=1\nShow_Preview=0\nThread_Count=0\n",
      { "较低优先级进行", "启用多线程模式   （同时进行转换的视频个数）", "自动重命名输出文件", "不进行任何操作" }, "1" },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Stored);
    PutIni(String("[options]\n") + C.Stored);
    auto* Dialog = Build<TForm5>();
    EXPECT_EQ(OptionsSection(), String("[options]\n") + C.Written);
    EXPECT_EQ(BoxesOn(Dialog), C.On);
    EXPECT_EQ(Dialog->skSkinComboBox2->Text(), C.Threads);
    delete Dialog;
  }
}

// A stored "1" switches the engine's live preview on while the dialog is made, before anything is shown;
// building the dialog clicks nothing on the way.
TEST_F(TForm5Test, StoredLivePreviewSwitchesTheEnginePreviewOnAtCreation) {
  PutIni("[Options]\nShow_Preview=1\n");
  auto* Dialog = Build<TForm5>();
  EXPECT_TRUE(Dialog->skSkinCheckRadioBox8->Checked());
  EXPECT_EQ(Engine.PreviewCalls, std::vector<bool> { true });
  EXPECT_FALSE(Dialog->Visible());
}

// A settings file the user may not write: the toolkit's error is shown, the read ends at the first refused
// write-back, and the dialog is made all the same with its stored choices.
TEST_F(TForm5Test, AnUnwritableSettingsFileShowsTheErrorAndTheDialogIsStillMade) {
  MainWindow();
  PutIni("[Options]\nAfter_Done=2\n");
  std::filesystem::permissions(Ini(), std::filesystem::perms(0444));
  std::vector<String> Shown;
  Later([&] {
    TCustomForm* Box = Screen->ActiveForm();
    for (int I = 0; I < Box->ControlCount(); ++I)
      if (auto* Label = dynamic_cast<TCustomLabel*>(Box->Controls(I))) Shown.push_back(Label->Caption());
    Box->SetModalResult(IDOK);
  });
  TForm5* Dialog = nullptr;
  {
    TRespectFileModes Respect;
    Dialog = Build<TForm5>();
  }
  EXPECT_EQ(Shown, std::vector<String> { "Unable to write to " + Ini() });
  ASSERT_NE(Dialog, nullptr);
  EXPECT_EQ(BoxesOn(Dialog), DefaultsOn) << "the read ended at Thread_Count, before After_Done";
  EXPECT_EQ(GetIni(), "[Options]\nAfter_Done=2\n");
  EXPECT_TRUE(Engine.PreviewCalls.empty());
}

// OK writes the five keys from the controls in the write's own order, one file for all; Cancel writes
// nothing and keeps the changed controls in force.
TEST_F(TForm5Test, OkWritesTheFiveKeysInWriteOrderAndCancelKeepsTheFile) {
  auto* Dialog = Build<TForm5>();
  const String Before = GetIni();
  Dialog->skSkinComboBox2->SetItemIndex(3);
  Dialog->skSkinCheckRadioBox2->SetChecked(true);
  Later([&] { ClickOn(Dialog->skSkinButton1); });
  Dialog->ShowModal();
  EXPECT_FALSE(Dialog->Visible());
  EXPECT_EQ(GetIni(), Before) << "取消 writes nothing";
  EXPECT_TRUE(Dialog->skSkinCheckRadioBox2->Checked()) << "and restores nothing";
  EXPECT_FALSE(Dialog->skSkinCheckRadioBox1->Checked());

  std::filesystem::remove(Ini());
  Dialog->skSkinCheckRadioBox9->SetChecked(true);
  Later([&] { ClickOn(Dialog->skSkinButton6); });
  Dialog->ShowModal();
  EXPECT_FALSE(Dialog->Visible());
  EXPECT_EQ(GetIni(),
            "[Options]\nThread_Count=4\nAfter_Done=1\nShow_Preview=0\nThread_Priority=0\nOverwrite_File=1\n");
}

// A group with no radio on writes nothing for its key; a refused write leaves the dialog open with the keys
// before it written.
TEST_F(TForm5Test, WriteSkipsAnEmptyGroupAndARefusedWriteKeepsTheDialogOpen) {
  auto* Dialog = Build<TForm5>();
  std::filesystem::remove(Ini());
  Dialog->skSkinCheckRadioBox1->SetChecked(false);
  Dialog->Button2->Click();
  EXPECT_EQ(GetIni(), "[Options]\nThread_Count=1\nShow_Preview=0\nThread_Priority=3\nOverwrite_File=1\n");

  std::filesystem::permissions(Ini(), std::filesystem::perms(0444));
  Dialog->Show();
  TRespectFileModes Respect;
  EXPECT_THROW(Dialog->skSkinButton6Click(Dialog->skSkinButton6), EIniFileException);
  EXPECT_TRUE(Dialog->Visible()) << "the error leaves the dialog open";
}

// The live-preview box acts at once, without OK; the priority radios exclude each other only.
TEST_F(TForm5Test, LivePreviewBoxSwitchesTheEngineAtOnceAndRadiosExcludeOnlyTheirGroup) {
  auto* Dialog = Build<TForm5>();
  Engine.PreviewCalls.clear();
  Dialog->skSkinPageControl1->SetActivePage(Dialog->skSkinTabSheet1);
  Later([&] {
    ClickOn(Dialog->skSkinCheckRadioBox8);
    ClickOn(Dialog->skSkinCheckRadioBox9);
    ClickOn(Dialog->skSkinButton1);
  });
  Dialog->ShowModal();
  EXPECT_EQ(Engine.PreviewCalls, std::vector<bool> { true });
  EXPECT_EQ(BoxesOn(Dialog), (std::vector<String> { "系统空闲时进行", "转换时进行实时视频预览",
                                                    "启用多线程模式   （同时进行转换的视频个数）",
                                                    "自动重命名输出文件", "自动打开输出文件夹" }));
  EXPECT_EQ(Dialog->skSkinPageControl1->ActivePage(), Dialog->skSkinTabSheet1) << "the page shown last stays";
}

}  // namespace
