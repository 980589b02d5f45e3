#pragma once

#include <cstdint>

namespace lurnatik {

// A high-resolution clock reading to mix into the random generator.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::uint64_t seed() = 0;
};

}  // namespace lurnatik
