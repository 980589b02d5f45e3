#pragma once

#include <cstdint>
#include <optional>

namespace lurnatik {

// How much more memory the program may still take. Linux promises memory it may
// not have, and ends a program that then uses it; so a large allocation is checked
// against this first.
class MemoryProbe {
  public:
    virtual ~MemoryProbe() = default;
    // Bytes that can still be allocated and used; nullopt when nothing tells.
    virtual std::optional<std::uint64_t> availableBytes() = 0;
};

// The system's: the least of MemAvailable, what the process's memory cgroups
// (v1 and v2, each level up to the root) leave below their limits, and what
// RLIMIT_AS leaves above the address space in use.
class SystemMemoryProbe : public MemoryProbe {
  public:
    std::optional<std::uint64_t> availableBytes() override;
};

// The one system probe, for a platform that names no other.
MemoryProbe& systemMemoryProbe();

}  // namespace lurnatik
