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

// The key that orders names: ASCII letters folded to lower case, the German
// letters of UTF-8 to their base letters.
std::string sortKey(std::string_view name) {
    std::string key;
    key.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == 0xC3 && i + 1 < name.size()) {
            const auto d = static_cast<unsigned char>(name[i + 1]);
            const char* base = nullptr;
            switch (d) {
                case 0x84:  // Ä
                case 0xA4:  // ä
                    base = "a";
                    break;
                case 0x96:  // Ö
                case 0xB6:  // ö
                    base = "o";
                    break;
                case 0x9C:  // Ü
                case 0xBC:  // ü
                    base = "u";
                    break;
                case 0x9F:  // ß
                    base = "ss";
                    break;
                default:
                    break;
            }
            if (base != nullptr) {
                key += base;
                ++i;
                continue;
            }
        }
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    }
    return key;
}

bool hasTextExtension(std::string_view name) {
    if (name.size() < 4) {
        return false;
    }
    const std::string_view ext = name.substr(name.size() - 4);
    return ext[0] == '.' && (ext[1] | 0x20) == 't' && (ext[2] | 0x20) == 'x' &&
           (ext[3] | 0x20) == 't';
}

enum class EntryKind { Directory, RegularFile };

std::vector<std::string> listEntries(const std::string& directory, EntryKind kind) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.') {
            continue;
        }
        std::error_code typeError;
        // Both follow symbolic links, so a link to a directory opens like one.
        const bool wanted = kind == EntryKind::Directory
                                ? it->is_directory(typeError)
                                : it->is_regular_file(typeError) && hasTextExtension(name);
        if (wanted && !typeError) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return germanNameLess(a, b); });
    return names;
}

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

bool germanNameLess(std::string_view a, std::string_view b) {
    const std::string ka = sortKey(a);
    const std::string kb = sortKey(b);
    return ka != kb ? ka < kb : a < b;
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

std::string DiskFileSystem::currentDirectory() {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string("/") : current.string();
}

bool DiskFileSystem::isDirectory(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

std::vector<std::string> DiskFileSystem::subdirectories(const std::string& directory) {
    return listEntries(directory, EntryKind::Directory);
}

std::vector<std::string> DiskFileSystem::textFiles(const std::string& directory) {
    return listEntries(directory, EntryKind::RegularFile);
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
