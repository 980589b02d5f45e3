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
    constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ull;
    std::uint64_t word;
    std::memcpy(&word, text, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap64(word);
    }
    // The characters beyond the text count as "0".
    const std::uint64_t mask = size >= 8 ? ~0ull : (1ull << (8 * size)) - 1;
    word = (word & mask) | (kZeros & ~mask);
    // A byte is a digit when it is 0x30 to 0x39: its high nibble is 3, and stays 3
    // when 6 is added.
    return (word & kHighNibbles) == kZeros &&
           ((word + 0x0606060606060606ull) & kHighNibbles) == kZeros;
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
