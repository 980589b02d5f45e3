#pragma once
// The window holds UTF-8 text; the readers, the report and the binding take it
// apart in the same way.

#include <string>
#include <string_view>

namespace lurnatik {

// How many bytes the UTF-8 sequence that begins with this byte takes: 1 for
// ASCII, 2 to 4 for a lead byte, 0 for a byte that begins none (a continuation
// byte, the overlong leads C0 and C1, and F5 to FF).
constexpr int utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

// Every line end, "\r\n", a lone "\r" or a lone "\n", as the single character
// newline.
inline std::string foldLineEnds(std::string_view text, char newline) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;  // the '\n' that follows ends the line
        }
        out += c == '\r' || c == '\n' ? newline : c;
    }
    return out;
}

}  // namespace lurnatik
