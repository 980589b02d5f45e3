#include <algorithm>
#include <filesystem>

#include "platform/disk_file_system.h"
#include "platform/name_order.h"
#include "platform/native_path.h"

namespace fs = std::filesystem;

namespace lurnatik {
namespace {

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
    for (fs::directory_iterator it(systemPath(directory), error), end; !error && it != end;
         it.increment(error)) {
        std::string name = pathText(it->path().filename());
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

}  // namespace

std::string DiskFileSystem::currentDirectory() {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string(1, pathSeparator()) : pathText(current);
}

bool DiskFileSystem::isDirectory(const std::string& path) {
    std::error_code error;
    return fs::is_directory(systemPath(path), error);
}

std::vector<std::string> DiskFileSystem::subdirectories(const std::string& directory) {
    return listEntries(directory, EntryKind::Directory);
}

std::vector<std::string> DiskFileSystem::textFiles(const std::string& directory) {
    return listEntries(directory, EntryKind::RegularFile);
}

}  // namespace lurnatik
