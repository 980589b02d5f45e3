#include "platform/disk_file_system.h"

#include <fcntl.h>
#include <mntent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <set>
#include <vector>

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

// The memory is asked again after each piece of this size; the bytes come through
// a small buffer of their own.
constexpr std::size_t kCheckedPiece = std::size_t{8} << 20;
constexpr std::size_t kBuffer = std::size_t{256} << 10;

// Up to `size` + `margin` bytes of the open file; nullopt when it holds more or
// fails. The bytes go into room reserved untouched, so only what is read takes
// memory, and the room never moves.
std::optional<std::string> readUpTo(int fd, std::uint64_t size, std::uint64_t margin,
                                    const MemoryCheck& mayHold) {
    if (size + margin >= std::numeric_limits<std::size_t>::max() / 2) {
        return std::nullopt;
    }
    const auto limit = static_cast<std::size_t>(size + margin);
    std::string bytes;
    bytes.reserve(limit + 1);  // a byte beyond the bound shows that there is more
    std::vector<char> buffer(std::min(kBuffer, limit + 1));
    for (std::size_t checked = 0;;) {
        const std::size_t have = bytes.size();
        if (have >= checked) {
            if (mayHold && !mayHold(size - std::min<std::uint64_t>(size, have))) {
                return std::nullopt;
            }
            checked = have + kCheckedPiece;
        }
        const ssize_t n = ::read(fd, buffer.data(), std::min(buffer.size(), limit + 1 - have));
        if (n < 0 && errno != EINTR) {
            return std::nullopt;
        }
        if (n == 0) {
            return bytes;
        }
        bytes.append(buffer.data(), static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        if (bytes.size() > limit) {
            return std::nullopt;
        }
    }
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
        content = readUpTo(fd, static_cast<std::uint64_t>(info.st_size), margin, mayHold);
    }
    ::close(fd);
    return content;
}

}  // namespace lurnatik
