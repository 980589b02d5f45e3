#pragma once
// Where the number of a throw comes from: the random generator, or the recorded
// spins after an import.

#include <cstdint>
#include <optional>

#include "model/form.h"
#include "platform/clock.h"

namespace lurnatik {

// Rounds to the nearest whole number, a half going to the even neighbour.
double roundHalfEven(double value);

// A recorded entry as a number of the wheel: rounded half to even; nullopt when
// the result is no number 0 to 36 (the file reader checks no range).
std::optional<std::int16_t> wheelNumber(double entry);

// True when the recorded sequence has no entry for the next throw.
bool recordExhausted(const State& state);

// The number of the throw just counted in wurfnr. The random generator is
// reseeded from the clock before every draw; after an import, throw k reads
// entry k, an empty entry giving 0. nullopt: the entry names no number.
std::optional<std::int16_t> drawThrow(Form1& form, Clock& clock);

}  // namespace lurnatik
