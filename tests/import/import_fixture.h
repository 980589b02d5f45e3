#pragma once
// A program after start-up whose import panel a test drives as a user would.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/disk_file_system.h"
#include "support/program_test.h"
#include "support/temp_dir.h"

namespace lurnatik {

// The disk, recording the files read.
struct RecordingFiles : DiskFileSystem {
    std::optional<std::string> readFile(const std::string& path) override {
        pathsRead.push_back(path);
        return DiskFileSystem::readFile(path);
    }
    std::vector<std::string> pathsRead;
};

// Import, the directory, a click on the file: as a user would.
inline void chooseFile(Form1& form, const std::string& directory, const std::string& name) {
    form.okextern.click();
    form.Dir1.setPath(directory);
    form.Dir1.onOpen(form.Dir1.pathEntries - 1);  // reads it again, as files come and go
    const auto& items = form.File1.items;
    const auto it = std::find(items.begin(), items.end(), name);
    ASSERT_NE(it, items.end()) << name << " is not listed in " << directory;
    form.File1.listIndex = static_cast<int>(it - items.begin());
    form.File1.click();
}
inline void importFile(Form1& form, const std::string& directory, const std::string& name) {
    chooseFile(form, directory, name);
    form.okexternok.click();
}

// A program after start-up, on the disk (recording what it reads), with a temporary directory.
struct ImportTest : ::testing::Test {
    ImportTest() { program.startUp(); }

    testing::FakePlatform fake;
    RecordingFiles files;
    Platform platform{fake.messageBox, fake.clock,   fake.locale, files,
                      fake.printer,    fake.session, fake.memory};
    Program program{platform};
    Form1& form = program.form;
    State& s = form.state;
    testing::TempDir temp;
};

}  // namespace lurnatik
