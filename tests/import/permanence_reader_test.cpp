#include "import/permanence_reader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "import_fixture.h"

namespace lurnatik {
namespace {

using testing::ImportTest;
using testing::permanenceFile;
using testing::permanenzOf;
using testing::snapshot;
using namespace std::string_literals;

const std::string kHeader = "Spielbank Hamburg\rTisch 3\rJanuar 1999";

// ASCII text as Windows saves it as big-endian "Unicode", behind its mark.
std::string utf16(std::string_view text) {
    std::string out = "\xFE\xFF";
    for (const char c : text) {
        out += std::string{'\0', c};
    }
    return out;
}

std::string repeated(const std::string& item, int times) {
    std::string line;
    for (int i = 0; i < times; ++i) {
        line += item;
    }
    return line;
}

struct Accepted {
    const char* what;
    std::string bytes;
    std::vector<double> spins;
    std::string header = kHeader;
    std::optional<std::uint64_t> memory = std::nullopt;  // left beside the reserve
};

class AcceptedFile : public ImportTest, public ::testing::WithParamInterface<Accepted> {};

TEST_P(AcceptedFile, GivesTheSpinsAndShowsTheHeader) {
    const Accepted& c = GetParam();
    if (c.memory) {
        fake.memory.available = kMemoryReserve + *c.memory;
    }
    importBytes(c.bytes);
    EXPECT_EQ(s.importmodus, 1);
    EXPECT_EQ(s.permanenz, permanenzOf(c.spins)) << c.what;
    EXPECT_EQ(s.sollwuerfe, static_cast<double>(c.spins.size()));
    EXPECT_EQ(form.text.caption, c.header);
    EXPECT_FALSE(form.Frame1.visible);
    // With no spins the change handling of textanzahl empties it and Start stays off.
    EXPECT_EQ(form.textanzahl.text(), c.spins.empty() ? "" : std::to_string(c.spins.size()));
    EXPECT_EQ(form.okstart.enabled, !c.spins.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AcceptedFile,
    ::testing::Values(
        Accepted{"the example",
                 permanenceFile({"17", "0", "------", "32, 15", "======", "5"}),
                 {17, 0, 32, 15}},
        Accepted{"separators are skipped", permanenceFile({"1", "-", "--", "-5", "2"}), {1, 2}},
        Accepted{"= ends the data", permanenceFile({"1", "=", "5"}), {1}},
        Accepted{"=5 ends the data", permanenceFile({"1,=5,7", "8"}), {1}},
        Accepted{"no spins", permanenceFile({"=", "5"}), {}},
        Accepted{"header only", permanenceFile({}), {}},
        Accepted{"spins that just fit the memory", permanenceFile({repeated("1,", 1000)}),
                 std::vector<double>(1000, 1), kHeader, 8 * (1000 + 21)},
        Accepted{"blank inside a number", permanenceFile({"3 5"}), {35}},
        Accepted{"leading number", permanenceFile({"12abc"}), {12}},
        Accepted{"fraction stored as read", permanenceFile({"3.5"}), {3.5}},
        Accepted{"too large for a double: outside the wheel, never 0",
                 permanenceFile({"1e999", "+1e999", std::string(400, '9'),
                                 "&H" + std::string(300, 'F'), "1e-999"}),
                 {HUGE_VAL, HUGE_VAL, HUGE_VAL, HUGE_VAL, 0}},
        Accepted{"no number", permanenceFile({"x", "Rot"}), {0, 0}},
        Accepted{"no range check", permanenceFile({"37", "100", "-0"}), {37, 100}},
        Accepted{"empty item", permanenceFile({"1,,2"}), {1, 0, 2}},
        Accepted{"NUL inside an item",
                 permanenceFile({"4\0"s
                                 "7",
                                 "\0"s}),
                 {4, 0}},
        Accepted{"byte order mark", "\xEF\xBB\xBF" + permanenceFile({"8"}), {8}},
        Accepted{"each header item in its own encoding",
                 "Spielbank M\xC3\xBCnchen\r\nTisch 3\r\nM\xFC"
                 "nchen\r\nx\r\n9",
                 {9},
                 "Spielbank München\rTisch 3\rMünchen"},
        Accepted{"UTF-16 big-endian", utf16(permanenceFile({"8", "-", "9"}) + "\x1A"), {8, 9}},
        Accepted{"first nine characters", "SpielbankXYZ,b,c,d,1", {1}, "SpielbankXYZ\rb\rc"},
        Accepted{"header line with a comma: the fourth header line becomes a spin",
                 "Spielbank Hamburg\r\nTisch 3, Januar\r\nzweite Zeile\r\nvierte Zeile\r\n5\r\n",
                 {0, 5},
                 "Spielbank Hamburg\rTisch 3\rJanuar"},
        Accepted{"quoted header items keep commas, break lines with CR",
                 "\"Spielbank Hamburg, Tisch 3\"\r\n\"Jan\r\nFeb\"\r\n\"A\nB\0C\"\r\nx\r\n9"s,
                 {9},
                 "Spielbank Hamburg, Tisch 3\rJan\rFeb\rA\rBC"}));

TEST_F(ImportTest, SecondImportAfterRestartReplacesALongerOne) {
    importBytes(permanenceFile({"1,2,3,4,5,6,7,8,9,10"}), "long.txt");
    ASSERT_EQ(s.permanenz.size(), 31u);
    confirmedRestart();
    importBytes(permanenceFile({"30,31,32"}), "short.txt");
    EXPECT_EQ(s.permanenz, permanenzOf({30, 31, 32}));
    EXPECT_EQ(form.textanzahl.text(), "3");
}

// Every way a file can fail leaves the window and the state as they were, with the
// panel open.
struct Rejection {
    const char* what;
    std::optional<std::string> bytes;                    // nullopt: the file cannot be read
    std::optional<std::uint64_t> memory = std::nullopt;  // left beside the reserve
};

class RejectedFile : public ImportTest, public ::testing::WithParamInterface<Rejection> {};

TEST_P(RejectedFile, ChangesNothing) {
    form.textanzahl.setText("12");
    temp.write("perm.txt", GetParam().bytes.value_or(""));
    if (!GetParam().bytes) {
        files.reader = [](const std::string&) { return std::nullopt; };
    }
    if (GetParam().memory) {
        fake.memory.available = kMemoryReserve + *GetParam().memory;
    }
    chooseFile(temp.path(), "perm.txt");
    const auto before = snapshot(form);
    s.permanzahl = 7;
    form.okexternok.click();
    EXPECT_EQ(snapshot(form), before) << GetParam().what;
    EXPECT_TRUE(form.Frame1.visible);
    EXPECT_TRUE(form.okexternok.enabled);
    EXPECT_EQ(s.permanzahl, 0) << "every OK starts the spin counter afresh";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RejectedFile,
    ::testing::Values(Rejection{"empty file", ""},
                      Rejection{"eight characters", "Spielban\r\nb\r\nc\r\nd\r\n1\r\n"},
                      Rejection{"lower case", "spielbank Hamburg\r\nb\r\nc\r\nd\r\n1\r\n"},
                      Rejection{"other first item", "Roulette\r\nSpielbank\r\nc\r\nd\r\n1"},
                      Rejection{"blanks only", "  \r\n\r\n"},
                      Rejection{"NUL bytes", "\0\0\0\0Spielbank\0\0"s},
                      Rejection{"NUL inside the first nine", "Spiel\0bank,b,c,d,1"s},
                      Rejection{"three items", "Spielbank Hamburg\r\nb\r\nc\r\n"},
                      Rejection{"one item", "Spielbank"}, Rejection{"unreadable", std::nullopt},
                      Rejection{"no memory for the file", permanenceFile({std::string(4000, 'x')}),
                                1000},
                      Rejection{"no memory for the spins beside the file",
                                permanenceFile({repeated("1,", 1000)}), 4000}));

TEST_F(ImportTest, OkWithNoFileSelectedAfterADirectoryChangeReadsNothing) {
    temp.write("perm.txt", permanenceFile({"1", "2"}));
    temp.makeDirectory("leer");
    chooseFile(temp.path(), "perm.txt");
    form.Dir1.setPath(temp.file("leer"));
    ASSERT_EQ(form.File1.listIndex, -1);
    ASSERT_TRUE(form.okexternok.enabled) << "OK stays enabled through directory changes";
    const auto before = snapshot(form);
    form.okexternok.click();
    EXPECT_EQ(snapshot(form), before);
    EXPECT_TRUE(files.pathsRead.empty());
}

// A file that changes between two reads must not let a second pass run past the
// array that the first pass sized: the file is read once.
TEST_F(ImportTest, FileThatGrowsBetweenReadsIsTakenAsReadOnce) {
    int reads = 0;
    files.reader = [&reads](const std::string&) -> std::optional<std::string> {
        std::vector<std::string> lines(++reads == 1 ? 2 : 5000, "7");
        return permanenceFile(lines);
    };
    temp.write("perm.txt", "");
    importFile(temp.path(), "perm.txt");
    ASSERT_EQ(s.importmodus, 1);
    const std::size_t n = static_cast<std::size_t>(s.sollwuerfe);
    EXPECT_EQ(s.permanenz, permanenzOf(std::vector<double>(n, 7.0)));
    EXPECT_EQ(form.textanzahl.text(), std::to_string(n));
}

TEST(ParsePermanence, StoresEightBytesAnEntry) {
    const auto p = parsePermanence(permanenceFile({"1,2,3"}));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->spins.capacity() * sizeof(p->spins[0]), 8 * p->spins.size());
}

}  // namespace
}  // namespace lurnatik
