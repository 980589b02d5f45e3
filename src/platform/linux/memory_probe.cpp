#include "platform/memory_probe.h"

#include <sys/resource.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>

namespace lurnatik {
namespace {

constexpr std::uint64_t kKibibyte = 1024;
// cgroup v1 writes "no limit" as a page-rounded 2^63 - 1.
constexpr std::uint64_t kNoLimit = 1ull << 62;

std::string fileText(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<std::uint64_t> number(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    return value;
}

// The number after "key" at the start of a line of a /proc or cgroup file.
std::optional<std::uint64_t> field(const std::string& text, std::string_view key) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line(text.data() + pos, end - pos);
        if (line.substr(0, key.size()) == key) {
            return number(line.substr(key.size()));
        }
        pos = end + 1;
    }
    return std::nullopt;
}

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = std::min(text.find(separator, pos), text.size());
        parts.emplace_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return parts;
}

// What one cgroup level leaves below its limit; file cache that the kernel
// would drop first counts as free.
std::optional<std::uint64_t> cgroupRoom(const MemoryCgroup& group) {
    const bool v2 = group.version == 2;
    const std::optional<std::uint64_t> limit =
        number(fileText(group.directory + (v2 ? "/memory.max" : "/memory.limit_in_bytes")));
    if (!limit || *limit >= kNoLimit) {
        return std::nullopt;  // "max", no such file, or no limit
    }
    const std::uint64_t usage =
        number(fileText(group.directory + (v2 ? "/memory.current" : "/memory.usage_in_bytes")))
            .value_or(0);
    const std::uint64_t dropable = field(fileText(group.directory + "/memory.stat"),
                                         v2 ? "inactive_file " : "total_inactive_file ")
                                       .value_or(0);
    const std::uint64_t used = usage - std::min(usage, dropable);
    return *limit - std::min(*limit, used);
}

std::optional<std::uint64_t> addressSpaceRoom() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return std::nullopt;
    }
    const std::uint64_t used =
        field(fileText("/proc/self/status"), "VmSize:").value_or(0) * kKibibyte;
    return limit.rlim_cur - std::min<std::uint64_t>(limit.rlim_cur, used);
}

void takeLeast(std::optional<std::uint64_t>& least, std::optional<std::uint64_t> room) {
    if (room && (!least || *room < *least)) {
        least = room;
    }
}

}  // namespace

std::vector<MemoryCgroup> memoryCgroups() {
    // Each line of /proc/self/cgroup: "id:controllers:path"; v2 has id 0 and no
    // controllers. Each line of mountinfo: "... root mountpoint ... - type source
    // options".
    std::vector<MemoryCgroup> groups;
    const std::vector<std::string> mounts = split(fileText("/proc/self/mountinfo"), '\n');
    for (const std::string& line : split(fileText("/proc/self/cgroup"), '\n')) {
        const std::vector<std::string> parts = split(line, ':');
        if (parts.size() < 3) {
            continue;
        }
        const std::vector<std::string> controllers = split(parts[1], ',');
        const bool v2 = parts[0] == "0" && parts[1].empty();
        const bool v1 =
            std::find(controllers.begin(), controllers.end(), "memory") != controllers.end();
        if (!v1 && !v2) {
            continue;
        }
        const std::string& path = parts[2];
        for (const std::string& mount : mounts) {
            std::istringstream words(mount);
            std::string id, parent, device, root, point, word;
            words >> id >> parent >> device >> root >> point;
            while (words >> word && word != "-") {
            }
            std::string type, source, options;
            words >> type >> source >> options;
            const std::vector<std::string> opts = split(options, ',');
            const bool matches = v2 ? type == "cgroup2"
                                    : type == "cgroup" && std::find(opts.begin(), opts.end(),
                                                                    "memory") != opts.end();
            if (!matches || path.compare(0, root.size(), root) != 0) {
                continue;
            }
            std::string relative = root == "/" ? path : path.substr(root.size());
            for (;;) {
                groups.push_back({point + (relative == "/" ? "" : relative), v2 ? 2 : 1});
                if (relative.empty() || relative == "/") {
                    break;
                }
                relative.erase(relative.rfind('/'));
            }
            break;
        }
    }
    return groups;
}

std::optional<std::uint64_t> SystemMemoryProbe::availableBytes() {
    std::optional<std::uint64_t> least;
    if (const auto available = field(fileText("/proc/meminfo"), "MemAvailable:")) {
        least = *available * kKibibyte;
    }
    for (const MemoryCgroup& group : memoryCgroups()) {
        takeLeast(least, cgroupRoom(group));
    }
    takeLeast(least, addressSpaceRoom());
    return least;
}

MemoryProbe& systemMemoryProbe() {
    static SystemMemoryProbe probe;
    return probe;
}

}  // namespace lurnatik
