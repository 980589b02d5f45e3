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

// Spins from data lines under a regular header.
struct DataCase {
    const char* what;
    std::vector<std::string> lines;
    std::vector<double> spins;
};

class DataItems : public ImportTest, public ::testing::WithParamInterface<DataCase> {};

TEST_P(DataItems, GiveTheSpins) {
    importBytes(permanenceFile(GetParam().lines));
    EXPECT_EQ(s.importmodus, 1);
    EXPECT_EQ(spins(), GetParam().spins) << GetParam().what;
    EXPECT_EQ(s.sollwuerfe, static_cast<double>(GetParam().spins.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataItems,
    ::testing::Values(
        DataCase{"the example", {"17", "0", "------", "32, 15", "======", "5"}, {17, 0, 32, 15}},
        DataCase{"separators are skipped", {"1", "-", "--", "-5", "2"}, {1, 2}},
        DataCase{"= ends the data", {"1", "=", "5"}, {1}},
        DataCase{"== ends the data", {"1", "==", "5"}, {1}},
        DataCase{"=5 ends the data", {"1,=5,7", "8"}, {1}},
        DataCase{"no end item", {"4, 5, 6", "7"}, {4, 5, 6, 7}},
        DataCase{"blank inside a number", {"3 5"}, {35}},
        DataCase{"leading number", {"12abc"}, {12}},
        DataCase{"fraction stored as read", {"3.5"}, {3.5}},
        DataCase{"too large for a double", {"1e999"}, {0}},
        DataCase{"no number", {"x", "Rot"}, {0, 0}},
        DataCase{"no range check", {"37", "100", "-0"}, {37, 100}},
        DataCase{"empty item", {"1,,2"}, {1, 0, 2}},
        DataCase{"quote that never closes", {"1,\"2,3", "4"}, {1, 2}},
        DataCase{"NUL inside an item",
                 {"4\0"s
                  "7",
                  "\0"s},
                 {4, 0}},
        DataCase{"comma and blank lines at line ends", {"1,", "", "2"}, {1, 2}}));

TEST_F(ImportTest, AcceptedFileShowsItsHeaderAndSwitchesToReplay) {
    importBytes(permanenceFile({"17", "0", "32, 15", "="}));
    EXPECT_EQ(form.text.caption, "Spielbank Hamburg\rTisch 3\rJanuar 1999");
    EXPECT_EQ(form.textanzahl.text(), "4");
    EXPECT_EQ(s.sollwuerfe, 4);
    EXPECT_EQ(s.permanzahl, 4);
    EXPECT_TRUE(form.okstart.enabled) << "by the change handling of textanzahl";
    EXPECT_FALSE(form.Frame1.visible);
    EXPECT_FALSE(form.okextern.enabled);
    EXPECT_TRUE(form.okabbrechen.enabled);
    ASSERT_EQ(s.permanenz.size(), 25u);
    EXPECT_FALSE(s.permanenz[0].has_value());
    for (std::size_t k = 5; k <= 24; ++k) {
        EXPECT_FALSE(s.permanenz[k].has_value()) << k;
    }
}

TEST_F(ImportTest, HeaderLineWithACommaShiftsTheHeader) {
    importBytes("Spielbank Hamburg\r\nTisch 3, Januar\r\nzweite Zeile\r\nvierte Zeile\r\n5\r\n");
    EXPECT_EQ(form.text.caption, "Spielbank Hamburg\rTisch 3\rJanuar");
    EXPECT_EQ(spins(), (std::vector<double>{0, 5})) << "the fourth header line became a spin";
}

TEST_F(ImportTest, FirstItemNeedsOnlyItsFirstNineCharacters) {
    importBytes("SpielbankXYZ,b,c,d,1");
    EXPECT_EQ(s.importmodus, 1);
    EXPECT_EQ(form.text.caption, "SpielbankXYZ\rb\rc");
}

TEST_F(ImportTest, QuotedHeaderItemKeepsItsCommaAndBreaksLinesWithCarriageReturns) {
    importBytes("\"Spielbank Hamburg, Tisch 3\"\r\n\"Jan\r\nFeb\"\r\n\"A\nB\0C\"\r\nx\r\n9"s);
    EXPECT_EQ(form.text.caption, "Spielbank Hamburg, Tisch 3\rJan\rFeb\rA\rBC");
    EXPECT_EQ(spins(), std::vector<double>{9});
}

TEST_F(ImportTest, ByteOrderMarkIsNotPartOfTheFirstItem) {
    importBytes("\xEF\xBB\xBF" + permanenceFile({"8"}));
    EXPECT_EQ(s.importmodus, 1);
    EXPECT_EQ(form.text.caption.substr(0, 9), "Spielbank");
}

TEST_F(ImportTest, NoSpinsStillSwitchesToReplayButLeavesStartDisabled) {
    for (const std::string& data : {permanenceFile({"=", "5"}), permanenceFile({})}) {
        SCOPED_TRACE(data);
        importBytes(data);
        EXPECT_EQ(s.importmodus, 1);
        EXPECT_EQ(s.sollwuerfe, 0);
        EXPECT_EQ(form.textanzahl.text(), "") << "emptied by its change handling";
        EXPECT_FALSE(form.okstart.enabled);
        EXPECT_FALSE(form.Frame1.visible);
        ASSERT_EQ(s.permanenz.size(), 21u);
        for (const auto& entry : s.permanenz) {
            EXPECT_FALSE(entry.has_value());
        }
        confirmedRestart();
    }
}

TEST_F(ImportTest, SecondImportAfterRestartReplacesALongerOne) {
    importBytes(permanenceFile({"1,2,3,4,5,6,7,8,9,10"}), "long.txt");
    ASSERT_EQ(s.permanenz.size(), 31u);
    confirmedRestart();
    EXPECT_TRUE(form.okextern.enabled);
    importBytes(permanenceFile({"30,31,32"}), "short.txt");
    ASSERT_EQ(s.permanenz.size(), 24u);
    EXPECT_EQ(spins(), (std::vector<double>{30, 31, 32}));
    for (std::size_t k = 4; k < s.permanenz.size(); ++k) {
        EXPECT_FALSE(s.permanenz[k].has_value()) << k;
    }
    EXPECT_EQ(form.textanzahl.text(), "3");
}

TEST_F(ImportTest, ReplaysTheSpinsInFileOrderAndZeroBeyondThem) {
    importBytes(permanenceFile({"5, 17", "-----", "5", "="}));
    form.textanzahl.setText("5");  // two throws beyond the recorded three
    form.Option1.select(1);
    form.okstart.click();
    EXPECT_EQ(form.tabelle1.cell(5, 1).text, "2");
    EXPECT_EQ(form.tabelle1.cell(17, 1).text, "1");
    EXPECT_EQ(form.tabelle1.cell(0, 1).text, "2");
    EXPECT_EQ(form.tabelle1.cell(0, 2).text, "1");
    EXPECT_EQ(form.lakut.caption, "5");
    EXPECT_EQ(form.text.caption,
              "Spielbank Hamburg\rTisch 3\rJanuar 1999\r                    ***  ENDE  *** ");
}

// Every way a file can fail leaves the window and the state as they were, with the
// panel open.
struct Rejection {
    const char* what;
    std::string bytes;
};

class RejectedFile : public ImportTest, public ::testing::WithParamInterface<Rejection> {};

TEST_P(RejectedFile, ChangesNothing) {
    temp.write("perm.txt", GetParam().bytes);
    chooseFile(temp.path(), "perm.txt");
    s.permanzahl = 7;
    const auto before = snapshot(form);
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
                      Rejection{"one item", "Spielbank"}));

// Before a rejection, the program must be in a state worth keeping.
class FailedRead : public ImportTest {
  protected:
    void SetUp() override {
        form.textanzahl.setText("12");
        form.okextern.click();
        temp.write("perm.txt", permanenceFile({"1", "2"}));
        chooseFile(temp.path(), "perm.txt");
        before = snapshot(form);
    }
    testing::ImportSnapshot before;
};

TEST_F(FailedRead, FileRemovedAfterChoosing) {
    std::filesystem::remove(temp.file("perm.txt"));
    form.okexternok.click();
    EXPECT_EQ(snapshot(form), before);
}

TEST_F(FailedRead, FileThatCannotBeRead) {
    files.reader = [](const std::string&) { return std::nullopt; };
    form.okexternok.click();
    EXPECT_EQ(snapshot(form), before);
}

TEST_F(FailedRead, NoFileSelectedAfterADirectoryChange) {
    temp.makeDirectory("leer");
    form.Dir1.setPath(temp.file("leer"));
    ASSERT_EQ(form.File1.listIndex, -1);
    ASSERT_TRUE(form.okexternok.enabled) << "OK stays enabled through directory changes";
    form.okexternok.click();
    EXPECT_EQ(snapshot(form), before);
    EXPECT_TRUE(files.pathsRead.empty());
}

TEST_F(FailedRead, FileWithoutReadPermission) {
    std::filesystem::permissions(temp.file("perm.txt"), std::filesystem::perms::none);
    if (DiskFileSystem().readFile(temp.file("perm.txt"))) {
        GTEST_SKIP() << "permissions do not keep this user out";
    }
    form.okexternok.click();
    EXPECT_EQ(snapshot(form), before);
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

TEST(PermanencePath, PutsOneSeparatorBetweenDirectoryAndName) {
    EXPECT_EQ(permanencePath("/", "a.txt"), "/a.txt");
    EXPECT_EQ(permanencePath("/media/usb", "a.txt"), "/media/usb/a.txt");
    EXPECT_EQ(permanencePath("/media/usb/", "a.txt"), "/media/usb/a.txt");
}

TEST_F(ImportTest, FileInTheRootDirectoryIsOpenedWithoutADoubledSeparator) {
    files.virtualDirectories["/"] = {"perm.txt"};
    files.reader = [](const std::string&) { return permanenceFile({"3"}); };
    importFile("/", "perm.txt");
    ASSERT_EQ(files.pathsRead.size(), 1u);
    EXPECT_EQ(files.pathsRead[0], "/perm.txt");
    EXPECT_EQ(spins(), std::vector<double>{3});
}

TEST(ParsePermanence, StoresSixteenBytesAnEntry) {
    const auto p = parsePermanence(permanenceFile({"1,2,3"}));
    ASSERT_TRUE(p);
    EXPECT_LE(p->spins.capacity() * sizeof(p->spins[0]), 16 * p->spins.size());
}

}  // namespace
}  // namespace lurnatik
