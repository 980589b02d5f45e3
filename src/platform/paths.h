#pragma once
// Absolute paths with "/" as separator, as the file system hands them out.

#include <string>
#include <string_view>

namespace lurnatik {

// A file in a directory; the root "/" gets no doubled separator.
std::string pathInDirectory(std::string_view directory, std::string_view name);

// The path made absolute against `base` where it is relative, without "." and
// "..", without a trailing "/" unless it is the root.
std::string normalPath(std::string_view path, std::string_view base);

// The path is `top` or lies somewhere below it.
bool isUnder(std::string_view path, std::string_view top);

}  // namespace lurnatik
