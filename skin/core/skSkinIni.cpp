#include "skin/core/skSkinIni.h"

#include <array>
#include <span>

#include "platform/base/SysUtils.h"
#include "platform/base/TCustomIniFile.h"
#include "platform/base/TStringList.h"
#include "platform/gdi/PictureLimits.h"

namespace {

constexpr std::array<const char*, 3> AlignmentNames = { "taleftjustify", "tarightjustify", "tacenter" };
constexpr std::array<const char*, 3> StretchTypeNames = { "stfull", "sthorz", "stvert" };
constexpr std::array<const char*, 7> MorphKindNames = { "mkdefault",      "mkgradient",   "mkleftgradient",
                                                        "mkrightgradient", "mkleftslide", "mkrightslide",
                                                        "mkpush" };
constexpr std::array<const char*, 6> InActiveEffectNames = { "iebrightness", "iedarkness", "iegrayscale",
                                                             "ienoise",      "iesplitblur", "ieinvert" };
constexpr std::array<const char*, 7> StdCommandNames = { "cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                                         "cmdefault", "cmrollup",   "cmminimizetotray" };
constexpr std::array<const char*, 4> FontStyleNames = { "fsbold", "fsitalic", "fsunderline", "fsstrikeout" };

// The ordinal of the first of Names equal to Text, or Fallback.
template <class E> E FromName(std::span<const char* const> Names, const String& Text, E Fallback) {
  for (size_t i = 0; i < Names.size(); ++i)
    if (Text == Names[i]) return static_cast<E>(i);
  return Fallback;
}

template <size_t N> std::array<int, N> ParseFields(const String& Text) {
  std::array<String, N> fields;
  size_t field = 0;
  String digits;
  for (char c : Text) {
    if (c == ',') {
      if (field < N) fields[field] = digits;
      digits.clear();
      ++field;
    } else if (c >= '0' && c <= '9') {
      digits += c;
    }
  }
  if (field < N) fields[field] = digits;
  std::array<int, N> values {};
  for (size_t i = 0; i < N; ++i) {
    values[i] = StrToInt(fields[i]);
    // No picture is that wide or high, so the value is damage; refusing it keeps the sums that drawing
    // makes of coordinates far from overflowing.
    if (values[i] > MaxPictureSide) throw EConvertError(Format("'%s' lies beyond every picture", Text));
  }
  return values;
}

}  // namespace

TRect ParseRect(const String& Text) {
  const auto v = ParseFields<4>(Text);
  return { v[0], v[1], v[2], v[3] };
}

TPoint ParsePoint(const String& Text) {
  const auto v = ParseFields<2>(Text);
  return { v[0], v[1] };
}

TRect ReadRect(TCustomIniFile* IniFile, const String& Section, const String& Ident) {
  return ParseRect(IniFile->ReadString(Section, Ident, "0,0,0,0"));
}

void WriteRect(TCustomIniFile* IniFile, const String& Section, const String& Ident, const TRect& Value) {
  IniFile->WriteString(Section, Ident,
                       IntToStr(Value.Left) + "," + IntToStr(Value.Top) + "," + IntToStr(Value.Right) + "," +
                         IntToStr(Value.Bottom));
}

TPoint ReadPoint(TCustomIniFile* IniFile, const String& Section, const String& Ident) {
  return ParsePoint(IniFile->ReadString(Section, Ident, "0,0"));
}

void WritePoint(TCustomIniFile* IniFile, const String& Section, const String& Ident, const TPoint& Value) {
  IniFile->WriteString(Section, Ident, IntToStr(Value.X) + "," + IntToStr(Value.Y));
}

bool ReadBoolean(TCustomIniFile* IniFile, const String& Section, const String& Ident) {
  return IniFile->ReadInteger(Section, Ident, 0) == 1;
}

void WriteBoolean(TCustomIniFile* IniFile, const String& Section, const String& Ident, bool Value) {
  IniFile->WriteInteger(Section, Ident, Value ? 1 : 0);
}

TFontStyles ReadFontStyles(TCustomIniFile* IniFile, const String& Section, const String& Ident) {
  const String text = IniFile->ReadString(Section, Ident, String());
  TFontStyles styles;
  for (size_t i = 0; i < FontStyleNames.size(); ++i)
    if (text.find(FontStyleNames[i]) != String::npos) styles.Include(static_cast<TFontStyle>(i));
  return styles;
}

void WriteFontStyles(TCustomIniFile* IniFile, const String& Section, const String& Ident, TFontStyles Value) {
  String text;
  for (size_t i = 0; i < FontStyleNames.size(); ++i) {
    if (!Value.Contains(static_cast<TFontStyle>(i))) continue;
    if (!text.empty()) text += ",";
    text += FontStyleNames[i];
  }
  IniFile->WriteString(Section, Ident, text);
}

TAlignment ReadAlignment(TCustomIniFile* IniFile, const String& Section, const String& Ident) {
  const String text = IniFile->ReadString(Section, Ident, "tacenter");
  if (text == "tacenter") return taCenter;
  if (text == "taleftjustify") return taLeftJustify;
  return taRightJustify;
}

void WriteAlignment(TCustomIniFile* IniFile, const String& Section, const String& Ident, TAlignment Value) {
  IniFile->WriteString(Section, Ident, AlignmentNames[Value]);
}

TskStretchType ReadStretchType(TCustomIniFile* IniFile, const String& Section, const String& Ident) {
  const String text = IniFile->ReadString(Section, Ident, "stfull");
  if (text == "stfull") return skstFull;
  if (text == "stvert") return skstVert;
  return skstHorz;
}

void WriteStretchType(TCustomIniFile* IniFile, const String& Section, const String& Ident, TskStretchType Value) {
  IniFile->WriteString(Section, Ident, StretchTypeNames[Value]);
}

TskMorphKind ReadMorphKind(TCustomIniFile* IniFile, const String& Section, const String& Ident) {
  return FromName(std::span(MorphKindNames), IniFile->ReadString(Section, Ident, "mkdefault"), mkDefault);
}

void WriteMorphKind(TCustomIniFile* IniFile, const String& Section, const String& Ident, TskMorphKind Value) {
  IniFile->WriteString(Section, Ident, MorphKindNames[Value]);
}

TskInActiveEffect ReadInActiveEffect(TCustomIniFile* IniFile, const String& Section, const String& Ident) {
  return FromName(std::span(InActiveEffectNames), IniFile->ReadString(Section, Ident, "iebrightness"), ieGrayScale);
}

void WriteInActiveEffect(TCustomIniFile* IniFile, const String& Section, const String& Ident,
                         TskInActiveEffect Value) {
  IniFile->WriteString(Section, Ident, InActiveEffectNames[Value]);
}

void ReadStrings(TCustomIniFile* IniFile, const String& Section, const String& Ident, TStrings* Strings) {
  const int count = IniFile->ReadInteger(Section, Ident + "count", 0);
  // Each item is a key of the section; a count beyond the section's keys is damage, and reading it as
  // written would make up to billions of empty items.
  TStringList keys;
  IniFile->ReadSection(Section, &keys);
  if (count > keys.Count())
    throw EConvertError(Format("[%s] counts %d %s but names fewer", Section, count, Ident));
  for (int i = 0; i < count; ++i) Strings->Add(IniFile->ReadString(Section, IntToStr(i), String()));
}

void WriteStrings(TCustomIniFile* IniFile, const String& Section, const String& Ident, TStrings* Strings) {
  IniFile->WriteInteger(Section, Ident + "count", Strings->Count());
  for (int i = 0; i < Strings->Count(); ++i) IniFile->WriteString(Section, IntToStr(i), Strings->Strings(i));
}

bool IsValidSkinIni(TCustomIniFile* IniFile) {
  for (const char* section : { "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS" })
    if (!IniFile->SectionExists(section)) return false;
  return true;
}

TskStdCommand StdCommandFromText(const String& Text) {
  // Only the first six names are recognised; the tray command is what every other text means.
  return FromName(std::span(StdCommandNames).first(StdCommandNames.size() - 1), Text, cmMinimizeToTray);
}

String StdCommandToText(TskStdCommand Value) { return StdCommandNames[Value]; }
