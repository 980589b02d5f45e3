#include "platform/disk_file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/linux/memory_cgroups.h"
#include "platform/number_item.h"
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

// A directory lists its regular text files and its subdirectories, hidden ones left
// out, in name order: letter case ignored, umlauts among their base letters (ß as
// ss). Only regular files are read, and a directory that cannot be read (gone, or
// closed to this user) lists nothing.
TEST(DiskFileSystem, ListsAndReadsRegularTextFilesInNameOrder) {
    testing::TempDir temp;
    for (const char* name :
         {"b.Txt",      "FILE.TXT",   "notes.text", "txt",      ".hidden.txt", "vase.txt",
          "ümlaut.txt", "umlaut.txt", "Ulm.txt",    "uhr.txt",  "Übel.txt",    "ozon.txt",
          "Öl.txt",     "öde.txt",    "Obst.txt",   "mast.txt", "maß.txt",     "Masern.txt",
          "azur.txt",   "ärger.txt",  "Äpfel.txt",  "apfel.txt"}) {
        temp.write(name, "");
    }
    temp.write("a.txt", std::string("x\0y", 3));
    for (const char* name : {"Zeta", "alpha", "ordner.txt", ".git", "Zoll", "Ärger", "Akte"}) {
        temp.makeDirectory(name);
    }
    ASSERT_EQ(::mkfifo(temp.file("pipe.txt").c_str(), 0600), 0);
    DiskFileSystem files;
    EXPECT_EQ(files.textFiles(temp.path()),
              (std::vector<std::string>{"a.txt",    "apfel.txt",  "Äpfel.txt",  "ärger.txt",
                                        "azur.txt", "b.Txt",      "FILE.TXT",   "Masern.txt",
                                        "maß.txt",  "mast.txt",   "Obst.txt",   "öde.txt",
                                        "Öl.txt",   "ozon.txt",   "Übel.txt",   "uhr.txt",
                                        "Ulm.txt",  "umlaut.txt", "ümlaut.txt", "vase.txt"}));
    EXPECT_EQ(files.subdirectories(temp.path()),
              (std::vector<std::string>{"Akte", "alpha", "Ärger", "ordner.txt", "Zeta", "Zoll"}));
    EXPECT_EQ(files.readFile(temp.file("a.txt"), 0, {}), std::string("x\0y", 3));
    EXPECT_EQ(files.readFile(temp.file("ordner.txt"), 0, {}), std::nullopt);
    EXPECT_EQ(files.readFile(temp.file("fehlt.txt"), 0, {}), std::nullopt);
    EXPECT_EQ(files.readFile(temp.file("pipe.txt"), 0, {}), std::nullopt) << "and does not wait";
    // A read whose memory is refused part way (a limit lowered meanwhile) gives
    // nothing; the rest of the size is asked for, not the margin.
    constexpr std::size_t kSize = 20u << 20;
    temp.write("big.txt", std::string(kSize, 'x'));
    const auto lowered = [n = 0](std::uint64_t) mutable { return ++n == 1; };
    EXPECT_EQ(files.readFile(temp.file("big.txt"), 1u << 20, lowered), std::nullopt);
    const auto sizeOnly = [](std::uint64_t need) { return need <= kSize; };
    EXPECT_EQ(files.readFile(temp.file("big.txt"), 1u << 20, sizeOnly).value_or("").size(), kSize);
    EXPECT_TRUE(files.textFiles(temp.file("fehlt")).empty());
    EXPECT_TRUE(files.subdirectories(temp.file("fehlt")).empty());
}

// The memory cgroups that /proc/self/cgroup names, found among the mounts for every
// path the kernel can write: ':' in a unit's name, blanks and line feeds escaped in
// mountinfo, a root that only begins like the path, ten thousand mounts.
TEST(MemoryCgroups, FoundForEveryPathTheKernelCanWriteAndLeaveTheirDroppablePagesFree) {
    const std::string v2 = "30 23 0:26 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n";
    std::string many;
    for (int i = 0; i < 10000; ++i) {
        many += "40 23 8:1 / /mnt/m" + std::to_string(i) + " rw shared:1 - ext4 /dev/sda1 rw\n";
    }
    const struct {
        const char* what;
        std::string cgroup, mountinfo, groups;
    } cases[] = {
        {"':' in a unit's name", "0::/system.slice/a:b.service\n", v2,
         "/sys/fs/cgroup/system.slice/a:b.service 2, /sys/fs/cgroup/system.slice 2, "
         "/sys/fs/cgroup 2, "},
        {"a container's own group as root", "0::/docker/abc\n",
         "30 23 0:26 /docker/abc /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n", "/sys/fs/cgroup 2, "},
        {"a root that only begins like the path", "0::/a/boxb\n",
         "30 23 0:26 /a/box /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n", ""},
        {"escapes in the mount point", "0::/x\n",
         "30 23 0:26 / /mnt/my\\040cg\\012roups\\134 rw - cgroup2 none rw\n",
         "/mnt/my cg\nroups\\/x 2, /mnt/my cg\nroups\\ 2, "},
        {"ten thousand mounts first", "0::/x\n", many + v2,
         "/sys/fs/cgroup/x 2, /sys/fs/cgroup 2, "},
        {"nothing to read", "", "", ""}};
    for (const auto& c : cases) {
        std::string groups;
        for (const MemoryCgroup& group : memoryCgroupsIn(c.cgroup, c.mountinfo)) {
            groups += group.directory + " " + std::to_string(group.version) + ", ";
        }
        EXPECT_EQ(groups, c.groups) << c.what;
    }
    // A limited group leaves its limit (100 MiB) less what it uses (90 MiB), with the
    // file pages that the kernel drops when it must, active or not, counted as free.
    for (const auto& [version, limit, usage, stat] :
         {std::tuple{2, "memory.max", "memory.current",
                     "anon 1\nactive_file 31457280\ninactive_file 20971520\n"},
          {1, "memory.limit_in_bytes", "memory.usage_in_bytes",
           "active_file 0\ntotal_active_file 31457280\ntotal_inactive_file 20971520\n"}}) {
        testing::TempDir group;
        group.write(limit, "104857600");
        group.write(usage, "94371840");
        group.write("memory.stat", stat);
        EXPECT_EQ(cgroupRoom({group.path(), version}), 60u << 20) << limit;
    }
}

// A sign or a blank, the plain digits with the user's separator, a trailing blank.
TEST(NumberItem, SignBlankPlainDigitsTrailingBlank) {
    const struct {
        double value;
        const char* separator;
        const char* item;
    } cases[] = {{100, ".", " 100 "},    {0, ".", " 0 "},     {-0.0, ".", " 0 "},
                 {2.5, ",", " 2,5 "},    {2.5, ".", " 2.5 "}, {-3, ",", "-3 "},
                 {-0.25, ",", "-0,25 "}, {0.1, ".", " 0.1 "}, {1e-5, ".", " 0.00001 "}};
    for (const auto& c : cases) {
        EXPECT_EQ(numberItem(c.value, c.separator), c.item) << c.value;
    }
    EXPECT_EQ(numberItem(1000000, "\xC2\xB7"), " 1000000 ");
    EXPECT_EQ(numberItem(1234567.125, ","), " 1234567,125 ");
    EXPECT_EQ(numberItem(1e20, "."), " 100000000000000000000 ");
}

}  // namespace
}  // namespace lurnatik
