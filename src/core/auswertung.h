#pragma once

#include "model/form.h"

namespace lurnatik {

// Evaluates the throw in state.zahl (0 to 36): shows it, counts it in tabelle1,
// detects the first repeat, double and triple, records a marked number's first
// appearance, counts the even-money chances, remembers the number and repaints
// lakut. Expects wurfnr and rotwurfnr already counted for this throw.
void auswertung(Form1& form);

}  // namespace lurnatik
