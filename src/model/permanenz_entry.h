#pragma once
// One entry of the recorded sequence: empty, or a double. Millions of them are
// held at once, so an entry is a bare double, and "empty" is a NaN with a payload
// of its own. No file can produce it: a stored NaN is kept as the plain quiet
// NaN, and reading a number never yields a NaN at all.

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace lurnatik {

class PermanenzEntry {
  public:
    constexpr PermanenzEntry() = default;
    constexpr PermanenzEntry(std::nullopt_t) {}
    PermanenzEntry(double value) : bits_(std::bit_cast<std::uint64_t>(value)) {
        if (bits_ == kEmpty) {
            bits_ = std::bit_cast<std::uint64_t>(std::nan(""));
        }
    }

    bool has_value() const { return bits_ != kEmpty; }
    explicit operator bool() const { return has_value(); }
    // Only for an entry that has a value.
    double operator*() const { return std::bit_cast<double>(bits_); }
    double value_or(double fallback) const { return has_value() ? **this : fallback; }

    friend bool operator==(PermanenzEntry a, PermanenzEntry b) { return a.bits_ == b.bits_; }

  private:
    // A quiet NaN whose payload spells "empty"; the sign bit set as well, so
    // neither std::nan nor an arithmetic NaN is this pattern.
    static constexpr std::uint64_t kEmpty = 0xFFF8'0000'E3B7'0000ull;
    std::uint64_t bits_ = kEmpty;
};

static_assert(sizeof(PermanenzEntry) == 8, "permanenz takes 8 bytes an entry");

}  // namespace lurnatik
