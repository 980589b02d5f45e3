#include "import/permanence_reader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "import_fixture.h"

namespace lurnatik {
namespace {

using testing::ImportTest;
using testing::permanenceFile;
using testing::snapshot;
using namespace std::string_literals;

const std::string kHeader = "Spielbank Hamburg\rTisch 3\rJanuar 1999";

// An accepted file: the spins it gives and the header shown.
// ASCII text as Windows saves it as "Unicode", behind its byte-order mark.
std::string utf16(std::string_view text, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : text) {
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return out;
}

struct Accepted {
    const char* what;
    std::string bytes;
    std::vector<double> spins;
    std::string header = kHeader;
};

class AcceptedFile : public ImportTest, public ::testing::WithParamInterface<Accepted> {};

TEST_P(AcceptedFile, GivesTheSpinsAndShowsTheHeader) {
    importBytes(GetParam().bytes);
    EXPECT_EQ(s.importmodus, 1);
    EXPECT_EQ(spins(), GetParam().spins) << GetParam().what;
    EXPECT_EQ(s.sollwuerfe, static_cast<double>(GetParam().spins.size()));
    EXPECT_EQ(form.text.caption, GetParam().header);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AcceptedFile,
    ::testing::Values(
        Accepted{"the example",
                 permanenceFile({"17", "0", "------", "32, 15", "======", "5"}),
                 {17, 0, 32, 15}},
        Accepted{"separators are skipped", permanenceFile({"1", "-", "--", "-5", "2"}), {1, 2}},
        Accepted{"= ends the data", permanenceFile({"1", "=", "5"}), {1}},
        Accepted{"== ends the data", permanenceFile({"1", "==", "5"}), {1}},
        Accepted{"=5 ends the data", permanenceFile({"1,=5,7", "8"}), {1}},
        Accepted{"no end item", permanenceFile({"4, 5, 6", "7"}), {4, 5, 6, 7}},
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
        Accepted{"quote that never closes", permanenceFile({"1,\"2,3", "4"}), {1, 2}},
        Accepted{"NUL inside an item",
                 permanenceFile({"4\0"s
                                 "7",
                                 "\0"s}),
                 {4, 0}},
        Accepted{"comma and blank lines at line ends", permanenceFile({"1,", "", "2"}), {1, 2}},
        Accepted{"byte order mark", "\xEF\xBB\xBF" + permanenceFile({"8"}), {8}},
        Accepted{"each header item in its own encoding",
                 "Spielbank M\xC3\xBCnchen\r\nTisch 3\r\nM\xFC"
                 "nchen\r\nx\r\n9",
                 {9},
                 "Spielbank München\rTisch 3\rMünchen"},
        Accepted{"DOS end-of-file mark", permanenceFile({"8"}) + "\x1A", {8}},
        Accepted{"UTF-16 little-endian", utf16(permanenceFile({"8, 9"}), false), {8, 9}},
        Accepted{
            "UTF-16 big-endian", utf16(permanenceFile({"8", "-", "9"}) + "\x1A", true), {8, 9}},
        Accepted{"first nine characters", "SpielbankXYZ,b,c,d,1", {1}, "SpielbankXYZ\rb\rc"},
        Accepted{"header line with a comma: the fourth header line becomes a spin",
                 "Spielbank Hamburg\r\nTisch 3, Januar\r\nzweite Zeile\r\nvierte Zeile\r\n5\r\n",
                 {0, 5},
                 "Spielbank Hamburg\rTisch 3\rJanuar"},
        Accepted{"quoted header items keep commas, break lines with CR",
                 "\"Spielbank Hamburg, Tisch 3\"\r\n\"Jan\r\nFeb\"\r\n\"A\nB\0C\"\r\nx\r\n9"s,
                 {9},
                 "Spielbank Hamburg, Tisch 3\rJan\rFeb\rA\rBC"}));

TEST_F(ImportTest, NoSpinsStillSwitchesToReplayButLeavesStartDisabled) {
    for (const std::string& data : {permanenceFile({"=", "5"}), permanenceFile({})}) {
        SCOPED_TRACE(data);
        importBytes(data);
        EXPECT_EQ(s.importmodus, 1);
        EXPECT_EQ(s.sollwuerfe, 0);
        EXPECT_EQ(form.textanzahl.text(), "") << "emptied by its change handling";
        EXPECT_FALSE(form.okstart.enabled);
        EXPECT_FALSE(form.Frame1.visible);
        EXPECT_EQ(s.permanenz, std::vector<PermanenzEntry>(21));
        confirmedRestart();
    }
}

TEST_F(ImportTest, SecondImportAfterRestartReplacesALongerOne) {
    importBytes(permanenceFile({"1,2,3,4,5,6,7,8,9,10"}), "long.txt");
    ASSERT_EQ(s.permanenz.size(), 31u);
    confirmedRestart();
    importBytes(permanenceFile({"30,31,32"}), "short.txt");
    ASSERT_EQ(s.permanenz.size(), 24u);
    EXPECT_EQ(spins(), (std::vector<double>{30, 31, 32}));
    for (std::size_t k = 4; k < s.permanenz.size(); ++k) {
        EXPECT_FALSE(s.permanenz[k].has_value()) << k;
    }
    EXPECT_EQ(form.textanzahl.text(), "3");
}

// Every way a file can fail leaves the window and the state as they were, with the
// panel open.
struct Rejection {
    const char* what;
    std::optional<std::string> bytes;                    // nullopt: the file cannot be read
    std::optional<std::uint64_t> memory = std::nullopt;  // left beside the reserve
};

std::string repeated(const std::string& item, int times) {
    std::string line;
    for (int i = 0; i < times; ++i) {
        line += item;
    }
    return line;
}

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

TEST_F(ImportTest, TakesAFileWhoseSpinsJustFit) {
    fake.memory.available = kMemoryReserve + 8 * (1000 + 21);
    importBytes(permanenceFile({repeated("1,", 1000)}));
    EXPECT_EQ(s.sollwuerfe, 1000);
}

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
    EXPECT_EQ(s.permanenz.size(), n + 21);
    EXPECT_EQ(spins(), std::vector<double>(n, 7.0));
    EXPECT_EQ(form.textanzahl.text(), std::to_string(n));
}

TEST_F(ImportTest, FileInTheRootDirectoryIsOpenedWithoutADoubledSeparator) {
    files.virtualDirectories["/"] = {"perm.txt"};
    files.reader = [](const std::string&) { return permanenceFile({"3"}); };
    importFile("/", "perm.txt");
    EXPECT_EQ(files.pathsRead, std::vector<std::string>{"/perm.txt"});
    EXPECT_EQ(spins(), std::vector<double>{3});
}

TEST(ParsePermanence, StoresEightBytesAnEntry) {
    const auto p = parsePermanence(permanenceFile({"1,2,3"}));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->spins.capacity() * sizeof(p->spins[0]), 8 * p->spins.size());
}

}  // namespace
}  // namespace lurnatik
