#include "platform/program_directory.h"

#include <filesystem>
#include <system_error>

namespace lurnatik {

std::string realProgramDirectory() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !program.is_absolute()) {
        return {};
    }
    return program.parent_path().native();
}

}  // namespace lurnatik
