// The catalogue steps: format list, format parameters, preset lists.
#include "app/catalogue/FormatCatalogue.h"
#include "app/forms/TForm1.h"
#include "app/forms/TMainCatalogue.h"
#include "platform/ui/toolkit/TButton.h"

void TForm1::Button2Click(TObject*) {
  TMainCatalogue Catalogue(*this);
  FillFormatList(Catalogue.CategoryIndex, Catalogue.Formats);
}

// The add commands run it writing no row: they write their new row themselves, and no existing row
// changes, also while one is selected. Only the format change runs it writing the selected row.
void TForm1::Button5Click(TObject*) {
  Button6->Click();
  TMainCatalogue Catalogue(*this);
  if (!FFormatStepWritesRow) Catalogue.Target.SelectedRow = nullptr;
  ApplyFormat(FormatKey(Catalogue.CategoryIndex, Catalogue.Formats.ItemIndex()), Catalogue.Target);
}

void TForm1::Button18Click(TObject*) {
  TMainCatalogue Catalogue(*this);
  FillPresetCombos(FormatKey(Catalogue.CategoryIndex, Catalogue.Formats.ItemIndex()), Catalogue.Presets);
}
