// The output folder and the skin index.
#include "app/forms/TForm1.h"
#include "app/settings/OptionFile.h"
#include "platform/base/SysUtils.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/core/TskSkinData.h"

void TForm1::Button17Click(TObject*) {
  FileOutPutPath = ReadOutputFolder();
  Video_OutPut_Folder_Edit->SetText(FileOutPutPath);
}

void TForm1::Button16Click(TObject*) {}

// A value that is not a whole number ends the step without a word: the first model keeps no skin.
void TForm1::Button3Click(TObject*) {
  int Index = 0;
  if (TryStrToInt(ReadOption(okSetSkin), Index)) skSkinData1->SetSkinIndex(Index);
}

void TForm1::skSkinButton5Click(TObject*) {}
void TForm1::skSkinButton6Click(TObject*) {}
void TForm1::Video_OutPut_Folder_EditClick(TObject*) {}
void TForm1::Button20Click(TObject*) {}
