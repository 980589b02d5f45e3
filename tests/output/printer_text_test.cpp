// The text printer of the tests and the scenario runner, and the number item both
// printers write: the report's layout is only as right as these.

#include <gtest/gtest.h>

#include <sstream>

#include "platform/number_item.h"
#include "support/recording_printer.h"

namespace lurnatik {
namespace {

struct NumberCase {
    double value;
    const char* separator;
    const char* item;
};

class NumberItemTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberItemTest, SignBlankPlainDigitsTrailingBlank) {
    EXPECT_EQ(numberItem(GetParam().value, GetParam().separator), GetParam().item);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberItemTest,
    ::testing::Values(NumberCase{100, ".", " 100 "}, NumberCase{0, ".", " 0 "},
                      NumberCase{-0.0, ".", " 0 "}, NumberCase{2.5, ",", " 2,5 "},
                      NumberCase{2.5, ".", " 2.5 "}, NumberCase{-3, ",", "-3 "},
                      NumberCase{-0.25, ",", "-0,25 "}, NumberCase{0.1, ".", " 0.1 "},
                      NumberCase{1234567.125, ",", " 1234567,125 "},
                      NumberCase{1e20, ".", " 100000000000000000000 "},
                      NumberCase{1e-5, ".", " 0.00001 "},
                      NumberCase{1000000, "\xC2\xB7", " 1000000 "}));

class TextPageTest : public ::testing::Test {
  protected:
    testing::RecordingPrinter printer;

    const std::vector<std::string>& onlyJob() {
        EXPECT_EQ(printer.jobs.size(), 1u);
        static const std::vector<std::string> none;
        return printer.jobs.empty() ? none : printer.jobs.front();
    }
};

TEST_F(TextPageTest, ColumnNBeginsNMinusOneCharactersFromTheEdge) {
    printer.moveToColumn(1);
    printer.writeText("a");
    printer.moveToColumn(5);
    printer.writeText("b");
    printer.endLine();
    printer.endJob();
    EXPECT_EQ(onlyJob(), std::vector<std::string>{"a   b"});
}

TEST_F(TextPageTest, APositionPastTheColumnGoesToTheNextLine) {
    printer.moveToColumn(3);
    printer.writeText("abcdef");  // ends before column 9
    printer.moveToColumn(9);      // exactly there: stays on the line
    printer.writeText("x");
    printer.moveToColumn(9);  // past it now: next line
    printer.writeText("y");
    printer.endLine();
    printer.endJob();
    EXPECT_EQ(onlyJob(), (std::vector<std::string>{"  abcdefx", "        y"}));
}

TEST_F(TextPageTest, CountsCharactersNotBytes) {
    printer.writeText("Würfe");
    printer.moveToColumn(7);
    printer.writeText("|");
    printer.endJob();
    EXPECT_EQ(onlyJob(), std::vector<std::string>{"Würfe |"});
}

TEST_F(TextPageTest, NumbersAndDatesAreItemsOfTheLine) {
    printer.date = "1.2.2027";
    printer.writeText("n:");
    printer.writeNumber(2.5);
    printer.writeNumber(-7);
    printer.writeDate();
    printer.endLine();
    printer.endJob();
    EXPECT_EQ(onlyJob(), std::vector<std::string>{"n: 2,5 -7 1.2.2027"});
}

TEST_F(TextPageTest, EmptyLinesAndAJobWithoutItems) {
    printer.setFontSize(12);
    printer.setBold(true);
    printer.endJob();
    EXPECT_TRUE(printer.jobs.empty()) << "font settings begin no job";

    printer.endLine();
    printer.moveToColumn(4);
    printer.endLine();
    printer.endLine();
    printer.endJob();
    EXPECT_EQ(onlyJob(), (std::vector<std::string>{"", "   ", ""}));
}

TEST_F(TextPageTest, EachJobIsHandedToTheHookAsItEnds) {
    std::ostringstream transcript;
    printer.onJobFinished = [&](const std::vector<std::string>& lines) {
        testing::writeJob(transcript, lines);
    };
    printer.writeText("eins");
    printer.endLine();
    printer.writeText("zwei");
    EXPECT_EQ(transcript.str(), "") << "nothing before the job ends";
    printer.endJob();
    printer.windowWidth = 320;
    printer.windowHeight = 200;
    printer.printWindowImage();
    EXPECT_EQ(transcript.str(), "printer| eins\nprinter| zwei\nprinter| [window image 320x200]\n");
    EXPECT_EQ(printer.jobs.size(), 2u);
}

}  // namespace
}  // namespace lurnatik
