#pragma once
// Adding one to a count held as text, the operation every throw repeats about
// ten times.

#include <cstddef>
#include <string>
#include <string_view>

namespace lurnatik {

// Room for the text of any count that raiseCount handles in place.
inline constexpr std::size_t kCountTextRoom = 16;

// Writes the text of the count in `text` plus one into `out` and returns its
// length: always exactly writeNumber(readNumber(text) + 1). The texts a count
// holds ("" and plain digits such as "152") are raised digit by digit; any other
// text is read and written through the two conversions, and may be longer than
// kCountTextRoom, so the result is then returned in `longer`.
std::string_view raiseCount(std::string_view text, char (&out)[kCountTextRoom],
                            std::string& longer);

// The same, in place.
void raiseCount(std::string& text);

}  // namespace lurnatik
