#pragma once

#include "platform/file_system.h"

namespace lurnatik {

// The real file system through std::filesystem.
class DiskFileSystem : public FileSystem {
  public:
    std::vector<std::string> drives() override;
    std::string currentDirectory() override;
    bool isDirectory(const std::string& path) override;
    std::vector<std::string> subdirectories(const std::string& directory) override;
    std::vector<std::string> textFiles(const std::string& directory) override;
    std::optional<std::string> readFile(const std::string& path) override;
};

}  // namespace lurnatik
