// Adding several files and whole folders.
#include "app/forms/TForm1.h"

#include <dirent.h>
#include <sys/stat.h>

#include "platform/base/FileUtils.h"
#include "platform/base/Masks.h"
#include "platform/base/ScopeGuard.h"

namespace {

/// A mask as the folder search reads it: a trailing ".*" also takes names without any extension.
bool NameMatches(const String& Name, const String& Mask) {
  if (MatchesMask(Name, Mask)) return true;
  const bool AnyExtension = Mask.size() >= 2 && Mask.compare(Mask.size() - 2, 2, ".*") == 0;
  return AnyExtension && Name.find('.') == String::npos && MatchesMask(Name, Mask.substr(0, Mask.size() - 2));
}

/// Regular files only (links followed): a FIFO, socket or device is never listed, so nothing opens it.
bool IsRegularFile(const String& Path) {
  struct stat Info;
  return stat(Path.c_str(), &Info) == 0 && S_ISREG(Info.st_mode);
}

}  // namespace

void TForm1::Button8Click(TObject*) {}
void TForm1::Button12Click(TObject*) {}

std::unique_ptr<TStringList> TForm1::GetFilenames(const String& FilePath, const String& ExtMask) {
  if (!DirectoryExists(FilePath)) return nullptr;
  const String Folder = IncludeTrailingPathDelimiter(FilePath);
  auto List = std::make_unique<TStringList>();
  DIR* Dir = opendir(Folder.c_str());
  if (!Dir) return List;
  ScopeGuard CloseDir([Dir] { closedir(Dir); });
  while (const dirent* Entry = readdir(Dir)) {
    const String Name = Entry->d_name;
    if (NameMatches(Name, ExtMask) && IsRegularFile(Folder + Name)) List->Add(Folder + Name);
  }
  return List;
}
