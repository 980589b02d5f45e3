#pragma once
// Reading a permanence file: its three header lines become the status text, its
// spins the replay sequence permanenz, and the program switches to replay.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/form.h"
#include "model/permanenz_entry.h"
#include "platform/platform.h"

namespace lurnatik {

// A permanence file taken apart, before anything of the window is touched.
struct Permanence {
    std::string description;  // the three header items, UTF-8, joined by '\r'
    std::size_t spinCount = 0;
    // Indices 0 to spinCount + 20; spin k at index k, the others empty.
    std::vector<PermanenzEntry> spins;
};

// Asked with the bytes the spins will take before they are allocated.
using MemoryCheck = std::function<bool(std::uint64_t bytes)>;

// nullopt for a file that is no permanence: its first item does not begin with
// "Spielbank", or it ends before its fourth item; and when `mayAllocate` refuses
// the memory for its spins. Throws std::bad_alloc when they do not fit after all.
std::optional<Permanence> parsePermanence(std::string_view bytes,
                                          const MemoryCheck& mayAllocate = nullptr);

// Room kept free beside what an import takes, for what the window and the
// libraries allocate meanwhile.
inline constexpr std::uint64_t kMemoryReserve = 16u << 20;

// Whether `bytes` more, and the reserve, fit in what the probe says is left.
bool memoryAllows(MemoryProbe& probe, std::uint64_t bytes);

// The click on okexternok. A file that is rejected, cannot be read or needs more
// memory than the system can give leaves everything as it was (the spin counter permanzahl aside,
// which every click starts at 0); the panel then stays open.
void readPermanence(Form1& form, Platform& platform);

}  // namespace lurnatik
