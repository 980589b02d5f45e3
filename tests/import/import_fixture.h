#pragma once
// What the import tests share: a temporary directory with files in it, a file
// system whose answers a test can bend, and the program driven through the panel.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/disk_file_system.h"
#include "support/program_test.h"
#include "support/temp_dir.h"

namespace lurnatik::testing {

// The disk, except where a test says otherwise.
class BendableFiles : public DiskFileSystem {
  public:
    bool isDirectory(const std::string& path) override;
    std::vector<std::string> textFiles(const std::string& directory) override;
    std::optional<std::string> readFile(const std::string& path) override;

    // Directories that exist only here, with the text files they list.
    std::map<std::string, std::vector<std::string>> virtualDirectories;
    // When set, answers every readFile instead of the disk.
    std::function<std::optional<std::string>(const std::string& path)> reader;
    std::vector<std::string> pathsRead;
};

// A program after start-up, on the disk (with bends), with a temporary directory.
class ImportTest : public ::testing::Test {
  protected:
    ImportTest() { program.startUp(); }

    // Import, the directory, a click on the file, OK: as a user would.
    void chooseFile(const std::string& directory, const std::string& name);
    void importFile(const std::string& directory, const std::string& name) {
        chooseFile(directory, name);
        form.okexternok.click();
    }
    // Writes a file into the temporary directory and imports it.
    void importBytes(std::string_view bytes, const std::string& name = "perm.txt") {
        temp.write(name, bytes);
        importFile(temp.path(), name);
    }
    void confirmedRestart() {
        fake.messageBox.answers.push_back(Answer::Ja);
        form.okabbrechen.click();
    }
    std::vector<double> spins() const;  // entries 1 to N, empty ones as NaN

    FakePlatform fake;
    BendableFiles files;
    Platform platform{fake.messageBox, fake.clock,   fake.locale, files,
                      fake.printer,    fake.session, fake.memory};
    Program program{platform};
    Form1& form = program.form;
    State& s = form.state;
    TempDir temp;
};

// A permanence file: the four header lines, then the data lines, CR LF line ends.
std::string permanenceFile(const std::vector<std::string>& dataLines);

}  // namespace lurnatik::testing
