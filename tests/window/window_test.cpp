#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/program_test.h"

namespace lurnatik {
namespace {

constexpr Colour kMark = rgb(192, 255, 192);

class Window : public testing::ProgramTest {
  protected:
    // Exactly these numbers are marked and wait for their next throw, and the
    // current cells are at the start of the row given.
    void expectMarks(const std::vector<int>& marked, int row) {
        for (int n = 0; n <= 36; ++n) {
            const bool m = std::find(marked.begin(), marked.end(), n) != marked.end();
            EXPECT_EQ(form.tabelle1.cell(n, 0).background, m ? kMark : colours::none) << n;
            EXPECT_EQ(t2(n), m ? " " : "") << n;
        }
        EXPECT_EQ(std::pair(form.tabelle1.row(), form.tabelle1.col()), std::pair(row, 0));
        EXPECT_EQ(form.tabelle2.row(), row);
    }
};

// A click on tabelle1, pressed on one row, released on another, whatever the
// column, marks and unmarks the number of the row where it was released.
TEST_F(Window, AClickTogglesTheRowWhereItWasReleased) {
    const struct {
        int row, col, released;
    } presses[] = {{0, 0, 0}, {14, 1, 14}, {36, 2, 36}, {14, 3, 14}, {3, 0, 8}};
    for (const auto& c : presses) {
        for (const bool marks : {true, false}) {
            SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.col));
            clickRow(c.row, c.col, c.released);
            expectMarks(marks ? std::vector<int>{c.released} : std::vector<int>{}, c.released);
        }
    }
}

// A release outside the rows, a cell of another colour than the mark, and any
// click on tabelle2.
TEST_F(Window, ClicksThatNameNoMarkableNumberChangeNothing) {
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

// A confirmed restart makes the window equal one fresh from start-up with the
// same mark, mode and halt throw, the rotation's colour, the last number thrown
// and the current cells where the refresh of tabelle2 leaves them.
TEST_F(Window, AConfirmedRestartLeavesTheWindowAsFromStartUp) {
    // A rotation of 37 with 5 marked, a halt at throw 40, then Rotation/37 chosen
    // again, as if after an import.
    std::deque<int> throws = {5, 5, 5, 20};
    throws.resize(37, 1);
    throws.insert(throws.end(), {36, 36, 36});
    numbers(throws);
    clickRow(5);
    run("100", 3);
    form.Option1.select(2);
    form.haltbei.setText("40");
    click();
    ASSERT_EQ(s.wurfnr, 40);
    form.Option1.select(3);
    s.importmodus = 1;
    fake.messageBox.answers = {Answer::Ja};
    Program ground{fake.platform};
    ground.startUp();
    Form1& g = ground.form;
    g.tabelle1.rowSel = 5;
    g.tabelle1.click();
    g.Option1.preset(3);
    g.state.haltwurf = 40;
    g.state.zahl = s.zahl;
    g.Lrotat.background = rgb(128, 255, 128);
    g.tabelle1.setRow(36);
    g.tabelle2.setRow(36);
    int textanzahlChanges = 0;
    form.textanzahl.onChange = [&] { ++textanzahlChanges; };
    form.okabbrechen.click();
    EXPECT_EQ(testing::snapshot(form), testing::snapshot(g));
    EXPECT_EQ(textanzahlChanges, 1) << "emptying textanzahl runs its change handling";
}

}  // namespace
}  // namespace lurnatik
