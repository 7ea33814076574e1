#include "engine/tasklist/OptionText.h"

#include "platform/base/SysUtils.h"

namespace {

Int64 TimeFromText(const String& AText) {
  Int64 Value = AV_NOPTS_VALUE;
  return TryStrToInt64(AText, Value) ? Value : AV_NOPTS_VALUE;
}

void AppendLine(String& AText, const TOptionLine& ALine) { AText += ALine.Name + "=" + ALine.Value + "\n"; }

}  // namespace

std::vector<TOptionLine> ReadOptionText(const String& AText) {
  const String Text = StringReplace(AdjustLineBreaks(Trim(AText)), "<CRLF>", "\n", { rfReplaceAll });
  std::vector<TOptionLine> Lines;
  size_t Start = 0;
  for (;;) {
    const size_t End = Text.find('\n', Start);
    const String Line = Text.substr(Start, End == String::npos ? String::npos : End - Start);
    const size_t Equals = Line.find('=');
    if (Equals == String::npos) Lines.push_back({ Line, "" });
    else Lines.push_back({ Line.substr(0, Equals), Line.substr(Equals + 1) });
    if (End == String::npos) return Lines;
    Start = End + 1;
  }
}

TInputOptions InputOptionsFromText(const String& AText) {
  TInputOptions Options;
  for (const TOptionLine& Line : ReadOptionText(AText)) {
    if (SameText(Line.Name, "TimeStart")) Options.TimeStart = TimeFromText(Line.Value);
    else AppendLine(Options.ExtOptions, Line);
  }
  return Options;
}

TOutputOptions OutputOptionsFromText(const String& AText) {
  TOutputOptions Options;
  for (const TOptionLine& Line : ReadOptionText(AText)) {
    if (SameText(Line.Name, "Hook") || SameText(Line.Name, "CustomHook")) Options.CustomHook = true;
    else if (SameText(Line.Name, "Join")) Options.Join = true;
    else if (SameText(Line.Name, "TimeStart")) Options.TimeStart = TimeFromText(Line.Value);
    else if (SameText(Line.Name, "TimeLength")) Options.TimeLength = TimeFromText(Line.Value);
    else AppendLine(Options.ExtOptions, Line);
  }
  return Options;
}
