#pragma once
// Absolute paths as the file system hands them out, with the system's
// separator ("/" on Linux, "\" on Windows).

#include <string>
#include <string_view>
#include <vector>

namespace lurnatik {

// The root the path begins with ("/", "C:\"); empty for a relative path.
std::string_view pathRoot(std::string_view path);

// The directory names below the root: "/work/main" gives "work", "main".
std::vector<std::string> pathComponents(std::string_view path);

// A file in a directory; a directory that ends in the separator (a root) gets
// no second one.
std::string pathInDirectory(std::string_view directory, std::string_view name);

// The path made absolute against `base` where it is relative, without "." and
// "..", without a trailing separator unless it is the root.
std::string normalPath(std::string_view path, std::string_view base);

// The path is `top` or lies somewhere below it.
bool isUnder(std::string_view path, std::string_view top);

}  // namespace lurnatik
