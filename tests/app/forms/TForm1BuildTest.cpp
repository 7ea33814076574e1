// The main window as it is built: its components with their stored values, the layout, the job list's
// columns, the loading state, and a picture of the window.
#include "platform/gdi/FontFace.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/toolkit/TCheckBox.h"
#include "platform/ui/toolkit/TImage.h"
#include "platform/ui/toolkit/TLabel.h"
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/toolkit/TTrackBar.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSlider.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "platform/ui/toolkit/TListColumn.h"
#include "platform/ui/toolkit/TListColumns.h"
#include "platform/ui/toolkit/TMemo.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TComboBox.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/boxctrls/TskSkinOfficeItems.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskPngImageList.h"
#include "skin/core/TskCompressedSkinList.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/TskSkinListItems.h"
#include "skin/dialogs/TskSelectSkinDialog.h"
#include "skin/dialogs/TskSkinOpenDialog.h"
#include "tests/app/forms/TForm1Testing.h"

namespace {

/// A component's name, class, caption and, for controls and menu items, enabled and visible states.
struct TInventoryRow {
  const char* Name;
  const char* Class;
  const char* Caption;  // null: the component shows none
  bool Enabled;
  bool Visible;
};

String CaptionOf(TComponent* Component) {
  if (auto* Item = dynamic_cast<TMenuItem*>(Component)) return Item->Caption();
  if (auto* Control = dynamic_cast<TControl*>(Component)) return Control->Caption();
  return {};
}

TEST_F(TForm1Test, EveryNamedComponentHasItsClassCaptionAndStartState) {
  const TInventoryRow Rows[] = {
    { "skSkinMainMenuBar1", "TskSkinMainMenuBar", nullptr, true, true },
    { "Item11", "TMenuItem", "文件", true, true },
    { "Item111", "TMenuItem", "添加一个文件", true, true },
    { "Item121", "TMenuItem", "添加多个文件", true, true },
    { "N21", "TMenuItem", "添加整个目录", true, true },
    { "N3", "TMenuItem", "-", true, true },
    { "N4", "TMenuItem", "退出", true, true },
    { "N6", "TMenuItem", "编辑", true, true },
    { "N111", "TMenuItem", "上移文件", true, true },
    { "N2221", "TMenuItem", "下移文件", true, true },
    { "N13", "TMenuItem", "删除选择", false, true },
    { "N14", "TMenuItem", "清空文件", false, true },
    { "N26", "TMenuItem", "重新命名", false, true },
    { "N1", "TMenuItem", "动作", true, true },
    { "N7", "TMenuItem", "开始转换", false, true },
    { "N8", "TMenuItem", "停止转换", false, true },
    { "N10", "TMenuItem", "暂停转换", false, true },
    { "N11", "TMenuItem", "继续继续", false, true },
    { "N24", "TMenuItem", "转换选项", true, true },
    { "N2", "TMenuItem", "帮助", true, true },
    { "N15", "TMenuItem", "帮助系统", true, true },
    { "N19", "TMenuItem", "官方网站", true, true },
    { "EMAIL1", "TMenuItem", "联系邮箱", true, true },
    { "N5", "TMenuItem", "关于软件", true, true },
    { "N11111", "TMenuItem", "添加一个文件", true, true },
    { "N2222", "TMenuItem", "添加多个文件", true, true },
    { "N3331", "TMenuItem", "添加整个目录", true, true },
    { "MenuItem1", "TMenuItem", "打开快照目录", true, true },
    { "MenuItem2", "TMenuItem", "设置快照目录", true, true },
    { "N27", "TMenuItem", "快照保存类型", true, true },
    { "BMP1", "TMenuItem", "BMP文件", true, true },
    { "PNG1", "TMenuItem", "PNG文件", true, true },
    { "skSkinMenuSpeedButton1", "TskSkinMenuSpeedButton", "添加", true, true },
    { "skSkinButton7", "TskSkinButton", "删除", false, true },
    { "skSkinButton8", "TskSkinButton", "清空", false, true },
    { "skSkinButton19", "TskSkinButton", "选项", true, true },
    { "skSkinButton2", "TskSkinButton", "开始", false, true },
    { "skSkinButton10", "TskSkinButton", "停止", false, true },
    { "skSkinButton11", "TskSkinButton", "暂停", false, true },
    { "skSkinButton12", "TskSkinButton", "继续", false, true },
    { "skSkinButton21", "TskSkinButton", "", false, true },
    { "skSkinButton3", "TskSkinButton", "▲", true, true },
    { "lvFiles", "TskSkinListView", nullptr, true, true },
    { "skSkinPanel5", "TskSkinPanel", "", true, true },
    { "skSkinPanel3", "TskSkinPanel", "视频预览", true, true },
    { "Panel6", "TPanel", "", true, true },
    { "Image18", "TImage", nullptr, true, true },
    { "skSkinSlider1", "TskSkinSlider", nullptr, true, true },
    { "skSkinButton16", "TskSkinButton", "", true, true },
    { "skSkinButton20", "TskSkinButton", "", true, false },
    { "skSkinOfficeComboBox2", "TskSkinOfficeComboBox", nullptr, true, true },
    { "skSkinOfficeComboBox1", "TskSkinOfficeComboBox", nullptr, true, true },
    { "skSkinButton24", "TskSkinButton", "设置...", true, true },
    { "Video_OutPut_Folder_Edit", "TskSkinEdit", nullptr, true, true },
    { "skSkinButton5", "TskSkinButton", "浏览...", true, true },
    { "skSkinButton6", "TskSkinButton", "打开", true, true },
    { "skSkinPanel4", "TskSkinPanel", "预置选项", true, true },
    { "skSkinComboBox10", "TskSkinComboBox", nullptr, true, true },
    { "btnAdd", "TButton", "Open添加一个文件", true, true },
    { "btnStart", "TButton", "Start", false, true },
    { "btnResume", "TButton", "Resume", false, true },
    { "button28", "TButton", "新添加", true, true },
    { "Button2", "TButton", "添加combox", true, true },
    { "Button13", "TButton", "确认预置选项数据", true, true },
    { "Button19", "TButton", "Button19", true, false },
    { "Button29", "TButton", " 播放提示音", true, true },
    { "Button31", "TButton", "打开播放视频", true, true },
    { "chkPreview", "TCheckBox", "Preview", true, true },
    { "edt", "TEdit", "", true, false },
    { "mmoLog", "TMemo", "", true, true },
    { "btnCapture", "TButton", "Capture", true, true },
    { "skSkinData1", "TskSkinData", nullptr, true, true },
    { "skCompressedSkinList2", "TskCompressedSkinList", nullptr, true, true },
    { "skResourceStrData1", "TskResourceStrData", nullptr, true, true },
    { "skSkinForm1", "TskSkinForm", nullptr, true, true },
    { "skSkinMessage1", "TskSkinMessage", nullptr, true, true },
    { "skSelectSkinDialog1", "TskSelectSkinDialog", nullptr, true, true },
    { "skPngImageList8", "TskPngImageList", nullptr, true, true },
    { "OpenDialog2", "TskSkinOpenDialog", nullptr, true, true },
    { "skSkinSelectDirectoryDialog2", "TskSkinSelectDirectoryDialog", nullptr, true, true },
    { "FFPlayer", "TFFPlayer", nullptr, true, true },
    { "FFLogger", "TFFLogger", nullptr, true, true },
  };
  TForm1* Form = Start();
  EXPECT_EQ(Form->Caption(), "ZorvikWMV格式转换器");
  for (const TInventoryRow& Row : Rows) {
    SCOPED_TRACE(Row.Name);
    TComponent* Component = Form->FindComponent(Row.Name);
    ASSERT_NE(Component, nullptr);
    EXPECT_EQ(Component->ClassName(), Row.Class);
    if (Row.Caption) {
      EXPECT_EQ(CaptionOf(Component), Row.Caption);
    }
    if (auto* Item = dynamic_cast<TMenuItem*>(Component)) {
      EXPECT_EQ(Item->Enabled(), Row.Enabled);
      EXPECT_EQ(Item->Visible(), Row.Visible);
    } else if (auto* Control = dynamic_cast<TControl*>(Component)) {
      EXPECT_EQ(Control->Enabled(), Row.Enabled);
      EXPECT_EQ(Control->Visible(), Row.Visible);
    }
  }
  EXPECT_TRUE(Form->BMP1->Checked() && Form->BMP1->RadioItem());
  EXPECT_FALSE(Form->PNG1->Checked());
  EXPECT_EQ(Form->N15->ShortCut(), ShortCut(VK_F1, {}));
  EXPECT_EQ(Form->skSkinOfficeComboBox2->Items()->Count(), 15);
  EXPECT_TRUE(Form->chkOpenPaused->Checked());
  EXPECT_FALSE(Form->chkStayOnTop->Checked());
  EXPECT_EQ(Form->TrackBar2->Position(), 128);
  EXPECT_EQ(Form->Label2->Caption(), "N/A");
  EXPECT_EQ(Form->cboVideoDriver->Text(), "Default");
  EXPECT_EQ(Form->mmoLog->Lines()->Count(), 0);
}

// Both skin lists hold the product skin and the skin dialog offers the first; the string table holds every
// text of the skin library's own table; each picture list holds its pictures at their size.
TEST_F(TForm1Test, TheStoredSkinsStringTableAndPictureListsAreFilled) {
  TForm1* Form = Start();
  for (TskCompressedSkinList* List : { Form->skCompressedSkinList1, Form->skCompressedSkinList2 })
    EXPECT_EQ(List->Skins()->Count(), 1);
  EXPECT_EQ(Form->skSelectSkinDialog1->SkinList(), Form->skCompressedSkinList1) << "offers the first model's skins";
  EXPECT_EQ(Form->skSelectSkinDialog1->Title(), "Select skin");
  EXPECT_EQ(Form->skSkinData1->ResourceStrData(), Form->skResourceStrData1);
  EXPECT_EQ(Form->skSkinData2->ResourceStrData(), Form->skResourceStrData1);
  TskResourceStrData Defaults(nullptr);
  EXPECT_EQ(Form->skResourceStrData1->ResStrings()->Text(), Defaults.ResStrings()->Text());
  EXPECT_NE(Form->skResourceStrData1->GetResStr("MI_CLOSECAPTION"), "");
  const std::tuple<TskPngImageList*, int, int> Lists[] = {
    { Form->skPngImageList1, 4, 32 }, { Form->skPngImageList2, 7, 16 },  { Form->skPngImageList3, 3, 32 },
    { Form->skPngImageList4, 1, 16 }, { Form->skPngImageList5, 24, 36 }, { Form->skPngImageList7, 1, 32 },
    { Form->skPngImageList8, 3, 32 },
  };
  for (const auto& [List, Count, Size] : Lists) {
    SCOPED_TRACE(List->Name());
    EXPECT_EQ(List->Count(), Count);
    EXPECT_EQ(List->Width(), Size);
    EXPECT_EQ(List->Height(), Size);
  }
}

TEST_F(TForm1Test, TheListButtonsHintAtWhatTheyDo) {
  TForm1* Form = Start();
  const std::pair<TControl*, const char*> Hints[] = {
    { Form->skSkinButton21, "重命名" }, { Form->skSkinButton3, "上移" }, { Form->skSkinButton4, "下移" } };
  for (const auto& [Button, Hint] : Hints) {
    EXPECT_EQ(Button->Hint(), Hint) << Button->Name();
    EXPECT_TRUE(Button->ShowHint()) << Button->Name();
  }
}

// Client places of the visible controls; the off-screen panels start past the client width.
TEST_F(TForm1Test, TheWindowIsLaidOutOnAnUnresizableClientOf830By466) {
  TForm1* Form = Start();
  EXPECT_EQ(Form->ClientWidth(), 830);
  EXPECT_EQ(Form->ClientHeight(), 466);
  EXPECT_EQ(Form->BorderStyle(), bsSingle);
  const std::pair<TControl*, TRect> Places[] = {
    { Form->skSkinMainMenuBar1, { 0, 0, 830, 22 } },
    { Form->skSkinPanel1, { 8, 99, 576, 324 } },
    { Form->lvFiles, { 0, 0, 568, 225 } },
    { Form->skSkinPanel5, { 8, 99, 576, 324 } },
    { Form->skSkinPanel3, { 584, 99, 810, 360 } },
    { Form->Panel6, { 591, 131, 801, 266 } },
    { Form->Image18, { 67, 33, 151, 120 } },
    { Form->skSkinSlider1, { 3, 173, 221, 204 } },
    { Form->skSkinButton13, { 8, 204, 38, 234 } },
    { Form->skSkinButton23, { 187, 204, 217, 234 } },
    { Form->skSkinButton16, { 115, 204, 145, 234 } },
    { Form->skSkinButton20, { 115, 204, 145, 234 } },
    { Form->skSkinButton11, { 758, 4, 822, 68 } },
    { Form->skSkinButton12, { 758, 4, 822, 68 } },
    { Form->skSkinPanel2, { 8, 366, 810, 458 } },
    { Form->skSkinButton5, { 508, 58, 583, 83 } },
  };
  for (const auto& [Control, Place] : Places) {
    SCOPED_TRACE(Control->Name());
    EXPECT_EQ(Control->BoundsRect(), Place);
  }
  for (TControl* Hidden : std::initializer_list<TControl*> { Form->Panel1, Form->Panel3, Form->Panel4, Form->Panel5,
                                                             Form->skSkinPanel4 })
    EXPECT_GE(Hidden->Left(), 830) << Hidden->Name();
}

TEST_F(TForm1Test, TheJobListHas25ColumnsOfWhichSevenShow) {
  TForm1* Form = Start();
  TListColumns* Columns = Form->lvFiles->Columns();
  ASSERT_EQ(Columns->Count(), 25);
  const std::pair<const char*, int> Shown[] = { { "输入文件", 80 }, { "视频时间", 70 }, { "文件大小", 70 },
                                                { "输出文件", 80 }, { "转换进度", 70 } };
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Columns->Items(i)->Caption(), Shown[i].first);
    EXPECT_EQ(Columns->Items(i)->Width(), Shown[i].second);
  }
  EXPECT_EQ(Columns->Items(6)->Caption(), "当前时间");
  EXPECT_EQ(Columns->Items(7)->Caption(), "转换大小");
  int Visible = 0;
  for (int i = 0; i < Columns->Count(); ++i)
    if (Columns->Items(i)->Width() > 0) ++Visible;
    else EXPECT_EQ(Columns->Items(i)->MaxWidth(), 1) << i;
  EXPECT_EQ(Visible, 7);
  EXPECT_EQ(Columns->Items(24)->Caption(), "NormType");
  EXPECT_EQ(Form->lvFiles->ViewStyle(), vsReport);
  EXPECT_TRUE(Form->lvFiles->RowSelect());
  EXPECT_EQ(Form->lvFiles->Items()->Count(), 0);
}

/// The main window seen just before its OnCreate runs, when loading is over.
class TForm1BeforeCreate : public TForm1 {
public:
  using TForm1::TForm1;

  struct TSeen {
    int Formats { -1 };
    int Presets { -1 };
    bool FirstModelSkinned { true };
    bool SecondModelSkinned { false };
    bool IniExists { true };
    String Filter;
    int Screens { -1 };
    String SliderFlag { "?" };
    size_t EngineCalls { 1 };
  };
  TSeen Seen;
  const TRecordingConverter* Engine { nullptr };

protected:
  void DoCreate() override {
    Seen = { skSkinOfficeComboBox1->Items()->Count(),
             skSkinComboBox1->Items()->Count() + skSkinComboBox10->Items()->Count(),
             !skSkinData1->Empty,
             !skSkinData2->Empty,
             FileExists(ExePath() + "option.ini"),
             OpenDialog1->Filter(),
             cboScreens->Items()->Count(),
             skSkinSlider1_down_UP,
             static_cast<TRecordingConverter*>(FFConverter)->Calls.size() };
    TForm1::DoCreate();
  }
};

// Loading runs no handler: the combos, the settings file, the dialogs and the flag wait for FormCreate.
// The first model has no skin yet (its stored index 1 meets a one-skin list); the second has its skin.
TEST_F(TForm1Test, NoHandlerRunsWhileTheWindowLoadsAndOnlyTheSecondModelHasItsSkin) {
  TForm1BeforeCreate* Form = Start<TForm1BeforeCreate>();
  const TForm1BeforeCreate::TSeen& Seen = Form->Seen;
  EXPECT_EQ(Seen.Formats, 0);
  EXPECT_EQ(Seen.Presets, 0);
  EXPECT_FALSE(Seen.FirstModelSkinned);
  EXPECT_TRUE(Seen.SecondModelSkinned);
  EXPECT_FALSE(Seen.IniExists);
  EXPECT_EQ(Seen.Filter, "All files|*.*");
  EXPECT_EQ(Seen.Screens, 0);
  EXPECT_EQ(Seen.SliderFlag, "");
  EXPECT_EQ(Seen.EngineCalls, 0u);
  EXPECT_EQ(Form->skSkinData1->SkinIndex(), 0) << "the skin step set index 0 afterwards";
  EXPECT_FALSE(Form->skSkinData1->Empty);
}

// A picture of the window with the installed fonts, for a person to look at: Chinese captions whole,
// the layout of the proposal, nothing overlapping.
TEST_F(TForm1Test, APictureOfTheWindowIsWritten) {
  UseTestFontFace(false);
  TForm1* Form = Start();
  Form->Show();
  Display->PumpUntilIdle();
  const String Picture = testing::TempDir() + "form1-main-window.png";
  Display->SaveScreenPng(Picture);
  EXPECT_TRUE(FileExists(Picture));
  std::cout << "main window picture: " << Picture << "\n";
}

}  // namespace
