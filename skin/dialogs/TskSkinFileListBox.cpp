#include "skin/dialogs/TskSkinFileListBox.h"

#include <optional>
#include <set>
#include <vector>

#include "platform/base/FileUtils.h"
#include "platform/base/Masks.h"
#include "platform/base/SysUtils.h"
#include "platform/shell/FindData.h"
#include "platform/ui/toolkit/TEdit.h"
#include "skin/dialogs/TskSkinDirectoryListBox.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"
#include "skin/dialogs/skFileCtrlPaths.h"
#include "skin/dialogs/skHourGlass.h"

namespace {

constexpr int ListWidth = 145;
/// A reading this long shows the hourglass.
constexpr int BusyCount = 100;
constexpr uint32_t SystemAttribute = 0x04;
constexpr uint32_t VolumeAttribute = 0x08;
/// Kinds a folder search finds only when they are asked for.
constexpr uint32_t SearchedOnRequest =
  FILE_ATTRIBUTE_HIDDEN | SystemAttribute | VolumeAttribute | FILE_ATTRIBUTE_DIRECTORY;

/// The attribute bits of the first six kinds of FileType.
uint32_t AttributesOf(TskFileType FileType) {
  uint32_t Attr = 0;
  for (TskFileAttr Kind : { skftReadOnly, skftHidden, skftSystem, skftVolumeID, skftDirectory, skftArchive })
    if (FileType.Contains(Kind)) Attr |= 1u << unsigned(Kind);
  return Attr;
}

/// What a search for Attr finds of Folder: name and attribute bits of each entry.
std::vector<TFindData> SearchFolder(const String& Folder, uint32_t Attr) {
  std::vector<TFindData> Found;
  if (Attr & FILE_ATTRIBUTE_DIRECTORY)
    for (const char* Dot : { ".", ".." }) Found.push_back({ .FileName = Dot, .Attributes = FILE_ATTRIBUTE_DIRECTORY });
  for (const TDirEntry& Entry : ListDirectory(Folder)) {
    TFindData Data;
    if (!GetFindData(AppendPathPart(Folder, Entry.Name), Data)) continue;
    Data.FileName = Entry.Name;
    if ((Data.Attributes & SearchedOnRequest & ~Attr) == 0) Found.push_back(Data);
  }
  return Found;
}

/// The patterns of a mask, in order.
std::vector<String> Patterns(const String& Mask) {
  std::vector<String> List;
  size_t Start = 0;
  for (size_t Semicolon; (Semicolon = Mask.find(';', Start)) != String::npos; Start = Semicolon + 1)
    List.push_back(Mask.substr(Start, Semicolon - Start));
  List.push_back(Mask.substr(Start));
  return List;
}

/// The index of the item that is exactly Name; -1 for none.
int IndexOfName(TStrings* Items, const String& Name) {
  for (int I = 0; I < Items->Count(); ++I)
    if (Items->Strings(I) == Name) return I;
  return -1;
}

}  // namespace

TskSkinFileListBox::TskSkinFileListBox(TComponent* AOwner)
    : TskSkinListBox(AOwner), FDirectory(GetCurrentDir()) {
  SetWidth(ListWidth);
  SetMultiSelect(false);
  SetSorted(true);
}

TskSkinFileListBox::~TskSkinFileListBox() {
  if (FDirList) FDirList->SetFileList(nullptr);
  if (FFilterCombo) FFilterCombo->SetFileList(nullptr);
  SetFileEdit(nullptr);
}

String TskSkinFileListBox::Drive() const { return DriveOfPath(FDirectory); }

void TskSkinFileListBox::SetDrive(const String& Value) {
  if (Value != Drive()) ApplyFilePath(Value);
}

String TskSkinFileListBox::FileName() const {
  const String Name = SelectedName();
  return Name.empty() ? String() : AppendPathPart(FDirectory, Name);
}

void TskSkinFileListBox::SetMask(const String& Value) {
  if (Value == FMask) return;
  FMask = Value;
  ReadFileNames();
}

void TskSkinFileListBox::SetFileType(TskFileType Value) {
  if (Value == FFileType) return;
  FFileType = Value;
  ReadFileNames();
}

void TskSkinFileListBox::SetFileEdit(TEdit* Value) {
  if (FFileEdit == Value) return;
  if (FFileEdit) FFileEdit->RemoveFreeNotification(this);
  FFileEdit = Value;
  if (!FFileEdit) return;
  FFileEdit->FreeNotification(this);
  FFileEdit->SetText(ItemIndex() >= 0 ? SelectedName() : FMask);
}

void TskSkinFileListBox::ApplyFilePath(const String& EditText) {
  if (EditText.empty() || SameFileName(EditText, FileName())) return;
  String NewDrive, DirPart, FilePart;
  SplitEditPath(EditText, FDirectory, NewDrive, DirPart, FilePart);
  if (FDirList) FDirList->SetDirectory(EditText);
  else ApplyDirectory(DirPart);
  if (FilePart.find_first_of("*?") != String::npos) {
    SetMask(FilePart);
  } else if (!FilePart.empty()) {
    SelectFileName(FilePart);
    if (FileExists(AppendPathPart(FDirectory, FilePart)) && ItemIndex() < 0) {
      SetMask(FilePart);
      SelectFileName(FilePart);
    }
  }
}

void TskSkinFileListBox::ApplyDirectory(const String& Folder) {
  if (SameFileName(Folder, FDirectory)) return;
  CheckFolderEnterable(Folder);
  FDirectory = Folder;
  ReadFileNames();
}

void TskSkinFileListBox::ListBoxClick() {
  TskSkinListBox::ListBoxClick();
  if (ItemIndex() != FLastSel) Change();
}

void TskSkinFileListBox::CreateWnd() {
  TskSkinListBox::CreateWnd();
  ReadFileNames();
}

void TskSkinFileListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinListBox::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FFileEdit) FFileEdit = nullptr;
  if (AComponent == FDirList) FDirList = nullptr;
  if (AComponent == FFilterCombo) FFilterCombo = nullptr;
}

void TskSkinFileListBox::Change() {
  FLastSel = ItemIndex();
  if (FFileEdit) {
    FFileEdit->SetText(FLastSel >= 0 ? SelectedName() : FMask);
    FFileEdit->SelectAll();
  }
  if (OnChange) OnChange(this);
}

void TskSkinFileListBox::ReadFileNames() {
  if (!HandleAllocated()) return;
  const uint32_t Attr = AttributesOf(FFileType);
  CheckFolderEnterable(FDirectory);
  Clear();
  {
    std::optional<TskHourGlass> Busy;
    const std::vector<TFindData> Found = SearchFolder(FDirectory, Attr);
    std::set<String> Listed;
    Items()->BeginUpdate();
    for (const String& Pattern : Patterns(FMask))
      for (const TFindData& Entry : Found) {
        if (!SearchFinds(Entry.FileName, Pattern)) continue;
        if (!FFileType.Contains(skftNormal) && (Entry.Attributes & Attr) == 0) continue;
        if (!Listed.insert(Entry.FileName).second) continue;
        Items()->Add(Entry.Attributes & FILE_ATTRIBUTE_DIRECTORY ? "[" + Entry.FileName + "]" : Entry.FileName);
        if (Items()->Count() == BusyCount + 1 && !Busy) Busy.emplace();
      }
    Items()->EndUpdate();
  }
  UpDateScrollBar();
  Change();
}

void TskSkinFileListBox::SelectFileName(const String& Name) {
  if (SameFileName(Name, SelectedName())) return;
  SetItemIndex(IndexOfName(Items(), Name));
  Change();
}

String TskSkinFileListBox::SelectedName() const {
  const int Index = ItemIndex();
  return Index >= 0 && Index < Items()->Count() ? Items()->Strings(Index) : String();
}
