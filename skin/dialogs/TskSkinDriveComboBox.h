#pragma once
// A skinned combo box of the mounted volumes, which stand in for drives: each item is the volume's mount
// point with its label (a network volume: its remote source), drawn after a picture of its kind. The
// selected volume is Drive, a mount point; a linked directory list box follows it.
//
// Items (rebuilt when the window is made and when TextCase changes, never while it shows): a removable
// volume (under /media or /run/media) shows its mount point alone with the floppy picture; a CD or DVD
// (iso9660, udf) its mount point and "[label]" with the CD picture; a network volume (nfs, cifs, sshfs,
// ...) its mount point and remote source with the network picture; any other its mount point and
// "[label]" with the hard-disk picture. Labels and sources take TextCase; mount points never change.
//
// Drive is the volume of the current folder at creation. Setting it selects the volume's item (with the
// combo box's events), tells a linked directory list box and runs Change; setting the selected volume
// again does nothing. The combo box's own OnChange handler sets Drive from a picked item; assigning
// another OnChange replaces it.
#include <memory>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/shell/Volumes.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/dialogs/skFileCtrlPaths.h"

class TskSkinDirectoryListBox;

/// The drive combo box; see the file comment.
class TskSkinDriveComboBox : public TskSkinComboBox {
public:
  explicit TskSkinDriveComboBox(TComponent* AOwner);
  ~TskSkinDriveComboBox() override;

  /// The selected volume's mount point; "" for none.
  const String& Drive() const { return FDrive; }
  /// See the file comment; "" selects no item.
  void SetDrive(const String& NewDrive);
  TTextCase TextCase() const { return FTextCase; }
  /// Rebuilds the items in the new case and selects the same volume again.
  void SetTextCase(TTextCase Value);
  TskSkinDirectoryListBox* DirList() const { return FDirList; }
  /// Links the directory list box both ways (the former one is unlinked; removal is followed).
  void SetDirList(TskSkinDirectoryListBox* Value);
  /// Fills the items from the volumes mounted now.
  void BuildDriveList();

  /// The pictures of the volume kinds (BS_FLOPPY, BS_HARD, BS_NETWORK, BS_CDROM); items point at them.
  std::unique_ptr<TBitmap> FloppyBMP { std::make_unique<TBitmap>() };
  std::unique_ptr<TBitmap> FixedBMP { std::make_unique<TBitmap>() };
  std::unique_ptr<TBitmap> NetworkBMP { std::make_unique<TBitmap>() };
  std::unique_ptr<TBitmap> CDROMBMP { std::make_unique<TBitmap>() };

protected:
  void CreateWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  /// The volumes to list, the root first (the system's mount table; tests give their own).
  virtual std::vector<TVolume> ReadDriveVolumes();

private:
  void DriveItemChange(TObject* Sender);
  /// Paints an item (in the list and on the face): its picture, then its text 6 pixels after it.
  void DrawDriveItem(TCanvas* Cnvs, int Index, int ItemWidth, int ItemHeight, TRect& TxtRect, TOwnerDrawState State);

  TskSkinDirectoryListBox* FDirList { nullptr };
  String FDrive;
  TTextCase FTextCase { tcLowerCase };
  /// The mount point of each item, in item order.
  std::vector<String> FDrives;
};
