#pragma once
// The converter's main window: the job list with its job slots and current parameters, the format and
// preset choice, the batch commands, the output folder, the preview player with its snapshots, the menus
// and the log.
//
// The window is built in code as its stored description would load (TCustomForm::Build): every component
// below is made, its stored properties are set in stored order while the window is loading (no handler
// runs then), references between components are resolved, Loaded runs, then FormCreate. The plain panels
// Panel1, Panel3, Panel4, Panel5 and the preset panel skSkinPanel4 lie beyond the 830-pixel client width:
// the user never sees them. The hidden buttons on Panel1 carry the window's internal steps; a step runs by
// calling its button's Click, which runs the handler whatever the button's Enabled says.
//
// The handlers live in one source file per concern (TForm1Startup.cpp, TForm1Jobs.cpp, ...).
#include <memory>
#include <set>

#include "app/catalogue/TVideoParams.h"
#include "app/forms/TConverterServices.h"
#include "app/jobs/JobSlots.h"
#include "app/jobs/TaskRoutes.h"
#include "engine/libav/FFmpegLogger.h"
#include "engine/player/PlayerTypes.h"
#include "engine/tasklist/ConverterTypes.h"
#include "platform/base/TStringList.h"
#include "platform/ui/toolkit/ControlTypes.h"
#include "platform/ui/toolkit/TForm.h"

class IFFConverter;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TFFLogger;
class TFFPlayer;
class TGroupBox;
class TImage;
class TLabel;
class TListBox;
class TListItem;
class TMemo;
class TMenuItem;
class TPanel;
class TTrackBar;
class TWinControl;
class TskCompressedSkinList;
class TskPngImageList;
class TskResourceStrData;
class TskSkinButton;
class TskSkinComboBox;
class TskSkinData;
class TskSkinEdit;
class TskSkinForm;
class TskSkinListView;
class TskSkinMainMenu;
class TskSkinMainMenuBar;
class TskSkinMenuSpeedButton;
class TskSkinMessage;
class TskSkinOfficeComboBox;
class TskSkinOpenDialog;
class TskSkinPanel;
class TskSkinPopupMenu;
class TskSkinSavePictureDialog;
class TskSelectSkinDialog;
class TskSkinSelectDirectoryDialog;
class TskSkinSlider;
class TskSkinStdLabel;
class TskSkinTextLabel;

/// The main window; see the file comment. Services are the caller's and must outlive the window.
class TForm1 : public TForm, public TVideoParams {
public:
  TForm1(TComponent* AOwner, const TConverterServices& Services);
  ~TForm1() override;

  // ---- Engine and system services (not owned) ----
  IFFConverter* FFConverter { nullptr };
  TConverterServices Services;

  // ---- Public fields used across the window's concerns ----
  /// The output folder a batch writes into; set with Video_OutPut_Folder_Edit's text.
  String FileOutPutPath;
  /// The file the preview opens.
  String T_Movie_PLayer_FileName;
  /// The preset dialog's record of its latest format key (FormatKey + 100); nothing reads it.
  int All_Trant_Number { 0 };
  /// "UP" while the preview slider is not pressed, "Down" from a press until its release.
  String skSkinSlider1_down_UP;
  /// The 501 job slots (IO1, OO1 and their states) and each row's tie to its slot.
  TJobSlots JobSlots;

  // ---- Skin models, stored skins, string table, frame ----
  TskSkinData* skSkinData1 { nullptr };
  TskSkinData* skSkinData2 { nullptr };
  TskCompressedSkinList* skCompressedSkinList1 { nullptr };
  TskCompressedSkinList* skCompressedSkinList2 { nullptr };
  TskResourceStrData* skResourceStrData1 { nullptr };
  TskSkinForm* skSkinForm1 { nullptr };
  TskSkinMessage* skSkinMessage1 { nullptr };
  TskSelectSkinDialog* skSelectSkinDialog1 { nullptr };  // offers the stored skins of the first model

  // ---- Picture lists ----
  TskPngImageList* skPngImageList1 { nullptr };  // tool bar
  TskPngImageList* skPngImageList2 { nullptr };  // preview buttons
  TskPngImageList* skPngImageList3 { nullptr };  // format items
  TskPngImageList* skPngImageList4 { nullptr };  // rename
  TskPngImageList* skPngImageList5 { nullptr };  // categories
  TskPngImageList* skPngImageList7 { nullptr };  // Start
  TskPngImageList* skPngImageList8 { nullptr };  // Stop, Pause, Resume

  // ---- Main menu ----
  TskSkinMainMenuBar* skSkinMainMenuBar1 { nullptr };
  TskSkinMainMenu* skSkinMainMenu1 { nullptr };
  TMenuItem* Item11 { nullptr };   // 文件
  TMenuItem* Item111 { nullptr };
  TMenuItem* Item121 { nullptr };
  TMenuItem* N21 { nullptr };
  TMenuItem* N3 { nullptr };
  TMenuItem* N4 { nullptr };
  TMenuItem* N6 { nullptr };       // 编辑
  TMenuItem* N111 { nullptr };
  TMenuItem* N2221 { nullptr };
  TMenuItem* N12 { nullptr };
  TMenuItem* N13 { nullptr };
  TMenuItem* N14 { nullptr };
  TMenuItem* N25 { nullptr };
  TMenuItem* N26 { nullptr };
  TMenuItem* N1 { nullptr };       // 动作
  TMenuItem* N7 { nullptr };
  TMenuItem* N8 { nullptr };
  TMenuItem* N9 { nullptr };
  TMenuItem* N10 { nullptr };
  TMenuItem* N11 { nullptr };
  TMenuItem* N23 { nullptr };
  TMenuItem* N24 { nullptr };
  TMenuItem* N2 { nullptr };       // 帮助
  TMenuItem* N15 { nullptr };
  TMenuItem* N16 { nullptr };
  TMenuItem* N19 { nullptr };
  TMenuItem* EMAIL1 { nullptr };
  TMenuItem* N5 { nullptr };

  // ---- Popup menus: the add button's and the snapshot settings' ----
  TskSkinPopupMenu* skSkinPopupMenu1 { nullptr };
  TMenuItem* N11111 { nullptr };
  TMenuItem* N2222 { nullptr };
  TMenuItem* N3331 { nullptr };
  TskSkinPopupMenu* skSkinPopupMenu2 { nullptr };
  TMenuItem* MenuItem1 { nullptr };
  TMenuItem* MenuItem2 { nullptr };
  TMenuItem* MenuItem3 { nullptr };
  TMenuItem* N27 { nullptr };
  TMenuItem* BMP1 { nullptr };
  TMenuItem* JPG1 { nullptr };
  TMenuItem* GIF1 { nullptr };
  TMenuItem* PNG1 { nullptr };

  // ---- Dialogs ----
  TskSkinOpenDialog* OpenDialog1 { nullptr };
  TskSkinOpenDialog* OpenDialog2 { nullptr };
  TskSkinSelectDirectoryDialog* skSkinSelectDirectoryDialog1 { nullptr };
  TskSkinSelectDirectoryDialog* skSkinSelectDirectoryDialog2 { nullptr };
  /// The capture button's save dialog.
  TskSkinSavePictureDialog* SavePictureDialog1 { nullptr };

  // ---- Engine components ----
  TFFPlayer* FFPlayer { nullptr };
  TFFLogger* FFLogger { nullptr };

  // ---- Tool bar ----
  TskSkinPanel* ToolBarPanel { nullptr };
  TskSkinMenuSpeedButton* skSkinMenuSpeedButton1 { nullptr };  // 添加
  TskSkinButton* skSkinButton7 { nullptr };                    // 删除
  TskSkinButton* skSkinButton8 { nullptr };                    // 清空
  TskSkinButton* skSkinButton19 { nullptr };                   // 选项
  TskSkinButton* skSkinButton2 { nullptr };                    // 开始
  TskSkinButton* skSkinButton10 { nullptr };                   // 停止
  TskSkinButton* skSkinButton11 { nullptr };                   // 暂停
  TskSkinButton* skSkinButton12 { nullptr };                   // 继续

  // ---- Job list ----
  TskSkinPanel* skSkinPanel1 { nullptr };
  TskSkinListView* lvFiles { nullptr };
  /// The cover picture lying over the list while it is empty.
  TskSkinPanel* skSkinPanel5 { nullptr };
  TImage* CoverImage { nullptr };
  TskSkinButton* skSkinButton21 { nullptr };  // rename
  TskSkinButton* skSkinButton3 { nullptr };   // up
  TskSkinButton* skSkinButton4 { nullptr };   // down
  /// The rename editor, made a child of lvFiles while renaming.
  TEdit* edt { nullptr };

  // ---- Preview ----
  TskSkinPanel* skSkinPanel3 { nullptr };
  TPanel* Panel6 { nullptr };
  TImage* Image18 { nullptr };
  TskSkinSlider* skSkinSlider1 { nullptr };
  TskSkinButton* skSkinButton13 { nullptr };  // play
  TskSkinButton* skSkinButton14 { nullptr };  // pause
  TskSkinButton* skSkinButton15 { nullptr };  // stop
  TskSkinButton* skSkinButton16 { nullptr };  // mute
  TskSkinButton* skSkinButton20 { nullptr };  // unmute
  TskSkinButton* skSkinButton22 { nullptr };  // snapshot
  TskSkinButton* skSkinButton23 { nullptr };  // snapshot settings

  // ---- Lower panel: format choice and output folder ----
  TskSkinPanel* skSkinPanel2 { nullptr };
  TskSkinOfficeComboBox* skSkinOfficeComboBox2 { nullptr };  // category
  TskSkinOfficeComboBox* skSkinOfficeComboBox1 { nullptr };  // format
  TskSkinButton* skSkinButton24 { nullptr };                 // 设置...
  TskSkinTextLabel* skSkinTextLabel1 { nullptr };
  TskSkinEdit* Video_OutPut_Folder_Edit { nullptr };
  TskSkinButton* skSkinButton5 { nullptr };                  // 浏览...
  TskSkinButton* skSkinButton6 { nullptr };                  // 打开

  // ---- Preset panel (off screen) ----
  TskSkinPanel* skSkinPanel4 { nullptr };
  TskSkinComboBox* skSkinComboBox1 { nullptr };   // resolution
  TskSkinComboBox* skSkinComboBox2 { nullptr };   // video bit rate
  TskSkinComboBox* skSkinComboBox3 { nullptr };   // audio bit rate
  TskSkinComboBox* skSkinComboBox4 { nullptr };   // aspect mode
  TskSkinComboBox* skSkinComboBox9 { nullptr };   // frame rate
  TskSkinComboBox* skSkinComboBox10 { nullptr };  // sample rate
  TskSkinStdLabel* ResolutionLabel { nullptr };
  TskSkinStdLabel* VideoBitrateLabel { nullptr };
  TskSkinStdLabel* AudioBitrateLabel { nullptr };
  TskSkinStdLabel* AspectModeLabel { nullptr };
  TskSkinStdLabel* FrameRateLabel { nullptr };
  TskSkinStdLabel* SampleRateLabel { nullptr };

  // ---- Panel1 (off screen): the hidden step buttons ----
  TPanel* Panel1 { nullptr };
  TButton* btnAdd { nullptr };
  TButton* btnRemove { nullptr };
  TButton* btnClear { nullptr };
  TButton* btnStart { nullptr };
  TButton* btnStop { nullptr };
  TButton* btnPause { nullptr };
  TButton* btnResume { nullptr };
  TButton* button28 { nullptr };
  TButton* Button2 { nullptr };
  TButton* Button3 { nullptr };
  TButton* Button5 { nullptr };
  TButton* Button6 { nullptr };
  TButton* Button8 { nullptr };
  TButton* Button11 { nullptr };
  TButton* Button12 { nullptr };
  TButton* Button13 { nullptr };
  TButton* Button15 { nullptr };
  TButton* Button16 { nullptr };
  TButton* Button17 { nullptr };
  TButton* Button18 { nullptr };
  TButton* Button19 { nullptr };
  TButton* Button20 { nullptr };
  TButton* Button21 { nullptr };
  TButton* Button22 { nullptr };
  TButton* Button23 { nullptr };
  TButton* Button24 { nullptr };
  TButton* Button25 { nullptr };
  TButton* Button29 { nullptr };
  TButton* Button31 { nullptr };
  TGroupBox* grpOption { nullptr };
  TCheckBox* chkPreview { nullptr };
  /// The folder add's working list.
  TListBox* ListBox1 { nullptr };

  // ---- Panel3, Panel4 (off screen, empty) ----
  TPanel* Panel3 { nullptr };
  TPanel* Panel4 { nullptr };

  // ---- Panel5 (off screen): the log and the preview player's fixed settings ----
  TPanel* Panel5 { nullptr };
  TMemo* mmoLog { nullptr };
  TComboBox* cboScreens { nullptr };
  TComboBox* cboVideoDriver { nullptr };
  TComboBox* cboAudioDriver { nullptr };
  TCheckBox* chkOpenPaused { nullptr };
  TCheckBox* chkStayOnTop { nullptr };
  TTrackBar* TrackBar1 { nullptr };
  TTrackBar* TrackBar2 { nullptr };
  TLabel* Label2 { nullptr };
  TLabel* Label3 { nullptr };
  TComboBox* cboVideo { nullptr };
  TComboBox* cboAudio { nullptr };
  TComboBox* cboSubtitle { nullptr };
  TButton* btnCapture { nullptr };

  // ---- Start-up and shut-down ----
  void FormCreate(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);

  // ---- Job list, slots, current parameters ----
  void Button6Click(TObject* Sender);
  void Button15Click(TObject* Sender);
  /// "%.2d:%.2d:%.2d" of Sec, hours modulo 24.
  String SecToDate(int Sec);

  // ---- Adding files ----
  void btnAddClick(TObject* Sender);
  void Button21Click(TObject* Sender);
  void Button8Click(TObject* Sender);
  void Button12Click(TObject* Sender);
  /// The full paths of the regular files directly in FilePath matching ExtMask, in byte order of their
  /// names; null when FilePath is not an existing folder. The caller owns the list.
  std::unique_ptr<TStringList> GetFilenames(const String& FilePath, const String& ExtMask);

  // ---- Batch ----
  void btnStartClick(TObject* Sender);
  void btnStopClick(TObject* Sender);
  void btnPauseClick(TObject* Sender);
  void btnResumeClick(TObject* Sender);
  void button28Click(TObject* Sender);
  void Button22Click(TObject* Sender);
  void Button23Click(TObject* Sender);
  void skSkinButton2Click(TObject* Sender);
  void skSkinButton10Click(TObject* Sender);
  void skSkinButton11Click(TObject* Sender);
  void skSkinButton12Click(TObject* Sender);

  // ---- Progress, completion, after-done ----
  void FFConverterProgress(TObject* Sender, PProgressInfo AProgressInfo);
  void FFConverterTerminate(TObject* Sender, const TTerminateInfo& ATerminateInfo);
  void Button20Click(TObject* Sender);
  void Button25Click(TObject* Sender);
  void Button29Click(TObject* Sender);
  /// Stands in for adjusting a process privilege; the power service needs none. True.
  bool SetPrivilege(const String& PrivilegeName, bool Enable);

  // ---- Format and preset selection ----
  void skSkinOfficeComboBox2Change(TObject* Sender);
  void skSkinOfficeComboBox1Change(TObject* Sender);
  void skSkinComboBox1Change(TObject* Sender);
  void skSkinComboBox2Change(TObject* Sender);
  void skSkinComboBox3Change(TObject* Sender);
  void skSkinComboBox4Change(TObject* Sender);
  void skSkinComboBox9Change(TObject* Sender);
  void skSkinComboBox10Change(TObject* Sender);
  void Button13Click(TObject* Sender);
  void lvFilesSelectItem(TObject* Sender, TListItem* Item, bool Selected);

  // ---- Catalogue steps ----
  void Button2Click(TObject* Sender);
  void Button5Click(TObject* Sender);
  void Button18Click(TObject* Sender);

  // ---- Preset dialog ----
  void skSkinButton24Click(TObject* Sender);

  // ---- Editing the job list ----
  void btnRemoveClick(TObject* Sender);
  void btnClearClick(TObject* Sender);
  void skSkinButton7Click(TObject* Sender);
  void skSkinButton8Click(TObject* Sender);
  void skSkinButton21Click(TObject* Sender);
  void lvFilesDblClick(TObject* Sender);
  void N26Click(TObject* Sender);
  void edtExit(TObject* Sender);
  void skSkinButton3Click(TObject* Sender);
  void skSkinButton4Click(TObject* Sender);
  void lvFilesClick(TObject* Sender);

  // ---- Output folder and skin ----
  void Button17Click(TObject* Sender);
  void Button16Click(TObject* Sender);
  void Button3Click(TObject* Sender);
  void skSkinButton5Click(TObject* Sender);
  void skSkinButton6Click(TObject* Sender);
  void Video_OutPut_Folder_EditClick(TObject* Sender);

  // ---- Menus, help, log ----
  void N4Click(TObject* Sender);
  void N5Click(TObject* Sender);
  void N24Click(TObject* Sender);
  void skSkinButton19Click(TObject* Sender);
  void N15Click(TObject* Sender);
  void N19Click(TObject* Sender);
  void EMAIL1Click(TObject* Sender);
  void N21Click(TObject* Sender);
  void N3331Click(TObject* Sender);
  void N2222Click(TObject* Sender);
  void FFLoggerLog(TObject* Sender, Cardinal AThreadID, TLogLevel ALogLevel, const String& ALogMsg);
  void skSkinPanel1Click(TObject* Sender);
  void Button11Click(TObject* Sender);
  void Button19Click(TObject* Sender);
  void Button24Click(TObject* Sender);

  // ---- Preview player ----
  void Button31Click(TObject* Sender);
  void FFPlayerFileOpen(TObject* Sender, Int64 ADuration, int AFrameWidth, int AFrameHeight,
                        int& AScreenWidth, int& AScreenHeight);
  void FFPlayerPosition(TObject* Sender, Int64 APTS);
  void FFPlayerState(TObject* Sender, TPlayState AState);
  void skSkinButton13Click(TObject* Sender);
  void skSkinButton14Click(TObject* Sender);
  void skSkinButton15Click(TObject* Sender);
  void skSkinButton16Click(TObject* Sender);
  void skSkinButton20Click(TObject* Sender);
  void skSkinSlider1Change(TObject* Sender);
  void skSkinSlider1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void skSkinSlider1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void TrackBar1Change(TObject* Sender);
  void TrackBar2Change(TObject* Sender);
  void chkPreviewClick(TObject* Sender);
  /// The first direct windowed child named Name (case-sensitive); null when none.
  TWinControl* FindControlByName(const String& Name);

  // ---- Snapshots ----
  void skSkinButton22Click(TObject* Sender);
  void skSkinButton23Click(TObject* Sender);
  void skSkinButton23MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void MenuItem1Click(TObject* Sender);
  void MenuItem2Click(TObject* Sender);
  void BMP1Click(TObject* Sender);
  void JPG1Click(TObject* Sender);
  void GIF1Click(TObject* Sender);
  void PNG1Click(TObject* Sender);
  void btnCaptureClick(TObject* Sender);

protected:
  void CreateComponents() override;
  void AssignProperties() override;
  void ResolveReferences() override;
  void Dispatch(TMessage& Message) override;

  /// The window moved or changed size: the toolkit's handling, then the player's video follows Panel6.
  void WMWindowPosChanging(TMessage& Message);
  void WMWindowPosChanged(TMessage& Message);

private:
  // The stored description, area by area, in stored order (TForm1Build*.cpp).
  void AssignSkinComponents();
  void AssignMenus();
  void AssignDialogs();
  void AssignToolBar();
  void AssignJobList();
  void AssignPreview();
  void AssignLowerPanel();
  void AssignPresetPanel();
  void AssignHiddenButtons();
  void AssignPlayerSettings();
  void BindEvents();

  // Start-up steps of their own.
  /// cboScreens: "Panel6", then the names of the direct windowed children in tab order; entry 0 selected.
  void FillScreenList();
  /// SavePictureDialog1's filter and overwrite question.
  void PrepareSnapshotDialog();

  /// Duration of the previewed file in microseconds as the player reported it at file open.
  Int64 FDuration { 0 };
  /// The window's direct child named by cboScreens' selected entry; only its size is used.
  TWinControl* FScreenControl { nullptr };
  /// Set while the format change runs the format step (Button5), which then writes the selected row; the
  /// add commands run it writing no row.
  bool FFormatStepWritesRow { false };

  // Adding files and editing the job list: their shared steps (TForm1AddFile.cpp, TForm1EditList.cpp).
  /// How one file's add ended: with its row, passed over (the next file may follow), or ending the command.
  enum class TAddOutcome { Added, Passed, Ended };
  /// Loads the engine's libraries from "LibAV" beside the program unless they are loaded; false, with the
  /// engine's message logged, when they cannot be loaded.
  bool LoadEngineLibraries();
  /// One file's add from its probe to the start button's focus: probe, task, parameters, output, row, slot
  /// and log. A missing file ends the command; a file the probe rejects, or the 502nd since a clear, is
  /// passed over with a log line; a task or output the engine refuses ends it. FocusList focuses the job
  /// list once the row is filled.
  TAddOutcome AddJobFile(const String& FileName, bool FocusList);
  /// The several-files and folder adds: Files from the last to the first; unless the command ended early,
  /// the last row selected and the list focused. False when it ended early.
  bool AddFilesLastToFirst(TStrings& Files);
  /// Selects the last row (the row selection runs) and focuses the list; nothing without rows.
  void SelectLastRow();
  /// Adds an empty line, Line and an empty line to the log.
  void LogBetweenEmptyLines(const String& Line);
  /// Logs a file the engine refused (Logged) and keeps its reason for the user, told at the command's end.
  void RefuseAdd(const String& FileName, const String& Logged, const String& Reason);
  /// Tells the user in one skinned box "提示" what the adds of the ending command refused: the engine's
  /// reason for one chosen file, or a line for each refused file that names it (its path before the reason
  /// when the reason does not name it); nothing when none was refused.
  void ShowRefusedAdds(bool NameFiles);
  /// The files refused since the add command began, each with the engine's reason.
  std::vector<std::pair<String, String>> FRefusedAdds;
  /// Switches the remove, rename, clear and start groups; the start button is redrawn at once.
  void SetJobCommands(bool Enabled);
  /// Switches the add group: the tool bar's add button, the menu items and the hidden button.
  void SetAddCommands(bool Enabled);
  /// The job list is empty: the cover over it, the preview stopped (waiting) and its slider at 0.
  void ShowEmptyList();
  /// Opens the rename editor over the selected row's output cell.
  void OpenRenameEditor();
  /// Enter in the rename editor commits as leaving it does.
  void edtKeyPress(TObject* Sender, char32_t& Key);
  /// Exchanges the selected row's content with that of the row Step places away, when there is one.
  void MoveSelectedRow(int Step);
  /// The slot of the job whose output the rename editor was opened for; -1 while none is.
  int FRenameSlot { -1 };

  // ---- Running a batch: its commands, the rows' tasks and the reports (TForm1Batch.cpp, TForm1Progress.cpp) ----
  /// The command groups whose faces a batch switches together.
  enum class TCommandGroup { Remove, Rename, Clear, Start, Stop, Pause, Resume };
  /// Enables or disables every face of Group: its hidden button, its visible button (refreshed first, so
  /// it shows no hover or pressed look) and its menu items.
  void EnableCommand(TCommandGroup Group, bool Enabled);
  /// Makes the task of Row from its slot and cells. A task or output the engine refuses marks the row
  /// failed and logs why; such a row gets no task, and no report reaches it.
  void AddRowTask(TListItem* Row, std::set<String>& Outputs);
  /// The batch end: the command states after a batch, then the after-done action chosen now.
  void EndBatch();
  /// The slot each task of the batch was built from, so reports find their rows also after moves.
  TTaskRoutes FTaskRoutes;
  /// Set when the window starts closing: from then on no report is shown, no message box opens and no
  /// after-done action runs.
  bool FClosing { false };
};

/// The main window of the running program.
extern TForm1* Form1;
