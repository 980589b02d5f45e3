#include "import/text_encoding.h"

#include <cstdint>

#include "model/text.h"

namespace lurnatik {
namespace {

// Code points of the bytes 0x80 to 0x9F; 0 marks the unassigned ones.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr std::uint32_t kReplacement = 0xFFFD;
constexpr std::uint32_t kShortestOfLength[5] = {0, 0, 0x80, 0x800, 0x10000};
constexpr char kDosEndOfFile = '\x1A';

bool isHighSurrogate(std::uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(std::uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The code points of UTF-16 after its byte-order mark, each handed to `take`. A
// surrogate without its partner becomes U+FFFD; an odd last byte is no character.
template <typename Take>
void forEachUtf16CodePoint(std::string_view units, bool bigEndian, Take take) {
    const auto unitAt = [&](std::size_t i) -> std::uint32_t {
        const auto first = static_cast<unsigned char>(units[i]);
        const auto second = static_cast<unsigned char>(units[i + 1]);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
        const std::uint32_t unit = unitAt(i);
        if (isHighSurrogate(unit) && i + 3 < units.size() && isLowSurrogate(unitAt(i + 2))) {
            take(0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
            i += 2;
        } else {
            take(isHighSurrogate(unit) || isLowSurrogate(unit) ? kReplacement : unit);
        }
    }
}

std::size_t utf8Length(std::uint32_t cp) {
    return cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
}

// UTF-16 as UTF-8, its size counted first so that it is allocated once, exactly.
std::optional<std::string> utf16ToUtf8(std::string_view units, bool bigEndian,
                                       const MemoryCheck& mayHold) {
    std::size_t size = 0;
    forEachUtf16CodePoint(units, bigEndian, [&](std::uint32_t cp) { size += utf8Length(cp); });
    if (mayHold && !mayHold(size)) {
        return std::nullopt;
    }
    std::string out;
    out.reserve(size);
    forEachUtf16CodePoint(units, bigEndian, [&](std::uint32_t cp) { appendUtf8(out, cp); });
    return out;
}

// Editors end a file with one end-of-file mark, some tools with several or with a
// line end after it; none of that is text.
void dropEndOfFileMarks(std::string& text) {
    const std::size_t lastText = text.find_last_not_of("\x1A\r\n");
    const std::size_t tail = lastText == std::string::npos ? 0 : lastText + 1;
    const std::size_t mark = text.find(kDosEndOfFile, tail);
    if (mark != std::string::npos) {
        text.resize(mark);
    }
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        const unsigned char b = *p;
        const int length = utf8SequenceLength(b);
        if (length == 0) {
            return false;
        }
        if (length == 1) {
            ++p;
            continue;
        }
        // The lead keeps 7 - length bits of the code point; the shortest form
        // of each length starts at this code point.
        std::uint32_t cp = b & (0x7Fu >> length);
        const std::uint32_t least = kShortestOfLength[length];
        if (end - p < length) {
            return false;
        }
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        p += length;
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F) {
            const char16_t mapped = kHighControls[b - 0x80];
            appendUtf8(out, mapped != 0 ? mapped : 0xFFFD);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::string toUtf8(std::string_view bytes) {
    return isValidUtf8(bytes) ? std::string(bytes) : windows1252ToUtf8(bytes);
}

std::string_view withoutByteOrderMark(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    return bytes;
}

std::optional<std::string> decodedFileText(std::string bytes, const MemoryCheck& mayHold) {
    const std::string_view view = bytes;
    if (view.substr(0, 2) == "\xFF\xFE" || view.substr(0, 2) == "\xFE\xFF") {
        std::optional<std::string> decoded =
            utf16ToUtf8(view.substr(2), view[0] == '\xFE', mayHold);
        if (!decoded) {
            return std::nullopt;
        }
        bytes = std::move(*decoded);
    }
    dropEndOfFileMarks(bytes);
    return bytes;
}

}  // namespace lurnatik
