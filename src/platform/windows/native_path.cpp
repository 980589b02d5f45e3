#include "platform/native_path.h"

#include <system_error>

namespace lurnatik {
namespace {

// Below this length every Windows call takes a path as it is; above it only
// with the prefix that turns off the old limit of 260 characters (a directory
// to be made must leave room for an 8.3 name, hence 248).
constexpr std::size_t kShortPathLength = 248;
constexpr std::wstring_view kLongPathPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

char pathSeparator() {
    return '\\';
}

std::size_t rootLength(std::string_view path) {
    const bool letter = path.size() >= 3 && ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z') &&
                        path[1] == ':' && isSeparator(path[2]);
    if (letter) {
        return 3;
    }
    // \\server\share\ : the root ends after the share's name.
    if (path.size() < 2 || !isSeparator(path[0]) || !isSeparator(path[1])) {
        return 0;
    }
    std::size_t separators = 0;
    for (std::size_t i = 2; i < path.size(); ++i) {
        if (isSeparator(path[i]) && ++separators == 2) {
            return i + 1;
        }
    }
    return path.size();
}

std::filesystem::path systemPath(std::string_view path) {
    std::filesystem::path wide;
    try {
        wide = std::filesystem::path(
            std::u8string_view(reinterpret_cast<const char8_t*>(path.data()), path.size()));
    } catch (const std::system_error&) {
        return {};
    }
    const std::wstring& text = wide.native();
    if (text.size() < kShortPathLength || rootLength(path) == 0 ||
        text.starts_with(kLongPathPrefix)) {
        return wide;
    }
    // The prefix also turns off the system's own clean-up of "." and "..", so
    // the path is cleaned here.
    const std::wstring normal = wide.lexically_normal().native();
    if (normal.starts_with(L"\\\\")) {
        return std::wstring(kLongUncPrefix) + normal.substr(2);
    }
    return std::wstring(kLongPathPrefix) + normal;
}

std::string pathText(const std::filesystem::path& path) {
    std::wstring_view text = path.native();
    std::wstring unprefixed;
    if (text.starts_with(kLongUncPrefix)) {
        unprefixed = L"\\\\" + std::wstring(text.substr(kLongUncPrefix.size()));
        text = unprefixed;
    } else if (text.starts_with(kLongPathPrefix)) {
        text.remove_prefix(kLongPathPrefix.size());
    }
    const std::u8string utf8 = std::filesystem::path(text).u8string();
    return std::string(utf8.begin(), utf8.end());
}

}  // namespace lurnatik
