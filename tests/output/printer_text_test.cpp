// The text printer of the tests and the scenario runner, and the number item both
// printers write: the report's layout is only as right as these. (Each finished
// job reaching the runner's transcript is the print_report scenario.)

#include <gtest/gtest.h>

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

// Columns, items and lines of the text page, every kind of call in one job.
TEST(RecordingPrinter, LaysOutColumnsInCharactersAndItemsOnTheLine) {
    testing::RecordingPrinter printer;
    printer.date = "1.2.2027";
    printer.setFontSize(12);
    printer.setBold(true);
    printer.endJob();
    EXPECT_TRUE(printer.jobs.empty()) << "font settings begin no job";

    printer.endLine();
    printer.moveToColumn(3);
    printer.writeText("Würfe");  // ends before column 8
    printer.moveToColumn(8);     // exactly there: stays on the line
    printer.writeText("x");
    printer.moveToColumn(8);  // past it now: next line
    printer.writeText("n:");
    printer.writeNumber(2.5);
    printer.writeNumber(-7);
    printer.writeDate();
    printer.endLine();
    printer.moveToColumn(4);
    printer.endLine();
    printer.endJob();
    EXPECT_EQ(printer.jobs, (std::vector<std::vector<std::string>>{
                                {"", "  Würfex", "       n: 2,5 -7 1.2.2027", "   "}}));
}

}  // namespace
}  // namespace lurnatik
