#pragma once
// The two conversions for every count that the window holds as text.

#include <cstdint>
#include <string>
#include <string_view>

namespace lurnatik {

// The leading number of a text: blanks, tabs and line feeds are ignored wherever
// they stand; then an optional sign, digits, a decimal point "." and digits, an
// exponent (E or e, optional sign, digits), or &H / &O followed by hexadecimal or
// octal digits. Reading stops at the first character that cannot continue the
// number. No number, and a number too large for a double, read as 0.
double readNumber(std::string_view text);

// The same reading, except that a number too large for a double gives an infinity
// of its sign. A recorded spin so written lies outside the wheel; it is not 0.
double readNumberKeepingOverflow(std::string_view text);

// The shortest decimal writing: "12", "300", "3.5", never "-0".
std::string writeNumber(double value);
std::string writeNumber(std::int16_t value);

}  // namespace lurnatik
