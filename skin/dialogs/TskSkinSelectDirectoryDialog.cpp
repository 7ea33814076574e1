#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"

#include "platform/base/ScopeGuard.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinToolBar.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/core/TskSkinData.h"
#include "skin/dialogs/TskCustomShellTreeView.h"
#include "skin/dialogs/TskSelDirDlgForm.h"
#include "skin/dialogs/skDialogFrame.h"
#include "skin/dialogs/skFileCtrlPaths.h"
#include "skin/form/TskSkinForm.h"

namespace {

constexpr int DefaultClientSize = 280;

/// The start folder of Tree: Directory when it is an existing absolute folder, else Computer expanded.
void OpenAt(TskSkinDirTreeView* Tree, const String& Directory) {
  Tree->HandleNeeded();
  if (!Directory.empty() && Directory.front() == '/' && FolderExists(Directory)) {
    try {
      Tree->SetPath(Directory);
      return;
    } catch (const EInvalidPath&) {
      // a folder the namespace cannot reach opens like a missing one
    }
  }
  Tree->ExpandMyComputer();
}

}  // namespace

TskSkinSelectDirectoryDialog::TskSkinSelectDirectoryDialog(TComponent* AOwner)
    : TComponent(AOwner),
      FDefaultFont(DialogDefaultFont()),
      FBorrowed(this, FSD, FCtrlFSD, FToolBarImageList, FTreeButtonImageList) {}

TskSkinSelectDirectoryDialog::~TskSkinSelectDirectoryDialog() {
  SetSkinData(nullptr);
  SetCtrlSkinData(nullptr);
  SetToolBarImageList(nullptr);
  SetTreeButtonImageList(nullptr);
}

bool TskSkinSelectDirectoryDialog::Execute() {
  if (OnShow) OnShow(this);
  std::unique_ptr<TskSelDirDlgForm> Form = TskSelDirDlgForm::CreateEx(
      Application, FCtrlFSD, FShowToolBar, FToolButtonsTransparent, FToolBarImageList, FToolButtonImageIndex,
      FTreeShowLines, FTreeButtonImageList, FTreeButtonExpandImageIndex, FTreeButtonNoExpandImageIndex);
  FDlgFrm = Form.get();
  ScopeGuard Close([this] {
    if (OnClose) OnClose(this);
    FDlgFrm = nullptr;
  });
  if (!ShowDialog(*Form)) return false;
  // Only a folder of the file system is an answer: Computer and the like have no path.
  TskShellFolder* Chosen = Form->DirTreeView->SelectedFolder();
  const String Path = Chosen ? Chosen->FullObjectName() : String();
  if (Path.empty()) return false;
  FDirectory = Path;
  return true;
}

bool TskSkinSelectDirectoryDialog::ShowDialog(TskSelDirDlgForm& Form) {
  TskSkinForm* Frame = Form.BSF;
  SetUpDialogFrame(Form, *Frame, FTitle,
                   { .SkinData = FSD, .MenusSkinData = FCtrlFSD, .MinWidth = FDialogMinWidth,
                     .MinHeight = FDialogMinHeight, .AlphaBlend = FAlphaBlend,
                     .AlphaBlendAnimation = FAlphaBlendAnimation, .AlphaBlendValue = FAlphaBlendValue });

  TskSkinDirTreeView* Tree = Form.DirTreeView;
  Form.DirTreeViewPanel->SetSkinData(FCtrlFSD);
  Tree->SetDefaultFont(FDefaultFont.get());
  Tree->SetSkinData(FCtrlFSD);
  if (FCtrlFSD) {
    Tree->SetDrawSkin(FCtrlFSD->DlgTreeViewDrawSkin());
    Tree->SetItemSkinDataName(FCtrlFSD->DlgTreeViewItemSkinDataName());
  }
  OpenAt(Tree, FDirectory);

  Form.VScrollBar->SetSkinData(FCtrlFSD);
  Form.HScrollBar->SetSkinData(FCtrlFSD);
  Form.BottomPanel->SetSkinData(FCtrlFSD);
  for (TskSkinButton* Button : { Form.OkButton, Form.CancelButton }) {
    Button->SetSkinData(FCtrlFSD);
    Button->SetDefaultFont(FDefaultFont.get());
  }
  if (Form.ToolPanel) {
    Form.ToolPanel->SetSkinData(FCtrlFSD);
    Form.NewFolderToolButton->SetSkinData(FCtrlFSD);
    Form.DirEdit->SetSkinData(FCtrlFSD);
  }

  SetDialogClientSize(Form, *Frame,
                      { FDialogWidth < 1 ? DefaultClientSize : FDialogWidth,
                        FDialogHeight < 1 ? DefaultClientSize : FDialogHeight });
  Form.SetActiveControl(Tree);

  const TModalResult Result = Form.ShowModal();
  FDialogWidth = Form.ClientWidth();
  FDialogHeight = Form.ClientHeight();
  return Result == mrOk;
}

void TskSkinSelectDirectoryDialog::SetSkinData(TskSkinData* Value) { FBorrowed.Set(FSD, Value); }

void TskSkinSelectDirectoryDialog::SetCtrlSkinData(TskSkinData* Value) { FBorrowed.Set(FCtrlFSD, Value); }

void TskSkinSelectDirectoryDialog::SetToolBarImageList(TCustomImageList* Value) {
  FBorrowed.Set(FToolBarImageList, Value);
}

void TskSkinSelectDirectoryDialog::SetTreeButtonImageList(TCustomImageList* Value) {
  FBorrowed.Set(FTreeButtonImageList, Value);
}

void TskSkinSelectDirectoryDialog::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove) FBorrowed.Forget(AComponent);
}
