#include "window/startup.h"

#include "core/frequency_table.h"
#include "core/number_text.h"
#include "core/run_texts.h"
#include "model/instruction_text.h"
#include "window/marks.h"

namespace lurnatik {
namespace {

constexpr int kRedNumbers[] = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
constexpr int kBlackNumbers[] = {2,  4,  6,  8,  10, 11, 13, 15, 17,
                                 20, 22, 24, 26, 28, 29, 31, 33, 35};
constexpr int kCentredTop = 3;

void resetRunVariables(State& s) {
    s.vorzahl = kNoNumber;
    s.doppelzahl = kNoNumber;
    s.doppelstatus = 0;
    s.flagwdh = 0;
    s.flagdoppel = 0;
    s.flagdreifach = 0;
    s.rotwurf = 0;
    s.rotnr = 0;
    s.rotwurfnr = 0;
}

}  // namespace

void startUp(Form1& form, Platform& platform) {
    State& s = form.state;
    s.sollwuerfe = 0;
    s.haltwurf = 0;
    s.wurfnr = 0;
    s.importmodus = 0;
    form.generator.reseed(platform.clock.seed());
    resetRunVariables(s);

    Grid& t1 = form.tabelle1;
    const int widths[] = {450, 700, 600, 600};
    for (int c = 0; c < 4; ++c) {
        t1.setColWidth(c, widths[c]);
    }
    for (int c = 0; c < 4; ++c) {
        t1.setColAlignment(c, kCentredTop);
    }
    t1.setCol(0);
    for (std::int16_t n = 0; n <= kHighestNumber; ++n) {
        t1.setRow(n);
        t1.setText(writeNumber(n));
    }
    t1.setRow(0);
    t1.setCol(0);

    Grid& t2 = form.tabelle2;
    t2.setCol(0);
    t2.setColWidth(0, 400);
    t2.setColAlignment(0, kCentredTop);

    form.generator.reseed(platform.clock.seed());

    for (int n : kRedNumbers) {
        s.farbe[static_cast<std::size_t>(n)] = State::kRed;
    }
    for (int n : kBlackNumbers) {
        s.farbe[static_cast<std::size_t>(n)] = State::kBlack;
    }
    form.text.caption = kInstructionText;
}

void restart(Form1& form, Platform& platform) {
    if (platform.messageBox.ask("Abbruch bitte bestätigen !     ", " Abbruch", kYesNoQuestion) !=
        Answer::Ja) {
        return;
    }
    State& s = form.state;
    s.wurfnr = 0;
    s.sollwuerfe = 0;
    s.importmodus = 0;
    resetRunVariables(s);

    emptyCountColumns(form.tabelle1);
    refreshTabelle2(form);

    for (Label* l : {&form.lakut, &form.lzahl, &form.lrot, &form.lschwarz, &form.lklein,
                     &form.lgross, &form.lgerade, &form.lungerade, &form.Label11, &form.Lrotat,
                     &form.Label13, &form.Label14}) {
        l->caption.clear();
    }

    form.okextern.enabled = true;
    form.okstart.caption = kStartCaption;
    form.okstart.enabled = false;
    form.okabbrechen.enabled = false;
    form.okdruck.enabled = false;
    form.textanzahl.setText("");  // runs the change handling of textanzahl, nested
    form.text.caption = kInstructionText;
}

}  // namespace lurnatik
