#include "app/snapshots/SnapshotNames.h"

#include <sys/stat.h>

#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"

namespace {

/// Whether any entry has the name AFileName; a link counts by itself, so writing never follows a link
/// to a place outside the folder.
bool NameTaken(const String& AFileName) {
  struct stat Entry;
  return ::lstat(AFileName.c_str(), &Entry) == 0;
}

}  // namespace

String SnapshotBaseName(const String& AFileName) { return ChangeFileExt(ExtractFileName(AFileName), ""); }

String NextSnapshotFileName(const String& AFolder, const String& ABaseName, const String& AExtension) {
  for (Int64 Number = 1;; ++Number) {
    const String Candidate = AFolder + PathDelim + ABaseName + "_" + IntToStr(Number) + AExtension;
    if (!NameTaken(Candidate)) return Candidate;
  }
}
