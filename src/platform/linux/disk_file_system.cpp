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
#include <vector>

#include "platform/bounded_read.h"

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

// Desktops (udisks) mount USB sticks and discs at /run/media/USER/LABEL; the rest
// of /run is the system's.
bool isRemovableMedium(std::string_view point) {
    constexpr std::string_view media = "/run/media/";
    if (point.substr(0, media.size()) != media) {
        return false;
    }
    const std::string_view userAndLabel = point.substr(media.size());
    const auto slash = userAndLabel.find('/');
    return slash != std::string_view::npos && slash > 0 && slash + 1 < userAndLabel.size();
}

bool isSystemMountPoint(std::string_view point) {
    return point.empty() || point.front() != '/' || isUnder(point, "/proc") ||
           isUnder(point, "/sys") || isUnder(point, "/dev") ||
           (isUnder(point, "/run") && !isRemovableMedium(point));
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

std::optional<std::string> DiskFileSystem::readFile(const std::string& path, std::uint64_t margin,
                                                    const MemoryCheck& mayHold) {
    // Non-blocking, so that opening a named pipe does not wait for a writer; the
    // type and size are taken from the open file, so a file replaced meanwhile is
    // read by its own size.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<std::string> content;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        const auto readSome = [fd](char* into, std::size_t room) -> std::ptrdiff_t {
            for (;;) {
                const ssize_t n = ::read(fd, into, room);
                if (n >= 0 || errno != EINTR) {
                    return n;
                }
            }
        };
        content = readBounded(readSome, static_cast<std::uint64_t>(info.st_size), margin, mayHold);
    }
    ::close(fd);
    return content;
}

}  // namespace lurnatik
