#include <gtest/gtest.h>

#include "output/quit.h"
#include "output/screen_copy.h"
#include "support/fake_platform.h"
#include "window/program.h"

namespace lurnatik {
namespace {

class OutputButtonsTest : public ::testing::Test {
  protected:
    testing::FakePlatform fake;
    Program program{fake.platform};
    Form1& form = program.form;

    void SetUp() override { program.startUp(); }
};

TEST_F(OutputButtonsTest, CopyAsksItsOwnQuestion) {
    fake.messageBox.answers.push_back(Answer::Nein);
    form.okcopy.click();
    ASSERT_EQ(fake.messageBox.asked.size(), 1u);
    EXPECT_EQ(fake.messageBox.asked[0].prompt,
              "Sollen die Druckereinstellungen noch geändert werden ?");
    EXPECT_EQ(fake.messageBox.asked[0].title, " Ausdruck Tendenz1");
    EXPECT_EQ(fake.messageBox.asked[0].style, 35);
}

struct CopyCase {
    Answer answer;
    std::vector<std::string> calls;
};

class CopyAnswerTest : public OutputButtonsTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyAnswerTest, PrintsTheWindowAsTheAnswerSays) {
    fake.messageBox.answers.push_back(GetParam().answer);
    form.okcopy.click();
    EXPECT_EQ(fake.printer.calls, GetParam().calls);
    if (GetParam().calls.empty()) {
        EXPECT_TRUE(fake.printer.jobs.empty());
    } else {
        ASSERT_EQ(fake.printer.jobs.size(), 1u);
        EXPECT_EQ(fake.printer.jobs[0], std::vector<std::string>{"[window image 638x477]"});
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, CopyAnswerTest,
                         ::testing::Values(CopyCase{Answer::Abbrechen, {}},
                                           CopyCase{Answer::Nein, {"window image"}},
                                           CopyCase{Answer::Ja, {"setup dialog", "window image"}}));

TEST_F(OutputButtonsTest, EndeAsksAndQuitsOnJa) {
    fake.messageBox.answers.push_back(Answer::Ja);
    form.okende.click();
    ASSERT_EQ(fake.messageBox.asked.size(), 1u);
    EXPECT_EQ(fake.messageBox.asked[0].prompt, "Soll das Programm beendet werden ?     ");
    EXPECT_EQ(fake.messageBox.asked[0].title, " Beenden");
    EXPECT_EQ(fake.messageBox.asked[0].style, 36);
    EXPECT_TRUE(fake.session.quitted);
}

TEST_F(OutputButtonsTest, EndeWithNeinLeavesTheRunAsItWas) {
    form.textanzahl.setText("20");
    form.Option1.select(0);
    for (int i = 0; i < 3; ++i) {
        form.okstart.click();
    }
    const State before = form.state;
    const std::string status = form.text.caption;
    const std::string frequencies = form.tabelle1.cell(form.state.zahl, 1).text;

    fake.messageBox.answers.push_back(Answer::Nein);
    form.okende.click();
    EXPECT_FALSE(fake.session.quitted);
    EXPECT_EQ(form.state.wurfnr, before.wurfnr);
    EXPECT_EQ(form.state.zahl, before.zahl);
    EXPECT_EQ(form.text.caption, status);
    EXPECT_EQ(form.tabelle1.cell(form.state.zahl, 1).text, frequencies);
    EXPECT_EQ(form.okstart.caption, "Weiter");

    // The run goes on from where it stood.
    form.okstart.click();
    EXPECT_EQ(form.state.wurfnr, before.wurfnr + 1);
}

}  // namespace
}  // namespace lurnatik
