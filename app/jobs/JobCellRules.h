#pragma once
// How a job row's parameter cells become the options of the output its batch task writes.
class TStrings;
struct TOutputOptions;

/// Applies the row's cells 10 to 23 (Cells holds the row's 24 cells, cell k at index k) to Options, the
/// output record of the row's job slot, as a batch start does before it hands the record to the engine.
/// An empty cell, and "AUTO" in cells 11 and 19 and "-1000" or "-2000" in cell 18, gives its field the
/// value InitOutputOptions gives it (the engine's choice), so the output is what the cells say also after
/// the row's format or presets changed; "libx264" in cell 10 also names the preset "libx264-default" and
/// clears the video tag; cell 21 disables video only when it reads "True"; cell 22 gives a target only for
/// "vcd", "svcd" or "dvd" (ttIgnore for other text); cell 23 gives ntAuto for anything but "PAL" and
/// "NTSC". Fields without a cell keep what the record holds. Cells 12, 16, 18 and 19 are read as decimal
/// integers: other text raises EConvertError with Options partly written.
void ApplyJobCells(const TStrings& Cells, TOutputOptions& Options);
