#include "platform/files/MountTable.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/WinTypes.h"

namespace platform {
namespace {

MountTable Sample() {
  std::istringstream text(
      "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
      "30 22 0:40 / /srv/share rw shared:5 - nfs4 server:/export rw\n"
      "31 22 0:41 / /home/ann/Remote\\040Box rw - fuse.sshfs ann@host: rw\n"
      "32 22 0:42 / /run/media/ann/STICK rw - vfat /dev/sdb1 rw\n"
      "33 22 0:43 / /mnt/win rw shared:7 master:2 - cifs //pc/c rw\n"
      "34 22 0:44 / /srv/share rw - ext4 /dev/sdc1 rw\n"
      "35 22 0:45 / /media/cd rw - iso9660 /dev/sr0 ro\n");
  return MountTable::Parse(text);
}

TEST(MountTableTest, FindsTheMountThatHoldsAFolder) {
  const MountTable table = Sample();
  EXPECT_EQ(table.FileSystemType("/home/ann"), "ext4");
  EXPECT_EQ(table.FileSystemType("/home/ann/Remote Box/docs"), "fuse.sshfs");
  EXPECT_EQ(table.FileSystemType("/home/ann/Remote Boxes"), "ext4");
  EXPECT_EQ(table.FileSystemType("/mnt/win/Users"), "cifs");
  // A later mount over the same point hides the earlier one.
  EXPECT_EQ(table.FileSystemType("/srv/share/x"), "ext4");
}

TEST(MountTableTest, ClassifiesDrives) {
  const MountTable table = Sample();
  EXPECT_EQ(table.DriveType("/home/ann"), DRIVE_FIXED);
  EXPECT_EQ(table.DriveType("/home/ann/Remote Box"), DRIVE_REMOTE);
  EXPECT_EQ(table.DriveType("/mnt/win"), DRIVE_REMOTE);
  EXPECT_EQ(table.DriveType("/run/media/ann/STICK"), DRIVE_REMOVABLE);
  EXPECT_EQ(table.DriveType("/media/cd"), DRIVE_REMOVABLE);
  EXPECT_EQ(table.DriveType("/mediafiles"), DRIVE_FIXED);
}

TEST(MountTableTest, AnEmptyTableMakesEveryFolderFixed) {
  std::istringstream nothing;
  EXPECT_EQ(MountTable::Parse(nothing).FileSystemType("/x"), "");
  EXPECT_EQ(MountTable::Parse(nothing).DriveType("/x"), DRIVE_FIXED);
}

}  // namespace
}  // namespace platform
