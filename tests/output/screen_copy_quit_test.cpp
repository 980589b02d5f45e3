#include <gtest/gtest.h>

#include "output/quit.h"
#include "output/screen_copy.h"
#include "support/program_test.h"

namespace lurnatik {
namespace {

using Quit = testing::ProgramTest;

// Each confirmation has its own prompt and title; restart and quit ask Yes/No
// (36), the printing questions Yes/No/Cancel (35).
struct Question {
    Button Form1::*button;
    const char* prompt;
    const char* title;
    int style;
};

class Confirmation : public testing::ProgramTest, public ::testing::WithParamInterface<Question> {};

TEST_P(Confirmation, AsksItsQuestion) {
    run("10", 0);
    fake.messageBox.answers.push_back(Answer::Nein);
    (form.*GetParam().button).click();
    ASSERT_EQ(fake.messageBox.asked.size(), 1u);
    EXPECT_EQ(fake.messageBox.asked[0].prompt, GetParam().prompt);
    EXPECT_EQ(fake.messageBox.asked[0].title, GetParam().title);
    EXPECT_EQ(fake.messageBox.asked[0].style, GetParam().style);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, Confirmation,
    ::testing::Values(
        Question{&Form1::okabbrechen, "Abbruch bitte bestätigen !     ", " Abbruch", 36},
        Question{&Form1::okende, "Soll das Programm beendet werden ?     ", " Beenden", 36},
        Question{&Form1::okdruck, "Sollen die Druckereinstellungen noch geändert werden ?",
                 " Ausdruck Figuren1", 35},
        Question{&Form1::okcopy, "Sollen die Druckereinstellungen noch geändert werden ?",
                 " Ausdruck Tendenz1", 35}));

// Quitting on Ja is the print_report scenario.
TEST_F(Quit, NeinLeavesTheRunAsItWas) {
    want("20");
    click();
    const auto before = testing::snapshot(form);
    fake.messageBox.answers.push_back(Answer::Nein);
    form.okende.click();
    EXPECT_FALSE(fake.session.quitted);
    EXPECT_EQ(testing::snapshot(form), before);
}

}  // namespace
}  // namespace lurnatik
