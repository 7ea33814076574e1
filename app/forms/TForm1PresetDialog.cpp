// Opening the preset dialog.
#include "app/forms/TForm1.h"
#include "app/forms/TForm7.h"
#include "app/forms/TMainCatalogue.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"

// The dialog takes the window's category, format and presets through its own change handlers, which with a
// selected row write that row as a row selection does, then shows modally; its result is not used.
void TForm1::skSkinButton24Click(TObject*) {
  Form7->skSkinOfficeComboBox2->SetItemIndex(skSkinOfficeComboBox2->ItemIndex());
  Form7->skSkinOfficeComboBox1->SetItemIndex(skSkinOfficeComboBox1->ItemIndex());
  TMainCatalogue Catalogue(*this);
  CopyPresetIndexes(Catalogue.Presets, Form7->Presets());
  Form7->ShowModal();
}
