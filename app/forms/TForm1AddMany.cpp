// Adding several files and whole folders.
#include "app/forms/TForm1.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "platform/base/FileUtils.h"
#include "platform/base/Masks.h"
#include "platform/base/ScopeGuard.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TListBox.h"
#include "platform/ui/toolkit/TListItems.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/dialogs/TskSkinMessage.h"
#include "skin/dialogs/TskSkinOpenDialog.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"

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

void TForm1::Button8Click(TObject*) {
  Button6->Click();
  if (!LoadEngineLibraries() || !OpenDialog2->Execute() || !FileExists(OpenDialog2->FileName())) return;
  FRefusedAdds.clear();
  AddFilesLastToFirst(*OpenDialog2->Files());
  ShowRefusedAdds(true);
}

void TForm1::Button12Click(TObject*) {
  const int RowsBefore = lvFiles->Items()->Count();
  Button6->Click();
  if (!LoadEngineLibraries() || !skSkinSelectDirectoryDialog1->Execute()) return;
  const String Folder = skSkinSelectDirectoryDialog1->Directory();
  if (Folder.empty() || !DirectoryExists(Folder)) return;
  ListBox1->Items()->Clear();
  if (std::unique_ptr<TStringList> Listing = GetFilenames(Folder, "*.*")) ListBox1->Items()->Assign(Listing.get());
  FRefusedAdds.clear();
  const bool Completed = AddFilesLastToFirst(*ListBox1->Items());
  ShowRefusedAdds(true);
  if (!Completed) return;
  if (lvFiles->Items()->Count() <= RowsBefore)
    skSkinMessage1->MessageDlg2("在该目录没有发现可以用的视频或音频文件！", "提示", mtInformation, { mbOK }, 0);
}

bool TForm1::AddFilesLastToFirst(TStrings& Files) {
  for (int i = Files.Count() - 1; i >= 0; --i)
    if (AddJobFile(Files.Strings(i), false) == TAddOutcome::Ended) return false;
  SelectLastRow();
  return true;
}

std::unique_ptr<TStringList> TForm1::GetFilenames(const String& FilePath, const String& ExtMask) {
  if (!DirectoryExists(FilePath)) return nullptr;
  const String Folder = IncludeTrailingPathDelimiter(FilePath);
  auto List = std::make_unique<TStringList>();
  DIR* Dir = opendir(Folder.c_str());
  if (!Dir) return List;
  ScopeGuard CloseDir([Dir] { closedir(Dir); });
  std::vector<String> Names;
  while (const dirent* Entry = readdir(Dir)) {
    const String Name = Entry->d_name;
    if (NameMatches(Name, ExtMask) && IsRegularFile(Folder + Name)) Names.push_back(Name);
  }
  // In name order, byte by byte of the UTF-8 names, whatever order the file system keeps them in.
  std::ranges::sort(Names);
  for (const String& Name : Names) List->Add(Folder + Name);
  return List;
}
