#pragma once
// A fresh directory under the system's temporary directory, removed with all it
// holds afterwards.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lurnatik::testing {

class TempDir {
  public:
    TempDir() {
        std::string pattern = std::filesystem::temp_directory_path() / "lurnatik-test-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("no temporary directory");
        }
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes the bytes exactly as given.
    void write(const std::string& name, std::string_view bytes) const {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    void makeDirectory(const std::string& name) const {
        std::filesystem::create_directories(file(name));
    }

  private:
    std::string path_;
};

}  // namespace lurnatik::testing
