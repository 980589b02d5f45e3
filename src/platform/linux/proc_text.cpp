#include "platform/linux/proc_text.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

namespace lurnatik {

std::string procFileText(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<std::uint64_t> leadingNumber(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint64_t> lineField(std::string_view text, std::string_view key) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        if (line.starts_with(key)) {
            return leadingNumber(line.substr(key.size()));
        }
        pos = end + 1;
    }
    return std::nullopt;
}

}  // namespace lurnatik
