// The output folder and the skin index.
#include "app/forms/TForm1.h"

void TForm1::Button17Click(TObject*) {}
void TForm1::Button16Click(TObject*) {}
void TForm1::Button3Click(TObject*) {}
void TForm1::skSkinButton5Click(TObject*) {}
void TForm1::skSkinButton6Click(TObject*) {}
void TForm1::Video_OutPut_Folder_EditClick(TObject*) {}
void TForm1::Button20Click(TObject*) {}
