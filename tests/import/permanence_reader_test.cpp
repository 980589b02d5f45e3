#include "import/permanence_reader.h"

#include <gtest/gtest.h>

#include <cmath>

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
struct Import {
    const char* what;
    bool accepted;
    std::optional<std::string> bytes;  // nullopt: the file cannot be read
    std::vector<double> spins = {};
    std::string header = kHeader;
    std::optional<std::uint64_t> memory = std::nullopt;  // left beside the reserve
};

class ImportedFile : public ImportTest, public ::testing::WithParamInterface<Import> {};

TEST_P(ImportedFile, GivesItsSpinsOrChangesNothing) {
    const Import& c = GetParam();
    SCOPED_TRACE(c.what);
    form.textanzahl.setText("12");
    temp.write("perm.txt", c.bytes.value_or(""));
    if (!c.bytes) {
        files.reader = [](const std::string&) { return std::nullopt; };
    }
    if (c.memory) {
        fake.memory.available = kMemoryReserve + *c.memory;
    }
    chooseFile(temp.path(), "perm.txt");
    const std::string before = testing::snapshot(form);
    s.permanzahl = 7;
    form.okexternok.click();
    EXPECT_EQ(form.Frame1.visible, !c.accepted);
    if (!c.accepted) {
        EXPECT_EQ(testing::snapshot(form), before);
        EXPECT_TRUE(form.okexternok.enabled);
        EXPECT_EQ(s.permanzahl, 0) << "every OK starts the spin counter afresh";
        return;
    }
    EXPECT_EQ(s.importmodus, 1);
    EXPECT_EQ(s.permanenz, permanenzOf(c.spins));
    EXPECT_EQ(s.sollwuerfe, static_cast<double>(c.spins.size()));
    EXPECT_EQ(form.text.caption, c.header);
    // With no spins the change handling of textanzahl empties it and Start stays off.
    EXPECT_EQ(form.textanzahl.text(), c.spins.empty() ? "" : std::to_string(c.spins.size()));
    EXPECT_EQ(form.okstart.enabled, !c.spins.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, ImportedFile,
    ::testing::Values(
        Import{"the example",
               true,
               permanenceFile({"17", "0", "------", "32, 15", "======", "5"}),
               {17, 0, 32, 15}},
        Import{"separators are skipped", true, permanenceFile({"1", "-", "--", "-5", "2"}), {1, 2}},
        Import{"= ends the data", true, permanenceFile({"1", "=", "5"}), {1}},
        Import{"=5 ends the data", true, permanenceFile({"1,=5,7", "8"}), {1}},
        Import{"no spins", true, permanenceFile({"=", "5"})},
        Import{"header only", true, permanenceFile({})},
        Import{"spins that just fit the memory", true, permanenceFile(kThousandSpins),
               std::vector<double>(1000, 1), kHeader, 8 * (1000 + 21)},
        Import{"blank inside a number", true, permanenceFile({"3 5"}), {35}},
        Import{"leading number", true, permanenceFile({"12abc"}), {12}},
        Import{"fraction stored as read", true, permanenceFile({"3.5"}), {3.5}},
        Import{"too large for a double: outside the wheel, never 0",
               true,
               permanenceFile({"1e999", "+1e999", std::string(400, '9'),
                               "&H" + std::string(300, 'F'), "1e-999"}),
               {HUGE_VAL, HUGE_VAL, HUGE_VAL, HUGE_VAL, 0}},
        Import{"no number", true, permanenceFile({"x", "Rot"}), {0, 0}},
        Import{"no range check", true, permanenceFile({"37", "100", "-0"}), {37, 100}},
        Import{"empty item", true, permanenceFile({"1,,2"}), {1, 0, 2}},
        Import{"NUL inside an item",
               true,
               permanenceFile({"4\0"s
                               "7",
                               "\0"s}),
               {4, 0}},
        Import{"byte order mark", true, "\xEF\xBB\xBF" + permanenceFile({"8"}), {8}},
        Import{"each header item in its own encoding",
               true,
               "Spielbank M\xC3\xBCnchen\r\nTisch 3\r\nM\xFC"
               "nchen\r\nx\r\n9",
               {9},
               "Spielbank München\rTisch 3\rMünchen"},
        Import{"UTF-16 big-endian", true, utf16(permanenceFile({"8", "-", "9"}) + "\x1A"), {8, 9}},
        Import{"first nine characters", true, "SpielbankXYZ,b,c,d,1", {1}, "SpielbankXYZ\rb\rc"},
        Import{"header line with a comma: the fourth header line becomes a spin",
               true,
               "Spielbank Hamburg\r\nTisch 3, Januar\r\nzweite Zeile\r\nvierte Zeile\r\n5\r\n",
               {0, 5},
               "Spielbank Hamburg\rTisch 3\rJanuar"},
        Import{"quoted header items keep commas, break lines with CR",
               true,
               "\"Spielbank Hamburg, Tisch 3\"\r\n\"Jan\r\nFeb\"\r\n\"A\nB\0C\"\r\nx\r\n9"s,
               {9},
               "Spielbank Hamburg, Tisch 3\rJan\rFeb\rA\rBC"}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, ImportedFile,
    ::testing::Values(Import{"empty file", false, ""},
                      Import{"eight characters", false, "Spielban\r\nb\r\nc\r\nd\r\n1\r\n"},
                      Import{"lower case", false, "spielbank Hamburg\r\nb\r\nc\r\nd\r\n1\r\n"},
                      Import{"other first item", false, "Roulette\r\nSpielbank\r\nc\r\nd\r\n1"},
                      Import{"blanks only", false, "  \r\n\r\n"},
                      Import{"NUL bytes", false, "\0\0\0\0Spielbank\0\0"s},
                      Import{"NUL inside the first nine", false, "Spiel\0bank,b,c,d,1"s},
                      Import{"three items", false, "Spielbank Hamburg\r\nb\r\nc\r\n"},
                      Import{"one item", false, "Spielbank"},
                      Import{"unreadable", false, std::nullopt},
                      Import{"no memory for the file",
                             false,
                             permanenceFile({std::string(4000, 'x')}),
                             {},
                             "",
                             1000},
                      Import{"no memory for the spins beside the file",
                             false,
                             permanenceFile(kThousandSpins),
                             {},
                             "",
                             4000}));

// A file that changes between two reads must not let a second pass run past the
// array that the first pass sized: the file is read once.
TEST_F(ImportTest, FileThatGrowsBetweenReadsIsTakenAsReadOnce) {
    files.reader = [reads = 0](const std::string&) mutable -> std::optional<std::string> {
        return permanenceFile(std::vector<std::string>(++reads == 1 ? 2 : 5000, "7"));
    };
    importBytes("");
    ASSERT_EQ(s.importmodus, 1);
    const std::size_t n = static_cast<std::size_t>(s.sollwuerfe);
    EXPECT_EQ(s.permanenz, permanenzOf(std::vector<double>(n, 7.0)));
    EXPECT_EQ(form.textanzahl.text(), std::to_string(n));
}

}  // namespace
}  // namespace lurnatik
