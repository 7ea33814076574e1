#include "skin/dialogs/TskSkinDirectoryListBox.h"

#include <algorithm>
#include <vector>

#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TemporaryChange.h"
#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/TCanvas.h"
#include "platform/shell/Volumes.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/core/skCaptionText.h"
#include "skin/dialogs/TskSkinDriveComboBox.h"
#include "skin/dialogs/TskSkinFileListBox.h"
#include "skin/dialogs/skFileCtrlPaths.h"

namespace {

constexpr int ListWidth = 145;
/// Pixels per level of the chain.
constexpr int LevelIndent = 4;
/// Room for an item without a picture.
constexpr int PictureRoom = 16;
constexpr int TextGap = 4;

/// The visible subfolders of Folder in name order; none when it cannot be read.
std::vector<String> SubFolders(const String& Folder) {
  std::vector<String> Names;
  for (const TDirEntry& Entry : ListDirectory(Folder))
    if (Entry.Kind == TFileKind::Folder && !Entry.Name.starts_with(".")) Names.push_back(Entry.Name);
  std::sort(Names.begin(), Names.end(), [](const String& A, const String& B) { return AnsiCompareText(A, B) < 0; });
  return Names;
}

/// The names of the folders on the way from "/" to Folder.
std::vector<String> PathParts(const String& Folder) {
  std::vector<String> Parts;
  size_t Start = 0;
  while (Start < Folder.size()) {
    size_t Slash = Folder.find(PathDelim, Start);
    if (Slash == String::npos) Slash = Folder.size();
    if (Slash > Start) Parts.push_back(Folder.substr(Start, Slash - Start));
    Start = Slash + 1;
  }
  return Parts;
}

}  // namespace

TskSkinDirectoryListBox::TskSkinDirectoryListBox(TComponent* AOwner) : TskSkinListBox(AOwner) {
  OnDrawItem = [this](TCanvas* C, int Index, int, int, TRect& R, TOwnerDrawState) { DrawItem(C, Index, R); };
  SetWidth(ListWidth);
  SetSorted(false);
  ReadBitmaps();
  FDirectory = GetCurrentDir();
  BuildList();
}

TskSkinDirectoryListBox::~TskSkinDirectoryListBox() {
  SetFileList(nullptr);
  if (FDriveCombo) FDriveCombo->SetDirList(nullptr);
  SetDirLabel(nullptr);
}

void TskSkinDirectoryListBox::SetDirectory(const String& Value) {
  if (Value.empty() || FileCompareText(Value, FDirectory) == 0) return;
  String NewDrive, DirPart, FilePart;
  SplitEditPath(Value, FDirectory, NewDrive, DirPart, FilePart);
  if (NewDrive != Drive()) {
    TemporaryChange InSetDir(FInSetDir, true);
    if (FDriveCombo) FDriveCombo->SetDrive(NewDrive);
    else DriveChange(NewDrive);
  }
  FDirectory = DirPart;
  BuildList();
  Change();
}

String TskSkinDirectoryListBox::Drive() const { return DriveOfPath(FDirectory); }

void TskSkinDirectoryListBox::SetDrive(const String& Value) {
  if (Value != Drive()) SetDirectory(Value);
}

void TskSkinDirectoryListBox::SetFileList(TskSkinFileListBox* Value) {
  if (FFileList == Value) return;
  if (FFileList) {
    FFileList->FDirList = nullptr;
    FFileList->RemoveFreeNotification(this);
  }
  FFileList = Value;
  if (FFileList) {
    if (FFileList->FDirList) FFileList->FDirList->SetFileList(nullptr);
    FFileList->FDirList = this;
    FFileList->FreeNotification(this);
  }
}

void TskSkinDirectoryListBox::SetDirLabel(TskSkinStdLabel* Value) {
  if (FDirLabel == Value) return;
  if (FDirLabel) FDirLabel->RemoveFreeNotification(this);
  FDirLabel = Value;
  if (FDirLabel) FDirLabel->FreeNotification(this);
  UpdateDirLabel();
}

String TskSkinDirectoryListBox::DisplayCase(const String& S) const {
  return FPreserveCase || FCaseSensitive ? S : LowerCase(S);
}

int TskSkinDirectoryListBox::FileCompareText(const String& A, const String& B) const {
  return FCaseSensitive ? AnsiCompareFileName(A, B) : AnsiCompareText(A, B);
}

String TskSkinDirectoryListBox::GetItemPath(int Index) const {
  if (Index < 0 || Index >= Items()->Count()) return String();
  if (Index == 0) return String(1, PathDelim);
  const TObject* Kind = Items()->Objects(Index);
  if (Kind == ClosedBMP.get()) return AppendPathPart(FDirectory, Items()->Strings(Index));
  if (Kind == CurrentBMP.get()) return FDirectory;
  // An ancestor: Directory up to its (Index + 1)-th "/".
  size_t Slash = 0;
  for (int Found = 0; Found <= Index && Slash != String::npos; ++Found)
    Slash = FDirectory.find(PathDelim, Found == 0 ? 0 : Slash + 1);
  return FDirectory.substr(0, Slash);
}

void TskSkinDirectoryListBox::OpenCurrent() { SetDirectory(GetItemPath(ItemIndex())); }

void TskSkinDirectoryListBox::UpdateList() {
  BuildList();
  Change();
}

void TskSkinDirectoryListBox::DriveChange(const String& NewDrive) {
  if (NewDrive == Drive()) return;
  if (!NewDrive.empty() && FolderExists(NewDrive)) FDirectory = NewDrive;
  if (FInSetDir) return;
  BuildList();
  Change();
}

void TskSkinDirectoryListBox::ListBoxDblClick() {
  TskSkinListBox::ListBoxDblClick();
  OpenCurrent();
}

void TskSkinDirectoryListBox::ListBoxKeyPress(char32_t& Key) {
  TskSkinListBox::ListBoxKeyPress(Key);
  if (Key == 13) OpenCurrent();
}

int TskSkinDirectoryListBox::GetItemWidth(int Index, TCanvas* Canvas) {
  const auto* B = dynamic_cast<const TBitmap*>(Items()->Objects(Index));
  return TskSkinListBox::GetItemWidth(Index, Canvas) + ItemIndent(Index) + (B ? B->Width() : PictureRoom) + TextGap;
}

void TskSkinDirectoryListBox::CreateWnd() {
  TskSkinListBox::CreateWnd();
  BuildList();
}

void TskSkinDirectoryListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinListBox::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FFileList) FFileList = nullptr;
  if (AComponent == FDriveCombo) FDriveCombo = nullptr;
  if (AComponent == FDirLabel) FDirLabel = nullptr;
}

void TskSkinDirectoryListBox::Change() {
  if (FFileList) FFileList->ApplyDirectory(FDirectory);
  UpdateDirLabel();
  if (OnChange) OnChange(this);
}

void TskSkinDirectoryListBox::BuildList() {
  // Names on a FAT, exFAT or NTFS volume compare without case; they show as the volume keeps them.
  const std::vector<TVolume> Volumes = ReadVolumes();
  const TVolume* Volume = VolumeOfPath(Volumes, FDirectory);
  FCaseSensitive = !Volume || !Volume->CaseInsensitive;
  FPreserveCase = true;
  TStrings* List = Items();
  List->BeginUpdate();
  List->Clear();
  const std::vector<String> Parts = PathParts(FDirectory);
  List->AddObject(String(1, PathDelim), Parts.empty() ? CurrentBMP.get() : OpenedBMP.get());
  for (size_t I = 0; I < Parts.size(); ++I)
    List->AddObject(Parts[I], I + 1 == Parts.size() ? CurrentBMP.get() : OpenedBMP.get());
  const int NewSelect = List->Count() - 1;
  for (const String& Name : SubFolders(FDirectory)) List->AddObject(Name, ClosedBMP.get());
  List->EndUpdate();
  if (!HandleAllocated()) return;
  SetItemIndex(NewSelect);
  UpDateScrollBar();
}

void TskSkinDirectoryListBox::ReadBitmaps() {
  LoadFromResourceName(*OpenedBMP, "BS_OPENFOLDER");
  LoadFromResourceName(*ClosedBMP, "BS_CLOSEDFOLDER");
  LoadFromResourceName(*CurrentBMP, "BS_CURRENTFOLDER");
}

void TskSkinDirectoryListBox::UpdateDirLabel() {
  if (!FDirLabel) return;
  TCanvas* Canvas = FDirLabel->Canvas();
  Canvas->Font()->Assign(FDirLabel->Font());
  const int Room = FDirLabel->AutoSize() ? Width() : FDirLabel->Width();
  FDirLabel->SetCaption(ShortenPathToWidth(FDirectory, Canvas, Room));
}

int TskSkinDirectoryListBox::ItemIndent(int Index) const {
  const int Level = Items()->Objects(Index) == ClosedBMP.get() ? CountBackslashes(FDirectory) + 1 : Index;
  return Level * LevelIndent + 2;
}

void TskSkinDirectoryListBox::DrawItem(TCanvas* Cnvs, int Index, const TRect& R) {
  if (Index < 0 || Index >= Items()->Count()) return;
  const int Indent = ItemIndent(Index);
  const int Scroll = ListBox->HorizontalExtentValue();
  int W = PictureRoom;
  if (auto* B = dynamic_cast<TBitmap*>(Items()->Objects(Index))) {
    W = B->Width();
    const int H = B->Height();
    Cnvs->BrushCopy(Bounds(R.Left + Indent - Scroll, (R.Top + R.Bottom - H) / 2, W, H), B, Rect(0, 0, W, H),
                    B->TransparentColor());
  }
  Cnvs->Brush()->SetStyle(bsClear);
  DrawClippedTextIndent(Cnvs, Items()->Strings(Index), R, W + Indent - Scroll + TextGap);
}
