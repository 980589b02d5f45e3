#include "core/count_text.h"

#include <cstring>

#include "core/number_text.h"

namespace lurnatik {
namespace {

// Up to 14 digits the count plus one stays below 10^15, which writeNumber writes
// as plain digits; a leading zero or any other character would not survive the
// reading and writing, so such texts take the long way.
constexpr std::size_t kPlainDigits = 14;

bool isPlainCount(std::string_view text) {
    const std::size_t size = text.size();
    if (size > kPlainDigits || (size > 1 && text[0] == '0')) {
        return false;
    }
    for (std::size_t i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(text[i] - '0') > 9) {
            return false;
        }
    }
    return true;
}

// Adds one to the plain digits out[0, size) and returns the new size.
std::size_t addOneToDigits(char* out, std::size_t size) {
    std::size_t i = size;
    while (i > 0 && out[i - 1] == '9') {
        out[--i] = '0';
    }
    if (i > 0) {
        ++out[i - 1];
        return size;
    }
    std::memmove(out + 1, out, size);
    out[0] = '1';
    return size + 1;
}

}  // namespace

std::string_view raiseCount(std::string_view text, char (&out)[kCountTextRoom],
                            std::string& longer) {
    if (!isPlainCount(text)) {
        longer = writeNumber(readNumber(text) + 1);
        return longer;
    }
    std::memcpy(out, text.data(), text.size());
    return {out, addOneToDigits(out, text.size())};
}

void raiseCount(std::string& text) {
    if (!isPlainCount(text)) {
        text = writeNumber(readNumber(text) + 1);
        return;
    }
    std::size_t i = text.size();
    while (i > 0 && text[i - 1] == '9') {
        text[--i] = '0';
    }
    if (i > 0) {
        ++text[i - 1];
    } else {
        text.insert(text.begin(), '1');
    }
}

}  // namespace lurnatik
