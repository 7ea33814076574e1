// The main window's panels beyond its 830-pixel client width: the hidden step buttons (Panel1), Panel3 and
// Panel4, the log and the preview player's fixed settings (Panel5), and the preset combos (skSkinPanel4).
#include "app/forms/TForm1.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TCheckBox.h"
#include "platform/ui/toolkit/TComboBox.h"
#include "platform/ui/toolkit/TEdit.h"
#include "platform/ui/toolkit/TGroupBox.h"
#include "platform/ui/toolkit/TLabel.h"
#include "platform/ui/toolkit/TListBox.h"
#include "platform/ui/toolkit/TMemo.h"
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/toolkit/TTrackBar.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinStdLabel.h"

namespace {

/// Left edge of the first off-screen panel: past the client width, so the user never sees them.
constexpr int OffScreen = 840;

void PlaceHiddenButton(TButton* Button, TWinControl* Parent, int Index, const char* Caption) {
  Button->SetParent(Parent);
  Button->SetBounds(8 + (Index % 3) * 130, 8 + (Index / 3) * 28, 124, 25);
  Button->SetCaption(Caption);
}

void FillCombo(TComboBox* Combo, std::initializer_list<const char*> Items) {
  for (const char* Item : Items) Combo->Items()->Add(Item);
}

}  // namespace

void TForm1::AssignHiddenButtons() {
  Panel1->SetParent(this);
  Panel1->SetBounds(OffScreen, 0, 400, 466);
  int Index = 0;
  for (auto [Button, Caption] : std::initializer_list<std::pair<TButton*, const char*>> {
         { btnAdd, "Open添加一个文件" },
         { btnRemove, "Remove" },
         { btnClear, "Clear" },
         { btnStart, "Start" },
         { btnStop, "Stop" },
         { btnPause, "Pause" },
         { btnResume, "Resume" },
         { button28, "新添加" },
         { Button2, "添加combox" },
         { Button3, "读入皮肤ini" },
         { Button5, "根据combox添加数据" },
         { Button6, "初始化数据" },
         { Button8, "打开多个文件" },
         { Button11, "onchange用" },
         { Button12, "添加整个目录" },
         { Button13, "确认预置选项数据" },
         { Button15, "初始化数值" },
         { Button16, "写ini文件" },
         { Button17, "读ini文件" },
         { Button18, "根据combox添加预设选项" },
         { Button19, "Button19" },
         { Button20, "转换后打开文件夹" },
         { Button21, "OpenDialog1" },
         { Button22, "工作中设置为不能" },
         { Button23, "工作完成设置为能" },
         { Button24, "刷新皮肤" },
         { Button25, "关机" },
         { Button29, " 播放提示音" },
         { Button31, "打开播放视频" } })
    PlaceHiddenButton(Button, Panel1, Index++, Caption);
  Button19->SetVisible(false);
  for (TButton* Off : { btnRemove, btnClear, btnStart, btnStop, btnPause, btnResume }) Off->SetEnabled(false);

  grpOption->SetParent(Panel1);
  grpOption->SetBounds(8, 8 + 10 * 28, 124, 48);
  grpOption->SetCaption("grpOption");
  chkPreview->SetParent(grpOption);
  chkPreview->SetBounds(8, 18, 100, 20);
  chkPreview->SetCaption("Preview");
  ListBox1->SetParent(Panel1);
  ListBox1->SetBounds(138, 8 + 10 * 28, 254, 100);
  edt->SetParent(Panel1);
  edt->SetBounds(8, 400, 80, 14);
  edt->SetBorderStyle(bsNone);
  edt->SetText("");
  edt->SetVisible(false);

  Panel3->SetParent(this);
  Panel3->SetBounds(OffScreen + 400, 0, 100, 100);
  Panel4->SetParent(this);
  Panel4->SetBounds(OffScreen + 400, 100, 100, 100);
}

void TForm1::AssignPlayerSettings() {
  Panel5->SetParent(this);
  Panel5->SetBounds(OffScreen + 500, 0, 400, 466);
  mmoLog->SetParent(Panel5);
  mmoLog->SetBounds(8, 8, 384, 200);
  mmoLog->SetReadOnly(true);
  mmoLog->SetText("");
  int Top = 216;
  for (TComboBox* Combo : { cboScreens, cboVideoDriver, cboAudioDriver, cboVideo, cboAudio, cboSubtitle }) {
    Combo->SetParent(Panel5);
    Combo->SetBounds(8, Top, 180, 21);
    Combo->SetStyle(csDropDownList);
    Top += 26;
  }
  FillCombo(cboVideoDriver, { "Default", "DDraw", "GDI" });
  cboVideoDriver->SetItemIndex(0);
  FillCombo(cboAudioDriver, { "Default", "DSound", "waveOut" });
  cboAudioDriver->SetItemIndex(0);
  for (TComboBox* Stream : { cboVideo, cboAudio, cboSubtitle }) Stream->SetEnabled(false);

  chkOpenPaused->SetParent(Panel5);
  chkOpenPaused->SetBounds(200, 216, 190, 20);
  chkOpenPaused->SetCaption("Open Paused");
  chkOpenPaused->SetChecked(true);
  chkStayOnTop->SetParent(Panel5);
  chkStayOnTop->SetBounds(200, 242, 190, 20);
  chkStayOnTop->SetCaption("Stay On Top");
  TrackBar1->SetParent(Panel5);
  TrackBar1->SetBounds(200, 268, 190, 24);
  TrackBar2->SetParent(Panel5);
  TrackBar2->SetBounds(200, 296, 190, 24);
  TrackBar2->SetMin(0);
  TrackBar2->SetMax(128);
  TrackBar2->SetPosition(128);
  Label2->SetParent(Panel5);
  Label2->SetBounds(200, 326, 90, 16);
  Label2->SetCaption("N/A");
  Label3->SetParent(Panel5);
  Label3->SetBounds(300, 326, 90, 16);
  Label3->SetCaption("N/A");
  btnCapture->SetParent(Panel5);
  btnCapture->SetBounds(200, 350, 90, 25);
  btnCapture->SetCaption("Capture");
}

void TForm1::AssignPresetPanel() {
  skSkinPanel4->SetParent(this);
  skSkinPanel4->SetBounds(OffScreen + 900, 0, 300, 210);
  skSkinPanel4->SetCaption("预置选项");
  skSkinPanel4->SetCaptionMode(true);
  int Top = 30;
  for (auto [Combo, Label, Caption] : std::initializer_list<std::tuple<TskSkinComboBox*, TskSkinStdLabel*, const char*>> {
         { skSkinComboBox1, ResolutionLabel, "视频分辨率：" },
         { skSkinComboBox2, VideoBitrateLabel, "视频比特率：" },
         { skSkinComboBox9, FrameRateLabel, "视频帧率：" },
         { skSkinComboBox3, AudioBitrateLabel, "音频比特率：" },
         { skSkinComboBox10, SampleRateLabel, "音频采样率：" },
         { skSkinComboBox4, AspectModeLabel, "视频缩放：" } }) {
    Label->SetParent(skSkinPanel4);
    Label->SetBounds(8, Top + 4, 90, 16);
    Label->SetCaption(Caption);
    Combo->SetParent(skSkinPanel4);
    Combo->SetBounds(100, Top, 190, Combo->Height());
    Combo->SetStyle(skcbFixedStyle);
    Top += 28;
  }
}
