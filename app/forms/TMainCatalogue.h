#pragma once
// The main window's catalogue controls and the side the catalogue steps write, gathered for one step.
#include <optional>

#include "app/catalogue/CatalogueSteps.h"
#include "app/forms/TJobRowCells.h"
#include "app/forms/TOfficeFormatCombo.h"
#include "app/forms/TSkinPresetCombo.h"

class TForm1;

/// What a catalogue step of the main window works on, read afresh from the window when it is made: the
/// category index, the format combo, the six preset combos, and the target (TVideoParams, the naming of
/// output files by the folder edit and the rows' names, the selected row).
class TMainCatalogue {
public:
  explicit TMainCatalogue(TForm1& Form);
  TMainCatalogue(const TMainCatalogue&) = delete;
  TMainCatalogue& operator=(const TMainCatalogue&) = delete;

  int CategoryIndex;
  TOfficeFormatCombo Formats;
  TSkinPresetCombo Resolution;
  TSkinPresetCombo VideoBitrate;
  TSkinPresetCombo AudioBitrate;
  TSkinPresetCombo AspectMode;
  TSkinPresetCombo FrameRate;
  TSkinPresetCombo SampleRate;
  TPresetCombos Presets;
  std::optional<TJobRowCells> Row;
  TCatalogueTarget Target;
};
