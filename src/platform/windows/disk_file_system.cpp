#include "platform/disk_file_system.h"

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/native_path.h"

namespace fs = std::filesystem;

namespace lurnatik {
namespace {

// A drive that does not answer in this time is listed without its label, so
// that a network drive cut off cannot hold the window.
constexpr auto kLabelDeadline = std::chrono::milliseconds(400);
constexpr int kLetters = 26;

struct Drive {
    wchar_t letter = L'A';
    std::wstring label;
};

// The labels, asked all at once on threads of their own; a thread still
// waiting on its drive at the deadline is left to finish alone, on its own
// copy of what it writes.
struct LabelRequests {
    std::mutex mutex;
    std::condition_variable done;
    int pending = 0;
    std::vector<Drive> drives;
};

std::wstring volumeLabel(wchar_t letter) {
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    wchar_t label[MAX_PATH + 1] = {};
    // No dialog asking for a disk when a drive has no medium.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    const BOOL ok =
        GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
    SetErrorMode(oldMode);
    return ok ? std::wstring(label) : std::wstring();
}

std::vector<Drive> labelledDrives(std::vector<Drive> drives) {
    auto requests = std::make_shared<LabelRequests>();
    requests->drives = drives;
    requests->pending = static_cast<int>(drives.size());
    for (std::size_t i = 0; i < drives.size(); ++i) {
        std::thread([requests, i, letter = drives[i].letter] {
            std::wstring label = volumeLabel(letter);
            const std::lock_guard lock(requests->mutex);
            requests->drives[i].label = std::move(label);
            if (--requests->pending == 0) {
                requests->done.notify_all();
            }
        }).detach();
    }
    std::unique_lock lock(requests->mutex);
    requests->done.wait_for(lock, kLabelDeadline, [&] { return requests->pending == 0; });
    return requests->drives;
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
    std::vector<Drive> drives;
    for (int i = 0; i < kLetters; ++i) {
        if ((present & (DWORD{1} << i)) != 0) {
            drives.push_back({static_cast<wchar_t>(L'A' + i), {}});
        }
    }
    std::vector<std::string> items;
    for (const Drive& drive : labelledDrives(std::move(drives))) {
        items.push_back(driveItem(drive));
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

std::optional<std::string> DiskFileSystem::readFile(const std::string& path) {
    const fs::path file = systemPath(path);
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return content;
}

std::optional<std::uint64_t> DiskFileSystem::fileSize(const std::string& path) {
    const fs::path file = systemPath(path);
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return std::nullopt;
    }
    const std::uintmax_t size = fs::file_size(file, error);
    if (error) {
        return std::nullopt;
    }
    return size;
}

}  // namespace lurnatik
