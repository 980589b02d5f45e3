#pragma once

#include <chrono>

#include "platform/clock.h"

namespace lurnatik {

// The finest clock the system has, in nanoseconds: two throws a microsecond apart
// still read different values.
class SteadyClock : public Clock {
  public:
    std::uint64_t seed() override {
        return static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::high_resolution_clock::now().time_since_epoch())
                .count());
    }
};

}  // namespace lurnatik
