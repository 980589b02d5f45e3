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
    return std::isfinite(value) ? value : 0;
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

}  // namespace

double readNumber(std::string_view text) {
    double value = 0;
    if (readPlainDigits(text, value)) {
        return value;
    }

    Cursor in(text);
    if (in.peek() == '&') {
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

    // Gather the number without the ignored characters, then let from_chars round
    // it correctly.
    std::string number;
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
    if (!digits) {
        return 0;
    }
    if (in.peek() == 'E' || in.peek() == 'e') {
        // An exponent counts only when digits follow; "1e" and "1e+" read as 1.
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

    const char* first = number.data();
    const char* last = first + number.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || !std::isfinite(value)) {
        // Out of range: too large (1e999) is no number; too small is as good as 0.
        return 0;
    }
    return value == 0 ? 0.0 : value;
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
