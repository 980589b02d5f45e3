// Each confirmation by answer: its question, the setup dialog before printing,
// the page printed, quitting, and a window left as it was.

#include <gtest/gtest.h>

#include <algorithm>

#include "support/program_test.h"

namespace lurnatik {
namespace {

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

class Confirmation : public testing::ProgramTest,
                     public ::testing::WithParamInterface<Confirmed> {};

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

}  // namespace
}  // namespace lurnatik
