#include "platform/linux/memory_cgroups.h"

#include <algorithm>

#include "platform/linux/proc_text.h"
#include "platform/paths.h"

namespace lurnatik {
namespace {

// cgroup v1 writes "no limit" as a page-rounded 2^63 - 1.
constexpr std::uint64_t kNoLimit = 1ull << 62;

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = std::min(text.find(separator, pos), text.size());
        parts.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return parts;
}

bool contains(const std::vector<std::string_view>& words, std::string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

// mountinfo writes a blank, tab, line feed and backslash in a path as \040, \011,
// \012 and \134, so that fields and lines stay apart.
std::string unescaped(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](std::size_t k) { return field[k] >= '0' && field[k] <= '7'; };
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(i + 1) && isOctal(i + 2) &&
            isOctal(i + 3)) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

// One line of /proc/self/cgroup, "id:controllers:path"; the path may itself hold
// ':', so only the first two split.
struct CgroupLine {
    int version = 0;  // 0: no memory controller on this line
    std::string_view path;
};

CgroupLine cgroupLine(std::string_view line) {
    const std::size_t first = line.find(':');
    const std::size_t second = first == line.npos ? line.npos : line.find(':', first + 1);
    if (second == line.npos) {
        return {};
    }
    const std::string_view id = line.substr(0, first);
    const std::string_view controllers = line.substr(first + 1, second - first - 1);
    const int version = id == "0" && controllers.empty()              ? 2
                        : contains(split(controllers, ','), "memory") ? 1
                                                                      : 0;
    return {version, line.substr(second + 1)};
}

// One line of mountinfo: "id parent dev root point options [tags] - type source
// superoptions".
struct Mount {
    std::string root;
    std::string point;
    int memoryVersion = 0;  // 0: not a memory cgroup hierarchy
};

Mount mount(std::string_view line) {
    const std::vector<std::string_view> fields = split(line, ' ');
    const auto dash = std::find(fields.begin(), fields.end(), "-");
    if (fields.size() < 5 || fields.end() - dash < 4) {
        return {};
    }
    const std::string_view type = dash[1];
    const int version = type == "cgroup2"                                             ? 2
                        : type == "cgroup" && contains(split(dash[3], ','), "memory") ? 1
                                                                                      : 0;
    return {unescaped(fields[3]), unescaped(fields[4]), version};
}

// The group at `path` of the hierarchy mounted at `m`, and each parent up to the
// mount's root.
void addWithParents(std::vector<MemoryCgroup>& groups, const Mount& m, std::string_view path,
                    int version) {
    std::string relative(path.substr(m.root == "/" ? 0 : m.root.size()));
    for (;;) {
        groups.push_back({m.point + (relative == "/" ? "" : relative), version});
        const std::size_t slash = relative.rfind('/');
        if (slash == std::string::npos || relative == "/") {
            break;
        }
        relative.erase(slash);
    }
}

}  // namespace

std::vector<MemoryCgroup> memoryCgroupsIn(std::string_view cgroupText,
                                          std::string_view mountinfoText) {
    std::vector<Mount> mounts;
    for (const std::string_view line : split(mountinfoText, '\n')) {
        if (Mount m = mount(line); m.memoryVersion != 0) {
            mounts.push_back(std::move(m));
        }
    }
    std::vector<MemoryCgroup> groups;
    for (const std::string_view text : split(cgroupText, '\n')) {
        const CgroupLine line = cgroupLine(text);
        const auto match = std::find_if(mounts.begin(), mounts.end(), [&](const Mount& m) {
            return m.memoryVersion == line.version && isUnder(line.path, m.root);
        });
        if (line.version != 0 && match != mounts.end()) {
            addWithParents(groups, *match, line.path, line.version);
        }
    }
    return groups;
}

std::vector<MemoryCgroup> memoryCgroups() {
    return memoryCgroupsIn(procFileText("/proc/self/cgroup"), procFileText("/proc/self/mountinfo"));
}

std::optional<std::uint64_t> cgroupRoom(const MemoryCgroup& group) {
    const bool v2 = group.version == 2;
    const std::string& dir = group.directory;
    const std::optional<std::uint64_t> limit =
        leadingNumber(procFileText(dir + (v2 ? "/memory.max" : "/memory.limit_in_bytes")));
    if (!limit || *limit >= kNoLimit) {
        return std::nullopt;  // "max", no such file, or no limit
    }
    const std::uint64_t usage =
        leadingNumber(procFileText(dir + (v2 ? "/memory.current" : "/memory.usage_in_bytes")))
            .value_or(0);
    // Both lists of file pages: the kernel moves active ones to the inactive list
    // and drops them when the group nears its limit, as MemAvailable counts them.
    const std::string stat = procFileText(dir + "/memory.stat");
    const std::uint64_t droppable =
        lineField(stat, v2 ? "active_file " : "total_active_file ").value_or(0) +
        lineField(stat, v2 ? "inactive_file " : "total_inactive_file ").value_or(0);
    const std::uint64_t used = usage - std::min(usage, droppable);
    return *limit - std::min(*limit, used);
}

}  // namespace lurnatik
