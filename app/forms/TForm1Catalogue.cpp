// The catalogue steps: format list, format parameters, preset lists.
#include "app/catalogue/FormatCatalogue.h"
#include "app/forms/TForm1.h"
#include "app/forms/TMainCatalogue.h"

void TForm1::Button2Click(TObject*) {
  TMainCatalogue Catalogue(*this);
  FillFormatList(Catalogue.CategoryIndex, Catalogue.Formats);
}

void TForm1::Button5Click(TObject*) {
  TMainCatalogue Catalogue(*this);
  ApplyFormat(FormatKey(Catalogue.CategoryIndex, Catalogue.Formats.ItemIndex()), Catalogue.Target);
}

void TForm1::Button18Click(TObject*) {
  TMainCatalogue Catalogue(*this);
  FillPresetCombos(FormatKey(Catalogue.CategoryIndex, Catalogue.Formats.ItemIndex()), Catalogue.Presets);
}
