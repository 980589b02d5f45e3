#include "core/run_control.h"

#include <cstdint>
#include <limits>
#include <string>

#include "core/auswertung.h"
#include "core/count_text.h"
#include "core/drawing.h"
#include "core/frequency_table.h"
#include "core/number_text.h"
#include "core/run_texts.h"

namespace lurnatik {
namespace {

constexpr std::int16_t kCounterLimit = std::numeric_limits<std::int16_t>::max();

// The 16-bit counters stop at their largest value rather than turn negative: a
// throw number within a rotation that stands still is less misleading than one
// that jumps to -32768.
void countUp(std::int16_t& counter) {
    if (counter < kCounterLimit) {
        ++counter;
    }
}

// Marked numbers wait again for their first appearance, and the tables and the
// first-repeat labels describe the new rotation only.
void startRotation(Form1& form) {
    Grid& t2 = form.tabelle2;
    t2.setCol(0);
    for (int n = 0; n <= kHighestNumber; ++n) {
        t2.setRow(n);
        if (readNumber(t2.text()) > 0) {
            t2.setText(" ");
        }
    }
    emptyCountColumns(form.tabelle1);
    form.Label11.caption.clear();
    form.Label13.caption.clear();
    form.Label14.caption.clear();
}

// The run has reached the throws wanted. Also when the throw count can no longer
// grow (a double stops counting at 2^53), and after an import when the recorded
// sequence has no entry left for the next throw.
bool runIsOver(const State& s) {
    if (s.wurfnr >= s.sollwuerfe || s.wurfnr + 1 == s.wurfnr) {
        return true;
    }
    return s.importmodus != 0 && recordExhausted(s);
}

void endRun(Form1& form) {
    form.text.caption += '\r';
    form.text.caption += kEndLine;
    form.okstart.caption = kStartCaption;
    form.okstart.enabled = false;
}

// An entry that names no number of the wheel still takes its place in the
// sequence, so throw k stays spin k of the file; it is not evaluated, shows no
// number, and breaks any run of equal numbers, since it was none of them.
void skipUnreadableThrow(Form1& form) {
    State& s = form.state;
    form.lzahl.caption.clear();
    if (s.doppelstatus == State::kPairPending) {
        s.doppelstatus = State::kPairTested;
    }
    s.vorzahl = kNoNumber;
    form.lakut.repaint();
}

// Returns true when the click goes on with the next throw.
bool continueAfterThrow(Form1& form) {
    State& s = form.state;
    OptionArray& mode = form.Option1;
    if (mode.value(kRunThrough)) {
        return true;
    }
    if (mode.value(kHaltAt)) {
        if (s.wurfnr >= s.haltwurf) {
            mode.select(kSingleStep);
            return false;
        }
        return true;
    }
    if (mode.value(kRotation)) {
        form.Lrotat.background = kRotationRunning;
        // A throw that reaches the throws wanted does not count toward the
        // rotation, so a rotation that would end on it is not counted.
        if (s.wurfnr >= s.sollwuerfe) {
            mode.select(kSingleStep);
            return false;
        }
        ++s.rotwurf;
        if (s.rotwurf < kRotationLength) {
            return true;
        }
        countUp(s.rotnr);
        form.Lrotat.caption = writeNumber(s.rotnr);
        s.rotwurf = 0;
        s.rotwurfnr = 0;
        s.flagwdh = 0;
        s.flagdoppel = 0;
        s.flagdreifach = 0;
        if (s.sollwuerfe - s.wurfnr < kRotationLength) {
            mode.select(kSingleStep);
            form.Lrotat.background = kRotationIdle;
        }
        return false;
    }
    return false;
}

}  // namespace

void startClick(Form1& form, Platform& platform) {
    State& s = form.state;
    form.okdruck.enabled = true;
    form.okabbrechen.enabled = true;
    form.okextern.enabled = false;
    form.okstart.caption = kContinueCaption;
    if (s.importmodus == 0) {
        form.text.caption = kRandomSourceText;
    }
    if (form.Option1.value(kRotation)) {
        startRotation(form);
    }

    // lakut shows wurfnr. The first throw of the click writes it whole; after that
    // lakut holds the previous throw number, written by this loop alone, and
    // raising that text gives exactly the text of the next one.
    std::string& shownThrow = form.lakut.caption;
    bool firstThrow = true;
    for (;;) {
        if (runIsOver(s)) {
            endRun(form);
            return;
        }
        if (firstThrow) {
            shownThrow = writeNumber(s.wurfnr);
            firstThrow = false;
        }
        s.wurfnr += 1;
        raiseCount(shownThrow);
        countUp(s.rotwurfnr);

        if (const auto number = drawThrow(form, platform.clock)) {
            s.zahl = *number;
            auswertung(form);
        } else {
            skipUnreadableThrow(form);
        }

        if (!continueAfterThrow(form)) {
            return;
        }
    }
}

}  // namespace lurnatik
