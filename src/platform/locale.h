#pragma once

#include <optional>
#include <string_view>

namespace lurnatik {

// The user's conventions for numbers.
class Locale {
  public:
    virtual ~Locale() = default;
    // The whole text as a number by the user's decimal separator and digit
    // grouping; nullopt when it is not a number as a whole.
    virtual std::optional<double> toNumber(std::string_view text) = 0;
};

}  // namespace lurnatik
