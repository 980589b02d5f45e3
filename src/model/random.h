#pragma once
// The roulette generator. One xoshiro256** stream runs for the whole program; a
// reseed mixes a clock reading into its state instead of replacing it, so that
// throws made faster than the clock ticks still differ.

#include <cstdint>
#include <deque>

namespace lurnatik {

class Generator {
  public:
    Generator();

    // Mixes a fresh clock reading into the state.
    void reseed(std::uint64_t clockReading);

    // A number 0 to 36, each with probability 1/37: floor(r * 37) for a draw r
    // in [0, 1) of 32 bits, computed in integers so it can never reach 37.
    int drawNumber();

    // The next numbers to yield before the stream takes over again (tests and the
    // scenario runner use this to replay chosen throws).
    void queueNumbers(const std::deque<int>& numbers) {
        queued_.insert(queued_.end(), numbers.begin(), numbers.end());
    }

    // floor(r * 37) for r = bits / 2^32.
    static int numberFromBits(std::uint32_t bits) {
        return static_cast<int>((static_cast<std::uint64_t>(bits) * 37u) >> 32);
    }

    std::uint64_t next();

  private:
    std::uint64_t s_[4];
    std::deque<int> queued_;
};

}  // namespace lurnatik
