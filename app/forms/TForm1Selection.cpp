// Format and preset selection, and loading a selected row into the combos.
#include "app/forms/TForm1.h"
#include "app/forms/TMainCatalogue.h"
#include "platform/ui/toolkit/TButton.h"

namespace {

/// A preset combo's change, on its own combo, field and cell.
void RunPresetChange(TForm1& Form, TPresetRole Role) {
  TMainCatalogue Catalogue(Form);
  PresetChange(Role, Catalogue.Presets[Role], Catalogue.Target);
}

}  // namespace

void TForm1::skSkinOfficeComboBox2Change(TObject*) { Button2->Click(); }

void TForm1::skSkinOfficeComboBox1Change(TObject*) {
  TMainCatalogue Catalogue(*this);
  FormatChange(Catalogue.CategoryIndex, Catalogue.Formats, Catalogue.Presets, Catalogue.Target);
}

void TForm1::skSkinComboBox1Change(TObject*) { RunPresetChange(*this, TPresetRole::Resolution); }
void TForm1::skSkinComboBox2Change(TObject*) { RunPresetChange(*this, TPresetRole::VideoBitrate); }
void TForm1::skSkinComboBox3Change(TObject*) { RunPresetChange(*this, TPresetRole::AudioBitrate); }
void TForm1::skSkinComboBox4Change(TObject*) { RunPresetChange(*this, TPresetRole::AspectMode); }
void TForm1::skSkinComboBox9Change(TObject*) { RunPresetChange(*this, TPresetRole::FrameRate); }
void TForm1::skSkinComboBox10Change(TObject*) { RunPresetChange(*this, TPresetRole::SampleRate); }

void TForm1::Button13Click(TObject*) {
  TMainCatalogue Catalogue(*this);
  ApplyPresets(Catalogue.Presets, *this);
}

void TForm1::lvFilesSelectItem(TObject*, TListItem*, bool) {}
