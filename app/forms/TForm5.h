#pragma once
// The options dialog: how many files convert at once, the conversion threads' priority and the engine's
// live preview (page "CPU"), what happens to an existing output file and what the program does when a batch
// has ended (page "常规"). Its controls are the live values the rest of the program reads whenever it needs
// them; option.ini's [Options] fills them once, at creation, and OK writes them back. Built in code as its
// stored description loads (TCustomForm::Build); frame, pages, groups and buttons draw from the main
// window's first skin model, the radio and check boxes from its second.
#include <array>

#include "platform/ui/toolkit/TForm.h"

class TButton;
class TForm1;
class TPanel;
class TskSkinButton;
class TskSkinCheckRadioBox;
class TskSkinComboBox;
class TskSkinForm;
class TskSkinPageControl;
class TskSkinPanel;
class TskSkinStdLabel;
class TskSkinTabSheet;

/// The options dialog; see the file comment.
class TForm5 : public TForm {
public:
  /// The main window exists first: its skin models and engine are used while the dialog is built.
  TForm5(TComponent* AOwner, TForm1& AMainWindow);
  ~TForm5() override;

  /// OnCreate: clicks Button1, the [Options] read.
  void FormCreate(TObject* Sender);
  /// The [Options] read: Thread_Count, After_Done, Thread_Priority, Overwrite_File and Show_Preview by the
  /// settings file's reading rule (missing and invalid values written back), each setting its controls;
  /// a refused write-back raises EIniFileException and ends the read there.
  void Button1Click(TObject* Sender);
  /// The [Options] write, one file for all: Thread_Count (while the multi-thread box is on), After_Done,
  /// Show_Preview, Thread_Priority, Overwrite_File; a radio group with no radio on writes nothing for its
  /// key. A refused write raises EIniFileException; the keys before it stay written.
  void Button2Click(TObject* Sender);
  /// "确定": the write (Button2), then closes; a raised write leaves the dialog open.
  void skSkinButton6Click(TObject* Sender);
  /// "取消": closes without writing or restoring anything.
  void skSkinButton1Click(TObject* Sender);
  /// The live-preview box's click, also when code sets it: the main window's engine preview follows it.
  void skSkinCheckRadioBox8Click(TObject* Sender);

  TskSkinForm* skSkinForm1 { nullptr };
  TskSkinPageControl* skSkinPageControl1 { nullptr };
  TskSkinTabSheet* skSkinTabSheet1 { nullptr };  // "CPU"
  TskSkinPanel* skSkinPanel4 { nullptr };         // "转换时CPU利用方式"
  TskSkinCheckRadioBox* skSkinCheckRadioBox9 { nullptr };
  TskSkinCheckRadioBox* skSkinCheckRadioBox10 { nullptr };
  TskSkinCheckRadioBox* skSkinCheckRadioBox11 { nullptr };
  TskSkinCheckRadioBox* skSkinCheckRadioBox12 { nullptr };
  TskSkinPanel* skSkinPanel2 { nullptr };         // "转换参数"
  TskSkinStdLabel* skSkinStdLabel1 { nullptr };
  TskSkinComboBox* skSkinComboBox2 { nullptr };
  TskSkinCheckRadioBox* skSkinCheckRadioBox8 { nullptr };
  TskSkinCheckRadioBox* skSkinCheckRadioBox7 { nullptr };
  TskSkinTabSheet* skSkinTabSheet2 { nullptr };  // "常规"
  TskSkinPanel* skSkinPanel1 { nullptr };         // "如果输出文件存在时"
  TskSkinCheckRadioBox* skSkinCheckRadioBox3 { nullptr };
  TskSkinCheckRadioBox* skSkinCheckRadioBox6 { nullptr };
  TskSkinPanel* skSkinPanel3 { nullptr };         // "转换工作完成后"
  TskSkinCheckRadioBox* skSkinCheckRadioBox1 { nullptr };
  TskSkinCheckRadioBox* skSkinCheckRadioBox2 { nullptr };
  TskSkinCheckRadioBox* skSkinCheckRadioBox4 { nullptr };
  TskSkinCheckRadioBox* skSkinCheckRadioBox5 { nullptr };
  TskSkinButton* skSkinButton6 { nullptr };
  TskSkinButton* skSkinButton1 { nullptr };
  TPanel* Panel1 { nullptr };
  TButton* Button1 { nullptr };
  TButton* Button2 { nullptr };

protected:
  void CreateComponents() override;
  void AssignProperties() override;
  void ResolveReferences() override;

private:
  void AssignFrame();
  void AssignCpuPage();
  void AssignGeneralPage();
  void AssignButtons();

  TForm1& FMainWindow;
  // The radios of each option, in the order of its values "0", "1", ...
  std::array<TskSkinCheckRadioBox*, 4> FAfterDoneRadios {};
  std::array<TskSkinCheckRadioBox*, 4> FPriorityRadios {};
  std::array<TskSkinCheckRadioBox*, 2> FOverwriteRadios {};
};

/// The options dialog, made at start-up after the main window and shown modally by its options commands.
extern TForm5* Form5;
