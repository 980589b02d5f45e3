#include "platform/name_order.h"

#include <string>

namespace lurnatik {
namespace {

// The key that orders names: ASCII letters folded to lower case, the German
// letters of UTF-8 to their base letters.
std::string sortKey(std::string_view name) {
    std::string key;
    key.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == 0xC3 && i + 1 < name.size()) {
            const auto d = static_cast<unsigned char>(name[i + 1]);
            const char* base = nullptr;
            switch (d) {
                case 0x84:  // Ä
                case 0xA4:  // ä
                    base = "a";
                    break;
                case 0x96:  // Ö
                case 0xB6:  // ö
                    base = "o";
                    break;
                case 0x9C:  // Ü
                case 0xBC:  // ü
                    base = "u";
                    break;
                case 0x9F:  // ß
                    base = "ss";
                    break;
                default:
                    break;
            }
            if (base != nullptr) {
                key += base;
                ++i;
                continue;
            }
        }
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    }
    return key;
}

}  // namespace

bool germanNameLess(std::string_view a, std::string_view b) {
    const std::string ka = sortKey(a);
    const std::string kb = sortKey(b);
    return ka != kb ? ka < kb : a < b;
}

}  // namespace lurnatik
