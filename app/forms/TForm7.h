#pragma once
// The preset dialog: the category, the format and the six presets (resolution, video bit rate, frame rate,
// aspect mode, audio bit rate, sample rate) the main window's hidden preset combos hold. It carries its own
// run of the catalogue's steps on its own combos (hidden buttons Button2, Button18, Button5, Button6,
// Button13, run by clicking them from code). Built in code as its stored description loads
// (TCustomForm::Build): creation fills the format combo for the first category and selects the first
// format, which fills the six preset combos. Every control draws from the main window's first skin model;
// the category and format combos show the main window's picture lists.
#include <memory>

#include "app/catalogue/TPresetCombos.h"
#include "app/forms/TOfficeFormatCombo.h"
#include "app/forms/TSkinPresetCombo.h"
#include "platform/ui/toolkit/TForm.h"

class TButton;
class TForm1;
class TMainCatalogue;
struct TCatalogueTarget;
class TskSkinButton;
class TskSkinComboBox;
class TskSkinForm;
class TskSkinOfficeComboBox;
class TskSkinPanel;
class TskSkinTextLabel;

/// The preset dialog; see the file comment.
class TForm7 : public TForm {
public:
  /// The main window exists first: its skin model and picture lists are bound while the dialog is built,
  /// and the dialog's steps write its current parameters.
  TForm7(TComponent* AOwner, TForm1& AMainWindow);
  ~TForm7() override;

  /// OnCreate: clicks Button2, the format list of the selected category.
  void FormCreate(TObject* Sender);
  /// The category change: clicks Button2.
  void skSkinOfficeComboBox2Change(TObject* Sender);
  /// The format change, through Button18, Button5 and Button13: the six preset combos get the format's
  /// lists on their default entries and the main window records the format key; with a row selected in the main window's job list, that row gets
  /// the format's default preset code, parameters, output extension and RowFormatCode, the main window's
  /// current parameters the format's, and the job list the focus.
  void skSkinOfficeComboBox1Change(TObject* Sender);
  /// The preset changes, each on its own combo: with a row selected in the main window's job list, the
  /// combo's index goes into the row's preset code and its mapped text into the main window's current
  /// parameter and the row's cell; without one, nothing.
  void skSkinComboBox1Change(TObject* Sender);
  void skSkinComboBox2Change(TObject* Sender);
  void skSkinComboBox3Change(TObject* Sender);
  void skSkinComboBox4Change(TObject* Sender);
  void skSkinComboBox9Change(TObject* Sender);
  void skSkinComboBox10Change(TObject* Sender);
  /// The format list: the selected category's formats in the format combo, then item 0 selected, which
  /// runs the format change.
  void Button2Click(TObject* Sender);
  /// The preset lists of the selected category and format, each combo on its default entry.
  void Button18Click(TObject* Sender);
  /// The selected format's parameters and output name into the main window's current parameters (reset
  /// first by clicking Button6), and into the cells of the main window's selected row when there is one.
  void Button5Click(TObject* Sender);
  /// Resets the main window's current parameters.
  void Button6Click(TObject* Sender);
  /// Maps the six combos' texts into the main window's current parameters; writes no cell.
  void Button13Click(TObject* Sender);
  /// "确定": the main window's category, format and six presets take the dialog's (each through its own
  /// change handler), then the dialog closes.
  void skSkinButton2Click(TObject* Sender);
  /// "取消": closes the dialog; whatever its handlers wrote stays.
  void skSkinButton3Click(TObject* Sender);

  /// The six preset combos as the catalogue steps address them.
  const TPresetCombos& Presets() const { return *FPresets; }

  TskSkinForm* skSkinForm1 { nullptr };
  TskSkinOfficeComboBox* skSkinOfficeComboBox2 { nullptr };  // category
  TskSkinOfficeComboBox* skSkinOfficeComboBox1 { nullptr };  // format
  TskSkinPanel* skSkinPanel4 { nullptr };                    // "预置视频参数"
  TskSkinTextLabel* skSkinTextLabel1 { nullptr };
  TskSkinComboBox* skSkinComboBox1 { nullptr };              // resolution
  TskSkinTextLabel* skSkinTextLabel2 { nullptr };
  TskSkinComboBox* skSkinComboBox2 { nullptr };              // video bit rate
  TskSkinTextLabel* skSkinTextLabel3 { nullptr };
  TskSkinComboBox* skSkinComboBox4 { nullptr };              // aspect mode
  TskSkinTextLabel* skSkinTextLabel4 { nullptr };
  TskSkinComboBox* skSkinComboBox9 { nullptr };              // frame rate
  TskSkinPanel* skSkinPanel1 { nullptr };                    // "预置音频参数"
  TskSkinTextLabel* skSkinTextLabel5 { nullptr };
  TskSkinComboBox* skSkinComboBox3 { nullptr };              // audio bit rate
  TskSkinTextLabel* skSkinTextLabel6 { nullptr };
  TskSkinComboBox* skSkinComboBox10 { nullptr };             // sample rate
  TskSkinButton* skSkinButton2 { nullptr };                  // 确定
  TskSkinButton* skSkinButton3 { nullptr };                  // 取消
  TButton* Button2 { nullptr };
  TButton* Button18 { nullptr };
  TButton* Button5 { nullptr };
  TButton* Button6 { nullptr };
  TButton* Button13 { nullptr };

protected:
  void CreateComponents() override;
  void AssignProperties() override;
  void ResolveReferences() override;

private:
  void AssignFrame();
  void AssignFormatChoice();
  void AssignPresetGroups();
  void AssignButtons();
  int SelectedFormatKey() const;
  void RunPresetChange(TPresetRole Role);
  TCatalogueTarget& DialogTarget(TMainCatalogue& Main);

  TForm1& FMainWindow;
  std::unique_ptr<TOfficeFormatCombo> FFormats;
  std::unique_ptr<TSkinPresetCombo> FResolution, FVideoBitrate, FAudioBitrate, FAspectMode, FFrameRate,
    FSampleRate;
  std::unique_ptr<TPresetCombos> FPresets;
};

/// The preset dialog, made at start-up after the options dialog and opened by the main window's "设置...".
extern TForm7* Form7;
