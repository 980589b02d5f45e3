#include "core/drawing.h"

#include <cmath>

namespace lurnatik {

double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1;
    }
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::optional<std::int16_t> wheelNumber(double entry) {
    const double rounded = roundHalfEven(entry);
    // Written so that NaN fails as well.
    if (!(rounded >= 0 && rounded <= kHighestNumber)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

bool recordExhausted(const State& state) {
    return state.wurfnr + 1 >= static_cast<double>(state.permanenz.size());
}

std::optional<std::int16_t> drawThrow(Form1& form, Clock& clock) {
    State& s = form.state;
    if (s.importmodus == 0) {
        form.generator.reseed(clock.seed());
        const int n = form.generator.drawNumber();
        if (n < 0 || n > kHighestNumber) {
            return std::nullopt;  // only injected numbers can lie outside the wheel
        }
        return static_cast<std::int16_t>(n);
    }
    const double index = s.wurfnr;
    if (index < 0 || index >= static_cast<double>(s.permanenz.size())) {
        return std::nullopt;
    }
    const PermanenzEntry entry = s.permanenz[static_cast<std::size_t>(index)];
    return wheelNumber(entry.value_or(0.0));
}

}  // namespace lurnatik
