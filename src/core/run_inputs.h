#pragma once
// The three inputs that set a run up: throws wanted, halt throw and mode.

#include "model/form.h"
#include "platform/locale.h"

namespace lurnatik {

// Change of textanzahl: a positive leading number becomes sollwuerfe and enables
// okstart; anything else is removed at once.
void throwsWanted(Form1& form);

// Change of haltbei: a positive leading number sets haltwurf from the text as the
// user's locale reads it; anything else is removed at once.
void haltThrow(Form1& form, Locale& locale);

// Selection of an option of Option1 (any index).
void modeChange(Form1& form);

}  // namespace lurnatik
