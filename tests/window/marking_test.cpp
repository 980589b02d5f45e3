#include "window/marking.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "support/fake_platform.h"
#include "window/program.h"

namespace lurnatik {
namespace {

constexpr Colour kMark = rgb(192, 255, 192);

class Marking : public ::testing::Test {
  protected:
    testing::FakePlatform fake;
    Program program{fake.platform};
    Form1& form = program.form;

    void SetUp() override { program.startUp(); }

    // A click that the binding reports with the row where the button came up.
    void clickTabelle1(int row, int col) {
        form.tabelle1.setRow(row);
        form.tabelle1.setCol(col);
        form.tabelle1.rowSel = row;
        form.tabelle1.click();
    }
    void dragTabelle1(int from, int to) {
        form.tabelle1.setRow(from);
        form.tabelle1.rowSel = to;
        form.tabelle1.click();
    }
    Colour mark(int n) const { return form.tabelle1.cell(n, 0).background; }
    const std::string& t2(int n) const { return form.tabelle2.cell(n, 0).text; }
    void writeT2(int n, const char* text) {
        form.tabelle2.setRow(n);
        form.tabelle2.setText(text);
    }
    void throwNumbers(std::deque<int> numbers) {
        form.textanzahl.setText(std::to_string(static_cast<long long>(form.state.wurfnr) +
                                               static_cast<long long>(numbers.size())));
        form.generator.queueNumbers(numbers);
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            form.okstart.click();
        }
    }

    // Every cell of both grids, and their current cells.
    using Snapshot = std::vector<std::pair<std::string, Colour>>;
    Snapshot snapshot() const {
        Snapshot s;
        for (int r = 0; r <= 36; ++r) {
            for (int c = 0; c < 4; ++c) {
                s.emplace_back(form.tabelle1.cell(r, c).text, form.tabelle1.cell(r, c).background);
            }
            s.emplace_back(form.tabelle2.cell(r, 0).text, form.tabelle2.cell(r, 0).background);
        }
        s.emplace_back(std::to_string(form.tabelle1.row()), form.tabelle1.col());
        s.emplace_back(std::to_string(form.tabelle2.row()), form.tabelle2.col());
        return s;
    }
};

class ClickedColumn : public Marking, public ::testing::WithParamInterface<int> {};

TEST_P(ClickedColumn, TogglesTheRowsNumber) {
    const int col = GetParam();
    clickTabelle1(14, col);
    EXPECT_EQ(mark(14), kMark);
    EXPECT_EQ(t2(14), " ");
    EXPECT_EQ(form.tabelle1.row(), 14);
    EXPECT_EQ(form.tabelle1.col(), 0);
    EXPECT_EQ(form.tabelle2.row(), 14);

    clickTabelle1(14, col);
    EXPECT_EQ(mark(14), colours::none);
    EXPECT_EQ(t2(14), "");
    EXPECT_EQ(form.tabelle1.col(), 0);
}

INSTANTIATE_TEST_SUITE_P(Columns, ClickedColumn, ::testing::Range(0, 4));

TEST_F(Marking, NumberZeroCanBeMarked) {
    clickTabelle1(0, 0);
    EXPECT_EQ(mark(0), kMark);
    EXPECT_EQ(t2(0), " ");
}

TEST_F(Marking, ANumberMarkedAfterItCameWaitsForItsNextThrow) {
    throwNumbers({9, 4});
    clickTabelle1(9, 1);
    EXPECT_EQ(t2(9), " ");
    throwNumbers({9});
    EXPECT_EQ(t2(9), "3");
}

TEST_F(Marking, UnmarkingDiscardsTheRecordAndMarkingAgainWaits) {
    clickTabelle1(22, 0);
    throwNumbers({22});
    ASSERT_EQ(t2(22), "1");
    clickTabelle1(22, 2);
    EXPECT_EQ(t2(22), "");
    clickTabelle1(22, 3);
    EXPECT_EQ(t2(22), " ");
}

TEST_F(Marking, ADragTogglesOnlyTheRowWhereItEnded) {
    dragTabelle1(3, 8);
    for (int n = 0; n <= 36; ++n) {
        EXPECT_EQ(mark(n), n == 8 ? kMark : colours::none) << n;
        EXPECT_EQ(t2(n), n == 8 ? " " : "") << n;
    }
    EXPECT_EQ(form.tabelle1.row(), 8);
}

TEST_F(Marking, ARowSelOutsideTheGridChangesNothing) {
    const Snapshot before = snapshot();
    for (int r : {-1, 37}) {
        form.tabelle1.rowSel = r;
        form.tabelle1.click();
    }
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Marking, AColourOtherThanTheMarkIsLeftAlone) {
    form.tabelle1.setRow(5);
    form.tabelle1.setCol(0);
    form.tabelle1.setCellBackground(rgb(1, 2, 3));
    writeT2(5, "x");
    clickTabelle1(5, 2);
    EXPECT_EQ(mark(5), rgb(1, 2, 3));
    EXPECT_EQ(t2(5), "x");
}

TEST_F(Marking, ResetWithNothingMarkedEmptiesTabelle2) {
    writeT2(3, " ");
    writeT2(4, "17");
    writeT2(36, "x");
    form.okresetl.click();
    for (int n = 0; n <= 36; ++n) {
        EXPECT_EQ(t2(n), "") << n;
        EXPECT_EQ(mark(n), colours::none) << n;
    }
    EXPECT_EQ(form.tabelle1.row(), 36);
    EXPECT_EQ(form.tabelle1.col(), 0);
    EXPECT_EQ(form.tabelle2.row(), 36);
}

TEST_F(Marking, ResetRemovesEveryMarkAndRecord) {
    clickTabelle1(0, 0);
    clickTabelle1(17, 1);
    clickTabelle1(36, 3);
    throwNumbers({17});
    form.okresetl.click();
    for (int n = 0; n <= 36; ++n) {
        EXPECT_EQ(t2(n), "") << n;
        EXPECT_EQ(mark(n), colours::none) << n;
    }
    EXPECT_EQ(form.tabelle1.cell(17, 1).text, "1") << "the counts stay";
}

TEST_F(Marking, ClearingRecordsWithNothingMarkedEmptiesTabelle2) {
    writeT2(3, " ");
    writeT2(4, "17");
    form.Command1.click();
    for (int n = 0; n <= 36; ++n) {
        EXPECT_EQ(t2(n), "") << n;
    }
}

TEST_F(Marking, ClearingRecordsKeepsTheMarksWaiting) {
    clickTabelle1(2, 0);
    clickTabelle1(30, 0);
    throwNumbers({30, 2});
    ASSERT_EQ(t2(30), "1");
    ASSERT_EQ(t2(2), "2");
    writeT2(11, "x");
    form.Command1.click();
    for (int n = 0; n <= 36; ++n) {
        const bool marked = n == 2 || n == 30;
        EXPECT_EQ(t2(n), marked ? " " : "") << n;
        EXPECT_EQ(mark(n), marked ? kMark : colours::none) << n;
    }
    EXPECT_EQ(form.tabelle1.row(), 36);
    EXPECT_EQ(form.tabelle1.col(), 0);
    EXPECT_EQ(form.tabelle2.row(), 36);
}

TEST_F(Marking, ClickingTabelle2ChangesNothing) {
    clickTabelle1(6, 0);
    throwNumbers({6, 1});
    const Snapshot before = snapshot();
    for (int r : {0, 6, 36}) {
        form.tabelle2.rowSel = r;
        form.tabelle2.click();
    }
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
}  // namespace lurnatik
