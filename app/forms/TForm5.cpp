#include "app/forms/TForm5.h"

#include <utility>
#include <vector>

#include "app/engine/IFFConverter.h"
#include "app/forms/TForm1.h"
#include "app/settings/OptionFile.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TPanel.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinPageControl.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/form/TskSkinForm.h"

TForm5* Form5 = nullptr;

namespace {

// Rows of radio and check boxes inside a group box.
constexpr int BoxLeft = 24;
constexpr int FirstBoxTop = 34;
constexpr int BoxPitch = 30;
constexpr int BoxWidth = 300;
constexpr int BoxHeight = 22;
constexpr int ThreadCountItems = 19;

void PlaceGroup(TskSkinPanel* Group, TWinControl* Parent, TRect Bounds, const String& Caption) {
  Group->SetParent(Parent);
  Group->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  Group->SetSkinDataName("groupbox");
  Group->SetCaption(Caption);
}

/// A box of a group's Row-th line; a radio excludes the others of its group box.
void PlaceBox(TskSkinCheckRadioBox* Box, TskSkinPanel* Group, int Row, const String& Caption, bool Radio,
              bool Checked) {
  Box->SetParent(Group);
  Box->SetBounds(BoxLeft, FirstBoxTop + Row * BoxPitch, BoxWidth, BoxHeight);
  Box->SetCaption(Caption);
  if (Radio) {
    Box->SetRadio(true);
    Box->SetGroupIndex(1);
    Box->SetSkinDataName("radiobox");
  }
  Box->SetChecked(Checked);
}

/// The radio of the value "0", "1", ... of a value set the settings file's reading rule guarantees.
TskSkinCheckRadioBox* RadioOfValue(const String& Value, std::span<TskSkinCheckRadioBox* const> Radios) {
  return Radios[size_t(Value.at(0) - '0')];
}

/// The value ("0", "1", ...) of the radio that is on; empty when none is.
String ValueOfRadios(std::span<TskSkinCheckRadioBox* const> Radios) {
  for (size_t Index = 0; Index < Radios.size(); ++Index)
    if (Radios[Index]->Checked()) return String(1, char('0' + Index));
  return {};
}

}  // namespace

TForm5::TForm5(TComponent* AOwner, TForm1& AMainWindow) : TForm(AOwner), FMainWindow(AMainWindow) {}

TForm5::~TForm5() = default;

void TForm5::CreateComponents() {
  skSkinForm1 = new TskSkinForm(this);
  skSkinPageControl1 = new TskSkinPageControl(this);
  skSkinTabSheet1 = new TskSkinTabSheet(this);
  skSkinPanel4 = new TskSkinPanel(this);
  skSkinCheckRadioBox9 = new TskSkinCheckRadioBox(this);
  skSkinCheckRadioBox10 = new TskSkinCheckRadioBox(this);
  skSkinCheckRadioBox11 = new TskSkinCheckRadioBox(this);
  skSkinCheckRadioBox12 = new TskSkinCheckRadioBox(this);
  skSkinPanel2 = new TskSkinPanel(this);
  skSkinStdLabel1 = new TskSkinStdLabel(this);
  skSkinComboBox2 = new TskSkinComboBox(this);
  skSkinCheckRadioBox8 = new TskSkinCheckRadioBox(this);
  skSkinCheckRadioBox7 = new TskSkinCheckRadioBox(this);
  skSkinTabSheet2 = new TskSkinTabSheet(this);
  skSkinPanel1 = new TskSkinPanel(this);
  skSkinCheckRadioBox3 = new TskSkinCheckRadioBox(this);
  skSkinCheckRadioBox6 = new TskSkinCheckRadioBox(this);
  skSkinPanel3 = new TskSkinPanel(this);
  skSkinCheckRadioBox1 = new TskSkinCheckRadioBox(this);
  skSkinCheckRadioBox2 = new TskSkinCheckRadioBox(this);
  skSkinCheckRadioBox4 = new TskSkinCheckRadioBox(this);
  skSkinCheckRadioBox5 = new TskSkinCheckRadioBox(this);
  skSkinButton6 = new TskSkinButton(this);
  skSkinButton1 = new TskSkinButton(this);
  Panel1 = new TPanel(this);
  Button1 = new TButton(this);
  Button2 = new TButton(this);
  FAfterDoneRadios = { skSkinCheckRadioBox1, skSkinCheckRadioBox2, skSkinCheckRadioBox4, skSkinCheckRadioBox5 };
  FPriorityRadios = { skSkinCheckRadioBox9, skSkinCheckRadioBox10, skSkinCheckRadioBox11, skSkinCheckRadioBox12 };
  FOverwriteRadios = { skSkinCheckRadioBox3, skSkinCheckRadioBox6 };
}

void TForm5::AssignProperties() {
  SetName("Form5");
  SetBorderIcons({});
  SetBorderStyle(bsSingle);
  SetCaption("选项");
  SetClientWidth(526);
  SetClientHeight(464);
  SetPosition(poMainFormCenter);
  AssignFrame();

  skSkinPageControl1->SetName("skSkinPageControl1");
  skSkinPageControl1->SetParent(this);
  skSkinPageControl1->SetBounds(10, 10, 506, 402);
  skSkinPageControl1->SetSkinDataName("tab");
  AssignCpuPage();
  AssignGeneralPage();
  skSkinPageControl1->SetActivePage(skSkinTabSheet2);
  AssignButtons();
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

// The frame keeps the dialog's client size whatever skin it draws.
void TForm5::AssignFrame() {
  skSkinForm1->SetName("skSkinForm1");
  TFont CaptionFont;
  CaptionFont.SetName("Arial");
  CaptionFont.SetHeight(14);
  CaptionFont.SetStyle({ fsBold });
  skSkinForm1->SetClientWidth(526);
  skSkinForm1->SetClientHeight(464);
  skSkinForm1->SetDefCaptionFont(&CaptionFont);
  skSkinForm1->SetBorderIcons({});
}

void TForm5::AssignCpuPage() {
  skSkinTabSheet1->SetName("skSkinTabSheet1");
  skSkinTabSheet1->SetPageControl(skSkinPageControl1);
  skSkinTabSheet1->SetCaption("CPU");

  skSkinPanel4->SetName("skSkinPanel4");
  PlaceGroup(skSkinPanel4, skSkinTabSheet1, Bounds(14, 12, 470, 160), "转换时CPU利用方式");
  const char* const PriorityCaptions[] = { "系统空闲时进行", "最低优先级进行", "较低优先级进行", "正常优先级进行" };
  const char* const PriorityNames[] = { "skSkinCheckRadioBox9", "skSkinCheckRadioBox10", "skSkinCheckRadioBox11",
                                        "skSkinCheckRadioBox12" };
  for (int Row = 0; Row < 4; ++Row) {
    FPriorityRadios[Row]->SetName(PriorityNames[Row]);
    PlaceBox(FPriorityRadios[Row], skSkinPanel4, Row, PriorityCaptions[Row], true, Row == 3);
  }

  skSkinPanel2->SetName("skSkinPanel2");
  PlaceGroup(skSkinPanel2, skSkinTabSheet1, Bounds(14, 186, 470, 166), "转换参数");
  skSkinStdLabel1->SetName("skSkinStdLabel1");
  skSkinStdLabel1->SetParent(skSkinPanel2);
  skSkinStdLabel1->SetLeft(BoxLeft);
  skSkinStdLabel1->SetTop(FirstBoxTop);
  skSkinStdLabel1->SetCaption("同时进行转换的文件个数");
  skSkinComboBox2->SetName("skSkinComboBox2");
  skSkinComboBox2->SetParent(skSkinPanel2);
  skSkinComboBox2->SetBounds(BoxLeft, FirstBoxTop + 24, 120, 22);
  skSkinComboBox2->SetStyle(skcbFixedStyle);
  skSkinComboBox2->SetDropDownCount(8);
  for (int Count = 1; Count <= ThreadCountItems; ++Count) skSkinComboBox2->Items()->Add(std::to_string(Count));
  skSkinComboBox2->SetItemIndex(0);
  skSkinCheckRadioBox8->SetName("skSkinCheckRadioBox8");
  PlaceBox(skSkinCheckRadioBox8, skSkinPanel2, 2, "转换时进行实时视频预览", false, false);
  skSkinCheckRadioBox7->SetName("skSkinCheckRadioBox7");
  PlaceBox(skSkinCheckRadioBox7, skSkinPanel2, 3, "启用多线程模式   （同时进行转换的视频个数）", false, true);
  skSkinCheckRadioBox7->SetVisible(false);
  skSkinCheckRadioBox8->OnClick = [this](TObject* Sender) { skSkinCheckRadioBox8Click(Sender); };
}

void TForm5::AssignGeneralPage() {
  skSkinTabSheet2->SetName("skSkinTabSheet2");
  skSkinTabSheet2->SetPageControl(skSkinPageControl1);
  skSkinTabSheet2->SetCaption("常规");

  skSkinPanel1->SetName("skSkinPanel1");
  PlaceGroup(skSkinPanel1, skSkinTabSheet2, Bounds(14, 12, 470, 110), "如果输出文件存在时");
  skSkinCheckRadioBox3->SetName("skSkinCheckRadioBox3");
  PlaceBox(skSkinCheckRadioBox3, skSkinPanel1, 0, "直接覆盖输出文件", true, false);
  skSkinCheckRadioBox6->SetName("skSkinCheckRadioBox6");
  PlaceBox(skSkinCheckRadioBox6, skSkinPanel1, 1, "自动重命名输出文件", true, true);

  skSkinPanel3->SetName("skSkinPanel3");
  PlaceGroup(skSkinPanel3, skSkinTabSheet2, Bounds(14, 136, 470, 160), "转换工作完成后");
  const char* const AfterDoneCaptions[] = { "自动打开输出文件夹", "自动关闭计算机", " 播放提示音乐", "不进行任何操作" };
  const char* const AfterDoneNames[] = { "skSkinCheckRadioBox1", "skSkinCheckRadioBox2", "skSkinCheckRadioBox4",
                                         "skSkinCheckRadioBox5" };
  for (int Row = 0; Row < 4; ++Row) {
    FAfterDoneRadios[Row]->SetName(AfterDoneNames[Row]);
    PlaceBox(FAfterDoneRadios[Row], skSkinPanel3, Row, AfterDoneCaptions[Row], true, Row == 0);
  }
}

// OK and Cancel below the pages, and the hidden panel with the read and write steps beyond the client area.
void TForm5::AssignButtons() {
  skSkinButton6->SetName("skSkinButton6");
  skSkinButton6->SetParent(this);
  skSkinButton6->SetBounds(346, 424, 80, 27);
  skSkinButton6->SetCaption("确定");
  skSkinButton6->OnClick = [this](TObject* Sender) { skSkinButton6Click(Sender); };
  skSkinButton1->SetName("skSkinButton1");
  skSkinButton1->SetParent(this);
  skSkinButton1->SetBounds(436, 424, 80, 27);
  skSkinButton1->SetCaption("取消");
  skSkinButton1->OnClick = [this](TObject* Sender) { skSkinButton1Click(Sender); };

  Panel1->SetName("Panel1");
  Panel1->SetParent(this);
  Panel1->SetBounds(540, 10, 100, 64);
  Panel1->SetVisible(false);
  Button1->SetName("Button1");
  Button1->SetParent(Panel1);
  Button1->SetBounds(8, 8, 84, 22);
  Button1->SetCaption("读取ini");
  Button1->OnClick = [this](TObject* Sender) { Button1Click(Sender); };
  Button2->SetName("Button2");
  Button2->SetParent(Panel1);
  Button2->SetBounds(8, 34, 84, 22);
  Button2->SetCaption("写ini");
  Button2->OnClick = [this](TObject* Sender) { Button2Click(Sender); };
}

void TForm5::ResolveReferences() {
  TskSkinData* Skin = FMainWindow.skSkinData1;
  skSkinForm1->SetSkinData(Skin);
  skSkinPageControl1->SetSkinData(Skin);
  for (TskSkinPanel* Group : { skSkinPanel4, skSkinPanel2, skSkinPanel1, skSkinPanel3 }) Group->SetSkinData(Skin);
  skSkinStdLabel1->SetSkinData(Skin);
  skSkinComboBox2->SetSkinData(Skin);
  skSkinButton6->SetSkinData(Skin);
  skSkinButton1->SetSkinData(Skin);
  TskSkinData* BoxSkin = FMainWindow.skSkinData2;
  for (auto Radios : { std::span<TskSkinCheckRadioBox* const>(FPriorityRadios),
                       std::span<TskSkinCheckRadioBox* const>(FAfterDoneRadios),
                       std::span<TskSkinCheckRadioBox* const>(FOverwriteRadios) })
    for (TskSkinCheckRadioBox* Radio : Radios) Radio->SetSkinData(BoxSkin);
  skSkinCheckRadioBox8->SetSkinData(BoxSkin);
  skSkinCheckRadioBox7->SetSkinData(BoxSkin);
}

void TForm5::FormCreate(TObject*) { Button1->Click(); }

void TForm5::Button1Click(TObject*) {
  // A saved count selects its item; the default "0" or any other text leaves the selection as it is.
  const int ThreadCountItem = skSkinComboBox2->Items()->IndexOf(ReadOption(okThreadCount));
  if (ThreadCountItem >= 0) skSkinComboBox2->SetItemIndex(ThreadCountItem);
  RadioOfValue(ReadOption(okAfterDone), FAfterDoneRadios)->SetChecked(true);
  RadioOfValue(ReadOption(okThreadPriority), FPriorityRadios)->SetChecked(true);
  RadioOfValue(ReadOption(okOverwriteFile), FOverwriteRadios)->SetChecked(true);
  skSkinCheckRadioBox8->SetChecked(ReadOption(okShowPreview) == "1");
}

void TForm5::Button2Click(TObject*) {
  std::vector<std::pair<const TOptionKey*, String>> Values;
  auto Add = [&Values](const TOptionKey& Key, const String& Value) {
    if (!Value.empty()) Values.emplace_back(&Key, Value);
  };
  if (skSkinCheckRadioBox7->Checked()) Add(okThreadCount, skSkinComboBox2->Text());
  Add(okAfterDone, ValueOfRadios(FAfterDoneRadios));
  Add(okShowPreview, skSkinCheckRadioBox8->Checked() ? "1" : "0");
  Add(okThreadPriority, ValueOfRadios(FPriorityRadios));
  Add(okOverwriteFile, ValueOfRadios(FOverwriteRadios));
  WriteOptions(Values);
}

void TForm5::skSkinButton6Click(TObject*) {
  Button2->Click();
  Close();
}

void TForm5::skSkinButton1Click(TObject*) { Close(); }

void TForm5::skSkinCheckRadioBox8Click(TObject*) {
  FMainWindow.FFConverter->SetPreview(skSkinCheckRadioBox8->Checked());
}
