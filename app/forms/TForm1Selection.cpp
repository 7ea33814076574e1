// Format and preset selection, and loading a selected row into the combos.
#include "app/forms/TForm1.h"

void TForm1::skSkinOfficeComboBox2Change(TObject*) {}
void TForm1::skSkinOfficeComboBox1Change(TObject*) {}
void TForm1::skSkinComboBox1Change(TObject*) {}
void TForm1::skSkinComboBox2Change(TObject*) {}
void TForm1::skSkinComboBox3Change(TObject*) {}
void TForm1::skSkinComboBox4Change(TObject*) {}
void TForm1::skSkinComboBox9Change(TObject*) {}
void TForm1::skSkinComboBox10Change(TObject*) {}
void TForm1::Button13Click(TObject*) {}
void TForm1::lvFilesSelectItem(TObject*, TListItem*, bool) {}
