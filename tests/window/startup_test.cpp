#include "window/startup.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "window/instruction_text.h"
#include "window/marks.h"
#include "window/program.h"

namespace lurnatik {
namespace {

class StartUpTest : public ::testing::Test {
  protected:
    testing::FakePlatform fake;
    Program program{fake.platform};
    Form1& form = program.form;
    State& s = form.state;

    void SetUp() override { program.startUp(); }

    // The state a run leaves behind, written straight into the model.
    void pretendARun() {
        s.wurfnr = 12;
        s.sollwuerfe = 20;
        s.importmodus = 1;
        s.vorzahl = 5;
        s.doppelzahl = 5;
        s.doppelstatus = 1;
        s.flagwdh = s.flagdoppel = s.flagdreifach = 1;
        s.rotwurf = 3;
        s.rotnr = 2;
        s.rotwurfnr = 4;
        s.haltwurf = 9;
        s.zahl = 5;
        for (int r = 0; r <= 36; ++r) {
            form.tabelle1.setRow(r);
            for (int c = 1; c <= 3; ++c) {
                form.tabelle1.setCol(c);
                form.tabelle1.setText("7");
            }
            form.tabelle2.setRow(r);
            form.tabelle2.setText("");
        }
        form.tabelle1.setRow(5);
        form.tabelle1.setCol(0);
        form.tabelle1.setCellBackground(kMarkingColour);
        form.tabelle2.setRow(5);
        form.tabelle2.setText("11");
        form.tabelle1.setRow(8);
        form.tabelle1.setCol(2);
        form.tabelle2.setRow(30);
        for (Label* l : {&form.lakut, &form.lzahl, &form.lrot, &form.Label11, &form.Lrotat}) {
            l->caption = "3";
        }
        form.textanzahl.setText("20");
        form.haltbei.setText("9");
        form.Option1.preset(3);
        form.okstart.caption = "Weiter";
        form.okstart.enabled = true;
        form.okabbrechen.enabled = true;
        form.okdruck.enabled = true;
        form.okextern.enabled = false;
        form.text.caption = " Der Computer erzeugt die Zahlen...";
    }
};

TEST_F(StartUpTest, GivesTheInitialValues) {
    EXPECT_EQ(s.sollwuerfe, 0);
    EXPECT_EQ(s.wurfnr, 0);
    EXPECT_EQ(s.haltwurf, 0);
    EXPECT_EQ(s.importmodus, 0);
    EXPECT_EQ(s.vorzahl, 200);
    EXPECT_EQ(s.doppelzahl, 200);
    EXPECT_EQ(s.doppelstatus, 0);
    EXPECT_EQ(s.rotwurfnr, 0);
    EXPECT_EQ(fake.clock.readings, 2u) << "reseeded twice";
}

TEST_F(StartUpTest, NumbersTheFrequencyTableAndLeavesTheRestEmpty) {
    for (int r = 0; r <= 36; ++r) {
        EXPECT_EQ(form.tabelle1.cell(r, 0).text, std::to_string(r));
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(form.tabelle1.cell(r, c).text, "");
        }
        EXPECT_EQ(form.tabelle2.cell(r, 0).text, "");
        EXPECT_EQ(form.tabelle1.cell(r, 0).background, colours::none);
    }
    EXPECT_EQ(form.tabelle1.row(), 0);
    EXPECT_EQ(form.tabelle1.col(), 0);
    EXPECT_EQ(form.tabelle2.col(), 0);
    EXPECT_EQ(form.tabelle1.colWidth(0), 450);
    EXPECT_EQ(form.tabelle1.colWidth(1), 700);
    EXPECT_EQ(form.tabelle1.colWidth(3), 600);
    EXPECT_EQ(form.tabelle2.colWidth(0), 400);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(form.tabelle1.colAlignment(c), 3);
    }
}

TEST_F(StartUpTest, FillsTheColourTableOfTheEuropeanWheel) {
    int red = 0;
    int black = 0;
    for (int n = 1; n <= 36; ++n) {
        red += s.farbe[n] == 1;
        black += s.farbe[n] == 2;
    }
    EXPECT_EQ(red, 18);
    EXPECT_EQ(black, 18);
    EXPECT_EQ(s.farbe[0], 0);
    EXPECT_EQ(s.farbe[37], 0);
    EXPECT_EQ(s.farbe[1], 1);
    EXPECT_EQ(s.farbe[10], 2);
    EXPECT_EQ(s.farbe[11], 2);
    EXPECT_EQ(s.farbe[19], 1);
    EXPECT_EQ(s.farbe[36], 1);
}

TEST_F(StartUpTest, InstructionTextIsFourLinesJoinedByCarriageReturns) {
    const std::string& t = form.text.caption;
    EXPECT_EQ(t.find('\n'), std::string::npos);
    // Counted in characters: each of the umlauts takes two bytes.
    std::size_t characters = 0;
    for (unsigned char c : t) {
        characters += (c & 0xC0) != 0x80;
    }
    EXPECT_EQ(characters, 146u);
    EXPECT_EQ(t, std::string(" Anzahl der gewünschten Würfe eingeben,\r"
                             "  Modus wählen und Start drücken.\r"
                             "  Oder Import drücken und entspr. Datei der\r"
                             "  Spielbank Hamburg angeben."));
}

TEST_F(StartUpTest, ChangesNoButtonState) {
    EXPECT_FALSE(form.okstart.enabled);
    EXPECT_EQ(form.okstart.caption, "Start");
    EXPECT_FALSE(form.okabbrechen.enabled);
    EXPECT_FALSE(form.okdruck.enabled);
    EXPECT_TRUE(form.okextern.enabled);
    EXPECT_FALSE(form.haltbei.enabled);
    EXPECT_FALSE(form.Frame1.visible);
    EXPECT_FALSE(form.infotext.visible);
    EXPECT_EQ(form.Option1.selected(), 0);
}

TEST_F(StartUpTest, RestartAnsweredNeinChangesNothing) {
    pretendARun();
    fake.messageBox.answers = {Answer::Nein};
    form.okabbrechen.click();

    ASSERT_EQ(fake.messageBox.asked.size(), 1u);
    EXPECT_EQ(fake.messageBox.asked[0].prompt, "Abbruch bitte bestätigen !     ");
    EXPECT_EQ(fake.messageBox.asked[0].title, " Abbruch");
    EXPECT_EQ(fake.messageBox.asked[0].style, 36);
    EXPECT_EQ(s.wurfnr, 12);
    EXPECT_EQ(s.vorzahl, 5);
    EXPECT_EQ(s.importmodus, 1);
    EXPECT_EQ(form.tabelle1.row(), 8);
    EXPECT_EQ(form.tabelle1.col(), 2);
    EXPECT_EQ(form.tabelle2.row(), 30);
    EXPECT_EQ(form.tabelle1.cell(3, 1).text, "7");
    EXPECT_EQ(form.tabelle2.cell(5, 0).text, "11");
    EXPECT_EQ(form.lakut.caption, "3");
    EXPECT_EQ(form.okstart.caption, "Weiter");
    EXPECT_TRUE(form.okabbrechen.enabled);
    EXPECT_EQ(form.textanzahl.text(), "20");
}

TEST_F(StartUpTest, RestartAnsweredJaReturnsToTheGroundStateKeepingMarksModeAndHalt) {
    pretendARun();
    int textanzahlChanges = 0;
    form.textanzahl.onChange = [&] { ++textanzahlChanges; };
    fake.messageBox.answers = {Answer::Ja};
    form.okabbrechen.click();

    EXPECT_EQ(s.wurfnr, 0);
    EXPECT_EQ(s.sollwuerfe, 0);
    EXPECT_EQ(s.importmodus, 0);
    EXPECT_EQ(s.vorzahl, 200);
    EXPECT_EQ(s.doppelzahl, 200);
    EXPECT_EQ(s.doppelstatus, 0);
    EXPECT_EQ(s.flagwdh + s.flagdoppel + s.flagdreifach, 0);
    EXPECT_EQ(s.rotwurf + s.rotnr + s.rotwurfnr, 0);
    EXPECT_EQ(s.haltwurf, 9);
    EXPECT_EQ(s.zahl, 5);
    EXPECT_EQ(form.haltbei.text(), "9");
    EXPECT_EQ(form.Option1.selected(), 3);

    for (int r = 0; r <= 36; ++r) {
        EXPECT_EQ(form.tabelle1.cell(r, 0).text, std::to_string(r));
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(form.tabelle1.cell(r, c).text, "");
        }
        EXPECT_EQ(form.tabelle2.cell(r, 0).text, r == 5 ? " " : "");
    }
    EXPECT_EQ(form.tabelle1.cell(5, 0).background, kMarkingColour);
    EXPECT_EQ(form.tabelle1.row(), 36);
    EXPECT_EQ(form.tabelle1.col(), 0);
    EXPECT_EQ(form.tabelle2.row(), 36);

    for (Label* l : {&form.lakut, &form.lzahl, &form.lrot, &form.Label11, &form.Lrotat}) {
        EXPECT_EQ(l->caption, "") << l->name();
    }
    EXPECT_TRUE(form.okextern.enabled);
    EXPECT_EQ(form.okstart.caption, "Start");
    EXPECT_FALSE(form.okstart.enabled);
    EXPECT_FALSE(form.okabbrechen.enabled);
    EXPECT_FALSE(form.okdruck.enabled);
    EXPECT_EQ(form.textanzahl.text(), "");
    EXPECT_EQ(textanzahlChanges, 1) << "emptying textanzahl runs its change handling";
    EXPECT_EQ(form.text.caption, kInstructionText);
}

TEST_F(StartUpTest, RestartNeedsItsButtonEnabled) {
    form.okabbrechen.click();  // disabled at start-up: no question is asked
    EXPECT_TRUE(fake.messageBox.asked.empty());
}

}  // namespace
}  // namespace lurnatik
