// The recorded permanences in the shared data folder, imported one after another.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "import_fixture.h"

namespace lurnatik {
namespace {

using testing::ImportTest;

const std::string kData = LURNATIK_DATA_DIR;

// The spins of a data file as a plain reading sees them: four header lines, then
// comma-separated numbers up to a line of "=", lines of "-" skipped.
std::vector<double> plainSpins(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<double> spins;
    std::string line;
    for (int header = 0; header < 4 && std::getline(in, line); ++header) {
    }
    while (std::getline(in, line) && line[0] != '=') {
        std::istringstream items(line);
        for (std::string item; line[0] != '-' && std::getline(items, item, ',');) {
            spins.push_back(std::stoi(item));
        }
    }
    return spins;
}

TEST_F(ImportTest, EachRealFileGivesEverySpinInOrder) {
    if (!std::filesystem::is_directory(kData)) {
        GTEST_SKIP() << "no data folder at " << kData;
    }
    for (const auto& [file, count] : {std::pair{"wiesbaden-tisch1.txt", 187630},
                                      {"wiesbaden-tisch7.txt", 1242616},
                                      {"wiesbaden-tisch1-auszug-cp1252.txt", 844}}) {
        SCOPED_TRACE(file);
        importFile(kData, file);
        const std::vector<double> plain = plainSpins(kData + "/" + file);
        ASSERT_EQ(plain.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(s.sollwuerfe, count);
        EXPECT_EQ(form.textanzahl.text(), std::to_string(count));
        EXPECT_TRUE(s.permanenz == testing::permanenzOf(plain));
        fake.messageBox.answers.push_back(Answer::Ja);
        form.okabbrechen.click();  // a restart, for the next import
    }
}

}  // namespace
}  // namespace lurnatik
