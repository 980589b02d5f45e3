#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/file_system.h"

namespace lurnatik {

// Reads up to `room` bytes of an open file into `into`: the count read, 0 at its
// end, negative on an error.
using ReadSome = std::function<std::ptrdiff_t(char* into, std::size_t room)>;

// Up to `size` + `margin` bytes of an open file of `size` bytes, as the file
// system's readFile promises; nullopt when it holds more or fails. The bytes go
// into room reserved untouched, so only what is read takes memory, and the room
// never moves.
std::optional<std::string> readBounded(const ReadSome& readSome, std::uint64_t size,
                                       std::uint64_t margin, const MemoryCheck& mayHold);

}  // namespace lurnatik
