#include "engine/task/TOptionsPreset.h"

#include <array>
#include <string_view>

#include "platform/base/SysUtils.h"

namespace {

using TLines = std::vector<std::string_view>;

const TLines MediumLines = {
  "coder=1", "flags=+loop", "cmp=+chroma", "partitions=+parti8x8+parti4x4+partp8x8+partb8x8", "me_method=hex",
  "subq=7", "me_range=16", "g=250", "keyint_min=25", "sc_threshold=40", "i_qfactor=0.71", "b_strategy=1",
  "qcomp=0.6", "qmin=10", "qmax=51", "qdiff=4", "bf=3", "refs=3", "directpred=1", "trellis=1",
  "flags2=+bpyramid+mixed_refs+wpred+dct8x8+fastpskip", "wpredp=2",
};

String OptionOf(std::string_view ALine) { return String(ALine.substr(0, ALine.find('='))); }

String Joined(const TLines& ALines) {
  String Text;
  for (std::string_view Line : ALines) {
    if (!Text.empty()) Text += '\n';
    Text += Line;
  }
  return Text;
}

/// The lines of the medium preset with the lines of the same options replaced by AChanges, in place.
String MediumWith(const TLines& AChanges) {
  TLines Lines = MediumLines;
  for (std::string_view Change : AChanges)
    for (std::string_view& Line : Lines)
      if (OptionOf(Line) == OptionOf(Change)) Line = Change;
  return Joined(Lines);
}

std::vector<TOptionsPreset> MakePresets() {
  const TLines LosslessFast = {
    "coder=0", "flags=+loop", "cmp=+chroma", "partitions=-parti8x8+parti4x4+partp8x8-partp4x4-partb8x8",
    "me_method=hex", "subq=3", "me_range=16", "g=250", "keyint_min=25", "sc_threshold=40", "i_qfactor=0.71",
    "b_strategy=1", "qcomp=0.6", "qmin=10", "qmax=51", "qdiff=4", "directpred=1", "flags2=+fastpskip", "cqp=0",
    "wpredp=0",
  };
  const TLines LosslessMax = {
    "coder=1", "flags=+loop", "cmp=+chroma", "partitions=+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8",
    "me_method=esa", "subq=8", "me_range=16", "g=250", "keyint_min=25", "sc_threshold=40", "i_qfactor=0.71",
    "b_strategy=1", "qcomp=0.6", "qmin=10", "qmax=51", "qdiff=4", "refs=16", "directpred=1",
    "flags2=+mixed_refs+dct8x8+fastpskip", "cqp=0", "wpredp=2",
  };
  const TLines LosslessMedium = {
    "coder=1", "flags=+loop", "cmp=+chroma", "partitions=-parti8x8+parti4x4+partp8x8+partp4x4-partb8x8",
    "me_method=hex", "subq=5", "me_range=16", "g=250", "keyint_min=25", "sc_threshold=40", "i_qfactor=0.71",
    "b_strategy=1", "qcomp=0.6", "qmin=10", "qmax=51", "qdiff=4", "directpred=1", "flags2=+fastpskip", "cqp=0",
    "wpredp=2",
  };
  const TLines LosslessSlow = {
    "coder=1", "flags=+loop", "cmp=+chroma", "partitions=+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8",
    "me_method=umh", "subq=6", "me_range=16", "g=250", "keyint_min=25", "sc_threshold=40", "i_qfactor=0.71",
    "b_strategy=1", "qcomp=0.6", "qmin=10", "qmax=51", "qdiff=4", "refs=2", "directpred=1",
    "flags2=+dct8x8+fastpskip", "cqp=0", "wpredp=2",
  };
  const TLines LosslessSlower = {
    "coder=1", "flags=+loop", "cmp=+chroma", "partitions=+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8",
    "me_method=umh", "subq=8", "me_range=16", "g=250", "keyint_min=25", "sc_threshold=40", "i_qfactor=0.71",
    "b_strategy=1", "qcomp=0.6", "qmin=10", "qmax=51", "qdiff=4", "refs=4", "directpred=1",
    "flags2=+mixed_refs+dct8x8+fastpskip", "cqp=0", "wpredp=2",
  };
  const TLines LosslessUltrafast = {
    "coder=0", "flags=+loop", "cmp=+chroma", "partitions=-parti8x8-parti4x4-partp8x8-partp4x4-partb8x8",
    "me_method=dia", "subq=0", "me_range=16", "g=250", "keyint_min=25", "sc_threshold=40", "i_qfactor=0.71",
    "b_strategy=1", "qcomp=0.6", "qmin=10", "qmax=51", "qdiff=4", "directpred=1", "flags2=+fastpskip", "cqp=0",
  };
  const TLines Placebo = {
    "partitions=+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "me_method=tesa", "subq=10", "me_range=24",
    "b_strategy=2", "bf=16", "refs=16", "directpred=3", "trellis=2", "flags2=+bpyramid+mixed_refs+wpred+dct8x8-fastpskip",
  };
  const TLines Ultrafast = {
    "coder=0", "flags=-loop", "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=0",
    "sc_threshold=0", "b_strategy=0", "bf=0", "refs=1", "trellis=0",
    "flags2=-bpyramid-mixed_refs-wpred-dct8x8+fastpskip-mbtree", "wpredp=0",
  };
  const TLines FirstPass = {
    "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=2", "refs=1", "trellis=0",
    "flags2=+bpyramid-mixed_refs+wpred-dct8x8+fastpskip",
  };
  const auto With = [](TLines ALines, const TLines& AMore) {
    for (std::string_view Line : AMore) ALines.push_back(Line);
    return ALines;
  };
  return {
    { "libx264-baseline", Joined({ "coder=0", "bf=0", "flags2=-wpred-dct8x8", "wpredp=0" }) },
    { "libx264-default", MediumWith({ "flags2=+mixed_refs+wpred+dct8x8+fastpskip" }) },
    { "libx264-fast", MediumWith({ "subq=6", "refs=2" }) },
    { "libx264-fast_firstpass", MediumWith(FirstPass) },
    { "libx264-faster", MediumWith({ "subq=4", "refs=2", "flags2=+bpyramid-mixed_refs+wpred+dct8x8+fastpskip", "wpredp=1" }) },
    { "libx264-faster_firstpass", MediumWith(With(FirstPass, { "wpredp=1" })) },
    { "libx264-fastfirstpass",
      MediumWith({ "partitions=-parti8x8-parti4x4-partp8x8-partp4x4-partb8x8", "me_method=dia", "subq=2", "refs=1",
                   "directpred=3", "trellis=0", "flags2=-bpyramid-wpred-mixed_refs-dct8x8+fastpskip" }) },
    { "libx264-hq", MediumWith({ "me_method=umh", "subq=8", "b_strategy=2", "refs=4", "directpred=3",
                                 "flags2=+wpred+mixed_refs+dct8x8+fastpskip" }) },
    { "libx264-ipod320", Joined({ "coder=0", "bf=0", "flags2=-wpred-dct8x8", "level=13", "maxrate=768000",
                                  "bufsize=3000000", "wpredp=0" }) },
    { "libx264-ipod640", Joined({ "coder=0", "bf=0", "refs=1", "flags2=-wpred-dct8x8", "level=30", "maxrate=10000000",
                                  "bufsize=10000000", "wpredp=0" }) },
    { "libx264-lossless_fast", Joined(LosslessFast) },
    { "libx264-lossless_max", Joined(LosslessMax) },
    { "libx264-lossless_medium", Joined(LosslessMedium) },
    { "libx264-lossless_slow", Joined(LosslessSlow) },
    { "libx264-lossless_slower", Joined(LosslessSlower) },
    { "libx264-lossless_ultrafast", Joined(LosslessUltrafast) },
    { "libx264-main", Joined({ "flags2=-dct8x8" }) },
    { "libx264-max", MediumWith({ "partitions=+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "me_method=tesa", "subq=10",
                                  "me_range=24", "b_strategy=2", "refs=16", "directpred=3", "trellis=2",
                                  "flags2=+wpred+mixed_refs+dct8x8-fastpskip" }) },
    { "libx264-medium", Joined(MediumLines) },
    { "libx264-medium_firstpass", MediumWith(FirstPass) },
    { "libx264-normal", MediumWith({ "subq=6", "refs=2", "directpred=3", "trellis=0", "flags2=+wpred+dct8x8+fastpskip" }) },
    { "libx264-placebo", MediumWith(Placebo) },
    { "libx264-placebo_firstpass", MediumWith(Placebo) },
    { "libx264-slow", MediumWith({ "me_method=umh", "subq=8", "b_strategy=2", "refs=5", "directpred=3" }) },
    { "libx264-slow_firstpass", MediumWith(With(FirstPass, { "b_strategy=2", "directpred=3" })) },
    { "libx264-slower", MediumWith({ "partitions=+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "me_method=umh", "subq=9",
                                     "b_strategy=2", "refs=8", "directpred=3", "trellis=2" }) },
    { "libx264-slower_firstpass", MediumWith(With(FirstPass, { "b_strategy=2", "directpred=3" })) },
    { "libx264-slowfirstpass", MediumWith({ "subq=6", "b_strategy=2", "refs=1", "directpred=3", "trellis=0",
                                            "flags2=+wpred+dct8x8+fastpskip" }) },
    { "libx264-superfast", MediumWith({ "partitions=+parti8x8+parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=1", "refs=1",
                                        "trellis=0", "flags2=+bpyramid-mixed_refs+wpred+dct8x8+fastpskip-mbtree", "wpredp=0" }) },
    { "libx264-superfast_firstpass",
      MediumWith({ "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=1", "refs=1", "trellis=0",
                   "flags2=+bpyramid-mixed_refs+wpred-dct8x8+fastpskip-mbtree", "wpredp=0" }) },
    { "libx264-ultrafast", MediumWith(Ultrafast) },
    { "libx264-ultrafast_firstpass", MediumWith(Ultrafast) },
    { "libx264-veryfast", MediumWith({ "subq=2", "refs=1", "trellis=0", "flags2=+bpyramid-mixed_refs+wpred+dct8x8+fastpskip-mbtree",
                                       "wpredp=0" }) },
    { "libx264-veryfast_firstpass",
      MediumWith({ "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=2", "refs=1", "trellis=0",
                   "flags2=+bpyramid-mixed_refs+wpred-dct8x8+fastpskip-mbtree", "wpredp=0" }) },
    { "libx264-veryslow", MediumWith({ "partitions=+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "me_method=umh", "subq=10",
                                       "me_range=24", "b_strategy=2", "bf=8", "refs=16", "directpred=3", "trellis=2" }) },
    { "libx264-veryslow_firstpass",
      MediumWith({ "partitions=-parti8x8-parti4x4-partp8x8-partb8x8", "me_method=dia", "subq=2", "me_range=24", "b_strategy=2",
                   "bf=8", "refs=1", "directpred=3", "trellis=0", "flags2=+bpyramid-mixed_refs+wpred-dct8x8+fastpskip" }) },
  };
}

/// Calls AItem(On, Name) for each "+name" / "-name" item of AText, in order; an item without a sign is on.
template <class F> void ForEachFlagItem(const String& AText, F AItem) {
  size_t Pos = 0;
  while (Pos < AText.size()) {
    bool On = true;
    if (AText[Pos] == '+' || AText[Pos] == '-') On = AText[Pos++] == '+';
    const size_t End = AText.find_first_of("+-", Pos);
    const String Name = AText.substr(Pos, End == String::npos ? String::npos : End - Pos);
    if (!Name.empty()) AItem(On, Name);
    Pos = End == String::npos ? AText.size() : End;
  }
}

TOptionPairs Partitions(const String& AValue, const TPrivateLookup& ACurrent, std::vector<String>& AUnknown) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> Items = { {
    { "parti4x4", "i4x4" }, { "parti8x8", "i8x8" }, { "partp8x8", "p8x8" }, { "partp4x4", "p4x4" }, { "partb8x8", "b8x8" },
  } };
  std::array<bool, Items.size()> Enabled {};
  const String Current = "," + ACurrent("partitions") + ",";
  for (size_t I = 0; I < Items.size(); ++I) Enabled[I] = Current.find("," + String(Items[I].second) + ",") != String::npos;
  ForEachFlagItem(AValue, [&](bool On, const String& Name) {
    for (size_t I = 0; I < Items.size(); ++I)
      if (Name == Items[I].first) return void(Enabled[I] = On);
    AUnknown.push_back(Name);
  });
  String List;
  for (size_t I = 0; I < Items.size(); ++I)
    if (Enabled[I]) List += (List.empty() ? "" : ",") + String(Items[I].second);
  return { { "partitions", List.empty() ? "none" : List } };
}

TOptionPairs Flags2(const String& AValue, const TPrivateLookup& ACurrent, std::vector<String>& AUnknown) {
  struct TItem {
    std::string_view Old;
    std::string_view Name;
    bool Default;
  };
  // The old flags started as fast P-skip and macroblock tree on, the rest off.
  static constexpr std::array<TItem, 6> Items = { {
    { "bpyramid", "b-pyramid", false }, { "mixed_refs", "mixed-refs", false }, { "wpred", "weightb", false },
    { "dct8x8", "8x8dct", false },      { "fastpskip", "fast-pskip", true },   { "mbtree", "mbtree", true },
  } };
  std::array<bool, Items.size()> On {};
  for (size_t I = 0; I < Items.size(); ++I) {
    const String Current = ACurrent(String(Items[I].Name));
    On[I] = Current.empty() ? Items[I].Default : Current != "0" && Current != "none";
  }
  ForEachFlagItem(AValue, [&](bool AOn, const String& Name) {
    for (size_t I = 0; I < Items.size(); ++I)
      if (Name == Items[I].Old) return void(On[I] = AOn);
    AUnknown.push_back(Name);
  });
  TOptionPairs Result;
  for (size_t I = 0; I < Items.size(); ++I)
    Result.emplace_back(String(Items[I].Name), I == 0 ? (On[I] ? "normal" : "none") : (On[I] ? "1" : "0"));
  return Result;
}

/// AParams ("a=1:b=2") with the item AKey set to AValue, in place when it is there, else at the end.
String MergedParams(const String& AParams, const String& AKey, const String& AValue) {
  String Result;
  bool Replaced = false;
  size_t Pos = 0;
  while (Pos <= AParams.size() && !AParams.empty()) {
    const size_t End = std::min(AParams.find(':', Pos), AParams.size());
    String Item = AParams.substr(Pos, End - Pos);
    if (Item.substr(0, Item.find('=')) == AKey) {
      Item = AKey + "=" + AValue;
      Replaced = true;
    }
    if (!Item.empty()) Result += (Result.empty() ? "" : ":") + Item;
    Pos = End + 1;
  }
  if (!Replaced) Result += (Result.empty() ? "" : ":") + AKey + "=" + AValue;
  return Result;
}

}  // namespace

const std::vector<TOptionsPreset>& BuiltinPresets() {
  static const std::vector<TOptionsPreset> Presets = MakePresets();
  return Presets;
}

String FindBuiltinPreset(const String& AName) {
  for (const TOptionsPreset& Preset : BuiltinPresets())
    if (SameText(Preset.Name, AName)) return Preset.Value;
  return "";
}

TOptionPairs TranslateX264PresetLine(const String& AOption, const String& AValue, const TPrivateLookup& ACurrent,
                                     std::vector<String>& AUnknown) {
  if (AOption == "partitions") return Partitions(AValue, ACurrent, AUnknown);
  if (AOption == "flags2") return Flags2(AValue, ACurrent, AUnknown);
  if (AOption == "directpred") return { { "direct-pred", AValue } };
  if (AOption == "cqp") return { { "qp", AValue } };
  TOptionPairs Result = { { AOption, AValue } };
  // The encoder no longer reads the loop-filter flag; its own parameter switches the deblocking filter.
  if (AOption == "flags") ForEachFlagItem(AValue, [&](bool On, const String& Name) {
      if (Name == "loop")
        Result.emplace_back("x264-params", MergedParams(ACurrent("x264-params"), "no-deblock", On ? "0" : "1"));
    });
  return Result;
}
