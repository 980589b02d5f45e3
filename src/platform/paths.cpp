#include "platform/paths.h"

#include <filesystem>

namespace lurnatik {

std::string pathInDirectory(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    path += name;
    return path;
}

std::string normalPath(std::string_view path, std::string_view base) {
    std::filesystem::path p(path);
    if (p.is_relative()) {
        p = std::filesystem::path(base) / p;
    }
    std::string normal = p.lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/') {
        normal.pop_back();
    }
    return normal.empty() ? "/" : normal;
}

bool isUnder(std::string_view path, std::string_view top) {
    return path == top || (!top.empty() && path.size() > top.size() && path.starts_with(top) &&
                           (top.back() == '/' || path[top.size()] == '/'));
}

}  // namespace lurnatik
