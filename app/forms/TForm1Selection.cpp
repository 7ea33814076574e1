// Format and preset selection, and loading a selected row into the combos.
#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/PresetCode.h"
#include "app/forms/TForm1.h"
#include "app/forms/TMainCatalogue.h"
#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TListItem.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinSlider.h"

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
  const auto FormatStepOnRow = [this] {
    FFormatStepWritesRow = true;
    ScopeGuard Done([this] { FFormatStepWritesRow = false; });
    Button5->Click();
  };
  FormatChange(Catalogue.CategoryIndex, Catalogue.Formats, Catalogue.Target.SelectedRow,
               { [this] { Button18->Click(); }, FormatStepOnRow, [this] { Button13->Click(); } });
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

// Every selection change the list reports loads whichever row is selected then. The category and format
// assignments run the whole cascade, which writes the row's format parameters, default preset code, output
// extension and format code; restoring the row's presets then writes back each one whose entry shows
// another text than the default. A row whose cells cannot be read stops the loading where it fails, and
// nothing is shown.
void TForm1::lvFilesSelectItem(TObject*, TListItem*, bool) {
  try {
    TListItem* Row = lvFiles->Selected();
    if (!Row) return;
    TStrings* Cells = Row->SubItems();
    const RowFormat Format = DecodeRowFormatCode(StrToInt(Cells->Strings(JobCell::FormatCode)));
    const std::array<int, PresetRoleCount> Presets = PresetCodeIndexes(Cells->Strings(JobCell::Presets));
    skSkinOfficeComboBox2->SetItemIndex(Format.CategoryIndex);
    skSkinOfficeComboBox1->SetItemIndex(Format.FormatIndex);
    TskSkinComboBox* const PresetCombos[] = { skSkinComboBox1, skSkinComboBox2, skSkinComboBox3,
                                              skSkinComboBox4, skSkinComboBox9, skSkinComboBox10 };
    for (TPresetRole Role : PresetClearOrder) PresetCombos[size_t(Role)]->SetItemIndex(Presets[size_t(Role)]);
    skSkinSlider1->SetValue(0);
    T_Movie_PLayer_FileName = Row->Caption();
    Button31->Click();
  } catch (...) {
  }
}
