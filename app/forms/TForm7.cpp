#include "app/forms/TForm7.h"

#include "app/catalogue/CatalogueSteps.h"
#include "app/catalogue/FormatCatalogue.h"
#include "app/forms/TForm1.h"
#include "app/forms/TMainCatalogue.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/TButton.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskPngImageList.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinTextLabel.h"
#include "skin/form/TskSkinForm.h"

TForm7* Form7 = nullptr;

namespace {

constexpr int ComboWidth = 176;
/// A label stands this far above its combo, in the same column.
constexpr int LabelRise = 25;

void PlaceGroup(TskSkinPanel* Group, TWinControl* Parent, TRect Bounds, const String& Caption) {
  Group->SetParent(Parent);
  Group->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  Group->SetSkinDataName("groupbox");
  Group->SetCaption(Caption);
}

/// A preset combo at (Left, Top) of its group with its label above it.
void PlacePreset(TskSkinTextLabel* Label, TskSkinComboBox* Combo, TskSkinPanel* Group, int Left, int Top,
                 const String& Caption) {
  Label->SetParent(Group);
  Label->SetLeft(Left);
  Label->SetTop(Top - LabelRise);
  Label->Lines()->Add(Caption);
  Combo->SetParent(Group);
  Combo->SetBounds(Left, Top, ComboWidth, Combo->Height());
  Combo->SetStyle(skcbFixedStyle);
}

}  // namespace

TForm7::TForm7(TComponent* AOwner, TForm1& AMainWindow) : TForm(AOwner), FMainWindow(AMainWindow) {}

TForm7::~TForm7() = default;

void TForm7::CreateComponents() {
  skSkinForm1 = new TskSkinForm(this);
  skSkinOfficeComboBox2 = new TskSkinOfficeComboBox(this);
  skSkinOfficeComboBox1 = new TskSkinOfficeComboBox(this);
  skSkinPanel4 = new TskSkinPanel(this);
  skSkinTextLabel1 = new TskSkinTextLabel(this);
  skSkinComboBox1 = new TskSkinComboBox(this);
  skSkinTextLabel2 = new TskSkinTextLabel(this);
  skSkinComboBox2 = new TskSkinComboBox(this);
  skSkinTextLabel3 = new TskSkinTextLabel(this);
  skSkinComboBox4 = new TskSkinComboBox(this);
  skSkinTextLabel4 = new TskSkinTextLabel(this);
  skSkinComboBox9 = new TskSkinComboBox(this);
  skSkinPanel1 = new TskSkinPanel(this);
  skSkinTextLabel5 = new TskSkinTextLabel(this);
  skSkinComboBox3 = new TskSkinComboBox(this);
  skSkinTextLabel6 = new TskSkinTextLabel(this);
  skSkinComboBox10 = new TskSkinComboBox(this);
  skSkinButton2 = new TskSkinButton(this);
  skSkinButton3 = new TskSkinButton(this);
  Button2 = new TButton(this);
  Button18 = new TButton(this);
  Button5 = new TButton(this);
  Button6 = new TButton(this);
  Button13 = new TButton(this);
  FFormats = std::make_unique<TOfficeFormatCombo>(*skSkinOfficeComboBox1);
  FResolution = std::make_unique<TSkinPresetCombo>(*skSkinComboBox1);
  FVideoBitrate = std::make_unique<TSkinPresetCombo>(*skSkinComboBox2);
  FAudioBitrate = std::make_unique<TSkinPresetCombo>(*skSkinComboBox3);
  FAspectMode = std::make_unique<TSkinPresetCombo>(*skSkinComboBox4);
  FFrameRate = std::make_unique<TSkinPresetCombo>(*skSkinComboBox9);
  FSampleRate = std::make_unique<TSkinPresetCombo>(*skSkinComboBox10);
  FPresets = std::make_unique<TPresetCombos>(*FResolution, *FVideoBitrate, *FAudioBitrate, *FAspectMode,
                                             *FFrameRate, *FSampleRate);
}

void TForm7::AssignProperties() {
  SetName("Form7");
  SetBorderIcons({});
  SetBorderStyle(bsSingle);
  SetCaption("选项设置");
  SetClientWidth(512);
  SetClientHeight(418);
  SetPosition(poMainFormCenter);
  AssignFrame();
  AssignFormatChoice();
  AssignPresetGroups();
  AssignButtons();
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

// The frame keeps the dialog's client size whatever skin it draws.
void TForm7::AssignFrame() {
  skSkinForm1->SetName("skSkinForm1");
  TFont CaptionFont;
  CaptionFont.SetName("Arial");
  CaptionFont.SetHeight(14);
  CaptionFont.SetStyle({ fsBold });
  skSkinForm1->SetClientWidth(512);
  skSkinForm1->SetClientHeight(418);
  skSkinForm1->SetDefCaptionFont(&CaptionFont);
  skSkinForm1->SetBorderIcons({});
}

// The category combo holds the 15 categories and shows the first; the format combo is filled at creation.
void TForm7::AssignFormatChoice() {
  skSkinOfficeComboBox2->SetName("skSkinOfficeComboBox2");
  skSkinOfficeComboBox2->SetParent(this);
  skSkinOfficeComboBox2->SetBounds(26, 17, 131, skSkinOfficeComboBox2->Height());
  for (const FormatCategory& Category : FormatCategories()) {
    TskSkinOfficeItem* Item = skSkinOfficeComboBox2->Items()->Add();
    Item->SetCaption(String(Category.Caption));
    Item->SetImageIndex(Category.ImageIndex);
  }
  skSkinOfficeComboBox2->SetItemIndex(0);
  skSkinOfficeComboBox2->OnChange = [this](TObject* Sender) { skSkinOfficeComboBox2Change(Sender); };

  skSkinOfficeComboBox1->SetName("skSkinOfficeComboBox1");
  skSkinOfficeComboBox1->SetParent(this);
  skSkinOfficeComboBox1->SetBounds(164, 17, 328, skSkinOfficeComboBox1->Height());
  skSkinOfficeComboBox1->OnChange = [this](TObject* Sender) { skSkinOfficeComboBox1Change(Sender); };
}

void TForm7::AssignPresetGroups() {
  skSkinPanel4->SetName("skSkinPanel4");
  PlaceGroup(skSkinPanel4, this, Bounds(26, 85, 466, 158), "预置视频参数");
  skSkinTextLabel1->SetName("skSkinTextLabel1");
  skSkinComboBox1->SetName("skSkinComboBox1");
  PlacePreset(skSkinTextLabel1, skSkinComboBox1, skSkinPanel4, 15, 66, "视频分辨率：");
  skSkinTextLabel2->SetName("skSkinTextLabel2");
  skSkinComboBox2->SetName("skSkinComboBox2");
  PlacePreset(skSkinTextLabel2, skSkinComboBox2, skSkinPanel4, 264, 66, "视频比特率：");
  skSkinTextLabel3->SetName("skSkinTextLabel3");
  skSkinComboBox4->SetName("skSkinComboBox4");
  PlacePreset(skSkinTextLabel3, skSkinComboBox4, skSkinPanel4, 15, 119, "视频缩放：");
  skSkinTextLabel4->SetName("skSkinTextLabel4");
  skSkinComboBox9->SetName("skSkinComboBox9");
  PlacePreset(skSkinTextLabel4, skSkinComboBox9, skSkinPanel4, 264, 119, "视频帧率：");

  skSkinPanel1->SetName("skSkinPanel1");
  PlaceGroup(skSkinPanel1, this, Bounds(26, 256, 466, 97), "预置音频参数");
  skSkinTextLabel5->SetName("skSkinTextLabel5");
  skSkinComboBox3->SetName("skSkinComboBox3");
  PlacePreset(skSkinTextLabel5, skSkinComboBox3, skSkinPanel1, 15, 56, "音频比特率：");
  skSkinTextLabel6->SetName("skSkinTextLabel6");
  skSkinComboBox10->SetName("skSkinComboBox10");
  PlacePreset(skSkinTextLabel6, skSkinComboBox10, skSkinPanel1, 264, 57, "音频采样率：");

  skSkinComboBox1->OnChange = [this](TObject* Sender) { skSkinComboBox1Change(Sender); };
  skSkinComboBox2->OnChange = [this](TObject* Sender) { skSkinComboBox2Change(Sender); };
  skSkinComboBox4->OnChange = [this](TObject* Sender) { skSkinComboBox4Change(Sender); };
  skSkinComboBox9->OnChange = [this](TObject* Sender) { skSkinComboBox9Change(Sender); };
  skSkinComboBox3->OnChange = [this](TObject* Sender) { skSkinComboBox3Change(Sender); };
  skSkinComboBox10->OnChange = [this](TObject* Sender) { skSkinComboBox10Change(Sender); };
}

// 确定 and 取消 under the groups; the hidden step buttons beyond the client area.
void TForm7::AssignButtons() {
  skSkinButton2->SetName("skSkinButton2");
  skSkinButton2->SetParent(this);
  skSkinButton2->SetBounds(323, 371, 69, 25);
  skSkinButton2->SetCaption("确定");
  skSkinButton2->OnClick = [this](TObject* Sender) { skSkinButton2Click(Sender); };
  skSkinButton3->SetName("skSkinButton3");
  skSkinButton3->SetParent(this);
  skSkinButton3->SetBounds(419, 371, 69, 25);
  skSkinButton3->SetCaption("取消");
  skSkinButton3->OnClick = [this](TObject* Sender) { skSkinButton3Click(Sender); };

  struct TStep {
    TButton* Button;
    const char* Name;
    const char* Caption;
    void (TForm7::*Handler)(TObject*);
  };
  const TStep Steps[] = {
    { Button2, "Button2", "添加combox", &TForm7::Button2Click },
    { Button18, "Button18", "根据combox添加预设选项", &TForm7::Button18Click },
    { Button5, "Button5", "根据combox添加数据", &TForm7::Button5Click },
    { Button6, "Button6", "初始化数据", &TForm7::Button6Click },
    { Button13, "Button13", "确认预置选项数据", &TForm7::Button13Click },
  };
  int Top = 10;
  for (const TStep& Step : Steps) {
    Step.Button->SetName(Step.Name);
    Step.Button->SetParent(this);
    Step.Button->SetBounds(530, Top, 160, 25);
    Step.Button->SetCaption(Step.Caption);
    Step.Button->SetVisible(false);
    Step.Button->OnClick = [this, Handler = Step.Handler](TObject* Sender) { (this->*Handler)(Sender); };
    Top += 30;
  }
}

void TForm7::ResolveReferences() {
  TskSkinData* Skin = FMainWindow.skSkinData1;
  skSkinForm1->SetSkinData(Skin);
  skSkinOfficeComboBox2->SetImages(FMainWindow.skPngImageList5);
  skSkinOfficeComboBox1->SetImages(FMainWindow.skPngImageList3);
  skSkinOfficeComboBox2->SetSkinData(Skin);
  skSkinOfficeComboBox1->SetSkinData(Skin);
  for (TskSkinPanel* Group : { skSkinPanel4, skSkinPanel1 }) Group->SetSkinData(Skin);
  for (TskSkinTextLabel* Label :
       { skSkinTextLabel1, skSkinTextLabel2, skSkinTextLabel3, skSkinTextLabel4, skSkinTextLabel5, skSkinTextLabel6 })
    Label->SetSkinData(Skin);
  for (TskSkinComboBox* Combo :
       { skSkinComboBox1, skSkinComboBox2, skSkinComboBox4, skSkinComboBox9, skSkinComboBox3, skSkinComboBox10 })
    Combo->SetSkinData(Skin);
  skSkinButton2->SetSkinData(Skin);
  skSkinButton3->SetSkinData(Skin);
}

int TForm7::SelectedFormatKey() const {
  return FormatKey(skSkinOfficeComboBox2->ItemIndex(), skSkinOfficeComboBox1->ItemIndex());
}

void TForm7::FormCreate(TObject*) { Button2->Click(); }

void TForm7::skSkinOfficeComboBox2Change(TObject*) { Button2->Click(); }

void TForm7::skSkinOfficeComboBox1Change(TObject*) {
  TMainCatalogue Main(FMainWindow);
  FormatChange(skSkinOfficeComboBox2->ItemIndex(), *FFormats, Main.Target.SelectedRow,
               { [this] { Button18->Click(); }, [this] { Button5->Click(); }, [this] { Button13->Click(); } });
}

void TForm7::skSkinComboBox1Change(TObject*) { RunPresetChange(TPresetRole::Resolution); }
void TForm7::skSkinComboBox2Change(TObject*) { RunPresetChange(TPresetRole::VideoBitrate); }
void TForm7::skSkinComboBox3Change(TObject*) { RunPresetChange(TPresetRole::AudioBitrate); }
void TForm7::skSkinComboBox4Change(TObject*) { RunPresetChange(TPresetRole::AspectMode); }
void TForm7::skSkinComboBox9Change(TObject*) { RunPresetChange(TPresetRole::FrameRate); }
void TForm7::skSkinComboBox10Change(TObject*) { RunPresetChange(TPresetRole::SampleRate); }

void TForm7::RunPresetChange(TPresetRole Role) {
  TMainCatalogue Main(FMainWindow);
  PresetChange(Role, (*FPresets)[Role], Main.Target);
}

// The dialog's format steps write the main window's side as the main window's own do, and also record the
// format key there.
TCatalogueTarget& TForm7::DialogTarget(TMainCatalogue& Main) {
  Main.Target.All_Trant_Number = &FMainWindow.All_Trant_Number;
  return Main.Target;
}

void TForm7::Button2Click(TObject*) { FillFormatList(skSkinOfficeComboBox2->ItemIndex(), *FFormats); }

void TForm7::Button18Click(TObject*) {
  TMainCatalogue Main(FMainWindow);
  const int Key = SelectedFormatKey();
  RecordFormatKey(Key, DialogTarget(Main));
  FillPresetCombos(Key, *FPresets);
}

void TForm7::Button5Click(TObject*) {
  Button6->Click();
  TMainCatalogue Main(FMainWindow);
  ApplyFormat(SelectedFormatKey(), DialogTarget(Main));
}

void TForm7::Button6Click(TObject*) { FMainWindow.Reset(); }

void TForm7::Button13Click(TObject*) { ApplyPresets(*FPresets, FMainWindow); }

void TForm7::skSkinButton2Click(TObject*) {
  FMainWindow.skSkinOfficeComboBox2->SetItemIndex(skSkinOfficeComboBox2->ItemIndex());
  FMainWindow.skSkinOfficeComboBox1->SetItemIndex(skSkinOfficeComboBox1->ItemIndex());
  TMainCatalogue Main(FMainWindow);
  CopyPresetIndexes(*FPresets, Main.Presets);
  Close();
}

void TForm7::skSkinButton3Click(TObject*) { Close(); }
