#include "platform/program_directory.h"

#include <windows.h>

#include <filesystem>
#include <string>

#include "platform/native_path.h"

namespace lurnatik {

std::string realProgramDirectory() {
    // The wide-character call, so that a directory named outside the user's
    // code page comes through; the buffer grows until the whole name fits.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return {};
        }
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    const std::filesystem::path program(name);
    if (!program.is_absolute()) {
        return {};
    }
    return pathText(program.parent_path());
}

}  // namespace lurnatik
