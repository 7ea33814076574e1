#pragma once
// The preset code a job row keeps in its cell 视频选项: the six preset combos' item indexes as two decimal
// digits each, in TPresetRole order, twelve characters in all.
#include <array>

#include "app/catalogue/PresetTables.h"
#include "platform/base/Types.h"

/// The code of six item indexes given in TPresetRole order; an index below 10 gets a leading "0".
String PresetCode(const std::array<int, PresetRoleCount>& Indexes);
/// Code with the pair of Role replaced by Index; a code shorter than twelve characters is first filled up
/// with "0", so the other pairs keep their places.
String ReplacePresetCodePair(const String& Code, TPresetRole Role, int Index);
/// The six indexes of Code in TPresetRole order; raises EConvertError when a pair is not a number.
std::array<int, PresetRoleCount> PresetCodeIndexes(const String& Code);
