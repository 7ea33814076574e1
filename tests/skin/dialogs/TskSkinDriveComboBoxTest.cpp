// The drive combo box over a given set of volumes: item texts and pictures by kind and letter case, the
// selected volume, and the linked directory list box.
#include "platform/base/FileUtils.h"
#include "skin/dialogs/TskSkinDirectoryListBox.h"
#include "skin/dialogs/TskSkinDriveComboBox.h"
#include "tests/skin/dialogs/FileCtrlFixture.h"

namespace {

/// A drive combo box listing the volumes of the test instead of the system's.
class FakeDriveComboBox : public TskSkinDriveComboBox {
public:
  using TskSkinDriveComboBox::TskSkinDriveComboBox;
  std::vector<TVolume> Volumes;

protected:
  std::vector<TVolume> ReadDriveVolumes() override { return Volumes; }
};

class DriveComboBoxTest : public FileCtrlTest {
protected:
  void SetUp() override {
    FileCtrlTest::SetUp();
    Combo = new FakeDriveComboBox(Form);
    Combo->Volumes = {
      { .MountPoint = "/", .FileSystem = "ext4", .Source = "/dev/sda1", .Label = "System 盘" },
      { .MountPoint = Video + "/子目录", .FileSystem = "vfat", .Source = "/dev/sdb1", .Label = "STICK",
        .Removable = true },
      { .MountPoint = Video + "/旅行 2026", .FileSystem = "iso9660", .Source = "/dev/sr0", .Label = "Disc" },
      { .MountPoint = "/mnt/nas", .FileSystem = "nfs", .Source = "Server:/Export" },
    };
    Combo->SetBounds(10, 10, 260, 20);
    Combo->SetParent(Form);
    Combo->HandleNeeded();
  }

  FakeDriveComboBox* Combo { nullptr };
};

TEST_F(DriveComboBoxTest, EachVolumeShowsItsTextAndThePictureOfItsKindInTheLetterCase) {
  const std::vector<String> Lower { "/ [system 盘]", Video + "/子目录", Video + "/旅行 2026 [disc]",
                                    "/mnt/nas server:/export" };
  EXPECT_EQ(Lines(Combo->Items()), Lower);
  const TBitmap* Pictures[] = { Combo->FixedBMP.get(), Combo->FloppyBMP.get(), Combo->CDROMBMP.get(),
                                Combo->NetworkBMP.get() };
  for (int I = 0; I < 4; ++I) EXPECT_EQ(Combo->Items()->Objects(I), Pictures[I]) << I;
  Combo->SetDrive(Video + "/旅行 2026");
  Combo->SetTextCase(tcUpperCase);
  EXPECT_EQ(Lines(Combo->Items()),
            (std::vector<String> { "/ [SYSTEM 盘]", Video + "/子目录", Video + "/旅行 2026 [DISC]",
                                   "/mnt/nas SERVER:/EXPORT" }));
  EXPECT_EQ(Combo->ItemIndex(), 2) << "the same volume stays selected";
}

TEST_F(DriveComboBoxTest, TheDriveFollowsPicksAndMovesTheLinkedDirectoryList) {
  EXPECT_EQ(Combo->Drive(), "/") << "the volume of the current folder";
  EXPECT_EQ(Combo->ItemIndex(), 0);
  auto* List = Add<TskSkinDirectoryListBox>(Bounds(10, 40, 260, 200));
  List->HandleNeeded();
  Combo->SetDirList(List);
  int Moves = 0;
  List->OnChange = [&](TObject*) { ++Moves; };

  Combo->SetItemIndex(1);  // as a pick from the list does
  EXPECT_EQ(Combo->Drive(), Video + "/子目录");
  EXPECT_EQ(List->Directory(), Video + "/子目录");
  EXPECT_EQ(Moves, 1);

  Combo->SetDrive(Video + "/子目录");
  EXPECT_EQ(Moves, 1) << "the selected volume again tells nobody";

  Combo->SetDrive("");
  EXPECT_EQ(Combo->ItemIndex(), -1);
  delete List;
  EXPECT_EQ(Combo->DirList(), nullptr);
}

TEST_F(DriveComboBoxTest, TheFaceShowsThePictureWithoutItsKeyColour) {
  Combo->SetDrive(Video + "/旅行 2026");
  Display->PumpUntilIdle();
  const TPoint Origin = At(Combo, 0, 0);
  const TColor Face = Display->PixelAt(Origin.X + 30, Origin.Y + Combo->Height() / 2);
  int PictureArea = 0, KeyColour = 0;
  for (int Y = 0; Y < Combo->Height(); ++Y)
    for (int X = 0; X < Combo->Width(); ++X) {
      const TColor C = Display->PixelAt(Origin.X + X, Origin.Y + Y);
      KeyColour += C == clFuchsia;
      PictureArea += X >= 4 && X < 22 && Y >= 3 && Y < Combo->Height() - 3 && C != Face;
    }
  EXPECT_EQ(KeyColour, 0);
  EXPECT_GT(PictureArea, 20) << "the CD picture shows at the left";
}

}  // namespace
