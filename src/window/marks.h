#pragma once

#include "model/form.h"

namespace lurnatik {

// A number is marked while its cell in column 0 of tabelle1 has this background.
inline constexpr Colour kMarkingColour = colours::paleGreen;

// Rebuilds tabelle2 from the marks: " " (waiting) for a marked number, "" for the
// others. Leaves both grids at row 36, column 0.
void refreshTabelle2(Form1& form);

}  // namespace lurnatik
