#pragma once
// Reading the small text files of /proc and of cgroup directories.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lurnatik {

// The whole text of the file; empty when it cannot be read.
std::string procFileText(const std::string& path);

// The decimal number at the start of the text, after blanks.
std::optional<std::uint64_t> leadingNumber(std::string_view text);

// The number after `key` at the start of a line, as in "MemAvailable: 123 kB".
std::optional<std::uint64_t> lineField(std::string_view text, std::string_view key);

}  // namespace lurnatik
