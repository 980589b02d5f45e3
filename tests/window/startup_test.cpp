#include "window/startup.h"

#include <gtest/gtest.h>

#include "support/program_test.h"

namespace lurnatik {
namespace {

class StartUp : public testing::ProgramTest {
  protected:
    // A rotation of 37 with 5 marked, a halt at throw 40, then Rotation/37 chosen
    // again, as if after an import: every counter label shows something.
    void playARun() {
        std::deque<int> throws = {5, 5, 5, 20};
        throws.resize(37, 1);
        throws.insert(throws.end(), {36, 36, 36});
        numbers(throws);
        clickRow(5);
        run("100", 3);
        form.Option1.select(2);
        form.haltbei.setText("40");
        click();
        ASSERT_EQ(s.wurfnr, 40);
        form.Option1.select(3);
        s.importmodus = 1;
    }
};

TEST_F(StartUp, GivesTheInitialValuesAndNumbersTheFrequencyTable) {
    EXPECT_EQ(s.wurfnr, 0);
    EXPECT_EQ(s.haltwurf, 0);
    EXPECT_EQ(s.importmodus, 0);
    EXPECT_EQ(s.doppelzahl, 200);
    EXPECT_EQ(s.doppelstatus, 0);
    EXPECT_EQ(s.rotwurfnr, 0);
    for (int r = 0; r <= 36; ++r) {
        EXPECT_EQ(t1(r, 0), std::to_string(r));
        EXPECT_EQ(t1(r, 1) + t1(r, 2) + t1(r, 3) + t2(r), "");
        EXPECT_EQ(form.tabelle1.cell(r, 0).background, colours::none);
    }
    EXPECT_EQ(form.tabelle1.row(), 0);
    EXPECT_EQ(form.tabelle1.col(), 0);
}

// A confirmed restart makes the window equal one fresh from start-up with the
// same mark, mode and halt throw, the rotation's colour, the last number thrown
// and the current cells where the refresh of tabelle2 leaves them.
TEST_F(StartUp, AConfirmedRestartLeavesTheWindowAsFromStartUp) {
    playARun();
    for (const Label* l : {&form.lakut, &form.lzahl, &form.lrot, &form.lschwarz, &form.lklein,
                           &form.lgross, &form.lgerade, &form.lungerade, &form.Label11,
                           &form.Lrotat, &form.Label13, &form.Label14}) {
        ASSERT_NE(l->caption, "") << l->name();
    }
    ASSERT_EQ(s.flagwdh + s.flagdoppel + s.flagdreifach, 3);
    fake.messageBox.answers = {Answer::Ja};
    Program ground{fake.platform};
    ground.startUp();
    Form1& g = ground.form;
    g.tabelle1.rowSel = 5;
    g.tabelle1.click();
    g.Option1.preset(3);
    g.state.haltwurf = 40;
    g.state.zahl = s.zahl;
    g.Lrotat.background = rgb(128, 255, 128);
    g.tabelle1.setRow(36);
    g.tabelle2.setRow(36);
    int textanzahlChanges = 0;
    form.textanzahl.onChange = [&] { ++textanzahlChanges; };
    form.okabbrechen.click();
    EXPECT_EQ(testing::snapshot(form), testing::snapshot(g));
    EXPECT_EQ(textanzahlChanges, 1) << "emptying textanzahl runs its change handling";
}

}  // namespace
}  // namespace lurnatik
