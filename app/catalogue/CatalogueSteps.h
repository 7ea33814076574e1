#pragma once
// The catalogue's steps, written once for both windows that choose formats: the main window and the preset
// dialog. Each takes the controls it fills and the main window's side it writes; the preset dialog's steps
// differ only in recording the format key (TCatalogueTarget::All_Trant_Number). A step that runs another
// step runs it through the window's own hidden button, so each step has one path.
#include <functional>

#include "app/catalogue/IFormatCombo.h"
#include "app/catalogue/ISelectedJobRow.h"
#include "app/catalogue/OutputNaming.h"
#include "app/catalogue/TPresetCombos.h"
#include "app/catalogue/TVideoParams.h"

/// What the steps write on the main window's side, read afresh by the handler that runs them.
struct TCatalogueTarget {
  TVideoParams& Params;
  TOutputNaming Naming;
  /// The job list's selected row; nullptr when none is selected or when a step runs for an add, which
  /// writes no row.
  ISelectedJobRow* SelectedRow { nullptr };
  /// The main window's record of the latest format key (FormatKey + 100), written by the preset dialog's
  /// steps only; nullptr for the main window's.
  int* All_Trant_Number { nullptr };
};

/// The preset dialog's steps keep the main window's record of the format key (FormatKey + 100) and start
/// its video flag over; the main window's steps (no All_Trant_Number) leave both alone.
void RecordFormatKey(int FormatKey, TCatalogueTarget& Target);

/// Fills Formats with the formats of the category at CategoryIndex (item i shows picture i mod 2),
/// repainting before and after, and selects item 0, which always runs the format change.
void FillFormatList(int CategoryIndex, IFormatCombo& Formats);

/// Clears and enables the six combos, gives each in fill order its list and selects its default entry (a
/// default that changes a combo's shown text runs its preset change at once, before the next combo is
/// filled), then disables the four video combos of an audio-only format. A key without presets leaves the
/// combos empty and enabled.
void FillPresetCombos(int FormatKey, const TPresetCombos& Combos);

/// The format step, run after the window's reset of the parameters: loads the format's row, builds the
/// output name of Video_AddFileName by the free-name rule and, with a selected row, writes the row's cells
/// 10 to 23. A key without a row leaves the reset values and an output name of the folder alone.
void ApplyFormat(int FormatKey, TCatalogueTarget& Target);

/// The preset mapping: sets the six preset fields from the texts the combos show; writes no cell.
void ApplyPresets(const TPresetCombos& Combos, TVideoParams& Params);

/// A preset combo's change: with a selected row, writes the combo's index into the row's preset code, its
/// mapped text into its field and its parameter cell, and focuses the job list; without one, nothing.
void PresetChange(TPresetRole Role, const IPresetCombo& Combo, TCatalogueTarget& Target);

/// The steps a format change runs, each the click of its window's hidden button.
struct TFormatChangeSteps {
  /// The preset lists of the selected format (FillPresetCombos).
  std::function<void()> FillPresets;
  /// The format step in its form that writes the selected row (the reset, then ApplyFormat).
  std::function<void()> ApplyFormat;
  /// The preset mapping (ApplyPresets), which writes no cell.
  std::function<void()> ApplyPresets;
};

/// The format combo's change: fills the preset combos for the category at CategoryIndex and the selected
/// format, and with a selected row (Row) gives that row the format's default preset indexes, its
/// parameters (the format step, then the preset mapping over TVideoParams alone), its output name with the
/// caption's extension and its RowFormatCode, and focuses the job list.
void FormatChange(int CategoryIndex, const IFormatCombo& Formats, ISelectedJobRow* Row,
                  const TFormatChangeSteps& Steps);

/// Selects in To the item indexes that From's combos hold, in the order resolution, video bit rate, frame
/// rate, aspect mode, audio bit rate, sample rate; each combo whose shown text changes runs its preset change.
void CopyPresetIndexes(const TPresetCombos& From, const TPresetCombos& To);
