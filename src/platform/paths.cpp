#include "platform/paths.h"

#include <filesystem>

#include "platform/native_path.h"

namespace lurnatik {

std::string_view pathRoot(std::string_view path) {
    return path.substr(0, rootLength(path));
}

std::vector<std::string> pathComponents(std::string_view path) {
    const char separator = pathSeparator();
    std::vector<std::string> parts;
    std::size_t begin = rootLength(path);
    while (begin < path.size()) {
        const std::size_t end = std::min(path.find(separator, begin), path.size());
        if (end > begin) {
            parts.emplace_back(path.substr(begin, end - begin));
        }
        begin = end + 1;
    }
    return parts;
}

std::string pathInDirectory(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (path.empty() || path.back() != pathSeparator()) {
        path += pathSeparator();
    }
    path += name;
    return path;
}

std::string normalPath(std::string_view path, std::string_view base) {
    std::filesystem::path p = systemPath(path);
    if (p.is_relative()) {
        p = systemPath(base) / p;
    }
    std::string normal = pathText(p.lexically_normal());
    while (normal.size() > rootLength(normal) && normal.back() == pathSeparator()) {
        normal.pop_back();
    }
    return normal.empty() ? std::string(pathRoot(base)) : normal;
}

bool isUnder(std::string_view path, std::string_view top) {
    const char separator = pathSeparator();
    return path == top || (!top.empty() && path.size() > top.size() && path.starts_with(top) &&
                           (top.back() == separator || path[top.size()] == separator));
}

}  // namespace lurnatik
