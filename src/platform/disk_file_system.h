#pragma once

#include <string_view>

#include "platform/file_system.h"
#include "platform/name_order.h"

namespace lurnatik {

// The real file system through std::filesystem and the system's own calls.
class DiskFileSystem : public FileSystem {
  public:
    // Linux: "/" and the mount points of real file systems that are
    // directories. Windows: each drive letter, "c:" or "c: [LABEL]".
    std::vector<std::string> drives() override;
    std::string driveRoot(const std::string& drive) override;
    std::string currentDirectory() override;
    bool isDirectory(const std::string& path) override;
    // Hidden entries (names beginning with ".") are left out.
    std::vector<std::string> subdirectories(const std::string& directory) override;
    std::vector<std::string> textFiles(const std::string& directory) override;
    // Only regular files: a directory, a pipe or a device gives nullopt.
    std::optional<std::string> readFile(const std::string& path) override;
    std::optional<std::uint64_t> fileSize(const std::string& path) override;
};

// The mount points in the text of /proc/self/mounts that may hold a user's files:
// pseudo and memory file systems (proc, sysfs, cgroup, tmpfs, ...) and everything
// under /proc, /sys, /dev and /run are left out. In file order, each once.
std::vector<std::string> userMountPoints(std::string_view mountsText);

}  // namespace lurnatik
