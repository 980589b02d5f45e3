#pragma once

#include <cstddef>
#include <cstdint>

namespace lurnatik::fuzzing {

// Feeds the bytes to the item reader, to the parser and, as the chosen file, to a
// whole import followed by a replay. Aborts when an invariant does not hold.
void fuzzImport(const std::uint8_t* data, std::size_t size);

}  // namespace lurnatik::fuzzing
