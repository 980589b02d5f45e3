// The parts of the platform that only Linux has: mount points, named pipes.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/disk_file_system.h"
#include "support/temp_dir.h"

namespace lurnatik {
namespace {

TEST(UserMountPoints, KeepsRealFileSystemsOnly) {
    EXPECT_EQ(userMountPoints("proc /proc proc rw 0 0\n"
                              "sysfs /sys sysfs rw 0 0\n"
                              "/dev/sda1 / ext4 rw 0 0\n"
                              "tmpfs /tmp tmpfs rw 0 0\n"
                              "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
                              "/dev/sda2 /home ext4 rw 0 0\n"
                              "/dev/sdb1 /media/USB\\040Stick vfat rw 0 0\n"
                              "/dev/sda3 /run/bind ext4 rw 0 0\n"
                              "/dev/sda2 /home ext4 rw 0 0\n"
                              "server:/share /mnt/share nfs4 rw 0 0\n"
                              "overlay / overlay rw 0 0\n"
                              "broken line\n"),
              (std::vector<std::string>{"/", "/home", "/media/USB Stick", "/mnt/share"}));
}

TEST(DiskFileSystem, NamedPipeIsNotReadAndDoesNotWait) {
    testing::TempDir temp;
    ASSERT_EQ(::mkfifo(temp.file("pipe.txt").c_str(), 0600), 0);
    EXPECT_EQ(DiskFileSystem().readFile(temp.file("pipe.txt")), std::nullopt);
}

}  // namespace
}  // namespace lurnatik
