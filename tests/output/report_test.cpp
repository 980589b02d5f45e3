#include "output/report.h"

#include <gtest/gtest.h>

#include "support/program_test.h"

namespace lurnatik {
namespace {

// The whole page after a run is in the print_report scenario; these are the
// parts it cannot show.

constexpr const char* kTitle = " K o r v e l / Z T / T e s s a l o r e n 1   Morvak 03.1";

class Report : public testing::ProgramTest {
  protected:
    // The page okdruck prints without the printer settings.
    std::vector<std::string> print() {
        fake.messageBox.answers.push_back(Answer::Nein);
        form.okdruck.click();
        return fake.printer.jobs.empty() ? std::vector<std::string>{} : fake.printer.jobs.back();
    }
};

std::string fromColumn15(const std::string& text) {
    return std::string(14, ' ') + text;
}

TEST_F(Report, BoldDatedTitleUnderlinedHeadingAndTheCurrentCellAtTheLastCell) {
    run("10", 0);
    print();
    const std::string title = "text \"" + std::string(kTitle) + "\"";
    std::vector<std::string> marks;
    for (const std::string& call : fake.printer.calls) {
        for (const char* kept : {"font", "bold", "underline", "date", "end job", "text \"0\"",
                                 "text \"ZAHL\"", "text \"3fach\"", title.c_str()}) {
            if (call.rfind(kept, 0) == 0) {
                marks.push_back(call);
            }
        }
    }
    EXPECT_EQ(marks, (std::vector<std::string>{"font size 12", "bold on", "date", "underline on",
                                               title, "underline off", "bold off", "underline on",
                                               "text \"ZAHL\"", "text \"3fach\"", "underline off",
                                               "text \"0\"", "end job"}));
    EXPECT_EQ(form.tabelle1.row(), 36);
    EXPECT_EQ(form.tabelle1.col(), 3);
}

// A job cut off by an error is aborted; the next report is a page of its own.
TEST_F(Report, AJobCutOffByAnErrorIsNotContinuedByTheNext) {
    struct Jamming : testing::RecordingPrinter {
        int textsLeft = 3;
        void writeText(std::string_view text) override {
            if (textsLeft-- == 0) {
                throw std::runtime_error("paper jam");
            }
            RecordingPrinter::writeText(text);
        }
    } printer;
    Platform platform{fake.messageBox, fake.clock, fake.locale, fake.files, printer, fake.session};
    fake.messageBox.answers = {Answer::Nein, Answer::Nein};
    EXPECT_THROW(printReport(form, platform), std::runtime_error);
    printReport(form, platform);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].size(), 52u);
}

TEST_F(Report, AFractionalWantIsWrittenWithTheDecimalComma) {
    run("2.5", 0);
    const auto page = print();
    ASSERT_EQ(page.size(), 52u);
    EXPECT_EQ(page[7], fromColumn15("Anzahl Würfe:   2,5 "));
    EXPECT_EQ(page[9], fromColumn15("Anzahl akut :    1 "));
}

// The title begins in column 36, after the date; a date that reaches it puts
// the title on a line of its own, counting characters, not bytes.
TEST_F(Report, TheDateLineHoldsTheTitleWhereTheDateLeavesRoom) {
    run("10", 0);
    const struct {
        std::string date;
        bool titleBelow;
    } cases[] = {{"06.12.2026", false},
                 {"6.12.26", false},
                 {"Fr, 6. März 26", false},
                 {"Sa., 06.12.2026", true},
                 {"Sonntag, 6. Dezember 2026", true}};
    for (const auto& c : cases) {
        fake.printer.date = c.date;
        const auto page = print();
        const std::string dated = fromColumn15("Datum: " + c.date);
        ASSERT_EQ(page.size(), c.titleBelow ? 53u : 52u) << c.date;
        if (c.titleBelow) {
            EXPECT_EQ(page[2] + "|" + page[3] + "|" + page[4],
                      dated + "|" + std::string(35, ' ') + kTitle + "|");
        } else {
            const std::size_t gap = 35 - std::min<std::size_t>(dated.size(), 35);  // ASCII dates
            EXPECT_EQ(page[2], dated + std::string(gap, ' ') + kTitle);
        }
    }
}

// The status text's lines joined by " / "; only the carriage return breaks a
// caption. Not UTF-8: each stray byte is a character of its own.
TEST_F(Report, TheStatusTextIsOneLineAndItsLastCharacterIsKept) {
    run("10", 0);
    const struct {
        const char* caption;
        const char* line;
        const char* zeichen;
    } cases[] = {
        {"", "", ""},
        {" Anzahl der gewünschten Würfe eingeben,\r  Modus wählen und Start drücken.",
         " Anzahl der gewünschten Würfe eingeben, /   Modus wählen und Start drücken.", "."},
        {"Ende\r", "Ende / ", " / "},
        {"a\nb\tc", "a\nb\tc", "c"},
        {"Würfe: ü", "Würfe: ü", "ü"},
        {"\xC3\r\xFC", "\xC3 / \xFC", "\xFC"}};
    for (const auto& c : cases) {
        form.text.caption = c.caption;
        const auto page = print();
        ASSERT_EQ(page.size(), 52u) << c.caption;
        EXPECT_EQ(page[5] + "|" + page[6], fromColumn15(c.line) + "|") << c.caption;
        EXPECT_EQ(s.zeichen, c.zeichen) << c.caption;
    }
}

}  // namespace
}  // namespace lurnatik
