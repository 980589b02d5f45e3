// The recorded permanences in the shared data folder, imported and replayed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "import_fixture.h"

namespace lurnatik {
namespace {

const std::string kData = LURNATIK_DATA_DIR;

// The spins of a data file as a plain reading sees them: four header lines, then
// comma-separated numbers up to a line of "=", lines of "-" skipped.
std::vector<int> plainSpins(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<int> spins;
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

struct Expected {
    const char* file;
    std::size_t spins;
};

class EachRealFile : public testing::ImportTest, public ::testing::WithParamInterface<Expected> {
    void SetUp() override {
        if (!std::filesystem::is_directory(kData)) {
            GTEST_SKIP() << "no data folder at " << kData;
        }
    }
};

TEST_P(EachRealFile, ImportsEverySpinInOrder) {
    importFile(kData, GetParam().file);
    const std::vector<int> plain = plainSpins(kData + "/" + GetParam().file);
    ASSERT_EQ(plain.size(), GetParam().spins);
    EXPECT_EQ(s.sollwuerfe, static_cast<double>(GetParam().spins));
    EXPECT_EQ(form.textanzahl.text(), std::to_string(GetParam().spins));
    EXPECT_TRUE(s.permanenz == testing::permanenzOf({plain.begin(), plain.end()}));
}

INSTANTIATE_TEST_SUITE_P(Files, EachRealFile,
                         ::testing::Values(Expected{"wiesbaden-tisch1.txt", 187630},
                                           Expected{"wiesbaden-tisch7.txt", 1242616},
                                           Expected{"wiesbaden-tisch1-auszug-cp1252.txt", 844}));

}  // namespace
}  // namespace lurnatik
