#pragma once
// The preset lists of the six preset combos and the set of lists and default entries of every format.
// Both windows fill their combos from these tables, and item indexes pass between them and the job row by
// position, so entries keep their order and their duplicates.
#include <array>
#include <span>
#include <string_view>

/// The six preset combos, in the order of their pairs in a job row's preset code (the combos
/// skSkinComboBox1, 2, 3, 4, 9 and 10).
enum class TPresetRole { Resolution, VideoBitrate, AudioBitrate, AspectMode, FrameRate, SampleRate };
constexpr int PresetRoleCount = 6;

/// The order in which the combos are cleared and enabled (the preset code's order).
constexpr std::array<TPresetRole, PresetRoleCount> PresetClearOrder {
  TPresetRole::Resolution, TPresetRole::VideoBitrate, TPresetRole::AudioBitrate,
  TPresetRole::AspectMode, TPresetRole::FrameRate,    TPresetRole::SampleRate,
};
/// The order in which the combos are filled, each with its default set before the next.
constexpr std::array<TPresetRole, PresetRoleCount> PresetFillOrder {
  TPresetRole::Resolution,   TPresetRole::VideoBitrate, TPresetRole::FrameRate,
  TPresetRole::AudioBitrate, TPresetRole::SampleRate,   TPresetRole::AspectMode,
};
/// The video combos an audio-only format disables, in the order they are disabled.
constexpr std::array<TPresetRole, 4> PresetVideoRoles {
  TPresetRole::Resolution, TPresetRole::VideoBitrate, TPresetRole::AspectMode, TPresetRole::FrameRate,
};

/// A constant list of entry texts for one combo, named by its id ("R1" .. "R16", "V1" .. "V11",
/// "F1" .. "F6", "A1" .. "A6", "S1" .. "S5", "M1" .. "M3"). An entry's position is the combo's item index.
struct PresetList {
  std::string_view Id;
  std::span<const std::string_view> Entries;
};

/// A list and the index of its entry selected by default, which lies inside the list.
struct PresetChoice {
  const PresetList* List { nullptr };
  int DefaultIndex { 0 };

  std::string_view DefaultEntry() const { return List->Entries[DefaultIndex]; }
};

/// A format's list and default entry for each combo, and whether the format is audio-only.
struct PresetSet {
  int FormatKey { 0 };
  PresetChoice Resolution;
  PresetChoice VideoBitrate;
  PresetChoice FrameRate;
  PresetChoice AudioBitrate;
  PresetChoice SampleRate;
  PresetChoice AspectMode;
  bool AudioOnly { false };

  const PresetChoice& Choice(TPresetRole Role) const;
};

/// The 47 lists, by combo and then by number.
std::span<const PresetList* const> PresetLists();
/// Every format's set, in the order of the categories and their formats.
std::span<const PresetSet> PresetSets();
/// The set of FormatKey, or nullptr when the catalogue has no such format.
const PresetSet* FindPresetSet(int FormatKey);
