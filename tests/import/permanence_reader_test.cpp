#include "import/permanence_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "import_fixture.h"

namespace lurnatik {
namespace {

using testing::ImportTest;
using testing::permanenceFile;
using testing::permanenzOf;
using namespace std::string_literals;

const std::string kHeader = "Spielbank Hamburg\rTisch 3\rJanuar 1999";
const std::vector<std::string> kThousandSpins(1000, "1");

// ASCII text as Windows saves it as big-endian "Unicode", behind its mark.
std::string utf16(std::string_view text) {
    std::string out = "\xFE\xFF";
    for (const char c : text) {
        out += std::string{'\0', c};
    }
    return out;
}

// A file chosen in the panel and confirmed with OK. A rejected file, one that
// cannot be read and one too large for the memory leave the window and the state
// as they were, with the panel open.
using Spins = std::vector<double>;
struct Import {
    const char* what;
    std::optional<std::string> bytes;  // nullopt: gone when OK is clicked
    std::optional<Spins> spins = {};   // nullopt: the file is refused
    std::string header = kHeader;
    std::optional<std::uint64_t> memory = std::nullopt;  // left beside the reserve
};

class ImportedFile : public ImportTest, public ::testing::WithParamInterface<Import> {};

TEST_P(ImportedFile, GivesItsSpinsOrChangesNothing) {
    const Import& c = GetParam();
    SCOPED_TRACE(c.what);
    form.textanzahl.setText("12");
    temp.write("perm.txt", c.bytes.value_or(""));
    if (c.memory) {
        fake.memory.available = kMemoryReserve + *c.memory;
    }
    chooseFile(temp.path(), "perm.txt");
    if (!c.bytes) {
        std::filesystem::remove(temp.file("perm.txt"));  // gone before OK
    }
    const std::string before = testing::snapshot(form);
    s.permanzahl = 7;
    form.okexternok.click();
    EXPECT_EQ(form.Frame1.visible, !c.spins);
    if (!c.spins) {
        EXPECT_EQ(testing::snapshot(form), before);
        EXPECT_TRUE(form.okexternok.enabled);
        EXPECT_EQ(s.permanzahl, 0) << "every OK starts the spin counter afresh";
        return;
    }
    EXPECT_EQ(s.importmodus, 1);
    // Read once: a second reading could differ from the first, which sized the array.
    EXPECT_EQ(files.pathsRead.size(), 1u);
    EXPECT_EQ(s.permanenz, permanenzOf(*c.spins));
    EXPECT_EQ(s.sollwuerfe, static_cast<double>(c.spins->size()));
    EXPECT_EQ(form.text.caption, c.header);
    // With no spins the change handling of textanzahl empties it and Start stays off.
    EXPECT_EQ(form.textanzahl.text(), c.spins->empty() ? "" : std::to_string(c.spins->size()));
    EXPECT_EQ(form.okstart.enabled, !c.spins->empty());
}

const Import kAccepted[] = {
    {"the example", permanenceFile({"17", "0", "------", "32, 15", "======", "5"}),
     Spins{17, 0, 32, 15}},
    {"=5 ends the data", permanenceFile({"1,=5,7", "8"}), Spins{1}},
    {"header only", permanenceFile({}), Spins{}},
    {"spins that just fit the memory", permanenceFile(kThousandSpins), Spins(1000, 1), kHeader,
     8 * (1000 + 21)},
    {"fraction stored as read", permanenceFile({"3.5"}), Spins{3.5}},
    {"too large for a double: outside the wheel, never 0",
     permanenceFile(
         {"1e999", "+1e999", std::string(400, '9'), "&H" + std::string(300, 'F'), "1e-999"}),
     Spins{HUGE_VAL, HUGE_VAL, HUGE_VAL, HUGE_VAL, 0}},
    {"no range check", permanenceFile({"37", "100", "-0"}), Spins{37, 100}},
    {"byte order mark", "\xEF\xBB\xBF" + permanenceFile({"8"}), Spins{8}},
    {"each header item in its own encoding",
     "Spielbank M\xC3\xBCnchen\r\nTisch 3\r\nM\374nchen\r\nx\r\n9", Spins{9},
     "Spielbank München\rTisch 3\rMünchen"},
    {"UTF-16 big-endian", utf16(permanenceFile({"8", "-", "9"}) + "\x1A"), Spins{8, 9}},
    {"first nine characters", "SpielbankXYZ,b,c,d,1", Spins{1}, "SpielbankXYZ\rb\rc"},
    {"header line with a comma: the fourth header line becomes a spin",
     "Spielbank Hamburg\r\nTisch 3, Januar\r\nzweite Zeile\r\nvierte Zeile\r\n5\r\n", Spins{0, 5},
     "Spielbank Hamburg\rTisch 3\rJanuar"},
    {"quoted header items keep commas, break lines with CR",
     "\"Spielbank Hamburg, Tisch 3\"\r\n\"Jan\r\nFeb\"\r\n\"A\nB\0C\"\r\nx\r\n9"s, Spins{9},
     "Spielbank Hamburg, Tisch 3\rJan\rFeb\rA\rBC"}};
const Import kRejected[] = {
    {"empty file", ""},
    {"eight characters", "Spielban\r\nb\r\nc\r\nd\r\n1\r\n"},
    {"lower case", "spielbank Hamburg\r\nb\r\nc\r\nd\r\n1\r\n"},
    {"other first item", "Roulette\r\nSpielbank\r\nc\r\nd\r\n1"},
    {"blanks only", "  \r\n\r\n"},
    {"NUL bytes", "\0\0\0\0Spielbank\0\0"s},
    {"NUL inside the first nine", "Spiel\0bank,b,c,d,1"s},
    {"three items", "Spielbank Hamburg\r\nb\r\nc\r\n"},
    {"gone before OK", std::nullopt},
    {"no memory for the file", permanenceFile({std::string(4000, 'x')}), {}, "", 1000},
    {"no memory for the spins beside the file", permanenceFile(kThousandSpins), {}, "", 4000}};
INSTANTIATE_TEST_SUITE_P(Accepted, ImportedFile, ::testing::ValuesIn(kAccepted));
INSTANTIATE_TEST_SUITE_P(Rejected, ImportedFile, ::testing::ValuesIn(kRejected));

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

// The recorded permanences in the shared data folder, imported one after another.
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
