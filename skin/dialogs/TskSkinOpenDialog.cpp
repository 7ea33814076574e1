#include "skin/dialogs/TskSkinOpenDialog.h"

#include "platform/base/FileUtils.h"
#include "platform/base/ScopeGuard.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/controls/TskSkinToolBar.h"
#include "skin/core/TskSkinData.h"
#include "skin/dialogs/TskCustomShellComboBox.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskOpenDlgForm.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"
#include "skin/dialogs/skDialogFrame.h"
#include "skin/dialogs/skFileCtrlPaths.h"
#include "skin/form/TskSkinForm.h"

namespace {

constexpr int DefaultClientWidth = 450;
constexpr int DefaultClientHeight = 290;

}  // namespace

TskSkinOpenDialog::TskSkinOpenDialog(TComponent* AOwner)
    : TComponent(AOwner), FDefaultFont(DialogDefaultFont()), FBorrowed(this, FSD, FCtrlFSD, FToolBarImageList) {}

TskSkinOpenDialog::~TskSkinOpenDialog() {
  SetSkinData(nullptr);
  SetCtrlSkinData(nullptr);
  SetToolBarImageList(nullptr);
}

bool TskSkinOpenDialog::Execute() {
  if (OnShow) OnShow(this);
  auto Form = CreateForm();
  FDlgFrm = Form.get();
  ScopeGuard Finish([this] {
    if (OnClose) OnClose(this);
    FDlgFrm = nullptr;
  });
  Prepare(*Form);
  const bool Ok = Form->ShowModal() == mrOk;
  KeepLayout(*Form);
  if (!Ok) return false;
  FFileName = FSaveMode ? Form->CompleteSaveName(Form->FileName) : Form->FileName;
  Form->FileListView->GetSelectedFiles(FFiles.get());
  return true;
}

std::unique_ptr<TskOpenDlgForm> TskSkinOpenDialog::CreateForm() {
  return TskOpenDlgForm::CreateEx(Application, FSaveMode, FCtrlFSD, FToolButtonsTransparent, FToolBarImageList);
}

void TskSkinOpenDialog::KeepLayout(TskOpenDlgForm& Form) {
  FFilterIndex = Form.FilterComboBox->ItemIndex() + 1;
  FDialogWidth = Form.ClientWidth();
  FDialogHeight = Form.ClientHeight();
  ListViewStyle = Form.FileListView->ViewStyle();
}

// A relative folder is taken from the current folder.
String TskSkinOpenDialog::StartFolder() const {
  const String Folder = ExtractFileDir(FFileName);
  if (!Folder.empty() && FolderExists(Folder)) return ExpandFileName(Folder);
  if (!FInitialDir.empty() && FolderExists(FInitialDir)) return ExpandFileName(FInitialDir);
  return ExePath();
}

void TskSkinOpenDialog::Prepare(TskOpenDlgForm& Form) {
  Form.OverwritePromt = FOverwritePromt;
  Form.OnFolderChange = OnFolderChange;
  Form.CheckFileExists = FCheckFileExists;
  Form.DefaultExt = FDefaultExt;
  TskSkinForm* Frame = Form.BSF;
  SetUpDialogFrame(Form, *Frame, FTitle,
                   { .SkinData = FSD, .MenusSkinData = FCtrlFSD, .MinWidth = FDialogMinWidth,
                     .MinHeight = FDialogMinHeight, .AlphaBlend = FAlphaBlend,
                     .AlphaBlendAnimation = FAlphaBlendAnimation, .AlphaBlendValue = FAlphaBlendValue });
  Frame->SetMenusAlphaBlend(FCtrlAlphaBlend);
  Frame->SetMenusAlphaBlendValue(FCtrlAlphaBlendValue);
  Frame->SetMenusAlphaBlendAnimation(FCtrlAlphaBlendAnimation);
  for (TskSkinComboBase* Combo : { static_cast<TskSkinComboBase*>(Form.ShellBox),
                                   static_cast<TskSkinComboBase*>(Form.FilterComboBox) }) {
    Combo->SetAlphaBlend(FCtrlAlphaBlend);
    Combo->SetAlphaBlendValue(FCtrlAlphaBlendValue);
    Combo->SetAlphaBlendAnimation(FCtrlAlphaBlendAnimation);
  }

  Form.OpenButton->SetDefaultFont(FDefaultFont.get());
  Form.CancelButton->SetDefaultFont(FDefaultFont.get());
  Form.ShellBox->SetDefaultFont(FDefaultFont.get());
  TskSkinFileListView* List = Form.FileListView;
  List->SetDefaultFont(FDefaultFont.get());
  Form.SelectViewStyle(ListViewStyle);

  List->SetRoot(StartFolder());
  if (const TskShellFolder* Root = List->RootFolder()) Form.ShellBox->SelectByItemIDList(Root->AbsoluteID());
  List->SetHeaderSkinDataName(FLVHeaderSkinDataName);
  List->SetSkinData(FCtrlFSD);
  if (FCtrlFSD) {
    List->SetDrawSkin(FCtrlFSD->DlgListViewDrawSkin());
    List->SetItemSkinDataName(FCtrlFSD->DlgListViewItemSkinDataName());
  }
  List->SetMultiSelect(FMultiSelection);
  if (FShowHiddenFiles) List->SetObjectTypes(List->ObjectTypes() + TShellObjectTypes { otHidden });

  // The box rebuilds its items and selects the first when its window is made: make it first.
  Form.FilterComboBox->SetFilter(FFilter);
  Form.FilterComboBox->HandleNeeded();
  Form.FilterComboBox->SetItemIndex(FFilterIndex - 1);
  Form.FCBChange(Form.FilterComboBox);

  for (TskSkinControl* Control : std::initializer_list<TskSkinControl*> {
         Form.FileListViewPanel, Form.BottomPanel, Form.ToolPanel, Form.FLVHScrollBar, Form.FLVVScrollBar })
    Control->SetSkinData(FCtrlFSD);
  const bool ResizeButtons = FCtrlFSD && !FCtrlFSD->Empty && FCtrlFSD->GetControlIndex("resizetoolbutton") >= 0;
  for (TskSkinSpeedButton* Button : { Form.BackToolButton, Form.UpToolButton, Form.NewFolderToolButton,
                                      static_cast<TskSkinSpeedButton*>(Form.StyleToolButton) }) {
    Button->SetSkinData(FCtrlFSD);
    if (ResizeButtons) Button->SetSkinDataName("resizetoolbutton");
  }
  Form.FileNameEdit->SetSkinData(FCtrlFSD);
  Form.FilterComboBox->SetSkinData(FCtrlFSD);
  Form.OpenButton->SetSkinData(FCtrlFSD);
  Form.CancelButton->SetSkinData(FCtrlFSD);
  for (TskSkinStdLabel* Label : { Form.Drivelabel, Form.OpenFileLabel, Form.FileTypeLabel })
    Label->SetSkinData(FCtrlFSD);
  Form.ShellBox->SetSkinData(FCtrlFSD);
  Form.ShellBox->SetSkinDataName("combobox");

  SetDialogClientSize(Form, *Frame,
                      { FDialogWidth < 1 ? DefaultClientWidth : FDialogWidth,
                        FDialogHeight < 1 ? DefaultClientHeight : FDialogHeight });

  if (List->Items()->Count() > 0) List->SetItemFocused(List->Items()->Item(0));
  Form.FileNameEdit->SetText(ExtractFileName(FFileName));
  Form.InitHistory();
}

String TskSkinOpenDialog::GetSelectedFile() { return FDlgFrm ? FDlgFrm->FileListView->GetSelectedFile() : String(); }

void TskSkinOpenDialog::SetFileName(const String& Value) {
  FFileName = Value;
  if (FDlgFrm) FDlgFrm->FileNameEdit->SetText(Value);
}

void TskSkinOpenDialog::SetSkinData(TskSkinData* Value) { FBorrowed.Set(FSD, Value); }

void TskSkinOpenDialog::SetCtrlSkinData(TskSkinData* Value) { FBorrowed.Set(FCtrlFSD, Value); }

void TskSkinOpenDialog::SetToolBarImageList(TCustomImageList* Value) { FBorrowed.Set(FToolBarImageList, Value); }

void TskSkinOpenDialog::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove) FBorrowed.Forget(AComponent);
}
