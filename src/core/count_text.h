#pragma once
// Adding one to a count held as text, the operation every throw repeats several
// times. The text is read on every call; only the way of reading is quick.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace lurnatik {

// Up to 14 digits the count plus one stays below 10^15, which writeNumber writes
// as plain digits.
inline constexpr std::size_t kPlainCountDigits = 14;

// Any text that is no plain count: read, add one, write.
void raiseCountByConversion(std::string& text);

namespace count_text_detail {

// Whether the first `size` (1 to 8) characters at `text` are all digits, tested
// eight at a time. The string must have room for eight characters, which every
// string has when its capacity is at least eight.
inline bool allDigits(const char* text, std::size_t size) {
    constexpr std::uint64_t kZeros = 0x3030303030303030ull;  // "00000000"
    constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
    constexpr std::uint64_t kTenToHighBit = 0x7676767676767676ull;  // 0x80 - 10
    std::uint64_t word;
    std::memcpy(&word, text, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap64(word);
    }
    // Each byte of the text less "0": a digit gives 0 to 9. The bytes beyond the
    // text give 0.
    const std::uint64_t values = (word ^ kZeros) & (~0ull >> (64 - 8 * size));
    // A byte of 10 or more reaches its high bit when 0x76 is added; a byte that
    // has it already is no digit either. A carry only leaves such a byte.
    return (((values + kTenToHighBit) | values) & kHighBits) == 0;
}

}  // namespace count_text_detail

// Makes `text` exactly writeNumber(readNumber(text) + 1), in place. A count as the
// window holds it ("" or plain digits without a leading zero) is raised digit by
// digit; everything else goes through the conversions.
inline void raiseCount(std::string& text) {
    const std::size_t size = text.size();
    if (size - 1 < kPlainCountDigits && (size == 1 || text[0] != '0')) {
        char* const digits = text.data();
        bool plain;
        if (size <= 8 && text.capacity() >= 8) {
            plain = count_text_detail::allDigits(digits, size);
        } else {
            plain = true;
            for (std::size_t i = 0; plain && i < size; ++i) {
                plain = static_cast<unsigned char>(digits[i] - '0') <= 9;
            }
        }
        if (plain) {
            std::size_t i = size;
            while (i > 0 && digits[i - 1] == '9') {
                digits[--i] = '0';
            }
            if (i > 0) {
                ++digits[i - 1];
                return;
            }
            text.insert(text.begin(), '1');  // 99 becomes 100
            return;
        }
    }
    raiseCountByConversion(text);
}

}  // namespace lurnatik
