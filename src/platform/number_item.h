#pragma once

#include <string>
#include <string_view>

namespace lurnatik {

// A number as a printed report writes it: a blank standing for the sign of a
// non-negative value (or "-"), the value in plain decimal form without exponent
// or digit grouping, whole values without decimals, then one blank.
// " 100 ", " 2,5 ", "-3 ".
std::string numberItem(double value, std::string_view decimalSeparator = ".");

}  // namespace lurnatik
