// The recorded permanences in the shared data folder, imported and replayed.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "import_fixture.h"

namespace lurnatik {
namespace {

const std::string kData = LURNATIK_DATA_DIR;

class RealFile : public testing::ImportTest {
  protected:
    void SetUp() override {
        if (!std::filesystem::is_directory(kData)) {
            GTEST_SKIP() << "no data folder at " << kData;
        }
    }
};

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

class EachRealFile : public RealFile, public ::testing::WithParamInterface<Expected> {};

TEST_P(EachRealFile, ImportsEverySpinInOrder) {
    importFile(kData, GetParam().file);
    const std::vector<int> plain = plainSpins(kData + "/" + GetParam().file);
    ASSERT_EQ(plain.size(), GetParam().spins);
    EXPECT_EQ(s.sollwuerfe, static_cast<double>(GetParam().spins));
    EXPECT_EQ(form.textanzahl.text(), std::to_string(GetParam().spins));
    ASSERT_EQ(s.permanenz.size(), plain.size() + 21);
    const std::vector<double> imported = spins();
    EXPECT_TRUE(std::equal(imported.begin(), imported.end(), plain.begin(), plain.end()));
}

INSTANTIATE_TEST_SUITE_P(Files, EachRealFile,
                         ::testing::Values(Expected{"wiesbaden-tisch1.txt", 187630},
                                           Expected{"wiesbaden-tisch7.txt", 1242616},
                                           Expected{"wiesbaden-tisch1-auszug-cp1252.txt", 844}));

TEST_F(RealFile, ReplayInDurchlaufCountsWhatTheFileHolds) {
    importFile(kData, "wiesbaden-tisch1.txt");
    const std::vector<int> plain = plainSpins(kData + "/wiesbaden-tisch1.txt");
    std::array<int, 37> once{}, twice{}, thrice{};
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const int n = plain[i];
        ++once.at(static_cast<std::size_t>(n));
        twice[n] += i >= 1 && plain[i - 1] == n;
        thrice[n] += i >= 2 && plain[i - 1] == n && plain[i - 2] == n;
    }

    form.Option1.select(1);
    form.okstart.click();

    EXPECT_EQ(form.lakut.caption, std::to_string(plain.size()));
    for (int n = 0; n <= 36; ++n) {
        const auto count = [](int c) { return c == 0 ? std::string() : std::to_string(c); };
        EXPECT_EQ(form.tabelle1.cell(n, 1).text, count(once[n])) << n;
        EXPECT_EQ(form.tabelle1.cell(n, 2).text, count(twice[n])) << n;
        EXPECT_EQ(form.tabelle1.cell(n, 3).text, count(thrice[n])) << n;
    }
    EXPECT_FALSE(form.okstart.enabled) << "the run has ended";
}

}  // namespace
}  // namespace lurnatik
