#include "platform/memory_probe.h"

#include <windows.h>

#include <algorithm>

namespace lurnatik {

// Windows refuses an allocation it cannot back instead of ending the program
// later; still, what does not fit into free memory and commit room is refused
// as on Linux, before the system starts paging.
std::optional<std::uint64_t> SystemMemoryProbe::availableBytes() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) {
        return std::nullopt;
    }
    return std::min({status.ullAvailPhys, status.ullAvailPageFile, status.ullAvailVirtual});
}

MemoryProbe& systemMemoryProbe() {
    static SystemMemoryProbe probe;
    return probe;
}

}  // namespace lurnatik
