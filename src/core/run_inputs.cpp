#include "core/run_inputs.h"

#include <cmath>
#include <string>

#include "core/number_text.h"
#include "core/run_texts.h"

namespace lurnatik {

void throwsWanted(Form1& form) {
    const double wanted = readNumber(form.textanzahl.text());
    if (wanted > 0) {
        form.state.sollwuerfe = wanted;
        form.okstart.enabled = true;
        return;
    }
    form.okstart.enabled = false;
    form.textanzahl.setText("");  // runs this handling once more, which finds ""
}

void haltThrow(Form1& form, Locale& locale) {
    const std::string text = form.haltbei.text();
    const double leading = readNumber(text);
    if (leading > 0) {
        // The locale reads "1.000" or "2,5" as a German user means them. A text
        // that is no number as a whole ("12abc") halts at its leading number, the
        // value the user sees at its start, rather than at an older, hidden one.
        const std::optional<double> whole = locale.toNumber(text);
        form.state.haltwurf = whole && std::isfinite(*whole) ? *whole : leading;
        return;
    }
    form.haltbei.setText("");  // runs this handling once more, which finds ""
}

void modeChange(Form1& form) {
    OptionArray& mode = form.Option1;
    TextBox& halt = form.haltbei;
    if (mode.value(kHaltAt)) {
        halt.background = kHaltActive;
        halt.enabled = true;
    } else {
        halt.background = kHaltInactive;
        halt.setText("");  // runs the halt-throw handling, which keeps haltwurf
        halt.enabled = false;
    }
    const State& s = form.state;
    if (mode.value(kRotation) && s.sollwuerfe - s.wurfnr < kRotationLength) {
        mode.select(kSingleStep);  // runs this handling again, nested
    }
}

}  // namespace lurnatik
