#include "platform/native_path.h"

namespace lurnatik {

char pathSeparator() {
    return '/';
}

std::size_t rootLength(std::string_view path) {
    return path.starts_with('/') ? 1 : 0;
}

// Paths are bytes on both sides, whatever their encoding.
std::filesystem::path systemPath(std::string_view path) {
    return std::filesystem::path(path);
}

std::string pathText(const std::filesystem::path& path) {
    return path.native();
}

}  // namespace lurnatik
