#include "model/random.h"

namespace lurnatik {
namespace {

std::uint64_t splitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

Generator::Generator() {
    std::uint64_t seed = 0x6C75726E6174696Bull;
    for (auto& word : s_) {
        word = splitMix(seed);
    }
}

void Generator::reseed(std::uint64_t clockReading) {
    // Folding the reading into one word and stepping once keeps every bit of the
    // earlier state, so a clock that reads the same value for many throws still
    // gives fresh numbers. All zero is the one state the generator never leaves;
    // the fold could only reach it by chance, and is then moved off it.
    s_[0] ^= splitMix(clockReading);
    if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0) {
        s_[0] = 1;
    }
    next();
}

std::uint64_t Generator::next() {
    const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
}

int Generator::drawNumber() {
    if (!queued_.empty()) {
        const int n = queued_.front();
        queued_.pop_front();
        return n;
    }
    return numberFromBits(static_cast<std::uint32_t>(next() >> 32));
}

}  // namespace lurnatik
