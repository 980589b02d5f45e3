#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace lurnatik {
namespace {

bool ignored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Walks the text, skipping the characters that are ignored wherever they stand.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) { skip(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance() {
        ++pos_;
        skip();
    }

  private:
    void skip() {
        while (pos_ < text_.size() && ignored(text_[pos_])) {
            ++pos_;
        }
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') {
        v = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        v = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        v = c - 'A' + 10;
    }
    return v < base ? v : -1;
}

double readPrefixed(Cursor& in, int base) {
    double value = 0;
    for (int d; (d = digitValue(in.peek(), base)) >= 0; in.advance()) {
        value = value * base + d;
    }
    return value;  // an infinity when the digits overflow a double
}

// The common case: a short text of digits only, as the counters hold.
bool readPlainDigits(std::string_view text, double& value) {
    if (text.empty() || text.size() > 15) {
        return false;
    }
    std::int64_t n = 0;
    for (char c : text) {
        if (!isDigit(c)) {
            return false;
        }
        n = n * 10 + (c - '0');
    }
    value = static_cast<double>(n);
    return true;
}

// Whether a decimal number that a double cannot hold is too large rather than too
// small: the sign of its decimal exponent, counted from its first significant
// digit. Such numbers lie hundreds of powers of ten away from 1, so a saturated
// exponent is still exact enough.
bool exceedsDouble(std::string_view number) {
    long long magnitude = 0;
    std::size_t i = number.front() == '-' ? 1 : 0;
    while (i < number.size() && number[i] == '0') {
        ++i;
    }
    for (; i < number.size() && isDigit(number[i]); ++i) {
        ++magnitude;
    }
    if (magnitude == 0 && i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && number[i] == '0'; ++i) {
            --magnitude;
        }
    }
    const std::size_t e = number.find('e');
    if (e != std::string_view::npos) {
        long long exponent = 0;
        for (std::size_t k = e + 1; k < number.size(); ++k) {
            if (isDigit(number[k]) && exponent < 1'000'000'000) {
                exponent = exponent * 10 + (number[k] - '0');
            }
        }
        magnitude += number.find('-', e) != std::string_view::npos ? -exponent : exponent;
    }
    return magnitude > 0;
}

// After "&": &H reads hexadecimal digits, &O octal ones; any other letter reads
// as 0.
double readPrefixedNumber(Cursor& in) {
    in.advance();
    const char kind = in.peek();
    if (kind == 'H' || kind == 'h') {
        in.advance();
        return readPrefixed(in, 16);
    }
    if (kind == 'O' || kind == 'o') {
        in.advance();
        return readPrefixed(in, 8);
    }
    return 0;
}

// Gathers the sign, the digits and the fraction without the ignored characters.
// False when no digit came.
bool gatherMantissa(Cursor& in, std::string& number) {
    if (in.peek() == '+' || in.peek() == '-') {
        if (in.peek() == '-') {
            number += '-';
        }
        in.advance();
    }
    bool digits = false;
    for (; isDigit(in.peek()); in.advance()) {
        number += in.peek();
        digits = true;
    }
    if (in.peek() == '.') {
        in.advance();
        std::string fraction;
        for (; isDigit(in.peek()); in.advance()) {
            fraction += in.peek();
        }
        if (!fraction.empty()) {
            number += '.';
            number += fraction;
            digits = true;
        }
    }
    return digits;
}

// An exponent counts only when digits follow; "1e" and "1e+" read as 1.
void gatherExponent(Cursor& in, std::string& number) {
    if (in.peek() != 'E' && in.peek() != 'e') {
        return;
    }
    std::string exponent = "e";
    in.advance();
    if (in.peek() == '+' || in.peek() == '-') {
        exponent += in.peek();
        in.advance();
    }
    bool exponentDigits = false;
    for (; isDigit(in.peek()); in.advance()) {
        exponent += in.peek();
        exponentDigits = true;
    }
    if (exponentDigits) {
        number += exponent;
    }
}

// from_chars rounds the gathered number correctly. Too large (1e999) becomes an
// infinity of its sign; too small is as good as 0.
double convertDecimal(const std::string& number) {
    double value = 0;
    const char* first = number.data();
    const char* last = first + number.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        if (!exceedsDouble(number)) {
            return 0;
        }
        return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    if (error != std::errc() || end != last) {
        return 0;
    }
    return value == 0 ? 0.0 : value;
}

}  // namespace

double readNumber(std::string_view text) {
    const double value = readNumberKeepingOverflow(text);
    return std::isfinite(value) ? value : 0;
}

double readNumberKeepingOverflow(std::string_view text) {
    double value = 0;
    if (readPlainDigits(text, value)) {
        return value;
    }
    Cursor in(text);
    if (in.peek() == '&') {
        return readPrefixedNumber(in);
    }
    std::string number;
    if (!gatherMantissa(in, number)) {
        return 0;
    }
    gatherExponent(in, number);
    return convertDecimal(number);
}

std::string writeNumber(double value) {
    if (value == 0 || !std::isfinite(value)) {
        return "0";
    }
    char buffer[32];
    std::to_chars_result result;
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value));
    } else if (value == std::trunc(value) && std::fabs(value) < 1e21) {
        // Throw counts this large are still whole numbers: show their digits, not
        // an exponent.
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    } else {
        result = std::to_chars(buffer, buffer + sizeof buffer, value);
    }
    return std::string(buffer, result.ptr);
}

std::string writeNumber(std::int16_t value) {
    char buffer[8];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace lurnatik
