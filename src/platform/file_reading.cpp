#include "platform/file_reading.h"

namespace lurnatik {

bool memoryAllows(MemoryProbe& probe, std::uint64_t bytes) {
    const std::optional<std::uint64_t> available = probe.availableBytes();
    return !available || (*available >= kMemoryReserve && bytes <= *available - kMemoryReserve);
}

MemoryCheck memoryCheck(MemoryProbe& probe) {
    return [&probe](std::uint64_t bytes) { return memoryAllows(probe, bytes); };
}

std::optional<std::string> readWithinMemory(FileSystem& files, MemoryProbe& probe,
                                            const std::string& path) {
    return files.readFile(path, kGrowthMargin, memoryCheck(probe));
}

}  // namespace lurnatik
