#pragma once
// Where the program's paths (UTF-8 on Windows, the system's bytes on Linux) meet
// the system's own (UTF-16 on Windows), and the system's path syntax.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace lurnatik {

// The separator between directory names: "/" or "\".
char pathSeparator();

// How many leading characters of the path name its root ("/", "C:\",
// "\\server\share\"); 0 for a relative path.
std::size_t rootLength(std::string_view path);

// The path as the system's calls take it; an empty path where the text cannot
// be one (not UTF-8 on Windows), which every call then refuses.
std::filesystem::path systemPath(std::string_view path);

// A path the system handed out, as the program's text.
std::string pathText(const std::filesystem::path& path);

}  // namespace lurnatik
