#include "output/report.h"

#include <gtest/gtest.h>

#include "support/program_test.h"

namespace lurnatik {
namespace {

// The whole page after a run is in the print_report scenario; these are the
// parts it cannot show.

constexpr const char* kTitle = " K o r v e l / Z T / T e s s a l o r e n 1   Morvak 03.1";

// The text of a printed line from column `column` on (column 1 is the edge).
std::string from(const std::string& line, int column) {
    const auto start = static_cast<std::size_t>(column - 1);
    return start < line.size() ? line.substr(start) : std::string();
}

class Report : public testing::ProgramTest {
  protected:
    // Clicks Druck answering Nein; returns the page of the last job.
    std::vector<std::string> print() {
        fake.messageBox.answers.push_back(Answer::Nein);
        form.okdruck.click();
        return fake.printer.jobs.empty() ? std::vector<std::string>() : fake.printer.jobs.back();
    }
};

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
    EXPECT_FALSE(fake.printer.printing());
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
    EXPECT_FALSE(printer.printing());
    printReport(form, platform);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].size(), 52u);
}

TEST_F(Report, FractionalThrowsWantedPrintWithTheirDecimals) {
    run("2.5", 0);
    const auto page = print();
    ASSERT_EQ(page.size(), 52u);
    EXPECT_EQ(from(page[7], 15), "Anzahl Würfe:   2,5 ");
    EXPECT_EQ(from(page[9], 15), "Anzahl akut :    1 ");
}

struct Dated {
    std::string date;
    bool titleOnNextLine;
};

TEST_F(Report, TheTitleFollowsTheDateOrMovesToTheNextLine) {
    run("10", 0);
    for (const Dated& c : {Dated{"06.12.2026", false}, Dated{"6.12.26", false},
                           // Ends exactly at column 36: the title follows without a gap.
                           Dated{"Sa, 06.12.2026", false}, Dated{"Sa., 06.12.2026", true},
                           Dated{"Sonntag, 6. Dezember 2026", true}}) {
        SCOPED_TRACE(c.date);
        fake.printer.date = c.date;
        const auto page = print();
        const std::string dated = std::string(14, ' ') + "Datum: " + c.date;
        if (c.titleOnNextLine) {
            ASSERT_EQ(page.size(), 53u);
            EXPECT_EQ(page[2], dated);
            EXPECT_EQ(page[3], std::string(35, ' ') + kTitle);
            EXPECT_TRUE(page[4].empty());
            EXPECT_EQ(from(page[14], 15).substr(0, 5), "ZAHL ");
        } else {
            ASSERT_EQ(page.size(), 52u);
            EXPECT_EQ(from(page[2], 36), kTitle);
            EXPECT_EQ(page[2].substr(0, dated.size()), dated);
        }
    }
}

struct Status {
    std::string caption;
    std::string textzeile;
    std::string zeichen;
};

// One report after another, so the line is built afresh each time.
TEST_F(Report, JoinsTheLinesOfTheStatusText) {
    run("10", 0);
    for (const Status& c :
         {Status{" Anzahl der gewünschten Würfe eingeben,\r  Modus wählen und Start drücken.",
                 " Anzahl der gewünschten Würfe eingeben, /   Modus wählen und Start drücken.",
                 "."},
          Status{"", "", ""}, Status{"Ende\r", "Ende / ", " / "},
          // Only the carriage return breaks a caption; other characters stay.
          Status{"a\nb\tc", "a\nb\tc", "c"}, Status{"Würfe: ü", "Würfe: ü", "ü"},
          // Not UTF-8: each stray byte is a character of its own.
          Status{"\xC3\r\xFC", "\xC3 / \xFC", "\xFC"}}) {
        form.text.caption = c.caption;
        const auto page = print();
        ASSERT_EQ(page.size(), 52u);
        EXPECT_EQ(page[5], std::string(14, ' ') + c.textzeile);
        EXPECT_TRUE(page[6].empty());
        EXPECT_EQ(s.textzeile, c.textzeile);
        EXPECT_EQ(s.zeichen, c.zeichen);
    }
}

// Druck and Copy ask first: Abbrechen does nothing at all, Nein prints at once,
// Ja shows the printer setup first.
struct Printed {
    Button Form1::*button;
    Answer answer;
    int setupDialogs;
    std::size_t lines;  // of the job printed; 0: none
};

TEST_F(Report, DruckAndCopyPrintAsTheAnswerSays) {
    run("10", 0);
    clickRow(8);
    form.tabelle1.setCol(2);
    int index = 0;
    for (const Printed& c :
         {Printed{&Form1::okdruck, Answer::Abbrechen, 0, 0},
          Printed{&Form1::okdruck, Answer::Nein, 0, 52},
          Printed{&Form1::okdruck, Answer::Ja, 1, 52},
          Printed{&Form1::okcopy, Answer::Abbrechen, 0, 0},
          Printed{&Form1::okcopy, Answer::Nein, 0, 1}, Printed{&Form1::okcopy, Answer::Ja, 1, 1}}) {
        SCOPED_TRACE("case " + std::to_string(index++));
        fake.printer.calls.clear();
        fake.printer.jobs.clear();
        fake.printer.setupDialogs = 0;
        const auto before = testing::snapshot(form);
        fake.messageBox.answers.push_back(c.answer);
        (form.*c.button).click();
        EXPECT_EQ(fake.printer.setupDialogs, c.setupDialogs);
        if (c.lines == 0) {
            EXPECT_TRUE(fake.printer.calls.empty());
            EXPECT_EQ(testing::snapshot(form), before);
            continue;
        }
        ASSERT_EQ(fake.printer.jobs.size(), 1u);
        EXPECT_EQ(fake.printer.jobs[0].size(), c.lines);
        EXPECT_EQ(fake.printer.calls.front() == "setup dialog", c.setupDialogs == 1);
    }
}

}  // namespace
}  // namespace lurnatik
