// The parts of the platform that only Windows has: drive letters, paths in
// UTF-16 and beyond 260 characters, the memory status.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "platform/disk_file_system.h"
#include "platform/memory_probe.h"
#include "platform/native_path.h"
#include "platform/paths.h"
#include "support/program_test.h"
#include "support/temp_dir.h"

namespace lurnatik {
namespace {

bool listed(const std::vector<std::string>& drives, std::string_view item) {
    return std::any_of(drives.begin(), drives.end(),
                       [&](const std::string& d) { return d.starts_with(item); });
}

// A drive on a folder opens at its root; a drive whose medium is gone stays in
// the list, and picking it changes nothing, without a word.
using DriveLetters = testing::ProgramTest;
TEST_F(DriveLetters, ListAndOpenAsWindowsShowsThem) {
    const DWORD present = GetLogicalDrives();
    if ((present & (1u << ('M' - 'A'))) == 0 || (present & (1u << ('N' - 'A'))) == 0) {
        GTEST_SKIP() << "needs drive M: on a folder and drive N: without medium "
                        "(scripts/wine-run maps them in its Wine prefix)";
    }
    std::ofstream(systemPath("M:\\tisch.txt")) << "Spielbank";
    form.okextern.click();
    const std::vector<std::string> drives = fake.platform.files.drives();
    EXPECT_TRUE(listed(drives, "c:")) << "the system drive, lower case as Windows lists it";
    EXPECT_TRUE(listed(drives, "m:"));
    EXPECT_TRUE(listed(drives, "n:")) << "a drive without its medium stays listed";

    const struct {
        const char* what;
        const char* drive;
        std::string dir;
    } picks[] = {{"a drive on a folder opens at its root", "m:", "M:\\"},
                 {"a drive without medium leaves the lists", "n:", "M:\\"},
                 {"the label is not part of the path", "c: [Windows]", "C:\\"}};
    for (const auto& pick : picks) {
        form.Drive1.setDrive(pick.drive);
        EXPECT_EQ(form.Dir1.path(), pick.dir) << pick.what;
        EXPECT_EQ(form.Drive1.drive(), pick.drive) << pick.what;
    }
    form.Drive1.setDrive("m:");
    EXPECT_EQ(form.File1.items, std::vector<std::string>{"tisch.txt"});
}

// Names no code page holds, in a path beyond the old limit of 260 characters:
// listed, read, their size told, in their own letters.
TEST(WindowsPaths, NamesOutsideTheCodePageAndLongPathsWork) {
    testing::TempDir temp;
    const std::string name =
        "Gr\xC3\xB6\xC3\x9F"
        "e \xCE\xA9 \xE6\x95\xB0";  // Größe Ω 数
    std::string deep = name;
    while (temp.file(deep).size() < 300) {
        deep += "\\" + name;
    }
    temp.makeDirectory(deep);
    const std::string directory = temp.file(deep);
    temp.write(deep + "\\" + name + ".txt", "Spielbank");
    DiskFileSystem files;
    EXPECT_TRUE(files.isDirectory(directory)) << directory.size() << " characters";
    EXPECT_EQ(files.textFiles(directory), std::vector<std::string>{name + ".txt"});
    EXPECT_EQ(files.subdirectories(temp.path()), std::vector<std::string>{name});
    EXPECT_EQ(files.readFile(pathInDirectory(directory, name + ".txt")), "Spielbank");
    EXPECT_EQ(files.fileSize(pathInDirectory(directory, name + ".txt")), 9u);
}

// The path rule of the import with "\": a root keeps its separator, ".." and
// "." go, a relative path joins its base.
TEST(WindowsPaths, PathRuleWithBackslashes) {
    const struct {
        const char* path;
        const char* normal;
    } cases[] = {{"C:\\", "C:\\"},
                 {"C:\\daten\\", "C:\\daten"},
                 {"C:\\daten\\..\\alt\\.", "C:\\alt"},
                 {"sub", "C:\\base\\sub"},
                 {"C:/daten/neu", "C:\\daten\\neu"}};
    for (const auto& c : cases) {
        EXPECT_EQ(normalPath(c.path, "C:\\base"), c.normal) << c.path;
    }
    EXPECT_EQ(pathInDirectory("C:\\", "a.txt"), "C:\\a.txt");
    EXPECT_EQ(pathInDirectory("C:\\daten", "a.txt"), "C:\\daten\\a.txt");
    EXPECT_EQ(pathComponents("C:\\daten\\neu"), (std::vector<std::string>{"daten", "neu"}));
}

// The memory status tells a size no larger than the machine's memory.
TEST(WindowsMemory, TheSystemTellsWhatIsFree) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    const auto free = systemMemoryProbe().availableBytes();
    ASSERT_TRUE(free.has_value());
    EXPECT_GT(*free, 0u);
    EXPECT_LE(*free, status.ullTotalPhys);
}

}  // namespace
}  // namespace lurnatik
