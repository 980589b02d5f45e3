#include "support/fake_platform.h"

#include <algorithm>
#include <charconv>

namespace lurnatik::testing {

std::optional<double> FakeLocale::toNumber(std::string_view text) {
    std::string plain(text);
    std::erase(plain, '.');
    std::replace(plain.begin(), plain.end(), ',', '.');
    double value = 0;
    const char* last = plain.data() + plain.size();
    const auto [end, error] = std::from_chars(plain.data(), last, value);
    if (plain.empty() || error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

}  // namespace lurnatik::testing
