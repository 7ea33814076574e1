#pragma once
// One window's six preset combos, addressed by role.
#include <array>

#include "app/catalogue/IPresetCombo.h"
#include "app/catalogue/PresetTables.h"

/// The six preset combos of the main window or of the preset dialog; the combos outlive this record.
class TPresetCombos {
public:
  TPresetCombos(IPresetCombo& Resolution, IPresetCombo& VideoBitrate, IPresetCombo& AudioBitrate,
                IPresetCombo& AspectMode, IPresetCombo& FrameRate, IPresetCombo& SampleRate)
    : FCombos { &Resolution, &VideoBitrate, &AudioBitrate, &AspectMode, &FrameRate, &SampleRate } {}

  IPresetCombo& operator[](TPresetRole Role) const { return *FCombos[size_t(Role)]; }

private:
  std::array<IPresetCombo*, PresetRoleCount> FCombos;
};
