#include "window/marking.h"

#include <gtest/gtest.h>

#include <string>

#include "support/program_test.h"

namespace lurnatik {
namespace {

constexpr Colour kMark = rgb(192, 255, 192);

class Marking : public testing::ProgramTest {
  protected:
    Colour mark(int n) const { return form.tabelle1.cell(n, 0).background; }
};

// A click on tabelle1, pressed on one row, released on another, whatever the
// column, marks and unmarks the number of the row where it was released.
struct Press {
    int row, col, released;
};

TEST_F(Marking, AClickTogglesTheRowWhereItWasReleased) {
    for (const Press& c : {Press{0, 0, 0}, {14, 1, 14}, {36, 2, 36}, {14, 3, 14}, {3, 0, 8}}) {
        for (const bool marks : {true, false}) {
            SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.col));
            clickRow(c.row, c.col, c.released);
            for (int n = 0; n <= 36; ++n) {
                const bool marked = marks && n == c.released;
                EXPECT_EQ(mark(n), marked ? kMark : colours::none) << n;
                EXPECT_EQ(t2(n), marked ? " " : "") << n;
            }
            EXPECT_EQ(form.tabelle1.row(), c.released);
            EXPECT_EQ(form.tabelle1.col(), 0);
            EXPECT_EQ(form.tabelle2.row(), c.released);
        }
    }
}

TEST_F(Marking, ARecordWaitsForTheNextThrowAndGoesWithTheMark) {
    throwOneByOne({9, 4});
    clickRow(9, 1);
    EXPECT_EQ(t2(9), " ") << "marked after it came, it waits";
    throwOneByOne({9});
    EXPECT_EQ(t2(9), "3");
    clickRow(9, 2);
    EXPECT_EQ(t2(9), "");
    clickRow(9, 3);
    EXPECT_EQ(t2(9), " ");
}

// A release outside the rows, a cell of another colour than the mark, and any
// click on tabelle2.
TEST_F(Marking, ClicksThatNameNoMarkableNumberChangeNothing) {
    clickRow(6);
    throwOneByOne({6, 1});
    form.tabelle1.setRow(5);
    form.tabelle1.setCol(0);
    form.tabelle1.setCellBackground(rgb(1, 2, 3));
    form.tabelle2.setRow(5);
    form.tabelle2.setText("x");
    const auto before = testing::snapshot(form);
    for (int r : {-1, 37, 5}) {
        form.tabelle1.rowSel = r;
        form.tabelle1.click();
    }
    for (int r : {0, 6, 36}) {
        form.tabelle2.rowSel = r;
        form.tabelle2.click();
    }
    EXPECT_EQ(testing::snapshot(form), before);
}

// Command1 sets the records back to waiting and keeps the marks; okresetl
// removes every mark and record. Both leave the counts.
TEST_F(Marking, ClearingButtonsEmptyTabelle2ButForWaitingMarks) {
    clickRow(0);
    clickRow(36);
    throwOneByOne({36, 0});
    ASSERT_EQ(t2(36), "1");
    ASSERT_EQ(t2(0), "2");
    for (bool keepsMarks : {true, false}) {
        form.tabelle2.setRow(11);
        form.tabelle2.setText("x");
        (keepsMarks ? form.Command1 : form.okresetl).click();
        for (int n = 0; n <= 36; ++n) {
            const bool marked = keepsMarks && (n == 0 || n == 36);
            EXPECT_EQ(t2(n), marked ? " " : "") << n;
            EXPECT_EQ(mark(n), marked ? kMark : colours::none) << n;
        }
        EXPECT_EQ(t1(36, 1), "1");
        EXPECT_EQ(form.tabelle1.row(), 36);
        EXPECT_EQ(form.tabelle1.col(), 0);
        EXPECT_EQ(form.tabelle2.row(), 36);
    }
}

}  // namespace
}  // namespace lurnatik
