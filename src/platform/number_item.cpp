#include "platform/number_item.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace lurnatik {

std::string numberItem(double value, std::string_view decimalSeparator) {
    std::string item(1, std::signbit(value) && value != 0 ? '-' : ' ');
    if (!std::isfinite(value)) {
        // Nothing the window holds reads as infinite; print something harmless.
        return item + "0 ";
    }
    // Fixed notation, as few digits as give the value back exactly: 1e20 prints
    // all its zeros, 0.1 prints as 0.1.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    for (const char* c = buffer; c != result.ptr; ++c) {
        if (*c == '.') {
            item += decimalSeparator;
        } else {
            item += *c;
        }
    }
    item += ' ';
    return item;
}

}  // namespace lurnatik
