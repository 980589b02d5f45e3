#include "core/auswertung.h"

#include <array>
#include <string>

#include "core/count_text.h"
#include "core/number_text.h"
#include "core/run_texts.h"

namespace lurnatik {
namespace {

// Every count lives as text: read it back, add one, write it again.
void addOne(Label& label) {
    raiseCount(label.caption);
}

void addOneToCurrentCell(Grid& grid) {
    raiseCount(grid.editText());
}

// The strings' own comparison and assignment are calls into the library; these
// two run on every throw, so they are spelled out.
bool isText(const std::string& text, char only) {
    return text.size() == 1 && text[0] == only;
}

// lzahl shows one or two digits. Both characters are copied without asking how
// many there are, the second being the terminating null of a one-digit text: a
// random throw's length cannot be predicted, and a mispredicted branch costs more
// than the copy.
void showNumberText(std::string& shown, const std::string& text) {
    if (shown.size() != text.size()) {
        shown.resize(text.size());
    }
    shown[0] = text[0];
    shown.data()[1] = text.data()[1];
}

// The 37 numbers of the wheel as lzahl shows them.
const std::string& numberText(std::int16_t zahl) {
    static const std::array<std::string, 37> texts = [] {
        std::array<std::string, 37> t;
        for (std::int16_t n = 0; n <= kHighestNumber; ++n) {
            t[static_cast<std::size_t>(n)] = writeNumber(n);
        }
        return t;
    }();
    return texts[static_cast<std::size_t>(zahl)];
}

// Within a rotation the window counts throws from the rotation's start; the mode
// is asked afresh each time because nothing may cache it.
std::string shownThrow(const Form1& form) {
    return form.Option1.value(kRotation) ? writeNumber(form.state.rotwurfnr)
                                         : writeNumber(form.state.wurfnr);
}

// Column 1 counts the number; its first "2" is the first repeat of the run.
void countFrequency(Form1& form, std::int16_t zahl) {
    Grid& t1 = form.tabelle1;
    t1.setRow(zahl);
    t1.setCol(1);
    std::string& count = t1.editText();
    raiseCount(count);

    // The cell has just been written in its shortest form, in which the number 2
    // has exactly one writing.
    if (isText(count, '2')) {
        if (form.state.flagwdh == 0) {
            form.Label11.caption = shownThrow(form);
        }
        form.state.flagwdh = 1;
    }
}

// The pair left by the two previous throws is tested before the current throw
// records its own, so a triple also counts as a double and a fourth equal throw
// makes a further triple.
void countTriple(Form1& form, std::int16_t zahl) {
    State& s = form.state;
    if (s.doppelstatus != State::kPairPending) {
        return;
    }
    if (s.doppelzahl == zahl) {
        Grid& t1 = form.tabelle1;
        t1.setRow(zahl);
        t1.setCol(3);
        addOneToCurrentCell(t1);
        if (s.flagdreifach == 0) {
            form.Label14.caption = shownThrow(form);
        }
        s.flagdreifach = 1;
    }
    s.doppelstatus = State::kPairTested;
}

void countDouble(Form1& form, std::int16_t zahl) {
    State& s = form.state;
    if (zahl != s.vorzahl) {
        return;
    }
    Grid& t1 = form.tabelle1;
    t1.setRow(zahl);
    t1.setCol(2);
    addOneToCurrentCell(t1);
    s.doppelzahl = zahl;
    s.doppelstatus = State::kPairPending;
    if (s.flagdoppel == 0) {
        form.Label13.caption = shownThrow(form);
    }
    s.flagdoppel = 1;
}

// A marked number still waiting (" ") gets the throw of its first appearance.
void markFirstAppearance(Form1& form, std::int16_t zahl) {
    Grid& t2 = form.tabelle2;
    t2.setRow(zahl);
    if (isText(t2.text(), ' ')) {
        t2.setText(shownThrow(form));
    }
}

// Each pair of chances is one test with two outcomes; choosing the label first
// spares the processor a guess on every random throw. 0 belongs to none.
void countChances(Form1& form, std::int16_t zahl) {
    if (zahl == 0) {
        return;
    }
    const std::int16_t colour = form.state.farbe[static_cast<std::size_t>(zahl)];
    if (colour == State::kRed || colour == State::kBlack) {
        addOne(colour == State::kRed ? form.lrot : form.lschwarz);
    }
    addOne(zahl < 19 ? form.lklein : form.lgross);
    addOne(zahl % 2 == 0 ? form.lgerade : form.lungerade);
}

}  // namespace

void auswertung(Form1& form) {
    const std::int16_t zahl = form.state.zahl;
    showNumberText(form.lzahl.caption, numberText(zahl));
    countFrequency(form, zahl);
    countTriple(form, zahl);
    countDouble(form, zahl);
    markFirstAppearance(form, zahl);
    countChances(form, zahl);
    form.state.vorzahl = zahl;
    form.lakut.repaint();
}

}  // namespace lurnatik
