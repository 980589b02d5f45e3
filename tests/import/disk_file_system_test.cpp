#include "platform/disk_file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_dir.h"

namespace lurnatik {
namespace {

TEST(UserMountPoints, KeepsRealFileSystemsOnly) {
    const std::string mounts =
        "proc /proc proc rw 0 0\n"
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
        "broken line\n";
    EXPECT_EQ(userMountPoints(mounts),
              (std::vector<std::string>{"/", "/home", "/media/USB Stick", "/mnt/share"}));
}

TEST(DiskFileSystem, ReadsRegularFilesOnly) {
    testing::TempDir temp;
    temp.write("a.txt", std::string("x\0y", 3));
    temp.makeDirectory("d.txt");
    DiskFileSystem files;
    EXPECT_EQ(files.readFile(temp.file("a.txt")), std::string("x\0y", 3));
    EXPECT_EQ(files.readFile(temp.file("d.txt")), std::nullopt);
    EXPECT_EQ(files.readFile(temp.file("missing.txt")), std::nullopt);
    ASSERT_EQ(::mkfifo(temp.file("pipe.txt").c_str(), 0600), 0);
    EXPECT_EQ(files.readFile(temp.file("pipe.txt")), std::nullopt) << "and does not wait";
    EXPECT_EQ(files.textFiles(temp.path()), std::vector<std::string>{"a.txt"});
}

TEST(DiskFileSystem, UnreadableDirectoryListsNothing) {
    testing::TempDir temp;
    temp.makeDirectory("zu");
    temp.write("zu/a.txt", "");
    std::filesystem::permissions(temp.file("zu"), std::filesystem::perms::none);
    DiskFileSystem files;
    if (files.readFile(temp.file("zu/a.txt"))) {
        GTEST_SKIP() << "permissions do not keep this user out";
    }
    EXPECT_TRUE(files.textFiles(temp.file("zu")).empty());
    EXPECT_TRUE(files.subdirectories(temp.file("zu")).empty());
}

}  // namespace
}  // namespace lurnatik
