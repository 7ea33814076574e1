#include "app/catalogue/OutputNaming.h"

#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"

namespace {

bool IsTaken(const String& FileName, const TOutputNaming& Naming) {
  if (Naming.HeldByJob && Naming.HeldByJob(ExtractFileName(FileName)))
    return true;
  return !Naming.Overwrite && FileExists(FileName);
}

}  // namespace

String OutputFileName(const String& Folder, const String& InputFileName, std::string_view Extension) {
  return Folder + PathDelim + ChangeFileExt(ExtractFileName(InputFileName), String(Extension));
}

String AutoRenameOutputFile(const String& OutputFileName, const TOutputNaming& Naming) {
  const String Extension = ExtractFileExt(OutputFileName);
  const String Base = ExtractFileName(OutputFileName.substr(0, OutputFileName.size() - Extension.size()));
  const String Stem = Naming.Folder + PathDelim + Base;
  if (!IsTaken(Stem + Extension, Naming))
    return Stem + Extension;
  for (Int64 Number = 1;; ++Number) {
    const String Candidate = Stem + "_" + IntToStr(Number) + Extension;
    if (!IsTaken(Candidate, Naming))
      return Candidate;
  }
}
