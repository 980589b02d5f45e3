// The printed report, each confirmation by answer (its question, the setup
// dialog before printing, the page printed, quitting, and a window left as it
// was), and the info text.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

#include "output/info_text.h"
#include "output/report.h"
#include "platform/file_reading.h"
#include "support/program_test.h"
#include "support/temp_dir.h"

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
    static std::string fromColumn15(const std::string& s) { return std::string(14, ' ') + s; }
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
    EXPECT_EQ(std::pair(form.tabelle1.row(), form.tabelle1.col()), std::pair(36, 3));
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

// The head of the page. The title begins in column 36, after the date; a date
// that reaches it puts the title on a line of its own, counting characters, not
// bytes. The status text's lines are joined by " / "; only the carriage return
// breaks a caption. Not UTF-8: each stray byte is a character of its own. A
// fractional want is written with the decimal comma.
TEST_F(Report, TheHeadHoldsDateTitleStatusTextAndCounts) {
    run("2.5", 0);
    const struct {
        std::string date;
        bool titleBelow;
        const char* caption;
        const char* line;
        const char* zeichen;
    } cases[] = {
        {"06.12.2026", false, "", "", ""},
        {"6.12.26", false,
         " Anzahl der gewünschten Würfe eingeben,\r  Modus wählen und Start drücken.",
         " Anzahl der gewünschten Würfe eingeben, /   Modus wählen und Start drücken.", "."},
        {"Fr, 6. März 26", false, "Ende\r", "Ende / ", " / "},
        {"Sa., 06.12.2026", true, "a\nb\tc", "a\nb\tc", "c"},
        {"Sonntag, 6. Dezember 2026", true, "Würfe: ü", "Würfe: ü", "ü"},
        {"06.12.2026", false, "\xC3\r\xFC", "\xC3 / \xFC", "\xFC"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date + " " + c.caption);
        fake.printer.date = c.date;
        form.text.caption = c.caption;
        const auto page = print();
        const std::string dated = fromColumn15("Datum: " + c.date);
        ASSERT_EQ(page.size(), c.titleBelow ? 53u : 52u);
        if (c.titleBelow) {
            EXPECT_EQ(page[2] + "|" + page[3] + "|" + page[4],
                      dated + "|" + std::string(35, ' ') + kTitle + "|");
        } else {
            const std::size_t gap = 35 - std::min<std::size_t>(dated.size(), 35);  // ASCII dates
            EXPECT_EQ(page[2], dated + std::string(gap, ' ') + kTitle);
        }
        const std::size_t at = c.titleBelow ? 6 : 5;
        EXPECT_EQ(page[at - 1] + "|" + page[at] + "|" + page[at + 1],
                  "|" + fromColumn15(c.line) + "|");
        EXPECT_EQ(s.zeichen, c.zeichen);
        EXPECT_EQ(page[at + 2] + "|" + page[at + 4],
                  fromColumn15("Anzahl Würfe:   2,5 ") + "|" + fromColumn15("Anzahl akut :    1 "));
    }
}

constexpr const char* kAbort = "Abbruch bitte bestätigen !     ";
constexpr const char* kPrinting = "Sollen die Druckereinstellungen noch geändert werden ?";
constexpr const char* kQuitting = "Soll das Programm beendet werden ?     ";
constexpr const char* kFigures = " Ausdruck Figuren1";
constexpr const char* kTrend = " Ausdruck Tendenz1";

struct Confirmed {
    Button Form1::*button;
    Answer answer;
    const char* prompt;
    const char* title;
    int style;  // Yes/No (36) or Yes/No/Cancel (35)
    int setupDialogs;
    std::size_t lines;  // of the job printed; 0: none
    bool quits;
    bool unchanged;
};
const Confirmed kConfirmed[] = {
    {&Form1::okabbrechen, Answer::Nein, kAbort, " Abbruch", 36, 0, 0, false, true},
    {&Form1::okende, Answer::Nein, kQuitting, " Beenden", 36, 0, 0, false, true},
    {&Form1::okende, Answer::Ja, kQuitting, " Beenden", 36, 0, 0, true, true},
    {&Form1::okdruck, Answer::Abbrechen, kPrinting, kFigures, 35, 0, 0, false, true},
    {&Form1::okdruck, Answer::Nein, kPrinting, kFigures, 35, 0, 52, false, false},
    {&Form1::okdruck, Answer::Ja, kPrinting, kFigures, 35, 1, 52, false, false},
    {&Form1::okcopy, Answer::Abbrechen, kPrinting, kTrend, 35, 0, 0, false, true},
    {&Form1::okcopy, Answer::Nein, kPrinting, kTrend, 35, 0, 1, false, true},
    {&Form1::okcopy, Answer::Ja, kPrinting, kTrend, 35, 1, 1, false, true}};

class Confirmation : public Report, public ::testing::WithParamInterface<Confirmed> {};

TEST_P(Confirmation, AsksItsQuestionAndDoesWhatTheAnswerSays) {
    const Confirmed& c = GetParam();
    run("10", 0);
    clickRow(8);
    form.tabelle1.setCol(2);
    const auto before = testing::snapshot(form);
    fake.messageBox.answers.push_back(c.answer);
    (form.*c.button).click();
    const std::vector<std::string>& calls = fake.printer.calls;
    ASSERT_EQ(fake.messageBox.asked.size(), 1u);
    EXPECT_EQ(fake.messageBox.asked[0].prompt, c.prompt);
    EXPECT_EQ(fake.messageBox.asked[0].title, c.title);
    EXPECT_EQ(fake.messageBox.asked[0].style, c.style);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "setup dialog"), c.setupDialogs);
    EXPECT_EQ(fake.session.quitted, c.quits);
    EXPECT_EQ(testing::snapshot(form) == before, c.unchanged);
    if (c.lines == 0) {
        EXPECT_TRUE(calls.empty());
        return;
    }
    ASSERT_EQ(fake.printer.jobs.size(), 1u);
    EXPECT_EQ(fake.printer.jobs[0].size(), c.lines);
    EXPECT_EQ(calls.front() == "setup dialog", c.setupDialogs == 1);
}

INSTANTIATE_TEST_SUITE_P(ByAnswer, Confirmation, ::testing::ValuesIn(kConfirmed));

using namespace std::string_literals;

constexpr const char* kFailureText = "Problem:\nKann die Datei Info_Lurnatik1.txt nicht finden.";

using InfoText = Report;
using Opened = std::pair<std::optional<std::string>, std::string>;  // bytes, nullopt: no file

// Each opening reads the file as it is now, in UTF-8 with line feeds, and
// closing hides and empties the box, leaving all else as it was.
TEST_F(InfoText, ShowsTheFileAsItIsAtEachOpeningOrTheProblemWhenItIsMissing) {
    const testing::TempDir programDir;
    fake.session.directory = programDir.path();
    const auto closed = testing::snapshot(form);
    for (const auto& [bytes, shown] :
         {Opened{std::nullopt, kFailureText}, Opened{"alt", "alt"}, Opened{"neu", "neu"},
          Opened{"\xEF\xBB\xBFÜber", "Über"},
          Opened{"\334ber W\374rfe \200 \204a\223", "Über Würfe € „a“"},
          Opened{"eins\r\nzwei\r\n\r\ndrei", "eins\nzwei\n\ndrei"},
          Opened{"eins\rzwei", "eins\nzwei"}, Opened{"", ""},
          Opened{"\xFF\xFE\xDC\0b\0\r\0\n\0x\0\x1A\0"s, "Üb\nx"}, Opened{"a\x1A", "a"},
          Opened{std::nullopt, kFailureText}}) {
        if (bytes) {
            programDir.write(kInfoFileName, *bytes);
        } else {
            std::filesystem::remove(programDir.file(kInfoFileName));
        }
        form.okinfo.click();
        EXPECT_TRUE(form.infotext.visible);
        EXPECT_EQ(form.infotext.text, shown);
        EXPECT_EQ(form.okinfo.caption, "Ende Info");
        form.okinfo.click();
        EXPECT_EQ(testing::snapshot(form), closed) << shown;
    }
    EXPECT_TRUE(fake.messageBox.asked.empty());
}

// A file whose text would not fit the memory once shown, or a program directory
// that names no file: the box shows the problem, and no other file is read.
TEST_F(InfoText, AFileThatCannotBeHeldOrAnUnknownDirectoryShowsTheProblem) {
    struct Files : DiskFileSystem {
        std::optional<std::string> readFile(const std::string& path, std::uint64_t,
                                            const MemoryCheck&) override {
            return path.rfind('/', 0) == 0 ? std::string(1000, 'x') : path;  // either is shown
        }
    } files;
    fake.memory.available = kMemoryReserve + 2000;
    Platform platform{fake.messageBox, fake.clock,   fake.locale, files,
                      fake.printer,    fake.session, fake.memory};
    for (const char* directory : {"/opt", "", "lib/lurnatik1"}) {
        fake.session.directory = directory;
        toggleInfo(form, platform);
        EXPECT_EQ(form.infotext.text, kFailureText) << directory;
        EXPECT_EQ(form.okinfo.caption, "Ende Info");
        toggleInfo(form, platform);
    }
}

}  // namespace
}  // namespace lurnatik
