#pragma once
// The one memory rule for reading files. Linux grants memory that it may not have
// and ends the program when it is used; so before anything that grows with a file
// is held (its bytes, a decoded copy, what is made of it) the need is checked
// against what the system says is left, and a read never goes further than the
// bound it set before it started.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/memory_probe.h"

namespace lurnatik {

// Room kept free beside what a file takes, for what the window and the libraries
// allocate meanwhile.
inline constexpr std::uint64_t kMemoryReserve = 16u << 20;

// How much a file may grow between the look at its size and the end of its read:
// a recorder still appending is read as it was, plus what it wrote meanwhile.
inline constexpr std::uint64_t kGrowthMargin = 1u << 20;
static_assert(kGrowthMargin < kMemoryReserve, "the margin is taken from the reserve");

// Whether `bytes` more, and the reserve, fit in what the probe says is left.
bool memoryAllows(MemoryProbe& probe, std::uint64_t bytes);

// memoryAllows as the check that file reads and decoders ask.
MemoryCheck memoryCheck(MemoryProbe& probe);

// The file's bytes under the rule: nullopt when it cannot be read, when it grows
// beyond its size plus the margin or reads on without end, or when its bytes do
// not fit.
std::optional<std::string> readWithinMemory(FileSystem& files, MemoryProbe& probe,
                                            const std::string& path);

}  // namespace lurnatik
