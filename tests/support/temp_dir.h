#pragma once
// A fresh directory under the system's temporary directory, removed with all it
// holds afterwards.

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/native_path.h"
#include "platform/paths.h"

namespace lurnatik::testing {

class TempDir {
  public:
    TempDir() {
        std::random_device random;
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path(error);
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const auto candidate = base / ("lurnatik-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate, error)) {
                path_ = pathText(candidate);
            }
        }
        if (path_.empty()) {
            throw std::runtime_error("no temporary directory");
        }
    }
    ~TempDir() {
        std::error_code error;
        std::filesystem::remove_all(systemPath(path_), error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return pathInDirectory(path_, name); }
    // Writes the bytes exactly as given.
    void write(const std::string& name, std::string_view bytes) const {
        std::ofstream(systemPath(file(name)), std::ios::binary) << bytes;
    }
    void makeDirectory(const std::string& name) const {
        std::filesystem::create_directories(systemPath(file(name)));
    }

  private:
    std::string path_;
};

}  // namespace lurnatik::testing
