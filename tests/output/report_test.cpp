#include "output/report.h"

#include <gtest/gtest.h>

#include "support/program_test.h"

namespace lurnatik {
namespace {

// The whole page after a run is in the print_report scenario; these are the
// parts it cannot show.

constexpr const char* kTitle = " K o r v e l / Z T / T e s s a l o r e n 1   Morvak 03.1";

using Report = testing::ProgramTest;

TEST_F(Report, BoldDatedTitleUnderlinedHeadingAndTheCurrentCellAtTheLastCell) {
    run("10", 0);
    fake.messageBox.answers.push_back(Answer::Nein);
    form.okdruck.click();
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

std::string fromColumn15(const std::string& text) {
    return std::string(14, ' ') + text;
}

// The dated line with the title in column 36.
std::string titled(const std::string& date) {
    std::string line = fromColumn15("Datum: " + date);
    line.resize(35, ' ');
    return line + kTitle;
}

struct Page {
    const char* wanted;
    std::string date;
    std::string caption;  // of the status text
    std::size_t size;
    std::vector<std::pair<std::size_t, std::string>> lines;  // index and whole line
    std::string zeichen;
};

class ReportPage : public Report, public ::testing::WithParamInterface<Page> {};

TEST_P(ReportPage, ShowsTheLinesOfTheRun) {
    const Page& c = GetParam();
    run(c.wanted, 0);
    fake.printer.date = c.date;
    form.text.caption = c.caption;
    fake.messageBox.answers.push_back(Answer::Nein);
    form.okdruck.click();
    ASSERT_EQ(fake.printer.jobs.size(), 1u);
    const std::vector<std::string>& page = fake.printer.jobs[0];
    ASSERT_EQ(page.size(), c.size);
    for (const auto& [index, line] : c.lines) {
        EXPECT_EQ(page[index], line) << "line " << index;
    }
    EXPECT_EQ(s.zeichen, c.zeichen);
}

const std::string kDate = "06.12.2026";
const std::string kTitleAlone = std::string(35, ' ') + kTitle;

INSTANTIATE_TEST_SUITE_P(
    Rows, ReportPage,
    ::testing::Values(
        Page{"2.5",
             kDate,
             "",
             52,
             {{7, fromColumn15("Anzahl Würfe:   2,5 ")}, {9, fromColumn15("Anzahl akut :    1 ")}},
             ""},
        Page{"10", kDate, "", 52, {{2, titled(kDate)}, {5, fromColumn15("")}}, ""},
        Page{"10", "6.12.26", "", 52, {{2, titled("6.12.26")}}, ""},
        // Ends exactly at column 36 counting characters, not bytes: the title
        // follows without a gap.
        Page{"10",
             "Fr, 6. März 26",
             "",
             52,
             {{2, fromColumn15("Datum: Fr, 6. März 26") + kTitle}},
             ""},
        Page{"10",
             "Sa., 06.12.2026",
             "",
             53,
             {{2, fromColumn15("Datum: Sa., 06.12.2026")}, {3, kTitleAlone}, {4, ""}},
             ""},
        Page{"10",
             "Sonntag, 6. Dezember 2026",
             "",
             53,
             {{2, fromColumn15("Datum: Sonntag, 6. Dezember 2026")}, {3, kTitleAlone}, {4, ""}},
             ""},
        // The status text's lines joined by " / ".
        Page{"10",
             kDate,
             " Anzahl der gewünschten Würfe eingeben,\r  Modus wählen und Start drücken.",
             52,
             {{5, fromColumn15(" Anzahl der gewünschten Würfe eingeben, /   Modus wählen und "
                               "Start drücken.")},
              {6, ""}},
             "."},
        Page{"10", kDate, "Ende\r", 52, {{5, fromColumn15("Ende / ")}, {6, ""}}, " / "},
        // Only the carriage return breaks a caption; other characters stay.
        Page{"10", kDate, "a\nb\tc", 52, {{5, fromColumn15("a\nb\tc")}}, "c"},
        Page{"10", kDate, "Würfe: ü", 52, {{5, fromColumn15("Würfe: ü")}}, "ü"},
        // Not UTF-8: each stray byte is a character of its own.
        Page{"10", kDate, "\xC3\r\xFC", 52, {{5, fromColumn15("\xC3 / \xFC")}}, "\xFC"}));

}  // namespace
}  // namespace lurnatik
