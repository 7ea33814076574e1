// Removing, clearing, renaming and moving job rows.
#include "app/forms/TForm1.h"

void TForm1::btnRemoveClick(TObject*) {}
void TForm1::btnClearClick(TObject*) {}
void TForm1::skSkinButton7Click(TObject*) {}
void TForm1::skSkinButton8Click(TObject*) {}
void TForm1::skSkinButton21Click(TObject*) {}
void TForm1::lvFilesDblClick(TObject*) {}
void TForm1::N26Click(TObject*) {}
void TForm1::edtExit(TObject*) {}
void TForm1::skSkinButton3Click(TObject*) {}
void TForm1::skSkinButton4Click(TObject*) {}
void TForm1::lvFilesClick(TObject*) {}
