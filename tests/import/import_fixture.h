#pragma once
// What the import tests share: a temporary directory with files in it, a file
// system that records what it reads, and the program driven through the panel.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/disk_file_system.h"
#include "support/program_test.h"
#include "support/temp_dir.h"

namespace lurnatik::testing {

// The disk, recording the files read.
class RecordingFiles : public DiskFileSystem {
  public:
    std::optional<std::string> readFile(const std::string& path) override {
        pathsRead.push_back(path);
        return DiskFileSystem::readFile(path);
    }
    std::vector<std::string> pathsRead;
};

// A program after start-up, on the disk (recording what it reads), with a temporary directory.
class ImportTest : public ::testing::Test {
  protected:
    ImportTest() { program.startUp(); }

    // Import, the directory, a click on the file, OK: as a user would.
    void chooseFile(const std::string& directory, const std::string& name) {
        form.okextern.click();
        form.Dir1.setPath(directory);
        form.Dir1.onOpen(form.Dir1.pathEntries - 1);  // reads it again, as files come and go
        const auto& items = form.File1.items;
        const auto it = std::find(items.begin(), items.end(), name);
        ASSERT_NE(it, items.end()) << name << " is not listed in " << directory;
        form.File1.listIndex = static_cast<int>(it - items.begin());
        form.File1.click();
    }
    void importFile(const std::string& directory, const std::string& name) {
        chooseFile(directory, name);
        form.okexternok.click();
    }
    // Writes a file into the temporary directory and imports it.
    void importBytes(std::string_view bytes, const std::string& name = "perm.txt") {
        temp.write(name, bytes);
        importFile(temp.path(), name);
    }

    FakePlatform fake;
    RecordingFiles files;
    Platform platform{fake.messageBox, fake.clock,   fake.locale, files,
                      fake.printer,    fake.session, fake.memory};
    Program program{platform};
    Form1& form = program.form;
    State& s = form.state;
    TempDir temp;
};

// A permanence file: the four header lines, then the data lines, CR LF line ends.
inline std::string permanenceFile(const std::vector<std::string>& dataLines) {
    std::string text = "Spielbank Hamburg\r\nTisch 3\r\nJanuar 1999\r\nPermanenz\r\n";
    for (const std::string& line : dataLines) {
        text += line + "\r\n";
    }
    return text;
}

// permanenz after an import of these spins: entry 0 empty, the spins at 1 to N,
// twenty empty entries behind them.
inline std::vector<PermanenzEntry> permanenzOf(const std::vector<double>& spins) {
    std::vector<PermanenzEntry> entries(1);
    entries.insert(entries.end(), spins.begin(), spins.end());
    entries.resize(entries.size() + 20);
    return entries;
}

}  // namespace lurnatik::testing
