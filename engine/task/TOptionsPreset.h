#pragma once
// The encoder presets the engine carries as data, and the translation of their option lines to the names
// the linked FFmpeg's libx264 encoder understands.
#include <functional>
#include <utility>
#include <vector>

#include "platform/base/Types.h"

/// A named block of option lines ("name=value", joined by line feeds).
struct TOptionsPreset {
  String Name;
  String Value;
};

/// The 36 built-in libx264 presets, in their fixed order.
const std::vector<TOptionsPreset>& BuiltinPresets();
/// The text of the built-in preset named AName (letter case ignored), or the empty string.
String FindBuiltinPreset(const String& AName);

using TOptionPairs = std::vector<std::pair<String, String>>;
/// The value a private libx264 option holds so far ("" = not set), for lines that build on earlier ones.
using TPrivateLookup = std::function<String(const String& AName)>;

/// The options one preset line (AOption, AValue) stands for on libx264: "partitions", "directpred",
/// "cqp" and "flags2" become their present-day names, "flags" with the loop filter also adds the matching
/// "x264-params" item, every other line stays as it is. ACurrent gives the values set so far, on which
/// "partitions", "flags2" and "x264-params" build. Items of a "flags2" line that have no present-day
/// equivalent are left out and named in AUnknown.
TOptionPairs TranslateX264PresetLine(const String& AOption, const String& AValue, const TPrivateLookup& ACurrent,
                                     std::vector<String>& AUnknown);
