#pragma once
// The program after start-up on the scripted platform, driven as a user would.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <string_view>

#include "support/fake_platform.h"
#include "window/program.h"

namespace lurnatik::testing {

// The status texts as the window must show them.
inline const std::string kRandomText = " Der Computer erzeugt die Zahlen...";
inline const std::string kEnd = std::string("\r") + std::string(20, ' ') + "***  ENDE  *** ";

class RunTest : public ::testing::Test {
  protected:
    FakePlatform fake;
    Program program{fake.platform};
    Form1& form = program.form;
    State& s = form.state;

    void SetUp() override { program.startUp(); }

    void want(std::string_view text) { form.textanzahl.setText(text); }
    void numbers(const std::deque<int>& n) { form.generator.queueNumbers(n); }
    void click() { form.okstart.click(); }

    // Throws the numbers one per click in "Einzelschritt", wanting enough throws.
    void throwOneByOne(const std::deque<int>& n) {
        if (s.sollwuerfe < s.wurfnr + static_cast<double>(n.size())) {
            want(std::to_string(static_cast<long long>(s.wurfnr) +
                                static_cast<long long>(n.size())));
        }
        numbers(n);
        for (std::size_t i = 0; i < n.size(); ++i) {
            click();
        }
    }

    // Clicks on row r of tabelle1 as the binding reports it.
    void clickRow(int r) {
        form.tabelle1.rowSel = r;
        form.tabelle1.click();
    }

    const std::string& t1(int row, int col) const { return form.tabelle1.cell(row, col).text; }
    const std::string& t2(int row) const { return form.tabelle2.cell(row, 0).text; }

    // The sum of a column of tabelle1 read as the window shows it.
    double columnSum(int col) const;
};

}  // namespace lurnatik::testing
