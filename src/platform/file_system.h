#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/paths.h"

namespace lurnatik {

// Asked before memory that grows with the input is taken: may `bytes` more be held?
using MemoryCheck = std::function<bool(std::uint64_t bytes)>;

// What the import panel and the info text need of the file system. Paths are
// absolute, with the system's separator ("/" or "\"), in UTF-8 on Windows.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The mounted file systems as the drive list shows them: mount points, or
    // drive letters with their labels.
    virtual std::vector<std::string> drives() = 0;
    // The root directory of a drive the list shows.
    virtual std::string driveRoot(const std::string& drive) { return drive; }
    virtual std::string currentDirectory() = 0;
    virtual bool isDirectory(const std::string& path) = 0;
    // Names of the subdirectories, sorted.
    virtual std::vector<std::string> subdirectories(const std::string& directory) = 0;
    // Names of the files matching "*.txt" without regard to letter case, sorted.
    virtual std::vector<std::string> textFiles(const std::string& directory) = 0;
    // The content of a regular file, read no further than its size when opened
    // plus `margin` bytes. nullopt when it cannot be read, when it holds more than
    // that (it grew, or reads on without end), or when `mayHold` refuses: before
    // each piece it is asked for what is still to come of that size, so that a
    // limit lowered meanwhile stops the read. The margin is not asked for: it
    // must fit in the room the caller keeps free. An empty check allows anything.
    virtual std::optional<std::string> readFile(const std::string& path, std::uint64_t margin,
                                                const MemoryCheck& mayHold) = 0;
};

}  // namespace lurnatik
