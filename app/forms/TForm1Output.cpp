// The output folder and the skin index.
#include "app/forms/TForm1.h"
#include "app/settings/OptionFile.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/shell/IShellOpenService.h"
#include "platform/ui/toolkit/TButton.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/core/TskSkinData.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"

void TForm1::Button17Click(TObject*) {
  FileOutPutPath = ReadOutputFolder();
  Video_OutPut_Folder_Edit->SetText(FileOutPutPath);
}

void TForm1::Button16Click(TObject*) {
  if (DirectoryExists(FileOutPutPath)) WriteOption(okOutPath, FileOutPutPath);
}

// A value that is not a whole number ends the step without a word: the first model keeps no skin.
void TForm1::Button3Click(TObject*) {
  int Index = 0;
  if (TryStrToInt(ReadOption(okSetSkin), Index)) skSkinData1->SetSkinIndex(Index);
}

// A cancelled dialog changes nothing: the dialog's folder after a cancel is the one of its last confirmed
// run, which may have been the snapshot folder's.
void TForm1::skSkinButton5Click(TObject*) {
  if (!skSkinSelectDirectoryDialog2->Execute()) return;
  const String Folder = skSkinSelectDirectoryDialog2->Directory();
  if (!DirectoryExists(Folder)) return;
  Video_OutPut_Folder_Edit->SetText(Folder);
  FileOutPutPath = Folder;
  Button16->Click();
  lvFiles->SetFocus();
}

void TForm1::skSkinButton6Click(TObject*) {
  Button20->Click();
  lvFiles->SetFocus();
}

// The field never takes the focus: it shows the folder and nothing is typed into it.
void TForm1::Video_OutPut_Folder_EditClick(TObject*) { lvFiles->SetFocus(); }

void TForm1::Button20Click(TObject*) { Services.ShellOpen->Open(Video_OutPut_Folder_Edit->Text(), ""); }
