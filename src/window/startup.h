#pragma once

#include "model/form.h"
#include "platform/platform.h"

namespace lurnatik {

// Runs once before the window is first shown: initial values, grid layout, row
// numbers, colour table and the instruction text.
void startUp(Form1& form, Platform& platform);

// The click on okabbrechen: after a confirmation, back to the ground state,
// keeping marks, mode and halt throw.
void restart(Form1& form, Platform& platform);

}  // namespace lurnatik
