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

TEST_F(Quit, EveryConfirmationAsksItsQuestion) {
    run("10", 0);
    const char* printing = "Sollen die Druckereinstellungen noch geändert werden ?";
    for (const Question& q :
         {Question{&Form1::okabbrechen, "Abbruch bitte bestätigen !     ", " Abbruch", 36},
          Question{&Form1::okende, "Soll das Programm beendet werden ?     ", " Beenden", 36},
          Question{&Form1::okdruck, printing, " Ausdruck Figuren1", 35},
          Question{&Form1::okcopy, printing, " Ausdruck Tendenz1", 35}}) {
        fake.messageBox.answers.push_back(Answer::Nein);
        (form.*q.button).click();
        ASSERT_FALSE(fake.messageBox.asked.empty());
        EXPECT_EQ(fake.messageBox.asked.back().prompt, q.prompt);
        EXPECT_EQ(fake.messageBox.asked.back().title, q.title);
        EXPECT_EQ(fake.messageBox.asked.back().style, q.style);
    }
    EXPECT_EQ(fake.messageBox.asked.size(), 4u);
}

TEST_F(Quit, NeinLeavesTheRunAsItWasAndJaQuits) {
    want("20");
    click();
    const auto before = testing::snapshot(form);
    fake.messageBox.answers.push_back(Answer::Nein);
    form.okende.click();
    EXPECT_FALSE(fake.session.quitted);
    EXPECT_EQ(testing::snapshot(form), before);
    fake.messageBox.answers.push_back(Answer::Ja);
    form.okende.click();
    EXPECT_TRUE(fake.session.quitted);
}

}  // namespace
}  // namespace lurnatik
