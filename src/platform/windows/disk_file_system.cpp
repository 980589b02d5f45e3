#include "platform/disk_file_system.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>

#include "platform/bounded_read.h"
#include "platform/native_path.h"

namespace fs = std::filesystem;

namespace lurnatik {
namespace {

constexpr int kLetters = 26;

struct Drive {
    wchar_t letter = L'A';
    std::wstring label;
};

// Only a fixed drive is asked for its label: a network drive that does not
// answer, or a removable drive waiting for its medium, could hold the window
// for as long as the system waits; such drives are listed by their letter.
std::wstring volumeLabel(wchar_t letter) {
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    const UINT type = GetDriveTypeW(root);
    if (type != DRIVE_FIXED && type != DRIVE_RAMDISK) {
        return {};
    }
    wchar_t label[MAX_PATH + 1] = {};
    // No dialog asking for a disk when a drive has no medium.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    const BOOL ok =
        GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
    SetErrorMode(oldMode);
    return ok ? std::wstring(label) : std::wstring();
}

// "c:" or "c: [SYSTEM]", as Windows' own drive lists show them.
std::string driveItem(const Drive& drive) {
    std::wstring item{static_cast<wchar_t>(towlower(drive.letter)), L':'};
    if (!drive.label.empty()) {
        item += L" [" + drive.label + L"]";
    }
    return pathText(fs::path(item));
}

}  // namespace

std::vector<std::string> DiskFileSystem::drives() {
    const DWORD present = GetLogicalDrives();
    std::vector<std::string> items;
    for (int i = 0; i < kLetters; ++i) {
        if ((present & (DWORD{1} << i)) != 0) {
            const auto letter = static_cast<wchar_t>(L'A' + i);
            items.push_back(driveItem({letter, volumeLabel(letter)}));
        }
    }
    return items;
}

std::string DiskFileSystem::driveRoot(const std::string& drive) {
    // Anything but an item of the list ("c:", "c: [LABEL]") is a path already.
    const bool item =
        drive.size() >= 2 && drive[1] == ':' && (drive.size() == 2 || drive[2] == ' ');
    if (!item) {
        return drive;
    }
    const char letter = static_cast<char>(drive[0] & ~0x20);
    return {letter, ':', '\\'};
}

std::optional<std::string> DiskFileSystem::readFile(const std::string& path, std::uint64_t margin,
                                                    const MemoryCheck& mayHold) {
    // Shared with writers, so that a file a recorder still writes can be read; the
    // size is taken from the open file, so a file replaced meanwhile is read by
    // its own size. A directory cannot be opened so; a device is no disk file.
    const HANDLE file = CreateFileW(systemPath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<std::string> content;
    LARGE_INTEGER size{};
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) != 0) {
        const auto readSome = [file](char* into, std::size_t room) -> std::ptrdiff_t {
            DWORD read = 0;
            const auto asked = static_cast<DWORD>(std::min<std::size_t>(room, MAXDWORD));
            return ReadFile(file, into, asked, &read, nullptr) != 0 ? std::ptrdiff_t{read} : -1;
        };
        content = readBounded(readSome, static_cast<std::uint64_t>(size.QuadPart), margin, mayHold);
    }
    CloseHandle(file);
    return content;
}

}  // namespace lurnatik
