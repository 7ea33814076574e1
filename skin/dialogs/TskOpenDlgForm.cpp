#include "skin/dialogs/TskOpenDlgForm.h"

#include "platform/base/FileUtils.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/controls/TskPngImageList.h"
#include "skin/controls/TskSkinBevel.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/controls/TskSkinToolBar.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/dialogs/TskCustomShellComboBox.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"
#include "skin/dialogs/TskSkinMessage.h"
#include "skin/dialogs/skFileCtrlPaths.h"
#include "skin/dialogs/skShellItemIDs.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinPopupMenu.h"
#include "skin/dialogs/skDialogText.h"

namespace {

constexpr int ToolBarHeight = 25;
constexpr int SpacerWidth = 10;
constexpr int ShellBoxWidth = 190;
constexpr TSize ToolButtonSize { 27, 25 };
constexpr int StyleButtonWidth = 37;
constexpr int BottomPanelHeight = 80;
constexpr int ScrollBarThickness = 19;
constexpr int LabelLeft = 10;
constexpr int EditLeft = 70;
constexpr int FirstRowTop = 10;
constexpr int SecondRowTop = 45;
constexpr int ButtonWidth = 70;
constexpr int ButtonHeight = 25;
constexpr int ComboHeight = 21;
/// Edit and combo leave this much of the client width to the labels and buttons.
constexpr int FieldMargin = 160;
/// The buttons start this far left of the client area's right edge.
constexpr int ButtonMargin = 80;
constexpr char KeyEnter = 13;

/// The extension of a mask's first pattern; "" when the mask holds ".*".
String MaskExt(const String& Mask) {
  if (Mask.find(".*") != String::npos) return "";
  return ExtractFileExt(Mask.substr(0, Mask.find(';')));
}

}  // namespace

TskOpenDlgForm::TskOpenDlgForm(TComponent* AOwner, bool ASaveMode, TskSkinData* ACtrlSkinData)
    : TForm(AOwner), SaveMode(ASaveMode), CtrlSD(ACtrlSkinData),
      FStrings(ACtrlSkinData ? ACtrlSkinData->ResourceStrData() : nullptr) {
  SetKeyPreview(true);
  SetPosition(poScreenCenter);
  BSF = new TskSkinForm(this);
  PngImgList = new TskPngImageList(this);
  AddResourcePngs(PngImgList, { "BS_BACK_PNG", "BS_UP_PNG", "BS_NEWFOLDER_PNG", "BS_LVSTYLE_PNG" });
}

TskOpenDlgForm::~TskOpenDlgForm() = default;

std::unique_ptr<TskOpenDlgForm> TskOpenDlgForm::CreateEx(TComponent* AOwner, bool ASaveMode,
                                                         TskSkinData* ACtrlSkinData, bool AToolButtonsTransparent,
                                                         TCustomImageList* AToolBarImageList) {
  std::unique_ptr<TskOpenDlgForm> Form(new TskOpenDlgForm(AOwner, ASaveMode, ACtrlSkinData));
  Form->BuildToolBar(AToolButtonsTransparent, AToolBarImageList);
  Form->BuildBottomPanel();
  Form->BuildList();
  Form->SetActiveControl(Form->FileNameEdit);
  return Form;
}

void TskOpenDlgForm::BuildToolBar(bool AToolButtonsTransparent, TCustomImageList* AToolBarImageList) {
  ToolPanel = new TskSkinToolBar(this);
  ToolPanel->SetSkinDataName("toolpanel");
  ToolPanel->SetDefaultHeight(ToolBarHeight);
  ToolPanel->SetBorderStyle(TskSkinBorderStyle::bvNone);
  ToolPanel->SetAlign(alTop);
  ToolPanel->SetParent(this);
  ToolPanel->SetImages(AToolBarImageList ? AToolBarImageList : PngImgList);

  auto AddSpacer = [this](TAlign Align) {
    auto* Spacer = new TskSkinBevel(this);
    Spacer->SetShape(bsSpacer);
    Spacer->SetWidth(SpacerWidth);
    Spacer->SetAlign(Align);
    Spacer->SetParent(ToolPanel);
  };
  AddSpacer(alLeft);
  Drivelabel = new TskSkinStdLabel(this);
  Drivelabel->SetAutoSize(true);
  Drivelabel->SetLayout(tlCenter);
  Drivelabel->SetCaption(Text("FLV_LOOKIN", "Look in: "));
  Drivelabel->SetAlign(alLeft);
  Drivelabel->SetParent(ToolPanel);

  ShellBox = new TskSkinShellComboBox(this);
  ShellBox->SetWidth(ShellBoxWidth);
  ShellBox->SetAlign(alClient);
  ShellBox->SetParent(ToolPanel);
  ShellBox->SetDropDownCount(10);

  // Right-aligned controls line up in creation order from left to right.
  int Right = 0;
  auto PlaceRight = [&Right](TControl* Control) {
    Control->SetLeft(Right);
    Right += Control->Width();
    Control->SetAlign(alRight);
  };
  auto AddToolButton = [&](TskSkinSpeedButton* Button, int Glyph, const char* HintName, const char* Hint) {
    Button->SetImageIndex(Glyph);
    Button->SetHint(Text(HintName, Hint));
    Button->SetShowHint(true);
    Button->SetFlat(AToolButtonsTransparent);
    PlaceRight(Button);
    Button->SetParent(ToolPanel);
  };
  auto NewToolButton = [this] {
    auto* Button = new TskSkinSpeedButton(this);
    Button->SetSkinDataName("toolbutton");
    Button->SetDefaultWidth(ToolButtonSize.cx);
    Button->SetDefaultHeight(ToolButtonSize.cy);
    return Button;
  };
  BackToolButton = NewToolButton();
  AddToolButton(BackToolButton, 0, "MSG_BTN_BACK_HINT", "Go To Last Folder Visited");
  BackToolButton->OnClick = [this](TObject* Sender) { BackToolButtonClick(Sender); };
  UpToolButton = NewToolButton();
  AddToolButton(UpToolButton, 1, "MSG_BTN_UP_HINT", "Up One Level");
  UpToolButton->OnClick = [this](TObject* Sender) { UpToolButtonClick(Sender); };
  NewFolderToolButton = NewToolButton();
  AddToolButton(NewFolderToolButton, 2, "MSG_BTN_NEWFOLDER_HINT", "Create New Folder");
  NewFolderToolButton->OnClick = [this](TObject* Sender) { NewFolderToolButtonClick(Sender); };
  auto* Spacer = new TskSkinBevel(this);
  Spacer->SetShape(bsSpacer);
  Spacer->SetWidth(SpacerWidth);
  PlaceRight(Spacer);
  Spacer->SetParent(ToolPanel);

  StylePopupMenu = new TskSkinPopupMenu(this);
  auto AddViewItem = [this](const char* Name, const char* Builtin, TViewStyle Style) {
    auto* Item = new TMenuItem(this);
    Item->SetCaption(Text(Name, Builtin));
    Item->SetRadioItem(true);
    Item->OnClick = [this, Style](TObject*) { SelectViewStyle(Style); };
    StylePopupMenu->Items()->Add(Item);
    return Item;
  };
  IconMenuItem = AddViewItem("MSG_LV_ICON", "Large icons", vsIcon);
  SmallIconMenuItem = AddViewItem("MSG_LV_SMALLICON", "Small icons", vsSmallIcon);
  ListMenuItem = AddViewItem("MSG_LV_LIST", "List", vsList);
  ReportMenuItem = AddViewItem("MSG_LV_DETAILS", "Details", vsReport);
  StyleToolButton = new TskSkinMenuSpeedButton(this);
  StyleToolButton->SetSkinDataName("toolmenubutton");
  StyleToolButton->SetDefaultWidth(StyleButtonWidth);
  StyleToolButton->SetSkinPopupMenu(StylePopupMenu);
  AddToolButton(StyleToolButton, 3, "MSG_BTN_VIEWMENU_HINT", "View Menu");
}

void TskOpenDlgForm::BuildList() {
  FileListViewPanel = new TskSkinPanel(this);
  FileListViewPanel->SetBorderStyle(TskSkinBorderStyle::bvFrame);
  FileListViewPanel->SetAlign(alClient);
  FileListViewPanel->SetParent(this);

  FLVHScrollBar = new TskSkinScrollBar(this);
  FLVHScrollBar->SetSkinDataName("hscrollbar");
  FLVHScrollBar->SetDefaultHeight(ScrollBarThickness);
  FLVHScrollBar->SetBothMarkerWidth(ScrollBarThickness);
  FLVHScrollBar->SetAlign(alBottom);
  FLVHScrollBar->SetParent(FileListViewPanel);
  FLVVScrollBar = new TskSkinScrollBar(this);
  FLVVScrollBar->SetSkinDataName("vscrollbar");
  FLVVScrollBar->SetKind(sbVertical);
  FLVVScrollBar->SetDefaultWidth(ScrollBarThickness);
  FLVVScrollBar->SetAlign(alRight);
  FLVVScrollBar->SetParent(FileListViewPanel);

  FileListView = new TskSkinFileListView(this);
  FileListView->SetAlign(alClient);
  FileListView->SetParent(FileListViewPanel);
  FileListView->SetViewStyle(vsList);
  FileListView->SetShowColumnHeaders(true);
  FileListView->SetHideSelection(false);
  FileListView->SetHScrollBar(FLVHScrollBar);
  FileListView->SetVScrollBar(FLVVScrollBar);
  FileListView->SetShellComboBox(ShellBox);
  FileListView->OnChange = [this](TObject* Sender, TListItem* Item, TItemChange Change) {
    FLVChange(Sender, Item, Change);
  };
  FileListView->OnPathChanged = [this](TObject* Sender) { FLVPathChange(Sender); };
  FileListView->OnDblClick = [this](TObject* Sender) { FLVDBLClick(Sender); };
  FileListView->OnKeyPress = [this](TObject* Sender, char32_t& Key) { FLVKeyPress(Sender, Key); };
  ListMenuItem->SetChecked(true);
}

void TskOpenDlgForm::BuildBottomPanel() {
  BottomPanel = new TskSkinPanel(this);
  BottomPanel->SetHeight(BottomPanelHeight);
  BottomPanel->SetBorderStyle(TskSkinBorderStyle::bvNone);
  BottomPanel->SetAlign(alBottom);
  BottomPanel->SetParent(this);
  const int FieldWidth = ClientWidth() - FieldMargin;
  const int ButtonLeft = ClientWidth() - ButtonMargin;

  auto AddLabel = [this](const String& Caption, int Top) {
    auto* Label = new TskSkinStdLabel(this);
    Label->SetAutoSize(true);
    Label->SetLeft(LabelLeft);
    Label->SetTop(Top);
    Label->SetCaption(Caption);
    Label->SetParent(BottomPanel);
    return Label;
  };
  auto AddButton = [this, ButtonLeft](const String& Caption, int Top) {
    auto* Button = new TskSkinButton(this);
    Button->SetCaption(Caption);
    Button->SetCanFocused(true);
    Button->SetDefaultHeight(ButtonHeight);
    Button->SetBounds(ButtonLeft, Top, ButtonWidth, ButtonHeight);
    Button->SetAnchors({ akTop, akRight });
    Button->SetParent(BottomPanel);
    return Button;
  };
  OpenFileLabel = AddLabel(Text("MSG_FILENAME", "File name:"), FirstRowTop);
  FileNameEdit = new TskSkinEdit(this);
  FileNameEdit->SetBounds(EditLeft, FirstRowTop, FieldWidth, FileNameEdit->Height());
  FileNameEdit->SetAnchors({ akLeft, akTop, akRight });
  FileNameEdit->SetParent(BottomPanel);
  FileNameEdit->OnKeyPress = [this](TObject* Sender, char32_t& Key) { EditKeyPress(Sender, Key); };
  OpenButton = AddButton(SaveMode ? Text("MSG_BTN_SAVE", "&Save") : Text("MSG_BTN_OPEN", "&Open"), FirstRowTop);
  OpenButton->OnClick = [this](TObject* Sender) { OpenButtonClick(Sender); };

  FileTypeLabel = AddLabel(Text("MSG_FILETYPE", "File type:"), SecondRowTop);
  FilterComboBox = new TskSkinFilterComboBox(this);
  FilterComboBox->SetDefaultHeight(ComboHeight);
  FilterComboBox->SetBounds(EditLeft, SecondRowTop, FieldWidth, ComboHeight);
  FilterComboBox->SetAnchors({ akLeft, akTop, akRight });
  FilterComboBox->SetParent(BottomPanel);
  FilterComboBox->OnChange = [this](TObject* Sender) { FCBChange(Sender); };
  CancelButton = AddButton(Text("MSG_BTN_CANCEL", "Cancel"), SecondRowTop);
  CancelButton->SetModalResult(mrCancel);
  CancelButton->SetCancel(true);
}

String TskOpenDlgForm::Text(const char* Name, const char* Builtin) const { return DialogText(FStrings, Name, Builtin); }

void TskOpenDlgForm::SelectViewStyle(TViewStyle Style) {
  FileListView->SetViewStyle(Style);
  IconMenuItem->SetChecked(Style == vsIcon);
  SmallIconMenuItem->SetChecked(Style == vsSmallIcon);
  ListMenuItem->SetChecked(Style == vsList);
  ReportMenuItem->SetChecked(Style == vsReport);
}

void TskOpenDlgForm::InitHistory() { AddToHistory(); }

void TskOpenDlgForm::AddToHistory() {
  const TskShellFolder* Root = FileListView->RootFolder();
  if (!Root) return;
  if (!FolderHistory.empty() && SameItemIDList(FolderHistory.back().get(), Root->AbsoluteID())) return;
  FolderHistory.push_back(CopyItemIDList(Root->AbsoluteID()));
}

void TskOpenDlgForm::FLVPathChange(TObject*) {
  if (!StopAddToHistory) AddToHistory();
  if (FileListView->Items()->Count() > 0) FileListView->SetItemFocused(FileListView->Items()->Item(0));
  FireFolderChange();
}

void TskOpenDlgForm::FireFolderChange() {
  if (OnFolderChange) OnFolderChange(this);
}

void TskOpenDlgForm::BackToolButtonClick(TObject*) {
  if (FolderHistory.size() < 2) return;
  StopAddToHistory = true;
  FileListView->GoToItemIDList(FolderHistory[FolderHistory.size() - 2].get());
  StopAddToHistory = false;
  FolderHistory.pop_back();
}

void TskOpenDlgForm::UpToolButtonClick(TObject*) { FileListView->Back(); }

void TskOpenDlgForm::NewFolderToolButtonClick(TObject*) {
  const String Folder = FileListView->Path();
  if (Folder.find(PathDelim) == String::npos) return;
  ++NewFolderCount;
  String Name = Text("MSG_NEWFOLDER", "New Folder");
  if (NewFolderCount > 1) Name += "(" + std::to_string(NewFolderCount) + ")";
  const String Full = AppendPathPart(Folder, Name);
  if (FolderExists(Full)) return;
  MkDir(Full);
  FileListView->Refresh();
  Application->ProcessMessages();
  for (int I = 0; I < FileListView->EntryCount(); ++I)
    if (FileListView->EntryAt(I)->DisplayName() == Name) {
      FileListView->Items()->Item(I)->EditCaption();
      return;
    }
}

String TskOpenDlgForm::ListFolder() const { return IncludeTrailingPathDelimiter(FileListView->Path()); }

String TskOpenDlgForm::FilterExt() { return MaskExt(FilterComboBox->Mask()); }

String TskOpenDlgForm::TypedNameExt() { return DefaultExt.empty() ? FilterExt() : "." + DefaultExt; }

String TskOpenDlgForm::CompleteSaveName(const String& Name) {
  String Result = Name;
  if (ExtractFileExt(Result).empty()) Result += FilterExt();
  if (ExtractFileExt(Result).empty() && !DefaultExt.empty()) Result += "." + DefaultExt;
  return Result;
}

void TskOpenDlgForm::Accept(const String& Name) {
  FileName = Name;
  SetModalResult(mrOk);
}

bool TskOpenDlgForm::OverwriteConfirmed(const String& Name) {
  if (!OverwritePromt || !FileExists(CompleteSaveName(Name))) return true;
  TskSkinMessage Question(this);
  Question.SetSkinData(BSF->SkinData());
  Question.SetCtrlSkinData(CtrlSD);
  return Question.MessageDlg(Text("MSG_OVERWRITE", "Do you want to overwrite old file?"), mtWarning,
                             { mbOK, mbCancel }, 0) == mrOk;
}

void TskOpenDlgForm::OpenButtonClick(TObject*) {
  const String Sel = FileListView->GetSelectedFile();
  const String Typed = FileNameEdit->Text();
  const String Folder = ListFolder();
  auto Completed = [this](const String& Name) { return ExtractFileExt(Name).empty() ? Name + TypedNameExt() : Name; };
  if (SaveMode) {
    if (Typed.empty() || (FileListView->Path() + PathDelim + Typed).find('*') != String::npos) return;
    const String Name = Folder + Typed;
    if (DirectoryExists(CompleteSaveName(Name))) return;  // a folder is no file to save into
    if (OverwriteConfirmed(Name)) Accept(Name);
    return;
  }
  String Candidate;
  if (Sel.empty() && CheckFileExists && !Typed.empty()) {
    Candidate = Completed(Folder + Typed);
    if (!FileExists(Candidate)) return;
  }
  if (Typed.empty()) return;
  if (!CheckFileExists) {
    const String Name = Sel.empty() ? Completed(Folder + Typed) : Sel;
    if (!DirectoryExists(Name)) Accept(Name);
    return;
  }
  FileName = Sel.empty() ? Candidate : Sel;
  if (FileExists(FileName)) SetModalResult(mrOk);
  else FileName.clear();
}

void TskOpenDlgForm::EditKeyPress(TObject* Sender, char32_t& Key) {
  if (Key != KeyEnter) return;
  const String Typed = FileNameEdit->Text();
  if (Typed.find('*') != String::npos) FileListView->SetMask(Typed);
  else if (Typed.find(PathDelim) != String::npos) {
    // A relative path starts at the folder shown, never at the process's current folder.
    const String Target = ExpandFileName(Typed.starts_with(PathDelim) ? Typed : ListFolder() + Typed);
    if (FolderExists(Target)) FileListView->SetPath(Target);
  } else OpenButtonClick(Sender);
}

void TskOpenDlgForm::FLVChange(TObject*, TListItem*, TItemChange) {
  const String Sel = FileListView->GetSelectedFile();
  if (!Sel.empty()) FileNameEdit->SetText(ExtractFileName(Sel));
  FireFolderChange();
}

void TskOpenDlgForm::FLVKeyPress(TObject* Sender, char32_t& Key) {
  if (Key == KeyEnter && !FileListView->GetSelectedFile().empty()) OpenButtonClick(Sender);
}

void TskOpenDlgForm::FLVDBLClick(TObject*) {
  const String Sel = FileListView->GetSelectedFile();
  if (Sel.empty()) return;
  if (SaveMode && !OverwriteConfirmed(Sel)) return;
  Accept(Sel);
}

void TskOpenDlgForm::FCBChange(TObject*) {
  FileListView->SetMask(FilterComboBox->Mask());
  if (!SaveMode) return;
  const String Ext = FilterExt();
  const String Typed = FileNameEdit->Text();
  if (!Ext.empty() && !Typed.empty()) FileNameEdit->SetText(ChangeFileExt(Typed, Ext));
}
