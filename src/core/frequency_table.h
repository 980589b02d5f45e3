#pragma once

#include "model/grid.h"

namespace lurnatik {

// Empties the count columns 1 to 3 of tabelle1, row by row, column by column,
// leaving the current cell at row 36, column 3. Column 0 (the numbers and their
// marks) is not touched.
void emptyCountColumns(Grid& tabelle1);

}  // namespace lurnatik
