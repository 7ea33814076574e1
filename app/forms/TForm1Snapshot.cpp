// Snapshots of the preview.
#include "app/forms/TForm1.h"

void TForm1::skSkinButton22Click(TObject*) {}
void TForm1::skSkinButton23Click(TObject*) {}
void TForm1::MenuItem1Click(TObject*) {}
void TForm1::MenuItem2Click(TObject*) {}
void TForm1::BMP1Click(TObject*) {}
void TForm1::JPG1Click(TObject*) {}
void TForm1::GIF1Click(TObject*) {}
void TForm1::PNG1Click(TObject*) {}
void TForm1::btnCaptureClick(TObject*) {}
void TForm1::skSkinButton23MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
