#include "output/report.h"

#include <gtest/gtest.h>

#include <numeric>

#include "core/number_text.h"
#include "support/fake_platform.h"
#include "window/program.h"

namespace lurnatik {
namespace {

constexpr const char* kTitle = " K o r v e l / Z T / T e s s a l o r e n 1   Morvak 03.1";

// The text of a printed line from column `column` on (column 1 is the edge).
std::string from(const std::string& line, int column) {
    const auto start = static_cast<std::size_t>(column - 1);
    return start < line.size() ? line.substr(start) : std::string();
}

// The word that begins at `column`, up to the next blank; empty when a blank
// stands there. The character before the column must be a blank.
std::string wordAt(const std::string& line, int column) {
    const std::string rest = from(line, column);
    const auto start = static_cast<std::size_t>(column - 1);
    if (start > 0 && start <= line.size() && line[start - 1] != ' ') {
        return "<no blank before column " + std::to_string(column) + ">";
    }
    return rest.substr(0, rest.find(' '));
}

bool blank(const std::string& line) {
    return line.find_first_not_of(' ') == std::string::npos;
}

class ReportTest : public ::testing::Test {
  protected:
    testing::FakePlatform fake;
    Program program{fake.platform};
    Form1& form = program.form;

    void SetUp() override { program.startUp(); }

    // A run as the user makes one: throws wanted, a mode, Start.
    void run(const std::string& throws, int mode) {
        form.textanzahl.setText(throws);
        form.Option1.select(mode);
        form.okstart.click();
    }

    // Clicks Druck with the answer given; returns the one job printed.
    std::vector<std::string> print(Answer answer = Answer::Nein) {
        fake.messageBox.answers.push_back(answer);
        form.okdruck.click();
        EXPECT_EQ(fake.printer.jobs.size(), 1u);
        return fake.printer.jobs.empty() ? std::vector<std::string>() : fake.printer.jobs.back();
    }
};

TEST_F(ReportTest, AsksTheReportQuestion) {
    run("10", 0);
    print();
    ASSERT_EQ(fake.messageBox.asked.size(), 1u);
    EXPECT_EQ(fake.messageBox.asked[0].prompt,
              "Sollen die Druckereinstellungen noch geändert werden ?");
    EXPECT_EQ(fake.messageBox.asked[0].title, " Ausdruck Figuren1");
    EXPECT_EQ(fake.messageBox.asked[0].style, 35);
}

TEST_F(ReportTest, PrintsTheWholeReportAfterARun) {
    run("100", 1);
    const auto page = print();
    ASSERT_EQ(page.size(), 52u);

    EXPECT_TRUE(page[0].empty());
    EXPECT_TRUE(page[1].empty());
    EXPECT_EQ(page[2], std::string(14, ' ') + "Datum: 06.12.2026" + std::string(4, ' ') + kTitle);
    EXPECT_TRUE(page[3].empty());
    EXPECT_TRUE(page[4].empty());
    EXPECT_EQ(from(page[5], 15),
              " Der Computer erzeugt die Zahlen... /                     ***  ENDE  *** ");
    EXPECT_TRUE(blank(page[5].substr(0, 14)));
    EXPECT_TRUE(page[6].empty());
    EXPECT_EQ(from(page[7], 15), "Anzahl Würfe:   100 ");
    EXPECT_TRUE(page[8].empty());
    EXPECT_EQ(from(page[9], 15), "Anzahl akut :    100 ");
    for (int i = 10; i <= 12; ++i) {
        EXPECT_TRUE(page[static_cast<std::size_t>(i)].empty()) << "line " << i;
    }
    EXPECT_EQ(wordAt(page[13], 15), "ZAHL");
    EXPECT_EQ(wordAt(page[13], 25), "ANZAHL");
    EXPECT_EQ(wordAt(page[13], 35), "2fach");
    EXPECT_EQ(wordAt(page[13], 45), "3fach");
    EXPECT_TRUE(page[51].empty());
}

TEST_F(ReportTest, PrintsEveryCellOfTheFrequencyTableInItsColumn) {
    run("300", 1);
    const auto page = print();
    ASSERT_EQ(page.size(), 52u);
    double printedThrows = 0;
    for (int r = 0; r <= 36; ++r) {
        const std::string& line = page[static_cast<std::size_t>(14 + r)];
        EXPECT_EQ(wordAt(line, 15), std::to_string(r));
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(wordAt(line, 15 + 10 * c), form.tabelle1.cell(r, c).text)
                << "row " << r << ", column " << c;
        }
        printedThrows += readNumber(wordAt(line, 25));
    }
    EXPECT_EQ(printedThrows, 300);
}

TEST_F(ReportTest, EmptyCellsLeaveGapsInTheirColumns) {
    run("1", 0);
    const auto page = print();
    ASSERT_EQ(page.size(), 52u);
    const int thrown = form.state.zahl;
    for (int r = 0; r <= 36; ++r) {
        const std::string& line = page[static_cast<std::size_t>(14 + r)];
        // The print position still moves to column 45 for the empty last cell.
        EXPECT_EQ(line.size(), 44u) << "row " << r;
        EXPECT_EQ(wordAt(line, 15), std::to_string(r));
        EXPECT_EQ(wordAt(line, 25), r == thrown ? "1" : "") << "row " << r;
        EXPECT_TRUE(blank(from(line, 26))) << "row " << r;
    }
}

TEST_F(ReportTest, LeavesTheCurrentCellOfTabelle1AtTheLastCell) {
    run("10", 0);
    print();
    EXPECT_EQ(form.tabelle1.row(), 36);
    EXPECT_EQ(form.tabelle1.col(), 3);
}

TEST_F(ReportTest, NeinPrintsWithoutTheDialogAndJaShowsItFirst) {
    run("10", 0);
    print(Answer::Nein);
    EXPECT_EQ(fake.printer.setupDialogs, 0);

    fake.printer.calls.clear();
    fake.printer.jobs.clear();
    print(Answer::Ja);
    EXPECT_EQ(fake.printer.setupDialogs, 1);
    ASSERT_FALSE(fake.printer.calls.empty());
    EXPECT_EQ(fake.printer.calls.front(), "setup dialog");
    EXPECT_EQ(fake.printer.jobs.back().size(), 52u);
}

TEST_F(ReportTest, AbbrechenPrintsNothingAndLeavesTheCurrentCell) {
    run("10", 0);
    form.tabelle1.rowSel = 8;
    form.tabelle1.click();  // marking moves the current cell to row 8, column 0
    form.tabelle1.setCol(2);
    const std::string textzeile = form.state.textzeile;

    fake.messageBox.answers.push_back(Answer::Abbrechen);
    form.okdruck.click();
    EXPECT_TRUE(fake.printer.calls.empty());
    EXPECT_TRUE(fake.printer.jobs.empty());
    EXPECT_FALSE(fake.printer.printing());
    EXPECT_EQ(form.tabelle1.row(), 8);
    EXPECT_EQ(form.tabelle1.col(), 2);
    EXPECT_EQ(form.state.textzeile, textzeile);
}

TEST_F(ReportTest, SetsTheFontAndSwitchesTheAttributesAroundTheirParts) {
    run("10", 0);
    print();
    const auto& calls = fake.printer.calls;
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "font size 12");
    EXPECT_EQ(calls[1], "end line") << "nothing touched before the first empty lines";

    auto index = [&](const std::string& call, std::size_t after = 0) {
        for (std::size_t i = after; i < calls.size(); ++i) {
            if (calls[i] == call) {
                return i;
            }
        }
        ADD_FAILURE() << "no call " << call;
        return calls.size();
    };
    const std::size_t boldOn = index("bold on");
    const std::size_t date = index("date");
    const std::size_t underlineOn = index("underline on");
    const std::size_t title = index("text \"" + std::string(kTitle) + "\"");
    const std::size_t underlineOff = index("underline off");
    const std::size_t boldOff = index("bold off");
    EXPECT_LT(boldOn, date);
    EXPECT_LT(date, underlineOn);
    EXPECT_LT(underlineOn, title);
    EXPECT_LT(title, underlineOff);
    EXPECT_LT(underlineOff, boldOff);

    // The table heading is underlined, the rows are not.
    const std::size_t headingOn = index("underline on", boldOff);
    const std::size_t heading = index("text \"ZAHL\"");
    const std::size_t headingOff = index("underline off", heading);
    EXPECT_LT(headingOn, heading);
    EXPECT_GT(headingOff, index("text \"3fach\""));
    EXPECT_LT(headingOff, index("text \"0\"", heading));
    EXPECT_EQ(calls.back(), "end job");
    EXPECT_FALSE(fake.printer.printing());
}

TEST_F(ReportTest, FractionalThrowsWantedPrintWithTheirDecimals) {
    run("2.5", 0);
    const auto page = print();
    ASSERT_EQ(page.size(), 52u);
    EXPECT_EQ(from(page[7], 15), "Anzahl Würfe:   2,5 ");
    EXPECT_EQ(from(page[9], 15), "Anzahl akut :    1 ");
}

struct DateCase {
    std::string date;
    bool titleOnNextLine;
};

class ReportDateTest : public ReportTest, public ::testing::WithParamInterface<DateCase> {};

TEST_P(ReportDateTest, TheTitleFollowsTheDateOrMovesToTheNextLine) {
    fake.printer.date = GetParam().date;
    run("10", 0);
    const auto page = print();
    const std::string dated = std::string(14, ' ') + "Datum: " + GetParam().date;
    if (GetParam().titleOnNextLine) {
        ASSERT_EQ(page.size(), 53u);
        EXPECT_EQ(page[2], dated);
        EXPECT_EQ(page[3], std::string(35, ' ') + kTitle);
        EXPECT_TRUE(page[4].empty());
        EXPECT_EQ(wordAt(page[14], 15), "ZAHL");
    } else {
        ASSERT_EQ(page.size(), 52u);
        EXPECT_EQ(from(page[2], 36), kTitle);
        EXPECT_EQ(page[2].substr(0, dated.size()), dated);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dates, ReportDateTest,
    ::testing::Values(DateCase{"06.12.2026", false}, DateCase{"6.12.26", false},
                      // Ends exactly at column 36: the title follows without a gap.
                      DateCase{"Sa, 06.12.2026", false}, DateCase{"Sa., 06.12.2026", true},
                      DateCase{"Sonntag, 6. Dezember 2026", true}),
    [](const auto& info) { return "Length" + std::to_string(info.param.date.size()); });

struct StatusCase {
    const char* name;
    std::string caption;
    std::string textzeile;
    std::string zeichen;
};

class StatusLineTest : public ReportTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusLineTest, JoinsTheLinesOfTheStatusText) {
    run("10", 0);
    form.text.caption = GetParam().caption;
    const auto page = print();
    ASSERT_EQ(page.size(), 52u);
    EXPECT_EQ(page[5], std::string(14, ' ') + GetParam().textzeile);
    EXPECT_TRUE(page[6].empty());
    EXPECT_EQ(form.state.textzeile, GetParam().textzeile);
    EXPECT_EQ(form.state.zeichen, GetParam().zeichen);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, StatusLineTest,
    ::testing::Values(
        StatusCase{"TwoLines",
                   " Anzahl der gewünschten Würfe eingeben,\r  Modus wählen und Start drücken.",
                   " Anzahl der gewünschten Würfe eingeben, /   Modus wählen und Start drücken.",
                   "."},
        StatusCase{"Empty", "", "", ""}, StatusCase{"OneLine", "ein Satz", "ein Satz", "z"},
        StatusCase{"EndsInABreak", "Ende\r", "Ende / ", " / "},
        StatusCase{"OnlyBreaks", "\r\r", " /  / ", " / "},
        // Only the carriage return breaks a caption; other characters stay.
        StatusCase{"OtherControls", "a\nb\tc", "a\nb\tc", "c"},
        StatusCase{"Umlauts", "Würfe: ü", "Würfe: ü", "ü"},
        // Not UTF-8: each stray byte is a character of its own.
        StatusCase{"StrayBytes", "\xC3\r\xFC", "\xC3 / \xFC", "\xFC"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportTest, TwoReportsBuildTheStatusLineAfresh) {
    run("10", 0);
    print();
    form.text.caption = "kurz";
    fake.messageBox.answers.push_back(Answer::Nein);
    form.okdruck.click();
    EXPECT_EQ(form.state.textzeile, "kurz");
    ASSERT_EQ(fake.printer.jobs.size(), 2u);
    EXPECT_EQ(fake.printer.jobs[1][5], std::string(14, ' ') + "kurz");
}

TEST_F(ReportTest, DruckIsDisabledUntilARunStarts) {
    form.okdruck.click();
    EXPECT_TRUE(fake.messageBox.asked.empty());
    EXPECT_TRUE(fake.printer.jobs.empty());
}

}  // namespace
}  // namespace lurnatik
