#include "skin/dialogs/TskSkinDriveComboBox.h"

#include <algorithm>

#include "platform/base/FileUtils.h"
#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/TCanvas.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/dialogs/TskSkinDirectoryListBox.h"

namespace {

bool IsOpticalFileSystem(const String& FileSystem) { return FileSystem == "iso9660" || FileSystem == "udf"; }

}  // namespace

TskSkinDriveComboBox::TskSkinDriveComboBox(TComponent* AOwner)
    : TskSkinComboBox(AOwner), FDrive(DriveOfPath(GetCurrentDir())) {
  LoadFromResourceName(*FloppyBMP, "BS_FLOPPY");
  LoadFromResourceName(*FixedBMP, "BS_HARD");
  LoadFromResourceName(*NetworkBMP, "BS_NETWORK");
  LoadFromResourceName(*CDROMBMP, "BS_CDROM");
  OnChange = [this](TObject* Sender) { DriveItemChange(Sender); };
  auto Draw = [this](TCanvas* C, int Index, int W, int H, TRect& R, TOwnerDrawState State) {
    DrawDriveItem(C, Index, W, H, R, State);
  };
  OnComboBoxDrawItem = Draw;
  ListBox()->OnDrawItem = Draw;
}

TskSkinDriveComboBox::~TskSkinDriveComboBox() { SetDirList(nullptr); }

void TskSkinDriveComboBox::SetDrive(const String& NewDrive) {
  if (ItemIndex() != -1 && NewDrive == FDrive) return;
  FDrive = NewDrive;
  const auto It = std::find(FDrives.begin(), FDrives.end(), FDrive);
  SetItemIndex(FDrive.empty() || It == FDrives.end() ? -1 : int(It - FDrives.begin()));
  if (FDirList) FDirList->DriveChange(FDrive);
  Change();
}

void TskSkinDriveComboBox::SetTextCase(TTextCase Value) {
  FTextCase = Value;
  BuildDriveList();
  SetDrive(FDrive);
}

void TskSkinDriveComboBox::SetDirList(TskSkinDirectoryListBox* Value) {
  if (FDirList == Value) return;
  if (FDirList) {
    FDirList->FDriveCombo = nullptr;
    FDirList->RemoveFreeNotification(this);
  }
  FDirList = Value;
  if (FDirList) {
    if (FDirList->FDriveCombo) FDirList->FDriveCombo->SetDirList(nullptr);
    FDirList->FDriveCombo = this;
    FDirList->FreeNotification(this);
  }
}

void TskSkinDriveComboBox::BuildDriveList() {
  Items()->Clear();
  FDrives.clear();
  for (const TVolume& Volume : ReadDriveVolumes()) {
    const String& Path = Volume.MountPoint;
    const String Label = "[" + InTextCase(Volume.Label, FTextCase) + "]";
    if (IsOpticalFileSystem(Volume.FileSystem)) Items()->AddObject(Path + " " + Label, CDROMBMP.get());
    else if (IsNetworkFileSystem(Volume.FileSystem))
      Items()->AddObject(Path + " " + InTextCase(Volume.Source, FTextCase), NetworkBMP.get());
    else if (Volume.Removable) Items()->AddObject(Path, FloppyBMP.get());
    else Items()->AddObject(Path + " " + Label, FixedBMP.get());
    FDrives.push_back(Path);
  }
}

void TskSkinDriveComboBox::CreateWnd() {
  TskSkinComboBox::CreateWnd();
  BuildDriveList();
  SetDrive(FDrive);
}

void TskSkinDriveComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinComboBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDirList) FDirList = nullptr;
}

std::vector<TVolume> TskSkinDriveComboBox::ReadDriveVolumes() { return ReadVolumes(); }

void TskSkinDriveComboBox::DriveItemChange(TObject*) {
  const int Index = ItemIndex();
  if (Index >= 0 && Index < int(FDrives.size())) SetDrive(FDrives[size_t(Index)]);
}

void TskSkinDriveComboBox::DrawDriveItem(TCanvas* Cnvs, int Index, int, int, TRect& TxtRect, TOwnerDrawState) {
  if (Index < 0 || Index >= Items()->Count()) return;
  int W = 0;
  if (auto* B = dynamic_cast<TBitmap*>(Items()->Objects(Index))) {
    W = B->Width();
    const int H = B->Height();
    Cnvs->BrushCopy(Bounds(TxtRect.Left, (TxtRect.Top + TxtRect.Bottom - H) / 2, W, H), B, Rect(0, 0, W, H),
                    B->TransparentColor());
  }
  Cnvs->TextOut(TxtRect.Left + W + 6, TxtRect.Top + TxtRect.Height() / 2 - Cnvs->TextHeight("Wg") / 2,
                Items()->Strings(Index));
}
