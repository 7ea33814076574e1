#include "engine/tasklist/OptionTranslation.h"

#include <initializer_list>
#include <string_view>

#include "engine/tasklist/OptionText.h"
#include "platform/base/SysUtils.h"

namespace {

bool IsOneOf(const String& AName, std::initializer_list<std::string_view> ANames) {
  for (std::string_view Name : ANames)
    if (AName == Name) return true;
  return false;
}

}  // namespace

void ApplyExtOptions(IOptionSink& ASink, const String& AText, bool AForInput) {
  for (const TOptionLine& Line : ReadOptionText(AText)) {
    const String Name = LowerCase(Line.Name);
    if (Name.empty() || IsOneOf(Name, { "newvideo", "newaudio", "newsubtitle", "apre", "vpre", "spre", "vfilters", "vf" }))
      continue;
    if (!AForInput && IsOneOf(Name, { "acodec", "vcodec", "scodec", "s" })) continue;
    ASink.ApplyOption(Name, Line.Value);
  }
}

void ApplyInputOptions(IOptionSink& ASink, const TInputOptions& AOptions) {
  ApplyExtOptions(ASink, AOptions.ExtOptions, true);
  if (!AOptions.FileFormat.empty()) ASink.ApplyOption("f", AOptions.FileFormat);
  if (AOptions.TimeStart != AV_NOPTS_VALUE) ASink.SetStartTime(AOptions.TimeStart);
  if (AOptions.ProgramID >= 0) ASink.ApplyOption("programid", IntToStr(AOptions.ProgramID));
}
