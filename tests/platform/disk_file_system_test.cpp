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

// What a directory lists: its files and subdirectories, hidden ones left out,
// letter case ignored and umlauts among their base letters (ß as ss).
struct Listing {
    const char* what;
    std::vector<std::string> files, directories;
    std::vector<std::string> textFiles, subdirectories;
};

TEST(DiskFileSystem, ListsTextFilesAndSubdirectoriesInNameOrder) {
    const Listing cases[] = {
        {"text files only",
         {"b.Txt", "FILE.TXT", "a.txt", "notes.text", "txt", ".hidden.txt"},
         {"Zeta", "alpha", "ordner.txt", ".git"},
         {"a.txt", "b.Txt", "FILE.TXT"},
         {"alpha", "ordner.txt", "Zeta"}},
        {"umlauts among plain letters",
         {"vase.txt", "ümlaut.txt", "umlaut.txt", "Ulm.txt", "uhr.txt", "Übel.txt", "ozon.txt",
          "Öl.txt", "öde.txt", "Obst.txt", "mast.txt", "maß.txt", "Masern.txt", "azur.txt",
          "ärger.txt", "Äpfel.txt", "apfel.txt"},
         {"Zoll", "Ärger", "Akte"},
         {"apfel.txt", "Äpfel.txt", "ärger.txt", "azur.txt", "Masern.txt", "maß.txt", "mast.txt",
          "Obst.txt", "öde.txt", "Öl.txt", "ozon.txt", "Übel.txt", "uhr.txt", "Ulm.txt",
          "umlaut.txt", "ümlaut.txt", "vase.txt"},
         {"Akte", "Ärger", "Zoll"}}};
    for (const Listing& c : cases) {
        testing::TempDir temp;
        for (const std::string& name : c.files) {
            temp.write(name, "");
        }
        for (const std::string& name : c.directories) {
            temp.makeDirectory(name);
        }
        DiskFileSystem files;
        EXPECT_EQ(files.textFiles(temp.path()), c.textFiles) << c.what;
        EXPECT_EQ(files.subdirectories(temp.path()), c.subdirectories) << c.what;
    }
}

// A directory that cannot be read (gone, or closed to this user) lists nothing.
TEST(DiskFileSystem, ReadsRegularFilesOnlyAndListsNoMissingDirectory) {
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
    EXPECT_TRUE(files.textFiles(temp.file("fehlt")).empty());
    EXPECT_TRUE(files.subdirectories(temp.file("fehlt")).empty());
}

}  // namespace
}  // namespace lurnatik
