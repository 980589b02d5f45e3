#pragma once
// The memory cgroups of this process, as the kernel describes them in
// /proc/self/cgroup and /proc/self/mountinfo.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lurnatik {

// `version` is 1 or 2.
struct MemoryCgroup {
    std::string directory;
    int version = 0;
};

// The memory cgroup directories named by these two texts, the process's own first,
// then each parent up to the root of the mounted hierarchy. Empty when the process
// has no memory cgroup that is mounted.
std::vector<MemoryCgroup> memoryCgroupsIn(std::string_view cgroupText,
                                          std::string_view mountinfoText);
// The same, for this process now.
std::vector<MemoryCgroup> memoryCgroups();

// What one cgroup level leaves below its limit, counting the file cache that the
// kernel can drop as free; nullopt when it has no limit or tells none.
std::optional<std::uint64_t> cgroupRoom(const MemoryCgroup& group);

}  // namespace lurnatik
