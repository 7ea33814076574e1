// The main window's stored description: its components, the form's own properties, and the references
// between components that are resolved once every component exists.
#include <functional>

#include "app/engine/IFFConverter.h"
#include "app/forms/TForm1.h"
#include "engine/libav/FFmpegLogger.h"
#include "engine/player/FFPlay.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TCheckBox.h"
#include "platform/ui/toolkit/TComboBox.h"
#include "platform/ui/toolkit/TEdit.h"
#include "platform/ui/toolkit/TGroupBox.h"
#include "platform/ui/toolkit/TImage.h"
#include "platform/ui/toolkit/TLabel.h"
#include "platform/ui/toolkit/TListBox.h"
#include "platform/ui/toolkit/TMemo.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/toolkit/TTrackBar.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskPngImageList.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSlider.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/controls/TskSkinTextLabel.h"
#include "skin/core/TskCompressedSkinList.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/dialogs/TskSelectSkinDialog.h"
#include "skin/dialogs/TskSkinMessage.h"
#include "skin/dialogs/TskSkinOpenDialog.h"
#include "skin/dialogs/TskSkinSavePictureDialog.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMainMenu.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinPopupMenu.h"

namespace {

/// A component of class T owned by Owner and named Name.
template <class T> T* Make(TForm1* Owner, const char* Name) {
  auto* Component = new T(Owner);
  Component->SetName(Name);
  return Component;
}

}  // namespace

void TForm1::CreateComponents() {
  skCompressedSkinList1 = Make<TskCompressedSkinList>(this, "skCompressedSkinList1");
  skCompressedSkinList2 = Make<TskCompressedSkinList>(this, "skCompressedSkinList2");
  skResourceStrData1 = Make<TskResourceStrData>(this, "skResourceStrData1");
  skSkinData1 = Make<TskSkinData>(this, "skSkinData1");
  skSkinData2 = Make<TskSkinData>(this, "skSkinData2");
  skSkinForm1 = Make<TskSkinForm>(this, "skSkinForm1");
  skSkinMessage1 = Make<TskSkinMessage>(this, "skSkinMessage1");
  skSelectSkinDialog1 = Make<TskSelectSkinDialog>(this, "skSelectSkinDialog1");

  skPngImageList1 = Make<TskPngImageList>(this, "skPngImageList1");
  skPngImageList2 = Make<TskPngImageList>(this, "skPngImageList2");
  skPngImageList3 = Make<TskPngImageList>(this, "skPngImageList3");
  skPngImageList4 = Make<TskPngImageList>(this, "skPngImageList4");
  skPngImageList5 = Make<TskPngImageList>(this, "skPngImageList5");
  skPngImageList7 = Make<TskPngImageList>(this, "skPngImageList7");
  skPngImageList8 = Make<TskPngImageList>(this, "skPngImageList8");

  skSkinMainMenu1 = Make<TskSkinMainMenu>(this, "skSkinMainMenu1");
  for (auto [Item, Name] : std::initializer_list<std::pair<TMenuItem**, const char*>> {
         { &Item11, "Item11" }, { &Item111, "Item111" }, { &Item121, "Item121" }, { &N21, "N21" },
         { &N3, "N3" },         { &N4, "N4" },           { &N6, "N6" },           { &N111, "N111" },
         { &N2221, "N2221" },   { &N12, "N12" },         { &N13, "N13" },         { &N14, "N14" },
         { &N25, "N25" },       { &N26, "N26" },         { &N1, "N1" },           { &N7, "N7" },
         { &N8, "N8" },         { &N9, "N9" },           { &N10, "N10" },         { &N11, "N11" },
         { &N23, "N23" },       { &N24, "N24" },         { &N2, "N2" },           { &N15, "N15" },
         { &N16, "N16" },       { &N19, "N19" },         { &EMAIL1, "EMAIL1" },   { &N5, "N5" } })
    *Item = Make<TMenuItem>(this, Name);
  skSkinPopupMenu1 = Make<TskSkinPopupMenu>(this, "skSkinPopupMenu1");
  N11111 = Make<TMenuItem>(this, "N11111");
  N2222 = Make<TMenuItem>(this, "N2222");
  N3331 = Make<TMenuItem>(this, "N3331");
  skSkinPopupMenu2 = Make<TskSkinPopupMenu>(this, "skSkinPopupMenu2");
  MenuItem1 = Make<TMenuItem>(this, "MenuItem1");
  MenuItem2 = Make<TMenuItem>(this, "MenuItem2");
  MenuItem3 = Make<TMenuItem>(this, "MenuItem3");
  N27 = Make<TMenuItem>(this, "N27");
  BMP1 = Make<TMenuItem>(this, "BMP1");
  JPG1 = Make<TMenuItem>(this, "JPG1");
  GIF1 = Make<TMenuItem>(this, "GIF1");
  PNG1 = Make<TMenuItem>(this, "PNG1");

  OpenDialog1 = Make<TskSkinOpenDialog>(this, "OpenDialog1");
  OpenDialog2 = Make<TskSkinOpenDialog>(this, "OpenDialog2");
  skSkinSelectDirectoryDialog1 = Make<TskSkinSelectDirectoryDialog>(this, "skSkinSelectDirectoryDialog1");
  skSkinSelectDirectoryDialog2 = Make<TskSkinSelectDirectoryDialog>(this, "skSkinSelectDirectoryDialog2");
  SavePictureDialog1 = Make<TskSkinSavePictureDialog>(this, "SavePictureDialog1");

  FFPlayer = Make<TFFPlayer>(this, "FFPlayer");
  FFLogger = Make<TFFLogger>(this, "FFLogger");

  skSkinMainMenuBar1 = Make<TskSkinMainMenuBar>(this, "skSkinMainMenuBar1");
  ToolBarPanel = Make<TskSkinPanel>(this, "ToolBarPanel");
  skSkinMenuSpeedButton1 = Make<TskSkinMenuSpeedButton>(this, "skSkinMenuSpeedButton1");
  skSkinButton7 = Make<TskSkinButton>(this, "skSkinButton7");
  skSkinButton8 = Make<TskSkinButton>(this, "skSkinButton8");
  skSkinButton19 = Make<TskSkinButton>(this, "skSkinButton19");
  skSkinButton2 = Make<TskSkinButton>(this, "skSkinButton2");
  skSkinButton10 = Make<TskSkinButton>(this, "skSkinButton10");
  skSkinButton11 = Make<TskSkinButton>(this, "skSkinButton11");
  skSkinButton12 = Make<TskSkinButton>(this, "skSkinButton12");

  skSkinPanel1 = Make<TskSkinPanel>(this, "skSkinPanel1");
  lvFiles = Make<TskSkinListView>(this, "lvFiles");
  skSkinPanel5 = Make<TskSkinPanel>(this, "skSkinPanel5");
  CoverImage = Make<TImage>(this, "CoverImage");
  skSkinButton21 = Make<TskSkinButton>(this, "skSkinButton21");
  skSkinButton3 = Make<TskSkinButton>(this, "skSkinButton3");
  skSkinButton4 = Make<TskSkinButton>(this, "skSkinButton4");

  skSkinPanel3 = Make<TskSkinPanel>(this, "skSkinPanel3");
  skSkinSlider1 = Make<TskSkinSlider>(this, "skSkinSlider1");
  skSkinButton13 = Make<TskSkinButton>(this, "skSkinButton13");
  skSkinButton14 = Make<TskSkinButton>(this, "skSkinButton14");
  skSkinButton15 = Make<TskSkinButton>(this, "skSkinButton15");
  skSkinButton16 = Make<TskSkinButton>(this, "skSkinButton16");
  skSkinButton20 = Make<TskSkinButton>(this, "skSkinButton20");
  skSkinButton22 = Make<TskSkinButton>(this, "skSkinButton22");
  skSkinButton23 = Make<TskSkinButton>(this, "skSkinButton23");
  Panel6 = Make<TPanel>(this, "Panel6");
  Image18 = Make<TImage>(this, "Image18");

  skSkinPanel2 = Make<TskSkinPanel>(this, "skSkinPanel2");
  skSkinOfficeComboBox2 = Make<TskSkinOfficeComboBox>(this, "skSkinOfficeComboBox2");
  skSkinOfficeComboBox1 = Make<TskSkinOfficeComboBox>(this, "skSkinOfficeComboBox1");
  skSkinButton24 = Make<TskSkinButton>(this, "skSkinButton24");
  skSkinTextLabel1 = Make<TskSkinTextLabel>(this, "skSkinTextLabel1");
  Video_OutPut_Folder_Edit = Make<TskSkinEdit>(this, "Video_OutPut_Folder_Edit");
  skSkinButton5 = Make<TskSkinButton>(this, "skSkinButton5");
  skSkinButton6 = Make<TskSkinButton>(this, "skSkinButton6");

  skSkinPanel4 = Make<TskSkinPanel>(this, "skSkinPanel4");
  skSkinComboBox1 = Make<TskSkinComboBox>(this, "skSkinComboBox1");
  skSkinComboBox2 = Make<TskSkinComboBox>(this, "skSkinComboBox2");
  skSkinComboBox9 = Make<TskSkinComboBox>(this, "skSkinComboBox9");
  skSkinComboBox3 = Make<TskSkinComboBox>(this, "skSkinComboBox3");
  skSkinComboBox10 = Make<TskSkinComboBox>(this, "skSkinComboBox10");
  skSkinComboBox4 = Make<TskSkinComboBox>(this, "skSkinComboBox4");
  ResolutionLabel = Make<TskSkinStdLabel>(this, "ResolutionLabel");
  VideoBitrateLabel = Make<TskSkinStdLabel>(this, "VideoBitrateLabel");
  FrameRateLabel = Make<TskSkinStdLabel>(this, "FrameRateLabel");
  AudioBitrateLabel = Make<TskSkinStdLabel>(this, "AudioBitrateLabel");
  SampleRateLabel = Make<TskSkinStdLabel>(this, "SampleRateLabel");
  AspectModeLabel = Make<TskSkinStdLabel>(this, "AspectModeLabel");

  Panel1 = Make<TPanel>(this, "Panel1");
  for (auto [Button, Name] : std::initializer_list<std::pair<TButton**, const char*>> {
         { &btnAdd, "btnAdd" },       { &btnRemove, "btnRemove" }, { &btnClear, "btnClear" },
         { &btnStart, "btnStart" },   { &btnStop, "btnStop" },     { &btnPause, "btnPause" },
         { &btnResume, "btnResume" }, { &button28, "button28" },   { &Button2, "Button2" },
         { &Button3, "Button3" },     { &Button5, "Button5" },     { &Button6, "Button6" },
         { &Button8, "Button8" },     { &Button11, "Button11" },   { &Button12, "Button12" },
         { &Button13, "Button13" },   { &Button15, "Button15" },   { &Button16, "Button16" },
         { &Button17, "Button17" },   { &Button18, "Button18" },   { &Button19, "Button19" },
         { &Button20, "Button20" },   { &Button21, "Button21" },   { &Button22, "Button22" },
         { &Button23, "Button23" },   { &Button24, "Button24" },   { &Button25, "Button25" },
         { &Button29, "Button29" },   { &Button31, "Button31" } })
    *Button = Make<TButton>(this, Name);
  grpOption = Make<TGroupBox>(this, "grpOption");
  chkPreview = Make<TCheckBox>(this, "chkPreview");
  ListBox1 = Make<TListBox>(this, "ListBox1");
  edt = Make<TEdit>(this, "edt");
  Panel3 = Make<TPanel>(this, "Panel3");
  Panel4 = Make<TPanel>(this, "Panel4");

  Panel5 = Make<TPanel>(this, "Panel5");
  mmoLog = Make<TMemo>(this, "mmoLog");
  cboScreens = Make<TComboBox>(this, "cboScreens");
  cboVideoDriver = Make<TComboBox>(this, "cboVideoDriver");
  cboAudioDriver = Make<TComboBox>(this, "cboAudioDriver");
  chkOpenPaused = Make<TCheckBox>(this, "chkOpenPaused");
  chkStayOnTop = Make<TCheckBox>(this, "chkStayOnTop");
  TrackBar1 = Make<TTrackBar>(this, "TrackBar1");
  TrackBar2 = Make<TTrackBar>(this, "TrackBar2");
  Label2 = Make<TLabel>(this, "Label2");
  Label3 = Make<TLabel>(this, "Label3");
  cboVideo = Make<TComboBox>(this, "cboVideo");
  cboAudio = Make<TComboBox>(this, "cboAudio");
  cboSubtitle = Make<TComboBox>(this, "cboSubtitle");
  btnCapture = Make<TButton>(this, "btnCapture");
}

void TForm1::AssignProperties() {
  SetName("Form1");
  SetCaption("ZorvikWMV格式转换器");
  SetBorderStyle(bsSingle);
  SetBorderIcons({ biSystemMenu, biMinimize });
  SetPosition(poScreenCenter);
  SetClientWidth(830);
  SetClientHeight(466);
  AssignSkinComponents();
  AssignMenus();
  AssignDialogs();
  // Direct children in tab order: the preview screen list names them in this order.
  AssignToolBar();
  AssignJobList();
  AssignPreview();
  AssignLowerPanel();
  AssignHiddenButtons();
  AssignPlayerSettings();
  AssignPresetPanel();
  BindEvents();
}

void TForm1::BindEvents() {
  using std::bind_front;
  OnCreate = bind_front(&TForm1::FormCreate, this);
  OnCloseQuery = bind_front(&TForm1::FormCloseQuery, this);

  for (auto [Item, Handler] : std::initializer_list<std::pair<TMenuItem*, void (TForm1::*)(TObject*)>> {
         { Item111, &TForm1::btnAddClick },        { Item121, &TForm1::Button8Click },
         { N21, &TForm1::N21Click },               { N4, &TForm1::N4Click },
         { N111, &TForm1::skSkinButton3Click },    { N2221, &TForm1::skSkinButton4Click },
         { N13, &TForm1::skSkinButton7Click },     { N14, &TForm1::skSkinButton8Click },
         { N26, &TForm1::N26Click },               { N7, &TForm1::skSkinButton2Click },
         { N8, &TForm1::skSkinButton10Click },     { N10, &TForm1::skSkinButton11Click },
         { N11, &TForm1::skSkinButton12Click },    { N24, &TForm1::N24Click },
         { N15, &TForm1::N15Click },               { N19, &TForm1::N19Click },
         { EMAIL1, &TForm1::EMAIL1Click },         { N5, &TForm1::N5Click },
         { N11111, &TForm1::btnAddClick },         { N2222, &TForm1::N2222Click },
         { N3331, &TForm1::N3331Click },           { MenuItem1, &TForm1::MenuItem1Click },
         { MenuItem2, &TForm1::MenuItem2Click },   { BMP1, &TForm1::BMP1Click },
         { JPG1, &TForm1::JPG1Click },             { GIF1, &TForm1::GIF1Click },
         { PNG1, &TForm1::PNG1Click } })
    Item->OnClick = bind_front(Handler, this);

  for (auto [Control, Handler] : std::initializer_list<std::pair<TControl*, void (TForm1::*)(TObject*)>> {
         { btnAdd, &TForm1::btnAddClick },
         { btnRemove, &TForm1::btnRemoveClick },
         { btnClear, &TForm1::btnClearClick },
         { btnStart, &TForm1::btnStartClick },
         { btnStop, &TForm1::btnStopClick },
         { btnPause, &TForm1::btnPauseClick },
         { btnResume, &TForm1::btnResumeClick },
         { button28, &TForm1::button28Click },
         { Button2, &TForm1::Button2Click },
         { Button3, &TForm1::Button3Click },
         { Button5, &TForm1::Button5Click },
         { Button6, &TForm1::Button6Click },
         { Button8, &TForm1::Button8Click },
         { Button11, &TForm1::Button11Click },
         { Button12, &TForm1::Button12Click },
         { Button13, &TForm1::Button13Click },
         { Button15, &TForm1::Button15Click },
         { Button16, &TForm1::Button16Click },
         { Button17, &TForm1::Button17Click },
         { Button18, &TForm1::Button18Click },
         { Button19, &TForm1::Button19Click },
         { Button20, &TForm1::Button20Click },
         { Button21, &TForm1::Button21Click },
         { Button22, &TForm1::Button22Click },
         { Button23, &TForm1::Button23Click },
         { Button24, &TForm1::Button24Click },
         { Button25, &TForm1::Button25Click },
         { Button29, &TForm1::Button29Click },
         { Button31, &TForm1::Button31Click },
         { btnCapture, &TForm1::btnCaptureClick },
         { chkPreview, &TForm1::chkPreviewClick },
         { skSkinButton7, &TForm1::skSkinButton7Click },
         { skSkinButton8, &TForm1::skSkinButton8Click },
         { skSkinButton19, &TForm1::skSkinButton19Click },
         { skSkinButton2, &TForm1::skSkinButton2Click },
         { skSkinButton10, &TForm1::skSkinButton10Click },
         { skSkinButton11, &TForm1::skSkinButton11Click },
         { skSkinButton12, &TForm1::skSkinButton12Click },
         { skSkinButton21, &TForm1::skSkinButton21Click },
         { skSkinButton3, &TForm1::skSkinButton3Click },
         { skSkinButton4, &TForm1::skSkinButton4Click },
         { skSkinButton13, &TForm1::skSkinButton13Click },
         { skSkinButton14, &TForm1::skSkinButton14Click },
         { skSkinButton15, &TForm1::skSkinButton15Click },
         { skSkinButton16, &TForm1::skSkinButton16Click },
         { skSkinButton20, &TForm1::skSkinButton20Click },
         { skSkinButton22, &TForm1::skSkinButton22Click },
         { skSkinButton23, &TForm1::skSkinButton23Click },
         { skSkinButton24, &TForm1::skSkinButton24Click },
         { skSkinButton5, &TForm1::skSkinButton5Click },
         { skSkinButton6, &TForm1::skSkinButton6Click },
         { skSkinPanel1, &TForm1::skSkinPanel1Click },
         { lvFiles, &TForm1::lvFilesClick },
         { Video_OutPut_Folder_Edit, &TForm1::Video_OutPut_Folder_EditClick } })
    Control->OnClick = bind_front(Handler, this);
  lvFiles->OnDblClick = bind_front(&TForm1::lvFilesDblClick, this);
  lvFiles->OnSelectItem = bind_front(&TForm1::lvFilesSelectItem, this);
  edt->OnExit = bind_front(&TForm1::edtExit, this);
  edt->OnKeyPress = bind_front(&TForm1::edtKeyPress, this);
  skSkinButton23->OnMouseDown = bind_front(&TForm1::skSkinButton23MouseDown, this);

  skSkinOfficeComboBox2->OnChange = bind_front(&TForm1::skSkinOfficeComboBox2Change, this);
  skSkinOfficeComboBox1->OnChange = bind_front(&TForm1::skSkinOfficeComboBox1Change, this);
  skSkinComboBox1->OnChange = bind_front(&TForm1::skSkinComboBox1Change, this);
  skSkinComboBox2->OnChange = bind_front(&TForm1::skSkinComboBox2Change, this);
  skSkinComboBox3->OnChange = bind_front(&TForm1::skSkinComboBox3Change, this);
  skSkinComboBox4->OnChange = bind_front(&TForm1::skSkinComboBox4Change, this);
  skSkinComboBox9->OnChange = bind_front(&TForm1::skSkinComboBox9Change, this);
  skSkinComboBox10->OnChange = bind_front(&TForm1::skSkinComboBox10Change, this);

  skSkinSlider1->OnChange = bind_front(&TForm1::skSkinSlider1Change, this);
  skSkinSlider1->OnMouseDown = bind_front(&TForm1::skSkinSlider1MouseDown, this);
  skSkinSlider1->OnMouseUp = bind_front(&TForm1::skSkinSlider1MouseUp, this);
  TrackBar1->OnChange = bind_front(&TForm1::TrackBar1Change, this);
  TrackBar2->OnChange = bind_front(&TForm1::TrackBar2Change, this);

  FFPlayer->OnFileOpen = bind_front(&TForm1::FFPlayerFileOpen, this);
  FFPlayer->OnPosition = bind_front(&TForm1::FFPlayerPosition, this);
  FFPlayer->OnState = bind_front(&TForm1::FFPlayerState, this);
  FFLogger->OnLog = bind_front(&TForm1::FFLoggerLog, this);
  FFConverter->OnProgress = bind_front(&TForm1::FFConverterProgress, this);
  FFConverter->OnTerminate = bind_front(&TForm1::FFConverterTerminate, this);
}

void TForm1::ResolveReferences() {
  for (TskSkinData* Model : { skSkinData1, skSkinData2 }) Model->SetResourceStrData(skResourceStrData1);
  skSkinData1->SetSkinList(skCompressedSkinList1);
  skSkinData2->SetSkinList(skCompressedSkinList2);
  skSelectSkinDialog1->SetSkinList(skCompressedSkinList1);
  skSelectSkinDialog1->SetTitle("Select skin");

  skSkinForm1->SetSkinData(skSkinData1);
  skSkinForm1->SetMainMenu(skSkinMainMenu1);
  skSkinForm1->SetMainMenuBar(skSkinMainMenuBar1);
  skSkinMainMenu1->SetSkinData(skSkinData1);
  skSkinMainMenuBar1->SetSkinData(skSkinData1);
  skSkinMainMenuBar1->SetMainMenu(skSkinMainMenu1);
  for (TskSkinPopupMenu* Menu : { skSkinPopupMenu1, skSkinPopupMenu2 }) Menu->SetSkinData(skSkinData1);
  skSkinMessage1->SetSkinData(skSkinData1);
  skSkinMessage1->SetCtrlSkinData(skSkinData1);
  for (TskSkinOpenDialog* Dialog : { OpenDialog1, OpenDialog2 }) {
    Dialog->SetSkinData(skSkinData1);
    Dialog->SetCtrlSkinData(skSkinData1);
  }
  SavePictureDialog1->SetSkinData(skSkinData1);
  SavePictureDialog1->SetCtrlSkinData(skSkinData1);
  for (TskSkinSelectDirectoryDialog* Dialog : { skSkinSelectDirectoryDialog1, skSkinSelectDirectoryDialog2 }) {
    Dialog->SetSkinData(skSkinData1);
    Dialog->SetCtrlSkinData(skSkinData1);
  }

  // The tool bar's command buttons and the preset combos draw from the second model.
  skSkinMenuSpeedButton1->SetSkinData(skSkinData2);
  skSkinMenuSpeedButton1->SetImageList(skPngImageList1);
  skSkinMenuSpeedButton1->SetSkinPopupMenu(skSkinPopupMenu1);
  for (TskSkinButton* Button : { skSkinButton7, skSkinButton8, skSkinButton19 }) {
    Button->SetSkinData(skSkinData2);
    Button->SetImageList(skPngImageList1);
  }
  skSkinButton2->SetSkinData(skSkinData2);
  skSkinButton2->SetImageList(skPngImageList7);
  for (TskSkinButton* Button : { skSkinButton10, skSkinButton11, skSkinButton12 }) {
    Button->SetSkinData(skSkinData2);
    Button->SetImageList(skPngImageList8);
  }
  for (TskSkinComboBox* Combo :
       { skSkinComboBox1, skSkinComboBox2, skSkinComboBox3, skSkinComboBox4, skSkinComboBox9, skSkinComboBox10 })
    Combo->SetSkinData(skSkinData2);

  for (TskSkinButton* Button : { skSkinButton13, skSkinButton14, skSkinButton15, skSkinButton16, skSkinButton20,
                                 skSkinButton22, skSkinButton23 }) {
    Button->SetSkinData(skSkinData1);
    Button->SetImageList(skPngImageList2);
  }
  skSkinButton23->SetPopupMenu(skSkinPopupMenu2);
  skSkinButton21->SetImageList(skPngImageList4);
  for (TskSkinButton* Button : { skSkinButton21, skSkinButton3, skSkinButton4, skSkinButton24, skSkinButton5,
                                 skSkinButton6 })
    Button->SetSkinData(skSkinData1);
  for (TskSkinPanel* Panel : { ToolBarPanel, skSkinPanel1, skSkinPanel5, skSkinPanel3, skSkinPanel2, skSkinPanel4 })
    Panel->SetSkinData(skSkinData1);
  lvFiles->SetSkinData(skSkinData1);
  skSkinSlider1->SetSkinData(skSkinData1);
  skSkinOfficeComboBox2->SetSkinData(skSkinData1);
  skSkinOfficeComboBox2->SetImages(skPngImageList5);
  skSkinOfficeComboBox1->SetSkinData(skSkinData1);
  skSkinOfficeComboBox1->SetImages(skPngImageList3);
  skSkinTextLabel1->SetSkinData(skSkinData1);
  Video_OutPut_Folder_Edit->SetSkinData(skSkinData1);
  for (TskSkinStdLabel* Label : { ResolutionLabel, VideoBitrateLabel, FrameRateLabel, AudioBitrateLabel,
                                  SampleRateLabel, AspectModeLabel })
    Label->SetSkinData(skSkinData1);
}
