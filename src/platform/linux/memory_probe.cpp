#include "platform/memory_probe.h"

#include <sys/resource.h>

#include <algorithm>
#include <exception>

#include "platform/linux/memory_cgroups.h"
#include "platform/linux/proc_text.h"

namespace lurnatik {
namespace {

constexpr std::uint64_t kKibibyte = 1024;

std::optional<std::uint64_t> addressSpaceRoom() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return std::nullopt;
    }
    const std::uint64_t used =
        lineField(procFileText("/proc/self/status"), "VmSize:").value_or(0) * kKibibyte;
    return limit.rlim_cur - std::min<std::uint64_t>(limit.rlim_cur, used);
}

void takeLeast(std::optional<std::uint64_t>& least, std::optional<std::uint64_t> room) {
    if (room && (!least || *room < *least)) {
        least = room;
    }
}

std::optional<std::uint64_t> leastRoom() {
    std::optional<std::uint64_t> least;
    if (const auto available = lineField(procFileText("/proc/meminfo"), "MemAvailable:")) {
        least = *available * kKibibyte;
    }
    for (const MemoryCgroup& group : memoryCgroups()) {
        takeLeast(least, cgroupRoom(group));
    }
    takeLeast(least, addressSpaceRoom());
    return least;
}

}  // namespace

std::optional<std::uint64_t> SystemMemoryProbe::availableBytes() {
    // A probe that cannot read its files, or runs short itself, knows nothing.
    try {
        return leastRoom();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

MemoryProbe& systemMemoryProbe() {
    static SystemMemoryProbe probe;
    return probe;
}

}  // namespace lurnatik
