// The parts of the platform that only Linux has: mount points, named pipes,
// memory cgroups.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/disk_file_system.h"
#include "platform/linux/memory_cgroups.h"
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
                              "/dev/sdc1 /run/media/anna/STICK vfat rw 0 0\n"
                              "/dev/sdc2 /run/media/anna ext4 rw 0 0\n"
                              "tmpfs /run/user/1000 tmpfs rw 0 0\n"
                              "/dev/sdd1 /media/anna/Kamera\\040SD vfat rw 0 0\n"
                              "/dev/sda2 /home ext4 rw 0 0\n"
                              "server:/share /mnt/share nfs4 rw 0 0\n"
                              "overlay / overlay rw 0 0\n"
                              "broken line\n"),
              (std::vector<std::string>{"/", "/home", "/media/USB Stick", "/run/media/anna/STICK",
                                        "/media/anna/Kamera SD", "/mnt/share"}));
}

TEST(DiskFileSystem, NamedPipeIsNotReadAndDoesNotWait) {
    testing::TempDir temp;
    ASSERT_EQ(::mkfifo(temp.file("pipe.txt").c_str(), 0600), 0);
    EXPECT_EQ(DiskFileSystem().readFile(temp.file("pipe.txt"), 0, {}), std::nullopt);
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

}  // namespace
}  // namespace lurnatik
