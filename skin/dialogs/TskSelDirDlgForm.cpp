#include "skin/dialogs/TskSelDirDlgForm.h"

#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/controls/TskPngImageList.h"
#include "skin/controls/TskSkinBevel.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinToolBar.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/dialogs/TskCustomShellTreeView.h"
#include "skin/dialogs/TskSkinMessage.h"
#include "skin/dialogs/skFileCtrlPaths.h"
#include "skin/form/TskSkinForm.h"
#include "skin/dialogs/skDialogText.h"

namespace {

constexpr int ToolBarHeight = 25;
constexpr int ToolButtonWidth = 27;
constexpr int ToolButtonHeight = 25;
constexpr int SpacerWidth = 5;
constexpr int ScrollBarSize = 19;
constexpr int BottomPanelHeight = 50;
constexpr int ButtonTop = 15;
constexpr int OkButtonLeft = 20;
constexpr int CancelButtonLeft = 100;
constexpr int ButtonWidth = 70;
constexpr int ButtonHeight = 25;
constexpr char32_t EnterKey = 13;

}  // namespace

TskSelDirDlgForm::TskSelDirDlgForm(TComponent* AOwner, TskSkinData* ACtrlSkinData, bool AShowToolBar)
    : TForm(AOwner),
      CtrlSD(ACtrlSkinData),
      ShowToolBar(AShowToolBar),
      FStrings(ACtrlSkinData ? ACtrlSkinData->ResourceStrData() : nullptr) {
  SetKeyPreview(true);
  SetPosition(poScreenCenter);
  PngImgList = new TskPngImageList(this);
  AddResourcePngs(PngImgList, { "BS_NEWFOLDER_PNG" });
  BSF = new TskSkinForm(this);
}

std::unique_ptr<TskSelDirDlgForm> TskSelDirDlgForm::CreateEx(
    TComponent* AOwner, TskSkinData* ACtrlSkinData, bool AShowToolBar, bool AToolButtonsTransparent,
    TCustomImageList* AToolBarImageList, int AToolButtonImageIndex, bool ATreeShowLines,
    TCustomImageList* ATreeButtonImageList, int ATreeButtonExpandImageIndex, int ATreeButtonNoExpandImageIndex) {
  std::unique_ptr<TskSelDirDlgForm> Form(new TskSelDirDlgForm(AOwner, ACtrlSkinData, AShowToolBar));
  if (AShowToolBar) Form->CreateToolBar(AToolButtonsTransparent, AToolBarImageList, AToolButtonImageIndex);
  Form->CreateTree(ATreeShowLines, ATreeButtonImageList, ATreeButtonExpandImageIndex, ATreeButtonNoExpandImageIndex);
  Form->CreateButtons();
  return Form;
}

String TskSelDirDlgForm::Text(const char* Name, const char* Builtin) const { return DialogText(FStrings, Name, Builtin); }

void TskSelDirDlgForm::CreateToolBar(bool AToolButtonsTransparent, TCustomImageList* AToolBarImageList,
                                     int AToolButtonImageIndex) {
  ToolPanel = new TskSkinToolBar(this);
  ToolPanel->SetDefaultHeight(ToolBarHeight);
  ToolPanel->SetHeight(ToolBarHeight);
  ToolPanel->SetBorderStyle(TskSkinBorderStyle::bvNone);
  ToolPanel->SetAlign(alTop);
  ToolPanel->SetParent(this);
  ToolPanel->SetImages(AToolBarImageList ? AToolBarImageList : PngImgList);

  // Right-aligned controls line up in creation order from left to right: the spacer first.
  auto* Spacer = new TskSkinBevel(this);
  Spacer->SetShape(bsSpacer);
  Spacer->SetWidth(SpacerWidth);
  Spacer->SetAlign(alRight);
  Spacer->SetParent(ToolPanel);

  NewFolderToolButton = new TskSkinSpeedButton(this);
  NewFolderToolButton->SetDefaultWidth(ToolButtonWidth);
  NewFolderToolButton->SetDefaultHeight(ToolButtonHeight);
  NewFolderToolButton->SetBounds(0, 0, ToolButtonWidth, ToolButtonHeight);
  NewFolderToolButton->SetAlign(alRight);
  NewFolderToolButton->SetImageIndex(AToolBarImageList ? AToolButtonImageIndex : 0);
  NewFolderToolButton->SetHint(Text("MSG_BTN_NEWFOLDER_HINT", "Create New Folder"));
  NewFolderToolButton->SetShowHint(true);
  NewFolderToolButton->SetFlat(AToolButtonsTransparent);
  NewFolderToolButton->SetParent(ToolPanel);
  NewFolderToolButton->OnClick = [this](TObject* Sender) { NewFolderButtonClick(Sender); };

  DirEdit = new TskSkinEdit(this);
  DirEdit->SetAlign(alClient);
  DirEdit->SetParent(ToolPanel);
  DirEdit->OnKeyPress = [this](TObject* Sender, char32_t& Key) { DirEditKeyPress(Sender, Key); };
}

void TskSelDirDlgForm::CreateTree(bool ATreeShowLines, TCustomImageList* ATreeButtonImageList,
                                  int ATreeButtonExpandImageIndex, int ATreeButtonNoExpandImageIndex) {
  DirTreeViewPanel = new TskSkinPanel(this);
  DirTreeViewPanel->SetBorderStyle(TskSkinBorderStyle::bvFrame);
  DirTreeViewPanel->SetAlign(alClient);
  DirTreeViewPanel->SetParent(this);

  VScrollBar = new TskSkinScrollBar(this);
  VScrollBar->SetKind(sbVertical);
  VScrollBar->SetSkinDataName("vscrollbar");
  VScrollBar->SetDefaultHeight(0);
  VScrollBar->SetDefaultWidth(ScrollBarSize);
  VScrollBar->SetWidth(ScrollBarSize);
  VScrollBar->SetAlign(alRight);
  VScrollBar->SetParent(DirTreeViewPanel);

  HScrollBar = new TskSkinScrollBar(this);
  HScrollBar->SetDefaultHeight(ScrollBarSize);
  HScrollBar->SetBothMarkerWidth(ScrollBarSize);
  HScrollBar->SetAlign(alBottom);
  HScrollBar->SetParent(DirTreeViewPanel);

  DirTreeView = new TskSkinDirTreeView(this);
  DirTreeView->SetAlign(alClient);
  DirTreeView->SetParent(DirTreeViewPanel);
  DirTreeView->SetObjectTypes(DirTreeView->ObjectTypes() + TShellObjectTypes { otHidden });
  DirTreeView->SetHideSelection(false);
  DirTreeView->SetShowLines(ATreeShowLines);
  DirTreeView->SetButtonImageList(ATreeButtonImageList);
  DirTreeView->SetButtonExpandImageIndex(ATreeButtonExpandImageIndex);
  DirTreeView->SetButtonNoExpandImageIndex(ATreeButtonNoExpandImageIndex);
  DirTreeView->SetVScrollBar(VScrollBar);
  DirTreeView->SetHScrollBar(HScrollBar);
  DirTreeView->OnChange = [this](TObject* Sender, TTreeNode* Node) { DirTreeViewChange(Sender, Node); };
}

void TskSelDirDlgForm::CreateButtons() {
  BottomPanel = new TskSkinPanel(this);
  BottomPanel->SetBorderStyle(TskSkinBorderStyle::bvNone);
  BottomPanel->SetHeight(BottomPanelHeight);
  BottomPanel->SetAlign(alBottom);
  BottomPanel->SetParent(this);

  auto AddButton = [this](const String& Caption, int Left, TModalResult Result) {
    auto* Button = new TskSkinButton(this);
    Button->SetCaption(Caption);
    Button->SetCanFocused(true);
    Button->SetDefaultHeight(ButtonHeight);
    Button->SetBounds(Left, ButtonTop, ButtonWidth, ButtonHeight);
    Button->SetAnchors({});
    Button->SetParent(BottomPanel);
    Button->SetModalResult(Result);
    return Button;
  };
  OkButton = AddButton(Text("MSG_BTN_OK", "OK"), OkButtonLeft, mrOk);
  OkButton->SetDefault(true);
  CancelButton = AddButton(Text("MSG_BTN_CANCEL", "Cancel"), CancelButtonLeft, mrCancel);
  CancelButton->SetCancel(true);
}

void TskSelDirDlgForm::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGKEY && Message.WParam == VK_RETURN && DirEdit && DirEdit->Focused()) {
    Message.Result = 0;
    return;
  }
  TForm::Dispatch(Message);
}

void TskSelDirDlgForm::ShowPathError(const String& Path) {
  TskSkinMessage Box(nullptr);
  Box.SetSkinData(BSF->SkinData());
  Box.SetCtrlSkinData(CtrlSD);
  Box.MessageDlg(Format("Error setting path: \"%s\"", Path), mtError, { mbOK }, 0);
}

void TskSelDirDlgForm::DirEditKeyPress(TObject*, char32_t& Key) {
  if (Key != EnterKey) return;
  const String Typed = DirEdit->Text();
  if (Typed.empty()) return;
  // Only an absolute path names one folder: a relative one would depend on the process's current folder.
  if (Typed.front() != '/' || !FolderExists(Typed)) return ShowPathError(Typed);
  try {
    DirTreeView->SetPath(Typed);
  } catch (const EInvalidPath&) {
    ShowPathError(Typed);
  }
}

void TskSelDirDlgForm::DirTreeViewChange(TObject*, TTreeNode*) {
  if (ShowToolBar) DirEdit->SetText(DirTreeView->Path());
}

void TskSelDirDlgForm::NewFolderButtonClick(TObject*) {
  TskShellFolder* Folder = DirTreeView->SelectedFolder();
  if (!Folder) return;
  // Only a folder of the file system can hold a new folder: virtual nodes (Computer) have no path.
  const String Parent = Folder->FullObjectName();
  if (Parent.empty() || Parent.front() != '/') return;
  const String Full = AppendPathPart(Parent, Text("MSG_NEWFOLDER", "New Folder"));
  if (FolderExists(Full)) return;
  MkDir(Full);
  DirTreeView->Refresh(DirTreeView->Selected());
}
