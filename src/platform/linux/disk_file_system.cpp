#include "platform/disk_file_system.h"

#include <fcntl.h>
#include <mntent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace lurnatik {
namespace {

// File system types that never hold a user's files.
const std::set<std::string_view, std::less<>> kPseudoTypes = {
    "autofs", "binfmt_misc", "bpf",      "cgroup",          "cgroup2",     "configfs",  "debugfs",
    "devpts", "devtmpfs",    "efivarfs", "fusectl",         "hugetlbfs",   "mqueue",    "nsfs",
    "proc",   "pstore",      "ramfs",    "rpc_pipefs",      "securityfs",  "selinuxfs", "squashfs",
    "sysfs",  "tmpfs",       "tracefs",  "fuse.gvfsd-fuse", "fuse.portal",
};

bool isSystemMountPoint(std::string_view point) {
    return point.empty() || point.front() != '/' || isUnder(point, "/proc") ||
           isUnder(point, "/sys") || isUnder(point, "/dev") || isUnder(point, "/run");
}

// The mount table is read by the C library, which also undoes the escapes of
// blanks and backslashes in mount points (\040, \134, ...).
std::vector<std::string> mountPointsIn(std::FILE* table) {
    std::vector<std::string> points;
    // Overlay mounts in containers can have option fields of many kilobytes.
    std::vector<char> line(std::size_t{64} * 1024);
    mntent entry{};
    while (::getmntent_r(table, &entry, line.data(), static_cast<int>(line.size())) != nullptr) {
        const std::string_view type = entry.mnt_type;
        if (type.empty() || kPseudoTypes.count(type) != 0 || isSystemMountPoint(entry.mnt_dir)) {
            continue;
        }
        if (std::find(points.begin(), points.end(), entry.mnt_dir) == points.end()) {
            points.emplace_back(entry.mnt_dir);
        }
    }
    return points;
}

}  // namespace

std::vector<std::string> userMountPoints(std::string_view mountsText) {
    if (mountsText.empty()) {
        return {};
    }
    std::string text(mountsText);
    std::FILE* const stream = ::fmemopen(text.data(), text.size(), "r");
    if (stream == nullptr) {
        return {};
    }
    std::vector<std::string> points = mountPointsIn(stream);
    std::fclose(stream);
    return points;
}

std::vector<std::string> DiskFileSystem::drives() {
    std::vector<std::string> result{"/"};
    std::vector<std::string> points;
    if (std::FILE* const table = ::setmntent("/proc/self/mounts", "r")) {
        points = mountPointsIn(table);
        ::endmntent(table);
    }
    for (std::string& point : points) {
        // Bind mounts of single files (as containers have) are no drives.
        if (point != "/" && isDirectory(point)) {
            result.push_back(std::move(point));
        }
    }
    std::sort(result.begin() + 1, result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

// Each mount point is a root of its own.
std::string DiskFileSystem::driveRoot(const std::string& drive) {
    return drive;
}

std::optional<std::string> DiskFileSystem::readFile(const std::string& path) {
    // Non-blocking, so that opening a named pipe does not wait for a writer; the
    // type is checked on the open file, so it cannot change between test and read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<std::string> content;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        // Read into place; a file that grows meanwhile is read to its new end.
        std::string bytes(static_cast<std::size_t>(info.st_size) + 4096, '\0');
        std::size_t have = 0;
        for (;;) {
            if (have == bytes.size()) {
                bytes.resize(bytes.size() * 2);
            }
            const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
            if (n > 0) {
                have += static_cast<std::size_t>(n);
            } else if (n == 0) {
                bytes.resize(have);
                content = std::move(bytes);
                break;
            } else if (errno != EINTR) {
                break;
            }
        }
    }
    ::close(fd);
    return content;
}

std::optional<std::uint64_t> DiskFileSystem::fileSize(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

}  // namespace lurnatik
