#include "platform/steady_clock.h"

#include <chrono>

namespace lurnatik {

// In nanoseconds, read without a system call (the vDSO).
std::uint64_t SteadyClock::seed() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

}  // namespace lurnatik
