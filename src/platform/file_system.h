#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/paths.h"

namespace lurnatik {

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
    // The whole content of a regular file, or nullopt when it cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    // The size of a file in bytes, to know what reading it takes before reading
    // it; nullopt when it cannot be told.
    virtual std::optional<std::uint64_t> fileSize(const std::string& /*path*/) {
        return std::nullopt;
    }
};

}  // namespace lurnatik
