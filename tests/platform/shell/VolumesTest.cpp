#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/shell/Volumes.h"
#include "tests/platform/shell/ShellTestSupport.h"

namespace {

TEST(VolumesTest, MountTableGivesRootThenEveryRealFileSystemWhereverMounted) {
  const char* table =
      "21 1 0:20 / / rw,relatime - overlay overlay rw,lowerdir=/a\n"
      "22 21 0:21 / /proc rw - proc proc rw\n"
      "30 21 8:17 / /media/u/USB\\040STICK rw shared:5 - vfat /dev/sdb1 rw\n"
      "31 21 8:2 / /home rw - ext4 /dev/sda2 rw\n"
      "32 21 8:3 / /boot rw - ext4 /dev/sda3 rw\n"
      "33 21 0:40 / /mnt/scratch rw - tmpfs tmpfs rw\n"
      "34 21 0:41 / /mnt/nas rw master:1 master:2 - nfs4 server:/export rw\n"
      "35 21 8:33 / /run/media/u/DISC rw - iso9660 /dev/sr0 ro\n"
      "36 21 8:18 / /media/u/USB\\040STICK rw - ext4 /dev/sdb2 rw\n"
      "garbage line\n"
      "37 21 8:19 / /mnt/half rw\n";
  struct TExpected {
    String MountPoint, FileSystem, Source;
    bool Removable;
  };
  const std::vector<TExpected> expected {
    { "/", "overlay", "overlay", false },
    { "/boot", "ext4", "/dev/sda3", false },
    { "/home", "ext4", "/dev/sda2", false },
    { "/media/u/USB STICK", "ext4", "/dev/sdb2", true },
    { "/mnt/nas", "nfs4", "server:/export", false },
    { "/run/media/u/DISC", "iso9660", "/dev/sr0", true },
  };
  const std::vector<TVolume> volumes = ParseMountInfo(table);
  ASSERT_EQ(volumes.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(volumes[i].MountPoint, expected[i].MountPoint);
    EXPECT_EQ(volumes[i].FileSystem, expected[i].FileSystem) << expected[i].MountPoint;
    EXPECT_EQ(volumes[i].Source, expected[i].Source) << expected[i].MountPoint;
    EXPECT_EQ(volumes[i].Removable, expected[i].Removable) << expected[i].MountPoint;
  }
  EXPECT_EQ(ParseMountInfo("").front().MountPoint, "/") << "the root is always there";
}

TEST(VolumesTest, FatExFatAndNtfsVolumesCompareWithoutCase) {
  const std::vector<TVolume> volumes = ParseMountInfo(
      "1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
      "2 1 8:17 / /srv/camera rw - vfat /dev/sdb1 rw\n"
      "3 1 8:18 / /data/card rw - exfat /dev/sdb2 rw\n"
      "4 1 8:19 / /opt/win rw - ntfs3 /dev/sdb3 rw\n"
      "5 1 8:20 / /srv/linux rw - btrfs /dev/sdb4 rw\n");
  ASSERT_EQ(volumes.size(), 5u);
  for (const TVolume& volume : volumes)
    EXPECT_EQ(volume.CaseInsensitive, volume.FileSystem != "ext4" && volume.FileSystem != "btrfs")
        << volume.MountPoint;
}

TEST(VolumesTest, ThisSystemsVolumesAreFoldersItsUserCanRead) {
  const std::vector<TVolume> volumes = ReadVolumes();
  ASSERT_FALSE(volumes.empty());
  EXPECT_EQ(volumes.front().MountPoint, "/");
  for (const TVolume& volume : volumes) {
    struct stat st {};
    ASSERT_EQ(::stat(volume.MountPoint.c_str(), &st), 0) << volume.MountPoint;
    EXPECT_TRUE(S_ISDIR(st.st_mode)) << volume.MountPoint << " (a mounted file is no volume)";
  }
}

TEST(VolumesTest, AnOverriddenMountTableGivesTheVolumesUntilItIsCleared) {
  TTempFolder card;
  OverrideMountTable("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                     "2 1 8:17 / " + card.Path() + " rw - vfat /dev/sdz1 rw\n"
                     "3 1 8:18 / /no/such/folder rw - ext4 /dev/sdz2 rw\n");
  const std::vector<TVolume> volumes = ReadVolumes();
  OverrideMountTable("");
  ASSERT_EQ(volumes.size(), 2u) << "a mount point that is no folder is left out";
  EXPECT_EQ(volumes[0].FileSystem, "ext4");
  EXPECT_EQ(volumes[1].MountPoint, card.Path());
  EXPECT_TRUE(volumes[1].CaseInsensitive);
  const std::vector<TVolume> system = ReadVolumes();
  EXPECT_NE(VolumeOfPath(system, card.Path())->MountPoint, card.Path()) << "cleared: this system's table again";
}

TEST(VolumesTest, PathsBelongToTheDeepestMountAbove) {
  const std::vector<TVolume> volumes = ParseMountInfo(
      "1 0 0:1 / / rw - ext4 /dev/sda1 rw\n"
      "2 1 0:2 / /home rw - ext4 /dev/sda2 rw\n"
      "3 1 0:3 / /media/u/A rw - vfat /dev/sdb1 rw\n");
  struct TCase {
    String Path, Volume;
  };
  for (const TCase& c : std::vector<TCase> {
           { "/", "/" },
           { "/etc/fstab", "/" },
           { "/home", "/home" },
           { "/home/u/Videos", "/home" },
           { "/homeless", "/" },
           { "/media/u/A/clip.avi", "/media/u/A" },
           { "/media/u/AB", "/" },
       })
    EXPECT_EQ(VolumeOfPath(volumes, c.Path)->MountPoint, c.Volume) << c.Path;
}

TEST(VolumesTest, ShownNames) {
  EXPECT_EQ(VolumeDisplayName({ "/", "ext4", "/dev/sda1", "ROOT", false }), "File System");
  EXPECT_EQ(VolumeDisplayName({ "/media/u/sdb1", "vfat", "/dev/sdb1", "", true }), "sdb1 (/media/u/sdb1)");
  EXPECT_EQ(VolumeDisplayName({ "/media/u/sdb1", "vfat", "/dev/sdb1", "Holiday", true }), "Holiday (/media/u/sdb1)");
}

}  // namespace
