// The catalogue steps: format list, format parameters, preset lists.
#include "app/catalogue/FormatCatalogue.h"
#include "app/forms/TForm1.h"
#include "app/forms/TMainCatalogue.h"

void TForm1::Button2Click(TObject*) {
  TMainCatalogue Catalogue(*this);
  FillFormatList(Catalogue.CategoryIndex, Catalogue.Formats);
}

// Clicked only by the add commands, which write their new row themselves: no existing row changes, also
// while one is selected. The format change applies the format to the selected row on its own.
void TForm1::Button5Click(TObject*) {
  TMainCatalogue Catalogue(*this);
  Catalogue.Target.SelectedRow = nullptr;
  ApplyFormat(FormatKey(Catalogue.CategoryIndex, Catalogue.Formats.ItemIndex()), Catalogue.Target);
}

void TForm1::Button18Click(TObject*) {
  TMainCatalogue Catalogue(*this);
  FillPresetCombos(FormatKey(Catalogue.CategoryIndex, Catalogue.Formats.ItemIndex()), Catalogue.Presets);
}
